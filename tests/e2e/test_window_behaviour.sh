# The normal window: rounded outline, Up and Down in the list, the hide button, the
# bottom strip that sets the height and the title strip that moves the window; the new
# height and place are saved at exit.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z top=300 left=400 height=200
write_catalogue "alpha|c:\\a.exe|||||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "beta|c:\\b.exe|||||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "gamma|c:\\g.exe|||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
start_vtx
summon
read -r x y w h <<<"$(driver rect TForm1)"
assert_eq "$x $y $w $h" "400 300 141 200" "place and size from the settings"
# The outline runs from (2, 2) to (width - 1, height - 1); a rounded region leaves out its
# right and bottom edge, so its box ends one pixel before.
read -r type box <<<"$(driver region TForm1)"
assert_eq "$type" 3 "a rounded outline (a complex region; 0 would be none, 2 a plain rectangle)"
assert_eq "$box" "2 2 139 198" "outline of a 141 x 200 window"

# Up and Down move the selection one row; they stop at the ends.
assert_eq "$(driver listcount TForm1)" "3" "rows"
assert_eq "$(driver listsel TForm1)" "-1" "nothing selected before typing"
# A text that matches no row selects nothing; keys_done tells when Down has been handled.
type_text "zz"
wait_edit "zz"
press Down
keys_done
assert_eq "$(driver listsel TForm1)" "-1" "Down with nothing selected"
press BackSpace BackSpace
wait_edit ""
type_text "b"
wait_listsel 1 "typing b"
press Down
wait_listsel 2 "Down"
press Down
keys_done
assert_eq "$(driver listsel TForm1)" "2" "Down on the last row"
press Up Up
wait_listsel 0 "Up twice"
press Up
keys_done
assert_eq "$(driver listsel TForm1)" "0" "Up on the first row"
assert_eq "$(driver edit TForm1)" "b" "the keys leave the typed text alone"

# The bottom strip: the window's bottom edge follows the pointer; the outline follows.
drag $((x + 60)) $((y + h - 3)) $((x + 60)) $((y + 280))
wait_rect "$x $y 141 280" "height after dragging the bottom strip"
region_box() { local type box; read -r type box <<<"$(driver region TForm1)"; echo "$box"; }
wait_output "2 2 139 278" "outline after the height changed" region_box
screenshot window-taller

# The title strip moves the window.
drag $((x + 40)) $((y + 8)) $((x - 60)) $((y - 142))
x3=$((x - 100)) y3=$((y - 150))
wait_rect "$x3 $y3 141 280" "place after dragging the title strip"

# The hide button hides; Escape too.
click_at $((x3 + 128)) $((y3 + 11))
wait_hidden
summon
assert_eq "$(driver edit TForm1)" "b" "hiding keeps the typed text"
press Escape
wait_hidden

stop_vtx
settings="$(tr -d '\r' <"$DATA_DIR/set.set")"
grep -qx "height=280" <<<"$settings" || fail "dragged height saved: $settings"
grep -qx "top=$y3" <<<"$settings" || fail "top saved: $settings"
grep -qx "left=$x3" <<<"$settings" || fail "left saved: $settings"
note "ok"
