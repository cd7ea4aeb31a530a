// A language's glossary of subjects (instalacion/datos/<language>/glosario.txt):
// "Spanish text = translated text" per line, UTF-8, "#|" comments. The subject
// lists of a translation are written by people block by block; the glossary
// keeps them consistent and translates by itself what is left in Spanish:
//  - a line of a translated block source that is still a known Spanish
//    subject becomes its translation (leading blanks and a "- " bullet kept);
//  - blocks the Spanish file has beyond the end of the translation are taken
//    from Spanish and translated the same way;
//  - a block worded line for line like its Spanish block that translates a
//    known subject otherwise is a fault.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuentes.h"

namespace sendaro::datos {

inline constexpr std::string_view kGlosario = "glosario";

struct Glosario {
  std::map<std::string, std::string, std::less<>> entradas;  // UTF-8, without bullet
  std::map<std::string, int, std::less<>> origen;             // source line of each entry
  std::vector<Problema> problemas;
};

// A subject list line without its indentation and "- " bullet: the text the
// glossary and the untranslated-line check compare.
std::string_view TextoSinVineta(std::string_view linea);

Glosario LeerGlosario(std::string_view contenido, const std::string& nombre);

// The translation of one line when its text (after leading blanks and a
// "- " bullet) is a glossary entry; the blanks and bullet are kept.
std::optional<std::string> TraducirLinea(const Glosario& glosario, std::string_view linea);

// Applies the glossary to the lines of a translated block source (as made by
// LineasDeBloques) against the Spanish one. Blocks are `tamano` lines long.
// Inconsistent translations are reported against `fuente`.
void AplicarGlosario(const Glosario& glosario, const LineasFichero& espanol, int tamano,
                     const std::string& fuente, LineasFichero& traducido);

}  // namespace sendaro::datos
