#!/usr/bin/env bash
# Sets everything up like run.sh, then runs every test: the release build's
# tests, the domain tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# the whole program under both sanitizers on broken copies of the sample
# installation (tests/rotas), and a short run of the fuzz targets.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
SENDARO_CMAKE_EXTRA="-DSENDARO_WERROR=ON" "$raiz/tools/preparar.sh"

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/sendaro-xdg.XXXXXX)}"
chmod 700 "$XDG_RUNTIME_DIR"

echo "== Pruebas (release)"
ctest --test-dir "$raiz/build" --output-on-failure -j2

echo "== Pruebas del dominio con ASan y UBSan"
cmake -S "$raiz" -B "$raiz/build-san" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DSENDARO_SOLO_DOMINIO=ON -DSENDARO_SANITIZE=ON -DSENDARO_WERROR=ON
cmake --build "$raiz/build-san"
ctest --test-dir "$raiz/build-san" --output-on-failure -j2

echo "== Instalaciones rotas: el programa entero con ASan y UBSan sobre copias con un fichero roto"
cmake -S "$raiz" -B "$raiz/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" \
  -DSENDARO_SANITIZE=ON -DSENDARO_WERROR=ON
cmake --build "$raiz/build-asan" --target sendaro instalaciones_rotas
"$raiz/build-asan/tests/rotas/instalaciones_rotas" --programa "$raiz/build-asan/sendaro" \
  --instalacion "$raiz/build/instalacion" --temporal "$raiz/build-asan/rotas"

echo "== Fuzzing breve de los lectores"
CC=clang CXX=clang++ cmake -S "$raiz" -B "$raiz/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DSENDARO_SOLO_DOMINIO=ON -DSENDARO_FUZZ=ON
cmake --build "$raiz/build-fuzz"
ctest --test-dir "$raiz/build-fuzz" --output-on-failure -L fuzz

echo "Todas las pruebas han pasado."
