// The help bubble of the degrees screen: each topic is eight lines of the
// catalogue, revealed one per tick.
#pragma once

#include <array>
#include <optional>

namespace sendaro {

// Catalogue text of lines 1..8 of a topic; 0 is an empty line. Nothing for a
// topic the screen does not have (the bubble then keeps its lines).
using LineasAyuda = std::array<int, 8>;
std::optional<LineasAyuda> TemaAyuda(int tema);

// The bubble's reveal: each tick shows one more line, up to eight.
class RevelarAyuda {
 public:
  static constexpr int kPasos = 8;
  struct Paso {
    int linea = 0;     // 1..8, the line (and label) shown now
    bool fin = false;  // the last line: the timer stops
  };
  // The next step; after the eighth the counter starts again at 0.
  Paso Avanzar();
  int Contador() const { return paso_; }
  void Reiniciar() { paso_ = 0; }

 private:
  int paso_ = 0;
};

}  // namespace sendaro
