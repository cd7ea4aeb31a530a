#include "dibujo_mapas.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <set>

#include "fuentes_mapas.h"

namespace sendaro::recursos {

namespace {

// Soft, friendly families; neighbours never share one.
const QColor kFamilias[] = {
    QColor(246, 196, 140),  // apricot
    QColor(186, 224, 166),  // mint
    QColor(247, 228, 140),  // butter
    QColor(204, 188, 232),  // lavender
    QColor(242, 168, 166),  // salmon
    QColor(156, 214, 206),  // aqua
    QColor(238, 186, 222),  // pink
    QColor(222, 234, 150),  // lime
};
// Warm families only for the city districts of the zone map, cool ones for
// the rest of the community.
const int kCalidas[] = {0, 2, 4, 6};
const int kFrias[] = {1, 3, 5, 7};

QColor Aclarar(QColor c, int d) {
  return QColor(std::clamp(c.red() + d, 0, 255), std::clamp(c.green() + d, 0, 255), std::clamp(c.blue() + d, 0, 255));
}

void PintarPoligonos(QImage& im, const std::vector<Anillo>& anillos, QColor relleno, QColor linea) {
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(linea.isValid() ? QPen(linea, 0.8) : QPen(Qt::NoPen));
  p.setBrush(relleno.isValid() ? QBrush(relleno) : QBrush(Qt::NoBrush));
  for (const auto& a : anillos) {
    QPolygonF q;
    for (const auto& pt : a) q << QPointF(pt.x, pt.y);
    p.drawPolygon(q);
  }
}

}  // namespace

std::map<int, QColor> ColoresRegiones(const Rejilla& r, int maximo, int calidos) {
  std::vector<std::set<int>> vecinos(static_cast<std::size_t>(maximo) + 1);
  for (int y = 0; y < r.alto; ++y) {
    for (int x = 0; x < r.ancho; ++x) {
      const int c = r.En(x, y);
      if (c < 1 || c > maximo) continue;
      for (const int o : {static_cast<int>(r.En(x + 1, y)), static_cast<int>(r.En(x, y + 1)),
                          static_cast<int>(r.En(x + 1, y + 1)), static_cast<int>(r.En(x - 1, y + 1))}) {
        if (o >= 1 && o <= maximo && o != c) {
          vecinos[static_cast<std::size_t>(c)].insert(o);
          vecinos[static_cast<std::size_t>(o)].insert(c);
        }
      }
    }
  }
  // Greedy colouring, most connected first; within a family the members are
  // told apart by a small change of lightness.
  std::vector<int> orden;
  for (int c = 1; c <= maximo; ++c) orden.push_back(c);
  std::stable_sort(orden.begin(), orden.end(), [&](int a, int b) {
    return vecinos[static_cast<std::size_t>(a)].size() > vecinos[static_cast<std::size_t>(b)].size();
  });
  std::map<int, int> familia;
  std::map<int, int> usos;
  std::map<int, QColor> colores;
  for (const int c : orden) {
    std::vector<int> candidatas;
    if (calidos > 0) {
      if (c <= calidos) candidatas.assign(std::begin(kCalidas), std::end(kCalidas));
      else candidatas.assign(std::begin(kFrias), std::end(kFrias));
    } else {
      for (int f = 0; f < static_cast<int>(std::size(kFamilias)); ++f) candidatas.push_back(f);
    }
    int elegida = -1;
    for (const int f : candidatas) {
      bool libre = true;
      for (const int v : vecinos[static_cast<std::size_t>(c)])
        if (familia.count(v) != 0 && familia[v] == f) libre = false;
      if (libre && (elegida < 0 || usos[f] < usos[elegida])) elegida = f;
    }
    if (elegida < 0) elegida = candidatas[static_cast<std::size_t>(c) % candidatas.size()];
    familia[c] = elegida;
    const int k = usos[elegida]++;
    const int cambio = (k % 2 == 0 ? 1 : -1) * ((k + 1) / 2) * 7;
    colores[c] = Aclarar(kFamilias[elegida], cambio);
  }
  return colores;
}

QImage DibujarMapa(const MapaGeo& m, const std::map<int, QColor>& colores, QColor fondo) {
  const Rejilla& r = m.rejilla;
  QImage im(r.ancho, r.alto, QImage::Format_RGB32);
  im.fill(fondo);
  PintarPoligonos(im, m.tierra, kColorTierraAjena, kColorTierraAjena.darker(118));
  PintarPoligonos(im, m.lindes, QColor(), kColorTierraAjena.darker(135));
  PintarPoligonos(im, m.recuadros, kColorMar.lighter(106), kColorBorde.lighter(150));
  for (int y = 0; y < r.alto; ++y) {
    for (int x = 0; x < r.ancho; ++x) {
      const int c = r.En(x, y);
      if (c == 0) continue;
      // One pixel wide: on the coast every region pixel touching the outside,
      // between regions the pixel before the change to the right or below.
      const bool costa = r.En(x - 1, y) == 0 || r.En(x + 1, y) == 0 || r.En(x, y - 1) == 0 || r.En(x, y + 1) == 0;
      const bool linde = (r.En(x + 1, y) != 0 && r.En(x + 1, y) != c) || (r.En(x, y + 1) != 0 && r.En(x, y + 1) != c);
      const auto it = colores.find(c);
      im.setPixelColor(x, y, costa || linde || it == colores.end() ? kColorBorde : it->second);
    }
  }
  return im;
}

bool DibujarMapas(MapasDibujados& salida, std::string& error) {
  Geografia g;
  if (!LeerGeografia(fuentes::comunidades, fuentes::vecinos, fuentes::comarcas_cataluna, fuentes::zonas_madrid, g,
                     error))
    return false;
  const MapaGeo comunidades = GeoComunidades(g);
  const MapaGeo comarcas = GeoComarcas(g);
  const MapaGeo zonas = GeoZonas(g);
  salida.mapa = DibujarMapa(comunidades, ColoresRegiones(comunidades.rejilla, comunidades.maximo), kColorMar);
  salida.mapac = DibujarMapa(comarcas, ColoresRegiones(comarcas.rejilla, comarcas.maximo), kColorMar);
  salida.mapam = DibujarMapa(zonas, ColoresRegiones(zonas.rejilla, zonas.maximo, 11), kColorTierraAjena);
  salida.puntos3 = Puntos3(comunidades.rejilla, comarcas.rejilla, zonas.rejilla, error);
  return error.empty();
}

}  // namespace sendaro::recursos
