#include "sections/middle_grade/qt/tform3.h"

#include "app/qt/servicios.h"

namespace sendaro {

TForm3::TForm3(Servicios& servicios, QWidget* padre)
    : PantallaProvisional(servicios, QStringLiteral("TForm3"), padre) {}

}  // namespace sendaro
