#include "ui/mapa_teclado.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>
#include <cmath>
#include <map>

#include "ui/foco_teclado.h"

namespace sendaro {

MapaTeclado::MapaTeclado(QWidget* mapa, std::function<int(int, int)> regionEn,
                         const QString& nombre, const QLabel* rotulo)
    : QObject(mapa),
      mapa_(mapa),
      regionEn_(std::move(regionEn)),
      nombre_(nombre),
      rotulo_(rotulo) {
  mapa_->setFocusPolicy(Qt::TabFocus);
  TeclasPropias(*mapa_);
  mapa_->setAccessibleName(nombre_);
  mapa_->installEventFilter(this);
}

const std::vector<QPoint>& MapaTeclado::Puntos() {
  if (medido_) return puntos_;
  medido_ = true;
  // Every third pixel: the middle of each region's pixels, or the pixel of
  // the region nearest to it when the middle falls outside (a bay, an arc).
  struct Suma {
    double x = 0, y = 0;
    int n = 0;
    std::vector<QPoint> muestras;
  };
  std::map<int, Suma> regiones;
  constexpr int kPaso = 3;
  for (int y = 0; y < mapa_->height(); y += kPaso) {
    for (int x = 0; x < mapa_->width(); x += kPaso) {
      const int r = regionEn_(x, y);
      if (r <= 0) continue;
      Suma& s = regiones[r];
      s.x += x;
      s.y += y;
      ++s.n;
      s.muestras.emplace_back(x, y);
    }
  }
  for (const auto& [codigo, s] : regiones) {
    const QPointF centro(s.x / s.n, s.y / s.n);
    QPoint mejor = s.muestras.front();
    double distancia = 1e18;
    for (const QPoint& m : s.muestras) {
      const double d = std::hypot(m.x() - centro.x(), m.y() - centro.y());
      if (d < distancia) {
        distancia = d;
        mejor = m;
      }
    }
    puntos_.push_back(mejor);
  }
  return puntos_;
}

void MapaTeclado::Mover(QPoint p) {
  const QPointF global = mapa_->mapToGlobal(QPointF(p));
  QMouseEvent mover(QEvent::MouseMove, QPointF(p), global, Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(mapa_, &mover);
}

void MapaTeclado::Pulsar(QPoint p) {
  const QPointF global = mapa_->mapToGlobal(QPointF(p));
  Mover(p);
  QMouseEvent pulsar(QEvent::MouseButtonPress, QPointF(p), global, Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
  QCoreApplication::sendEvent(mapa_, &pulsar);
  QMouseEvent soltar(QEvent::MouseButtonRelease, QPointF(p), global, Qt::LeftButton, Qt::NoButton,
                     Qt::NoModifier);
  QCoreApplication::sendEvent(mapa_, &soltar);
}

void MapaTeclado::Ir(int indice) {
  const auto& puntos = Puntos();
  if (puntos.empty()) return;
  const int n = static_cast<int>(puntos.size());
  actual_ = ((indice % n) + n) % n;
  Mover(puntos[static_cast<std::size_t>(actual_)]);
  // The map is announced with the region on view, the name the pointer
  // shows beside it.
  const QString region = rotulo_ != nullptr ? rotulo_->text().simplified() : QString();
  mapa_->setAccessibleName(region.isEmpty() ? nombre_ : nombre_ + QStringLiteral(": ") + region);
}

bool MapaTeclado::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto != mapa_) return false;
  if (evento->type() == QEvent::FocusOut) {
    mapa_->setAccessibleName(nombre_);
    return false;
  }
  if (evento->type() != QEvent::KeyPress) return false;
  const auto* k = static_cast<QKeyEvent*>(evento);
  if ((k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  switch (k->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
      Ir(actual_ + 1);
      return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
      Ir(actual_ < 0 ? -1 : actual_ - 1);
      return true;
    case Qt::Key_Home:
      Ir(0);
      return true;
    case Qt::Key_End:
      Ir(-1);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (actual_ >= 0 && !k->isAutoRepeat()) {
        Pulsar(Puntos()[static_cast<std::size_t>(actual_)]);
      }
      return true;
    default:
      return false;
  }
}

}  // namespace sendaro
