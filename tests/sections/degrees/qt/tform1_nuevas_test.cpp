// The new degrees as a person uses them: the list and its categories, a
// degree's views and printout, the universities of a community, and the
// diagram walked step by step.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/pantalla_grados.h"
#include "sections/degrees/registros_prueba.h"

namespace sendaro {
namespace {

class Nuevas : public prueba::PantallaGradosBase {
 protected:
  // New degrees 1 Historia (category 1), 2 Enfermeria and 3 Odontologia (3),
  // 4 Ingenieria Civil (5); only Oviedo (community 3) teaches them.
  void Datos() override {
    using prueba::Lineas;
    ins.Escribir(QStringLiteral("carreran"),
                 Lineas({"1Historia", "3Enfermeria", "3Odontologia", "5Ingenieria Civil"}));
    std::vector<std::string> bloques;
    for (const char* d : {"Historia", "Enfermeria", "Odontologia", "Ingenieria"}) {
      std::vector<std::string> b = {"#", std::string("Grado en ") + d, "  cuatro cursos"};
      b.resize(15);
      bloques.insert(bloques.end(), b.begin(), b.end());
    }
    ins.Escribir(QStringLiteral("asignacarn"), Lineas(bloques));
    std::vector<std::string> salidas;
    for (int s = 1; s <= 16; ++s) salidas.push_back("Salida " + std::to_string(s));
    ins.Escribir(QStringLiteral("SALIDAS"), Lineas(salidas));
    std::string car = prueba::RegistrosVacios(registros::kDatcarn);
    const auto& d = registros::kDatcarn;
    prueba::PonerLista(car, d, registros::kRegistroUniversidades, 2, 0, {3});
    prueba::PonerLista(car, d, registros::kRegistroNotas, 2, 0, {10});
    prueba::PonerLista(car, d, registros::kRegistroUniversidades, 3, 0, {3});
    prueba::PonerLista(car, d, registros::kRegistroNotas, 3, 0, {91});
    prueba::PonerLista(car, d, registros::kRegistroRequisitos, 2, 0, {19, 15});
    prueba::PonerLista(car, d, registros::kRegistroSalidas, 2, 0, {3, 16});
    ins.Escribir(QStringLiteral("datcarn"), QByteArray::fromStdString(car));
  }
  void Submenu(QWidget* boton) {
    QEvent entrar(QEvent::Enter);
    QCoreApplication::sendEvent(boton, &entrar);
  }
  void Categoria(int item) {
    f->Nuevas().ComboNuevas->setCurrentIndex(item);
    emit f->Nuevas().ComboNuevas->activated(item);
  }
};

TEST_F(Nuevas, ListaPorCategoriasVistasEInformeDeUnGrado) {
  Puerta(&Tform0::LabelCarrerasClick);
  Submenu(f->Pagina().Menui3);
  prueba::Pulsar(f->Pagina().menunuevo1);
  EXPECT_TRUE(f->Nuevas().ModoGrados);
  EXPECT_TRUE(Visible(f->Nuevas().ComboNuevas));
  EXPECT_EQ(f->Nuevas().ComboNuevas->placeholderText(), QStringLiteral("T40 - T523"));
  EXPECT_EQ(f->Nuevas().ComboNuevas->itemText(3), QStringLiteral("T517"));
  EXPECT_EQ(Lineas(f->Pagina().ListComunidad),
            (QStringList{QStringLiteral("Historia"), QStringLiteral("Enfermeria"),
                         QStringLiteral("Odontologia"), QStringLiteral("Ingenieria Civil")}));
  Categoria(3);
  EXPECT_EQ(Lineas(f->Pagina().ListComunidad),
            (QStringList{QStringLiteral("Enfermeria"), QStringLiteral("Odontologia")}));

  Clic(f->Pagina().ListComunidad, 0);
  EXPECT_EQ(f->Nuevas().CarreraSel, 2);
  EXPECT_EQ(f->Pagina().PanelSelTit->text(), QStringLiteral("Enfermeria"));
  for (QWidget* w :
       std::initializer_list<QWidget*>{f->Nuevas().BotUni, f->Nuevas().BotReq, f->Nuevas().BotSal, f->Nuevas().BotImprimirN})
    EXPECT_TRUE(Visible(w)) << w->objectName().toStdString();
  const QStringList universidades = Lineas(f->Pagina().ListSel);
  ASSERT_GE(universidades.size(), 6);
  EXPECT_EQ(universidades[0], QString(17, QLatin1Char(' ')) + QStringLiteral("T593"));
  EXPECT_EQ(universidades[2], QStringLiteral("Universidad de Oviedo") +
                                  QString(14, QLatin1Char(' ')) + QStringLiteral("  -"));
  EXPECT_EQ(universidades[4], QStringLiteral("-     T312"));
  EXPECT_EQ(universidades[5], QStringLiteral("\u2022 Grado en Enfermeria"));
  prueba::Pulsar(f->Nuevas().BotReq);
  EXPECT_EQ(Lineas(f->Pagina().ListSel), (QStringList{QStringLiteral("     T277"), QString(),
                                             QStringLiteral("Bachillerato de Ciencias"),
                                             QStringLiteral("Cualquier modalidad")}));
  prueba::Pulsar(f->Nuevas().BotSal);
  EXPECT_EQ(Lineas(f->Pagina().ListSel), (QStringList{QStringLiteral("     T278"), QString(),
                                             QStringLiteral("\u2022  Salida 16")}));

  prueba::Pulsar(f->Nuevas().BotImprimirN);
  EXPECT_EQ(Lineas(f->Pagina().ListSel).first(), QStringLiteral("T522:  Enfermeria"));
  ASSERT_EQ(Pdfs().size(), 1);
  const QString informe = prueba::TextoDePdf(Pdfs().first());
  EXPECT_TRUE(informe.contains(QRegularExpression(QStringLiteral("T522:\\s+Enfermeria"))))
      << informe.toStdString();
  EXPECT_TRUE(informe.contains(QStringLiteral("Salida 16")));

  // Another category: no degree is chosen, so its buttons go.
  Categoria(1);
  EXPECT_EQ(Lineas(f->Pagina().ListComunidad), QStringList{QStringLiteral("Historia")});
  EXPECT_FALSE(Visible(f->Nuevas().BotUni));
  EXPECT_FALSE(Visible(f->Nuevas().BotImprimirN));

  prueba::Pulsar(f->Pagina().BotRetroceder);
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu));
  EXPECT_FALSE(f->Nuevas().ModoGrados);
  EXPECT_FALSE(Visible(f->Nuevas().ComboNuevas));
  EXPECT_FALSE(Visible(f->Pagina().ListComunidad));
}

TEST_F(Nuevas, UniversidadesDeUnaComunidadYUnaSinGrados) {
  Puerta(&Tform0::LabelCarrerasClick);
  Submenu(f->Pagina().Menui3);
  prueba::Pulsar(f->Pagina().menunuevo2);
  EXPECT_TRUE(Visible(f->Pagina().mapa));
  ClicMapa(70, 30);
  EXPECT_EQ(Lineas(f->Pagina().ListComunidad), QStringList{QStringLiteral("Universidad de Oviedo")});
  Clic(f->Pagina().ListComunidad, 0);
  EXPECT_EQ(f->Pagina().PanelSelTit->text(), QStringLiteral("Universidad de Oviedo"));
  const QString pad(35, QLatin1Char(' '));
  EXPECT_EQ(Lineas(f->Pagina().ListSel),
            (QStringList{QStringLiteral("Enfermeria") + pad + QStringLiteral("  -"),
                         QStringLiteral("Odontologia") + pad.left(34) + QStringLiteral(" 9,1")}));
  prueba::Pulsar(f->Pagina().BotRetroceder);
  EXPECT_TRUE(Visible(f->Pagina().mapa));
  // Community 18 is community 1, whose universities teach none: a notice
  // that opens nothing.
  ClicMapa(30, 30);
  EXPECT_EQ(Lineas(f->Pagina().ListComunidad), QStringList{QStringLiteral("T292")});
  EXPECT_FALSE(f->Pagina().ListaActiva);
  f->Pagina().ListSel->clear();
  Clic(f->Pagina().ListComunidad, 0);
  EXPECT_EQ(f->Pagina().ListSel->count(), 0);
  prueba::Pulsar(f->Pagina().BotRetroceder);
  prueba::Pulsar(f->Pagina().BotRetroceder);
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu));
}

TEST_F(Nuevas, DiagramaPasoAPasoHastaElFinal) {
  Puerta(&Tform0::LabelCarrerasClick);
  Submenu(f->Pagina().Menui3);
  prueba::Pulsar(f->Pagina().menunuevo0);
  ASSERT_TRUE(Visible(f->Nuevas().PanelGrado));
  EXPECT_FALSE(f->Pagina().MenuCarUni1->isEnabled());
  EXPECT_EQ(f->Nuevas().LabelG[0]->text(), QStringLiteral("T502"));
  EXPECT_EQ(f->Nuevas().LabelG[7]->text(), QStringLiteral("T666 T665"));
  EXPECT_EQ(f->Nuevas().LabelGT->text(), QStringLiteral("T\n6\n7\n1"));
  EXPECT_TRUE(f->Nuevas().Timergrado->isActive());
  EXPECT_EQ(f->Nuevas().Timergrado->interval(), 10);
  auto paso = [this] {
    for (int i = 0; i < 2000 && f->Nuevas().Timergrado->isActive(); ++i) f->Nuevas().TimergradoTimer();
    for (int i = 0; i < 400 && f->Nuevas().Timerfrase->isActive(); ++i) f->Nuevas().TimerfraseTimer();
  };
  paso();
  EXPECT_EQ(f->Nuevas().LabelGTexto->text(), QStringLiteral("T539"));
  EXPECT_GT(f->Nuevas().LabelGTexto->width(), 600);
  const QStringList textos = {QStringLiteral("T540"), QStringLiteral("T541 T542"),
                              QStringLiteral("T543"), QStringLiteral("T544"),
                              QStringLiteral("T545"), QStringLiteral("T546"),
                              QStringLiteral("T547"), QStringLiteral("T548 T549")};
  for (int n = 1; n <= 8; ++n) {
    prueba::Pulsar(f->Nuevas().BotAvanza);
    paso();
    EXPECT_EQ(f->Nuevas().LabelGTexto->text(), textos[n - 1]) << n;
    EXPECT_TRUE(f->Nuevas().BotAvanza->isEnabled());
  }
  // The steps that shrink a panel end with it at width 0.
  EXPECT_EQ(f->Nuevas().Cubiertas[0]->width(), 0);
  EXPECT_EQ(f->Nuevas().Cubiertas[5]->width(), 0);
  EXPECT_EQ(f->Nuevas().Cubiertas[6]->width(), 0);
  prueba::Pulsar(f->Nuevas().BotAvanza);
  paso();
  EXPECT_EQ(f->Nuevas().PasoGrado(), 9);
  EXPECT_FALSE(f->Nuevas().BotAvanza->isEnabled());
  for (QFrame* c : f->Nuevas().Cubiertas) EXPECT_EQ(c->width(), 0) << c->objectName().toStdString();

  prueba::Pulsar(f->Nuevas().BotAcabarG);
  EXPECT_FALSE(Visible(f->Nuevas().PanelGrado));
  EXPECT_TRUE(f->Pagina().MenuCarUni1->isEnabled());
  EXPECT_TRUE(f->Nuevas().BotAvanza->isEnabled());

  // Finishing in the middle of a step stops its timers.
  prueba::Pulsar(f->Pagina().menunuevo0);
  prueba::Pulsar(f->Nuevas().BotAvanza);
  f->Nuevas().TimergradoTimer();
  prueba::Pulsar(f->Nuevas().BotAcabarG);
  EXPECT_FALSE(f->Nuevas().Timergrado->isActive());
  EXPECT_FALSE(f->Nuevas().Timerfrase->isActive());
}

}  // namespace
}  // namespace sendaro
