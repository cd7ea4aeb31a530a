// The titles catalogue screen.
#pragma once

#include "app/qt/pantalla_provisional.h"

namespace sendaro {

class TFormCat : public PantallaProvisional {
  Q_OBJECT

 public:
  TFormCat(Servicios& servicios, QWidget* padre = nullptr);
};

}  // namespace sendaro
