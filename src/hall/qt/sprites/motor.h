// The sprite engine's Qt side: the pixels of the image lists, a 1024 x 768
// back buffer the sprite world and its texts are drawn on, the off-screen
// picture of the help curtain and the named sounds of a sound list.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QRegion>
#include <QString>
#include <memory>
#include <vector>

#include "hall/escena/escena.h"
#include "hall/escena/sprites.h"

namespace sendaro {

class Sonido;

// Image lists loaded from packed files; the pictures are known to the scene
// by name through the bank.
class ImagenesEscena {
 public:
  // Adds every item of a packed image list. False, with the reason, when the
  // file is missing or damaged.
  bool Cargar(const QString& ruta, QString& error);
  const escena::BancoImagenes& Banco() const { return banco_; }
  const QImage& Patron(const escena::Imagen& imagen, int patron) const;

 private:
  escena::BancoImagenes banco_;
  std::vector<std::vector<QImage>> pixeles_;
};

// The back buffer: sprites in Z order with the world offset, texts on top.
class Superficie {
 public:
  static constexpr int kAncho = 1024;
  static constexpr int kAlto = 768;

  Superficie();
  QImage& Imagen() { return buffer_; }
  // Limits the drawing that follows to `zona` (empty: the whole buffer).
  void Recortar(const QRegion& zona) { zona_ = zona; }
  const QRegion& Zona() const { return zona_; }
  // Fills the buffer black and draws every visible sprite of the world.
  void DibujarMundo(escena::Mundo& mundo, const ImagenesEscena& imagenes);
  // Text with a transparent background.
  void Texto(const escena::TextoEscena& texto);

 private:
  const QFont& Letra(std::string_view nombre, int tamano, bool negrita);

  QImage buffer_;
  QRegion zona_;
  QHash<int, QFont> letras_;
  QHash<const escena::Imagen*, QImage> mosaicos_;
};

// A picture kept off screen and copied to the screen by rectangles; white is
// its transparent colour. It is made ready for copying on the first copy, not
// when the scene is built.
class SuperficieCortina {
 public:
  explicit SuperficieCortina(const QImage& imagen) : original_(imagen) {}
  void Copiar(QImage& destino, const QRect& rect);

 private:
  QImage original_;
  QImage imagen_;  // with white made transparent, premultiplied
};

// The items of a sound list, played once by name through the program's
// sound layer.
class SonidosEscena {
 public:
  // False when the file is missing or damaged.
  bool Cargar(const QString& ruta);
  // The items already read, by name.
  void Fijar(QHash<QString, QByteArray> datos) { datos_ = std::move(datos); }
  // Where the sounds play; without it the scene runs silent.
  void FijarSalida(Sonido* salida) { salida_ = salida; }
  bool Tiene(const QString& nombre) const { return datos_.contains(nombre); }
  void Reproducir(const QString& nombre);

 private:
  QHash<QString, QByteArray> datos_;
  Sonido* salida_ = nullptr;
};

}  // namespace sendaro
