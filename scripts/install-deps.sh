#!/usr/bin/env bash
# Installs whatever the build and the tests need and this machine lacks (Debian).
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have cmake || need+=(cmake)
have make || need+=(make)
have g++ || need+=(g++)
have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix)
have x86_64-w64-mingw32-windres || need+=(binutils-mingw-w64-x86-64)
have wine || need+=(wine)
[ -x /usr/lib/wine/wine64 ] || have wine64 || need+=(wine64)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
[ -f /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
have Xvfb || need+=(xvfb)
have xdotool || need+=(xdotool)
have xauth || need+=(xauth)
have xprop || need+=(x11-utils)  # which program has the keyboard, in the tray test
have import || need+=(imagemagick)
# The fuzz targets: clang with its libFuzzer runtime.
have clang++ || need+=(clang)
[ -f "$(clang -print-runtime-dir 2>/dev/null)/libclang_rt.fuzzer-x86_64.a" ] || need+=(libclang-rt-dev)
# The packages (scripts/package.sh) and their check: the installer, the zip, the icon's generator.
have makensis || need+=(nsis)
have zip || need+=(zip)
have unzip || need+=(unzip)
have python3 || need+=(python3)

if [ ${#need[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${need[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${need[@]}"
