#include "ui/imagenes.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QStringList>
#include <limits>

namespace sendaro {

namespace {

QStringList Candidatos(const QString& nombre) {
  return {nombre, nombre + QStringLiteral(".bmp"), nombre + QStringLiteral(".jpg"),
          nombre + QStringLiteral(".jpeg")};
}

quint32 Entero32(const QByteArray& b, qsizetype p) {
  quint32 v = 0;
  for (qsizetype i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[p + i]);
  return v;
}

// True when a bitmap holds every byte of its pixels. The toolkit's decoders
// show a bitmap or JPEG cut short with its missing rows made up, so a copy
// that lost its end must be caught here.
bool BmpCompleto(const QByteArray& b) {
  if (b.size() < 54) return false;
  const quint32 inicio = Entero32(b, 10);
  const auto ancho = static_cast<qint64>(static_cast<qint32>(Entero32(b, 18)));
  const auto alto = static_cast<qint64>(static_cast<qint32>(Entero32(b, 22)));
  const quint32 bits = Entero32(b, 26) >> 16;  // bits per pixel: the 16-bit field at 28
  const quint32 compresion = Entero32(b, 30);
  const quint32 tamanoImagen = Entero32(b, 34);
  if (ancho <= 0 || alto == 0 || bits == 0) return false;
  qint64 pixeles = 0;
  if (compresion == 0 || compresion == 3) {
    // Uncompressed rows, each padded to 4 bytes.
    pixeles = (ancho * bits + 31) / 32 * 4 * (alto < 0 ? -alto : alto);
  } else {
    pixeles = tamanoImagen;
  }
  return static_cast<qint64>(inicio) + pixeles <= b.size();
}

// The picture's format from its first bytes: the name's extension is no
// guide for a file that was replaced by something else.
const char* Formato(const QByteArray& b) {
  if (b.startsWith("BM")) return BmpCompleto(b) ? "BMP" : nullptr;
  if (b.startsWith("\x89PNG\r\n\x1A\n")) return "PNG";
  if (b.startsWith("\xFF\xD8\xFF")) return b.endsWith("\xFF\xD9") ? "JPEG" : nullptr;
  return nullptr;
}

// The bytes of a file, read through a mapping of it: valid while `f` is open.
QByteArray Mapear(QFile& f) {
  if (!f.open(QIODevice::ReadOnly)) return {};
  const qint64 tamano = f.size();
  if (tamano <= 0) return {};
  if (uchar* p = f.map(0, tamano)) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(p),
                                   static_cast<qsizetype>(tamano));
  }
  return f.readAll();
}

// An uncompressed 24-bit bitmap, the kind every picture of an installation
// is, decoded straight from its bytes: the toolkit's reader would first look
// through every image plugin (and load some) and then decode the same way.
// Null for any other kind of bitmap, which the toolkit then reads. `b` is a
// whole bitmap (BmpCompleto).
QImage Bmp24(const QByteArray& b) {
  const quint32 cabecera = Entero32(b, 14);
  const auto ancho = static_cast<qint32>(Entero32(b, 18));
  const auto alto = static_cast<qint32>(Entero32(b, 22));
  const quint32 planosYBits = Entero32(b, 26);
  const quint32 compresion = Entero32(b, 30);
  if (cabecera < 40 || planosYBits != (24u << 16 | 1u) || compresion != 0 || ancho <= 0 ||
      alto == 0 || alto == std::numeric_limits<qint32>::min()) {
    return {};
  }
  const int filas = alto < 0 ? -alto : alto;
  QImage imagen(ancho, filas, QImage::Format_RGB32);
  if (imagen.isNull()) return {};
  const qsizetype paso = (static_cast<qsizetype>(ancho) * 24 + 31) / 32 * 4;
  const auto* origen = reinterpret_cast<const uchar*>(b.constData()) + Entero32(b, 10);
  for (int y = 0; y < filas; ++y) {
    // Rows are stored bottom first unless the height is negative.
    const uchar* o = origen + paso * (alto > 0 ? filas - 1 - y : y);
    auto* d = reinterpret_cast<QRgb*>(imagen.scanLine(y));
    for (int x = 0; x < ancho; ++x, o += 3) d[x] = qRgb(o[2], o[1], o[0]);
  }
  return imagen;
}

std::optional<QImage> Abrir(const QString& ruta) {
  QFile f(ruta);
  const QByteArray bytes = Mapear(f);
  const char* formato = Formato(bytes);
  if (formato == nullptr) return std::nullopt;
  QImage imagen;
  if (qstrcmp(formato, "BMP") == 0) imagen = Bmp24(bytes);
  if (imagen.isNull()) {
    // The format is known from the bytes: the reader is told not to ask
    // every image plugin first whether it reads that format, which loads
    // each plugin and the libraries behind it.
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader lector(&buffer, formato);
    lector.setAutoDetectImageFormat(false);
    imagen = lector.read();
  }
  if (imagen.isNull()) return std::nullopt;
  return imagen;
}

// The path of the picture by the rules of CargarImagen; empty when none.
QString Buscar(const std::filesystem::path& carpeta, std::string_view nombre) {
  if (nombre.empty()) return {};
  const QDir dir(QFile::decodeName(carpeta.c_str()));
  const QStringList candidatos = Candidatos(
      QFile::decodeName(QByteArray(nombre.data(), static_cast<qsizetype>(nombre.size()))));
  for (const QString& c : candidatos) {
    if (QFile::exists(dir.filePath(c))) return dir.filePath(c);
  }
  const QStringList entradas = dir.entryList(QDir::Files);
  for (const QString& c : candidatos) {
    for (const QString& e : entradas) {
      if (e.compare(c, Qt::CaseInsensitive) == 0) return dir.filePath(e);
    }
  }
  return {};
}

}  // namespace

std::optional<QPixmap> CargarImagen(const std::filesystem::path& carpeta, std::string_view nombre) {
  const auto imagen = LeerImagen(carpeta, nombre);
  if (!imagen) return std::nullopt;
  return QPixmap::fromImage(*imagen);
}

std::optional<QImage> LeerImagen(const std::filesystem::path& carpeta, std::string_view nombre) {
  const QString ruta = Buscar(carpeta, nombre);
  if (ruta.isEmpty()) return std::nullopt;
  return Abrir(ruta);
}

bool ImagenEntera(const std::filesystem::path& carpeta, std::string_view nombre) {
  const QString ruta = Buscar(carpeta, nombre);
  if (ruta.isEmpty()) return false;
  QFile f(ruta);
  const QByteArray bytes = Mapear(f);
  const char* formato = Formato(bytes);
  if (formato == nullptr) return false;
  if (qstrcmp(formato, "PNG") == 0) return bytes.endsWith("IEND\xAE\x42\x60\x82");
  return true;
}

}  // namespace sendaro
