// The interface text catalogue "textos": line N is catalogue text N, cut to
// the length of its slot. Every visible text of the program comes from here.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/entorno.h"
#include "data/tabla_linea.h"

namespace sendaro {

// Raw lines of "textos": at most 1000 lines of at most 75 bytes.
inline constexpr int kLongitudLineaTextos = 75;

// Fills the table from a whole file's bytes: slot 0 := nombre, then each
// line right-trimmed and cut to 75 bytes, up to the table's capacity.
// Returns the count, also kept in the table.
int AnalizarTextos(std::string_view bytes, std::string_view nombre, TablaLinea& lineas);

// Reads the file by the name as given (already behind the language
// subfolder). A missing file shows "Faltan ficheros (<nombre>). Vuelva a
// instalar el programa", sets FalloGrave and leaves the table as it was.
int LeerTextos(Entorno& entorno, std::string_view nombre, TablaLinea& lineas);

class CatalogoTextos {
 public:
  // Lines every catalogue must have: an installation's catalogue may stop
  // here. Lines after it, up to kUltimaLinea, hold the texts of later
  // features; a catalogue that lacks them leaves those texts empty.
  static constexpr int kLineasObligatorias = 677;
  static constexpr int kUltimaLinea = 900;

  // Reads "textos" (from the language subfolder when one is in use) and fills
  // the slots. A missing file, a broken one (see AbrirFicheroTexto) or one of
  // fewer than kLineasObligatorias lines shows "Faltan ficheros (<name>). Vuelva a instalar
  // el programa", sets FalloGrave and returns false.
  bool Leer(Entorno& entorno);

  // Catalogue text n (1..kUltimaLinea); empty for unused lines, lines missing from the
  // file and numbers out of range.
  const std::string& Texto(int n) const;

  // Maximum length of slot n; 0 out of range.
  static int LongitudHueco(int n);

  // Fills the slots from raw lines (already right-trimmed, at most 75 bytes):
  // lineas[0] is line 1. Used by Leer and by tests.
  void Rellenar(const std::vector<std::string>& lineas);

 private:
  std::array<std::string, kUltimaLinea + 1> huecos_{};
};

}  // namespace sendaro
