#!/bin/sh
# Runs a test on a virtual X display with a session and accessibility bus of its own, so
# that the window speaks AT-SPI as on a desktop; without Xvfb or pyatspi the test runs as
# it is and skips its screen reader's part.
if command -v xvfb-run >/dev/null && command -v dbus-run-session >/dev/null &&
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    exec xvfb-run -a dbus-run-session -- env QT_QPA_PLATFORM=xcb \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
fi
exec "$@"
