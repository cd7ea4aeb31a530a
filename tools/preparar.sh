#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: installs the Debian packages that are
# missing, then configures and builds the release build in build/ (program,
# tools and the sample installation in build/instalacion/).
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

paquetes=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libqt6svg6 qt6-qpa-plugins libgl-dev libxrandr-dev libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-comic-neue fontconfig
  xvfb xauth x11-utils xdotool imagemagick poppler-utils strace
  appstream desktop-file-utils lintian
)

faltan=()
for p in "${paquetes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    faltan+=("$p")
  fi
done
if ((${#faltan[@]})); then
  echo "Instalando paquetes: ${faltan[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${faltan[@]}"
fi

cmake -S "$raiz" -B "$raiz/build" -G Ninja -DCMAKE_BUILD_TYPE=Release ${SENDARO_CMAKE_EXTRA:-}
cmake --build "$raiz/build"
