#!/usr/bin/env bash
# Configures and builds Vokabit into build/ (or $VOKABIT_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${VOKABIT_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-RelWithDebInfo} "$@"
cmake --build "$build" -j "$(nproc)"
