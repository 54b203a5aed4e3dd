# At 144 DPI the launcher and the Settings dialog are one and a half times their 96-DPI size.
source "$(dirname "$0")/lib.sh"
DPI_KEY='HKCU\Control Panel\Desktop'
set_dpi() {
  wine reg add "$DPI_KEY" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
restore() { set_dpi 96; }
trap restore EXIT
size_of() { driver rect "$1" | cut -d' ' -f3-; }

set_dpi 144
fresh_install
write_settings hotkey=Win+Z showprogram=1 left=100 top=100
start_vtx
wait_visible 1 "shown at start"
assert_eq "$(size_of TForm1)" "212 300" "the launcher at 144 DPI"
screenshot dpi144-launcher
driver foreground TForm1
press F3
driver shown TForm3 5000 || fail "F3 did not open Settings"
read -r w h <<<"$(size_of TForm3)"
# The client area is 435 x 354 at 96 DPI; the frame adds a little.
[ "$w" -ge 652 ] && [ "$w" -le 680 ] || fail "Settings width at 144 DPI: $w"
[ "$h" -ge 531 ] && [ "$h" -le 580 ] || fail "Settings height at 144 DPI: $h"
screenshot dpi144-settings
press Escape
wait_eq 0 "Escape closes Settings" driver visible TForm3
stop_vtx
note "ok"
