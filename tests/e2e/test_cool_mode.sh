# Cool mode takes its size, see-through colour and texts from the theme; F4 toggles the
# layout, Ctrl+F10 resets it; a theme without a size gives 421 x 146.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings coolmode=1 opacity=255 hotkey=Win+Z
write_catalogue "calc|calc|||||||SW_SHOWNORMAL|Other|||Orange||1|||||||||0" \
  "calculator|calc|||||||SW_SHOWNORMAL|Other|||None||1|||||||||0" \
  "notes|c:\\notes.txt|||||||SW_SHOWNORMAL|File|||None||1|||||||||0"
start_vtx
read -r _ _ w h <<<"$(driver rect TForm1)"
assert_eq "$w $h" "300 60" "Cool mode window size of the default theme"
read -r ok key alpha flags <<<"$(driver layered TForm1)"
assert_eq "$key $alpha $flags" "FF00FF 255 3" "magenta see-through colour and full opacity"

summon
type_text "calc"
wait_edit "calc"
screenshot cool-mode
press F4
wait_size "141 200" "normal layout after F4"
layered_flags() { local ok key alpha flags; read -r ok key alpha flags <<<"$(driver layered TForm1)"; echo "$flags"; }
wait_output "2" "no see-through colour in the normal layout" layered_flags
screenshot normal-mode
press F4
wait_size "300 60" "back in Cool mode after a second F4"
wait_output "3" "the see-through colour is back in Cool mode" layered_flags

# Ctrl+F10 resets: normal layout, default theme (rewritten), fully opaque.
echo "title=changed by hand" >"$E2E_DIR/themes/Default Theme.th2"
press ctrl+F10
wait_size "141 200" "normal layout after Ctrl+F10"
first_theme_line() { head -n 1 "$E2E_DIR/themes/Default Theme.th2" | tr -d '\r'; }
wait_output "title=Default Theme" "default theme rewritten" first_theme_line
stop_vtx
tr -d '\r' <"$DATA_DIR/set.set" | grep -qx 'coolmode=0' || fail "coolmode saved"
tr -d '\r' <"$DATA_DIR/set.set" | grep -qx 'opacity=255' || fail "opacity saved"

# A theme without coolwidth and coolheight.
printf 'title=Plain\r\nthmfolder=Plain\r\ncooltransparentcolor=00FF00\r\n' >"$E2E_DIR/themes/Plain.th2"
write_settings coolmode=1 "theme=Plain.th2"
start_vtx
read -r _ _ w h <<<"$(driver rect TForm1)"
assert_eq "$w $h" "421 146" "Cool mode size without the theme's size keys"
read -r ok key alpha flags <<<"$(driver layered TForm1)"
assert_eq "$key" "00FF00" "the theme's see-through colour"
stop_vtx
tr -d '\r' <"$DATA_DIR/set.set" | grep -qx 'theme=Plain.th2' || fail "theme name saved"

# A deleted default theme and bitmap come back at the next start, byte for byte.
cp "$E2E_DIR/themes/Default Theme.th2" "$E2E_DIR/default.copy"
cp "$E2E_DIR/themes/Default Theme/menu2.bmp" "$E2E_DIR/menu2.copy"
rm "$E2E_DIR/themes/Default Theme.th2" "$E2E_DIR/themes/Default Theme/menu2.bmp"
printf 'changed' >"$E2E_DIR/themes/Default Theme/menu1.bmp"
start_vtx
cmp -s "$E2E_DIR/themes/Default Theme.th2" "$E2E_DIR/default.copy" || fail "default theme not recreated"
cmp -s "$E2E_DIR/themes/Default Theme/menu2.bmp" "$E2E_DIR/menu2.copy" || fail "menu2.bmp not rewritten"
assert_eq "$(cat "$E2E_DIR/themes/Default Theme/menu1.bmp")" "changed" "an existing bitmap is left alone"
stop_vtx

# A theme broken by hand stops the layout at start; Ctrl+F10 repairs it without applying the
# broken theme (and showing its error) once more.
printf 'title=Broken\r\ncoolheight=tall\r\n' >"$E2E_DIR/themes/Broken.th2"
write_settings coolmode=0 "theme=Broken.th2" hotkey=Win+Z
start_vtx_early
shown="$(driver msgbox $((E2E_WAIT * 1000)))"
[[ "$shown" == *tall* ]] || fail "the broken theme's error at start: [$shown]"
driver ready $((E2E_WAIT * 1000)) || fail "start-up did not finish after the theme's error"
summon
chord ctrl F10
type_text "calc"
wait_edit "calc" "typing after Ctrl+F10 (a message box would take the keys)"
keys_done
assert_eq "$(driver count '#32770')" "0" "Ctrl+F10 showed the broken theme's error again"
wait_size "141 200" "normal layout after Ctrl+F10"
stop_vtx
tr -d '\r' <"$DATA_DIR/set.set" | grep -qx 'theme=Default Theme.th2' || fail "Ctrl+F10 did not go back to the default theme"
note "ok"
