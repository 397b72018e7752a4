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
# A free display number is looked for, but another server may take it first
# or hold its name out of sight: a server that ends or does not answer
# within 10 s is replaced by one on another number.
for _ in 1 2 3 4 5; do
  for n in $(seq $((100 + RANDOM % 400)) 600); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break
  done
  setpriv --pdeathsig TERM -- Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 200); do
    DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && kill -0 "$xvfb" 2>/dev/null && break 2
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
  done
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
