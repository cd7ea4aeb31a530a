#include "ui/servicios.h"
#include "hall/reglas.h"
#include "pieza.h"
