# A Program shortcut from the Start menu: New, the Program link, "Select", "from Installed
# Programs...", the program picked in the list, OK, OK. Uninstallers and read-mes are not
# offered; the program's path and folder reach list2.ini with the name the picker gave.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z top=300 left=400
write_catalogue "zeta|c:\\zeta.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
start_menu_folder "Vtx Test"
mkdir -p "$E2E_DIR/Apps"
cp "$VTX_BUILD/vtx_probe.exe" "$E2E_DIR/Apps/aaeditor.exe"
cp "$VTX_BUILD/vtx_probe.exe" "$E2E_DIR/Apps/unins000.exe"
driver link "$menu_win\\Aaeditor.lnk" "${E2E_WIN}Apps\\aaeditor.exe" || fail "could not make a link"
driver link "$menu_win\\Aaremover.lnk" "${E2E_WIN}Apps\\unins000.exe" || fail "could not make a link"
start_vtx
new_shortcut_from_menu
wait_focus TForm5 "Button Program" "the first link has the keyboard"
press Return
wait_focus TForm5 "Edit " "the program address has the keyboard"
press Tab
wait_focus TForm5 "Button Select" "Tab reaches Select"
press Return
wait_menu "the Select menu"
press Down Down Return
driver shown TForm17 10000 || fail "the Installed Programs picker did not open"
wait_focus TForm17 "ListBox " "the list has the keyboard"
press a
screenshot installed-programs
press Return
wait_eq 0 "OK closes the picker" driver visible TForm17
exe="$(tr '[:upper:]' '[:lower:]' <<<"${E2E_WIN}apps\\aaeditor.exe")"
assert_eq "$(driver after TForm5 'Address:')" "$exe" "the program's path"
assert_eq "$(driver after TForm5 'Type a name for this shortcut:')" "aaeditor" "the program's name"
# The keyboard is back on "Select"; Tab to the name, where Enter presses OK.
wait_focus TForm5 "Button Select" "the wizard has the keyboard again"
press Tab
wait_focus TForm5 "Edit aaeditor" "Tab reaches the name"
press Return
wait_eq 0 "OK closes the wizard" driver visible TForm5
driver close TForm2
stop_vtx
rm -rf "$menu"
dir="${exe%aaeditor.exe}"
assert_file_lines "$DATA_DIR/list2.ini" \
  "aaeditor|$exe|$dir||||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "zeta|c:\\zeta.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
note "ok"
