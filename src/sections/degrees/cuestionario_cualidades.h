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

// `nombre` is the student's name as typed (Windows-1252). The studies part
// covers the first three groups of the combined ranking.
InformeCuestionario InformeCualidades(const FuentesCuestionario& f, const ResultadoCuestionario& r,
                                      std::string_view nombre);

}  // namespace sendaro
