// The two commands of sendaro-datos.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "fuentes.h"

namespace sendaro::datos {

struct OpcionesCompilar {
  std::filesystem::path fuentes;   // instalacion/
  std::filesystem::path destino;   // the installation's program folder
  std::filesystem::path recursos;  // generated pictures and sounds (may be empty)
};

// Writes the installation. Problems are faults in the sources; `avisos` are
// notes that do not stop the build (a language without its catalogue yet).
std::vector<Problema> Compilar(const OpcionesCompilar& opciones, std::vector<std::string>& avisos);

// Checks an installation; one problem per fault found. `comprobados` receives
// the number of files looked at; `avisos`, when given, the notes on the
// language folders (files not translated yet, lines left as in Spanish).
std::vector<Problema> Comprobar(const std::filesystem::path& carpeta, int& comprobados,
                                std::vector<std::string>* avisos = nullptr);

// The links between files: every number of the degree and vocational record
// files in range and pointing at the right kind of line, and the number
// columns of "LUGAR", "COMUINT" and "dobles". Record files of the wrong size
// are left to Comprobar's own size check.
std::vector<Problema> ComprobarReferencias(const std::filesystem::path& carpeta);

}  // namespace sendaro::datos
