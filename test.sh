#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the full build, then the
# logic tests again under AddressSanitizer and UndefinedBehaviorSanitizer, then
# each libFuzzer target for a few seconds (scripts/fuzz.sh). cppcheck and clang-tidy
# run as tests of the full build (scripts/cppcheck.sh, scripts/clang-tidy.sh).
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
scripts/build.sh build
scripts/build.sh build-asan -DOVIX_SANITIZE=ON -DOVIX_LOGIC_ONLY=ON -DCMAKE_BUILD_TYPE=Debug

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
ctest --test-dir build --output-on-failure --timeout 300 -j "$(nproc)" || status=1
ctest --test-dir build-asan --output-on-failure --timeout 600 -j "$(nproc)" || status=1
scripts/fuzz.sh 4 || status=1
exit $status
