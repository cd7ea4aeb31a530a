#include "sections/professions/qt/tprofe.h"

#include "ui/servicios.h"

namespace sendaro {

Tprofe::Tprofe(Servicios& servicios, QWidget* padre)
    : PantallaProvisional(servicios, QStringLiteral("Tprofe"), padre) {}

void Tprofe::Entrar(entrada::Profesiones /*accion*/) {}

}  // namespace sendaro
