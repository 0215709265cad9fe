#!/usr/bin/env bash
# Builds the program and runs every test.
#   BUILD_DIR, SANITIZE as for tools/build.sh
# The tests labelled "audio" need a sound server. One that is reachable is
# used (.ci/run starts one); otherwise the project's null-sink server
# (tools/audio-server.sh) runs for this test run in a private runtime folder
# and is stopped by its PID afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
BUILD_DIR=${BUILD_DIR:-build}
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:fast_unwind_on_malloc=0}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tools/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

EIGENER_LAUFZEITORDNER=""
server_beenden() {
  if [ -n "$EIGENER_LAUFZEITORDNER" ]; then
    XDG_RUNTIME_DIR="$EIGENER_LAUFZEITORDNER" bash tools/audio-server.sh stop || true
    rm -rf "$EIGENER_LAUFZEITORDNER"
  fi
}
trap server_beenden EXIT
# Asks without letting the client start a server of its own.
server_erreichbar() {
  command -v pactl >/dev/null 2>&1 || return 1
  local conf rc
  conf=$(mktemp)
  echo "autospawn = no" >"$conf"
  rc=0
  PULSE_CLIENTCONFIG="$conf" pactl info >/dev/null 2>&1 || rc=$?
  rm -f "$conf"
  return "$rc"
}
if ! server_erreichbar; then
  if command -v pulseaudio >/dev/null 2>&1; then
    EIGENER_LAUFZEITORDNER=$(mktemp -d /tmp/vazozez-test-runtime.XXXXXX)
    export XDG_RUNTIME_DIR="$EIGENER_LAUFZEITORDNER"
    bash tools/audio-server.sh start
  else
    echo "no sound server and no pulseaudio: the tests labelled audio are skipped" >&2
  fi
fi

if ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)" --timeout 900; then
  exit 0
fi
# The tests on the real sound server measure levels and timing in real time on
# a shared machine, where a stall of the whole machine can spoil one run.
# Those, and only those, get one more run: a fault of the program fails twice.
# Any other failing test fails the run at once.
audio=$(ctest --test-dir "$BUILD_DIR" -N -L audio | sed -n 's/^ *Test *#[0-9]*: //p')
while IFS= read -r zeile; do
  grep -qxF "${zeile#*:}" <<<"$audio" || exit 1
done <"$BUILD_DIR/Testing/Temporary/LastTestsFailed.log"
echo "only tests on the real sound server failed: running them once more" >&2
ctest --test-dir "$BUILD_DIR" --output-on-failure --rerun-failed --timeout 900
