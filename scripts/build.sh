#!/usr/bin/env bash
# Configures and builds into the folder given (default build/); extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1 CCACHE_COMPILERCHECK=content
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
