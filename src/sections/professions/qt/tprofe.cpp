#include "sections/professions/qt/tprofe.h"

#include "app/qt/servicios.h"

namespace sendaro {

Tprofe::Tprofe(Servicios& servicios, QWidget* padre)
    : PantallaProvisional(servicios, QStringLiteral("Tprofe"), padre) {}

}  // namespace sendaro
