# Nothing is lost or torn by a kill. With a catalogue of 20,000 shortcuts the program is closed
# and killed at moments spread over its save; after each kill list2.ini and set.set hold either
# the old or the new bytes (never empty, cut short or NUL-filled), and the next start is clean
# whatever .tmp files the kill left. The end of the log-on followed at once by a kill (as
# Windows ends programs) has saved settings, catalogue and browser list.
source "$(dirname "$0")/lib.sh"
KILLS="${E2E_KILLS:-20}"
SESSION_KILLS="${E2E_SESSION_KILLS:-5}"
ROWS=20000

fresh_install
mkdir -p "$DATA_DIR"
old="$E2E_DIR/old" new="$E2E_DIR/new"
mkdir -p "$old" "$new"
# The old files differ from what the program writes: the catalogue is in reverse order (it is
# saved sorted), set.set has only a few of its lines, browsers.ini has LF line ends.
for i in $(seq -w $ROWS -1 1); do
  printf 'shortcut %s|c:\\tools\\tool%s.exe|c:\\tools\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0\r\n' "$i" "$i"
done >"$old/list2.ini"
printf 'program=vtx\r\nfirstrun=0\r\nstartonstartup=0\r\nhotkey=Win+Z\r\ntop=100\r\nleft=100\r\n' >"$old/set.set"
printf 'firefox|c:\\firefox\\firefox.exe\nopera|c:\\opera\\opera.exe\n' >"$old/browsers.ini"
put_old() { cp "$old/list2.ini" "$old/set.set" "$old/browsers.ini" "$DATA_DIR/"; }

# A start is clean when it finishes without a message and has all the shortcuts.
start_clean() {
  start_vtx
  assert_eq "$(driver listcount TForm1)" "$ROWS" "shortcuts after the start"
}

# The start after a kill. Wine 8 now and then fails to bring up the process that follows many
# hard kills (it hangs or ends before the program's first window, before the program reads a
# file): such a start is ended and tried once more, and counted. What the program itself does
# with the files the kill left is checked as for any start.
wine_retries=0
start_after_kill() {
  (cd "$E2E_DIR" && exec wine ./vantrix.exe >/dev/null 2>&1) &
  VTX_PID=$!
  if ! driver wait TForm1 $((2 * E2E_WAIT * 1000)); then
    note "Wine did not bring up the start after $1 ($(vtx_state)); it is ended and tried once more"
    wine_retries=$((wine_retries + 1))
    kill -9 "$VTX_PID" 2>/dev/null || true
    stop_own_copies
    start_vtx_early
  fi
  driver ready $((2 * E2E_WAIT * 1000)) || fail "start-up after $1 did not finish ($(vtx_state))"
  assert_eq "$(driver listcount TForm1)" "$ROWS" "shortcuts after the start after $1"
}

# The new bytes, from a save that nothing interrupts; it also times the save, from the close
# to the end of the process.
put_old
start_clean
window_ms="$(driver closewait TForm1)" || fail "the program did not end after the close"
wait_exit
cp "$DATA_DIR/list2.ini" "$DATA_DIR/set.set" "$new/"
cmp -s "$new/list2.ini" "$old/list2.ini" && fail "the test needs a saved catalogue that differs from the old one"
cmp -s "$new/set.set" "$old/set.set" && fail "the test needs saved settings that differ from the old ones"
[ "$(wc -l <"$new/list2.ini")" -eq "$ROWS" ] || fail "the saved catalogue has $(wc -l <"$new/list2.ini") lines"
tr -d '\r' <"$old/browsers.ini" | sed 's/$/\r/' >"$new/browsers.ini"
note "save window: $window_ms ms from the close to the end of the process"

# Either the old or the new bytes.
old_or_new() {  # file -> prints old or new, or fails
  local f="$DATA_DIR/$1"
  [ -f "$f" ] || fail "after kill $2: $1 is missing"
  if cmp -s "$f" "$old/$1"; then echo old; return; fi
  if cmp -s "$f" "$new/$1"; then echo new; return; fi
  fail "after kill $2: $1 is torn ($(wc -c <"$f") bytes, $(tr -d '\000' <"$f" | wc -c) without NULs; old $(wc -c <"$old/$1"), new $(wc -c <"$new/$1"))"
}

# Kills spread evenly over the save window, the first at its start, the last at its end. A save
# that ends sooner than the timed one (a warm disk cache) shrinks the window for the kills after it.
killed=0 ended=0 tmp_left=0
declare -A seen=()
put_old
start_clean
for k in $(seq 0 $((KILLS - 1))); do
  # The program holds no file open: the old bytes go back on disk under it, so that a save it
  # did not finish shows as the old bytes.
  put_old
  delay="$(awk -v w="$window_ms" -v k="$k" -v n="$KILLS" 'BEGIN { printf "%.1f", w * k / (n - 1) }')"
  outcome="$(driver closekill TForm1 "$delay")"
  case "$outcome" in
    killed) killed=$((killed + 1)) ;;
    ended\ *)
      ended=$((ended + 1))
      seen_ms="${outcome#ended }"
      [ "$seen_ms" -lt "$window_ms" ] && window_ms="$seen_ms"
      ;;
    *) fail "kill $k at $delay ms: the driver could not close and kill the program" ;;
  esac
  wait_exit
  state="list2.ini $(old_or_new list2.ini "$k at $delay ms"), set.set $(old_or_new set.set "$k at $delay ms")"
  seen["$state"]=$(( ${seen["$state"]:-0} + 1 ))
  ls "$DATA_DIR" | grep -q '\.tmp$' && tmp_left=$((tmp_left + 1))
  # The next start, with whatever the kill left behind.
  start_after_kill "kill $k"
done
note "$KILLS kills over ${window_ms} ms at the end: $killed during the save, $ended after the process had ended"
for s in "${!seen[@]}"; do note "  ${seen[$s]} x $s"; done
note "  $tmp_left kills left a .tmp file"
[ "$killed" -ge $((KILLS / 2)) ] || fail "too few kills landed in the save ($killed of $KILLS): the save window was misjudged"

# The end of the log-on, then a kill at once: everything is saved.
for k in $(seq 1 "$SESSION_KILLS"); do
  put_old
  driver endsessionkill TApplication || fail "the driver could not end the session"
  wait_exit
  for f in list2.ini set.set browsers.ini; do
    cmp -s "$DATA_DIR/$f" "$new/$f" || fail "end of session $k, then a kill: $f is not the saved one"
  done
  start_after_kill "end of session $k"
done
note "$SESSION_KILLS ends of the session followed by a kill: settings, catalogue and browser list saved"

[ "$wine_retries" -le 1 ] || fail "Wine failed $wine_retries starts after a kill"
[ "$wine_retries" -eq 0 ] || note "$wine_retries start(s) after a kill tried twice: Wine did not bring the process up"

# A last close that nothing interrupts clears the .tmp files kills left.
stop_vtx
cmp -s "$DATA_DIR/list2.ini" "$new/list2.ini" || fail "the last save"
ls "$DATA_DIR" | grep '\.tmp$' && fail "a .tmp file is left after a clean close"
note "ok"
