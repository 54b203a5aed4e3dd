#!/usr/bin/env bash
# Measures the real vantrix.exe under Wine as a user meets it, side by side with a bare tray
# program (bench/wine/bare_tray.cpp: a hidden window, a tray icon, Win+Z, a mutex and one plain
# window), in the same Wine prefix, at generated catalogues (not run by CI). Runs alternate
# between the two programs (the order swaps every run), so a machine that is busy with other work
# slows both alike and the ratios keep their meaning. Every figure is the median of REPS runs with
# the lowest and highest beside it.
#   start to ready    from the process start until its mutex exists (start-up has finished)
#   hotkey to painted Win+Z pressed with SendInput until the window is shown and painted (it and
#                     every visible child owe no paint); the first press after start, and the
#                     median of the later ones; the bare program shows its plain window
#   keystroke         "m" pressed until the typed text reads "m" and the window is painted (the
#                     selection drawn); the bare program draws the typed letter. WM_NULL: the
#                     round trip of an empty message, the part of any message that is Wine's
#   match hit/miss    one change of the typed text by WM_SETTEXT, matched before it returns: "hit"
#                     finds a name in the middle of the list, "miss" scans the whole list
#   F2 to manager     the first F2 after start until the shortcut manager is shown and painted
#   private / RSS     private memory and resident set after start (once the process has settled),
#                     after every window the driver can reach was opened once (the bare program:
#                     after its window was shown), and over LAUNCHES launches of a probe shortcut
#                     (first run of each size only; growth from the 10th launch to the last).
#                     Private is PROCESS_MEMORY_COUNTERS_EX.PrivateUsage as Wine computes it for a
#                     process itself, RssAnon + VmSwap of /proc/PID/status (for another process
#                     Wine gives the swap alone); RSS is VmRSS, Wine's WorkingSetSize
#   exit              from WM_CLOSE until the process has ended (settings, catalogue, lists saved)
# The last column checks the targets. Usage:
#   VTX_BUILD=build/win64 bench/program_bench.sh [sizes...]     (default sizes: 1000 100000)
#   REPS=7 LAUNCHES=1000 SHOWS=5 KEYS=15 (the defaults) change the number of runs, of launches,
#   of hotkey presses and of keystrokes per run. VTX_BEFORE=path/to/an/older/vantrix.exe adds it
#   as a third program to the same alternation, for before-and-after figures of a change.
#   BARE_PARTS=1 also shows the bare program's window with the launcher window's layered style,
#   with its edit box and list, and with both: what each part costs the hotkey's show.
# A private Wine prefix (in VTX_BUILD) and, when DISPLAY is not set, a private Xvfb are used.
set -euo pipefail
VTX_SOURCE="${VTX_SOURCE:-$(cd "$(dirname "$0")/.." && pwd)}"
VTX_BUILD="$(cd "${VTX_BUILD:-$VTX_SOURCE/build/win64}" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$VTX_BUILD/wine-bench}"
REPS="${REPS:-7}"
LAUNCHES="${LAUNCHES:-1000}"
SHOWS="${SHOWS:-5}"
KEYS="${KEYS:-15}"
SIZES=("$@")
[ ${#SIZES[@]} -gt 0 ] || SIZES=(1000 100000)

source "$VTX_SOURCE/scripts/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then
  vtx_start_xvfb
  trap 'vtx_stop_wine' EXIT
fi
vtx_init_prefix
vtx_start_wine

PROGRAM_DIR="$WINEPREFIX/drive_c/vtx-bench"
PROGRAM_WIN='C:\vtx-bench\'
DATA_DIR="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Orvane/VTX"
RESULTS="$PROGRAM_DIR/results.txt"
driver() { wine "$VTX_BUILD/vtx_driver.exe" "$@" 2>/dev/null | tr -d '\r'; }
# The started program keeps the measuring driver's output open: it writes to a file, not a pipe.
measure() {
  wine "$VTX_BUILD/vtx_program_driver.exe" "$@" >"$PROGRAM_DIR/out.txt" 2>"$PROGRAM_DIR/err.txt" \
    || { echo "vtx_program_driver $*: $(tr -d '\r' <"$PROGRAM_DIR/err.txt")" >&2; exit 1; }
  tr -d '\r' <"$PROGRAM_DIR/out.txt"
}
# The same for a command whose failure ends a sequence rather than the benchmark.
try_measure() {
  wine "$VTX_BUILD/vtx_program_driver.exe" "$@" >"$PROGRAM_DIR/out.txt" 2>"$PROGRAM_DIR/err.txt" || return 1
  tr -d '\r' <"$PROGRAM_DIR/out.txt"
}

rm -rf "$PROGRAM_DIR"
mkdir -p "$PROGRAM_DIR"
cp "$VTX_BUILD/vantrix.exe" "$VTX_BUILD/vtx_probe.exe" "$VTX_BUILD/vtx_bare_tray.exe" "$PROGRAM_DIR/"
PROGRAMS=(vtx bare)
if [ -n "${VTX_BEFORE:-}" ]; then
  cp "$VTX_BEFORE" "$PROGRAM_DIR/vantrix-before.exe"
  PROGRAMS=(vtx bare before)
fi
: >"$RESULTS"
record() { echo "$1 $2 $3 $4" >>"$RESULTS"; }  # size program measure value

# n records with random lower-case names of 4 to 12 letters (fixed seed), unsorted, and the probe
# shortcut the launches start. The runs start from the list as the program saves it (in order):
# that is the list a user's start-up reads.
catalogue() {
  awk -v n="$1" 'BEGIN {
    srand(20240601);
    for (i = 0; i < n; i++) {
      len = 4 + int(rand() * 9); name = "";
      for (j = 0; j < len; j++) name = name sprintf("%c", 97 + int(rand() * 26));
      printf "%s %d|c:\\apps\\%s.exe|c:\\apps\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0\r\n", name, i, name;
    }
    printf "probe|c:\\vtx-bench\\vtx_probe.exe|c:\\vtx-bench\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0\r\n";
  }'
}

prepare() {
  rm -rf "$DATA_DIR"
  mkdir -p "$DATA_DIR"
  printf 'program=vtx\r\nfirstrun=0\r\nstartonstartup=0\r\nshowprogram=0\r\nhotkey=Win+Z\r\n' >"$DATA_DIR/set.set"
  cp "$PROGRAM_DIR/list-$1.ini" "$DATA_DIR/list2.ini"
}

# "PRIVATE_KB RSS_KB" of the running EXE (a name in PROGRAM_DIR) of this Wine prefix.
memory() {
  local d cmd
  for d in /proc/[0-9]*; do
    cmd="$(tr '\0' ' ' 2>/dev/null <"$d/cmdline")" || continue
    case "$cmd" in *"vtx-bench\\$1"*) ;; *) continue ;; esac
    tr '\0' '\n' 2>/dev/null <"$d/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
    awk '/^RssAnon:/ { p += $2 } /^VmSwap:/ { p += $2 } /^VmRSS:/ { r = $2 } END { print p, r }' "$d/status"
    return 0
  done
  echo "- -"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR ? v[int((NR + 1) / 2)] : "-") }'; }
# "hotkey 31.2 20.1 19.8": the first value, and the median of the others.
first() { awk '{ print $2 }'; }
rest_median() { awk '{ for (i = 3; i <= NF; i++) print $i }' | median; }
all_median() { awk '{ for (i = 2; i <= NF; i++) print $i }' | median; }
field() { awk -v k="$1" -v c="${2:-2}" '$1 == k { print $c; exit }'; }

run_vantrix() {  # size run label exe
  local n="$1" run="$2" vtx="$3" out line priv rss done
  prepare "$n"
  out="$(measure start "$PROGRAM_WIN" "${PROGRAM_WIN}$4" OVVantrix)"
  record "$n" "$vtx" ready "$(field ready <<<"$out")"
  read -r priv rss <<<"$(memory "$4")"
  record "$n" "$vtx" priv_start "$priv"
  record "$n" "$vtx" rss_start "$rss"
  line="$(measure hotkey TForm1 "$SHOWS")"
  record "$n" "$vtx" show1 "$(first <<<"$line")"
  record "$n" "$vtx" show "$(rest_median <<<"$line")"
  out="$(measure keys TForm1 "$KEYS")"
  record "$n" "$vtx" key "$(grep '^key' <<<"$out" | all_median)"
  record "$n" "$vtx" null "$(field null <<<"$out")"
  read -r us _ null <<<"$(driver matchtime TForm1 m 200)"
  record "$n" "$vtx" hit "$us"
  record "$n" "$vtx" msg "$null"
  read -r us sel _ <<<"$(driver matchtime TForm1 'zzzzzz~' 200)"
  [ "$sel" = "-1" ] || { echo "the miss text selected row $sel" >&2; exit 1; }
  record "$n" "$vtx" miss "$us"
  record "$n" "$vtx" f2 "$(measure open TForm1 113 TForm2 | field open)"  # 113: VK_F2
  # Each window's first opening and what it added to the private memory.
  local step=0 was cls
  read -r was _ <<<"$(memory "$4")"
  local opened=""
  while out="$(try_measure openstep "$step" "${PROGRAM_WIN}vtx_probe.exe" 2>/dev/null)"; do
    read -r priv _ <<<"$(memory "$4")"
    while read -r cls ms; do
      record "$n" "$vtx" "window_$cls" $(( priv - was ))
      record "$n" "$vtx" "window_ms_$cls" "$ms"
      opened="$opened $cls"
    done < <(awk '$1 == "opened" { print $2, $3 }' <<<"$out")
    was="$priv"
    step=$((step + 1))
  done
  OPENED[$n]="${opened# }"
  measure settle TForm1 >/dev/null
  read -r priv rss <<<"$(memory "$4")"
  record "$n" "$vtx" priv_all "$priv"
  record "$n" "$vtx" rss_all "$rss"
  if [ "$run" = 1 ] && [ "$LAUNCHES" -gt 10 ]; then
    rm -f "$PROGRAM_DIR/probe.log"
    measure launches 10 probe "${PROGRAM_WIN}probe.log" >/dev/null
    read -r priv rss <<<"$(memory "$4")"
    record "$n" "$vtx" priv_l10 "$priv"
    for ((done = 10; done < LAUNCHES; done += 100)); do
      measure launches $(( LAUNCHES - done < 100 ? LAUNCHES - done : 100 )) probe "${PROGRAM_WIN}probe.log" >/dev/null
    done
    read -r priv rss <<<"$(memory "$4")"
    record "$n" "$vtx" priv_lend "$priv"
    record "$n" "$vtx" rss_lend "$rss"
  fi
  record "$n" "$vtx" exit "$(measure close TForm1 | field exit)"
  driver gone TForm1 10000 || true
  record "$n" "$vtx" list2 $(( $(stat -c %s "$DATA_DIR/list2.ini") / 1024 ))
}

run_bare() {  # size
  local n="$1" out line priv rss
  out="$(measure start "$PROGRAM_WIN" "${PROGRAM_WIN}vtx_bare_tray.exe" VtxBareTray)"
  record "$n" bare ready "$(field ready <<<"$out")"
  read -r priv rss <<<"$(memory vtx_bare_tray.exe)"
  record "$n" bare priv_start "$priv"
  record "$n" bare rss_start "$rss"
  line="$(measure hotkey VtxBareWindow "$SHOWS")"
  record "$n" bare show1 "$(first <<<"$line")"
  record "$n" bare show "$(rest_median <<<"$line")"
  out="$(measure keys VtxBareWindow "$KEYS")"
  record "$n" bare key "$(grep '^key' <<<"$out" | all_median)"
  record "$n" bare null "$(field null <<<"$out")"
  read -r priv rss <<<"$(memory vtx_bare_tray.exe)"
  record "$n" bare priv_all "$priv"
  record "$n" bare rss_all "$rss"
  record "$n" bare exit "$(measure close VtxBareWindow | field exit)"
  driver gone VtxBareWindow 10000 || true
}

# The bare program's window with one of the launcher window's parts, for what each costs the show.
run_parts() {  # size
  local n="$1" part line
  for part in layered children layered+children; do
    measure start "$PROGRAM_WIN" "${PROGRAM_WIN}vtx_bare_tray.exe" VtxBareTray "$part" >/dev/null
    line="$(measure hotkey VtxBareWindow "$SHOWS")"
    record "$n" "bare_$part" show "$(rest_median <<<"$line")"
    measure close VtxBareWindow >/dev/null
    driver gone VtxBareWindow 10000 || true
  done
}

# The bare program with the system libraries vantrix.exe loads: how much of the difference is Wine's.
run_libs() {  # size
  local n="$1" out priv rss
  out="$(measure start "$PROGRAM_WIN" "${PROGRAM_WIN}vtx_bare_tray.exe" VtxBareTray libs)"
  record "$n" libs ready "$(field ready <<<"$out")"
  read -r priv rss <<<"$(memory vtx_bare_tray.exe)"
  record "$n" libs priv_start "$priv"
  record "$n" libs rss_start "$rss"
  measure close VtxBareWindow >/dev/null
  driver gone VtxBareWindow 10000 || true
}

printf 'Wine process start and end (vtx_probe.exe): %s ms\n' \
  "$(for _ in 1 2 3; do driver spawn "$PROGRAM_WIN" "${PROGRAM_WIN}vtx_probe.exe"; done | median)"
# One start of each that is not counted: Wine loads their libraries into the page cache.
catalogue 0 >"$PROGRAM_DIR/list-0.ini"
prepare 0
measure start "$PROGRAM_WIN" "${PROGRAM_WIN}vantrix.exe" OVVantrix >/dev/null
measure close TForm1 >/dev/null
measure start "$PROGRAM_WIN" "${PROGRAM_WIN}vtx_bare_tray.exe" VtxBareTray >/dev/null
measure close VtxBareWindow >/dev/null

declare -A OPENED
for n in "${SIZES[@]}"; do
  catalogue "$n" >"$PROGRAM_DIR/list-$n.ini"
  prepare "$n"
  measure start "$PROGRAM_WIN" "${PROGRAM_WIN}vantrix.exe" OVVantrix >/dev/null
  measure close TForm1 >/dev/null
  cp "$DATA_DIR/list2.ini" "$PROGRAM_DIR/list-$n.ini"
  for run in $(seq 1 "$REPS"); do
    echo "shortcuts $n, run $run of $REPS..." >&2
    # Each run starts with the next program in turn.
    for i in "${!PROGRAMS[@]}"; do
      case "${PROGRAMS[$(( (i + run - 1) % ${#PROGRAMS[@]} ))]}" in
        vtx) run_vantrix "$n" "$run" vtx vantrix.exe ;;
        before) run_vantrix "$n" "$run" before vantrix-before.exe ;;
        bare)
          run_bare "$n"
          run_libs "$n"
          [ "${BARE_PARTS:-0}" = 0 ] || run_parts "$n"
          ;;
      esac
    done
  done
done

# One row per measure and size: median (lowest..highest) of each program, each one's ratio to the
# bare program or its difference from it, and the target (checked for vantrix.exe).
echo
for n in "${SIZES[@]}"; do echo "Windows opened once at $n shortcuts (last run): ${OPENED[$n]:-none}"; done
awk -v sizes="${SIZES[*]}" -v launches="$LAUNCHES" -v programs="${PROGRAMS[*]}" '
  function med(k,   n, i, j, t, a) {
    if (vals[k] == "") return "";
    n = split(vals[k], a, " ");
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] + 0 < a[i] + 0) { t = a[i]; a[i] = a[j]; a[j] = t; }
    lo[k] = a[1]; hi[k] = a[n];
    return a[int((n + 1) / 2)];
  }
  function cell(k, scale, fmt,   m) {
    m = med(k);
    if (m == "") return "-";
    return sprintf(fmt " (" fmt ".." fmt ")", m / scale, lo[k] / scale, hi[k] / scale);
  }
  # kind "ratio": program / bare, the target a factor; "plus": program - bare in MB, the target MB.
  function compare(a, b, kind) {
    if (a == "" || b == "") return "-";
    if (kind == "ratio" && b > 0) return sprintf("%.2fx", a / b);
    if (kind == "plus") return sprintf("%+.1f MB", (a - b) / 1024);
    return "-";
  }
  function line(n, title, c1, c2, c3, d1, d3, verdict) {
    if (before) printf "%-9s %-40s %-22s %-22s %-22s %-9s %-9s %s\n", n, title, c1, c3, c2, d1, d3, verdict;
    else printf "%-9s %-40s %-22s %-22s %-9s %s\n", n, title, c1, c2, d1, verdict;
  }
  function row(n, title, key, scale, fmt, kind, target, applies,   a, b, c, verdict) {
    a = med(n SUBSEP "vtx" SUBSEP key); b = med(n SUBSEP "bare" SUBSEP key); c = med(n SUBSEP "before" SUBSEP key);
    verdict = "";
    if (applies && a != "" && b != "") {
      if (kind == "ratio" && b > 0) verdict = (a / b <= target ? "met" : "MISSED") sprintf(" (<= %.1fx)", target);
      if (kind == "plus") verdict = ((a - b) / 1024 <= target ? "met" : "MISSED") sprintf(" (<= +%d MB)", target);
    }
    line(n, title, cell(n SUBSEP "vtx" SUBSEP key, scale, fmt), cell(n SUBSEP "bare" SUBSEP key, scale, fmt),
         cell(n SUBSEP "before" SUBSEP key, scale, fmt), compare(a, b, kind), compare(c, b, kind), verdict);
  }
  function growth(n, p,   a, b) {
    a = med(n SUBSEP p SUBSEP "priv_l10"); b = med(n SUBSEP p SUBSEP "priv_lend");
    if (a == "" || b == "") return "-";
    g[p] = (b - a) / 1024;
    return sprintf("%.1f -> %.1f", a / 1024, b / 1024);
  }
  { k = $1 SUBSEP $2 SUBSEP $3; if ($4 != "") vals[k] = (vals[k] == "" ? $4 : vals[k] " " $4); }
  END {
    before = index(programs, "before") > 0;
    line("shortcuts", "measure", "vantrix", "bare", "before", "vs bare", "before", "target");
    ns = split(sizes, size, " ");
    for (s = 1; s <= ns; s++) {
      n = size[s]; big = (n + 0 >= 100000);
      row(n, "start to ready, ms", "ready", 1, "%.0f", "ratio", 1.3, 1);
      row(n, "hotkey to painted, first, ms", "show1", 1, "%.1f", "ratio", 2, 0);
      row(n, "hotkey to painted, ms", "show", 1, "%.1f", "ratio", 2, 1);
      b = med(n SUBSEP "bare" SUBSEP "show");
      np = split("layered children layered+children", part, " ");
      for (i = 1; i <= np; i++) {
        a = med(n SUBSEP "bare_" part[i] SUBSEP "show");
        if (a != "")
          line(n, "  bare window + " part[i] ", ms", cell(n SUBSEP "bare_" part[i] SUBSEP "show", 1, "%.1f"), "-", "-",
               compare(a, b, "ratio"), "-", "");
      }
      row(n, "keystroke to drawn, ms", "key", 1, "%.2f", "ratio", 2, big);
      row(n, "WM_NULL round trip, us", "null", 1, "%.0f", "ratio", 0, 0);
      row(n, "match hit (WM_SETTEXT), us", "hit", 1, "%.0f", "", 0, 0);
      row(n, "match miss (WM_SETTEXT), us", "miss", 1, "%.0f", "", 0, 0);
      row(n, "F2 to manager painted, ms", "f2", 1, "%.1f", "", 0, 0);
      row(n, "private after start, MB", "priv_start", 1024, "%.1f", "plus", 4, 1);
      row(n, "RSS after start, MB", "rss_start", 1024, "%.1f", "plus", 0, 0);
      a = med(n SUBSEP "libs" SUBSEP "priv_start"); b = med(n SUBSEP "bare" SUBSEP "priv_start");
      if (a != "" && b != "")
        line(n, "  of it Wine libraries: bare+libs, MB", cell(n SUBSEP "libs" SUBSEP "priv_start", 1024, "%.1f"), "-", "-",
             compare(a, b, "plus"), "-", "");
      row(n, "private, every window opened, MB", "priv_all", 1024, "%.1f", "plus", 8, 1);
      row(n, "RSS, every window opened, MB", "rss_all", 1024, "%.1f", "plus", 0, 0);
      if (launches > 0) {
        delete g;
        c1 = growth(n, "vtx"); c3 = growth(n, "before");
        verdict = ("vtx" in g) ? ((g["vtx"] <= 0.25 ? "met" : "MISSED") " (no growth: <= +0.25 MB)") : "";
        line(n, "private, launch 10 -> " launches ", MB", c1, "-", c3,
             ("vtx" in g) ? sprintf("%+.2f MB", g["vtx"]) : "-", ("before" in g) ? sprintf("%+.2f MB", g["before"]) : "-",
             verdict);
        row(n, "RSS after the launches, MB", "rss_lend", 1024, "%.1f", "", 0, 0);
      }
      nw = split("TForm2 shortcut-manager TForm16 multi-chooser TForm15 browsers TForm5 wizard TForm17 installed-programs TForm3 settings TForm4 about TForm18 quick-add", w, " ");
      for (i = 1; i < nw; i += 2)
        if ((n SUBSEP "vtx" SUBSEP "window_" w[i]) in vals || (n SUBSEP "before" SUBSEP "window_" w[i]) in vals)
          row(n, "1st open " w[i + 1] ", private +KB", "window_" w[i], 1, "%.0f", "", 0, 0);
      for (i = 1; i < nw; i += 2)
        if ((n SUBSEP "vtx" SUBSEP "window_ms_" w[i]) in vals || (n SUBSEP "before" SUBSEP "window_ms_" w[i]) in vals)
          row(n, "1st open " w[i + 1] ", ms", "window_ms_" w[i], 1, "%.1f", "", 0, 0);
      row(n, "exit, ms", "exit", 1, "%.0f", "", 0, 0);
      row(n, "list2.ini, KB", "list2", 1, "%.0f", "", 0, 0);
    }
  }' "$RESULTS"
