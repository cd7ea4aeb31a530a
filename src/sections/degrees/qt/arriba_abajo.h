// Spin buttons tied to a one-digit field: the arrows step a position between
// a minimum and a maximum and write it into the field.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace sendaro {

class ArribaAbajo : public QWidget {
  Q_OBJECT

 public:
  ArribaAbajo(QWidget* padre, QLineEdit* campo, int minimo, int maximo, int posicion);

  int Posicion() const { return posicion_; }
  void Subir();
  void Bajar();

  QToolButton* Arriba;
  QToolButton* Abajo;

 private:
  void Mover(int paso);

  QLineEdit* campo_;
  int minimo_;
  int maximo_;
  int posicion_;
};

}  // namespace sendaro
