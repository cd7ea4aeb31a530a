#include "sections/itineraries/qt/tform2.h"

#include "app/qt/servicios.h"
#include "data/tablas_datos.h"

namespace sendaro {

TForm2::TForm2(Servicios& servicios, QWidget* padre)
    : PantallaProvisional(servicios, QStringLiteral("TForm2"), padre) {
  // A missing file shows the reader's message and stops start-up at the next check.
  CargarTablasItinerarios(servicios.estado.entorno, servicios.tablas);
}

}  // namespace sendaro
