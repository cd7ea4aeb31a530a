// The whole-degree list: every degree of the table, optionally sorted, with
// the upper-stage branch filter and the degree type filter, and the text of
// the name bar that counts what is shown.
#pragma once

#include <string>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/tabla_linea.h"

namespace sendaro {

// The two filter combos and their latches. A latch is set the first time its
// combo is changed and stays set; an unused filter keeps every degree.
struct FiltrosCarreras {
  bool ramaUsada = false;           // ComSelCar has been changed
  int rama = 0;                     // ComSelCar item: 0 all, 1..5 the branches (codes 19..23)
  bool tipoUsado = false;           // BotSelcar has been changed
  int tipo = 0;                     // BotSelcar item: 0 all, 1..3 the degree types
  bool tipoRecienCambiado = false;  // the type filter was the one just changed
};

struct ListaFiltrada {
  std::vector<std::string> filas;  // the degree lines shown, in order
  std::vector<int> carreras;       // row -> degree (IndiceCarreras)
  int temaAyuda = 0;               // help topic to show; 0 none
  std::string barraNombre;         // PanelCarSel
};

// Requirement code of branch item i (1..5) of ComSelCar, and the code that
// means any branch.
inline constexpr int kCodigoPrimeraRama = 19;
inline constexpr int kCodigoCualquierRama = 15;

// Builds the list of degrees 1..N of `carreras`. With `ordenar` (a language
// subfolder is in use) the rows are sorted by their text, ties in table order.
ListaFiltrada ListaCarreras(const TablaLinea& carreras, const DatosCarreras& datos, bool ordenar,
                            const FiltrosCarreras& filtros, const CatalogoTextos& catalogo);

// "<589>: <590>" when all N degrees are listed, else "<589>: <n> <591> <N>".
std::string TextoCuentaCarreras(const CatalogoTextos& catalogo, int mostradas, int total);

}  // namespace sendaro
