# Names and paths in any script, on a system whose code page is 1252: an older catalogue in
# that code page is shown as it reads and saved as UTF-8; a shortcut to a program under a
# Japanese folder name is found by typed letters in several scripts and started there; a
# dropped Cyrillic file name and a name typed into the wizard are saved whole.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings HAE=1 hotkey=Win+Z top=300 left=400 quickadd=1

# An older catalogue, written in the code page: "Café" as the single byte E9.
printf 'caf\xe9 legacy|c:\\caf\xe9.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0\r\n' >"$DATA_DIR/list2.ini"
start_vtx
wait_eq "café legacy" "the code page's name as it reads" driver listtext TForm1 0
stop_vtx
assert_file_lines "$DATA_DIR/list2.ini" "café legacy|c:\\café.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"

# A program under C:\データ\, a name in Japanese, one in Greek and one with a capital accent.
JP_DIR="$WINEPREFIX/drive_c/データ"
mkdir -p "$JP_DIR"
cp "$VTX_BUILD/vtx_probe.exe" "$JP_DIR/"
write_catalogue \
  "memo 日本|C:\\データ\\vtx_probe.exe|C:\\データ\\|--note 会議|||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "Éclair|c:\\nothing-here.exe|||||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "Σημειώσεις|c:\\nothing-either.exe|||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
start_vtx
summon
type_text "memo"
wait_edit "memo"
press Return
PROBE_LOG="$JP_DIR/probe.log" wait_probe 1
grep -qxF 'exe=C:\データ\vtx_probe.exe' "$JP_DIR/probe.log" || fail "started: $(cat "$JP_DIR/probe.log")"
grep -q '^cmdline=.* --note 会議$' "$JP_DIR/probe.log" || fail "parameters: $(cat "$JP_DIR/probe.log")"
grep -qixF 'cwd=C:\データ' "$JP_DIR/probe.log" || fail "working folder: $(cat "$JP_DIR/probe.log")"
wait_hidden

# Typed in other scripts: whole characters reach the edit box, and the locale's lower-casing
# finds "Éclair" by "é" and "Σημειώσεις" by "σ".
summon
type_text "é"
wait_edit "é"
wait_eq "Éclair" "é finds Éclair" driver listtext TForm1 "$(driver listsel TForm1)"
press BackSpace
type_text "σημ"
wait_edit "σημ"
wait_eq "Σημειώσεις" "σημ finds Σημειώσεις" driver listtext TForm1 "$(driver listsel TForm1)"
press Escape
wait_hidden

# A dropped document named in Cyrillic becomes a shortcut with its name and path whole.
printf 'report' >"$E2E_DIR/отчёт.txt"
summon
driver drop TForm1 30 8 "${E2E_WIN}отчёт.txt"
wait_eq 4 "the drop adds a shortcut" driver listcount TForm1
assert_eq "$(driver edit TForm1)" "отчёт" "the typed text is the new name"

# A name typed into the wizard in several scripts.
new_shortcut_from_menu
press Tab Tab Tab
wait_focus TForm5 "Button Web Site" "Tab reaches the Web Site link"
press Return
wait_focus TForm5 "Edit " "the web address field has the keyboard"
type_text "https://example.com/x"
press Tab
wait_eq example.com/x "the suggested name" driver after TForm5 'Type a name for this shortcut:'
# The browser list and its button come between the address and the name.
press Tab Tab
wait_focus TForm5 "Edit example.com/x" "Tab reaches the name field"
press End shift+Home
type_text "café ☕ 日本"
wait_eq "café ☕ 日本" "the typed name" driver after TForm5 'Type a name for this shortcut:'
press Return
wait_eq 0 "OK closes the wizard" driver visible TForm5
driver close TForm2
stop_vtx
grep -qF $'отчёт|c:\\vtx-e2e\\test_unicode\\отчёт.txt|' "$DATA_DIR/list2.ini" || fail "dropped: $(cat "$DATA_DIR/list2.ini")"
grep -qF 'café ☕ 日本|https://example.com/x|' "$DATA_DIR/list2.ini" || fail "wizard: $(cat "$DATA_DIR/list2.ini")"
grep -qF 'memo 日本|C:\データ\vtx_probe.exe|' "$DATA_DIR/list2.ini" || fail "kept: $(cat "$DATA_DIR/list2.ini")"
note "ok"
