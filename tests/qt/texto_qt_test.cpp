// The Windows-1252 conversion at the Qt edge, and the picture loader.
#include "ui/texto_qt.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

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

TEST(Sonido, SinSalidaDeAudioSeQuedaApagadoYNoEspera) {
  SonidoQt sonido;
  QTemporaryDir dir;
  const bool iniciado = sonido.Iniciar(QFile::encodeName(dir.path()).toStdString());
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
