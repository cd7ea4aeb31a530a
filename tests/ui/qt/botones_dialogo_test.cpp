// The toolkit's own dialogs (message boxes, the display question, the save
// dialog) show their buttons in the program's language, from the catalogue.
#include "ui/botones_dialogo.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/qt/programa.h"
#include "qt/arranque_completo.h"
#include "data/catalogo.h"
#include "qt/apoyo.h"
#include "ui/dialogos.h"

namespace sendaro {
namespace {

// The captions of the buttons of the dialog `abrir` shows, in their order;
// the dialog is then answered with its reject button.
struct Visto {
  QString titulo;
  QString texto;
  QStringList botones;
};

Visto AlMostrarse(const std::function<void()>& abrir) {
  Visto visto;
  QTimer mirar;
  mirar.setInterval(5);
  QObject::connect(&mirar, &QTimer::timeout, [&] {
    auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialogo == nullptr || !dialogo->isVisible()) return;
    mirar.stop();
    if (auto* caja = qobject_cast<QMessageBox*>(dialogo)) visto.texto = caja->text();
    for (QDialogButtonBox* b : dialogo->findChildren<QDialogButtonBox*>()) {
      for (QAbstractButton* boton : b->buttons()) {
        if (boton->isVisible()) visto.botones << boton->text();
      }
    }
    dialogo->reject();
  });
  mirar.start();
  abrir();
  return visto;
}

CatalogoTextos Catalogo(const std::map<int, std::string>& textos) {
  std::vector<std::string> lineas(CatalogoTextos::kUltimaLinea);
  for (const auto& [n, t] : textos) lineas[static_cast<std::size_t>(n - 1)] = t;
  CatalogoTextos c;
  c.Rellenar(lineas);
  return c;
}

class BotonesDialogo : public testing::Test {
 protected:
  void SetUp() override {
    habiaAvisos_ = qEnvironmentVariableIsSet("SENDARO_AVISOS");
    avisos_ = qgetenv("SENDARO_AVISOS");
    qunsetenv("SENDARO_AVISOS");
    // An earlier test's confirmed exit has asked the application to end,
    // which ends every dialog's own loop at once; a run of the application's
    // loop takes the request away.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
  }
  void TearDown() override {
    if (habiaAvisos_) qputenv("SENDARO_AVISOS", avisos_);
    qApp->setStyleSheet(QString());
  }

 private:
  bool habiaAvisos_ = false;
  QByteArray avisos_;
};

// Each kind of standard button takes its catalogue text; a text not read
// yet is the Spanish one; an "&" is shown, not taken as an accelerator.
TEST_F(BotonesDialogo, CadaBotonTomaSuTexto) {
  const CatalogoTextos vacio;
  const CatalogoTextos leido = Catalogo({{141, "Bai"},
                                         {140, "Ez"},
                                         {19, "Ados"},
                                         {13, "Itxi"},
                                         {20, "Gorde"},
                                         {36, "Inprimatu & bidali"}});
  const struct {
    const CatalogoTextos* catalogo;
    QMessageBox::StandardButtons botones;
    QStringList textos;
  } casos[] = {
      {&vacio,
       QMessageBox::Yes | QMessageBox::No,
       {QStringLiteral("S\u00ed"), QStringLiteral("No")}},
      {&vacio, QMessageBox::Ok, {QStringLiteral("Aceptar")}},
      {&leido, QMessageBox::Yes | QMessageBox::No, {QStringLiteral("Bai"), QStringLiteral("Ez")}},
      {&leido,
       QMessageBox::Ok | QMessageBox::Cancel,
       {QStringLiteral("Ados"), QStringLiteral("Itxi")}},
      {&leido,
       QMessageBox::Save | QMessageBox::Close,
       {QStringLiteral("Gorde"), QStringLiteral("Itxi")}},
  };
  for (const auto& c : casos) {
    QMessageBox caja(QMessageBox::Question, QString(), QStringLiteral("?"), c.botones);
    RotularBotones(caja, BotonesDelCatalogo(*c.catalogo));
    QStringList textos;
    for (QAbstractButton* b : caja.buttons()) textos << b->text();
    textos.sort();
    QStringList esperados = c.textos;
    esperados.sort();
    EXPECT_EQ(textos, esperados);
  }
  EXPECT_EQ(BotonesDelCatalogo(leido).imprimir, QStringLiteral("Inprimatu & bidali"));
  QMessageBox caja(QMessageBox::NoIcon, QString(), QStringLiteral("?"), QMessageBox::Ok);
  TextosBotones textos = BotonesDelCatalogo(leido);
  textos.aceptar = textos.imprimir;
  RotularBotones(caja, textos);
  EXPECT_EQ(caja.buttons().constFirst()->text(), QStringLiteral("Inprimatu && bidali"));
}

// The whole program in Galician on a larger screen: the display question,
// the later messages and the save dialog all show catalogue buttons.
TEST_F(BotonesDialogo, ElProgramaLosMuestraEnSuIdioma) {
  prueba::InstalacionPrueba ins;
  DialogosReales reales;
  prueba::SonidoPrueba sonido;
  prueba::PantallaPrueba pantalla;
  pantalla.actual = {1280, 1024, 32};
  pantalla.modos = {{1024, 768, 32}, {1280, 1024, 32}};
  std::unique_ptr<Programa> programa;
  const Visto pregunta = AlMostrarse([&] {
    programa = std::make_unique<Programa>(reales, sonido, pantalla);
    ASSERT_TRUE(prueba::ArrancarDelTodo(*programa, {ins.Carpeta(), {"I", "N", "2"}}));
  });
  EXPECT_EQ(pregunta.texto, QStringLiteral("G253 G254"));
  EXPECT_EQ(pregunta.botones, (QStringList{QStringLiteral("G141"), QStringLiteral("G140")}));
  EXPECT_TRUE(pantalla.cambios.empty());  // answered No

  const Visto aviso = AlMostrarse([&] { reales.Aviso(QStringLiteral("x")); });
  EXPECT_EQ(aviso.botones, QStringList{QStringLiteral("G19")});
  EXPECT_TRUE(AlMostrarse([&] {
                EXPECT_FALSE(reales.PreguntaSiNo(QStringLiteral("?")));
              }).botones.contains(QStringLiteral("G141")));

  const Visto guardar =
      AlMostrarse([&] { EXPECT_TRUE(reales.NombreGuardar(QStringLiteral("Ana.TXT")).isEmpty()); });
  EXPECT_EQ(guardar.botones, (QStringList{QStringLiteral("G20"), QStringLiteral("G13")}));

  // A message box of the toolkit built anywhere else is relabelled too.
  const Visto directa = AlMostrarse([] {
    QMessageBox caja(QMessageBox::Question, QString(), QStringLiteral("?"),
                     QMessageBox::Yes | QMessageBox::No);
    caja.exec();
  });
  EXPECT_EQ(directa.botones, (QStringList{QStringLiteral("G141"), QStringLiteral("G140")}));
  for (const QString& b : directa.botones + guardar.botones + aviso.botones) {
    EXPECT_FALSE(b.contains(u'&')) << b.toStdString();
  }
}

}  // namespace
}  // namespace sendaro
