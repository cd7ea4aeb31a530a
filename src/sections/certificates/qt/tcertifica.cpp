#include "sections/certificates/qt/tcertifica.h"

#include "data/tablas_datos.h"
#include "ui/servicios.h"

namespace sendaro {

TCertifica::TCertifica(Servicios& servicios, QWidget* padre)
    : PantallaProvisional(servicios, QStringLiteral("TCertifica"), padre) {}

void TCertifica::Preparar(Servicios& servicios) {
  CargarTablasCertificados(servicios.estado.entorno, servicios.tablas);
}

void TCertifica::Entrar(entrada::Certificados /*accion*/) {}

}  // namespace sendaro
