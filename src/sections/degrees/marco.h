// Rules of the degrees screen's frame that every browser shares: the blinking
// name bar and the back button (and the centre name's size, shared by every
// section).
#pragma once

#include <string_view>
#include <vector>

#include "data/nombre_centro.h"

namespace sendaro {

// The name bar blinks when a card opens: nine ticks, the name shown on odd
// ones, then it stays shown.
class Parpadeo {
 public:
  static constexpr int kTicks = 9;
  struct Paso {
    bool mostrar = false;
    bool fin = false;
  };
  Paso Avanzar();
  int Contador() const { return cuenta_; }

 private:
  int cuenta_ = 0;
};

// What the back button looks at.
struct EstadoRetroceso {
  bool ModoArtes = false;
  bool ModoGrados = false;
  bool ModoLista = false;
  bool ModoDobles = false;
  bool ModoOtras = false;
  bool listComunidadVisible = false;
  bool mapaVisible = false;
};

// The back button's steps, in the order the screen carries them out.
enum class PasoRetroceso {
  kSalirArtes,       // leave the arts browser and return to the main menu
  kCerrarGrados,     // close the new-degree browser, show the main menu
  kGradosAlMapa,     // new degrees: from a university's list back to the map
  kCerrarResultado,  // hide the result panel and empty it
  kMenuDesdeDobles,  // leave the double degrees, wipe in the main menu
  kMenuDesdeOtras,   // leave the other degrees, wipe in the main menu
  kMenuDesdeMapa,    // hide the map, wipe in the main menu, help topic 1
  kComunidadAlMapa,  // hide the university list, show the map
};

// The first matching rule wins (clearing ModoImpresion always comes first and
// is not listed); the arts rule goes on with the next rules.
std::vector<PasoRetroceso> Retroceder(EstadoRetroceso e);

}  // namespace sendaro
