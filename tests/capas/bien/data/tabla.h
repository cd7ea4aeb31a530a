#include <string>
#include "data/texto.h"
