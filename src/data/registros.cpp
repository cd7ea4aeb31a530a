#include "data/registros.h"

#include <algorithm>

#include "data/texto.h"

namespace sendaro {
namespace {

constexpr auto kPalabrasPorFila = static_cast<std::size_t>(registros::kDatFPL2.enterosPorFila);
constexpr auto kPalabrasPorGrupo =
    static_cast<std::size_t>(registros::kDatFPL2.filas) * kPalabrasPorFila;

std::size_t Posicion(int grupo, int titulo, int k) {
  return static_cast<std::size_t>(grupo - 1) * kPalabrasPorGrupo +
         static_cast<std::size_t>(titulo - 1) * kPalabrasPorFila + static_cast<std::size_t>(k);
}

bool DentroLugares(int grupo, int titulo, int k) {
  return grupo >= 1 && grupo <= TablaLugaresGM::kGrupos && titulo >= 1 &&
         titulo <= TablaLugaresGM::kTitulos && k >= 0 && k <= TablaLugaresGM::kMaxCentros;
}

unsigned Byte(std::string_view bytes, std::size_t i) {
  return static_cast<unsigned char>(bytes[i]);
}

}  // namespace

TablaLugaresGM::TablaLugaresGM()
    : palabras_(static_cast<std::size_t>(kGrupos) * kPalabrasPorGrupo, 0) {}

int TablaLugaresGM::Palabra(int grupo, int titulo, int k) const {
  if (!DentroLugares(grupo, titulo, k)) return 0;
  return palabras_[Posicion(grupo, titulo, k)];
}

int TablaLugaresGM::NumCentros(int grupo, int titulo) const {
  return std::min(Palabra(grupo, titulo, 0), kMaxCentros);
}

int TablaLugaresGM::Centro(int grupo, int titulo, int i) const {
  if (i < 1 || i > NumCentros(grupo, titulo)) return 0;
  return Palabra(grupo, titulo, i);
}

void TablaLugaresGM::Fijar(int grupo, int titulo, int k, std::uint16_t valor) {
  if (DentroLugares(grupo, titulo, k)) palabras_[Posicion(grupo, titulo, k)] = valor;
}

bool AnalizarLugaresGM(std::string_view bytes, TablaLugaresGM& tabla) {
  if (bytes.size() < static_cast<std::size_t>(registros::kDatFPL2.BytesTotales())) return false;
  // Records, rows and words follow each other in the file as in the table.
  for (std::size_t i = 0; i < tabla.palabras_.size(); ++i) {
    tabla.palabras_[i] =
        static_cast<std::uint16_t>(Byte(bytes, 2 * i) | (Byte(bytes, 2 * i + 1) << 8));
  }
  return true;
}

bool LeerLugaresGM(Entorno& entorno, std::string_view nombre, TablaLugaresGM& tabla) {
  const auto bytes = AbrirFicheroDatos(entorno, nombre);
  if (!bytes) return false;
  if (!AnalizarLugaresGM(*bytes, tabla)) {
    entorno.Avisar(MensajeFaltanFicheros(nombre));
    entorno.FalloGrave = true;
    return false;
  }
  return true;
}

DatosPuntos::DatosPuntos() : bytes_(static_cast<std::size_t>(kEnteros), 0) {}

std::uint8_t DatosPuntos::Byte(int i) const {
  if (i < 0 || i >= kEnteros) return 0;
  return bytes_[static_cast<std::size_t>(i)];
}

std::uint8_t DatosPuntos::Valor(int columna, int k) const {
  if (columna < 1 || columna > kColumnas || k < 0) return 0;
  // Beyond the record's end reads as 0, so a large k needs no extra check.
  const long indice = static_cast<long>(columna - 1) * kEnterosPorColumna + k;
  return indice >= kEnteros ? std::uint8_t{0} : Byte(static_cast<int>(indice));
}

bool AnalizarPuntos(std::string_view bytes, DatosPuntos& datos) {
  constexpr auto kBytesPorEntero = static_cast<std::size_t>(registros::kPuntos3.bytesPorEntero);
  if (bytes.size() < static_cast<std::size_t>(registros::kPuntos3.BytesTotales())) return false;
  for (std::size_t i = 0; i < datos.bytes_.size(); ++i) {
    datos.bytes_[i] = static_cast<std::uint8_t>(bytes[i * kBytesPorEntero]);
  }
  return true;
}

bool LeerPuntos(Entorno& entorno, std::string_view nombre, DatosPuntos& datos) {
  if (LeerPuntosSinAviso(entorno.instalacion, nombre, datos)) return true;
  entorno.Avisar(MensajeFaltanFicheros(nombre));
  entorno.FalloGrave = true;
  return false;
}

bool LeerPuntosSinAviso(const Instalacion& instalacion, std::string_view nombre,
                        DatosPuntos& datos) {
  const auto bytes = LeerFicheroCompleto(instalacion.Ruta(nombre));
  return bytes && AnalizarPuntos(*bytes, datos);
}

}  // namespace sendaro
