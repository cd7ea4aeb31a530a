#include "data/texto.h"
#include "ui/texto_qt.h"
