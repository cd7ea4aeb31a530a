#include "hall/vestibulo_estatico.h"

#include <gtest/gtest.h>

#include <vector>

namespace sendaro {
namespace {

TEST(Piloto, LaGuiaEntraAndandoYSeVuelveHaciaElAlumno) {
  // x, frame: the walk cycle repeats while x < 220, then frames 6 and 7.
  const std::vector<std::pair<int, int>> esperados = {
      {100, 0}, {110, 1}, {120, 2}, {130, 3}, {140, 4}, {150, 5}, {160, 0},
      {170, 1}, {180, 2}, {190, 3}, {200, 4}, {210, 5}, {220, 0}, {230, 1},
      {240, 2}, {250, 3}, {260, 4}, {270, 5}, {280, 6}, {290, 7}};
  PasoPiloto piloto;
  for (std::size_t i = 0; i < esperados.size(); ++i) {
    SCOPED_TRACE(i);
    const PasoPiloto::Paso p = piloto.Avanzar();
    EXPECT_EQ(p.dibujar, (Cuadro{esperados[i].first, 235, esperados[i].second}));
    EXPECT_EQ(p.fin, i + 1 == esperados.size());
  }
  EXPECT_TRUE(piloto.Terminado());
  EXPECT_EQ(piloto.Pasos(), 20);  // 20 ticks of 200 ms: about 4 s
}

TEST(AperturaPuerta, CincoCuadrosSubiendoDesdeLaPuerta) {
  struct Caso {
    int izquierda, puerta, x, y;
  };
  for (const Caso& c : {Caso{46, 1, 56, 170}, Caso{915, 6, 925, 170}, Caso{220, 7, 230, 510},
                        Caso{394, 8, 404, 510}, Caso{915, 11, 925, 510}}) {
    SCOPED_TRACE(c.puerta);
    AperturaPuerta a(c.izquierda, c.puerta);
    for (int tic = 0; tic < 5; ++tic) {
      const AperturaPuerta::Paso p = a.Avanzar();
      EXPECT_EQ(p.dibujar, (Cuadro{c.x, c.y - 10 * tic, tic}));
      EXPECT_EQ(p.primero, tic == 0);
      EXPECT_EQ(p.fin, tic == 4);
    }
  }
}

TEST(ZoomPuerta, ColumnaYAlturaDeCadaPuerta) {
  const std::vector<std::pair<int, ColumnaZoom>> casos = {
      {1, {1, 0}}, {2, {2, 0}},   {3, {3, 0}},   {4, {4, 0}},   {5, {5, 0}},
      {6, {6, 0}}, {7, {2, 305}}, {8, {3, 305}}, {9, {4, 305}}, {11, {6, 305}}};
  for (const auto& [puerta, columna] : casos) EXPECT_EQ(ColumnaDePuerta(puerta), columna) << puerta;
}

TEST(ZoomPuerta, DesdeLaPuertaCreceDiezVecesYAbreEnElUndecimoTic) {
  struct Caso {
    int puerta, ancho, alto;
  };
  for (const Caso& c :
       {Caso{1, 174, 399}, Caso{7, 174, 399}, Caso{11, 174, 399}, Caso{4, 32, 32}}) {
    SCOPED_TRACE(c.puerta);
    const ColumnaZoom col = ColumnaDePuerta(c.puerta);
    ZoomPuerta zoom(c.puerta, c.ancho, c.alto, ZoomPuerta::kDesdePuerta);
    for (int tic = 1; tic <= 10; ++tic) {
      const ZoomPuerta::Paso p = zoom.Avanzar();
      const int a = 5 + 10 * tic;  // 15, 25, ..., 105
      ASSERT_TRUE(p.estirar.has_value());
      EXPECT_FALSE(p.abrir);
      const int izquierda = (col.columna - 1) * c.ancho - a / 2;
      const int derecha = col.columna * c.ancho + a / 2;
      EXPECT_EQ(*p.estirar, (Recuadro{izquierda, col.arriba, derecha - izquierda, c.alto + a}));
    }
    const ZoomPuerta::Paso ultimo = zoom.Avanzar();
    EXPECT_TRUE(ultimo.abrir);
    EXPECT_FALSE(ultimo.estirar.has_value());
  }
}

TEST(ZoomPuerta, PrimerTamanoDeUnaPuertaDeAbajo) {
  ZoomPuerta zoom(8, 174, 399, ZoomPuerta::kDesdePuerta);
  // Column 3 from y 305, 15 pixels bigger: 7 on each side.
  EXPECT_EQ(*zoom.Avanzar().estirar, (Recuadro{341, 305, 188, 414}));
}

TEST(ZoomPuerta, EnElVestibuloAnimadoAbreAlPrimerTic) {
  ZoomPuerta zoom(3, 174, 399, ZoomPuerta::kInmediato);
  const ZoomPuerta::Paso p = zoom.Avanzar();
  EXPECT_TRUE(p.abrir);
  EXPECT_FALSE(p.estirar.has_value());
}

TEST(PanelAyuda, UnaLineaCadaDosTicsYFinAlNoveno) {
  struct Caso {
    int s;
    PasoAyudaPanel paso;
  };
  const std::vector<Caso> casos = {
      {0, {false, 1, 14, 0}}, {1, {false, 2, 15, 1}}, {2, {false, 0, 0, 2}},
      {3, {false, 3, 16, 3}}, {4, {false, 0, 0, 4}},  {5, {false, 4, 17, 5}},
      {6, {false, 0, 0, 6}},  {7, {false, 5, 18, 7}}, {8, {true, 0, 0, 0}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.s);
    const PasoAyudaPanel p = PasoDelPanelAyuda(c.s);
    EXPECT_EQ(p.fin, c.paso.fin);
    EXPECT_EQ(p.etiqueta, c.paso.etiqueta);
    EXPECT_EQ(p.texto, c.paso.texto);
    if (!p.fin) EXPECT_EQ(p.cuadro, c.paso.cuadro);
  }
}

std::vector<Recuadro> EtiquetasDelVestibulo() {
  std::vector<Recuadro> e;
  for (int x : {46, 220, 394, 568, 742}) e.push_back({x, 81, 83, 120});
  e.push_back({915, 82, 83, 120});
  for (int x : {220, 394, 568, 915}) e.push_back({x, 480, 83, 120});
  return e;
}

TEST(CeldasSinPuerta, AbajoFaltanLasColumnasUnoYCinco) {
  const std::vector<Recuadro> celdas =
      CeldasSinPuerta(174, 399, kPuertaEnTesela, EtiquetasDelVestibulo());
  EXPECT_EQ(celdas, (std::vector<Recuadro>{{0, 399, 174, 399}, {696, 399, 174, 399}}));
}

TEST(CeldasSinPuerta, CasosLimite) {
  // Every door has its label: nothing to hide.
  std::vector<Recuadro> todas = EtiquetasDelVestibulo();
  todas.push_back({46, 480, 83, 120});
  todas.push_back({742, 480, 83, 120});
  EXPECT_TRUE(CeldasSinPuerta(174, 399, kPuertaEnTesela, todas).empty());
  // No tile: nothing.
  EXPECT_TRUE(CeldasSinPuerta(0, 0, kPuertaEnTesela, {}).empty());
  // No labels: every cell whose door is on screen, row by row.
  const auto sin = CeldasSinPuerta(512, 400, kPuertaEnTesela, {});
  EXPECT_EQ(sin,
            (std::vector<Recuadro>{
                {0, 0, 512, 400}, {512, 0, 512, 400}, {0, 400, 512, 400}, {512, 400, 512, 400}}));
  // A door below the bottom edge does not count.
  EXPECT_EQ(CeldasSinPuerta(1024, 700, kPuertaEnTesela, {{46, 81, 83, 120}}).size(), 0u);
}

}  // namespace
}  // namespace sendaro
