#!/usr/bin/env bash
# Builds the file readers' fuzzing programs with clang and libFuzzer (address
# and undefined-behaviour checks on) and runs each for a fixed time.
#   SECONDS_PER_HARNESS  run time of each harness (default 60)
#   JOBS                 harnesses run at the same time (default: cores)
#   HARNESSES            which ones (default: all five)
#   TIMEOUT              seconds one input may take (default 1)
# Fails on any crash, leak, timeout or memory use above 512 MB. Inputs that
# made a harness fail are kept in build-fuzz/findings/<harness>/; copy them
# into tests/fuzz/regressions/<harness>/ once fixed, every run replays them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build-fuzz}
SECS=${SECONDS_PER_HARNESS:-60}
JOBS=${JOBS:-$(nproc)}
TIMEOUT=${TIMEOUT:-1}
HARNESSES=${HARNESSES:-"einstellungsdatei grundeinstellungen messgeraet_mes messgeraet_sch tondatei"}

CXX_CLANG=$(command -v clang++-14 || command -v clang++ || true)
if [ -z "$CXX_CLANG" ]; then
  echo "clang++ is not installed: no fuzzing" >&2
  exit 1
fi
GEN=()
if command -v ninja >/dev/null 2>&1; then GEN=(-G Ninja); fi
if command -v ccache >/dev/null 2>&1; then GEN+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD_DIR" "${GEN[@]}" -DCMAKE_CXX_COMPILER="$CXX_CLANG" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVAZOZEZ_FUZZ=ON -DVAZOZEZ_WERROR=ON
fi
cmake --build "$BUILD_DIR" -j"$(nproc)"

# Fixed starting corpus: the program's own files and the tests' byte images.
SEEDS="$BUILD_DIR/seeds"
rm -rf "$SEEDS" "$BUILD_DIR/corpus" "$BUILD_DIR/findings" "$BUILD_DIR/logs"
mkdir -p "$SEEDS/einstellungsdatei" "$SEEDS/grundeinstellungen" "$BUILD_DIR/logs"
"$BUILD_DIR/tests/fuzz/fuzz_seeds" "$SEEDS"
cp tests/data/*.qvl "$SEEDS/einstellungsdatei/"
cp tests/data/*.hoe "$SEEDS/grundeinstellungen/"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tools/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

einen_lauf() {
  local h=$1 prog="$BUILD_DIR/tests/fuzz/fuzz_$1"
  local korpus="$BUILD_DIR/corpus/$h" funde="$BUILD_DIR/findings/$h/" log="$BUILD_DIR/logs/$h.log"
  mkdir -p "$korpus" "$funde"
  local rc=0
  # Earlier findings first: each must now pass.
  if compgen -G "tests/fuzz/regressions/$h/*" >/dev/null; then
    "$prog" -timeout="$TIMEOUT" -rss_limit_mb=512 tests/fuzz/regressions/"$h"/* >"$log" 2>&1 || rc=$?
  fi
  if [ "$rc" -eq 0 ]; then
    "$prog" -seed=1 -max_total_time="$SECS" -timeout="$TIMEOUT" -rss_limit_mb=512 -print_final_stats=1 \
      -artifact_prefix="$funde" "$korpus" "$SEEDS/$h" >>"$log" 2>&1 || rc=$?
  fi
  local execs cov ft
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || true)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || true)
  if [ "$rc" -eq 0 ]; then
    echo "fuzz $h: ok, ${execs:-?} runs, coverage ${cov:-?} edges, ${ft:-?} features"
  else
    echo "fuzz $h: FAILED (exit $rc), inputs in $funde; end of $log:"
    tail -40 "$log"
  fi
  return "$rc"
}

fehler=0
pids=()
namen=()
for h in $HARNESSES; do
  einen_lauf "$h" &
  pids+=($!)
  namen+=("$h")
  if [ "${#pids[@]}" -ge "$JOBS" ]; then
    wait "${pids[0]}" || fehler=1
    pids=("${pids[@]:1}")
    namen=("${namen[@]:1}")
  fi
done
for p in "${pids[@]}"; do wait "$p" || fehler=1; done
exit "$fehler"
