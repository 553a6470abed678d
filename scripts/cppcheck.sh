#!/usr/bin/env bash
# Static analysis of the programs' code with cppcheck (warnings, performance,
# portability). Every finding is mended, or justified where it stands (an
# inline "cppcheck-suppress" comment) or in cppcheck-suppressions.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
exec cppcheck --std=c++20 --language=c++ -I . \
    --enable=warning,performance,portability --inline-suppr \
    --suppressions-list=scripts/cppcheck-suppressions.txt --suppress=missingIncludeSystem \
    --error-exitcode=1 -q -j "$(nproc)" \
    platform store comms sales print reports accounts inventory exchange till sync tools
