// The study assistant as plain functions: its messages and hints built from
// the catalogue, the lists of its two pop-ups, and the three small animations
// it runs (the running text of a panel, the start text, the helicopter's
// flight), each stepped one tick at a time.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "data/catalogo.h"
#include "data/tabla_linea.h"

namespace sendaro::asistente {

// Catalogue texts of the screen.
namespace textos {
inline constexpr int kTitulo = 338;
inline constexpr int kRetroceder = 82, kEso = 12, kBachillerato = 33;
inline constexpr int kCerrar = 13;
inline constexpr int kOrientacionEso = 601, kOrientacionBachillerato = 602;
inline constexpr int kTuCentro = 493;
inline constexpr int kPcpi = 229, kDejar1 = 587, kDejar2 = 588, kDiversificacion = 555;
inline constexpr int kItinerarios = 21, kGradoMedio = 113, kCatalogo = 103;
inline constexpr int kCuestionarioEso = 600, kProfesiones = 623;
inline constexpr int kCarreras = 46, kGradoSuperior = 47, kConsejo = 52;
inline constexpr int kCatalogoCorto = 224, kPasarela = 320, kProfesionesCorto = 641;
inline constexpr int kConsejoPista = 557;
}  // namespace textos

// The numbered messages (1, 2, 3, 6, 8, 9, 10, 11, 12, 19), rebuilt from the
// catalogue each time the assistant shows; lines are separated by "\n".
std::map<int, std::string> Mensajes(const CatalogoTextos& catalogo);

// Hints rebuilt with the messages.
struct Pistas {
  std::string image4;    // the ESO panel's bottom arrow
  std::string bConsejo;  // BConsejoAsis
  std::string bFpTitGs;  // BFpTitGsAsis
  std::string biCar;     // BiCar
};
Pistas PistasAsistente(const CatalogoTextos& catalogo);

// The diversification pop-up: the "INFORMA" lines coded "34".
std::vector<std::string> LineasDiversificacion(const TablaLinea& informa);
// The middle-to-higher vocational pop-up: texts 480-482, an empty line, 483,
// then the "INFORMA" lines coded "19".
std::vector<std::string> LineasPasoGradoSuperior(const CatalogoTextos& catalogo,
                                                 const TablaLinea& informa);

// The running text of a panel's arrow sequence. Each tick moves the label up
// 2 px from the sixth tick on and toggles the step's arrow every third tick;
// when the label has left the panel's top, the step's arrow stays shown for
// good, the label starts again from the panel's bottom and the sequence goes
// to its next step, whose arrow starts hidden.
struct TextoCorriente {
  int paso = 0;  // 1..3 while the sequence runs (PasoTexto)
  int tics = 0;
  int arriba = 0;       // the running label's top inside its panel
  bool flecha = false;  // the current step's arrow is showing
};
// One tick; `alto` is the height of the small panel. Returns true when the
// step advanced (paso is then the new step; after 3 the sequence ends).
bool AvanzarTexto(TextoCorriente& t, int alto);

// The start text: up 2 px a tick; once it is its own height above the top,
// it starts again from the bottom of its panel. Returns the new top.
int AvanzarInicio(int arriba, int altoTexto, int altoPanel);

// The helicopter's flight towards the column of buttons: 26 ticks of (dx, dy).
struct Vuelo {
  int x = 0, y = 0, dx = 0, dy = 0, tics = 0;
  bool enCurso = false;
};
inline constexpr int kTicsVuelo = 26;
// One tick of the flight; returns true on the tick that ends it.
bool AvanzarVuelo(Vuelo& v);

}  // namespace sendaro::asistente
