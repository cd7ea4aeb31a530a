// Fitting printed text into the room the page leaves it. A report's font
// shrinks as a whole until its widest line fits the column and a row of text
// fits the row height, down to a readable size; a line still too wide then
// wraps onto further rows. A header text shrinks on its own, then is elided.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/hoja_impresion.h"

namespace sendaro {

// Smallest size of a report's lines and of a header text, in points. Sizes
// go down in steps of half a point.
inline constexpr double kTamanoMinimoInforme = 6.5;
inline constexpr double kTamanoMinimoCabecera = 8;
inline constexpr double kPasoTamano = 0.5;

// A report line as it prints: its text without trailing blanks and its weight.
struct LineaInforme {
  std::string texto;
  bool negrita = false;
};

// The font size at which every line is at most `ancho` pixels wide and the
// font's rows at most `alto` pixels apart: `fuente.tamano` when it fits, else
// the largest smaller size down to `minimo` that does, else `minimo`. Lines
// are measured in their own weight. Leaves the font set on the sheet changed.
double TamanoQueCabe(HojaImpresion& hoja, Fuente fuente, double minimo, int ancho, int alto,
                     const std::vector<LineaInforme>& lineas);

// The rows the text prints on in the sheet's current font within `ancho`
// pixels: the text itself when it fits; otherwise it breaks at the last blank
// that fits (inside a word only when the word alone is wider than a row), and
// every further row starts under the text's first character (at the left
// edge when the indent is wider than half a row). Only blanks are left out.
std::vector<std::string> PartirEnFilas(const HojaImpresion& hoja, std::string_view texto,
                                       int ancho);

// Lines 1..n of a report fitted to a column: the size they print at and the
// rows of each line (element k - 1 for line k).
struct InformeAjustado {
  double tamano = 0;
  std::vector<LineaInforme> lineas;
  std::vector<std::vector<std::string>> filas;
  int totalFilas = 0;
};

// Fits lines 1..n of the buffer, bold where `secciones` says, into a column
// `ancho` pixels wide with rows `alto` pixels apart, starting from `fuente`
// and shrinking down to kTamanoMinimoInforme; lines still too wide wrap.
InformeAjustado AjustarInforme(HojaImpresion& hoja, const Fuente& fuente, int ancho, int alto,
                               const BufferImpresion& buffer, int n,
                               const SeccionesImpresion& secciones);

// A header text and the size that lets it fit `ancho` pixels: from
// `fuente.tamano` down to kTamanoMinimoCabecera, then cut and ended with an
// ellipsis.
struct TextoAjustado {
  double tamano = 0;
  std::string texto;
};
TextoAjustado AjustarTextoCabecera(HojaImpresion& hoja, Fuente fuente, std::string_view texto,
                                   int ancho);

}  // namespace sendaro
