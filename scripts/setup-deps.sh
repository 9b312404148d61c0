#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with.
# Works as root or through sudo; does nothing when everything is already there.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev zlib1g-dev
  # the built-in web control plug-in
  qt6-webengine-dev qt6-webchannel-dev
  # the browser's window shapes and window manager hints
  libxcb1-dev libxcb-shape0-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  libgif-dev
  # end-to-end tests: a real X server, a window manager, input and screenshots
  xvfb xauth openbox xdotool x11-apps imagemagick xdg-utils poppler-utils
  # window properties and geometry in the browser's end-to-end tests
  x11-utils
  # the browser's accessible objects read as a screen reader reads them: the accessibility
  # bus on a private session bus, and its Python bindings
  at-spi2-core dbus-daemon python3-pyatspi
  # desktop integration: the SVG icons, and the install test's MIME and desktop entry checks
  libqt6svg6 shared-mime-info desktop-file-utils
  # the browser's sounds (the sound server's player) and the test's private sound server
  pulseaudio-utils pulseaudio
  # fonts for the forms and reports
  fonts-dejavu-core
  # shipping: the Debian packages' computed dependencies, the product CD's disc image and
  # the RPATH of the web engine's helper program on it
  dpkg-dev file xorriso patchelf
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
echo "setup: installing ${missing[*]}" >&2
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
