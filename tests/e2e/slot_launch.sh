#!/usr/bin/env bash
# A click on a slot starts its program: slot 1 points at a small recording
# program whose name, parameters and start folder carry characters a shell
# would act on; the record must hold exactly the split parameters and the
# folder. In a Wayland session the program draws through X, and the program
# it starts must still get the session's own choice of platform. A click on a missing target shows the error with its full path, and
# a click on a free slot the "Désolé / Sorry" box.
set -euo pipefail
source "$(dirname "$0")/lib/session.bash"
folder="$work/start 'here' \$HOME ;"
tools="$work/tools \`x\`"
mkdir -p "$folder" "$tools"
recorder="$tools/record \$me;now"
cat >"$recorder" <<'EOF'
#!/bin/sh
printf '%s' "${QT_QPA_PLATFORM-unset}" >"$0.platform"
{ printf '%s\0' "$(pwd -P)"; if [ $# -gt 0 ]; then printf '%s\0' "$@"; fi; } >"$0.part" && mv -f -- "$0.part" "$0.record"
EOF
chmod +x "$recorder"
# Slot 2's program is there at start and removed before the click.
missing="$work/gone/Missing Program"
mkdir -p "$work/gone" && cp "$recorder" "$missing"

# Slots 1 and 2 are occupied, 3 is free; the desk sits at the top left.
printf '\xef\xbb\xbf\r\n[Global]\r\nX_Origin = 0\r\nY_Origin = 0\r\nLng = Fr\r\n[Run]\r\nRun1 = %s\r\nRun2 = %s\r\n[Parameters]\r\nParam1 = %s\r\n[StartDirectory]\r\nDir1 = %s\r\n' \
  "$recorder" "$missing" "-v 'two words' \"\$HOME\" \`id\`;x a\\ b" "$folder" >Vimo_Desk.ini

# A Wayland session that has X beside it, and no platform chosen by the user
# (nothing answers on the Wayland socket).
spawn env -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-vd-none "$program" >"$work/log" 2>&1; pid=$last



# The audio engine is not beside the program: decline its download.
desk=$(xsearch --onlyvisible --name '^Vimo Duzi$' | head -1) || fail "the desk did not appear"
eval "$(xdotool getwindowgeometry --shell "$desk")"

# Slot cells are 32 pixels square and 35 apart; the first row lies under the
# first separator, 265 + 18 pixels below the top of the desk.
click_slot() { xdotool mousemove $((X + 4 + 16 + 35 * ($1 - 1))) $((Y + 265 + 18 + 16)) click 1; }

click_slot 1
for _ in $(seq 200); do [[ -f "$recorder.record" ]] && break; sleep 0.05; done
[[ -f "$recorder.record" ]] || fail "the slot's program did not start"
expected=$(printf '%s\0' "$(cd "$folder" && pwd -P)" -v "two words" '$HOME' '`id`;x' "a b" | od -An -c)
actual=$(od -An -c <"$recorder.record")
[[ "$actual" == "$expected" ]] || fail "the program got: $actual
expected: $expected"
[[ "$(cat "$recorder.platform")" == unset ]] || fail "the program got QT_QPA_PLATFORM=$(cat "$recorder.platform")"

rm -f "$missing"
click_slot 2
answer '^Erreur$' Return

click_slot 3
answer '^Désolé / Sorry$' Return
echo "slot launch: ok"
