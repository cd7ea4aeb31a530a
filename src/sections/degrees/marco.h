// Rules of the degrees screen's frame that every browser shares: the size of
// the centre's name, the blinking name bar and the back button.
#pragma once

#include <string_view>
#include <vector>

namespace sendaro {

// LabelAno2's font size for the centre's name (trailing blanks not counted):
// above 45 characters 16, 36..45 18, 26..35 20, up to 25 22.
int TamanoNombreCentro(std::string_view nombre);

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
