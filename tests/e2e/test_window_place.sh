# Where the launcher appears: a saved place off every monitor comes back onto the work
# area; a first start centres it on the work area of the monitor under the pointer.
source "$(dirname "$0")/lib.sh"
fresh_install
read -r aw ah <<<"$(driver workarea)"

inside_work_area() {  # what
  read -r x y w h <<<"$(driver rect TForm1)"
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$aw" ] && [ $((y + h)) -le "$ah" ] ||
    fail "$1: window at $x $y $w $h, work area $aw x $ah"
}

write_settings left=5000 top=5000
start_vtx
inside_work_area "saved far beyond the screen"
stop_vtx

write_settings left=-3000 top=-3000
start_vtx
inside_work_area "saved far above and left of the screen"
assert_eq "$(driver rect TForm1)" "0 0 141 200" "moved to the nearest corner of the work area"
stop_vtx

write_settings left=20 top=30
start_vtx
assert_eq "$(driver rect TForm1)" "20 30 141 200" "a place on the screen is kept"
stop_vtx

# First start: no settings file at all.
rm -f "$DATA_DIR/set.set"
xdotool mousemove 10 10
start_vtx
assert_eq "$(driver rect TForm1)" "$(((aw - 141) / 2)) $(((ah - 200) / 2)) 141 200" "centred at the first start"
stop_vtx
note "ok"
