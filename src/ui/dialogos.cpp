#include "ui/dialogos.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

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

}  // namespace sendaro
