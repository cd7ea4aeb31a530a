#include <vector>
#include "data/tabla.h"
