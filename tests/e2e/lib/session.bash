# Shared by the end-to-end scripts, sourced right after `set -euo pipefail`
# with the program as $1: the script runs again on its own Xvfb, in a fresh
# working folder and home, and ends whatever it started.
program=$(realpath "$1")
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
if [[ -z "${INSIDE_XVFB:-}" ]]; then INSIDE_XVFB=1 exec "$root/tools/xvfb.sh" "$0" "$@"; fi

work=$(mktemp -d)
pid=
trap 'if [[ -n $pid ]]; then kill $pid 2>/dev/null || true; fi; rm -rf "$work"' EXIT
cd "$work"
export APPDATA="$work/appdata" HOME="$work/home"
mkdir -p "$HOME"

fail() { echo "FAIL: $*"; cat "$work/log" 2>/dev/null; exit 1; }
focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }
# Answers the window titled $1 (a pattern) with key $2.
answer() {
  local wid
  wid=$(timeout 20 xdotool search --sync --name "$1" | head -1) || fail "no window titled $1"
  focus "$wid"
  xdotool key "$2"
}
# The desk window, once it is shown.
desk() { timeout 20 xdotool search --sync --onlyvisible --name '^Vimo Duzi$' | head -1; }
