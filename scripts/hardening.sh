#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Builds Zendrel with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test
# (the randomized window test included), runs each fuzz target for a bounded time, and
# checks the formatting and runs clang-tidy. Any sanitizer finding, fuzzer finding,
# unformatted file or clang-tidy finding fails.
#
# Options (environment): FUZZ_SECONDS (default 60) per fuzz target; ASAN_BUILD_DIR and
# FUZZ_BUILD_DIR (default build-asan, build-fuzz); FUZZ_CORPUS_DIR, outside the
# repository (default /tmp/zendrel-fuzz-corpus), kept between runs so that fuzzing
# resumes where it stopped.
set -euo pipefail
cd "$(dirname "$0")/.."

fuzz_seconds=${FUZZ_SECONDS:-60}
asan_dir=${ASAN_BUILD_DIR:-build-asan}
fuzz_dir=${FUZZ_BUILD_DIR:-build-fuzz}
tidy_dir=${TIDY_BUILD_DIR:-build-tidy}
corpus_root=${FUZZ_CORPUS_DIR:-/tmp/zendrel-fuzz-corpus}
jobs=$(nproc)
start=$SECONDS

phase() {
    echo
    echo "== $1 (at $((SECONDS - start)) s)"
}

phase "Packages"
# The release's default clang, its runtimes (libFuzzer, the sanitizers) and its tools.
scripts/install-deps.sh clang libclang-rt-dev clang-format clang-tidy

# Every finding stops the process with a stack trace; leaks count as findings.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:print_stacktrace=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

phase "Sanitizer build"
# GCC's maybe-uninitialized analysis misfires on sanitizer-instrumented code (here inside
# libstdc++'s <regex>); the plain build keeps that warning as an error.
cmake -S . -B "$asan_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZENDREL_SANITIZE=ON -DZENDREL_WARNINGS_AS_ERRORS=ON \
    -DCMAKE_CXX_FLAGS=-Wno-maybe-uninitialized >/dev/null
cmake --build "$asan_dir" --parallel "$jobs"

phase "Tests under the sanitizers"
tests_start=$SECONDS
ctest --test-dir "$asan_dir" --output-on-failure --parallel "$jobs"
echo "Tests took $((SECONDS - tests_start)) s"

phase "Fuzz build"
CC=clang CXX=clang++ cmake -S . -B "$fuzz_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZENDREL_FUZZ=ON -DZENDREL_SANITIZE=ON -DZENDREL_BUILD_TESTS=OFF >/dev/null
cmake --build "$fuzz_dir" --parallel "$jobs" \
    --target fuzz_parse_value fuzz_rounded_text fuzz_wave_header

# A few ordinary inputs to start from, so that the fuzzers begin inside valid input.
seed_corpus() {
    local dir=$1
    [[ -n $(ls -A "$dir") ]] && return 0
    case $(basename "$dir") in
    fuzz_parse_value | fuzz_rounded_text)
        local i=0
        for text in 180 -1.5 1E-06 2.54E-05 302480.338777979 1,000.5 " 5 " 1.7976931348623157E+308; do
            printf '%s' "$text" >"$dir/seed$((i++))"
        done
        ;;
    fuzz_wave_header)
        # The canonical 44-byte header: stereo, 44100 Hz, 16 bits.
        printf 'RIFF\x24\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x02\x00\x44\xac\x00\x00\x10\xb1\x02\x00\x04\x00\x10\x00data\x00\x00\x00\x00' \
            >"$dir/canonical.wav"
        ;;
    esac
}

phase "Fuzzing, $fuzz_seconds s per target"
for target in fuzz_parse_value fuzz_rounded_text fuzz_wave_header; do
    corpus="$corpus_root/$target"
    findings="$corpus_root/findings/$target"
    mkdir -p "$corpus" "$findings"
    seed_corpus "$corpus"
    log="$corpus_root/$target.log"
    if ! "$fuzz_dir/fuzz/$target" -max_total_time="$fuzz_seconds" -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "FAIL: $target found a fault; the input is in $findings" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    seconds=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "$target: $runs executions in ${fuzz_seconds} s ($seconds per second), corpus $(ls "$corpus" | wc -l) inputs, no finding"
done

phase "Formatting"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "All tracked sources are formatted."

phase "Static analysis"
# A configure step alone writes the compile commands clang-tidy needs; the program's own
# sources are checked (the tests are checked by running them).
cmake -S . -B "$tidy_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
run-clang-tidy -p "$tidy_dir" -quiet -j "$jobs" \
    "^$PWD/(app|ui|dialer|unit_conv|calendar|wave|tools|packaging|fuzz)/.*\.cpp$" >"$tidy_dir/tidy.log" 2>&1 ||
    { grep -E 'error:|warning:' "$tidy_dir/tidy.log" | head -50; echo "FAIL: clang-tidy" >&2; exit 1; }
# The Qt-only platform files, which the Windows build uses, from a configure on them.
cmake -S . -B "$tidy_dir-portable" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZENDREL_PORTABLE=ON >/dev/null
run-clang-tidy -p "$tidy_dir-portable" -quiet -j "$jobs" "^$PWD/wave/.*_qt\.cpp$" \
    >"$tidy_dir-portable/tidy.log" 2>&1 ||
    { grep -E 'error:|warning:' "$tidy_dir-portable/tidy.log" | head -50; echo "FAIL: clang-tidy" >&2; exit 1; }
echo "clang-tidy found nothing."

phase "Done in $((SECONDS - start)) s"
