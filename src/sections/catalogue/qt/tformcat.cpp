#include "sections/catalogue/qt/tformcat.h"

#include "app/qt/servicios.h"
#include "data/tablas_datos.h"

namespace sendaro {

TFormCat::TFormCat(Servicios& servicios, QWidget* padre)
    : PantallaProvisional(servicios, QStringLiteral("TFormCat"), padre) {
  // A missing file shows the reader's message and stops start-up at the next check.
  CargarTablasCatalogo(servicios.estado.entorno, servicios.tablas);
}

}  // namespace sendaro
