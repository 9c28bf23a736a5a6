#!/bin/sh
# Shared by scripts/run and scripts/test: installs the Debian 12 packages Pelmo needs
# (as root) or names the one apt-get line to run, then configures and builds into build/.
# Usage: setup-build.sh TARGET [EXTRA-PACKAGE...]
set -eu
cd "$(dirname "$0")/.."

target=$1
shift
packages="g++ ninja-build cmake pkg-config ccache qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-declarative-dev
  qml6-module-qtqml qml6-module-qtqml-workerscript qml6-module-qtquick qml6-module-qtquick-controls
  qml6-module-qtquick-layouts qml6-module-qtquick-shapes
  qml6-module-qtquick-templates qml6-module-qtquick-window
  libpoppler-qt6-dev adwaita-icon-theme qt6-translations-l10n libglib2.0-bin librsvg2-bin
  libssl-dev libplist-dev $*"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ]; then
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing:$missing" >&2
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -q >&2
        # shellcheck disable=SC2086
        apt-get install -y -q --no-install-recommends $missing >&2
    else
        echo "Pelmo needs these Debian packages. Run:" >&2
        echo "  sudo apt-get install -y --no-install-recommends$missing" >&2
        exit 1
    fi
fi

# Ninja, because with Qt 6.4 the Makefile generator rewrites the metatype list on every build
# and so reruns moc, the QML registration and qmlcachegen on an unchanged tree. A build folder
# made by another generator is configured afresh.
if [ -f build/CMakeCache.txt ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' build/CMakeCache.txt; then
    rm -rf build
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build build --target "$target" -j2 >&2
