// Accessible names: the shared rule on small widgets, then every screen of
// the sample installation walked as a screen reader walks it.
#include "ui/accesible.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "hall/qt/tform0.h"
#include "qt/arbol_accesible.h"
#include "qt/programa_muestra.h"

namespace sendaro {
namespace {

QString Nombre(QWidget* w) {
  return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

TEST(NombresAccesibles, UnaEtiquetaSeLlamaComoSuTextoYLoSigue) {
  QWidget pagina;
  auto* frase = new QLabel(&pagina);
  frase->setObjectName(QStringLiteral("LabelFrase0"));
  auto* flecha = new QToolButton(&pagina);
  flecha->setObjectName(QStringLiteral("BotFraSig"));
  flecha->setToolTip(QStringLiteral("Frase siguiente"));
  auto* imagen = new QLabel(&pagina);
  imagen->setObjectName(QStringLiteral("chica"));
  imagen->setAccessibleName(QStringLiteral("chica"));
  NombrarAccesibles(&pagina);

  // Built without text: no name until its text comes, then the text.
  EXPECT_EQ(Nombre(frase), QString());
  frase->setText(QStringLiteral("Elige la frase\nque más te guste"));
  EXPECT_EQ(Nombre(frase).simplified(), QStringLiteral("Elige la frase que más te guste"));
  frase->setText(QStringLiteral("Otra frase"));
  EXPECT_EQ(Nombre(frase), QStringLiteral("Otra frase"));
  // Without text: its hint; a name copied from the object goes.
  EXPECT_EQ(Nombre(flecha), QStringLiteral("Frase siguiente"));
  EXPECT_EQ(Nombre(imagen), QString());
}

TEST(NombresAccesibles, SeAplicaAlMostrarseUnControlHechoDespues) {
  QWidget pagina;
  NombresAccesibles regla(&pagina);
  pagina.show();
  auto* boton = new QPushButton(&pagina);
  boton->setObjectName(QStringLiteral("BotImp"));
  boton->setAccessibleName(QStringLiteral("BotImp"));
  boton->show();
  EXPECT_EQ(Nombre(boton), QString());
  boton->setText(QStringLiteral("&Imprimir"));
  EXPECT_EQ(Nombre(boton), QStringLiteral("Imprimir"));
}

TEST(NombresAccesibles, NombresQueParecenDeObjeto) {
  struct Caso {
    const char* nombre;
    const char* objeto;
    bool deObjeto;
  };
  for (const Caso& c : std::initializer_list<Caso>{
           {"LabelFrase0", "", true},
           {"LabelAyu1", "", true},
           {"Textoinicio", "Textoinicio", true},
           {"chica", "chica", true},
           {"BotFraRet", "", true},
           {"Medicina", "", false},
           {"ESO", "", false},
           {"Acabar", "LabelAcabar", false},
           {"Elige una familia", "", false},
           {"2009", "", false},
           {"1º Bachillerato", "", false},
           {"", "", false},
       }) {
    EXPECT_EQ(NombreDeObjeto(QString::fromUtf8(c.nombre), QString::fromUtf8(c.objeto)),
              c.deObjeto)
        << c.nombre;
  }
}

TEST(NombresAccesibles, ElRecorridoEncuentraLosFallos) {
  QWidget pagina;
  auto* a = new QLabel(QStringLiteral("Imprimir"), &pagina);
  a->setObjectName(QStringLiteral("LabelA"));
  auto* b = new QPushButton(QStringLiteral("Imprimir"), &pagina);
  b->setObjectName(QStringLiteral("BotB"));
  auto* c = new QLabel(QStringLiteral("Acabar"), &pagina);
  c->setObjectName(QStringLiteral("LabelC"));
  c->setAccessibleName(QStringLiteral("LabelC"));
  pagina.show();
  const std::string fallos = prueba::FallosDeNombres(&pagina);
  EXPECT_NE(fallos.find("LabelA and BotB share"), std::string::npos) << fallos;
  EXPECT_NE(fallos.find("LabelC named like an object"), std::string::npos) << fallos;
  b->setText(QStringLiteral("Otra cosa"));
  c->setAccessibleName(QString());
  EXPECT_EQ(prueba::FallosDeNombres(&pagina), "");
}

// Every door's screen as it opens, and the hall itself.
struct Puerta {
  const char* nombre;
  void (Tform0::*clic)();
};

class NombresDeCadaPantalla : public prueba::ProgramaMuestra,
                              public testing::WithParamInterface<Puerta> {};

TEST_P(NombresDeCadaPantalla, SinNombresDeObjetoNiRepetidos) {
  EXPECT_EQ(prueba::FallosDeNombres(&programa->Ventana()), "") << "hall";
  if (GetParam().clic == nullptr) {
    hall->LabelDejarClick();
  } else {
    CruzarPuerta(GetParam().clic);
  }
  ASSERT_NE(Actual(), hall);
  EXPECT_EQ(prueba::FallosDeNombres(&programa->Ventana()), "") << GetParam().nombre;
}

INSTANTIATE_TEST_SUITE_P(
    Puertas, NombresDeCadaPantalla,
    testing::Values(Puerta{"Carreras", &Tform0::LabelCarrerasClick},
                    Puerta{"Catalogo", &Tform0::LabelCatClick},
                    Puerta{"FpSuperior", &Tform0::LabelFpSClick},
                    Puerta{"Itinerarios", &Tform0::LabelItiClick},
                    Puerta{"GradoMedio", &Tform0::LabelFPMClick},
                    Puerta{"Programas", &Tform0::LabelFPipClick},
                    Puerta{"Profesiones", &Tform0::LabelProfeClick},
                    Puerta{"CuestionarioBachillerato", &Tform0::LabelCuesBClick},
                    Puerta{"CuestionarioEso", &Tform0::LabelCuesEClick},
                    Puerta{"Asistente", &Tform0::LabelAsistenteClick},
                    Puerta{"Certificados", nullptr}),
    [](const testing::TestParamInfo<Puerta>& i) { return std::string(i.param.nombre); });

}  // namespace
}  // namespace sendaro
