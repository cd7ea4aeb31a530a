// Pictures of the static hall: the wall tiles "parte"+letter, the guide's
// frames, the door-opening frames and the speech bubble.
//
// A wall tile is 174 x 399: repeated from the hall's top left it puts one
// door behind every door label (x 46 + 174 k; y 81 upper row, 480 lower),
// and stretched by the door zoom it is the door panel. Its door and the
// door's frame stay inside x 29..145; the sixths outside (x 0..29 and
// 145..174) are plain wall that joins seamlessly, which is what the program
// repeats over a tile cell that has no door label in front of it. Every
// texture therefore repeats every 58 pixels across.
#pragma once

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <random>

#include "../../src/hall/vestibulo_estatico.h"

namespace sendaro::recursos::vestibulo {

inline constexpr int kAncho = 174;
inline constexpr int kAlto = 399;
inline constexpr int kPaso = 58;  // horizontal period of every wall texture
inline constexpr int kRepisa = 12;  // ledge at the top of the tile
// The doorway: exactly where the door labels stand.
inline const QRectF kHueco(kPuertaEnTesela.x, kPuertaEnTesela.y, kPuertaEnTesela.ancho,
                           kPuertaEnTesela.alto);

inline double Azar(std::mt19937& g, double a, double b) {
  return std::uniform_real_distribution<double>(a, b)(g);
}

inline QColor Matiz(std::mt19937& g, QColor c, int cuanto) {
  const int d = static_cast<int>(Azar(g, -cuanto, cuanto));
  return QColor(std::clamp(c.red() + d, 0, 255), std::clamp(c.green() + d, 0, 255),
                std::clamp(c.blue() + d, 0, 255));
}

struct Estilo {
  QColor piedra, junta, repisa, marco, marcoOscuro, adorno;
  int altoFila;  // block rows; the ledge hides where the last row is cut
  double redondeo;
  int variacion;
};

inline Estilo EstiloDe(char tema) {
  switch (tema) {
    case 'I': return {{198, 152, 98}, {122, 88, 54}, {140, 98, 56}, {176, 128, 74}, {92, 58, 30}, {240, 190, 60}, 29, 6, 14};
    case 'F': return {{222, 242, 208}, {188, 218, 168}, {120, 170, 96}, {250, 250, 240}, {120, 150, 110}, {236, 120, 160}, 29, 2, 4};
    case 'C': return {{150, 150, 156}, {96, 96, 104}, {110, 90, 70}, {162, 160, 150}, {70, 70, 76}, {170, 30, 40}, 29, 2, 12};
    case 'N': return {{208, 232, 250}, {150, 190, 226}, {240, 248, 255}, {222, 240, 252}, {120, 160, 200}, {255, 255, 255}, 43, 8, 8};
    case 'A': return {{214, 142, 92}, {150, 84, 50}, {60, 160, 150}, {60, 160, 150}, {90, 40, 20}, {250, 210, 100}, 29, 1, 10};
    default: return {{162, 128, 94}, {120, 92, 66}, {110, 84, 60}, {120, 92, 66}, {70, 50, 34}, {170, 70, 40}, 29, 10, 18};
  }
}

// Rows of blocks with staggered joints; the pattern repeats every kPaso
// pixels across (two blocks of 58 or four of 29 per period).
inline void Sillares(QPainter& p, std::mt19937& g, const Estilo& e, int desde, int anchoBloque) {
  p.fillRect(QRect(0, desde, kAncho, kAlto - desde), e.junta);
  int fila = 0;
  for (int y = desde; y < kAlto; y += e.altoFila, ++fila) {
    const int desfase = (fila % 2) * anchoBloque / 2;
    for (int x = -anchoBloque; x < kAncho + anchoBloque; x += anchoBloque) {
      const QColor c = Matiz(g, e.piedra, e.variacion);
      const QRectF r(x + desfase + 1.5, y + 1.5, anchoBloque - 3, e.altoFila - 3);
      p.setPen(Qt::NoPen);
      p.setBrush(c);
      p.drawRoundedRect(r, e.redondeo, e.redondeo);
      p.setPen(QPen(c.lighter(116), 1));
      p.drawLine(QPointF(r.left() + e.redondeo, r.top() + 0.5),
                 QPointF(r.right() - e.redondeo, r.top() + 0.5));
      p.setPen(QPen(c.darker(112), 1));
      p.drawLine(QPointF(r.left() + e.redondeo, r.bottom() - 0.5),
                 QPointF(r.right() - e.redondeo, r.bottom() - 0.5));
    }
  }
}

// The wall without its door: texture, ledge and small ornaments that repeat
// every kPaso pixels.
inline void Muro(QPainter& p, char tema, const Estilo& e) {
  std::mt19937 g(static_cast<unsigned>(tema) * 131u);
  p.setRenderHint(QPainter::Antialiasing, true);
  switch (tema) {
    case 'F': {
      QLinearGradient lg(0, 0, 0, kAlto);
      lg.setColorAt(0, QColor(230, 246, 214));
      lg.setColorAt(1, QColor(204, 232, 186));
      p.fillRect(QRect(0, 0, kAncho, kAlto), lg);
      p.setPen(QPen(QColor(186, 216, 164), 2));
      for (int x = 0; x < kAncho; x += kPaso / 2) p.drawLine(x, 0, x, kAlto);
      // Climbing flowers on every trellis post.
      const QColor flores[] = {{236, 120, 160}, {245, 190, 70}, {160, 130, 220}};
      for (int x = 0; x <= kAncho; x += kPaso / 2) {
        for (int y = 40 + (x / 29 % 2) * 50; y < kAlto; y += 100) {
          p.setPen(Qt::NoPen);
          p.setBrush(QColor(110, 170, 90));
          p.drawEllipse(QPointF(x + 5, y + 4), 5, 2.5);
          p.drawEllipse(QPointF(x - 5, y + 10), 5, 2.5);
          p.setBrush(flores[(x / 29 + y / 100) % 3]);
          for (int k = 0; k < 5; ++k) {
            const double b = k * 2 * M_PI / 5;
            p.drawEllipse(QPointF(x + std::cos(b) * 3.4, y + std::sin(b) * 3.4), 2.8, 2.8);
          }
          p.setBrush(QColor(255, 240, 150));
          p.drawEllipse(QPointF(x, y), 1.8, 1.8);
        }
      }
      break;
    }
    case 'P': {
      p.fillRect(QRect(0, 0, kAncho, kAlto), e.piedra);
      p.setPen(Qt::NoPen);
      // Rock blotches placed in one period and repeated across.
      for (int i = 0; i < 60; ++i) {
        const QColor c = Matiz(g, QColor(150, 116, 84), 24);
        p.setBrush(QColor(c.red(), c.green(), c.blue(), 120));
        const double x = Azar(g, 0, kPaso), y = Azar(g, 0, kAlto);
        const double rx = Azar(g, 5, 16), ry = Azar(g, 4, 12);
        for (int dx = -kPaso; dx <= kAncho + kPaso; dx += kPaso) {
          p.drawEllipse(QPointF(x + dx, y), rx, ry);
        }
      }
      p.setPen(QPen(QColor(96, 70, 48, 150), 1.2));
      for (int dx = 0; dx <= kAncho; dx += kPaso) {  // cracks
        p.drawLine(QPointF(dx + 10, 60), QPointF(dx + 18, 90));
        p.drawLine(QPointF(dx + 18, 90), QPointF(dx + 14, 120));
        p.drawLine(QPointF(dx + 40, 260), QPointF(dx + 48, 300));
      }
      break;
    }
    case 'N': Sillares(p, g, e, 0, kPaso); break;
    default: Sillares(p, g, e, 0, kPaso); break;
  }
  // The ledge: the floor of the upper doors, seen at the top of each tile.
  QLinearGradient repisa(0, 0, 0, kRepisa);
  repisa.setColorAt(0, e.repisa.lighter(125));
  repisa.setColorAt(1, e.repisa.darker(130));
  p.fillRect(QRect(0, 0, kAncho, kRepisa), repisa);
  p.fillRect(QRect(0, kRepisa, kAncho, 3), QColor(0, 0, 0, 50));
  if (tema == 'A') {  // a fret frieze under the ledge
    p.fillRect(QRect(0, kRepisa + 3, kAncho, 14), QColor(150, 60, 34));
    p.setPen(QPen(e.adorno, 2));
    for (int x = 0; x < kAncho; x += kPaso / 4) {
      QPolygonF gr;
      gr << QPointF(x + 1, kRepisa + 14) << QPointF(x + 1, kRepisa + 5) << QPointF(x + 12, kRepisa + 5)
         << QPointF(x + 12, kRepisa + 12) << QPointF(x + 6, kRepisa + 12);
      p.drawPolyline(gr);
    }
  } else if (tema == 'N') {  // snow on the ledge, icicles below
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int x = 0; x <= kAncho; x += kPaso / 2) p.drawEllipse(QPointF(x, 2), 16, 6);
    p.setBrush(QColor(200, 230, 250));
    for (int x = 6; x < kAncho; x += kPaso / 4) {
      QPolygonF c;
      c << QPointF(x - 3, kRepisa) << QPointF(x + 3, kRepisa) << QPointF(x, kRepisa + 8 + (x % 3) * 4);
      p.drawPolygon(c);
    }
  }
}

// The doorway around the label's place, in the theme's style.
inline void Portal(QPainter& p, char tema, const Estilo& e) {
  p.setRenderHint(QPainter::Antialiasing, true);
  const QRectF h = kHueco;
  const QPointF centro(h.center().x(), h.top());
  // Threshold step under the door.
  p.setPen(QPen(e.marcoOscuro, 1.5));
  p.setBrush(e.marco.darker(115));
  p.drawRect(QRectF(h.left() - 8, h.bottom(), h.width() + 16, 8));
  switch (tema) {
    case 'I': {  // trapezoidal Inca doorway, heavy lintel, golden sun
      QPolygonF marco;
      marco << QPointF(h.left() - 12, h.bottom() + 1) << QPointF(h.left() - 4, h.top() - 12)
            << QPointF(h.right() + 4, h.top() - 12) << QPointF(h.right() + 12, h.bottom() + 1);
      p.setBrush(e.marco);
      p.drawPolygon(marco);
      p.setBrush(QColor(150, 104, 58));
      p.drawRect(QRectF(h.left() - 10, h.top() - 24, h.width() + 20, 14));
      QRadialGradient sol(QPointF(centro.x(), h.top() - 42), 13);
      sol.setColorAt(0, QColor(255, 236, 120));
      sol.setColorAt(1, QColor(222, 160, 30));
      p.setBrush(sol);
      p.setPen(QPen(QColor(160, 100, 20), 1.5));
      p.drawEllipse(QPointF(centro.x(), h.top() - 42), 10, 10);
      for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        const QPointF c(centro.x(), h.top() - 42);
        p.drawLine(c + QPointF(std::cos(a) * 12, std::sin(a) * 12),
                   c + QPointF(std::cos(a) * 17, std::sin(a) * 17));
      }
      break;
    }
    case 'F': {  // white arch with a garland of flowers
      QPainterPath arco;
      arco.moveTo(h.left() - 10, h.bottom() + 1);
      arco.lineTo(h.left() - 10, h.top() + 10);
      arco.arcTo(QRectF(h.left() - 10, h.top() - 40, h.width() + 20, 100), 180, -180);
      arco.lineTo(h.right() + 10, h.bottom() + 1);
      arco.closeSubpath();
      p.setPen(QPen(e.marcoOscuro, 2));
      p.setBrush(e.marco);
      p.drawPath(arco);
      const QColor flores[] = {{240, 110, 150}, {250, 200, 60}, {170, 120, 220}, {250, 140, 90}};
      for (int i = 0; i <= 12; ++i) {
        const double a = M_PI * i / 12.0;
        const QPointF c(centro.x() - std::cos(a) * (h.width() / 2 + 5), h.top() + 8 - std::sin(a) * 46);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 160, 80));
        p.drawEllipse(c + QPointF(5, 3), 4, 2.5);
        p.setBrush(flores[i % 4]);
        for (int k = 0; k < 5; ++k) {
          const double b = k * 2 * M_PI / 5 + a;
          p.drawEllipse(c + QPointF(std::cos(b) * 3.2, std::sin(b) * 3.2), 2.7, 2.7);
        }
        p.setBrush(QColor(255, 240, 150));
        p.drawEllipse(c, 1.8, 1.8);
      }
      break;
    }
    case 'C': {  // stone arch with voussoirs and a keystone
      QPainterPath arco;
      arco.moveTo(h.left() - 13, h.bottom() + 1);
      arco.lineTo(h.left() - 13, h.top() + 6);
      arco.arcTo(QRectF(h.left() - 13, h.top() - 46, h.width() + 26, 104), 180, -180);
      arco.lineTo(h.right() + 13, h.bottom() + 1);
      arco.closeSubpath();
      p.setPen(QPen(e.marcoOscuro, 2));
      p.setBrush(e.marco);
      p.drawPath(arco);
      for (int i = 1; i < 8; ++i) {
        const double a = M_PI * i / 8.0;
        const QPointF c(centro.x(), h.top() + 6);
        p.drawLine(c + QPointF(-std::cos(a) * (h.width() / 2 + 1), -std::sin(a) * 40),
                   c + QPointF(-std::cos(a) * (h.width() / 2 + 13), -std::sin(a) * 52));
      }
      p.setBrush(e.marco.lighter(112));
      QPolygonF clave;
      clave << QPointF(centro.x() - 7, h.top() - 46) << QPointF(centro.x() + 7, h.top() - 46)
            << QPointF(centro.x() + 5, h.top() - 32) << QPointF(centro.x() - 5, h.top() - 32);
      p.drawPolygon(clave);
      // The lord's shield over the arch.
      QPainterPath escudo;
      escudo.moveTo(centro.x() - 9, 14);
      escudo.lineTo(centro.x() + 9, 14);
      escudo.lineTo(centro.x() + 9, 24);
      escudo.quadTo(centro.x() + 9, 32, centro.x(), 35);
      escudo.quadTo(centro.x() - 9, 32, centro.x() - 9, 24);
      escudo.closeSubpath();
      p.setPen(QPen(QColor(60, 40, 30), 1.2));
      p.setBrush(e.adorno);
      p.drawPath(escudo);
      p.fillRect(QRectF(centro.x() - 2.5, 15, 5, 18), QColor(240, 200, 60));
      break;
    }
    case 'N': {  // ice doorway under a cap of snow
      QPainterPath arco;
      arco.moveTo(h.left() - 11, h.bottom() + 1);
      arco.lineTo(h.left() - 11, h.top() + 8);
      arco.arcTo(QRectF(h.left() - 11, h.top() - 40, h.width() + 22, 96), 180, -180);
      arco.lineTo(h.right() + 11, h.bottom() + 1);
      arco.closeSubpath();
      p.setPen(QPen(e.marcoOscuro, 2));
      p.setBrush(e.marco);
      p.drawPath(arco);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      QPainterPath nieve;
      nieve.moveTo(h.left() - 16, h.top() - 26);
      for (int i = 0; i <= 8; ++i) {
        const double x = h.left() - 16 + i * (h.width() + 32) / 8;
        nieve.quadTo(QPointF(x - 6, h.top() - 52 - (i % 2) * 6), QPointF(x, h.top() - 40));
      }
      nieve.lineTo(h.right() + 16, h.top() - 26);
      nieve.closeSubpath();
      p.drawPath(nieve);
      break;
    }
    case 'A': {  // stepped doorway framed in turquoise with a gold fret
      const double l = h.left() - 12, r = h.right() + 12, t = h.top() - 36;
      QPolygonF marco;
      marco << QPointF(l, h.bottom() + 1) << QPointF(l, t + 24) << QPointF(l + 12, t + 24)
            << QPointF(l + 12, t + 12) << QPointF(l + 24, t + 12) << QPointF(l + 24, t)
            << QPointF(r - 24, t) << QPointF(r - 24, t + 12) << QPointF(r - 12, t + 12)
            << QPointF(r - 12, t + 24) << QPointF(r, t + 24) << QPointF(r, h.bottom() + 1);
      p.setPen(QPen(e.marcoOscuro, 2));
      p.setBrush(e.marco);
      p.drawPolygon(marco);
      p.setPen(QPen(e.adorno, 2));
      for (double x = l + 26; x < r - 34; x += 12) {
        QPolygonF gr;
        gr << QPointF(x, t + 9) << QPointF(x, t + 3) << QPointF(x + 8, t + 3) << QPointF(x + 8, t + 9)
           << QPointF(x + 4, t + 9);
        p.drawPolyline(gr);
      }
      break;
    }
    default: {  // 'P': the rough mouth of a cave
      QPainterPath boca;
      boca.moveTo(h.left() - 14, h.bottom() + 1);
      boca.cubicTo(QPointF(h.left() - 16, h.top() + 30), QPointF(h.left() - 10, h.top() - 34),
                   QPointF(centro.x(), h.top() - 30));
      boca.cubicTo(QPointF(h.right() + 10, h.top() - 32), QPointF(h.right() + 16, h.top() + 30),
                   QPointF(h.right() + 14, h.bottom() + 1));
      boca.closeSubpath();
      p.setPen(QPen(e.marcoOscuro, 3));
      p.setBrush(QColor(84, 62, 42));
      p.drawPath(boca);
      // A hand print and a bison painted beside the cave.
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(170, 70, 40, 190));
      const QPointF mano(h.right() + 2, h.bottom() + 40);
      p.drawEllipse(mano, 6, 7);
      for (int k = 0; k < 5; ++k) {
        const double a = -M_PI / 2 + (k - 2) * 0.38;
        p.drawEllipse(mano + QPointF(std::cos(a) * 10, std::sin(a) * 10), 2, 4.5);
      }
      break;
    }
  }
  // The dark opening the door label covers.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 14, 10));
  p.drawRect(h);
  p.setRenderHint(QPainter::Antialiasing, false);
}

// Wall tile "parte"+letter.
inline QImage Pared(char tema) {
  QImage im(kAncho, kAlto, QImage::Format_RGB32);
  im.fill(Qt::gray);
  QPainter p(&im);
  const Estilo e = EstiloDe(tema);
  Muro(p, tema, e);
  Portal(p, tema, e);
  return im;
}

// The guide, 56 x 168, on a clear background. `cuadro` 0..5: walking to the
// right; 6: turning; 7: facing the student and waving.
inline void Guia(QPainter& p, int cuadro) {
  p.setRenderHint(QPainter::Antialiasing, true);
  const QColor piel(250, 212, 178), pelo(120, 66, 30), camiseta(90, 170, 220), falda(230, 90, 120),
      zapato(60, 60, 160), linea(60, 40, 30), carpeta(250, 200, 60);
  const QPen contorno(linea, 1.1);
  if (cuadro <= 5) {
    const double fase = cuadro * 2 * M_PI / 6;
    const double paso = std::sin(fase);
    const double bote = -2.5 * std::abs(std::cos(fase));
    p.translate(0, bote);
    const QPointF cadera(27, 112);
    auto pierna = [&](double angulo, bool detras) {
      p.save();
      p.translate(cadera);
      p.rotate(angulo);
      p.setPen(contorno);
      p.setBrush(detras ? piel.darker(112) : piel);
      p.drawRoundedRect(QRectF(-3.5, 0, 7, 44), 3, 3);
      p.setBrush(detras ? zapato.darker(120) : zapato);
      p.drawRoundedRect(QRectF(-4, 42, 13, 7), 3, 3);
      p.restore();
    };
    auto brazo = [&](double angulo, bool detras) {
      p.save();
      p.translate(28, 64);
      p.rotate(angulo);
      p.setPen(contorno);
      p.setBrush(detras ? piel.darker(112) : piel);
      p.drawRoundedRect(QRectF(-3, 0, 6, 36), 3, 3);
      p.restore();
    };
    pierna(-24 * paso, true);
    brazo(24 * paso, true);
    // Body, skirt.
    p.setPen(contorno);
    p.setBrush(camiseta);
    QPainterPath cuerpo;
    cuerpo.moveTo(19, 66);
    cuerpo.quadTo(28, 58, 37, 66);
    cuerpo.lineTo(36, 98);
    cuerpo.lineTo(20, 98);
    cuerpo.closeSubpath();
    p.drawPath(cuerpo);
    p.setBrush(falda);
    QPolygonF f;
    f << QPointF(19, 96) << QPointF(37, 96) << QPointF(43 + 2 * paso, 120) << QPointF(13 - 2 * paso, 120);
    p.drawPolygon(f);
    pierna(24 * paso, false);
    // Folder held in the front hand.
    brazo(-24 * paso, false);
    p.save();
    p.translate(28, 64);
    p.rotate(-24 * paso);
    p.setBrush(carpeta);
    p.drawRect(QRectF(-2, 26, 13, 17));
    p.restore();
    // Neck and head in profile, looking right; ponytail behind.
    p.setBrush(piel);
    p.drawRect(QRectF(25, 52, 7, 8));
    p.setBrush(pelo);
    p.drawEllipse(QRectF(6 - 2 * paso, 28, 11, 24));
    p.drawEllipse(QRectF(13, 22, 30, 30));
    p.setBrush(piel);
    QPainterPath cara;
    cara.moveTo(30, 30);
    cara.quadTo(46, 30, 44, 42);
    cara.lineTo(46, 44);
    cara.quadTo(44, 56, 32, 55);
    cara.quadTo(24, 52, 26, 40);
    cara.closeSubpath();
    p.drawPath(cara);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 40, 40));
    p.drawEllipse(QPointF(38.5, 39), 1.6, 2);
    p.setBrush(QColor(246, 160, 160));
    p.drawEllipse(QPointF(36, 46), 2.4, 1.4);
    p.setPen(QPen(QColor(170, 60, 60), 1.1));
    p.drawLine(QPointF(40, 50), QPointF(43, 49.5));
    p.setPen(contorno);
    p.setBrush(pelo);
    QPainterPath flequillo;
    flequillo.moveTo(20, 36);
    flequillo.quadTo(30, 20, 44, 34);
    flequillo.quadTo(32, 28, 20, 36);
    p.drawPath(flequillo);
    return;
  }
  // Front view; frame 6 is narrower (still turning) with the arm down.
  const bool saluda = cuadro == 7;
  const double giro = saluda ? 1.0 : 0.8;
  p.translate(28, 0);
  p.scale(giro, 1.0);
  p.translate(-28, 0);
  p.setPen(contorno);
  p.setBrush(piel);
  p.drawRoundedRect(QRectF(20, 116, 7, 42), 3, 3);
  p.drawRoundedRect(QRectF(30, 116, 7, 42), 3, 3);
  p.setBrush(zapato);
  p.drawRoundedRect(QRectF(16, 156, 12, 8), 3, 3);
  p.drawRoundedRect(QRectF(30, 156, 12, 8), 3, 3);
  p.setBrush(falda);
  QPolygonF f;
  f << QPointF(18, 94) << QPointF(38, 94) << QPointF(45, 120) << QPointF(11, 120);
  p.drawPolygon(f);
  p.setBrush(camiseta);
  QPainterPath cuerpo;
  cuerpo.moveTo(16, 64);
  cuerpo.quadTo(28, 56, 40, 64);
  cuerpo.lineTo(38, 96);
  cuerpo.lineTo(18, 96);
  cuerpo.closeSubpath();
  p.drawPath(cuerpo);
  p.setBrush(piel);
  QPolygonF izquierdo;
  izquierdo << QPointF(16, 65) << QPointF(9, 86) << QPointF(11, 100) << QPointF(15, 100)
            << QPointF(15, 86) << QPointF(20, 70);
  p.drawPolygon(izquierdo);
  p.setBrush(carpeta);
  p.drawRect(QRectF(5, 80, 12, 17));
  p.setBrush(piel);
  QPolygonF derecho;
  if (saluda) {
    derecho << QPointF(38, 65) << QPointF(48, 52) << QPointF(50, 36) << QPointF(46, 36)
            << QPointF(44, 50) << QPointF(36, 70);
  } else {
    derecho << QPointF(40, 65) << QPointF(47, 86) << QPointF(45, 100) << QPointF(41, 100)
            << QPointF(41, 86) << QPointF(36, 70);
  }
  p.drawPolygon(derecho);
  if (saluda) p.drawEllipse(QPointF(48, 33), 3.8, 3.8);
  p.drawRect(QRectF(25, 54, 6, 6));
  p.setBrush(pelo);
  p.drawEllipse(QRectF(13, 22, 30, 32));
  p.drawEllipse(QRectF(39, 30, 10, 22));
  p.setBrush(piel);
  p.drawEllipse(QRectF(16, 28, 24, 27));
  p.setBrush(pelo);
  QPainterPath flequillo;
  flequillo.moveTo(15, 38);
  flequillo.quadTo(22, 22, 42, 36);
  flequillo.quadTo(30, 30, 15, 38);
  p.drawPath(flequillo);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(50, 40, 40));
  p.drawEllipse(QPointF(24, 42), 1.8, 2.2);
  p.drawEllipse(QPointF(33, 42), 1.8, 2.2);
  p.setBrush(QColor(246, 160, 160));
  p.drawEllipse(QPointF(21, 47), 2.4, 1.5);
  p.drawEllipse(QPointF(36, 47), 2.4, 1.5);
  p.setPen(QPen(QColor(170, 60, 60), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(24, 44, 9, 6), 200 * 16, 140 * 16);
}

// The light of an opening door, 56 x 168: a gap of warm light that widens
// frame by frame and spills down onto the floor.
inline void LuzPuerta(QPainter& p, int cuadro) {
  p.setRenderHint(QPainter::Antialiasing, true);
  const double ancho = 8 + 11 * cuadro;
  const double alto = 31 + 10 * cuadro;  // the part in front of the door label
  const double x0 = 28 - ancho / 2;
  QLinearGradient luz(0, 0, 0, alto);
  luz.setColorAt(0, QColor(255, 250, 210, 230));
  luz.setColorAt(1, QColor(255, 226, 120, 250));
  p.setPen(QPen(QColor(255, 200, 80, 200), 1.5));
  p.setBrush(luz);
  p.drawRoundedRect(QRectF(x0, 0, ancho, alto), 3, 3);
  QLinearGradient charco(0, alto, 0, alto + 70);
  charco.setColorAt(0, QColor(255, 226, 120, 200));
  charco.setColorAt(1, QColor(255, 226, 120, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(charco);
  QPolygonF derrame;
  derrame << QPointF(x0, alto) << QPointF(x0 + ancho, alto)
          << QPointF(std::min(56.0, x0 + ancho + 10), alto + 70)
          << QPointF(std::max(0.0, x0 - 10), alto + 70);
  p.drawPolygon(derrame);
  // A few sparkles.
  p.setBrush(QColor(255, 255, 255, 220));
  for (int i = 0; i < cuadro + 1; ++i) {
    const double x = 28 + std::cos(i * 2.1 + cuadro) * (ancho / 2 + 4);
    const double y = alto * 0.5 + std::sin(i * 1.7) * alto * 0.4;
    p.drawEllipse(QPointF(x, y), 1.6, 1.6);
  }
}

inline QImage Tira(int cuadros, void (*dibujar)(QPainter&, int)) {
  QImage im(cuadros * kAnchoCuadro, kAltoCuadro, QImage::Format_ARGB32_Premultiplied);
  im.fill(Qt::transparent);
  QPainter p(&im);
  for (int i = 0; i < cuadros; ++i) {
    p.save();
    p.setClipRect(i * kAnchoCuadro, 0, kAnchoCuadro, kAltoCuadro);
    p.translate(i * kAnchoCuadro, 0);
    dibujar(p, i);
    p.restore();
  }
  return im;
}

inline QImage TiraGuia() { return Tira(kCuadrosFigura, Guia); }
inline QImage TiraPuerta() { return Tira(kCuadrosPuerta, LuzPuerta); }

// The speech bubble, 195 x 140: a white cloud with its tail down to the left,
// where the guide stands.
inline QImage Bocadillo() {
  QImage im(195, 140, QImage::Format_ARGB32_Premultiplied);
  im.fill(Qt::transparent);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing, true);
  QPainterPath nube;
  nube.addRoundedRect(QRectF(12, 4, 179, 110), 40, 40);
  QPainterPath cola;
  cola.moveTo(30, 96);
  cola.quadTo(22, 122, 3, 137);
  cola.quadTo(36, 126, 56, 108);
  cola.closeSubpath();
  const QPainterPath todo = nube.united(cola);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 50));
  p.drawPath(todo.translated(3, 3));
  p.setPen(QPen(QColor(70, 60, 60), 2.2));
  QLinearGradient fondo(0, 4, 0, 114);
  fondo.setColorAt(0, QColor(255, 255, 255));
  fondo.setColorAt(1, QColor(250, 246, 230));
  p.setBrush(fondo);
  p.drawPath(todo);
  return im;
}

}  // namespace sendaro::recursos::vestibulo
