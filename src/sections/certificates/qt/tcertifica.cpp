#include "sections/certificates/qt/tcertifica.h"

#include "app/qt/servicios.h"
#include "data/tablas_datos.h"

namespace sendaro {

TCertifica::TCertifica(Servicios& servicios, QWidget* padre)
    : PantallaProvisional(servicios, QStringLiteral("TCertifica"), padre) {
  // A missing file shows the reader's message and stops start-up at the next check.
  CargarTablasCertificados(servicios.estado.entorno, servicios.tablas);
}

}  // namespace sendaro
