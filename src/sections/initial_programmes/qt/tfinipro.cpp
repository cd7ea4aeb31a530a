#include "sections/initial_programmes/qt/tfinipro.h"

#include "app/qt/servicios.h"
#include "data/tablas_datos.h"

namespace sendaro {

TFIniPro::TFIniPro(Servicios& servicios, QWidget* padre)
    : PantallaProvisional(servicios, QStringLiteral("TFIniPro"), padre) {
  // A missing file shows the reader's message and stops start-up at the next check.
  CargarTablasIniciales(servicios.estado.entorno, servicios.tablas);
}

}  // namespace sendaro
