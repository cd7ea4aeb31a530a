#include "sections/itineraries/resultado.h"

#include <gtest/gtest.h>

#include "data/impresion/lineas_prueba.h"
#include "data/textos_explicacion.h"
#include "sections/itineraries/datos_cuestionario.h"

namespace sendaro {
namespace {

using prueba::EntradaArea;

TEST(Puntuacion, PuntosYMaximoPorClaseTipoYRespuesta) {
  struct Caso {
    int clase, tipo;
    std::vector<int> puntos;  // answers 1, 2, ...
    int maximo;
  };
  const Caso casos[] = {
      {2, 3, {0, 1, 2, 3, 0}, 3},
      {2, 2, {0, 3}, 3},
      {3, 4, {0, 1, 3, 5, 0}, 5},
      {3, 2, {0, 5}, 5},
      {4, 5, {0, 2, 5, 7, 0}, 7},
      {4, 2, {0, 7}, 7},
      {5, 3, {0, 4, 7, 10, 0}, 10},
      {5, 2, {0, 10}, 10},
      {8, 5, {0, 5, 10, 15, 20}, 20},
      {8, 2, {0, 20}, 20},
      {9, 5, {0, 8, 16, 23, 30}, 30},
      {9, 2, {0, 30}, 30},
      // A class outside the table counts 7 and never scores.
      {6, 5, {0, 0, 0, 0, 0}, 7},
      {0, 2, {0, 0}, 7},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(Maximo(c.clase), c.maximo) << "clase " << c.clase;
    for (std::size_t i = 0; i < c.puntos.size(); ++i) {
      EXPECT_EQ(Puntos(c.clase, c.tipo, static_cast<int>(i) + 1), c.puntos[i])
          << "clase " << c.clase << " tipo " << c.tipo << " respuesta " << i + 1;
    }
  }
}

TEST(Puntuacion, DecimasRedondeaUnaVezSinDividirPorCero) {
  struct Caso {
    int puntos, maximo;
    std::optional<int> decimas;
    std::string texto;
  };
  const Caso casos[] = {
      {0, 7, 0, " 0.0"},     {99, 200, 50, " 5.0"}, {87, 200, 44, " 4.4"},
      {86, 200, 43, " 4.3"}, {7, 7, 100, "10.0"},   {1, 3, 33, " 3.3"},
      {2, 3, 67, " 6.7"},    {9, 14, 64, " 6.4"},   {0, 0, std::nullopt, ""},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(Decimas(c.puntos, c.maximo), c.decimas) << c.puntos << "/" << c.maximo;
    if (c.decimas) EXPECT_EQ(NotaTexto(*c.decimas), c.texto);
  }
}

// Numbers of "datitine" outside their tables are left out; an entry whose
// count is above what it holds is left out whole.
TEST(AreasDe, ValoresFueraDeSusTablasSeSaltan) {
  std::vector<int> cien(100);
  for (int i = 0; i < 100; ++i) cien[static_cast<std::size_t>(i)] = i % 45 + 1;
  const RegistrosFilas datitine = prueba::Areas({
      {1, 1, {0, 5, 46}},
      {1, 2, {1, 2}, 150},
      {1, 3, {1, 2}, 101},
      {1, 4, cien},
      {1, 20, {45}},
      {1, 21, {1}},  // areas past 20 are never graded
      {2, 1, {0, 3, 101, 100}},
      {2, 14, {3}},  // no titles past area 13
  });
  const AreasCuestionario a = AreasDe(datitine, 45, 100);
  EXPECT_EQ(a.preguntas[1], std::vector<int>{5});
  EXPECT_TRUE(a.preguntas[2].empty());
  EXPECT_TRUE(a.preguntas[3].empty());
  EXPECT_EQ(a.preguntas[4], cien);
  EXPECT_EQ(a.preguntas[20], std::vector<int>{45});
  EXPECT_EQ(a.titulos[1], (std::vector<int>{3, 100}));
  EXPECT_EQ(a.preguntas.size(), 21u);
  EXPECT_EQ(a.titulos.size(), 14u);
}

// The first stage of 20 questions of class 5, type 3: points 0, 4, 7, 10 for
// answers 1..4, maximum 200, so the mark in tenths is points / 2 rounded.
class PrimeraEtapaCuestionario : public testing::Test {
 protected:
  void Contestar(const std::vector<std::pair<int, int>>& respuestasYVeces) {
    c.Empezar(true);
    c.Abrir();
    for (int q = 1; q <= 20; ++q) c.FijarRespuesta(q, 1);
    int fila = 0;
    for (const auto& [respuesta, veces] : respuestasYVeces) {
      for (int v = 0; v < veces; ++v) c.FijarRespuesta(++fila, respuesta);
    }
  }
  ResultadoPrimeraEtapa Resultado(bool segunda = true) {
    return PrimeraEtapa(c, AreasDe(datitine, c.CuesTotal(), 0), {itinerar, catalogo}, segunda);
  }

  TablaLinea preguntas = prueba::Preguntas(20, 5, 3);
  Cuestionario c{preguntas};
  // Areas 14 and 15 hold questions 1 and 2 (answered in every case below);
  // areas 16..19 have no question at all.
  RegistrosFilas datitine = prueba::Areas({{1, 14, {1}}, {1, 15, {2}}});
  TablaLinea itinerar = prueba::Itinerar();
  CatalogoTextos catalogo = prueba::Catalogo();
};

TEST_F(PrimeraEtapaCuestionario, MensajesSegunLaNotaMostrada) {
  struct Caso {
    const char* que;
    std::vector<std::pair<int, int>> respuestas;
    int nota;
    bool aprobado;
    std::vector<std::string> mensajes;  // lines 4..7
    std::string continuar, final;       // lines 12 and 13
  };
  const Caso casos[] = {
      // 121 points: 6.05 is shown 6.1, above 6.
      {"6,1", {{4, 11}, {3, 1}, {2, 1}}, 61, true, {"T142", "T143", "", ""}, "   T125", "T201"},
      // 120 points: exactly 6 is the near pass.
      {"6,0", {{4, 12}}, 60, true, {"T144", "", "", ""}, "   T125", "T201"},
      // 99 points: 4.95 is shown 5.0 and passes.
      {"4,95", {{4, 8}, {3, 1}, {2, 3}}, 50, true, {"T144", "", "", ""}, "   T125", "T201"},
      // 87 points: 4.35 is shown 4.4 and gets the second chance.
      {"4,35", {{4, 8}, {3, 1}}, 44, false, {"T146", "T147", "T148", "T149"}, "", ""},
      // 86 points: 4.3.
      {"4,3", {{4, 7}, {2, 4}}, 43, false, {"T150", "T151", "", ""}, "   T125", "T202"},
  };
  for (const Caso& caso : casos) {
    Contestar(caso.respuestas);
    const ResultadoPrimeraEtapa r = Resultado();
    ASSERT_EQ(r.lineas.size(), 13u) << caso.que;
    EXPECT_EQ(r.nota, caso.nota) << caso.que;
    EXPECT_EQ(r.aprobado, caso.aprobado) << caso.que;
    EXPECT_FALSE(r.areaFloja) << caso.que;
    EXPECT_EQ(r.lineas[0], "       L21");
    EXPECT_EQ(r.lineas[2], "T124");
    EXPECT_EQ(std::vector<std::string>(r.lineas.begin() + 3, r.lineas.begin() + 7), caso.mensajes)
        << caso.que;
    EXPECT_EQ(r.lineas[11], caso.continuar) << caso.que;
    EXPECT_EQ(r.lineas[12], caso.final) << caso.que;

    // The whole result takes the same decision on the same mark.
    c.CuesModoCorto = false;
    const ResultadoCompleto entero =
        ResultadoEntero(c, AreasDe(datitine, 20, 0), {itinerar, catalogo});
    EXPECT_EQ(entero.nota, caso.nota);
    EXPECT_EQ(entero.lineas[3], caso.aprobado ? "T142" : "T146") << caso.que;
    EXPECT_EQ(entero.lineas[5], "T152 " + NotaTexto(caso.nota));
  }
}

TEST_F(PrimeraEtapaCuestionario, LaSegundaOportunidadSeDaUnaVez) {
  Contestar({{4, 8}, {3, 1}});
  const ResultadoPrimeraEtapa primera = Resultado(true);
  EXPECT_TRUE(primera.usaSegundaOportunidad);
  EXPECT_EQ(primera.lineas[3], "T146");
  const ResultadoPrimeraEtapa segunda = Resultado(false);
  EXPECT_FALSE(segunda.usaSegundaOportunidad);
  EXPECT_EQ(segunda.lineas[3], "T150");
  EXPECT_EQ(segunda.lineas[12], "T202");
}

TEST_F(PrimeraEtapaCuestionario, UnAreaFlojaAnadeElAvisoAlAprobadoJusto) {
  // Question 1 unanswered: area 14 scores 0.
  Contestar({{1, 1}, {4, 11}});
  const ResultadoPrimeraEtapa r = Resultado();
  EXPECT_EQ(r.nota, 55);
  EXPECT_TRUE(r.areaFloja);
  EXPECT_EQ(r.lineas[3], "T144");
  EXPECT_EQ(r.lineas[4], "T145");
}

// The whole result over 45 questions: 1..35 of class 5 type 3 (points 0, 4,
// 7, 10), 36..45 of class 4 type 4 (points 0, 2, 5, 7). Worked by hand:
//   first part: q1 = q2 = 10 of 350 -> 0.6
//   area 1 {36, 37}: 7 + 2 of 14 -> 6.4 (second stage 6.4)
//   area 2 {38}: 5 of 7 -> 7.1
//   area 3 {13, 39}: 0 + 7 of 10 + 7 -> 4.1 (second part 7 of 7 -> 10.0)
//   area 5 {41}: 7 of 7 -> 10.0
//   areas 6 and 10 {42}: 5 of 7 -> 7.1
//   area 14 {1, 2}: 10.0; area 15 {3}: 0.0, weak; areas 16..19 empty.
class ResultadoEnteroCuestionario : public testing::Test {
 protected:
  ResultadoEnteroCuestionario() {
    std::vector<std::pair<int, int>> clases(35, {5, 3});
    clases.resize(45, {4, 4});
    preguntas = prueba::Preguntas(clases);
    c = std::make_unique<Cuestionario>(preguntas);
    c->Empezar(false);
    c->Abrir();
    for (const auto& [q, r] : std::vector<std::pair<int, int>>{
             {1, 4}, {2, 4}, {36, 4}, {37, 2}, {38, 3}, {39, 4}, {41, 4}, {42, 3}}) {
      c->FijarRespuesta(q, r);
    }
  }
  ResultadoCompleto Resultado() {
    return ResultadoEntero(*c, AreasDe(datitine, c->CuesTotal(), 100), {itinerar, catalogo});
  }

  TablaLinea preguntas;
  std::unique_ptr<Cuestionario> c;
  RegistrosFilas datitine = prueba::Areas({
      {1, 1, {36, 37}},
      {1, 2, {38}},
      {1, 3, {13, 39}},
      {1, 4, {40}},
      {1, 5, {41}},
      {1, 6, {42}},
      {1, 10, {42}},
      {1, 14, {1, 2}},
      {1, 15, {3}},
      {1, 20, {1}},
  });
  TablaLinea itinerar = prueba::Itinerar();
  CatalogoTextos catalogo = prueba::Catalogo();
};

std::string Area(int k, const std::string& nota) {
  std::string l = "Area " + std::to_string(k);
  l.resize(45, ' ');
  return l + nota;
}

TEST_F(ResultadoEnteroCuestionario, LineasCalculadasAMano) {
  const ResultadoCompleto r = Resultado();
  const std::string raya(56, '_');
  const std::vector<std::string> esperadas = {
      "       L21",
      "",
      "T124",
      "T146",
      "T147",
      "T152  0.6",
      raya,
      "",
      "T153",
      "      L24 o L23",  // area 5 first: both modalities, no second one
      "",
      raya,
      "",
      "        L30",
      "L33         L32",
      "  T240",
      Area(5, "10.0"),
      Area(2, " 7.1"),  // 2, 6 and 10 tie and keep their order
      Area(6, " 7.1"),
      Area(10, " 7.1"),
      Area(1, " 6.4"),
      Area(3, " 4.1"),
      "",
      "  T341",
      Area(3, "10.0"),
      Area(5, "10.0"),
      raya,
      "",
      "L34",
      "",
      "L37",  // area 15 is weak; 16..19 have nothing to grade
      "L38",
      "L39",
      "",
      "L50",
      "",
      "L51",
      "L52",
  };
  EXPECT_EQ(r.lineas, esperadas);
  EXPECT_EQ(r.negritas, (std::vector<int>{2, 11, 15, 30}));
  EXPECT_EQ(r.a1, 5);
  EXPECT_EQ(r.a2, 3);
  EXPECT_EQ(r.notaArea[20], 100);
  EXPECT_EQ(AreaDeLinea(r, 16), 0);
  EXPECT_EQ(AreaDeLinea(r, 17), 5);
  EXPECT_EQ(AreaDeLinea(r, 22), 3);
  EXPECT_EQ(AreaDeLinea(r, 23), 0);
}

TEST_F(ResultadoEnteroCuestionario, SegundaRecomendacionSoloSiEsOtra) {
  // Area 5 left at 0: area 2 leads, area 3 leads the second part.
  c->FijarRespuesta(41, 1);
  ResultadoCompleto r = Resultado();
  EXPECT_EQ(r.a1, 2);
  EXPECT_EQ(r.a2, 3);
  EXPECT_EQ(r.lineas[9], "      L22");
  EXPECT_EQ(r.lineas[10], "      T123 L26");

  // Area 1 leads (12 of 14) and area 3 the second part: both recommend
  // line 26, said once.
  c->FijarRespuesta(37, 3);
  c->FijarRespuesta(36, 4);
  r = Resultado();
  EXPECT_EQ(r.a1, 1);
  EXPECT_EQ(r.a2, 3);
  EXPECT_EQ(r.lineas[9], "      L26");
  EXPECT_EQ(r.lineas[10], "");
}

TEST_F(ResultadoEnteroCuestionario, TodoSinContestarDejaElOrdenDeLasAreas) {
  for (int q = 1; q <= 45; ++q) c->FijarRespuesta(q, 1);
  const ResultadoCompleto r = Resultado();
  EXPECT_EQ(r.nota, 0);
  for (int i = 1; i <= 13; ++i) EXPECT_EQ(r.ordenAreas[static_cast<std::size_t>(i)], i);
  EXPECT_EQ(r.lineas[5], "T152  0.0");
  EXPECT_EQ(r.lineas[9], "      L26");
  EXPECT_EQ(r.lineas[10], "");
  EXPECT_EQ(r.lineas[16], Area(1, " 0.0"));
  // Areas 14 and 15 are weak; the empty ones are not.
  EXPECT_EQ(std::vector<std::string>(r.lineas.begin() + 30, r.lineas.begin() + 35),
            (std::vector<std::string>{"L35", "L36", "L37", "L38", "L39"}));
  EXPECT_EQ(r.lineas[35], "");
}

TEST_F(ResultadoEnteroCuestionario, SinAreasFlojasDaLosConsejosGenerales) {
  c->FijarRespuesta(3, 4);
  const ResultadoCompleto r = Resultado();
  EXPECT_EQ(std::vector<std::string>(r.lineas.begin() + 30, r.lineas.end()),
            (std::vector<std::string>{"L48", "L49", "", "L50", "", "L51", "L52"}));
}

// The explanations of the same answers, with the explanation texts in the
// catalogue. Answer words: type 3 answer 4 is text 139, type 4 answers 2, 3
// and 4 are texts 133, 134 and 135.
class ExplicacionResultado : public ResultadoEnteroCuestionario {
 protected:
  ExplicacionResultado() {
    std::vector<std::string> lineas;
    for (int n = 1; n <= CatalogoTextos::kUltimaLinea; ++n) lineas.push_back("T" + std::to_string(n));
    prueba::PonerTextosExplicacion(lineas);
    catalogo.Rellenar(lineas);
  }
  static std::vector<std::string> De(const ResultadoCompleto& r, int linea) {
    const ResultadoExplicado* e = ExplicacionDeLinea(r, linea);
    return e != nullptr ? e->lineas : std::vector<std::string>{"(nada)"};
  }
};

TEST_F(ExplicacionResultado, CadaNotaConSusPreguntasAgrupadasPorRespuesta) {
  const ResultadoCompleto r = Resultado();
  using V = std::vector<std::string>;
  // The first-part mark: 20 of 35 x 10 points; questions 1 and 2 share words.
  EXPECT_EQ(De(r, 6), (V{"T152 0,6: 20 de 350 puntos posibles en 35 preguntas",
                         "preguntas 1 y 2 contestadas <T139>: +20"}));
  EXPECT_EQ(De(r, 10), (V{"L24 o L23: por tu area de mejor nota, Area 5 (10,0)"}));
  EXPECT_EQ(De(r, 11), V{"(nada)"});  // no second recommendation
  EXPECT_EQ(De(r, 17), (V{"Area 5 10,0: 7 de 7 puntos posibles en 1 preguntas",
                          "pregunta 41 contestada <T135>: +7"}));
  // Area 1: questions 36 (7 of 7) and 37 (2 of 7); area 3: question 13 left
  // unanswered counts in the maximum only.
  EXPECT_EQ(De(r, 21), (V{"Area 1 6,4: 9 de 14 puntos posibles en 2 preguntas",
                          "pregunta 36 contestada <T135>: +7", "pregunta 37 contestada <T133>: +2"}));
  EXPECT_EQ(De(r, 22), (V{"Area 3 4,1: 7 de 17 puntos posibles en 2 preguntas",
                          "pregunta 39 contestada <T135>: +7"}));
  // Second part: only questions after 35.
  EXPECT_EQ(De(r, 25), (V{"Area 3 10,0: 7 de 7 puntos posibles en 1 preguntas",
                          "pregunta 39 contestada <T135>: +7"}));
  // Areas 2, 6 and 10 tie at 7.1: each row explains its own area.
  EXPECT_EQ(De(r, 18)[0].substr(0, 12), "Area 2 7,1: ");
  EXPECT_EQ(De(r, 20)[0].substr(0, 13), "Area 10 7,1: ");
  EXPECT_EQ(De(r, 20)[1], "pregunta 42 contestada <T134>: +5");
  EXPECT_EQ(De(r, 16), V{"(nada)"});

  const ResultadoExplicado* area1 = ExplicacionDeLinea(r, 21);
  ASSERT_EQ(area1->aportaciones.size(), 2u);
  EXPECT_EQ(area1->aportaciones[1].numero, 37);
  EXPECT_EQ(area1->aportaciones[1].texto, "Pregunta 37");
  EXPECT_EQ(area1->aportaciones[1].respuesta, "T133");
  EXPECT_DOUBLE_EQ(area1->aportaciones[1].puntos, 2.0);
  EXPECT_DOUBLE_EQ(*area1->valor, 6.4);
}

TEST_F(ExplicacionResultado, SinRespuestasNingunaPreguntaDaPuntos) {
  for (int q = 1; q <= 45; ++q) c->FijarRespuesta(q, 1);
  c->FijarRespuesta(41, 4);
  const ResultadoCompleto r = Resultado();
  EXPECT_EQ(De(r, 6), (std::vector<std::string>{"T152 0,0: 0 de 350 puntos posibles en 35 preguntas",
                                                "ninguna respuesta le dio puntos"}));
  // Area 5 leads the second part too, so no second recommendation.
  EXPECT_EQ(De(r, 11), std::vector<std::string>{"(nada)"});
  EXPECT_EQ(De(r, 18), (std::vector<std::string>{"Area 1 0,0: 0 de 14 puntos posibles en 2 preguntas",
                                                 "ninguna respuesta le dio puntos"}));
  EXPECT_TRUE(ExplicacionDeLinea(r, 18)->aportaciones.empty());
}

TEST_F(ExplicacionResultado, ElInformeLasDaTrasElResultado) {
  c->FijarRespuesta(41, 1);  // area 2 leads, area 3 the second part: two recommendations
  const ResultadoCompleto r = Resultado();
  EXPECT_EQ(De(r, 11), (std::vector<std::string>{
                           "T123 L26: por tu area preferida de la segunda parte, Area 3 (10,0)"}));
  const ResultadoImpreso i = ResultadoConExplicaciones(r, catalogo);
  const std::size_t n = r.lineas.size();
  ASSERT_GT(i.lineas.size(), n + 2);
  EXPECT_EQ(std::vector<std::string>(i.lineas.begin(), i.lineas.begin() + static_cast<long>(n)),
            r.lineas);
  EXPECT_EQ(i.lineas[n + 1], "Por que salen estos resultados");
  // Result line k is print line k + 1: the heading is result line n + 2.
  EXPECT_EQ(i.negritas, (std::vector<int>{2, 11, 15, 30, static_cast<int>(n) + 3}));
  EXPECT_EQ(i.lineas[n + 2], "T152 0,6: 20 de 350 puntos posibles en 35 preguntas");
  EXPECT_LE(prueba::LargoMayor(i.lineas), 60u);
  std::vector<std::string> todas;
  for (const ResultadoExplicado& e : r.explicaciones)
    todas.insert(todas.end(), e.lineas.begin(), e.lineas.end());
  EXPECT_EQ(prueba::Palabras(std::vector<std::string>(i.lineas.begin() + static_cast<long>(n) + 2,
                                                      i.lineas.end())),
            prueba::Palabras(todas));
}

TEST(Recomendacion, TablaDeAreasConLaQuinta) {
  TablaLinea itinerar = prueba::Itinerar();
  itinerar.Fijar(24, "L24      ");
  const std::vector<std::string> esperadas = {"L26", "L22", "L26", "L25", "L24 o L23", "L24", "L24",
                                              "L23", "L23", "L24", "L25", "L25",       "L27"};
  for (int area = 1; area <= 13; ++area) {
    EXPECT_EQ(Recomendacion(itinerar, area), esperadas[static_cast<std::size_t>(area - 1)]) << area;
  }
  EXPECT_EQ(Recomendacion(itinerar, 0), "");
  EXPECT_EQ(Recomendacion(itinerar, 14), "");
}

TEST(LineasTitulosArea, CarrerasTrasSuCabeceraYAreasSinEstudiosAfines) {
  const RegistrosFilas datitine = prueba::Areas({
      {2, 1, {5, 90, 7, 0, 150}},
      {2, 11, {3, 4}},
  });
  const AreasCuestionario areas = AreasDe(datitine, 0, 100);
  const TablaLinea titulos = prueba::Titulos(100);
  const TablaLinea itinerar = prueba::Itinerar();
  const CatalogoTextos catalogo = prueba::Catalogo();
  const FuentesResultado f{itinerar, catalogo};
  EXPECT_EQ(LineasTitulosArea(1, areas, titulos, f),
            (std::vector<std::string>{"             T48", "   Area 1", "", "- T80", "", "Titulo 5",
                                      "", "- T84 T46", "", "Titulo 90", "Titulo 7"}));
  EXPECT_EQ(LineasTitulosArea(11, areas, titulos, f),
            (std::vector<std::string>{"             T48", "   Area 11", "Titulo 3", "Titulo 4"}));
  EXPECT_TRUE(LineasTitulosArea(14, areas, titulos, f).empty());

  const auto impresas = ImpresionTitulos("IES Uno  ", {"a", "b"});
  EXPECT_EQ(impresas, (std::vector<std::string>{"          IES Uno", "", std::string(60, '-'), "",
                                                "a", "b"}));
}

TEST(EncabezadoAlumno, NombreYCursoCortadosA45) {
  const CatalogoTextos catalogo = prueba::Catalogo();
  EXPECT_EQ(EncabezadoAlumno("Ana Ruiz", 4, catalogo), "Ana Ruiz  -  4T342");
  const std::string largo(50, 'n');
  EXPECT_EQ(EncabezadoAlumno(largo, 4, catalogo), std::string(45, 'n'));
  EXPECT_EQ(InformeResultado("Ana", {"x", "y"}), (std::vector<std::string>{"Ana", "", "x", "y"}));
}

TEST(NombreGuardado, SinCaracteresProhibidosNiPuntosDelanteYComoMucho100) {
  struct Caso {
    std::string encabezado, nombre;
  };
  const Caso casos[] = {
      {"Ana Ruiz  -  4\xBA de ESO", "Ana Ruiz  -  4\xBA de ESO.TXT"},
      {"a/b\\c:d*e?f\"g<h>i|j", "abcdefghij.TXT"},
      {"..  .oculto", "oculto.TXT"},
      {std::string(120, 'x'), std::string(100, 'x') + ".TXT"},
      {"../..", "resultado.TXT"},
      {"", "resultado.TXT"},
  };
  for (const Caso& c : casos) EXPECT_EQ(NombreGuardado(c.encabezado), c.nombre) << c.encabezado;
}

}  // namespace
}  // namespace sendaro
