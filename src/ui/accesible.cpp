#include "ui/accesible.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace sendaro {

namespace {

void Nombrar(QWidget* w) {
  QString texto;
  if (auto* boton = qobject_cast<QAbstractButton*>(w)) texto = boton->text();
  if (auto* etiqueta = qobject_cast<QLabel*>(w)) texto = etiqueta->text();
  texto.replace(QLatin1Char('\n'), QLatin1Char(' '));
  texto.remove(QLatin1Char('&'));
  w->setAccessibleName(texto.trimmed().isEmpty() ? w->objectName() : texto.simplified());
}

}  // namespace

void NombrarAccesibles(QWidget* raiz) {
  Nombrar(raiz);
  for (QWidget* w : raiz->findChildren<QWidget*>()) {
    if (!w->objectName().isEmpty()) Nombrar(w);
  }
}

}  // namespace sendaro
