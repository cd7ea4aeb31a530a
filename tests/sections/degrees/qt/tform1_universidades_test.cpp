// Universities by community, double degrees and other degrees as a person
// uses them: the map, the list beside it, the result panel, printouts, the
// web page, and the back button step by step.
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/pantalla_grados.h"

namespace sendaro {
namespace {

class Universidades : public prueba::PantallaGradosBase {
 protected:
  // Double degrees only at Oviedo (community 3): Medicina + Derecho in six
  // years, Derecho + a degree that does not exist, Medicina + I T
  // Informatica with no years given. Two other degrees with descriptions.
  void Datos() override {
    ins.Escribir(QStringLiteral("dobles"), prueba::Lineas({" 3Universidad de Oviedo", "   6001002",
                                                           "   5002009", "   0001003"}));
    ins.Escribir(QStringLiteral("OTROS"), prueba::Lineas({"Gemologia", "Piloto de aviacion"}));
    std::vector<std::string> bloques = {"#", "Gemologia", "  Dos cursos", "", "", "  oculto"};
    bloques.resize(51);
    bloques.push_back("#");
    bloques.push_back("Piloto");
    bloques.resize(102);
    ins.Escribir(QStringLiteral("asignaot"), prueba::Lineas(bloques));
  }
  void AlMenu() {
    Puerta(&Tform0::LabelCarrerasClick);
    ASSERT_TRUE(Visible(f->Pagina().PanelMenu));
  }
  void Submenu(QWidget* boton) {
    QEvent entrar(QEvent::Enter);
    QCoreApplication::sendEvent(boton, &entrar);
  }
  QString UltimoPdf() const {
    const QStringList l = Pdfs();
    return l.isEmpty() ? QString() : prueba::TextoDePdf(l.last());
  }
};

TEST_F(Universidades, DelMapaALaUniversidadSuFichaSuWebYSuInforme) {
  AlMenu();
  prueba::Pulsar(f->Pagina().menuCarUni3);
  EXPECT_TRUE(Visible(f->Pagina().mapa));
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 31);
  // Community 18 lists community 1's universities.
  ClicMapa(30, 30);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 15);
  EXPECT_FALSE(Visible(f->Pagina().mapa));
  EXPECT_EQ(Lineas(f->Pagina().ListComunidad), (QStringList{QStringLiteral("Universidad de Sevilla"),
                                                   QStringLiteral("Universidad de Granada")}));
  EXPECT_TRUE(f->Pagina().ListaActiva);

  Clic(f->Pagina().ListComunidad, 0);
  EXPECT_EQ(f->Pagina().PanelSelTit->text(), QStringLiteral("Universidad de Sevilla"));
  const QString pad = QString(45, QLatin1Char(' '));
  EXPECT_EQ(Lineas(f->Pagina().ListSel),
            (QStringList{QStringLiteral("Medicina (L)") + pad.left(33) + QStringLiteral(" 5,7"),
                         QStringLiteral("Derecho (L)") + pad.left(34) + QStringLiteral(" 5,0")}));
  EXPECT_TRUE(Visible(f->Universidades().BotIntUni));
  EXPECT_TRUE(Visible(f->Pagina().BotImprimir));
  EXPECT_FALSE(f->Pagina().ListaActiva);

  prueba::Pulsar(f->Universidades().BotIntUni);
  EXPECT_EQ(dialogos.webs, QStringList{QStringLiteral("https://www.example.es")});

  prueba::Pulsar(f->Pagina().BotImprimir);
  const QString informe = UltimoPdf();
  EXPECT_TRUE(informe.contains(QStringLiteral("T289: Universidad de Sevilla")))
      << informe.toStdString();
  EXPECT_TRUE(informe.contains(QStringLiteral("Derecho (L)"))) << informe.toStdString();

  // A row opens its degree's card.
  f->Pagina().ListSel->setCurrentRow(1);
  QTest::keyClick(f->Pagina().ListSel, Qt::Key_Return);
  EXPECT_TRUE(Visible(f->Ficha().PanelCar));
  EXPECT_EQ(f->Ficha().CarreraSel, 2);
  EXPECT_FALSE(Visible(f->Pagina().ListComunidad));
  prueba::Pulsar(f->Ficha().MenuCar[7]);
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu));
}

TEST_F(Universidades, AtrasDeLaListaAlMapaYDelMapaAlMenu) {
  AlMenu();
  prueba::Pulsar(f->Pagina().menuCarUni3);
  ClicMapa(70, 30);
  EXPECT_EQ(Lineas(f->Pagina().ListComunidad), QStringList{QStringLiteral("Universidad de Oviedo")});
  Clic(f->Pagina().ListComunidad, 0);
  prueba::Pulsar(f->Pagina().BotRetroceder);
  EXPECT_TRUE(Visible(f->Pagina().mapa));
  EXPECT_FALSE(Visible(f->Pagina().ListComunidad));
  EXPECT_FALSE(Visible(f->Pagina().BotImprimir));
  prueba::Pulsar(f->Pagina().BotRetroceder);
  EXPECT_FALSE(Visible(f->Pagina().mapa));
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu));
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 1);
}

TEST_F(Universidades, DoblesPorCarreraConCabecerasRojasEImpresionTrasElegirFila) {
  AlMenu();
  Submenu(f->Pagina().menui2);
  prueba::Pulsar(f->Pagina().MenuCarUniDoble);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 14);
  // Degree 9 does not exist: its pair is left out.
  EXPECT_EQ(Lineas(f->Pagina().ListComunidad),
            (QStringList{QStringLiteral("Medicina (L)"), QStringLiteral("Derecho (L)"),
                         QStringLiteral("I T Informatica")}));
  EXPECT_FALSE(Visible(f->Pagina().BotImprimir));
  prueba::Pulsar(f->Pagina().BotImprimir);
  EXPECT_TRUE(Pdfs().isEmpty());

  Clic(f->Pagina().ListComunidad, 0);
  EXPECT_TRUE(Visible(f->Universidades().listSel2));
  EXPECT_FALSE(Visible(f->Pagina().ListSel));
  EXPECT_EQ(f->Universidades().LabelSeleccion->text(), QStringLiteral("T241 T443"));
  const QString texto = f->Universidades().listSel2->toPlainText();
  EXPECT_TRUE(texto.contains(QStringLiteral("        Universidad de Oviedo")));
  EXPECT_TRUE(texto.contains(QStringLiteral(" 6 | Medicina (L)        ...+ Derecho (L)")));
  EXPECT_TRUE(texto.contains(QStringLiteral(" - | Medicina (L)        ...+ I T Informatica")));
  EXPECT_TRUE(f->Universidades().listSel2->toHtml().contains(QStringLiteral("#ff0000")));
  ASSERT_TRUE(Visible(f->Pagina().BotImprimir));
  prueba::Pulsar(f->Pagina().BotImprimir);
  EXPECT_TRUE(UltimoPdf().contains(QStringLiteral("T325: Medicina (L)")));

  prueba::Pulsar(f->Pagina().BotRetroceder);
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu));
  EXPECT_FALSE(f->Universidades().ModoDobles);
  EXPECT_FALSE(Visible(f->Universidades().listSel2));
  EXPECT_FALSE(Visible(f->Pagina().ListComunidad));
}

TEST_F(Universidades, DoblesPorUniversidadYUnaComunidadSinEllas) {
  AlMenu();
  Submenu(f->Pagina().menui2);
  prueba::Pulsar(f->Pagina().MenuCarUniDoble2);
  EXPECT_TRUE(Visible(f->Pagina().mapa));
  ClicMapa(70, 30);
  EXPECT_EQ(Lineas(f->Pagina().ListComunidad), QStringList{QStringLiteral("Universidad de Oviedo")});
  Clic(f->Pagina().ListComunidad, 0);
  EXPECT_EQ(f->Pagina().PanelSelTit->text(), QStringLiteral("T242"));
  EXPECT_EQ(Lineas(f->Pagina().ListSel),
            (QStringList{QStringLiteral("Medicina (L)"), QStringLiteral("Derecho (L)"),
                         QStringLiteral("T241  6"), QStringLiteral("     -----"),
                         QStringLiteral("Medicina (L)"), QStringLiteral("I T Informatica"),
                         QStringLiteral("T241  -"), QStringLiteral("     -----")}));
  prueba::Pulsar(f->Pagina().BotImprimir);
  EXPECT_TRUE(UltimoPdf().contains(QStringLiteral("T289: Universidad de Oviedo")));

  // Back to the map; community 1 has none: a notice, and nothing of Oviedo.
  prueba::Pulsar(f->Pagina().BotRetroceder);
  EXPECT_TRUE(Visible(f->Pagina().mapa));
  ClicMapa(30, 30);
  EXPECT_EQ(Lineas(f->Pagina().ListSel), QStringList{QStringLiteral("T292")});
  EXPECT_EQ(f->Pagina().ListComunidad->count(), 0);
  EXPECT_FALSE(f->Pagina().ListaActiva);
  // Nothing to print: no print button, and the last university's printout is not made again.
  EXPECT_FALSE(Visible(f->Pagina().BotImprimir));
  const int impresos = Pdfs().size();
  prueba::Pulsar(f->Pagina().BotImprimir);
  EXPECT_EQ(Pdfs().size(), impresos);
}

TEST_F(Universidades, OtrasCarrerasConSuDescripcionEInforme) {
  AlMenu();
  prueba::Pulsar(f->Pagina().menui6);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 23);
  EXPECT_EQ(Lineas(f->Pagina().ListComunidad),
            (QStringList{QStringLiteral("Gemologia"), QStringLiteral("Piloto de aviacion")}));
  Clic(f->Pagina().ListComunidad, 0);
  EXPECT_EQ(f->Pagina().PanelSelTit->text(), QStringLiteral("T312"));
  EXPECT_EQ(Lineas(f->Pagina().ListSel),
            (QStringList{QStringLiteral("Gemologia"), QStringLiteral("  Dos cursos")}));
  prueba::Pulsar(f->Pagina().BotImprimir);
  const QString informe = UltimoPdf();
  EXPECT_TRUE(informe.contains(QStringLiteral("T290: Gemologia"))) << informe.toStdString();
  EXPECT_TRUE(informe.contains(QStringLiteral("Dos cursos")));
  prueba::Pulsar(f->Pagina().BotRetroceder);
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu));
  EXPECT_FALSE(f->Universidades().ModoOtras);
  EXPECT_FALSE(Visible(f->Pagina().ListComunidad));
}

}  // namespace
}  // namespace sendaro
