// The program's command line: `sendaro [--datos DIR] [TEMA [S|N [IDIOMA]]]`,
// and `sendaro --help` or `--version`.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sendaro {

// What the command line asks for, split into the data folder option and the
// positional parameters.
struct LineaOrdenes {
  std::optional<std::string> datos;  // --datos DIR or --datos=DIR
  std::vector<std::string> posicionales;
  std::string error;     // not empty when the line cannot be understood
  bool ayuda = false;    // -h or --help: print the help and end
  bool version = false;  // -V or --version: print the version and end
};

LineaOrdenes AnalizarLineaOrdenes(const std::vector<std::string>& argumentos);

inline constexpr std::string_view kUso = "Uso: sendaro [--datos CARPETA] [TEMA [S|N [IDIOMA]]]";

// What `sendaro --help` prints: the usage, every parameter, and the folder
// and settings file used without --datos.
std::string TextoAyuda(const std::filesystem::path& datos, const std::filesystem::path& ajustes);

// The three choices the positional parameters can override: the theme letter,
// the animation switch and the language subfolder ("", "catVal", "galego" or
// "euskera").
struct Preferencias {
  char LetraTema = 'I';
  bool ConAnimacion = false;
  std::string subcarpeta;
};

// Applies the positional parameters to the preferences read from the centre
// settings. They are read only when the first one is present and not empty:
//  1: first character I, F, C, N, A or P (case-sensitive) replaces the theme;
//  2: "S" turns the animation on, "N" off, anything else keeps it;
//  3: a whole number: 1/2/3 choose catVal/galego/euskera, below 1 no
//     subfolder, 4 or more keep the settings' subfolder. Missing or not a
//     whole number: the settings' language stays.
Preferencias AplicarLineaOrdenes(Preferencias preferencias,
                                 const std::vector<std::string>& posicionales);

// Parses a whole number: optional sign, then decimal digits only. Values
// beyond the range of int saturate.
std::optional<int> NumeroEntero(const std::string& texto);

// Subfolder of a language code 1..3; empty for any other code.
std::string SubcarpetaIdioma(int codigo);

}  // namespace sendaro
