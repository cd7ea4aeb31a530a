// The initial vocational programmes screen.
#pragma once

#include "ui/navegacion.h"
#include "ui/pantalla_provisional.h"

namespace sendaro {

class TFIniPro : public PantallaProvisional {
  Q_OBJECT

 public:
  TFIniPro(Servicios& servicios, QWidget* padre = nullptr);
  // Start-up: a missing file shows the reader's message and stops start-up.
  static void Preparar(Servicios& servicios);
  void Entrar(entrada::ProgramasIniciales accion);
};

}  // namespace sendaro
