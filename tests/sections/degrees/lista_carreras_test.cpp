// The whole-degree list: sorting, the branch and type filters with their
// latches, the help topics of the type filter and the name bar's count.
#include "sections/degrees/lista_carreras.h"

#include <gtest/gtest.h>

#include "sections/degrees/carreras_prueba.h"

namespace sendaro {
namespace {

using prueba::CatalogoCarreras;

// Degrees of every type: 1 "(D" and "I T", 2 "(L" and "Inge", 3 "(2", 0 none.
CatalogoCarreras Catalogo() {
  CatalogoCarreras c({"Medicina (L)", "Enfermeria (D)", "I T Informatica", "Ingenieria Naval",
                      "Psicopedagogia (2o ciclo)", "Bellas Artes", "Arquitectura  (L)"});
  c.Requisitos(1, {20, 1});
  c.Requisitos(2, {20});
  c.Requisitos(3, {19});
  c.Requisitos(4, {19, 15});  // any branch
  c.Requisitos(5, {22});
  c.Requisitos(6, {23});
  // 7 has no requirements at all.
  return c;
}

TEST(ListaCarreras, SinFiltrosTodasEnOrdenDeTablaOOrdenadas) {
  const CatalogoCarreras c = Catalogo();
  const ListaFiltrada tal = ListaCarreras(c.carreras, c.datos, false, {}, c.catalogo);
  EXPECT_EQ(tal.carreras, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(tal.filas[0], c.carreras[1]);
  EXPECT_EQ(tal.temaAyuda, 0);
  EXPECT_EQ(tal.barraNombre, "T589: T590");

  const ListaFiltrada ordenada = ListaCarreras(c.carreras, c.datos, true, {}, c.catalogo);
  EXPECT_EQ(ordenada.carreras, (std::vector<int>{7, 6, 2, 3, 4, 1, 5}));
  ASSERT_EQ(ordenada.filas.size(), 7u);
  for (std::size_t i = 0; i < 7; ++i)
    EXPECT_EQ(ordenada.filas[i], c.carreras[ordenada.carreras[i]]);
}

TEST(ListaCarreras, OrdenarDejaLasIgualesEnSuOrdenYSigueElAlfabeto) {
  // "\xC1" (A with accent) sorts as an A; equal lines stay in order.
  CatalogoCarreras c({"Zoologia", "\xC1lgebra", "Zoologia", "Arte"});
  const ListaFiltrada l = ListaCarreras(c.carreras, c.datos, true, {}, c.catalogo);
  EXPECT_EQ(l.carreras, (std::vector<int>{2, 4, 1, 3}));
}

struct CasoFiltro {
  const char* que;
  FiltrosCarreras filtros;
  std::vector<int> esperadas;
  int tema;
};

TEST(ListaCarreras, Filtros) {
  const CatalogoCarreras c = Catalogo();
  const std::vector<CasoFiltro> casos = {
      {"rama 2 (codigo 20) o cualquiera (15)", {true, 2, false, 0, false}, {1, 2, 4}, 0},
      {"rama 1 (codigo 19)", {true, 1, false, 0, false}, {3, 4}, 0},
      {"rama 5 (codigo 23)", {true, 5, false, 0, false}, {4, 6}, 0},
      {"rama 0: todas", {true, 0, false, 0, false}, {1, 2, 3, 4, 5, 6, 7}, 0},
      {"combo de rama cambiado sin pestillo",
       {false, 2, false, 0, false},
       {1, 2, 3, 4, 5, 6, 7},
       0},
      {"tipo 3 sin tocar la rama: tema 13", {false, 0, true, 3, true}, {5}, 13},
      {"tipo 1: tema 10", {false, 0, true, 1, true}, {2, 3}, 10},
      {"tipo 2: tema 11", {false, 0, true, 2, true}, {1, 4, 7}, 11},
      {"tipo 2 sobre la rama 2, cambiada la rama", {true, 2, true, 2, false}, {1, 4}, 0},
      {"tipo 0 con la rama 1: la rama manda", {true, 1, true, 0, true}, {3, 4}, 0},
  };
  for (const CasoFiltro& caso : casos) {
    const ListaFiltrada l = ListaCarreras(c.carreras, c.datos, false, caso.filtros, c.catalogo);
    EXPECT_EQ(l.carreras, caso.esperadas) << caso.que;
    EXPECT_EQ(l.temaAyuda, caso.tema) << caso.que;
    EXPECT_EQ(l.filas.size(), l.carreras.size()) << caso.que;
  }
}

TEST(ListaCarreras, FiltroSobreListaOrdenadaConservaElOrden) {
  const CatalogoCarreras c = Catalogo();
  const ListaFiltrada l =
      ListaCarreras(c.carreras, c.datos, true, {true, 2, false, 0, false}, c.catalogo);
  EXPECT_EQ(l.carreras, (std::vector<int>{2, 4, 1}));
}

TEST(ListaCarreras, BarraDeNombreCuentaLasMostradas) {
  const CatalogoCarreras c = Catalogo();
  EXPECT_EQ(TextoCuentaCarreras(c.catalogo, 12, 150), "T589: 12 T591 150");
  EXPECT_EQ(TextoCuentaCarreras(c.catalogo, 150, 150), "T589: T590");
  const ListaFiltrada l =
      ListaCarreras(c.carreras, c.datos, false, {true, 1, false, 0, false}, c.catalogo);
  EXPECT_EQ(l.barraNombre, "T589: 2 T591 7");
}

}  // namespace
}  // namespace sendaro
