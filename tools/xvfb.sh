#!/usr/bin/env bash
# Runs a command on a private Xvfb screen that ends with it:
#   tools/xvfb.sh COMMAND...     (DISPLAY is set for COMMAND)
# The screen ends when the command ends, when this script is interrupted or
# stopped (INT, TERM, HUP), and even when it is killed outright: the server
# gets a signal when its parent dies.
set -euo pipefail
xvfb=
command_pid=
finish() {
  if [[ -n $command_pid ]]; then
    kill -TERM -- "-$command_pid" 2>/dev/null || kill -TERM "$command_pid" 2>/dev/null || true
  fi
  if [[ -n $xvfb ]]; then
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  fi
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP
# Xvfb takes a free display number itself, under its own lock, and writes it
# on a pipe once it accepts clients; looking for a free number here and then
# starting a server on it would race with other scripts doing the same, and
# could run the command on their server. A server that ends or says nothing
# within 10 s is replaced, up to five times. -noreset: by default the server
# resets each time its last client leaves, and refuses whoever connects
# meanwhile, such as the program starting just after a probe with xdotool.
fifo=$(mktemp -u "${TMPDIR:-/tmp}/xvfb-display.XXXXXX")
for _ in 1 2 3 4 5; do
  mkfifo -m 600 "$fifo"
  setpriv --pdeathsig TERM -- Xvfb -displayfd 3 -noreset -screen 0 1920x1080x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb=$!
  exec {ready}<"$fifo"
  rm -f "$fifo"
  n=
  read -r -t 10 -u "$ready" n || true
  exec {ready}<&-
  [[ $n =~ ^[0-9]+$ ]] && kill -0 "$xvfb" 2>/dev/null && break
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  xvfb=
done
[[ -n $xvfb ]] || { echo "xvfb.sh: no X server would start" >&2; exit 1; }
# In the background, so that a signal to this script is handled at once; in
# a process group of its own, so that everything it starts can be ended.
set -m
DISPLAY=":$n" QT_QPA_PLATFORM=xcb setpriv --pdeathsig TERM -- "$@" &
command_pid=$!
set +m
code=0
wait "$command_pid" || code=$?
command_pid=
exit "$code"
