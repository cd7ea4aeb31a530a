// The balloon hint: its size for a text, its outline, and the hint pause.
#include "ui/globo_ayuda.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolTip>

namespace sendaro {
namespace {

TEST(TMonHint, UnTextoLargoSeParteADoscientosPixeles) {
  const QFont letra(QStringLiteral("Arial"), 9);
  const QFontMetrics m(letra);
  // Short words until the text is about 400 pixels wide on one line.
  QString largo;
  while (m.horizontalAdvance(largo) < 380) largo += QStringLiteral("ab ");
  largo = largo.trimmed();
  const QString corto = QStringLiteral("Hola");
  struct Caso {
    QString texto;
    int lineas;
  };
  for (const Caso& c : {Caso{corto, 1}, Caso{largo, 2}}) {
    SCOPED_TRACE(c.texto.toStdString());
    const QRect base = TMonHint::RectBase(c.texto, letra);
    const QRect globo = TMonHint::CalcHintRect(c.texto, letra);
    const int ancho = base.width() - 6;
    EXPECT_LE(ancho, 200);
    EXPECT_EQ(base.height() - 2,
              m.boundingRect(QRect(0, 0, 200, 1000), Qt::TextWordWrap, c.texto).height());
    EXPECT_EQ(base.height() - 2, c.lineas * m.lineSpacing() - (m.lineSpacing() - m.height()));
    EXPECT_EQ(globo.width(), base.width() + 10);
    EXPECT_EQ(globo.height(), base.height() + 30);
  }
  EXPECT_EQ(TMonHint::RectBase(corto, letra).width(), m.horizontalAdvance(corto) + 6);
}

TEST(TMonHint, FormaConColaArribaALaIzquierda) {
  const QRect cliente(0, 0, 120, 70);
  const QRegion forma = TMonHint::Forma(cliente);
  struct Caso {
    QPoint punto;
    bool dentro;
  };
  const std::vector<Caso> casos = {
      {{23, 1}, true},     // tip of the tail
      {{25, 15}, true},    // inside the tail
      {{10, 10}, false},   // left of the tail, above the box
      {{60, 10}, false},   // right of the tail, above the box
      {{60, 21}, true},    // top edge of the box
      {{1, 21}, false},    // rounded corner cut off
      {{118, 68}, false},  // rounded corner cut off
      {{60, 45}, true},    // middle of the box
      {{0, 45}, true},     // left edge
      {{119, 45}, true},   // right edge
  };
  for (const Caso& c : casos)
    EXPECT_EQ(forma.contains(c.punto), c.dentro) << c.punto.x() << "," << c.punto.y();
  EXPECT_EQ(TMonHint::AreaTexto(cliente), QRect(5, 27, 110, 38));
}

TEST(TMonHint, DobleContornoGris) {
  int pausa = 30000;
  TMonHint globo(&pausa);
  globo.ActivateHint(QRect(100, 100, 120, 70), QStringLiteral("Hola"));
  const QImage imagen = globo.grab().toImage();
  EXPECT_EQ(pausa, 400);  // painting a balloon sets the hint pause
  EXPECT_FALSE(globo.FormaPendiente);
  const QColor fondo = QToolTip::palette().color(QPalette::ToolTipBase);
  // Across the left edge at mid-height: light, dark, then the fill.
  EXPECT_EQ(imagen.pixelColor(0, 45), QColor(160, 160, 160));
  EXPECT_EQ(imagen.pixelColor(1, 45), QColor(96, 96, 96));
  EXPECT_EQ(imagen.pixelColor(2, 45), fondo);
  EXPECT_EQ(imagen.pixelColor(119, 45), QColor(160, 160, 160));
  EXPECT_EQ(imagen.pixelColor(118, 45), QColor(96, 96, 96));
  EXPECT_EQ(imagen.pixelColor(60, 69), QColor(160, 160, 160));
  EXPECT_EQ(imagen.pixelColor(60, 67), fondo);
  EXPECT_EQ(globo.mask(), TMonHint::Forma(globo.rect()));
  globo.hide();
}

TEST(TMonHint, MarcoDeUnaRegion) {
  const QRegion r(QRect(0, 0, 40, 30));
  EXPECT_EQ(TMonHint::Marco(r, 2), r - QRegion(QRect(2, 2, 36, 26)));
  EXPECT_EQ(TMonHint::Marco(r, 1), r - QRegion(QRect(1, 1, 38, 28)));
}

class Globos : public testing::Test {
 protected:
  void SetUp() override {
    ventana.resize(300, 200);
    a.setGeometry(10, 10, 100, 30);
    b.setGeometry(10, 100, 100, 30);
    a.setToolTip(QStringLiteral("Pista A"));
    b.setToolTip(QStringLiteral("Pista B"));
    ventana.show();
  }
  void Mover(QWidget* w) {
    const QPointF local(5, 5);
    QMouseEvent e(QEvent::MouseMove, local, w->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }

  int pausa = 30000;
  QWidget ventana;
  QLabel a{&ventana};
  QLabel b{&ventana};
  QLabel sin{&ventana};
  GestorGlobos gestor{nullptr, &pausa};
};

TEST_F(Globos, LaPrimeraPistaEsperaLaPausaLargaYLasDemas400ms) {
  ASSERT_EQ(GestorGlobos::Activo(), &gestor);
  Mover(&a);
  EXPECT_EQ(gestor.Candidato(), &a);
  ASSERT_TRUE(gestor.Temporizador().isActive());
  EXPECT_EQ(gestor.Temporizador().interval(), 30000);
  EXPECT_FALSE(gestor.Globo().isVisible());
  gestor.Temporizador().stop();
  gestor.Cumplido();
  ASSERT_TRUE(gestor.Globo().isVisible());
  EXPECT_EQ(gestor.Globo().Texto(), QStringLiteral("Pista A"));
  EXPECT_EQ(gestor.Globo().size(),
            TMonHint::CalcHintRect(QStringLiteral("Pista A"), gestor.Globo().font()).size());
  gestor.Globo().grab();  // paints it
  EXPECT_EQ(pausa, 400);
  // Moving within the same control keeps the balloon.
  Mover(&a);
  EXPECT_TRUE(gestor.Globo().isVisible());
  // Another control: the balloon goes and the next one waits 400 ms.
  Mover(&b);
  EXPECT_FALSE(gestor.Globo().isVisible());
  EXPECT_EQ(gestor.Candidato(), &b);
  EXPECT_EQ(gestor.Temporizador().interval(), 400);
  // A control without a hint: nothing pending.
  Mover(&sin);
  EXPECT_FALSE(gestor.Temporizador().isActive());
  EXPECT_EQ(gestor.Candidato(), nullptr);
}

TEST_F(Globos, UnClicQuitaElGloboYNoHayTooltipsDeQt) {
  Mover(&a);
  gestor.Cumplido();
  ASSERT_TRUE(gestor.Globo().isVisible());
  QMouseEvent clic(QEvent::MouseButtonPress, QPointF(5, 5), a.mapToGlobal(QPointF(5, 5)),
                   Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&a, &clic);
  EXPECT_FALSE(gestor.Globo().isVisible());
  QHelpEvent ayuda(QEvent::ToolTip, QPoint(5, 5), a.mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(&a, &ayuda);
  QApplication::processEvents();
  EXPECT_FALSE(QToolTip::isVisible());
}

}  // namespace
}  // namespace sendaro
