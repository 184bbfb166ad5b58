#!/usr/bin/env bash
# Runs a Windows executable under Wine with the build's own prefix; used by ctest for every test.
# Needs DISPLAY (scripts/test.sh starts a virtual one).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/../build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
