#!/usr/bin/env bash
# The release check: the packages that scripts/package.sh wrote to build/release/, looked at and
# used as a new Windows user would, in a Wine prefix that has never seen the program
# (build/wine-release, made afresh each run). Run by scripts/test.sh after scripts/package.sh.
#  1. The icon is what res/make_icon.py draws; the shipped vantrix.exe: Windows' own DLLs only, no
#     debug sections, small, its manifest and VERSIONINFO carry the version and the maker's names.
#  2. The installer, silent: installs for this user, starts the program from where it put it, and
#     the program finishes its start-up (tray icon, hotkey, mutex); Start-menu entry, "Apps" entry
#     and start-with-Windows entry are there. The uninstaller, silent: no program file, entry or
#     folder is left, the user's Data folder is kept.
#  3. The zip, unpacked into a new folder: the program starts there, shows no message, and
#     changes nothing in its folder.
#  4. The installer with "Start Vantrix when Windows starts" off, into a folder with a blank in its
#     name: no start-with-Windows entry, not even after the program's first run nor after an
#     update that keeps the choice; the uninstaller asked to remove the user's data removes it.
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$PWD"
# shellcheck source=/dev/null
source build/win64/generated/release.env
out="$root/build/release"
setup="$out/$VTX_PRODUCT-$VTX_VERSION-setup.exe"
zip="$out/$VTX_PRODUCT-$VTX_VERSION-portable.zip"
[ -f "$setup" ] && [ -f "$zip" ] || { echo "no packages in build/release: run scripts/package.sh" >&2; exit 1; }
cmake --build --preset win64 --target vtx_driver >/dev/null

fail() { echo "FAIL [release]: $*" >&2; exit 1; }
note() { echo "[release] $*"; }
started=$SECONDS

# ------------------------------------------------------------------ 1. what ships
python3 res/make_icon.py --check || fail "res/vantrix.ico is not what res/make_icon.py draws"
unpacked="$out/check-zip"
rm -rf "$unpacked" && mkdir -p "$unpacked" && unzip -q "$zip" -d "$unpacked"
exe="$unpacked/vantrix.exe"
[ -f "$exe" ] || fail "the zip has no vantrix.exe"
for f in README.txt themes/"Default Theme.th2"; do [ -f "$unpacked/$f" ] || fail "the zip has no $f"; done
for f in help/*; do cmp -s "$f" "$unpacked/$f" || fail "the zip lacks or changed $f"; done
# Every help page the program opens by name is in the package.
for page in $(grep -rhoE '"[A-Za-z0-9_-]+\.htm"' src | tr -d '"' | sort -u); do
  [ -f "$unpacked/help/$page" ] || fail "the program opens help\\$page, which the package lacks"
done
size=$(stat -c %s "$exe")
# Stripped it is about 1 MB; debug sections or a runtime linked in twice would show here.
[ "$size" -lt 2097152 ] || fail "vantrix.exe is $size bytes"
x86_64-w64-mingw32-objdump -h "$exe" | grep -q '\.debug' && fail "vantrix.exe has debug sections"
imports="$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort | xargs)"
for dll in $imports; do
  case "$dll" in
    advapi32.dll|comctl32.dll|comdlg32.dll|gdi32.dll|kernel32.dll|msimg32.dll|msvcrt.dll|ole32.dll|oleaut32.dll| \
    shell32.dll|shlwapi.dll|user32.dll|version.dll|wtsapi32.dll) ;;
    *) fail "vantrix.exe needs $dll (imports: $imports)" ;;
  esac
done
resources="$(x86_64-w64-mingw32-windres -i "$exe" -O rc 2>/dev/null | tr -d '\r')"
for value in "CompanyName\", \"$VTX_COMPANY" "ProductName\", \"$VTX_PRODUCT" "FileDescription\", \"$VTX_DESCRIPTION" \
             "LegalCopyright\", \"$VTX_COPYRIGHT" "FileVersion\", \"$VTX_VERSION" "ProductVersion\", \"$VTX_VERSION"; do
  grep -qF "VALUE \"$value\"" <<<"$resources" || fail "VERSIONINFO lacks $value\""
done
grep -qE "FILEVERSION +${VTX_VERSION//./, *}\b" <<<"$resources" || fail "VERSIONINFO's FILEVERSION is not $VTX_VERSION"
grep -qF "<assemblyIdentity version=\"\"$VTX_VERSION\"\"" <<<"$resources" ||
  fail "the manifest does not carry version $VTX_VERSION"
grep -qF 'requestedExecutionLevel level=""asInvoker""' <<<"$resources" || fail "the manifest does not ask to run as the user"
# The icon group's entries, as windres prints them: "\<width>\<height>\000\000", planes, bits, ...
icons="$(sed -n '/RT_GROUP_ICON/,/^END/s/^ *"\\\([0-7]*\)\\.*Element no.*/\1/p' <<<"$resources" |
         while read -r w; do echo $(( 8#$w == 0 ? 256 : 8#$w )); done | xargs)"
assert_icons="16 20 24 32 48 256"
[ "$icons" = "$assert_icons" ] || fail "the program's icon has the sizes [$icons], not [$assert_icons]"
note "vantrix.exe: $size bytes, imports $imports; icon $icons; version $VTX_VERSION"

# ------------------------------------------------------------------ a Wine prefix that never saw the program
export WINEPREFIX="$root/build/wine-release"
export VTX_ROOT="$root"
# shellcheck source=/dev/null
source scripts/wine-env.sh
own_xvfb=0
if [ -z "${DISPLAY:-}" ]; then vtx_start_xvfb; own_xvfb=1; fi
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ "$own_xvfb" = 1 ] && [ -n "${VTX_XVFB_PID:-}" ]; then kill "$VTX_XVFB_PID" >/dev/null 2>&1 || true; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM
wineserver -k >/dev/null 2>&1 || true
rm -rf "$WINEPREFIX"
vtx_init_prefix
wine winecfg /v win10 >/dev/null 2>&1 </dev/null   # the program handles the Run entry as on Windows 10 and 11
vtx_start_wine
note "fresh prefix in $((SECONDS - started)) s"

user_dir="$WINEPREFIX/drive_c/users/$(id -un)"
data="$user_dir/AppData/Roaming/Orvane/VTX"
link="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$VTX_PRODUCT.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrix'

driver() { wine "$root/build/win64/vtx_driver.exe" "$@" 2>/dev/null | tr -d '\r'; }
reg_value() {  # key value: the data, empty when there is none
  { wine reg query "$1" /v "$2" 2>/dev/null </dev/null || true; } | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
run_entries() {  # every "ovvtx" Run value, as hive=data
  local hive
  for hive in HKLM HKCU; do
    local v
    v="$(reg_value "$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Run" ovvtx)"
    [ -n "$v" ] && echo "$hive=$v"
  done
  return 0
}
copies() {  # the vantrix.exe processes of this prefix, as pid and command line
  local pid
  for pid in $(pgrep -f 'vantrix\.exe' 2>/dev/null); do
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
    echo "$pid $({ tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null || true)"
  done
  return 0
}
wait_started() {  # windows-folder: the program runs from there and has finished its start-up
  driver wait TForm1 30000 || fail "$2: the program did not start"
  driver ready 30000 || fail "$2: the program's start-up did not finish"
  local msg
  msg="$(driver msgbox 300 || true)"
  [ -z "$msg" ] || fail "$2: a message box says [$msg]"
  local running
  running="$(copies)"
  grep -qiF "$1\\vantrix.exe" <<<"$running" || fail "$2: the program runs, but not from $1 ($running)"
}
wait_ended() {
  for _ in $(seq 1 100); do [ -z "$(copies)" ] && return 0; sleep 0.1; done
  fail "$1: the program did not end"
}
wait_gone() {  # unix-path what
  for _ in $(seq 1 150); do [ ! -e "$1" ] && return 0; sleep 0.2; done
  fail "$2: $1 is still there ($(cd "$1" 2>/dev/null && find . | head -20 | xargs))"
}
listing() { (cd "$1" && find . -type f | LC_ALL=C sort); }
sums() { (cd "$1" && find . -type f -exec md5sum {} + | LC_ALL=C sort -k2); }

# ------------------------------------------------------------------ 2. the installer, as it comes
wine "$setup" /S </dev/null >/dev/null 2>&1 || fail "the silent install failed"
inst_win="C:\\users\\$(id -un)\\AppData\\Local\\Programs\\$VTX_PRODUCT"
inst="$user_dir/AppData/Local/Programs/$VTX_PRODUCT"
wait_started "$inst_win" "installed"
note "installed and started in $((SECONDS - started)) s"
diff <(listing "$unpacked") <(listing "$inst" | grep -vx './uninstall.exe') >&2 ||
  fail "the installed files are not the zip's"
[ -f "$inst/uninstall.exe" ] || fail "no uninstaller"
[ -f "$link" ] || fail "no Start-menu shortcut"
[ "$(reg_value "$uninstall_key" DisplayVersion)" = "$VTX_VERSION" ] || fail "no Apps entry with version $VTX_VERSION"
[ "$(reg_value "$uninstall_key" Publisher)" = "$VTX_COMPANY" ] || fail "the Apps entry names no publisher"
[ "$(reg_value "$uninstall_key" UninstallString)" = "\"$inst_win\\uninstall.exe\"" ] ||
  fail "the Apps entry's uninstall command is [$(reg_value "$uninstall_key" UninstallString)]"
entries="$(run_entries)"
grep -qiF "=\"$inst_win\\vantrix.exe\" ns" <<<"$entries" ||
  fail "no start-with-Windows entry for the installed program: [$entries]"
driver close TForm1 || fail "the program's window did not take WM_CLOSE"
wait_ended "installed"
[ -f "$data/list2.ini" ] && [ -f "$data/set.set" ] || fail "the program did not save into its Data folder"

wine "$inst/uninstall.exe" /S </dev/null >/dev/null 2>&1 || fail "the silent uninstall failed"
wait_gone "$inst" "uninstall"
[ ! -e "$link" ] || fail "the uninstaller left the Start-menu shortcut"
[ -z "$(reg_value "$uninstall_key" DisplayName)" ] || fail "the uninstaller left the Apps entry"
[ -z "$(run_entries)" ] || fail "the uninstaller left the start-with-Windows entry: $(run_entries)"
[ -f "$data/list2.ini" ] && [ -f "$data/set.set" ] || fail "the uninstaller removed the user's Data folder"
note "uninstalled in $((SECONDS - started)) s: no program file left, the Data folder kept"

# ------------------------------------------------------------------ 3. the zip, unpacked anywhere
rm -rf "$user_dir/AppData/Roaming/Orvane"   # a new user
portable="$WINEPREFIX/drive_c/Portable/Vantrix"
mkdir -p "$portable" && unzip -q "$zip" -d "$portable"
before="$(sums "$portable")"
(cd "$portable" && exec wine 'C:\Portable\Vantrix\vantrix.exe' >/dev/null 2>&1 </dev/null) &
pid=$!
wait_started 'C:\Portable\Vantrix' "zip"
driver close TForm1 || true
wait_ended "zip"
wait "$pid" || true
[ "$(sums "$portable")" = "$before" ] || fail "the program changed its folder: $(diff <(echo "$before") <(sums "$portable") | xargs)"
[ -f "$data/list2.ini" ] || fail "the portable program did not save into its Data folder"
note "the zip's program ran and left its folder as it came in $((SECONDS - started)) s"

# ------------------------------------------------------------------ 4. without starting with Windows
rm -rf "$user_dir/AppData/Roaming/Orvane"   # a new user again
cp "$setup" "$WINEPREFIX/drive_c/setup.exe"
other_win='C:\Other Place\Vantrix'
other="$WINEPREFIX/drive_c/Other Place/Vantrix"
# NSIS takes /D= unquoted and last, so the command line goes through cmd as it is.
wine cmd /c 'C:\setup.exe /S /STARTWITHWINDOWS=0 /D=C:\Other Place\Vantrix' </dev/null >/dev/null 2>&1 || true
wait_started "$other_win" "installed without starting with Windows"
[ -z "$(run_entries)" ] || fail "start with Windows was not ticked, yet: $(run_entries)"
driver close TForm1 || true
wait_ended "installed without starting with Windows"
tr -d '\r' <"$data/set.set" | grep -qx 'startonstartup=0' || fail "the first run saved start with Windows on"
tr -d '\r' <"$data/set.set" | grep -qx 'firstrun=0' || fail "the first run did not finish"

# An update over a running copy keeps the choice and closes that copy first.
(cd "$other" && exec wine "$other_win\\vantrix.exe" >/dev/null 2>&1 </dev/null) &
pid=$!
wait_started "$other_win" "before the update"
wine "$setup" /S </dev/null >/dev/null 2>&1 || fail "the update failed"
wait_started "$other_win" "updated"
[ -z "$(run_entries)" ] || fail "the update turned start with Windows on: $(run_entries)"
wait "$pid" || true  # the copy the update closed

wine "$other/uninstall.exe" /S /REMOVEDATA </dev/null >/dev/null 2>&1 || fail "the uninstall failed"
wait_ended "uninstall of a running copy"
wait_gone "$other" "uninstall with /REMOVEDATA"
wait_gone "$data" "uninstall with /REMOVEDATA"
[ -z "$(run_entries)" ] || fail "the uninstaller left the start-with-Windows entry: $(run_entries)"
note "ok in $((SECONDS - started)) s"
