#!/usr/bin/env bash
# Installs the program under a prefix and builds its Debian package, then starts both
# installed copies and checks what the package declares and holds.
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
[ -f "$share/icons/hicolor/256x256/apps/$id.png" ] || fail "icon"
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

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" >/dev/null)
deb=$(ls "$work"/pkg/clipmoor_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6quickcontrols2-6 qml6-module-qtquick-controls libarchive13 ffmpeg; do
    [[ "$depends" == *"$p"* ]] || fail "package does not depend on $p"
done
[[ "$depends" != *yt-dlp* ]] || fail "package depends on yt-dlp"
recommends=$(dpkg-deb -f "$deb" Recommends)
for p in yt-dlp qt6-image-formats-plugins; do
    [[ "$recommends" == *"$p"* ]] || fail "package does not recommend $p"
done
contents=$(dpkg-deb -c "$deb")
[[ "$contents" == *./usr/share/applications/$id.desktop* ]] || fail "desktop entry not packaged"
[[ "$contents" == *./usr/share/metainfo/$id.metainfo.xml* ]] || fail "metainfo not packaged"
[[ "$contents" == *./usr/bin/clipmoor* ]] || fail "command not packaged"
dpkg-deb -x "$deb" "$work/root"
check_installed "$work/root/usr/lib/clipmoor"
# Every declared dependency exists in Debian 12's archive (one look at the package names).
known=$(apt-cache pkgnames)
for p in $(echo "$depends" | tr ',' '\n' | sed 's/(.*//' | tr -d ' '); do
    grep -qFx "$p" <<<"$known" || fail "no Debian package $p"
done
echo PASSED
