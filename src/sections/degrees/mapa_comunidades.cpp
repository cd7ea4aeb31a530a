#include "sections/degrees/mapa_comunidades.h"

namespace sendaro {

int ComunidadEn(const DatosPuntos& puntos, int x, int y) {
  if (x < 1 || x > kColumnasMapa || y < 1 || y > kFilasMapaComunidades) return 0;
  // The communities are the column's first 196 integers, row 1 first.
  return puntos.Valor(x, y - 1);
}

}  // namespace sendaro
