// The professional certificates screen.
#pragma once

#include "ui/navegacion.h"
#include "ui/pantalla_provisional.h"

namespace sendaro {

class TCertifica : public PantallaProvisional {
  Q_OBJECT

 public:
  TCertifica(Servicios& servicios, QWidget* padre = nullptr);
  // Start-up: a missing file shows the reader's message and stops start-up.
  static void Preparar(Servicios& servicios);
  void Entrar(entrada::Certificados accion);
};

}  // namespace sendaro
