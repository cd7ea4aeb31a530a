#include "ui/revelado.h"

#include <QRegion>
#include <QVariantAnimation>
#include <algorithm>

namespace sendaro {

Revelado::Revelado(QObject* padre, Efecto efecto, int milisegundos)
    : QObject(padre), efecto_(efecto), animacion_(new QVariantAnimation(this)) {
  animacion_->setDuration(milisegundos);
  animacion_->setStartValue(0.0);
  animacion_->setEndValue(1.0);
  animacion_->setEasingCurve(QEasingCurve::OutCubic);
  connect(animacion_, &QVariantAnimation::valueChanged, this,
          [this](const QVariant& v) { Cubrir(v.toDouble()); });
  connect(animacion_, &QVariantAnimation::finished, this, [this] {
    if (panel_) panel_->clearMask();
  });
}

void Revelado::Preparar(QWidget* panel) {
  if (animacion_->state() == QAbstractAnimation::Running) {
    animacion_->stop();
    if (panel_) panel_->clearMask();
  }
  panel_ = panel;
  Cubrir(0.0);
  panel->show();
  panel->raise();
}

void Revelado::Ejecutar() {
  if (!panel_) return;
  animacion_->stop();
  animacion_->start();
}

bool Revelado::EnCurso() const { return animacion_->state() == QAbstractAnimation::Running; }

void Revelado::Cubrir(double fraccion) {
  if (!panel_) return;
  const QRect r = panel_->rect();
  // A mask must not be empty (an empty one means no mask): keep one line.
  if (efecto_ == Efecto::kRollo) {
    panel_->setMask(QRegion(0, 0, r.width(), std::max(1, static_cast<int>(r.height() * fraccion))));
  } else {
    panel_->setMask(QRegion(0, 0, std::max(1, static_cast<int>(r.width() * fraccion)), r.height()));
  }
}

}  // namespace sendaro
