#include "dibujo_mapas.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <functional>

#include "../geografia.h"

namespace sendaro::recursos {

namespace {

QImage Lienzo(int w, int h, QColor fondo) {
  QImage im(w, h, QImage::Format_RGB32);
  im.fill(fondo);
  return im;
}

const QColor kMar(184, 218, 240);
const QColor kTierraAjena(226, 222, 210);

// Soft colours for the regions, far enough apart to tell neighbours apart.
QColor ColorRegion(int codigo, int total, double saturacion = 0.38, double valor = 0.96) {
  const double h = std::fmod(codigo * 0.6180339887, 1.0);
  (void)total;
  return QColor::fromHsvF(static_cast<float>(h), static_cast<float>(saturacion), static_cast<float>(valor));
}

// Paints a label grid: region colours, darker lines where regions meet.
void PintarRejilla(QImage& im, const Rejilla& r, const std::function<QColor(int)>& color) {
  for (int y = 0; y < r.alto && y < im.height(); ++y) {
    for (int x = 0; x < r.ancho && x < im.width(); ++x) {
      const int c = r.En(x, y);
      if (c == 0) continue;
      const bool borde = r.En(x + 1, y) != c || r.En(x, y + 1) != c || r.En(x - 1, y) != c ||
                         r.En(x, y - 1) != c;
      QColor col = color(c);
      if (borde) col = col.darker(185);
      im.setPixelColor(x, y, col);
    }
  }
}

void PintarTierra(QImage& im, const std::vector<Punto>& pol) {
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(kTierraAjena.darker(130), 1));
  p.setBrush(kTierraAjena);
  QPolygonF q;
  for (const auto& pt : pol) q << QPointF(pt.x, pt.y);
  p.drawPolygon(q);
}

}  // namespace

QImage MapaComunidades(const Rejilla& r) {
  QImage im = Lienzo(r.ancho, r.alto, kMar);
  PintarTierra(im, Proyectar(ContornoPortugal(), Peninsula));
  PintarTierra(im, Proyectar(ContornoFrancia(), Peninsula));
  PintarTierra(im, Proyectar(ContornoAfrica(), Peninsula));
  {
    QPainter p(&im);  // the Canary Islands' inset frame
    p.setPen(QPen(QColor(110, 140, 170), 1));
    p.setBrush(QColor(196, 226, 246));
    p.drawRect(QRectF(3.5, 153.5, 72, 38));
  }
  PintarRejilla(im, r, [](int c) { return ColorRegion(c, 19); });
  return im;
}

QImage MapaComarcas(const Rejilla& r) {
  QImage im = Lienzo(r.ancho, r.alto, kMar);
  {
    QPainter p(&im);  // Aragón, Valencia, France and Andorra around Catalonia
    p.setPen(Qt::NoPen);
    p.setBrush(kTierraAjena);
    QPolygonF costa;
    for (const auto& pt : Proyectar({{-0.5, 43.2}, {3.17, 43.2}, {3.17, 42.43}, {3.32, 42.32},
                                     {3.12, 42.12}, {3.22, 41.95}, {2.8, 41.65}, {2.3, 41.45},
                                     {2.1, 41.28}, {1.6, 41.18}, {1.2, 41.06}, {0.95, 40.95},
                                     {0.87, 40.72}, {0.6, 40.6}, {0.52, 40.52}, {0.3, 40.2},
                                     {-0.5, 40.2}},
                                    Cataluna))
      costa << QPointF(pt.x, pt.y);
    p.drawPolygon(costa);
  }
  // Province tints: Barcelona warm, Girona green, Lleida blue, Tarragona gold.
  auto color = [](int c) {
    static const int provincia[42] = {0, 4, 2, 1, 3, 3, 1, 1, 4, 4, 2, 1, 4, 4, 1, 2, 4, 1, 3, 2,
                                      2, 1, 4, 3, 1, 3, 3, 3, 2, 4, 4, 2, 3, 3, 2, 3, 4, 1, 3, 3,
                                      1, 1};
    static const double tono[5] = {0, 0.04, 0.33, 0.58, 0.13};
    const int pr = c >= 1 && c <= 41 ? provincia[c] : 1;
    const double h = tono[pr] + std::fmod(c * 0.037, 0.07);
    const double s = 0.22 + std::fmod(c * 0.13, 0.22);
    return QColor::fromHsvF(static_cast<float>(std::fmod(h + 1.0, 1.0)), static_cast<float>(s), 0.97f);
  };
  PintarRejilla(im, r, color);
  return im;
}

QImage MapaZonas(const Rejilla& r) {
  QImage im = Lienzo(r.ancho, r.alto, QColor(236, 240, 226));
  {
    QPainter p(&im);  // Segovia, Guadalajara, Toledo and Ávila around Madrid
    p.setPen(QPen(QColor(200, 204, 190), 1));
    for (int x = -220; x < 281; x += 14) p.drawLine(x, 220, x + 220, 0);
  }
  PintarRejilla(im, r, [](int c) {
    return c <= 11 ? QColor::fromHsvF(static_cast<float>(std::fmod(0.02 + c * 0.083, 1.0)), 0.42f, 0.98f)
                   : ColorRegion(c, 28, 0.30, 0.95);
  });
  {
    QPainter p(&im);  // the capital's boundary
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(120, 40, 40, 180), 1.2));
    p.setBrush(Qt::NoBrush);
    const Punto c = CentroCiudad();
    p.drawEllipse(QPointF(c.x, c.y), kRadioCiudad, kRadioCiudad);
  }
  return im;
}

}  // namespace sendaro::recursos
