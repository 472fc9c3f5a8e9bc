#!/usr/bin/env bash
# Builds the libFuzzer targets (the fuzz preset, clang-14) and runs each for a bounded time,
# two at a time, at low priority. A crash, a leak or a sanitizer report stops that target
# and makes the script fail; the input is left as build-fuzz/artifacts/<target>/crash-*.
# Usage: tools/fuzz.sh [SECONDS_PER_TARGET (default 60)] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(sceneFile fontText cliArguments sgiImage)

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake --preset fuzz "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

# The committed corpus folder of each target (under tests/fuzz/corpus) and the longest input
# it tries (room to grow past the seeds; longer fonts and scenes only make runs slower).
corpus_of() {
    case $1 in
    sceneFile) echo scene 8192 ;; fontText) echo font 8192 ;; cliArguments) echo cli 4096 ;;
    sgiImage) echo sgi 20000 ;;
    esac
}

run() {
    local t=$1 work=build-fuzz/work/$1 art=build-fuzz/artifacts/$1/
    local corpus max_len
    read -r corpus max_len < <(corpus_of "$t")
    mkdir -p "$work" "$art"
    local status=0
    LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
        nice -n 10 "build-fuzz/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=120 \
        -rss_limit_mb=4096 -max_len="$max_len" -artifact_prefix="$art" -print_final_stats=1 \
        "$work" "tests/fuzz/corpus/$corpus" >"build-fuzz/$t.log" 2>&1 || status=$?
    echo "$t: exit $status, $(grep -o 'stat::number_of_executed_units: *[0-9]*' \
        "build-fuzz/$t.log" | grep -o '[0-9]*$') executions (log build-fuzz/$t.log)"
    return $status
}

failed=0
pids=()
for t in "${targets[@]}"; do
    run "$t" &
    pids+=($!)
    if [ ${#pids[@]} -ge 2 ]; then
        wait "${pids[0]}" || failed=1
        pids=("${pids[@]:1}")
    fi
done
for p in "${pids[@]}"; do wait "$p" || failed=1; done
exit $failed
