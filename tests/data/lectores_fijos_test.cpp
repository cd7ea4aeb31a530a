#include "data/lectores_fijos.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/ayuda_pruebas.h"

namespace sendaro {
namespace {

using prueba::EntornoDePrueba;

std::string Lineas(const std::vector<std::string>& lineas) {
  std::string bytes;
  for (const auto& linea : lineas) bytes += linea + "\r\n";
  return bytes;
}

std::string DosCifras(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// 41 comarcas numbered in reverse line order, then the sub-areas.
std::vector<std::string> Comarcas(int subareas) {
  std::vector<std::string> lineas;
  for (int linea = 1; linea <= 41; ++linea) {
    const int numero = 42 - linea;
    lineas.push_back("C" + std::to_string(linea % 10) + DosCifras(numero) + "Comarca " +
                     std::to_string(numero) + std::string(30, '.'));
  }
  for (int s = 1; s <= subareas; ++s) {
    lineas.push_back("B" + std::to_string(s % 10) + "Barcelona " + std::to_string(s) +
                     std::string(40, '-'));
  }
  return lineas;
}

TEST(LeerComarcas, NumeradasPorSuNumeroYSubareasEnOrden) {
  EntornoDePrueba prueba;
  auto tabla = std::make_unique<TablaComarcas>();
  EXPECT_EQ(AnalizarComarcas(prueba.entorno, Lineas(Comarcas(4)), *tabla, 20), 45);
  EXPECT_EQ(tabla->cuenta, 45);
  EXPECT_EQ(tabla->nombres[41], "Comarca 41..........");  // line 1, 20 bytes
  EXPECT_EQ(tabla->codigos[41], "C1");
  EXPECT_EQ(tabla->numeros[1], 41);
  EXPECT_EQ(tabla->numeros[41], 1);
  EXPECT_EQ(tabla->nombres[1], "Comarca 1...........");
  EXPECT_EQ(tabla->nombres[42], "Barcelona 1-------------------");  // 30 bytes
  EXPECT_EQ(tabla->codigos[45], "B4");
  EXPECT_TRUE(prueba.avisador.avisos.empty());
}

TEST(LeerComarcas, NoPasaDe60Entradas) {
  EntornoDePrueba prueba;
  auto tabla = std::make_unique<TablaComarcas>();
  EXPECT_EQ(AnalizarComarcas(prueba.entorno, Lineas(Comarcas(40)), *tabla, 20), 60);
  EXPECT_EQ(tabla->codigos[60], "B9");
}

TEST(LeerComarcas, NumeroMaloAvisaConLaLineaYPara) {
  struct Caso {
    std::string numero;
    int linea;
  };
  const Caso casos[] = {{"xx", 1}, {"  ", 7}, {"", 41}, {"00", 3}, {"61", 20}, {"4 ", 5}};
  for (const auto& caso : casos) {
    EntornoDePrueba prueba;
    auto tabla = std::make_unique<TablaComarcas>();
    tabla->cuenta = -7;  // the count is left as it was
    auto lineas = Comarcas(2);
    lineas[static_cast<std::size_t>(caso.linea - 1)] =
        caso.numero.empty() ? "C" : "C1" + caso.numero + "Mala";
    EXPECT_EQ(AnalizarComarcas(prueba.entorno, Lineas(lineas), *tabla, 20), -7);
    EXPECT_EQ(tabla->cuenta, -7);
    EXPECT_EQ(prueba.avisador.avisos, std::vector<std::string>{"mal " + std::to_string(caso.linea)})
        << caso.numero;
    EXPECT_FALSE(prueba.entorno.FalloGrave);
    EXPECT_EQ(tabla->codigos[42], "");  // reading stopped before the sub-areas
  }
}

TEST(LeerZonas, CadaZonaGuardaSusTresPrimerasLineas) {
  EntornoDePrueba prueba;
  auto tabla = std::make_unique<TablaZonas>();
  const std::string bytes = Lineas({"M105Pueblo uno", "M205Pueblo dos", "M301Otro", "M405Tres",
                                    "M505Cuatro", "M699Fuera", "M7 1Con blanco"});
  EXPECT_EQ(AnalizarZonas(prueba.entorno, bytes, *tabla, 25), 7);
  EXPECT_EQ(tabla->numMiembros[5], 3);
  EXPECT_EQ(tabla->miembros[5][0], 1);
  EXPECT_EQ(tabla->miembros[5][1], 2);
  EXPECT_EQ(tabla->miembros[5][2], 4);
  EXPECT_EQ(tabla->numMiembros[1], 2);
  EXPECT_EQ(tabla->miembros[1][1], 7);
  EXPECT_EQ(tabla->zonas[6], 99);  // kept, in no member list
  EXPECT_EQ(tabla->numMiembros[28], 0);
  EXPECT_EQ(tabla->nombres[1], "Pueblo uno");
  EXPECT_EQ(tabla->codigos[3], "M3");
  EXPECT_TRUE(prueba.avisador.avisos.empty());
}

TEST(LeerZonas, NombreCortadoAlAnchoYCapacidad) {
  EntornoDePrueba prueba;
  auto tabla = std::make_unique<TablaZonas>();
  std::vector<std::string> lineas(150, "ZZ01" + std::string(40, 'n'));
  EXPECT_EQ(AnalizarZonas(prueba.entorno, Lineas(lineas), *tabla, 25), 100);
  EXPECT_EQ(tabla->nombres[100], std::string(25, 'n'));
  EXPECT_EQ(tabla->numMiembros[1], 3);
}

TEST(LeerZonas, ZonaQueNoEsNumeroAvisaConLasLineasAceptadas) {
  EntornoDePrueba prueba;
  auto tabla = std::make_unique<TablaZonas>();
  EXPECT_EQ(AnalizarZonas(prueba.entorno, Lineas({"M101a", "M202b", "M3x3c", "M404d"}), *tabla, 25),
            0);
  EXPECT_EQ(prueba.avisador.avisos, std::vector<std::string>{"mal 2"});
  EXPECT_EQ(tabla->cuenta, 0);
  EXPECT_EQ(tabla->numMiembros[1], 0);  // member lists are built only at the end
}

TEST(LeerUniversidades, CamposFijosYDireccionSinBlancos) {
  auto tabla = std::make_unique<TablaUniversidades>();
  const std::string nombre35 = "Universidad de Ejemplo" + std::string(13, ' ');
  const std::string bytes = Lineas({"12" + nombre35 + "https://u.example.es     ", "xxCorta", "",
                                    " 3" + std::string(35, 'n') + std::string(120, 'w')});
  EXPECT_EQ(AnalizarUniversidades(bytes, "LUGAR", *tabla), 4);
  EXPECT_EQ(tabla->nombres[0], "LUGAR");
  EXPECT_EQ(tabla->nombres.Cuenta(), 4);
  EXPECT_EQ(tabla->comunidades[1], 12);
  EXPECT_EQ(tabla->nombres[1], nombre35);
  EXPECT_EQ(tabla->direcciones[1], "https://u.example.es");
  EXPECT_EQ(tabla->comunidades[2], 0);
  EXPECT_EQ(tabla->nombres[2], "Corta");
  EXPECT_EQ(tabla->direcciones[2], "");
  EXPECT_EQ(tabla->nombres[3], "");
  EXPECT_EQ(tabla->comunidades[4], 3);
  EXPECT_EQ(tabla->direcciones[4], std::string(100, 'w'));
}

TEST(LeerDirecciones, Columnas15A114) {
  auto tabla = std::make_unique<TablaDirecciones>();
  EXPECT_EQ(AnalizarDirecciones(Lineas({"Andalucia     http://a.example   ", "corta", ""}), *tabla),
            3);
  EXPECT_EQ(tabla->direcciones[1], "http://a.example");
  EXPECT_EQ(tabla->direcciones[2], "");
  EXPECT_EQ(tabla->cuenta, 3);
}

TEST(LeerCentros, CodigosHastaElPrimerCampoVacio) {
  struct Caso {
    std::string codigos;  // from column 56
    std::vector<int> esperados;
  };
  const std::vector<Caso> casos = {
      {"0102", {1, 2}},
      {"", {}},
      {"  03", {}},
      {"01xx03", {1, TablaCentros::kSinCodigo, 3}},
      {"0102030405060708091011", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {"01 2", {1, 2}},
      {"015", {1, 5}},
      {"01 ", {1}},
      {"012 ", {1, TablaCentros::kSinCodigo}},
  };
  const std::string centro = "1IES Ejemplo, Localidad" + std::string(32, ' ');
  ASSERT_EQ(centro.size(), 55u);
  std::vector<std::string> lineas;
  for (const auto& caso : casos) lineas.push_back(centro + caso.codigos);
  auto tabla = std::make_unique<TablaCentros>();
  ASSERT_EQ(AnalizarCentros(Lineas(lineas), "LU1", *tabla), static_cast<int>(casos.size()));
  EXPECT_EQ(tabla->lineas[0], "LU1");
  for (std::size_t i = 0; i < casos.size(); ++i) {
    const int n = static_cast<int>(i) + 1;
    EXPECT_EQ(tabla->lineas[n], centro);
    ASSERT_EQ(tabla->numCodigos[i + 1], static_cast<int>(casos[i].esperados.size()))
        << "'" << casos[i].codigos << "'";
    for (std::size_t k = 0; k < casos[i].esperados.size(); ++k) {
      EXPECT_EQ(tabla->codigos[i + 1][k], casos[i].esperados[k]) << casos[i].codigos;
    }
  }
}

// Column 1, 43 characters of name, column 45 holding the region letter.
std::string CentroConRegion(char provincia, char region) {
  return std::string(1, provincia) + std::string(43, '.') + region + "912345678";
}

TEST(PrepararRegionesCentros, LU4JuntaLaCapitalYSacaLasComarcas) {
  auto tabla = std::make_unique<TablaCentros>();
  AnalizarCentros(Lineas({CentroConRegion('2', 'x'), CentroConRegion('5', 'B'),
                          CentroConRegion('A', 'j'), CentroConRegion('6', 'A'), "7"}),
                  "LU4", *tabla);
  PrepararRegionesCentros(*tabla, 'A', '5', '\0');
  const std::vector<std::string> regiones = {"", "", "5B", "5j", "6A", "7 "};
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(tabla->regiones[static_cast<std::size_t>(c)], regiones[static_cast<std::size_t>(c)]) << c;
  EXPECT_EQ(tabla->lineas[3][0], '5');
  EXPECT_EQ(tabla->lineas[3][44], ' ');
  EXPECT_EQ(tabla->lineas[1][44], 'x');  // before the first '5' line nothing changes
  EXPECT_EQ(tabla->lineas[3].substr(45), "912345678");
}

TEST(PrepararRegionesCentros, LU2ZonasDeMadridHastaLaPrimeraLineaD) {
  auto tabla = std::make_unique<TablaCentros>();
  AnalizarCentros(Lineas({CentroConRegion('8', '1'), CentroConRegion('H', '3'),
                          CentroConRegion('D', 'z'), CentroConRegion('8', '2')}),
                  "LU2", *tabla);
  PrepararRegionesCentros(*tabla, 'H', '8', 'D');
  EXPECT_EQ(tabla->regiones[1], "81");
  EXPECT_EQ(tabla->regiones[2], "83");
  EXPECT_EQ(tabla->regiones[3], "");
  EXPECT_EQ(tabla->regiones[4], "");
  EXPECT_EQ(tabla->lineas[2][0], '8');
  EXPECT_EQ(tabla->lineas[3][44], 'z');
  // Read again, the table is raw until it is prepared again.
  AnalizarCentros(Lineas({CentroConRegion('H', '3')}), "LU2", *tabla);
  EXPECT_EQ(tabla->regiones[1], "");
  EXPECT_EQ(tabla->lineas[1][0], 'H');
  // No line of the new code: nothing gets a region.
  PrepararRegionesCentros(*tabla, 'X', '8', 'D');
  EXPECT_EQ(tabla->regiones[1], "");
}

TEST(LeerCentros, LineaCortaSinCodigos) {
  auto tabla = std::make_unique<TablaCentros>();
  AnalizarCentros(Lineas({"1IES"}), "LU3", *tabla);
  EXPECT_EQ(tabla->lineas[1], "1IES");
  EXPECT_EQ(tabla->numCodigos[1], 0);
}

TEST(LeerDobles, UniversidadesDetallesYErrores) {
  EntornoDePrueba prueba;
  auto tabla = std::make_unique<TablaDobles>();
  const std::string bytes = Lineas({
      "   1012034",                                // before any university: dropped
      "07Universidad Uno" + std::string(30, ' '),  // university 1
      "   1012034",                                // detail 1
      "00Saltada",                                 // skipped: 00
      "   2x05   ",                                // detail 2, two bad fields
      "",                                          // detail 3, three bad fields
      "99Universidad Dos",                         // university 2
      "   3  7999",                                // blanks before digits are numbers
  });
  EXPECT_EQ(AnalizarDobles(prueba.entorno, bytes, "dobles", *tabla), 2);
  EXPECT_EQ(tabla->titulo, "dobles");
  EXPECT_EQ(prueba.avisador.avisos, std::vector<std::string>(5, "ERROR en fichero de dobles"));
  const auto& uno = tabla->universidades[1];
  EXPECT_EQ(uno.codigo, 7);
  EXPECT_EQ(uno.nombre, "Universidad Uno" + std::string(20, ' '));
  ASSERT_EQ(uno.numDetalles, 3);
  EXPECT_EQ(uno.detalles[0].tipo, 1);
  EXPECT_EQ(uno.detalles[0].numero1, 12);
  EXPECT_EQ(uno.detalles[0].numero2, 34);
  EXPECT_EQ(uno.detalles[1].tipo, 2);
  EXPECT_FALSE(uno.detalles[1].numero1);
  EXPECT_FALSE(uno.detalles[1].numero2);
  EXPECT_FALSE(uno.detalles[2].tipo);
  const auto& dos = tabla->universidades[2];
  EXPECT_EQ(dos.codigo, 99);
  ASSERT_EQ(dos.numDetalles, 1);
  EXPECT_EQ(dos.detalles[0].numero1, 7);
  EXPECT_EQ(dos.detalles[0].numero2, 999);
}

TEST(LeerDobles, Capacidades) {
  EntornoDePrueba prueba;
  auto tabla = std::make_unique<TablaDobles>();
  std::vector<std::string> lineas;
  for (int u = 1; u <= 205; ++u) {
    lineas.push_back("01Universidad " + std::to_string(u));
    for (int d = 0; d < (u == 1 ? 30 : 1); ++d) lineas.push_back("   1001002");
  }
  EXPECT_EQ(AnalizarDobles(prueba.entorno, Lineas(lineas), "dobles", *tabla), 200);
  EXPECT_EQ(tabla->universidades[1].numDetalles, 25);
  EXPECT_EQ(tabla->universidades[200].nombre, "Universidad 200");
  EXPECT_EQ(tabla->universidades[200].numDetalles, 1);  // later details not added here
  EXPECT_TRUE(prueba.avisador.avisos.empty());
}

// The readers without a check of their own in the old program report a
// missing file like every other reader.
TEST(LectoresFijos, FicheroQueFaltaAvisaYMarcaFalloGrave) {
  const std::vector<std::pair<std::string, void (*)(Entorno&, std::string_view)>> casos = {
      {"LUGAR",
       [](Entorno& e, std::string_view n) {
         auto t = std::make_unique<TablaUniversidades>();
         LeerUniversidades(e, n, *t);
       }},
      {"COMUINT",
       [](Entorno& e, std::string_view n) {
         auto t = std::make_unique<TablaDirecciones>();
         LeerDirecciones(e, n, *t);
       }},
      {"comarcas",
       [](Entorno& e, std::string_view n) {
         auto t = std::make_unique<TablaComarcas>();
         LeerComarcas(e, n, *t, 20);
       }},
      {"comarcasm",
       [](Entorno& e, std::string_view n) {
         auto t = std::make_unique<TablaZonas>();
         LeerZonas(e, n, *t, 25);
       }},
      {"LU4",
       [](Entorno& e, std::string_view n) {
         auto t = std::make_unique<TablaCentros>();
         LeerCentros(e, n, *t);
       }},
      {"dobles",
       [](Entorno& e, std::string_view n) {
         auto t = std::make_unique<TablaDobles>();
         LeerDobles(e, n, *t);
       }},
  };
  for (const auto& [nombre, lectura] : casos) {
    EntornoDePrueba prueba;
    lectura(prueba.entorno, nombre);
    EXPECT_TRUE(prueba.entorno.FalloGrave) << nombre;
    EXPECT_EQ(prueba.avisador.avisos, std::vector<std::string>{"Faltan ficheros (" + nombre +
                                                               "). Vuelva a instalar el programa"});
  }
}

}  // namespace
}  // namespace sendaro
