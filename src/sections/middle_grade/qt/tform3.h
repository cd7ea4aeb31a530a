// The middle-grade vocational titles screen.
#pragma once

#include "app/qt/pantalla_provisional.h"

namespace sendaro {

class TForm3 : public PantallaProvisional {
  Q_OBJECT

 public:
  TForm3(Servicios& servicios, QWidget* padre = nullptr);
};

}  // namespace sendaro
