# The theme editor as a user meets it: Ctrl+F11 on the theme list of the Settings dialog,
# the edit box colour changed on the "Normal Mode" page, the theme saved as "Blue", then
# picked in the Settings dialog: the launcher's edit box shows the new colour.
source "$(dirname "$0")/lib.sh"

# Tab until the focus is on a control of the class, or of the class and text (at most n
# presses); each press is given the time to move the focus before the next.
focus_is() { local f; f="$(driver focus "$1")"; [ "${f%% *}" = "$2" ] || [ "$f" = "$2" ]; }
tab_to() {  # form class|"class text" n
  local i before
  for i in $(seq 1 "$3"); do
    focus_is "$1" "$2" && return 0
    before="$(driver focushandle "$1")"
    press Tab
    focus_moved() { [ "$(driver focushandle "$1")" != "$before" ]; }
    until_ok focus_moved "$1" || fail "Tab did not move the focus in $1"
  done
  focus_is "$1" "$2" || fail "Tab did not reach a $2 in $1"
}
no_box() { ! driver shown '#32770' 0; }
wait_no_box() { until_ok no_box || fail "$1"; }
setting() { tr -d '\r' <"$DATA_DIR/set.set" | sed -n "s/^$1=//Ip"; }

fresh_install
write_settings hotkey=Win+Z showprogram=1 top=40 left=40
start_vtx
wait_visible 1 "shown at start"
THEMES="$E2E_DIR/themes"
until_ok test -f "$THEMES/Default Theme/back1.bmp" || fail "the default theme's bitmaps were not written"

# ---- Settings, "Appearance", the theme list: Ctrl+F11 warns, then opens the editor.
driver foreground TForm1
press F3
driver shown TForm3 5000 || fail "F3 did not open the Settings dialog"
chord Control_L Tab
chord Control_L Tab
tab_to TForm3 ListBox 12
press Home
wait_eq "Default Theme" "the default theme is selected" driver after TForm3 'Title:'
# Typed at xdotool's speed, which lets Ctrl go before F11 comes up: the chord still counts.
xdotool key ctrl+F11
driver shown '#32770' $((E2E_WAIT * 1000)) || fail "a quick Ctrl+F11 did not warn"
# The warning belongs to the top-most Settings dialog: above it, and Settings waits for it.
assert_eq "$(driver boxover TForm3)" "TForm3 1 0 1" "the warning and the Settings dialog"
assert_eq "$(driver msgbox 5000)" $'Theme editor is NOT supported in this version.\nUse it at your own risk!' \
  "the warning before the editor"
driver shown TForm6 5000 || fail "the theme editor did not open"
assert_eq "$(driver after TForm6 'Title:')" "Default Theme" "the selected theme is loaded"
screenshot theme-editor-general

# ---- "Normal Mode": pick "Edit Box", type a colour, Enter.
chord Control_L Tab
tab_to TForm6 ListBox 4
press Home Down
tab_to TForm6 Edit 2
wait_eq "FFFFFF" "the edit box colour in the hex field" driver after TForm6 'Color:'
type_text "0000FF"
press Return
# A size typed into the size box, not picked from its list.
tab_to TForm6 "Edit 8" 8
press ctrl+a
type_text "20"
screenshot theme-editor-normal
# The preview's menu button shows its mouse-over image under the pointer, and not after.
read -r cx cy <<<"$(driver client TForm6)"
bx=$((cx + 200 + 110)) by=$((cy + 82 + 11))
mouse_to $((bx - 60)) $((by + 100))
normal="$(pixel "$bx" "$by")"
mouse_to "$bx" "$by"
pixel_differs() { [ "$(pixel "$bx" "$by")" != "$normal" ]; }
until_ok pixel_differs || fail "the preview's menu button did not show its mouse-over image"
mouse_to $((bx - 60)) $((by + 100))
wait_pixel "$bx" "$by" "$normal" "the preview's menu button back to its normal image"

# ---- "General": the title and author, then "Save Theme".
xdotool keydown Shift_L
chord Control_L Tab
xdotool keyup Shift_L
press Tab
wait_eq "Edit Default Theme" "Tab reaches the title" driver focus TForm6
type_text "Blue"
press Tab
type_text "Tester"
press Tab Tab
wait_eq "Button Save Theme" "Tab reaches Save Theme" driver focus TForm6
press Return
wait_eq 0 "saving closes the editor" driver visible TForm6

# The file: the default theme's lines in the editor's order, with what was changed.
expected=()
while IFS= read -r line; do
  line="${line%$'\r'}"
  case "$line" in
    title=*) line="title=Blue" ;;
    author=*) line="author=Tester" ;;
    thmfolder=*) line="thmfolder=Blue" ;;
    editbackcolor=*) line="editbackcolor=0000FF" ;;
    editfontsize=*) line="editfontsize=20" ;;
  esac
  expected+=("$line")
  [ "$line" = "listfontbold=0" ] && expected+=("listfontitalic=0")
done <"$THEMES/Default Theme.th2"
assert_eq "${#expected[@]}" 82 "lines of a saved theme"
assert_file_lines "$THEMES/Blue.th2" "${expected[@]}"
for f in back1.bmp menu1.bmp menu2.bmp close1.bmp close2.bmp; do
  cmp -s "$THEMES/Default Theme/$f" "$THEMES/Blue/$f" || fail "bitmap $f copied into the theme's folder"
done

# ---- The Settings dialog lists the new theme; picking it applies it at once.
driver foreground TForm3
tab_to TForm3 ListBox 12
press Home
wait_eq "Blue" "the new theme in the list" driver after TForm3 'Title:'
press Return
wait_eq 0 "OK closes the dialog" driver visible TForm3
read -r x y _ _ <<<"$(driver rect TForm1)"
wait_pixel $((x + 120)) $((y + 30)) 0000FF "the launcher's edit box in the theme's colour"
screenshot theme-editor-applied

# ---- Again on "Blue": the Cool page fills text 3's fields; Cancel asks first.
driver foreground TForm1
press F3
driver shown TForm3 5000 || fail "F3 did not open the Settings dialog again"
tab_to TForm3 ListBox 12
chord Control_L F11
driver msgbox 5000 >/dev/null || fail "the warning before the editor, again"
driver shown TForm6 5000 || fail "the theme editor did not open again"
assert_eq "$(driver after TForm6 'Title:')" "Blue" "the saved theme is loaded"
assert_eq "$(driver after TForm6 'Author:')" "Tester" "the author last saved"
chord Control_L Tab
chord Control_L Tab
tab_to TForm6 ListBox 4
press Home Down Down Down
press Tab Tab Tab
wait_eq "Edit FFFFFF" "text 3's font colour" driver focus TForm6
screenshot theme-editor-cool
press Escape
driver shown '#32770' 5000 || fail "Cancel asks before closing"
press n
wait_no_box "No closes the question"
assert_eq "$(driver visible TForm6)" 1 "No keeps the editor open"
press Escape
driver shown '#32770' 5000 || fail "Cancel asks again"
press y
wait_eq 0 "Yes closes the editor" driver visible TForm6
assert_eq "$(driver visible TForm3)" 1 "the Settings dialog stays open"

stop_vtx
assert_eq "$(setting theme)" "Blue.th2" "the picked theme is kept"
assert_eq "$(setting lastthemeauthor)" "Tester" "the author is remembered"
note "ok"
