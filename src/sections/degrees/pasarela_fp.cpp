#include "sections/degrees/pasarela_fp.h"

#include <algorithm>
#include <numeric>

#include "data/alfabeto.h"
#include "data/texto.h"

namespace sendaro {

PasarelaFP ConstruirPasarela(const TablaLinea& titulosFP, const TablaLinea& carrerasFP,
                             const DatosCarreras& datos) {
  const int numCarreras = carrerasFP.Cuenta();
  std::vector<std::vector<int>> porCarrera(static_cast<std::size_t>(numCarreras + 1));
  const int numTitulos = std::min(titulosFP.Cuenta(), DatosCarreras::kMaxTitulos);
  for (int t = 1; t <= numTitulos; ++t) {
    for (const int d : datos.CarrerasTitulo(t)) {
      if (d >= 1 && d <= numCarreras) porCarrera[static_cast<std::size_t>(d)].push_back(t);
    }
  }
  std::vector<int> orden;
  for (int d = 1; d <= numCarreras; ++d) {
    if (!porCarrera[static_cast<std::size_t>(d)].empty()) orden.push_back(d);
  }
  std::stable_sort(orden.begin(), orden.end(), [&](int a, int b) {
    return MenorAlfabetico(carrerasFP[a], carrerasFP[b]);
  });
  PasarelaFP p;
  for (const int d : orden) {
    p.carreras.push_back(RecortarDerecha(carrerasFP[d]));
    p.indice.push_back(d);
    p.titulos.push_back(std::move(porCarrera[static_cast<std::size_t>(d)]));
  }
  return p;
}

std::vector<std::string> TitulosDeCarrera(const PasarelaFP& p, const TablaLinea& titulosFP,
                                          int fila) {
  std::vector<std::string> filas;
  if (fila < 0 || fila >= static_cast<int>(p.titulos.size())) return filas;
  for (const int t : p.titulos[static_cast<std::size_t>(fila)])
    filas.push_back(RecortarDerecha(titulosFP[t]));
  return filas;
}

}  // namespace sendaro
