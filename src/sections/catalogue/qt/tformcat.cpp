#include "sections/catalogue/qt/tformcat.h"

#include "data/tablas_datos.h"
#include "ui/servicios.h"

namespace sendaro {

TFormCat::TFormCat(Servicios& servicios, QWidget* padre)
    : PantallaProvisional(servicios, QStringLiteral("TFormCat"), padre) {}

void TFormCat::Preparar(Servicios& servicios) {
  CargarTablasCatalogo(servicios.estado.entorno, servicios.tablas);
}

void TFormCat::Entrar(entrada::Catalogo /*accion*/) {}

}  // namespace sendaro
