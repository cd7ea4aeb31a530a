// The cut-off mark consultation: which degrees the universities of one
// community offer to a student with a given mark, upper-stage branch and
// accepted difficulty; and its printout.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/lectores_fijos.h"
#include "data/tabla_linea.h"
#include "sections/degrees/ficha_carrera.h"

namespace sendaro {

// The mark in tenths from the two one-digit fields, units then tenths. An
// empty field is a blank (as the masked field shows it); a text that does not
// read as a number counts as 50, so a blank tenths field gives 5,0.
int NotaDeCampos(std::string_view unidades, std::string_view decimas);

// Item of the branch combo meaning every branch; no choice is -1.
inline constexpr int kTodasLasRamas = 5;
inline constexpr int kSinRama = -1;

struct EntradaConsulta {
  int nota = 50;                   // tenths
  int rama = kSinRama;             // listBachiL item
  int dificultad = 1;              // TrackDif position 1..7
  std::vector<int> universidades;  // UniversidadesLista
};

struct FuentesConsulta {
  const TablaLinea& carreras;
  const TablaUniversidades& universidades;
  const DatosCarreras& datos;
};

enum class EstadoConsulta {
  kNada,   // neither input given: nothing changes
  kFalta,  // one input missing: `filas` is the notice
  kLista,  // `filas` are the results (possibly none)
};

struct ResultadoConsulta {
  EstadoConsulta estado = EstadoConsulta::kNada;
  std::vector<std::string> filas;
  std::vector<int> carreras;  // row -> degree (IndiceFilas); 0 on headers and notices
};

// A university header row starts with "-".
inline constexpr std::string_view kPrefijoCabecera = "-  ";

ResultadoConsulta Consultar(const FuentesConsulta& f, const EntradaConsulta& e,
                            const CatalogoTextos& catalogo);

// The rows the list shows: the results, or two empty rows and catalogue text
// 660 when there are none.
std::vector<std::string> FilasEnPantalla(const ResultadoConsulta& r,
                                         const CatalogoTextos& catalogo);

// The universities of "LUGAR" in community c, in file order (18 and 19 are
// taken as 1 by the caller).
std::vector<int> UniversidadesComunidad(const TablaUniversidades& universidades, int comunidad);
// Communities 18 and 19 have no universities of their own: they count as 1.
int ComunidadConsultada(int comunidad);

// What the printout's heading says.
struct CabeceraConsulta {
  std::string nombreCentro;
  std::string unidades, decimas;        // the two fields' texts
  std::string rama;                     // the chosen branch item
  std::string comunidad;                // the community's "COMUNIDA" line
  std::string dificultad, dificultad2;  // LabelDificultad, LabelDificultad2
};

// Nine heading lines, then the result rows; lines 1..8 print bold.
inline constexpr int kLineasNegritaConsulta = 8;
std::vector<std::string> InformeConsulta(const CabeceraConsulta& c, const ResultadoConsulta& r,
                                         const CatalogoTextos& catalogo);

// Community c as the printout names it: its "COMUNIDA" line from column 3,
// 45 characters.
std::string ComunidadInforme(const TablaLinea& comunidades, int comunidad);

}  // namespace sendaro
