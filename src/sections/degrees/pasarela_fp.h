// The bridge from degrees to higher vocational titles: for each degree of
// "carreFP", the titles whose access list names it.
#pragma once

#include <string>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/tabla_linea.h"

namespace sendaro {

struct PasarelaFP {
  // The degrees reached by at least one title, their names sorted (stable).
  std::vector<std::string> carreras;
  std::vector<int> indice;  // row -> "carreFP" line
  // The titles of each listed degree, in title order (row by row).
  std::vector<std::vector<int>> titulos;
};

// Every title 1..lines of "FP" and every degree it gives access to; degrees
// outside "carreFP" are left out. A degree keeps every title that reaches it.
PasarelaFP ConstruirPasarela(const TablaLinea& titulosFP, const TablaLinea& carrerasFP,
                             const DatosCarreras& datos);

// The "FP" lines of the titles of row `fila` (from 0); nothing for no row.
std::vector<std::string> TitulosDeCarrera(const PasarelaFP& p, const TablaLinea& titulosFP,
                                          int fila);

}  // namespace sendaro
