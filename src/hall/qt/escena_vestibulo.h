// The animated hall put together: the theme's scene built on its DXDraw
// surface and attached to the hall, with the scene's requests wired to the
// hall's own handlers.
#pragma once

#include <QString>
#include <future>

#include "hall/qt/escena_qt.h"

namespace sendaro {

struct Servicios;
class Tform0;

// Starts reading the current theme's lists in the background, so that they
// load while the program creates its screens.
std::future<ListasEscena> PrecargarEscena(const Servicios& servicios);

// Builds the animated scene on `listas` and attaches it to `hall`. False,
// with the reason in `error`, when it cannot be built: the hall stays static.
// The scene belongs to the hall from then on.
bool MontarEscena(Tform0& hall, Servicios& servicios, ListasEscena listas, QString& error);

}  // namespace sendaro
