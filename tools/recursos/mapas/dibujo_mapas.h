// The three map pictures, painted from their region grids.
#pragma once

#include <QImage>

#include "../mapas.h"

namespace sendaro::recursos {

QImage MapaComunidades(const Rejilla& r);
QImage MapaComarcas(const Rejilla& r);
QImage MapaZonas(const Rejilla& r);

}  // namespace sendaro::recursos
