#!/usr/bin/env bash
# Builds the Debian package, checks it and its desktop files, installs it into this machine,
# starts the installed program from another folder and removes the package again. Needs root
# (or sudo) since it installs; CI runs it on its throw-away machine.
#   bash scripts/package_check.sh [BUILD_DIR]       (default: build-release, as scripts/run.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
bash scripts/deps.sh
source scripts/lib/apt.sh
ensure_packages desktop-file-utils appstream lintian

echo "== Package"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target zuzazizo skin_data
rm -f "$build"/zuzazizo_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$(pwd)/$build"/zuzazizo_*.deb)
dpkg-deb -f "$deb" Package Version Depends

echo "== Lint"
desktop-file-validate packaging/net.tessaron.zuzazizo.desktop
appstreamcli validate --no-net packaging/net.tessaron.zuzazizo.metainfo.xml
# Lintian's errors fail the check; its warnings and notes are shown.
lintian --fail-on error "$deb" 2>&1 | grep -v "running with root privileges" || true
lintian --fail-on error "$deb" >/dev/null 2>&1

echo "== Install"
# The package's own dependencies (fonts-liberation among them) come from the archive: make sure
# the package lists are there when one of them is missing.
apt-get install --simulate "$deb" 2>/dev/null | grep "^Inst " | grep -qv "^Inst zuzazizo " &&
  $sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" \
  >/dev/null
[ "$(readlink -f /usr/bin/zuzazizo)" = /usr/lib/zuzazizo/zuzazizo ] ||
  { echo "FAIL: /usr/bin/zuzazizo does not lead to /usr/lib/zuzazizo" >&2; exit 1; }
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/net.tessaron.zuzazizo.desktop)
command -v "$exec_line" >/dev/null || { echo "FAIL: the desktop entry runs '$exec_line'" >&2; exit 1; }
bash scripts/installed_check.sh "$exec_line"

echo "== Remove"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq zuzazizo >/dev/null
left=$(ls -d /usr/lib/zuzazizo /usr/bin/zuzazizo /usr/share/applications/net.tessaron.zuzazizo.desktop \
  /usr/share/icons/hicolor/48x48/apps/zuzazizo.png /usr/share/doc/zuzazizo 2>/dev/null || true)
[ -z "$left" ] || { echo "FAIL: left behind after removal: $left" >&2; exit 1; }
echo "ok: the package installed, started and was removed without a trace"
