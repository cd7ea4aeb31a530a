#include "data/entorno.h"
