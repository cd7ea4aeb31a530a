#include "ui/dialogos.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace sendaro {

namespace {

// For scripted runs of the whole program (the broken-installation tests):
// with SENDARO_AVISOS naming a file, messages and questions are appended to
// it, one a line, instead of being shown; every question is answered No and
// every dialog is cancelled.
bool AnotarSinMostrar(const QString& clase, const QString& texto) {
  const QString ruta = qEnvironmentVariable("SENDARO_AVISOS");
  if (ruta.isEmpty()) return false;
  QFile f(ruta);
  if (f.open(QIODevice::WriteOnly | QIODevice::Append)) {
    f.write((clase + QStringLiteral(": ") + texto + QStringLiteral("\n")).toUtf8());
  }
  return true;
}

}  // namespace

void DialogosReales::Aviso(const QString& texto) {
  if (AnotarSinMostrar(QStringLiteral("aviso"), texto)) return;
  QMessageBox caja(QMessageBox::NoIcon, QApplication::applicationDisplayName(), texto,
                   QMessageBox::Ok, QApplication::activeWindow());
  caja.setObjectName(QStringLiteral("Aviso"));
  caja.exec();
}

bool DialogosReales::PreguntaSiNo(const QString& texto) {
  if (AnotarSinMostrar(QStringLiteral("pregunta"), texto)) return false;
  QMessageBox caja(QMessageBox::Question, QString(), texto, QMessageBox::Yes | QMessageBox::No,
                   QApplication::activeWindow());
  caja.setObjectName(QStringLiteral("Pregunta"));
  return caja.exec() == QMessageBox::Yes;
}

int DialogosReales::Ejecutar(QDialog& dialogo) {
  if (AnotarSinMostrar(QStringLiteral("dialogo"), dialogo.objectName())) return QDialog::Rejected;
  return dialogo.exec();
}

void DialogosReales::Pitido() { QApplication::beep(); }

QString DialogosReales::NombreGuardar(const QString& nombre) {
  if (AnotarSinMostrar(QStringLiteral("guardar"), nombre)) return {};
  QFileDialog dialogo(QApplication::activeWindow());
  dialogo.setObjectName(QStringLiteral("Save"));
  dialogo.setAcceptMode(QFileDialog::AcceptSave);
  dialogo.setFileMode(QFileDialog::AnyFile);
  dialogo.setDefaultSuffix(QStringLiteral("TXT"));
  dialogo.setNameFilter(QStringLiteral("*.TXT *.txt"));
  dialogo.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  dialogo.selectFile(nombre);
  if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
  return dialogo.selectedFiles().constFirst();
}

bool DialogosReales::AbrirWeb(const QUrl& direccion) { return QDesktopServices::openUrl(direccion); }

}  // namespace sendaro
