# The wizard's own pickers, by keys from the manager's New button: on the Web Site page
# "Define Browsers..." changes browsers.ini and refills the wizard's browser list; on the
# MultiShortcut page "Add..." offers only the types a multishortcut can open, and the ticked
# names become its members. Both shortcuts reach list2.ini.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z top=300 left=400
write_catalogue \
  "alpha|c:\\alpha.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "beta|http://beta.invalid|||||||SW_SHOWNORMAL|URL|||None||1|||||||||0" \
  "delta|c:\\delta|c:\\||||||SW_SHOWNORMAL|Folder|||None||1|||||||||0" \
  "gamma|desk.cpl|||||||SW_SHOWNORMAL|Control Panel Applet|||None||1|||||||||0"
printf 'Probe|%s\r\n' "${PROBE_WIN}" >"$DATA_DIR/browsers.ini"
start_vtx

# The manager's New, the wizard's first page.
new_shortcut() {
  summon
  press F2
  wait_eq 1 "F2 did not open the manager" driver visible TForm2
  wait_focus TForm2 "Button New" "New has the keyboard in the manager"
  press space
  wait_eq 1 "New did not open the wizard" driver visible TForm5
  wait_focus TForm5 "Button Program" "the first link has the keyboard"
}
# OK on the name, then the manager is closed.
finish() {  # name
  wait_eq "$1" "the name" driver after TForm5 'Type a name for this shortcut:'
  press Return
  wait_eq 0 "OK closes the wizard" driver visible TForm5
  driver close TForm2
  wait_eq 0 "the manager closes" driver visible TForm2
}

# ---- Web Site, with a browser defined from the wizard.
new_shortcut
press Tab Tab Tab
wait_focus TForm5 "Button Web Site" "Tab reaches the Web Site link"
press Return
wait_focus TForm5 "Edit " "the web address has the keyboard"
type_text "https://www.example.com"
press Tab Tab
wait_focus TForm5 "Button Define Browsers..." "Tab reaches Define Browsers..."
press space
wait_eq 1 "Define Browsers... did not open the dialog" driver visible TForm15
wait_focus TForm15 "Edit Probe" "the default browser's name has the keyboard"
press ctrl+a
type_text 'Other'
press Tab ctrl+a
type_text 'c:\nothing.exe'
press Tab Tab Tab
type_text 'Probe'
press Tab
type_text "$PROBE_WIN"
press Return
wait_eq 0 "OK did not close the browsers dialog" driver visible TForm15
assert_file_lines "$DATA_DIR/browsers.ini" "Other|c:\\nothing.exe" "Probe|$PROBE_WIN"
# The keyboard is back in the wizard, whose list now starts at the new default browser.
wait_focus TForm5 "Button Define Browsers..." "the wizard has the keyboard again"
press shift+Tab
wait_focus TForm5 "ComboBox Other" "the browser list was refilled with the default first"
press Down
wait_focus TForm5 "ComboBox Probe" "Down chooses the second browser"
finish example.com

# ---- MultiShortcut, members from the chooser.
new_shortcut
press Tab Tab Tab Tab Tab
wait_focus TForm5 "Button Create a MultiShortcut" "Tab reaches the MultiShortcut link"
press Return
wait_focus TForm5 "ListBox " "the member list has the keyboard"
press Tab
wait_focus TForm5 "Button Add..." "Tab reaches Add..."
press space
wait_eq 1 "Add... did not open the chooser" driver visible TForm16
wait_focus TForm16 "SysListView32 " "the chooser's list has the keyboard"
# Offered: alpha, beta, delta and the new example.com; not the control-panel shortcut. Tick
# alpha and delta: Space on the first row, Space twice on the second (ticked, then not), a
# click on the third row's box.
wait_eq 4 "the chooser offers the programs, web sites and folders" driver listcount TForm16
wait_eq 0 "the chooser opens unticked" driver ticked TForm16 0
press space
wait_eq 1 "Space ticks the selected row" driver ticked TForm16 0
press Down space
wait_eq 1 "Space ticks the second row" driver ticked TForm16 1
press space
wait_eq 0 "Space again unticks it" driver ticked TForm16 1
read -r box_x box_y <<<"$(driver boxpoint TForm16 2)" || fail "the third row's box is not in sight"
click_at "$box_x" "$box_y"
wait_eq 1 "a click on the third row's box ticks it" driver ticked TForm16 2
wait_eq 1 "the first row stays ticked" driver ticked TForm16 0
wait_eq 0 "the fourth row stays unticked" driver ticked TForm16 3
screenshot multi-chooser
press Return
wait_eq 0 "OK did not close the chooser" driver visible TForm16
wait_eq 2 "the ticked names are the members" driver listcount TForm5
wait_focus TForm5 "Button Add..." "the wizard has the keyboard again"
press Tab Tab Tab
wait_focus TForm5 "Edit " "Tab reaches the name past Remove and the link"
type_text "both"
finish both

stop_vtx
assert_file_lines "$DATA_DIR/list2.ini" \
  "alpha|c:\\alpha.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "beta|http://beta.invalid|||||||SW_SHOWNORMAL|URL|||None||1|||||||||0" \
  "both||||||||SW_SHOWNORMAL|MultiShortcut|||None||1||||Other||alpha;delta;|||0" \
  "delta|c:\\delta|c:\\||||||SW_SHOWNORMAL|Folder|||None||1|||||||||0" \
  "example.com|https://www.example.com|||||||SW_SHOWNORMAL|URL|||None||1||||Probe|||||0" \
  "gamma|desk.cpl|||||||SW_SHOWNORMAL|Control Panel Applet|||None||1|||||||||0"
note "ok"
