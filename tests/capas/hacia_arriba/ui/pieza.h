#include "data/estado.h"
#include "hall/qt/tform0.h"
