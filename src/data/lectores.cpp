#include "data/lectores.h"

#include <algorithm>

#include "data/texto.h"

namespace sendaro {
namespace {

// Stores the lines produced by convertir in slots 1.., empties the slots a
// previous, longer read left behind and sets the count.
template <typename Convertir>
int LlenarTabla(std::string_view bytes, std::string_view nombre, TablaLinea& tabla,
                Convertir convertir) {
  const int anterior = tabla.Cuenta();
  tabla.Fijar(0, nombre);
  int cuenta = 0;
  for (const std::string_view linea : DividirLineas(bytes)) {
    if (cuenta >= tabla.Capacidad()) break;
    ++cuenta;
    tabla.Fijar(cuenta, convertir(linea));
  }
  for (int n = cuenta + 1; n <= anterior; ++n) tabla.Fijar(n, "");
  tabla.FijarCuenta(cuenta);
  return cuenta;
}

}  // namespace

int AnalizarTabla(std::string_view bytes, std::string_view nombre, TablaLinea& tabla, int ancho) {
  return LlenarTabla(bytes, nombre, tabla,
                     [ancho](std::string_view linea) { return AplicarAncho(linea, ancho); });
}

int LeerTabla(Entorno& entorno, std::string_view nombre, TablaLinea& tabla, int ancho) {
  const auto bytes = AbrirFicheroTexto(entorno, nombre);
  if (!bytes) return tabla.Cuenta();
  return AnalizarTabla(*bytes, nombre, tabla, ancho);
}

int LeerTablaLarga(Entorno& entorno, std::string_view nombre, TablaLinea& tabla, int ancho) {
  return LeerTabla(entorno, nombre, tabla, ancho);
}

int AnalizarTablaBruta(std::string_view bytes, std::string_view nombre, TablaLinea& tabla) {
  return LlenarTabla(bytes, nombre, tabla, [](std::string_view linea) { return linea; });
}

int LeerTabla90(Entorno& entorno, std::string_view nombre, TablaLinea& tabla) {
  const auto bytes = AbrirFicheroTexto(entorno, nombre);
  if (!bytes) return tabla.Cuenta();
  return AnalizarTablaBruta(*bytes, nombre, tabla);
}

int LeerTablaSimple(Entorno& entorno, std::string_view nombre, TablaLinea& tabla) {
  return LeerTabla90(entorno, nombre, tabla);
}

int AnalizarFamilias(std::string_view bytes, std::string_view nombre, TablaLinea& tabla, int ancho,
                     NumerosLinea& lineas) {
  const int capacidad = std::min(tabla.Capacidad(), TablaLinea::kCapacidad);
  const int anterior = tabla.Cuenta();
  tabla.Fijar(0, nombre);
  int cuenta = 0;
  int numero = 0;
  for (const std::string_view linea : DividirLineas(bytes)) {
    ++numero;
    if (Columnas(linea, columnas::kFamiliaMarca.columna, 1) !=
        std::string_view(&columnas::kMarcaFamilia, 1)) {
      continue;
    }
    if (cuenta >= capacidad) break;
    ++cuenta;
    // The rest of the line from the text column; at most ancho bytes are kept.
    const auto inicio = static_cast<std::size_t>(columnas::kFamiliaTexto.columna - 1);
    tabla.Fijar(cuenta, AplicarAncho(linea.substr(inicio), ancho));
    lineas[static_cast<std::size_t>(cuenta)] = numero;
  }
  for (int n = cuenta + 1; n <= anterior; ++n) tabla.Fijar(n, "");
  tabla.FijarCuenta(cuenta);
  return cuenta;
}

int LeerFamilias(Entorno& entorno, std::string_view nombre, TablaLinea& tabla, int ancho,
                 NumerosLinea& lineas) {
  const auto bytes = AbrirFicheroTexto(entorno, nombre);
  if (!bytes) return tabla.Cuenta();
  return AnalizarFamilias(*bytes, nombre, tabla, ancho, lineas);
}

TablaBloques::TablaBloques(const DisposicionBloques& disposicion) : disposicion_(disposicion) {}

std::size_t TablaBloques::Indice(int bloque, int linea) const {
  return static_cast<std::size_t>(bloque) *
             static_cast<std::size_t>(disposicion_.lineasGuardadas + 1) +
         static_cast<std::size_t>(linea);
}

const std::string& TablaBloques::Linea(int bloque, int linea) const {
  static const std::string vacia;
  if (bloque < 1 || bloque > disposicion_.capacidadBloques || linea < 1 ||
      linea > disposicion_.lineasGuardadas) {
    return vacia;
  }
  const std::size_t i = Indice(bloque, linea);
  return i < lineas_.size() ? lineas_[i] : vacia;
}

int TablaBloques::Dificultad(int bloque) const {
  const std::string& linea = Linea(bloque, 1);
  if (linea.empty() || linea[0] < '0' || linea[0] > '9') return 0;
  return linea[0] - '0';
}

void TablaBloques::Fijar(int bloque, int linea, std::string_view texto) {
  if (bloque < 1 || bloque > disposicion_.capacidadBloques || linea < 1 ||
      linea > disposicion_.lineasGuardadas) {
    return;
  }
  // Blocks are stored up to the highest one written, as they are read.
  const std::size_t i = Indice(bloque, linea);
  if (i >= lineas_.size()) {
    // The text may be one of this table's own lines, which growing moves.
    std::string copia(Cortar(texto, disposicion_.caracteres));
    const std::size_t tope = Indice(disposicion_.capacidadBloques, disposicion_.lineasGuardadas) + 1;
    lineas_.resize(std::min(tope, std::max(i + 1, lineas_.size() * 2)));
    lineas_[i] = std::move(copia);
    return;
  }
  lineas_[i].assign(Cortar(texto, disposicion_.caracteres));
}

void TablaBloques::FijarCuenta(int n) { cuenta_ = std::clamp(n, 0, disposicion_.capacidadBloques); }

void TablaBloques::Vaciar() {
  for (auto& linea : lineas_) linea.clear();
  cuenta_ = 0;
}

int AnalizarBloques(std::string_view bytes, TablaBloques& tabla) {
  const DisposicionBloques& d = tabla.Disposicion();
  tabla.Vaciar();
  if (d.lineasPorBloque < 1) return 0;
  int bloque = 0;
  int indice = 0;
  int c = 0;
  for (const std::string_view linea : DividirLineas(bytes)) {
    if (c >= d.capacidadLineas) break;
    if (c % d.lineasPorBloque == 0) {
      if (bloque >= d.capacidadBloques) break;
      ++bloque;
      indice = 0;
    } else {
      ++indice;
      tabla.Fijar(bloque, indice, AplicarAncho(linea, d.ancho));
    }
    ++c;
  }
  tabla.FijarCuenta(bloque);
  return bloque;
}

int LeerBloques(Entorno& entorno, std::string_view nombre, TablaBloques& tabla) {
  const auto bytes = AbrirFicheroTexto(entorno, nombre);
  if (!bytes) return tabla.Cuenta();
  return AnalizarBloques(*bytes, tabla);
}

}  // namespace sendaro
