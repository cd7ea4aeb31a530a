// Readers of the fixed-column files with a layout of their own: comarcas and
// zones of the detail maps, universities, community addresses, vocational
// centres and double degrees. Columns come from data/disposiciones.h.
//
// As with the line tables, Analizar* works on a whole file's bytes and
// Leer* opens the file by the name as given. A missing file shows "Faltan
// ficheros (<nombre>). Vuelva a instalar el programa" and sets FalloGrave.
// Numbers are decimal digits, optionally after blanks; a field that is not a
// number is handled as each reader says, never read past its line.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "data/disposiciones.h"
#include "data/entorno.h"
#include "data/tabla_linea.h"

namespace sendaro {

// "comarcas": lines 1..41 stored under their own comarca number, later lines
// (sub-areas) as entries 42, 43, ... in line order.
struct TablaComarcas {
  static constexpr int kCapacidad = 60;
  static constexpr int kNumeradas = columnas::kComarcasNumeradas;

  std::array<std::string, kCapacidad + 1> nombres{};
  std::array<std::string, kCapacidad + 1> codigos{};
  // The comarca number of lines 1..41, in line order.
  std::array<int, kNumeradas + 1> numeros{};
  int cuenta = 0;
};

// A line among 1..41 whose number is missing or outside 1..60 shows "mal "
// + its line number and stops reading; the count is then left as it was.
// Returns the count: the number of the last entry read.
int AnalizarComarcas(const Entorno& entorno, std::string_view bytes, TablaComarcas& tabla,
                     int ancho);
int LeerComarcas(Entorno& entorno, std::string_view nombre, TablaComarcas& tabla, int ancho);

// "comarcasm": places numbered by line, each in one of 28 zones; each zone
// keeps its first three places in line order.
struct TablaZonas {
  static constexpr int kCapacidad = 100;
  static constexpr int kZonas = 28;
  static constexpr int kMiembrosPorZona = 3;

  std::array<std::string, kCapacidad + 1> nombres{};
  std::array<std::string, kCapacidad + 1> codigos{};
  std::array<int, kCapacidad + 1> zonas{};
  std::array<std::array<int, kMiembrosPorZona>, kZonas + 1> miembros{};
  std::array<int, kZonas + 1> numMiembros{};
  int cuenta = 0;
};

// A line without a zone number shows "mal " + the number of lines accepted
// so far and stops reading; the count and member lists are then left as
// they were. A zone number outside 1..28 is kept but joins no member list.
int AnalizarZonas(const Entorno& entorno, std::string_view bytes, TablaZonas& tabla, int ancho);
int LeerZonas(Entorno& entorno, std::string_view nombre, TablaZonas& tabla, int ancho);

// "LUGAR": universities by line number, slot 0 of the names = the file name.
struct TablaUniversidades {
  static constexpr int kCapacidad = TablaLinea::kCapacidad;

  TablaLinea nombres{TablaLinea::kLimiteNormal, kCapacidad};
  // Community code of each university; 0 when the field is not a number.
  std::array<int, kCapacidad + 1> comunidades{};
  std::array<std::string, kCapacidad + 1> direcciones{};
  int cuenta = 0;
};

int AnalizarUniversidades(std::string_view bytes, std::string_view nombre,
                          TablaUniversidades& tabla);
int LeerUniversidades(Entorno& entorno, std::string_view nombre, TablaUniversidades& tabla);

// "COMUINT": line k is community k's education web address.
struct TablaDirecciones {
  static constexpr int kCapacidad = 100;

  std::array<std::string, kCapacidad + 1> direcciones{};
  int cuenta = 0;
};

int AnalizarDirecciones(std::string_view bytes, TablaDirecciones& tabla);
int LeerDirecciones(Entorno& entorno, std::string_view nombre, TablaDirecciones& tabla);

// "LU1".."LU4": centre lines (columns 1-55) and up to ten two-digit codes.
struct TablaCentros {
  static constexpr int kCapacidad = TablaLinea::kCapacidad;
  static constexpr int kMaxCodigos = columnas::kCentroCodigos.repeticiones;
  // Stored for a code field that is not a number (it still counts).
  static constexpr int kSinCodigo = -1;

  TablaLinea lineas{TablaLinea::kLimiteNormal, kCapacidad};
  // The comarca ("LU4") or Madrid zone ("LU2") of each centre: its column 1
  // and the column 45 it had when read; empty for the other centres.
  std::array<std::string, kCapacidad + 1> regiones{};
  std::array<int, kCapacidad + 1> numCodigos{};
  std::array<std::array<int, kMaxCodigos>, kCapacidad + 1> codigos{};

  int Cuenta() const { return lineas.Cuenta(); }
};

// Codes are read until the first field that is blank or past the line's end.
int AnalizarCentros(std::string_view bytes, std::string_view nombre, TablaCentros& tabla);
int LeerCentros(Entorno& entorno, std::string_view nombre, TablaCentros& tabla);

// Barcelona's capital and Madrid's capital join their provinces, and the
// detail maps' codes are taken out of the centre lines: every line beginning
// with `antigua` is made to begin with `nueva`; from the first line beginning
// with `nueva` up to the line before the first later line beginning with
// `fin` (to the last line when `fin` is 0), the centre's region code is its
// column 1 followed by its column 45, and column 45 becomes a blank.
// "LU4": 'A' to '5', comarcas to the last line; "LU2": 'H' to '8', zones up
// to the first 'D' line. The degrees screen does it once when it loads the
// centre files (CargarDatosFijos); the other screens read the tables so.
void PrepararRegionesCentros(TablaCentros& tabla, char antigua, char nueva, char fin);

// "dobles": universities with their detail lines.
struct DetalleDoble {
  // Empty when the field is not a number.
  std::optional<int> tipo;
  std::optional<int> numero1;
  std::optional<int> numero2;
};

struct UniversidadDobles {
  static constexpr int kMaxDetalles = 25;

  int codigo = 0;
  std::string nombre;
  int numDetalles = 0;
  std::array<DetalleDoble, kMaxDetalles> detalles{};
};

struct TablaDobles {
  static constexpr int kCapacidad = 200;
  static constexpr int kLongitudTexto = 40;

  std::string titulo;                                             // the file name
  std::array<UniversidadDobles, kCapacidad + 1> universidades{};  // 1..cuenta
  int cuenta = 0;
};

// Each detail field that is not a number shows "ERROR en fichero de dobles".
// Universities beyond 200 and details beyond 25 are dropped, and so are
// detail lines with no stored university above them.
int AnalizarDobles(const Entorno& entorno, std::string_view bytes, std::string_view nombre,
                   TablaDobles& tabla);
int LeerDobles(Entorno& entorno, std::string_view nombre, TablaDobles& tabla);

inline constexpr std::string_view kErrorDobles = "ERROR en fichero de dobles";

}  // namespace sendaro
