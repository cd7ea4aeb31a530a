// The hall's icon list: small pictograms drawn beside the rows of the
// sections' lists. The index of each icon is what the screens ask for, so
// each index keeps its meaning:
//   0 countryside and farming   7 hairdressing, beauty   14 travel, transport
//   1 office and business       8 electricity            15 justice, safety
//   2 catering and cooking      9 health and care        16 handcraft, wood
//   3 computers                10 looking for a place    17 music and stage
//   4 numbers and sums         11 languages, cultures    18 science, chemistry
//   5 building                 12 image and design       19 mechanics, vehicles
//   6 sea and fishing          13 communication          20 teaching
#pragma once

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "../../src/hall/vestibulo_estatico.h"

namespace sendaro::recursos::iconos {

inline constexpr double kPi = 3.14159265358979323846;

inline void Trazo(QPainter& p, QColor c, double grosor = 1.4) {
  p.setPen(QPen(c, grosor, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

inline void Icono(QPainter& p, int i) {
  const QColor tinta(45, 40, 50);
  Trazo(p, tinta);
  switch (i) {
    case 0: {  // a sprout in a field
      p.setBrush(QColor(150, 100, 50));
      p.drawRoundedRect(QRectF(3, 20, 22, 6), 2, 2);
      p.setBrush(QColor(90, 180, 70));
      QPainterPath hoja;
      hoja.moveTo(14, 20);
      hoja.cubicTo(6, 18, 4, 10, 6, 7);
      hoja.cubicTo(12, 8, 14, 14, 14, 20);
      p.drawPath(hoja);
      QPainterPath otra;
      otra.moveTo(14, 20);
      otra.cubicTo(16, 12, 20, 6, 25, 6);
      otra.cubicTo(25, 12, 20, 17, 14, 20);
      p.drawPath(otra);
      break;
    }
    case 1: {  // a briefcase
      p.setBrush(QColor(150, 90, 40));
      p.drawRoundedRect(QRectF(3, 9, 22, 15), 2, 2);
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(QRectF(10, 5, 8, 5), 1.5, 1.5);
      p.drawLine(QPointF(3, 15), QPointF(25, 15));
      p.setBrush(QColor(240, 200, 80));
      p.drawRect(QRectF(12.5, 13.5, 3, 3));
      break;
    }
    case 2: {  // a chef's hat over a fork
      p.setBrush(Qt::white);
      p.drawEllipse(QRectF(4, 3, 9, 9));
      p.drawEllipse(QRectF(10, 1, 9, 9));
      p.drawEllipse(QRectF(16, 3, 9, 9));
      p.drawRect(QRectF(7, 9, 15, 8));
      Trazo(p, QColor(120, 120, 130), 1.6);
      p.drawLine(QPointF(14.5, 19), QPointF(14.5, 27));
      for (double x : {11.5, 14.5, 17.5}) p.drawLine(QPointF(x, 18), QPointF(x, 21));
      p.drawLine(QPointF(11.5, 21), QPointF(17.5, 21));
      break;
    }
    case 3: {  // a computer screen
      p.setBrush(QColor(70, 70, 80));
      p.drawRoundedRect(QRectF(2, 4, 24, 16), 2, 2);
      QLinearGradient g(0, 6, 0, 18);
      g.setColorAt(0, QColor(120, 200, 255));
      g.setColorAt(1, QColor(40, 110, 200));
      p.setBrush(g);
      p.setPen(Qt::NoPen);
      p.drawRect(QRectF(4, 6, 20, 12));
      Trazo(p, tinta);
      p.setBrush(QColor(70, 70, 80));
      p.drawRect(QRectF(11, 20, 6, 3));
      p.drawRoundedRect(QRectF(7, 23, 14, 3), 1, 1);
      break;
    }
    case 4: {  // a calculator
      p.setBrush(QColor(90, 110, 140));
      p.drawRoundedRect(QRectF(6, 2, 16, 24), 2, 2);
      p.setBrush(QColor(200, 230, 190));
      p.drawRect(QRectF(8.5, 4.5, 11, 5));
      p.setBrush(Qt::white);
      p.setPen(Qt::NoPen);
      for (int f = 0; f < 3; ++f)
        for (int c = 0; c < 3; ++c) p.drawRect(QRectF(8.5 + c * 4, 12 + f * 4.5, 3, 3));
      break;
    }
    case 5: {  // a brick wall under a safety helmet
      p.setBrush(QColor(200, 90, 60));
      for (int f = 0; f < 3; ++f) {
        const double y = 15 + f * 4;
        const double d = (f % 2) * 4;
        for (double x = 3 - d; x < 25; x += 8) {
          const double a = std::max(3.0, x), b = std::min(25.0, x + 8);
          p.drawRect(QRectF(a, y, b - a, 4));
        }
      }
      p.setBrush(QColor(250, 200, 30));
      QPainterPath casco;
      casco.moveTo(6, 13);
      casco.cubicTo(6, 2, 22, 2, 22, 13);
      casco.closeSubpath();
      p.drawPath(casco);
      p.drawRoundedRect(QRectF(4, 12, 20, 2.5), 1, 1);
      break;
    }
    case 6: {  // a boat on the waves
      p.setBrush(QColor(200, 70, 50));
      QPolygonF casco;
      casco << QPointF(4, 16) << QPointF(24, 16) << QPointF(20, 21) << QPointF(8, 21);
      p.drawPolygon(casco);
      p.drawLine(QPointF(14, 16), QPointF(14, 3));
      p.setBrush(Qt::white);
      QPolygonF vela;
      vela << QPointF(14.5, 4) << QPointF(22, 14) << QPointF(14.5, 14);
      p.drawPolygon(vela);
      Trazo(p, QColor(40, 120, 210), 1.8);
      p.setBrush(Qt::NoBrush);
      QPainterPath ola;
      ola.moveTo(2, 24);
      for (int k = 0; k < 4; ++k) ola.quadTo(5 + k * 6, 21, 8 + k * 6, 24);
      p.drawPath(ola);
      break;
    }
    case 7: {  // scissors and a comb
      p.setBrush(QColor(230, 230, 235));
      QPolygonF hoja1, hoja2;
      hoja1 << QPointF(11, 15) << QPointF(22, 3) << QPointF(13, 16);
      hoja2 << QPointF(15, 15) << QPointF(6, 3) << QPointF(13, 16);
      p.drawPolygon(hoja1);
      p.drawPolygon(hoja2);
      p.setBrush(QColor(220, 60, 110));
      p.drawEllipse(QRectF(5, 16, 7, 7));
      p.drawEllipse(QRectF(15, 16, 7, 7));
      p.setBrush(QColor(140, 90, 200));
      p.drawRect(QRectF(3, 24, 22, 2.5));
      break;
    }
    case 8: {  // a lightning bolt
      p.setBrush(QColor(255, 210, 40));
      QPolygonF rayo;
      rayo << QPointF(16, 2) << QPointF(6, 16) << QPointF(13, 16) << QPointF(10, 26)
           << QPointF(22, 11) << QPointF(15, 11) << QPointF(19, 2);
      p.drawPolygon(rayo);
      break;
    }
    case 9: {  // a heart with a cross
      p.setBrush(QColor(230, 60, 70));
      QPainterPath corazon;
      corazon.moveTo(14, 25);
      corazon.cubicTo(2, 16, 2, 5, 9, 5);
      corazon.cubicTo(12, 5, 14, 8, 14, 9);
      corazon.cubicTo(14, 8, 16, 5, 19, 5);
      corazon.cubicTo(26, 5, 26, 16, 14, 25);
      p.drawPath(corazon);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(12.5, 9, 3, 10));
      p.drawRect(QRectF(9, 12.5, 10, 3));
      break;
    }
    case 10: {  // a magnifier over a map pin
      p.setBrush(QColor(240, 90, 60));
      QPainterPath chincheta;
      chincheta.moveTo(10, 22);
      chincheta.cubicTo(3, 13, 4, 4, 10, 4);
      chincheta.cubicTo(16, 4, 17, 13, 10, 22);
      p.drawPath(chincheta);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(10, 10), 2.5, 2.5);
      p.setBrush(QColor(200, 230, 255, 170));
      Trazo(p, QColor(80, 60, 40), 2);
      p.drawEllipse(QPointF(18, 15), 5, 5);
      p.drawLine(QPointF(21.5, 18.5), QPointF(26, 23));
      break;
    }
    case 11: {  // a globe
      p.setBrush(QColor(80, 160, 230));
      p.drawEllipse(QPointF(14, 14), 11, 11);
      p.setBrush(QColor(90, 190, 90));
      p.setPen(Qt::NoPen);
      QPainterPath tierra;
      tierra.moveTo(8, 7);
      tierra.cubicTo(13, 5, 15, 10, 11, 13);
      tierra.cubicTo(8, 16, 12, 20, 9, 22);
      tierra.cubicTo(5, 19, 4, 11, 8, 7);
      p.drawPath(tierra);
      QPainterPath otra;
      otra.moveTo(17, 9);
      otra.cubicTo(22, 8, 24, 13, 21, 16);
      otra.cubicTo(18, 18, 16, 13, 17, 9);
      p.drawPath(otra);
      Trazo(p, QColor(30, 70, 120), 1);
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(14, 14), 11, 11);
      p.drawEllipse(QPointF(14, 14), 5, 11);
      p.drawLine(QPointF(3, 14), QPointF(25, 14));
      break;
    }
    case 12: {  // a painter's palette
      p.setBrush(QColor(230, 190, 130));
      QPainterPath paleta;
      paleta.addEllipse(QRectF(2, 4, 24, 20));
      QPainterPath hueco;
      hueco.addEllipse(QRectF(15, 15, 6, 5));
      p.drawPath(paleta.subtracted(hueco));
      p.setPen(Qt::NoPen);
      const QColor colores[] = {QColor(230, 50, 50), QColor(250, 200, 40), QColor(60, 150, 230),
                                QColor(70, 180, 80)};
      const QPointF sitios[] = {{8, 10}, {14, 8}, {20, 10}, {8, 17}};
      for (int k = 0; k < 4; ++k) {
        p.setBrush(colores[k]);
        p.drawEllipse(sitios[k], 2.6, 2.6);
      }
      break;
    }
    case 13: {  // a microphone
      p.setBrush(QColor(90, 90, 100));
      p.drawRoundedRect(QRectF(10, 2, 8, 14), 4, 4);
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(6, 6, 16, 14), 180 * 16, 180 * 16);
      p.drawLine(QPointF(14, 20), QPointF(14, 25));
      p.drawLine(QPointF(9, 25), QPointF(19, 25));
      Trazo(p, QColor(240, 140, 40), 1.2);
      p.drawArc(QRectF(20, 5, 6, 10), -60 * 16, 120 * 16);
      p.drawArc(QRectF(2, 5, 6, 10), 120 * 16, 120 * 16);
      break;
    }
    case 14: {  // a small aeroplane
      p.setBrush(QColor(230, 235, 245));
      QPainterPath avion;
      avion.moveTo(3, 14);
      avion.lineTo(22, 12);
      avion.quadTo(26, 14, 22, 16);
      avion.closeSubpath();
      p.drawPath(avion);
      p.setBrush(QColor(60, 120, 200));
      QPolygonF ala, cola;
      ala << QPointF(12, 13) << QPointF(8, 4) << QPointF(11, 4) << QPointF(17, 13);
      p.drawPolygon(ala);
      QPolygonF ala2;
      ala2 << QPointF(12, 15.5) << QPointF(8, 24) << QPointF(11, 24) << QPointF(17, 15.5);
      p.drawPolygon(ala2);
      cola << QPointF(4, 14) << QPointF(2, 8) << QPointF(5, 8) << QPointF(8, 13.5);
      p.drawPolygon(cola);
      break;
    }
    case 15: {  // the scales of justice
      Trazo(p, QColor(150, 110, 30), 1.6);
      p.drawLine(QPointF(14, 4), QPointF(14, 24));
      p.drawLine(QPointF(8, 25), QPointF(20, 25));
      p.drawLine(QPointF(5, 7), QPointF(23, 7));
      p.setBrush(QColor(240, 200, 70));
      p.drawLine(QPointF(5, 7), QPointF(3, 15));
      p.drawLine(QPointF(5, 7), QPointF(8, 15));
      p.drawLine(QPointF(23, 7), QPointF(20, 15));
      p.drawLine(QPointF(23, 7), QPointF(26, 15));
      p.drawChord(QRectF(2, 11, 7, 8), 180 * 16, 180 * 16);
      p.drawChord(QRectF(19, 11, 7, 8), 180 * 16, 180 * 16);
      p.drawEllipse(QPointF(14, 4), 1.8, 1.8);
      break;
    }
    case 16: {  // a hammer and a saw
      p.setBrush(QColor(200, 200, 210));
      QPolygonF sierra;
      sierra << QPointF(3, 22) << QPointF(20, 8) << QPointF(23, 12) << QPointF(6, 25);
      p.drawPolygon(sierra);
      p.setBrush(QColor(170, 110, 60));
      p.drawRoundedRect(QRectF(19, 5, 6, 6), 1.5, 1.5);
      p.save();
      p.translate(14, 14);
      p.rotate(40);
      p.setBrush(QColor(190, 130, 70));
      p.drawRect(QRectF(-1.5, -2, 3, 14));
      p.setBrush(QColor(90, 90, 100));
      p.drawRect(QRectF(-6, -6, 12, 5));
      p.restore();
      break;
    }
    case 17: {  // two musical notes
      p.setBrush(QColor(110, 60, 170));
      p.drawEllipse(QRectF(4, 18, 7, 5));
      p.drawEllipse(QRectF(16, 15, 7, 5));
      Trazo(p, QColor(110, 60, 170), 2);
      p.drawLine(QPointF(10.5, 20), QPointF(10.5, 5));
      p.drawLine(QPointF(22.5, 17), QPointF(22.5, 3));
      p.setBrush(QColor(110, 60, 170));
      QPolygonF barra;
      barra << QPointF(10.5, 5) << QPointF(22.5, 3) << QPointF(22.5, 7) << QPointF(10.5, 9);
      p.drawPolygon(barra);
      break;
    }
    case 18: {  // a laboratory flask
      QPainterPath matraz;
      matraz.moveTo(11, 3);
      matraz.lineTo(17, 3);
      matraz.lineTo(17, 11);
      matraz.lineTo(24, 24);
      matraz.quadTo(24, 26, 22, 26);
      matraz.lineTo(6, 26);
      matraz.quadTo(4, 26, 4, 24);
      matraz.lineTo(11, 11);
      matraz.closeSubpath();
      p.setBrush(QColor(235, 245, 250));
      p.drawPath(matraz);
      QPainterPath liquido;
      liquido.moveTo(8, 18);
      liquido.lineTo(20, 18);
      liquido.lineTo(24, 24);
      liquido.quadTo(24, 26, 22, 26);
      liquido.lineTo(6, 26);
      liquido.quadTo(4, 26, 4, 24);
      liquido.closeSubpath();
      p.setBrush(QColor(80, 200, 120));
      p.drawPath(liquido);
      p.setBrush(QColor(80, 200, 120));
      p.drawEllipse(QPointF(12, 14), 1.2, 1.2);
      p.drawEllipse(QPointF(15, 9), 1, 1);
      break;
    }
    case 19: {  // a cog wheel with a spanner
      p.setBrush(QColor(150, 155, 165));
      QPainterPath rueda;
      for (int k = 0; k < 8; ++k) {
        const double a = k * kPi / 4;
        rueda.addRect(QRectF(14 + 9 * std::cos(a) - 2.5, 14 + 9 * std::sin(a) - 2.5, 5, 5));
      }
      rueda.addEllipse(QPointF(14, 14), 8.5, 8.5);
      rueda.setFillRule(Qt::WindingFill);
      QPainterPath centro;
      centro.addEllipse(QPointF(14, 14), 3, 3);
      p.drawPath(rueda.simplified().subtracted(centro));
      break;
    }
    case 20: {  // an open book
      p.setBrush(Qt::white);
      QPainterPath izq, der;
      izq.moveTo(14, 8);
      izq.quadTo(8, 4, 2, 6);
      izq.lineTo(2, 23);
      izq.quadTo(8, 21, 14, 25);
      izq.closeSubpath();
      der.moveTo(14, 8);
      der.quadTo(20, 4, 26, 6);
      der.lineTo(26, 23);
      der.quadTo(20, 21, 14, 25);
      der.closeSubpath();
      p.drawPath(izq);
      p.drawPath(der);
      Trazo(p, QColor(60, 120, 200), 1);
      for (int k = 0; k < 3; ++k) {
        p.drawLine(QPointF(5, 11 + k * 4), QPointF(11, 12 + k * 4));
        p.drawLine(QPointF(17, 12 + k * 4), QPointF(23, 11 + k * 4));
      }
      break;
    }
    default:
      break;
  }
}

// The strip: kCuadrosIconos icons of kLadoIcono pixels side by side, clear
// around each pictogram.
inline QImage TiraIconos() {
  QImage im(kCuadrosIconos * kLadoIcono, kLadoIcono, QImage::Format_ARGB32_Premultiplied);
  im.fill(Qt::transparent);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing, true);
  for (int i = 0; i < kCuadrosIconos; ++i) {
    p.save();
    p.translate(i * kLadoIcono, 0);
    p.setClipRect(QRect(0, 0, kLadoIcono, kLadoIcono));
    Icono(p, i);
    p.restore();
  }
  return im;
}

}  // namespace sendaro::recursos::iconos
