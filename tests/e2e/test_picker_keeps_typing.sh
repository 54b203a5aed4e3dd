# A picker fills only its own fields: in the manager a name is typed, "Select", "from
# Installed Programs..." opens the picker, and while it is open (it does not block the
# manager) more is typed into the name; the program picked fills the address and the start
# folder, and the name keeps everything typed. Close, Yes: list2.ini holds the typed name.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z top=300 left=400
write_catalogue "alpha|c:\\alpha.exe|c:\\|-a|||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
start_menu_folder "Vtx Picker"
mkdir -p "$E2E_DIR/Apps"
cp "$VTX_BUILD/vtx_probe.exe" "$E2E_DIR/Apps/aaeditor.exe"
driver link "$menu_win\\Aaeditor.lnk" "${E2E_WIN}Apps\\aaeditor.exe" || fail "could not make a link"
start_vtx

summon
press F2
wait_eq 1 "F2 did not open the manager" driver visible TForm2
wait_focus TForm2 "Button New" "New has the keyboard in the manager"
# Tab order: New, Delete, search box, list, name, type, Address, Select.
press Tab Tab Tab Tab
wait_focus TForm2 "Edit alpha" "Tab reaches the name"
press ctrl+a
type_text "renamed"
press Tab Tab Tab
wait_focus TForm2 "Button Select" "Tab reaches Select"
press Return
wait_menu "the Select menu"
press Down Down Return
driver shown TForm17 10000 || fail "the Installed Programs picker did not open"
wait_focus TForm17 "ListBox " "the picker's list has the keyboard"

# Meanwhile, more of the name, typed with a click into the manager's name field.
read -r nx ny nw nh <<<"$(driver before TForm2 'Type:')"
click_at $((nx + nw - 8)) $((ny + nh / 2))
wait_focus TForm2 "Edit renamed" "a click puts the keyboard into the manager's name"
press End
type_text "x2"
wait_eq "renamedx2" "the name typed while the picker is open" driver after TForm2 'Name:'

# Back to the picker: the program chosen by its first letter, OK.
driver foreground TForm17
wait_focus TForm17 "ListBox " "the picker has the keyboard again"
press a Return
wait_eq 0 "OK closes the picker" driver visible TForm17
exe="$(tr '[:upper:]' '[:lower:]' <<<"${E2E_WIN}apps\\aaeditor.exe")"
dir="${exe%aaeditor.exe}"
wait_eq "$exe" "the picked program's path" driver after TForm2 'Address:'
assert_eq "$(driver after TForm2 'Start in:')" "$dir" "the picked program's folder"
assert_eq "$(driver after TForm2 'Name:')" "renamedx2" "the name typed before and while the picker was open"
assert_eq "$(driver after TForm2 'Parameters:')" "-a" "the parameters the picker does not fill"

driver close TForm2
answer y "closing with changes did not ask to save"
wait_eq 0 "the manager closes" driver visible TForm2
stop_vtx
rm -rf "$menu"
assert_file_lines "$DATA_DIR/list2.ini" \
  "renamedx2|$exe|$dir|-a|||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
note "ok"
