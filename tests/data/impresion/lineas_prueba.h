// Report lines for the printout tests: every length up to the buffer's width,
// each ending with a number of its own as a mark or a phone ends a line.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace sendaro::prueba {

// A report line of exactly `largo` characters that ends with a number of its
// own, as a mark or a phone ends a line.
inline std::string LineaDeLargo(int k, int largo) {
  static const std::string frase =
      "Investigaci\xF3n en universidades y centros p\xFA"
      "blicos. Bachillerato y prueba de "
      "acceso a la universidad (PAU) Nota de corte ";
  std::string linea;
  while (static_cast<int>(linea.size()) < largo) {
    linea += frase.substr(static_cast<std::size_t>(k) % 40);
  }
  linea.resize(static_cast<std::size_t>(largo));
  const std::string marca = " 9," + std::to_string(k);
  if (linea.size() > marca.size()) linea.replace(linea.size() - marca.size(), marca.size(), marca);
  if (!linea.empty() && linea.back() == ' ') linea.back() = 'x';
  return linea;
}

// The words of a text: what lies between blanks.
inline std::vector<std::string> Palabras(std::string_view texto) {
  std::vector<std::string> palabras;
  std::size_t i = 0;
  while (i < texto.size()) {
    const std::size_t fin = std::min(texto.find(' ', i), texto.size());
    if (fin > i) palabras.emplace_back(texto.substr(i, fin - i));
    i = fin + 1;
  }
  return palabras;
}

// The words of several lines, in order.
inline std::vector<std::string> Palabras(const std::vector<std::string>& lineas) {
  std::vector<std::string> palabras;
  for (const std::string& l : lineas) {
    for (std::string& p : Palabras(std::string_view(l))) palabras.push_back(std::move(p));
  }
  return palabras;
}

// The longest of the lines, in bytes.
inline std::size_t LargoMayor(const std::vector<std::string>& lineas) {
  std::size_t mayor = 0;
  for (const std::string& l : lineas) mayor = std::max(mayor, l.size());
  return mayor;
}

}  // namespace sendaro::prueba
