#!/usr/bin/env bash
# Builds what a Windows user downloads, into build/release/:
#   Vantrix-<version>-setup.exe     a per-user installer (NSIS), no administrator rights needed
#   Vantrix-<version>-portable.zip  vantrix.exe, help\, themes\ and README.txt, to unpack anywhere
# vantrix.exe is the win64 preset's Release build (the one the tests run), stripped: one static
# file with no debug sections and no MinGW DLLs. The version and the maker's names and addresses
# come from CMakeLists.txt's project() and src/catalogue/web_addresses.h (cmake/version.cmake).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

echo "== building vantrix.exe (win64, Release) and the default theme's files (host)"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target vantrix >/dev/null
cmake --preset host >/dev/null
cmake --build --preset host -j "$(nproc)" --target vtx_default_theme >/dev/null

# shellcheck source=/dev/null
source build/win64/generated/release.env
out=build/release
stage="$out/stage"
base="$VTX_PRODUCT-$VTX_VERSION"
rm -rf "$out"
mkdir -p "$stage"

# Same sources, same packages: file times (and the stripped program's PE time stamp) are the last commit's.
SOURCE_DATE_EPOCH="$(git log -1 --format=%ct 2>/dev/null || echo 1767225600)"
export SOURCE_DATE_EPOCH

# The program: stripped, and only Windows' own DLLs among its imports.
x86_64-w64-mingw32-strip --strip-all -o "$stage/vantrix.exe" build/win64/vantrix.exe
if x86_64-w64-mingw32-objdump -h "$stage/vantrix.exe" | grep -q '\.debug'; then
  echo "package: vantrix.exe still has debug sections" >&2; exit 1
fi
system_dlls='^(advapi32|comctl32|comdlg32|gdi32|kernel32|msimg32|msvcrt|ole32|oleaut32|shell32|shlwapi|user32|version|wtsapi32)\.dll$'
imports="$(x86_64-w64-mingw32-objdump -p "$stage/vantrix.exe" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]')"
if grep -Evq "$system_dlls" <<<"$imports"; then
  echo "package: vantrix.exe needs DLLs that Windows does not have: $(grep -Ev "$system_dlls" <<<"$imports" | xargs)" >&2
  exit 1
fi

# Every help page, the default theme as the program writes it, and a short README.txt (CR LF).
cp -r help "$stage/help"
build/host/packaging/vtx_default_theme "$stage"
sed -e "s|@PRODUCT@|$VTX_PRODUCT|g" -e "s|@VERSION@|$VTX_VERSION|g" -e "s|@COMPANY@|$VTX_COMPANY|g" \
    -e "s|@COPYRIGHT@|$VTX_COPYRIGHT|g" -e "s|@HOME_PAGE@|$VTX_HOME_PAGE|g" \
    -e "s|@PRODUCT_PAGE@|$VTX_PRODUCT_PAGE|g" -e "s|@SUPPORT_PAGE@|$VTX_SUPPORT_PAGE|g" \
    -e "s|@SUPPORT_EMAIL@|$VTX_SUPPORT_EMAIL|g" -e 's/$/\r/' packaging/README.txt.in >"$stage/README.txt"

# The zip: fixed times, names in a fixed order, no extra attributes.
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | TZ=UTC zip -X -D -q -9 "../$base-portable.zip" -@)

# The uninstaller removes exactly the files the installer put in place, deepest folders last.
files_nsh="$out/installed-files.nsh"
{
  (cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) | while read -r f; do
    printf 'Delete "$INSTDIR\\%s"\n' "${f//\//\\}"
  done
  (cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort -r) | while read -r d; do
    printf 'RMDir "$INSTDIR\\%s"\n' "${d//\//\\}"
  done
} >"$files_nsh"

makensis -V2 -INPUTCHARSET UTF8 \
  "-DVTX_VERSION=$VTX_VERSION" "-DVTX_COMPANY=$VTX_COMPANY" "-DVTX_PRODUCT=$VTX_PRODUCT" \
  "-DVTX_DESCRIPTION=$VTX_DESCRIPTION" "-DVTX_COPYRIGHT=$VTX_COPYRIGHT" \
  "-DVTX_HOME_PAGE=$VTX_HOME_PAGE" "-DVTX_PRODUCT_PAGE=$VTX_PRODUCT_PAGE" "-DVTX_SUPPORT_PAGE=$VTX_SUPPORT_PAGE" \
  "-DVTX_STAGE=$PWD/$stage" "-DVTX_FILES=$PWD/$files_nsh" "-DVTX_ICON=$PWD/res/vantrix.ico" \
  "-DVTX_OUTFILE=$PWD/$out/$base-setup.exe" packaging/vantrix.nsi

echo "== $out"
ls -l "$out/$base-setup.exe" "$out/$base-portable.zip" "$stage/vantrix.exe" | awk '{print $5, $9}'
