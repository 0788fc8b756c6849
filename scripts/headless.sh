#!/usr/bin/env bash
# Sourced by scripts that need a screen and sound without a desktop: starts a private
# X server (1024x768x24) and a private PulseAudio daemon with a null sink, a source
# "loopmic" that hears what the sink plays, and the default input "pipemic", a
# microphone fed through a pipe; exports DISPLAY, PULSE_SERVER and VIMO_MIC_PIPE, and
# stops both on exit. What a test writes into VIMO_MIC_PIPE (22050 Hz, mono, 16-bit
# samples) is what the microphone hears. (The sink's loopback gives its samples in
# blocks of up to two seconds: fine for listening to a playback, too late for a take.)
# Usage: source scripts/headless.sh; headless_start

headless_pids=()
headless_dir=""

headless_stop() {
  local pid
  for pid in "${headless_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  headless_pids=()
  [ -n "$headless_dir" ] && rm -rf "$headless_dir"
  headless_dir=""
}

headless_start() {
  headless_dir=$(mktemp -d /tmp/vimo-headless.XXXXXX)
  trap headless_stop EXIT
  export XDG_RUNTIME_DIR="$headless_dir/runtime"
  mkdir -m 0700 "$XDG_RUNTIME_DIR"

  local display_number=$((90 + RANDOM % 400))
  while [ -e "/tmp/.X${display_number}-lock" ]; do display_number=$((display_number + 1)); done
  # -noreset: without it the server resets whenever its last client leaves, and the
  # next program may fail to connect.
  Xvfb ":${display_number}" -screen 0 1024x768x24 -noreset -nolisten tcp \
    >"$headless_dir/xvfb.log" 2>&1 &
  headless_pids+=($!)
  export DISPLAY=":${display_number}"

  mkdir -p "$headless_dir/pulse"
  PULSE_RUNTIME_PATH="$headless_dir/pulse" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --load="module-native-protocol-unix socket=$headless_dir/pulse/native" \
    --load="module-null-sink sink_name=vsink" \
    --load="module-remap-source master=vsink.monitor source_name=loopmic" \
    --load="module-pipe-source source_name=pipemic file=$headless_dir/pulse/mic format=s16le rate=22050 channels=1" \
    --load=module-always-sink >"$headless_dir/pulse.log" 2>&1 &
  headless_pids+=($!)
  export PULSE_SERVER="unix:$headless_dir/pulse/native"
  export VIMO_MIC_PIPE="$headless_dir/pulse/mic"

  local tries
  for tries in $(seq 1 100); do
    if xdpyinfo >/dev/null 2>&1 || xdotool getmouselocation >/dev/null 2>&1; then break; fi
    sleep 0.1
  done
  for tries in $(seq 1 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  pactl set-default-sink vsink >/dev/null
  pactl set-default-source pipemic >/dev/null
}
