#!/usr/bin/env bash
# Installs the program under a prefix, starts the installed copy and checks what it
# holds. The Debian package itself is checked by test_deb.sh.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A home of its own, and a yt-dlp that never reaches the network.
export HOME="$work/home" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/home"
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME
mkdir -p "$HOME/bin"
cp "$(dirname "$0")/../tools/fake-yt-dlp.sh" "$HOME/bin/yt-dlp"
export PATH="$HOME/bin:$PATH" CLIPMOOR_UPDATE_SERVER=http://127.0.0.1:9 \
    CLIPMOOR_TOOL_RELEASES=none CLIPMOOR_DENO_RELEASES=none

check_installed() { # folder of the program
    local dir=$1
    for f in Clipmoor Updater.so LoggingMessages.so SysInfo.so About.so kestrel2 ffmpeg; do
        [ -e "$dir/$f" ] || fail "$f missing in $dir"
    done
    [ "$("$dir/Clipmoor" --version)" = "Clipmoor 2.0.023" ] || fail "version of $dir/Clipmoor"
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
check_installed "$work/prefix/lib/clipmoor"
[ "$("$work/prefix/bin/clipmoor" --version)" = "Clipmoor 2.0.023" ] || fail "the command on PATH"
id=com.quorvel.Clipmoor
share="$work/prefix/share"
for size in 48x48 64x64 128x128 256x256; do
    [ -f "$share/icons/hicolor/$size/apps/$id.png" ] || fail "icon $size"
done
# The manual page is written from the help, as where there is no display.
grep -qF 'update\-as' "$share/man/man1/clipmoor.1" || fail "manual page"
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "scalable icon"
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "metainfo"
# The listing names the installed menu entry, the command and the program's version.
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" ||
    fail "metainfo launches another entry"
grep -q '<release version="2.0.023"' "$share/metainfo/$id.metainfo.xml" || fail "release"
grep -q "^Icon=$id\$" "$share/applications/$id.desktop" || fail "icon name"
# The installed program stages its tools from its own folder.
[ -x "$HOME/.local/share/Quorvel/Clipmoor/kestrel2" ] || fail "tools not staged"

echo PASSED
