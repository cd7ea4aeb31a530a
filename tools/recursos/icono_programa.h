// The program's own icon, for the desktop's menus and software centres: an
// open door of the hall, lit from inside, at the end of a path. Drawn once
// on a 256 × 256 canvas and written as PNG in the icon theme's sizes and as
// SVG.
#pragma once

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>

namespace sendaro::recursos::icono {

inline constexpr int kLienzo = 256;
inline constexpr int kTamanos[] = {16, 22, 24, 32, 48, 64, 128, 256};

inline void Dibujar(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  const QColor granate(128, 0, 0);
  const QColor tinta(70, 25, 20);

  // A warm tile, the colour of the program's lists, darker at the foot.
  QLinearGradient fondo(0, 8, 0, 248);
  fondo.setColorAt(0, QColor(253, 236, 192));
  fondo.setColorAt(1, QColor(226, 184, 110));
  p.setPen(QPen(tinta, 6));
  p.setBrush(fondo);
  p.drawRoundedRect(QRectF(11, 11, 234, 234), 44, 44);

  // The wall's arch and the doorway, lit from inside.
  QPainterPath marco;
  marco.moveTo(52, 206);
  marco.lineTo(52, 112);
  marco.arcTo(QRectF(52, 36, 152, 152), 180, -180);
  marco.lineTo(204, 206);
  marco.closeSubpath();
  p.setPen(QPen(tinta, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(granate);
  p.drawPath(marco);

  QPainterPath hueco;
  hueco.moveTo(80, 206);
  hueco.lineTo(80, 116);
  hueco.arcTo(QRectF(80, 68, 96, 96), 180, -180);
  hueco.lineTo(176, 206);
  hueco.closeSubpath();
  QRadialGradient luz(128, 180, 110);
  luz.setColorAt(0, QColor(255, 250, 215));
  luz.setColorAt(1, QColor(255, 200, 60));
  p.setPen(QPen(tinta, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(luz);
  p.drawPath(hueco);

  // The door leaf, swung open to the left.
  QPainterPath hoja;
  hoja.moveTo(80, 206);
  hoja.lineTo(80, 116);
  hoja.lineTo(110, 104);
  hoja.lineTo(110, 218);
  hoja.closeSubpath();
  p.setBrush(QColor(176, 92, 40));
  p.drawPath(hoja);
  p.setBrush(QColor(255, 214, 90));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(102, 164), 5, 5);

  // The path from the foot of the tile up to the threshold.
  QPainterPath sendero;
  sendero.moveTo(110, 206);
  sendero.lineTo(176, 206);
  sendero.cubicTo(186, 220, 200, 230, 214, 236);
  sendero.lineTo(92, 236);
  sendero.cubicTo(108, 228, 114, 218, 110, 206);
  sendero.closeSubpath();
  p.setPen(QPen(tinta, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(246, 226, 170));
  p.drawPath(sendero);
}

// The icon at `lado` × `lado` pixels, with alpha.
inline QImage Png(int lado) {
  QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
  imagen.fill(Qt::transparent);
  QPainter p(&imagen);
  p.scale(lado / double(kLienzo), lado / double(kLienzo));
  Dibujar(p);
  return imagen;
}

inline bool Svg(const QString& ruta) {
  QSvgGenerator svg;
  svg.setFileName(ruta);
  svg.setSize(QSize(kLienzo, kLienzo));
  svg.setViewBox(QRect(0, 0, kLienzo, kLienzo));
  svg.setTitle(QStringLiteral("Sendaro"));
  QPainter p;
  if (!p.begin(&svg)) return false;
  Dibujar(p);
  return p.end();
}

}  // namespace sendaro::recursos::icono
