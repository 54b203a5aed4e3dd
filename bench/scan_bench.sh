#!/usr/bin/env bash
# Times the installed-programs scan under Wine over a generated Start menu of N shell links
# (default 2000), made with the shell-link object: three scans, each with its milliseconds,
# the programs kept and the longest gap between two message pumps (how long the windows
# could go without repainting). Not run by CI. Usage:
#   VTX_BUILD=build/win64 bench/scan_bench.sh [N]
set -euo pipefail
VTX_SOURCE="${VTX_SOURCE:-$(cd "$(dirname "$0")/.." && pwd)}"
VTX_BUILD="$(cd "${VTX_BUILD:-$VTX_SOURCE/build/win64}" && pwd)"
export WINEPREFIX="${WINEPREFIX:-/tmp/wine-vtx-bench-$(id -un)}"
N="${1:-2000}"

source "$VTX_SOURCE/scripts/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then
  vtx_start_xvfb
  trap 'vtx_stop_wine' EXIT
fi
vtx_init_prefix

MENU_DIR="$WINEPREFIX/drive_c/vtx-scan-bench/menu-$N"
MENU_WIN="C:\\vtx-scan-bench\\menu-$N"
if [ ! -d "$MENU_DIR" ]; then
  mkdir -p "$(dirname "$MENU_DIR")"
  echo "making $N links..."
  wine "$VTX_BUILD/vtx_scan_bench.exe" make "$MENU_WIN" "$N" 2>/dev/null | tr -d '\r'
fi
wine "$VTX_BUILD/vtx_scan_bench.exe" scan "$MENU_WIN" 2>/dev/null | tr -d '\r'
