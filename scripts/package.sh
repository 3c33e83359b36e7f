#!/usr/bin/env bash
# Builds Clipmoor's Debian package the way Debian builds packages (dpkg-buildpackage with
# the rules in debian/), from a copy of this tree, into build-deb/: the package, its
# -dbgsym package and the .changes file.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=(); [[ $(id -u) -ne 0 ]] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
if ! command -v dpkg-buildpackage >/dev/null || ! dpkg-checkbuilddeps >/dev/null 2>&1; then
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends dpkg-dev
    "${sudo[@]}" apt-get build-dep -y -qq --no-install-recommends ./
fi
out=$PWD/build-deb
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(dpkg-parsechangelog -S Version)
src="$work/clipmoor-${version%-*}"
mkdir "$src"
# The tree as it is, without build folders or the repository itself.
if git rev-parse --git-dir >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do [ ! -e "$file" ] || printf '%s\0' "$file"; done |
        xargs -0 cp -P --parents -t "$src"
else
    tar -c --exclude='./build*' --exclude=./.git . | tar -x -C "$src"
fi
(cd "$src" && dpkg-buildpackage -us -uc -b) 2>&1 | tee "$work/build.log"
# With the distribution's flags too, the compiler has nothing to warn about.
if grep -E '^[^ ]+:[0-9]+:[0-9]+: warning:' "$work/build.log"; then
    echo "The package's build has compiler warnings." >&2
    exit 1
fi
rm -rf "$out"
mkdir -p "$out"
cp "$work"/*.deb "$work"/*.changes "$work"/*.buildinfo "$out"/
ls "$out"
