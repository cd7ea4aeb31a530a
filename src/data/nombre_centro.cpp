#include "data/nombre_centro.h"

#include "data/texto.h"

namespace sendaro {

int TamanoNombreCentro(std::string_view nombre) {
  const auto n = RecortarDerecha(nombre).size();
  if (n > 45) return 16;
  if (n >= 36) return 18;
  if (n >= 26) return 20;
  return 22;
}

}  // namespace sendaro
