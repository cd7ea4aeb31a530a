#!/usr/bin/env bash
# Builds the Debian package from a release build tree (default build/), unpacks
# it into a temporary root and tries it there as installed: its control data,
# the menu entry and software-centre metadata, help and version, the installed
# checker on the installed data and settings, and the program started by the
# menu entry's command until its hall has painted, with the theme set in the
# package's /etc and the sound module loaded from the package.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$raiz/build}"
id=io.github.sendaro.Sendaro

fallo() {
  echo "paquete: $*" >&2
  exit 1
}

rm -f "$build"/paquete/sendaro_*.deb
cpack --config "$build/CPackConfig.cmake" -B "$build/paquete" >/dev/null
deb=("$build"/paquete/sendaro_*.deb)
[ -f "${deb[0]}" ] || fallo "cpack no ha dejado ningún .deb en $build/paquete"
deb="${deb[0]}"
echo "Paquete: $deb"

tmp="$(mktemp -d /tmp/sendaro-paquete.XXXXXX)"
terminar() {
  [ -n "${prog:-}" ] && kill "$prog" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$tmp"
}
trap terminar EXIT
r="$tmp/raiz"
dpkg-deb -x "$deb" "$r"
dpkg-deb -e "$deb" "$tmp/control"

# Control data: runtime packages only, the fonts, the settings as a conffile.
depende="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depende"
grep -qE -- '-dev\b' <<<"$depende" && fallo "depende de un paquete -dev"
for p in libqt6widgets6 libqt6multimedia6 fonts-liberation2 fonts-comic-neue; do
  grep -qw "$p" <<<"$depende" || fallo "falta $p en Depends"
done
grep -qx /etc/sendaro/centro.ini "$tmp/control/conffiles" || fallo "centro.ini no es un conffile"

# The files where the program looks for them.
for f in usr/bin/sendaro usr/bin/sendaro-datos usr/lib/sendaro/libsendaro_audio.so \
         usr/share/sendaro/centro.ini etc/sendaro/centro.ini \
         usr/share/man/man1/sendaro.1.gz usr/share/man/man1/sendaro-datos.1.gz \
         usr/share/doc/sendaro/copyright usr/share/icons/hicolor/scalable/apps/$id.svg; do
  [ -f "$r/$f" ] || fallo "falta /$f"
done
for lado in 16 22 24 32 48 64 128 256; do
  png="$r/usr/share/icons/hicolor/${lado}x$lado/apps/$id.png"
  [ "$(identify -format %wx%h "$png")" = "${lado}x$lado" ] || fallo "icono de $lado mal: $png"
done
# lintian: no error, and no warning but CPack's ldconfig calls (CMakeLists.txt).
lintian --fail-on error,warning --suppress-tags maintscript-calls-ldconfig "$deb"
desktop-file-validate "$r/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$r/usr/share/metainfo/$id.metainfo.xml"

# Help, version and the checker, as installed.
"$r/usr/bin/sendaro" --version | grep -q '^Sendaro [0-9]' || fallo "sendaro --version"
"$r/usr/bin/sendaro" --help | grep -qF "la instalación está en $r/usr/share/sendaro" \
  || fallo "sendaro --help no nombra la instalación del paquete"
"$r/usr/bin/sendaro" --help | grep -qF "ajustes del centro en $r/etc/sendaro/centro.ini" \
  || fallo "sendaro --help no nombra los ajustes del sistema"
"$r/usr/bin/sendaro-datos" --version | grep -q 'Sendaro [0-9]' || fallo "sendaro-datos --version"
# The school's settings are read from the system's folder: the snow theme
# chosen there (the data's own settings say Inca) must be the hall's.
sed -i "s/^NombreCentro=.*/NombreCentro=IES Prueba del Paquete/; s/^LetraTema=.*/LetraTema=N/" \
  "$r/etc/sendaro/centro.ini"
grep -qx "LetraTema=I" "$r/usr/share/sendaro/centro.ini" || fallo "la muestra ya no usa el tema I"
"$r/usr/bin/sendaro-datos" comprobar

# The menu entry's command, from the package's bin folder, on a virtual
# display, until the hall has painted. TMPDIR keeps its single-copy lock apart
# from any other copy running on this machine.
exec_linea="$(sed -n 's/^Exec=//p' "$r/usr/share/applications/$id.desktop")"
export XDG_RUNTIME_DIR="$tmp/xdg" TMPDIR="$tmp"
mkdir -m 700 "$XDG_RUNTIME_DIR"
pantalla=99
while [ -e "/tmp/.X${pantalla}-lock" ]; do pantalla=$((pantalla + 1)); done
Xvfb ":$pantalla" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$pantalla"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
listo="$tmp/listo"
# shellcheck disable=SC2086  # the Exec line is a command and its arguments
PATH="$r/usr/bin:$PATH" SENDARO_LISTO="$listo" $exec_linea &
prog=$!
for _ in $(seq 600); do
  [ -e "$listo" ] && break
  kill -0 "$prog" 2>/dev/null || fallo "el programa instalado ha terminado antes de pintar el vestíbulo"
  sleep 0.1
done
[ -e "$listo" ] || fallo "el vestíbulo no se ha pintado en 60 s"
# The sound module starts right after: it must come from the package.
modulo="$r/usr/lib/sendaro/libsendaro_audio.so"
for _ in $(seq 100); do
  grep -qF "$modulo" "/proc/$prog/maps" 2>/dev/null && break
  sleep 0.1
done
grep -qF "$modulo" "/proc/$prog/maps" || fallo "no ha cargado $modulo"
# The animated hall keeps its theme's image list mapped.
grep -qF "$r/usr/share/sendaro/nieve.DXG" "/proc/$prog/maps" \
  || fallo "el vestíbulo no tiene el tema de /etc/sendaro/centro.ini"
echo "El programa instalado ha pintado el vestíbulo con los ajustes de /etc y cargado su módulo de sonido."
