// The catalogue texts of the results' explanations, in plain ASCII, for
// tests whose catalogue is otherwise "T<n>" or empty.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace sendaro::prueba {

// Writes texts 730-749 into catalogue lines (lineas[0] is text 1), growing
// the list when it is shorter.
inline void PonerTextosExplicacion(std::vector<std::string>& lineas) {
  const std::vector<std::pair<int, const char*>> textos = {
      {730, "y"},
      {731, "Por que salen estos resultados"},
      {732, "marcaste %1 de sus %2 cualidades (%3 puntos cada una)"},
      {733, "marcaste %1 de sus %2 intereses (%3 puntos cada uno)"},
      {734, "no marcaste ninguna de sus %1 cualidades"},
      {735, "no marcaste ninguno de sus %1 intereses"},
      {736, "media de %1 en cualidades y %2 en intereses"},
      {737, "%1 de %2 puntos posibles en %3 preguntas"},
      {738, "preguntas %1 contestadas <%2>: +%3"},
      {739, "pregunta %1 contestada <%2>: +%3"},
      {740, "ninguna respuesta le dio puntos"},
      {741, "por tu area de mejor nota, %1 (%2)"},
      {742, "por tu area preferida de la segunda parte, %1 (%2)"},
      {743, "la senalan estas frases de tu lista final:"},
      {744, "<%1>, la frase que elegiste: +%2"},
      {745, "sale de la frase que elegiste, <%1>"},
      {746, "%1: la proponen estas frases que elegiste:"},
      {747, "%1: lo proponen estas frases que elegiste:"},
      {748, "Por que sale este resultado"},
      {749, "<%1>: +%2"},
  };
  if (lineas.size() < 749) lineas.resize(749);
  for (const auto& [n, t] : textos) lineas[static_cast<std::size_t>(n - 1)] = t;
}

}  // namespace sendaro::prueba
