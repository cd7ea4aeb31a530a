#!/usr/bin/env bash
# Sets everything up (packages, build, sample installation) and starts Sendaro
# on the sample installation. Arguments are passed to the program.
# Without a display it runs on a virtual X display and saves a screenshot of
# the hall to build/captura.png.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$raiz/tools/preparar.sh"

programa=("$raiz/build/sendaro" --datos "$raiz/build/instalacion" "$@")

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "${programa[@]}"
fi

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/sendaro-xdg.XXXXXX)}"
chmod 700 "$XDG_RUNTIME_DIR"
pantalla=99
while [ -e "/tmp/.X${pantalla}-lock" ]; do pantalla=$((pantalla + 1)); done
Xvfb ":$pantalla" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
listo="$(mktemp -u /tmp/sendaro-listo.XXXXXX)"
terminar() {
  [ -n "${prog:-}" ] && kill "$prog" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$listo"
}
trap terminar EXIT
trap 'exit 130' INT TERM
export DISPLAY=":$pantalla"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

echo "Sin pantalla: Sendaro se ejecuta en la pantalla virtual $DISPLAY."
SENDARO_LISTO="$listo" "${programa[@]}" &
prog=$!
for _ in $(seq 600); do
  if [ -e "$listo" ]; then
    sleep 1.5   # let the first animations settle
    import -window root "$raiz/build/captura.png"
    echo "Captura del vestíbulo guardada en $raiz/build/captura.png"
    break
  fi
  kill -0 "$prog" 2>/dev/null || break
  sleep 0.1
done
set +e
wait "$prog"
estado=$?
prog=
exit "$estado"
