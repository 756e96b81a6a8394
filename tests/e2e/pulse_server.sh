# A private PulseAudio server for one test or benchmark: its own runtime folder, one null sink as
# the default output (no sound card is touched), stopped when the calling script exits.
#
# Source it, then call `pulse_start`. It needs XDG_RUNTIME_DIR and HOME to be the script's own
# folders (the end-to-end and benchmark libraries set both); clients then find the server where
# every desktop puts it, $XDG_RUNTIME_DIR/pulse/native, with no PULSE_SERVER. Works as root too,
# as CI runs: the daemon only warns there, and real-time scheduling is left off so that a root
# daemon does not take a shared machine's cores from everything else.
#   pulse_available   whether the daemon is installed (scripts/deps.sh leaves it out on a
#                     PipeWire desktop)
#   pulse_start       starts the daemon and waits until it answers
#   pulse_sink        the null sink's name; its monitor source is "$(pulse_sink).monitor"
#   pulse_stop        stops it (also done at exit)

PULSE_SINK_NAME=zuzazizo_null
PULSE_PID=""

pulse_sink() { echo "$PULSE_SINK_NAME"; }

pulse_available() { command -v pulseaudio >/dev/null && command -v pactl >/dev/null; }

pulse_stop() {
  [ -n "$PULSE_PID" ] || return 0
  kill "$PULSE_PID" 2>/dev/null || true
  wait "$PULSE_PID" 2>/dev/null || true
  PULSE_PID=""
}

pulse_start() {
  : "${XDG_RUNTIME_DIR:?pulse_start needs a private XDG_RUNTIME_DIR}"
  pulse_available || { echo "pulseaudio is not installed (scripts/deps.sh)" >&2; return 1; }
  local log=$XDG_RUNTIME_DIR/pulseaudio.log
  # Clients must never start a server of their own (with the user's default set-up) behind ours.
  export PULSE_CLIENTCONFIG=$XDG_RUNTIME_DIR/pulse-client.conf
  echo "autospawn = no" >"$PULSE_CLIENTCONFIG"
  # -n: no default set-up script, so no hardware detection; the modules are named here. The
  # daemon gets no X display and a bus address that leads nowhere, so that it neither starts a
  # D-Bus daemon through X11 nor registers anywhere outside this test.
  env -u DISPLAY -u WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/no-bus" \
    pulseaudio -n --daemonize=no --use-pid-file=no --system=no --exit-idle-time=-1 \
    --realtime=no --high-priority=no --log-target=stderr --log-level=warning \
    --load=module-native-protocol-unix \
    --load="module-null-sink sink_name=$PULSE_SINK_NAME" \
    --load=module-suspend-on-idle \
    >"$log" 2>&1 &
  PULSE_PID=$!
  local existing
  existing=$(trap -p EXIT | sed "s/^trap -- '\(.*\)' EXIT$/\1/")
  # shellcheck disable=SC2064  # the earlier handler is expanded now, on purpose
  trap "pulse_stop; ${existing:-:}" EXIT
  for _ in $(seq 100); do
    if pactl info >/dev/null 2>&1; then
      pactl set-default-sink "$PULSE_SINK_NAME"
      return 0
    fi
    kill -0 "$PULSE_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "the PulseAudio server did not start:" >&2
  cat "$log" >&2
  return 1
}
