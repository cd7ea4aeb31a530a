#include "data/texto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/ayuda_pruebas.h"

namespace sendaro {
namespace {

using namespace std::string_literals;

TEST(Texto, RecortarDerechaYEsBlancoSoloTratanElBlanco) {
  EXPECT_EQ(RecortarDerecha("abc   "), "abc");
  EXPECT_EQ(RecortarDerecha("  a b  "), "  a b");
  EXPECT_EQ(RecortarDerecha("   "), "");
  EXPECT_EQ(RecortarDerecha(""), "");
  EXPECT_EQ(RecortarDerecha("a\t"), "a\t");
  EXPECT_EQ(RecortarDerecha("a\xA0"), "a\xA0");
  EXPECT_TRUE(EsBlanco(""));
  EXPECT_TRUE(EsBlanco("    "));
  EXPECT_FALSE(EsBlanco(" \t "));
  EXPECT_FALSE(EsBlanco("\0"s));
}

TEST(Texto, RellenarConDaNMenosUnaCopia) {
  EXPECT_EQ(RellenarCon(4, '*'), "***");
  EXPECT_EQ(RellenarCon(1, '*'), "");
  EXPECT_EQ(RellenarCon(0, '*'), "");
  EXPECT_EQ(RellenarCon(-5, '*'), "");
}

TEST(Texto, ReglaDeAncho) {
  struct Caso {
    std::string linea;
    int ancho;
    std::string esperado;
  };
  const Caso casos[] = {
      {"Medicina", 60, "Medicina" + std::string(52, ' ')},
      {"", 60, std::string(59, ' ')},
      {std::string(70, 'x'), 60, std::string(60, 'x')},
      {std::string(70, 'x'), 90, std::string(70, 'x') + std::string(20, ' ')},
      {"abc", 3, "abc"},
      {"abcd", 3, "abc"},
      {"", 1, ""},
      {"a", 1, "a"},
      {"abc", 0, ""},
      {"abc", -3, ""},
      {"a\0b"s, 5, "a\0b  "s},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(AplicarAncho(caso.linea, caso.ancho), caso.esperado)
        << "'" << caso.linea << "' ancho " << caso.ancho;
  }
}

TEST(Texto, ColumnasCuentaDesdeUnoYNoPasaDelFinal) {
  const std::string linea = "0123456789";
  EXPECT_EQ(Columnas(linea, 1, 2), "01");
  EXPECT_EQ(Columnas(linea, 9, 5), "89");
  EXPECT_EQ(Columnas(linea, 10, 1), "9");
  EXPECT_EQ(Columnas(linea, 11, 1), "");
  EXPECT_EQ(Columnas(linea, 500, 3), "");
  EXPECT_EQ(Columnas(linea, 0, 3), "");
  EXPECT_EQ(Columnas(linea, 3, 0), "");
  EXPECT_EQ(Columnas("", 1, 2), "");
}

TEST(Texto, NumeroDecimal) {
  struct Caso {
    std::string campo;
    std::optional<int> valor;
  };
  const Caso casos[] = {
      {"12", 12},
      {"07", 7},
      {" 7", 7},
      {"  ", std::nullopt},
      {"", std::nullopt},
      {"7 ", std::nullopt},
      {"-1", std::nullopt},
      {"+1", std::nullopt},
      {"1A", std::nullopt},
      {"\xB2", std::nullopt},
      {"00", 0},
      {"999999999", 999999999},
      {"9999999999", std::nullopt},
      {"1\0"s, std::nullopt},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(NumeroDecimal(caso.campo), caso.valor) << "'" << caso.campo << "'";
  }
}

TEST(Texto, DividirLineas) {
  struct Caso {
    std::string bytes;
    std::vector<std::string> lineas;
  };
  const Caso casos[] = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"\r\n", {""}},
      {"\r\n\r\n", {"", ""}},
      {"a\rb\r\nc", {"a\rb", "c"}},
      {"a\r", {"a\r"}},
      {"\n\n", {"", ""}},
      {"x\0y\r\n\xFF\x1A"s, {"x\0y"s, "\xFF\x1A"}},
  };
  for (const auto& caso : casos) {
    const auto lineas = DividirLineas(caso.bytes);
    ASSERT_EQ(lineas.size(), caso.lineas.size()) << "'" << caso.bytes << "'";
    for (std::size_t i = 0; i < lineas.size(); ++i) EXPECT_EQ(lineas[i], caso.lineas[i]);
  }
}

TEST(Texto, FicherosQueNoSeAbren) {
  prueba::CarpetaTemporal carpeta;
  carpeta.Escribir("datos", "a\0b"s);
  carpeta.Escribir("sub/otro", "");
  EXPECT_TRUE(ExisteFichero(carpeta.Ruta() / "datos"));
  EXPECT_EQ(LeerFicheroCompleto(carpeta.Ruta() / "datos"), "a\0b"s);
  EXPECT_EQ(LeerFicheroCompleto(carpeta.Ruta() / "sub/otro"), "");
  EXPECT_FALSE(ExisteFichero(carpeta.Ruta() / "no"));
  EXPECT_FALSE(LeerFicheroCompleto(carpeta.Ruta() / "no"));
  EXPECT_FALSE(ExisteFichero(carpeta.Ruta() / "sub"));
  EXPECT_FALSE(LeerFicheroCompleto(carpeta.Ruta() / "sub"));
}

TEST(Texto, AbrirFicheroDatosAvisaUnaVezConElNombreDado) {
  prueba::EntornoDePrueba caso;
  EXPECT_FALSE(AbrirFicheroDatos(caso.entorno, "catVal/CARRERA"));
  EXPECT_TRUE(caso.entorno.FalloGrave);
  EXPECT_EQ(
      caso.avisador.avisos,
      std::vector<std::string>{"Faltan ficheros (catVal/CARRERA). Vuelva a instalar el programa"});
}

// What a text data file becomes when an editor, a copy or a cut has changed
// it: UTF-8 is read as the same Windows-1252 text; junk and a cut last line
// are defects with their line.
TEST(Texto, FicheroDeTextoGuardadoDeOtraManeraOEstropeado) {
  const std::string cp1252 = "Ingenier\xED" "a  01\r\nCa\xF1\x80n\r\n";
  const std::string utf8 = "Ingenier\xC3\xAD" "a  01\r\nCa\xC3\xB1\xE2\x82\xACn\r\n";
  EXPECT_FALSE(GuardadoEnUtf8(cp1252));
  EXPECT_FALSE(GuardadoEnUtf8("solo ASCII\r\n"));
  EXPECT_TRUE(GuardadoEnUtf8(utf8));
  EXPECT_TRUE(GuardadoEnUtf8("\xEF\xBB\xBFsolo ASCII\r\n"));
  EXPECT_EQ(TextoWindows1252(utf8), cp1252);
  EXPECT_EQ(TextoWindows1252("\xEF\xBB\xBF" + utf8), cp1252);
  EXPECT_EQ(TextoWindows1252(cp1252), cp1252);
  EXPECT_EQ(TextoWindows1252("\xE2\x88\x9E\n"), "?\n");  // not in Windows-1252

  struct Caso {
    std::string texto;
    int linea;  // 0: no defect
  };
  const Caso casos[] = {
      {cp1252, 0},
      {"", 0},
      {"a\tb\nc\n", 0},
      {"LF solo\nsin CR\n", 0},
      {"uno\r\ndos\r\ntr", 3},        // cut in the middle of a line
      {"uno\r\nd\0s\r\n"s, 2},         // a NUL byte
      {"uno\r\ndos\r\n\x1A\r\n", 3},  // a control byte
      {"\x81\r\n", 1},                // unused in Windows-1252
      {"a\x7F\r\n", 1},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.texto);
    const auto defecto = BuscarDefectoTexto(c.texto);
    EXPECT_EQ(defecto ? defecto->linea : 0, c.linea);
  }
}

TEST(Texto, AbrirFicheroTextoConvierteUtf8YTrataUnFicheroRotoComoQueFalta) {
  prueba::EntornoDePrueba caso;
  caso.carpeta.Escribir("CARRERA", "\xEF\xBB\xBFMedicina\r\nCiencias del Mar\r\n");
  caso.carpeta.Escribir("galego/CARRERA", "Medicina\r\nCienc");
  EXPECT_EQ(AbrirFicheroTexto(caso.entorno, "CARRERA"), "Medicina\r\nCiencias del Mar\r\n");
  EXPECT_FALSE(caso.entorno.FalloGrave);
  EXPECT_FALSE(AbrirFicheroTexto(caso.entorno, "galego/CARRERA"));
  EXPECT_TRUE(caso.entorno.FalloGrave);
  EXPECT_EQ(
      caso.avisador.avisos,
      std::vector<std::string>{"Faltan ficheros (galego/CARRERA). Vuelva a instalar el programa"});
}

}  // namespace
}  // namespace sendaro
