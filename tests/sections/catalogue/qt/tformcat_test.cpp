// The titles catalogue on the sample installation, driven as a person
// would: from the hall's door to a family's five lists, the detail of a study
// of each list, the arts family, and the printout in both layouts.
#include "sections/catalogue/qt/tformcat.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "qt/programa_muestra.h"
#include "ui/tform4.h"

namespace sendaro {
namespace {

class PantallaCatalogo : public prueba::ProgramaMuestra {
 protected:
  void SetUp() override {
    ProgramaMuestra::SetUp();
    c = &programa->Navegar().Pantalla<TFormCat>();
    ASSERT_NE(c, nullptr);
    hall->LabelCatClick();
    for (int i = 0; i < 10 && hall->TimerPuerta->isActive(); ++i) hall->TimerPuertaTimer();
    for (int i = 0; i < 30 && hall->TimerZoom->isActive(); ++i) hall->TimerZoomTimer();
    ASSERT_EQ(Actual(), c);
  }
  QString T(int n) { return S().Texto(n).trimmed(); }
  static void Clic(QListWidget* l, int fila) {
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, CentroFila(l, fila));
  }
  int Familia(char codigo) {
    const TablaLinea& f = S().tablas.familias;
    for (int n = 1; n <= f.Cuenta(); ++n) {
      if (!f[n].empty() && f[n][0] == codigo) return n - 1;
    }
    return -1;
  }
  // Prints with the radio button given.
  void Imprimir(const char* radio) {
    dialogos.ResponderConBoton(QStringLiteral("botImprimir"), [radio](QDialog& d) {
      d.findChild<QRadioButton*>(QLatin1String(radio))->setChecked(true);
    });
    prueba::Pulsar(c->BotImprimir);
  }

  TFormCat* c = nullptr;
};

TEST_F(PantallaCatalogo, DeLaFamiliaACadaListaYSuDetalle) {
  EXPECT_EQ(c->LabelAyu0->x(), 300);
  for (int i = 0; i < 50; ++i) c->TimerAyuTimer();
  EXPECT_EQ(c->LabelAyu0->x(), 100);
  EXPECT_FALSE(c->BotImprimir->isEnabled());
  EXPECT_EQ(c->BotRetroceder->text(), T(674));

  const int fila = Familia('2');
  ASSERT_GE(fila, 0);
  Clic(c->ListFam, fila);
  EXPECT_TRUE(c->BotImprimir->isEnabled());
  for (std::size_t k = 0; k < c->ListCat.size(); ++k) {
    SCOPED_TRACE(k + 1);
    QListWidget* l = c->ListCat[k];
    ASSERT_GT(l->count(), 0);
    EXPECT_EQ(l->count(), static_cast<int>(c->Listas[k].filas.size()));
    Clic(l, 0);
    EXPECT_FALSE(c->ListSel->isHidden());
    EXPECT_FALSE(c->botcerrar->isHidden());
    // Below the top row's lists, just above the bottom row's.
    if (k < 3) {
      EXPECT_EQ(c->ListSel->y(), l->y() + l->height());
    } else {
      EXPECT_EQ(c->ListSel->y() + c->ListSel->height(), l->y() - 2);
    }
    EXPECT_EQ(c->botcerrar->y() + c->botcerrar->height(), c->ListSel->y() + c->ListSel->height());
    EXPECT_FALSE(c->ListSel->toPlainText().trimmed().isEmpty());
    prueba::Pulsar(c->botcerrar);
    EXPECT_TRUE(c->ListSel->isHidden());
  }
  Clic(c->ListCat[3], 0);
  EXPECT_TRUE(c->ListSel->toPlainText().startsWith(T(67)));

  // The arts family: one fixed row in each of the two vocational lists,
  // without descriptions.
  Clic(c->ListFam, Familia('5'));
  EXPECT_TRUE(c->ListSel->isHidden());
  ASSERT_EQ(c->ListCat[1]->count(), 1);
  EXPECT_EQ(c->ListCat[1]->item(0)->text(), T(176));
  ASSERT_EQ(c->ListCat[2]->count(), 1);
  EXPECT_EQ(c->ListCat[2]->item(0)->text(), T(177));
  Clic(c->ListCat[1], 0);
  EXPECT_TRUE(c->ListSel->toPlainText().startsWith(T(277)));
  EXPECT_FALSE(c->ListSel->toPlainText().contains(T(271)));

  prueba::Pulsar(c->BotRetroceder);
  EXPECT_EQ(Actual(), hall);
}

TEST_F(PantallaCatalogo, ImpresionEnSusDosFormas) {
  // Titles only: the portrait list.
  Clic(c->ListFam, Familia('2'));
  Imprimir("Radio1");
  ASSERT_EQ(Pdfs().size(), 1);
  const QString titulo = T(103) + QStringLiteral(": ") + c->ListFam->item(Familia('2'))->text();
  EXPECT_EQ(DeWin(c->UltimoInforme().titulo), titulo);
  QString texto = TextoPdf(Pdfs()[0]);
  EXPECT_TRUE(texto.contains(c->Label[0]->text()));
  EXPECT_TRUE(texto.contains(c->ListCat[0]->item(0)->text()));
  EXPECT_TRUE(TamanoPaginaPdf(Pdfs()[0]).startsWith(QStringLiteral("595")));

  // A no prints nothing; the radio button chosen stays for the next time.
  dialogos.ResponderConTecla(Qt::Key_Escape);
  prueba::Pulsar(c->BotImprimir);
  EXPECT_EQ(Pdfs().size(), 1);

  // With requirements and descriptions: up to 74 lines on a portrait page,
  // longer reports in landscape columns.
  int corta = -1;
  int larga = -1;
  for (int f = 0; f < c->ListFam->count(); ++f) {
    Clic(c->ListFam, f);
    Imprimir("Radio2");
    const int n = static_cast<int>(c->UltimoInforme().lineas.size());
    if (n > 0 && n <= 74 && corta < 0) corta = f;
    if (n > 74 && larga < 0) larga = f;
    if (corta >= 0 && larga >= 0) break;
  }
  ASSERT_GE(corta, 0);
  ASSERT_GE(larga, 0);
  Clic(c->ListFam, corta);
  Imprimir("Radio2");
  EXPECT_TRUE(TamanoPaginaPdf(Pdfs().last()).startsWith(QStringLiteral("595")));
  texto = TextoPdf(Pdfs().last());
  EXPECT_TRUE(texto.contains(c->Label[0]->text().toUpper()) ||
              texto.contains(c->Label[1]->text().toUpper()) ||
              texto.contains(c->Label[3]->text().toUpper()));
  Clic(c->ListFam, larga);
  Imprimir("Radio2");
  EXPECT_TRUE(TamanoPaginaPdf(Pdfs().last()).startsWith(QStringLiteral("842")))
      << TamanoPaginaPdf(Pdfs().last()).toStdString() << " " << Pdfs().last().toStdString();
  EXPECT_GT(c->UltimoInforme().lineas.size(), 74u);
  EXPECT_TRUE(S().Dialogo()->Radio2->isChecked());
}

}  // namespace
}  // namespace sendaro
