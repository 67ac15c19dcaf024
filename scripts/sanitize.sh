#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer (clang)
# into build-sanitize/, runs the whole suite there, then runs the window fuzz
# target over its seed corpus for a bounded time (FUZZ_SECONDS, 60 by default)
# and the same target over the built-in lexicon (FUZZ_SECONDS_LEXICON, 30).
# Arguments go to the configure step, as with scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh

flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
# The libraries get the fuzzer's coverage instrumentation too, so that the
# fuzz target sees which branches of the window and engine an input reached.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$flags -fsanitize=fuzzer-no-link" \
  -DIGERAGOZO_BUILD_BENCHMARKS=OFF -DIGERAGOZO_BUILD_FUZZER=ON "$@"
cmake --build build-sanitize

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"

# New inputs the runs find go to scratch folders, so the committed seeds stay as they are.
found=build-sanitize/fuzz-found
found_lexicon=build-sanitize/fuzz-found-lexicon
mkdir -p "$found" "$found_lexicon"
# Not filling fresh memory makes the run about a seventh quicker.
export ASAN_OPTIONS="$ASAN_OPTIONS:max_malloc_fill_size=0"
./build-sanitize/tests/fuzz/window_fuzzer \
  -max_total_time="${FUZZ_SECONDS:-60}" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 "$found" tests/fuzz/corpus
# The built-in lexicon's verbs, from their own seeds and the first target's.
./build-sanitize/tests/fuzz/window_fuzzer_lexicon \
  -max_total_time="${FUZZ_SECONDS_LEXICON:-30}" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
  "$found_lexicon" tests/fuzz/corpus-lexicon tests/fuzz/corpus
