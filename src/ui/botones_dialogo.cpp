#include "ui/botones_dialogo.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QPushButton>

#include "data/catalogo.h"
#include "ui/texto_qt.h"

namespace sendaro {

namespace {

QString Texto(const CatalogoTextos& catalogo, int n, const QString& espanol) {
  const QString t = DeWin(catalogo.Texto(n)).trimmed();
  return t.isEmpty() ? espanol : t;
}

// A caption shown as it is: an "&" in it is not an accelerator mark.
QString SinAcelerador(QString texto) { return texto.replace(u'&', QStringLiteral("&&")); }

}  // namespace

TextosBotones BotonesDelCatalogo(const CatalogoTextos& catalogo) {
  return {Texto(catalogo, 141, QStringLiteral("S\u00ed")),
          Texto(catalogo, 140, QStringLiteral("No")),
          Texto(catalogo, 19, QStringLiteral("Aceptar")),
          Texto(catalogo, 13, QStringLiteral("Cerrar")),
          Texto(catalogo, 20, QStringLiteral("Guardar")),
          Texto(catalogo, 36, QStringLiteral("Imprimir"))};
}

void RotularBotones(QDialog& dialogo, const TextosBotones& textos) {
  // The save dialog sets its own accept caption again as the name is typed;
  // captions given as labels stay.
  if (auto* fichero = qobject_cast<QFileDialog*>(&dialogo)) {
    fichero->setLabelText(
        QFileDialog::Accept,
        SinAcelerador(fichero->acceptMode() == QFileDialog::AcceptSave ? textos.guardar
                                                                       : textos.aceptar));
    fichero->setLabelText(QFileDialog::Reject, SinAcelerador(textos.cerrar));
  }
  const bool impresion = dialogo.inherits("QAbstractPrintDialog");
  for (QDialogButtonBox* caja : dialogo.findChildren<QDialogButtonBox*>()) {
    // Boxes of dialogs nested inside this one are relabelled when those show.
    if (caja->window() != &dialogo) continue;
    for (QAbstractButton* boton : caja->buttons()) {
      QString texto;
      switch (caja->standardButton(boton)) {
        case QDialogButtonBox::Yes:
        case QDialogButtonBox::YesToAll:
          texto = textos.si;
          break;
        case QDialogButtonBox::No:
        case QDialogButtonBox::NoToAll:
          texto = textos.no;
          break;
        case QDialogButtonBox::Ok:
          texto = impresion ? textos.imprimir : textos.aceptar;
          break;
        case QDialogButtonBox::Save:
          texto = textos.guardar;
          break;
        case QDialogButtonBox::Open:
          texto = textos.aceptar;
          break;
        case QDialogButtonBox::Cancel:
        case QDialogButtonBox::Close:
        case QDialogButtonBox::Abort:
        case QDialogButtonBox::Discard:
          texto = textos.cerrar;
          break;
        default:
          continue;
      }
      boton->setText(SinAcelerador(texto));
    }
  }
}

RotuladorDialogos::RotuladorDialogos(const CatalogoTextos& catalogo, QObject* padre)
    : QObject(padre), catalogo_(catalogo) {
  qApp->installEventFilter(this);
}

bool RotuladorDialogos::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::Show && objeto->isWidgetType()) {
    if (auto* dialogo = qobject_cast<QDialog*>(objeto)) {
      RotularBotones(*dialogo, BotonesDelCatalogo(catalogo_));
    }
  }
  return false;
}

}  // namespace sendaro
