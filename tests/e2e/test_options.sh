# The Settings dialog driven from the keyboard as a user meets it: F3, Ctrl+Tab between
# pages, Tab between fields, Space and Enter; then the About window.
source "$(dirname "$0")/lib.sh"
restore() {
  wine reg delete "$RUN_KEY" /v ovvtx /f >/dev/null 2>&1 || true
  wine winecfg /v win7 >/dev/null 2>&1 || true
}
trap restore EXIT

setting() { tr -d '\r' <"$DATA_DIR/set.set" | sed -n "s/^$1=//Ip"; }
focus_class() { driver focus TForm3 | cut -d' ' -f1; }
run_entries() { run_entry | grep -c . || true; }
alpha() { driver layered TForm1 | cut -d' ' -f3; }
open_options() {
  driver foreground TForm1
  press F3
  driver shown TForm3 5000 || fail "F3 did not open the Settings dialog"
}

wine winecfg /v win10 >/dev/null 2>&1
fresh_install
write_settings hotkey=Win+Z showprogram=1 stayontop=1 HAE=1 Opacity=30
start_vtx
wait_visible 1 "shown at start"
# A second theme beside the default one, with a title of its own.
until_ok test -f "$E2E_DIR/themes/Default Theme.th2" || fail "the default theme was not written"
sed 's/^title=.*/title=Other Look/' "$E2E_DIR/themes/Default Theme.th2" >"$E2E_DIR/themes/Other.th2"

# ---- General page and the hotkey
open_options
assert_eq "$(driver checked TForm3 'Stay on top of other windows')" 1 "stay on top from the settings"
assert_eq "$(driver checked TForm3 'Hide after a command executed')" 1 "HAE from the settings"
assert_eq "$(driver checked TForm3 'Enable Quick Add')" 0 "quick add from the settings"
screenshot options-general
press ctrl+Tab
assert_eq "$(driver checked TForm3 'Win  +')" 1 "Win+Z: the Win box"
assert_eq "$(driver checked TForm3 'Ctrl  +')" 0 "Win+Z: the Ctrl box"
assert_eq "$(driver after TForm3 'Shift  +')" "Z" "Win+Z: the key field"
# Tab to each box: untick Win, tick Ctrl and Alt, leave Shift; then the key field takes J
# (held modifiers are dropped).
press Tab space Tab space Tab space Tab Tab
wait_eq "Edit" "the key field follows the Shift box" focus_class
press ctrl+j
wait_eq "J" "the key field holds the plain key" driver after TForm3 'Shift  +'
screenshot options-hotkey
press Return
wait_eq 0 "OK closes the dialog" driver visible TForm3
wait_eq "Ctrl+Alt+J" "OK saves the hotkey at once" setting hotkey
assert_eq "$(setting Opacity)" "255" "a stored opacity of 30 showed the slider at 255, and OK stored it"
driver foreground TForm1
press Escape
wait_hidden
press ctrl+alt+j
wait_visible 1 "the new hotkey brings the launcher up"

# ---- Opacity preview, undone by Escape
open_options
press ctrl+Tab
press Tab Tab Tab Home
wait_eq 50 "the slider previews the opacity at once" alpha
screenshot options-appearance
press Escape
wait_eq 0 "Escape closes the dialog" driver visible TForm3
wait_eq 255 "Escape puts the opacity back" alpha
assert_eq "$(setting Opacity)" "255" "Escape leaves the setting"

# ---- A theme picked in the list is applied at once and kept after Cancel
open_options
press shift+Tab shift+Tab Home
wait_eq "Default Theme" "Theme Info of the default theme" driver after TForm3 'Title:'
assert_eq "$(driver after TForm3 'Author:')" "Orvane" "the default theme's author"
press Down
wait_eq "Other Look" "Theme Info of the other theme" driver after TForm3 'Title:'
press Escape
wait_eq 0 "Cancel closes the dialog" driver visible TForm3

# ---- Start with Windows, through OK: written, then removed (the box keeps the keyboard
# between showings, as in any dialog)
open_options
press ctrl+Tab Tab Tab space
wait_eq 1 "the start-with-Windows box is ticked" driver checked TForm3 'Start when Windows starts'
press Return
wait_eq 1 "OK writes the Run entry" run_entries
open_options
press space Return
wait_eq 0 "OK removes the Run entry" run_entries
wait_eq 0 "the dialog closed" driver visible TForm3

# ---- About: the version of the running exe, major.minor.build
read -r a b _ d < <(sed -n 's/^project(Vantrix VERSION \([0-9]*\)\.\([0-9]*\)\.\([0-9]*\)\.\([0-9]*\).*/\1 \2 \3 \4/p' "$VTX_SOURCE/CMakeLists.txt")
driver post TForm1 0x111 1006 0
driver shown TForm4 5000 || fail "About did not open"
assert_eq "$(driver after TForm4 'Version:')" "$a.$b.$d" "About shows major.minor.build"
screenshot about
driver post TForm1 0x111 1006 0
assert_eq "$(driver count TForm4)" 1 "a second showing brings the same window forward"
driver foreground TForm4
press Return
wait_eq 0 "Close hides About" driver visible TForm4

stop_vtx
assert_eq "$(setting theme)" "Other.th2" "the theme chosen before Cancel is saved at exit"
assert_eq "$(setting hotkey)" "Ctrl+Alt+J" "the hotkey is kept at exit"
note "ok"
