// Everything modal goes through this seam: message boxes, the Yes/No
// question, the beep, the save dialog and the program's own dialogs; and the
// web browser. Tests set the answers.
#pragma once

#include <QString>
#include <QUrl>

class QDialog;

namespace sendaro {

class Dialogos {
 public:
  virtual ~Dialogos() = default;
  // Plain modal message box.
  virtual void Aviso(const QString& texto) = 0;
  // Yes/No question box with the question icon and an empty title.
  virtual bool PreguntaSiNo(const QString& texto) = 0;
  // Shows the dialog modally; returns its result (QDialog::Accepted or Rejected).
  virtual int Ejecutar(QDialog& dialogo) = 0;
  virtual void Pitido() = 0;
  // The save dialog for a text report: proposes `nombre` in the user's
  // documents folder, adds ".TXT" when no extension is typed and asks before
  // overwriting. The chosen path, or empty when cancelled.
  virtual QString NombreGuardar(const QString& nombre) = 0;
  // Opens a web address in the user's browser; false when it could not.
  virtual bool AbrirWeb(const QUrl& direccion) = 0;
};

class DialogosReales : public Dialogos {
 public:
  void Aviso(const QString& texto) override;
  bool PreguntaSiNo(const QString& texto) override;
  int Ejecutar(QDialog& dialogo) override;
  void Pitido() override;
  QString NombreGuardar(const QString& nombre) override;
  bool AbrirWeb(const QUrl& direccion) override;
};

}  // namespace sendaro
