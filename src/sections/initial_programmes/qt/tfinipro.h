// The initial vocational programmes screen.
#pragma once

#include "app/qt/pantalla_provisional.h"

namespace sendaro {

class TFIniPro : public PantallaProvisional {
  Q_OBJECT

 public:
  TFIniPro(Servicios& servicios, QWidget* padre = nullptr);
};

}  // namespace sendaro
