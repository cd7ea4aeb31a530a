// The middle-grade vocational titles screen.
#pragma once

#include "ui/navegacion.h"
#include "ui/pantalla_provisional.h"

namespace sendaro {

class TForm3 : public PantallaProvisional {
  Q_OBJECT

 public:
  TForm3(Servicios& servicios, QWidget* padre = nullptr);
  void Entrar(entrada::GradoMedio accion);

  int PrimeraFilaVisible = 0;   // first row on view of the titles list
  bool AyudaPendiente = false;  // the help bubble is due when the screen opens
};

}  // namespace sendaro
