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
    f->ComboNuevas->setCurrentIndex(item);
    emit f->ComboNuevas->activated(item);
  }
};

TEST_F(Nuevas, ListaPorCategoriasVistasEInformeDeUnGrado) {
  Puerta(&Tform0::LabelCarrerasClick);
  Submenu(f->Menui3);
  prueba::Pulsar(f->menunuevo1);
  EXPECT_TRUE(f->ModoGrados);
  EXPECT_TRUE(Visible(f->ComboNuevas));
  EXPECT_EQ(f->ComboNuevas->placeholderText(), QStringLiteral("T40 - T523"));
  EXPECT_EQ(f->ComboNuevas->itemText(3), QStringLiteral("T517"));
  EXPECT_EQ(Lineas(f->ListComunidad),
            (QStringList{QStringLiteral("Historia"), QStringLiteral("Enfermeria"),
                         QStringLiteral("Odontologia"), QStringLiteral("Ingenieria Civil")}));
  Categoria(3);
  EXPECT_EQ(Lineas(f->ListComunidad),
            (QStringList{QStringLiteral("Enfermeria"), QStringLiteral("Odontologia")}));

  Clic(f->ListComunidad, 0);
  EXPECT_EQ(f->CarreraSel, 2);
  EXPECT_EQ(f->PanelSelTit->text(), QStringLiteral("Enfermeria"));
  for (QWidget* w :
       std::initializer_list<QWidget*>{f->BotUni, f->BotReq, f->BotSal, f->BotImprimirN})
    EXPECT_TRUE(Visible(w)) << w->objectName().toStdString();
  const QStringList universidades = Lineas(f->ListSel);
  ASSERT_GE(universidades.size(), 6);
  EXPECT_EQ(universidades[0], QString(17, QLatin1Char(' ')) + QStringLiteral("T593"));
  EXPECT_EQ(universidades[2], QStringLiteral("Universidad de Oviedo") +
                                  QString(14, QLatin1Char(' ')) + QStringLiteral("  -"));
  EXPECT_EQ(universidades[4], QStringLiteral("-     T312"));
  EXPECT_EQ(universidades[5], QStringLiteral("\u2022 Grado en Enfermeria"));
  prueba::Pulsar(f->BotReq);
  EXPECT_EQ(Lineas(f->ListSel), (QStringList{QStringLiteral("     T277"), QString(),
                                             QStringLiteral("Bachillerato de Ciencias"),
                                             QStringLiteral("Cualquier modalidad")}));
  prueba::Pulsar(f->BotSal);
  EXPECT_EQ(Lineas(f->ListSel), (QStringList{QStringLiteral("     T278"), QString(),
                                             QStringLiteral("\u2022  Salida 16")}));

  prueba::Pulsar(f->BotImprimirN);
  EXPECT_EQ(Lineas(f->ListSel).first(), QStringLiteral("T522:  Enfermeria"));
  ASSERT_EQ(Pdfs().size(), 1);
  const QString informe = prueba::TextoDePdf(Pdfs().first());
  EXPECT_TRUE(informe.contains(QRegularExpression(QStringLiteral("T522:\\s+Enfermeria"))))
      << informe.toStdString();
  EXPECT_TRUE(informe.contains(QStringLiteral("Salida 16")));

  // Another category: no degree is chosen, so its buttons go.
  Categoria(1);
  EXPECT_EQ(Lineas(f->ListComunidad), QStringList{QStringLiteral("Historia")});
  EXPECT_FALSE(Visible(f->BotUni));
  EXPECT_FALSE(Visible(f->BotImprimirN));

  prueba::Pulsar(f->BotRetroceder);
  EXPECT_TRUE(Visible(f->PanelMenu));
  EXPECT_FALSE(f->ModoGrados);
  EXPECT_FALSE(Visible(f->ComboNuevas));
  EXPECT_FALSE(Visible(f->ListComunidad));
}

TEST_F(Nuevas, UniversidadesDeUnaComunidadYUnaSinGrados) {
  Puerta(&Tform0::LabelCarrerasClick);
  Submenu(f->Menui3);
  prueba::Pulsar(f->menunuevo2);
  EXPECT_TRUE(Visible(f->mapa));
  ClicMapa(70, 30);
  EXPECT_EQ(Lineas(f->ListComunidad), QStringList{QStringLiteral("Universidad de Oviedo")});
  Clic(f->ListComunidad, 0);
  EXPECT_EQ(f->PanelSelTit->text(), QStringLiteral("Universidad de Oviedo"));
  const QString pad(35, QLatin1Char(' '));
  EXPECT_EQ(Lineas(f->ListSel),
            (QStringList{QStringLiteral("Enfermeria") + pad + QStringLiteral("  -"),
                         QStringLiteral("Odontologia") + pad.left(34) + QStringLiteral(" 9,1")}));
  prueba::Pulsar(f->BotRetroceder);
  EXPECT_TRUE(Visible(f->mapa));
  // Community 18 is community 1, whose universities teach none: a notice
  // that opens nothing.
  ClicMapa(30, 30);
  EXPECT_EQ(Lineas(f->ListComunidad), QStringList{QStringLiteral("T292")});
  EXPECT_FALSE(f->ListaActiva);
  f->ListSel->clear();
  Clic(f->ListComunidad, 0);
  EXPECT_EQ(f->ListSel->count(), 0);
  prueba::Pulsar(f->BotRetroceder);
  prueba::Pulsar(f->BotRetroceder);
  EXPECT_TRUE(Visible(f->PanelMenu));
}

TEST_F(Nuevas, DiagramaPasoAPasoHastaElFinal) {
  Puerta(&Tform0::LabelCarrerasClick);
  Submenu(f->Menui3);
  prueba::Pulsar(f->menunuevo0);
  ASSERT_TRUE(Visible(f->PanelGrado));
  EXPECT_FALSE(f->MenuCarUni1->isEnabled());
  EXPECT_EQ(f->LabelG[0]->text(), QStringLiteral("T502"));
  EXPECT_EQ(f->LabelG[7]->text(), QStringLiteral("T666 T665"));
  EXPECT_EQ(f->LabelGT->text(), QStringLiteral("T\n6\n7\n1"));
  EXPECT_TRUE(f->Timergrado->isActive());
  EXPECT_EQ(f->Timergrado->interval(), 10);
  auto paso = [this] {
    for (int i = 0; i < 2000 && f->Timergrado->isActive(); ++i) f->TimergradoTimer();
    for (int i = 0; i < 400 && f->Timerfrase->isActive(); ++i) f->TimerfraseTimer();
  };
  paso();
  EXPECT_EQ(f->LabelGTexto->text(), QStringLiteral("T539"));
  EXPECT_GT(f->LabelGTexto->width(), 600);
  const QStringList textos = {QStringLiteral("T540"), QStringLiteral("T541 T542"),
                              QStringLiteral("T543"), QStringLiteral("T544"),
                              QStringLiteral("T545"), QStringLiteral("T546"),
                              QStringLiteral("T547"), QStringLiteral("T548 T549")};
  for (int n = 1; n <= 8; ++n) {
    prueba::Pulsar(f->BotAvanza);
    paso();
    EXPECT_EQ(f->LabelGTexto->text(), textos[n - 1]) << n;
    EXPECT_TRUE(f->BotAvanza->isEnabled());
  }
  // The steps that shrink a panel end with it at width 0.
  EXPECT_EQ(f->Cubiertas[0]->width(), 0);
  EXPECT_EQ(f->Cubiertas[5]->width(), 0);
  EXPECT_EQ(f->Cubiertas[6]->width(), 0);
  prueba::Pulsar(f->BotAvanza);
  paso();
  EXPECT_EQ(f->PasoGrado(), 9);
  EXPECT_FALSE(f->BotAvanza->isEnabled());
  for (QFrame* c : f->Cubiertas) EXPECT_EQ(c->width(), 0) << c->objectName().toStdString();

  prueba::Pulsar(f->BotAcabarG);
  EXPECT_FALSE(Visible(f->PanelGrado));
  EXPECT_TRUE(f->MenuCarUni1->isEnabled());
  EXPECT_TRUE(f->BotAvanza->isEnabled());

  // Finishing in the middle of a step stops its timers.
  prueba::Pulsar(f->menunuevo0);
  prueba::Pulsar(f->BotAvanza);
  f->TimergradoTimer();
  prueba::Pulsar(f->BotAcabarG);
  EXPECT_FALSE(f->Timergrado->isActive());
  EXPECT_FALSE(f->Timerfrase->isActive());
}

}  // namespace
}  // namespace sendaro
