#!/usr/bin/env bash
# Installs the Debian packages the build, the program and its tests need (only those missing),
# and any named on the command line.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6test6 libqt6network6 libgl-dev
  libgtest-dev libbenchmark-dev
  libx11-dev libxtst-dev
  fonts-wqy-microhei
  xvfb xauth openbox trayer xdotool x11-utils x11-xserver-utils
  xfwm4 metacity dbus-daemon # the tray tests run under these window managers as well; xfwm4 needs a session bus
)
packages+=("$@") # more for one script (scripts/fuzz.sh asks for clang)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
