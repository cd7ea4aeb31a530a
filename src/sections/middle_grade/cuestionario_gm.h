// The middle-grade questionnaire: the eleven areas of "CUESGM", the
// statements of the chosen areas, the families and titles the chosen
// statements propose, and the lines of its report.
#pragma once

#include <string>
#include <vector>

#include "data/catalogo.h"
#include "data/explicacion.h"
#include "data/tabla_linea.h"
#include "sections/middle_grade/titulos_gm.h"

namespace sendaro {

inline constexpr int kAreasGM = 11;
// Row 11 of the areas leads to the places search instead.
inline constexpr int kAreaLugares = 11;

// Lines 1-11 of "CUESGM" without trailing blanks.
std::vector<std::string> AreasGM(const TablaLinea& cuestionario);

// The value an area row (1..10) stands for: rows 1-9 themselves, row 10 as 0.
int ValorArea(int fila);

struct EnunciadoGM {
  std::string texto;   // columns 5-74
  std::string codigo;  // columns 1-2
};

// The statements (lines 12.., at most 100) whose primary area (column 3)
// is one of the chosen values, or whose secondary area (column 4) is one of
// the non-zero chosen values; in file order.
std::vector<EnunciadoGM> EnunciadosGM(const TablaLinea& cuestionario,
                                      const std::vector<int>& valores);

// A result row: a family's heading (titulo 0) or one of its titles.
struct FilaResultadoGM {
  std::string texto;
  int titulo = 0;  // line in "FP2"
  std::string nombre;  // the family's or title's name
  // The chosen statements (indices into the list scored) whose code put the
  // row there, in list order.
  std::vector<int> enunciados;
};

// Marks what each chosen statement's code names: its family, and "T" all
// its titles, "Z" titles 1 and 2, a digit d title d. Every marked family
// is listed as " - " + catalogue text 583 + " " + its name, followed by its marked
// titles, in family and title order; a title is listed once.
std::vector<FilaResultadoGM> ResultadosGM(const FamiliasGM& familias, const TablaLinea& titulos,
                                          const std::vector<EnunciadoGM>& elegidos,
                                          const CatalogoTextos& catalogo);

// Catalogue texts of the explanations.
inline constexpr int kTextoFamiliaPropuesta = 746;  // "%1: la proponen estas frases que elegiste"
inline constexpr int kTextoTituloPropuesto = 747;

// Why each result row is there (`fila` from 0, as the rows): the chosen
// statements that name it.
std::vector<ResultadoExplicado> ExplicarResultadosGM(const std::vector<FilaResultadoGM>& filas,
                                                     const std::vector<EnunciadoGM>& elegidos,
                                                     const CatalogoTextos& catalogo);

// The questionnaire's report (line 0, the student's name, is the printer's).
// An area, statement, title or centre longer than a report line goes on
// several (LineasEnteras), so that no word is lost on paper.
struct InformeCuestionarioGM {
  std::vector<std::string> lineas;  // element 0 is line 1
  int finAreas = 0;                 // lines of section 1
  int lineaEnunciados = 0;          // section 2's header (its line number)
  int lineaTitulo = 0;              // where the chosen title goes (its line number)
};
// Section 1: catalogue text 594, a blank line, the chosen areas.
void InformeAreas(InformeCuestionarioGM& i, const std::vector<std::string>& areas,
                  const CatalogoTextos& catalogo);
// Section 2, after section 1 (a later run replaces it): a blank line, text
// 595, a blank line, the chosen statements and a blank line, after which
// the title goes.
void InformeEnunciados(InformeCuestionarioGM& i, const std::vector<std::string>& enunciados,
                       const CatalogoTextos& catalogo);
// Section 3, rewritten at each map click: "<592>: <title>", a blank line,
// "<593>:", a blank line, the centre rows and, when there are any, a blank
// line and the lines of `porque` (why the title was proposed; later ones
// indented).
void InformeTituloElegido(InformeCuestionarioGM& i, const std::string& titulo,
                          const std::vector<std::string>& centros, const CatalogoTextos& catalogo,
                          const std::vector<std::string>& porque = {});
// The bold lines: the three section headers that are there.
std::vector<int> NegritasCuestionario(const InformeCuestionarioGM& i);

}  // namespace sendaro
