#!/usr/bin/env bash
# Installs what is missing, builds, and starts Corvella under Wine: on $DISPLAY when there is one,
# otherwise on a virtual display, where it saves a screenshot after start-up and ends the program.
set -euo pipefail
source "$(dirname "$0")/common.sh"

as_root bash "$ROOT/scripts/setup-debian.sh"
build_all
exe="$BUILD/x64/corvella.exe"
if [ -n "${DISPLAY:-}" ]; then
  prepare_wine Y
  exec wine "$exe"
fi
start_virtual_display
trap stop_wine_and_display EXIT
prepare_wine N
wine "$exe" &
sleep 6
shot="$BUILD/corvella-screenshot.png"
import -window root "$shot"
echo "No display: Corvella ran on a virtual one. Screenshot: $shot"
