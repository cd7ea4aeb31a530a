// The qualities and interests questionnaire: each answer list is scored
// against the interest groups, the groups are ranked per list and by the
// average of both, a group shows its degrees and vocational titles, and the
// whole result makes a report to print or save.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/explicacion.h"
#include "data/tabla_linea.h"

namespace sendaro {

// Extra items a click on quality `item` (0-based row) selects: 2 brings 0 and
// 1, 1 brings 0, 5 brings 3 and 4, 4 brings 3. The rule never deselects.
std::vector<int> CualidadesGraduadas(int item);

// The score of each group 1..G for the selected item numbers (1-based, in
// any order): 0.01 plus one per selected member, times 10, divided by the
// group's number of members. A group without members scores 0.
std::vector<double> PuntuarGrupos(std::vector<int> marcados,
                                  const std::vector<std::vector<int>>& miembros);

// A group's score with what made it: the selected items that are its
// members (ascending, once per membership), each worth 10 / miembros.
struct PuntuacionGrupo {
  double puntos = 0;
  int miembros = 0;
  std::vector<int> marcados;
};
std::vector<PuntuacionGrupo> PuntuarGruposDetalle(std::vector<int> marcados,
                                                  const std::vector<std::vector<int>>& miembros);

// (a + b) / 2 group by group; a missing score counts as 0.
std::vector<double> PromediarPuntos(const std::vector<double>& a, const std::vector<double>& b);

// The first 40 characters of the group's line, blank-filled, then the score
// right-aligned in four characters with one decimal and a point (6.02 gives
// " 6.0", 10.01 "10.0").
std::string LineaPuntuacion(std::string_view grupo, double puntos);

// A ranking: the result lines highest score first, ties in group order, and
// the group of each row (OrdenGrupos, group numbers 1..G).
struct Clasificacion {
  std::vector<std::string> lineas;
  std::vector<int> orden;
  std::vector<double> puntos;  // in row order
  // Why each row scores what it does, in row order (rankings made from the
  // answers; empty for one made from bare scores).
  std::vector<ResultadoExplicado> explicaciones;
};

// `grupos` holds the group lines 1..G.
Clasificacion Clasificar(const TablaLinea& grupos, const std::vector<double>& puntos);

// What the group details and the report read.
struct FuentesCuestionario {
  const TablaLinea& grupos;     // "GRUPOS"
  const TablaLinea& carreras;   // "CARRERA"
  const TablaLinea& titulosFP;  // "FP"
  const DatosCarreras& datos;
  const CatalogoTextos& catalogo;
};

// The group count G: the lines of "GRUPOS", at most 12.
int NumeroGrupos(const TablaLinea& grupos);
// The members of each group in one list (qualities or interests).
std::vector<std::vector<int>> MiembrosCualidades(const DatosCarreras& datos, int grupos);
std::vector<std::vector<int>> MiembrosIntereses(const DatosCarreras& datos, int grupos);

// Group t in detail: its line, a blank line, text 327, the lines of its
// degrees (in table order), a blank line, text 326, and its vocational titles.
std::vector<std::string> DetalleGrupo(const FuentesCuestionario& f, int grupo);

// Catalogue texts of the explanations.
namespace textos_cualidades {
inline constexpr int kMarcasteCualidades = 732;  // "marcaste %1 de sus %2 cualidades (%3 ...)"
inline constexpr int kMarcasteIntereses = 733;
inline constexpr int kNingunaCualidad = 734;  // "no marcaste ninguna de sus %1 cualidades"
inline constexpr int kNingunInteres = 735;
inline constexpr int kMedia = 736;  // "media de %1 en cualidades y %2 en intereses"
}  // namespace textos_cualidades

// One answer list as the student left it.
struct RespuestasLista {
  bool cualidades = true;  // the qualities list, else the interests
  const TablaLinea& items;  // "CUALIDAD" or "INTERES"
  const std::vector<std::vector<int>>& miembros;  // of each group 1..G
  std::vector<int> marcados;  // the selected item numbers (1-based)
};

// Scores one list and ranks it, each row with the items that gave its score.
Clasificacion ClasificarLista(const TablaLinea& grupos, const RespuestasLista& lista,
                              const CatalogoTextos& catalogo);
// The combined ranking (the average of both lists), each row with both
// lists' items, each worth half as much as in its own list.
Clasificacion ClasificarConjunto(const TablaLinea& grupos, const RespuestasLista& cualidades,
                                 const RespuestasLista& intereses, const CatalogoTextos& catalogo);

// The three rankings the report shows.
struct ResultadoCuestionario {
  Clasificacion cualidades;
  Clasificacion intereses;
  Clasificacion conjunto;
};

// A report made of a portrait part and a three-column part; line numbers of
// the bold lines count from 1 within each part.
struct InformeCuestionario {
  std::string titulo;  // line 0 of the first part: 284 and the name
  std::vector<std::string> retrato;
  std::vector<int> negritasRetrato;
  std::string tituloEstudios;  // line 0 of the second part: text 340
  std::vector<std::string> estudios;
  std::vector<int> negritasEstudios;

  // Everything as one text from line 0, as it is saved: the first part,
  // then text 340 and the second part.
  std::vector<std::string> Completo() const;
};

// `nombre` is the student's name as typed (Windows-1252). The portrait part
// ends with the explanations of the combined ranking, when it has them; the
// studies part covers the first three groups of the combined ranking.
InformeCuestionario InformeCualidades(const FuentesCuestionario& f, const ResultadoCuestionario& r,
                                      std::string_view nombre);

}  // namespace sendaro
