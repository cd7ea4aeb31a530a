// The program started on a small test installation with the degrees data,
// and the steps a person takes on the degrees screen: through a door of the
// hall, over the map, opening rows. Printouts go to PDF files in a temporary
// folder, read back with pdftotext.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/qt/programa.h"
#include "qt/arranque_completo.h"
#include "hall/qt/tform0.h"
#include "qt/apoyo.h"
#include "sections/degrees/qt/datos_grados.h"
#include "sections/degrees/qt/pagina_grados.h"
#include "sections/degrees/qt/visor_artes.h"
#include "sections/degrees/qt/visor_consulta.h"
#include "sections/degrees/qt/visor_cuestionario.h"
#include "sections/degrees/qt/visor_ficha.h"
#include "sections/degrees/qt/visor_fp.h"
#include "sections/degrees/qt/visor_nuevas.h"
#include "sections/degrees/qt/visor_universidades.h"
#include "sections/degrees/qt/tform1.h"
#include "ui/servicios.h"
#include "ui/ventana_principal.h"

namespace sendaro::prueba {

inline QStringList PdfsDe(const QString& carpeta) {
  QStringList pdfs = QDir(carpeta).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
  for (QString& p : pdfs) p = QDir(carpeta).filePath(p);
  return pdfs;
}

inline QString TextoDePdf(const QString& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!p.waitForFinished(60000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

class PantallaGradosBase : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pdfs.isValid());
    habiaPdf_ = qEnvironmentVariableIsSet("SENDARO_PDF_DIR");
    anteriorPdf_ = qgetenv("SENDARO_PDF_DIR");
    qputenv("SENDARO_PDF_DIR", pdfs.path().toUtf8());
    EscribirDatosGrados(ins);
    Datos();
    Arrancar();
  }
  void TearDown() override {
    qApp->setStyleSheet(QString());
    if (habiaPdf_) {
      qputenv("SENDARO_PDF_DIR", anteriorPdf_);
    } else {
      qunsetenv("SENDARO_PDF_DIR");
    }
  }
  // More data for a fixture, written before start-up.
  virtual void Datos() {}

  void Arrancar() {
    programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
    ASSERT_TRUE(prueba::ArrancarDelTodo(*programa, {ins.Carpeta(), {}}));
    hall = programa->Vestibulo();
    f = &programa->Navegar().Pantalla<TForm1>();
    ASSERT_NE(f, nullptr);
    programa->Ventana().show();
  }
  // A door of the hall (LabelCarrerasClick, LabelCuesBClick...), with its
  // opening and zoom stepped to the end.
  void Puerta(void (Tform0::*puerta)()) {
    (hall->*puerta)();
    for (int i = 0; i < 10 && hall->TimerPuerta->isActive(); ++i) hall->TimerPuertaTimer();
    for (int i = 0; i < 30 && hall->TimerZoom->isActive(); ++i) hall->TimerZoomTimer();
    ASSERT_EQ(programa->Ventana().Actual(), f);
  }
  QStringList Lineas(const QListWidget* l) const {
    QStringList filas;
    for (int i = 0; i < l->count(); ++i) filas << l->item(i)->text();
    return filas;
  }
  void Clic(QListWidget* lista, int fila) {
    lista->scrollToItem(lista->item(fila));
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualItemRect(lista->item(fila)).center());
  }
  void SobreMapa(int x, int y) {
    QMouseEvent mover(QEvent::MouseMove, QPointF(x, y), f->Pagina().mapa->mapToGlobal(QPointF(x, y)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f->Pagina().mapa, &mover);
  }
  void ClicMapa(int x, int y) {
    SobreMapa(x, y);
    QTest::mouseClick(f->Pagina().mapa, Qt::LeftButton, {}, QPoint(x, y));
  }
  static bool Visible(const QWidget* w) { return !w->isHidden(); }
  QStringList Pdfs() const { return PdfsDe(pdfs.path()); }

  QTemporaryDir pdfs;
  InstalacionPrueba ins;
  DialogosPrueba dialogos;
  SonidoPrueba sonido;
  PantallaPrueba pantalla;
  std::unique_ptr<Programa> programa;
  Tform0* hall = nullptr;
  TForm1* f = nullptr;

 private:
  bool habiaPdf_ = false;
  QByteArray anteriorPdf_;
};

}  // namespace sendaro::prueba
