// The clipping check on the itinerary map: a caption planted too long in a
// copy of the sample installation is named, with the pixels it lacks.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "qt/programa_muestra.h"
#include "qt/recortes.h"
#include "sections/itineraries/qt/tform2.h"
#include "ui/navegacion.h"

namespace sendaro {
namespace {

class Recortes : public prueba::ProgramaPrueba, public testing::WithParamInterface<const char*> {
 protected:
  void Abrir(const std::filesystem::path& carpeta) {
    ASSERT_NO_FATAL_FAILURE(Arrancar(carpeta, {"I", "N", GetParam()}));
  }
  void Revisar(const QString& estado) {
    const QWidget* pagina = Actual();
    ASSERT_NE(pagina, nullptr);
    const QString nombre = QStringLiteral("[%1] %2").arg(QLatin1String(GetParam()), estado);
    for (prueba::Recorte& r : prueba::BuscarRecortes(pagina, nombre)) recortes.push_back(r);
  }
  TForm2& Itinerarios() {
    TForm2& f = programa->Navegar().Pantalla<TForm2>();
    return f;
  }
  void AbrirLista(TForm2& f) {
    for (int i = 0; i < 200 && f.TimerLista->isActive(); ++i) f.TimerListaTimer();
  }
  // The itinerary map, complete, with the notes list of node 2 open.
  void Mapa() {
    CruzarPuerta(&Tform0::LabelItiClick);
    TForm2& f = Itinerarios();
    ASSERT_EQ(Actual(), &f);
    Revisar(QStringLiteral("itineraries"));
    prueba::Pulsar(f.BotItinerarios);
    for (int i = 0; i < 8 && f.Mapa().MapaEnConstruccion; ++i) {
      QTest::mouseClick(&f, ::Qt::LeftButton, {}, QPoint(900, 700));
    }
    Revisar(QStringLiteral("map"));
    prueba::Pulsar(f.Nodos[1]);
    AbrirLista(f);
    Revisar(QStringLiteral("map, notes of node 2"));
  }

  std::vector<prueba::Recorte> recortes;
};

TEST_P(Recortes, UnTextoDemasiadoLargoSeSenala) {
  QTemporaryDir copia;
  ASSERT_TRUE(copia.isValid());
  const std::filesystem::path carpeta = copia.path().toStdString();
  std::filesystem::copy(SENDARO_INSTALACION, carpeta, std::filesystem::copy_options::recursive |
                                                      std::filesystem::copy_options::overwrite_existing);
  QFile textos(QString::fromStdString((carpeta / "textos").string()));
  ASSERT_TRUE(textos.open(QIODevice::ReadOnly));
  QList<QByteArray> lineas = textos.readAll().split('\n');
  textos.close();
  ASSERT_GT(lineas.size(), 13);
  // The catalogue keeps a text to its slot's length: wide letters overflow it.
  const QByteArray largo(60, 'M');
  lineas[12] = largo + "\r";
  ASSERT_TRUE(textos.open(QIODevice::WriteOnly | QIODevice::Truncate));
  textos.write(lineas.join('\n'));
  textos.close();

  ASSERT_NO_FATAL_FAILURE(Abrir(carpeta));
  ASSERT_NO_FATAL_FAILURE(Mapa());
  bool hallado = false;
  for (const prueba::Recorte& r : recortes) {
    if (r.texto.startsWith(QStringLiteral("MMMMMMMM")) &&
        r.widget.endsWith(QStringLiteral("BotCerrarV"))) {
      hallado = true;
      EXPECT_GT(r.faltanAncho, 40);
      EXPECT_TRUE(r.pantalla.contains(QStringLiteral("notes of node 2")));
    }
  }
  EXPECT_TRUE(hallado) << prueba::Describir(recortes).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Castellano, Recortes, testing::Values("0"));

}  // namespace
}  // namespace sendaro
