#include "data/texto.h"
#include "../dos/tabla.h"
