#!/usr/bin/env bash
# Runs one end-to-end test script with the shared Wine prefix and a display.
set -euo pipefail
: "${VTX_SOURCE:?}" "${VTX_BUILD:?}"
source "$VTX_SOURCE/scripts/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then
  vtx_start_xvfb
  trap 'vtx_stop_wine' EXIT
fi
vtx_init_prefix
vtx_start_wine
timeout 420 bash "$1"
