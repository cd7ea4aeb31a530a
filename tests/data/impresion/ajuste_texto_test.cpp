#include "data/impresion/ajuste_texto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/impresion/superficie_registro.h"

namespace sendaro {
namespace {

// At 72 dpi and size 10 every character is 10 pixels wide and a row 10 high.
class AjusteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    superficie.FijarOrientacion(Orientacion::kVertical);
    ASSERT_TRUE(superficie.Comenzar());
    hoja.FijarFuente({"Courier New", 10, false});
  }
  void TearDown() override { superficie.Terminar(); }

  SuperficieRegistro superficie{1000, 1000, 72, 1.0, 1.0};
  HojaImpresion hoja{superficie};
};

TEST_F(AjusteTest, PartirEnFilasSinPerderPalabras) {
  struct Caso {
    std::string texto;
    int ancho;
    std::vector<std::string> filas;
  };
  for (const Caso& c : {
           Caso{"corto", 100, {"corto"}},
           Caso{"", 100, {""}},
           Caso{"exactamente diez", 160, {"exactamente diez"}},
           Caso{"uno dos tres cuatro", 100, {"uno dos", "tres", "cuatro"}},
           // Further rows keep the indent; the mark at the end stays whole.
           Caso{"  Nota de corte 12,345", 100, {"  Nota de", "  corte", "  12,345"}},
           // A blank right after the part that fits is a break too.
           Caso{"Bachillerato PAU", 120, {"Bachillerato", "PAU"}},
           // Only a word wider than a row is cut.
           Caso{"Otorrinolaringologia", 100, {"Otorrinola", "ringologia"}},
           Caso{"  Otorrinolaringologia", 100, {"  Otorrino", "  laringol", "  ogia"}},
           // An indent wider than half a row is not repeated.
           Caso{"       abc defghij", 100, {"abc", "defghij"}},
           // Blanks between words at a break are dropped, none inside a row.
           Caso{"Medicina (L)      9,65", 130, {"Medicina (L)", "9,65"}},
       }) {
    EXPECT_EQ(PartirEnFilas(hoja, c.texto, c.ancho), c.filas) << c.texto << " / " << c.ancho;
  }
}

TEST_F(AjusteTest, TamanoQueCabeBajaEnMediosPuntosHastaElMinimo) {
  // Widths are 1 pixel per character and point here; rows 1 pixel per point.
  const std::vector<LineaInforme> lineas = {{std::string(40, 'x'), false},
                                            {std::string(30, 'y'), true}};
  struct Caso {
    double inicial;
    int ancho;
    int alto;
    double esperado;
  };
  for (const Caso& c : {Caso{10, 400, 10, 10},
                        // 40 characters in 300 pixels: 7.5 points.
                        Caso{10, 300, 10, 7.5}, Caso{10, 319, 10, 7.5},
                        // Rows of 8 pixels hold size 8 at most.
                        Caso{10, 400, 8, 8},
                        // Neither fits above the minimum.
                        Caso{10, 100, 10, kTamanoMinimoInforme},
                        // A size already below the minimum is kept.
                        Caso{6, 100, 10, 6}}) {
    EXPECT_EQ(TamanoQueCabe(hoja, {"Courier New", c.inicial, false}, kTamanoMinimoInforme, c.ancho,
                            c.alto, lineas),
              c.esperado)
        << c.ancho << " x " << c.alto;
  }
}

TEST_F(AjusteTest, TextoDeCabeceraEncogeYLuegoAcabaEnElipsis) {
  struct Caso {
    std::string texto;
    double inicial;
    int ancho;
    TextoAjustado esperado;
  };
  for (const Caso& c :
       {Caso{"IES Rio Ebro", 12, 200, {12, "IES Rio Ebro"}},
        Caso{"IES Rio Ebro", 12, 120, {10, "IES Rio Ebro"}},
        Caso{"IES Rio Ebro", 12, 100, {8, "IES Rio Ebro"}},
        Caso{"IES Rio Ebro", 12, 90, {8, "IES Rio Eb\x85"}},
        // The ellipsis follows the last character kept, never a blank.
        Caso{"IES Rio Ebro", 12, 70, {8, "IES Rio\x85"}}, Caso{"IES Rio Ebro", 12, 5, {8, ""}},
        // A size below the minimum is not raised.
        Caso{"IES", 7, 15, {7, "I\x85"}}}) {
    const TextoAjustado t =
        AjustarTextoCabecera(hoja, {"Arial", c.inicial, true}, c.texto, c.ancho);
    EXPECT_EQ(t.tamano, c.esperado.tamano) << c.texto << " / " << c.ancho;
    EXPECT_EQ(t.texto, c.esperado.texto) << c.texto << " / " << c.ancho;
  }
}

TEST_F(AjusteTest, InformeAjustadoCuentaLasFilasPartidas) {
  BufferImpresion buffer;
  SeccionesImpresion secciones;
  buffer.Fijar(1, "Medicina");
  buffer.Fijar(2, "Universidad de Sevilla    ");
  buffer.Fijar(3, "");
  secciones.Agregar(2);
  // 6.5 points make characters of 6.5 pixels: 12 fit in 80 pixels.
  const InformeAjustado informe =
      AjustarInforme(hoja, {"Courier New", 10, false}, 80, 10, buffer, 3, secciones);
  EXPECT_EQ(informe.tamano, kTamanoMinimoInforme);
  ASSERT_EQ(informe.lineas.size(), 3u);
  EXPECT_EQ(informe.lineas[1].texto, "Universidad de Sevilla");
  EXPECT_TRUE(informe.lineas[1].negrita);
  EXPECT_FALSE(informe.lineas[0].negrita);
  EXPECT_EQ(informe.filas, (std::vector<std::vector<std::string>>{
                               {"Medicina"}, {"Universidad", "de Sevilla"}, {""}}));
  EXPECT_EQ(informe.totalFilas, 4);
}

}  // namespace
}  // namespace sendaro
