#!/usr/bin/env bash
# Proves Clipmoor on Debian 13 (trixie, Qt 6.8): makes a clean trixie system with
# debootstrap, and inside it, from a copy of this tree, runs the README's two commands
# (scripts/run.sh, here with --version, as there is no display, and scripts/test.sh) with
# warnings as errors, builds the Debian package, and lints it with trixie's lintian. The
# package is then installed into a second clean trixie system (tests/package/test_deb.sh).
# Caches nothing between runs. Needs root; everything lives under /tmp and is removed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/debian-system.sh
command -v debootstrap >/dev/null || {
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
}
start=$SECONDS
root=$(new_folder trixie)
out=$(mktemp -d /tmp/clipmoor-trixie-deb.XXXXXX)
trap 'remove_system "$root"; rm -rf "$out"' EXIT
make_system trixie "$root"
echo "== trixie made ($((SECONDS - start)) s)"

# The tree as it is, without build folders or the repository itself.
mkdir "$root/src"
tar -c --exclude='./build*' --exclude=./.git . | tar -x -C "$root/src"
in_system "$root" "cd /src && bash scripts/run.sh --version"
echo "== built and started ($((SECONDS - start)) s)"
in_system "$root" "cd /src && bash scripts/test.sh"
echo "== suite passed ($((SECONDS - start)) s)"
in_system "$root" "cd /src && bash scripts/package.sh >/dev/null &&
    apt-get install -y -qq --no-install-recommends lintian >/dev/null &&
    lintian --pedantic --fail-on error,warning build-deb/*.changes"
echo "== package built and lint-free ($((SECONDS - start)) s)"
cp "$root"/src/build-deb/* "$out"/
remove_system "$root"
bash tests/package/test_deb.sh trixie "$(ls "$out"/*.changes)"
echo "== trixie done in $((SECONDS - start)) s"
