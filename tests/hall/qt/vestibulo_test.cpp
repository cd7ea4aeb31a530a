// The hall's doors open their screens; the screens' back buttons return.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/qt/programa.h"
#include "app/qt/ventana_principal.h"
#include "hall/qt/etiqueta_puerta.h"
#include "hall/qt/tform0.h"
#include "qt/apoyo.h"

namespace sendaro {
namespace {

class Vestibulo : public testing::Test {
 protected:
  void SetUp() override {
    programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
    ASSERT_TRUE(programa->Arrancar({ins.Carpeta(), {}}));
    hall = programa->Comunes().pantallas.Vestibulo;
  }
  void TearDown() override { qApp->setStyleSheet(QString()); }

  prueba::InstalacionPrueba ins;
  prueba::DialogosPrueba dialogos;
  prueba::SonidoPrueba sonido;
  prueba::PantallaPrueba pantalla;
  std::unique_ptr<Programa> programa;
  Tform0* hall = nullptr;
};

TEST_F(Vestibulo, CadaPuertaAbreSuPantallaYVuelve) {
  const std::vector<std::pair<QString, QString>> puertas = {
      {QStringLiteral("LabelCarreras"), QStringLiteral("TForm1")},
      {QStringLiteral("LabelCat"), QStringLiteral("TFormCat")},
      {QStringLiteral("LabelFpS"), QStringLiteral("TForm1")},
      {QStringLiteral("LabelIti"), QStringLiteral("TForm2")},
      {QStringLiteral("LabelFPM"), QStringLiteral("TForm3")},
      {QStringLiteral("LabelFPip"), QStringLiteral("TFIniPro")},
      {QStringLiteral("LabelProfe"), QStringLiteral("Tprofe")},
      {QStringLiteral("LabelCuesB"), QStringLiteral("TForm1")},
      {QStringLiteral("LabelCuesE"), QStringLiteral("TForm2")},
      {QStringLiteral("LabelDejar"), QStringLiteral("TCertifica")},
  };
  VentanaPrincipal& v = programa->Ventana();
  for (const auto& [puerta, pantallaEsperada] : puertas) {
    SCOPED_TRACE(puerta.toStdString());
    prueba::Pulsar(hall->findChild<QLabel*>(puerta));
    ASSERT_EQ(v.Actual()->objectName(), pantallaEsperada);
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Sendaro  IES Pe\u00f1a Grande"));
    auto* volver = v.Actual()->findChild<QPushButton*>(QStringLiteral("BotRetroceder"));
    ASSERT_NE(volver, nullptr);
    EXPECT_EQ(volver->text(), QStringLiteral("Volver"));
    prueba::Pulsar(volver);
    EXPECT_EQ(v.Actual(), hall);
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Sendaro Escolar"));
  }
  EXPECT_TRUE(dialogos.ejecutados.isEmpty());
}

TEST_F(Vestibulo, ElAsistenteSeAbreEncimaDelVestibulo) {
  bool encima = false;
  dialogos.ResponderConBoton(QStringLiteral("BotRetroceder"), [&](QDialog& d) {
    encima = d.isModal() && programa->Ventana().Actual() == hall;
  });
  prueba::Pulsar(hall->LabelAsistente);
  EXPECT_EQ(dialogos.ejecutados, QStringList{QStringLiteral("TForm5")});
  EXPECT_TRUE(encima);
  EXPECT_TRUE(programa->Estado().DesdeAsistente);
  EXPECT_EQ(programa->Ventana().Actual(), hall);
  EXPECT_EQ(hall->PuertaSel, 11);
}

TEST_F(Vestibulo, ColorDeLaPuertaBajoElPuntero) {
  struct Caso {
    char letra;
    QColor resaltado;
  };
  for (const Caso& c : {Caso{'N', QColor(255, 255, 0)}, Caso{'F', QColor(128, 0, 0)}}) {
    ins.Ajustes("IES", 0, 0, c.letra);
    programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
    ASSERT_TRUE(programa->Arrancar({ins.Carpeta(), {}}));
    EtiquetaPuerta* puerta = programa->Comunes().pantallas.Vestibulo->LabelIti;
    EXPECT_EQ(puerta->palette().color(QPalette::Window), QColor(Qt::black));
    QEnterEvent entrar(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(puerta, &entrar);
    EXPECT_EQ(puerta->palette().color(QPalette::Window), c.resaltado);
    QEvent salir(QEvent::Leave);
    QApplication::sendEvent(puerta, &salir);
    EXPECT_EQ(puerta->palette().color(QPalette::Window), QColor(Qt::black));
  }
}

TEST_F(Vestibulo, UnaSegundaSalidaNoPreguntaDeNuevo) {
  dialogos.ResponderConBoton(QStringLiteral("ShadowSi"));
  QTest::keyClick(hall, Qt::Key_Escape);
  EXPECT_TRUE(programa->Ventana().close());  // the window closes without a second question
  EXPECT_EQ(dialogos.ejecutados.size(), 1);
}

}  // namespace
}  // namespace sendaro
