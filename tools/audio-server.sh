#!/usr/bin/env bash
# Starts or stops a PulseAudio server with a null sink "testsink" for the
# tests of the real audio stack. XDG_RUNTIME_DIR must be set by the caller
# (the tests need the same value) and be a private folder.
#   tools/audio-server.sh start | stop
set -euo pipefail
: "${XDG_RUNTIME_DIR:?XDG_RUNTIME_DIR must be set}"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
PULSE_HOME="$XDG_RUNTIME_DIR/home"
mkdir -p "$PULSE_HOME"

case "${1:-}" in
start)
  HOME="$PULSE_HOME" pulseaudio --daemonize=yes -n --exit-idle-time=-1 --disallow-exit --use-pid-file=yes \
    --log-target=file:"$XDG_RUNTIME_DIR/pulse.log" \
    --load="module-native-protocol-unix auth-anonymous=1" \
    --load="module-null-sink sink_name=testsink rate=44100 channels=2 sink_properties=device.description=TestSink" \
    --load="module-null-sink sink_name=keepalive" \
    --load="module-loopback source=keepalive.monitor sink=testsink latency_msec=10" 2>/dev/null
  for _ in $(seq 1 50); do
    if HOME="$PULSE_HOME" pactl info >/dev/null 2>&1; then break; fi
    sleep 0.1
  done
  HOME="$PULSE_HOME" pactl set-default-sink testsink
  HOME="$PULSE_HOME" pactl set-default-source testsink.monitor
  # An idle null sink starts with a long block: wait until its latency is short.
  for _ in $(seq 1 100); do
    lat=$(HOME="$PULSE_HOME" pactl list sinks 2>/dev/null | awk '/Name: testsink/{f=1} f&&/Latency:/{print $2; exit}')
    if [ -n "${lat:-}" ] && [ "${lat%%.*}" -lt 100000 ] 2>/dev/null; then break; fi
    sleep 0.1
  done
  echo "audio server started (pid $(cat "$XDG_RUNTIME_DIR/pulse/pid" 2>/dev/null || echo '?'))"
  ;;
stop)
  if [ -f "$XDG_RUNTIME_DIR/pulse/pid" ]; then
    pid=$(cat "$XDG_RUNTIME_DIR/pulse/pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
  fi
  ;;
*)
  echo "usage: $0 start|stop" >&2
  exit 2
  ;;
esac
