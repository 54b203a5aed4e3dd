# The tray icon: a click shows the launcher; its menu's "E&xit" ends the program, which saves.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z
start_vtx
wait_message_loop
assert_eq "$(driver visible TForm1)" "0" "hidden at start"
# The tray icon sits at the right end of Wine's task bar.
read -r sw sh <<<"$(xdotool getdisplaygeometry)"
tray_click() { click_at $((sw - 11)) $((sh - 11)) "$1"; }
tray_click 1
wait_visible 1 "a click on the tray icon shows the launcher"
press Escape
wait_hidden
rm -f "$DATA_DIR/set.set"
menu_at $((sw - 11)) $((sh - 11)) 3 "the tray icon's menu"
screenshot tray-menu
# "E&xit" is the menu's last item, just above the pointer.
click_at $((sw - 100)) $((sh - 32))
wait_exit
[ -f "$DATA_DIR/set.set" ] || fail "Exit from the tray menu saves the settings"
[ -f "$DATA_DIR/list2.ini" ] || fail "Exit from the tray menu saves the catalogue"
note "ok"
