// Dialogs the toolkit builds (message boxes, the save and print dialogs)
// show their buttons in the program's language: their captions come from the
// catalogue, without the toolkit's English words and accelerator marks.
#pragma once

#include <QObject>
#include <QString>

class QDialog;

namespace sendaro {

class CatalogoTextos;

struct TextosBotones {
  QString si, no, aceptar, cerrar, guardar, imprimir;
};

// The captions from the catalogue; a text not read yet (messages shown
// before the catalogue) is the Spanish one.
TextosBotones BotonesDelCatalogo(const CatalogoTextos& catalogo);

// Gives every standard button of the dialog its caption (Yes, No, OK,
// Cancel, Close, Save, Open; the print dialog's OK prints).
void RotularBotones(QDialog& dialogo, const TextosBotones& textos);

// Installed on the application: every dialog is relabelled as it is shown.
class RotuladorDialogos : public QObject {
  Q_OBJECT

 public:
  RotuladorDialogos(const CatalogoTextos& catalogo, QObject* padre);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  const CatalogoTextos& catalogo_;
};

}  // namespace sendaro
