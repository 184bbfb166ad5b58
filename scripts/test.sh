#!/usr/bin/env bash
# Installs what is missing, builds both targets and runs every test under Wine on a virtual display.
set -euo pipefail
source "$(dirname "$0")/common.sh"

as_root bash "$ROOT/scripts/setup-debian.sh"
build_all
start_virtual_display
trap stop_wine_and_display EXIT
prepare_wine N
ctest --test-dir "$BUILD/x64" --output-on-failure --timeout 600 "$@"
