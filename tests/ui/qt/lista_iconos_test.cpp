// A row text too long for its list is drawn smaller down to a readable size,
// then elided; it never runs past the row.
#include "ui/lista_iconos.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

namespace sendaro {
namespace {

enum class Espera { kIgual, kMenor, kRecortado };

struct Caso {
  const char* nombre;
  bool enPixeles;  // font sized in pixels (as style sheets give it) or points
  int repeticiones;  // copies of the sample phrase in the row
  double anchoRelativo;  // row width as a share of the text's natural width
  Espera espera;
};

const Caso kCasos[] = {
    {"cabe", false, 1, 1.0, Espera::kIgual},
    {"algo_largo", false, 1, 0.85, Espera::kMenor},
    {"demasiado_largo", false, 3, 0.3, Espera::kRecortado},
    {"pixeles_algo_largo", true, 1, 0.85, Espera::kMenor},
    {"pixeles_demasiado_largo", true, 3, 0.3, Espera::kRecortado},
};

TEST(ListaIconos, TextoLargoSeEncogeYLuegoSeRecortaSinSalirseDeLaFila) {
  const QString frase =
      QString::fromUtf8("Imagen y sonido, artes gráficas, imagen personal y textil ");
  for (const Caso& c : kCasos) {
    SCOPED_TRACE(c.nombre);
    QFont letra(QStringLiteral("DejaVu Sans"));
    letra.setBold(true);
    if (c.enPixeles) {
      letra.setPixelSize(15);
    } else {
      letra.setPointSizeF(11);
    }
    const QString texto = frase.repeated(c.repeticiones).trimmed();
    const int natural = QFontMetrics(letra).horizontalAdvance(texto);
    const int ancho = static_cast<int>(natural * c.anchoRelativo);

    const TextoAjustado a = AjustarTexto(letra, texto, ancho);

    EXPECT_LE(QFontMetrics(a.letra).horizontalAdvance(a.texto), ancho);
    const qreal puntos =
        c.enPixeles ? a.letra.pixelSize() * 72.0 / 96 : a.letra.pointSizeF();
    EXPECT_GE(puntos, 8.0 - 0.4);
    EXPECT_EQ(a.letra.bold(), letra.bold());
    switch (c.espera) {
      case Espera::kIgual:
        EXPECT_EQ(a.letra, letra);
        EXPECT_EQ(a.texto, texto);
        break;
      case Espera::kMenor:
        EXPECT_EQ(a.texto, texto);
        EXPECT_LT(QFontMetrics(a.letra).height(), QFontMetrics(letra).height());
        break;
      case Espera::kRecortado:
        EXPECT_TRUE(a.texto.endsWith(QChar(0x2026))) << a.texto.toStdString();
        EXPECT_LT(puntos, 8.5);
        break;
    }
  }
}

}  // namespace
}  // namespace sendaro
