// The helicopter of the middle-grade screen: the introduction that flies in
// the start menu's buttons one leg at a time, the pilot who walks out after
// each leg and says something in a bubble, and the short warning flight.
// Positions are page pixels; every path is a function of the tick count.
#pragma once

#include <array>

namespace sendaro {

struct PuntoGM {
  int x = 0;
  int y = 0;
  bool operator==(const PuntoGM&) const = default;
};

struct RectGM {
  int x = 0;
  int y = 0;
  int ancho = 0;
  int alto = 0;
  bool operator==(const RectGM&) const = default;
};

// The helicopter's top-left corner at tick n of a leg whose curve parameter
// is c: x = 350 + 2·R(75·sin(nπ/15)), y = 250 + 2·R(75·cos(nπ/(c+40)) + 75),
// R = nearest integer.
PuntoGM PosicionHelicoptero(int n, int c);

// The introduction, stepped by the 15 ms timer `heli`. Legs 1 and 2 grow
// botTit2 and botLug2 over 36 ticks each; each leg ends with the pilot; the
// first tick of leg 3 ends the introduction.
class IntroduccionHelicoptero {
 public:
  static constexpr int kTicksTramo = 36;
  static constexpr int kTramos = 2;

  // W (design width of botLug2) and H (design height of botTit2).
  IntroduccionHelicoptero(int anchoBoton, int altoBoton);

  struct Paso {
    int tramo = 1;              // the leg this tick belongs to (3: the end)
    bool terminada = false;     // leg 3: stop the timer and the engine, hide the helicopter
    bool motor = false;         // first tick of leg 1 or 2: the engine starts looping
    bool borrarPiloto = false;  // first tick of leg 2: the pilot of leg 1 goes
    PuntoGM helicoptero;        // where it is drawn
    RectGM boton;               // the leg's button, shown there
    bool finTramo = false;      // tick 36: stop timer and engine, the pilot walks out
    PuntoGM piloto;             // where the pilot starts (finTramo)
    bool mostrarSalir = false;  // end of leg 2: botSalir appears
    RectGM salir;               // ... there
  };

  // The helicopter's picture size, for the pilot's starting point (the
  // helicopter's top centre).
  void FijarTamanoHelicoptero(int ancho, int alto);
  Paso Avanzar();
  // Back to leg 1, tick 0, c = 0.
  void Reiniciar();
  // The flight state ends (a later pilot walk is not followed by a leg).
  void Terminar() { terminada_ = true; }
  bool Terminada() const { return terminada_; }
  int Tramo() const { return tramo_; }
  int Tick() const { return n_; }

  // Where each button stands when the introduction has flown it in; a
  // visit that skips or cuts the introduction shows the buttons there.
  RectGM BotonFinal(int tramo) const;
  RectGM SalirFinal() const;

 private:
  RectGM Boton(int n, int c) const;

  int ancho_;
  int alto_;
  int anchoHeli_ = 0;
  int tramo_ = 1;
  int n_ = 0;
  int c_ = 0;
  bool terminada_ = false;
};

// The pilot's walk: 8 frames, frame k at (P.x + 10·k, P.y).
class PasoPilotoGM {
 public:
  static constexpr int kCuadros = 8;
  struct Paso {
    int cuadro = 0;
    PuntoGM donde;
    bool fin = false;  // frame 7: the walk ends, the bubble comes
  };
  void Iniciar(PuntoGM inicio, int mensaje);
  Paso Avanzar();
  int Mensaje() const { return mensaje_; }
  PuntoGM Inicio() const { return inicio_; }

 private:
  PuntoGM inicio_;
  int mensaje_ = 0;
  int k_ = 0;
};

// The speech bubble at P: the rectangle (P.x−35, P.y−60)–(P.x+60, P.y−5)
// and the three text lines at x = P.x − 32, y = P.y − 57, −42, −27.
RectGM RectBocadillo(PuntoGM p);
std::array<PuntoGM, 3> LineasBocadillo(PuntoGM p);
// The catalogue texts of message m (1..3): 154-156, 157-159, 160-162;
// zeros outside.
std::array<int, 3> TextosMensaje(int m);

// The warning flight: from (70, alto − 180), 8 px right per 100 ms tick; the
// 9th tick ends it and the pilot walks from the helicopter's centre.
class VueloAviso {
 public:
  static constexpr int kTicks = 9;
  struct Paso {
    PuntoGM helicoptero;
    bool fin = false;
  };
  void Iniciar(int altoPagina);
  Paso Avanzar();
  PuntoGM Posicion() const { return pos_; }

 private:
  PuntoGM pos_;
  int n_ = 0;
};

// The sliding help line: each 100 ms tick the label moves 40 px left and
// widens to the page's width − its left − 80; the helicopter rides 85 px to
// its left. It stops once the left is below 300.
struct PasoAyudaDeslizante {
  int izquierda = 0;
  int ancho = 0;
  int izquierdaHeli = 0;
  bool fin = false;
};
PasoAyudaDeslizante DeslizarAyuda(int izquierda, int anchoPagina);

// The chosen title's name blinks: nine ticks, shown on odd ones, then it
// stays shown.
class ParpadeoGM {
 public:
  static constexpr int kTicks = 9;
  struct Paso {
    bool mostrar = false;
    bool fin = false;
  };
  Paso Avanzar() {
    cuenta_ += 1;
    Paso p{cuenta_ % 2 == 1, cuenta_ >= kTicks};
    if (p.fin) cuenta_ = 0;
    return p;
  }

 private:
  int cuenta_ = 0;
};

}  // namespace sendaro
