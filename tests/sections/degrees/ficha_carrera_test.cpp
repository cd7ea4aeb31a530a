// The degree card's views on screen and the whole-card printout.
#include "sections/degrees/ficha_carrera.h"

#include <gtest/gtest.h>

#include "sections/degrees/carreras_prueba.h"

namespace sendaro {
namespace {

using prueba::CatalogoCarreras;

CatalogoCarreras Catalogo() {
  CatalogoCarreras c({"Medicina (L)", "I T Informatica", "Ingenieria Informatica",
                      "Psicopedagogia (2o ciclo)", "Bellas Artes"});
  c.Universidad(1, "Universidad de Oviedo", 3);
  c.Universidad(2, "Universidad Complutense de Madrid con un nombre largo", 13);
  c.Notas(1, {{2, 57}, {1, 100}});
  c.Notas(3, {{1, 10}});  // no known cut-off
  c.Requisitos(1, {20, 15});
  c.Salidas(1, {3, 1});
  c.Relacionadas(1, {3});
  c.Relacionadas(3, {1, 8});  // 8 = N + 3: every "I T" degree
  c.Relacionadas(4, {1});
  return c;
}

TEST(ListaFicha, UniversidadesConNotas) {
  const CatalogoCarreras c = Catalogo();
  const FichaEnPantalla f = ListaFicha(c.Ficha(), VistaFicha::kUniversidades, 1);
  EXPECT_EQ(f.titulo, "   T309" + std::string(24, ' ') + "T296");
  ASSERT_EQ(f.filas.size(), 2u);
  // The name is blank-filled to 45 characters, then the mark; a longer one
  // stays whole, the mark after a blank.
  EXPECT_EQ(f.filas[0], "Universidad Complutense de Madrid con un nombre largo  5,7");
  EXPECT_EQ(f.filas[1], "Universidad de Oviedo" + std::string(24, ' ') + "10,0");
  EXPECT_FALSE(f.botonFP);
}

TEST(ListaFicha, NotaDesconocidaYCarreraSinUniversidades) {
  const CatalogoCarreras c = Catalogo();
  const FichaEnPantalla f = ListaFicha(c.Ficha(), VistaFicha::kUniversidades, 3);
  ASSERT_EQ(f.filas.size(), 1u);
  EXPECT_EQ(f.filas[0].substr(45), "  - ");
  const FichaEnPantalla vacia = ListaFicha(c.Ficha(), VistaFicha::kUniversidades, 2);
  EXPECT_EQ(vacia.titulo, "T309");  // no column header without universities
  EXPECT_TRUE(vacia.filas.empty());
}

TEST(ListaFicha, RequisitosYSalidasEnElOrdenGuardado) {
  const CatalogoCarreras c = Catalogo();
  const FichaEnPantalla r = ListaFicha(c.Ficha(), VistaFicha::kRequisitos, 1);
  EXPECT_EQ(r.titulo, "T277");
  EXPECT_EQ(r.filas, (std::vector<std::string>{"Requisito 20", "Requisito 15"}));
  const FichaEnPantalla s = ListaFicha(c.Ficha(), VistaFicha::kSalidas, 1);
  EXPECT_EQ(s.titulo, "T278");
  EXPECT_EQ(s.filas, (std::vector<std::string>{"Salida 3", "Salida 1"}));
  EXPECT_TRUE(ListaFicha(c.Ficha(), VistaFicha::kRequisitos, 2).filas.empty());
}

TEST(ListaFicha, RelacionadasEnAmbosSentidosYTodasLasIT) {
  const CatalogoCarreras c = Catalogo();
  // Degree 1 names 3; 3 and 4 name 1.
  const FichaEnPantalla uno = ListaFicha(c.Ficha(), VistaFicha::kRelacionadas, 1);
  EXPECT_EQ(uno.titulo, "T313");
  EXPECT_EQ(uno.filas,
            (std::vector<std::string>{"T295", "Ingenieria Informatica", "", "T178",
                                      "Ingenieria Informatica", "Psicopedagogia (2o ciclo)"}));
  EXPECT_EQ(uno.temaAyuda, 20);
  EXPECT_TRUE(uno.botonFP);
  EXPECT_EQ(uno.filaBotonFP, 6 + 3);

  // An "I T" degree is named by 3 through N + 3; the stored N + 3 shows its line.
  const FichaEnPantalla it = ListaFicha(c.Ficha(), VistaFicha::kRelacionadas, 2);
  EXPECT_EQ(it.filas, (std::vector<std::string>{"T295", "", "T178", "Ingenieria Informatica"}));
  const FichaEnPantalla tres = ListaFicha(c.Ficha(), VistaFicha::kRelacionadas, 3);
  EXPECT_EQ(tres.filas[2], "I T (todas las ingenierias tecnicas)");
}

TEST(ListaFicha, TodasLasITTambienConLaAbreviaturaGallega) {
  // Galician and Catalan write a technical engineering degree "E T ...".
  CatalogoCarreras c({"E T Informatica", "Enxenaria Informatica"});
  c.Relacionadas(2, {5});  // 5 = N + 3: every technical engineering degree
  const FichaEnPantalla it = ListaFicha(c.Ficha(), VistaFicha::kRelacionadas, 1);
  EXPECT_EQ(it.filas, (std::vector<std::string>{"T295", "", "T178", "Enxenaria Informatica"}));
}

TEST(ListaFicha, BotonFPNuncaEnSegundoCicloYUnaFilaMenosSinAfines) {
  const CatalogoCarreras c = Catalogo();
  const FichaEnPantalla segundo = ListaFicha(c.Ficha(), VistaFicha::kRelacionadas, 4);
  EXPECT_FALSE(segundo.botonFP);
  // Degree 5 (no "I T") has no links at all: T295, "", T178 and nothing after it.
  const FichaEnPantalla sola = ListaFicha(c.Ficha(), VistaFicha::kRelacionadas, 5);
  EXPECT_TRUE(sola.botonFP);
  EXPECT_EQ(sola.filas.size(), 3u);
  EXPECT_EQ(sola.filaBotonFP, 3 + 2);
}

TEST(VistaAsignaturas, DificultadVinetasYFinEnDosLineasEnBlanco) {
  CatalogoCarreras c = Catalogo();
  c.Dificultad(1, 4);
  c.Asignaturas(
      1, {"4", "Anatomia", "Fisiologia", "  detalle", "bioquimica", "", "", "Oculta tras el fin"});
  const FichaEnPantalla f = VistaAsignaturas(c.Ficha(), 1);
  EXPECT_EQ(f.titulo, "T312");
  EXPECT_EQ(f.filas, (std::vector<std::string>{" T651", "    T656", " T500", " ", "\x95  Anatomia",
                                               "\x95  Fisiologia", "  detalle", "bioquimica"}));
}

TEST(VistaAsignaturas, SinNivelNoHayPalabra) {
  CatalogoCarreras c = Catalogo();
  struct Caso {
    int nivel;
    std::string palabra;
  };
  for (const Caso& caso :
       {Caso{0, "    "}, Caso{1, "    T653"}, Caso{7, "    T659"}, Caso{8, "    "}}) {
    c.Dificultad(2, caso.nivel);
    c.Asignaturas(2, {"x", "Algebra"});
    EXPECT_EQ(VistaAsignaturas(c.Ficha(), 2).filas[1], caso.palabra) << caso.nivel;
  }
}

TEST(FichaCompleta, CincoSeccionesConSusTitulosEnNegrita) {
  CatalogoCarreras c = Catalogo();
  c.Dificultad(1, 2);
  c.Asignaturas(1, {"2", "Anatomia"});
  const InformeLineas informe = FichaCompleta(c.Ficha(), 1);
  EXPECT_EQ(informe.titulo, "T290: Medicina (L)");
  ASSERT_EQ(informe.negritas.size(), 5u);
  std::vector<std::string> titulos;
  for (const int n : informe.negritas)
    titulos.push_back(informe.lineas[static_cast<std::size_t>(n - 1)]);
  EXPECT_EQ(titulos, (std::vector<std::string>{"T309" + std::string(21, ' ') + "T296", "T277",
                                               "T278", "T312", "T295"}));
  // Each section: an empty line, its title, an empty line, its rows.
  EXPECT_EQ(informe.lineas[0], "");
  EXPECT_EQ(informe.negritas[0], 2);
  EXPECT_EQ(informe.lineas[2], "");
  EXPECT_EQ(informe.lineas[3], "Universidad Complutense de Madrid con un nombre largo  5,7");
  EXPECT_EQ(informe.negritas[1], 2 + 2 + 3);  // after the two university rows
  EXPECT_EQ(informe.lineas.back(), "Psicopedagogia (2o ciclo)");
  EXPECT_EQ(informe.lineas.size(), 5u + 5 + 5 + 8 + 9);
}

}  // namespace
}  // namespace sendaro
