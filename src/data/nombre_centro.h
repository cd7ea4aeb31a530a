// The centre's name in the title bar of the section screens.
#pragma once

#include <string_view>

namespace sendaro {

// LabelAno2's font size for the centre's name (trailing blanks not counted):
// above 45 characters 16, 36..45 18, 26..35 20, up to 25 22.
int TamanoNombreCentro(std::string_view nombre);

}  // namespace sendaro
