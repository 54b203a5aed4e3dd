#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz": clang, libFuzzer, address and undefined-behaviour
# sanitizers) and runs each for a while, one after the other.
#   fuzz/run.sh [seconds per target, default 60] [target ...]
# Targets: record catalogue settings hotkey theme (all by default). New inputs go to
# build/fuzz/corpus/<target>, seeded from fuzz/corpus/<target>; an input that fails is saved
# as build/fuzz/artifacts/<target>-crash-... and can be replayed by passing it to the target.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(record catalogue settings hotkey theme)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2

status=0
for t in "${targets[@]}"; do
    work="build/fuzz/corpus/$t"
    mkdir -p "$work" build/fuzz/artifacts
    dict=()
    [ -f "fuzz/dict/$t.dict" ] && dict=(-dict="fuzz/dict/$t.dict")
    echo "== $t: $seconds s"
    if ! "build/fuzz/fuzz/vtx_fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -max_len=8192 -print_final_stats=1 -artifact_prefix="build/fuzz/artifacts/$t-" \
            "${dict[@]}" "$work" "fuzz/corpus/$t"; then
        echo "== $t FAILED" >&2
        status=1
    fi
done
exit $status
