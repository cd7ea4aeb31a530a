// The community under a pixel of the communities map, read from the region
// data of "puntos3": column x, row y of the picture (counted from 1; pixel
// column or row 0 picks nothing).
#pragma once

#include "data/registros.h"

namespace sendaro {

inline constexpr int kColumnasMapa = 281;
inline constexpr int kFilasMapaComunidades = 196;
inline constexpr int kComunidades = 19;

// The stored value, 0 outside the table; a community only when 1..19.
int ComunidadEn(const DatosPuntos& puntos, int x, int y);
inline bool EsComunidad(int codigo) { return codigo >= 1 && codigo <= kComunidades; }

}  // namespace sendaro
