#include "hall/qt/sprites/motor.h"

#include <QFile>
#include <QPainter>
#include <cmath>
#include <memory>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "hall/qt/sprites/paquete.h"
#include "ui/sonido.h"
#include "ui/texto_qt.h"

namespace sendaro {

namespace {

// A file mapped read-only into memory, unmapped when the last user lets go.
class FicheroMapeado {
 public:
  static std::shared_ptr<FicheroMapeado> Abrir(const QString& ruta) {
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat datos {};
    std::shared_ptr<FicheroMapeado> f;
    if (::fstat(fd, &datos) == 0 && datos.st_size > 0) {
      const auto tamano = static_cast<std::size_t>(datos.st_size);
      void* p = ::mmap(nullptr, tamano, PROT_READ, MAP_PRIVATE, fd, 0);
      if (p != MAP_FAILED) f.reset(new FicheroMapeado(p, tamano));
    }
    ::close(fd);
    return f;
  }
  ~FicheroMapeado() { ::munmap(datos_, tamano_); }
  FicheroMapeado(const FicheroMapeado&) = delete;
  FicheroMapeado& operator=(const FicheroMapeado&) = delete;

  // The bytes, without a copy; valid while this object lives.
  QByteArray Bytes() const {
    return QByteArray::fromRawData(static_cast<const char*>(datos_),
                                   static_cast<qsizetype>(tamano_));
  }

 private:
  FicheroMapeado(void* datos, std::size_t tamano) : datos_(datos), tamano_(tamano) {}
  void* datos_;
  std::size_t tamano_;
};

}  // namespace

bool ImagenesEscena::Cargar(const QString& ruta, QString& error) {
  // The list is mapped, not read: the frames of a list of raw pixels are
  // drawn straight from the file's pages.
  std::shared_ptr<FicheroMapeado> fichero = FicheroMapeado::Abrir(ruta);
  if (!fichero) {
    error = QStringLiteral("no se puede abrir ") + ruta;
    return false;
  }
  const QByteArray bytes = fichero->Bytes();
  const auto items = paquete::LeerImagenes(bytes, std::move(fichero));
  if (!items) {
    error = QStringLiteral("lista de im\u00e1genes da\u00f1ada: ") + ruta;
    return false;
  }
  for (const auto& it : *items) {
    const auto& im =
        banco_.Agregar(it.nombre, it.ancho, it.alto, static_cast<int>(it.patrones.size()));
    if (static_cast<std::size_t>(im.id) >= pixeles_.size())
      pixeles_.resize(static_cast<std::size_t>(im.id) + 1);
    pixeles_[static_cast<std::size_t>(im.id)] = it.patrones;
  }
  return true;
}

const QImage& ImagenesEscena::Patron(const escena::Imagen& imagen, int patron) const {
  const auto& v = pixeles_.at(static_cast<std::size_t>(imagen.id));
  return v.at(static_cast<std::size_t>(std::clamp(patron, 0, static_cast<int>(v.size()) - 1)));
}

Superficie::Superficie() : buffer_(kAncho, kAlto, QImage::Format_RGB32) { buffer_.fill(Qt::black); }

void Superficie::DibujarMundo(escena::Mundo& mundo, const ImagenesEscena& imagenes) {
  QPainter p(&buffer_);
  const QRect limites = zona_.isEmpty() ? buffer_.rect() : zona_.boundingRect();
  if (!zona_.isEmpty()) p.setClipRegion(zona_);
  p.fillRect(limites, Qt::black);
  const double ox = mundo.DesplazX, oy = mundo.DesplazY;
  for (const escena::Sprite* s : mundo.EnOrden()) {
    if (!s->Visible || s->imagen() == nullptr) continue;
    const escena::Imagen& im = *s->imagen();
    if (s->Mosaico) {
      // The floor: one tile repeated without end, fixed to the world.
      QImage& tesela = mosaicos_[&im];
      if (tesela.isNull()) tesela = imagenes.Patron(im, 0);
      QBrush brocha(tesela);
      const double tx = std::fmod(s->X - ox, im.ancho), ty = std::fmod(s->Y - oy, im.alto);
      brocha.setTransform(QTransform::fromTranslate(std::floor(tx), std::floor(ty)));
      p.fillRect(limites, brocha);
      continue;
    }
    const int x = static_cast<int>(std::floor(s->X - ox));
    const int y = static_cast<int>(std::floor(s->Y - oy));
    if (!limites.intersects(QRect(x, y, im.ancho, im.alto))) continue;
    p.drawImage(x, y, imagenes.Patron(im, s->Patron()));
  }
}

const QFont& Superficie::Letra(std::string_view nombre, int tamano, bool negrita) {
  const int clave = tamano * 2 + (negrita ? 1 : 0) + (nombre == "Times New Roman" ? 0 : 100000);
  auto it = letras_.find(clave);
  if (it == letras_.end()) {
    QFont f(QString::fromLatin1(nombre.data(), static_cast<qsizetype>(nombre.size())));
    f.setPixelSize(std::max(1, tamano * 4 / 3));  // point sizes at 96 dpi
    f.setBold(negrita);
    it = letras_.insert(clave, f);
  }
  return *it;
}

void Superficie::Texto(const escena::TextoEscena& t) {
  if (t.texto.empty()) return;
  const QFont& f = Letra(t.letra, t.tamano, t.negrita);
  const QString s = DeWin(t.texto);
  const QFontMetrics m(f);
  const int ancho = m.horizontalAdvance(s);
  double x = t.x;
  if (t.centrado) x -= ancho / 2.0;
  // Outside the zone being drawn again the text is already on the page.
  const QRect caja(static_cast<int>(std::floor(x)) - 2, static_cast<int>(std::floor(t.y)) - 2,
                   ancho + 4, m.height() + 4);
  if (!zona_.isEmpty() && !zona_.intersects(caja)) return;
  QPainter p(&buffer_);
  if (!zona_.isEmpty()) p.setClipRegion(zona_);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(f);
  p.setPen(ColorQ(t.color));
  p.drawText(QPointF(x, t.y + m.ascent()), s);
}

void SuperficieCortina::Copiar(QImage& destino, const QRect& rect) {
  if (imagen_.isNull() && !original_.isNull()) {
    imagen_ = original_.convertToFormat(QImage::Format_ARGB32);
    original_ = QImage();
    for (int y = 0; y < imagen_.height(); ++y) {
      auto* linea = reinterpret_cast<QRgb*>(imagen_.scanLine(y));
      for (int x = 0; x < imagen_.width(); ++x) {
        if ((linea[x] & 0xFFFFFFu) == 0xFFFFFFu) linea[x] = 0;
      }
    }
    imagen_ = imagen_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  QPainter p(&destino);
  p.drawImage(rect.topLeft(), imagen_, rect);
}

bool SonidosEscena::Cargar(const QString& ruta) {
  QFile f(ruta);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const auto items = paquete::LeerSonidos(f.readAll());
  if (!items) return false;
  for (const auto& it : *items) datos_.insert(QString::fromStdString(it.nombre), it.wav);
  return true;
}

void SonidosEscena::Reproducir(const QString& nombre) {
  const auto it = datos_.constFind(nombre);
  if (it != datos_.constEnd() && salida_ != nullptr) salida_->Efecto(nombre, *it);
}

}  // namespace sendaro
