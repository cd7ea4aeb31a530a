// The professions questionnaire screen.
#pragma once

#include "app/qt/pantalla_provisional.h"

namespace sendaro {

class Tprofe : public PantallaProvisional {
  Q_OBJECT

 public:
  Tprofe(Servicios& servicios, QWidget* padre = nullptr);
};

}  // namespace sendaro
