// Display mode check at start-up: the program wants 1024 x 768 at 16 bits or
// more, and offers to switch to it for the session.
#pragma once

#include <optional>
#include <vector>

namespace sendaro {

struct ModoPantalla {
  int ancho = 0;
  int alto = 0;
  int profundidad = 0;  // bits per pixel

  friend bool operator==(const ModoPantalla&, const ModoPantalla&) = default;
};

inline constexpr ModoPantalla kModoDeseado{1024, 768, 16};

// Asks the user unless the desktop is exactly 1024 x 768 at 16 bits or more.
bool HayQuePreguntarPantalla(const ModoPantalla& actual);

// After a "Yes": the mode to switch to, or nothing when the driver lists no
// 1024 x 768 x 16 mode. The depth changes to 16 only when the current one is
// below 16; otherwise only width and height change.
std::optional<ModoPantalla> ModoDestino(const ModoPantalla& actual,
                                        const std::vector<ModoPantalla>& modos);

}  // namespace sendaro
