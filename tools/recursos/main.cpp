// sendaro-recursos: draws every picture and synthesises every sound of the
// sample installation, and writes the region table "puntos3" from the same
// map geometry as the map pictures.
//
//   sendaro-recursos DESTINO [--vistas CARPETA]
//   sendaro-recursos --icono CARPETA NOMBRE
// With --vistas, a PNG copy of every picture is written too, for looking at.
// With --icono, the program's icon is written as an icon theme's tree:
// CARPETA/hicolor/<n>x<n>/apps/NOMBRE.png and .../scalable/apps/NOMBRE.svg.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <string>

#include "dibujo.h"
#include "escena.h"
#include "icono_programa.h"
#include "iconos.h"
#include "mapas/dibujo_mapas.h"
#include "piel.h"
#include "sonidos.h"
#include "vestibulo.h"

namespace {

using namespace sendaro::recursos;

bool Guardar(const QString& carpeta, const QString& vistas, const QString& nombre, const QImage& im) {
  if (!im.save(carpeta + QLatin1Char('/') + nombre, "BMP")) {
    std::fprintf(stderr, "no se puede escribir %s\n", qPrintable(nombre));
    return false;
  }
  if (!vistas.isEmpty()) {
    QString png = nombre;
    png.replace(QStringLiteral(".bmp"), QStringLiteral(".png"));
    im.save(vistas + QLatin1Char('/') + png, "PNG");
  }
  return true;
}

bool Escribir(const QString& ruta, const std::string& bytes) {
  QFile f(ruta);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return f.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

int EscribirIcono(const QString& carpeta, const QString& nombre) {
  bool bien = true;
  for (const int lado : icono::kTamanos) {
    const QString apps = QStringLiteral("%1/hicolor/%2x%2/apps").arg(carpeta).arg(lado);
    bien = QDir().mkpath(apps) && icono::Png(lado).save(apps + QLatin1Char('/') + nombre + QStringLiteral(".png"), "PNG") && bien;
  }
  const QString escalable = carpeta + QStringLiteral("/hicolor/scalable/apps");
  bien = QDir().mkpath(escalable) && icono::Svg(escalable + QLatin1Char('/') + nombre + QStringLiteral(".svg")) && bien;
  if (!bien) std::fprintf(stderr, "no se puede escribir el icono en %s\n", qPrintable(carpeta));
  return bien ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Drawing needs no display; the offscreen platform keeps it that way.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() == 4 && args[1] == QStringLiteral("--icono")) return EscribirIcono(args[2], args[3]);
  if (args.size() != 2 && !(args.size() == 4 && args[2] == QStringLiteral("--vistas"))) {
    std::fprintf(stderr,
                 "Uso: sendaro-recursos DESTINO [--vistas CARPETA]\n"
                 "     sendaro-recursos --icono CARPETA NOMBRE\n");
    return 2;
  }
  const QString destino = args[1];
  const QString vistas = args.size() == 4 ? args[3] : QString();
  QDir().mkpath(destino);
  if (!vistas.isEmpty()) QDir().mkpath(vistas);

  bool bien = true;
  auto guardar = [&](const QString& nombre, const QImage& im) { bien = Guardar(destino, vistas, nombre, im) && bien; };

  // Theme pictures; theme P writes its full hall and floor with a capital P.
  for (const char tema : {'I', 'F', 'C', 'N', 'A', 'P'}) {
    const QString l = tema == 'P' ? QStringLiteral("P") : QString(QLatin1Char(static_cast<char>(tema + ('a' - 'A'))));
    const QString minuscula = QString(QLatin1Char(static_cast<char>(tema + ('a' - 'A'))));
    guardar(QStringLiteral("parte") + minuscula + QStringLiteral(".bmp"), vestibulo::Pared(tema));
    guardar(QStringLiteral("todo") + l + QStringLiteral(".bmp"), Vestibulo(tema));
    guardar(QStringLiteral("suelo") + l + QStringLiteral(".bmp"), Suelo(tema));
  }
  guardar(QStringLiteral("faraoni.bmp"), Lateral('I'));
  guardar(QStringLiteral("arbol.bmp"), Lateral('F'));
  guardar(QStringLiteral("caballe.bmp"), Lateral('C'));
  guardar(QStringLiteral("nieve.bmp"), Lateral('N'));
  guardar(QStringLiteral("marcoDERa.bmp"), Marco('a', true));
  guardar(QStringLiteral("marcoIZQa.bmp"), Marco('a', false));
  guardar(QStringLiteral("marcoDE.bmp"), Marco('p', true));
  guardar(QStringLiteral("marcoIZ.bmp"), Marco('p', false));
  guardar(QStringLiteral("marcoDERn.bmp"), Marco('n', true));
  guardar(QStringLiteral("marcoIZQn.bmp"), Marco('n', false));
  guardar(QStringLiteral("rotuloa.bmp"), Rotulo(false));
  guardar(QStringLiteral("rotulon.bmp"), Rotulo(true));
  guardar(QStringLiteral("chica.bmp"), Chica());
  guardar(QStringLiteral("heli.bmp"), Helicoptero());

  // The static hall's image lists and speech bubble, with their alpha.
  auto guardarPng = [&](std::string_view nombre, const QImage& im) {
    const QString n = QString::fromLatin1(nombre.data(), static_cast<qsizetype>(nombre.size()));
    bien = im.save(destino + QLatin1Char('/') + n, "PNG") && bien;
    if (!vistas.isEmpty()) im.save(vistas + QLatin1Char('/') + n, "PNG");
  };
  guardarPng(sendaro::kTiraFigura, vestibulo::TiraGuia());
  guardarPng(sendaro::kTiraPuerta, vestibulo::TiraPuerta());
  guardarPng(sendaro::kImagenBocadillo, vestibulo::Bocadillo());
  guardarPng(sendaro::kTiraIconos, iconos::TiraIconos());

  // The animated hall's image and sound lists.
  if (!EscribirEscena(destino, vistas)) {
    std::fprintf(stderr, "no se pueden escribir las listas de la escena\n");
    bien = false;
  }

  // Maps and the region table from the same geometry.
  MapasDibujados mapas;
  std::string error;
  if (!DibujarMapas(mapas, error)) {
    std::fprintf(stderr, "mapas: %s\n", error.c_str());
    bien = false;
  }
  guardar(QStringLiteral("mapa.bmp"), mapas.mapa);
  guardar(QStringLiteral("mapac.bmp"), mapas.mapac);
  guardar(QStringLiteral("mapam.bmp"), mapas.mapam);
  bien = Escribir(destino + QStringLiteral("/puntos3"), mapas.puntos3) && bien;

  bien = Escribir(destino + QStringLiteral("/tecla.wav"), Wav(Tecla())) && bien;
  bien = Escribir(destino + QStringLiteral("/motor.wav"), Wav(Motor())) && bien;
  bien = Escribir(destino + QStringLiteral("/mdd_spring.ssk"), kPielPrimavera) && bien;
  return bien ? 0 : 1;
}
