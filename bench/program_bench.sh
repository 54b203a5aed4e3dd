#!/usr/bin/env bash
# Times the real vantrix.exe under Wine with generated catalogues (not run by CI):
#   ready   from the process start until start-up has finished (load, sort, list refill,
#           settings, theme; the program's mutex exists)
#   match   one change of the typed text, matched by the program (WM_SETTEXT round trip):
#           "hit" finds a name in the middle of the list, "miss" scans the whole list;
#           "msg" is the round trip of an empty message (WM_NULL), the part that is Wine's
#   manager the launcher's "Shortcuts" command handled: the manager shown with its list set and
#           the first shortcut loaded (WM_COMMAND round trip; its painting follows)
#   exit    from WM_CLOSE until the process has ended (settings, catalogue and lists saved)
# Each figure is the median of REPS runs. Usage:
#   VTX_BUILD=build/win64 bench/program_bench.sh [sizes...]     (default sizes: 0 1000 10000 100000)
# 0 stands for the four default shortcuts of a first start. A private Wine prefix and, when
# DISPLAY is not set, a private Xvfb are used.
set -euo pipefail
VTX_SOURCE="${VTX_SOURCE:-$(cd "$(dirname "$0")/.." && pwd)}"
VTX_BUILD="$(cd "${VTX_BUILD:-$VTX_SOURCE/build/win64}" && pwd)"
export WINEPREFIX="${WINEPREFIX:-/tmp/wine-vtx-bench-$(id -un)}"
REPS="${REPS:-3}"
SIZES=("$@")
[ ${#SIZES[@]} -gt 0 ] || SIZES=(0 1000 10000 100000)

source "$VTX_SOURCE/scripts/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then
  vtx_start_xvfb
  trap 'vtx_stop_wine' EXIT
fi
vtx_init_prefix

PROGRAM_DIR="$WINEPREFIX/drive_c/vtx-bench"
PROGRAM_WIN='C:\vtx-bench\'
DATA_DIR="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Orvane/VTX"
driver() { wine "$VTX_BUILD/vtx_driver.exe" "$@" 2>/dev/null | tr -d '\r'; }

rm -rf "$PROGRAM_DIR"
mkdir -p "$PROGRAM_DIR"
cp "$VTX_BUILD/vantrix.exe" "$VTX_BUILD/vtx_probe.exe" "$PROGRAM_DIR/"

# n records with random lower-case names of 4 to 12 letters (fixed seed), unsorted.
catalogue() {
  awk -v n="$1" 'BEGIN {
    srand(20240601);
    for (i = 0; i < n; i++) {
      len = 4 + int(rand() * 9); name = "";
      for (j = 0; j < len; j++) name = name sprintf("%c", 97 + int(rand() * 26));
      printf "%s %d|c:\\apps\\%s.exe|c:\\apps\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0\r\n", name, i, name;
    }
  }'
}

prepare() {
  rm -rf "$DATA_DIR"
  mkdir -p "$DATA_DIR"
  printf 'program=vtx\r\nfirstrun=0\r\nstartonstartup=0\r\nshowprogram=0\r\nhotkey=Win+Z\r\n' >"$DATA_DIR/set.set"
  if [ "$1" -gt 0 ]; then cp "$PROGRAM_DIR/list-$1.ini" "$DATA_DIR/list2.ini"; fi
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR ? v[int((NR + 1) / 2)] : "-") }'; }

printf 'Wine process start and end (vtx_probe.exe): %s ms\n' \
  "$(for _ in 1 2 3; do driver spawn "$PROGRAM_WIN" "${PROGRAM_WIN}vtx_probe.exe"; done | median)"
# One start that is not counted: Wine loads its libraries into the page cache.
prepare 0
wine "$VTX_BUILD/vtx_driver.exe" launch "$PROGRAM_WIN" "${PROGRAM_WIN}vantrix.exe" 300000 >/dev/null 2>&1
driver closewait TForm1 300000 >/dev/null

printf '\n%9s %9s %13s %14s %8s %11s %8s %9s\n' records "ready ms" "match hit us" "match miss us" "msg us" \
  "manager ms" "exit ms" "list2 KB"
for n in "${SIZES[@]}"; do
  [ "$n" -gt 0 ] && catalogue "$n" >"$PROGRAM_DIR/list-$n.ini"
  ready=() hit=() miss=() leave=() msg=() manager=()
  for _ in $(seq 1 "$REPS"); do
    prepare "$n"
    # The started program keeps the driver's output open: read it from a file, not a pipe.
    wine "$VTX_BUILD/vtx_driver.exe" launch "$PROGRAM_WIN" "${PROGRAM_WIN}vantrix.exe" 300000 \
      >"$PROGRAM_DIR/launch.out" 2>/dev/null || { echo "start-up failed ($n records)" >&2; exit 1; }
    ready+=("$(tr -d '\r' <"$PROGRAM_DIR/launch.out")")
    # "m" lands in the middle of the sorted list; "zzzzzz~" matches nothing and scans it all.
    read -r us _ null <<<"$(driver matchtime TForm1 m 200)"
    hit+=("$us")
    msg+=("$null")
    read -r us sel _ <<<"$(driver matchtime TForm1 'zzzzzz~' 200)"
    [ "$sel" = "-1" ] || { echo "the miss text selected row $sel" >&2; exit 1; }
    miss+=("$us")
    driver matchtime TForm1 '' 1 >/dev/null  # no typed text for the manager's search box
    manager+=("$(driver sendtime TForm1 0x0111 1002 0)")
    driver close TForm2
    leave+=("$(driver closewait TForm1 300000)")
    driver gone TForm1 10000 || true
  done
  size_kb=$(( $(stat -c %s "$DATA_DIR/list2.ini") / 1024 ))
  printf '%9s %9s %13s %14s %8s %11s %8s %9s\n' "$n" \
    "$(printf '%s\n' "${ready[@]}" | median)" "$(printf '%s\n' "${hit[@]}" | median)" \
    "$(printf '%s\n' "${miss[@]}" | median)" "$(printf '%s\n' "${msg[@]}" | median)" \
    "$(printf '%s\n' "${manager[@]}" | median)" \
    "$(printf '%s\n' "${leave[@]}" | median)" "$size_kb"
done
