// Panel reveals: the roll uncovers a panel from the top down, the wipe from
// left to right. Only the order matters to the screens: show the panel, fill
// it, then play the reveal.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QVariantAnimation;

namespace sendaro {

class Revelado : public QObject {
  Q_OBJECT

 public:
  enum class Efecto { kRollo, kCortina };

  Revelado(QObject* padre, Efecto efecto, int milisegundos = 220);

  // Shows the panel covered, ready for the reveal.
  void Preparar(QWidget* panel);
  // Uncovers the prepared panel; ends with the panel whole.
  void Ejecutar();
  bool EnCurso() const;

 private:
  void Cubrir(double fraccion);

  Efecto efecto_;
  QPointer<QWidget> panel_;
  QVariantAnimation* animacion_;
};

}  // namespace sendaro
