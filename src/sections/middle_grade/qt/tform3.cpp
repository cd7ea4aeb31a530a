#include "sections/middle_grade/qt/tform3.h"

#include <QTimer>

#include "ui/servicios.h"

namespace sendaro {

TForm3::TForm3(Servicios& servicios, QWidget* padre)
    : PantallaProvisional(servicios, QStringLiteral("TForm3"), padre) {}

void TForm3::Entrar(entrada::GradoMedio accion) {
  if (accion != entrada::GradoMedio::kDesdeVestibulo) return;
  EstadoPrograma& e = servicios_.estado;
  PrimeraFilaVisible = 0;
  auto* heli = findChild<QTimer*>(QStringLiteral("heli"));
  if (e.PrimeraVisita) {
    e.ModoCuestionario = false;
    if (heli != nullptr) heli->start();
    AyudaPendiente = true;
  } else if (heli != nullptr) {
    heli->stop();
  }
}

}  // namespace sendaro
