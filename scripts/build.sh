#!/usr/bin/env bash
# Configures and builds into the folder given (default build/); extra arguments go to cmake.
# OVIX_TARGETS, when set, names the targets to build (default: everything).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1 CCACHE_COMPILERCHECK=content
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
# shellcheck disable=SC2086
cmake --build "$dir" --parallel "$(nproc)" ${OVIX_TARGETS:+--target $OVIX_TARGETS}
