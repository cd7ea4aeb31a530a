// The animated hall's surface: the packed lists, building the scene from an
// installation folder, the failures that leave the hall static, and the mouse
// turned into the scene's clicks.
#include "hall/qt/escena_qt.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "hall/escena/medidas.h"
#include "hall/qt/sprites/paquete.h"

namespace sendaro {
namespace {

using escena::Medida;

QImage Lleno(int w, int h, QColor c) {
  QImage im(w, h, QImage::Format_ARGB32);
  im.fill(c);
  return im;
}

paquete::ItemImagen Item(const Medida& m, QColor c) {
  paquete::ItemImagen it{std::string(m.nombre), m.ancho, m.alto, {}};
  for (int i = 0; i < m.patrones; ++i) it.patrones.push_back(Lleno(m.ancho, m.alto, c));
  return it;
}

bool Escribir(const QString& ruta, const QByteArray& b) {
  QFile f(ruta);
  return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}

// An installation folder with the lists of the castle theme, each picture
// one plain colour; the floor green so that it can be seen on screen.
class Instalacion {
 public:
  explicit Instalacion(std::string_view sin = {}) {
    std::vector<paquete::ItemImagen> tema, comunes, adornos;
    for (const Medida& m : escena::kMedidasTema) {
      if (m.nombre == sin) continue;
      tema.push_back(Item(m, m.nombre == "background" ? QColor(0, 200, 0) : QColor(120, 120, 120)));
    }
    for (const Medida& m : escena::kMedidasComunes) {
      if (m.nombre != sin) comunes.push_back(Item(m, QColor(250, 250, 0)));
    }
    for (const auto c : escena::kConjuntosFigura) {
      for (int k = 1; k <= escena::kFramesFigura; ++k) {
        const std::string n = std::string(c) + (k < 10 ? "0" : "") + std::to_string(k);
        if (n == sin) continue;
        comunes.push_back(
            Item({"", escena::kAnchoFigura, escena::kAltoFigura, 1}, QColor(255, 0, 0)));
        comunes.back().nombre = n;
      }
    }
    for (const Medida& m : escena::kMedidasAdornos) adornos.push_back(Item(m, QColor(255, 128, 0)));
    EXPECT_TRUE(Escribir(Ruta("casti.DXG"), paquete::EscribirImagenes(tema)));
    EXPECT_TRUE(Escribir(Ruta("segdxg1.DXG"), paquete::EscribirImagenes(comunes)));
    EXPECT_TRUE(Escribir(Ruta("antorcha.dxg"), paquete::EscribirImagenes(adornos)));
    Lleno(1024, 768, Qt::blue).save(Ruta("todoc.bmp"), "BMP");
  }
  QString Ruta(const char* n) const { return dir.filePath(QString::fromLatin1(n)); }
  std::filesystem::path Carpeta() const { return dir.path().toStdString(); }
  QTemporaryDir dir;
};

escena::DatosEscena Datos() {
  escena::DatosEscena d;
  static const std::string t = "Texto";
  d.texto = [](int) -> std::string_view { return t; };
  d.nombreCentro = "IES";
  d.tramo = escena::TramoVelocidad(2000);
  return d;
}

TEST(PaqueteImagenes, IdaYVueltaConSusFotogramas) {
  paquete::ItemImagen a{"antorcha", 3, 2, {Lleno(3, 2, Qt::red), Lleno(3, 2, Qt::green)}};
  paquete::ItemImagen b{"diana", 1, 1, {Lleno(1, 1, QColor(0, 0, 255, 0))}};
  for (const int version : {1, 2}) {
    SCOPED_TRACE(version);
    const QByteArray bytes = paquete::EscribirImagenes({a, b}, version);
    EXPECT_TRUE(bytes.startsWith("SDXG"));
    const auto leidos = paquete::LeerImagenes(bytes);
    ASSERT_TRUE(leidos);
    ASSERT_EQ(leidos->size(), 2u);
    EXPECT_EQ((*leidos)[0].nombre, "antorcha");
    ASSERT_EQ((*leidos)[0].patrones.size(), 2u);
    EXPECT_EQ((*leidos)[0].patrones[0].pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ((*leidos)[0].patrones[1].pixelColor(2, 1), QColor(Qt::green));
    EXPECT_EQ((*leidos)[1].patrones[0].pixelColor(0, 0).alpha(), 0);
    // Cut anywhere, or with bytes left over, it is refused.
    for (const qsizetype corte : {qsizetype{3}, qsizetype{8}, bytes.size() / 2, bytes.size() - 1}) {
      EXPECT_FALSE(paquete::LeerImagenes(bytes.left(corte))) << corte;
    }
    EXPECT_FALSE(paquete::LeerImagenes(bytes + "x"));
  }
}

TEST(PaqueteImagenes, LosPixelesSeDibujanDesdeLosBytesSinCopiarlos) {
  paquete::ItemImagen a{"antorcha", 3, 2, {Lleno(3, 2, Qt::red), Lleno(3, 2, Qt::green)}};
  const QByteArray bytes = paquete::EscribirImagenes({a});
  const auto leidos = paquete::LeerImagenes(bytes);
  ASSERT_TRUE(leidos);
  const char* inicio = bytes.constData();
  for (const QImage& patron : (*leidos)[0].patrones) {
    const auto* p = reinterpret_cast<const char*>(patron.constBits());
    EXPECT_GE(p, inicio);
    EXPECT_LT(p, inicio + bytes.size());
  }
  // A list whose header claims more pixels than it holds is refused.
  QByteArray corta = bytes;
  corta[19] = '\x7F';  // the frame height's low byte (after the name): 2 -> 127
  EXPECT_FALSE(paquete::LeerImagenes(corta));
}

TEST(PaqueteSonidos, IdaYVuelta) {
  const QByteArray wav("RIFF....WAVEfmt ");
  const auto leidos = paquete::LeerSonidos(paquete::EscribirSonidos({{"inicio", wav}}));
  ASSERT_TRUE(leidos);
  ASSERT_EQ(leidos->size(), 1u);
  EXPECT_EQ((*leidos)[0].nombre, "inicio");
  EXPECT_EQ((*leidos)[0].wav, wav);
  EXPECT_FALSE(paquete::LeerSonidos(paquete::EscribirSonidos({{"inicio", QByteArray("nada")}})));
}

TEST(DXDraw, FallaSiFaltaUnaListaOUnaImagen) {
  struct Caso {
    const char* borrar;
    std::string_view sin;
  } casos[] = {{"segdxg1.DXG", {}}, {"casti.DXG", {}},  {"antorcha.dxg", {}},
               {"todoc.bmp", {}},   {nullptr, "zoomC"}, {nullptr, "manizq07"}};
  for (const Caso& c : casos) {
    Instalacion ins(c.sin);
    if (c.borrar != nullptr) QFile::remove(ins.Ruta(c.borrar));
    QString error;
    EXPECT_EQ(DXDraw::Crear(ins.Carpeta(), *BuscarTema('C'), Datos(), error), nullptr)
        << (c.borrar ? c.borrar : std::string(c.sin).c_str());
    EXPECT_FALSE(error.isEmpty());
  }
  // A damaged list is a failure too.
  Instalacion ins;
  QFile f(ins.Ruta("casti.DXG"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write("SDXG\x01");
  f.close();
  QString error;
  EXPECT_EQ(DXDraw::Crear(ins.Carpeta(), *BuscarTema('C'), Datos(), error), nullptr);
}

TEST(DXDraw, DibujaLaEscenaYElClicMueveLaFigura) {
  Instalacion ins;
  QString error;
  auto d = DXDraw::Crear(ins.Carpeta(), *BuscarTema('C'), Datos(), error);
  ASSERT_TRUE(d) << error.toStdString();
  d->show();
  d->DXDrawInitialize();
  EXPECT_TRUE(d->DXTimer->isActive());
  EXPECT_EQ(d->DXTimer->interval(), 33);
  // From here the test steps the frames itself.
  d->DXTimer->setInterval(24 * 3600 * 1000);
  d->DXTimer->start();
  while (d->Escena().IntroActiva()) d->DXTimerTimer();
  // On the open floor of the ground floor the figure (red) stands with its
  // centre at the middle of the screen, the floor (green) around it.
  d->Escena().Figura().X = 60;
  d->Escena().Figura().Y = 0;
  d->DXTimerTimer();
  EXPECT_EQ(d->Pagina().pixelColor(512, 384), QColor(255, 0, 0));
  EXPECT_EQ(d->Pagina().pixelColor(512 - 36 - 2, 384), QColor(0, 200, 0));

  const double y0 = d->Escena().Figura().Y;
  QTest::mouseMove(d.get(), QPoint(512, 150));
  QTest::mouseClick(d.get(), Qt::LeftButton, {}, QPoint(512, 150));
  EXPECT_TRUE(d->Escena().Direccion(escena::kArriba));
  for (int i = 0; i < 10; ++i) d->DXTimerTimer();
  EXPECT_DOUBLE_EQ(d->Escena().Figura().Y, y0 - 10 * 4.5);
  // A wheel turn is a click too: here, straight down.
  QTest::mouseMove(d.get(), QPoint(512, 600));
  QWheelEvent rueda(QPointF(512, 600), QPointF(512, 600), {}, QPoint(0, -120), Qt::NoButton, {},
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(d.get(), &rueda);
  EXPECT_TRUE(d->Escena().Direccion(escena::kAbajo));

  d->hide();
  EXPECT_FALSE(d->DXTimer->isActive());
}

TEST(DXDraw, QuietaDuermeElTemporizadorYElRatonLoDespierta) {
  Instalacion ins;
  QString error;
  auto d = DXDraw::Crear(ins.Carpeta(), *BuscarTema('C'), Datos(), error);
  ASSERT_TRUE(d) << error.toStdString();
  d->show();
  d->DXDrawInitialize();
  while (d->Escena().IntroActiva()) d->DXTimerTimer();
  // Upstairs, where no flag or sword is in view.
  d->Escena().Figura().X = 60;
  d->Escena().Figura().Y = -1400;
  for (int i = 0; i < 30 && d->DXTimer->isActive(); ++i) d->DXTimerTimer();
  // Standing still: no frame until the next blink of the map's target.
  EXPECT_FALSE(d->DXTimer->isActive());
  ASSERT_TRUE(d->DXSueno->isActive());
  EXPECT_LE(d->DXSueno->interval(), 11 * 33);
  // Its wake-up is one frame, and it sleeps again.
  const int frames = d->Escena().Frames();
  QMetaObject::invokeMethod(d->DXSueno, "timeout");
  EXPECT_GT(d->Escena().Frames(), frames);
  // The pointer wakes the frame timer at its fixed step.
  QTest::mouseMove(d.get(), QPoint(300, 300));
  EXPECT_TRUE(d->DXTimer->isActive());
  EXPECT_FALSE(d->DXSueno->isActive());
  EXPECT_EQ(d->DXTimer->interval(), 33);
  d->hide();
  EXPECT_FALSE(d->DXTimer->isActive());
  EXPECT_FALSE(d->DXSueno->isActive());
}

TEST(DXDraw, LaLupaLevantaLaCortinaYAbreLaAyuda) {
  Instalacion ins;
  QString error;
  auto d = DXDraw::Crear(ins.Carpeta(), *BuscarTema('C'), Datos(), error);
  ASSERT_TRUE(d);
  int ayudas = 0;
  d->FijarGanchos({{}, {}, {}, [&] { ++ayudas; }});
  d->show();
  d->DXDrawInitialize();
  QTest::mouseMove(d.get(), QPoint(170, 700));
  d->DXTimerTimer();
  EXPECT_EQ(d->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(d.get(), Qt::LeftButton, {}, QPoint(170, 700));
  EXPECT_EQ(ayudas, 1);
  EXPECT_FALSE(d->isVisible());
  EXPECT_FALSE(d->DXTimer->isActive());
  // The curtain left the full hall picture on the page.
  EXPECT_EQ(d->Pagina().pixelColor(900, 100), QColor(Qt::blue));
}

}  // namespace
}  // namespace sendaro
