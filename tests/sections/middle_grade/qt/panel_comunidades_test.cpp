// The communities' choice of a long middle-grade report leaves the whole map
// free: with the sample installation's map, every point of it (the Balearic
// Islands included) takes the click, none falls on the choice panel.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/qt/programa.h"
#include "hall/qt/tform0.h"
#include "qt/apoyo.h"
#include "qt/arranque_completo.h"
#include "sections/middle_grade/qt/tform3.h"
#include "ui/ventana_principal.h"
#include "qt/rutas_prueba.h"

namespace sendaro {
namespace {

class PanelComunidades : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pdfs.isValid());
    habiaPdf_ = qEnvironmentVariableIsSet("SENDARO_PDF_DIR");
    anteriorPdf_ = qgetenv("SENDARO_PDF_DIR");
    qputenv("SENDARO_PDF_DIR", pdfs.path().toUtf8());
  }
  void TearDown() override {
    qApp->setStyleSheet(QString());
    if (habiaPdf_) {
      qputenv("SENDARO_PDF_DIR", anteriorPdf_);
    } else {
      qunsetenv("SENDARO_PDF_DIR");
    }
  }
  static void PulsarFila(QListWidget* lista, int fila) {
    lista->scrollToItem(lista->item(fila));
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualItemRect(lista->item(fila)).center());
  }

  QTemporaryDir pdfs;
  bool habiaPdf_ = false;
  QByteArray anteriorPdf_;
  prueba::DialogosPrueba dialogos;
  prueba::SonidoPrueba sonido;
  prueba::PantallaPrueba pantalla;
};

TEST_F(PanelComunidades, ElMapaEnteroQuedaLibre) {
  Programa programa(dialogos, sonido, pantalla);
  ASSERT_TRUE(prueba::ArrancarDelTodo(programa, {SENDARO_INSTALACION, {"I", "N"}}));
  programa.Ventana().show();
  Tform0* hall = programa.Vestibulo();
  TForm3* f = &programa.Navegar().Pantalla<TForm3>();
  hall->LabelFPMClick();
  for (int i = 0; i < 10 && hall->TimerPuerta->isActive(); ++i) hall->TimerPuertaTimer();
  for (int i = 0; i < 30 && hall->TimerZoom->isActive(); ++i) hall->TimerZoomTimer();
  ASSERT_EQ(programa.Ventana().Actual(), f);
  for (int i = 0; i < 200 && (f->heli->isActive() || f->piloto->isActive()); ++i) {
    if (f->heli->isActive())
      f->heliTimer();
    else
      f->pilotoTimer();
  }
  prueba::Pulsar(f->botTit2);
  PulsarFila(f->listSelFP, 0);
  PulsarFila(f->ListTitFP, 0);
  // The first title whose report over every community is long asks for them.
  const TablaLinea& titulos = programa.Comunes().tablas.titulosGM;
  for (int t = 1; t <= titulos.Cuenta() && f->PanelImp->isHidden(); ++t) {
    if (titulos[t].rfind('-', 0) == 0) continue;
    f->TituloGMSel = t;
    f->BotImprimirClick();
  }
  ASSERT_FALSE(f->PanelImp->isHidden());
  ASSERT_FALSE(f->mapa->isHidden());

  QWidget* ventana = f->window();
  int puntos = 0;
  for (int y = 0; y < f->mapa->height(); ++y) {
    for (int x = 0; x < f->mapa->width(); ++x) {
      const QPoint p = f->mapa->mapTo(ventana, QPoint(x, y));
      if (ventana->childAt(p) != f->mapa) {
        ADD_FAILURE() << "map point " << x << "," << y << " is covered by "
                      << ventana->childAt(p)->objectName().toStdString();
        return;
      }
      ++puntos;
    }
  }
  EXPECT_GT(puntos, 200 * 150);
  EXPECT_FALSE(f->PanelImp->geometry().intersects(f->mapa->geometry()));
  EXPECT_LE(f->PanelImp->geometry().right(), f->width());
}

}  // namespace
}  // namespace sendaro
