#include "ui/servicios.h"
#include "sections/dos/tabla.h"
