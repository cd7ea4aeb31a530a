#include "hall/qt/tform0.h"
#include "sections/uno/qt/pantalla.h"
