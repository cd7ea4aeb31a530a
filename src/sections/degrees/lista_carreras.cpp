#include "sections/degrees/lista_carreras.h"

#include <algorithm>
#include <numeric>

#include "data/alfabeto.h"
#include "data/texto.h"

namespace sendaro {

namespace {

bool TieneRama(const DatosCarreras& datos, int d, int codigo) {
  for (const int r : datos.Requisitos(d)) {
    if (r == codigo || r == kCodigoCualquierRama) return true;
  }
  return false;
}

int TemaDeTipo(int tipo) {
  switch (tipo) {
    case 1:
      return 10;
    case 2:
      return 11;
    case 3:
      return 13;
    default:
      return 0;
  }
}

}  // namespace

std::string TextoCuentaCarreras(const CatalogoTextos& catalogo, int mostradas, int total) {
  std::string texto = RecortarDerecha(catalogo.Texto(589)) + ": ";
  if (mostradas == total) return texto + RecortarDerecha(catalogo.Texto(590));
  return texto + std::to_string(mostradas) + " " + RecortarDerecha(catalogo.Texto(591)) + " " +
         std::to_string(total);
}

ListaFiltrada ListaCarreras(const TablaLinea& carreras, const DatosCarreras& datos, bool ordenar,
                            const FiltrosCarreras& filtros, const CatalogoTextos& catalogo) {
  const int n = datos.numCarreras;
  std::vector<int> orden(static_cast<std::size_t>(std::max(0, n)));
  std::iota(orden.begin(), orden.end(), 1);
  if (ordenar) {
    // Alphabetical order of the lines; equal lines keep their table order.
    std::stable_sort(orden.begin(), orden.end(),
                     [&carreras](int a, int b) { return MenorAlfabetico(carreras[a], carreras[b]); });
  }

  ListaFiltrada lista;
  if (filtros.ramaUsada && filtros.rama > 0) {
    const int codigo = filtros.rama + kCodigoPrimeraRama - 1;
    std::erase_if(orden, [&](int d) { return !TieneRama(datos, d, codigo); });
  }
  if (filtros.tipoUsado && filtros.tipo > 0) {
    std::erase_if(orden, [&](int d) { return datos.Tipo(d) != filtros.tipo; });
    if (filtros.tipoRecienCambiado) lista.temaAyuda = TemaDeTipo(filtros.tipo);
  }

  lista.carreras = orden;
  lista.filas.reserve(orden.size());
  for (const int d : orden) lista.filas.push_back(carreras[d]);
  lista.barraNombre = TextoCuentaCarreras(catalogo, static_cast<int>(orden.size()), n);
  return lista;
}

}  // namespace sendaro
