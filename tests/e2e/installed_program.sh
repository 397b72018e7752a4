#!/usr/bin/env bash
# The program as installed: `cmake --install` into a temporary prefix puts
# every file where the desktop and the program look for it, the menu entry
# and the software centre's description pass their validators, the Debian
# package holds the same files and declares its dependencies, and the
# installed program started from the home folder creates its data file in the
# per-user folder, never in the folder it was started from.
set -euo pipefail
source "$(dirname "$0")/lib/session.bash"
build=$(dirname "$program")
prefix="$work/prefix/usr"
cmake --install "$build" --prefix "$prefix" >"$work/log" 2>&1 || fail "cmake --install failed"

installed=(
  bin/vimo-duzi
  lib/vimo-duzi/libvimo_audio.so
  share/vimo-duzi/Vimo_Desk_Help_Fr/Presentation.htm
  share/vimo-duzi/Vimo_Desk_Help_Us/Presentation.htm
  share/applications/vimo-duzi.desktop
  share/metainfo/vimo-duzi.metainfo.xml
  share/icons/hicolor/scalable/apps/vimo-duzi.svg
)
for size in 16 22 24 32 48 64 128 256; do installed+=("share/icons/hicolor/${size}x${size}/apps/vimo-duzi.png"); done
for file in "${installed[@]}"; do [[ -s "$prefix/$file" ]] || fail "not installed: $file"; done
for size in 16 48 256; do
  identify -format '%w %h' "$prefix/share/icons/hicolor/${size}x${size}/apps/vimo-duzi.png" | grep -qx "$size $size" ||
    fail "the ${size}-pixel icon has another size"
done
desktop-file-validate "$prefix/share/applications/vimo-duzi.desktop" >"$work/log" 2>&1 || fail "desktop entry not valid"
grep -qx "Exec=$prefix/bin/vimo-duzi" "$prefix/share/applications/vimo-duzi.desktop" ||
  fail "the menu entry does not start the installed program"
appstreamcli validate --no-net "$prefix/share/metainfo/vimo-duzi.metainfo.xml" >"$work/log" 2>&1 ||
  fail "metainfo not valid"
grep -q '<caption xml:lang="fr">' "$prefix/share/metainfo/vimo-duzi.metainfo.xml" || fail "no French captions"

# The package: the same files under /usr, and its dependencies declared.
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/log" 2>&1) || fail "cpack failed"
deb=$(ls "$work"/package/vimo-duzi_*.deb)
dpkg-deb -x "$deb" "$work/root"
for file in "${installed[@]}"; do [[ -s "$work/root/usr/$file" ]] || fail "not in the package: $file"; done
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libmpv2 libcurl4 libespeak-ng1 xdg-utils; do
  [[ $depends == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done
grep -qx 'Exec=/usr/bin/vimo-duzi' "$work/root/usr/share/applications/vimo-duzi.desktop" ||
  fail "the packaged menu entry does not start /usr/bin/vimo-duzi"

# Started as a menu entry starts it: from the home folder, without APPDATA.
unset APPDATA XDG_CONFIG_HOME
cd "$HOME"
spawn "$prefix/bin/vimo-duzi" >"$work/log" 2>&1; pid=$last
answer '^Fichier de données non trouvé \(DataFile NOT found\) $' y
xsearch --name '^Ok$' >/dev/null || fail "no confirmation after Yes"
answer '^Ok$' Return
wid=$(desk) || fail "the desk did not appear"
[[ -f "$HOME/.config/Vimo_Desk/Vimo_Desk.ini" ]] || fail "no data file in the per-user folder"
[[ ! -e "$HOME/Vimo_Desk.ini" ]] || fail "a data file in the working folder"
xprop -id "$wid" WM_CLASS | grep -q '"vimo-duzi"$' || fail "window class is not vimo-duzi: $(xprop -id "$wid" WM_CLASS)"
echo "installed program: ok"
