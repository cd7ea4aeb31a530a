// The splash shown while the screens are created.
#pragma once

#include <QElapsedTimer>
#include <QFrame>
#include <QImage>

class QLabel;
class QProgressBar;

namespace sendaro {

class Dialogos;

class TBienvenida : public QFrame {
  Q_OBJECT

 public:
  // `chica` is the picture "chica.bmp" already read with the shared data (null
  // when it is missing: the splash then says so and goes on without it).
  TBienvenida(const QImage& chica, Dialogos& dialogos);

  void FijarProgreso(int valor);

  QLabel* Image1;
  QLabel* Label1;
  QProgressBar* ProgressBar1;

 private:
  static constexpr qint64 kMsPorCuadro = 16;
  QElapsedTimer pintado_;  // since the bar was last painted
};

}  // namespace sendaro
