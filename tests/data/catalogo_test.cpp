#include "data/catalogo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/ayuda_pruebas.h"

namespace sendaro {
namespace {

using prueba::EntornoDePrueba;

// Slot lengths at the edges of their ranges, transcribed from the line table.
TEST(CatalogoTextos, LongitudesDeHuecoEnLosBordes) {
  struct Caso {
    int linea;
    int longitud;
  };
  const Caso casos[] = {
      {1, 40},   {2, 6},    {3, 25},   {4, 25},   {5, 22},   {7, 11},   {13, 11},  {14, 32},
      {18, 32},  {19, 10},  {55, 6},   {77, 55},  {163, 75}, {166, 60}, {167, 60}, {174, 45},
      {175, 10}, {176, 45}, {187, 25}, {188, 2},  {189, 75}, {201, 55}, {252, 8},  {253, 35},
      {340, 40}, {341, 40}, {343, 40}, {344, 20}, {345, 20},  {346, 30}, {465, 30}, {466, 22}, {479, 22},
      {480, 29}, {484, 33}, {492, 27}, {583, 12}, {632, 65}, {639, 65}, {640, 30}, {650, 65},
      {670, 2},  {671, 12}, {672, 25}, {673, 40}, {674, 40}, {675, 15}, {677, 15}, {678, 75}, {900, 75}, {0, 0}, {901, 0}, {-1, 0}, {1000, 0},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(CatalogoTextos::LongitudHueco(caso.linea), caso.longitud) << "línea " << caso.linea;
  }
}

TEST(CatalogoTextos, CadaLineaUsadaTieneHuecoEntre2Y75) {
  for (int n = 1; n <= CatalogoTextos::kUltimaLinea; ++n) {
    const int longitud = CatalogoTextos::LongitudHueco(n);
    EXPECT_GE(longitud, 2) << n;
    EXPECT_LE(longitud, 75) << n;
  }
}

TEST(CatalogoTextos, RellenarCortaCadaTextoASuHueco) {
  std::vector<std::string> lineas(CatalogoTextos::kUltimaLinea, std::string(75, 'x'));
  lineas[174] = "Curso escolar:";  // line 175, 14 bytes
  CatalogoTextos catalogo;
  catalogo.Rellenar(lineas);
  EXPECT_EQ(catalogo.Texto(175), "Curso esco");
  for (int n = 1; n <= CatalogoTextos::kUltimaLinea; ++n) {
    if (n == 175) continue;
    EXPECT_EQ(catalogo.Texto(n).size(), static_cast<std::size_t>(CatalogoTextos::LongitudHueco(n)))
        << n;
  }
  EXPECT_EQ(catalogo.Texto(0), "");
  EXPECT_EQ(catalogo.Texto(CatalogoTextos::kUltimaLinea + 1), "");
}

TEST(CatalogoTextos, FicheroCortoDejaVaciosLosTextosQueFaltan) {
  CatalogoTextos catalogo;
  catalogo.Rellenar(std::vector<std::string>(672, "viejo"));
  catalogo.Rellenar({"uno", "dos"});
  EXPECT_EQ(catalogo.Texto(1), "uno");
  EXPECT_EQ(catalogo.Texto(2), "dos");
  EXPECT_EQ(catalogo.Texto(3), "");
  EXPECT_EQ(catalogo.Texto(672), "");
}

TEST(LeerTextos, RecortaBlancosFinalesCortaA75YGuardaElNombre) {
  TablaLinea lineas(kLongitudLineaTextos);
  const std::string larga(80, 'a');
  const int cuenta =
      AnalizarTextos("  con blancos   \r\n\r\n" + larga + "\r\nfin \xE1\t ", "textos", lineas);
  EXPECT_EQ(cuenta, 4);
  EXPECT_EQ(lineas.Cuenta(), 4);
  EXPECT_EQ(lineas[0], "textos");
  EXPECT_EQ(lineas[1], "  con blancos");
  EXPECT_EQ(lineas[2], "");
  EXPECT_EQ(lineas[3], std::string(75, 'a'));
  EXPECT_EQ(lineas[4], "fin \xE1\t");  // only blanks are trimmed
}

TEST(LeerTextos, GuardaComoMucho1000Lineas) {
  std::string bytes;
  for (int n = 1; n <= 1005; ++n) bytes += std::to_string(n) + "\r\n";
  TablaLinea lineas(kLongitudLineaTextos);
  EXPECT_EQ(AnalizarTextos(bytes, "textos", lineas), 1000);
  EXPECT_EQ(lineas[1000], "1000");
  EXPECT_EQ(lineas[1001], "");
}

TEST(CatalogoTextos, LeeDelFicheroQuitandoBlancosFinales) {
  EntornoDePrueba prueba;
  std::vector<std::string> lineas(CatalogoTextos::kUltimaLinea, "");
  lineas[48] = "¿Desea salir?      ";
  lineas[174] = "Curso escolar:";
  prueba.carpeta.EscribirLineas("textos", lineas);
  CatalogoTextos catalogo;
  ASSERT_TRUE(catalogo.Leer(prueba.entorno));
  // This source file is UTF-8: the catalogue is read as Windows-1252.
  EXPECT_EQ(catalogo.Texto(49), "\xBF" "Desea salir?");
  EXPECT_EQ(catalogo.Texto(175), "Curso esco");
  EXPECT_FALSE(prueba.entorno.FalloGrave);
  EXPECT_TRUE(prueba.avisador.avisos.empty());
}

// A whole catalogue whose first line is primera.
std::vector<std::string> Catalogo(const std::string& primera) {
  std::vector<std::string> lineas(CatalogoTextos::kUltimaLinea, "");
  lineas[0] = primera;
  return lineas;
}

TEST(CatalogoTextos, ConIdiomaLeeDeLaSubcarpeta) {
  EntornoDePrueba prueba;
  prueba.carpeta.EscribirLineas("textos", Catalogo("castellano"));
  prueba.carpeta.EscribirLineas("galego/textos", Catalogo("galego"));
  CatalogoTextos catalogo;
  prueba.entorno.instalacion.FijarIdioma("galego");
  ASSERT_TRUE(catalogo.Leer(prueba.entorno));
  EXPECT_EQ(catalogo.Texto(1), "galego");
  prueba.entorno.instalacion.FijarIdioma("");
  ASSERT_TRUE(catalogo.Leer(prueba.entorno));
  EXPECT_EQ(catalogo.Texto(1), "castellano");
}

TEST(CatalogoTextos, SinFicheroAvisaConElNombreAbiertoYMarcaFalloGrave) {
  EntornoDePrueba prueba;
  prueba.carpeta.EscribirLineas("textos", {"castellano"});
  prueba.entorno.instalacion.FijarIdioma("euskera");
  CatalogoTextos catalogo;
  EXPECT_FALSE(catalogo.Leer(prueba.entorno));
  EXPECT_TRUE(prueba.entorno.FalloGrave);
  ASSERT_EQ(prueba.avisador.avisos.size(), 1u);
  EXPECT_EQ(prueba.avisador.avisos[0],
            "Faltan ficheros (euskera/textos). Vuelva a instalar el programa");
  EXPECT_EQ(catalogo.Texto(1), "");
}

// A catalogue cut short at a line end, or in another editor's encoding.
TEST(CatalogoTextos, CortoEsComoSiFaltaraYEnUtf8SeLeeIgual) {
  EntornoDePrueba prueba;
  auto lineas = Catalogo("Cat\xE1logo");
  prueba.carpeta.EscribirLineas("textos", std::vector<std::string>(lineas.begin(), lineas.begin() + CatalogoTextos::kLineasObligatorias - 1));
  CatalogoTextos catalogo;
  EXPECT_FALSE(catalogo.Leer(prueba.entorno));
  EXPECT_TRUE(prueba.entorno.FalloGrave);
  EXPECT_EQ(prueba.avisador.avisos,
            std::vector<std::string>{"Faltan ficheros (textos). Vuelva a instalar el programa"});

  EntornoDePrueba otra;
  lineas[0] = "\xEF\xBB\xBF" "Cat\xC3\xA1logo";
  otra.carpeta.EscribirLineas("textos", lineas);
  ASSERT_TRUE(catalogo.Leer(otra.entorno));
  EXPECT_EQ(catalogo.Texto(1), "Cat\xE1logo");
}

}  // namespace
}  // namespace sendaro
