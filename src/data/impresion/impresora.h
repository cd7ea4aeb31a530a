// A printer as the screens see it: it asks the user for the printer (the
// print dialog) and then lets a printout draw on its page surface.
#pragma once

#include <functional>
#include <string_view>

#include "data/impresion/superficie_hoja.h"

namespace sendaro {

using TrabajoImpresion = std::function<void(SuperficieHoja&)>;

class Impresora {
 public:
  virtual ~Impresora() = default;

  // Asks for the printer for a report titled `titulo` (Windows-1252). When the
  // user confirms, runs the printout on the page surface and returns true;
  // when the user cancels, prints nothing and returns false.
  virtual bool Imprimir(std::string_view titulo, const TrabajoImpresion& trabajo) = 0;
};

}  // namespace sendaro
