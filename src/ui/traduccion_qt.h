// The toolkit's own texts (the labels of the save and print dialogs, its
// message boxes) in the program's language: the system's translation of the
// toolkit for Spanish, Catalan and Galician, and the program's own for
// Basque, which the toolkit does not ship.
#pragma once

#include <QString>
#include <string_view>

namespace sendaro {

// The toolkit's language code of a language subfolder: "" Spanish "es",
// "catVal" "ca", "galego" "gl", "euskera" "eu".
QString IdiomaQt(std::string_view subcarpeta);

// Installs on the application the toolkit's translation into the language
// of the subfolder, in place of the one installed before. False when none is
// found (the toolkit then speaks English).
bool InstalarTraduccionQt(std::string_view subcarpeta);

// Takes the installed translation off: the toolkit speaks English again.
void QuitarTraduccionQt();

}  // namespace sendaro
