// The degrees and higher vocational titles screen.
#pragma once

#include "app/qt/pantalla_provisional.h"

namespace sendaro {

class TForm1 : public PantallaProvisional {
  Q_OBJECT

 public:
  TForm1(Servicios& servicios, QWidget* padre = nullptr);
};

}  // namespace sendaro
