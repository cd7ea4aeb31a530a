// The new degrees (grados): the list with its category filter, a degree's
// universities and marks with its description, its requirements and
// outlets, the universities of a community that teach new degrees, the
// printout, and the steps of the diagram that explains them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/lectores.h"
#include "data/lectores_fijos.h"
#include "data/tabla_linea.h"
#include "sections/degrees/universidades.h"

namespace sendaro {

struct FuentesNuevas {
  const TablaLinea& nuevas;                 // "carreran", category digit taken off
  const TablaBloques& descripciones;        // "asignacarn"
  const TablaUniversidades& universidades;  // "LUGAR"
  const TablaLinea& requisitos;             // "REQUISIT"
  const TablaLinea& salidas;                // "SALIDAS"
  const DatosCarreras& datos;
  const CatalogoTextos& catalogo;
};

// The new degrees of category k (1..5) in file order, or all of them for
// k = 0; `carreras` maps each row to its new degree.
FilasLista ListaNuevas(const FuentesNuevas& f, int categoria);

// The universities of community c, in "LUGAR" order, that teach at least
// one new degree.
std::vector<int> UniversidadesConNuevas(const FuentesNuevas& f, int comunidad);

// The new degrees taught at university u: the first 45 characters of each,
// then the mark, one row per place of u in a degree's list.
FilasLista NuevasDeUniversidad(const FuentesNuevas& f, int u);

// The views of new degree d. Rows starting with "-" are headers.
std::vector<std::string> VistaUniversidadesNueva(const FuentesNuevas& f, int d);
std::vector<std::string> VistaRequisitosNueva(const FuentesNuevas& f, int d);
std::vector<std::string> VistaSalidasNueva(const FuentesNuevas& f, int d);

// The printout: "<522>:  <degree>" as the title, then the three views, each
// after an empty line; the bold lines are the universities' and the
// description's headers and the two other views' titles (numbers from 1).
struct InformeNueva {
  std::string titulo;
  std::vector<std::string> lineas;
  std::vector<int> negritas;
};
InformeNueva InformeCarreraNueva(const FuentesNuevas& f, int d);

// The diagram: ten steps, each uncovering part of it and then showing its
// text. Covering panels are numbered 1..7 (PanelMueve1, panelmueve2,
// Panelmueve3..Panelmueve7).
struct PasoDiagrama {
  int panel = 0;            // the panel that shrinks; 0 for none
  bool unaVez = false;      // moves one tick and stops
  int pixeles = 1;          // per tick
  std::vector<int> aCero;   // panels set to width 0 as the step starts
  std::vector<int> textos;  // catalogue texts shown, joined with a space
};
inline constexpr int kPasosDiagrama = 10;
const PasoDiagrama& PasoDelDiagrama(int paso);  // 0..9

// A covering panel shrinking from its left edge.
struct Cubierta {
  int izquierda = 0;
  int ancho = 0;
};
// One tick of the step on its panel: the left edge moves right and the width
// shrinks by the step's pixels, the width stopping at 0. True when the step
// is over (at once for a one-tick step, else when the width reaches 0).
bool AvanzarCubierta(const PasoDiagrama& paso, Cubierta& cubierta);

// The text's reveal: 2 pixels wider each tick, over once wider than 600.
inline constexpr int kPasoFrase = 2;
inline constexpr int kAnchoFrase = 600;

}  // namespace sendaro
