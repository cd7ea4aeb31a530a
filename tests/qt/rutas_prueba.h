// Where the build put what the screen tests run: the sample installation, the
// program and the data tool. Defined in one file so that the paths of one
// build tree do not reach every test's compile line.
#pragma once

namespace sendaro::prueba {
extern const char* const kRutaInstalacionMuestra;
extern const char* const kRutaEjecutable;
extern const char* const kRutaHerramientaDatos;
}  // namespace sendaro::prueba

#define SENDARO_INSTALACION (::sendaro::prueba::kRutaInstalacionMuestra)
#define SENDARO_EJECUTABLE (::sendaro::prueba::kRutaEjecutable)
#define SENDARO_DATOS_HERRAMIENTA (::sendaro::prueba::kRutaHerramientaDatos)
