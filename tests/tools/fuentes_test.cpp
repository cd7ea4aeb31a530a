// Sources of the sample installation: UTF-8 to Windows-1252, the comment and
// block conventions, the catalogue source format, the region table layout.
#include <gtest/gtest.h>

#include "../../tools/datos/fuentes.h"
#include "../../tools/recursos/mapas.h"

namespace sendaro::datos {
namespace {

struct CasoConversion {
  const char* utf8;
  const char* cp1252;  // nullptr: must fail
};

TEST(Cp1252, ConvierteLoQueTieneFormaYRechazaLoDemas) {
  const CasoConversion casos[] = {
      {"Año", "A\xF1o"},
      {"Educación Física", "Educaci\xF3n F\xEDsica"},
      {"5 €", "5 \x80"},
      {"«sí» — ¿vale?", "\xABs\xED\xBB \x97 \xBFvale?"},
      {"Œ š Ÿ ™", "\x8C \x9A \x9F \x99"},
      {"l·l ç à", "l\xB7l \xE7 \xE0"},
      {"flecha →", nullptr},
      {"中文", nullptr},
      {"tab\there", nullptr},
      {"\xC3", nullptr},          // cut sequence
      {"\xC0\xAF", nullptr},      // overlong
      {"\xED\xA0\x80", nullptr},  // surrogate
  };
  for (const auto& c : casos) {
    const auto r = Utf8ACp1252(c.utf8);
    if (c.cp1252 == nullptr) {
      EXPECT_FALSE(r.error.empty()) << c.utf8;
    } else {
      EXPECT_TRUE(r.error.empty()) << c.utf8 << ": " << r.error;
      EXPECT_EQ(r.texto, c.cp1252) << c.utf8;
      EXPECT_EQ(Cp1252AUtf8(r.texto), c.utf8);
    }
  }
}

TEST(Cp1252, ElFalloDiceFicheroLineaYColumna) {
  // Comment lines are dropped, but line numbers stay those of the source.
  const auto lineas = LineasDeFuente("#| cabecera\nBiología\nMatemáticas → Física\n", "datos/X.txt");
  std::vector<Problema> problemas;
  const std::string salida = FicheroCp1252(lineas.lineas, "datos/X.txt", problemas);
  ASSERT_EQ(problemas.size(), 1u);
  EXPECT_EQ(problemas[0].linea, 3);
  const std::string texto = problemas[0].Texto();
  EXPECT_EQ(texto.rfind("datos/X.txt:3: ", 0), 0u) << texto;
  EXPECT_NE(texto.find("columna 13"), std::string::npos) << texto;
  EXPECT_EQ(salida, "Biolog\xED" "a\r\n");
}

TEST(Fuentes, ComentariosBlancosFinalesYFinesDeLinea) {
  const auto r = LineasDeFuente("uno  \r\n#| nota\n\n#|\ndos", "f");
  ASSERT_EQ(r.lineas.size(), 3u);
  EXPECT_EQ(r.lineas[0].texto, "uno");
  EXPECT_EQ(r.lineas[1].texto, "");  // an empty data line is kept
  EXPECT_EQ(r.lineas[2].texto, "dos");
  EXPECT_EQ(r.lineas[2].numero, 5);
  EXPECT_TRUE(r.problemas.empty());
  std::vector<Problema> p;
  EXPECT_EQ(FicheroCp1252(r.lineas, "f", p), "uno\r\n\r\ndos\r\n");
}

TEST(Fuentes, BloquesSeRellenanHastaSuTamano) {
  const auto r = LineasDeBloques("#| asignaturas\n#= Derecho\n3 Materias\n- Civil\n#= Medicina\n", "a", 4);
  ASSERT_TRUE(r.problemas.empty());
  ASSERT_EQ(r.lineas.size(), 8u);
  EXPECT_EQ(r.lineas[0].texto, "Derecho");
  EXPECT_EQ(r.lineas[1].texto, "3 Materias");
  EXPECT_EQ(r.lineas[3].texto, "");
  EXPECT_EQ(r.lineas[4].texto, "Medicina");
  EXPECT_EQ(r.lineas[7].texto, "");
}

TEST(Fuentes, BloqueDemasiadoLargoYTextoSinBloque) {
  const auto r = LineasDeBloques("suelto\n#= A\nx\ny\nz\n", "a", 3);
  ASSERT_EQ(r.problemas.size(), 2u);
  EXPECT_EQ(r.problemas[0].linea, 1);
  EXPECT_EQ(r.problemas[1].linea, 5);
  EXPECT_EQ(r.lineas.size(), 3u);
}

TEST(Catalogo, NumeracionComentariosYHuecos) {
  const auto c = LeerCatalogoFuente(
      "# cabecera\n\n1 Sendaro\n  3 Salir\n49 ¿Quieres salir del programa?\n2\n", "textos/es.txt", 672);
  ASSERT_TRUE(c.problemas.empty()) << c.problemas[0].Texto();
  ASSERT_EQ(c.lineas.size(), 672u);
  EXPECT_EQ(c.lineas[0], "Sendaro");
  EXPECT_EQ(c.lineas[1], "");
  EXPECT_EQ(c.lineas[2], "Salir");
  EXPECT_EQ(c.lineas[3], "");  // a gap stays empty
  EXPECT_EQ(c.lineas[48], "¿Quieres salir del programa?");
  EXPECT_EQ(c.origen[48], 5);
}

TEST(Catalogo, ErroresConSuLinea) {
  struct Caso {
    const char* fuente;
    int linea;
    const char* mensaje;
  };
  const Caso casos[] = {
      {"1 a\n1 b\n", 2, "ya se dio en la línea 1"},
      {"0 cero\n", 1, "fuera de 1..1000"},
      {"1001 mil uno\n", 1, "fuera de 1..1000"},
      {"7x texto\n", 1, "se esperaba"},
      {"texto sin número\n", 1, "se esperaba"},
  };
  for (const auto& caso : casos) {
    const auto c = LeerCatalogoFuente(caso.fuente, "t", 672);
    ASSERT_EQ(c.problemas.size(), 1u) << caso.fuente;
    EXPECT_EQ(c.problemas[0].linea, caso.linea) << caso.fuente;
    EXPECT_NE(c.problemas[0].que.find(caso.mensaje), std::string::npos) << c.problemas[0].que;
  }
  // Lines past 672 (up to 1000) are allowed and extend the file.
  EXPECT_EQ(LeerCatalogoFuente("700 extra\n", "t", 672).lineas.size(), 700u);
}

}  // namespace
}  // namespace sendaro::datos

namespace sendaro::recursos {
namespace {

TEST(Puntos3, TamanoYDisposicionDeLasTresTablas) {
  Rejilla comunidades(kAnchoMapa, kAltoComunidades);
  Rejilla comarcas(kAnchoMapa, kAltoDetalle);
  Rejilla zonas(kAnchoMapa, kAltoDetalle);
  comunidades.Poner(1, 30, 13);
  comunidades.Poner(280, 195, 19);
  comarcas.Poner(140, 219, 37);
  zonas.Poner(281 - 1, 196, 28);
  std::string error;
  const std::string b = Puntos3(comunidades, comarcas, zonas, error);
  EXPECT_TRUE(error.empty()) << error;
  ASSERT_EQ(b.size(), 714864u);
  // Column x, row y: integer (x - 1) * 636 + offset + y - 1, low byte first.
  EXPECT_EQ(static_cast<unsigned char>(b[(0 * 636 + 29) * 4]), 13);
  EXPECT_EQ(static_cast<unsigned char>(b[(279u * 636 + 194) * 4]), 19);
  EXPECT_EQ(static_cast<unsigned char>(b[(139u * 636 + 220 + 218) * 4]), 37);
  EXPECT_EQ(static_cast<unsigned char>(b[(279u * 636 + 440 + 195) * 4]), 28);
  EXPECT_EQ(LeerTablaPuntos(b, 0, 1, 30), 13);
  EXPECT_EQ(LeerTablaPuntos(b, 1, 140, 219), 37);
  EXPECT_EQ(LeerTablaPuntos(b, 2, 280, 196), 28);
  // Column 0, row 0 and beyond the table pick nothing.
  EXPECT_EQ(LeerTablaPuntos(b, 0, 0, 30), 0);
  EXPECT_EQ(LeerTablaPuntos(b, 0, 1, 0), 0);
  EXPECT_EQ(LeerTablaPuntos(b, 0, 1, 197), 0);
  // Only the low byte is written.
  EXPECT_EQ(b[(0 * 636 + 29) * 4 + 1], '\0');
}

TEST(Puntos3, LaZonaBajaChocaConLaComunidadDeLaColumnaSiguiente) {
  Rejilla comunidades(kAnchoMapa, kAltoComunidades);
  Rejilla comarcas(kAnchoMapa, kAltoDetalle);
  Rejilla zonas(kAnchoMapa, kAltoDetalle);
  // Zone row 197 of column 10 is integer 636 of that column = row 1 of column 11.
  zonas.Poner(10, 197, 5);
  std::string error;
  Puntos3(comunidades, comarcas, zonas, error);
  EXPECT_FALSE(error.empty());
  // Agreeing values are fine, and read back through either table.
  comunidades.Poner(11, 1, 5);
  error.clear();
  const std::string b = Puntos3(comunidades, comarcas, zonas, error);
  EXPECT_TRUE(error.empty()) << error;
  EXPECT_EQ(LeerTablaPuntos(b, 2, 10, 197), 5);
  // In column 281 those rows lie past the end of the record and read as 0.
  EXPECT_EQ(LeerTablaPuntos(b, 2, 281, 200), 0);
}

}  // namespace
}  // namespace sendaro::recursos
