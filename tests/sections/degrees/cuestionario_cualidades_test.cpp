// The qualities and interests questionnaire: scoring, rankings, a group's
// studies and the report.
#include "sections/degrees/cuestionario_cualidades.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/impresion/lineas_prueba.h"
#include "data/textos_explicacion.h"
#include "sections/degrees/registros_prueba.h"

namespace sendaro {
namespace {

// Three groups: 1 Sanitario (qualities 1 2 3 4 5, interests 1), 2
// Tecnologico (quality 6, interests 2 3), 3 Artistico (qualities 1..10,
// interests 4). Degrees 1 and 3 belong to group 1, degree 2 to groups 1 and
// 2; "FP" title 2 to group 1.
struct Cuestionario {
  Cuestionario() {
    const char* nombres[] = {"Sanitario", "Tecnologico", "Artistico"};
    for (int g = 1; g <= 3; ++g) grupos.Fijar(g, nombres[g - 1]);
    grupos.FijarCuenta(3);
    std::string gru = prueba::RegistrosVacios(registros::kDatgru);
    prueba::PonerLista(gru, registros::kDatgru, 1, 1, 0, {1, 2, 3, 4, 5});
    prueba::PonerLista(gru, registros::kDatgru, 2, 1, 0, {1});
    prueba::PonerLista(gru, registros::kDatgru, 1, 2, 0, {6});
    prueba::PonerLista(gru, registros::kDatgru, 2, 2, 0, {2, 3});
    prueba::PonerLista(gru, registros::kDatgru, 1, 3, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    prueba::PonerLista(gru, registros::kDatgru, 2, 3, 0, {4});
    EXPECT_TRUE(datos.grupos.Analizar(gru));

    const char* lineas[] = {"Medicina", "Ingenieria Biomedica", "Enfermeria"};
    for (int d = 1; d <= 3; ++d) carreras.Fijar(d, lineas[d - 1]);
    carreras.FijarCuenta(7);
    datos.numCarreras = 3;
    std::string car = prueba::RegistrosVacios(registros::kDatcar);
    const int r5 = registros::kRegistroGruposYRelacionadas;
    prueba::PonerLista(car, registros::kDatcar, r5, 1, 0, {1});
    prueba::PonerLista(car, registros::kDatcar, r5, 2, 0, {2, 1});
    prueba::PonerLista(car, registros::kDatcar, r5, 3, 0, {1});
    EXPECT_TRUE(datos.carreras.Analizar(car));

    titulos.Fijar(1, "-Sanidad");
    titulos.Fijar(2, "Tecnico Superior en Radioterapia");
    titulos.FijarCuenta(2);
    std::string fpr = prueba::RegistrosVacios(registros::kDatFPR);
    prueba::PonerListaTitulo(fpr, registros::kFPRGrupos, 2, {1});
    EXPECT_TRUE(datos.titulosFP.Analizar(fpr));

    std::vector<std::string> textos;
    for (int k = 1; k <= CatalogoTextos::kUltimaLinea; ++k)
      textos.push_back("T" + std::to_string(k));
    prueba::PonerTextosExplicacion(textos);
    catalogo.Rellenar(textos);

    for (int i = 1; i <= 10; ++i) cualidades.Fijar(i, "Q" + std::to_string(i));
    cualidades.FijarCuenta(10);
    for (int i = 1; i <= 4; ++i) intereses.Fijar(i, "I" + std::to_string(i) + "   ");
    intereses.FijarCuenta(4);
  }
  FuentesCuestionario Fuentes() const { return {grupos, carreras, titulos, datos, catalogo}; }
  std::vector<std::vector<int>> Cualidades() const { return MiembrosCualidades(datos, 3); }

  std::vector<std::vector<int>> Intereses() const { return MiembrosIntereses(datos, 3); }

  TablaLinea grupos, carreras, titulos, cualidades, intereses;
  DatosCarreras datos;
  CatalogoTextos catalogo;
};

std::vector<std::vector<std::string>> Lineas(const Clasificacion& c) {
  std::vector<std::vector<std::string>> l;
  for (const ResultadoExplicado& e : c.explicaciones) l.push_back(e.lineas);
  return l;
}

TEST(CuestionarioCualidades, ItemsGraduadosSeleccionanLosAnteriores) {
  const struct {
    int item;
    std::vector<int> tambien;
  } casos[] = {{0, {}}, {1, {0}}, {2, {0, 1}}, {3, {}}, {4, {3}}, {5, {3, 4}}, {6, {}}, {12, {}}};
  for (const auto& c : casos) EXPECT_EQ(CualidadesGraduadas(c.item), c.tambien) << c.item;
}

TEST(CuestionarioCualidades, PuntuacionYSuEscrituraConUnDecimal) {
  const Cuestionario q;
  // Nothing ticked: 0.01 x 10 / members.
  const std::vector<double> nada = PuntuarGrupos({}, q.Cualidades());
  ASSERT_EQ(nada.size(), 3u);
  EXPECT_DOUBLE_EQ(nada[0], 0.02);
  EXPECT_DOUBLE_EQ(nada[1], 0.1);
  EXPECT_DOUBLE_EQ(nada[2], 0.01);
  // Three of five in any order: 3.01 x 10 / 5 = 6.02; the lone member: 10.1.
  const std::vector<double> p = PuntuarGrupos({5, 1, 3, 6}, q.Cualidades());
  EXPECT_DOUBLE_EQ(p[0], 6.02);
  EXPECT_DOUBLE_EQ(p[1], 10.1);
  EXPECT_DOUBLE_EQ(p[2], 4.01);

  const struct {
    double puntos;
    const char* escrito;
  } escritos[] = {{0.01, " 0.0"}, {0.1, " 0.1"}, {6.02, " 6.0"}, {10.01, "10.0"}, {4.96, " 5.0"}};
  for (const auto& e : escritos) {
    EXPECT_EQ(LineaPuntuacion("Sanitario", e.puntos),
              "Sanitario" + std::string(31, ' ') + e.escrito)
        << e.puntos;
  }
  // A long group name keeps its first 40 characters.
  EXPECT_EQ(LineaPuntuacion(std::string(50, 'x'), 1.0), std::string(40, 'x') + " 1.0");
}

TEST(CuestionarioCualidades, GrupoSinMiembrosPuntuaCero) {
  const std::vector<double> p = PuntuarGrupos({1, 2}, {{}, {1}});
  EXPECT_EQ(p[0], 0.0);
  EXPECT_DOUBLE_EQ(p[1], 10.1);
}

TEST(CuestionarioCualidades, ClasificacionDeMayorAMenorYEmpatesEnOrdenDeGrupo) {
  const Cuestionario q;
  const Clasificacion c = Clasificar(q.grupos, {2.0, 6.02, 2.0});
  EXPECT_EQ(c.orden, (std::vector<int>{2, 1, 3}));
  ASSERT_EQ(c.lineas.size(), 3u);
  EXPECT_EQ(c.lineas[0], "Tecnologico" + std::string(29, ' ') + " 6.0");
  EXPECT_EQ(c.lineas[1], "Sanitario" + std::string(31, ' ') + " 2.0");
  EXPECT_EQ(c.lineas[2], "Artistico" + std::string(31, ' ') + " 2.0");

  // The average: (a + b) / 2, a list never scored counting 0.
  EXPECT_EQ(PromediarPuntos({2.0, 4.0}, {6.0, 0.0}), (std::vector<double>{4.0, 2.0}));
  EXPECT_EQ(PromediarPuntos({2.0, 4.0}, {}), (std::vector<double>{1.0, 2.0}));
}

TEST(CuestionarioCualidades, DetalleDeUnGrupo) {
  const Cuestionario q;
  const std::vector<std::string> d = DetalleGrupo(q.Fuentes(), 1);
  const std::vector<std::string> esperado = {
      "Sanitario",          std::string(60, ' '),          "T327" + std::string(12, ' '),
      "Medicina",           "Ingenieria Biomedica",        "Enfermeria",
      std::string(60, ' '), "T326" + std::string(12, ' '), "Tecnico Superior en Radioterapia"};
  EXPECT_EQ(d, esperado);
  // Group 3 has no studies: only its headings.
  EXPECT_EQ(DetalleGrupo(q.Fuentes(), 3).size(), 5u);
}

TEST(CuestionarioCualidades, InformeConLasTresClasificacionesYLosEstudiosDeTresGrupos) {
  const Cuestionario q;
  ResultadoCuestionario r;
  const auto cual = PuntuarGrupos({1, 2, 3}, q.Cualidades());
  const auto inte = PuntuarGrupos({2, 3}, MiembrosIntereses(q.datos, 3));
  r.cualidades = Clasificar(q.grupos, cual);
  r.intereses = Clasificar(q.grupos, inte);
  r.conjunto = Clasificar(q.grupos, PromediarPuntos(cual, inte));
  EXPECT_EQ(r.conjunto.orden, (std::vector<int>{2, 1, 3}));

  const InformeCuestionario inf = InformeCualidades(q.Fuentes(), r, "Ana");
  EXPECT_EQ(inf.titulo, "T284 Ana");
  const auto& a = inf.retrato;
  ASSERT_EQ(a.size(), 23u);
  EXPECT_EQ(a[0], "T596 T597");
  EXPECT_EQ(a[2], std::string(26, ' ') + "T279");
  EXPECT_EQ(a[4], std::string(9, ' ') + r.cualidades.lineas[0]);
  EXPECT_EQ(a[9], std::string(26, ' ') + "T280");
  EXPECT_EQ(a[16], std::string(11, ' ') + "T285");
  EXPECT_EQ(a[18], std::string(9, ' ') + r.conjunto.lineas[0]);
  EXPECT_EQ(a[22], std::string(44, ' ') + "T598");
  // The three headings, counted from line 1.
  EXPECT_EQ(inf.negritasRetrato, (std::vector<int>{3, 10, 17}));

  EXPECT_EQ(inf.tituloEstudios, "T340");
  const auto& b = inf.estudios;
  const std::vector<std::string> primero = {
      "", "Tecnologico",        "", "T327", "   Ingenieria Biomedica", "", "T326",
      "", std::string(29, '_'), ""};
  ASSERT_GE(b.size(), primero.size());
  EXPECT_EQ(std::vector<std::string>(b.begin(), b.begin() + 10), primero);
  EXPECT_EQ(b[10], "Sanitario");
  EXPECT_EQ(b[18], "   Tecnico Superior en Radioterapia");
  EXPECT_EQ(b[22], "Artistico");
  EXPECT_EQ(inf.negritasEstudios, (std::vector<int>{2, 11, 23}));

  // Saved as one text: the portrait part, then the studies part.
  const auto todo = inf.Completo();
  EXPECT_EQ(todo.front(), "T284 Ana");
  EXPECT_EQ(todo[24], "T340");
  EXPECT_EQ(todo.size(), 1 + a.size() + 1 + b.size());
}

// Each row says which ticked items gave its score and what each is worth
// (10 / the group's members): worked out by hand for the three groups.
TEST(CuestionarioCualidades, CadaFilaExplicaSusCualidadesMarcadas) {
  const Cuestionario q;
  const auto miembros = q.Cualidades();
  const Clasificacion c =
      ClasificarLista(q.grupos, {true, q.cualidades, miembros, {6, 2, 1}}, q.catalogo);
  EXPECT_EQ(c.orden, (std::vector<int>{2, 1, 3}));
  EXPECT_EQ(Lineas(c),
            (std::vector<std::vector<std::string>>{
                {"Tecnologico 10,1: marcaste 1 de sus 1 cualidades (10,0 puntos cada una): Q6"},
                {"Sanitario 4,0: marcaste 2 de sus 5 cualidades (2,0 puntos cada una): Q1 y Q2"},
                {"Artistico 3,0: marcaste 3 de sus 10 cualidades (1,0 puntos cada una): Q1, Q2 y "
                 "Q6"},
            }));
  const ResultadoExplicado& s = c.explicaciones[1];
  EXPECT_EQ(s.fila, 1);
  EXPECT_EQ(s.nombre, "Sanitario");
  EXPECT_DOUBLE_EQ(*s.valor, 4.02);
  ASSERT_EQ(s.aportaciones.size(), 2u);
  EXPECT_EQ(s.aportaciones[1].numero, 2);
  EXPECT_EQ(s.aportaciones[1].texto, "Q2");
  EXPECT_DOUBLE_EQ(s.aportaciones[1].puntos, 2.0);
  // The ranking is the one the bare scores give.
  EXPECT_EQ(c.lineas, Clasificar(q.grupos, PuntuarGrupos({1, 2, 6}, miembros)).lineas);
}

TEST(CuestionarioCualidades, EmpateYFilasSinNingunaRespuesta) {
  const Cuestionario q;
  const auto miembros = q.Intereses();
  // Sanitario and Artistico tie at 10.1 and keep their group order;
  // Tecnologico has none of its two interests ticked.
  Clasificacion c = ClasificarLista(q.grupos, {false, q.intereses, miembros, {4, 1}}, q.catalogo);
  EXPECT_EQ(c.orden, (std::vector<int>{1, 3, 2}));
  EXPECT_EQ(c.explicaciones[0].lineas[0],
            "Sanitario 10,1: marcaste 1 de sus 1 intereses (10,0 puntos cada uno): I1");
  EXPECT_EQ(c.explicaciones[1].lineas[0],
            "Artistico 10,1: marcaste 1 de sus 1 intereses (10,0 puntos cada uno): I4");
  EXPECT_EQ(c.explicaciones[2].lineas[0].substr(c.explicaciones[2].lineas[0].find(':')),
            ": no marcaste ninguno de sus 2 intereses");
  EXPECT_TRUE(c.explicaciones[2].aportaciones.empty());

  c = ClasificarLista(q.grupos, {true, q.cualidades, q.Cualidades(), {}}, q.catalogo);
  EXPECT_EQ(c.explicaciones[0].lineas,
            std::vector<std::string>{"Tecnologico 0,1: no marcaste ninguna de sus 1 cualidades"});
}

TEST(CuestionarioCualidades, ElConjuntoExplicaLaMediaConLasDosListas) {
  const Cuestionario q;
  const auto mc = q.Cualidades();
  const auto mi = q.Intereses();
  const Clasificacion c =
      ClasificarConjunto(q.grupos, {true, q.cualidades, mc, {1, 2, 6}},
                         {false, q.intereses, mi, {1, 4}}, q.catalogo);
  // Sanitario (4.02 + 10.1) / 2 = 7.06, Artistico 6.555, Tecnologico 5.075.
  EXPECT_EQ(c.orden, (std::vector<int>{1, 3, 2}));
  EXPECT_EQ(c.explicaciones[0].lineas,
            (std::vector<std::string>{
                "Sanitario 7,1: media de 4,0 en cualidades y 10,1 en intereses",
                "marcaste 2 de sus 5 cualidades (2,0 puntos cada una): Q1 y Q2",
                "marcaste 1 de sus 1 intereses (10,0 puntos cada uno): I1"}));
  EXPECT_EQ(c.explicaciones[2].lineas[2], "no marcaste ninguno de sus 2 intereses");
  // In the average an item adds half of what it adds to its own list.
  const auto& a = c.explicaciones[0].aportaciones;
  ASSERT_EQ(a.size(), 3u);
  EXPECT_EQ(a[0].parte, 0);
  EXPECT_DOUBLE_EQ(a[0].puntos, 1.0);
  EXPECT_EQ(a[2].parte, 1);
  EXPECT_EQ(a[2].numero, 1);
  EXPECT_DOUBLE_EQ(a[2].puntos, 5.0);

  // The report's portrait part gives them after the combined ranking.
  ResultadoCuestionario r;
  r.cualidades = ClasificarLista(q.grupos, {true, q.cualidades, mc, {1, 2, 6}}, q.catalogo);
  r.intereses = ClasificarLista(q.grupos, {false, q.intereses, mi, {1, 4}}, q.catalogo);
  r.conjunto = c;
  const InformeCuestionario inf = InformeCualidades(q.Fuentes(), r, "Ana");
  const auto& l = inf.retrato;
  EXPECT_EQ(l[21], "");
  EXPECT_EQ(l[22], "Por que salen estos resultados");
  EXPECT_EQ(inf.negritasRetrato, (std::vector<int>{3, 10, 17, 23}));
  EXPECT_EQ(l[23], "Sanitario 7,1: media de 4,0 en cualidades y 10,1 en");
  EXPECT_EQ(l.back(), std::string(44, ' ') + "T598");
  EXPECT_LE(prueba::LargoMayor(l), 60u);
  // Saved, they come with the rest.
  const auto todo = inf.Completo();
  EXPECT_NE(std::find(todo.begin(), todo.end(), "Por que salen estos resultados"), todo.end());
}

}  // namespace
}  // namespace sendaro
