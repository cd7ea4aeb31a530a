#include "escena.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "../../src/hall/escena/medidas.h"
#include "../../src/hall/qt/sprites/paquete.h"
#include "sonidos.h"

namespace sendaro::recursos {

namespace {

using paquete::ItemImagen;
using paquete::ItemSonido;
namespace esc = sendaro::escena;

constexpr double kPi = 3.14159265358979323846;

// Small deterministic generator: the same pictures on every run.
class Azar {
 public:
  explicit Azar(std::uint32_t semilla) : s_(semilla) {}
  double Uno() {
    s_ = s_ * 1664525u + 1013904223u;
    return static_cast<double>(s_ >> 8) / 16777216.0;
  }
  int Entre(int a, int b) { return a + static_cast<int>(Uno() * (b - a + 1)); }

 private:
  std::uint32_t s_;
};

QImage Lienzo(int w, int h) {
  QImage im(w, h, QImage::Format_ARGB32_Premultiplied);
  im.fill(Qt::transparent);
  return im;
}

QColor Mezcla(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                          static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

enum class Forma { Trapecio, Arco, Recta };

struct Estilo {
  char letra;
  QColor suelo, sueloB;
  QColor cara, caraOsc, caraClara;
  QColor tope, topeOsc;
  QColor puerta, puertaOsc, marco;
  QColor letrero, letreroBorde;
  QColor estatua, estatuaOsc;
  Forma forma;
};

const Estilo& EstiloDe(char t) {
  static const Estilo estilos[] = {
      {'I',
       {214, 190, 140},
       {196, 168, 118},
       {150, 128, 100},
       {96, 80, 64},
       {186, 164, 132},
       {196, 180, 150},
       {150, 134, 108},
       {110, 58, 28},
       {70, 34, 16},
       {224, 178, 52},
       {92, 54, 30},
       {224, 178, 52},
       {222, 176, 40},
       {150, 104, 20},
       Forma::Trapecio},
      {'F',
       {128, 196, 96},
       {110, 178, 80},
       {52, 128, 52},
       {28, 86, 32},
       {96, 170, 74},
       {74, 150, 62},
       {44, 110, 40},
       {168, 108, 56},
       {110, 66, 30},
       {120, 72, 32},
       {246, 226, 180},
       {150, 96, 44},
       {196, 104, 60},
       {130, 62, 30},
       Forma::Arco},
      {'C',
       {152, 150, 146},
       {132, 130, 128},
       {124, 122, 126},
       {78, 78, 84},
       {166, 164, 168},
       {150, 148, 150},
       {104, 102, 106},
       {122, 72, 36},
       {76, 42, 20},
       {58, 58, 64},
       {236, 220, 186},
       {100, 64, 36},
       {196, 200, 210},
       {110, 116, 130},
       Forma::Arco},
      {'N',
       {238, 244, 252},
       {218, 230, 246},
       {168, 208, 238},
       {104, 156, 208},
       {222, 240, 255},
       {252, 253, 255},
       {196, 220, 240},
       {74, 118, 188},
       {40, 70, 130},
       {206, 232, 255},
       {232, 244, 255},
       {110, 160, 214},
       {250, 250, 252},
       {170, 190, 214},
       Forma::Arco},
      {'A',
       {200, 122, 72},
       {182, 104, 58},
       {168, 92, 52},
       {108, 54, 30},
       {218, 148, 92},
       {190, 112, 62},
       {140, 74, 40},
       {92, 50, 28},
       {56, 28, 14},
       {40, 168, 158},
       {90, 44, 24},
       {40, 168, 158},
       {58, 150, 112},
       {26, 96, 70},
       Forma::Trapecio},
      {'P',
       {152, 124, 84},
       {134, 108, 72},
       {122, 102, 82},
       {78, 64, 50},
       {162, 142, 112},
       {142, 126, 100},
       {100, 86, 68},
       {132, 92, 52},
       {84, 56, 30},
       {232, 222, 192},
       {76, 60, 44},
       {232, 222, 192},
       {130, 104, 80},
       {84, 66, 50},
       Forma::Recta},
  };
  for (const Estilo& e : estilos) {
    if (e.letra == t) return e;
  }
  return estilos[0];
}

// ---- Wall textures ----------------------------------------------------------

// The face of a wall, `w` x `h`, in the theme's masonry.
void CaraDeMuro(QPainter& p, const Estilo& e, QRect r, std::uint32_t semilla) {
  Azar az(semilla);
  p.save();
  p.setClipRect(r);
  QLinearGradient luz(r.topLeft(), r.bottomLeft());
  luz.setColorAt(0, e.caraClara);
  luz.setColorAt(1, e.cara);
  p.fillRect(r, luz);
  switch (e.letra) {
    case 'I': {  // fitted stones of every size
      for (int y = r.top(); y < r.bottom(); y += 34) {
        int x = r.left() - az.Entre(0, 40);
        while (x < r.right()) {
          const int w = az.Entre(38, 78);
          QRectF piedra(x + 2, y + 2, w - 3, 31);
          p.setPen(QPen(e.caraOsc, 2));
          p.setBrush(Mezcla(e.cara, e.caraClara, az.Uno() * 0.8));
          p.drawRoundedRect(piedra, 8, 8);
          x += w;
        }
      }
      break;
    }
    case 'F': {  // hedge with flowers
      for (int i = 0; i < r.width() * r.height() / 60; ++i) {
        const double x = r.left() + az.Uno() * r.width(), y = r.top() + az.Uno() * r.height();
        p.setPen(Qt::NoPen);
        p.setBrush(Mezcla(e.caraOsc, e.caraClara, az.Uno()));
        p.drawEllipse(QPointF(x, y), 5 + az.Uno() * 4, 4 + az.Uno() * 3);
      }
      const QColor flores[] = {{240, 80, 120}, {255, 220, 60}, {250, 250, 250}, {180, 90, 220}};
      for (int i = 0; i < r.width() * r.height() / 900; ++i) {
        const QPointF c(r.left() + az.Uno() * r.width(), r.top() + az.Uno() * r.height());
        p.setBrush(flores[az.Entre(0, 3)]);
        for (int k = 0; k < 5; ++k) {
          const double a = k * 2 * kPi / 5;
          p.drawEllipse(c + QPointF(std::cos(a) * 3.5, std::sin(a) * 3.5), 3, 3);
        }
        p.setBrush(QColor(255, 200, 0));
        p.drawEllipse(c, 2, 2);
      }
      break;
    }
    case 'C':
    case 'A': {  // courses of blocks
      const int alto = e.letra == 'C' ? 24 : 30, largo = e.letra == 'C' ? 52 : 64;
      int fila = 0;
      for (int y = r.top(); y < r.bottom(); y += alto, ++fila) {
        for (int x = r.left() - (fila % 2) * largo / 2; x < r.right(); x += largo) {
          p.setPen(QPen(e.caraOsc, 2));
          p.setBrush(Mezcla(e.cara, e.caraClara, 0.2 + az.Uno() * 0.5));
          p.drawRect(QRectF(x + 1, y + 1, largo - 2, alto - 2));
        }
      }
      if (e.letra == 'A') {  // stepped fret band
        const int yb = r.top() + r.height() / 3;
        p.fillRect(QRect(r.left(), yb, r.width(), 28), e.marco);
        p.setPen(QPen(e.caraOsc, 4));
        for (int x = r.left(); x < r.right(); x += 28) {
          QPolygon g;
          g << QPoint(x, yb + 24) << QPoint(x, yb + 4) << QPoint(x + 18, yb + 4)
            << QPoint(x + 18, yb + 16) << QPoint(x + 9, yb + 16) << QPoint(x + 9, yb + 10);
          p.drawPolyline(g);
        }
      }
      break;
    }
    case 'N': {  // ice blocks with a shine
      int fila = 0;
      for (int y = r.top(); y < r.bottom(); y += 40, ++fila) {
        for (int x = r.left() - (fila % 2) * 45; x < r.right(); x += 90) {
          QLinearGradient hielo(x, y, x + 90, y + 40);
          hielo.setColorAt(0, e.caraClara);
          hielo.setColorAt(1, Mezcla(e.cara, e.caraOsc, az.Uno() * 0.4));
          p.setPen(QPen(QColor(255, 255, 255, 200), 2));
          p.setBrush(hielo);
          p.drawRoundedRect(QRectF(x + 1, y + 1, 88, 38), 6, 6);
          p.setPen(QPen(QColor(255, 255, 255, 160), 2));
          p.drawLine(QPointF(x + 10, y + 8), QPointF(x + 30, y + 8));
        }
      }
      break;
    }
    default: {  // cave rock
      for (int i = 0; i < r.width() * r.height() / 500; ++i) {
        const QPointF c(r.left() + az.Uno() * r.width(), r.top() + az.Uno() * r.height());
        p.setPen(QPen(e.caraOsc, 1.5));
        p.setBrush(Mezcla(e.cara, e.caraClara, az.Uno() * 0.7));
        p.drawEllipse(c, 10 + az.Uno() * 16, 8 + az.Uno() * 10);
      }
      // A painted hunt on the rock.
      p.setPen(QPen(QColor(150, 40, 20), 3));
      for (int x = r.left() + 60; x < r.right() - 60; x += 300) {
        const int y = r.top() + r.height() / 2;
        p.drawEllipse(QRect(x, y, 40, 18));
        p.drawLine(x + 8, y + 18, x + 6, y + 30);
        p.drawLine(x + 32, y + 18, x + 34, y + 30);
        p.drawLine(x + 40, y + 6, x + 52, y - 4);
        p.drawLine(x - 40, y + 30, x - 40, y + 4);
        p.drawEllipse(QRect(x - 44, y - 4, 8, 8));
      }
      break;
    }
  }
  // A shadow at the foot of the wall.
  QLinearGradient pie(0, r.bottom() - 18, 0, r.bottom());
  pie.setColorAt(0, QColor(0, 0, 0, 0));
  pie.setColorAt(1, QColor(0, 0, 0, 90));
  p.fillRect(QRect(r.left(), r.bottom() - 18, r.width(), 19), pie);
  p.restore();
}

// The top of a wall seen from above.
void TopeDeMuro(QPainter& p, const Estilo& e, QRect r, std::uint32_t semilla) {
  Azar az(semilla);
  p.save();
  p.setClipRect(r);
  p.fillRect(r, e.tope);
  for (int i = 0; i < r.width() * r.height() / 140; ++i) {
    p.setPen(Qt::NoPen);
    QColor c = Mezcla(e.tope, e.topeOsc, az.Uno() * 0.5);
    c.setAlpha(120);
    p.setBrush(c);
    p.drawEllipse(QPointF(r.left() + az.Uno() * r.width(), r.top() + az.Uno() * r.height()), 3, 2);
  }
  if (e.letra == 'C') {  // battlements along the front edge
    for (int x = r.left(); x < r.right(); x += 40) {
      p.fillRect(QRect(x, r.bottom() - 30, 24, 30), e.topeOsc);
      p.fillRect(QRect(x + 2, r.bottom() - 30, 20, 6), e.caraClara);
    }
  }
  if (e.letra == 'N') {  // snow piled on the edge
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    for (int x = r.left(); x < r.right(); x += 22) {
      p.drawEllipse(QPointF(x + 11, r.bottom() - 6), 14, 10);
    }
  }
  if (e.letra == 'F') {  // trimmed hedge top
    for (int i = 0; i < r.width() * r.height() / 90; ++i) {
      p.setPen(Qt::NoPen);
      p.setBrush(Mezcla(e.topeOsc, e.caraClara, az.Uno()));
      p.drawEllipse(QPointF(r.left() + az.Uno() * r.width(), r.top() + az.Uno() * r.height()), 5,
                    4);
    }
  }
  // Bevelled edges: light behind, dark in front.
  p.fillRect(QRect(r.left(), r.top(), r.width(), 4), e.caraClara);
  p.fillRect(QRect(r.left(), r.bottom() - 3, r.width(), 4), e.topeOsc);
  p.restore();
}

void Jamba(QPainter& p, const Estilo& e, int x, int y, int h) {
  QLinearGradient g(x, 0, x + 10, 0);
  g.setColorAt(0, e.caraOsc);
  g.setColorAt(1, e.caraClara);
  p.fillRect(QRect(x, y, 10, h), g);
}

QImage Pared(const Estilo& e) {
  QImage im = Lienzo(937, 268);
  QPainter p(&im);
  CaraDeMuro(p, e, im.rect(), 11);
  p.setCompositionMode(QPainter::CompositionMode_Clear);
  p.fillRect(QRect(esc::kPasoIzquierdo, 0, esc::kPasoDerecho - esc::kPasoIzquierdo, 268),
             Qt::transparent);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  Jamba(p, e, esc::kPasoIzquierdo, 0, 268);
  Jamba(p, e, esc::kPasoDerecho - 10, 0, 268);
  return im;
}

QImage ParedArriba(const Estilo& e, int ancho, bool paso) {
  QImage im = Lienzo(ancho, 131);
  QPainter p(&im);
  TopeDeMuro(p, e, im.rect(), static_cast<std::uint32_t>(ancho));
  if (paso) {
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(QRect(esc::kPasoIzquierdo, 0, esc::kPasoDerecho - esc::kPasoIzquierdo, 131),
               Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(QRect(esc::kPasoIzquierdo - 4, 0, 4, 131), e.topeOsc);
    p.fillRect(QRect(esc::kPasoDerecho, 0, 4, 131), e.topeOsc);
  }
  return im;
}

QImage ParedExterior(const Estilo& e) {
  QImage im = Lienzo(257, 402);
  QPainter p(&im);
  TopeDeMuro(p, e, QRect(0, 0, 257, 131), 5);
  CaraDeMuro(p, e, QRect(0, 131, 257, 271), 7);
  return im;
}

QImage Lateral(const Estilo& e, std::uint32_t semilla) {
  QImage im = Lienzo(185, 279);
  QPainter p(&im);
  TopeDeMuro(p, e, im.rect(), semilla);
  QLinearGradient izq(0, 0, 14, 0);
  izq.setColorAt(0, e.topeOsc);
  izq.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(QRect(0, 0, 14, 279), izq);
  QLinearGradient der(171, 0, 185, 0);
  der.setColorAt(0, QColor(0, 0, 0, 0));
  der.setColorAt(1, e.topeOsc);
  p.fillRect(QRect(171, 0, 14, 279), der);
  return im;
}

QImage Suelo(const Estilo& e) {
  QImage im = Lienzo(64, 64);
  QPainter p(&im);
  Azar az(3);
  p.fillRect(im.rect(), e.suelo);
  switch (e.letra) {
    case 'F':
      for (int i = 0; i < 60; ++i) {
        p.setPen(QPen(Mezcla(e.sueloB, QColor(60, 130, 50), az.Uno()), 1));
        const double x = az.Uno() * 64, y = az.Uno() * 64;
        p.drawLine(QPointF(x, y), QPointF(x + az.Uno() * 3 - 1.5, y - 4));
      }
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255));
      p.drawEllipse(QPointF(20, 44), 2, 2);
      p.setBrush(QColor(255, 220, 60));
      p.drawEllipse(QPointF(50, 14), 2, 2);
      break;
    case 'N':
      for (int i = 0; i < 14; ++i) {
        p.setPen(QPen(QColor(255, 255, 255), 1));
        const double x = az.Uno() * 64, y = az.Uno() * 64;
        p.drawLine(QPointF(x - 2, y), QPointF(x + 2, y));
        p.drawLine(QPointF(x, y - 2), QPointF(x, y + 2));
      }
      p.setPen(QPen(e.sueloB, 2));
      p.drawArc(QRect(4, 30, 40, 20), 0, 180 * 16);
      break;
    case 'P':
      for (int i = 0; i < 40; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(Mezcla(e.sueloB, QColor(90, 70, 50), az.Uno()));
        p.drawEllipse(QPointF(az.Uno() * 64, az.Uno() * 64), 1.5 + az.Uno() * 2, 1 + az.Uno());
      }
      break;
    default: {  // square flags
      p.setPen(QPen(e.sueloB.darker(115), 2));
      p.setBrush(e.sueloB);
      p.drawRect(QRect(1, 1, 30, 30));
      p.drawRect(QRect(33, 33, 30, 30));
      p.setBrush(e.suelo);
      p.drawRect(QRect(33, 1, 30, 30));
      p.drawRect(QRect(1, 33, 30, 30));
      if (e.letra == 'A') {
        p.setPen(QPen(e.marco, 2));
        p.drawRect(QRect(10, 10, 12, 12));
        p.drawRect(QRect(42, 42, 12, 12));
      }
      break;
    }
  }
  return im;
}

// ---- Doors, signs and statues -------------------------------------------------

QPainterPath Hueco(Forma f, QRectF r) {
  QPainterPath h;
  if (f == Forma::Arco) {
    h.moveTo(r.left(), r.bottom());
    h.lineTo(r.left(), r.top() + r.width() / 2);
    h.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
    h.lineTo(r.right(), r.bottom());
    h.closeSubpath();
  } else if (f == Forma::Trapecio) {
    h.moveTo(r.left(), r.bottom());
    h.lineTo(r.left() + 16, r.top());
    h.lineTo(r.right() - 16, r.top());
    h.lineTo(r.right(), r.bottom());
    h.closeSubpath();
  } else {
    h.addRect(r);
  }
  return h;
}

enum class Estado { Cerrada, Abierta, Resaltada };

QImage Puerta(const Estilo& e, Estado estado) {
  QImage im = Lienzo(160, 230);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF fuera(6, 6, 148, 224), dentro(20, 20, 120, 210);
  QColor marco = e.marco, puerta = e.puerta, oscura = e.puertaOsc;
  if (estado == Estado::Resaltada) {
    // The door under the pointer glows, the same in every theme.
    QRadialGradient halo(80, 120, 120);
    halo.setColorAt(0, QColor(255, 240, 120, 200));
    halo.setColorAt(1, QColor(255, 200, 40, 0));
    p.fillRect(im.rect(), halo);
    marco = QColor(250, 210, 60);
    puerta = QColor(220, 150, 60);
    oscura = QColor(150, 90, 30);
  }
  p.setPen(QPen(marco.darker(150), 2));
  p.setBrush(marco);
  p.drawPath(Hueco(e.forma, fuera));
  const QPainterPath hueco = Hueco(e.forma, dentro);
  if (estado == Estado::Abierta) {
    QLinearGradient luz(0, 20, 0, 230);
    luz.setColorAt(0, QColor(20, 14, 10));
    luz.setColorAt(1, QColor(255, 214, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(luz);
    p.drawPath(hueco);
    // The leaf swung open against the jamb.
    QPolygonF hoja;
    hoja << QPointF(20, 40) << QPointF(46, 58) << QPointF(46, 216) << QPointF(20, 230);
    p.setBrush(puerta.darker(130));
    p.drawPolygon(hoja);
    return im;
  }
  QLinearGradient madera(20, 0, 140, 0);
  madera.setColorAt(0, oscura);
  madera.setColorAt(0.5, puerta);
  madera.setColorAt(1, oscura);
  p.setPen(QPen(oscura.darker(130), 2));
  p.setBrush(madera);
  p.drawPath(hueco);
  p.save();
  p.setClipPath(hueco);
  p.setPen(QPen(oscura, 3));
  if (e.letra == 'P') {  // logs
    for (int x = 20; x < 140; x += 24) p.drawLine(x, 20, x, 230);
  } else {
    p.drawLine(80, 20, 80, 230);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(30, 110, 40, 100), 4, 4);
    p.drawRoundedRect(QRectF(90, 110, 40, 100), 4, 4);
  }
  if (e.letra == 'C') {  // iron bands
    p.setPen(QPen(QColor(50, 50, 55), 6));
    p.drawLine(20, 90, 140, 90);
    p.drawLine(20, 200, 140, 200);
  }
  p.restore();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 200, 90));
  p.drawEllipse(QPointF(70, 150), 5, 5);
  p.drawEllipse(QPointF(90, 150), 5, 5);
  return im;
}

QImage Letrero(const Estilo& e, int w, int h, bool doble) {
  QImage im = Lienzo(w, h);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing);
  auto tabla = [&](QRectF r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, e.letrero.lighter(118));
    g.setColorAt(1, e.letrero);
    p.setPen(QPen(e.letreroBorde, 3));
    p.setBrush(g);
    p.drawRoundedRect(r, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(e.letreroBorde);
    p.drawEllipse(r.topLeft() + QPointF(7, 7), 2.5, 2.5);
    p.drawEllipse(r.topRight() + QPointF(-7, 7), 2.5, 2.5);
  };
  if (doble) {
    tabla(QRectF(2, 2, w / 2.0 - 6, h - 4));
    tabla(QRectF(w / 2.0 + 4, 2, w / 2.0 - 6, h - 4));
  } else {
    tabla(QRectF(2, 2, w - 4, h - 4));
  }
  return im;
}

QImage Estatua(const Estilo& e, bool resaltada) {
  QImage im = Lienzo(96, 130);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing);
  if (resaltada) {
    QRadialGradient halo(48, 60, 60);
    halo.setColorAt(0, QColor(255, 250, 160, 220));
    halo.setColorAt(1, QColor(255, 220, 60, 0));
    p.fillRect(im.rect(), halo);
  }
  const QColor c = resaltada ? e.estatua.lighter(125) : e.estatua;
  const QColor o = e.estatuaOsc;
  QLinearGradient g(20, 0, 76, 0);
  g.setColorAt(0, o);
  g.setColorAt(0.4, c);
  g.setColorAt(1, o);
  p.setPen(QPen(o.darker(140), 2));
  p.setBrush(g);
  switch (e.letra) {
    case 'N':  // snowman
      p.drawEllipse(QPointF(48, 100), 30, 28);
      p.drawEllipse(QPointF(48, 58), 22, 20);
      p.drawEllipse(QPointF(48, 26), 16, 15);
      p.setBrush(QColor(30, 30, 40));
      p.drawRect(QRectF(34, 0, 28, 14));
      p.drawEllipse(QPointF(42, 24), 2, 2);
      p.drawEllipse(QPointF(54, 24), 2, 2);
      p.setBrush(QColor(240, 120, 30));
      p.drawPolygon(QPolygonF({QPointF(48, 28), QPointF(62, 31), QPointF(48, 33)}));
      p.setPen(QPen(QColor(200, 30, 40), 5));
      p.drawLine(32, 42, 64, 42);
      break;
    case 'F':  // flower pot
      p.drawPolygon(
          QPolygonF({QPointF(22, 80), QPointF(74, 80), QPointF(66, 128), QPointF(30, 128)}));
      for (int k = 0; k < 7; ++k) {
        const double a = kPi * (0.1 + 0.8 * k / 6.0);
        const QPointF f(48 - std::cos(a) * 34, 70 - std::sin(a) * 52);
        p.setPen(QPen(QColor(40, 120, 40), 3));
        p.drawLine(QPointF(48, 80), f);
        p.setPen(Qt::NoPen);
        p.setBrush(k % 2 ? QColor(240, 80, 120) : QColor(255, 210, 50));
        for (int j = 0; j < 5; ++j) {
          const double b = j * 2 * kPi / 5;
          p.drawEllipse(f + QPointF(std::cos(b) * 6, std::sin(b) * 6), 5, 5);
        }
        p.setBrush(QColor(120, 60, 20));
        p.drawEllipse(f, 3.5, 3.5);
      }
      break;
    case 'C':  // suit of armour
      p.drawEllipse(QRectF(32, 4, 32, 34));
      p.drawRect(QRectF(24, 40, 48, 50));
      p.drawRect(QRectF(28, 90, 16, 38));
      p.drawRect(QRectF(52, 90, 16, 38));
      p.drawRect(QRectF(12, 42, 12, 44));
      p.drawRect(QRectF(72, 42, 12, 44));
      p.setPen(QPen(QColor(30, 30, 40), 3));
      p.drawLine(38, 20, 58, 20);
      p.setPen(QPen(QColor(180, 30, 30), 4));
      p.drawLine(48, 44, 48, 86);
      break;
    case 'P':  // standing stone with a carved face
      p.drawRoundedRect(QRectF(18, 6, 60, 122), 26, 20);
      p.setPen(QPen(o.darker(160), 3));
      p.drawEllipse(QPointF(36, 40), 6, 4);
      p.drawEllipse(QPointF(60, 40), 6, 4);
      p.drawLine(48, 46, 48, 64);
      p.drawLine(36, 76, 60, 76);
      break;
    default: {  // idol: head-dress, face, body (Inca gold, Aztec jade)
      p.drawRect(QRectF(26, 62, 44, 66));
      p.drawEllipse(QRectF(26, 22, 44, 46));
      QPolygonF tocado;
      for (int k = 0; k <= 8; ++k) {
        const double a = kPi * k / 8.0;
        tocado << QPointF(48 - std::cos(a) * 40, 40 - std::sin(a) * 38);
        tocado << QPointF(48 - std::cos(a + kPi / 16) * 26, 40 - std::sin(a + kPi / 16) * 24);
      }
      p.drawPolygon(tocado);
      p.setPen(QPen(o.darker(160), 3));
      p.drawLine(36, 42, 44, 42);
      p.drawLine(52, 42, 60, 42);
      p.drawRect(QRectF(40, 54, 16, 6));
      p.drawLine(26, 84, 70, 84);
      p.drawLine(26, 104, 70, 104);
      break;
    }
  }
  return im;
}

QImage Pedestal(const Estilo& e) {
  QImage im = Lienzo(140, 110);
  QPainter p(&im);
  p.fillRect(QRect(10, 0, 120, 30), e.tope);
  p.fillRect(QRect(10, 26, 120, 4), e.topeOsc);
  CaraDeMuro(p, e, QRect(16, 30, 108, 76), 19);
  p.setPen(QPen(e.caraOsc, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(16, 30, 107, 76));
  return im;
}

QImage Bocadillo() {
  QImage im = Lienzo(220, 90);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath b;
  b.addRoundedRect(QRectF(8, 2, 208, 66), 22, 22);
  QPainterPath cola;
  cola.moveTo(26, 58);
  cola.lineTo(2, 88);
  cola.lineTo(52, 62);
  cola.closeSubpath();
  b = b.united(cola);
  p.setPen(QPen(QColor(40, 40, 40), 2.5));
  p.setBrush(QColor(255, 255, 250));
  p.drawPath(b);
  return im;
}

// The building drawn small, in the mini-map's scale.
QImage MiniMapa(const Estilo& e) {
  QImage im = Lienzo(150, 93);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(250, 230, 160), 2));
  p.setBrush(QColor(30, 30, 40, 220));
  p.drawRoundedRect(QRectF(1, 1, 148, 91), 8, 8);
  auto zona = [&](double x0, double y0, double x1, double y1, const QColor& c) {
    const double ox = 30 + 4, oy = 70 + 4;
    p.fillRect(QRectF(ox + x0 / 24, oy + y0 / 22, (x1 - x0) / 24, (y1 - y0) / 22), c);
  };
  const QColor suelo = e.suelo.lighter(110);
  zona(-215, -18, 400, 250, suelo);
  zona(-7, -420, 153, -18, suelo);
  zona(-485, -545, 950, -300, suelo);
  zona(-475, -940, -315, -540, suelo);
  zona(718, -940, 878, -540, suelo);
  zona(-840, -1065, 1900, -830, suelo);
  for (const double x : {-165.0, 100.0, 365.0}) zona(x, -808, x + 160, -578, e.marco);
  for (const double x : {-823.0, -475.0, -142.0, 372.0, 717.0, 1051.0}) {
    zona(x, -1331, x + 160, -1101, e.marco);
  }
  zona(1110, -1065, 1900, -830, QColor(240, 120, 120));
  return im;
}

// What lies beyond the top wall: the theme's landscape, fading at the sides.
QImage Lejania(const Estilo& e) {
  QImage im = Lienzo(820, 300);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient cielo(0, 0, 0, 300);
  const bool noche = e.letra == 'N' || e.letra == 'C';
  cielo.setColorAt(0, noche ? QColor(14, 20, 60) : QColor(90, 150, 230));
  cielo.setColorAt(1, noche ? QColor(70, 90, 150) : QColor(250, 220, 170));
  p.fillRect(im.rect(), cielo);
  Azar az(9);
  if (noche) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 230));
    for (int i = 0; i < 70; ++i) p.drawEllipse(QPointF(az.Uno() * 820, az.Uno() * 180), 1.2, 1.2);
    p.drawEllipse(QPointF(640, 60), 22, 22);
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 150));
    p.drawEllipse(QPointF(660, 70), 30, 30);
  }
  QPainterPath tierra;
  tierra.moveTo(0, 300);
  switch (e.letra) {
    case 'I':
    case 'N':  // mountains
      for (int x = 0; x <= 820; x += 60)
        tierra.lineTo(x, 150 + ((x / 60) % 2 ? 80 : 10) - az.Entre(0, 30));
      break;
    case 'A':  // a stepped pyramid
      tierra.lineTo(0, 250);
      for (int k = 0; k < 6; ++k) {
        tierra.lineTo(260 + k * 25, 250 - k * 22);
        tierra.lineTo(260 + k * 25, 228 - k * 22);
      }
      tierra.lineTo(560 - 5 * 25, 118);
      for (int k = 5; k >= 0; --k) {
        tierra.lineTo(560 - k * 25, 228 - k * 22);
        tierra.lineTo(560 - k * 25, 250 - k * 22);
      }
      tierra.lineTo(820, 250);
      break;
    case 'P':  // a smoking volcano
      tierra.lineTo(0, 250);
      tierra.lineTo(300, 120);
      tierra.lineTo(360, 120);
      tierra.lineTo(600, 250);
      tierra.lineTo(820, 240);
      break;
    case 'C':  // towers
      tierra.lineTo(0, 240);
      for (int x = 0; x < 820; x += 160) {
        tierra.lineTo(x + 40, 240);
        tierra.lineTo(x + 40, 140);
        for (int m = 0; m < 3; ++m) {
          tierra.lineTo(x + 40 + m * 16, 128);
          tierra.lineTo(x + 48 + m * 16, 128);
          tierra.lineTo(x + 48 + m * 16, 140);
          tierra.lineTo(x + 56 + m * 16, 140);
        }
        tierra.lineTo(x + 88, 240);
      }
      tierra.lineTo(820, 240);
      break;
    default:  // treetops
      tierra.lineTo(0, 200);
      for (int x = 0; x <= 820; x += 40) tierra.quadTo(x + 20, 130 + az.Entre(0, 40), x + 40, 200);
      break;
  }
  tierra.lineTo(820, 300);
  tierra.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(e.letra == 'F' ? QColor(40, 110, 40) : e.caraOsc);
  p.drawPath(tierra);
  if (e.letra == 'N' || e.letra == 'I') {  // snowy peaks
    p.setBrush(QColor(255, 255, 255, 200));
    for (int x = 60; x <= 820; x += 120) p.drawEllipse(QPointF(x, 160), 18, 10);
  }
  if (e.letra == 'P') {
    p.setBrush(QColor(120, 120, 120, 160));
    for (int k = 0; k < 5; ++k)
      p.drawEllipse(QPointF(330 + k * 14, 100 - k * 18), 14 + k * 4, 10 + k * 3);
  }
  // Fade out at both ends.
  p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
  QLinearGradient bordes(0, 0, 820, 0);
  bordes.setColorAt(0, QColor(0, 0, 0, 0));
  bordes.setColorAt(0.12, QColor(0, 0, 0, 255));
  bordes.setColorAt(0.88, QColor(0, 0, 0, 255));
  bordes.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(im.rect(), bordes);
  return im;
}

// ---- The figure -------------------------------------------------------------

struct Sentido {
  double x, y;  // where the figure faces; y < 0 is away from the viewer
};

Sentido SentidoDe(const QString& c) {
  const double d = 0.7071;
  if (c == QStringLiteral("manup")) return {0, -1};
  if (c == QStringLiteral("mandown")) return {0, 1};
  if (c == QStringLiteral("mander")) return {1, 0};
  if (c == QStringLiteral("manizq")) return {-1, 0};
  if (c == QStringLiteral("manupder")) return {d, -d};
  if (c == QStringLiteral("manupizq")) return {-d, -d};
  if (c == QStringLiteral("mandoder")) return {d, d};
  return {-d, d};
}

}  // namespace

QImage FiguraCaminando(const QString& conjunto, int numero) {
  const Sentido s = SentidoDe(conjunto);
  QImage im = Lienzo(esc::kAnchoFigura, esc::kAltoFigura);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing);
  const double fase = 2 * kPi * (numero - 1) / esc::kFramesFigura;
  const double paso = std::sin(fase);
  const double rebote = std::abs(std::cos(fase)) * 3;  // the body rises between steps
  const double perfil = std::abs(s.x);                 // 1 side view, 0 front or back
  const double cx = 36;
  const QColor piel(240, 196, 160), pelo(92, 56, 30), camisa(220, 60, 50), pantalon(40, 60, 130),
      zapato(40, 30, 30);

  // Shadow on the floor.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawEllipse(QPointF(cx, 160), 20, 6);

  const double cadera = 100 - rebote;
  const double hombro = 58 - rebote;
  const double sep = 7 * (1 - 0.6 * perfil);
  auto pierna = [&](double lado, double avance) {
    const double x0 = cx + lado * sep;
    const double pieX = x0 + s.x * avance * 16;
    const double pieY = 156 + s.y * avance * 6 - std::max(0.0, -avance) * 6 * (1 - perfil) -
                        std::max(0.0, avance) * 2;
    p.setPen(QPen(pantalon, 11, Qt::SolidLine, Qt::RoundCap));
    const QPointF rodilla((x0 + pieX) / 2 + s.x * 3, (cadera + pieY) / 2);
    p.drawLine(QPointF(x0, cadera), rodilla);
    p.drawLine(rodilla, QPointF(pieX, pieY - 6));
    p.setPen(Qt::NoPen);
    p.setBrush(zapato);
    p.drawEllipse(QPointF(pieX + s.x * 4, pieY - 3), 6 + perfil * 3, 4);
  };
  auto brazo = [&](double lado, double avance) {
    const double x0 = cx + lado * (13 - 8 * perfil);
    const QPointF mano(x0 + s.x * avance * 14 + lado * 2 * (1 - perfil),
                       hombro + 40 + s.y * avance * 4);
    p.setPen(QPen(camisa.darker(110), 8, Qt::SolidLine, Qt::RoundCap));
    const QPointF codo((x0 + mano.x()) / 2, hombro + 20);
    p.drawLine(QPointF(x0, hombro + 4), codo);
    p.setPen(QPen(piel, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(codo, mano);
  };

  // The far leg and arm first when seen from the side.
  const double lejos = s.x >= 0 ? -1 : 1;
  if (perfil > 0.5) {
    pierna(lejos, -paso);
    brazo(lejos, paso);
  }
  pierna(-1 * (perfil > 0.5 ? -lejos : 1), perfil > 0.5 ? paso : paso);
  if (perfil <= 0.5) pierna(1, -paso);

  // Body.
  const double ancho = 30 - 10 * perfil;
  QLinearGradient tela(cx - ancho / 2, 0, cx + ancho / 2, 0);
  tela.setColorAt(0, camisa.darker(120));
  tela.setColorAt(0.5, camisa);
  tela.setColorAt(1, camisa.darker(130));
  p.setPen(QPen(camisa.darker(160), 1.5));
  p.setBrush(tela);
  p.drawRoundedRect(QRectF(cx - ancho / 2, hombro, ancho, cadera - hombro + 4), 8, 8);
  p.setBrush(pantalon);
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(cx - ancho / 2 + 1, cadera - 6, ancho - 2, 10));
  if (s.y < -0.1) {  // a rucksack seen from behind
    p.setBrush(QColor(60, 130, 70));
    p.setPen(QPen(QColor(30, 80, 40), 1.5));
    p.drawRoundedRect(QRectF(cx - 11 + s.x * 4, hombro + 6, 22, 28), 5, 5);
  }

  if (perfil > 0.5) {
    brazo(-lejos, -paso);
  } else {
    brazo(-1, paso);
    brazo(1, -paso);
  }

  // Head.
  const QPointF cabeza(cx + s.x * 2, hombro - 22);
  p.setPen(QPen(piel.darker(130), 1.5));
  p.setBrush(piel);
  p.drawEllipse(cabeza, 15, 16);
  p.setPen(Qt::NoPen);
  p.setBrush(pelo);
  if (s.y < -0.5 && perfil < 0.5) {  // back of the head
    p.drawEllipse(cabeza + QPointF(0, -1), 15.5, 15.5);
  } else {
    QPainterPath cabello;
    cabello.addEllipse(cabeza + QPointF(-s.x * 3, -6), 16, 11);
    p.drawPath(cabello);
    if (s.y > -0.5) {
      // Eyes and mouth toward where the figure faces.
      const QPointF cara = cabeza + QPointF(s.x * 7, 3);
      p.setBrush(QColor(30, 30, 40));
      if (perfil > 0.9) {
        p.drawEllipse(cara + QPointF(s.x * 2, 0), 1.8, 2.2);
      } else {
        p.drawEllipse(cara + QPointF(-5, 0), 1.8, 2.2);
        p.drawEllipse(cara + QPointF(5, 0), 1.8, 2.2);
      }
      p.setPen(QPen(QColor(170, 60, 60), 1.5));
      p.drawArc(QRectF(cara.x() - 4 + s.x * 2, cara.y() + 4, 8, 4), 200 * 16, 140 * 16);
    }
  }
  return im;
}

namespace {

QImage Circulo(int k) {
  QImage im = Lienzo(28, 56);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing);
  const double t = (k - 1) / 5.0;
  QColor c(255, 230, 40, static_cast<int>(255 * (1 - t * 0.8)));
  p.setPen(QPen(c, 2.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(14, 40), 6 + 7 * t, 3 + 3.5 * t);
  // A little arrow drops onto the spot.
  const double y = 6 + 16 * std::min(1.0, t * 1.6);
  QPolygonF flecha;
  flecha << QPointF(14, y + 14) << QPointF(6, y + 4) << QPointF(11, y + 4) << QPointF(11, y - 6)
         << QPointF(17, y - 6) << QPointF(17, y + 4) << QPointF(22, y + 4);
  p.setPen(QPen(QColor(120, 60, 0, c.alpha()), 1.5));
  p.setBrush(c);
  p.drawPolygon(flecha);
  return im;
}

QImage Diana(bool segunda) {
  QImage im = Lienzo(9, 9);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(255, 255, 255), 1.2));
  p.setBrush(segunda ? QColor(255, 230, 0) : QColor(230, 20, 20));
  p.drawEllipse(QPointF(4.5, 4.5), 3.8, 3.8);
  return im;
}

QImage Boton(bool resaltado, const std::function<void(QPainter&)>& dibujo) {
  QImage im = Lienzo(44, 46);
  QPainter p(&im);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(250, 230, 160), 2));
  p.setBrush(resaltado ? QColor(240, 180, 40) : QColor(30, 30, 40, 220));
  p.drawRoundedRect(QRectF(1, 1, 42, 44), 8, 8);
  dibujo(p);
  return im;
}

QImage Lupa(bool r) {
  return Boton(r, [](QPainter& p) {
    p.setPen(QPen(QColor(60, 40, 20), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(27, 29), QPointF(37, 39));
    p.setPen(QPen(QColor(220, 220, 230), 3));
    p.setBrush(QColor(170, 220, 255, 200));
    p.drawEllipse(QPointF(19, 20), 11, 11);
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.drawArc(QRectF(12, 13, 10, 10), 90 * 16, 90 * 16);
  });
}

QImage Salida(bool r) {
  return Boton(r, [](QPainter& p) {
    p.setPen(QPen(QColor(60, 30, 10), 1.5));
    p.setBrush(QColor(150, 90, 40));
    p.drawRect(QRectF(8, 8, 18, 30));
    p.setBrush(QColor(20, 20, 20));
    p.drawPolygon(QPolygonF({QPointF(8, 8), QPointF(18, 12), QPointF(18, 42), QPointF(8, 38)}));
    p.setPen(QPen(QColor(240, 60, 40), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 23), QPointF(38, 23));
    p.drawLine(QPointF(33, 17), QPointF(38, 23));
    p.drawLine(QPointF(33, 29), QPointF(38, 23));
  });
}

// ---- Decorations --------------------------------------------------------------

std::vector<QImage> Fotogramas(int w, int h, const std::function<void(QPainter&, double)>& dibujo) {
  std::vector<QImage> v;
  for (int k = 0; k < 8; ++k) {
    QImage im = Lienzo(w, h);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    dibujo(p, k / 8.0);
    v.push_back(im);
  }
  return v;
}

std::vector<QImage> Antorcha() {
  return Fotogramas(40, 90, [](QPainter& p, double t) {
    p.setPen(QPen(QColor(40, 30, 20), 1.5));
    p.setBrush(QColor(110, 70, 30));
    p.drawPolygon(QPolygonF({QPointF(14, 40), QPointF(26, 40), QPointF(23, 88), QPointF(17, 88)}));
    p.setBrush(QColor(90, 90, 96));
    p.drawRect(QRectF(11, 36, 18, 7));
    const double a = std::sin(t * 2 * kPi), b = std::sin(t * 4 * kPi + 1);
    QRadialGradient brillo(20, 24, 22);
    brillo.setColorAt(0, QColor(255, 200, 80, 140));
    brillo.setColorAt(1, QColor(255, 150, 40, 0));
    p.fillRect(QRectF(0, 0, 40, 50), brillo);
    QPainterPath llama;
    llama.moveTo(10, 38);
    llama.quadTo(6 + a * 3, 20, 20 + b * 4, 2 + a * 3);
    llama.quadTo(34 + a * 2, 22, 30, 38);
    llama.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 90, 20));
    p.drawPath(llama);
    p.setBrush(QColor(255, 220, 70));
    p.drawEllipse(QPointF(20 + b * 1.5, 28), 5, 9 + a * 2);
  });
}

std::vector<QImage> Bandera() {
  return Fotogramas(60, 90, [](QPainter& p, double t) {
    p.setPen(QPen(QColor(80, 60, 40), 3));
    p.drawLine(QPointF(6, 4), QPointF(6, 88));
    QPainterPath tela;
    const int n = 20;
    for (int i = 0; i <= n; ++i) {
      const double x = 7 + 50.0 * i / n;
      const double y = 8 + std::sin(t * 2 * kPi - i * 0.45) * 3 * i / n;
      if (i == 0)
        tela.moveTo(x, y);
      else
        tela.lineTo(x, y);
    }
    for (int i = n; i >= 0; --i) {
      const double x = 7 + 50.0 * i / n;
      tela.lineTo(x, 40 + std::sin(t * 2 * kPi - i * 0.45) * 3 * i / n);
    }
    tela.closeSubpath();
    p.setPen(QPen(QColor(120, 10, 10), 1.5));
    p.setBrush(QColor(200, 30, 30));
    p.drawPath(tela);
    p.setBrush(QColor(250, 210, 50));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(30, 24 + std::sin(t * 2 * kPi - 5) * 1.5), 7, 7);
  });
}

std::vector<QImage> Mariposa() {
  return Fotogramas(44, 40, [](QPainter& p, double t) {
    const double abre = 0.25 + 0.75 * std::abs(std::cos(t * 2 * kPi));
    const double y = 20 + std::sin(t * 2 * kPi) * 3;
    p.setPen(QPen(QColor(60, 20, 60), 1));
    for (const double lado : {-1.0, 1.0}) {
      p.setBrush(QColor(230, 120, 200));
      p.drawEllipse(QPointF(22 + lado * 10 * abre, y - 6), 10 * abre + 1, 9);
      p.setBrush(QColor(250, 200, 60));
      p.drawEllipse(QPointF(22 + lado * 8 * abre, y + 7), 7 * abre + 1, 6);
    }
    p.setBrush(QColor(50, 30, 30));
    p.drawEllipse(QPointF(22, y), 2.5, 10);
  });
}

std::vector<QImage> Espada() {
  return Fotogramas(50, 120, [](QPainter& p, double t) {
    p.setPen(QPen(QColor(90, 90, 100), 1));
    QLinearGradient hoja(20, 0, 30, 0);
    hoja.setColorAt(0, QColor(170, 175, 190));
    hoja.setColorAt(0.5, QColor(245, 245, 255));
    hoja.setColorAt(1, QColor(140, 145, 160));
    p.setBrush(hoja);
    p.drawPolygon(QPolygonF(
        {QPointF(25, 2), QPointF(31, 14), QPointF(31, 86), QPointF(19, 86), QPointF(19, 14)}));
    p.setBrush(QColor(200, 160, 40));
    p.drawRect(QRectF(6, 86, 38, 7));
    p.setBrush(QColor(90, 40, 20));
    p.drawRect(QRectF(21, 93, 8, 20));
    p.setBrush(QColor(200, 160, 40));
    p.drawEllipse(QPointF(25, 115), 5, 5);
    // A glint runs down the blade.
    const double y = 10 + t * 80;
    QRadialGradient brillo(25, y, 10);
    brillo.setColorAt(0, QColor(255, 255, 255, 230));
    brillo.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(brillo);
    p.drawEllipse(QPointF(25, y), 10, 10);
  });
}

std::vector<QImage> Payaso() {
  return Fotogramas(70, 120, [](QPainter& p, double t) {
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(60, 90, 200));
    p.drawRoundedRect(QRectF(20, 60, 30, 40), 8, 8);
    p.setBrush(QColor(240, 240, 60));
    p.drawEllipse(QPointF(35, 72), 4, 4);
    p.drawEllipse(QPointF(35, 86), 4, 4);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(22, 100, 10, 14));
    p.drawRect(QRectF(38, 100, 10, 14));
    p.drawEllipse(QPointF(24, 116), 9, 4);
    p.drawEllipse(QPointF(46, 116), 9, 4);
    p.setBrush(QColor(250, 230, 210));
    p.drawEllipse(QPointF(35, 46), 12, 13);
    p.setBrush(QColor(230, 30, 30));
    p.drawEllipse(QPointF(35, 48), 3.5, 3.5);
    p.setBrush(QColor(250, 130, 30));
    p.drawEllipse(QPointF(22, 38), 7, 7);
    p.drawEllipse(QPointF(48, 38), 7, 7);
    p.setBrush(QColor(60, 160, 60));
    p.drawPolygon(QPolygonF({QPointF(25, 36), QPointF(35, 14), QPointF(45, 36)}));
    // Three balls juggled round.
    const QColor bolas[] = {{230, 40, 40}, {40, 180, 60}, {250, 210, 40}};
    for (int i = 0; i < 3; ++i) {
      const double a = 2 * kPi * (t + i / 3.0);
      p.setBrush(bolas[i]);
      p.drawEllipse(QPointF(35 + std::cos(a) * 24, 22 + std::sin(a) * 14), 4.5, 4.5);
    }
    p.setPen(QPen(QColor(250, 230, 210), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 66), QPointF(12, 52 + std::sin(t * 2 * kPi) * 4));
    p.drawLine(QPointF(48, 66), QPointF(58, 52 - std::sin(t * 2 * kPi) * 4));
  });
}

// ---- Sounds --------------------------------------------------------------------

QByteArray Melodia(const std::vector<std::pair<double, double>>& notas, double timbre) {
  std::vector<std::int16_t> m;
  for (const auto& [frecuencia, segundos] : notas) {
    const int n = static_cast<int>(kMuestrasPorSegundo * segundos);
    for (int i = 0; i < n; ++i) {
      const double t = static_cast<double>(i) / kMuestrasPorSegundo;
      const double env = std::min(1.0, t * 60) * std::exp(-t * 3.5);
      double v = 0;
      if (frecuencia > 0) {
        const double w = 2 * kPi * frecuencia * t;
        v = std::sin(w) + timbre * 0.5 * std::sin(2 * w) + timbre * 0.25 * std::sin(3 * w);
      }
      m.push_back(Muestra(0.32 * env * v));
    }
  }
  const std::string wav = Wav(m);
  return QByteArray(wav.data(), static_cast<qsizetype>(wav.size()));
}

ItemImagen Item(std::string nombre, const QImage& im) {
  return {std::move(nombre), im.width(), im.height(), {im}};
}

QImage Hoja(const std::vector<ItemImagen>& items, const QColor& fondo) {
  int ancho = 0, alto = 0, fila = 0, x = 0;
  const int maximo = 1400;
  for (const auto& it : items) {
    const int w = it.ancho * static_cast<int>(it.patrones.size()) + 6;
    if (x + w > maximo) {
      alto += fila;
      fila = 0;
      x = 0;
    }
    x += w;
    ancho = std::max(ancho, x);
    fila = std::max(fila, it.alto + 6);
  }
  alto += fila;
  QImage hoja(std::max(1, ancho), std::max(1, alto), QImage::Format_ARGB32_Premultiplied);
  hoja.fill(fondo);
  QPainter p(&hoja);
  x = 0;
  int y = 0;
  fila = 0;
  for (const auto& it : items) {
    const int w = it.ancho * static_cast<int>(it.patrones.size()) + 6;
    if (x + w > maximo) {
      y += fila;
      fila = 0;
      x = 0;
    }
    for (std::size_t k = 0; k < it.patrones.size(); ++k) {
      p.drawImage(x + 3 + static_cast<int>(k) * it.ancho, y + 3, it.patrones[k]);
    }
    x += w;
    fila = std::max(fila, it.alto + 6);
  }
  return hoja;
}

bool Guardar(const QString& ruta, const QByteArray& bytes) {
  QFile f(ruta);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

}  // namespace

bool EscribirEscena(const QString& destino, const QString& vistas) {
  bool bien = true;
  auto lista = [&](const QString& nombre, const std::vector<ItemImagen>& items,
                   const QColor& fondo) {
    bien = Guardar(destino + QLatin1Char('/') + nombre, paquete::EscribirImagenes(items)) && bien;
    if (!vistas.isEmpty())
      Hoja(items, fondo).save(vistas + QLatin1Char('/') + nombre + QStringLiteral(".png"));
  };

  const std::pair<char, const char*> temas[] = {{'I', "inca.DXG"},   {'F', "flor.DXG"},
                                                {'C', "casti.DXG"},  {'N', "nieve.DXG"},
                                                {'A', "AZTECA.DXG"}, {'P', "prehis.dxg"}};
  for (const auto& [letra, archivo] : temas) {
    const Estilo& e = EstiloDe(letra);
    std::vector<ItemImagen> items;
    items.push_back(Item("background", Suelo(e)));
    items.push_back(Item("lateral1", Lateral(e, 21)));
    items.push_back(Item("lateral2", Lateral(e, 22)));
    items.push_back(Item("paredEx", ParedExterior(e)));
    items.push_back(Item("pared", Pared(e)));
    items.push_back(Item("paredUp", ParedArriba(e, 937, true)));
    items.push_back(Item("paredUp2", ParedArriba(e, 257, false)));
    items.push_back(Item("rotulo1", Letrero(e, 180, 56, false)));
    items.push_back(Item("rotulo2", Letrero(e, 180, 56, false)));
    items.push_back(Item("rotulos", Letrero(e, 290, 64, true)));
    items.push_back(Item("tabla1", Letrero(e, 230, 50, false)));
    items.push_back(Item("puertaB", Puerta(e, Estado::Cerrada)));
    items.push_back(Item("puertab", Puerta(e, Estado::Cerrada)));
    items.push_back(Item("puer3", Puerta(e, Estado::Abierta)));
    items.push_back(Item("faraon1", Estatua(e, false)));
    items.push_back(Item("faraon2", Estatua(e, true)));
    items.push_back(Item("pedestal", Pedestal(e)));
    items.push_back(Item("bocadillo", Bocadillo()));
    items.push_back(Item("zoomC", MiniMapa(e)));
    items.push_back(Item("zoom", Lejania(e)));
    lista(QString::fromLatin1(archivo), items, QColor(40, 40, 40));
  }

  std::vector<ItemImagen> comunes;
  for (const std::string_view c : esc::kConjuntosFigura) {
    const QString conjunto = QString::fromLatin1(c.data(), static_cast<qsizetype>(c.size()));
    for (int k = 1; k <= esc::kFramesFigura; ++k) {
      comunes.push_back(Item(std::string(c) + (k < 10 ? "0" : "") + std::to_string(k),
                             FiguraCaminando(conjunto, k)));
    }
  }
  for (int k = 1; k <= 6; ++k) comunes.push_back(Item("circ" + std::to_string(k), Circulo(k)));
  comunes.push_back(Item("diana", Diana(false)));
  comunes.push_back(Item("diana2", Diana(true)));
  comunes.push_back(Item("lupa", Lupa(false)));
  comunes.push_back(Item("lupa2", Lupa(true)));
  comunes.push_back(Item("puertaS", Salida(false)));
  comunes.push_back(Item("puertaS2", Salida(true)));
  comunes.push_back(Item("puerta2", Puerta(EstiloDe('I'), Estado::Resaltada)));
  lista(QStringLiteral("segdxg1.DXG"), comunes, QColor(200, 200, 190));

  auto adorno = [](std::string nombre, std::vector<QImage> v) {
    ItemImagen it{std::move(nombre), v[0].width(), v[0].height(), std::move(v)};
    return it;
  };
  lista(QStringLiteral("antorcha.dxg"),
        {adorno("antorcha", Antorcha()), adorno("bandera", Bandera()), adorno("espada", Espada()),
         adorno("payaso", Payaso())},
        QColor(90, 90, 90));
  lista(QStringLiteral("antorchaf.dxg"),
        {adorno("antorcha", Antorcha()), adorno("mariposa", Mariposa())}, QColor(120, 190, 100));

  // The "inicio" tune of each sound list.
  const QByteArray flor = Melodia(
      {{784, 0.14}, {988, 0.14}, {1175, 0.14}, {1568, 0.3}, {1319, 0.14}, {1568, 0.5}}, 0.2);
  const QByteArray nieve =
      Melodia({{1047, 0.2}, {1319, 0.2}, {1568, 0.2}, {2093, 0.6}, {1568, 0.2}, {2093, 0.7}}, 0.05);
  const QByteArray inicio =
      Melodia({{392, 0.16}, {523, 0.16}, {659, 0.16}, {784, 0.36}, {659, 0.16}, {784, 0.6}}, 0.6);
  bien = Guardar(destino + QStringLiteral("/flor.dxw"),
                 paquete::EscribirSonidos({{"inicio", flor}})) &&
         bien;
  bien = Guardar(destino + QStringLiteral("/nieve.dxw"),
                 paquete::EscribirSonidos({{"inicio", nieve}})) &&
         bien;
  bien = Guardar(destino + QStringLiteral("/inicio.dxw"),
                 paquete::EscribirSonidos({{"inicio", inicio}})) &&
         bien;
  return bien;
}

}  // namespace sendaro::recursos
