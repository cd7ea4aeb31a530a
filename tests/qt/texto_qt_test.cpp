// The Windows-1252 conversion at the Qt edge, and the picture loader.
#include "ui/texto_qt.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstring>

#include "ui/imagenes.h"
#include "ui/sonido.h"

namespace sendaro {
namespace {

TEST(Windows1252, IdaYVuelta) {
  EXPECT_EQ(DeWin("Espa\xF1"
                  "a \x80 \x93"
                  "a\x94"),
            QStringLiteral("Espa\u00f1a \u20ac \u201ca\u201d"));
  EXPECT_EQ(AWin(QStringLiteral("\u00bfQu\u00e9? \u0152")), "\xBFQu\xE9? \x8C");
  EXPECT_EQ(AWin(QStringLiteral("\u2603")), "?");
  std::string todos;
  for (int b = 0; b < 256; ++b) todos.push_back(static_cast<char>(b));
  EXPECT_EQ(AWin(DeWin(todos)), todos);
}

TEST(Imagenes, NombresYExtensiones) {
  QTemporaryDir dir;
  const QDir d(dir.path());
  QImage imagen(4, 3, QImage::Format_RGB32);
  imagen.fill(Qt::red);
  imagen.save(d.filePath(QStringLiteral("partei.bmp")), "BMP");
  imagen.save(d.filePath(QStringLiteral("foto.jpg")), "JPG");
  imagen.save(d.filePath(QStringLiteral("Rotuloa.BMP")), "BMP");
  QFile roto(d.filePath(QStringLiteral("roto.bmp")));
  roto.open(QIODevice::WriteOnly);
  roto.write("no es una imagen");
  roto.close();
  const std::filesystem::path carpeta(QFile::encodeName(dir.path()).toStdString());

  struct Caso {
    const char* nombre;
    bool hallada;
  };
  for (const Caso& c :
       {Caso{"partei", true}, Caso{"partei.bmp", true}, Caso{"foto", true},
        Caso{"rotuloa.bmp", true}, Caso{"todoi", false}, Caso{"roto", false}, Caso{"", false}}) {
    const auto p = CargarImagen(carpeta, c.nombre);
    EXPECT_EQ(p.has_value(), c.hallada) << c.nombre;
    if (p) EXPECT_EQ(p->size(), QSize(4, 3)) << c.nombre;
  }
}

// Bitmaps are decoded by the loader itself when they are uncompressed 24-bit
// ones: the pixels must be the toolkit's, whatever the row padding and row
// order; other bitmaps are left to the toolkit.
TEST(Imagenes, MapasDeBitsComoLosLeeElToolkit) {
  QTemporaryDir dir;
  const QDir d(dir.path());
  const std::filesystem::path carpeta(QFile::encodeName(dir.path()).toStdString());
  const auto dibujo = [](int ancho, int alto) {
    QImage im(ancho, alto, QImage::Format_RGB32);
    for (int y = 0; y < alto; ++y)
      for (int x = 0; x < ancho; ++x) im.setPixel(x, y, qRgb(x * 37 % 256, y * 53 % 256, (x + y) % 256));
    return im;
  };
  struct Caso {
    const char* nombre;
    int ancho, alto;
    QImage::Format formato;  // as written: RGB888 saves 24 bits, Indexed8 a palette
  };
  for (const Caso& c : {Caso{"uno", 1, 1, QImage::Format_RGB888},
                        Caso{"impar", 5, 3, QImage::Format_RGB888},
                        Caso{"ancho", 131, 7, QImage::Format_RGB888},
                        Caso{"paleta", 6, 4, QImage::Format_Indexed8}}) {
    const QString ruta = d.filePath(QString::fromLatin1(c.nombre) + QStringLiteral(".bmp"));
    ASSERT_TRUE(dibujo(c.ancho, c.alto).convertToFormat(c.formato).save(ruta, "BMP"));
    const QImage esperada(ruta, "BMP");
    const auto leida = LeerImagen(carpeta, c.nombre);
    ASSERT_TRUE(leida) << c.nombre;
    EXPECT_EQ(leida->convertToFormat(QImage::Format_RGB32),
              esperada.convertToFormat(QImage::Format_RGB32))
        << c.nombre;
  }
  // Rows stored top first (a negative height).
  QFile f(d.filePath(QStringLiteral("impar.bmp")));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QByteArray b = f.readAll();
  f.close();
  const int alto = 3, paso = (5 * 24 + 31) / 32 * 4, inicio = 54;
  QByteArray invertida = b.left(inicio);
  for (int y = alto - 1; y >= 0; --y) invertida.append(b.mid(inicio + y * paso, paso));
  const qint32 negativo = -alto;
  std::memcpy(invertida.data() + 22, &negativo, 4);
  QFile g(d.filePath(QStringLiteral("arriba.bmp")));
  ASSERT_TRUE(g.open(QIODevice::WriteOnly));
  g.write(invertida);
  g.close();
  const auto arriba = LeerImagen(carpeta, "arriba");
  ASSERT_TRUE(arriba);
  EXPECT_EQ(arriba->convertToFormat(QImage::Format_RGB32),
            QImage(d.filePath(QStringLiteral("impar.bmp")), "BMP").convertToFormat(QImage::Format_RGB32));
}

TEST(Sonido, SinSalidaDeAudioSeQuedaApagadoYNoEspera) {
  SonidoQt sonido;
  QTemporaryDir dir;
  const bool iniciado = sonido.Iniciar(QFile::encodeName(dir.path()).toStdString());
  // The audio module is built with the program and found by the loader.
  EXPECT_TRUE(sonido.ModuloCargado());
  EXPECT_EQ(iniciado, sonido.Activo());
  if (iniciado) GTEST_SKIP() << "this machine has an audio output";
  sonido.FijarMotor(QByteArray(100, 'x'));
  sonido.SonidoTecla(true);  // returns at once: nothing to wait for
  sonido.SonidoMotor(true);
  sonido.MotorEnBucle(true);
  sonido.MotorEnBucle(false);
  EXPECT_FALSE(sonido.Activo());
}

}  // namespace
}  // namespace sendaro
