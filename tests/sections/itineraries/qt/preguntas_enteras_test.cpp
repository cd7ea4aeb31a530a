// Every question of the study questionnaire reads whole in its grid cell, in
// each language of the sample installation: the font fits the longest one.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <string>

#include "app/qt/programa.h"
#include "hall/qt/tform0.h"
#include "qt/apoyo.h"
#include "qt/arranque_completo.h"
#include "sections/itineraries/qt/tform2.h"
#include "ui/ventana_principal.h"
#include "qt/rutas_prueba.h"

namespace sendaro {
namespace {

class PreguntasEnteras : public testing::TestWithParam<const char*> {
 protected:
  void TearDown() override { qApp->setStyleSheet(QString()); }
  prueba::DialogosPrueba dialogos;
  prueba::SonidoPrueba sonido;
  prueba::PantallaPrueba pantalla;
};

TEST_P(PreguntasEnteras, CadaPreguntaCabeEnSuCelda) {
  Programa programa(dialogos, sonido, pantalla);
  ASSERT_TRUE(prueba::ArrancarDelTodo(programa, {SENDARO_INSTALACION, {"I", "N", GetParam()}}));
  programa.Ventana().show();
  Tform0* hall = programa.Vestibulo();
  TForm2& f = programa.Navegar().Pantalla<TForm2>();
  hall->LabelCuesEClick();
  for (int i = 0; i < 10 && hall->TimerPuerta->isActive(); ++i) hall->TimerPuertaTimer();
  for (int i = 0; i < 30 && hall->TimerZoom->isActive(); ++i) hall->TimerZoomTimer();
  ASSERT_EQ(programa.Ventana().Actual(), &f);
  QEvent entrar(QEvent::Enter);
  QCoreApplication::sendEvent(f.botCuestio, &entrar);
  prueba::Pulsar(f.BotCuestio1);

  QTableWidget* g = f.Gcuestio;
  ASSERT_TRUE(g->isVisible());
  g->doItemsLayout();
  ASSERT_GT(g->rowCount(), 40);
  const int margen = g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1;
  const int columna = g->columnWidth(0);
  int filas = 0;
  for (int r = 0; r < g->rowCount(); ++r) {
    const QTableWidgetItem* c = g->item(r, 0);
    if (c == nullptr || c->text().isEmpty()) continue;
    ++filas;
    const int ancho = QFontMetrics(c->font()).horizontalAdvance(c->text()) + 2 * margen;
    EXPECT_LE(ancho, columna) << c->text().toStdString();
    EXPECT_GE(c->font().pointSizeF(), 8);
  }
  EXPECT_GT(filas, 40);
  // The long questions of the Spanish sample are among them.
  if (std::string(GetParam()) != "0") return;
  const auto hay = [&](const QString& texto) {
    return !g->findItems(texto, Qt::MatchExactly).isEmpty();
  };
  EXPECT_TRUE(hay(QStringLiteral("\u00BFTe gustar\u00EDa hacer experimentos de laboratorio?")));
  EXPECT_TRUE(hay(QStringLiteral("\u00BFTe gustar\u00EDa curar o cuidar a personas enfermas?")));
}

INSTANTIATE_TEST_SUITE_P(Idiomas, PreguntasEnteras, testing::Values("0", "1", "2", "3"));

}  // namespace
}  // namespace sendaro
