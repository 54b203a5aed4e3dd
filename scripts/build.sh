#!/usr/bin/env bash
# Configures and builds one preset: host, host-asan or win64. Extra arguments go to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="$1"; shift
cmake --preset "$preset" "$@" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
