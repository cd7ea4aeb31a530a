// Why a questionnaire gives each result: the answers that led to a result
// row and how much each added, kept as data (for the screens, the reports
// and any later copy of the results) and put into words from the catalogue.
// Numbers in the words take a decimal comma.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/catalogo.h"

namespace sendaro {

// Catalogue texts shared by every questionnaire's explanations.
namespace textos_explicacion {
inline constexpr int kY = 730;              // the "and" before a list's last item
inline constexpr int kCabeceraInforme = 731;  // heading of the explanations in a report
inline constexpr int kTituloPanel = 748;      // title of the explanation shown on screen
}  // namespace textos_explicacion

// One answer that counted towards a result.
struct Aportacion {
  int numero = 0;         // its number in its list (item, question, phrase, statement), from 1
  std::string texto;      // its text, as the data give it (Windows-1252)
  std::string respuesta;  // the answer given, in words, where there is a choice of words
  double puntos = 0;      // what it added to the result's score (0 for a result without one)
  int parte = 0;          // for a result made of parts, which one (from 0)
  bool elegida = false;   // the one answer picked above the others
};

// A result row and why it is there.
struct ResultadoExplicado {
  int fila = 0;                 // the row it explains in its result list
  std::string nombre;           // the result, as its row names it
  std::optional<double> valor;  // its score as shown; none for a result without one
  std::vector<Aportacion> aportaciones;
  // The explanation in words: first the result with its score and a summary,
  // then one line per group of answers.
  std::vector<std::string> lineas;
};

// The value with `decimales` decimals and a comma: 8.02 gives "8,0".
std::string ConComa(double valor, int decimales = 1);
// At most two decimals, trailing zeros dropped: 2.5 "2,5", 1.25 "1,25", 1 "1".
std::string ConComaBreve(double valor);

// "a", "a y b", "a, b y c" with the catalogue's "and".
std::string Enumerar(const std::vector<std::string>& partes, const CatalogoTextos& catalogo);
// The same for numbers.
std::string EnumerarNumeros(const std::vector<int>& numeros, const CatalogoTextos& catalogo);

// A catalogue text with %1..%9 replaced by the values, in order.
std::string Plantilla(std::string_view texto, std::initializer_list<std::string_view> valores);

// The start of an explanation's first line: "name score: " (one decimal), or
// "name: " for a result without a score.
std::string PrefijoResultado(std::string_view nombre, std::optional<double> valor);

// The explanations as report lines: a blank line, the heading (bold), then
// each result's lines, the later ones indented, long ones wrapped so that no
// word is lost. Nothing at all when there is nothing to explain.
// `primeraLinea` is the report line number the first of these lines takes;
// the heading's number is given among the bold lines.
struct LineasExplicacion {
  std::vector<std::string> lineas;
  std::vector<int> negritas;
};
LineasExplicacion InformeExplicaciones(const std::vector<ResultadoExplicado>& explicaciones,
                                       const CatalogoTextos& catalogo, int primeraLinea);

}  // namespace sendaro
