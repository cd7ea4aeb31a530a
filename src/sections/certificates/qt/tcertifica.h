// The professional certificates screen.
#pragma once

#include "app/qt/pantalla_provisional.h"

namespace sendaro {

class TCertifica : public PantallaProvisional {
  Q_OBJECT

 public:
  TCertifica(Servicios& servicios, QWidget* padre = nullptr);
};

}  // namespace sendaro
