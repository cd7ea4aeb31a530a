#include "ui/salida.h"

#include <QCoreApplication>

#include "ui/pantalla_modos.h"
#include "ui/servicios.h"
#include "ui/tform4.h"
#include "ui/ventana_principal.h"

namespace sendaro {

bool SalidaConfirmada(Servicios& s) {
  if (s.terminado) return true;
  TForm4* dialogo = s.Dialogo();
  if (dialogo == nullptr || !dialogo->Preguntar(s.Texto(49))) return false;

  if (QWidget* vestibulo = s.navegacion.Creada(Seccion::kVestibulo)) s.ventana.Mostrar(vestibulo);
  if (s.estado.ModoPantallaCambiado) {
    s.pantalla.Restaurar(s.estado.ModoAnterior);
    s.estado.ModoPantallaCambiado = false;
  }
  s.estado.FalloGrave() = true;
  s.terminado = true;
  QCoreApplication::exit(0);
  return true;
}

}  // namespace sendaro
