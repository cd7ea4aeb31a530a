// The packed image lists (".DXG") and sound lists (".dxw") of the scene: the
// one definition of both formats, used by the program to read them and by
// the picture generator to write them. All numbers little-endian.
//
// Image list:  "SDXG", u16 version, u16 item count, then per item:
//   u8 name length, name (ASCII), u16 frame width, u16 frame height,
//   u16 frame count, then the frames side by side in one row (width x count
//   by height), 32 bits with alpha (alpha 0 is transparent):
//   version 1: u32 PNG length, PNG bytes;
//   version 2: zero bytes up to the next multiple of 4 from the start of the
//     list, then the pixels as they lie in memory: rows of 32-bit
//     premultiplied ARGB values (QImage::Format_ARGB32_Premultiplied), top
//     row first. The program draws straight from these bytes, without
//     decoding or copying them, which is why the generator writes version 2.
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
#include <memory>
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
  // Skips n bytes; the offset where they began, or nothing past the end.
  std::optional<qsizetype> Saltar(qint64 n) {
    if (n < 0 || n > b_.size() - pos_) return std::nullopt;
    const qsizetype desde = pos_;
    pos_ += static_cast<qsizetype>(n);
    return desde;
  }
  qsizetype Posicion() const { return pos_; }
  bool Fin() const { return pos_ == b_.size(); }

 private:
  const QByteArray& b_;
  qsizetype pos_ = 0;
};

struct Cabeza {
  std::uint32_t version;
  std::uint32_t cuantos;
};

inline std::optional<Cabeza> Cabecera(Lector& l, const char* magia, std::uint32_t ultima) {
  const auto m = l.Bytes(4);
  if (!m || *m != QByteArray(magia)) return std::nullopt;
  const auto version = l.Entero(2);
  if (!version || *version < 1 || *version > ultima) return std::nullopt;
  const auto cuantos = l.Entero(2);
  if (!cuantos) return std::nullopt;
  return Cabeza{*version, *cuantos};
}

// Zero bytes up to the next multiple of 4.
inline qsizetype Relleno(qsizetype posicion) { return (4 - posicion % 4) % 4; }

// A strip of frames side by side, in 32-bit ARGB.
inline QImage Tira(const ItemImagen& it, QImage::Format formato) {
  const int n = static_cast<int>(it.patrones.size());
  QImage tira(it.ancho * n, it.alto, formato);
  tira.fill(Qt::transparent);
  for (int i = 0; i < n; ++i) {
    const QImage p = it.patrones[static_cast<std::size_t>(i)].convertToFormat(formato);
    for (int y = 0; y < it.alto && y < p.height(); ++y) {
      const auto* o = reinterpret_cast<const QRgb*>(p.constScanLine(y));
      auto* d = reinterpret_cast<QRgb*>(tira.scanLine(y)) + i * it.ancho;
      std::copy(o, o + std::min(it.ancho, p.width()), d);
    }
  }
  return tira;
}

}  // namespace detalle

// Version 2 (raw pixels) unless `version` asks for 1 (PNG).
inline QByteArray EscribirImagenes(const std::vector<ItemImagen>& items, int version = 2) {
  QByteArray b("SDXG");
  detalle::U16(b, version);
  detalle::U16(b, static_cast<int>(items.size()));
  for (const ItemImagen& it : items) {
    const int n = static_cast<int>(it.patrones.size());
    detalle::Nombre(b, it.nombre);
    detalle::U16(b, it.ancho);
    detalle::U16(b, it.alto);
    detalle::U16(b, n);
    if (version == 1) {
      QByteArray png;
      QBuffer buffer(&png);
      buffer.open(QIODevice::WriteOnly);
      detalle::Tira(it, QImage::Format_ARGB32).save(&buffer, "PNG");
      detalle::U32(b, png.size());
      b.append(png);
    } else {
      b.append(detalle::Relleno(b.size()), '\0');
      const QImage tira = detalle::Tira(it, QImage::Format_ARGB32_Premultiplied);
      const qsizetype fila = static_cast<qsizetype>(tira.width()) * 4;
      for (int y = 0; y < tira.height(); ++y)
        b.append(reinterpret_cast<const char*>(tira.constScanLine(y)), fila);
    }
  }
  return b;
}

namespace detalle {

// What a picture drawn from a list's bytes keeps alive while it lives: the
// bytes and whatever holds them (a mapped file).
struct Retenido {
  QByteArray bytes;
  std::shared_ptr<const void> dueno;
};
inline void Soltar(void* retenido) { delete static_cast<Retenido*>(retenido); }

}  // namespace detalle

// Nothing when the bytes are not a whole, well-formed list. The frames of a
// version 2 list point into `bytes` (sharing them, never copying) and keep
// `dueno` alive, so that `bytes` may be QByteArray::fromRawData over a mapped
// file that `dueno` unmaps when the last frame goes.
inline std::optional<std::vector<ItemImagen>> LeerImagenes(
    const QByteArray& bytes, std::shared_ptr<const void> dueno = nullptr) {
  detalle::Lector l(bytes);
  const auto cabeza = detalle::Cabecera(l, "SDXG", 2);
  if (!cabeza) return std::nullopt;
  struct Leido {
    QByteArray nombre;
    int ancho, alto, cuenta;
    QByteArray png;         // version 1
    qsizetype pixeles = 0;  // version 2: where the strip's pixels begin
  };
  std::vector<Leido> leidos;
  for (std::uint32_t i = 0; i < cabeza->cuantos; ++i) {
    const auto largo = l.Entero(1);
    if (!largo) return std::nullopt;
    const auto nombre = l.Bytes(static_cast<qsizetype>(*largo));
    const auto ancho = l.Entero(2), alto = l.Entero(2), n = l.Entero(2);
    if (!nombre || !ancho || !alto || !n || *ancho == 0 || *alto == 0 || *n == 0)
      return std::nullopt;
    Leido d{*nombre, static_cast<int>(*ancho), static_cast<int>(*alto), static_cast<int>(*n), {}};
    if (cabeza->version == 1) {
      const auto largoPng = l.Entero(4);
      if (!largoPng) return std::nullopt;
      const auto png = l.Bytes(static_cast<qsizetype>(*largoPng));
      if (!png) return std::nullopt;
      d.png = *png;
    } else {
      if (!l.Saltar(detalle::Relleno(l.Posicion()))) return std::nullopt;
      // In 64 bits: the product of three 16-bit fields may overflow an int.
      const qint64 tamano = qint64{d.ancho} * d.cuenta * d.alto * 4;
      const auto desde = l.Saltar(tamano);
      if (!desde) return std::nullopt;
      d.pixeles = *desde;
    }
    leidos.push_back(std::move(d));
  }
  if (!l.Fin()) return std::nullopt;

  std::vector<ItemImagen> items(leidos.size());
  if (cabeza->version == 2) {
    // The pixels are 32-bit values: a list whose bytes are not 4-aligned in
    // memory (never so for a mapped file) is copied once to an aligned one.
    const QByteArray alineados =
        reinterpret_cast<quintptr>(bytes.constData()) % 4 == 0
            ? bytes
            : QByteArray(bytes.constData(), bytes.size());
    for (std::size_t i = 0; i < leidos.size(); ++i) {
      const Leido& d = leidos[i];
      ItemImagen& it = items[i];
      it = {d.nombre.toStdString(), d.ancho, d.alto, {}};
      const qsizetype fila = qsizetype{d.ancho} * d.cuenta * 4;
      const auto* tira = reinterpret_cast<const uchar*>(alineados.constData()) + d.pixeles;
      for (int k = 0; k < d.cuenta; ++k) {
        it.patrones.emplace_back(tira + qsizetype{k} * d.ancho * 4, d.ancho, d.alto, fila,
                                 QImage::Format_ARGB32_Premultiplied, detalle::Soltar,
                                 new detalle::Retenido{alineados, dueno});
      }
    }
    return items;
  }

  // Decoding PNG pictures is most of the work: it is shared among the
  // processor's cores, each taking every k-th item.
  std::vector<char> bien(leidos.size(), 0);
  auto decodificar = [&](std::size_t desde, std::size_t paso) {
    for (std::size_t i = desde; i < leidos.size(); i += paso) {
      const Leido& d = leidos[i];
      const QImage tira =
          QImage::fromData(d.png, "PNG").convertToFormat(QImage::Format_ARGB32_Premultiplied);
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
  const auto cabeza = detalle::Cabecera(l, "SDXW", 1);
  if (!cabeza) return std::nullopt;
  std::vector<ItemSonido> items;
  for (std::uint32_t i = 0; i < cabeza->cuantos; ++i) {
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
