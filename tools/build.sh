#!/usr/bin/env bash
# Configures and builds the program, its tests and benchmarks.
#   BUILD_DIR   build folder (default: build)
#   SANITIZE=1       AddressSanitizer and UndefinedBehaviorSanitizer build
#   SANITIZE=thread  ThreadSanitizer build
#   TARGETS          only these targets (default: everything)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build}
SAN=OFF
TSAN=OFF
WERROR=ON
# The sanitizers make GCC report false "may be used uninitialized" warnings;
# the plain build keeps every warning an error.
if [ "${SANITIZE:-0}" = 1 ]; then SAN=ON; WERROR=OFF; fi
if [ "${SANITIZE:-0}" = thread ]; then TSAN=ON; WERROR=OFF; fi
GEN=()
if command -v ninja >/dev/null 2>&1; then GEN=(-G Ninja); fi
# A compiler cache, when installed, makes rebuilds in several work trees cheap.
if command -v ccache >/dev/null 2>&1; then GEN+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD_DIR" "${GEN[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAZOZEZ_SANITIZE=$SAN \
    -DVAZOZEZ_TSAN=$TSAN -DVAZOZEZ_WERROR=$WERROR
fi
ZIELE=()
for t in ${TARGETS:-}; do ZIELE+=(--target "$t"); done
cmake --build "$BUILD_DIR" -j"$(nproc)" "${ZIELE[@]}"
