// The whole program started on the sample installation with the static hall,
// printouts going to PDF files in a temporary folder, and what the section
// tests need to drive lists that follow the pointer.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "app/qt/programa.h"
#include "qt/arranque_completo.h"
#include "hall/qt/tform0.h"
#include "qt/apoyo.h"
#include "ui/servicios.h"
#include "ui/ventana_principal.h"

namespace sendaro::prueba {

class ProgramaMuestra : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pdfs.isValid());
    habiaPdf_ = qEnvironmentVariableIsSet("SENDARO_PDF_DIR");
    anteriorPdf_ = qgetenv("SENDARO_PDF_DIR");
    qputenv("SENDARO_PDF_DIR", pdfs.path().toUtf8());
    programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
    ASSERT_TRUE(prueba::ArrancarDelTodo(*programa, {SENDARO_INSTALACION, {"I", "N"}}));
    hall = programa->Vestibulo();
    programa->Ventana().show();
  }
  void TearDown() override {
    if (habiaPdf_) {
      qputenv("SENDARO_PDF_DIR", anteriorPdf_);
    } else {
      qunsetenv("SENDARO_PDF_DIR");
    }
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

}  // namespace sendaro::prueba
