// Desktop size and depth, the list of display modes and a temporary switch.
#pragma once

#include <memory>
#include <vector>

#include "data/pantalla.h"

namespace sendaro {

class PantallaModos {
 public:
  virtual ~PantallaModos() = default;
  virtual ModoPantalla Actual() const = 0;
  // The modes the display can switch to; empty when it cannot switch.
  virtual std::vector<ModoPantalla> Modos() const = 0;
  // Temporary switch for this session; false when it did not happen.
  virtual bool Cambiar(const ModoPantalla& modo) = 0;
  virtual void Restaurar(const ModoPantalla& anterior) = 0;
};

// Reads the desktop from the primary screen and never switches (Wayland,
// offscreen, or X servers without mode switching).
class PantallaModosNula : public PantallaModos {
 public:
  ModoPantalla Actual() const override;
  std::vector<ModoPantalla> Modos() const override { return {}; }
  bool Cambiar(const ModoPantalla&) override { return false; }
  void Restaurar(const ModoPantalla&) override {}
};

// XRandR on X11 when the program is built with it and runs on X11; the null
// implementation otherwise.
std::unique_ptr<PantallaModos> CrearPantallaModos();

}  // namespace sendaro
