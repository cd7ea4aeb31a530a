#include "data/lectores.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/ayuda_pruebas.h"
#include "data/texto.h"

namespace sendaro {
namespace {

using prueba::EntornoDePrueba;

std::string Lineas(const std::vector<std::string>& lineas) {
  std::string bytes;
  for (const auto& linea : lineas) bytes += linea + "\r\n";
  return bytes;
}

std::string Numeradas(int desde, int hasta, const std::string& prefijo = "") {
  std::string bytes;
  for (int n = desde; n <= hasta; ++n) bytes += prefijo + std::to_string(n) + "\r\n";
  return bytes;
}

TEST(LeerTabla, AplicaElAnchoYGuardaComoMucho60) {
  TablaLinea tabla;
  EXPECT_EQ(AnalizarTabla(Lineas({"Medicina", "", std::string(70, 'x')}), "CARRERA", tabla, 60), 3);
  EXPECT_EQ(tabla[0], "CARRERA");
  EXPECT_EQ(tabla[1], "Medicina" + std::string(52, ' '));
  EXPECT_EQ(tabla[2], std::string(59, ' '));
  EXPECT_EQ(tabla[3], std::string(60, 'x'));

  AnalizarTabla(Lineas({std::string(70, 'y')}), "artesplas", tabla, 90);
  EXPECT_EQ(tabla[1], std::string(60, 'y'));
  AnalizarTabla(Lineas({"abc"}), "COMUNIDA", tabla, 53);
  EXPECT_EQ(tabla[1].size(), 53u);
}

TEST(LeerTabla, UnaLecturaMasCortaVaciaLasLineasSobrantes) {
  TablaLinea tabla;
  AnalizarTabla(Numeradas(1, 5), "musica", tabla, 60);
  EXPECT_EQ(AnalizarTabla(Numeradas(1, 2), "danza", tabla, 60), 2);
  EXPECT_EQ(tabla.Cuenta(), 2);
  EXPECT_EQ(tabla[0], "danza");
  EXPECT_EQ(tabla[3], "");
}

TEST(LeerTabla, NoPasaDeLaCapacidad) {
  TablaLinea tabla;
  EXPECT_EQ(AnalizarTabla(Numeradas(1, 1200), "INFORMA", tabla, 10), 1000);
  EXPECT_EQ(tabla[1000], "1000      ");
  EXPECT_EQ(tabla[1001], "");

  TablaLinea tabla90(TablaLinea::kLimite90, kCapacidadTabla90);
  EXPECT_EQ(AnalizarTablaBruta(Numeradas(1, 300), "certificaH", tabla90), 250);
  EXPECT_EQ(tabla90[250], "250");
}

TEST(LeerTabla, VariantesBrutasYLarga) {
  const std::string larga(100, 'z');
  TablaLinea tabla90(TablaLinea::kLimite90, kCapacidadTabla90);
  AnalizarTablaBruta(Lineas({"corta", larga, ""}), "certificaH", tabla90);
  EXPECT_EQ(tabla90[1], "corta");
  EXPECT_EQ(tabla90[2], std::string(90, 'z'));
  EXPECT_EQ(tabla90[3], "");

  TablaLinea simple;
  AnalizarTablaBruta(Lineas({"corta", larga}), "familias", simple);
  EXPECT_EQ(simple[1], "corta");
  EXPECT_EQ(simple[2], std::string(60, 'z'));

  TablaLinea larga75(TablaLinea::kLimiteLargo);
  AnalizarTabla(Lineas({"pregunta", larga}), "CUESGM", larga75, 75);
  EXPECT_EQ(larga75[1], "pregunta" + std::string(67, ' '));
  EXPECT_EQ(larga75[2], std::string(75, 'z'));
}

TEST(LeerTabla, DesdeFicheroConYSinIdioma) {
  EntornoDePrueba prueba;
  prueba.carpeta.Escribir("CARRERA", "Derecho\r\nMedicina\r\n");
  prueba.carpeta.Escribir("galego/CARRERA", "Dereito\n");
  TablaLinea tabla;
  EXPECT_EQ(LeerTabla(prueba.entorno, "CARRERA", tabla, 10), 2);
  EXPECT_EQ(tabla[2], "Medicina  ");
  EXPECT_EQ(LeerTabla(prueba.entorno, "galego/CARRERA", tabla, 10), 1);
  EXPECT_EQ(tabla[0], "galego/CARRERA");
  EXPECT_EQ(tabla[1], "Dereito   ");
  EXPECT_FALSE(prueba.entorno.FalloGrave);
  EXPECT_TRUE(prueba.avisador.avisos.empty());
}

// Every line-table reader reports a missing file the same way and leaves its
// table as it was.
TEST(LeerTabla, FicheroQueFaltaAvisaYDejaLaTabla) {
  using Lectura = int (*)(Entorno&, std::string_view, TablaLinea&);
  const Lectura lecturas[] = {
      [](Entorno& e, std::string_view n, TablaLinea& t) { return LeerTabla(e, n, t, 60); },
      [](Entorno& e, std::string_view n, TablaLinea& t) { return LeerTablaLarga(e, n, t, 75); },
      [](Entorno& e, std::string_view n, TablaLinea& t) { return LeerTabla90(e, n, t); },
      [](Entorno& e, std::string_view n, TablaLinea& t) { return LeerTablaSimple(e, n, t); },
      [](Entorno& e, std::string_view n, TablaLinea& t) {
        NumerosLinea lineas{};
        return LeerFamilias(e, n, t, 60, lineas);
      },
  };
  for (const auto lectura : lecturas) {
    EntornoDePrueba prueba;
    TablaLinea tabla;
    AnalizarTabla(Lineas({"uno", "dos"}), "antes", tabla, 5);
    EXPECT_EQ(lectura(prueba.entorno, "euskera/FP", tabla), 2);
    EXPECT_TRUE(prueba.entorno.FalloGrave);
    EXPECT_EQ(
        prueba.avisador.avisos,
        std::vector<std::string>{"Faltan ficheros (euskera/FP). Vuelva a instalar el programa"});
    EXPECT_EQ(tabla[0], "antes");
    EXPECT_EQ(tabla[2], "dos  ");
  }
}

// Lines are stored as they are written; copying a short line of the table
// to a slot far beyond the stored ones must not read a moved line.
TEST(TablaLinea, CopiarUnaLineaPropiaMasAllaDeLasGuardadas) {
  TablaLinea tabla;
  tabla.Fijar(1, "corta");
  tabla.Fijar(900, tabla.Linea(1));
  EXPECT_EQ(tabla[900], "corta");
  EXPECT_EQ(tabla[899], "");
  tabla.Intercambiar(1, 950);
  EXPECT_EQ(tabla[950], "corta");
  EXPECT_EQ(tabla[1], "");
  tabla.Fijar(tabla.Capacidad() + 1, "fuera");
  EXPECT_EQ(tabla[tabla.Capacidad() + 1], "");
}

TEST(LeerFamilias, SoloLasLineasConGuionConSuNumeroDeLinea) {
  TablaLinea familias;
  NumerosLinea lineas{};
  const std::string bytes =
      Lineas({"-Agraria", "Jardinería", "Forestal", "-", "", "-|Artes", "x-"});
  EXPECT_EQ(AnalizarFamilias(bytes, "FP", familias, 12, lineas), 3);
  EXPECT_EQ(familias.Cuenta(), 3);
  EXPECT_EQ(familias[1], "Agraria     ");
  EXPECT_EQ(lineas[1], 1);
  EXPECT_EQ(familias[2], std::string(11, ' '));  // "-" alone: an empty text
  EXPECT_EQ(lineas[2], 4);
  EXPECT_EQ(familias[3], "|Artes      ");
  EXPECT_EQ(lineas[3], 6);
}

TEST(LeerFamilias, NoPasaDe1000Familias) {
  TablaLinea familias;
  NumerosLinea lineas{};
  EXPECT_EQ(AnalizarFamilias(Numeradas(1, 1100, "-"), "FP2", familias, 60, lineas), 1000);
  EXPECT_EQ(lineas[1000], 1000);
}

TEST(OrdenarLineas, EstableConLosNumerosDeOrigen) {
  TablaLinea tabla;
  AnalizarTablaBruta(Lineas({"b", "a", "a"}), "", tabla);
  NumerosLinea numeros{};
  OrdenarLineas(tabla, numeros, 3);
  EXPECT_EQ(tabla[1], "a");
  EXPECT_EQ(tabla[2], "a");
  EXPECT_EQ(tabla[3], "b");
  EXPECT_EQ(numeros[1], 2);
  EXPECT_EQ(numeros[2], 3);
  EXPECT_EQ(numeros[3], 1);
}

TEST(OrdenarLineas, ComparaBytesSinSignoYPrefijoPrimero) {
  TablaLinea tabla;
  AnalizarTablaBruta(Lineas({"\xC1rbol", "ab", "a", "Zeta", ""}), "", tabla);
  NumerosLinea numeros{};
  OrdenarLineas(tabla, numeros, 5);
  const std::vector<std::string> esperadas = {"", "Zeta", "a", "ab", "\xC1rbol"};
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(tabla[i], esperadas[static_cast<std::size_t>(i - 1)]);
  EXPECT_EQ(numeros[1], 5);
  EXPECT_EQ(numeros[5], 1);
  EXPECT_EQ(tabla[0], "");  // slot 0 is not sorted
}

TEST(OrdenarLineas, UnaCuentaMayorQueLaTablaSeLimita) {
  TablaLinea tabla(TablaLinea::kLimiteNormal, 3);
  AnalizarTablaBruta(Lineas({"c", "b", "a", "z"}), "", tabla);
  NumerosLinea numeros{};
  OrdenarLineas(tabla, numeros, 5000);
  EXPECT_EQ(tabla[1], "a");
  EXPECT_EQ(tabla[3], "c");
  EXPECT_EQ(numeros[1], 3);
  EXPECT_EQ(numeros[4], 0);
}

TEST(LeerBloques, SeparadoresSaltadosYLineasPorBloque) {
  TablaBloques tabla(bloques::kAsignaot);
  EXPECT_EQ(AnalizarBloques(Numeradas(1, 102, "L"), tabla), 2);
  EXPECT_EQ(tabla.Linea(1, 1), "L2" + std::string(48, ' '));  // cut to 50
  EXPECT_EQ(RecortarDerecha(tabla.Linea(1, 50)), "L51");
  EXPECT_EQ(RecortarDerecha(tabla.Linea(2, 1)), "L53");
  EXPECT_EQ(RecortarDerecha(tabla.Linea(2, 50)), "L102");
  EXPECT_EQ(tabla.Linea(2, 51), "");
  EXPECT_EQ(tabla.Linea(3, 1), "");
}

TEST(LeerBloques, CapacidadesYLimitesDeCadaFichero) {
  struct Caso {
    DisposicionBloques disposicion;
    int bloquesEsperados;
  };
  // Each file is given far more lines than it can hold: the reader takes its
  // line capacity, then at most its block capacity.
  const Caso casos[] = {
      {bloques::kAsignacar, 162},  // 5000 lines of blocks of 31
      {bloques::kAsignacarn, 200}, {bloques::kAsignafp, 170},
      {bloques::kAsignagm, 193},  // 5000 lines of blocks of 26
      {bloques::kAsignaot, 50},
  };
  const std::string bytes = Numeradas(1, 12000, std::string(70, 'x'));
  for (const auto& caso : casos) {
    TablaBloques tabla(caso.disposicion);
    EXPECT_EQ(AnalizarBloques(bytes, tabla), caso.bloquesEsperados) << caso.disposicion.fichero;
    const auto& ultima = tabla.Linea(1, caso.disposicion.lineasGuardadas);
    EXPECT_EQ(ultima.size(), static_cast<std::size_t>(caso.disposicion.caracteres));
    EXPECT_EQ(tabla.Linea(caso.bloquesEsperados + 1, 1), "");
  }
}

TEST(LeerBloques, BloqueFinalIncompletoYDificultad) {
  TablaBloques tabla(bloques::kAsignacar);
  std::vector<std::string> lineas;
  for (const std::string digito : {"7 Matemáticas", "X", "", "9"}) {
    lineas.push_back("-----");
    lineas.push_back(digito);
    for (int i = 0; i < 29; ++i) lineas.push_back("asignatura");
  }
  lineas.resize(lineas.size() - 29);  // the fourth block has its digit line only
  EXPECT_EQ(AnalizarBloques(Lineas(lineas), tabla), 4);
  EXPECT_EQ(tabla.Dificultad(1), 7);
  EXPECT_EQ(tabla.Dificultad(2), 0);
  EXPECT_EQ(tabla.Dificultad(3), 0);
  EXPECT_EQ(tabla.Dificultad(4), 9);
  EXPECT_EQ(tabla.Dificultad(5), 0);
  EXPECT_EQ(tabla.Dificultad(0), 0);
  EXPECT_EQ(tabla.Linea(4, 2), "");
}

TEST(LeerBloques, FicheroQueFaltaAvisa) {
  EntornoDePrueba prueba;
  TablaBloques tabla(bloques::kAsignafp);
  EXPECT_EQ(LeerBloques(prueba.entorno, "asignafp", tabla), 0);
  EXPECT_TRUE(prueba.entorno.FalloGrave);
  EXPECT_EQ(prueba.avisador.avisos,
            std::vector<std::string>{"Faltan ficheros (asignafp). Vuelva a instalar el programa"});
}

}  // namespace
}  // namespace sendaro
