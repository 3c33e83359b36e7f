#!/bin/sh
# Stand-in for the downloader. Records its arguments (NUL-separated), its folder, its
# parent and its process ID beside itself, then runs "standin.cmd" from there: a few shell lines the test
# wrote to print, sleep, fail, crash or start a child of its own.
here=$(cd "$(dirname "$0")" && pwd)
printf '%s\0' "$@" >"$here/run.$$.args"
pwd >"$here/run.$$.cwd"
echo "$PPID" >"$here/run.$$.ppid"
echo $$ >>"$here/runs.log"
if [ -f "$here/standin.cmd" ]; then
    . "$here/standin.cmd"
fi
exit 0
