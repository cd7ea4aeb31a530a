#include "sections/degrees/qt/arriba_abajo.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace sendaro {

ArribaAbajo::ArribaAbajo(QWidget* padre, QLineEdit* campo, int minimo, int maximo, int posicion)
    : QWidget(padre), campo_(campo), minimo_(minimo), maximo_(maximo), posicion_(posicion) {
  auto* caja = new QVBoxLayout(this);
  caja->setContentsMargins(0, 0, 0, 0);
  caja->setSpacing(0);
  Arriba = new QToolButton(this);
  Arriba->setArrowType(Qt::UpArrow);
  Abajo = new QToolButton(this);
  Abajo->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {Arriba, Abajo}) {
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    b->setCursor(Qt::PointingHandCursor);
    b->setAutoRepeat(true);
    caja->addWidget(b);
  }
  connect(Arriba, &QToolButton::clicked, this, &ArribaAbajo::Subir);
  connect(Abajo, &QToolButton::clicked, this, &ArribaAbajo::Bajar);
  campo_->setText(QString::number(posicion_));
}

void ArribaAbajo::Subir() { Mover(1); }
void ArribaAbajo::Bajar() { Mover(-1); }

void ArribaAbajo::Mover(int paso) {
  // A digit typed in the field is where the arrows start from.
  bool numero = false;
  const int escrito = campo_->text().trimmed().toInt(&numero);
  if (numero && escrito >= minimo_ && escrito <= maximo_) posicion_ = escrito;
  posicion_ = std::clamp(posicion_ + paso, minimo_, maximo_);
  campo_->setText(QString::number(posicion_));
}

}  // namespace sendaro
