// Explanations of results: numbers with a decimal comma, lists joined with
// the catalogue's "and", templates, and the report lines.
#include "data/explicacion.h"

#include <gtest/gtest.h>

#include "data/impresion/lineas_prueba.h"
#include "data/textos_explicacion.h"

namespace sendaro {
namespace {

CatalogoTextos Catalogo() {
  std::vector<std::string> lineas;
  prueba::PonerTextosExplicacion(lineas);
  CatalogoTextos c;
  c.Rellenar(lineas);
  return c;
}

TEST(Explicacion, NumerosConComa) {
  struct Caso {
    double valor;
    std::string una, breve;
  };
  const Caso casos[] = {
      {8.02, "8,0", "8,02"}, {10.01, "10,0", "10,01"}, {2.5, "2,5", "2,5"},
      {1.26, "1,3", "1,26"}, {1.0, "1,0", "1"},        {0.0, "0,0", "0"},
      {23.0, "23,0", "23"},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(ConComa(c.valor), c.una) << c.valor;
    EXPECT_EQ(ConComaBreve(c.valor), c.breve) << c.valor;
  }
}

TEST(Explicacion, ListasYPlantillas) {
  const CatalogoTextos c = Catalogo();
  EXPECT_EQ(EnumerarNumeros({}, c), "");
  EXPECT_EQ(EnumerarNumeros({12}, c), "12");
  EXPECT_EQ(EnumerarNumeros({12, 17}, c), "12 y 17");
  EXPECT_EQ(EnumerarNumeros({12, 17, 31}, c), "12, 17 y 31");
  EXPECT_EQ(Enumerar({"Paciente", "Creativo", "Ordenado"}, c), "Paciente, Creativo y Ordenado");

  // Values in their places, in any order; a missing value leaves nothing;
  // a % not followed by a digit stays.
  EXPECT_EQ(Plantilla("%2 de %1 al 50%", {"a", "b"}), "b de a al 50%");
  EXPECT_EQ(Plantilla("%1 y %3", {"a"}), "a y ");
  EXPECT_EQ(PrefijoResultado("Ciencias  ", 7.44), "Ciencias 7,4: ");
  EXPECT_EQ(PrefijoResultado("Electricidad", std::nullopt), "Electricidad: ");
}

TEST(Explicacion, LineasDelInformeEnterasConCabeceraEnNegrita) {
  const CatalogoTextos c = Catalogo();
  EXPECT_TRUE(InformeExplicaciones({}, c, 7).lineas.empty());

  ResultadoExplicado a;
  a.lineas = {"Tecnologico 8,0: marcaste 4 de sus 5 cualidades (2,0 puntos cada una): "
              "Paciente, Creativo, Ordenado y Curioso",
              "otra"};
  ResultadoExplicado b;
  b.lineas = {"Sanitario 0,0: no marcaste ninguna de sus 3 cualidades"};
  const LineasExplicacion l = InformeExplicaciones({a, b}, c, 7);
  ASSERT_GE(l.lineas.size(), 5u);
  EXPECT_EQ(l.lineas[0], "");
  EXPECT_EQ(l.lineas[1], "Por que salen estos resultados");
  EXPECT_EQ(l.negritas, std::vector<int>{8});
  EXPECT_LE(prueba::LargoMayor(l.lineas), 60u);
  EXPECT_EQ(prueba::Palabras(l.lineas),
            prueba::Palabras(std::vector<std::string>{"Por que salen estos resultados",
                                                      a.lineas[0], "otra", b.lineas[0]}));
  // Later lines of a result are indented; each result starts at the margin.
  EXPECT_EQ(l.lineas[l.lineas.size() - 2], "   otra");
  EXPECT_EQ(l.lineas.back(), b.lineas[0]);
}

}  // namespace
}  // namespace sendaro
