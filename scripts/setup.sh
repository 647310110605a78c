#!/usr/bin/env bash
# Shared set-up of ./run and ./test: installs the Debian packages that are missing
# (only that step runs as root), then configures and builds into build/.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${DVL_BUILD_DIR:-$here/build}"

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-translations-l10n libgl-dev libxkbcommon-dev
  libsqlite3-dev libsdl2-dev libgtest-dev libgmock-dev
  espeak-ng sox fonts-liberation2 util-linux poppler-utils ccache
)
"$here/scripts/install-packages.sh" "${packages[@]}"

jobs="$(nproc 2>/dev/null || echo 4)"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE="${DVL_BUILD_TYPE:-RelWithDebInfo}" ${DVL_CMAKE_ARGS:-} < /dev/null
cmake --build "$build" -j "$jobs" < /dev/null
