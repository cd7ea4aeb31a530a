// The study assistant, shown modally over the hall.
#pragma once

#include <QDialog>

namespace sendaro {

struct Servicios;
class PantallaProvisional;

class TForm5 : public QDialog {
  Q_OBJECT

 public:
  TForm5(Servicios& servicios, QWidget* padre);

  PantallaProvisional* Pagina;
};

}  // namespace sendaro
