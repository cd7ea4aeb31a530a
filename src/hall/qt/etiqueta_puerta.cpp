#include "hall/qt/etiqueta_puerta.h"

#include <QMouseEvent>

namespace sendaro {

EtiquetaPuerta::EtiquetaPuerta(QWidget* padre, QColor normal, QColor resaltado, bool cambiaLetra)
    : QLabel(padre), normal_(normal), resaltado_(resaltado), cambiaLetra_(cambiaLetra) {
  setCursor(Qt::PointingHandCursor);
  setAlignment(Qt::AlignCenter);
  setWordWrap(true);
  setAutoFillBackground(!cambiaLetra_);
  Pintar();
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

void EtiquetaPuerta::mouseReleaseEvent(QMouseEvent* evento) {
  if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) {
    emit Pulsada();
  }
  QLabel::mouseReleaseEvent(evento);
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
