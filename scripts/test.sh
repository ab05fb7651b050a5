#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest: the unit
# and widget tests, then a short run of every fuzz target (clang build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${VOKABIT_BUILD_DIR:-build}
scripts/build.sh -DVOKABIT_BUILD_TESTS=ON -DVOKABIT_BUILD_BENCH=ON
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

# Fuzz targets: built with clang in a build tree of their own, each run briefly.
fuzzbuild=${VOKABIT_FUZZ_BUILD_DIR:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$fuzzbuild" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVOKABIT_BUILD_TESTS=OFF -DVOKABIT_BUILD_FUZZ=ON -DVOKABIT_FUZZ_SECONDS=${VOKABIT_FUZZ_SECONDS:-15}
cmake --build "$fuzzbuild" -j "$(nproc)" --target vokabit_fuzzers
ctest --test-dir "$fuzzbuild" --output-on-failure -j "$(nproc)"
