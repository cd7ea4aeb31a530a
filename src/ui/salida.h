// The confirmed exit used by the hall (Esc, close box) and the screens that
// ask before closing.
#pragma once

namespace sendaro {

struct Servicios;

// Asks with the common dialog (catalogue text 49). Yes: shows the hall,
// restores the display mode if the program changed it, sets FalloGrave and
// asks the application to end; returns true. No: nothing changes; false.
bool SalidaConfirmada(Servicios& servicios);

}  // namespace sendaro
