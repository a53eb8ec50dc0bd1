#!/usr/bin/env bash
# Installs the Debian packages that building and running the program need; with --tests also
# those that the tests, the fuzz targets and the Debian package need. Quick when all are there.
#
# Usage: tools/install-deps.sh [--tests]
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  fonts-dejavu-core
  # the Chinese names of relations and elements in the Two People windows and reports
  fonts-droid-fallback
  # the Hangul of the Korean readings (Nanum: a third of the size of the full CJK family)
  fonts-nanum
  # reading the font configuration on a second thread at start-up
  libfontconfig-dev
)
test_packages=(
  # PDF text extraction, an independent RTF reader, a virtual display
  poppler-utils unrtf xvfb xauth
  # an independent Chinese calendar to check the generated year table against
  libicu-dev
  # tests: an independent iCalendar parser to read the lunar birthdays' calendar file
  python3-icalendar
  # the start-up test: finding windows, typing into them, asking them to close
  xdotool libx11-dev
  # the Debian package (cpack -G DEB): its library dependencies, then validation of the installed
  # desktop entry and AppStream metadata, and lintian on the package
  dpkg-dev file desktop-file-utils appstream lintian
  # the saved readings' file types: the MIME database, and asking it as a desktop does
  shared-mime-info xdg-utils libglib2.0-bin
  # the open-files test: screenshots to tell the result forms apart, a message's selected text
  imagemagick xclip
  # the fuzz targets: libFuzzer is part of clang's runtime libraries
  clang libclang-rt-dev
  # the screen reader test: the accessibility bus, its Python client, a window manager for focus
  at-spi2-core python3-pyatspi openbox dbus-x11 x11-utils
  # tools/measure-startup.sh: when a window is first drawn (X DAMAGE)
  libxdamage-dev
)
case "${1:-}" in
  --tests) packages+=("${test_packages[@]}") ;;
  "") ;;
  *) echo "usage: $0 [--tests]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
