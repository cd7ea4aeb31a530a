// The middle-grade questionnaire: statements of the chosen areas, the
// families and titles the chosen statements propose, and its report.
#include "sections/middle_grade/cuestionario_gm.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "data/impresion/lineas_prueba.h"
#include "data/lectores.h"
#include "data/textos_explicacion.h"

namespace sendaro {
namespace {

TablaLinea Cuestionario(const std::vector<std::string>& enunciados) {
  TablaLinea t(TablaLinea::kLimiteLargo);
  for (int a = 1; a <= 11; ++a) t.Fijar(a, "Area " + std::to_string(a) + "   ");
  int l = 12;
  for (const std::string& e : enunciados) t.Fijar(l++, e);
  t.FijarCuenta(l - 1);
  return t;
}

std::vector<std::string> Textos(const std::vector<EnunciadoGM>& e) {
  std::vector<std::string> t;
  for (const EnunciadoGM& x : e) t.push_back(x.texto);
  return t;
}

CatalogoTextos Catalogo() {
  CatalogoTextos c;
  std::vector<std::string> textos(672);
  for (int n = 1; n <= 672; ++n) textos[static_cast<std::size_t>(n - 1)] = "T" + std::to_string(n);
  c.Rellenar(textos);
  return c;
}

TEST(CuestionarioGM, EnunciadosDeLasAreasElegidas) {
  const TablaLinea t = Cuestionario(
      {"1T00Diez solo", "1T10Uno con cero en la 4", "2T30Tres", "3T23Dos y tres", "4T99Nueve"});
  EXPECT_EQ(AreasGM(t).front(), "Area 1");
  EXPECT_EQ(AreasGM(t).size(), 11u);
  EXPECT_EQ(ValorArea(10), 0);
  EXPECT_EQ(ValorArea(3), 3);
  // Area 10 (value 0) takes "0" in column 3 only, never "0" in column 4.
  EXPECT_EQ(Textos(EnunciadosGM(t, {0})), (std::vector<std::string>{"Diez solo"}));
  EXPECT_EQ(Textos(EnunciadosGM(t, {3})), (std::vector<std::string>{"Tres", "Dos y tres"}));
  EXPECT_EQ(Textos(EnunciadosGM(t, {1, 2})),
            (std::vector<std::string>{"Uno con cero en la 4", "Dos y tres"}));
  EXPECT_EQ(EnunciadosGM(t, {9})[0].codigo, "4T");
  EXPECT_TRUE(EnunciadosGM(t, {}).empty());
}

// "FP2": family 1 with 5 titles, family 2 ("|Nueva") with 1, family 3 with none.
struct TitulosPrueba {
  TitulosPrueba() {
    const std::string bytes = "-Uno\r\nA\r\nB\r\nC\r\nD\r\nE\r\n-|Nueva\r\nF\r\n-Vacia\r\n";
    AnalizarTabla(bytes, "FP2", titulos, 60);
    AnalizarFamilias(bytes, "FP2", familias, 60, inicios);
    gm.emplace(titulos, familias, inicios);
  }
  TablaLinea titulos;
  TablaLinea familias;
  NumerosLinea inicios{};
  std::optional<FamiliasGM> gm;
};

TEST(CuestionarioGM, ResultadosMarcanFamiliasYTitulos) {
  const TitulosPrueba p;
  const TablaLinea& titulos = p.titulos;
  const FamiliasGM& gm = *p.gm;
  const CatalogoTextos c = Catalogo();
  auto filas = [&](std::vector<std::string> codigos) {
    std::vector<EnunciadoGM> e;
    for (std::string& k : codigos) e.push_back({"x", k});
    std::vector<std::string> r;
    for (const FilaResultadoGM& f : ResultadosGM(gm, titulos, e, c))
      r.push_back(f.texto + "/" + std::to_string(f.titulo));
    return r;
  };
  const std::string uno = " - T583 Uno/0";
  EXPECT_EQ(filas({"1T"}), (std::vector<std::string>{uno, "A/2", "B/3", "C/4", "D/5", "E/6"}));
  EXPECT_EQ(filas({"1Z"}), (std::vector<std::string>{uno, "A/2", "B/3"}));
  EXPECT_EQ(filas({"15"}), (std::vector<std::string>{uno, "E/6"}));
  // Marked twice, listed once; families in their order; no marker shown.
  EXPECT_EQ(filas({"21", "13", "1Z", "13"}),
            (std::vector<std::string>{uno, "A/2", "B/3", "C/4", " - T583 Nueva/0", "F/8"}));
  // A family without titles is listed alone; a title past the family marks none;
  // codes naming no family mark nothing.
  EXPECT_EQ(filas({"3T", "17", "9T", "#1"}), (std::vector<std::string>{uno, " - T583 Vacia/0"}));
}

TEST(CuestionarioGM, InformeConSusTresSecciones) {
  const CatalogoTextos c = Catalogo();
  InformeCuestionarioGM i;
  InformeAreas(i, {"Area 1", "Area 4"}, c);
  InformeEnunciados(i, {"Frase a"}, c);
  // Back to step 2 and forward again replaces section 2.
  InformeEnunciados(i, {"Frase b", "Frase c"}, c);
  EXPECT_EQ(i.lineas, (std::vector<std::string>{"T594", "", "Area 1", "Area 4", "", "T595", "",
                                                "Frase b", "Frase c", ""}));
  EXPECT_EQ(i.lineaTitulo, 11);
  EXPECT_EQ(NegritasCuestionario(i), (std::vector<int>{1, 6}));
  InformeTituloElegido(i, "Ciclo uno", {"IES Uno 950000001"}, c);
  InformeTituloElegido(i, "Ciclo dos", {"IES Dos 956000004", "IES Tres"}, c);
  ASSERT_EQ(i.lineas.size(), 16u);
  EXPECT_EQ(i.lineas[10], "T592: Ciclo dos");
  EXPECT_EQ(i.lineas[12], "T593:");
  EXPECT_EQ(i.lineas[15], "IES Tres");
  EXPECT_EQ(NegritasCuestionario(i), (std::vector<int>{1, 6, 11}));
}

// Statements of up to 70 characters, long titles and centres go on further
// lines with every word; the section headers keep their places.
TEST(CuestionarioGM, InformeLargoNoPierdePalabras) {
  const CatalogoTextos c = Catalogo();
  const std::string area =
      "Administraci\xF3n, gesti\xF3n, comercio, marketing y atenci\xF3n al p\xFA"
      "blico";
  const std::string enunciado =
      "Me gusta ordenar papeles, archivar y tener todo bien organizado en carpetas.";
  const std::string titulo = "Conducci\xF3n de Act. F\xEDsico-Deportivas en el Medio Natural";
  const std::string centro =
      "-La Almunia de Do\xF1"
      "a Godina IES Miguel Servet 976000129";
  InformeCuestionarioGM i;
  InformeAreas(i, {area}, c);
  InformeEnunciados(i, {enunciado, "Frase corta"}, c);
  InformeTituloElegido(i, titulo, {centro}, c);
  EXPECT_EQ(prueba::Palabras(i.lineas),
            prueba::Palabras(std::vector<std::string>{
                "T594", area, "T595", enunciado, "Frase corta", "T592:", titulo, "T593:", centro}));
  EXPECT_LE(prueba::LargoMayor(i.lineas), 60u);
  EXPECT_EQ(i.lineas[i.lineaEnunciados - 1], "T595");
  EXPECT_EQ(i.lineas[i.lineaTitulo - 1].substr(0, 6), "T592: ");
}

// Each family and title names the chosen statements whose code proposes it;
// a title two statements propose names both.
TEST(CuestionarioGM, CadaResultadoExplicaSusFrases) {
  const TitulosPrueba p;
  std::vector<std::string> textos;
  for (int n = 1; n <= 672; ++n) textos.push_back("T" + std::to_string(n));
  prueba::PonerTextosExplicacion(textos);
  CatalogoTextos c;
  c.Rellenar(textos);
  const std::vector<EnunciadoGM> elegidos = {
      {"Me gusta ordenar", "1Z"}, {"Me gusta medir", "13"}, {"Me gusta crear", "21"},
      {"Me gusta pintar", "11"}, {"Sin familia", "#1"}};
  const auto filas = ResultadosGM(*p.gm, p.titulos, elegidos, c);
  const auto e = ExplicarResultadosGM(filas, elegidos, c);
  ASSERT_EQ(e.size(), 6u);  // Uno, A, B, C, Nueva, F
  using V = std::vector<std::string>;
  EXPECT_EQ(e[0].lineas, (V{"Uno: la proponen estas frases que elegiste:", "Me gusta ordenar",
                            "Me gusta medir", "Me gusta pintar"}));
  EXPECT_EQ(e[1].lineas, (V{"A: lo proponen estas frases que elegiste:", "Me gusta ordenar",
                            "Me gusta pintar"}));
  EXPECT_EQ(e[2].lineas, (V{"B: lo proponen estas frases que elegiste:", "Me gusta ordenar"}));
  EXPECT_EQ(e[3].lineas, (V{"C: lo proponen estas frases que elegiste:", "Me gusta medir"}));
  EXPECT_EQ(e[4].lineas, (V{"Nueva: la proponen estas frases que elegiste:", "Me gusta crear"}));
  EXPECT_EQ(e[5].fila, 5);
  EXPECT_EQ(e[5].aportaciones.size(), 1u);
  EXPECT_EQ(e[5].aportaciones[0].numero, 3);  // the third statement chosen
  EXPECT_FALSE(e[5].valor);

  // The report puts the chosen title's reasons after its centres.
  InformeCuestionarioGM i;
  InformeAreas(i, {"Area 1"}, c);
  InformeEnunciados(i, {"Me gusta medir"}, c);
  InformeTituloElegido(i, "C", {"IES Uno"}, c, e[3].lineas);
  EXPECT_EQ(V(i.lineas.begin() + i.lineaTitulo - 1, i.lineas.end()),
            (V{"T592: C", "", "T593:", "", "IES Uno", "",
               "C: lo proponen estas frases que elegiste:", "   Me gusta medir"}));
}

}  // namespace
}  // namespace sendaro
