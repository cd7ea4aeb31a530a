#include "sections/professions/cuestionario_profesiones.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/profesiones.h"
#include "data/textos_explicacion.h"

namespace sendaro::profesiones {
namespace {

// A line of "FRACORTAS": codes A and B, the text.
std::string Corta(const std::string& a, const std::string& b, const std::string& texto) {
  return a + " " + b + " " + texto;
}

// A line of "profesio": codes, name (40), two phrase numbers (3 each), studies.
std::string Prof(const std::string& a, const std::string& b, std::string nombre, int f1, int f2,
                 const std::string& estudios = "") {
  nombre.resize(40, ' ');
  char numeros[8];
  std::snprintf(numeros, sizeof numeros, "%3d%3d", f1, f2);
  return a + " " + b + " " + nombre + numeros + estudios;
}

std::string Unir(const std::vector<std::string>& lineas) {
  std::string s;
  for (const auto& l : lineas) s += l + "\r\n";
  return s;
}

CatalogoTextos Catalogo() {
  std::vector<std::string> lineas(CatalogoTextos::kUltimaLinea);
  const auto fijar = [&](int n, const char* t) { lineas[static_cast<std::size_t>(n - 1)] = t; };
  fijar(47, "FP de Grado Superior");
  fijar(113, "FP de Grado Medio");
  fijar(124, "Segun tus respuestas:");
  fijar(624, "Profesiones de actividad");
  fijar(625, "Actividades afines");
  fijar(627, "Estudios universitarios");
  fijar(628, "Otros titulos");
  fijar(634, "A");
  fijar(635, "B");
  fijar(636, "C");
  fijar(637, "R");
  fijar(642, "Actividades mas afines");
  fijar(644, "Profesiones de tu frase");
  fijar(648, "Resultado");
  prueba::PonerTextosExplicacion(lineas);
  CatalogoTextos c;
  c.Rellenar(lineas);
  return c;
}

TablaLinea Tabla(const std::vector<std::string>& lineas) {
  TablaLinea t;
  t.Fijar(0, "tabla");
  for (std::size_t i = 0; i < lineas.size(); ++i) t.Fijar(static_cast<int>(i + 1), lineas[i]);
  t.FijarCuenta(static_cast<int>(lineas.size()));
  return t;
}

TEST(LectoresProfesiones, LineasCortasSonCamposEnBlancoYNumerosMalosCero) {
  DatosProfesiones d;
  AnalizarFrasesLargas("Me gusta cocinar" + std::string(99, ' ') + "HOST SALU\r\nCorta\r\n", d);
  ASSERT_EQ(d.frasesLargas.size(), 2u);
  EXPECT_EQ(d.frasesLargas[0].texto, "Me gusta cocinar");
  EXPECT_EQ(d.frasesLargas[0].actividades[0], "HOST");
  EXPECT_EQ(d.frasesLargas[0].actividades[1], "SALU");
  EXPECT_EQ(d.frasesLargas[0].actividades[2], "    ");
  EXPECT_EQ(d.frasesLargas[1].actividades[3], "    ");

  AnalizarProfesiones(
      Unir({Prof("SALU", "    ", "Enfermero", 3, 0, "C001S002X999C003"), "SALU      Corto",
            "EDUC      Medico" + std::string(34, ' ') + " x  12"}),
      d);
  ASSERT_EQ(d.profesiones.size(), 3u);
  EXPECT_EQ(d.profesiones[0].nombre, "Enfermero");
  EXPECT_EQ(d.profesiones[0].frases[0], 3);
  EXPECT_EQ(d.profesiones[0].estudios[2], "X999");
  EXPECT_EQ(d.profesiones[1].frases[0], 0);
  EXPECT_EQ(d.profesiones[2].frases[0], 0);  // " x " is not a number
  EXPECT_EQ(d.profesiones[2].frases[1], 12);
}

TEST(LectoresProfesiones, CapacidadDeCadaFichero) {
  DatosProfesiones d;
  std::vector<std::string> muchas(130, Corta("SALU", "    ", "frase"));
  AnalizarFrasesCortas(Unir(muchas), d);
  EXPECT_EQ(d.frasesCortas.size(), 120u);
  EXPECT_EQ(d.Corta(120)->texto, "frase");
  EXPECT_EQ(d.Corta(121), nullptr);
  EXPECT_EQ(d.Corta(0), nullptr);
}

TEST(PanelFrases, SecuenciaDeLaIntroduccionAlCierre) {
  const int n = 3;
  PasoFrase p = AvanzarFrase(-2, n, true);  // start of a run
  EXPECT_EQ(p.muestra, PasoFrase::Muestra::kIntroduccion);
  EXPECT_TRUE(p.ocultarNo);
  EXPECT_EQ(p.elegirFila, -1);
  p = AvanzarFrase(p.indice, n, true);  // Yes on the introduction chooses nothing
  EXPECT_EQ(p.muestra, PasoFrase::Muestra::kFrase);
  EXPECT_EQ(p.indice, 0);
  EXPECT_EQ(p.elegirFila, -1);
  p = AvanzarFrase(p.indice, n, true);
  EXPECT_EQ(p.elegirFila, 0);
  p = AvanzarFrase(p.indice, n, false);
  EXPECT_EQ(p.elegirFila, -1);
  p = AvanzarFrase(p.indice, n, true);  // Yes to the last phrase chooses it
  EXPECT_EQ(p.muestra, PasoFrase::Muestra::kCierre);
  EXPECT_EQ(p.elegirFila, 2);
  p = AvanzarFrase(p.indice, n, true);
  EXPECT_TRUE(p.cerrar);
}

TEST(PanelFrases, MensajeDeCierreSegunLasElegidas) {
  const CatalogoTextos c = Catalogo();
  EXPECT_EQ(TextoCierre(c, 4), "A B C");
  EXPECT_EQ(TextoCierre(c, 2), "R C");
  EXPECT_FALSE(EleccionValida(0));
  EXPECT_TRUE(EleccionValida(3));
  EXPECT_FALSE(EleccionValida(4));
}

// Professions with codes A/B and two phrases each, over the given codes.
DatosProfesiones ConDerivadas(int cuantas) {
  DatosProfesiones d;
  std::vector<std::string> cortas;
  for (int i = 1; i <= 60; ++i)
    cortas.push_back(Corta("SALU", "    ", "frase " + std::to_string(i)));
  AnalizarFrasesCortas(Unir(cortas), d);
  std::vector<std::string> profs;
  for (int i = 1; i <= cuantas; i += 2)
    profs.push_back(Prof("SALU", "    ", "p", i, i + 1 <= cuantas ? i + 1 : 0));
  AnalizarProfesiones(Unir(profs), d);
  return d;
}

TEST(Derivacion, CuatroPasadasSinRepetidosNiFuerasDeTabla) {
  DatosProfesiones d;
  AnalizarFrasesCortas(Unir({Corta("SALU", "    ", "a"), Corta("EDUC", "    ", "b"),
                             Corta("EDUC", "    ", "c"), Corta("SALU", "    ", "d")}),
                       d);
  AnalizarProfesiones(Unir({Prof("OTRA", "SALU", "x", 4, 3), Prof("SALU", "    ", "y", 1, 2),
                            Prof("SALU", "    ", "z", 99, 1), Prof("EDUC", "    ", "w", 3, 0)}),
                      d);
  // Pass 1 (A, phrase 1): 1 (99 skipped); pass 2 (A, phrase 2): 2 (1 again skipped);
  // pass 3 (B, phrase 1): 4; pass 4 (B, phrase 2): 3.
  EXPECT_EQ(DerivarFrases(d, {"SALU"}), (std::vector<int>{1, 2, 4, 3}));
  EXPECT_TRUE(DerivarFrases(d, {"NADA"}).empty());
}

TEST(Derivacion, CodigosDeLasFrasesElegidasUnaVezCadaUno) {
  DatosProfesiones d;
  AnalizarFrasesLargas(Unir({std::string(115, 'a') + "SALU EDUC          ",
                             std::string(115, 'b') + "EDUC      INFO     "}),
                       d);
  EXPECT_EQ(CodigosElegidos(d, {0, 1}), (std::vector<std::string>{"SALU", "EDUC", "INFO"}));
  EXPECT_EQ(CodigosElegidos(d, {1, 7}), (std::vector<std::string>{"EDUC", "INFO"}));
}

TEST(Paginas, RepartoPorHuecosYPaginas) {
  struct Caso {
    int derivadas, paginas, porPagina;
    std::vector<int> primera;
  };
  const std::vector<Caso> casos{
      {0, 0, 0, {}},
      {3, 1, 4, {1, 2, 3}},
      {6, 2, 4, {1, 3, 5}},  // dealt alternately: page 2 gets 2, 4, 6
      {16, 4, 4, {1, 5, 9, 13}},
      {17, 4, 5, {1, 5, 9, 13, 17}},
      {45, 4, 12, {1, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41, 45}},
  };
  for (const Caso& c : casos) {
    std::vector<int> lista;
    for (int i = 1; i <= c.derivadas; ++i) lista.push_back(i);
    const Paginas p = RepartirPaginas(lista);
    EXPECT_EQ(p.numPaginas, c.paginas) << c.derivadas;
    EXPECT_EQ(p.frasesPorPagina, c.porPagina) << c.derivadas;
    if (c.paginas > 0) EXPECT_EQ(p.paginas[0], c.primera) << c.derivadas;
    std::size_t total = 0;
    for (const auto& pag : p.paginas) total += pag.size();
    EXPECT_EQ(total, lista.size()) << c.derivadas;
  }
  const Paginas seis = RepartirPaginas({1, 2, 3, 4, 5, 6});
  EXPECT_EQ(seis.paginas[1], (std::vector<int>{2, 4, 6}));
}

TEST(Paginas, LaTerceraEleccionQuitaLaMasBaja) {
  EXPECT_EQ(LimitarEleccionPagina({0, 2, 1}), (std::vector<int>{0, 1}));
  EXPECT_EQ(LimitarEleccionPagina({3, 1, 2}), (std::vector<int>{1, 2}));
  EXPECT_EQ(LimitarEleccionPagina({4}), (std::vector<int>{4}));

  const Paginas p = RepartirPaginas({7, 8, 9, 10, 11, 12});
  EXPECT_EQ(ListaFinal(p, {{2, 0}, {1}}), (std::vector<int>{7, 11, 10}));
  EXPECT_EQ(ListaFinal(p, {{9}, {}}), std::vector<int>{});
}

TEST(Puntuacion, CodigoAYBConLaFraseElegidaYEmpatesEnOrden) {
  DatosProfesiones d;
  AnalizarActividades("SALU Salud\r\nEDUC Ensenanza\r\nINFO Informatica\r\nARTE Arte\r\n", d);
  AnalizarFrasesCortas(
      Unir({Corta("SALU", "EDUC", "a"), Corta("INFO", "    ", "b"), Corta("EDUC", "SALU", "c")}),
      d);
  // Phrase 1 picked (row 0): SALU 2.5, EDUC 1.25; phrase 2: INFO 1; phrase 3: EDUC 1, SALU 0.5.
  auto p = PuntuarActividades(d, {1, 2, 3}, 0);
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].actividad, 0);
  EXPECT_DOUBLE_EQ(p[0].puntos, 3.0);
  EXPECT_EQ(p[1].actividad, 1);
  EXPECT_DOUBLE_EQ(p[1].puntos, 2.25);
  EXPECT_EQ(p[2].actividad, 2);
  EXPECT_DOUBLE_EQ(p[2].puntos, 1.0);

  // Nothing picked: SALU 1.5, EDUC 1.5 (tie keeps file order), INFO 1.
  p = PuntuarActividades(d, {1, 2, 3}, -1);
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].actividad, 0);
  EXPECT_EQ(p[1].actividad, 1);
  EXPECT_DOUBLE_EQ(p[0].puntos, p[1].puntos);

  EXPECT_TRUE(PuntuarActividades(d, {}, -1).empty());
  EXPECT_TRUE(PuntuarActividades(d, {77}, 0).empty());  // outside the table
}

TEST(Resultados, ProfesionesDeUnaFraseYDeUnaActividad) {
  DatosProfesiones d;
  AnalizarActividades("SALU Salud\r\nEDUC Ensenanza\r\n", d);
  AnalizarProfesiones(
      Unir({Prof("SALU", "    ", "Enfermero", 1, 2), Prof("EDUC", "SALU", "Maestro", 3, 1),
            Prof("SALU", "    ", "Enfermero", 1, 0), Prof("EDUC", "    ", "Pedagogo", 0, 0)}),
      d);
  EXPECT_EQ(ProfesionesDeFrase(d, 1),
            (std::vector<int>{0, 1}));  // the second "Enfermero" is left out
  EXPECT_TRUE(ProfesionesDeFrase(d, 5).empty());
  EXPECT_TRUE(ProfesionesDeFrase(d, 0).empty());
  EXPECT_EQ(ProfesionesDeActividad(d, 0), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(ProfesionesDeActividad(d, 1), (std::vector<int>{1, 3}));
  EXPECT_TRUE(ProfesionesDeActividad(d, 9).empty());
}

TEST(Resultados, EstudiosHastaOtraLetraConCabeceraPorClase) {
  const TablaLinea carreras = Tabla({"Medicina", "Enfermeria"});
  const TablaLinea fp = Tabla({"Laboratorio clinico  "});
  const TablaLinea vacia = Tabla({});
  const TablasEstudios tablas{&carreras, &fp, &vacia, &vacia};
  Profesion p;
  p.estudios = {"C002", "S001", "C001", "C009", "M001", "X001", "C001"};
  const auto estudios = EstudiosDeProfesion(p, tablas);
  ASSERT_EQ(estudios.size(), 3u);  // C009 and M001 are outside their tables; X ends the list
  EXPECT_EQ(estudios[1].linea, "Laboratorio clinico");
  const auto lineas = LineasEstudios(estudios, Catalogo());
  std::vector<std::string> textos;
  for (const auto& l : lineas) textos.push_back((l.cabecera ? "#" : "") + l.texto);
  EXPECT_EQ(textos, (std::vector<std::string>{"#      Estudios universitarios:", "Enfermeria",
                                              "#      FP de Grado Superior:", "Laboratorio clinico",
                                              "Medicina"}));
}

TEST(Informe, LineasNegritasYSinBloqueDeActividadCuandoNoHayPuntos) {
  DatosProfesiones d;
  AnalizarActividades("SALU Salud\r\nEDUC Ensenanza\r\n", d);
  AnalizarProfesiones(Unir({Prof("SALU", "    ", "Enfermero", 1, 0, "C001"),
                            Prof("EDUC", "    ", "Maestro", 0, 0)}),
                      d);
  const TablaLinea carreras = Tabla({"Enfermeria"});
  const TablasEstudios tablas{&carreras, &carreras, &carreras, &carreras};
  const CatalogoTextos c = Catalogo();
  BufferImpresion buffer;
  SeccionesImpresion secciones;

  Resultado r{{{0, 2.5}, {1, 1.0}}, {0}};
  const int n = InformeProfesiones(d, tablas, c, r, "Ana Ruiz", buffer, secciones);
  std::vector<std::string> lineas;
  for (int i = 0; i <= n; ++i) lineas.push_back(buffer[i]);
  EXPECT_EQ(lineas,
            (std::vector<std::string>{
                "Ana Ruiz", "Resultado", "", "Segun tus respuestas:", "Profesiones de tu frase", "",
                "\x95 Enfermero", "    Enfermeria (T\xEDt. Univers.)", "", "Actividades mas afines",
                "         Actividades afines", "1\xBA Salud", "2\xBA Ensenanza", "",
                "     Profesiones de actividad 1\xBA:", "  \x95 Enfermero"}));
  std::vector<int> negritas;
  for (int i = 1; i <= secciones.Cuenta(); ++i) negritas.push_back(secciones.Numero(i));
  EXPECT_EQ(negritas, (std::vector<int>{1, 4, 6, 9}));

  const int m = InformeProfesiones(d, tablas, c, Resultado{}, "Ana Ruiz", buffer, secciones);
  EXPECT_EQ(m, 5);
  EXPECT_TRUE(buffer[6].empty());
}

// A study line longer than the buffer keeps goes on two lines, with every
// word and its class, the profession still bold.
TEST(Informe, EstudiosLargosSinPerderPalabras) {
  DatosProfesiones d;
  AnalizarActividades("ALIM Alimentacion\r\n", d);
  AnalizarProfesiones(Prof("ALIM", "    ", "Panadero", 1, 0, "M001C001"), d);
  const TablaLinea medio =
      Tabla({"Panader\xED"
             "a, Reposter\xED"
             "a y Confiter\xED"
             "a"});
  const TablaLinea carreras =
      Tabla({"Ciencia y Tecnolog\xED"
             "a de los Alimentos y Nutrici\xF3n Humana"});
  const TablasEstudios tablas{&carreras, &medio, &medio, &medio};
  BufferImpresion buffer;
  SeccionesImpresion secciones;
  const int n =
      InformeProfesiones(d, tablas, Catalogo(), Resultado{{}, {0}}, "Ana", buffer, secciones);
  std::vector<std::string> lineas;
  for (int i = 7; i <= n; ++i) lineas.push_back(buffer[i]);
  EXPECT_EQ(lineas, (std::vector<std::string>{"    Panader\xED"
                                              "a, Reposter\xED"
                                              "a y Confiter\xED"
                                              "a (T\xEDt. FP de Grado",
                                              "      Medio)",
                                              "    Ciencia y Tecnolog\xED"
                                              "a de los Alimentos y Nutrici\xF3n Humana",
                                              "      (T\xEDt. Univers.)"}));
  EXPECT_EQ(secciones.Numero(secciones.Cuenta()), 6);
}

// The two best activities say which phrases of the final list gave their
// points, the picked one first in its own words; a tie keeps file order.
TEST(Explicacion, ActividadesConLasFrasesQueLasPuntuan) {
  DatosProfesiones d;
  AnalizarActividades("SALU Salud\r\nEDUC Ensenanza\r\nINFO Informatica\r\n", d);
  AnalizarFrasesCortas(Unir({Corta("SALU", "EDUC", "Cuidar  "), Corta("INFO", "    ", "Programar"),
                             Corta("EDUC", "SALU", "Explicar")}),
                       d);
  const CatalogoTextos c = Catalogo();
  using V = std::vector<std::string>;
  struct Caso {
    int elegida;
    std::vector<V> lineas;
  };
  const Caso casos[] = {
      // Phrase 1 picked: Salud 2.5 + 0.5, Ensenanza 1.25 + 1.
      {0,
       {{"Salud 3: la senalan estas frases de tu lista final:",
         "<Cuidar>, la frase que elegiste: +2,5", "<Explicar>: +0,5"},
        {"Ensenanza 2,25: la senalan estas frases de tu lista final:",
         "<Cuidar>, la frase que elegiste: +1,25", "<Explicar>: +1"}}},
      // Nothing picked: Salud and Ensenanza tie at 1.5; Informatica (1) is third.
      {-1,
       {{"Salud 1,5: la senalan estas frases de tu lista final:", "<Cuidar>: +1",
         "<Explicar>: +0,5"},
        {"Ensenanza 1,5: la senalan estas frases de tu lista final:", "<Cuidar>: +0,5",
         "<Explicar>: +1"}}},
  };
  for (const Caso& caso : casos) {
    const auto puntos = PuntuarActividades(d, {1, 2, 3}, caso.elegida);
    const auto e = ExplicarActividades(d, puntos, c);
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].lineas, caso.lineas[0]) << caso.elegida;
    EXPECT_EQ(e[1].lineas, caso.lineas[1]) << caso.elegida;
    EXPECT_EQ(e[1].fila, 2);
  }
  const auto puntos = PuntuarActividades(d, {1, 2, 3}, 0);
  ASSERT_EQ(puntos[0].aportaciones.size(), 2u);
  EXPECT_EQ(puntos[0].aportaciones[0].numero, 1);
  EXPECT_TRUE(puntos[0].aportaciones[0].elegida);
  EXPECT_DOUBLE_EQ(puntos[0].aportaciones[1].puntos, 0.5);
  EXPECT_EQ(puntos[0].aportaciones[1].numero, 3);
  // A single activity gives a single explanation; none gives none.
  EXPECT_EQ(ExplicarActividades(d, PuntuarActividades(d, {2}, 0), c).size(), 1u);
  EXPECT_TRUE(ExplicarActividades(d, {}, c).empty());
}

TEST(Explicacion, ProfesionesDeLaFraseElegidaYElInforme) {
  DatosProfesiones d;
  AnalizarActividades("SALU Salud\r\n", d);
  AnalizarFrasesCortas(Corta("SALU", "    ", "Cuidar") + "\r\n", d);
  AnalizarProfesiones(Unir({Prof("SALU", "    ", "Enfermero", 1, 0), Prof("SALU", "    ", "Medico", 0, 1)}),
                      d);
  const CatalogoTextos c = Catalogo();
  const auto e = ExplicarProfesiones(d, ProfesionesDeFrase(d, 1), 1, c);
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[1].lineas,
            std::vector<std::string>{"Medico: sale de la frase que elegiste, <Cuidar>"});
  EXPECT_EQ(e[1].fila, 2);
  EXPECT_FALSE(e[1].valor);
  EXPECT_TRUE(ExplicarProfesiones(d, {0}, 9, c).empty());  // no such phrase

  const TablaLinea vacia = Tabla({});
  const TablasEstudios tablas{&vacia, &vacia, &vacia, &vacia};
  Resultado r{PuntuarActividades(d, {1}, 0), {0, 1}, {}};
  r.explicaciones = ExplicarActividades(d, r.puntos, c);
  for (const auto& x : e) r.explicaciones.push_back(x);
  BufferImpresion buffer;
  SeccionesImpresion secciones;
  const int n = InformeProfesiones(d, tablas, c, r, "Ana", buffer, secciones);
  std::vector<std::string> cola;
  for (int i = n - 5; i <= n; ++i) cola.push_back(buffer[i]);
  EXPECT_EQ(cola, (std::vector<std::string>{
                      "", "Por que salen estos resultados",
                      "Salud 2,5: la senalan estas frases de tu lista final:",
                      "   <Cuidar>, la frase que elegiste: +2,5",
                      "Enfermero: sale de la frase que elegiste, <Cuidar>",
                      "Medico: sale de la frase que elegiste, <Cuidar>"}));
  EXPECT_EQ(secciones.Numero(secciones.Cuenta()), n - 4);
}

}  // namespace
}  // namespace sendaro::profesiones
