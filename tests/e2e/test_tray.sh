# The tray icon: a click shows the launcher; its menu opens About and Settings by key and by
# click as often as they were closed before; its "E&xit" ends the program, which saves.
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

# The menu's items open their windows however often windows were opened and closed before,
# chosen by key and by click. An item is clicked at its place below the menu's top edge.
tray_menu() {
  menu_at $((sw - 11)) $((sh - 11)) 3 "the tray icon's menu"
  wait_keyboard_ours "the tray menu"
}
menu_click() {  # offset of the item below the menu's top
  local mx my
  read -r mx my _ _ <<<"$(driver rect '#32768')"
  click_at $((mx + 40)) $((my + $1))
}
about_at=114 settings_at=54
button_click() {  # form text
  local bx by bw bh
  read -r bx by bw bh <<<"$(driver textrect "$1" "$2")"
  click_at $((bx + bw / 2)) $((by + bh / 2))
}
opened() {  # form how
  wait_eq 1 "the tray menu's item did not open $1 ($2)" driver visible "$1"
}
closed() { wait_eq 0 "$1 did not close" driver visible "$1"; }
tray_menu; press a; opened TForm4 "About by key"
button_click TForm4 Close; closed TForm4
tray_menu; press a; opened TForm4 "About by key after About was closed"
button_click TForm4 Close; closed TForm4
tray_menu; menu_click $about_at; opened TForm4 "About by click"
button_click TForm4 Close; closed TForm4
tray_menu; press t; opened TForm3 "Settings by key"
button_click TForm3 Cancel; closed TForm3
tray_menu; menu_click $settings_at; opened TForm3 "Settings by click"
press Escape; closed TForm3
tray_menu; press t; opened TForm3 "Settings by key after Settings was cancelled"
button_click TForm3 Cancel; closed TForm3
tray_menu; press a; opened TForm4 "About by key after Settings"
press Return; closed TForm4
assert_eq "$(driver visible TForm1)" "0" "the launcher stays hidden"

rm -f "$DATA_DIR/set.set"
tray_menu
screenshot tray-menu
# "E&xit" is the menu's last item, just above the pointer.
click_at $((sw - 100)) $((sh - 32))
wait_exit
[ -f "$DATA_DIR/set.set" ] || fail "Exit from the tray menu saves the settings"
[ -f "$DATA_DIR/list2.ini" ] || fail "Exit from the tray menu saves the catalogue"
note "ok"
