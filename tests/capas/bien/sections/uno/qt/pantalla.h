#include <QWidget>
#include "ui/servicios.h"
#include "sections/uno/reglas.h"
#include <sections/uno/qt/otra.h>
#include "../reglas.h"
