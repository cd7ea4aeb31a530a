#include "hall/qt/etiqueta_puerta.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/foco_teclado.h"

namespace sendaro {

namespace {

// A door for screen readers: a button with its caption as name, its hint as
// description and a press action that opens it.
class PuertaAccesible : public QAccessibleWidget {
 public:
  explicit PuertaAccesible(EtiquetaPuerta* puerta)
      : QAccessibleWidget(puerta, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    const auto* puerta = static_cast<const EtiquetaPuerta*>(widget());
    if (t == QAccessible::Name && puerta->accessibleName().isEmpty()) {
      return puerta->text().simplified();
    }
    if (t == QAccessible::Description && puerta->accessibleDescription().isEmpty()) {
      return puerta->Pista().simplified();
    }
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& accion) override {
    if (accion == pressAction()) static_cast<EtiquetaPuerta*>(widget())->Pulsar();
  }
};

QAccessibleInterface* FabricaPuertas(const QString& clase, QObject* objeto) {
  if (clase == QLatin1String("sendaro::EtiquetaPuerta") && objeto != nullptr) {
    return new PuertaAccesible(static_cast<EtiquetaPuerta*>(objeto));
  }
  return nullptr;
}

}  // namespace

EtiquetaPuerta::EtiquetaPuerta(QWidget* padre, QColor normal, QColor resaltado, bool cambiaLetra)
    : QLabel(padre), normal_(normal), resaltado_(resaltado), cambiaLetra_(cambiaLetra) {
  setCursor(Qt::PointingHandCursor);
  setAlignment(Qt::AlignCenter);
  setWordWrap(true);
  setAutoFillBackground(!cambiaLetra_);
  setMouseTracking(true);
  setFocusPolicy(Qt::TabFocus);
  MarcaPropia(*this);
  static const bool fabrica = [] {
    QAccessible::installFactory(FabricaPuertas);
    return true;
  }();
  (void)fabrica;
  Pintar();
}

void EtiquetaPuerta::Normal() {
  if (!resaltada_) return;
  resaltada_ = false;
  Pintar();
}

void EtiquetaPuerta::FijarPista(const QString& pista) {
  pista_ = pista;
  setToolTip(pistaActiva_ ? pista_ : QString());
}

void EtiquetaPuerta::MostrarPista(bool mostrar) {
  pistaActiva_ = mostrar;
  setToolTip(pistaActiva_ ? pista_ : QString());
}

void EtiquetaPuerta::enterEvent(QEnterEvent* evento) {
  resaltada_ = true;
  Pintar();
  QLabel::enterEvent(evento);
}

void EtiquetaPuerta::leaveEvent(QEvent* evento) {
  resaltada_ = false;
  Pintar();
  QLabel::leaveEvent(evento);
}

void EtiquetaPuerta::mouseMoveEvent(QMouseEvent* evento) {
  if (!resaltada_) {
    resaltada_ = true;
    Pintar();
  }
  QLabel::mouseMoveEvent(evento);
}

void EtiquetaPuerta::mouseReleaseEvent(QMouseEvent* evento) {
  if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) {
    emit Pulsada();
  }
  QLabel::mouseReleaseEvent(evento);
}

void EtiquetaPuerta::keyPressEvent(QKeyEvent* evento) {
  switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (evento->isAutoRepeat()) return;
      Pulsar();
      return;
    default:
      QLabel::keyPressEvent(evento);
  }
}

void EtiquetaPuerta::focusInEvent(QFocusEvent* evento) {
  QLabel::focusInEvent(evento);
  update();
}

void EtiquetaPuerta::focusOutEvent(QFocusEvent* evento) {
  QLabel::focusOutEvent(evento);
  update();
}

// The keyboard's door: a double frame, dark outside and light inside, that
// shows on any door colour and any wall.
void EtiquetaPuerta::PintarFoco() {
  if (!hasFocus()) return;
  QPainter p(this);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 20, 20), 2));
  p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  p.setPen(QPen(QColor(255, 240, 120), 2, Qt::DashLine));
  p.drawRect(QRectF(rect()).adjusted(3, 3, -3, -3));
}

void EtiquetaPuerta::paintEvent(QPaintEvent* evento) {
  if (!cambiaLetra_) {
    QLabel::paintEvent(evento);
    PintarFoco();
    return;
  }
  // A sign's text sits on a picture: a thin halo in the opposite lightness
  // keeps any theme colour readable on it.
  QPainter p(this);
  const QColor letra = palette().color(QPalette::WindowText);
  const QColor halo = letra.lightness() > 120 ? QColor(40, 22, 10) : QColor(255, 246, 224);
  const QRect caja = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  const int forma = static_cast<int>(alignment()) | Qt::TextWordWrap;
  p.setFont(font());
  p.setPen(halo);
  for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1), QPoint(1, 1)}) {
    p.drawText(caja.translated(d), forma, text());
  }
  p.setPen(letra);
  p.drawText(caja, forma, text());
  p.end();
  PintarFoco();
}

void EtiquetaPuerta::Pintar() {
  QPalette paleta = palette();
  const QColor color = resaltada_ ? resaltado_ : normal_;
  if (cambiaLetra_) {
    paleta.setColor(QPalette::WindowText, color);
  } else {
    paleta.setColor(QPalette::Window, color);
    paleta.setColor(QPalette::WindowText, Qt::white);
  }
  setPalette(paleta);
}

}  // namespace sendaro
