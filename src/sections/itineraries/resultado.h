// Scoring of the study questionnaire and the result lists: the first-stage
// verdict, the whole result with its areas, advice and recommended upper
// secondary modality, the titles of an area, the student heading and what is
// printed and saved.
//
// Marks are kept in tenths: a ratio of points is rounded once to one decimal
// and every decision (pass, weak area, ranking) is taken on the mark shown.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/explicacion.h"
#include "data/tabla_linea.h"
#include "sections/itineraries/cuestionario.h"

namespace sendaro {

inline constexpr int kAreasInteres = 13;
inline constexpr int kAreasCalificadas = 20;
inline constexpr int kPrimeraAreaPrimeraParte = 14;
inline constexpr int kUltimaAreaPrimeraParte = 19;
// Titles from this "TITULOS" line on are university degrees, listed after a
// heading.
inline constexpr int kPrimerTituloUniversitario = 89;

// Points of an answer and the maximum of a question, by weight class.
int Puntos(int peso, int tipo, int respuesta);
int Maximo(int peso);

// Tenths of 10 x puntos / maximo, rounded half up; nothing when the maximum
// is 0 (nothing to grade).
std::optional<int> Decimas(int puntos, int maximo);
// One decimal in four characters with a point: " 7.5", "10.0".
std::string NotaTexto(int decimas);

// The question and title lists of the areas from "datitine", each number
// checked against the table it indexes: questions 1..CuesTotal, titles
// 1..lines of "TITULOS". A number outside is left out; an entry whose count
// is above 100 (more than the entry holds) is left out whole.
struct AreasCuestionario {
  std::array<std::vector<int>, kAreasCalificadas + 1> preguntas;  // areas 1..20
  std::array<std::vector<int>, kAreasInteres + 1> titulos;        // areas 1..13
};
AreasCuestionario AreasDe(const RegistrosFilas& datitine, int cuesTotal, int cuentaTitulos);

// Points and maximum of area k over its questions up to `hasta` (and from
// `desde`).
struct Suma {
  int puntos = 0;
  int maximo = 0;
};
Suma SumaArea(const Cuestionario& c, const std::vector<int>& preguntas, int desde, int hasta);
// The questions among the same ones that gave points, in list order, each
// with its answer in words and its points.
std::vector<Aportacion> AportacionesArea(const Cuestionario& c, const std::vector<int>& preguntas,
                                         int desde, int hasta, const CatalogoTextos& catalogo);

// Catalogue texts of the explanations.
namespace textos_resultado {
inline constexpr int kPuntosPosibles = 737;  // "%1 de %2 puntos posibles en %3 preguntas"
inline constexpr int kPreguntas = 738;       // "preguntas %1 contestadas «%2»: +%3"
inline constexpr int kPregunta = 739;        // "pregunta %1 contestada «%2»: +%3"
inline constexpr int kNingunaPuntua = 740;   // no answer gave points
inline constexpr int kPorMejorArea = 741;    // "por tu área de mejor nota, %1 (%2)"
inline constexpr int kPorSegundaParte = 742;
}  // namespace textos_resultado

// The first-part mark: questions 1..min(35, CuesNumPreguntas); 0 when there
// is nothing to grade.
int NotaPrimeraParte(const Cuestionario& c);

// The texts a result is made of ("ITINERAR" and the catalogue).
struct FuentesResultado {
  const TablaLinea& itinerar;
  const CatalogoTextos& catalogo;
};

struct ResultadoPrimeraEtapa {
  int nota = 0;  // tenths
  bool aprobado = false;
  bool areaFloja = false;
  // The near-pass message was given now: the second chance is used up.
  bool usaSegundaOportunidad = false;
  std::vector<std::string> lineas;  // always 13
};
// `segundaOportunidad`: CuesSegundaOportunidad before the result.
ResultadoPrimeraEtapa PrimeraEtapa(const Cuestionario& c, const AreasCuestionario& areas,
                                   const FuentesResultado& f, bool segundaOportunidad);

struct ResultadoCompleto {
  int nota = 0;                                       // tenths
  std::array<int, kAreasCalificadas + 1> notaArea{};  // tenths, areas 1..20
  std::array<int, kAreasCalificadas + 1> notaSegunda{};
  // Areas 14..19 with something to grade and a mark under 6.
  std::array<bool, kAreasCalificadas + 1> floja{};
  std::array<int, kAreasInteres + 1> ordenAreas{};    // areas by overall mark
  std::array<int, kAreasInteres + 1> ordenSegunda{};  // areas by second-part mark
  int a1 = 0, a2 = 0;
  std::vector<std::string> lineas;
  // Lines printed bold, numbered as in the print buffer (one more than here).
  std::vector<int> negritas;
  // Why: the first-part mark (line 6), the recommendations (lines 10, 11),
  // the six best areas (17-22) and the two best of the second part (25,
  // 26); `fila` is the result line (from 1).
  std::vector<ResultadoExplicado> explicaciones;
};
ResultadoCompleto ResultadoEntero(const Cuestionario& c, const AreasCuestionario& areas,
                                  const FuentesResultado& f);

// The explanation of result line `linea` (from 1), or nothing.
const ResultadoExplicado* ExplicacionDeLinea(const ResultadoCompleto& r, int linea);

// The whole result as printed and saved: its lines, then the explanations,
// with the bold lines numbered as in the print buffer.
struct ResultadoImpreso {
  std::vector<std::string> lineas;
  std::vector<int> negritas;
};
ResultadoImpreso ResultadoConExplicaciones(const ResultadoCompleto& r,
                                           const CatalogoTextos& catalogo);

// The recommendation text of an area of interest (1..13); empty outside.
std::string Recomendacion(const TablaLinea& itinerar, int area);

// The area of interest on result line 17..22 (1-based), else 0.
int AreaDeLinea(const ResultadoCompleto& r, int linea);

// The titles panel of an area: its heading and its titles of "TITULOS", the
// university degrees after their own heading.
std::vector<std::string> LineasTitulosArea(int area, const AreasCuestionario& areas,
                                           const TablaLinea& titulos, const FuentesResultado& f);
// Its printout: the centre's name, a rule, then the panel's lines, each on
// several when longer than a report line.
std::vector<std::string> ImpresionTitulos(std::string_view nombreCentro,
                                          const std::vector<std::string>& lineas);

// The student heading: name (cut to 45), "  -  ", the course and catalogue
// text 342, all cut to 45.
inline constexpr int kLongitudEncabezado = 45;
std::string EncabezadoAlumno(std::string_view nombre, int curso, const CatalogoTextos& catalogo);

// Lines 0..n + 1 of the print buffer for a result: the heading, an empty
// line, then the result. Printed from line 1, saved from line 0.
std::vector<std::string> InformeResultado(std::string_view encabezado,
                                          const std::vector<std::string>& lineas);

// The file name proposed when saving: the heading without / \ : * ? " < > |
// and leading dots or blanks, at most 100 characters, then ".TXT". A heading
// left empty gives "resultado.TXT".
std::string NombreGuardado(std::string_view encabezado);

}  // namespace sendaro
