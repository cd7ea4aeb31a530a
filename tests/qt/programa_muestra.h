// The screen tests' set-up: the whole program started on an installation,
// printouts going to PDF files in a temporary folder, a hall door crossed with
// its timers stepped to the end, and what the tests need to drive lists that
// follow the pointer and to read the PDF files back.
//   ProgramaPrueba  a test writes its own installation and calls Arrancar;
//   ProgramaMuestra the sample installation with the static hall, started.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/programa.h"
#include "hall/qt/tform0.h"
#include "qt/apoyo.h"
#include "qt/arranque_completo.h"
#include "ui/servicios.h"
#include "ui/ventana_principal.h"
#include "qt/rutas_prueba.h"

namespace sendaro::prueba {

class ProgramaPrueba : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pdfs.isValid());
    habiaPdf_ = qEnvironmentVariableIsSet("SENDARO_PDF_DIR");
    anteriorPdf_ = qgetenv("SENDARO_PDF_DIR");
    qputenv("SENDARO_PDF_DIR", pdfs.path().toUtf8());
  }
  void TearDown() override {
    qApp->setStyleSheet(QString());  // the installation's skin
    if (habiaPdf_) {
      qputenv("SENDARO_PDF_DIR", anteriorPdf_);
    } else {
      qunsetenv("SENDARO_PDF_DIR");
    }
  }

  // Starts the whole program on the installation in `carpeta` and shows its
  // window; a test may start it again on a changed installation.
  void Arrancar(const std::filesystem::path& carpeta, std::vector<std::string> parametros = {}) {
    programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
    ASSERT_TRUE(prueba::ArrancarDelTodo(*programa, {carpeta, std::move(parametros)}));
    hall = programa->Vestibulo();
    programa->Ventana().show();
  }
  // Clicks a door of the hall (&Tform0::LabelItiClick, ...) and steps its
  // opening and zoom to the end.
  void CruzarPuerta(void (Tform0::*clic)()) {
    (hall->*clic)();
    for (int i = 0; i < 10 && hall->TimerPuerta->isActive(); ++i) hall->TimerPuertaTimer();
    for (int i = 0; i < 30 && hall->TimerZoom->isActive(); ++i) hall->TimerZoomTimer();
  }

  Servicios& S() { return programa->Comunes(); }
  QWidget* Actual() { return programa->Ventana().Actual(); }

  // The PDF files printed so far, in order.
  QStringList Pdfs() const {
    const QStringList n =
        QDir(pdfs.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    QStringList rutas;
    for (const QString& f : n) rutas << QDir(pdfs.path()).filePath(f);
    return rutas;
  }
  // The text of the last PDF printed ("" when there is none).
  QString TextoUltimoPdf() const { return prueba::TextoPdf(prueba::UltimoPdf(pdfs.path())); }
  static QString TextoPdf(const QString& pdf) { return prueba::TextoPdf(pdf); }
  static int PaginasPdf(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(60000)) return 0;
    for (const QString& l : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
      if (l.startsWith(QStringLiteral("Pages:"))) return l.mid(6).trimmed().toInt();
    }
    return 0;
  }
  static QString TamanoPaginaPdf(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(60000)) return {};
    for (const QString& l : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
      if (l.startsWith(QStringLiteral("Page size:"))) return l.mid(10).trimmed();
    }
    return {};
  }

  // The pointer moves over row `fila` of a list, and the button is released there.
  static QPoint CentroFila(QListWidget* l, int fila) {
    return l->visualItemRect(l->item(fila)).center();
  }
  static void Sobre(QListWidget* l, int fila) {
    const QPoint p = CentroFila(l, fila);
    QMouseEvent mover(QEvent::MouseMove, p, l->viewport()->mapToGlobal(p), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(l->viewport(), &mover);
  }
  static void Soltar(QListWidget* l, int fila) {
    Sobre(l, fila);
    const QPoint p = CentroFila(l, fila);
    QMouseEvent pulsar(QEvent::MouseButtonPress, p, l->viewport()->mapToGlobal(p), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(l->viewport(), &pulsar);
    QMouseEvent soltar(QEvent::MouseButtonRelease, p, l->viewport()->mapToGlobal(p), Qt::LeftButton,
                       Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(l->viewport(), &soltar);
  }
  static QStringList Filas(const QListWidget* l) {
    QStringList filas;
    for (int i = 0; i < l->count(); ++i) filas << l->item(i)->text();
    return filas;
  }

  QTemporaryDir pdfs;
  DialogosPrueba dialogos;
  SonidoPrueba sonido;
  PantallaPrueba pantalla;
  std::unique_ptr<Programa> programa;
  Tform0* hall = nullptr;

 private:
  bool habiaPdf_ = false;
  QByteArray anteriorPdf_;
};

class ProgramaMuestra : public ProgramaPrueba {
 protected:
  void SetUp() override {
    ProgramaPrueba::SetUp();
    ASSERT_NO_FATAL_FAILURE(Arrancar(SENDARO_INSTALACION, {"I", "N"}));
  }
};

}  // namespace sendaro::prueba
