// A language's glossary: read with its faults named, applied to the lines a
// translator left in Spanish and to blocks not translated yet, and used to
// catch a subject translated two ways.
#include "glosario.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sendaro::datos {
namespace {

std::string Unir(const std::vector<std::string>& lineas) {
  std::string s;
  for (const auto& l : lineas) s += l + "\n";
  return s;
}

std::vector<std::string> Textos(const LineasFichero& f) {
  std::vector<std::string> r;
  for (const auto& l : f.lineas) r.push_back(l.texto);
  return r;
}

const std::string kGlosario = Unir({
    "#| Catalán",
    "Anatomía humana = Anatomia humana",
    "Bioquímica = Bioquímica",
    "1.er curso = 1r curs",
    "Mecanización agraria = Mecanització agrària",
});

TEST(Glosario, LeeEntradasYNombraLasLineasMalEscritas) {
  const auto g = LeerGlosario(Unir({"Anatomía humana = Anatomia humana", "sin signo igual",
                                    "Anatomía humana = Anatomia de l'home", " = nada",
                                    "Anatomía humana = Anatomia humana"}),
                              "catVal/glosario.txt");
  EXPECT_EQ(g.entradas.size(), 1u);
  ASSERT_EQ(g.problemas.size(), 3u);
  EXPECT_EQ(g.problemas[0].linea, 2);
  EXPECT_EQ(g.problemas[1].linea, 3);
  EXPECT_NE(g.problemas[1].que.find("línea 1"), std::string::npos);
  EXPECT_EQ(g.problemas[2].linea, 4);
}

TEST(Glosario, TraduceLaLineaConservandoSangriaYVineta) {
  const auto g = LeerGlosario(kGlosario, "g");
  struct Caso {
    const char* linea;
    const char* esperada;  // nullptr: not in the glossary
  };
  const Caso casos[] = {
      {"Anatomía humana", "Anatomia humana"},
      {"- Mecanización agraria", "- Mecanització agrària"},
      {"  - Mecanización agraria", "  - Mecanització agrària"},
      {"1.er curso", "1r curs"},
      {"Anatomía", nullptr},
      {"Anatomía humana y embriología", nullptr},
      {"", nullptr},
      {"- ", nullptr},
  };
  for (const auto& c : casos) {
    const auto t = TraducirLinea(g, c.linea);
    if (c.esperada == nullptr) {
      EXPECT_FALSE(t) << c.linea;
    } else {
      ASSERT_TRUE(t) << c.linea;
      EXPECT_EQ(*t, c.esperada);
    }
  }
}

// Blocks of 4 lines: the title and up to 3 content lines.
TEST(Glosario, TraduceLoQueQuedoEnCastellanoYLosBloquesQueFaltan) {
  const auto g = LeerGlosario(kGlosario, "g");
  const auto es = LineasDeBloques(Unir({"#= Medicina", "1.er curso", "Anatomía humana",
                                        "Bioquímica", "#= Enfermería", "1.er curso",
                                        "Anatomía humana", "Cuidados básicos"}),
                                  "asignacar.txt", 4);
  auto t = LineasDeBloques(Unir({"#= Medicina", "1r curs", "Anatomia humana", "Bioquímica"}),
                           "catVal/asignacar.txt", 4);
  AplicarGlosario(g, es, 4, "catVal/asignacar.txt", t);
  EXPECT_TRUE(t.problemas.empty());
  EXPECT_EQ(Textos(t), (std::vector<std::string>{"Medicina", "1r curs", "Anatomia humana",
                                                 "Bioquímica", "Enfermería", "1r curs",
                                                 "Anatomia humana", "Cuidados básicos"}));

  // A Spanish line left inside a translated block is translated too.
  auto mezcla = LineasDeBloques(Unir({"#= Medicina", "1.er curso", "Anatomia humana"}),
                                "catVal/asignacar.txt", 4);
  AplicarGlosario(g, es, 4, "catVal/asignacar.txt", mezcla);
  EXPECT_EQ(mezcla.lineas[1].texto, "1r curs");
}

TEST(Glosario, UnaAsignaturaTraducidaDeOtraFormaEsUnFallo) {
  const auto g = LeerGlosario(kGlosario, "g");
  const auto es = LineasDeBloques(Unir({"#= Medicina", "1.er curso", "Anatomía humana",
                                        "#= Enfermería", "1.er curso", "Anatomía humana",
                                        "Bioquímica"}),
                                  "asignacar.txt", 4);
  auto t = LineasDeBloques(Unir({"#= Medicina", "1r curs", "Anatomia de l'home", "#= Infermeria",
                                 // Worded in other lines: not compared.
                                 "1r curs", "Anatomia humana i bioquímica"}),
                           "catVal/asignacar.txt", 4);
  AplicarGlosario(g, es, 4, "catVal/asignacar.txt", t);
  ASSERT_EQ(t.problemas.size(), 1u);
  EXPECT_EQ(t.problemas[0].linea, 3);
  EXPECT_NE(t.problemas[0].que.find("Anatomia humana"), std::string::npos);
}

}  // namespace
}  // namespace sendaro::datos
