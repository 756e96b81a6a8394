# Shared by the benchmark scripts: a private X server and a fresh settings file.
# Source it with the bin directory as $1; it exports DISPLAY, HOME and XDG_CONFIG_HOME.
set -euo pipefail
BENCH_BIN=${1:-build/bin}
BENCH_HOME=$(mktemp -d)
mkdir -p "$BENCH_HOME/config/Tessaron"
export HOME=$BENCH_HOME XDG_CONFIG_HOME=$BENCH_HOME/config XDG_RUNTIME_DIR=$BENCH_HOME
# The server picks a free display (-displayfd) and never resets between the runs (-noreset).
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$BENCH_HOME/display" >/dev/null 2>&1 &
BENCH_XPID=$!
trap 'kill $BENCH_XPID 2>/dev/null; rm -rf "$BENCH_HOME"' EXIT
for _ in $(seq 100); do [ -s "$BENCH_HOME/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$BENCH_HOME/display")
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

bench_settings() { { echo "[General]"; for kv in "$@"; do echo "$kv"; done; } > "$BENCH_HOME/config/Tessaron/Dovuruza50.conf"; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
