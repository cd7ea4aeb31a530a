#include "hall/qt/tform0.h"
#include "sections/uno/qt/pantalla.h"
#include "app/ajustes.h"
#include <ui/servicios.h>
