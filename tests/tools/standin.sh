#!/bin/sh
# Stand-in for the downloader. Records its arguments (NUL-separated), its folder, its
# parent and its process ID beside itself, then runs "standin.cmd" from there: a few shell lines the test
# wrote to print, sleep, fail, crash or start a child of its own.
here=$(cd "$(dirname "$0")" && pwd)
printf '%s\0' "$@" >"$here/run.$$.args"
pwd >"$here/run.$$.cwd"
echo "$PPID" >"$here/run.$$.ppid"
echo $$ >>"$here/runs.log"
# For the test's lines: a child that leaves the run's session and group, starts
# "sleep $1" and ends, so that the sleep is neither the run's child nor in its group; with
# "unmarked" the sleep also has an empty environment. Its process ID goes to child.<run>.
leave_session() {
    if [ "$2" = unmarked ]; then
        setsid env -i /bin/sh -c 'sleep "$1" & echo $! >"$2"' sh "$1" "$here/child.$$" &
    else
        setsid /bin/sh -c 'sleep "$1" & echo $! >"$2"' sh "$1" "$here/child.$$" &
    fi
    wait $!
}
if [ -f "$here/standin.cmd" ]; then
    . "$here/standin.cmd"
fi
exit 0
