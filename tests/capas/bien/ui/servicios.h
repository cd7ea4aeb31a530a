#include "data/tabla.h"
#include "data/qt/impresora_qt.h"
