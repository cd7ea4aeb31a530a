// The middle-grade screen driven as a person would: from the hall's door
// through the helicopter introduction, the families, the titles pop-up and a
// title's details, and back. Timers are stepped by calling their handlers.
#include "sections/middle_grade/qt/tform3.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/qt/programa.h"
#include "hall/qt/tform0.h"
#include "qt/apoyo.h"
#include "qt/programa_muestra.h"
#include "sections/itineraries/qt/tform2.h"
#include "sections/middle_grade/qt/datos_gm.h"
#include "ui/navegacion.h"
#include "ui/tform4.h"
#include "ui/ventana_principal.h"

namespace sendaro {
namespace {

class PantallaGM : public prueba::ProgramaPrueba {
 protected:
  void SetUp() override {
    ProgramaPrueba::SetUp();
    prueba::EscribirDatosGM(ins);
    prueba::EscribirLugaresGM(ins);
    prueba::EscribirCuestionarioGM(ins);
    Arrancar();
  }
  // Starts the program (again) on the test's installation.
  void Arrancar() {
    ASSERT_NO_FATAL_FAILURE(ProgramaPrueba::Arrancar(ins.Carpeta()));
    f = &programa->Navegar().Pantalla<TForm3>();
  }

  // The C.F.G.M. door.
  void Puerta() {
    CruzarPuerta(&Tform0::LabelFPMClick);
    ASSERT_EQ(programa->Ventana().Actual(), f);
  }
  // The whole introduction: each leg, its pilot, up to the end.
  void VolarIntroduccion() {
    for (int i = 0; i < 200 && (f->heli->isActive() || f->piloto->isActive()); ++i) {
      if (f->heli->isActive())
        f->heliTimer();
      else
        f->pilotoTimer();
    }
  }
  void Familias() {
    if (f->botTit2->isHidden()) VolarIntroduccion();
    prueba::Pulsar(f->botTit2);
    ASSERT_FALSE(f->listSelFP->isHidden());
  }
  void PulsarFila(QListWidget* lista, int fila) {
    lista->scrollToItem(lista->item(fila));
    const QRect r = lista->visualItemRect(lista->item(fila));
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, r.center());
  }
  void ClicMapa(QLabel* imagen, int x, int y) {
    QMouseEvent mover(QEvent::MouseMove, QPointF(x, y), imagen->mapToGlobal(QPointF(x, y)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(imagen, &mover);
    QTest::mouseClick(imagen, Qt::LeftButton, {}, QPoint(x, y));
  }
  QStringList Rejilla(int columna = 0) const {
    QStringList filas;
    for (int i = 0; i < f->reja->rowCount(); ++i) {
      const QTableWidgetItem* item = f->reja->item(i, columna);
      filas << (item != nullptr ? item->text() : QString());
    }
    return filas;
  }
  // Opens title k (0-based) of the family on row `familia`.
  void AbrirTitulo(int familia, int k) {
    Familias();
    PulsarFila(f->listSelFP, familia);
    PulsarFila(f->ListTitFP, k);
  }
  // The study questionnaire hands over to the screen in questionnaire mode.
  void Cuestionario() {
    TForm2* t2 = &programa->Navegar().Pantalla<TForm2>();
    programa->Ventana().Mostrar(t2);
    t2->BotCuestio2Click();
    ASSERT_EQ(programa->Ventana().Actual(), f);
  }
  void Elegir(QListWidget* lista, std::initializer_list<int> filas) {
    for (const int r : filas) PulsarFila(lista, r);
  }
  bool Visible(const QWidget* w) const { return !w->isHidden(); }
  QRect EnPagina(const QWidget* w) const { return {w->mapTo(f, QPoint(0, 0)), w->size()}; }

  prueba::InstalacionPrueba ins;
  TForm3* f = nullptr;
};

TEST_F(PantallaGM, LaPrimeraVisitaTraeLosBotonesEnHelicopteroYLasDemasLosMuestra) {
  Puerta();
  EXPECT_EQ(f->windowTitle(), QStringLiteral("Sendaro  IES Pe\u00f1a Grande"));
  EXPECT_EQ(f->LabelFPGM->text(), QStringLiteral("T81"));
  for (QPushButton* b : {f->botTit2, f->botLug2, f->botSalir}) EXPECT_FALSE(Visible(b));
  ASSERT_TRUE(f->heli->isActive());
  EXPECT_EQ(f->heli->interval(), 15);
  EXPECT_FALSE(programa->Estado().PrimeraVisita);

  // Leg 1: botTit2 grows along the curve with the engine on.
  f->heliTimer();
  EXPECT_TRUE(sonido.enBucle);
  EXPECT_TRUE(Visible(f->botTit2));
  EXPECT_EQ(f->botTit2->geometry(), QRect(82, 550, 157 - 3 * 34, 45 - 34));
  EXPECT_EQ(f->he->pos(), QPoint(382, 550));
  for (int i = 2; i <= 36; ++i) f->heliTimer();
  EXPECT_EQ(f->botTit2->geometry(), QRect(192, 238, 160, 46));
  EXPECT_FALSE(f->heli->isActive());
  EXPECT_FALSE(sonido.enBucle);
  ASSERT_TRUE(f->piloto->isActive());
  EXPECT_EQ(f->piloto->interval(), 200);
  // The pilot walks 8 frames from the helicopter's top centre, then speaks.
  const QPoint inicio(f->he->x() + f->he->width() / 2, f->he->y());
  f->pilotoTimer();
  EXPECT_EQ(f->pilotoGM->pos(), inicio);
  for (int k = 1; k < 8; ++k) f->pilotoTimer();
  EXPECT_EQ(f->pilotoGM->pos(), inicio + QPoint(70, 0));
  EXPECT_FALSE(f->piloto->isActive());
  ASSERT_EQ(f->bocadillos.size(), 1u);
  EXPECT_EQ(f->bocadillos[0]->text(), QStringLiteral("T154\nT155\nT156"));
  EXPECT_EQ(f->bocadillos[0]->pos(), inicio + QPoint(-35, -60));
  ASSERT_TRUE(f->heli->isActive());  // leg 2 follows

  // Leg 2 grows botLug2 and brings botSalir; leg 3's first tick ends it.
  f->heliTimer();
  EXPECT_FALSE(Visible(f->pilotoGM));
  EXPECT_TRUE(Visible(f->botLug2));
  EXPECT_FALSE(Visible(f->botSalir));
  VolarIntroduccion();
  EXPECT_EQ(f->botLug2->geometry(), QRect(192, 334, 160, 46));
  EXPECT_EQ(f->botSalir->geometry(), QRect(192, 454, 160, 46));
  EXPECT_TRUE(Visible(f->botSalir));
  ASSERT_EQ(f->bocadillos.size(), 2u);
  EXPECT_EQ(f->bocadillos[1]->text(), QStringLiteral("T157\nT158\nT159"));
  EXPECT_FALSE(Visible(f->he));
  EXPECT_FALSE(f->heli->isActive());
  EXPECT_FALSE(sonido.enBucle);

  // Leaving goes back to the hall; the next visit shows the menu at once.
  prueba::Pulsar(f->botSalir);
  EXPECT_EQ(programa->Ventana().Actual(), hall);
  Puerta();
  EXPECT_FALSE(f->heli->isActive());
  EXPECT_TRUE(f->bocadillos.empty());
  for (QPushButton* b : {f->botTit2, f->botLug2, f->botSalir}) EXPECT_TRUE(Visible(b));
  EXPECT_EQ(f->botLug2->geometry(), QRect(192, 334, 160, 46));
}

TEST_F(PantallaGM, UnaIntroduccionCortadaDejaLosBotonesEnSuSitioLaVezSiguiente) {
  Puerta();
  for (int i = 0; i < 36; ++i) f->heliTimer();
  prueba::Pulsar(f->botTit2);  // during the pilot's walk
  EXPECT_FALSE(f->piloto->isActive());
  EXPECT_FALSE(f->heli->isActive());
  EXPECT_FALSE(Visible(f->he));
  EXPECT_TRUE(f->TimerAyu->isActive());  // the help line brings its own engine
  prueba::Pulsar(f->BotRetrocederFP);
  for (QPushButton* b : {f->botTit2, f->botLug2, f->botSalir}) EXPECT_TRUE(Visible(b));
  EXPECT_EQ(f->botLug2->geometry(), QRect(192, 334, 160, 46));
  EXPECT_EQ(f->botSalir->geometry(), QRect(192, 454, 160, 46));
}

TEST_F(PantallaGM, ElPanelDeSeleccionSeDesenrollaAlAparecerYNoAlCambiarDeContenido) {
  Puerta();
  Familias();
  // Rolling open: only a top strip is uncovered, then the whole panel.
  ASSERT_FALSE(f->PanelSelec->mask().isEmpty());
  EXPECT_LT(f->PanelSelec->mask().boundingRect().height(), f->PanelSelec->height());
  QTest::qWait(400);
  EXPECT_TRUE(f->PanelSelec->mask().isEmpty());
  // A panel already open does not roll again.
  PulsarFila(f->listSelFP, 1);
  EXPECT_TRUE(f->PanelSelec->mask().isEmpty());
}

TEST_F(PantallaGM, FamiliasOrdenadasTitulosEnVentanaYDetallesDelTitulo) {
  Puerta();
  Familias();
  EXPECT_EQ(f->PanelSelTit->text(), QStringLiteral("T294"));
  const QStringList filas = Filas(f->listSelFP);
  ASSERT_EQ(filas.size(), 47);
  EXPECT_EQ(filas.first(), QStringLiteral("< Familia 01"));
  EXPECT_EQ(filas[45], QStringLiteral("< Nuevos"));
  EXPECT_EQ(filas[46], QStringLiteral("< Vacia"));
  // The first visit slides in the help line with the engine.
  EXPECT_TRUE(f->TimerAyu->isActive());
  EXPECT_EQ(f->LabAyuGM->text(), QStringLiteral("T440. T442 T443"));
  for (int i = 0; i < 40 && f->TimerAyu->isActive(); ++i) f->TimerAyuTimer();
  EXPECT_LT(f->LabAyuGM->x(), 300);
  EXPECT_FALSE(sonido.enBucle);

  // Hovering highlights the row under the mouse until a click.
  Sobre(f->listSelFP, 2);
  EXPECT_EQ(f->listSelFP->currentRow(), 2);

  // A click in the upper half opens the titles down from the clicked row.
  PulsarFila(f->listSelFP, 1);
  EXPECT_EQ(f->FamiliaPulsada, 2);
  ASSERT_TRUE(Visible(f->ListTitFP));
  EXPECT_EQ(Filas(f->ListTitFP),
            (QStringList{QStringLiteral("Ciclo 02-1"), QStringLiteral("Ciclo 02-2"),
                         QStringLiteral("Ciclo 02-3")}));
  const QRect fila = f->listSelFP->visualItemRect(f->listSelFP->item(1));
  const int arribaFila = f->listSelFP->viewport()->mapTo(f, fila.topLeft()).y();
  EXPECT_EQ(f->ListTitFP->y(), arribaFila);
  EXPECT_EQ(f->ListTitFP->x() + f->ListTitFP->width() + 10, f->PanelSelec->x());
  EXPECT_EQ(f->Labeltitulo->y(), f->ListTitFP->y() - 30);
  EXPECT_EQ(f->Labeltitulo->text(), QStringLiteral("T291"));
  EXPECT_EQ(f->ListFPExpli->y(), f->ListTitFP->y() + f->ListTitFP->height() + 1);
  EXPECT_EQ(Filas(f->ListFPExpli).first(), QStringLiteral("    T271"));
  EXPECT_EQ(Filas(f->ListFPExpli)[1], QStringLiteral("Desc 6.1"));  // the family's first title
  // Hovering the pop-up describes the title under the mouse.
  Sobre(f->ListTitFP, 2);
  EXPECT_EQ(Filas(f->ListFPExpli)[5], QStringLiteral("Desc 8.5"));
  // After a click the families list no longer follows the mouse.
  Sobre(f->listSelFP, 4);
  EXPECT_EQ(f->listSelFP->currentRow(), 1);

  // A click in the lower half opens it upwards, its last row level with the
  // clicked one, and it stays inside the page.
  f->listSelFP->scrollToBottom();
  const int abajo = f->listSelFP->count() - 3;
  PulsarFila(f->listSelFP, abajo);
  const QRect filaAbajo = f->listSelFP->visualItemRect(f->listSelFP->item(abajo));
  const int arribaAbajo = f->listSelFP->viewport()->mapTo(f, filaAbajo.topLeft()).y();
  const int alto = f->ListTitFP->sizeHintForRow(0);
  EXPECT_EQ(f->ListTitFP->y(), arribaAbajo - alto * 2 - 5);
  EXPECT_LE(f->ListFPExpli->y() + f->ListFPExpli->height(), 768);
  const int primera = f->PrimeraFilaVisible;
  EXPECT_GT(primera, 0);

  // Choosing a title: its name blinks and stays; details show in the panel.
  PulsarFila(f->ListTitFP, 0);
  EXPECT_EQ(f->TituloGMSel, 4 * (45 - 1) + 2);  // "Ciclo 45-1"
  EXPECT_FALSE(Visible(f->ListTitFP));
  EXPECT_FALSE(Visible(f->LabAyuGM));
  EXPECT_TRUE(Visible(f->mapa));
  EXPECT_EQ(f->listSelFP->count(), 0);
  ASSERT_TRUE(f->TimerParpadeo->isActive());
  QStringList vistos;
  for (int i = 0; i < 9; ++i) {
    f->TimerParpadeoTimer();
    vistos << f->PanelCarSel->text();
  }
  EXPECT_EQ(vistos.count(QStringLiteral("Ciclo 45-1")), 5);
  EXPECT_EQ(f->PanelCarSel->text(), QStringLiteral("Ciclo 45-1"));
  EXPECT_FALSE(f->TimerParpadeo->isActive());

  prueba::Pulsar(f->BotRequisitos);
  EXPECT_EQ(Filas(f->listSelFP), (QStringList{QStringLiteral("Con el titulo de ESO."),
                                              QStringLiteral("O con la prueba.")}));
  EXPECT_EQ(f->PanelSelTit->text(), QString());
  prueba::Pulsar(f->BotPuesto);
  EXPECT_EQ(f->PanelSelTit->text(), QStringLiteral("T199"));
  EXPECT_EQ(Filas(f->listSelFP).size(), 5);
  EXPECT_EQ(Filas(f->listSelFP).first(), QStringLiteral("Desc 178.1"));
  prueba::Pulsar(f->botAsig);
  EXPECT_EQ(f->PanelSelTit->text(), QStringLiteral("T312"));
  EXPECT_EQ(Filas(f->listSelFP).size(), 20);
  EXPECT_EQ(Filas(f->listSelFP).last(), QStringLiteral("Modulo 178.25"));

  // Back: the families list at the row it showed, the pop-up again.
  prueba::Pulsar(f->BotRetrocederFP);
  EXPECT_FALSE(Visible(f->mapa));
  EXPECT_FALSE(Visible(f->BotRequisitos));
  EXPECT_TRUE(Visible(f->ListTitFP));
  EXPECT_EQ(f->listSelFP->count(), 47);
  EXPECT_EQ(f->listSelFP->indexAt(QPoint(4, 1)).row(), primera);
  // Back again: the start menu.
  prueba::Pulsar(f->BotRetrocederFP);
  EXPECT_FALSE(Visible(f->PanelSelec));
  EXPECT_FALSE(Visible(f->ListTitFP));
  for (QPushButton* b : {f->botTit2, f->botLug2, f->botSalir}) EXPECT_TRUE(Visible(b));
}

TEST_F(PantallaGM, FamiliaSinTitulosYCierreSinConfirmar) {
  Puerta();
  Familias();
  PulsarFila(f->listSelFP, 46);  // "< Vacia"
  EXPECT_EQ(f->ListTitFP->count(), 0);
  EXPECT_EQ(f->ListTitFP->height(), 4);
  EXPECT_TRUE(Visible(f->ListTitFP));

  dialogos.ResponderConBoton(QStringLiteral("ShadowNo"));
  EXPECT_FALSE(programa->Ventana().close());
  EXPECT_EQ(dialogos.ejecutados, QStringList{QStringLiteral("TForm4")});
  EXPECT_EQ(programa->Ventana().Actual(), f);
  EXPECT_FALSE(programa->Estado().FalloGrave());
}

TEST_F(PantallaGM, ElMapaDaLosCentrosDelTituloPorProvincias) {
  Puerta();
  AbrirTitulo(0, 0);  // "Ciclo 01-1"
  ASSERT_EQ(f->TituloGMSel, 2);
  ASSERT_TRUE(Visible(f->mapa));
  ClicMapa(f->mapa, 30, 30);
  EXPECT_EQ(f->PanelSelTit->text(), QStringLiteral("T323"));
  EXPECT_TRUE(Visible(f->reja));
  EXPECT_FALSE(Visible(f->listSelFP));
  const QStringList filas = Rejilla();
  ASSERT_EQ(filas.size(), 4);  // Cadiz has none: no header for it
  EXPECT_EQ(filas[0], QStringLiteral("- Almeria"));
  EXPECT_EQ(filas[1], QStringLiteral("Almeria          IES Uno"));
  EXPECT_EQ(Rejilla(1)[1], QStringLiteral("950000001"));
  EXPECT_EQ(filas[2], QStringLiteral("Almeria          IES Tres"));
  EXPECT_EQ(filas[3], QString());
  // A community where it is not taught says so.
  ClicMapa(f->mapa, 45, 30);
  EXPECT_EQ(Rejilla(), QStringList{QStringLiteral("T292")});
  // Outside every community nothing changes.
  ClicMapa(f->mapa, 5, 5);
  EXPECT_EQ(Rejilla(), QStringList{QStringLiteral("T292")});
  // A detail button brings the list back.
  prueba::Pulsar(f->BotPuesto);
  EXPECT_FALSE(Visible(f->reja));
  EXPECT_TRUE(Visible(f->listSelFP));
}

TEST_F(PantallaGM, LugaresPrimeroProvinciaLocalidadCentrosYSusTitulos) {
  Puerta();
  VolarIntroduccion();
  prueba::Pulsar(f->botLug2);
  EXPECT_TRUE(programa->Estado().ModoLugares);
  EXPECT_FALSE(programa->Estado().ModoTitulos);
  ASSERT_TRUE(Visible(f->mapa));
  EXPECT_EQ(f->PanelSelTit->text(), QStringLiteral("T294"));
  ClicMapa(f->mapa, 30, 30);
  EXPECT_FALSE(Visible(f->mapa));
  ASSERT_TRUE(Visible(f->ListSelLugFP));
  EXPECT_EQ(Filas(f->ListSelLugFP),
            (QStringList{QStringLiteral("Almeria"), QStringLiteral("Cadiz")}));

  PulsarFila(f->ListSelLugFP, 0);
  EXPECT_TRUE(programa->Estado().FaseLocalidades);
  EXPECT_EQ(f->PanelCarSel->text(), QStringLiteral("Almeria"));
  EXPECT_EQ(Filas(f->ListSelLugFP),
            (QStringList{QStringLiteral("Almeria"), QStringLiteral("Nijar")}));

  // A town: the whole province with that town's first centre at the top
  // (the grid made short enough to scroll).
  f->reja->resize(f->reja->width(), 3 * 18 + 4);
  PulsarFila(f->ListSelLugFP, 1);
  const QStringList filas = Rejilla();
  ASSERT_EQ(filas.size(), 10);
  EXPECT_EQ(filas[0], QStringLiteral("-Almeria          IES Uno"));
  EXPECT_EQ(filas[1], QStringLiteral("Ciclo 01-1"));
  EXPECT_EQ(filas[2], QStringLiteral("Ciclo 02-1"));
  EXPECT_EQ(filas[7], QStringLiteral("-Nijar            IES Cuatro"));
  EXPECT_EQ(f->FilaTitulo, (std::vector<int>{0, 2, 6, 0, 0, 2, 0, 0, 6, 0}));
  EXPECT_EQ(f->reja->rowAt(2), 7);
  // Phones show only when asked for; the rows stay.
  EXPECT_EQ(Rejilla(1)[0], QString());
  prueba::Pulsar(f->BotTelefono);
  EXPECT_EQ(Rejilla(1)[0], QStringLiteral("950000001"));
  EXPECT_EQ(Rejilla(), filas);
  prueba::Pulsar(f->BotTelefono);
  EXPECT_EQ(Rejilla(1)[0], QString());

  // Back: towns -> provinces -> map -> start menu.
  prueba::Pulsar(f->BotRetrocederFP);
  EXPECT_FALSE(programa->Estado().FaseLocalidades);
  EXPECT_EQ(Filas(f->ListSelLugFP),
            (QStringList{QStringLiteral("Almeria"), QStringLiteral("Cadiz")}));
  prueba::Pulsar(f->BotRetrocederFP);
  EXPECT_TRUE(Visible(f->mapa));
  EXPECT_FALSE(Visible(f->ListSelLugFP));
  prueba::Pulsar(f->BotRetrocederFP);
  EXPECT_FALSE(Visible(f->mapa));
  for (QPushButton* b : {f->botTit2, f->botLug2, f->botSalir}) EXPECT_TRUE(Visible(b));
}

TEST_F(PantallaGM, DobleClicEnUnTituloDeLaRejillaLoAbre) {
  Puerta();
  VolarIntroduccion();
  prueba::Pulsar(f->botLug2);
  ClicMapa(f->mapa, 45, 30);  // Ceuta: one province, its towns at once
  ASSERT_TRUE(programa->Estado().FaseLocalidades);
  EXPECT_EQ(f->PanelCarSel->text(), QStringLiteral("Ceuta"));
  ASSERT_EQ(f->ListSelLugFP->count(), 1);
  PulsarFila(f->ListSelLugFP, 0);
  EXPECT_EQ(Rejilla(), (QStringList{QStringLiteral("-Ceuta            IES Ceuta"),
                                    QStringLiteral("Ciclo 01-2"), QString()}));
  prueba::Pulsar(f->BotRetrocederFP);  // one province: back to the map
  EXPECT_TRUE(Visible(f->mapa));

  ClicMapa(f->mapa, 30, 30);
  PulsarFila(f->ListSelLugFP, 0);
  PulsarFila(f->ListSelLugFP, 0);
  ASSERT_EQ(f->reja->rowCount(), 10);
  // A centre row does nothing; a title row opens the title (Enter opens a
  // row as a double click does).
  f->reja->setCurrentCell(0, 0);
  QTest::keyClick(f->reja, Qt::Key_Return);
  EXPECT_TRUE(programa->Estado().ModoLugares);
  f->reja->setCurrentCell(2, 0);
  QTest::keyClick(f->reja, Qt::Key_Return);
  EXPECT_TRUE(programa->Estado().ModoTitulos);
  EXPECT_FALSE(programa->Estado().ModoLugares);
  EXPECT_EQ(f->TituloGMSel, 6);
  EXPECT_EQ(f->PanelCarSel->text(), QStringLiteral("Ciclo 02-1"));
  EXPECT_TRUE(Visible(f->mapa));
  EXPECT_FALSE(Visible(f->reja));
  EXPECT_TRUE(f->AyudaPendiente);
  // Back goes to the families, without a pop-up, sliding in the help line.
  prueba::Pulsar(f->BotRetrocederFP);
  EXPECT_FALSE(Visible(f->ListTitFP));
  EXPECT_EQ(f->listSelFP->count(), 47);
  EXPECT_TRUE(f->TimerAyu->isActive());
}

TEST_F(PantallaGM, InformeDelTituloConVistaPreviaEImpreso) {
  Puerta();
  AbrirTitulo(0, 0);  // "Ciclo 01-1"
  prueba::Pulsar(f->BotImprimir);
  const InformeGM& i = f->UltimoInforme();
  EXPECT_EQ(i.titulo, "Ciclo 01-1 (T113)");
  // The preview: every line, the sections and the community in bold.
  ASSERT_TRUE(Visible(f->listSelFP));
  EXPECT_FALSE(Visible(f->reja));
  ASSERT_EQ(f->listSelFP->count(), static_cast<int>(i.lineas.size()));
  EXPECT_EQ(f->listSelFP->item(0)->text(), QStringLiteral("** T29 **"));
  EXPECT_TRUE(f->listSelFP->item(0)->font().bold());
  EXPECT_FALSE(f->listSelFP->item(1)->font().bold());
  const int andalucia = static_cast<int>(
      std::find(i.lineas.begin(), i.lineas.end(), "***  ANDALUCIA  ***") - i.lineas.begin());
  EXPECT_EQ(f->listSelFP->item(andalucia)->text(), QStringLiteral("***  ANDALUCIA  ***"));
  EXPECT_TRUE(f->listSelFP->item(andalucia)->font().bold());
  EXPECT_FALSE(programa->Estado().ModoImpresion);

  const QStringList pdf = Pdfs();
  ASSERT_EQ(pdf.size(), 1);
  EXPECT_TRUE(pdf[0].contains(QStringLiteral("Ciclo 01-1")));
  const QString texto = TextoPdf(pdf[0]);
  EXPECT_TRUE(texto.contains(QStringLiteral("IES Uno"))) << texto.toStdString();
  EXPECT_TRUE(texto.contains(QStringLiteral("950000001")));
  EXPECT_TRUE(texto.contains(QStringLiteral("Con el titulo de ESO.")));
}

TEST_F(PantallaGM, UnInformeLargoPideLasComunidadesEnElMapa) {
  std::vector<std::string> informa;
  for (int k = 0; k < 160; ++k) informa.push_back("17Requisito " + std::to_string(k));
  ins.Escribir(QStringLiteral("INFORMA"), prueba::LineasGM(informa));
  Arrancar();
  Puerta();
  AbrirTitulo(0, 0);
  prueba::Pulsar(f->BotImprimir);
  EXPECT_TRUE(Visible(f->PanelImp));
  EXPECT_TRUE(f->EligiendoComunidades);
  EXPECT_EQ(f->LabelSelCom1->text(), QStringLiteral("T558 T559"));
  EXPECT_TRUE(Pdfs().isEmpty());

  // Map clicks choose; a community is listed once; a row click takes it out.
  ClicMapa(f->mapa, 45, 30);
  ClicMapa(f->mapa, 45, 30);
  ClicMapa(f->mapa, 30, 30);
  EXPECT_EQ(Filas(f->ListImp), (QStringList{QStringLiteral("Ceuta"), QStringLiteral("Andalucia")}));
  EXPECT_EQ(f->ComunidadesImp, (std::vector<int>{18, 1}));
  EXPECT_FALSE(Visible(f->reja));  // the clicks list nothing
  PulsarFila(f->ListImp, 0);
  EXPECT_EQ(f->ComunidadesImp, (std::vector<int>{1}));
  ClicMapa(f->mapa, 45, 30);
  EXPECT_EQ(f->ComunidadesImp, (std::vector<int>{1, 18}));

  prueba::Pulsar(f->BotAceptar);
  EXPECT_FALSE(Visible(f->PanelImp));
  ASSERT_EQ(Pdfs().size(), 1);
  const std::vector<std::string>& lineas = f->UltimoInforme().lineas;
  EXPECT_NE(std::find(lineas.begin(), lineas.end(), "***  ANDALUCIA  ***"), lineas.end());
  EXPECT_GT(lineas.size(), 160u);  // a chosen list prints however long it is

  // The next printout asks again.
  prueba::Pulsar(f->BotImprimir);
  EXPECT_TRUE(Visible(f->PanelImp));
  EXPECT_EQ(Pdfs().size(), 1);
  // Accepting an empty choice prints the title part only.
  prueba::Pulsar(f->BotAceptar);
  ASSERT_EQ(Pdfs().size(), 2);
  EXPECT_EQ(f->UltimoInforme().lineas.back(), "");
  EXPECT_EQ(f->UltimoInforme().lineas[f->UltimoInforme().lineas.size() - 2], "-T317");
}

TEST_F(PantallaGM, InformeDeLosCentrosDeUnLugar) {
  Puerta();
  VolarIntroduccion();
  prueba::Pulsar(f->botLug2);
  prueba::Pulsar(f->BotImprimir);  // nothing listed yet: nothing printed
  EXPECT_TRUE(Pdfs().isEmpty());
  ClicMapa(f->mapa, 30, 30);
  PulsarFila(f->ListSelLugFP, 0);
  PulsarFila(f->ListSelLugFP, 0);
  prueba::Pulsar(f->BotImprimir);
  ASSERT_EQ(Pdfs().size(), 1);
  const InformeGM& i = f->UltimoInforme();
  EXPECT_EQ(i.titulo, "T289: Almeria - T113");
  ASSERT_EQ(i.lineas.size(), 10u);
  EXPECT_EQ(i.lineas[0], "-Almeria          IES Uno" + std::string(44 - 25, ' ') + "950000001");
  EXPECT_TRUE(i.negritas.empty());
  EXPECT_TRUE(Visible(f->reja));  // the grid stays
}

TEST_F(PantallaGM, CuestionarioDeAreasFrasesYCiclosConSuInforme) {
  programa->Estado().CuesEncabezado = "Alumno anterior";
  Cuestionario();
  EXPECT_TRUE(programa->Estado().CuesEncabezado.empty());
  for (QPushButton* b : {f->botTit2, f->botLug2, f->botSalir}) EXPECT_FALSE(Visible(b));
  ASSERT_TRUE(Visible(f->ListGM));
  EXPECT_TRUE(Visible(f->BitFleGMde));
  EXPECT_FALSE(Visible(f->BitFleGMiz));
  EXPECT_EQ(f->ListGM->count(), 11);
  EXPECT_EQ(f->ListGM->item(10)->text(), QStringLiteral("Area 11"));
  EXPECT_EQ(f->LabAyuGM->text(), QStringLiteral("T163"));
  EXPECT_TRUE(f->TimerAyu->isActive());

  // Forward with nothing chosen: a beep and the pilot's warning.
  prueba::Pulsar(f->BitFleGMde);
  EXPECT_EQ(dialogos.pitidos, 1);
  ASSERT_TRUE(f->TimerVuela->isActive());
  EXPECT_EQ(f->he->pos(), QPoint(70, 768 - 180));
  for (int i = 0; i < 9; ++i) f->TimerVuelaTimer();
  EXPECT_EQ(f->he->pos(), QPoint(70 + 72, 768 - 180));
  for (int i = 0; i < 8; ++i) f->pilotoTimer();
  ASSERT_EQ(f->bocadillos.size(), 1u);
  EXPECT_EQ(f->bocadillos[0]->text(), QStringLiteral("T160\nT161\nT162"));
  EXPECT_FALSE(Visible(f->he));
  EXPECT_FALSE(f->PasoDos());

  // Areas 1 and 3: their statements, by first or second area.
  Elegir(f->ListGM, {0, 2});
  prueba::Pulsar(f->BitFleGMde);
  EXPECT_TRUE(f->bocadillos.empty());
  ASSERT_TRUE(f->PasoDos());
  EXPECT_TRUE(Visible(f->BitFleGMiz));
  EXPECT_FALSE(Visible(f->ListGM));
  EXPECT_EQ(Filas(f->ListGM2),
            (QStringList{QStringLiteral("Frase uno"), QStringLiteral("Frase tres")}));
  EXPECT_EQ(f->LabAyuGM->text(), QStringLiteral("T164 T165"));
  prueba::Pulsar(f->BitFleGMde);  // no statement chosen
  EXPECT_EQ(dialogos.pitidos, 2);
  EXPECT_FALSE(f->Resultados());

  Elegir(f->ListGM2, {0, 1});
  prueba::Pulsar(f->BitFleGMde);
  ASSERT_TRUE(f->Resultados());
  EXPECT_FALSE(Visible(f->BitFleGMde));
  // "1T" marks all of family 1; "12" its title 2 again, listed once.
  EXPECT_EQ(Filas(f->ListGM),
            (QStringList{QStringLiteral(" - T583 Familia 01"), QStringLiteral("Ciclo 01-1"),
                         QStringLiteral("Ciclo 01-2"), QStringLiteral("Ciclo 01-3")}));
  EXPECT_EQ(f->LabAyuGM->text(), QStringLiteral("T189"));

  // Back twice keeps what was chosen; forward twice comes back here.
  prueba::Pulsar(f->BitFleGMiz);
  EXPECT_TRUE(Visible(f->ListGM2));
  EXPECT_EQ(f->ListGM2->selectedItems().size(), 2);
  prueba::Pulsar(f->BitFleGMiz);
  EXPECT_FALSE(Visible(f->BitFleGMiz));
  ASSERT_TRUE(Visible(f->ListGM));
  EXPECT_TRUE(f->ListGM->item(0)->isSelected());
  EXPECT_TRUE(f->ListGM->item(2)->isSelected());
  EXPECT_FALSE(f->ListGM->item(1)->isSelected());
  prueba::Pulsar(f->BitFleGMde);
  Elegir(f->ListGM2, {0, 1});
  prueba::Pulsar(f->BitFleGMde);
  ASSERT_EQ(f->ListGM->count(), 4);

  // A family row does nothing; a title shrinks the list beside the map.
  PulsarFila(f->ListGM, 0);
  EXPECT_FALSE(f->TimerReduce->isActive());
  PulsarFila(f->ListGM, 1);
  ASSERT_TRUE(f->TimerReduce->isActive());
  EXPECT_EQ(f->TimerReduce->interval(), 100);
  const int ancho = f->ListGM->width();
  f->TimerReduceTimer();
  EXPECT_EQ(f->ListGM->width(), ancho - 3);
  for (int i = 0; i < 40 && f->TimerReduce->isActive(); ++i) f->TimerReduceTimer();
  EXPECT_FALSE(Visible(f->ListGM));
  ASSERT_TRUE(Visible(f->ListPeque));
  EXPECT_EQ(f->ListPeque->count(), 4);
  EXPECT_EQ(f->ListPeque->x(), f->mapa->x());
  EXPECT_EQ(f->TituloGMSel, 2);
  EXPECT_EQ(f->PanelCarSel->text(), QStringLiteral("Ciclo 01-1"));
  EXPECT_TRUE(Visible(f->mapa));
  EXPECT_FALSE(Visible(f->BotRequisitos));
  EXPECT_FALSE(Visible(f->BotImprimirCuesGM));

  // The map lists its centres and writes them into the report.
  ClicMapa(f->mapa, 30, 30);
  ASSERT_TRUE(Visible(f->BotImprimirCuesGM));
  EXPECT_EQ(f->BotImprimirCuesGM->text(), QStringLiteral("T32"));
  const std::vector<std::string> esperadas = {"T594",
                                              "",
                                              "Area 1",
                                              "Area 3",
                                              "",
                                              "T595",
                                              "",
                                              "Frase uno",
                                              "Frase tres",
                                              "",
                                              "T592: Ciclo 01-1",
                                              "",
                                              "T593:",
                                              "",
                                              "- Almeria" + std::string(37, ' ')};
  std::vector<std::string> lineas = f->InformeCuestionario().lineas;
  ASSERT_GE(lineas.size(), esperadas.size());
  for (std::size_t k = 0; k + 1 < esperadas.size(); ++k) EXPECT_EQ(lineas[k], esperadas[k]) << k;
  EXPECT_EQ(lineas[15].substr(0, 24), "Almeria          IES Uno");
  EXPECT_EQ(lineas[15].substr(44), "950000001");
  // Another title of the small list, another map click: section 3 is rewritten.
  PulsarFila(f->ListPeque, 3);
  EXPECT_EQ(f->TituloGMSel, 4);
  EXPECT_FALSE(Visible(f->BotImprimirCuesGM));
  ClicMapa(f->mapa, 45, 30);
  lineas = f->InformeCuestionario().lineas;
  // After the centres, why the title was proposed: the statement that names it.
  ASSERT_EQ(lineas.size(), 17u);
  EXPECT_EQ(lineas[10], "T592: Ciclo 01-3");
  EXPECT_EQ(lineas[16], "   Frase uno");

  // Printing asks the student's name until one is given.
  dialogos.ResponderConBoton(QStringLiteral("ShadowSi"), [](QDialog& d) {
    d.findChild<QLineEdit*>(QStringLiteral("EditNombre"))->setText(QStringLiteral("Ana Ruiz"));
  });
  prueba::Pulsar(f->BotImprimirCuesGM);
  EXPECT_EQ(programa->Estado().CuesEncabezado, "Ana Ruiz");
  const QStringList pdf = Pdfs();
  ASSERT_EQ(pdf.size(), 1);
  const QString texto = TextoPdf(pdf[0]);
  EXPECT_TRUE(texto.contains(QStringLiteral("Ana Ruiz"))) << texto.toStdString();
  EXPECT_TRUE(texto.contains(QStringLiteral("Frase tres")));
  EXPECT_TRUE(texto.contains(QStringLiteral("T592: Ciclo 01-3")));
  // Cancelled: nothing printed, the name stays.
  dialogos.ResponderConBoton(QStringLiteral("ShadowNo"));
  prueba::Pulsar(f->BotImprimirCuesGM);
  EXPECT_EQ(Pdfs().size(), 1);
  EXPECT_EQ(programa->Estado().CuesEncabezado, "Ana Ruiz");

  // Back from the title to the results, then leave: to the study questionnaire.
  prueba::Pulsar(f->BitFleGMiz);
  EXPECT_TRUE(Visible(f->ListGM));
  EXPECT_FALSE(Visible(f->mapa));
  EXPECT_FALSE(Visible(f->ListPeque));
  prueba::Pulsar(f->BotSalirCues);
  EXPECT_FALSE(programa->Estado().ModoCuestionario);
  EXPECT_TRUE(programa->Estado().CuesEncabezado.empty());
  EXPECT_EQ(programa->Ventana().Actual(), &programa->Navegar().Pantalla<TForm2>());
}

TEST_F(PantallaGM, LaUltimaAreaLlevaALaBusquedaPorLugar) {
  Cuestionario();
  programa->Estado().CuesEncabezado = "Ana Ruiz";
  Elegir(f->ListGM, {0, 10});
  prueba::Pulsar(f->BitFleGMde);
  EXPECT_FALSE(programa->Estado().ModoCuestionario);
  EXPECT_TRUE(programa->Estado().CuesEncabezado.empty());
  EXPECT_TRUE(programa->Estado().ModoLugares);
  EXPECT_TRUE(Visible(f->mapa));
  EXPECT_FALSE(Visible(f->ListGM));
  EXPECT_FALSE(Visible(f->BotSalirCues));
  ClicMapa(f->mapa, 30, 30);
  EXPECT_TRUE(Visible(f->ListSelLugFP));
}

}  // namespace
}  // namespace sendaro
