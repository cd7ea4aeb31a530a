// The splash shown while the screens are created.
#pragma once

#include <QFrame>
#include <filesystem>

class QLabel;
class QProgressBar;

namespace sendaro {

class Dialogos;

class TBienvenida : public QFrame {
  Q_OBJECT

 public:
  // Loads "chica.bmp"; when it is missing says so and goes on without it.
  TBienvenida(const std::filesystem::path& carpeta, Dialogos& dialogos);

  void FijarProgreso(int valor);

  QLabel* Image1;
  QLabel* Label1;
  QProgressBar* ProgressBar1;
};

}  // namespace sendaro
