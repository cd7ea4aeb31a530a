// The interface text catalogue "textos": line N is catalogue text N, cut to
// the length of its slot. Every visible text of the program comes from here.
#pragma once

#include <array>
#include <string>

#include "data/entorno.h"

namespace sendaro {

class CatalogoTextos {
 public:
  static constexpr int kUltimaLinea = 672;

  // Reads "textos" (from the language subfolder when one is in use) and fills
  // the slots. A missing file shows "Faltan ficheros (<name>). Vuelva a
  // instalar el programa", sets FalloGrave and returns false.
  bool Leer(Entorno& entorno);

  // Catalogue text n (1..672); empty for unused lines, lines missing from the
  // file and numbers out of range.
  const std::string& Texto(int n) const;

  // Maximum length of slot n; 0 for unused lines (341-345) and out of range.
  static int LongitudHueco(int n);

  // Fills the slots from raw lines (already right-trimmed, at most 75 bytes):
  // lineas[0] is line 1. Used by Leer and by tests.
  void Rellenar(const std::vector<std::string>& lineas);

 private:
  std::array<std::string, kUltimaLinea + 1> huecos_{};
};

}  // namespace sendaro
