#!/usr/bin/env bash
# clang-tidy over the programs' code (checks in .clang-tidy), of a configured build
# folder (default build/): fails on any finding. See scripts/clang_tidy_batches.py.
set -euo pipefail
cd "$(dirname "$0")/.."
exec python3 scripts/clang_tidy_batches.py "$@"
