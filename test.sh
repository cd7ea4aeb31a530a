#!/usr/bin/env bash
# Sets everything up like run.sh, then runs every test: the release build's
# tests; in one tree built with AddressSanitizer and UndefinedBehaviorSanitizer,
# the domain tests and the whole program on broken copies of the sample
# installation (tests/rotas); a short run of the fuzz targets; and the Debian
# package, built from the release tree and tried in a temporary root.
#
# The build trees (build, build-asan, build-fuzz) stay between runs, so a
# second run builds only what changed; each tree builds only the targets its
# stage needs. ccache is used when it is installed. Each stage prints its time.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
nucleos="$(nproc 2>/dev/null || echo 2)"

cmake_extra=(-DSENDARO_WERROR=ON)
if command -v ccache >/dev/null 2>&1; then
  cmake_extra+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Paths within the checkout are hashed relative to it: another clone hits.
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$raiz}"
fi

tiempos=()
etapa_nombre=""
etapa_inicio=$SECONDS
cerrar_etapa() {
  if [ -n "$etapa_nombre" ]; then
    local s=$((SECONDS - etapa_inicio))
    echo "-- $etapa_nombre: ${s} s"
    tiempos+=("$(printf '%6d s  %s' "$s" "$etapa_nombre")")
  fi
}
etapa() {
  cerrar_etapa
  etapa_nombre="$1"
  etapa_inicio=$SECONDS
  echo "== $1"
}

etapa "Preparación: paquetes y compilación de release"
SENDARO_CMAKE_EXTRA="${cmake_extra[*]}" "$raiz/tools/preparar.sh"

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/sendaro-xdg.XXXXXX)}"
chmod 700 "$XDG_RUNTIME_DIR"

etapa "Pruebas (release)"
ctest --test-dir "$raiz/build" --output-on-failure -j"$nucleos"

etapa "Compilación con ASan y UBSan: el programa y las pruebas del dominio"
cmake -S "$raiz" -B "$raiz/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" \
  -DSENDARO_SANITIZE=ON "${cmake_extra[@]}"
cmake --build "$raiz/build-asan" --target sendaro pruebas_dominio instalaciones_rotas

etapa "Pruebas del dominio con ASan y UBSan"
"$raiz/build-asan/tests/pruebas_dominio"

etapa "Instalaciones rotas: el programa entero con ASan y UBSan sobre copias con un fichero roto"
"$raiz/build-asan/tests/rotas/instalaciones_rotas" --programa "$raiz/build-asan/sendaro" \
  --instalacion "$raiz/build/instalacion" --temporal "$raiz/build-asan/rotas" --trabajos "$nucleos"

etapa "Fuzzing breve de los lectores"
CC=clang CXX=clang++ cmake -S "$raiz" -B "$raiz/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DSENDARO_SOLO_DOMINIO=ON -DSENDARO_FUZZ=ON "${cmake_extra[@]:1}"
cmake --build "$raiz/build-fuzz" --target fuzz_lectores
ctest --test-dir "$raiz/build-fuzz" --output-on-failure -L fuzz

etapa "Paquete Debian: construido, desempaquetado en una raíz temporal y probado allí"
"$raiz/packaging/probar_paquete.sh" "$raiz/build"

cerrar_etapa
echo "Tiempos:"
printf '%s\n' "${tiempos[@]}"
echo "Todas las pruebas han pasado."
