// The one conversion point between the domain's Windows-1252 byte strings
// and Qt's QString, and between the palette and QColor.
#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "data/temas.h"

namespace sendaro {

QString DeWin(std::string_view texto);
// Characters Windows-1252 lacks become '?'.
std::string AWin(const QString& texto);

inline QColor ColorQ(const Color& c) { return QColor(c.r, c.g, c.b); }

}  // namespace sendaro
