// Start-up of the real program objects on a small installation, with the
// dialogs, sound and display answered by test doubles.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/qt/programa.h"
#include "qt/arbol_accesible.h"
#include "qt/arranque_completo.h"
#include "hall/qt/etiqueta_puerta.h"
#include "hall/qt/tform0.h"
#include "hall/qt/vestibulo_estatico.h"
#include "qt/apoyo.h"
#include "ui/tform4.h"
#include "ui/ventana_principal.h"
#include "qt/rutas_prueba.h"

namespace sendaro {
namespace {

using prueba::DialogosPrueba;
using prueba::InstalacionPrueba;
using prueba::PantallaPrueba;
using prueba::SonidoPrueba;

class Arranque : public testing::Test {
 protected:
  void TearDown() override { qApp->setStyleSheet(QString()); }

  bool Arrancar(std::vector<std::string> parametros = {}) {
    programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
    return prueba::ArrancarDelTodo(*programa, {ins.Carpeta(), std::move(parametros)});
  }
  Tform0* Vestibulo() { return programa->Vestibulo(); }
  // The lists and picture the animated hall of theme C needs, from the
  // sample installation.
  void CopiarEscenaDeMuestra() {
    const QDir muestra(QString::fromUtf8(SENDARO_INSTALACION));
    for (const QString& n : {QStringLiteral("casti.DXG"), QStringLiteral("segdxg1.DXG"),
                             QStringLiteral("antorcha.dxg"), QStringLiteral("todoc.bmp")}) {
      QFile f(muestra.filePath(n));
      ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << n.toStdString();
      ins.Escribir(n, f.readAll());
    }
  }

  InstalacionPrueba ins;
  DialogosPrueba dialogos;
  SonidoPrueba sonido;
  PantallaPrueba pantalla;
  std::unique_ptr<Programa> programa;
};

const QStringList kOrden = {
    QStringLiteral("Tform0"),   QStringLiteral("TForm6"),     QStringLiteral("TForm1"),
    QStringLiteral("TForm2"),   QStringLiteral("TForm5"),     QStringLiteral("TForm3"),
    QStringLiteral("TFIniPro"), QStringLiteral("TCertifica"), QStringLiteral("Tprofe"),
    QStringLiteral("TFormCat")};

TEST_F(Arranque, PreparaLasPantallasEnOrdenYMuestraElVestibulo) {
  // The hall is on screen first; the sections' part of start-up and the sound
  // layer wait for its first paint.
  programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
  ASSERT_TRUE(programa->Arrancar({ins.Carpeta(), {}}));
  EXPECT_EQ(programa->Arranque(), Programa::EstadoArranque::kEnCurso);
  EXPECT_EQ(programa->Pasos(), QStringList{QStringLiteral("Tform0")});
  EXPECT_EQ(programa->Progresos(), std::vector<int>{10});
  EXPECT_TRUE(programa->Ventana().isVisible());
  EXPECT_EQ(sonido.inicios, 0);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return programa->Arranque() != Programa::EstadoArranque::kEnCurso; }, 5000));
  EXPECT_EQ(programa->Arranque(), Programa::EstadoArranque::kListo);

  EXPECT_EQ(programa->Pasos(), kOrden);
  EXPECT_EQ(programa->Progresos(), (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
  EXPECT_TRUE(dialogos.avisos.isEmpty()) << dialogos.avisos.join(u'|').toStdString();
  EXPECT_FALSE(programa->Estado().FalloGrave());
  EXPECT_EQ(programa->Ventana().Actual(), Vestibulo());
  EXPECT_TRUE(programa->Ventana().isVisible());
  EXPECT_EQ(programa->Ventana().windowTitle(), QStringLiteral("Sendaro Escolar"));
  EXPECT_EQ(programa->Ventana().size(), QSize(1024, 768));

  // The hall's own labels: the school's name read from Windows-1252 settings.
  EXPECT_EQ(Vestibulo()->LabelCentro->text(), QStringLiteral("IES Pe\u00f1a Grande"));
  EXPECT_EQ(Vestibulo()->LabelCentro2->text(), Vestibulo()->LabelCentro->text());
  EXPECT_EQ(Vestibulo()->LabelCentro2->pos(), Vestibulo()->LabelCentro->pos() - QPoint(2, 2));
  EXPECT_EQ(Vestibulo()->LabelAno->text(), QStringLiteral("2009"));
  EXPECT_EQ(Vestibulo()->LabelCarreras->text(), QStringLiteral("T84"));
  EXPECT_EQ(prueba::NombreAccesible(Vestibulo()->LabelCarreras), QStringLiteral("T84"));
  EXPECT_EQ(Vestibulo()->LabelCarreras->geometry(), QRect(46, 81, 83, 120));

  // The last creation steps of the hall.
  const EstadoPrograma& e = programa->Estado();
  EXPECT_EQ(e.PausaAyuda, 30000);
  EXPECT_TRUE(e.PrimeraVisita);
  EXPECT_FALSE(e.DesdeAsistente);
  EXPECT_TRUE(e.SinAnimacion);
  EXPECT_EQ(sonido.inicios, 1);
  EXPECT_EQ(sonido.motor.size(), 40000);
}

// A broken installation: what is missing, the messages shown, and which
// screens were created before start-up stopped.
TEST_F(Arranque, FicherosQueFaltan) {
  struct Caso {
    QString borrar;
    QStringList avisos;
    QStringList creadas;
  };
  const auto faltan = [](const char* nombre) {
    return QStringLiteral("Faltan ficheros (%1). Vuelva a instalar el programa")
        .arg(QLatin1String(nombre));
  };
  const auto reinstalar = [](const char* nombre) {
    return QStringLiteral("Faltan ficheros (%1). Vuelva a instalar Sendaro")
        .arg(QLatin1String(nombre));
  };
  const std::vector<Caso> casos = {
      {QStringLiteral("textos"), {faltan("textos")}, {QStringLiteral("Tform0")}},
      {QStringLiteral("partei.bmp"), {faltan("partei.bmp")}, {QStringLiteral("Tform0")}},
      {QStringLiteral("heli.bmp"), {faltan("heli.bmp")}, {QStringLiteral("Tform0")}},
      {QStringLiteral("chicaw.png"), {faltan("chicaw.png")}, {QStringLiteral("Tform0")}},
      {QStringLiteral("mapac.bmp"), {faltan("mapac.bmp")}, {QStringLiteral("Tform0")}},
      {QStringLiteral("chica.bmp"),
       {reinstalar("chica.bmp"), reinstalar("chica.bmp")},
       {QStringLiteral("Tform0")}},
      {QStringLiteral("puntos3"), {reinstalar("puntos3")}, {QStringLiteral("Tform0")}},
      {QStringLiteral("CARRERA"),
       {QStringLiteral("Faltan ficheros (CARRERA). Vuelva a instalar el programa")},
       kOrden.mid(0, 3)},
      {QStringLiteral("familias"),
       {QStringLiteral("Faltan ficheros (familias). Vuelva a instalar el programa")},
       kOrden},  // the catalogue screen is last: no check after it, but start-up still stops
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.borrar.toStdString());
    InstalacionPrueba otra;
    otra.Borrar(c.borrar);
    DialogosPrueba d;
    SonidoPrueba s;
    Programa p(d, s, pantalla);
    EXPECT_FALSE(prueba::ArrancarDelTodo(p, {otra.Carpeta(), {}}));
    EXPECT_EQ(d.avisos, c.avisos);
    EXPECT_EQ(p.Pasos(), c.creadas);
    EXPECT_TRUE(p.Estado().FalloGrave());
    EXPECT_EQ(p.Arranque(), Programa::EstadoArranque::kFallido);
    // A section's check hides the hall it had shown; the sound never starts.
    EXPECT_FALSE(p.Ventana().isVisible());
    EXPECT_EQ(s.inicios, 0);
    qApp->setStyleSheet(QString());
  }
}

TEST_F(Arranque, SinAjustesDelCentro) {
  for (const QByteArray& contenido : {QByteArray(), QByteArray("NombreCentro=X\n")}) {
    ins.Borrar(QStringLiteral("centro.ini"));
    if (!contenido.isEmpty()) ins.Escribir(QStringLiteral("centro.ini"), contenido);
    dialogos = DialogosPrueba();
    EXPECT_FALSE(Arrancar());
    EXPECT_EQ(dialogos.avisos,
              QStringList{QStringLiteral("El programa no funcionar\u00e1 correctamente. Faltan "
                                         "ficheros (centro.ini). Vuelva a instalarlo.")});
    EXPECT_EQ(dialogos.pitidos, 1);
  }
}

TEST_F(Arranque, LineaDeOrdenesSobreLosAjustes) {
  struct Caso {
    int idiomaAjustes;
    std::vector<std::string> parametros;
    char letra;
    bool conAnimacion;
    QString textoPuerta;  // catalogue text 84, from the folder in use
  };
  const std::vector<Caso> casos = {
      {0, {"C", "S", "2"}, 'C', true, QStringLiteral("G84")},
      {2, {"X", "N", "0"}, 'I', false, QStringLiteral("T84")},
      {2, {}, 'I', false, QStringLiteral("G84")},
      {2, {"c", "S"}, 'I', true, QStringLiteral("G84")},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.parametros.empty() ? std::string("-") : c.parametros[0]);
    ins.Ajustes("IES", 0, c.idiomaAjustes, 'I');
    ASSERT_TRUE(Arrancar(c.parametros));
    EXPECT_EQ(programa->Estado().LetraTema, c.letra);
    EXPECT_EQ(programa->Estado().ConAnimacion, c.conAnimacion);
    EXPECT_EQ(Vestibulo()->LabelCarreras->text(), c.textoPuerta);
    EXPECT_EQ(programa->Estado().CodigoIdioma, c.idiomaAjustes);
  }
}

// The animated hall: built from the sample installation's lists, or, when
// they are missing, the static hall after a message.
TEST_F(Arranque, VestibuloAnimadoOEstaticoSiNoSePuedeConstruir) {
  ASSERT_NO_FATAL_FAILURE(CopiarEscenaDeMuestra());
  ASSERT_TRUE(Arrancar({"C", "S"}));
  EXPECT_TRUE(dialogos.avisos.isEmpty()) << dialogos.avisos.join(u'|').toStdString();
  EXPECT_FALSE(programa->Estado().SinAnimacion);
  ASSERT_TRUE(Vestibulo()->Animado());
  ASSERT_NE(Vestibulo()->DXDraw, nullptr);
  EXPECT_EQ(Vestibulo()->DXDraw->parentWidget(), Vestibulo());
  EXPECT_TRUE(Vestibulo()->DXDraw->isVisible());
  EXPECT_TRUE(Vestibulo()->mosaico->isHidden());
  auto* reloj = Vestibulo()->DXDraw->findChild<QTimer*>(QStringLiteral("DXTimer"));
  ASSERT_NE(reloj, nullptr);
  EXPECT_TRUE(reloj->isActive());

  // A door reached by the figure opens its section; the scene stops.
  Vestibulo()->PuertaPorCodigo(7);
  QTest::qWait(150);  // one zoom tick opens the section
  EXPECT_EQ(programa->Ventana().Actual(), programa->Navegar().Creada(Seccion::kProfesiones));
  EXPECT_FALSE(reloj->isActive());

  ins.Borrar(QStringLiteral("segdxg1.DXG"));
  dialogos = DialogosPrueba();
  ASSERT_TRUE(Arrancar({"C", "S"}));
  EXPECT_EQ(dialogos.avisos, QStringList{QStringLiteral("No funcionar\u00e1 la animaci\u00f3n.")});
  EXPECT_TRUE(programa->Estado().SinAnimacion);
  EXPECT_FALSE(Vestibulo()->Animado());
  EXPECT_TRUE(Vestibulo()->mosaico->isVisible());
}

TEST_F(Arranque, TemaSinCuadroLateralSigueAdelante) {
  ins.Ajustes("IES", 0, 0, 'A');
  ASSERT_TRUE(Arrancar());
  EXPECT_TRUE(Vestibulo()->Imagefaraon->pixmap().isNull());
  EXPECT_FALSE(Vestibulo()->ImageDejar->pixmap().isNull());
}

// The skin is the application's once start-up is complete; the static hall,
// which shows a button, has it before it shows, the animated one after.
TEST_F(Arranque, PielDelPrograma) {
  ins.Escribir(QStringLiteral("mdd_spring.ssk"), "QPushButton { color: rgb(1, 2, 3); }");
  ASSERT_NO_FATAL_FAILURE(CopiarEscenaDeMuestra());
  for (const char* animacion : {"N", "S"}) {
    SCOPED_TRACE(animacion);
    qApp->setStyleSheet(QString());
    programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
    ASSERT_TRUE(programa->Arrancar({ins.Carpeta(), {"C", animacion}}));
    EXPECT_EQ(programa->Estado().SinAnimacion, std::string_view(animacion) == "N");
    EXPECT_EQ(qApp->styleSheet().isEmpty(), std::string_view(animacion) == "S");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return programa->Arranque() == Programa::EstadoArranque::kListo; }, 5000));
    EXPECT_TRUE(qApp->styleSheet().contains(QStringLiteral("rgb(1, 2, 3)")));
  }
}

TEST_F(Arranque, PreguntaPorLaPantallaYLaRestauraAlSalir) {
  struct Caso {
    ModoPantalla actual;
    std::vector<ModoPantalla> modos;
    bool si;
    std::vector<ModoPantalla> cambios;
  };
  const std::vector<ModoPantalla> con16 = {{1024, 768, 16}, {1280, 1024, 16}};
  const std::vector<Caso> casos = {
      {{1280, 1024, 32}, con16, true, {{1024, 768, 32}}},
      {{1024, 768, 8}, con16, true, {{1024, 768, 16}}},
      {{1280, 1024, 32}, con16, false, {}},
      {{1280, 1024, 32}, {{1024, 768, 32}}, true, {}},
  };
  for (const Caso& c : casos) {
    pantalla = PantallaPrueba();
    pantalla.actual = c.actual;
    pantalla.modos = c.modos;
    dialogos = DialogosPrueba();
    dialogos.respuestasPregunta = {c.si};
    ASSERT_TRUE(Arrancar());
    EXPECT_EQ(dialogos.preguntas,
              QStringList{QStringLiteral("La pantalla no es de 1024x768. \u00bfCambiarla ahora?")});
    EXPECT_EQ(dialogos.pitidos, 1);
    EXPECT_EQ(pantalla.cambios, c.cambios);
    EXPECT_EQ(programa->Estado().ModoPantallaCambiado, !c.cambios.empty());

    dialogos.ResponderConBoton(QStringLiteral("ShadowSi"));
    QTest::keyClick(Vestibulo(), Qt::Key_Escape);
    EXPECT_TRUE(programa->Comunes().terminado);
    const std::vector<ModoPantalla> restaurado =
        c.cambios.empty() ? std::vector<ModoPantalla>{} : std::vector<ModoPantalla>{c.actual};
    EXPECT_EQ(pantalla.restauraciones, restaurado);
  }
}

TEST_F(Arranque, PantallaCorrectaNoPregunta) {
  pantalla.actual = {1024, 768, 16};
  pantalla.modos = {{1024, 768, 16}};
  ASSERT_TRUE(Arrancar());
  EXPECT_TRUE(dialogos.preguntas.isEmpty());
  EXPECT_EQ(dialogos.pitidos, 0);
}

// Between the hall's first paint and the end of the sections' checks the
// student's keys and clicks are dropped: Esc asks nothing until start-up is
// complete.
TEST_F(Arranque, NadaLlegaAlVestibuloHastaTerminarElArranque) {
  programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
  ASSERT_TRUE(programa->Arrancar({ins.Carpeta(), {}}));
  ASSERT_EQ(programa->Arranque(), Programa::EstadoArranque::kEnCurso);
  dialogos.ResponderConBoton(QStringLiteral("ShadowNo"));
  QTest::keyClick(Vestibulo(), Qt::Key_Escape);
  QTest::mouseDClick(Vestibulo(), Qt::LeftButton, Qt::NoModifier, QPoint(512, 300));
  EXPECT_TRUE(dialogos.ejecutados.isEmpty());
  EXPECT_EQ(programa->Ventana().Actual(), Vestibulo());

  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return programa->Arranque() == Programa::EstadoArranque::kListo; }, 5000));
  QTest::keyClick(Vestibulo(), Qt::Key_Escape);
  EXPECT_EQ(dialogos.ejecutados, QStringList{QStringLiteral("TForm4")});
}

TEST_F(Arranque, SalidaConfirmada) {
  ASSERT_TRUE(Arrancar());
  // The question, as the dialog shows it, and both buttons.
  QString pregunta;
  bool dosBotones = false;
  auto mirar = [&](QDialog& d) {
    auto& f = static_cast<TForm4&>(d);
    pregunta = f.LabelNombre->text();
    dosBotones = f.ShadowSi->isVisible() && f.ShadowNo->isVisible() && !f.EditNombre->isVisible();
  };

  // No, Esc and the close box keep everything as it was.
  dialogos.ResponderConBoton(QStringLiteral("ShadowNo"), mirar);
  QTest::keyClick(Vestibulo(), Qt::Key_Escape);
  EXPECT_EQ(pregunta, QStringLiteral("\u00bfDesea salir?"));
  EXPECT_TRUE(dosBotones);
  dialogos.ResponderConTecla(Qt::Key_Escape);
  QTest::keyClick(Vestibulo(), Qt::Key_Escape);
  dialogos.respuestas.push_back([](QDialog& d) {
    d.open();
    d.close();
    return d.result();
  });
  EXPECT_FALSE(programa->Ventana().close());
  EXPECT_EQ(dialogos.ejecutados, QStringList(3, QStringLiteral("TForm4")));
  EXPECT_FALSE(programa->Comunes().terminado);
  EXPECT_FALSE(programa->Estado().FalloGrave());
  EXPECT_TRUE(programa->Ventana().isVisible());
  EXPECT_EQ(programa->Ventana().Actual(), Vestibulo());

  // Enter answers yes.
  dialogos.ResponderConTecla(Qt::Key_Return);
  QTest::keyClick(Vestibulo(), Qt::Key_Escape);
  EXPECT_TRUE(programa->Comunes().terminado);
  EXPECT_TRUE(programa->Estado().FalloGrave());
}

}  // namespace
}  // namespace sendaro
