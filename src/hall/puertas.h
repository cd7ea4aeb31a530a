// The hall's doors: where each label sits, the code it stores and its texts.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sendaro {

// Catalogue text n.
using FuenteTextos = std::function<std::string_view(int)>;

struct PuertaVestibulo {
  std::string_view nombre;  // control name, e.g. "LabelCarreras"
  int codigo;               // PuertaSel; 0 for the stop-studying sign
  int x, y, ancho, alto;
  std::string texto;  // caption
  std::string pista;  // hint
};

// The ten doors and the stop-studying sign (LabelDejar, last), with their
// captions and hints built from the catalogue.
std::vector<PuertaVestibulo> PuertasVestibulo(const FuenteTextos& texto);

}  // namespace sendaro
