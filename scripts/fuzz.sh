#!/usr/bin/env bash
# Fuzzes every file reader of the game with libFuzzer, under AddressSanitizer
# and UndefinedBehaviorSanitizer.
#
#   scripts/fuzz.sh [seconds-per-target] [target...]
#
# Configures build-fuzz/ with clang, builds the fuzz targets and runs each for
# the given time (default 60 s), starting from the seed corpus fuzz/corpus/<target>/
# and the inputs earlier runs found (build-fuzz/corpus/<target>/). Fails as
# soon as a target crashes, breaks a checked property, trips a sanitizer or
# leaks; the input that did it is left in build-fuzz/artifacts/. Without
# arguments after the time, every target runs: level_file, config_file,
# key_file, font_widths, campaign_settings, help_file, command_record,
# replay_file, net_message, relay_message.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/setup.sh"

seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(level_file config_file key_file font_widths campaign_settings help_file command_record
             replay_file net_message relay_message)
fi

install_missing "${packages[@]}" "${fuzz_packages[@]}"

build_dir="$top/build-fuzz"
find_compiler_cache
CC=clang CXX=clang++ cmake -S "$top" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "${compiler_cache[@]}" -DGULPWISE_FUZZ=ON -DGULPWISE_BENCHMARKS=OFF >/dev/null
cmake --build "$build_dir" --target gulpwise_fuzzers -j "$(nproc)"

use_sanitizer_options
# libFuzzer checks leaks input by input, not at exit, so the media libraries'
# leak at exit never shows here; the fast unwinder keeps fuzzing six times faster.
export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=1"
mkdir -p "$build_dir/artifacts" "$build_dir/logs"
rm -f "$build_dir/summary.txt"
summary=()
for target in "${targets[@]}"; do
    corpus="$build_dir/corpus/$target"
    log="$build_dir/logs/$target.log"
    mkdir -p "$corpus"
    echo "Fuzzing $target for $seconds s"
    # Standard output is closed for the targets: the game's messages about
    # bad files would drown libFuzzer's own report, which goes to stderr.
    # An input that takes over 10 s is a fault too: the game would hang on it.
    if ! "$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -close_fd_mask=1 \
        -print_final_stats=1 -artifact_prefix="$build_dir/artifacts/$target-" \
        "$corpus" "$top/fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "FAILED: fuzz target $target (log: $log)"
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    summary+=("$(printf '%-18s %12s runs %8s/s' "$target" "$runs" "$rate")")
done
printf '%s\n' "${summary[@]}" > "$build_dir/summary.txt"
echo "Fuzzing done, no fault found:"
printf '  %s\n' "${summary[@]}"
