// A university's degrees, the double degrees by degree and by university, the
// other degrees' descriptions, and their printouts.
#include "sections/degrees/universidades.h"

#include <gtest/gtest.h>

#include "sections/degrees/carreras_prueba.h"

namespace sendaro {
namespace {

using prueba::CatalogoCarreras;

CatalogoCarreras Catalogo() {
  CatalogoCarreras c({"Medicina (L)", "Derecho (L)", "Administracion y Direccion de Empresas (L)",
                      "Periodismo (L)"});
  c.Universidad(1, "Universidad de Sevilla", 1);
  c.Universidad(2, "Universidad de Oviedo", 3);
  // Sevilla twice for Derecho: two rows.
  c.Notas(1, {{1, 57}, {2, 10}});
  c.Notas(2, {{1, 50}, {1, 62}});
  c.Notas(4, {{2, 80}});
  return c;
}

TEST(Universidades, CarrerasDeUnaUniversidadYSuInforme) {
  const CatalogoCarreras c = Catalogo();
  const FilasLista r = CarrerasDeUniversidad(c.carreras, c.datos, 1);
  const std::string pad45 = std::string(45, ' ');
  EXPECT_EQ(r.filas, (std::vector<std::string>{"Medicina (L)" + pad45.substr(12) + " 5,7",
                                               "Derecho (L)" + pad45.substr(11) + " 5,0",
                                               "Derecho (L)" + pad45.substr(11) + " 6,2"}));
  EXPECT_EQ(r.carreras, (std::vector<int>{1, 2, 2}));
  EXPECT_EQ(CarrerasDeUniversidad(c.carreras, c.datos, 2).filas[0],
            "Medicina (L)" + pad45.substr(12) + "  - ");

  const auto l = InformeUniversidad(c.carreras, c.datos, c.catalogo, "IES Uno",
                                    "Universidad de Sevilla     ", 1);
  ASSERT_EQ(l.size(), 9u);
  EXPECT_EQ(l[0], "    IES Uno");
  EXPECT_EQ(l[2], "    T289: Universidad de Sevilla");
  EXPECT_EQ(l[3], "    " + std::string(45, '_'));
  EXPECT_EQ(l[5], "    T48" + std::string(16, ' ') + "T296");
  EXPECT_EQ(l[6], "    Medicina (L)" + std::string(28, ' ') + " 5,7");
}

// Names longer than the name column keep every word: the rows the screen
// lists put the mark after a blank, the printout wraps what passes a line.
TEST(Universidades, NombresLargosEnterosConSuNota) {
  const std::string largo = "Ciencias de la Actividad F\xEDsica y del Deporte (L)";
  const std::string mas =
      "Ingenier\xED"
      "a T\xE9"
      "cnica en Dise\xF1o Industrial y de Producto Nuevo";
  prueba::CatalogoCarreras c({largo, mas});
  c.Universidad(1, "Universidad de Granada", 1);
  c.Notas(1, {{1, 62}});
  c.Notas(2, {{1, 101}});
  const FilasLista r = CarrerasDeUniversidad(c.carreras, c.datos, 1);
  EXPECT_EQ(r.filas[0], largo + "  6,2");
  EXPECT_EQ(r.filas[1], mas + " 10,1");
  const auto l = InformeUniversidad(c.carreras, c.datos, c.catalogo, "IES", "Granada", 1);
  const std::vector<std::string> filas(l.begin() + kNegritasUniversidad, l.end());
  EXPECT_EQ(filas,
            (std::vector<std::string>{"    " + largo + "  6,2",
                                      "    Ingenier\xED"
                                      "a T\xE9"
                                      "cnica en Dise\xF1o Industrial y de",
                                      "      Producto Nuevo" + std::string(24, ' ') + "10,1"}));
}

TEST(Universidades, DireccionConEsquema) {
  EXPECT_EQ(DireccionUniversidad("ugr.es   "), "http://www.ugr.es");
  EXPECT_EQ(DireccionUniversidad("www.uv.es"), "http://www.uv.es");
  EXPECT_EQ(DireccionUniversidad("https://www.ub.edu"), "https://www.ub.edu");
}

// Entries: 1 Sevilla (community 1) with Medicina+Derecho in 6 years and
// Derecho+ADE with no years given, plus a pair naming degree 9 (outside);
// 2 Oviedo (3) with Derecho+Periodismo; 3 Granada (1) with nothing valid.
TablaDobles Dobles() {
  TablaDobles t;
  auto entrada = [&](int e, int comunidad, const char* nombre) {
    t.universidades[static_cast<std::size_t>(e)].codigo = comunidad;
    t.universidades[static_cast<std::size_t>(e)].nombre = nombre;
    t.cuenta = e;
  };
  auto par = [&](int e, std::optional<int> n, std::optional<int> a, std::optional<int> b) {
    UniversidadDobles& u = t.universidades[static_cast<std::size_t>(e)];
    u.detalles[static_cast<std::size_t>(u.numDetalles++)] = {n, a, b};
  };
  entrada(1, 1, "Universidad de Sevilla");
  par(1, 6, 1, 2);
  par(1, 0, 3, 2);
  par(1, 5, 2, 9);
  entrada(2, 3, "Universidad de Oviedo");
  par(2, 5, 2, 4);
  entrada(3, 1, "Universidad de Granada");
  par(3, 5, 0, 1);
  par(3, std::nullopt, std::nullopt, 2);
  return t;
}

TEST(Dobles, CarrerasMarcadasYEntradasDeUnaComunidad) {
  const TablaDobles t = Dobles();
  EXPECT_EQ(CarrerasConDobles(t, 4), (std::vector<int>{1, 2, 3, 4}));
  // With N = 3, the pair naming degree 4 is out of range as well.
  EXPECT_EQ(CarrerasConDobles(t, 3), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(EntradasDobles(t, 1), (std::vector<int>{1, 3}));
  EXPECT_TRUE(EntradasDobles(t, 5).empty());
}

TEST(Dobles, PorCarreraUnaCabeceraPorUniversidadYSusPares) {
  const CatalogoCarreras c = Catalogo();
  const TablaDobles t = Dobles();
  const FilasLista r = DoblesDeCarrera(t, c.carreras, 4, 2);
  const std::vector<std::string> esperado = {
      "",
      "        Universidad de Sevilla",
      " 6 | Derecho (L)         ...+ Medicina (L)",
      " - | Derecho (L)         ...+ Administracion y Direccion de Empresas (L)",
      "",
      "        Universidad de Oviedo",
      " 5 | Derecho (L)         ...+ Periodismo (L)",
  };
  EXPECT_EQ(r.filas, esperado);
  EXPECT_EQ(r.cabeceras, (std::vector<int>{1, 5}));
  // A degree in no pair: only the first empty row.
  EXPECT_EQ(DoblesDeCarrera(t, c.carreras, 3, 4).filas.size(), 1u);
}

TEST(Dobles, PorUniversidadCuatroFilasPorParEInforme) {
  const CatalogoCarreras c = Catalogo();
  const TablaDobles t = Dobles();
  const FilasLista r = DoblesDeEntrada(t, c.carreras, c.catalogo, 4, 1);
  const std::vector<std::string> esperado = {"Medicina (L)",
                                             "Derecho (L)",
                                             "T241  6",
                                             "     -----     ",
                                             "Administracion y Direccion de Empresas (L)",
                                             "Derecho (L)",
                                             "T241  -",
                                             "     -----     "};
  EXPECT_EQ(r.filas, esperado);
  EXPECT_TRUE(DoblesDeEntrada(t, c.carreras, c.catalogo, 4, 3).filas.empty());
  EXPECT_TRUE(DoblesDeEntrada(t, c.carreras, c.catalogo, 4, 0).filas.empty());

  const auto l = InformeDobles(c.catalogo, "IES Uno", 289, "Universidad de Sevilla", r);
  ASSERT_EQ(l.size(), 7u + 8u);
  EXPECT_EQ(l[2], std::string(14, ' ') + "T242");
  EXPECT_EQ(l[4], "    T289: Universidad de Sevilla");
  EXPECT_EQ(l[7], "Medicina (L)");
}

TEST(OtrasCarreras, DescripcionHastaDosLineasEnBlancoEInforme) {
  TablaBloques b{bloques::kAsignaot};
  const std::vector<std::string> lineas = {"Gemologia", "  Dos cursos", "", "", "  no se ve"};
  for (int k = 0; k < static_cast<int>(lineas.size()); ++k) b.Fijar(1, k + 1, lineas[k]);
  b.Fijar(2, 1, "Sin blancos");
  b.FijarCuenta(2);
  EXPECT_EQ(DescripcionOtra(b, 1), (std::vector<std::string>{"Gemologia", "  Dos cursos"}));
  // One blank line alone does not end it.
  b.Fijar(1, 4, "  sigue");
  EXPECT_EQ(DescripcionOtra(b, 1).size(), 5u);
  const auto otra = DescripcionOtra(b, 2);
  EXPECT_EQ(otra.front(), "Sin blancos");

  CatalogoCarreras c = Catalogo();
  const auto l = InformeOtra(c.catalogo, "IES Uno", "Gemologia   ", {"a", "b"});
  EXPECT_EQ(l, (std::vector<std::string>{"  IES Uno", "  ", "     T290: Gemologia",
                                         "     " + std::string(52, '-'), "  ", "a", "b"}));
}

}  // namespace
}  // namespace sendaro
