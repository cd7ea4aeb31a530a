// The built sample installation: the map pictures agree with "puntos3", and
// sendaro-datos comprobar finds planted faults in copies of it.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <map>

#include "../../../tools/recursos/mapas.h"
#include "../../../tools/recursos/mapas/dibujo_mapas.h"
#include "qt/rutas_prueba.h"

namespace {

using sendaro::recursos::LeerTablaPuntos;

const QString kInstalacion = QString::fromUtf8(SENDARO_INSTALACION);

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
  int filas;  // rows of the table that may hold regions: 1..filas
};

// Over the whole picture: every pixel of a region has that region's own colour
// or the border colour; no two regions share a colour, no region's colour is
// seen outside it, and every region shows its colour. Rows that "puntos3"
// shares between the zone map and the next column's communities hold none.
TEST(InstalacionMuestra, CadaMapaCoincideConSuTablaDeRegiones) {
  const std::string puntos = LeerBytes(kInstalacion + QStringLiteral("/puntos3"));
  ASSERT_EQ(puntos.size(), 714864u);
  const QRgb borde = sendaro::recursos::kColorBorde.rgb();
  const Mapa mapas[] = {{"mapa.bmp", 0, 19, 196}, {"mapac.bmp", 1, 41, 220}, {"mapam.bmp", 2, 28, 196}};
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
          ASSERT_LE(y, m.filas) << m.fichero << " " << x << "," << y;
          ++colores[c][im.pixel(x, y)];
        }
      }
    }
    if (m.tabla == 0) {
      for (int x = 1; x <= 281; ++x)
        for (int y = 1; y <= 24; ++y) ASSERT_EQ(LeerTablaPuntos(puntos, 0, x, y), 0) << x << "," << y;
    }
    EXPECT_EQ(static_cast<int>(colores.size()), m.maximo) << m.fichero << ": every region is drawn";
    std::map<QRgb, int> duena;
    for (const auto& [region, cuenta] : colores) {
      QRgb propio = 0;
      int pixeles = 0;
      for (const auto& [color, n] : cuenta) {
        if (color == borde) continue;
        EXPECT_EQ(propio == 0 || propio == color, true)
            << m.fichero << ": region " << region << " has a second colour " << std::hex << color;
        propio = color;
        pixeles = n;
      }
      EXPECT_GE(pixeles, 4) << m.fichero << ": region " << region << " shows too little of its colour";
      EXPECT_TRUE(duena.emplace(propio, region).second)
          << m.fichero << ": regions " << region << " and " << duena[propio] << " look alike";
      EXPECT_EQ(fondo.count(propio), 0u) << m.fichero << ": region " << region << " colour outside it";
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
  // Pixels of real places on our maps (instalacion/mapas has the geometry).
  const Punto puntos_conocidos[] = {
      {"mapa.bmp", 0, 157, 93, 13, "Madrid"},
      {"mapa.bmp", 0, 239, 67, 9, "Manresa"},
      {"mapa.bmp", 0, 84, 44, 11, "Santiago de Compostela"},
      {"mapa.bmp", 0, 122, 151, 1, "Sevilla"},
      {"mapa.bmp", 0, 251, 109, 4, "Palma"},
      {"mapa.bmp", 0, 206, 111, 16, "Valencia"},
      {"mapa.bmp", 0, 168, 36, 17, "Bilbao"},
      {"mapa.bmp", 0, 175, 52, 12, "Logroño"},
      {"mapa.bmp", 0, 117, 122, 10, "Mérida"},
      {"mapa.bmp", 0, 31, 180, 5, "Tenerife, en el recuadro"},
      {"mapa.bmp", 0, 48, 185, 5, "Gran Canaria, en el recuadro"},
      {"mapa.bmp", 0, 132, 178, 18, "Ceuta"},
      {"mapa.bmp", 0, 168, 189, 19, "Melilla"},
      {"mapa.bmp", 0, 75, 126, 0, "Lisboa"},
      {"mapa.bmp", 0, 140, 10, 0, "mar Cantábrico, fuera de las tablas"},
      {"mapac.bmp", 1, 175, 138, 37, "Barcelona"},
      {"mapac.bmp", 1, 69, 117, 33, "Lleida"},
      {"mapac.bmp", 1, 220, 84, 20, "Girona"},
      {"mapac.bmp", 1, 112, 162, 36, "Tarragona"},
      {"mapac.bmp", 1, 81, 17, 39, "Vielha"},
      {"mapac.bmp", 1, 5, 5, 0, "fuera de Cataluña"},
      {"mapac.bmp", 1, 260, 200, 0, "el mar"},
      {"mapam.bmp", 2, 149, 104, 1, "Sol, distrito Centro"},
      {"mapam.bmp", 2, 169, 167, 25, "zona de Aranjuez y Ciempozuelos"},
      {"mapam.bmp", 2, 161, 29, 28, "zona de Buitrago y Torrelaguna, al norte"},
      {"mapam.bmp", 2, 203, 98, 17, "zona de Alcalá y Torrejón, al este"},
      {"mapam.bmp", 2, 150, 205, 0, "al sur, fuera"},
  };
  for (const auto& p : puntos_conocidos) {
    EXPECT_EQ(LeerTablaPuntos(puntos, p.tabla, p.x, p.y), p.region) << p.fichero << ": " << p.que;
  }
}

// Runs the data tool; returns its exit code and output.
int Comprobar(const QString& carpeta, QString& salida) {
  QProcess p;
  p.start(QString::fromUtf8(SENDARO_DATOS_HERRAMIENTA), {QStringLiteral("comprobar"), carpeta});
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
      {"CARRERA en UTF-8",
       [](const QString& c) {
         CambiarBytes(c + QStringLiteral("/CARRERA"), [](QByteArray& b) {
           b = "\xEF\xBB\xBF" + QStringDecoder("windows-1252").decode(b).operator QString().toUtf8();
         });
       },
       "CARRERA:1: guardado en UTF-8"},
      {"CARRERA cortado",
       [](const QString& c) {
         CambiarBytes(c + QStringLiteral("/CARRERA"), [](QByteArray& b) { b.truncate(b.size() / 2 + 1); });
       },
       "CARRERA:"},
      {"datFPL2 de basura",
       [](const QString& c) {
         CambiarBytes(c + QStringLiteral("/datFPL2"), [](QByteArray& b) { b.fill('\xC8'); });
       },
       "datFPL2: registro 1, fila 1: cuenta 51400; caben 350"},
      {"PNG cortado",
       [](const QString& c) {
         CambiarBytes(c + QStringLiteral("/chicaw.png"), [](QByteArray& b) { b.chop(100); });
       },
       "chicaw.png: la imagen está cortada"},
      {"lista de la escena cortada",
       [](const QString& c) {
         CambiarBytes(c + QStringLiteral("/inca.DXG"), [](QByteArray& b) { b.chop(b.size() / 2); });
       },
       "inca.DXG: lista de la escena dañada"},
      {"frase sin traducir",
       [](const QString& c) {
         // A Catalan qualities list whose first line is translated and whose
         // second is still the Spanish sentence.
         QFile es(c + QStringLiteral("/CUALIDAD"));
         ASSERT_TRUE(es.open(QIODevice::ReadOnly));
         QByteArray b = es.readAll();
         b.replace(0, b.indexOf("\r\n"), "M'expresso b\xE9 per escrit");
         QFile ca(c + QStringLiteral("/catVal/CUALIDAD"));
         ASSERT_TRUE(ca.open(QIODevice::WriteOnly | QIODevice::Truncate));
         ca.write(b);
       },
       "catVal/CUALIDAD:2: sin traducir: \"Me expreso bien por escrito y hablando en público\""},
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

// Installed under a root (<raiz>/usr/bin/sendaro-datos), "comprobar" without a
// folder checks <raiz>/usr/share/sendaro and the school's settings in
// <raiz>/etc/sendaro, which the installed program reads first.
TEST(InstalacionMuestra, ComprobarSinCarpetaMiraLaInstaladaYLosAjustesDelSistema) {
  QTemporaryDir raiz;
  const QString bin = raiz.path() + QStringLiteral("/usr/bin");
  const QString etc = raiz.path() + QStringLiteral("/etc/sendaro");
  ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(etc) &&
              QDir().mkpath(raiz.path() + QStringLiteral("/usr/share")));
  const QString herramienta = bin + QStringLiteral("/sendaro-datos");
  ASSERT_TRUE(QFile::copy(QString::fromUtf8(SENDARO_DATOS_HERRAMIENTA), herramienta));
  ASSERT_TRUE(QFile::link(kInstalacion, raiz.path() + QStringLiteral("/usr/share/sendaro")));
  const auto comprobar = [&herramienta](QString& salida) {
    QProcess p;
    p.start(herramienta, {QStringLiteral("comprobar")});
    p.waitForFinished(60000);
    salida = QString::fromUtf8(p.readAllStandardOutput());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  };
  const auto ajustes = [&etc](const char* texto) {
    QFile f(etc + QStringLiteral("/centro.ini"));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(texto) > 0;
  };

  QString salida;
  EXPECT_EQ(comprobar(salida), 0) << qPrintable(salida);  // no system settings: the folder's
  ASSERT_TRUE(ajustes("NombreCentro=IES Sin Tema\nConAnimacion=1\nCodigoIdioma=0\n"));
  EXPECT_EQ(comprobar(salida), 1);
  EXPECT_TRUE(salida.contains(etc + QStringLiteral("/centro.ini: "))) << qPrintable(salida);
  EXPECT_TRUE(salida.contains(QStringLiteral("1 problema en "))) << qPrintable(salida);
  ASSERT_TRUE(ajustes("NombreCentro=IES Con Tema\nConAnimacion=1\nCodigoIdioma=0\nLetraTema=C\n"));
  EXPECT_EQ(comprobar(salida), 0) << qPrintable(salida);
}

}  // namespace

// The certificates screen reads families from columns 9-60 and areas and
// certificates from columns 2-60: no sample line may reach past column 60,
// or the student sees its name cut off.
TEST(InstalacionMuestra, LineasDeCertificadosCabenEnSusColumnas) {
  const std::string bytes = LeerBytes(kInstalacion + QStringLiteral("/certifica"));
  ASSERT_FALSE(bytes.empty());
  std::size_t inicio = 0;
  int numero = 1;
  while (inicio < bytes.size()) {
    std::size_t fin = bytes.find('\n', inicio);
    if (fin == std::string::npos) fin = bytes.size();
    std::string linea = bytes.substr(inicio, fin - inicio);
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    EXPECT_LE(linea.size(), 60u) << "line " << numero << ": " << linea;
    inicio = fin + 1;
    ++numero;
  }
}
