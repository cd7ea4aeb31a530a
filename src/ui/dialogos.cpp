#include "ui/dialogos.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace sendaro {

void DialogosReales::Aviso(const QString& texto) {
  QMessageBox caja(QMessageBox::NoIcon, QApplication::applicationDisplayName(), texto,
                   QMessageBox::Ok, QApplication::activeWindow());
  caja.setObjectName(QStringLiteral("Aviso"));
  caja.exec();
}

bool DialogosReales::PreguntaSiNo(const QString& texto) {
  QMessageBox caja(QMessageBox::Question, QString(), texto, QMessageBox::Yes | QMessageBox::No,
                   QApplication::activeWindow());
  caja.setObjectName(QStringLiteral("Pregunta"));
  return caja.exec() == QMessageBox::Yes;
}

int DialogosReales::Ejecutar(QDialog& dialogo) { return dialogo.exec(); }

void DialogosReales::Pitido() { QApplication::beep(); }

QString DialogosReales::NombreGuardar(const QString& nombre) {
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
