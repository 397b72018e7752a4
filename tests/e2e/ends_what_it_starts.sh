#!/usr/bin/env bash
# The end-to-end machinery leaves nothing running: a script's Xvfb, its
# program and the script itself end when the script passes, fails, is
# stopped by its time-out (TERM), interrupted (INT), or when its outermost
# process is killed outright (KILL).
set -euo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
leftovers=()
cleanup() {
  local p
  for p in "${leftovers[@]}"; do kill -KILL "$p" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A process that has ended (a zombie waiting for its parent counts as ended).
alive() { [[ -r /proc/$1/stat ]] && [[ $(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null) != Z ]]; }

# A script like the other end-to-end scripts: it starts the program, writes
# the pids of its Xvfb, the program and itself, then ends as asked.
cat >"$scratch/probe.sh" <<EOF
#!/usr/bin/env bash
set -euo pipefail
source "$here/lib/session.bash"
printf '\xEF\xBB\xBF\r\n[Global]\r\nX_Origin = 5\r\n' >Vimo_Desk.ini
spawn "\$program" >"\$work/log" 2>&1; pid=\$last
desk >/dev/null || fail "the desk did not appear"
echo "\$(pgrep -P \$PPID -x Xvfb) \$pid \$\$" >"$scratch/pids.part" && mv "$scratch/pids.part" "$scratch/pids"
case "\$PROBE_END" in
  pass) exit 0 ;;
  fail) exit 1 ;;
  wait) while :; do sleep 0.2; done ;;
esac
EOF
chmod +x "$scratch/probe.sh"

for end in pass fail TERM INT KILL; do
  rm -f "$scratch/pids"
  how=wait
  [[ $end == pass || $end == fail ]] && how=$end
  # With job control, so that the probe does not start with SIGINT ignored.
  set -m
  PROBE_END=$how "$scratch/probe.sh" "$program" >"$scratch/out" 2>&1 &
  top=$!
  set +m
  leftovers+=("$top")
  for _ in $(seq 300); do [[ -f $scratch/pids ]] && break; sleep 0.1; done
  [[ -f $scratch/pids ]] || { cat "$scratch/out"; fail "$end: the probe did not start"; }
  read -r xvfb app script <"$scratch/pids"
  [[ -n $xvfb && -n $app && -n $script ]] || fail "$end: pids '$xvfb' '$app' '$script'"
  leftovers+=("$xvfb" "$app" "$script")
  case $end in
    TERM | INT | KILL) kill "-$end" "$top" ;;
  esac
  wait "$top" 2>/dev/null || true
  for _ in $(seq 100); do
    alive "$xvfb" || alive "$app" || alive "$script" || break
    sleep 0.1
  done
  alive "$xvfb" && fail "$end: the Xvfb ($xvfb) is still running"
  alive "$app" && fail "$end: the program ($app) is still running"
  alive "$script" && fail "$end: the script ($script) is still running"
done
exit 0
