# Cool mode with themes that go wrong: a bad number is reported and the window still
# works; image names that lead out of the theme's folder load nothing. The Cool window
# opens the menu button's menu on the right button and moves with the left one.
source "$(dirname "$0")/lib.sh"
fresh_install
mkdir -p "$E2E_DIR/themes/Mine"
convert -size 300x60 xc:'#D02020' -type TrueColor "BMP3:$E2E_DIR/evil.bmp"
convert -size 300x60 xc:'#20D020' -type TrueColor "BMP3:$E2E_DIR/themes/Mine/good.bmp"
write_catalogue "alpha|c:\\a.exe|||||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "beta|c:\\b.exe|||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"

# A value that is not a number: the message names it, the keys after it are not applied,
# and typing, matching and hiding go on working.
printf 'title=Bad\r\nthmfolder=Mine\r\ncooltransparentcolor=FF00FF\r\neditfontsize=12x\r\ncoolwidth=300\r\ncoolheight=60\r\n' \
  >"$E2E_DIR/themes/Bad.th2"
write_settings hotkey=Win+Z coolmode=1 theme=Bad.th2 top=300 left=400
start_vtx_early
assert_eq "$(driver msgbox 20000)" "'12x' is not a valid integer value (editfontsize)" "message for the bad value"
driver ready 20000 || fail "start-up did not finish after the message"
summon
screenshot cool-bad-theme
type_text "be"
wait_listsel 1 "typing in the window of a broken theme"
press Escape
wait_hidden
stop_vtx
tr -d '\r' <"$DATA_DIR/set.set" | grep -qx 'theme=Bad.th2' || fail "the theme name is kept"

# Image values and folders that are not bare names load nothing; a bare name in the
# theme's own folder loads. Every layout change reads the theme file again.
theme() {  # thmfolder coolbackimage
  printf 'title=Mine\r\nthmfolder=%s\r\ncoolbackimage=%s\r\ncooltransparentcolor=FF00FF\r\ncoolwidth=300\r\ncoolheight=60\r\n' \
    "$1" "$2" >"$E2E_DIR/themes/Mine.th2"
}
theme Mine '..\..\evil.bmp'
write_settings hotkey=Win+Z coolmode=1 theme=Mine.th2 top=300 left=400
start_vtx
read -r x y w h <<<"$(driver rect TForm1)"
assert_eq "$w $h" "300 60" "Cool window size of the theme"
desktop="$(pixel $((x + 150)) $((y + 36)))"
summon
shows_picture() { shown="$(pixel $((x + 150)) $((y + 36)))"; [ -n "$shown" ] && [ "$shown" != "$desktop" ]; }
until_ok shows_picture || fail "the Cool window shows no picture"
screenshot cool-traversal
[ "$shown" != "D02020" ] || fail "an image outside the theme's folder was loaded"

# F4 twice: the normal layout and back to Cool mode, which reads the theme again.
relayout() {
  press F4
  wait_size "141 200" "normal layout after F4"
  press F4
  wait_size "300 60" "Cool mode after a second F4"
}
theme Mine good.bmp
relayout
wait_pixel $((x + 150)) $((y + 36)) 20D020 "the theme's own bitmap"

theme '..' evil.bmp
relayout
wait_pixel $((x + 150)) $((y + 36)) 20D020 "a folder outside the themes keeps the last bitmap"
kill -0 "$VTX_PID" 2>/dev/null || fail "the program ended"

# The left button on the picture moves the window.
drag $((x + 150)) $((y + 36)) $((x + 100)) $((y - 64))
x2=$((x - 50)) y2=$((y - 100))
wait_rect "$x2 $y2 300 60" "place after dragging the Cool window"

# The right button opens the menu button's menu; "&Hide VTX" hides.
menu_at $((x2 + 150)) $((y2 + 45)) 3 "the Cool window's menu"
screenshot cool-menu
press h
wait_hidden
stop_vtx
note "ok"
