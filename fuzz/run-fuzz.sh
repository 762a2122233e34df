#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Each target keeps its corpus in fuzz/corpus/<target>/, minimised after the
# run; crashes land in build/fuzz/artifacts/<target>/. The summary with the
# executions of every target goes to build/fuzz/summary.txt.
#
# usage: fuzz/run-fuzz.sh [SECONDS]   (default 60 per target)
set -u
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets="fuzz_blobs fuzz_number_text fuzz_cli_args fuzz_calculators"
build=build/fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -DVARENDO_FUZZ=ON -DVARENDO_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$build.configure.log" 2>&1 || { cat "$build.configure.log"; exit 1; }
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" >"$build.build.log" 2>&1 || {
    grep -E 'error|Error' "$build.build.log" | head -40
    exit 1
}

summary="$build/summary.txt"
: >"$summary"
failed=""
for t in $targets; do
    corpus="fuzz/corpus/$t"
    artifacts="$build/artifacts/$t"
    mkdir -p "$corpus" "$artifacts"
    dict=""
    [ -f "fuzz/$t.dict" ] && dict="-dict=fuzz/$t.dict"
    echo "== $t: $seconds s"
    # shellcheck disable=SC2086
    "$build/$t" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$artifacts/" $dict "$corpus" >"$build/$t.log" 2>&1
    rc=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/$t.log" | tail -n 1)
    crashes=$(find "$artifacts" -type f | wc -l)
    # Keep only the inputs that add coverage.
    merged="$build/merged/$t"
    rm -rf "$merged" && mkdir -p "$merged"
    if "$build/$t" -merge=1 "$merged" "$corpus" >"$build/$t.merge.log" 2>&1; then
        rm -rf "$corpus" && mkdir -p "$corpus" && cp "$merged"/* "$corpus"/ 2>/dev/null
    fi
    kept=$(find "$corpus" -type f | wc -l)
    line="$t: ${runs:-?} executions in $seconds s, exit $rc, $crashes crash files, corpus $kept inputs"
    echo "$line" | tee -a "$summary"
    if [ "$rc" -ne 0 ] || [ "$crashes" -gt 0 ]; then
        failed="$failed $t"
        grep -E 'ERROR|SUMMARY|runtime error' "$build/$t.log" | head -10
    fi
done
[ -z "$failed" ] || { echo "fuzz: findings in:$failed (see $build/artifacts/)"; exit 1; }
