# shellcheck shell=bash
# A static web server for a script: scripts/web_serve.py on a free port of 127.0.0.1, stopped
# when the calling script exits.
#   serve_folder FOLDER [PATH]   starts it and waits until PATH (default: the folder's root)
#                                answers; SERVE_PORT is then its port

serve_folder() {
  local folder=$1 path=${2:-} existing
  SERVE_PORT=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  python3 "$(dirname "${BASH_SOURCE[0]}")/../web_serve.py" "$SERVE_PORT" "$folder" >/dev/null 2>&1 &
  SERVE_PID=$!
  existing=$(trap -p EXIT | sed "s/^trap -- '\(.*\)' EXIT$/\1/")
  # shellcheck disable=SC2064  # the earlier handler is expanded now, on purpose
  trap "kill $SERVE_PID 2>/dev/null || true; ${existing:-:}" EXIT
  for _ in $(seq 50); do
    python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$SERVE_PORT/$path')" \
      2>/dev/null && return 0
    sleep 0.1
  done
  echo "the web server did not answer on port $SERVE_PORT" >&2
  return 1
}
