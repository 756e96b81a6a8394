# Shared by the benchmark scripts: a private X server and a fresh settings file.
# Source it with the bin directory as $1; it exports DISPLAY, HOME and XDG_CONFIG_HOME.
set -euo pipefail
BENCH_BIN=${1:-build/bin}
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib/xserver.sh"
trap xserver_cleanup EXIT
xserver_home
BENCH_HOME=$XSERVER_HOME
xserver_start

bench_settings() { xserver_settings "$@"; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
