// The diagram that explains the school paths: rows of boxes from 2nd-year
// ESO up to master's studies, hidden at first under green covers that the
// arrows take away (a vertical arrow shrinks its cover from the bottom edge
// up, a horizontal one slides it away to the right), information pictures
// that list lines of "INFORMA", and the blinking note that says where to
// begin. Positions are pixels inside the diagram's panel.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/catalogo.h"
#include "data/tabla_linea.h"

namespace sendaro {

struct RectDiagrama {
  int x = 0, y = 0, ancho = 0, alto = 0;
};

struct PiezaDiagrama {
  const char* nombre;
  RectDiagrama rect;
};

// The rounded yellow boxes, bottom row first.
const std::vector<PiezaDiagrama>& CajasDiagrama();

// A label: its caption (Windows-1252), font height in pixels, bold or not.
struct EtiquetaDiagrama {
  const char* nombre;
  int x = 0, y = 0;
  int alto = 13;
  std::string texto;
  bool negrita = false;
};
std::vector<EtiquetaDiagrama> EtiquetasDiagrama(const CatalogoTextos& catalogo);
// The blinking note: catalogue text 672, a blank, text 125.
std::string TextoNotaDiagrama(const CatalogoTextos& catalogo);

// The covers, in this order: PanelT0, PanelT1i, PanelT1d, PanelT2i,
// PanelT2C, PanelT2D, PanelT3i, PanelT3D, PanelT4i, PanelT4D.
inline constexpr int kCubiertas = 10;
const std::array<PiezaDiagrama, kCubiertas>& CubiertasDiagrama();

// The arrows: where each lies and the covers (indices above) it takes away.
struct FlechaDiagrama {
  const char* nombre;
  int x = 0, y = 0;
  bool vertical = true;  // shrinks (18 x 26); else slides (26 x 18)
  std::vector<int> cubiertas;
  int paso = 1;  // pixels a tick
};
const std::vector<FlechaDiagrama>& FlechasDiagrama();
// Decorative pictures: Image14 (a vertical arrow) and Image22 (an
// information mark beside the note).
const std::vector<PiezaDiagrama>& AdornosDiagrama();

// The information pictures (20 x 20); Image21 opens the bridge dialog
// instead of a list.
struct InformacionDiagrama {
  const char* nombre;
  int x = 0, y = 0;
  bool pasarela = false;
};
const std::vector<InformacionDiagrama>& InformacionesDiagrama();
// The lines the picture's note panel lists (only lines of the topic asked
// for, in file order); empty for Image21 or an unknown name.
std::vector<std::string> ListaInformacion(const std::string& imagen, const TablaLinea& informa,
                                          const CatalogoTextos& catalogo);

// The covers as they are uncovered, and the two timers that move them (a
// shared current arrow; 10 ms ticks).
class CubiertasEnMovimiento {
 public:
  CubiertasEnMovimiento();

  const RectDiagrama& Cubierta(int i) const { return cubiertas_[static_cast<std::size_t>(i)]; }
  bool TimerVertical() const { return vertical_; }
  bool TimerHorizontal() const { return horizontal_; }
  int FlechaActual() const { return flecha_; }

  // An arrow click (index into FlechasDiagrama): both timers stop where
  // they are, the arrow becomes the current one and its timer starts
  // (unless its covers are already gone).
  void Pulsar(int flecha);
  // A tick of each timer: every cover of the current arrow that is still
  // there (neither its width nor its height 0) shrinks by 1 pixel from its bottom edge (vertical),
  // or moves right and narrows by the arrow's step (horizontal); sizes stop at 0 and the timer
  // stops when all its covers are gone.
  void TickVertical();
  void TickHorizontal();
  // Leaving the screen stops both timers; the covers stay as they are.
  void Parar();

 private:
  // A cover is gone once its width or its height is 0.
  bool Ida(int cubierta) const;
  bool Agotada(int flecha) const;

  std::array<RectDiagrama, kCubiertas> cubiertas_{};
  int flecha_ = -1;
  bool vertical_ = false;
  bool horizontal_ = false;
};

}  // namespace sendaro
