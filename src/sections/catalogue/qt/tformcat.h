// The titles catalogue screen.
#pragma once

#include "ui/navegacion.h"
#include "ui/pantalla_provisional.h"

namespace sendaro {

class TFormCat : public PantallaProvisional {
  Q_OBJECT

 public:
  TFormCat(Servicios& servicios, QWidget* padre = nullptr);
  // Start-up: a missing file shows the reader's message and stops start-up.
  static void Preparar(Servicios& servicios);
  void Entrar(entrada::Catalogo accion);
};

}  // namespace sendaro
