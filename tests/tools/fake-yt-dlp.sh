#!/bin/sh
# Stands first on PATH where the real program runs in a test, so that the downloader's
# self-update never reaches out to the network. Records each call.
printf '%s\n' "$*" >>"$HOME/yt-dlp-calls.log"
exit 0
