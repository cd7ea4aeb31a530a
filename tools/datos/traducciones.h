// The language folders of an installation against the Spanish files: a
// translated file keeps the Spanish file's lines, blank lines, blocks and
// code columns, stays within the file's width and leaves no Spanish sentence
// behind. A file that is still a byte-for-byte copy of the Spanish one is not
// translated yet: that is a note, not a fault.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fuentes.h"

namespace sendaro::datos {

// Columns (1-based) that hold codes: the same bytes in every language.
struct TramoCodigo {
  int columna;
  int ancho;
};

// The code columns of line `i` (0-based) of a language-dependent file, given
// the Spanish file's lines (Windows-1252, without line ends).
std::vector<TramoCodigo> ColumnasCodigo(std::string_view fichero,
                                        const std::vector<std::string>& espanol, std::size_t i);

// Spanish words that give a sentence away in a language's file: a text left
// as in Spanish that has one of them (in lower case) has not been
// translated. `idioma` is the language subfolder. Words that language
// shares with Spanish are not in its list.
bool PalabraDelatora(std::string_view idioma, std::string_view palabra_cp1252);

// Proper names a language's translation keeps as in Spanish ("<idioma>/nombres",
// compiled from instalacion/datos/<idioma>/nombres.txt): a text identical to
// the Spanish one that is made of these names and words that do not give a
// sentence away is a proper name, not an untranslated sentence.
inline constexpr std::string_view kNombresPropios = "nombres";

// True when a text left as in Spanish is an untranslated sentence rather
// than proper names. `nombres` holds the language's names (Windows-1252).
bool FraseSinTraducir(std::string_view idioma, std::string_view texto,
                      const std::vector<std::string>& nombres);

// Checks every language folder of the installation against the Spanish
// files. Notes (files still copied, identical lines per file) go to `avisos`.
std::vector<Problema> ComprobarTraducciones(const std::filesystem::path& carpeta,
                                            std::vector<std::string>& avisos);

}  // namespace sendaro::datos
