#include "data/texto.h"
#include "app/qt/programa.h"
