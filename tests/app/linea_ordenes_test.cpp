#include "app/linea_ordenes.h"

#include <gtest/gtest.h>

namespace sendaro {
namespace {

struct CasoLinea {
  std::vector<std::string> parametros;
  Preferencias esperado;
};

// Settings used by every row: theme F, animation on, Catalan subfolder.
const Preferencias kAjustes{'F', true, "catVal"};

TEST(LineaOrdenes, ParametrosPosicionales) {
  const std::vector<CasoLinea> casos = {
      {{}, {'F', true, "catVal"}},
      {{""}, {'F', true, "catVal"}},
      {{"", "N", "0"}, {'F', true, "catVal"}},  // parameter 1 empty: nothing is read
      {{"C", "S", "2"}, {'C', true, "galego"}},
      {{"X", "N", "0"}, {'F', false, ""}},
      {{"c"}, {'F', true, "catVal"}},  // letters are case-sensitive
      {{"Nieve"}, {'N', true, "catVal"}},
      {{"I", "s"}, {'I', true, "catVal"}},
      {{"I", "NO"}, {'I', true, "catVal"}},  // "N" exactly
      {{"I", "N"}, {'I', false, "catVal"}},
      {{"A", "S", "1"}, {'A', true, "catVal"}},
      {{"A", "S", "3"}, {'A', true, "euskera"}},
      {{"A", "S", "-5"}, {'A', true, ""}},
      {{"A", "S", "4"}, {'A', true, "catVal"}},  // 4 or more keep the settings' subfolder
      {{"A", "S", "99999999999"}, {'A', true, "catVal"}},
      {{"A", "S", "dos"}, {'A', true, "catVal"}},  // not a whole number: settings' language
      {{"A", "S", "2x"}, {'A', true, "catVal"}},
      {{"A", "S", ""}, {'A', true, "catVal"}},
      {{"P", "x", "+2"}, {'P', true, "galego"}},
  };
  for (const auto& caso : casos) {
    const Preferencias p = AplicarLineaOrdenes(kAjustes, caso.parametros);
    std::string fila;
    for (const auto& s : caso.parametros) fila += "[" + s + "]";
    EXPECT_EQ(p.LetraTema, caso.esperado.LetraTema) << fila;
    EXPECT_EQ(p.ConAnimacion, caso.esperado.ConAnimacion) << fila;
    EXPECT_EQ(p.subcarpeta, caso.esperado.subcarpeta) << fila;
  }
}

TEST(LineaOrdenes, SinSubcarpetaEnAjustesUnCuatroNoInventaUna) {
  const Preferencias p = AplicarLineaOrdenes({'I', false, ""}, {"I", "N", "4"});
  EXPECT_EQ(p.subcarpeta, "");
}

TEST(LineaOrdenes, OpcionDatos) {
  struct Caso {
    std::vector<std::string> argumentos;
    std::optional<std::string> datos;
    std::vector<std::string> posicionales;
    bool error;
  };
  const std::vector<Caso> casos = {
      {{}, std::nullopt, {}, false},
      {{"--datos", "/x/y", "C", "S"}, "/x/y", {"C", "S"}, false},
      {{"C", "--datos=/z", "N"}, "/z", {"C", "N"}, false},
      {{"C", "S", "2", "--datos", "d"}, "d", {"C", "S", "2"}, false},
      {{"--datos"}, std::nullopt, {}, true},
      {{"--datos="}, "", {}, true},
  };
  for (const auto& caso : casos) {
    const LineaOrdenes l = AnalizarLineaOrdenes(caso.argumentos);
    EXPECT_EQ(!l.error.empty(), caso.error);
    if (caso.error) continue;
    EXPECT_EQ(l.datos, caso.datos);
    EXPECT_EQ(l.posicionales, caso.posicionales);
  }
}

TEST(LineaOrdenes, AyudaYVersion) {
  struct Caso {
    std::vector<std::string> argumentos;
    bool ayuda;
    bool version;
    std::vector<std::string> posicionales;
  };
  const std::vector<Caso> casos = {
      {{"--help"}, true, false, {}},
      {{"-h"}, true, false, {}},
      {{"--version"}, false, true, {}},
      {{"-V"}, false, true, {}},
      {{"C", "S", "--help"}, true, false, {"C", "S"}},
      {{"--datos", "--help"}, false, false, {}},  // the folder's name
      {{"-help", "-v", "--Help"}, false, false, {"-help", "-v", "--Help"}},
      {{"I", "S", "-1"}, false, false, {"I", "S", "-1"}},  // a language, not an option
  };
  for (const auto& caso : casos) {
    const LineaOrdenes l = AnalizarLineaOrdenes(caso.argumentos);
    EXPECT_TRUE(l.error.empty());
    EXPECT_EQ(l.ayuda, caso.ayuda) << caso.argumentos[0];
    EXPECT_EQ(l.version, caso.version) << caso.argumentos[0];
    EXPECT_EQ(l.posicionales, caso.posicionales) << caso.argumentos[0];
  }
}

TEST(LineaOrdenes, LaAyudaNombraDondeLeeSinDatos) {
  const std::string ayuda = TextoAyuda("/usr/share/sendaro", "/etc/sendaro/centro.ini");
  EXPECT_EQ(ayuda.rfind(std::string(kUso) + "\n", 0), 0u);
  EXPECT_NE(ayuda.find("la instalación está en /usr/share/sendaro\n"), std::string::npos);
  EXPECT_NE(ayuda.find("los ajustes del centro en /etc/sendaro/centro.ini\n"), std::string::npos);
}

TEST(LineaOrdenes, NumeroEntero) {
  EXPECT_EQ(NumeroEntero("0"), 0);
  EXPECT_EQ(NumeroEntero("-1"), -1);
  EXPECT_EQ(NumeroEntero("+3"), 3);
  EXPECT_EQ(NumeroEntero("2147483648"), 2147483647);
  EXPECT_EQ(NumeroEntero("-99999999999"), -2147483647 - 1);
  for (const char* malo : {"", "-", "+", " 1", "1 ", "1.0", "0x2"}) {
    EXPECT_FALSE(NumeroEntero(malo).has_value()) << malo;
  }
}

}  // namespace
}  // namespace sendaro
