# The manager's list as a user meets it: a click on an entry loads that shortcut, and so do the
# list's keys (Down, End, Page Up, Home) and the wheel followed by a click. With unsaved edits a
# click on another entry asks to save first: Yes keeps the edits in the shortcut that was being
# edited, No drops them; a click on the entry already shown changes nothing. Every entry, and
# every row of the launcher's list, carries its text for other programs (screen readers).
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z
names=(alpha bravo charlie delta echo foxtrot golf hotel india juliet kilo lima)
# Each shortcut has its own address and parameters, so that a load of the wrong one shows.
lines=()
for n in "${names[@]}"; do lines+=("$n|c:\\$n.exe|c:\\|-$n|||||SW_SHOWNORMAL|Program|||None||1|||||||||0"); done
write_catalogue "${lines[@]}"
start_vtx

shown_name() { driver after TForm2 'Name:'; }
shown_addr() { driver after TForm2 'Address:'; }
# The shortcut in the fields: name and address.
wait_loaded() {  # name message
  wait_eq "$1" "$2 (name)" shown_name
  wait_eq "c:\\$1.exe" "$2 (address)" shown_addr
}
click_entry() {  # row
  local x y
  read -r x y <<<"$(driver listpoint TForm2 "$1")" || true
  [ -n "${y:-}" ] || fail "entry $1 of the manager's list is not in sight"
  click_at "$x" "$y"
}

summon
press F2
wait_eq 1 "F2 did not open the manager" driver visible TForm2
wait_loaded alpha "the manager opens on the first shortcut"

# Clicks: the third entry, then the first.
click_entry 2
wait_loaded charlie "a click on the third entry did not load it"
assert_eq "$(driver listsel TForm2)" 2 "the clicked entry is the selected one"
click_entry 0
wait_loaded alpha "a click on the first entry did not load it"

# The list has the keyboard after a click: Down, End, Page Up, Home and Page Down move and load.
wait_focus TForm2 "ListBox " "the click gave the list the keyboard"
press Down
wait_loaded bravo "Down from the first entry did not load the second"
press End
wait_loaded lima "End did not load the last entry"
# Page Up and Page Down go by what the list shows at once: the entry they reach is read back.
row=""
row_is() { row="$(driver listsel TForm2)"; [ -n "$row" ] && (( row $1 )); }
press Prior
until_ok row_is "< 11" || fail "Page Up did not move up: row $row"
wait_loaded "${names[$row]}" "Page Up did not load the entry it reached"
press Home
wait_loaded alpha "Home did not load the first entry"
press Next
until_ok row_is "> 0" || fail "Page Down did not move down: row $row"
wait_loaded "${names[$row]}" "Page Down did not load the entry it reached"
press Home
wait_loaded alpha "Home did not load the first entry"

# The wheel scrolls the list and loads nothing; a click on the last entry, scrolled into
# sight, loads it.
driver listpoint TForm2 11 >/dev/null && fail "the last entry is in sight before the wheel: make the list longer"
mouse_to $(driver listpoint TForm2 3)
for _ in 1 2 3; do xdotool click 5; sleep 0.1; done
WAIT_FOR=10 until_ok driver listpoint TForm2 11 >/dev/null || fail "the wheel did not scroll the last entry into sight"
assert_eq "$(shown_name)" alpha "the wheel loaded a shortcut"
click_entry 11
wait_loaded lima "a click on the last entry after the wheel did not load it"
press Home
wait_loaded alpha "Home did not load the first entry"

# An edit, then a click on the entry shown: no question, the edit stays. The Delete key in the
# list then asks its own question (answered No): a save question would have come first.
click_entry 2
wait_loaded charlie "a click on the third entry did not load it"
press Tab
wait_focus TForm2 "Edit charlie" "Tab from the list did not reach the name"
press End
type_text "2"
wait_eq "charlie2" "the name was not edited" shown_name
click_entry 2
press Delete
answer n "Delete did not ask"
assert_eq "$(shown_name)" "charlie2" "a click on the entry shown reloaded it"

# The same edit and a click on another entry: the save question, Yes stores the edit in
# charlie's line and loads the clicked one.
click_entry 4
answer y "a click on another entry with unsaved edits did not ask to save"
wait_loaded echo "after Yes the clicked entry was not loaded"
# Another round, answered No: the edit of echo is dropped.
press Tab
wait_focus TForm2 "Edit echo" "Tab from the list did not reach the name"
press End
type_text "3"
wait_eq "echo3" "the name was not edited" shown_name
click_entry 0
answer n "the second round of edits did not ask to save"
wait_loaded alpha "after No the clicked entry was not loaded"

# What another program reads from the lists: the manager's entries (name and what it opens)
# and the launcher's rows (names).
assert_eq "$(driver listtext TForm2 2)" "charlie2, Open program: c:\\charlie.exe" "the manager's third entry read from outside"
assert_eq "$(driver listtext TForm2 11)" "lima, Open program: c:\\lima.exe" "the manager's last entry read from outside"
driver close TForm2
wait_eq 0 "the manager did not close" driver visible TForm2
assert_eq "$(driver listtext TForm1 0)" alpha "the launcher's first row read from outside"
assert_eq "$(driver listtext TForm1 2)" charlie2 "the launcher's third row read from outside"

stop_vtx
lines[2]="charlie2|c:\\charlie.exe|c:\\|-charlie|||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
assert_file_lines "$DATA_DIR/list2.ini" "${lines[@]}"
note "ok"
