#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang-14 into build-fuzz/
# (only they and the libraries they need) and runs each over its seed corpus
# in tests/fuzz/corpus/<target>/ for SECONDS seconds (default 10). Inputs the
# fuzzer finds go to a temporary folder, not into the repository; a crash
# leaves its input as crash-* in the current folder and fails the script.
#   scripts/fuzz.sh            # a short run, as ./test.sh does
#   scripts/fuzz.sh 600        # ten minutes per target
#   scripts/fuzz.sh 600 till_start_fuzz   # ten minutes, that target only
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
shift || true
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1 CCACHE_COMPILERCHECK=content
cmake -S . -B build-fuzz -G Ninja -DOVIX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
if [ $# -gt 0 ]; then targets="$*"; else targets=$(cd tests/fuzz/corpus && ls); fi
cmake --build build-fuzz --parallel "$(nproc)" --target $targets

found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
status=0
for target in $targets; do
    corpus=tests/fuzz/corpus/$target
    mkdir -p "$found/$target"
    echo "fuzzing $target for ${seconds}s"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=0 "$found/$target" "$corpus" \
        2>"$found/$target.log" || { status=1; tail -n 40 "$found/$target.log"; }
    grep -E '^Done|#[0-9]+ *DONE' "$found/$target.log" | tail -n 1 || true
done
exit $status
