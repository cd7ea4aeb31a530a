// The animated hall put together: the theme's scene built on its DXDraw
// surface and attached to the hall, with the scene's requests wired to the
// hall's own handlers.
#pragma once

#include <QString>

namespace sendaro {

struct Servicios;
class Tform0;

// Builds the animated scene of the current theme and attaches it to `hall`.
// False, with the reason in `error`, when it cannot be built: the hall stays
// static. The scene belongs to the hall from then on.
bool MontarEscena(Tform0& hall, Servicios& servicios, QString& error);

}  // namespace sendaro
