// The certificates screen on the sample installation, driven as a person
// would: from the hall's stop-studying sign through a family, an area under
// the pointer and a certificate, to the area's printout and back.
#include "sections/certificates/qt/tcertifica.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "qt/programa_muestra.h"
#include "ui/lista_iconos.h"

namespace sendaro {
namespace {

class PantallaCertificados : public prueba::ProgramaMuestra {
 protected:
  void SetUp() override {
    ProgramaMuestra::SetUp();
    c = &programa->Navegar().Pantalla<TCertifica>();
    ASSERT_NE(c, nullptr);
    hall->LabelDejarClick();
    ASSERT_EQ(Actual(), c);
  }
  QString T(int n) { return S().Texto(n).trimmed(); }

  TCertifica* c = nullptr;
};

TEST_F(PantallaCertificados, AyudaYTitulosQueSeDeslizan) {
  EXPECT_EQ(c->windowTitle(), T(338) + QStringLiteral("  IES Valle del Jiloca"));
  EXPECT_TRUE(c->TimerAyuda->isActive());
  for (int i = 0; i < 15; ++i) c->TimerAyudaTimer();
  EXPECT_FALSE(c->TimerAyuda->isActive());
  EXPECT_TRUE(c->TimerAyu->isActive());
  EXPECT_EQ(c->LabelAyu[0]->text(), T(562));
  EXPECT_EQ(c->LabelAyu[6]->text(), T(568));
  EXPECT_FALSE(c->PanelAyuda->isHidden());
  // The families' title slides in from the panel's right edge to 30 px.
  EXPECT_EQ(c->LabelTit1->x(), c->PanelSelTit0->width());
  for (int i = 0; i < 200; ++i) c->TimerAyuTimer();
  EXPECT_LE(c->LabelTit1->x(), 30);
  EXPECT_GT(c->LabelTit1->x(), 26);
}

TEST_F(PantallaCertificados, DeLaFamiliaAlCertificadoYSuAreaImpresa) {
  ASSERT_EQ(c->ListSelFp->count(), 9);
  EXPECT_EQ(c->ListSelFp->item(0)->text(),
            QStringLiteral("Administraci\u00f3n, comercio e inform\u00e1tica"));
  EXPECT_FALSE(c->ListSelFp->item(0)->data(Qt::DecorationRole).value<QPixmap>().isNull());
  EXPECT_TRUE(c->BotImprimir->isHidden());

  Soltar(c->ListSelFp, 0);
  EXPECT_TRUE(c->ListSelFp->isHidden());
  EXPECT_FALSE(c->ListTitFP->isHidden());
  EXPECT_FALSE(c->PanelSelTit1->isHidden());
  EXPECT_EQ(Filas(c->ListTitFP),
            (QStringList{QStringLiteral("- Administraci\u00f3n y Gesti\u00f3n"),
                         QStringLiteral("- Comercio y Marketing"),
                         QStringLiteral("- Inform\u00e1tica y Comunicaciones")}));

  // The certificates follow the area under the pointer, beside its row.
  Sobre(c->ListTitFP, 1);
  EXPECT_FALSE(c->ListFPExpli->isHidden());
  const QStringList comercio = Filas(c->ListFPExpli);
  ASSERT_EQ(comercio.size(), 5);
  EXPECT_EQ(comercio[0], QStringLiteral("Actividades auxiliares de comercio"));
  EXPECT_EQ(c->ListFPExpli->y(), c->ListTitFP->y() + c->ListTitFP->AltoFila());
  EXPECT_EQ(c->PanelSelTit2->y(), c->ListFPExpli->y() - c->PanelSelTit2->height() + 1);
  Sobre(c->ListTitFP, 0);
  EXPECT_EQ(Filas(c->ListFPExpli).size(), 5);
  EXPECT_NE(Filas(c->ListFPExpli), comercio);

  // A release freezes the list on its row; a second one lets it follow again.
  Soltar(c->ListTitFP, 1);
  EXPECT_FALSE(c->BotImprimir->isHidden());
  EXPECT_FALSE(c->BotInternet->isHidden());
  Sobre(c->ListTitFP, 2);
  EXPECT_EQ(Filas(c->ListFPExpli), comercio);

  Soltar(c->ListFPExpli, 0);
  EXPECT_FALSE(c->PanelResul->isHidden());
  EXPECT_EQ(c->LabelTitulo->text(), comercio[0]);
  EXPECT_EQ(c->LabelRequisitos->text(), QStringLiteral("Sin requisitos acad\u00e9micos"));
  EXPECT_EQ(c->LabelHoras->text(), QStringLiteral("270"));
  EXPECT_TRUE(c->LabelDes->text().startsWith(QStringLiteral("Reposici\u00f3n, preparaci\u00f3n")));

  // The area's printout: every certificate listed, whichever is selected.
  prueba::Pulsar(c->BotImprimir);
  const QStringList pdfs = Pdfs();
  ASSERT_EQ(pdfs.size(), 1);
  EXPECT_TRUE(pdfs[0].contains(T(580)));
  const QString texto = TextoPdf(pdfs[0]);
  EXPECT_TRUE(texto.contains(QStringLiteral("Comercio y Marketing")));
  for (const QString& certificado : comercio) {
    EXPECT_TRUE(texto.contains(certificado)) << certificado.toStdString();
  }
  EXPECT_TRUE(texto.contains(T(582) + QStringLiteral(": 270")));
  EXPECT_EQ(c->UltimoInforme().negritas.front(), 2);

  // Back: to the families, then to the hall.
  prueba::Pulsar(c->BotRetrocederFP);
  EXPECT_FALSE(c->ListSelFp->isHidden());
  EXPECT_TRUE(c->ListTitFP->isHidden());
  EXPECT_TRUE(c->ListFPExpli->isHidden());
  EXPECT_TRUE(c->BotImprimir->isHidden());
  EXPECT_EQ(Actual(), c);
  prueba::Pulsar(c->BotRetrocederFP);
  EXPECT_EQ(Actual(), hall);
  EXPECT_TRUE(c->PanelResul->isHidden());
}

TEST_F(PantallaCertificados, InternetAbreLaDireccionODiceQueNoPudo) {
  Soltar(c->ListSelFp, 0);
  Soltar(c->ListTitFP, 0);
  QList<QUrl> abiertas;
  bool puede = true;
  c->AbrirDireccion = [&](const QUrl& url) {
    abiertas << url;
    return puede;
  };
  prueba::Pulsar(c->BotInternet);
  EXPECT_EQ(abiertas, QList<QUrl>{TCertifica::kDireccionEmpleo});
  EXPECT_TRUE(dialogos.avisos.isEmpty());
  EXPECT_EQ(c->BotInternet->text(), T(673));
  puede = false;
  prueba::Pulsar(c->BotInternet);
  ASSERT_EQ(dialogos.avisos.size(), 1);
  EXPECT_TRUE(dialogos.avisos[0].contains(TCertifica::kDireccionEmpleo.host()));
}

}  // namespace
}  // namespace sendaro
