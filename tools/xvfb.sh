#!/usr/bin/env bash
# Runs a command on a private Xvfb screen that ends with it:
#   tools/xvfb.sh COMMAND...     (DISPLAY is set for COMMAND)
set -euo pipefail
for n in $(seq $((100 + RANDOM % 400)) 600); do
  [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break
done
Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
  sleep 0.05
done
DISPLAY=":$n" QT_QPA_PLATFORM=xcb "$@"
