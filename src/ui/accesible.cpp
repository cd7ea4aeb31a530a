#include "ui/accesible.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

namespace sendaro {

namespace {

constexpr char kSombra[] = "sendaroSombra";

// A shadow copy: on the tree, as the platform requires, but never shown.
class SombraAccesible : public QAccessibleWidget {
 public:
  explicit SombraAccesible(QWidget* w) : QAccessibleWidget(w, QAccessible::NoRole) {}
  QAccessible::State state() const override {
    QAccessible::State estado = QAccessibleWidget::state();
    estado.invisible = true;
    return estado;
  }
  QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface* FabricaSombras(const QString&, QObject* objeto) {
  if (objeto != nullptr && objeto->isWidgetType() && objeto->property(kSombra).toBool()) {
    return new SombraAccesible(static_cast<QWidget*>(objeto));
  }
  return nullptr;
}

// Whether the control shows text now.
bool MuestraTexto(const QWidget* w) {
  if (const auto* boton = qobject_cast<const QAbstractButton*>(w)) return !boton->text().isEmpty();
  if (const auto* etiqueta = qobject_cast<const QLabel*>(w)) return !etiqueta->text().isEmpty();
  if (const auto* grupo = qobject_cast<const QGroupBox*>(w)) return !grupo->title().isEmpty();
  return false;
}

bool PuedeMostrarTexto(const QWidget* w) {
  return qobject_cast<const QAbstractButton*>(w) != nullptr ||
         qobject_cast<const QLabel*>(w) != nullptr || qobject_cast<const QGroupBox*>(w) != nullptr;
}

void Nombrar(QWidget* w) {
  const QString nombre = w->accessibleName();
  if (!nombre.isEmpty() && nombre == w->objectName()) w->setAccessibleName(QString());
  if (MuestraTexto(w) || !w->accessibleName().isEmpty()) return;
  // A control without text: its hint describes what it does. A label that
  // shows no text yet keeps no name, so that its text names it once set.
  if (!PuedeMostrarTexto(w) || qobject_cast<QAbstractButton*>(w) != nullptr) {
    const QString pista = w->toolTip().simplified();
    if (!pista.isEmpty() && !Qt::mightBeRichText(pista)) w->setAccessibleName(pista);
  }
}

}  // namespace

void NombrarAccesibles(QWidget* raiz) {
  Nombrar(raiz);
  for (QWidget* w : raiz->findChildren<QWidget*>()) Nombrar(w);
}

void Sombra(QWidget& w) {
  static const bool fabrica = [] {
    QAccessible::installFactory(FabricaSombras);
    return true;
  }();
  (void)fabrica;
  w.setProperty(kSombra, true);
  // An interface made before the mark (setting a text makes one) is
  // dropped, so that the next one comes from the factory.
  if (QAccessibleInterface* hecha = QAccessible::queryAccessibleInterface(&w);
      hecha != nullptr && dynamic_cast<SombraAccesible*>(hecha) == nullptr) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(hecha));
  }
}

void Describir(QWidget* w, const QString& nombre, const QString& descripcion) {
  w->setAccessibleName(nombre.simplified());
  w->setAccessibleDescription(descripcion.simplified());
}

bool NombreDeObjeto(const QString& nombre, const QString& objeto) {
  if (nombre.isEmpty()) return false;
  if (nombre == objeto) return true;
  // Several words, or anything but letters and digits: a text.
  static const QRegularExpression palabra(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
  if (!palabra.match(nombre).hasMatch()) return false;
  static const QRegularExpression mezcla(
      QStringLiteral("[a-z][A-Z]|[A-Za-z][0-9]+$|_"));
  return mezcla.match(nombre).hasMatch();
}

NombresAccesibles::NombresAccesibles(QObject* padre) : QObject(padre) {
  qApp->installEventFilter(this);
}

bool NombresAccesibles::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::Show && objeto->isWidgetType()) {
    Nombrar(static_cast<QWidget*>(objeto));
  }
  return false;
}

}  // namespace sendaro
