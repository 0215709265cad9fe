#!/usr/bin/env bash
# ThreadSanitizer run (build folder build-tsan) of the tests whose code runs
# on more than one thread: the tone-set generation thread, the simulated and
# real player and recorder callbacks, and the window tests.
#   The tests of the real audio stack need a sound server (as in .ci/run);
#   without one they are left out.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-tsan}
APP_TESTS=$(cd tests/app && ls */*.cpp | sed 's|.*/||; s/\.cpp$//' | grep -v '^start_prozess_test$')
PROGRAMME="test_core_tones test_platform_simulierter_abspieler test_platform_aufnehmer"
AUDIO="test_platform_portaudio_abspieler_audio test_platform_portaudio_aufnehmer_audio test_platform_messmikrofon_audio"
for t in $APP_TESTS; do PROGRAMME="$PROGRAMME test_app_$t"; done
# start_prozess_test starts the program again in child processes with file
# size limits and kills them on purpose; it checks processes, not threads.

server_da=0
if command -v pactl >/dev/null 2>&1 && [ -n "${XDG_RUNTIME_DIR:-}" ] && pactl info >/dev/null 2>&1; then server_da=1; fi
ZIELE="$PROGRAMME"
if [ "$server_da" = 1 ]; then ZIELE="$ZIELE $AUDIO"; else echo "no sound server: the audio tests are left out" >&2; fi

BUILD_DIR="$BUILD_DIR" SANITIZE=thread TARGETS="$ZIELE" bash tools/build.sh

export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false'
# Reports go to files: the player silences standard error while the sound
# libraries start.
BASIS="halt_on_error=1:exitcode=66:second_deadlock_stack=1:history_size=4:suppressions=$PWD/tools/tsan.supp"
fehler=0
for p in $ZIELE; do
  bin=$(find "$BUILD_DIR/tests" -type f -name "$p" -perm -u+x | head -1)
  log="$BUILD_DIR/$p.tsan.log"
  bericht="$BUILD_DIR/$p.tsan-bericht"
  rm -f "$bericht".*
  # Qt is not instrumented: its own locking is invisible to the checker, so
  # it must not judge memory that Qt alone touches. The audio callbacks run on
  # threads that the sound library starts; with that option their end is
  # misread as an error, so the two audio programs run without it (the sound
  # libraries' own races are suppressed in tools/tsan.supp).
  opts="$BASIS:log_path=$bericht:ignore_noninstrumented_modules=1"
  case "$p" in *_audio) opts="$BASIS:log_path=$bericht" ;; esac
  rc=0
  TSAN_OPTIONS="$opts" "$bin" >"$log" 2>&1 || rc=$?
  if [ "$rc" -eq 0 ]; then
    echo "tsan $p: clean"
  elif [ "$rc" -ne 66 ] && [[ "$p" == *_audio ]]; then
    # Levels and timing of the real audio stack are checked by the plain
    # runs; slowed down five- to fifteenfold by the checker they may miss.
    # Here only a report of the checker counts.
    echo "tsan $p: no report (a timing check missed under the checker's slowdown: $(grep -c '^\[  FAILED  \]' "$log") lines)"
  else
    echo "tsan $p: FAILED (exit $rc), end of $log:"
    tail -30 "$log"
    cat "$bericht".* 2>/dev/null | head -120 || true
    fehler=1
  fi
done
exit "$fehler"
