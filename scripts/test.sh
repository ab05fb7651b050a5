#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest: the unit
# and widget tests, the core tests under the address and undefined behaviour
# sanitizers, then a short run of every fuzz target (clang build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${VOKABIT_BUILD_DIR:-build}
scripts/build.sh -DVOKABIT_BUILD_TESTS=ON -DVOKABIT_BUILD_BENCH=ON
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

# The core tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# in a build tree of their own: a read past a buffer or undefined behaviour
# fails the run at once.
asanbuild=${VOKABIT_ASAN_BUILD_DIR:-build-asan}
core_tests=(tst_Lang tst_Settings tst_WordListFiles tst_VokabitConvert tst_RecentFiles
            tst_Practice)
sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
cmake -S . -B "$asanbuild" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOKABIT_BUILD_TESTS=ON \
  -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize"
cmake --build "$asanbuild" -j "$(nproc)" --target "${core_tests[@]}"
ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir "$asanbuild" --output-on-failure -j "$(nproc)" \
    -R "^($(IFS='|'; echo "${core_tests[*]}"))\$"

# Fuzz targets: built with clang in a build tree of their own, each run briefly.
fuzzbuild=${VOKABIT_FUZZ_BUILD_DIR:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$fuzzbuild" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVOKABIT_BUILD_TESTS=OFF -DVOKABIT_BUILD_FUZZ=ON -DVOKABIT_FUZZ_SECONDS=${VOKABIT_FUZZ_SECONDS:-15}
cmake --build "$fuzzbuild" -j "$(nproc)" --target vokabit_fuzzers
ctest --test-dir "$fuzzbuild" --output-on-failure -j "$(nproc)"
