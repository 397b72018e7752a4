#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the benchmarks need,
# and what the running program needs on a minimal machine, and nothing when
# all of them are already there. Safe to run again.
set -euo pipefail

packages=(
  # What the program uses at run time: the desktop's opener for documents and
  # web addresses, the sound server's client and ALSA, the voice, music and
  # network libraries it opens on first use, the icon theme of the slot
  # pictures, and the fonts it is laid out for.
  xdg-utils libpulse0 libasound2 libespeak-ng1 espeak-ng-data libmpv2 libcurl4
  adwaita-icon-theme fonts-dejavu-core
  # The build, the tests and the benchmarks.
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libpng-dev zlib1g-dev libjpeg-dev libcurl4-openssl-dev libfontconfig-dev
  libmpv-dev libespeak-ng-dev libpulse-dev libasound2-dev
  pulseaudio pulseaudio-utils lame vorbis-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils libx11-dev locales
  trayer imagemagick util-linux
  python3
  # Installing and packaging: the program icon as SVG, the validators of the
  # menu entry and of the software centre's description, the Debian package
  # tools; a private session bus for the notification and media-control tests.
  qt6-svg-dev desktop-file-utils appstream dpkg-dev file
  dbus-daemon dbus-bin
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "install-deps: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests run once under a French locale, where numbers print with a comma.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
