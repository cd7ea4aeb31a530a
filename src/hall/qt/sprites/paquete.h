// The packed image lists (".DXG") and sound lists (".dxw") of the scene: the
// one definition of both formats, used by the program to read them and by
// the picture generator to write them. All numbers little-endian.
//
// Image list:  "SDXG", u16 version 1, u16 item count, then per item:
//   u8 name length, name (ASCII), u16 frame width, u16 frame height,
//   u16 frame count, u32 PNG length, PNG bytes: the frames side by side in
//   one row (width x count by height), 32 bits with alpha (alpha 0 is
//   transparent).
// Sound list:  "SDXW", u16 version 1, u16 item count, then per item:
//   u8 name length, name (ASCII), u32 length, a whole RIFF/WAVE file.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <future>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace sendaro::paquete {

struct ItemImagen {
  std::string nombre;
  int ancho = 0;
  int alto = 0;
  std::vector<QImage> patrones;  // each ancho x alto
};

struct ItemSonido {
  std::string nombre;
  QByteArray wav;
};

namespace detalle {

inline void U16(QByteArray& b, int v) {
  b.append(static_cast<char>(v & 0xFF));
  b.append(static_cast<char>((v >> 8) & 0xFF));
}
inline void U32(QByteArray& b, qsizetype v) {
  for (int i = 0; i < 4; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}
inline void Nombre(QByteArray& b, const std::string& n) {
  b.append(static_cast<char>(n.size()));
  b.append(n.data(), static_cast<qsizetype>(n.size()));
}

class Lector {
 public:
  explicit Lector(const QByteArray& b) : b_(b) {}
  bool Quedan(qsizetype n) const { return pos_ + n <= b_.size(); }
  std::optional<std::uint32_t> Entero(int bytes) {
    if (!Quedan(bytes)) return std::nullopt;
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) {
      v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b_[pos_ + i])) << (8 * i);
    }
    pos_ += bytes;
    return v;
  }
  std::optional<QByteArray> Bytes(qsizetype n) {
    if (n < 0 || !Quedan(n)) return std::nullopt;
    QByteArray r = b_.mid(pos_, n);
    pos_ += n;
    return r;
  }
  bool Fin() const { return pos_ == b_.size(); }

 private:
  const QByteArray& b_;
  qsizetype pos_ = 0;
};

inline std::optional<std::uint32_t> Cabecera(Lector& l, const char* magia) {
  const auto m = l.Bytes(4);
  if (!m || *m != QByteArray(magia)) return std::nullopt;
  const auto version = l.Entero(2);
  if (!version || *version != 1) return std::nullopt;
  return l.Entero(2);
}

}  // namespace detalle

inline QByteArray EscribirImagenes(const std::vector<ItemImagen>& items) {
  QByteArray b("SDXG");
  detalle::U16(b, 1);
  detalle::U16(b, static_cast<int>(items.size()));
  for (const ItemImagen& it : items) {
    const int n = static_cast<int>(it.patrones.size());
    QImage tira(it.ancho * n, it.alto, QImage::Format_ARGB32);
    tira.fill(Qt::transparent);
    for (int i = 0; i < n; ++i) {
      const QImage p =
          it.patrones[static_cast<std::size_t>(i)].convertToFormat(QImage::Format_ARGB32);
      for (int y = 0; y < it.alto && y < p.height(); ++y) {
        const auto* o = reinterpret_cast<const QRgb*>(p.constScanLine(y));
        auto* d = reinterpret_cast<QRgb*>(tira.scanLine(y)) + i * it.ancho;
        std::copy(o, o + std::min(it.ancho, p.width()), d);
      }
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    tira.save(&buffer, "PNG");
    detalle::Nombre(b, it.nombre);
    detalle::U16(b, it.ancho);
    detalle::U16(b, it.alto);
    detalle::U16(b, n);
    detalle::U32(b, png.size());
    b.append(png);
  }
  return b;
}

// Nothing when the bytes are not a whole, well-formed list.
inline std::optional<std::vector<ItemImagen>> LeerImagenes(const QByteArray& bytes) {
  detalle::Lector l(bytes);
  const auto cuantos = detalle::Cabecera(l, "SDXG");
  if (!cuantos) return std::nullopt;
  struct Leido {
    QByteArray nombre;
    int ancho, alto, cuenta;
    QByteArray png;
  };
  std::vector<Leido> leidos;
  for (std::uint32_t i = 0; i < *cuantos; ++i) {
    const auto largo = l.Entero(1);
    if (!largo) return std::nullopt;
    const auto nombre = l.Bytes(static_cast<qsizetype>(*largo));
    const auto ancho = l.Entero(2), alto = l.Entero(2), n = l.Entero(2);
    if (!nombre || !ancho || !alto || !n || *ancho == 0 || *alto == 0 || *n == 0)
      return std::nullopt;
    const auto largoPng = l.Entero(4);
    if (!largoPng) return std::nullopt;
    const auto png = l.Bytes(static_cast<qsizetype>(*largoPng));
    if (!png) return std::nullopt;
    leidos.push_back(
        {*nombre, static_cast<int>(*ancho), static_cast<int>(*alto), static_cast<int>(*n), *png});
  }
  if (!l.Fin()) return std::nullopt;

  // Decoding the pictures is most of the work: it is shared among the
  // processor's cores, each taking every k-th item.
  std::vector<ItemImagen> items(leidos.size());
  std::vector<char> bien(leidos.size(), 0);
  auto decodificar = [&](std::size_t desde, std::size_t paso) {
    for (std::size_t i = desde; i < leidos.size(); i += paso) {
      const Leido& d = leidos[i];
      const QImage tira =
          QImage::fromData(d.png, "PNG").convertToFormat(QImage::Format_ARGB32_Premultiplied);
      // In 64 bits: two 16-bit fields of a damaged list may overflow an int.
      if (tira.width() != static_cast<qint64>(d.ancho) * d.cuenta || tira.height() != d.alto) continue;
      ItemImagen& it = items[i];
      it = {d.nombre.toStdString(), d.ancho, d.alto, {}};
      for (int k = 0; k < d.cuenta; ++k)
        it.patrones.push_back(tira.copy(k * d.ancho, 0, d.ancho, d.alto));
      bien[i] = 1;
    }
  };
  const std::size_t hilos = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1,
                                                    std::max<std::size_t>(1, leidos.size()));
  std::vector<std::future<void>> otros;
  for (std::size_t h = 1; h < hilos; ++h)
    otros.push_back(std::async(std::launch::async, decodificar, h, hilos));
  decodificar(0, hilos);
  for (auto& f : otros) f.get();
  if (std::find(bien.begin(), bien.end(), 0) != bien.end()) return std::nullopt;
  return items;
}

inline QByteArray EscribirSonidos(const std::vector<ItemSonido>& items) {
  QByteArray b("SDXW");
  detalle::U16(b, 1);
  detalle::U16(b, static_cast<int>(items.size()));
  for (const ItemSonido& it : items) {
    detalle::Nombre(b, it.nombre);
    detalle::U32(b, it.wav.size());
    b.append(it.wav);
  }
  return b;
}

inline std::optional<std::vector<ItemSonido>> LeerSonidos(const QByteArray& bytes) {
  detalle::Lector l(bytes);
  const auto cuantos = detalle::Cabecera(l, "SDXW");
  if (!cuantos) return std::nullopt;
  std::vector<ItemSonido> items;
  for (std::uint32_t i = 0; i < *cuantos; ++i) {
    const auto largo = l.Entero(1);
    if (!largo) return std::nullopt;
    const auto nombre = l.Bytes(static_cast<qsizetype>(*largo));
    const auto n = l.Entero(4);
    if (!nombre || !n) return std::nullopt;
    const auto wav = l.Bytes(static_cast<qsizetype>(*n));
    if (!wav || !wav->startsWith("RIFF")) return std::nullopt;
    items.push_back({nombre->toStdString(), *wav});
  }
  if (!l.Fin()) return std::nullopt;
  return items;
}

}  // namespace sendaro::paquete
