#include "app/qt/salida.h"

#include <QCoreApplication>

#include "app/qt/pantalla_modos.h"
#include "app/qt/servicios.h"
#include "app/qt/ventana_principal.h"
#include "hall/qt/tform0.h"
#include "sections/catalogue/qt/tform4.h"

namespace sendaro {

bool SalidaConfirmada(Servicios& s) {
  if (s.terminado) return true;
  TForm4* dialogo = s.pantallas.Dialogo;
  if (dialogo == nullptr || !dialogo->Preguntar(s.Texto(49))) return false;

  if (s.pantallas.Vestibulo != nullptr) s.ventana.Mostrar(s.pantallas.Vestibulo);
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
