#include <QWidget>
#include <sections/uno/reglas.h>
#include <sections/dos/tabla.h>
