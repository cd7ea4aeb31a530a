// A map picked by keyboard: the arrow keys go from region to region (in the
// order of their codes), each one shown as the pointer over it would show it
// (its name beside it), and Enter or Space click it. The map is a stop of the
// Tab order and is announced by its name and the region on view.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QWidget;

namespace sendaro {

class MapaTeclado : public QObject {
  Q_OBJECT

 public:
  // `regionEn` gives the region at a point of the map (0 or less: none);
  // `nombre` is the map's name for screen readers; `rotulo`, the label in
  // which the screen names the region under the pointer.
  MapaTeclado(QWidget* mapa, std::function<int(int x, int y)> regionEn, const QString& nombre,
              const QLabel* rotulo);

  // One point inside each region, in the order of their codes.
  const std::vector<QPoint>& Puntos();
  // The region the keys are on (-1 before the first key).
  int Actual() const { return actual_; }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void Ir(int indice);
  void Mover(QPoint p);
  void Pulsar(QPoint p);

  QWidget* mapa_;
  std::function<int(int, int)> regionEn_;
  QString nombre_;
  const QLabel* rotulo_;
  std::vector<QPoint> puntos_;
  bool medido_ = false;
  int actual_ = -1;
};

}  // namespace sendaro
