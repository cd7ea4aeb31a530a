#include "data/estado.h"
#include "data/../sections/uno/qt/pantalla.h"
