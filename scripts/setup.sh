#!/usr/bin/env bash
# Shared set-up of ./run and ./test: installs the Debian packages that are missing
# (only that step runs as root), then configures and builds into build/.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${DVL_BUILD_DIR:-$here/build}"

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev libxkbcommon-dev
  libsqlite3-dev libsdl2-dev libgtest-dev libgmock-dev
  espeak-ng sox fonts-liberation2 util-linux poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing missing packages: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then
    as_root=()
  elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
  else
    echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -q < /dev/null
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}" < /dev/null
fi

jobs="$(nproc 2>/dev/null || echo 4)"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE="${DVL_BUILD_TYPE:-RelWithDebInfo}" ${DVL_CMAKE_ARGS:-} < /dev/null
cmake --build "$build" -j "$jobs" < /dev/null
