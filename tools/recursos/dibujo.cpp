#include "dibujo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <random>

namespace sendaro::recursos {
namespace {

constexpr int kAnchoPared = 174;
constexpr int kAltoPared = 384;
// The door labels lie at x 46..129 of each tile, y 81..201 (upper row) and
// 96..216 (lower row, 480 - 384): the opening covers both.
const QRectF kHueco(40, 74, 96, 148);

QImage Lienzo(int w, int h, QColor fondo) {
  QImage im(w, h, QImage::Format_RGB32);
  im.fill(fondo);
  return im;
}

double Azar(std::mt19937& g, double a, double b) {
  return std::uniform_real_distribution<double>(a, b)(g);
}

QColor Variar(std::mt19937& g, QColor c, int cuanto) {
  const int d = static_cast<int>(Azar(g, -cuanto, cuanto));
  return QColor(std::clamp(c.red() + d, 0, 255), std::clamp(c.green() + d, 0, 255),
                std::clamp(c.blue() + d, 0, 255));
}

// Rows of blocks with staggered joints, wrapping at the tile's edges so that
// the tiling shows no seams.
void Sillares(QPainter& p, std::mt19937& g, QColor base, QColor junta, int alto_fila, int ancho_bloque,
              double redondeo, int variacion) {
  p.fillRect(0, 0, kAnchoPared, kAltoPared, junta);
  int fila = 0;
  for (int y = 0; y < kAltoPared; y += alto_fila, ++fila) {
    const int desfase = (fila % 2) * ancho_bloque / 2;
    for (int x = -ancho_bloque; x < kAnchoPared + ancho_bloque; x += ancho_bloque) {
      const QColor c = Variar(g, base, variacion);
      QRectF r(x + desfase + 1.5, y + 1.5, ancho_bloque - 3, alto_fila - 3);
      p.setPen(Qt::NoPen);
      p.setBrush(c);
      p.drawRoundedRect(r, redondeo, redondeo);
      // A little light on the upper edge.
      p.setPen(QPen(c.lighter(118), 1));
      p.drawLine(QPointF(r.left() + redondeo, r.top() + 0.5), QPointF(r.right() - redondeo, r.top() + 0.5));
    }
  }
}

void Puerta(QPainter& p, char tema) {
  p.setRenderHint(QPainter::Antialiasing, true);
  const QRectF h = kHueco;
  switch (tema) {
    case 'I': {  // trapezoidal doorway with a heavy lintel and a golden sun
      QPolygonF marco;
      marco << QPointF(h.left() - 10, h.bottom() + 4) << QPointF(h.left() + 2, h.top() - 12)
            << QPointF(h.right() - 2, h.top() - 12) << QPointF(h.right() + 10, h.bottom() + 4);
      p.setPen(QPen(QColor(92, 58, 30), 2));
      p.setBrush(QColor(176, 128, 74));
      p.drawPolygon(marco);
      QPolygonF hueco;
      hueco << QPointF(h.left() - 2, h.bottom()) << QPointF(h.left() + 8, h.top() - 2)
            << QPointF(h.right() - 8, h.top() - 2) << QPointF(h.right() + 2, h.bottom());
      QLinearGradient lg(h.topLeft(), h.bottomLeft());
      lg.setColorAt(0, QColor(40, 22, 10));
      lg.setColorAt(1, QColor(70, 40, 18));
      p.setBrush(lg);
      p.drawPolygon(hueco);
      p.setBrush(QColor(150, 104, 58));
      p.drawRect(QRectF(h.left() - 4, h.top() - 24, h.width() + 8, 14));
      QRadialGradient sol(QPointF(h.center().x(), h.top() - 44), 14);
      sol.setColorAt(0, QColor(255, 236, 120));
      sol.setColorAt(1, QColor(222, 160, 30));
      p.setBrush(sol);
      p.setPen(QPen(QColor(160, 100, 20), 1.5));
      p.drawEllipse(QPointF(h.center().x(), h.top() - 44), 11, 11);
      for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        const QPointF c(h.center().x(), h.top() - 44);
        p.drawLine(c + QPointF(std::cos(a) * 13, std::sin(a) * 13), c + QPointF(std::cos(a) * 18, std::sin(a) * 18));
      }
      break;
    }
    case 'F': {  // white arched frame with a flower garland
      QPainterPath arco;
      arco.moveTo(h.left() - 8, h.bottom() + 4);
      arco.lineTo(h.left() - 8, h.top() + 30);
      arco.arcTo(QRectF(h.left() - 8, h.top() - 30, h.width() + 16, 80), 180, -180);
      arco.lineTo(h.right() + 8, h.bottom() + 4);
      arco.closeSubpath();
      p.setPen(QPen(QColor(120, 150, 110), 2));
      p.setBrush(QColor(250, 250, 240));
      p.drawPath(arco);
      QPainterPath dentro;
      dentro.moveTo(h.left(), h.bottom());
      dentro.lineTo(h.left(), h.top() + 30);
      dentro.arcTo(QRectF(h.left(), h.top() - 22, h.width(), 64), 180, -180);
      dentro.lineTo(h.right(), h.bottom());
      dentro.closeSubpath();
      p.setBrush(QColor(96, 140, 92));
      p.drawPath(dentro);
      std::mt19937 g(7);
      const QColor flores[] = {QColor(240, 110, 150), QColor(250, 200, 60), QColor(170, 120, 220),
                               QColor(250, 140, 90)};
      for (int i = 0; i <= 14; ++i) {
        const double a = M_PI * i / 14.0;
        const QPointF c(h.center().x() - std::cos(a) * (h.width() / 2 + 4),
                        h.top() + 10 - std::sin(a) * 36);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 160, 80));
        p.drawEllipse(c + QPointF(5, 3), 4, 2.5);
        p.setBrush(flores[i % 4]);
        for (int k = 0; k < 5; ++k) {
          const double b = k * 2 * M_PI / 5 + a;
          p.drawEllipse(c + QPointF(std::cos(b) * 3.2, std::sin(b) * 3.2), 2.6, 2.6);
        }
        p.setBrush(QColor(255, 240, 150));
        p.drawEllipse(c, 1.8, 1.8);
      }
      break;
    }
    case 'C': {  // stone arch, wooden door with iron bands
      QPainterPath arco;
      arco.moveTo(h.left() - 12, h.bottom() + 4);
      arco.lineTo(h.left() - 12, h.top() + 34);
      arco.arcTo(QRectF(h.left() - 12, h.top() - 26, h.width() + 24, 120), 180, -180);
      arco.lineTo(h.right() + 12, h.bottom() + 4);
      arco.closeSubpath();
      p.setPen(QPen(QColor(70, 70, 76), 2));
      p.setBrush(QColor(150, 148, 140));
      p.drawPath(arco);
      for (int i = 0; i <= 8; ++i) {  // voussoirs
        const double a = M_PI * i / 8.0;
        const QPointF c(h.center().x(), h.top() + 34);
        p.drawLine(c + QPointF(-std::cos(a) * (h.width() / 2), -std::sin(a) * 48),
                   c + QPointF(-std::cos(a) * (h.width() / 2 + 12), -std::sin(a) * 60));
      }
      QPainterPath hoja;
      hoja.moveTo(h.left(), h.bottom());
      hoja.lineTo(h.left(), h.top() + 34);
      hoja.arcTo(QRectF(h.left(), h.top() - 14, h.width(), 96), 180, -180);
      hoja.lineTo(h.right(), h.bottom());
      hoja.closeSubpath();
      QLinearGradient madera(h.topLeft(), h.topRight());
      madera.setColorAt(0, QColor(110, 66, 32));
      madera.setColorAt(0.5, QColor(140, 88, 44));
      madera.setColorAt(1, QColor(100, 60, 30));
      p.setBrush(madera);
      p.drawPath(hoja);
      p.setPen(QPen(QColor(80, 46, 22), 1));
      for (double x = h.left() + 12; x < h.right(); x += 12) p.drawLine(QPointF(x, h.top() - 6), QPointF(x, h.bottom()));
      p.setPen(QPen(QColor(50, 50, 56), 4));
      p.drawLine(QPointF(h.left() + 2, h.top() + 40), QPointF(h.right() - 2, h.top() + 40));
      p.drawLine(QPointF(h.left() + 2, h.bottom() - 30), QPointF(h.right() - 2, h.bottom() - 30));
      break;
    }
    case 'N': {  // ice doorway under a cap of snow, with icicles
      QPainterPath arco;
      arco.moveTo(h.left() - 10, h.bottom() + 4);
      arco.lineTo(h.left() - 10, h.top() + 30);
      arco.arcTo(QRectF(h.left() - 10, h.top() - 24, h.width() + 20, 100), 180, -180);
      arco.lineTo(h.right() + 10, h.bottom() + 4);
      arco.closeSubpath();
      p.setPen(QPen(QColor(120, 160, 200), 2));
      p.setBrush(QColor(220, 238, 252));
      p.drawPath(arco);
      QPainterPath dentro;
      dentro.moveTo(h.left(), h.bottom());
      dentro.lineTo(h.left(), h.top() + 30);
      dentro.arcTo(QRectF(h.left(), h.top() - 12, h.width(), 84), 180, -180);
      dentro.lineTo(h.right(), h.bottom());
      dentro.closeSubpath();
      p.setBrush(QColor(40, 70, 120));
      p.drawPath(dentro);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      QPainterPath nieve;
      nieve.moveTo(h.left() - 16, h.top() - 6);
      for (int i = 0; i <= 8; ++i) {
        const double x = h.left() - 16 + i * (h.width() + 32) / 8;
        nieve.quadTo(QPointF(x - 6, h.top() - 40 - (i % 2) * 6), QPointF(x, h.top() - 26));
      }
      nieve.lineTo(h.right() + 16, h.top() - 6);
      nieve.closeSubpath();
      p.drawPath(nieve);
      p.setBrush(QColor(200, 230, 250));
      for (int i = 0; i < 9; ++i) {
        const double x = h.left() - 10 + i * (h.width() + 20) / 8;
        QPolygonF c;
        c << QPointF(x - 3, h.top() - 8) << QPointF(x + 3, h.top() - 8) << QPointF(x, h.top() + 4 + (i % 3) * 5);
        p.drawPolygon(c);
      }
      break;
    }
    case 'A': {  // stepped doorway framed by a turquoise fret
      QPolygonF marco;
      const double l = h.left() - 12, r = h.right() + 12, t = h.top() - 30;
      marco << QPointF(l, h.bottom() + 4) << QPointF(l, t + 24) << QPointF(l + 12, t + 24)
            << QPointF(l + 12, t + 12) << QPointF(l + 24, t + 12) << QPointF(l + 24, t)
            << QPointF(r - 24, t) << QPointF(r - 24, t + 12) << QPointF(r - 12, t + 12)
            << QPointF(r - 12, t + 24) << QPointF(r, t + 24) << QPointF(r, h.bottom() + 4);
      p.setPen(QPen(QColor(90, 40, 20), 2));
      p.setBrush(QColor(60, 160, 150));
      p.drawPolygon(marco);
      p.setBrush(QColor(56, 26, 14));
      p.drawRect(QRectF(h.left(), h.top() + 2, h.width(), h.height() - 2));
      p.setPen(QPen(QColor(240, 200, 80), 2));
      for (double x = l + 4; x < r - 8; x += 12) {  // small fret over the lintel
        QPolygonF gr;
        gr << QPointF(x, t + 8) << QPointF(x, t + 3) << QPointF(x + 8, t + 3) << QPointF(x + 8, t + 8)
           << QPointF(x + 4, t + 8);
        p.drawPolyline(gr);
      }
      break;
    }
    default: {  // 'P': the mouth of a cave
      QPainterPath boca;
      boca.moveTo(h.left() - 14, h.bottom() + 4);
      boca.cubicTo(QPointF(h.left() - 20, h.top() + 40), QPointF(h.left() - 6, h.top() - 30),
                   QPointF(h.center().x(), h.top() - 26));
      boca.cubicTo(QPointF(h.right() + 8, h.top() - 28), QPointF(h.right() + 22, h.top() + 30),
                   QPointF(h.right() + 14, h.bottom() + 4));
      boca.closeSubpath();
      p.setPen(QPen(QColor(70, 50, 34), 3));
      QRadialGradient sombra(QPointF(h.center().x(), h.center().y() + 20), 90);
      sombra.setColorAt(0, QColor(20, 12, 8));
      sombra.setColorAt(1, QColor(70, 48, 30));
      p.setBrush(sombra);
      p.drawPath(boca);
      break;
    }
  }
  p.setRenderHint(QPainter::Antialiasing, false);
}

// Decorations on the wall outside the door.
void Adornos(QPainter& p, char tema, std::mt19937& g) {
  p.setRenderHint(QPainter::Antialiasing, true);
  if (tema == 'F') {
    const QColor flores[] = {QColor(236, 120, 160), QColor(245, 190, 70), QColor(160, 130, 220)};
    for (int i = 0; i < 26; ++i) {
      QPointF c(Azar(g, 4, kAnchoPared - 4), Azar(g, 4, kAltoPared - 4));
      if (kHueco.adjusted(-24, -70, 24, 10).contains(c)) continue;
      p.setPen(Qt::NoPen);
      p.setBrush(flores[i % 3].lighter(115));
      for (int k = 0; k < 5; ++k) {
        const double b = k * 2 * M_PI / 5;
        p.drawEllipse(c + QPointF(std::cos(b) * 2.6, std::sin(b) * 2.6), 2.2, 2.2);
      }
      p.setBrush(QColor(255, 245, 180));
      p.drawEllipse(c, 1.4, 1.4);
    }
  } else if (tema == 'P') {  // hand prints and a small bison in ochre
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 70, 40, 170));
    const QPointF mano(20, 300);
    p.drawEllipse(mano, 7, 8);
    for (int k = 0; k < 5; ++k) {
      const double a = -M_PI / 2 + (k - 2) * 0.38;
      p.drawEllipse(mano + QPointF(std::cos(a) * 12, std::sin(a) * 12), 2.4, 5);
    }
    p.setPen(QPen(QColor(90, 40, 24, 200), 2.2));
    p.setBrush(QColor(140, 60, 30, 150));
    p.drawEllipse(QRectF(96, 296, 40, 22));
    p.drawEllipse(QRectF(128, 298, 16, 14));
    p.drawLine(QPointF(104, 314), QPointF(102, 328));
    p.drawLine(QPointF(114, 316), QPointF(114, 330));
    p.drawLine(QPointF(126, 316), QPointF(128, 330));
    p.drawLine(QPointF(134, 312), QPointF(136, 326));
    p.drawLine(QPointF(140, 300), QPointF(146, 292));
  } else if (tema == 'A') {  // fret frieze along the top
    p.fillRect(QRectF(0, 0, kAnchoPared, 18), QColor(150, 60, 34));
    p.setPen(QPen(QColor(250, 210, 100), 2));
    for (int x = 0; x < kAnchoPared; x += 15) {
      QPolygonF gr;
      gr << QPointF(x + 1, 15) << QPointF(x + 1, 3) << QPointF(x + 12, 3) << QPointF(x + 12, 12)
         << QPointF(x + 5, 12) << QPointF(x + 5, 7) << QPointF(x + 8, 7);
      p.drawPolyline(gr);
    }
    p.fillRect(QRectF(0, 18, kAnchoPared, 3), QColor(60, 160, 150));
  } else if (tema == 'C') {  // a banner between doors
    p.setPen(QPen(QColor(60, 40, 30), 1));
    p.setBrush(QColor(150, 30, 40));
    QPolygonF b;
    b << QPointF(2, 20) << QPointF(24, 20) << QPointF(24, 62) << QPointF(13, 54) << QPointF(2, 62);
    p.drawPolygon(b);
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QPointF(13, 36), 5, 5);
  } else if (tema == 'N') {  // falling snow
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (int i = 0; i < 40; ++i) {
      QPointF c(Azar(g, 0, kAnchoPared), Azar(g, 0, kAltoPared));
      if (kHueco.contains(c)) continue;
      p.drawEllipse(c, 1.3, 1.3);
    }
  }
  p.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace

QImage Pared(char tema) {
  QImage im = Lienzo(kAnchoPared, kAltoPared, Qt::gray);
  QPainter p(&im);
  std::mt19937 g(static_cast<unsigned>(tema) * 977u);
  switch (tema) {
    case 'I': Sillares(p, g, QColor(196, 150, 96), QColor(120, 86, 52), 32, 58, 7, 14); break;
    case 'F': {
      QLinearGradient lg(0, 0, 0, kAltoPared);
      lg.setColorAt(0, QColor(226, 244, 210));
      lg.setColorAt(1, QColor(204, 232, 186));
      p.fillRect(im.rect(), lg);
      p.setPen(QPen(QColor(190, 220, 170), 1));
      for (int x = 0; x < kAnchoPared; x += 29) p.drawLine(x, 0, x, kAltoPared);
      break;
    }
    case 'C': Sillares(p, g, QColor(150, 150, 156), QColor(96, 96, 104), 24, 58, 2, 12); break;
    case 'N': Sillares(p, g, QColor(206, 230, 248), QColor(150, 190, 226), 48, 87, 10, 8); break;
    case 'A': Sillares(p, g, QColor(214, 140, 90), QColor(150, 84, 50), 32, 87, 1, 10); break;
    default: {  // 'P': rock
      QLinearGradient lg(0, 0, kAnchoPared, kAltoPared);
      lg.setColorAt(0, QColor(170, 136, 100));
      lg.setColorAt(1, QColor(150, 116, 84));
      p.fillRect(im.rect(), lg);
      p.setRenderHint(QPainter::Antialiasing, true);
      p.setPen(Qt::NoPen);
      for (int i = 0; i < 90; ++i) {
        const QColor c = Variar(g, QColor(156, 122, 90), 22);
        p.setBrush(QColor(c.red(), c.green(), c.blue(), 110));
        const double x = Azar(g, 0, kAnchoPared), y = Azar(g, 0, kAltoPared);
        const double rx = Azar(g, 6, 22), ry = Azar(g, 4, 14);
        for (int dx : {-kAnchoPared, 0, kAnchoPared}) p.drawEllipse(QPointF(x + dx, y), rx, ry);
      }
      p.setRenderHint(QPainter::Antialiasing, false);
      break;
    }
  }
  Adornos(p, tema, g);
  Puerta(p, tema);
  return im;
}

QImage Vestibulo(char tema) {
  const QImage pared = Pared(tema);
  QImage im = Lienzo(1024, 768, Qt::black);
  QPainter p(&im);
  for (int y = 0; y < 768; y += pared.height())
    for (int x = 0; x < 1024; x += pared.width()) p.drawImage(x, y, pared);
  // A band of floor along the bottom and a soft vignette.
  QLinearGradient suelo(0, 700, 0, 768);
  suelo.setColorAt(0, QColor(0, 0, 0, 0));
  suelo.setColorAt(1, QColor(0, 0, 0, 110));
  p.fillRect(QRect(0, 700, 1024, 68), suelo);
  return im;
}

QImage Suelo(char tema) {
  QImage im = Lienzo(96, 96, Qt::white);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing, true);
  std::mt19937 g(static_cast<unsigned>(tema) * 31u);
  switch (tema) {
    case 'I': {
      im.fill(QColor(246, 232, 206));
      p.setPen(QPen(QColor(226, 202, 164), 2));
      for (int k = 0; k < 2; ++k) {  // stepped diamonds
        const QPointF c(24 + 48 * k, 24 + 48 * k);
        QPolygonF d;
        d << c + QPointF(0, -14) << c + QPointF(14, 0) << c + QPointF(0, 14) << c + QPointF(-14, 0);
        p.drawPolygon(d);
      }
      break;
    }
    case 'F':
      im.fill(QColor(242, 250, 232));
      p.setPen(Qt::NoPen);
      for (int k = 0; k < 4; ++k) {
        const QPointF c(12 + 48 * (k % 2) + 24 * (k / 2), 12 + 48 * (k / 2));
        p.setBrush(QColor(250, 214, 226));
        for (int j = 0; j < 5; ++j) {
          const double b = j * 2 * M_PI / 5;
          p.drawEllipse(c + QPointF(std::cos(b) * 3.5, std::sin(b) * 3.5), 3, 3);
        }
        p.setBrush(QColor(252, 236, 170));
        p.drawEllipse(c, 2, 2);
      }
      break;
    case 'C':
      im.fill(QColor(236, 232, 226));
      p.setPen(QPen(QColor(214, 208, 200), 1));
      for (int y = 0; y < 96; y += 24) {
        p.drawLine(0, y, 96, y);
        for (int x = (y / 24) % 2 * 24; x < 96; x += 48) p.drawLine(x, y, x, y + 24);
      }
      break;
    case 'N':
      im.fill(QColor(238, 246, 252));
      p.setPen(QPen(QColor(210, 228, 244), 1.2));
      for (int k = 0; k < 2; ++k) {
        const QPointF c(24 + 48 * k, 24 + 48 * k);
        for (int j = 0; j < 3; ++j) {
          const double a = j * M_PI / 3;
          p.drawLine(c + QPointF(std::cos(a) * 9, std::sin(a) * 9), c - QPointF(std::cos(a) * 9, std::sin(a) * 9));
        }
      }
      break;
    case 'A':
      im.fill(QColor(248, 232, 214));
      p.setPen(QPen(QColor(232, 200, 170), 2));
      for (int y = 12; y < 96; y += 48) {
        QPolygonF s;
        for (int x = 0; x <= 96; x += 12) s << QPointF(x, y + ((x / 12) % 2) * 8);
        p.drawPolyline(s);
      }
      break;
    default:
      im.fill(QColor(240, 228, 210));
      p.setPen(Qt::NoPen);
      for (int i = 0; i < 18; ++i) {
        p.setBrush(QColor(226, 210, 186, 160));
        const double x = Azar(g, 0, 96), y = Azar(g, 0, 96);
        for (int dx : {-96, 0, 96})
          for (int dy : {-96, 0, 96}) p.drawEllipse(QPointF(x + dx, y + dy), Azar(g, 2, 7), Azar(g, 2, 5));
      }
      break;
  }
  return im;
}

QImage Marco(char estilo, bool derecho) {
  QImage im = Lienzo(23, 96, Qt::white);
  QPainter p(&im);
  QLinearGradient lg(0, 0, 23, 0);
  QColor a, b, detalle;
  if (estilo == 'n') {
    a = QColor(170, 206, 236); b = QColor(226, 242, 252); detalle = Qt::white;
  } else if (estilo == 'p') {
    a = QColor(120, 160, 90); b = QColor(190, 222, 150); detalle = QColor(246, 200, 220);
  } else {
    a = QColor(140, 96, 56); b = QColor(206, 160, 104); detalle = QColor(244, 214, 120);
  }
  lg.setColorAt(derecho ? 1 : 0, a);
  lg.setColorAt(derecho ? 0 : 1, b);
  p.fillRect(im.rect(), lg);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(a.darker(140), 1));
  const int borde = derecho ? 0 : 22;
  p.drawLine(borde, 0, borde, 96);
  p.setPen(Qt::NoPen);
  p.setBrush(detalle);
  for (int y = 12; y < 96; y += 24) {
    if (estilo == 'n') {
      for (int j = 0; j < 3; ++j) {
        const double ang = j * M_PI / 3;
        p.setPen(QPen(detalle, 1.4));
        p.drawLine(QPointF(11.5 + std::cos(ang) * 6, y + std::sin(ang) * 6),
                   QPointF(11.5 - std::cos(ang) * 6, y - std::sin(ang) * 6));
      }
    } else if (estilo == 'p') {
      for (int j = 0; j < 5; ++j) {
        const double ang = j * 2 * M_PI / 5;
        p.drawEllipse(QPointF(11.5 + std::cos(ang) * 3.5, y + std::sin(ang) * 3.5), 2.8, 2.8);
      }
    } else {
      QPolygonF d;
      d << QPointF(11.5, y - 7) << QPointF(18, y) << QPointF(11.5, y + 7) << QPointF(5, y);
      p.drawPolygon(d);
    }
  }
  return im;
}

QImage Lateral(char tema) {
  QImage im = Lienzo(96, 140, QColor(255, 255, 255));
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing, true);
  if (tema == 'I') {  // a golden Inca figure on a stone pedestal
    im.fill(QColor(196, 150, 96));
    p.setPen(QPen(QColor(110, 76, 40), 1.5));
    p.setBrush(QColor(150, 110, 70));
    p.drawRect(QRectF(18, 112, 60, 24));
    QLinearGradient oro(30, 0, 70, 0);
    oro.setColorAt(0, QColor(200, 140, 30));
    oro.setColorAt(0.5, QColor(255, 222, 110));
    oro.setColorAt(1, QColor(190, 130, 20));
    p.setBrush(oro);
    p.setPen(QPen(QColor(130, 80, 10), 1.5));
    QPolygonF cuerpo;
    cuerpo << QPointF(32, 112) << QPointF(36, 60) << QPointF(60, 60) << QPointF(64, 112);
    p.drawPolygon(cuerpo);
    p.drawEllipse(QRectF(34, 26, 28, 34));
    QPolygonF tocado;  // headdress fan
    for (int i = 0; i <= 6; ++i) {
      const double a = M_PI + i * M_PI / 6;
      tocado << QPointF(48 + std::cos(a) * 28, 34 + std::sin(a) * 24);
    }
    tocado << QPointF(48, 34);
    p.drawPolygon(tocado);
    p.setBrush(QColor(90, 50, 10));
    p.drawEllipse(QPointF(42, 42), 2.5, 2);
    p.drawEllipse(QPointF(54, 42), 2.5, 2);
    p.drawLine(QPointF(43, 52), QPointF(53, 52));
    p.drawLine(QPointF(36, 70), QPointF(24, 92));
    p.drawLine(QPointF(60, 70), QPointF(72, 92));
  } else if (tema == 'F') {  // a blossoming tree
    im.fill(QColor(216, 238, 198));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 90, 56));
    QPolygonF tronco;
    tronco << QPointF(42, 138) << QPointF(45, 80) << QPointF(36, 62) << QPointF(48, 70) << QPointF(58, 58)
           << QPointF(52, 80) << QPointF(56, 138);
    p.drawPolygon(tronco);
    std::mt19937 g(11);
    for (int i = 0; i < 14; ++i) {
      p.setBrush(QColor(90 + static_cast<int>(Azar(g, 0, 40)), 170 + static_cast<int>(Azar(g, 0, 40)), 80));
      p.drawEllipse(QPointF(Azar(g, 20, 76), Azar(g, 18, 66)), 16, 14);
    }
    for (int i = 0; i < 22; ++i) {
      p.setBrush(i % 2 ? QColor(250, 170, 200) : QColor(255, 240, 250));
      p.drawEllipse(QPointF(Azar(g, 14, 82), Azar(g, 10, 74)), 3, 3);
    }
  } else if (tema == 'C') {  // a knight on horseback
    im.fill(QColor(170, 170, 176));
    p.setPen(QPen(QColor(40, 30, 30), 1.5));
    p.setBrush(QColor(120, 80, 50));  // horse
    p.drawEllipse(QRectF(14, 74, 58, 30));
    QPolygonF cuello;
    cuello << QPointF(60, 84) << QPointF(74, 56) << QPointF(86, 60) << QPointF(80, 68) << QPointF(68, 92);
    p.drawPolygon(cuello);
    for (double x : {20.0, 30.0, 56.0, 64.0}) p.drawRect(QRectF(x, 100, 5, 30));
    p.setBrush(QColor(150, 150, 160));  // knight
    p.drawRect(QRectF(34, 46, 18, 34));
    p.drawEllipse(QRectF(35, 28, 16, 18));
    p.setBrush(QColor(170, 30, 40));
    p.drawRect(QRectF(28, 54, 10, 20));
    p.setPen(QPen(QColor(90, 70, 40), 2.5));
    p.drawLine(QPointF(50, 58), QPointF(92, 20));  // lance
    p.setBrush(QColor(240, 200, 60));
    p.setPen(QPen(QColor(40, 30, 30), 1));
    QPolygonF pendon;
    pendon << QPointF(86, 25) << QPointF(94, 14) << QPointF(96, 28);
    p.drawPolygon(pendon);
  } else {  // 'N': a snowman
    im.fill(QColor(206, 230, 248));
    p.setPen(QPen(QColor(150, 180, 210), 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(48, 112), 30, 26);
    p.drawEllipse(QPointF(48, 70), 22, 20);
    p.drawEllipse(QPointF(48, 36), 15, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 40));
    p.drawRect(QRectF(36, 10, 24, 14));
    p.drawRect(QRectF(31, 22, 34, 4));
    p.drawEllipse(QPointF(43, 33), 2, 2);
    p.drawEllipse(QPointF(53, 33), 2, 2);
    for (int y : {62, 72, 82}) p.drawEllipse(QPointF(48, y), 2, 2);
    p.setBrush(QColor(250, 130, 30));
    QPolygonF nariz;
    nariz << QPointF(48, 37) << QPointF(62, 40) << QPointF(48, 41);
    p.drawPolygon(nariz);
    p.setBrush(QColor(200, 40, 50));
    p.drawRect(QRectF(32, 50, 32, 6));
    p.drawRect(QRectF(52, 50, 6, 18));
  }
  return im;
}

QImage Rotulo(bool nieve) {
  QImage im = Lienzo(97, 57, Qt::white);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing, true);
  im.fill(nieve ? QColor(206, 230, 248) : QColor(196, 150, 96));
  QLinearGradient madera(0, 0, 0, 57);
  madera.setColorAt(0, QColor(120, 70, 34));
  madera.setColorAt(1, QColor(84, 46, 20));
  p.setPen(QPen(QColor(50, 26, 10), 2));
  p.setBrush(madera);
  p.drawRoundedRect(QRectF(3, 4, 91, 49), 6, 6);
  p.setPen(QPen(QColor(140, 90, 50), 1));
  for (int y = 14; y < 50; y += 10) p.drawLine(8, y, 89, y);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 200, 200));
  p.drawEllipse(QPointF(9, 10), 2, 2);
  p.drawEllipse(QPointF(88, 10), 2, 2);
  if (nieve) {
    p.setBrush(Qt::white);
    QPainterPath cap;
    cap.moveTo(2, 8);
    cap.quadTo(20, -2, 40, 6);
    cap.quadTo(62, -2, 95, 8);
    cap.lineTo(95, 12);
    cap.quadTo(60, 6, 2, 12);
    cap.closeSubpath();
    p.drawPath(cap);
  }
  return im;
}

QImage Chica() {
  // 56 x 140, white background (the colour the program treats as clear).
  QImage im = Lienzo(56, 140, Qt::white);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QColor piel(250, 212, 178), pelo(120, 66, 30), camiseta(90, 170, 220), falda(230, 90, 120);
  p.setPen(QPen(QColor(60, 40, 30), 1));
  // Hair behind, face, ponytail.
  p.setBrush(pelo);
  p.drawEllipse(QRectF(13, 6, 30, 30));
  p.drawEllipse(QRectF(38, 14, 12, 22));
  p.setBrush(piel);
  p.drawEllipse(QRectF(16, 12, 24, 26));
  p.setBrush(pelo);
  QPainterPath flequillo;
  flequillo.moveTo(15, 22);
  flequillo.quadTo(22, 6, 42, 20);
  flequillo.quadTo(30, 14, 15, 22);
  p.drawPath(flequillo);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(50, 40, 40));
  p.drawEllipse(QPointF(24, 26), 1.8, 2.2);
  p.drawEllipse(QPointF(33, 26), 1.8, 2.2);
  p.setBrush(QColor(246, 160, 160));
  p.drawEllipse(QPointF(21, 31), 2.4, 1.5);
  p.drawEllipse(QPointF(36, 31), 2.4, 1.5);
  p.setPen(QPen(QColor(170, 60, 60), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(24, 28, 9, 6), 200 * 16, 140 * 16);
  // Neck, T-shirt, arms (one waving), skirt, legs, shoes.
  p.setPen(QPen(QColor(60, 40, 30), 1));
  p.setBrush(piel);
  p.drawRect(QRectF(25, 37, 6, 5));
  p.setBrush(camiseta);
  QPainterPath cuerpo;
  cuerpo.moveTo(16, 46);
  cuerpo.quadTo(28, 38, 40, 46);
  cuerpo.lineTo(38, 78);
  cuerpo.lineTo(18, 78);
  cuerpo.closeSubpath();
  p.drawPath(cuerpo);
  p.setBrush(piel);
  QPolygonF brazo_i;
  brazo_i << QPointF(16, 47) << QPointF(9, 66) << QPointF(11, 80) << QPointF(15, 80) << QPointF(15, 66) << QPointF(20, 52);
  p.drawPolygon(brazo_i);
  QPolygonF brazo_d;
  brazo_d << QPointF(38, 47) << QPointF(48, 36) << QPointF(50, 22) << QPointF(46, 22) << QPointF(44, 34) << QPointF(36, 52);
  p.drawPolygon(brazo_d);
  p.drawEllipse(QPointF(48, 20), 3.5, 3.5);
  p.setBrush(falda);
  QPolygonF f;
  f << QPointF(18, 76) << QPointF(38, 76) << QPointF(44, 100) << QPointF(12, 100);
  p.drawPolygon(f);
  p.setBrush(piel);
  p.drawRect(QRectF(20, 100, 6, 28));
  p.drawRect(QRectF(30, 100, 6, 28));
  p.setBrush(QColor(60, 60, 160));
  p.drawRoundedRect(QRectF(16, 126, 11, 7), 3, 3);
  p.drawRoundedRect(QRectF(30, 126, 11, 7), 3, 3);
  // A folder under the arm: she is a student.
  p.setBrush(QColor(250, 200, 60));
  p.drawRect(QRectF(6, 62, 12, 16));
  return im;
}

QImage Helicoptero() {
  QImage im = Lienzo(80, 44, Qt::white);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(QColor(40, 40, 50), 1.2));
  p.setBrush(QColor(60, 60, 70));
  p.drawRect(QRectF(6, 3, 58, 2.5));     // rotor
  p.drawRect(QRectF(33, 5, 3, 6));
  p.setBrush(QColor(220, 60, 50));
  p.drawRect(QRectF(44, 19, 30, 5));     // tail boom
  p.drawEllipse(QRectF(68, 13, 9, 14));  // tail rotor disc
  QLinearGradient lg(0, 10, 0, 36);
  lg.setColorAt(0, QColor(240, 90, 70));
  lg.setColorAt(1, QColor(180, 40, 36));
  p.setBrush(lg);
  p.drawEllipse(QRectF(14, 10, 40, 26));  // cabin
  p.setBrush(QColor(170, 220, 250));
  QPainterPath cristal;
  cristal.moveTo(17, 22);
  cristal.quadTo(20, 12, 32, 12);
  cristal.lineTo(32, 22);
  cristal.closeSubpath();
  p.drawPath(cristal);
  p.setPen(QPen(QColor(40, 40, 50), 2));
  p.drawLine(QPointF(18, 40), QPointF(50, 40));  // skids
  p.drawLine(QPointF(24, 35), QPointF(22, 40));
  p.drawLine(QPointF(44, 35), QPointF(46, 40));
  return im;
}

}  // namespace sendaro::recursos
