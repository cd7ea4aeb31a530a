#include "data/pantalla.h"

#include <algorithm>

namespace sendaro {

bool HayQuePreguntarPantalla(const ModoPantalla& actual) {
  return !(actual.ancho == kModoDeseado.ancho && actual.alto == kModoDeseado.alto &&
           actual.profundidad >= kModoDeseado.profundidad);
}

std::optional<ModoPantalla> ModoDestino(const ModoPantalla& actual,
                                        const std::vector<ModoPantalla>& modos) {
  if (std::find(modos.begin(), modos.end(), kModoDeseado) == modos.end()) return std::nullopt;
  ModoPantalla destino = kModoDeseado;
  destino.profundidad = std::max(actual.profundidad, kModoDeseado.profundidad);
  return destino;
}

}  // namespace sendaro
