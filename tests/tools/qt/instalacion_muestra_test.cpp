// The built sample installation: the map pictures agree with "puntos3", and
// sendaro-datos comprobar finds planted faults in copies of it.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <map>

#include "../../../tools/recursos/mapas.h"

namespace {

using sendaro::recursos::LeerTablaPuntos;

const QString kInstalacion = QStringLiteral(SENDARO_INSTALACION);

std::string LeerBytes(const QString& ruta) {
  QFile f(ruta);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray b = f.readAll();
  return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

struct Mapa {
  const char* fichero;
  int tabla;  // 0 communities, 1 comarcas, 2 zones
  int maximo;
};

// Over the whole picture: pixels of one region share one colour unless they
// are on its outline, and no other region nor the background has that colour.
TEST(InstalacionMuestra, CadaMapaCoincideConSuTablaDeRegiones) {
  const std::string puntos = LeerBytes(kInstalacion + QStringLiteral("/puntos3"));
  ASSERT_EQ(puntos.size(), 714864u);
  const Mapa mapas[] = {{"mapa.bmp", 0, 19}, {"mapac.bmp", 1, 41}, {"mapam.bmp", 2, 28}};
  for (const auto& m : mapas) {
    QImage im(kInstalacion + QLatin1Char('/') + QLatin1String(m.fichero));
    ASSERT_FALSE(im.isNull()) << m.fichero;
    std::map<int, std::map<QRgb, int>> colores;  // region -> colour -> pixels
    std::map<QRgb, int> fondo;
    for (int y = 1; y < im.height(); ++y) {
      for (int x = 1; x < im.width(); ++x) {
        const int c = LeerTablaPuntos(puntos, m.tabla, x, y);
        ASSERT_LE(c, m.maximo) << m.fichero << " " << x << "," << y;
        if (c == 0) {
          ++fondo[im.pixel(x, y)];
        } else {
          ++colores[c][im.pixel(x, y)];
        }
      }
    }
    EXPECT_EQ(static_cast<int>(colores.size()), m.maximo) << m.fichero << ": every region is drawn";
    std::map<QRgb, int> duena;
    for (const auto& [region, cuenta] : colores) {
      // The region's own colour is its most common one.
      auto mayor = cuenta.begin();
      for (auto it = cuenta.begin(); it != cuenta.end(); ++it)
        if (it->second > mayor->second) mayor = it;
      EXPECT_TRUE(duena.emplace(mayor->first, region).second)
          << m.fichero << ": regions " << region << " and " << duena[mayor->first] << " look alike";
      EXPECT_EQ(fondo.count(mayor->first), 0u) << m.fichero << ": region " << region << " colour outside it";
    }
  }
}

struct Punto {
  const char* fichero;
  int tabla;
  int x, y;
  int region;
  const char* que;
};

TEST(InstalacionMuestra, LugaresConocidosDeLosMapas) {
  const std::string puntos = LeerBytes(kInstalacion + QStringLiteral("/puntos3"));
  // Pixel positions of places on our maps (see tools/recursos/geografia.h).
  const Punto puntos_conocidos[] = {
      {"mapa.bmp", 0, 125, 87, 13, "Madrid"},
      {"mapa.bmp", 0, 213, 70, 9, "Barcelona"},
      {"mapa.bmp", 0, 62, 54, 11, "Santiago de Compostela"},
      {"mapa.bmp", 0, 87, 150, 1, "Sevilla"},
      {"mapa.bmp", 0, 229, 103, 4, "Mallorca"},
      {"mapa.bmp", 0, 140, 10, 0, "Francia, fuera de las tablas"},
      {"mapac.bmp", 1, 166, 138, 37, "Barcelona"},
      {"mapac.bmp", 1, 56, 119, 33, "Lleida"},
      {"mapac.bmp", 1, 5, 5, 0, "fuera de Cataluña"},
      {"mapam.bmp", 2, 150, 104, 1, "Sol, distrito Centro"},
      {"mapam.bmp", 2, 176, 182, 25, "Aranjuez"},
      {"mapam.bmp", 2, 150, 200, 0, "al sur, fuera"},
  };
  for (const auto& p : puntos_conocidos) {
    EXPECT_EQ(LeerTablaPuntos(puntos, p.tabla, p.x, p.y), p.region) << p.fichero << ": " << p.que;
  }
}

// Runs the data tool; returns its exit code and output.
int Comprobar(const QString& carpeta, QString& salida) {
  QProcess p;
  p.start(QStringLiteral(SENDARO_DATOS_HERRAMIENTA), {QStringLiteral("comprobar"), carpeta});
  p.waitForFinished(60000);
  salida = QString::fromUtf8(p.readAllStandardOutput());
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool CopiarCarpeta(const QString& de, const QString& a) {
  QDir().mkpath(a);
  const QDir origen(de);
  for (const auto& info : origen.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QString destino = a + QLatin1Char('/') + info.fileName();
    if (info.isDir()) {
      if (!CopiarCarpeta(info.filePath(), destino)) return false;
    } else if (!QFile::copy(info.filePath(), destino)) {
      return false;
    }
  }
  return true;
}

void CambiarBytes(const QString& ruta, const std::function<void(QByteArray&)>& cambio) {
  QFile f(ruta);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QByteArray b = f.readAll();
  f.close();
  cambio(b);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(b);
}

struct Fallo {
  const char* nombre;
  std::function<void(const QString&)> plantar;
  const char* esperado;  // the start of the problem line
};

TEST(InstalacionMuestra, ComprobarEncuentraCadaFalloPlantado) {
  QString salida;
  ASSERT_EQ(Comprobar(kInstalacion, salida), 0) << salida.toStdString();
  EXPECT_TRUE(salida.startsWith(QStringLiteral("Instalación correcta"))) << salida.toStdString();

  auto quitar = [](const char* nombre) {
    return [nombre](const QString& c) { QFile::remove(c + QLatin1Char('/') + QLatin1String(nombre)); };
  };
  const Fallo fallos[] = {
      {"sin textos", quitar("textos"), "textos: falta el fichero"},
      {"sin CARRERA gallego", quitar("galego/CARRERA"), "galego/CARRERA: falta el fichero"},
      {"sin imagen", quitar("heli.bmp"), "heli.bmp: falta el fichero"},
      {"texto largo",
       [](const QString& c) {
         CambiarBytes(c + QStringLiteral("/textos"), [](QByteArray& b) {
           // Line 49 (the exit question) has a 25-character slot.
           int inicio = 0;
           for (int i = 1; i < 49; ++i) inicio = static_cast<int>(b.indexOf("\r\n", inicio)) + 2;
           const int fin = static_cast<int>(b.indexOf("\r\n", inicio));
           b.replace(inicio, fin - inicio, "Seguro que quiere salir de Sendaro ahora?");
         });
       },
       "textos:49: texto de 41 caracteres; su hueco es de 25"},
      {"puntos3 corto",
       [](const QString& c) { CambiarBytes(c + QStringLiteral("/puntos3"), [](QByteArray& b) { b.chop(4); }); },
       "puntos3: mide 714860 bytes"},
      {"fin de línea LF",
       [](const QString& c) {
         CambiarBytes(c + QStringLiteral("/CARRERA"), [](QByteArray& b) { b.remove(b.indexOf('\r'), 1); });
       },
       "CARRERA:1: fin de línea que no es CR LF"},
      {"bloque incompleto",
       [](const QString& c) {
         CambiarBytes(c + QStringLiteral("/asignaot"), [](QByteArray& b) { b.chop(2); b.truncate(b.lastIndexOf("\r\n") + 2); });
       },
       "asignaot:"},
  };
  for (const auto& f : fallos) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString copia = tmp.path() + QStringLiteral("/instalacion");
    ASSERT_TRUE(CopiarCarpeta(kInstalacion, copia));
    f.plantar(copia);
    ASSERT_EQ(Comprobar(copia, salida), 1) << f.nombre << "\n" << salida.toStdString();
    const QStringList lineas = salida.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lineas.size(), 2) << f.nombre;
    EXPECT_TRUE(lineas.first().startsWith(QString::fromUtf8(f.esperado))) << f.nombre << ": " << salida.toStdString();
    EXPECT_TRUE(lineas.last().contains(QStringLiteral("ficheros comprobados"))) << f.nombre;
  }
}

TEST(InstalacionMuestra, ComprobarNoSeRompeConUnaCarpetaQueNoEs) {
  QTemporaryDir tmp;
  QString salida;
  EXPECT_EQ(Comprobar(tmp.path() + QStringLiteral("/no-existe"), salida), 1);
  EXPECT_EQ(Comprobar(tmp.path(), salida), 1);  // empty folder: every file missing
  EXPECT_TRUE(salida.contains(QStringLiteral("textos: falta el fichero")));
}

}  // namespace
