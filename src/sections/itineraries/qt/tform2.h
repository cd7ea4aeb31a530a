// The itineraries and study questionnaires screen.
#pragma once

#include "app/qt/pantalla_provisional.h"

namespace sendaro {

class TForm2 : public PantallaProvisional {
  Q_OBJECT

 public:
  TForm2(Servicios& servicios, QWidget* padre = nullptr);
};

}  // namespace sendaro
