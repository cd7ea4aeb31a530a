#include "qt/rutas_prueba.h"

namespace sendaro::prueba {
const char* const kRutaInstalacionMuestra = SENDARO_RUTA_INSTALACION;
const char* const kRutaEjecutable = SENDARO_RUTA_EJECUTABLE;
const char* const kRutaHerramientaDatos = SENDARO_RUTA_HERRAMIENTA;
}  // namespace sendaro::prueba
