#include "sections/degrees/qt/tform1.h"

#include "app/qt/servicios.h"
#include "data/tablas_datos.h"

namespace sendaro {

TForm1::TForm1(Servicios& servicios, QWidget* padre)
    : PantallaProvisional(servicios, QStringLiteral("TForm1"), padre) {
  // A missing file shows the reader's message and stops start-up at the next check.
  CargarTablasGrados(servicios.estado.entorno, servicios.tablas);
}

}  // namespace sendaro
