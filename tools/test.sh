#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test.
#   tools/test.sh              the normal build (build/)
#   tools/test.sh --sanitize   the same suite built with AddressSanitizer and
#                              UndefinedBehaviorSanitizer (build-sanitize/); a finding fails it
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
if [[ "${1:-}" == --sanitize ]]; then
  build="$root/build-sanitize"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVD_SANITIZE=ON -DVD_BUILD_BENCH=OFF >/dev/null
  cmake --build "$build"
  cd "$build"
  # The toolkit and the system libraries are not built for the leak checker;
  # their own one-time allocations are not the program's leaks.
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  ctest --output-on-failure --parallel 2 --timeout 600
  exit
fi
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build"
cd "$root/build"
ctest --output-on-failure --parallel 2 --timeout 300
