#!/bin/sh
# Stands where the downloader is staged and runs the shipped launcher offline: the video
# argument is replaced by a local info JSON whose formats point at the test's server.
here=$(cd "$(dirname "$0")" && pwd)
# Self-updates would reach out to the network.
if [ "$#" -eq 1 ] && [ "$1" = --update ]; then
    exit 0
fi
count=$#
while [ "$count" -gt 1 ]; do
    set -- "$@" "$1"
    shift
    count=$((count - 1))
done
shift
exec "$CLIPMOOR_LAUNCHER" "$@" --load-info-json "$here/video.info.json"
