// The initial programmes screen on the sample installation, driven as a
// person would: from the hall's door through an area, a programme and its
// details, the centres of a community picked on the map and their printout;
// then the centre search by community, province and locality, printed too.
#include "sections/initial_programmes/qt/tfinipro.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "qt/programa_muestra.h"
#include "ui/lista_iconos.h"

namespace sendaro {
namespace {

class PantallaProgramas : public prueba::ProgramaMuestra {
 protected:
  void SetUp() override {
    ProgramaMuestra::SetUp();
    f = &programa->Navegar().Pantalla<TFIniPro>();
    ASSERT_NE(f, nullptr);
    hall->LabelFPipClick();
    for (int i = 0; i < 10 && hall->TimerPuerta->isActive(); ++i) hall->TimerPuertaTimer();
    for (int i = 0; i < 30 && hall->TimerZoom->isActive(); ++i) hall->TimerZoomTimer();
    ASSERT_EQ(Actual(), f);
  }
  QString T(int n) { return S().Texto(n).trimmed(); }
  // A click on the map on a point of community `codigo`.
  void ClicComunidad(int codigo) {
    const TablaPuntos tabla(S().puntos);
    QPoint p;
    for (int x = 1; x <= TablaPuntos::kColumnas && p.isNull(); ++x) {
      for (int y = 1; y <= TablaPuntos::kFilasComunidades && p.isNull(); ++y) {
        if (RegionEn(tabla, Mapa::kComunidades, x, y) == codigo) p = QPoint(x, y);
      }
    }
    ASSERT_FALSE(p.isNull());
    ASSERT_EQ(RegionEn(tabla, Mapa::kComunidades, p.x(), p.y()), codigo);
    QTest::mouseMove(f->mapa, p);
    f->mapaMouseMove(p.x(), p.y());
    QTest::mouseClick(f->mapa, Qt::LeftButton, {}, p);
  }
  QStringList Columna0(const QTableWidget* t) const {
    QStringList filas;
    for (int r = 0; r < t->rowCount(); ++r)
      filas << (t->item(r, 0) ? t->item(r, 0)->text() : QString());
    return filas;
  }
  TablasProgramas Tablas() {
    const TablasDatos& t = S().tablas;
    return {t.programas,
            t.modulosPrograma,
            t.lineasInforma,
            t.comunidades,
            {&t.centros[0], &t.centrosIniciales, &t.centros[2], &t.centros[3]}};
  }

  TFIniPro* f = nullptr;
};

constexpr int kMadrid = 13;

TEST_F(PantallaProgramas, AyudaAlAbrir) {
  EXPECT_FALSE(f->ListSelFp->isHidden());
  EXPECT_FALSE(f->BotLug->isHidden());
  EXPECT_TRUE(f->TimerAyuda->isActive());
  for (int s = 1; s <= 6; ++s) {
    f->TimerAyudaTimer();
    EXPECT_EQ(f->LabelAyu[static_cast<std::size_t>(s - 1)]->text(), T(568 + s)) << s;
  }
  for (int s = 7; s <= 15; ++s) f->TimerAyudaTimer();
  EXPECT_FALSE(f->TimerAyuda->isActive());
  EXPECT_TRUE(f->TimerAyu->isActive());
  EXPECT_EQ(f->PasoAyuda(), 0);
  for (int i = 0; i < 200; ++i) f->TimerAyuTimer();
  EXPECT_LE(f->LabelAyu0->x(), 80);
  EXPECT_FALSE(f->TimerAyu->isActive());
}

TEST_F(PantallaProgramas, DelAreaAlProgramaSusCentrosYSuInforme) {
  ASSERT_EQ(f->ListSelFp->count(), 9);
  Soltar(f->ListSelFp, 0);
  // The popup opens at the clicked row with the area's programmes under their headings.
  EXPECT_FALSE(f->ListTitFP->isHidden());
  EXPECT_EQ(f->ListTitFP->y(), f->ListSelFp->y());
  const QStringList filas = Filas(f->ListTitFP);
  ASSERT_GE(filas.size(), 4);
  EXPECT_EQ(filas[0], QStringLiteral("Administraci\u00f3n y Gesti\u00f3n"));
  EXPECT_EQ(filas[1], QStringLiteral("\u2022 Auxiliar de oficina"));
  EXPECT_TRUE(filas.contains(QStringLiteral("Comercio y Marketing")));

  // Over a heading nothing is described; over a programme its modules.
  Sobre(f->ListTitFP, 1);
  ASSERT_EQ(f->ListFPExpli->count(), 6);
  EXPECT_EQ(f->ListFPExpli->item(0)->text(), QStringLiteral("    ") + T(501));
  EXPECT_EQ(f->ListFPExpli->item(1)->text().trimmed(),
            QStringLiteral("Operaciones de reprograf\u00eda y archivo"));
  Sobre(f->ListTitFP, 0);
  EXPECT_EQ(f->ListFPExpli->count(), 0);
  Soltar(f->ListTitFP, 0);
  EXPECT_FALSE(f->ListTitFP->isHidden());  // a heading opens nothing

  Soltar(f->ListTitFP, 1);
  EXPECT_EQ(f->ProgramaSel, 2);
  EXPECT_TRUE(f->ListSelFp->isHidden());
  EXPECT_TRUE(f->BotLug->isHidden());
  EXPECT_FALSE(f->mapa->isHidden());
  EXPECT_EQ(f->PanelCarSel->text(), QStringLiteral("Auxiliar de oficina"));
  for (int i = 0; i < 9; ++i) f->TimerParpadeoTimer();
  EXPECT_FALSE(f->TimerParpadeo->isActive());
  EXPECT_EQ(f->PanelCarSel->text(), QStringLiteral("Auxiliar de oficina"));

  prueba::Pulsar(f->BotTra);
  EXPECT_EQ(f->PanelSelTit->text(), T(312));
  ASSERT_EQ(f->Listsel->count(), 12);
  EXPECT_EQ(f->Listsel->item(6)->text(), T(199));
  prueba::Pulsar(f->BotRequisitos);
  EXPECT_EQ(f->PanelSelTit->text(), T(29));
  EXPECT_GT(f->Listsel->count(), 0);

  // Printing before a community is picked only says to pick one.
  prueba::Pulsar(f->BotImprimir);
  EXPECT_EQ(dialogos.avisos, QStringList{T(585)});
  EXPECT_TRUE(Pdfs().isEmpty());

  ClicComunidad(kMadrid);
  EXPECT_TRUE(f->ComunidadElegida);
  EXPECT_EQ(f->PanelSelTit->text(), T(323));
  EXPECT_FALSE(f->reja->isHidden());
  const std::vector<FilaCentroIP> esperadas = CentrosDePrograma(Tablas(), 2, kMadrid);
  ASSERT_FALSE(esperadas.empty());
  ASSERT_EQ(f->reja->rowCount(), static_cast<int>(esperadas.size()));
  EXPECT_TRUE(f->reja->item(0, 0)->text().startsWith(QStringLiteral("- Madrid")));
  EXPECT_EQ(f->reja->item(1, 1)->text(), DeWin(esperadas[1].telefono));

  prueba::Pulsar(f->BotImprimir);
  ASSERT_EQ(Pdfs().size(), 1);
  EXPECT_TRUE(Pdfs()[0].contains(QStringLiteral("Auxiliar de oficina (") + T(229)));
  const QString texto = TextoPdf(Pdfs()[0]);
  EXPECT_TRUE(texto.contains(QStringLiteral("MADRID (COMUNIDAD DE)"))) << texto.toStdString();
  const auto& lineas = f->UltimoInforme().lineas;
  EXPECT_NE(std::find(lineas.begin(), lineas.end(), "***  MADRID (COMUNIDAD DE)  ***"),
            lineas.end());
  EXPECT_TRUE(texto.contains(QStringLiteral("** ") + T(199) + QStringLiteral(" **")));
  EXPECT_TRUE(texto.contains(DeWin(esperadas[1].telefono)));
  // The preview shows the report in the detail list.
  EXPECT_FALSE(f->Listsel->isHidden());
  EXPECT_TRUE(f->reja->isHidden());
  EXPECT_EQ(f->Listsel->item(0)->text(), QStringLiteral("** ") + T(29) + QStringLiteral(" **"));
  EXPECT_TRUE(f->Listsel->item(0)->font().bold());

  // A community where nobody teaches it: a beep and the notice row.
  int ninguna = 0;
  for (int c = 1; c <= 19 && ninguna == 0; ++c) {
    if (CentrosDePrograma(Tablas(), 2, c).empty()) ninguna = c;
  }
  ASSERT_NE(ninguna, 0);
  const int pitidos = dialogos.pitidos;
  ClicComunidad(ninguna);
  EXPECT_EQ(dialogos.pitidos, pitidos + 1);
  EXPECT_EQ(Columna0(f->reja), QStringList{T(292)});

  // Back: to the area list, then out to the hall.
  prueba::Pulsar(f->BotRetrocederFP);
  EXPECT_FALSE(f->ListSelFp->isHidden());
  EXPECT_TRUE(f->mapa->isHidden());
  EXPECT_TRUE(f->BotLug->isHidden());
  EXPECT_EQ(Actual(), f);
  prueba::Pulsar(f->BotRetrocederFP);
  EXPECT_EQ(Actual(), hall);
}

TEST_F(PantallaProgramas, BusquedaDeCentrosPorProvinciaYLocalidad) {
  f->TimerAyudaTimer();
  prueba::Pulsar(f->BotLug);
  EXPECT_TRUE(S().estado.ModoLugares);
  // The help panel closes with the area list and its animation stops.
  EXPECT_TRUE(f->PanelAyuda->isHidden());
  EXPECT_FALSE(f->TimerAyuda->isActive());
  EXPECT_FALSE(f->mapa->isHidden());
  EXPECT_TRUE(f->ListSelFp->isHidden());
  EXPECT_EQ(f->PanelSelTit->text(), T(294));
  // Nothing to print before a locality is chosen.
  prueba::Pulsar(f->BotImprimir);
  EXPECT_TRUE(Pdfs().isEmpty());

  // Madrid has two provinces: the list of provinces, then the localities.
  ClicComunidad(kMadrid);
  EXPECT_TRUE(f->mapa->isHidden());
  ASSERT_EQ(f->ListSelLugFP->count(), 2);
  f->ListSelLugFP->setCurrentRow(0);
  f->ListSelLugFPClick();
  EXPECT_TRUE(S().estado.FaseLocalidades);
  EXPECT_EQ(f->PanelCarSel->text(), QStringLiteral("Madrid"));
  const CentrosProvincia madrid = CentrosDeProvincia(Tablas(), "28");
  ASSERT_GE(madrid.localidades.size(), 3u);
  EXPECT_EQ(f->ListSelLugFP->count(), static_cast<int>(madrid.localidades.size()));

  // A locality: the whole province listed, its first centre at the top.
  f->ListSelLugFP->setCurrentRow(2);
  f->ListSelLugFPClick();
  const ListadoLugarIP listado = ListadoDeProvincia(Tablas(), madrid, 3);
  ASSERT_EQ(f->reja->rowCount(), static_cast<int>(listado.filas.size()));
  EXPECT_GT(listado.primeraFila, 0);
  EXPECT_EQ(f->reja->rowAt(0), listado.primeraFila);
  EXPECT_TRUE(f->reja->item(0, 0)->text().startsWith(u'-'));
  EXPECT_TRUE(f->reja->item(0, 0)->font().bold());
  // Programme rows keep their whole name.
  EXPECT_EQ(f->reja->item(1, 0)->text(), DeWin(listado.filas[1].texto));
  EXPECT_EQ(f->PanelSelTit->text(), T(294));

  prueba::Pulsar(f->BotImprimir);
  ASSERT_EQ(Pdfs().size(), 1);
  EXPECT_EQ(f->UltimoInforme().titulo, AWin(T(289) + QStringLiteral(": Madrid - ") + T(229)));
  const QString texto = TextoPdf(Pdfs()[0]);
  EXPECT_TRUE(texto.contains(DeWin(listado.filas[1].texto))) << texto.toStdString();

  // Back: the provinces again, then the map, then out of the screen.
  prueba::Pulsar(f->BotRetrocederFP);
  EXPECT_FALSE(S().estado.FaseLocalidades);
  EXPECT_EQ(f->ListSelLugFP->count(), 2);
  prueba::Pulsar(f->BotRetrocederFP);
  EXPECT_FALSE(f->mapa->isHidden());
  EXPECT_EQ(Actual(), f);
  prueba::Pulsar(f->BotRetrocederFP);
  EXPECT_EQ(Actual(), hall);
}

TEST_F(PantallaProgramas, ElAreaDeBusquedaAbreLosCentros) {
  // The last area's code begins with "0": it opens the centre search.
  Soltar(f->ListSelFp, 8);
  EXPECT_TRUE(S().estado.ModoLugares);
  EXPECT_FALSE(f->mapa->isHidden());
  EXPECT_TRUE(f->ListTitFP->isHidden());
}

}  // namespace
}  // namespace sendaro
