#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program from the working folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target vimo-duzi
exec "$root/build/vimo-duzi" "$@"
