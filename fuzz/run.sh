#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz": clang, libFuzzer, address and undefined-behaviour
# sanitizers) and runs each for a while, as many at once as the machine has cores.
#   fuzz/run.sh [seconds per target, default 60] [target ...]
# Targets: record catalogue settings hotkey theme (all by default). New inputs go to
# build/fuzz/corpus/<target>, seeded from fuzz/corpus/<target>; an input that fails is saved
# as build/fuzz/artifacts/<target>-crash-... and can be replayed by passing it to the target.
# Keep such an input: copy it into fuzz/corpus/<target>/ with the fix, so every later run
# (scripts/test.sh runs each target for 20 s) tries it again first.
# VTX_FUZZ_JOBS sets how many targets run at once (default: the number of cores).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(record catalogue settings hotkey theme)
jobs="${VTX_FUZZ_JOBS:-$(nproc)}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

logs=build/fuzz/logs
mkdir -p "$logs" build/fuzz/artifacts

# One target: libFuzzer first runs every saved input (a fault found before must stay mended),
# then fuzzes from them for the given time.
run_target() {
    local t="$1" work="build/fuzz/corpus/$1" dict=()
    mkdir -p "$work"
    [ -f "fuzz/dict/$t.dict" ] && dict=(-dict="fuzz/dict/$t.dict")
    "build/fuzz/fuzz/vtx_fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=8192 -print_final_stats=1 -artifact_prefix="build/fuzz/artifacts/$t-" \
        "${dict[@]}" "$work" "fuzz/corpus/$t" >"$logs/$t.log" 2>&1
}

status=0
pids=()
names=()
finish() {  # waits for the oldest running target and reports it
    local t="${names[0]}"
    if wait "${pids[0]}"; then
        echo "== $t: ok ($(grep -m1 -o 'Done [0-9]* runs in [0-9]* second(s)' "$logs/$t.log" || echo 'saved inputs'))"
    else
        echo "== $t FAILED (log: $logs/$t.log)" >&2
        grep -E 'check failed|ERROR|SUMMARY|Test unit written|^artifact_prefix' "$logs/$t.log" >&2 || tail -n 30 "$logs/$t.log" >&2
        status=1
    fi
    pids=("${pids[@]:1}")
    names=("${names[@]:1}")
}
echo "== fuzzing ${targets[*]}: $seconds s each, $jobs at once"
for t in "${targets[@]}"; do
    [ ${#pids[@]} -ge "$jobs" ] && finish
    run_target "$t" &
    pids+=($!)
    names+=("$t")
done
while [ ${#pids[@]} -gt 0 ]; do finish; done
exit $status
