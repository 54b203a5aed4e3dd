#!/usr/bin/env bash
# Builds and runs every test: host unit tests (plain and with sanitizers), a short run of every
# fuzz target over its saved inputs, then the same unit tests, the Win32 platform tests and the
# end-to-end tests of vantrix.exe under Wine, then the release check: the installer and the zip
# of scripts/package.sh in a fresh Wine prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

werror=()
[ -n "${CI:-}" ] && werror=(-DVTX_WERROR=ON)

echo "== host"
scripts/build.sh host "${werror[@]}"
ctest --preset host

echo "== host with sanitizers"
scripts/build.sh host-asan "${werror[@]}"
ctest --preset host-asan

echo "== fuzz targets"
# 20 s each, two at a time on two cores: a target whose checks no longer hold fails here.
fuzz/run.sh 20

echo "== win64 under Wine"
scripts/build.sh win64 "${werror[@]}"
source scripts/wine-env.sh
trap 'vtx_stop_wine' EXIT
vtx_start_xvfb
vtx_init_prefix
vtx_start_wine
ctest --preset win64

echo "== release packages"
scripts/package.sh
tests/release/test_release.sh
