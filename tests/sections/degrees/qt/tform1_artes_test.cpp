// The arts fields as a person uses them: titles, specialities, places by
// speciality and on the map, web addresses opened by double click (and only
// those), the printout, and a field whose file is missing.
#include <QLabel>
#include <QPushButton>

#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/pantalla_grados.h"

namespace sendaro {
namespace {

class Artes : public prueba::PantallaGradosBase {
 protected:
  void Datos() override {
    using prueba::Lineas;
    std::vector<std::string> plastica = {"Tecnico de Artes Plasticas", "f1"};
    for (int k = 0; k < 17; ++k) plastica.push_back("  Especialidad " + std::to_string(k));
    plastica.push_back("");
    plastica.push_back(" 1Esc. de Arte Almeria  950000411       0312");
    plastica.push_back(" 3Esc. de Arte Oviedo   985000431       03");
    ins.Escribir(QStringLiteral("artesplas"), Lineas(plastica));
    ins.Escribir(QStringLiteral("musica"),
                 Lineas({"Titulo Superior de Musica", "f1", "Composicion", "f2", " 3Asturias",
                         "  CSM de Oviedo  http://www.educastur.es"}));
    ins.Escribir(QStringLiteral("danza"), Lineas({"Danza", "f1", "Coreografia", "f2", "- Madrid",
                                                  "http://www.comunidad.madrid"}));
    ins.Escribir(QStringLiteral("dramatico"),
                 Lineas({"Arte Dramatico", "f1", "Interpretacion", "Escenografia", "f2", "",
                         " Especialidades:", " Textual", " Gestual", " Musical", " Objetos",
                         " Direccion", " Dramaturgia", " Escenografia",
                         "-ESAD de Asturias        985000631      17", "http://www.educastur.es"}));
  }
  void Campo(QPushButton* boton) {
    QEvent entrar(QEvent::Enter);
    QCoreApplication::sendEvent(f->Pagina().Menui4, &entrar);
    prueba::Pulsar(boton);
  }
  void Intro(int fila) {
    f->Pagina().ListSel->setCurrentRow(fila);
    QTest::keyClick(f->Pagina().ListSel, Qt::Key_Return);
  }
};

TEST_F(Artes, PlasticaPorEspecialidadPorComunidadEImpresion) {
  Puerta(&Tform0::LabelCarrerasClick);
  Campo(f->Pagina().BotArtesPlas);
  EXPECT_TRUE(f->Artes().ModoArtes);
  EXPECT_EQ(f->Pagina().PanelCarSel->text(), QStringLiteral("T529"));
  EXPECT_EQ(Lineas(f->Pagina().ListSel), QStringList{QStringLiteral("Tecnico de Artes Plasticas")});
  for (QWidget* w : std::initializer_list<QWidget*>{f->Artes().BotArtesTit, f->Artes().BotArtesEsp, f->Artes().BotArtesLug,
                                                    f->Nuevas().BotImprimirN, f->Pagina().BotRetroceder})
    EXPECT_TRUE(Visible(w)) << w->objectName().toStdString();

  prueba::Pulsar(f->Artes().BotArtesEsp);
  ASSERT_EQ(f->Pagina().ListComunidad->count(), 17);
  EXPECT_EQ(f->Pagina().ListComunidad->item(3)->text(), QStringLiteral("Especialidad 3"));
  Clic(f->Pagina().ListComunidad, 3);
  EXPECT_EQ(f->Pagina().PanelSelTit->text(), QStringLiteral("Especialidad 3"));
  EXPECT_EQ(Lineas(f->Pagina().ListSel),
            (QStringList{QStringLiteral("- Andalucia"),
                         QStringLiteral("   Esc. de Arte Almeria  -  Tel. 950000411"),
                         QStringLiteral("- Asturias"),
                         QStringLiteral("   Esc. de Arte Oviedo  -  Tel. 985000431")}));
  // No row of the arts opens a degree card.
  Intro(1);
  EXPECT_FALSE(Visible(f->Ficha().PanelCar));

  prueba::Pulsar(f->Artes().BotArtesLug);
  EXPECT_TRUE(Visible(f->Pagina().mapa));
  EXPECT_FALSE(Visible(f->Pagina().ListComunidad));
  ClicMapa(30, 30);
  EXPECT_EQ(f->Pagina().PanelSelTit->text(), QStringLiteral("Andalucia"));
  EXPECT_EQ(Lineas(f->Pagina().ListSel),
            (QStringList{QStringLiteral("-   Esc. de Arte Almeria  -  Tel. 950000411"),
                         QStringLiteral("Especialidad 3"), QStringLiteral("Especialidad 12")}));

  prueba::Pulsar(f->Nuevas().BotImprimirN);
  ASSERT_EQ(Pdfs().size(), 1);
  const QString informe = prueba::TextoDePdf(Pdfs().first());
  EXPECT_TRUE(informe.contains(QStringLiteral("T529"))) << informe.toStdString();
  EXPECT_TRUE(informe.contains(QStringLiteral("Esc. de Arte Oviedo"))) << informe.toStdString();
  EXPECT_EQ(Lineas(f->Pagina().ListSel).first(), QStringLiteral("T529"));

  prueba::Pulsar(f->Pagina().BotRetroceder);
  EXPECT_FALSE(f->Artes().ModoArtes);
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu));
  EXPECT_FALSE(Visible(f->Pagina().mapa));
  EXPECT_FALSE(Visible(f->Nuevas().BotImprimirN));
  EXPECT_FALSE(Visible(f->Artes().BotArtesLug));
}

TEST_F(Artes, MusicaDanzaYDramaConSusDirecciones) {
  Puerta(&Tform0::LabelCarrerasClick);
  Campo(f->Pagina().BotMusica);
  EXPECT_EQ(f->Pagina().PanelCarSel->text(), QStringLiteral("T530"));
  prueba::Pulsar(f->Artes().BotArtesEsp);
  EXPECT_EQ(Lineas(f->Pagina().ListSel), QStringList{QStringLiteral("Composicion")});
  prueba::Pulsar(f->Artes().BotArtesLug);
  EXPECT_EQ(Lineas(f->Pagina().ListSel),
            (QStringList{QStringLiteral("- Asturias"), QStringLiteral("  CSM de Oviedo"),
                         QStringLiteral("http://www.educastur.es")}));
  EXPECT_TRUE(f->Pagina().ListaActiva);
  Intro(0);
  EXPECT_TRUE(dialogos.webs.isEmpty());
  EXPECT_FALSE(Visible(f->Ficha().PanelCar));
  Intro(2);
  EXPECT_EQ(dialogos.webs, QStringList{QStringLiteral("http://www.educastur.es")});
  prueba::Pulsar(f->Pagina().BotRetroceder);
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu));

  Campo(f->Pagina().BotDanza);
  prueba::Pulsar(f->Artes().BotArtesLug);
  EXPECT_EQ(Lineas(f->Pagina().ListSel), (QStringList{QStringLiteral("- Madrid"),
                                             QStringLiteral("http://www.comunidad.madrid")}));
  prueba::Pulsar(f->Pagina().BotRetroceder);

  Campo(f->Pagina().BotDramatico);
  prueba::Pulsar(f->Artes().BotArtesEsp);
  EXPECT_EQ(Lineas(f->Pagina().ListSel),
            (QStringList{QStringLiteral("Interpretacion"), QStringLiteral("Escenografia")}));
  prueba::Pulsar(f->Artes().BotArtesLug);
  EXPECT_EQ(Lineas(f->Pagina().ListSel),
            (QStringList{QStringLiteral("-ESAD de Asturias        Especialidades:"),
                         QStringLiteral("   Textual"), QStringLiteral("   Escenografia"),
                         QStringLiteral("Tel. 985000631"),
                         QStringLiteral("http://www.educastur.es"), QString()}));
  prueba::Pulsar(f->Nuevas().BotImprimirN);
  const QString informe = prueba::TextoDePdf(Pdfs().last());
  EXPECT_TRUE(informe.contains(QStringLiteral("ESAD de Asturias"))) << informe.toStdString();
}

TEST_F(Artes, UnFicheroQueFaltaSeDiceYDejaLaListaVacia) {
  ins.Borrar(QStringLiteral("danza"));
  Puerta(&Tform0::LabelCarrerasClick);
  Campo(f->Pagina().BotDanza);
  ASSERT_EQ(dialogos.avisos.size(), 1);
  EXPECT_TRUE(dialogos.avisos[0].contains(QStringLiteral("danza")))
      << dialogos.avisos[0].toStdString();
  EXPECT_EQ(f->Pagina().ListSel->count(), 0);
  EXPECT_FALSE(programa->Comunes().estado.FalloGrave());
  prueba::Pulsar(f->Artes().BotArtesLug);
  EXPECT_EQ(f->Pagina().ListSel->count(), 0);
  prueba::Pulsar(f->Pagina().BotRetroceder);
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu));
}

}  // namespace
}  // namespace sendaro
