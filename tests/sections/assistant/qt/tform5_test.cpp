// The study assistant driven as a student would: the start panel, the choice
// of ESO or Bachillerato, the running messages and their arrows, the
// helicopter's flight to the buttons, every button to its section and back.
#include "sections/assistant/qt/tform5.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "app/qt/programa.h"
#include "qt/arranque_completo.h"
#include "hall/qt/tform0.h"
#include "qt/apoyo.h"
#include "ui/navegacion.h"
#include "ui/servicios.h"
#include "ui/ventana_principal.h"

namespace sendaro {
namespace {

class Asistente : public testing::Test {
 protected:
  void SetUp() override {
    ins.Escribir(QStringLiteral("INFORMA"),
                 "34Primer curso de diversificacion\r\n19Prueba de acceso a grado superior\r\n"
                 "34Segundo curso de diversificacion\r\n");
    programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
    ASSERT_TRUE(prueba::ArrancarDelTodo(*programa, {ins.Carpeta(), {}}));
    programa->Ventana().show();
    programa->Estado().PrimeraVisita = false;
    Abrir();
  }
  void TearDown() override { qApp->setStyleSheet(QString()); }

  Navegacion& n() { return programa->Navegar(); }
  QWidget* Actual() { return programa->Ventana().Actual(); }
  void Abrir() {
    n().Abrir(entrada::Asistente::kInicio);
    a = &n().Pantalla<TForm5>();
    ASSERT_EQ(Actual(), a);
  }
  static void Tics(QTimer* t, int maximo = 2000) {
    for (int i = 0; i < maximo && t->isActive(); ++i) QMetaObject::invokeMethod(t, "timeout");
  }
  // Chooses a side and clicks an arrow; the helicopter flies to its buttons.
  void Volar(QPushButton* lado, QToolButton* flecha) {
    prueba::Pulsar(lado);
    Tics(a->TimerComienzo);
    prueba::Pulsar(flecha);
    Tics(a->TimerVuela);
    Tics(a->TimerVuela2);
  }

  prueba::InstalacionPrueba ins;
  prueba::DialogosPrueba dialogos;
  prueba::SonidoPrueba sonido;
  prueba::PantallaPrueba pantalla;
  std::unique_ptr<Programa> programa;
  TForm5* a = nullptr;
};

TEST_F(Asistente, CadaBotonAbreSuSeccionYSuVueltaTraeAlAsistenteEnElMismoPanel) {
  struct Caso {
    bool eso;
    const char* flecha;
    const char* boton;
    const char* pantalla;
  };
  const Caso casos[] = {
      {true, "Image2", "BGarantia", "TFIniPro"},   {true, "Image2", "BDejar", "TCertifica"},
      {true, "Image3", "BtGM", "TForm3"},          {true, "Image3", "Biti", "TForm2"},
      {true, "Image3", "CatTit", "TFormCat"},      {true, "Image4", "BcBachi", "TForm2"},
      {true, "Image4", "BotProfe", "Tprofe"},      {false, "Image6", "BotFP", "TForm6"},
      {false, "Image7", "BiCar", "TForm1"},        {false, "Image7", "BFpTitGsAsis", "TForm1"},
      {false, "Image7", "BitiB", "TForm2"},        {false, "Image7", "CatTitB", "TFormCat"},
      {false, "Image8", "BConsejoAsis", "TForm1"}, {false, "Image8", "BotProfeB", "Tprofe"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.boton);
    Volar(c.eso ? a->BotEso : a->BotBachi, a->findChild<QToolButton*>(QLatin1String(c.flecha)));
    auto* boton = a->findChild<QPushButton*>(QLatin1String(c.boton));
    ASSERT_NE(boton, nullptr);
    ASSERT_TRUE(boton->isVisible());
    dialogos.ejecutados.clear();
    prueba::Pulsar(boton);
    if (QLatin1String(c.pantalla) == QLatin1String("TForm6")) {
      // The bridge dialog opens over the assistant, which stays.
      EXPECT_EQ(dialogos.ejecutados, QStringList{QStringLiteral("TForm6")});
      EXPECT_EQ(Actual(), a);
      continue;
    }
    QWidget* seccion = Actual();
    ASSERT_EQ(seccion->objectName(), QLatin1String(c.pantalla));
    EXPECT_FALSE(a->isVisible());
    EXPECT_TRUE(programa->Estado().DesdeAsistente);
    // The middle-grade screen's helicopter introduction runs first.
    if (auto* heli = seccion->findChild<QTimer*>(QStringLiteral("heli")); heli != nullptr) {
      auto* piloto = seccion->findChild<QTimer*>(QStringLiteral("piloto"));
      EXPECT_TRUE(heli->isActive());
      for (int i = 0; i < 200 && (heli->isActive() || piloto->isActive()); ++i)
        QMetaObject::invokeMethod(heli->isActive() ? heli : piloto, "timeout");
    }
    // The section's own back or finish button.
    QPushButton* volver = nullptr;
    for (const char* nombre : {"menui5", "menuFP3", "MenuRetroCon", "BitAcabarLogse",
                               "BotRetroceder", "BotRetrocederFP", "BotAcabar", "botSalir"}) {
      auto* b = seccion->findChild<QPushButton*>(QLatin1String(nombre));
      if (volver == nullptr && b != nullptr && b->isVisible()) volver = b;
    }
    ASSERT_NE(volver, nullptr);
    prueba::Pulsar(volver);
    EXPECT_EQ(Actual(), a);
    EXPECT_EQ(a->PanelEso->isVisible(), c.eso);
    EXPECT_EQ(a->PanelBachi->isVisible(), !c.eso);
    EXPECT_TRUE(boton->isVisible());
    EXPECT_FALSE(a->PInicio->isVisible());
  }
  // No question on the way back (the professions run asks none from here).
  EXPECT_TRUE(dialogos.preguntas.isEmpty());
}

TEST_F(Asistente, ElInicioSoloLaPrimeraVezYLaVueltaAlVestibuloTerminaElAsistente) {
  EXPECT_TRUE(a->PInicio->isVisible());
  EXPECT_EQ(a->OpcionAsistente(), 9);
  EXPECT_EQ(a->PasoTexto(), 6);
  ASSERT_TRUE(a->TimerMueTexBotBACHI->isActive());
  // The start text climbs and starts again from the bottom.
  const int abajo = a->Textoinicio->y();
  QMetaObject::invokeMethod(a->TimerMueTexBotBACHI, "timeout");
  EXPECT_EQ(a->Textoinicio->y(), abajo - 2);
  for (int i = 0; i < 1000 && a->Textoinicio->y() < abajo - 4; ++i)
    QMetaObject::invokeMethod(a->TimerMueTexBotBACHI, "timeout");
  EXPECT_GE(a->Textoinicio->y(), abajo - 4);

  Volar(a->Panel3, a->Image8);
  EXPECT_TRUE(a->BConsejoAsis->isVisible());
  prueba::Pulsar(a->BotRetroAsis);
  EXPECT_EQ(Actual(), static_cast<QWidget*>(programa->Vestibulo()));
  EXPECT_FALSE(programa->Estado().DesdeAsistente);
  EXPECT_FALSE(a->TimerMueTexBotBACHI->isActive());

  // Opened again: straight to the Bachillerato panel, its buttons as they were.
  Abrir();
  EXPECT_FALSE(a->PInicio->isVisible());
  EXPECT_TRUE(a->PanelBachi->isVisible());
  EXPECT_TRUE(a->BConsejoAsis->isVisible());
  EXPECT_TRUE(programa->Estado().DesdeAsistente);
  // A section opened from the hall now goes back to the hall.
  prueba::Pulsar(a->BotRetroAsis);
  n().Abrir(entrada::Profesiones::kCuestionario);
  dialogos.ResponderConBoton(QStringLiteral("ShadowSi"));
  prueba::Pulsar(Actual()->findChild<QPushButton*>(QStringLiteral("BotAcabar")));
  EXPECT_EQ(Actual(), static_cast<QWidget*>(programa->Vestibulo()));
}

TEST_F(Asistente, LosMensajesSeSucedenConSusFlechasYUnaFlechaPuedeAdelantarse) {
  prueba::Pulsar(a->L41);  // the title label chooses too
  EXPECT_TRUE(a->PanelEso->isVisible());
  EXPECT_TRUE(a->Panel1->isVisible());
  Tics(a->TimerComienzo);
  EXPECT_EQ(a->Panel1->x(), a->LabelT1->x());
  ASSERT_TRUE(a->TimerMueTexFleESO->isActive());
  EXPECT_EQ(a->PasoTexto(), 1);
  EXPECT_EQ(a->texto4->text(), prueba::InstalacionPrueba::Texto(498) + QLatin1Char('\n') +
                                   prueba::InstalacionPrueba::Texto(499));
  for (QToolButton* f : {a->Image4, a->Image3, a->Image2}) EXPECT_FALSE(f->isVisible());

  // Step by step: the bottom arrow stays once its message has gone through.
  for (int i = 0; i < 1000 && a->PasoTexto() == 1; ++i)
    QMetaObject::invokeMethod(a->TimerMueTexFleESO, "timeout");
  EXPECT_TRUE(a->Image4->isVisible());
  EXPECT_FALSE(a->Image2->isVisible());
  EXPECT_EQ(a->Panel1->y(), a->LabelT1->y());
  QMetaObject::invokeMethod(a->TimerMueTexFleESO, "timeout");
  EXPECT_EQ(a->Panel1->y(), a->LabelT2->y());
  EXPECT_EQ(a->texto4->text(), prueba::InstalacionPrueba::Texto(492));

  // The top arrow before its turn: all three show, the sequence ends.
  prueba::Pulsar(a->Image2);
  EXPECT_FALSE(a->TimerMueTexFleESO->isActive());
  EXPECT_EQ(a->PasoTexto(), 0);
  EXPECT_FALSE(a->Panel1->isVisible());
  for (QToolButton* f : {a->Image4, a->Image3, a->Image2}) EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(a->LabelT3->text(), prueba::InstalacionPrueba::Texto(485) + QLatin1Char('\n') +
                                    prueba::InstalacionPrueba::Texto(486));
  EXPECT_EQ(sonido.arranquesMotor, 1);
  EXPECT_EQ(a->OpcionAsistente(), 2);
  // The flight: 26 ticks of 4 px, then the buttons.
  ASSERT_TRUE(a->TimerVuela->isActive());
  const int x0 = a->he->x();
  for (int i = 0; i < 25; ++i) QMetaObject::invokeMethod(a->TimerVuela, "timeout");
  EXPECT_FALSE(a->BGarantia->isVisible());
  QMetaObject::invokeMethod(a->TimerVuela, "timeout");
  EXPECT_FALSE(a->TimerVuela->isActive());
  EXPECT_EQ(a->he->x(), x0 + 4 * 26);
  for (QPushButton* b : {a->BGarantia, a->BDejar, a->BotDiversi}) EXPECT_TRUE(b->isVisible());
  EXPECT_FALSE(a->BtGM->isVisible());

  // Another arrow starts its own flight.
  prueba::Pulsar(a->Image4);
  Tics(a->TimerVuela);
  EXPECT_TRUE(a->BcBachi->isVisible());
  EXPECT_TRUE(a->BotProfe->isVisible());
}

TEST_F(Asistente, UnVueloCortadoAlSalirTerminaAlVolver) {
  prueba::Pulsar(a->BotEso);
  Tics(a->TimerComienzo);
  prueba::Pulsar(a->Image3);
  const int x0 = a->he->x();
  for (int i = 0; i < 5; ++i) QMetaObject::invokeMethod(a->TimerVuela, "timeout");
  prueba::Pulsar(a->BotRetroAsis);
  EXPECT_FALSE(a->TimerVuela->isActive());
  EXPECT_FALSE(a->BtGM->isVisible());
  Abrir();
  EXPECT_EQ(a->he->x(), x0 + 4 * 26);
  for (QPushButton* b : {a->BtGM, a->Biti, a->CatTit}) EXPECT_TRUE(b->isVisible());
}

TEST_F(Asistente, LasListasEmergentesMuestranSusLineasDeINFORMA) {
  Volar(a->BotEso, a->Image2);
  prueba::Pulsar(a->BotDiversi);
  ASSERT_TRUE(a->PanelDiversifi->isVisible());
  ASSERT_EQ(a->ListBox1->count(), 2);
  EXPECT_EQ(a->ListBox1->item(1)->text(), QStringLiteral("Segundo curso de diversificacion"));
  prueba::Pulsar(a->BotCerrar);
  EXPECT_FALSE(a->PanelDiversifi->isVisible());

  Volar(a->BotBachi, a->Image6);
  prueba::Pulsar(a->BotFP2);
  ASSERT_TRUE(a->PanelFP2->isVisible());
  ASSERT_EQ(a->ListFP2->count(), 6);
  EXPECT_EQ(a->ListFP2->item(0)->text(), prueba::InstalacionPrueba::Texto(480));
  EXPECT_TRUE(a->ListFP2->item(3)->text().isEmpty());
  EXPECT_EQ(a->ListFP2->item(5)->text(), QStringLiteral("Prueba de acceso a grado superior"));
  // Showing the assistant again closes the pop-ups.
  prueba::Pulsar(a->BotRetroAsis);
  Abrir();
  EXPECT_FALSE(a->PanelFP2->isVisible());
}

}  // namespace
}  // namespace sendaro
