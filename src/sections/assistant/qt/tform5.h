// The study assistant, shown modally over the hall.
#pragma once

#include <QDialog>

#include "ui/navegacion.h"

namespace sendaro {

struct Servicios;
class PantallaProvisional;

class TForm5 : public QDialog {
  Q_OBJECT

 public:
  TForm5(Servicios& servicios, QWidget* padre);
  void Entrar(entrada::Asistente accion);

  PantallaProvisional* Pagina;
};

}  // namespace sendaro
