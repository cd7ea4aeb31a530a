// The hall's doors open their screens after the door and zoom animations;
// the screens' back buttons return. Timers are stepped by calling their tick
// handlers, never by waiting.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <memory>

#include "app/qt/programa.h"
#include "qt/arranque_completo.h"
#include "hall/qt/etiqueta_puerta.h"
#include "hall/qt/tform0.h"
#include "hall/qt/vestibulo_estatico.h"
#include "qt/apoyo.h"
#include "sections/degrees/qt/tform1.h"
#include "sections/itineraries/qt/tform2.h"
#include "sections/middle_grade/qt/tform3.h"
#include "ui/navegacion.h"
#include "ui/ventana_principal.h"
#include "qt/rutas_prueba.h"

namespace sendaro {
namespace {

// Frame i of the test strips is one opaque colour, told apart by its red.
QColor ColorCuadro(int lista, int i) { return QColor(20 + 20 * i, 100 + 50 * lista, 60); }

void Tira(prueba::InstalacionPrueba& ins, std::string_view nombre, int lista, int cuadros) {
  QImage tira(cuadros * kAnchoCuadro, kAltoCuadro, QImage::Format_RGB32);
  for (int i = 0; i < cuadros; ++i) {
    for (int y = 0; y < kAltoCuadro; ++y) {
      for (int x = 0; x < kAnchoCuadro; ++x) {
        tira.setPixel(i * kAnchoCuadro + x, y, ColorCuadro(lista, i).rgb());
      }
    }
  }
  tira.save(ins.Ruta(QString::fromLatin1(nombre.data(), static_cast<qsizetype>(nombre.size()))),
            "PNG");
}

// Steps the door opening and the zoom until the door's action has run.
void CompletarApertura(Tform0* hall) {
  for (int i = 0; i < 5 && hall->TimerPuerta->isActive(); ++i) hall->TimerPuertaTimer();
  for (int i = 0; i < 11 && hall->TimerZoom->isActive(); ++i) hall->TimerZoomTimer();
}

class Vestibulo : public testing::Test {
 protected:
  void SetUp() override {
    Tira(ins, kTiraFigura, 0, kCuadrosFigura);
    Tira(ins, kTiraPuerta, 1, kCuadrosPuerta);
    Arrancar();
  }
  void Arrancar() {
    programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
    ASSERT_TRUE(prueba::ArrancarDelTodo(*programa, {ins.Carpeta(), {}}));
    hall = programa->Vestibulo();
  }
  void TearDown() override { qApp->setStyleSheet(QString()); }

  QColor EnCapa(int x, int y) const { return hall->lienzo->Capa().pixelColor(x, y); }

  prueba::InstalacionPrueba ins;
  prueba::DialogosPrueba dialogos;
  prueba::SonidoPrueba sonido;
  prueba::PantallaPrueba pantalla;
  std::unique_ptr<Programa> programa;
  Tform0* hall = nullptr;
};

TEST_F(Vestibulo, CadaPuertaAbreSuPantallaTrasLaAnimacionYVuelve) {
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
  };
  VentanaPrincipal& v = programa->Ventana();
  // The middle-grade screen's first-visit flight is tested with that screen.
  programa->Estado().PrimeraVisita = false;
  for (const auto& [puerta, pantallaEsperada] : puertas) {
    SCOPED_TRACE(puerta.toStdString());
    prueba::Pulsar(hall->findChild<QLabel*>(puerta));
    // The door opens first; the section only after the zoom.
    EXPECT_EQ(v.Actual(), hall);
    EXPECT_TRUE(hall->TimerPuerta->isActive());
    CompletarApertura(hall);
    ASSERT_EQ(v.Actual()->objectName(), pantallaEsperada);
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Sendaro  IES Pe\u00f1a Grande"));
    // A screen at its menu leaves through the menu's own back entry.
    QPushButton* volver = nullptr;
    for (const char* nombre : {"menui5", "BitAcabarLogse", "BotRetroceder"}) {
      if (volver == nullptr) volver = v.Actual()->findChild<QPushButton*>(QLatin1String(nombre));
    }
    if (pantallaEsperada == QStringLiteral("TFIniPro")) {
      volver = v.Actual()->findChild<QPushButton*>(QStringLiteral("BotRetrocederFP"));
    }
    // The professions questionnaire asks before it ends the run.
    const bool pregunta = pantallaEsperada == QStringLiteral("Tprofe");
    if (pregunta) {
      volver = v.Actual()->findChild<QPushButton*>(QStringLiteral("BotAcabar"));
      dialogos.ResponderConBoton(QStringLiteral("ShadowSi"));
    }
    // The middle-grade screen's start menu leaves with its own button.
    const bool salir = volver == nullptr || pregunta;
    if (volver == nullptr) volver = v.Actual()->findChild<QPushButton*>(QStringLiteral("botSalir"));
    ASSERT_NE(volver, nullptr);
    // The catalogue's button has a caption of its own.
    const QString esperado = salir ? QStringLiteral("T54")
                             : pantallaEsperada == QStringLiteral("TFormCat")
                                 ? prueba::InstalacionPrueba::Texto(674)
                                 : QStringLiteral("Volver");
    EXPECT_EQ(volver->text(), esperado);
    prueba::Pulsar(volver);
    EXPECT_EQ(v.Actual(), hall);
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Sendaro Escolar"));
    // Nothing of the opening is left on the hall.
    EXPECT_FALSE(hall->ZoomDibujado().has_value());
    EXPECT_EQ(EnCapa(600, 500).alpha(), 0);
  }
  // The only dialog on the way is the professions questionnaire's leave question.
  EXPECT_EQ(dialogos.ejecutados, QStringList{QStringLiteral("TForm4")});
}

TEST_F(Vestibulo, ElRotuloDeDejarDeEstudiarAbreCertificadosSinAnimacion) {
  hall->PasoAyuda = 4;
  for (QWidget* w :
       {static_cast<QWidget*>(hall->LabelDejar), static_cast<QWidget*>(hall->ImageDejar)}) {
    prueba::Pulsar(w);
    EXPECT_EQ(programa->Ventana().Actual()->objectName(), QStringLiteral("TCertifica"));
    EXPECT_FALSE(hall->TimerPuerta->isActive());
    EXPECT_EQ(hall->PasoAyuda, 0);
    prueba::Pulsar(
        programa->Ventana().Actual()->findChild<QPushButton*>(QStringLiteral("BotRetrocederFP")));
    EXPECT_EQ(programa->Ventana().Actual(), hall);
  }
}

TEST_F(Vestibulo, ElAsistenteSeAbreEncimaDelVestibulo) {
  prueba::Pulsar(hall->LabelAsistente);
  EXPECT_EQ(programa->Ventana().Actual(), hall);  // not before the animations
  CompletarApertura(hall);
  QWidget* asistente = programa->Navegar().Creada(Seccion::kAsistente);
  ASSERT_NE(asistente, nullptr);
  EXPECT_EQ(programa->Ventana().Actual(), asistente);
  EXPECT_TRUE(programa->Estado().DesdeAsistente);
  EXPECT_EQ(hall->PuertaSel, 11);
  // Its back button returns to the hall.
  prueba::Pulsar(asistente->findChild<QPushButton*>(QStringLiteral("BotRetroAsis")));
  EXPECT_EQ(programa->Ventana().Actual(), hall);
  EXPECT_FALSE(programa->Estado().DesdeAsistente);
}

TEST_F(Vestibulo, LaGuiaEntraAndandoYLuegoHablan) {
  ASSERT_TRUE(hall->piloto->isActive());
  EXPECT_EQ(hall->piloto->interval(), 200);
  ASSERT_FALSE(hall->FiguraDibujada().has_value());
  hall->piloto->stop();
  EXPECT_TRUE(hall->LabelCarreras->toolTip().isEmpty());
  EXPECT_TRUE(hall->LabelCat->toolTip().isEmpty());
  EXPECT_FALSE(hall->LabelIti->toolTip().isEmpty());
  // Ticks 1, 6, 7, 13, 19, 20: x and the frame drawn, the previous one gone.
  const std::map<int, std::pair<int, int>> vistos = {
      {1, {100, 0}}, {6, {150, 5}}, {7, {160, 0}}, {13, {220, 0}}, {19, {280, 6}}, {20, {290, 7}}};
  for (int tic = 1; tic <= 20; ++tic) {
    hall->pilotoTimer();
    const auto v = vistos.find(tic);
    if (v == vistos.end()) continue;
    SCOPED_TRACE(tic);
    const auto [x, cuadro] = v->second;
    EXPECT_EQ(hall->FiguraDibujada(), (Recuadro{x, 235, 56, 168}));
    EXPECT_EQ(EnCapa(x + 55, 300), ColorCuadro(0, cuadro));
    EXPECT_EQ(EnCapa(x - 1, 300).alpha(), 0);  // the frame before was cleared
    EXPECT_EQ(hall->Bocadillo1->isVisible(), tic == 20);
  }
  EXPECT_FALSE(hall->piloto->isActive());
  EXPECT_TRUE(hall->TimerTexto->isActive());
  EXPECT_EQ(hall->TimerTexto->interval(), 3000);
  EXPECT_TRUE(hall->LabelBocadillo1->isVisible());
  EXPECT_FALSE(hall->labelBocadillo2->isVisible());
  EXPECT_EQ(hall->LabelCarreras->toolTip(), QStringLiteral("T306\nT307\nT300"));
  EXPECT_EQ(hall->LabelCat->toolTip(), QStringLiteral("T224"));
  // The second bubble text 3 s later.
  hall->TimerTextoTimer();
  EXPECT_FALSE(hall->TimerTexto->isActive());
  EXPECT_TRUE(hall->labelBocadillo2->isVisible());
  EXPECT_FALSE(hall->LabelBocadillo1->isVisible());
  // The last frame stays drawn.
  EXPECT_EQ(EnCapa(290 + 28, 300), ColorCuadro(0, 7));
  // A door clicked now hides the bubble at once and removes the guide at
  // the door's first frame.
  prueba::Pulsar(hall->LabelCat);
  EXPECT_FALSE(hall->Bocadillo1->isVisible());
  EXPECT_FALSE(hall->labelBocadillo2->isVisible());
  EXPECT_EQ(EnCapa(290 + 28, 300), ColorCuadro(0, 7));
  hall->TimerPuertaTimer();
  EXPECT_EQ(EnCapa(290 + 28, 300).alpha(), 0);
  EXPECT_FALSE(hall->FiguraDibujada().has_value());
}

TEST_F(Vestibulo, UnaPuertaDeAbajoSeAbreMientrasLaGuiaAnda) {
  hall->piloto->stop();
  for (int i = 0; i < 5; ++i) hall->pilotoTimer();
  ASSERT_EQ(hall->FiguraDibujada(), (Recuadro{140, 235, 56, 168}));
  prueba::Pulsar(hall->LabelCuesB);
  EXPECT_EQ(hall->PuertaSel, 8);
  EXPECT_FALSE(hall->piloto->isActive());
  EXPECT_FALSE(hall->Bocadillo1->isVisible());
  EXPECT_TRUE(hall->LabelCuesB->toolTip().isEmpty());
  ASSERT_TRUE(hall->TimerPuerta->isActive());
  EXPECT_EQ(hall->TimerPuerta->interval(), 200);
  hall->TimerPuerta->stop();
  for (int tic = 0; tic < 5; ++tic) {
    SCOPED_TRACE(tic);
    hall->TimerPuertaTimer();
    EXPECT_EQ(hall->PuertaDibujada(), (Cuadro{404, 510 - 10 * tic, tic}));
    EXPECT_EQ(EnCapa(404 + 28, 510 - 10 * tic + 2), ColorCuadro(1, tic));
    // The guide's last frame is gone from the first tick on.
    EXPECT_FALSE(hall->FiguraDibujada().has_value());
    EXPECT_EQ(EnCapa(170, 300).alpha(), 0);
  }
  // The frame below the last one was given back.
  EXPECT_EQ(EnCapa(404 + 28, 470 + 168 + 5).alpha(), 0);
  EXPECT_FALSE(hall->TimerPuerta->isActive());
  ASSERT_TRUE(hall->TimerZoom->isActive());
  EXPECT_EQ(hall->TimerZoom->interval(), 100);
  hall->TimerZoom->stop();
  // The test wall tile is 32 x 32: column 3 from y 305.
  for (int tic = 1; tic <= 10; ++tic) {
    SCOPED_TRACE(tic);
    hall->TimerZoomTimer();
    const int a = 5 + 10 * tic;
    EXPECT_EQ(hall->ContadorZoom(), a);
    EXPECT_EQ(hall->ZoomDibujado(), (Recuadro{64 - a / 2, 305, 32 + 2 * (a / 2), 32 + a}));
    // The last door frame is drawn again over the zoom.
    EXPECT_EQ(EnCapa(404 + 28, 472), ColorCuadro(1, 4));
    EXPECT_EQ(programa->Ventana().Actual(), hall);
  }
  hall->TimerZoomTimer();
  EXPECT_EQ(programa->Ventana().Actual()->objectName(), QStringLiteral("TForm1"));
  EXPECT_EQ(hall->LabelCuesB->toolTip(), QStringLiteral("T305\nT301\nT302"));
}

TEST_F(Vestibulo, LasPuertasDeArribaAbrenEnY170) {
  prueba::Pulsar(hall->LabelFPip);
  hall->TimerPuertaTimer();
  EXPECT_EQ(hall->PuertaDibujada(), (Cuadro{925, 170, 0}));
  CompletarApertura(hall);
  EXPECT_EQ(programa->Ventana().Actual()->objectName(), QStringLiteral("TFIniPro"));
  EXPECT_TRUE(programa->Estado().ModoTitulos);
  EXPECT_FALSE(programa->Estado().ModoLugares);
}

// A door clicked while another opens takes over: the first door closes
// again (its frame and the zoom leave the hall, its hint comes back) and the
// opening starts over at the new door, whose section is the one shown.
TEST_F(Vestibulo, OtraPuertaPulsadaDuranteLaAperturaLaEmpiezaDeNuevo) {
  const QString pistaFPip = hall->LabelFPip->toolTip();
  ASSERT_FALSE(pistaFPip.isEmpty());
  prueba::Pulsar(hall->LabelFPip);
  hall->TimerPuertaTimer();
  hall->TimerPuertaTimer();
  ASSERT_EQ(hall->PuertaDibujada(), (Cuadro{925, 160, 1}));
  ASSERT_NE(EnCapa(925 + 28, 162).alpha(), 0);

  // During the door frames: a lower door.
  prueba::Pulsar(hall->LabelProfe);
  EXPECT_EQ(hall->PuertaSel, 7);
  EXPECT_EQ(EnCapa(925 + 28, 162).alpha(), 0);
  EXPECT_EQ(hall->LabelFPip->toolTip(), pistaFPip);
  EXPECT_TRUE(hall->LabelProfe->toolTip().isEmpty());
  EXPECT_TRUE(hall->TimerPuerta->isActive());
  EXPECT_FALSE(hall->TimerZoom->isActive());
  hall->TimerPuertaTimer();
  EXPECT_EQ(hall->PuertaDibujada(), (Cuadro{230, 510, 0}));
  EXPECT_EQ(EnCapa(230 + 28, 512), ColorCuadro(1, 0));

  // During the zoom: an upper door.
  for (int i = 0; i < 4; ++i) hall->TimerPuertaTimer();
  ASSERT_TRUE(hall->TimerZoom->isActive());
  hall->TimerZoomTimer();
  hall->TimerZoomTimer();
  const auto zoom = hall->ZoomDibujado();
  ASSERT_TRUE(zoom.has_value());
  prueba::Pulsar(hall->LabelIti);
  EXPECT_EQ(hall->PuertaSel, 4);
  EXPECT_FALSE(hall->TimerZoom->isActive());
  EXPECT_FALSE(hall->ZoomDibujado().has_value());
  EXPECT_EQ(EnCapa(zoom->x + zoom->ancho / 2, zoom->y + 2).alpha(), 0);
  EXPECT_EQ(EnCapa(230 + 28, 472).alpha(), 0);
  EXPECT_EQ(hall->ContadorZoom(), 0);
  EXPECT_EQ(programa->Ventana().Actual(), hall);

  CompletarApertura(hall);
  EXPECT_EQ(programa->Ventana().Actual()->objectName(), QStringLiteral("TForm2"));
}

TEST_F(Vestibulo, TextosPistasYColores) {
  EXPECT_EQ(hall->BotRetroce->text(), QStringLiteral("T222"));
  EXPECT_EQ(hall->LabelFPip->text(), QStringLiteral("T514\nT229\n"));
  EXPECT_EQ(hall->LabelProfe->text(), QStringLiteral("T622 T623"));
  EXPECT_EQ(hall->LabelCuesE->text(), QStringLiteral("T8\nT9\nT10\nT12"));
  EXPECT_EQ(hall->LabelDejar->text(), QStringLiteral("T587\nT588"));
  EXPECT_EQ(hall->LabelIti->toolTip(), QStringLiteral("T179\nT180"));
  EXPECT_EQ(hall->LabelCuesE->toolTip(), QStringLiteral("T305\nT509 T510"));
  EXPECT_EQ(hall->ImageDejar->toolTip(), QStringLiteral("T580"));
  EXPECT_TRUE(hall->LabelAsistente->toolTip().isEmpty());
  EXPECT_EQ(hall->LabelBocadillo1->text(), QStringLiteral("T264\nSendaro.\nT175 2008-2009."));
  EXPECT_EQ(hall->labelBocadillo2->text(), QStringLiteral("T16\nT265\nT266\nT267"));
  EXPECT_EQ(hall->LabelCentro2->palette().color(QPalette::WindowText), QColor(255, 255, 128));
  EXPECT_EQ(hall->Labelano2->palette().color(QPalette::WindowText), QColor(255, 255, 128));
  EXPECT_EQ(hall->LabelAno->palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_EQ(hall->PanelAyuda->palette().color(QPalette::Window), QColor(241, 217, 192));
  EXPECT_FALSE(hall->PanelAyuda->isVisible());
  EXPECT_TRUE(hall->BotRetroce->isVisible());
  // Every door's caption fits its label.
  for (EtiquetaPuerta* e : hall->findChildren<EtiquetaPuerta*>()) {
    SCOPED_TRACE(e->objectName().toStdString());
    const QFontMetrics m(e->font());
    for (const QString& palabra :
         e->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
      EXPECT_LE(m.horizontalAdvance(palabra), e->width() - 2 * e->margin());
    }
  }
}

TEST_F(Vestibulo, ColorDeLaPuertaBajoElPuntero) {
  struct Caso {
    char letra;
    QColor resaltado;
  };
  for (const Caso& c : {Caso{'N', QColor(255, 255, 0)}, Caso{'F', QColor(128, 0, 0)}}) {
    ins.Ajustes("IES", 0, 0, c.letra);
    Arrancar();
    EtiquetaPuerta* puerta = hall->LabelIti;
    EXPECT_EQ(puerta->palette().color(QPalette::Window), QColor(Qt::black));
    QEnterEvent entrar(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(puerta, &entrar);
    EXPECT_EQ(puerta->palette().color(QPalette::Window), c.resaltado);
    QEvent salir(QEvent::Leave);
    QApplication::sendEvent(puerta, &salir);
    EXPECT_EQ(puerta->palette().color(QPalette::Window), QColor(Qt::black));
    // A move over the wall paints every door black again, the sign in ColorAno.
    QApplication::sendEvent(puerta, &entrar);
    QApplication::sendEvent(hall->LabelDejar, &entrar);
    QMouseEvent mover(QEvent::MouseMove, QPointF(600, 420), QPointF(600, 420), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(hall->mosaico, &mover);
    EXPECT_EQ(puerta->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(hall->LabelDejar->palette().color(QPalette::WindowText),
              ColorQ(BuscarTema(c.letra)->ColorAno));
  }
}

TEST_F(Vestibulo, EscPreguntaYNoDejaElVestibuloComoEstaba) {
  dialogos.ResponderConBoton(QStringLiteral("ShadowNo"));
  QTest::keyClick(hall, Qt::Key_Escape);
  EXPECT_EQ(dialogos.ejecutados, QStringList{QStringLiteral("TForm4")});
  EXPECT_EQ(programa->Ventana().Actual(), hall);
  EXPECT_FALSE(programa->Estado().FalloGrave());
  EXPECT_TRUE(programa->Ventana().isVisible());
  // The static hall's BotRetroce asks the same question.
  prueba::Pulsar(hall->BotRetroce);
  EXPECT_EQ(dialogos.ejecutados.size(), 2);
  EXPECT_FALSE(programa->Estado().FalloGrave());
}

TEST_F(Vestibulo, UnaSegundaSalidaNoPreguntaDeNuevo) {
  dialogos.ResponderConBoton(QStringLiteral("ShadowSi"));
  QTest::keyClick(hall, Qt::Key_Escape);
  EXPECT_TRUE(programa->Ventana().close());  // the window closes without a second question
  EXPECT_EQ(dialogos.ejecutados.size(), 1);
}

// Each door opens its section by the entry action the table says, which sets
// the section up (on the controls the placeholders lack, the test adds them).
TEST_F(Vestibulo, CadaPuertaPreparaSuSeccion) {
  Navegacion& n = programa->Navegar();
  auto control = [](QWidget& pantalla, const char* nombre) {
    auto* w = new QWidget(&pantalla);
    w->setObjectName(QLatin1String(nombre));
    w->setGeometry(0, 0, 10, 10);
    return w;
  };
  auto& carreras = n.Pantalla<TForm1>();
  carreras.findChild<QWidget*>(QStringLiteral("PanelFP"))->hide();
  auto& tform2 = n.Pantalla<TForm2>();
  QWidget* itinerarios = tform2.BotItinerarios;
  QWidget* explica = tform2.BotExplica;
  QWidget* cuestio = tform2.botCuestio;
  QWidget* degradado = tform2.degradeIti;
  auto* listSelFp =
      n.Pantalla(Seccion::kProgramasIniciales).findChild<QWidget*>(QStringLiteral("ListSelFp"));
  ASSERT_NE(listSelFp, nullptr);
  listSelFp->hide();
  auto& gradoMedio = n.Pantalla<TForm3>();
  QTimer* heli = gradoMedio.heli;
  // Leaving the screen stops its flight: it is looked at while shown.
  bool heliActivo = false;
  EstadoPrograma& e = programa->Estado();
  auto abrir = [&](EtiquetaPuerta* puerta) {
    prueba::Pulsar(puerta);
    CompletarApertura(hall);
    heliActivo = heli->isActive();
    QWidget* seccion = programa->Ventana().Actual();
    programa->Ventana().Mostrar(hall);
    programa->Ventana().Ocultar(seccion);
  };

  abrir(hall->LabelFpS);
  EXPECT_FALSE(carreras.findChild<QWidget*>(QStringLiteral("PanelFP"))->isHidden());

  abrir(hall->LabelCuesE);
  EXPECT_TRUE(itinerarios->isHidden());
  EXPECT_TRUE(explica->isHidden());
  EXPECT_FALSE(cuestio->isHidden());
  EXPECT_EQ(degradado->geometry(), tform2.rect());
  abrir(hall->LabelIti);
  EXPECT_FALSE(itinerarios->isHidden());
  EXPECT_FALSE(explica->isHidden());
  EXPECT_TRUE(cuestio->isHidden());

  e.PrimeraVisita = true;
  e.ModoCuestionario = true;
  gradoMedio.PrimeraFilaVisible = 3;
  abrir(hall->LabelFPM);
  EXPECT_EQ(gradoMedio.PrimeraFilaVisible, 0);
  EXPECT_FALSE(e.ModoCuestionario);
  EXPECT_TRUE(heliActivo);
  EXPECT_TRUE(gradoMedio.AyudaPendiente);
  e.PrimeraVisita = false;
  e.ModoCuestionario = true;
  abrir(hall->LabelFPM);
  EXPECT_TRUE(e.ModoCuestionario);
  EXPECT_FALSE(heliActivo);

  e.ModoLugares = true;
  abrir(hall->LabelFPip);
  EXPECT_TRUE(e.ModoTitulos);
  EXPECT_FALSE(e.ModoLugares);
  EXPECT_FALSE(listSelFp->isHidden());
}

TEST_F(Vestibulo, ConFalloGraveElVestibuloSeCierraAlMostrarse) {
  programa->Ventana().Mostrar(&programa->Navegar().Pantalla(Seccion::kCatalogo));
  programa->Estado().FalloGrave() = true;
  programa->Comunes().terminado = true;  // as after a confirmed exit
  programa->Ventana().Mostrar(hall);
  ASSERT_TRUE(programa->Ventana().isVisible());
  QApplication::processEvents();
  EXPECT_FALSE(programa->Ventana().isVisible());
  EXPECT_TRUE(dialogos.ejecutados.isEmpty());
}

TEST_F(Vestibulo, LaParedNoTienePuertaDondeNoHayEtiqueta) {
  // The test tile is 32 x 32, so its door spot lies at 46, 81 of each cell:
  // only cells whose spot no label covers lose their door.
  const std::vector<Recuadro>& sin = hall->mosaico->CeldasSinPuerta();
  EXPECT_FALSE(sin.empty());
  for (const Recuadro& c : sin) {
    const QRect hueco(c.x + 46, c.y + 81, 83, 120);
    for (EtiquetaPuerta* e : hall->findChildren<EtiquetaPuerta*>()) {
      if (e != hall->LabelDejar) EXPECT_FALSE(e->geometry().intersects(hueco));
    }
  }
}

// The animated scene as the hall sees it.
class EscenaFalsa : public EscenaVestibulo {
 public:
  QWidget* Superficie() override { return &superficie; }
  void Iniciar() override { ++inicios; }
  void Detener() override { ++paradas; }
  void ClicRueda() override { ++ruedas; }
  QWidget superficie;
  int inicios = 0, paradas = 0, ruedas = 0;
};

TEST_F(Vestibulo, ConLaEscenaLasPuertasAbrenEnUnTicYLaAyudaSeRevela) {
  EscenaFalsa escena;
  hall->AdjuntarEscena(&escena);
  ASSERT_TRUE(hall->Animado());
  EXPECT_EQ(hall->DXDraw, &escena.superficie);
  EXPECT_FALSE(hall->piloto->isActive());
  EXPECT_FALSE(hall->BotRetroce->isVisible());
  EXPECT_EQ(hall->BotRetroce->text(), QStringLiteral("Volver"));

  QWheelEvent rueda(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(hall, &rueda);
  EXPECT_EQ(escena.ruedas, 1);

  // The scene's door arrival: one zoom tick and no door frames.
  hall->LabelIti->setVisible(false);  // the scene covers the labels
  hall->LabelItiClick();
  EXPECT_FALSE(hall->TimerPuerta->isActive());
  ASSERT_TRUE(hall->TimerZoom->isActive());
  hall->TimerZoomTimer();
  EXPECT_EQ(programa->Ventana().Actual()->objectName(), QStringLiteral("TForm2"));
  EXPECT_GE(escena.paradas, 1);
  const int inicios = escena.inicios;
  programa->Ventana().Mostrar(hall);
  programa->Ventana().Ocultar(programa->Navegar().Creada(Seccion::kItinerarios));
  EXPECT_GT(escena.inicios, inicios);  // the hall's activation restarts the scene

  // The help panel: a line every other tick, texts 14..18, then it stays.
  const QLabel* lineas[] = {hall->LabelAyu1, hall->LabelAyu2, hall->LabelAyu3, hall->LabelAyu4,
                            hall->LabelAyu5};
  for (int tic = 0; tic < 8; ++tic) hall->TimerAyudaTimer();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(lineas[i]->text(), QStringLiteral("T%1").arg(14 + i));
  EXPECT_EQ(hall->PasoAyuda, 8);
  hall->TimerAyuda->start();
  hall->TimerAyudaTimer();
  EXPECT_EQ(hall->PasoAyuda, 0);
  EXPECT_FALSE(hall->TimerAyuda->isActive());
  EXPECT_TRUE(hall->PanelAyuda->isVisible());
  EXPECT_TRUE(hall->BotRetroce->isVisible());
  // While the help panel is up, activation does not restart the scene.
  const int antes = escena.inicios;
  programa->Ventana().Mostrar(&programa->Navegar().Pantalla(Seccion::kCatalogo));
  programa->Ventana().Mostrar(hall);
  EXPECT_EQ(escena.inicios, antes);
  // BotRetroce closes the panel and restarts the scene.
  prueba::Pulsar(hall->BotRetroce);
  EXPECT_FALSE(hall->PanelAyuda->isVisible());
  EXPECT_FALSE(hall->BotRetroce->isVisible());
  EXPECT_EQ(escena.inicios, antes + 1);
  EXPECT_TRUE(dialogos.ejecutados.isEmpty());
  hall->AdjuntarEscena(nullptr);
}

// The sample installation's strips, read the way the hall reads them: every
// frame there, of its size, with something drawn and something clear.
TEST(TirasDeLaMuestra, CadaListaTieneSusCuadros) {
  struct Caso {
    std::string_view nombre;
    int cuadros, ancho, alto;
  };
  const Caso casos[] = {
      {kTiraFigura, kCuadrosFigura, kAnchoCuadro, kAltoCuadro},
      {kTiraPuerta, kCuadrosPuerta, kAnchoCuadro, kAltoCuadro},
      {kTiraIconos, kCuadrosIconos, kLadoIcono, kLadoIcono},
  };
  const std::filesystem::path muestra(SENDARO_INSTALACION);
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.nombre));
    const QList<QPixmap> lista = CargarTira(muestra, c.nombre, c.cuadros, c.ancho, c.alto);
    ASSERT_EQ(lista.size(), c.cuadros);
    for (int i = 0; i < c.cuadros; ++i) {
      const QImage im = lista[i].toImage().convertToFormat(QImage::Format_ARGB32);
      ASSERT_EQ(im.size(), QSize(c.ancho, c.alto)) << i;
      int dibujados = 0, claros = 0;
      for (int y = 0; y < im.height(); ++y) {
        for (int x = 0; x < im.width(); ++x) {
          dibujados += qAlpha(im.pixel(x, y)) > 200 ? 1 : 0;
          claros += qAlpha(im.pixel(x, y)) == 0 ? 1 : 0;
        }
      }
      EXPECT_GT(dibujados, 20) << i;
      EXPECT_GT(claros, 20) << i;
    }
  }
}

}  // namespace
}  // namespace sendaro
