# Shortcut names in any script: the manager lists Cyrillic, Greek, Japanese and emoji names
# as they are, a click on the third entry loads it, a name typed in Cyrillic is saved into
# list2.ini as UTF-8, and the search box finds a Cyrillic name by its lower-case start.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z
names=("Москва" "Σοφία" "東京タワー" "😀 Smile" "Жук")
lines=()
for i in "${!names[@]}"; do lines+=("${names[$i]}|c:\\app$i.exe|||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"); done
write_catalogue "${lines[@]}"
start_vtx

shown_name() { driver after TForm2 'Name:'; }
shown_addr() { driver after TForm2 'Address:'; }
entry_name() { local t; t="$(driver listtext TForm2 "$1")" || return 1; echo "${t%%, Open program: *}"; }

summon
press F2
wait_eq 1 "F2 did not open the manager" driver visible TForm2

# Every name is in the list, spelt as written.
listed=()
for row in 0 1 2 3 4; do listed+=("$(entry_name "$row")"); done
for n in "${names[@]}"; do
  printf '%s\n' "${listed[@]}" | grep -qxF -- "$n" || fail "the list does not show [$n]: [${listed[*]}]"
done

# The third entry, clicked, is the one in the fields.
third="${listed[2]}"
read -r x y <<<"$(driver listpoint TForm2 2)" || true
[ -n "${y:-}" ] || fail "the third entry is not in sight"
click_at "$x" "$y"
wait_eq "$third" "a click on the third entry did not load it" shown_name
addr="$(shown_addr)"

# From the list, Tab reaches the name; the typed name replaces it.
press Tab
wait_focus TForm2 "Edit $third" "Tab from the list did not reach the name"
type_text 'Ёлка'
wait_eq 'Ёлка' "the typed Cyrillic name did not arrive whole" shown_name
screenshot editors-unicode-typed
press Return
answer y "closing with a new name did not ask to save"
wait_eq 0 "Close did not hide the manager" driver visible TForm2

# The search box finds a Cyrillic name by its lower-case start (one that was not renamed).
if [ "$third" = "Жук" ]; then wanted="Москва" typed="моск"; else wanted="Жук" typed="жу"; fi
summon
press F2
wait_eq 1 "F2 did not open the manager again" driver visible TForm2
press Tab Tab
type_text "$typed"
wait_eq "$wanted" "the search [$typed] did not find [$wanted]" shown_name
driver close TForm2
wait_eq 0 "the manager did not close" driver visible TForm2

stop_vtx
grep -qF "Ёлка|$addr|" "$DATA_DIR/list2.ini" || fail "list2.ini does not hold the new name in UTF-8: $(cat "$DATA_DIR/list2.ini")"
grep -qF "$third|" "$DATA_DIR/list2.ini" && fail "list2.ini still holds the old name [$third]"
note "ok"
