#include "hall/qt/etiqueta_puerta.h"

#include <QMouseEvent>
#include <QPainter>

namespace sendaro {

EtiquetaPuerta::EtiquetaPuerta(QWidget* padre, QColor normal, QColor resaltado, bool cambiaLetra)
    : QLabel(padre), normal_(normal), resaltado_(resaltado), cambiaLetra_(cambiaLetra) {
  setCursor(Qt::PointingHandCursor);
  setAlignment(Qt::AlignCenter);
  setWordWrap(true);
  setAutoFillBackground(!cambiaLetra_);
  setMouseTracking(true);
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

void EtiquetaPuerta::paintEvent(QPaintEvent* evento) {
  if (!cambiaLetra_) {
    QLabel::paintEvent(evento);
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
