// A section screen that is not built yet: a full-size page with the floor
// tile, the side strips, its caption and a back button to the hall.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace sendaro {

struct Servicios;
class Mosaico;

class PantallaProvisional : public QWidget {
  Q_OBJECT

 public:
  PantallaProvisional(Servicios& servicios, const QString& nombre, QWidget* padre = nullptr);

  Mosaico* Fondo;
  Mosaico* TilIzq;
  Mosaico* TilDer;
  QLabel* LabelTitulo;
  QPushButton* BotRetroceder;

 protected:
  // Leaves the screen (Navegacion::Salir).
  virtual void BotRetrocederClick();
  // Shows or hides the named control when the screen has one.
  void MostrarSiHay(const char* nombre, bool visible);

  Servicios& servicios_;
};

}  // namespace sendaro
