// What a screen reader finds on a screen: the accessibility tree below a
// widget, as the platform bridge walks it, and the naming faults in it.
#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QTextDocument>
#include <QWidget>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/accesible.h"

namespace sendaro::prueba {

// The text a control shows, when it is a label, button or group box.
inline QString TextoVisible(const QObject* o) {
  QString texto;
  if (const auto* b = qobject_cast<const QAbstractButton*>(o)) texto = b->text();
  if (const auto* g = qobject_cast<const QGroupBox*>(o)) texto = g->title();
  if (const auto* l = qobject_cast<const QLabel*>(o)) {
    texto = l->text();
    if (l->textFormat() == Qt::RichText ||
        (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(texto))) {
      QTextDocument d;
      d.setHtml(texto);
      texto = d.toPlainText();
    }
  }
  texto.remove(QLatin1Char('&'));
  return texto.simplified();
}

// The name a screen reader announces for a control.
inline QString NombreAccesible(QWidget* w) {
  QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
  return i != nullptr ? i->text(QAccessible::Name) : QString();
}

struct ControlAccesible {
  const QWidget* widget;
  QAccessible::Role rol;
  QString nombre;
};

// The widgets on view below `raiz` with their own accessible interface, in
// the tree's order.
inline void Recorrer(QAccessibleInterface* i, std::vector<ControlAccesible>& vistos, int hondo = 0) {
  if (i == nullptr || !i->isValid() || i->state().invisible || hondo > 60) return;
  QObject* o = i->object();
  if (o != nullptr && o->isWidgetType() && QAccessible::queryAccessibleInterface(o) == i) {
    const auto* w = static_cast<const QWidget*>(o);
    if (!w->isVisible()) return;
    vistos.push_back({w, i->role(), i->text(QAccessible::Name)});
  }
  for (int k = 0; k < i->childCount(); ++k) Recorrer(i->child(k), vistos, hondo + 1);
}

inline std::vector<ControlAccesible> Controles(QWidget* raiz) {
  std::vector<ControlAccesible> vistos;
  Recorrer(QAccessible::queryAccessibleInterface(raiz), vistos);
  return vistos;
}

// Controls that share their name because they do the same thing: the
// assistant's stage buttons and the big stage panels of its start.
inline bool MismaAccion(const QString& a, const QString& b) {
  static const std::vector<std::pair<QString, QString>> pares = {
      {QStringLiteral("BotEso"), QStringLiteral("Panel2")},
      {QStringLiteral("BotBachi"), QStringLiteral("Panel3")}};
  for (const auto& [x, y] : pares) {
    if ((a == x && b == y) || (a == y && b == x)) return true;
  }
  return false;
}

// One line per fault on the screen below `raiz` ("" when there is none): a
// control named like an object, a control that shows text and is announced
// by something else, two controls announced alike that do different things.
inline std::string FallosDeNombres(QWidget* raiz) {
  QStringList fallos;
  std::map<QString, const QWidget*> nombres;
  for (const ControlAccesible& c : Controles(raiz)) {
    const QString objeto = c.widget->objectName();
    const QString visible = TextoVisible(c.widget);
    if (NombreDeObjeto(c.nombre, objeto)) {
      fallos << QStringLiteral("%1 named like an object: \"%2\"").arg(objeto, c.nombre);
    } else if (!visible.isEmpty() && !c.nombre.simplified().contains(visible)) {
      fallos << QStringLiteral("%1 shows \"%2\" but is named \"%3\"").arg(objeto, visible, c.nombre);
    }
    if (c.nombre.trimmed().isEmpty() || c.rol == QAccessible::Window) continue;
    const auto [otro, nuevo] = nombres.emplace(c.nombre.simplified(), c.widget);
    if (!nuevo && !MismaAccion(otro->second->objectName(), objeto)) {
      fallos << QStringLiteral("%1 and %2 share the name \"%3\"")
                    .arg(otro->second->objectName(), objeto, c.nombre);
    }
  }
  return fallos.join(QLatin1Char('\n')).toStdString();
}

}  // namespace sendaro::prueba
