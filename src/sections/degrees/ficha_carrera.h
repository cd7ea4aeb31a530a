// The degree card: its views (universities with cut-off marks, requirements,
// outlets, subjects and difficulty, related degrees) on screen, and the same
// views appended one after another to make the whole-card printout.
#pragma once

#include <string>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/lectores.h"
#include "data/lectores_fijos.h"
#include "data/tabla_linea.h"

namespace sendaro {

// Everything the card reads.
struct FuentesFicha {
  const TablaLinea& carreras;               // "CARRERA"
  const TablaUniversidades& universidades;  // "LUGAR"
  const TablaLinea& requisitos;             // "REQUISIT"
  const TablaLinea& salidas;                // "SALIDAS"
  const TablaBloques& asignaturas;          // "asignacar"
  const DatosCarreras& datos;
  const CatalogoTextos& catalogo;
};

// The views of the card; the numbers are the list types of the card menu.
enum class VistaFicha { kUniversidades = 1, kRequisitos = 2, kSalidas = 3, kRelacionadas = 5 };

struct FichaEnPantalla {
  std::string titulo;              // PanelSelTit
  std::vector<std::string> filas;  // ListSel
  int temaAyuda = 0;               // 0: none
  // The related-degrees view: whether BotFP shows, and on which text row
  // (from 0) of the list its top edge lies.
  bool botonFP = false;
  int filaBotonFP = 0;
};

// Width of the name column of the universities view and the consultation.
inline constexpr int kAnchoNombreNota = 45;
// A line blank-filled to 45 characters, then the cut-off mark; a longer line
// stays whole and the mark follows it after a blank.
std::string FilaConNota(std::string_view linea, int nota);

// One view of degree d as the screen shows it.
FichaEnPantalla ListaFicha(const FuentesFicha& f, VistaFicha vista, int d);
// The subjects view: difficulty, then the subject lines of d's block.
FichaEnPantalla VistaAsignaturas(const FuentesFicha& f, int d);

// A printout under construction: lines 1..n (element 0 is line 1) and the
// line numbers printed bold.
struct InformeLineas {
  std::string titulo;  // line 0, printed in the page header
  std::vector<std::string> lineas;
  std::vector<int> negritas;
};

// The print form of a view: an empty line, the view's title (bold), an empty
// line, then the rows, appended to the report.
void AnadirFichaImpresion(const FuentesFicha& f, VistaFicha vista, int d, InformeLineas& informe);
void AnadirAsignaturasImpresion(const FuentesFicha& f, int d, InformeLineas& informe);

// The whole card: "<290>: <degree>" as the title, then universities,
// requirements, outlets, subjects and related degrees.
InformeLineas FichaCompleta(const FuentesFicha& f, int d);

}  // namespace sendaro
