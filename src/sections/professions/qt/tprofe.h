// The professions questionnaire screen.
#pragma once

#include "ui/navegacion.h"
#include "ui/pantalla_provisional.h"

namespace sendaro {

class Tprofe : public PantallaProvisional {
  Q_OBJECT

 public:
  Tprofe(Servicios& servicios, QWidget* padre = nullptr);
  void Entrar(entrada::Profesiones accion);
};

}  // namespace sendaro
