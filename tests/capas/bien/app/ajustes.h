#include "data/tabla.h"
#include "app/linea_ordenes.h"
