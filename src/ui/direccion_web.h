// Opening a web address from the data in the user's browser.
#pragma once

#include <QString>

namespace sendaro {

class Dialogos;

// Opens `direccion` when it is an http or https address; anything else, or
// a browser that does not start, shows a short message instead. True when
// the page was handed to the browser.
bool AbrirDireccionWeb(Dialogos& dialogos, const QString& direccion);

}  // namespace sendaro
