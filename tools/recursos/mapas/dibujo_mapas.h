// The three map pictures and "puntos3", drawn from one geometry.
#pragma once

#include <QColor>
#include <QImage>
#include <map>
#include <string>

#include "../geografia.h"

namespace sendaro::recursos {

// Fixed colours of the maps; the region colours come from ColoresRegiones.
inline const QColor kColorMar(190, 222, 242);
inline const QColor kColorTierraAjena(232, 227, 214);
inline const QColor kColorBorde(92, 96, 112);

// One colour per code, no two alike, neighbours from different families;
// `calidos` are the codes drawn in warm colours (Madrid city's districts).
std::map<int, QColor> ColoresRegiones(const Rejilla& r, int maximo, int calidos = 0);

// The picture of a map: regions in their colours with a one-pixel border
// where they meet each other or the outside.
QImage DibujarMapa(const MapaGeo& m, const std::map<int, QColor>& colores, QColor fondo);

struct MapasDibujados {
  QImage mapa, mapac, mapam;
  std::string puntos3;
};

// Reads the geometry built into the program and draws everything.
bool DibujarMapas(MapasDibujados& salida, std::string& error);

}  // namespace sendaro::recursos
