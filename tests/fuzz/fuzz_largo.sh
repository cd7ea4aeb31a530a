#!/usr/bin/env bash
# Fuzzes each file reader on its own, one after another on one core, for
# MINUTOS minutes each (10 by default), starting from the kept corpus in
# tests/fuzz/corpus. Prints the runs of each reader; stops at the first crash
# (the input is left as build-fuzz/tests/fuzz/crash-*).
#   tests/fuzz/fuzz_largo.sh [MINUTOS [LECTOR...]]
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
minutos="${1:-10}"
shift || true
lectores=("$@")
if ((${#lectores[@]} == 0)); then lectores=($(seq 0 20)); fi
nombres=(tabla larga bruta90 familias bloques comarcas zonas universidades direcciones centros
         dobles lugaresGM puntos textos comunida simple codificacion defectos_registros
         registros_carreras titulosFP centrosFP)

CC=clang CXX=clang++ cmake -S "$raiz" -B "$raiz/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DSENDARO_SOLO_DOMINIO=ON -DSENDARO_FUZZ=ON >/dev/null
cmake --build "$raiz/build-fuzz" --target fuzz_lectores
fuzz="$raiz/build-fuzz/tests/fuzz"

for n in "${lectores[@]}"; do
  corpus="$fuzz/corpus-$n"
  mkdir -p "$corpus"
  registro="$fuzz/largo-$n.log"
  if ! SENDARO_FUZZ_LECTOR="$n" "$fuzz/fuzz_lectores" -max_total_time=$((minutos * 60)) -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$fuzz/" \
      "$corpus" "$raiz/tests/fuzz/corpus" >"$registro" 2>&1; then
    echo "lector $n (${nombres[$n]}): FALLO, véase $registro"
    exit 1
  fi
  ejecuciones=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro")
  echo "lector $n (${nombres[$n]}): $ejecuciones ejecuciones en $minutos min, sin fallos"
done
