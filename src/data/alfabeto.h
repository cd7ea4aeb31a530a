// Alphabetical order of names written in Windows-1252, as the four languages
// of the program sort them.
#pragma once

#include <string_view>

namespace sendaro {

// Negative, zero or positive as `a` sorts before, with or after `b`.
//  - First the letters alone: case and accents do not count (á = a, Ü = u),
//    "ç" is a letter of its own after "c" and "ñ" after "n", and the middle
//    dot of the Catalan "l·l" is not counted (it sorts as "ll"). Signs that
//    are not letters keep their byte order and come before the letters,
//    except "{", "|", "}" and "~", which come after them (the second group of
//    the family lists starts with "|").
//  - Between names equal so far, an unaccented letter comes before an
//    accented one, then lower case before upper case, then the bytes decide.
int CompararAlfabetico(std::string_view a, std::string_view b);

inline bool MenorAlfabetico(std::string_view a, std::string_view b) {
  return CompararAlfabetico(a, b) < 0;
}

}  // namespace sendaro
