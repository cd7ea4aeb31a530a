// The cut-off mark consultation: marks at the boundary, unknown cut-offs,
// requirements, difficulty, communities 18 and 19, missing inputs and the
// printout's heading.
#include "sections/degrees/consulta.h"

#include <gtest/gtest.h>

#include "sections/degrees/carreras_prueba.h"
#include "sections/degrees/mapa_comunidades.h"

namespace sendaro {
namespace {

using prueba::CatalogoCarreras;

// Two universities of community 1, one of community 13.
CatalogoCarreras Catalogo() {
  CatalogoCarreras c({"Medicina (L)", "Derecho (L)", "Biologia (L)", "Historia (L)", "Bellas Artes",
                      "Enfermeria (D)"});
  c.Universidad(1, "Universidad de Sevilla", 1);
  c.Universidad(2, "Universidad Complutense", 13);
  c.Universidad(3, "Universidad de Granada", 1);
  c.Notas(1, {{1, 50}, {3, 51}});  // at the boundary of 5,0
  c.Notas(2, {{1, 10}});           // no known cut-off
  c.Notas(3, {{1, 60}});           // no requirements
  c.Notas(4, {{1, 55}, {2, 55}});  // any branch
  c.Notas(5, {{1, 50}});           // no difficulty level
  c.Notas(6, {{2, 70}});
  c.Requisitos(1, {20});
  c.Requisitos(2, {19, 20, 21, 22, 23});
  c.Requisitos(4, {15});
  c.Requisitos(5, {23});
  c.Requisitos(6, {20});
  for (int d : {1, 2, 3}) c.Dificultad(d, 4);
  c.Dificultad(4, 2);
  c.Dificultad(6, 7);
  return c;
}

EntradaConsulta Entrada(int nota, int rama, int dificultad, std::vector<int> universidades) {
  return {nota, rama, dificultad, std::move(universidades)};
}

std::string Fila(const CatalogoCarreras& c, int d, const char* nota) {
  std::string l = c.carreras[d].substr(0, 45);
  l.resize(45, ' ');
  return l + nota;
}

TEST(NotaDeCampos, DigitosCampoEnBlancoYTextoNoNumerico) {
  struct Caso {
    const char* unidades;
    const char* decimas;
    int nota;
  };
  for (const Caso& caso :
       {Caso{"5", "7", 57}, Caso{"9", "9", 99}, Caso{"5", "0", 50}, Caso{"7", "", 50},
        Caso{"9", " ", 50}, Caso{"", "", 50}, Caso{"x", "3", 50}, Caso{"", "5", 5}}) {
    EXPECT_EQ(NotaDeCampos(caso.unidades, caso.decimas), caso.nota)
        << caso.unidades << "|" << caso.decimas;
  }
}

TEST(Consultar, NotaEnElLimiteYCabecerasDeUniversidad) {
  const CatalogoCarreras c = Catalogo();
  const ResultadoConsulta r =
      Consultar(c.Consulta(), Entrada(50, 1, 1, {1, 3}), c.catalogo);  // branch code 20
  ASSERT_EQ(r.estado, EstadoConsulta::kLista);
  // 5,0 reaches a cut-off of 5,0 but not 5,1: Granada leaves no header.
  EXPECT_EQ(r.filas, (std::vector<std::string>{"-  Universidad de Sevilla", Fila(c, 1, " 5,0")}));
  EXPECT_EQ(r.carreras, (std::vector<int>{0, 1}));

  const ResultadoConsulta mas = Consultar(c.Consulta(), Entrada(51, 1, 1, {1, 3}), c.catalogo);
  EXPECT_EQ(mas.filas, (std::vector<std::string>{"-  Universidad de Sevilla", Fila(c, 1, " 5,0"),
                                                 "-  Universidad de Granada", Fila(c, 1, " 5,1")}));
  EXPECT_EQ(mas.carreras, (std::vector<int>{0, 1, 0, 1}));
}

struct CasoReglas {
  const char* que;
  int nota;
  int rama;
  int dificultad;
  std::vector<int> carreras;  // degrees listed at university 1
};

TEST(Consultar, Reglas) {
  const CatalogoCarreras c = Catalogo();
  const std::vector<CasoReglas> casos = {
      {"corte 10 nunca, ni con 9,9; sin requisitos nunca", 99, kTodasLasRamas, 1, {1, 4}},
      {"codigo 15 vale para cualquier rama (19)", 99, 0, 1, {4}},
      {"codigo 15 con la rama 23", 99, 4, 1, {4}},
      {"rama 20", 99, 1, 1, {1, 4}},
      {"barra en 4: fuera los niveles 1..3 y sin nivel", 99, kTodasLasRamas, 4, {1}},
      {"barra en 2: nivel 2 entra", 99, kTodasLasRamas, 2, {1, 4}},
      {"barra en 5: nada; no queda ni la cabecera", 99, kTodasLasRamas, 5, {}},
      {"nota baja: nada", 49, kTodasLasRamas, 1, {}},
  };
  for (const CasoReglas& caso : casos) {
    const ResultadoConsulta r =
        Consultar(c.Consulta(), Entrada(caso.nota, caso.rama, caso.dificultad, {1}), c.catalogo);
    std::vector<int> listadas;
    for (std::size_t i = 1; i < r.carreras.size(); ++i) listadas.push_back(r.carreras[i]);
    EXPECT_EQ(listadas, caso.carreras) << caso.que;
    EXPECT_EQ(r.filas.empty(), caso.carreras.empty()) << caso.que;
  }
}

TEST(Consultar, SinNivelQuedaFueraAunConLaBarraEnUno) {
  CatalogoCarreras c = Catalogo();
  const auto r = Consultar(c.Consulta(), Entrada(99, 4, 1, {1}), c.catalogo);
  // Degree 5 (branch 23) has no level; only degree 4 (code 15) is listed.
  EXPECT_EQ(r.carreras, (std::vector<int>{0, 4}));
  c.Dificultad(5, 1);
  EXPECT_EQ(Consultar(c.Consulta(), Entrada(99, 4, 1, {1}), c.catalogo).carreras,
            (std::vector<int>{0, 4, 5}));
}

TEST(Consultar, FaltanDatos) {
  const CatalogoCarreras c = Catalogo();
  const ResultadoConsulta nada = Consultar(c.Consulta(), Entrada(50, kSinRama, 1, {}), c.catalogo);
  EXPECT_EQ(nada.estado, EstadoConsulta::kNada);
  EXPECT_TRUE(nada.filas.empty());

  const ResultadoConsulta sinComunidad = Consultar(c.Consulta(), Entrada(50, 2, 1, {}), c.catalogo);
  EXPECT_EQ(sinComunidad.estado, EstadoConsulta::kFalta);
  EXPECT_EQ(sinComunidad.filas, (std::vector<std::string>{"", "", "T661T662"}));

  const ResultadoConsulta sinRama =
      Consultar(c.Consulta(), Entrada(50, kSinRama, 1, {1}), c.catalogo);
  EXPECT_EQ(sinRama.filas, (std::vector<std::string>{"", "", "T661T663"}));
  EXPECT_EQ(FilasEnPantalla(sinRama, c.catalogo), sinRama.filas);
}

TEST(Consultar, SinResultadosElAvisoDelCatalogo) {
  const CatalogoCarreras c = Catalogo();
  const ResultadoConsulta r = Consultar(c.Consulta(), Entrada(40, 1, 1, {1, 3}), c.catalogo);
  EXPECT_TRUE(r.filas.empty());
  EXPECT_EQ(FilasEnPantalla(r, c.catalogo), (std::vector<std::string>{"", "", "T660"}));
}

TEST(Comunidades, DieciochoYDiecinueveSonLaUnoYLasUniversidadesVanEnOrden) {
  const CatalogoCarreras c = Catalogo();
  EXPECT_EQ(ComunidadConsultada(18), 1);
  EXPECT_EQ(ComunidadConsultada(19), 1);
  EXPECT_EQ(ComunidadConsultada(13), 13);
  EXPECT_EQ(UniversidadesComunidad(c.universidades, ComunidadConsultada(18)),
            (std::vector<int>{1, 3}));
  EXPECT_EQ(UniversidadesComunidad(c.universidades, 13), (std::vector<int>{2}));
  EXPECT_TRUE(UniversidadesComunidad(c.universidades, 5).empty());
}

TEST(InformeConsulta, NueveLineasDeCabeceraYLasFilas) {
  const CatalogoCarreras c = Catalogo();
  TablaLinea comunidades;
  comunidades.Fijar(1, "1 Andalucia");
  const CabeceraConsulta cab{"IES Pena Grande",
                             "5",
                             "7",
                             "Bachillerato de Ciencias",
                             ComunidadInforme(comunidades, ComunidadConsultada(18)),
                             "T652",
                             "T656"};
  const ResultadoConsulta r = Consultar(c.Consulta(), Entrada(57, 1, 1, {1}), c.catalogo);
  const std::vector<std::string> l = InformeConsulta(cab, r, c.catalogo);
  const std::string raya(49, '_');
  ASSERT_EQ(l.size(), 9u + r.filas.size());
  EXPECT_EQ(std::vector<std::string>(l.begin(), l.begin() + 9),
            (std::vector<std::string>{"  IES Pena Grande", "  ", raya, "T331", "  T296:  5,7",
                                      "  Bachillerato de Ciencias", "  T332 Andalucia",
                                      "  T652 T656", raya}));
  EXPECT_EQ(l[9], r.filas[0]);

  const ResultadoConsulta falta = Consultar(c.Consulta(), Entrada(57, 1, 1, {}), c.catalogo);
  EXPECT_EQ(InformeConsulta(cab, falta, c.catalogo).size(), 9u);
}

}  // namespace
}  // namespace sendaro

namespace sendaro {
namespace {

TEST(ComunidadEn, PixelesDelMapaYBordes) {
  const auto& p = registros::kPuntos3;
  std::string bytes(static_cast<std::size_t>(p.BytesTotales()), '\0');
  auto fijar = [&](int x, int y, int codigo) {
    bytes[static_cast<std::size_t>(((x - 1) * p.enterosPorFila + (y - 1)) * 4)] =
        static_cast<char>(codigo);
  };
  fijar(1, 1, 18);
  fijar(281, 196, 19);
  fijar(5, 7, 25);  // a value that is no community
  DatosPuntos puntos;
  ASSERT_TRUE(AnalizarPuntos(bytes, puntos));
  struct Caso {
    int x, y, valor;
  };
  for (const Caso& c : {Caso{1, 1, 18}, Caso{281, 196, 19}, Caso{0, 1, 0}, Caso{1, 0, 0},
                        Caso{282, 196, 0}, Caso{281, 197, 0}, Caso{5, 7, 25}, Caso{2, 2, 0}}) {
    EXPECT_EQ(ComunidadEn(puntos, c.x, c.y), c.valor) << c.x << "," << c.y;
  }
  EXPECT_TRUE(EsComunidad(19));
  EXPECT_FALSE(EsComunidad(25));
  EXPECT_FALSE(EsComunidad(0));
}

}  // namespace
}  // namespace sendaro
