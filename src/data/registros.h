// The binary record files read at start-up: the middle-grade places
// "datFPL2" and the map region data "puntos3". Both are little-endian and of
// a fixed size; a shorter file is refused whole (nothing is read) and the
// bytes after the expected size are ignored. The Leer* readers also refuse a
// file whose content cannot be right (DefectoRegistros); the Analizar*
// parsers take any bytes and the tables clamp what they give back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/disposiciones.h"
#include "data/entorno.h"

namespace sendaro {

// What makes one complete set of records unusable although it has its size:
// a row whose count (its first integer) does not fit in the row, a centre
// number of a 16-bit row outside 1..1000, a count of "datFPR" above its
// table's maximum, an integer of "puntos3" that is not a byte. A file of junk
// of the right size fails at once. The reason names the record and row
// ("registro 2, fila 17: ...", UTF-8, for people); nothing when usable.
std::optional<std::string> DefectoRegistros(const DisposicionRegistros& disposicion,
                                            std::string_view juego);

// "datFPL2": for each centre file group 1..4 ("LU1".."LU4") and
// middle-grade title 1..170, the centre line numbers that teach the title.
class TablaLugaresGM {
 public:
  static constexpr int kGrupos = registros::kDatFPL2.registros;
  static constexpr int kTitulos = registros::kDatFPL2.filas;
  static constexpr int kMaxCentros = registros::kDatFPL2.enterosPorFila - 1;

  TablaLugaresGM();

  // The stored count word of the row; 0 outside the table.
  int Palabra(int grupo, int titulo, int k) const;
  // The count of centres, limited to the 350 words the row has.
  int NumCentros(int grupo, int titulo) const;
  // Centre i (1..NumCentros); 0 outside.
  int Centro(int grupo, int titulo, int i) const;

  void Fijar(int grupo, int titulo, int k, std::uint16_t valor);

 private:
  friend bool AnalizarLugaresGM(std::string_view bytes, TablaLugaresGM& tabla);
  std::vector<std::uint16_t> palabras_;
};

// False (and the table untouched) when the bytes are fewer than 4 records.
bool AnalizarLugaresGM(std::string_view bytes, TablaLugaresGM& tabla);
// A missing, short or unusable file shows "Faltan ficheros (<nombre>).
// Vuelva a instalar el programa" and sets FalloGrave.
bool LeerLugaresGM(Entorno& entorno, std::string_view nombre, TablaLugaresGM& tabla);

// "puntos3": 281 columns of 636 32-bit integers, of which only the low byte
// is kept. Integer i counts from 0 at the start of the record, so that
// column x (1..281) starts at integer (x - 1) * 636.
class DatosPuntos {
 public:
  static constexpr int kColumnas = registros::kPuntos3.filas;
  static constexpr int kEnterosPorColumna = registros::kPuntos3.enterosPorFila;
  static constexpr int kEnteros = kColumnas * kEnterosPorColumna;

  DatosPuntos();

  // Low byte of integer i; 0 outside the record (reading past its end).
  std::uint8_t Byte(int i) const;
  // Integer k (from 0) counted from the start of column x; k may run into
  // the following columns.
  std::uint8_t Valor(int columna, int k) const;

 private:
  friend bool AnalizarPuntos(std::string_view bytes, DatosPuntos& datos);
  std::vector<std::uint8_t> bytes_;
};

bool AnalizarPuntos(std::string_view bytes, DatosPuntos& datos);
// Shows the missing-files message with the name and sets FalloGrave.
bool LeerPuntos(Entorno& entorno, std::string_view nombre, DatosPuntos& datos);
// Only reports success: the start-up code shows its own message.
bool LeerPuntosSinAviso(const Instalacion& instalacion, std::string_view nombre,
                        DatosPuntos& datos);

}  // namespace sendaro
