// Centre settings: the INI file "centro.ini" in the program folder (or, for
// an installed program, in /etc/sendaro), edited once by the school's
// administrator.
//
//   [Centro]
//   NombreCentro=IES Ejemplo
//   ConAnimacion=1
//   CodigoIdioma=0
//   LetraTema=I
//
// The file is read as UTF-8 (a leading byte-order mark is skipped); a file
// that is not valid UTF-8 is taken as Windows-1252, so that both what a
// modern editor and what an old one writes work. The name is handed to the
// rest of the program in Windows-1252, like every other text.
//
// Keys are matched without regard to case; blanks around keys and values are
// ignored; a value may be put between double quotes; lines starting with ';'
// or '#' and section headers are ignored. All four keys are required.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "data/instalado.h"
#include "data/texto.h"

namespace sendaro {

struct AjustesCentro {
  static constexpr std::size_t kLongitudNombre = 50;

  std::string NombreCentro;  // Windows-1252, at most 50 bytes, no trailing blanks
  int ConAnimacion = 0;      // 0..255; 0 = static hall
  int CodigoIdioma = 0;      // 0 Spanish, 1 catVal, 2 galego, 3 euskera
  char LetraTema = 'I';      // I, F, C, N, A or P
};

inline constexpr std::string_view kFicheroAjustes = "centro.ini";

// Parses the file's bytes. Nothing when a key is missing or a value is out
// of range (ConAnimacion not 0..255, CodigoIdioma not 0..3, LetraTema not
// one of the six theme letters).
std::optional<AjustesCentro> AnalizarAjustesCentro(std::string_view contenido);

// Reads and parses a settings file; nothing when it is missing, unreadable
// or invalid.
std::optional<AjustesCentro> LeerFicheroAjustes(const std::filesystem::path& fichero);

// Reads and parses "centro.ini" in the folder.
std::optional<AjustesCentro> LeerAjustesCentro(const std::filesystem::path& carpeta);

// The settings file for the installation in `carpeta`: the system's one
// when `carpeta` is the installed folder and that file exists, otherwise
// "centro.ini" in `carpeta`. A build tree or a folder given with --datos keeps
// its own settings even on a machine where Sendaro is installed.
std::filesystem::path FicheroAjustes(const std::filesystem::path& carpeta,
                                     const RutasInstaladas& rutas);

// The settings the running program uses for the installation in `carpeta`:
// those of the system (/etc/sendaro/centro.ini) when `carpeta` is the
// installed one and that file exists, otherwise "centro.ini" in the folder.
std::optional<AjustesCentro> LeerAjustesInstalacion(const std::filesystem::path& carpeta);

}  // namespace sendaro
