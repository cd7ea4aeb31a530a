#include "data/impresion/lineas_enteras.h"

#include <algorithm>

#include "data/texto.h"

namespace sendaro {

std::vector<std::string> LineasEnteras(std::string_view texto, int ancho) {
  const auto limite = static_cast<std::size_t>(std::max(ancho, 1));
  if (texto.size() <= limite) return {std::string(texto)};
  const std::string entero = RecortarDerecha(texto);
  if (entero.size() <= limite) return {entero};
  // An indent that leaves less than half a line is dropped.
  const std::size_t propia = entero.find_first_not_of(' ');
  const std::size_t sangria = propia > limite / 2 ? 0 : propia;
  std::size_t siguiente = sangria + kSangriaContinuacion;
  if (siguiente > limite / 2) siguiente = 0;
  std::vector<std::string> lineas;
  std::string_view resto(entero);
  resto.remove_prefix(propia);
  std::string inicio(sangria, ' ');
  while (!resto.empty()) {
    const std::size_t cabe = limite - inicio.size();
    if (resto.size() <= cabe) {
      lineas.push_back(inicio + std::string(resto));
      break;
    }
    // The last blank that fits ends the line (a blank right after the part
    // that fits counts); a word wider than the room is split.
    std::size_t corte = resto.substr(0, cabe + 1).rfind(' ');
    if (corte == std::string_view::npos || corte == 0) corte = cabe;
    lineas.push_back(RecortarDerecha(inicio + std::string(resto.substr(0, corte))));
    resto.remove_prefix(corte);
    resto.remove_prefix(std::min(resto.find_first_not_of(' '), resto.size()));
    inicio.assign(siguiente, ' ');
  }
  return lineas;
}

std::vector<std::string> LineasConCampo(std::string_view texto, std::string_view campo, int columna,
                                        int blancos, int ancho) {
  const std::string valor = RecortarDerecha(campo);
  if (valor.empty()) return LineasEnteras(RecortarDerecha(texto), ancho);
  const int separacion = std::max(blancos, 1);
  const int sitio = ancho - static_cast<int>(valor.size()) - separacion;
  std::vector<std::string> lineas = LineasEnteras(RecortarDerecha(texto), sitio);
  std::string& ultima = lineas.back();
  const std::size_t inicio =
      std::max(ultima.size() + static_cast<std::size_t>(separacion),
               static_cast<std::size_t>(std::clamp(columna - 1, 0, sitio + separacion)));
  ultima.resize(inicio, ' ');
  ultima += valor;
  return lineas;
}

}  // namespace sendaro
