#!/usr/bin/env bash
# Installs the Debian packages Clipmoor needs to build, run and test.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
  # build
  cmake g++ make ninja-build pkg-config clang-format libarchive-dev
  # "a value or an error text" (tl::expected, header only)
  libexpected-dev
  # the manual page, written from the program's help
  help2man
  # Qt 6 (Core, Gui, Widgets, Network, Test; Qml, Quick) and the tools
  qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools libgl-dev
  # images drawn from their SVG files, sharp at any scale (library, image and icon plug-ins)
  qt6-svg-dev libqt6svg6
  # translations: lupdate/lrelease for the build, Qt's own catalogues at run time
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # run time: platform plug-ins (xcb, offscreen) and the QML modules
  qt6-qpa-plugins qml6-module-qtqml qml6-module-qtqml-workerscript
  qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtquick-templates
  qml6-module-qtquick-controls qml6-module-qtquick-layouts
  # language names in every language (subtitles)
  libicu-dev
  # the site's thumbnails are WebP pictures
  qt6-image-formats-plugins
  fonts-dejavu-core fontconfig
  # glyphs for the Chinese and Japanese texts (the smallest complete CJK font)
  fonts-wqy-microhei
  # desktop notifications in tests (a private session bus); install checks
  dbus dbus-daemon appstream desktop-file-utils
  # the road walked as a screen reader hears it: a virtual display, the accessibility bus
  # and a listener on it
  xvfb xauth at-spi2-core python3-pyatspi
  # the shipped tools
  yt-dlp ffmpeg python3
  # yt-dlp puts the cover into mp4 and m4a files with it
  python3-mutagen
  # the rehearsed release hosts in tests: nginx (built with ssl and http_v2 in Debian 12)
  # and openssl for their certificates; the package's own service on port 80 goes unused
  nginx openssl
)

# From Qt 6.6 on (Debian 13) the SVG image and icon plug-ins come in a package of their own.
if apt-cache show qt6-svg-plugins >/dev/null 2>&1; then
  packages+=(qt6-svg-plugins)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
