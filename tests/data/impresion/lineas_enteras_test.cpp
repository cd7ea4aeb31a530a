// Whole report lines: a long text breaks between words into lines the print
// buffer keeps whole, further lines indented; a field (a phone) keeps a blank
// before it.
#include "data/impresion/lineas_enteras.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/impresion/informe.h"
#include "data/impresion/lineas_prueba.h"

namespace sendaro {
namespace {

using prueba::LargoMayor;
using prueba::Palabras;
using Lineas = std::vector<std::string>;

TEST(LineasEnteras, PartenEntrePalabrasYSangranLasSiguientes) {
  struct Caso {
    const char* nombre;
    std::string texto;
    int ancho;
    Lineas esperadas;
  };
  const Caso casos[] = {
      {"cabe tal cual", "Me gusta ordenar papeles   ", 60, {"Me gusta ordenar papeles   "}},
      {"vacia", "", 60, {""}},
      {"blancos de mas al final", std::string(58, 'a') + "     ", 60, {std::string(58, 'a')}},
      {"justa", std::string(60, 'a'), 60, {std::string(60, 'a')}},
      {"cuestionario",
       "Me gusta ordenar papeles, archivar y tener todo bien organizado.",
       60,
       {"Me gusta ordenar papeles, archivar y tener todo bien", "  organizado."}},
      {"sangrada",
       "    Panader\xED"
       "a, Reposter\xED"
       "a y Confiter\xED"
       "a (T\xEDt. FP de Grado Medio)",
       60,
       {"    Panader\xED"
        "a, Reposter\xED"
        "a y Confiter\xED"
        "a (T\xEDt. FP de Grado",
        "      Medio)"}},
      {"blanco justo tras lo que cabe", "uno dos tres", 7, {"uno dos", "  tres"}},
      {"varias", "aa bb cc dd ee ff", 5, {"aa bb", "  cc", "  dd", "  ee", "  ff"}},
      {"sangria de mas de media linea", "        uno dos", 10, {"uno dos"}},
      {"sangria de mas de media linea, partida", "      uno dos tres", 10, {"uno dos", "  tres"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    const Lineas l = LineasEnteras(c.texto, c.ancho);
    EXPECT_EQ(l, c.esperadas);
    EXPECT_LE(LargoMayor(l), static_cast<std::size_t>(c.ancho));
    EXPECT_EQ(Palabras(l), Palabras(std::string_view(c.texto)));
  }
}

TEST(LineasEnteras, UnaPalabraMasLargaQueLaLineaSeParteSinPerderLetras) {
  const std::string palabra(130, 'x');
  const Lineas l = LineasEnteras("ab " + palabra, 60);
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(l[0], "ab");
  std::string junta;
  for (std::size_t i = 1; i < l.size(); ++i) {
    EXPECT_EQ(l[i].substr(0, 2), "  ");
    EXPECT_LE(l[i].size(), 60u);
    junta += l[i].substr(2);
  }
  EXPECT_EQ(junta, palabra);
}

TEST(LineasConCampo, ElCampoTrasUnBlancoEnLaUltimaLinea) {
  struct Caso {
    const char* nombre;
    std::string texto;
    std::string campo;
    int columna;
    Lineas esperadas;
  };
  const std::string servet =
      "-La Almunia de Do\xF1"
      "a Godina IES Miguel Servet ";
  const Caso casos[] = {
      {"corto: en su columna",
       "-IES Uno",
       "976000001",
       45,
       {"-IES Uno" + std::string(36, ' ') + "976000001"}},
      {"lleno: un blanco tras el nombre",
       servet,
       "976000129",
       45,
       {"-La Almunia de Do\xF1"
        "a Godina IES Miguel Servet 976000129"}},
      {"sin campo",
       "Conducci\xF3n de Act. F\xEDsico-Deportivas en el Medio Natural",
       "",
       45,
       {"Conducci\xF3n de Act. F\xEDsico-Deportivas en el Medio Natural"}},
      {"largo: parte y el campo cierra",
       std::string("-Centro Integrado de Formaci\xF3n Profesional ") +
           "de la Comarca del Bajo Arag\xF3n",
       "978000001",
       45,
       {"-Centro Integrado de Formaci\xF3n Profesional de la",
        "  Comarca del Bajo Arag\xF3n" + std::string(19, ' ') + "978000001"}},
      {"sin texto", "", "912345678", 45, {std::string(44, ' ') + "912345678"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    const Lineas l = LineasConCampo(c.texto, c.campo, c.columna);
    EXPECT_EQ(l, c.esperadas);
    EXPECT_LE(LargoMayor(l), static_cast<std::size_t>(kAnchoLineaInforme));
    EXPECT_EQ(Palabras(l), Palabras(std::string_view(c.texto + " " + c.campo)));
  }
}

// A report's long line goes on several, all of them bold when it is.
TEST(InformeImpresion, AnadirParteLasLineasLargas) {
  InformeImpresion informe;
  informe.Anadir("Requisitos", true);
  informe.Anadir(std::string(4, ' ') +
                 "Ayuda en el tendido y montaje de redes y canalizaciones "
                 "el\xE9"
                 "ctricas de baja tensi\xF3n.");
  informe.Anadir(
      " -Operaciones auxiliares de montaje de instalaciones electrot\xE9"
      "cnicas",
      true);
  informe.Anadir("");
  EXPECT_EQ(informe.lineas,
            (Lineas{"Requisitos", "    Ayuda en el tendido y montaje de redes y canalizaciones",
                    "      el\xE9"
                    "ctricas de baja tensi\xF3n.",
                    " -Operaciones auxiliares de montaje de instalaciones",
                    "   electrot\xE9"
                    "cnicas",
                    ""}));
  EXPECT_EQ(informe.negritas, (std::vector<int>{1, 4, 5}));
}

}  // namespace
}  // namespace sendaro
