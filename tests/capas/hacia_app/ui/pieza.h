#include "data/estado.h"
#include <app/linea_ordenes.h>
