// The static hall's timed sequences as plain state machines: the guide's
// walk-in, the door opening, the zoom into the door panel and the help
// panel's reveal. Each timer tick of the screen calls one step here and
// draws what the step returns; nothing here knows about widgets or clocks.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace sendaro {

struct Recuadro {
  int x = 0, y = 0, ancho = 0, alto = 0;
  friend bool operator==(const Recuadro&, const Recuadro&) = default;
};

// Pictures of the static hall that every theme shares. The image lists are
// strips of equal frames side by side, clear where their alpha is 0 (or, in
// pictures without alpha, where they are magenta 255, 0, 255).
inline constexpr std::string_view kTiraFigura = "chicaw.png";   // ImageList1
inline constexpr std::string_view kTiraPuerta = "puertaw.png";  // ImageListPuerta
inline constexpr std::string_view kImagenBocadillo = "bocadillo1.png";
// ImageListIconos: the hall's icon list, drawn beside the rows of several
// section lists (areas, families, the professions' phrases).
inline constexpr std::string_view kTiraIconos = "iconos.png";
inline constexpr int kCuadrosIconos = 21;
inline constexpr int kLadoIcono = 28;
inline constexpr int kCuadrosFigura = 8;
inline constexpr int kCuadrosPuerta = 5;
inline constexpr int kAnchoCuadro = 56;
inline constexpr int kAltoCuadro = 168;

// Timer periods in milliseconds.
inline constexpr int kPeriodoPiloto = 200;
inline constexpr int kPeriodoTexto = 3000;
inline constexpr int kPeriodoPuerta = 200;
inline constexpr int kPeriodoZoom = 100;
inline constexpr int kPeriodoAyuda = 200;

// One frame to draw: frame `cuadro` of an image list with its top left at x, y.
struct Cuadro {
  int x = 0, y = 0, cuadro = 0;
  Recuadro Area() const { return {x, y, kAnchoCuadro, kAltoCuadro}; }
  friend bool operator==(const Cuadro&, const Cuadro&) = default;
};

// `piloto`: the guide walks in from x 100 along y 235, 10 pixels a tick,
// repeating the walk cycle 0..5 until she has passed x 220, then turning to
// face the student with frames 6 and 7.
class PasoPiloto {
 public:
  struct Paso {
    Cuadro dibujar;
    bool fin = false;  // the last frame was drawn: stop the timer
  };
  Paso Avanzar();
  int Pasos() const { return paso_; }
  bool Terminado() const { return cuadro_ >= kCuadrosFigura; }

 private:
  int paso_ = 0;
  int cuadro_ = 0;
};

// `TimerPuerta`: five frames of the door opening, each 10 pixels higher,
// from the door's position (x = label left + 10; y 170 upper row, 510 lower).
class AperturaPuerta {
 public:
  AperturaPuerta(int izquierdaEtiqueta, int puertaSel);
  struct Paso {
    Cuadro dibujar;
    bool primero = false;  // first tick: remove the guide and the bubbles
    bool fin = false;      // frame 4 drawn: stop, start the zoom
  };
  Paso Avanzar();
  int Tic() const { return tic_; }
  int x() const { return x_; }
  int y() const { return y_; }

 private:
  int x_, y_;
  int tic_ = 0;
};

// The door column the zoom stretches the wall tile into, and that column's
// top: upper doors 1..6 are columns 1..6 from y 0; lower doors 7..11 are
// columns 2..6 from y 305.
struct ColumnaZoom {
  int columna = 0, arriba = 0;
  friend bool operator==(const ColumnaZoom&, const ColumnaZoom&) = default;
};
ColumnaZoom ColumnaDePuerta(int puertaSel);

// `TimerZoom`: grows the door panel (the wall tile, ancho x alto) by 10
// pixels a tick from the counter it starts with, then opens the door.
class ZoomPuerta {
 public:
  // The static hall starts from the door animation's 5; the animated hall
  // from 110, which opens at the first tick.
  static constexpr int kDesdePuerta = 5;
  static constexpr int kInmediato = 110;

  ZoomPuerta(int puertaSel, int anchoTesela, int altoTesela, int contador);
  struct Paso {
    std::optional<Recuadro> estirar;  // where to stretch the tile this tick
    bool abrir = false;               // stop the timer and open the section
  };
  Paso Avanzar();
  int Contador() const { return a_; }

 private:
  ColumnaZoom col_;
  int ancho_, alto_;
  int a_;
};

// `TimerAyuda`: the help panel fills one line every other tick.
struct PasoAyudaPanel {
  bool fin = false;  // stop the timer, the step counter back to 0
  int etiqueta = 0;  // LabelAyu1..5 to fill this step (0: none)
  int texto = 0;     // its catalogue text
  int cuadro = 0;    // ImageList1 frame shown in `chica`
};
// `s` is PasoAyuda before the tick.
PasoAyudaPanel PasoDelPanelAyuda(int s);

// Tile cells of the wall (tile ancho x alto repeated over 1024 x 768 from
// 0, 0) whose door has no door label in front of it: the wall is drawn
// without a door there. `puerta` is where a tile holds its door.
std::vector<Recuadro> CeldasSinPuerta(int anchoTesela, int altoTesela, Recuadro puerta,
                                      const std::vector<Recuadro>& etiquetas);

// Where the wall tiles made for this program hold their door.
inline constexpr Recuadro kPuertaEnTesela{46, 81, 83, 120};

}  // namespace sendaro
