# Shared by the end-to-end scripts, sourced right after `set -euo pipefail`
# with the program as $1: the script runs again on its own Xvfb, in a fresh
# working folder, home and runtime folder, and ends whatever it started.
#
# Start every background process with `spawn` (the program: `spawn "$program"`,
# then pid=$last): each runs in a process group of its own, ended with
# everything it started when the script ends, whether it passes, fails, is
# interrupted or is stopped by its time-out. Killed outright (SIGKILL), the
# script cannot end them; then they end with the Xvfb under them, which dies
# with tools/xvfb.sh.
program=$(realpath "$1")
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
if [[ -z "${INSIDE_XVFB:-}" ]]; then INSIDE_XVFB=1 exec "$root/tools/xvfb.sh" "$0" "$@"; fi

work=$(mktemp -d)
pid=
started=()

# Starts "$@" in the background in a new process group; its pid in $last.
# It also ends when the script's process dies, however it dies.
spawn() {
  setsid setpriv --pdeathsig TERM -- "$@" &
  last=$!
  started+=("$last")
}

# Ends every process group the script started (and the program, if started
# the old way), politely first.
end_started() {
  local p groups=("${started[@]}")
  [[ -n $pid ]] && groups+=("$pid")
  ((${#groups[@]})) || return 0
  for p in "${groups[@]}"; do kill -TERM -- "-$p" 2>/dev/null || kill -TERM "$p" 2>/dev/null || true; done
  for _ in $(seq 20); do
    local alive=0
    for p in "${groups[@]}"; do kill -0 -- "-$p" 2>/dev/null && alive=1; done
    ((alive)) || break
    sleep 0.1
  done
  for p in "${groups[@]}"; do kill -KILL -- "-$p" 2>/dev/null || kill -KILL "$p" 2>/dev/null || true; done
}

trap 'end_started; rm -rf "$work"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP
cd "$work"
export APPDATA="$work/appdata" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

fail() { echo "FAIL: $*"; cat "$work/log" 2>/dev/null; exit 1; }
# xdotool search, waiting up to 20 s for a match. A window that closes while
# xdotool looks at it (a splash, a menu) kills xdotool with an X error; the
# search is then made again.
xsearch() {
  local deadline=$((SECONDS + 20)) found
  while :; do
    if found=$(xdotool search "$@" 2>/dev/null) && [[ -n $found ]]; then
      printf '%s\n' "$found"
      return 0
    fi
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
}
focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }
# Answers the window titled $1 (a pattern) with key $2.
answer() {
  local wid
  wid=$(xsearch --name "$1" | head -1) || fail "no window titled $1"
  focus "$wid"
  xdotool key "$2"
}
# The desk window, once it is shown.
desk() { xsearch --onlyvisible --name '^Vimo Duzi$' | head -1; }
