#!/usr/bin/env bash
# Checks a built Debian package as Debian and its users meet it: lintian --pedantic finds
# no error and no warning, and in a clean system of the given suite made with debootstrap,
# apt installs it with what it depends on alone, every binary finds its libraries, the
# program answers --version and --help without a display, and a purge leaves nothing.
# Usage (as root): test_deb.sh SUITE clipmoor_VERSION_ARCH.changes
set -euo pipefail
suite=$1
changes=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/debian-system.sh"
fail() { echo "FAIL ($suite): $*" >&2; exit 1; }

for tool in lintian debootstrap; do
    command -v "$tool" >/dev/null || {
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$tool"
    }
done
lintian --pedantic --fail-on error,warning "$changes" || fail "lintian"

deb=$(ls "$(dirname "$changes")"/clipmoor_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6quickcontrols2-6 qml6-module-qtquick-controls qt6-svg-plugins ffmpeg; do
    [[ "$depends" == *"$p"* ]] || fail "package does not depend on $p"
done
# The launcher fetches its own current yt-dlp; Debian's serves where fetching is turned
# off. Without xdg-utils no file or folder opens; without the image plug-ins the site's
# WebP thumbnails are left out.
[[ "$depends" != *yt-dlp* ]] || fail "package depends on yt-dlp"
recommends=$(dpkg-deb -f "$deb" Recommends)
for p in yt-dlp xdg-utils qt6-image-formats-plugins; do
    [[ "$recommends" == *"$p"* ]] || fail "package does not recommend $p"
done
[ -n "$(ls "$(dirname "$changes")"/clipmoor-dbgsym_*.deb)" ] || fail "no -dbgsym package"
root=$(new_folder "$suite")
trap 'remove_system "$root"' EXIT
make_system "$suite" "$root"
cp "$deb" "$root/tmp/"
in_system "$root" "apt-get update -qq && apt-get install -y -qq --no-install-recommends /tmp/${deb##*/} >/dev/null"

dir=$(in_system "$root" "dirname \$(readlink -f /usr/bin/clipmoor)")
for file in Clipmoor Updater.so LoggingMessages.so SysInfo.so About.so kestrel2 ffmpeg; do
    [ -f "$root$dir/$file" ] || fail "$file missing in $dir"
    missing=$(in_system "$root" "ldd $dir/$file | grep 'not found' || true")
    [ -z "$missing" ] || fail "$file: $missing"
done
# The Qt plug-ins the program loads, and what they link, are there too.
for plugin in platforms/libqxcb.so platforms/libqoffscreen.so imageformats/libqsvg.so \
    iconengines/libqsvgicon.so tls/libqopensslbackend.so; do
    missing=$(in_system "$root" "ldd /usr/lib/*/qt6/plugins/$plugin | grep 'not found' || true")
    [ -z "$missing" ] || fail "$plugin: $missing"
done

version=$(dpkg-deb -f "$deb" Version)
[ "$(in_system "$root" "clipmoor --version")" = "Clipmoor ${version%-*}" ] || fail "--version"
in_system "$root" "clipmoor --help" | grep -q -- '--update-as <version>' || fail "--help"
[ -f "$root/usr/share/man/man1/clipmoor.1.gz" ] || fail "manual page"
# A start that opens the updater's window loads the QML modules it needs; the check
# fails at once (nothing answers on port 9), and the program is ended from outside.
log=$(in_system "$root" "mkdir -p /tmp/home && HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/home \
    QT_QPA_PLATFORM=offscreen CLIPMOOR_UPDATE_SERVER=http://127.0.0.1:9 CLIPMOOR_TOOL_RELEASES=none \
    CLIPMOOR_DENO_RELEASES=none timeout 20 clipmoor --update-as 1 2>&1 || true")
grep -q 'JSON download error' <<<"$log" || fail "the updater did not check: $log"
! grep -iE 'is not installed|cannot load|could not load|failed to load' <<<"$log" ||
    fail "a part of Qt is missing"
for size in 48x48 64x64 128x128 256x256; do
    [ -f "$root/usr/share/icons/hicolor/$size/apps/com.quorvel.Clipmoor.png" ] || fail "icon $size"
done

in_system "$root" "apt-get purge -y -qq clipmoor >/dev/null"
left=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print substr($6, 2)}' |
    while read -r path; do [ ! -e "$root$path" ] && [ ! -L "$root$path" ] || echo "$path"; done)
[ -z "$left" ] || fail "left after purge: $left"
[ ! -e "$root$dir" ] || fail "$dir left after purge"
echo "PASSED ($suite)"
