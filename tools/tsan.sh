#!/usr/bin/env bash
# ThreadSanitizer run (build folder build-tsan) of the tests whose code runs
# on more than one thread: the tone-set generation thread, the simulated and
# real player and recorder callbacks, and the window tests.
#   The tests of the real audio stack need a sound server (as in .ci/run);
#   without one they are left out.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-tsan}
APP_TESTS=$(cd tests/app && ls *.cpp | sed 's/\.cpp$//' | grep -v '^start_prozess_test$')
PROGRAMME="test_core_tones test_platform_simulierter_abspieler test_platform_aufnehmer"
AUDIO="test_platform_portaudio_abspieler_audio test_platform_portaudio_aufnehmer_audio"
for t in $APP_TESTS; do PROGRAMME="$PROGRAMME test_app_$t"; done
# start_prozess_test starts the program again in child processes with file
# size limits and kills them on purpose; it checks processes, not threads.

server_da=0
if command -v pactl >/dev/null 2>&1 && [ -n "${XDG_RUNTIME_DIR:-}" ] && pactl info >/dev/null 2>&1; then server_da=1; fi
ZIELE="$PROGRAMME"
if [ "$server_da" = 1 ]; then ZIELE="$ZIELE $AUDIO"; else echo "no sound server: the audio tests are left out" >&2; fi

BUILD_DIR="$BUILD_DIR" SANITIZE=thread TARGETS="$ZIELE" bash tools/build.sh

export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false'
# Qt and the sound libraries are not instrumented: their own locking is not
# visible to the checker, so it must not judge memory they touch alone.
BASIS="halt_on_error=1:second_deadlock_stack=1:history_size=4:suppressions=$PWD/tools/tsan.supp"
fehler=0
for p in $ZIELE; do
  bin=$(find "$BUILD_DIR/tests" -type f -name "$p" -perm -u+x | head -1)
  opts="$BASIS:ignore_noninstrumented_modules=1"
  # The audio callbacks run on threads that the sound library starts; with
  # the option above their end is misread as an error, so those two run
  # without it.
  case "$p" in *_audio) opts="$BASIS" ;; esac
  log="$BUILD_DIR/$p.tsan.log"
  if TSAN_OPTIONS="$opts" "$bin" >"$log" 2>&1; then
    echo "tsan $p: clean"
  else
    echo "tsan $p: FAILED, end of $log:"
    tail -60 "$log"
    fehler=1
  fi
done
exit "$fehler"
