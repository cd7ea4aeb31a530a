// The common dialog: its four modes and the state it keeps between uses.
#include "ui/tform4.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "app/qt/programa.h"
#include "qt/arbol_accesible.h"
#include "qt/arranque_completo.h"
#include "qt/apoyo.h"

namespace sendaro {
namespace {

using prueba::DialogosPrueba;

class DialogoComun : public testing::Test {
 protected:
  void SetUp() override {
    programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
    ASSERT_TRUE(prueba::ArrancarDelTodo(*programa, {ins.Carpeta(), {}}));
    f = programa->Comunes().Dialogo();
  }
  void TearDown() override { qApp->setStyleSheet(QString()); }

  prueba::InstalacionPrueba ins;
  DialogosPrueba dialogos;
  prueba::SonidoPrueba sonido;
  prueba::PantallaPrueba pantalla;
  std::unique_ptr<Programa> programa;
  TForm4* f = nullptr;
};

TEST_F(DialogoComun, Creacion) {
  EXPECT_EQ(f->size(), QSize(382, 144));
  EXPECT_EQ(f->windowTitle(), QStringLiteral("IES Pe\u00f1a Grande"));
  EXPECT_EQ(f->ShadowSi->text(), QStringLiteral("S\u00ed"));
  EXPECT_EQ(f->ShadowNo->text(), QStringLiteral("No"));
  EXPECT_TRUE(f->ShadowSi->isDefault());
  EXPECT_EQ(f->Radio1->text(), QStringLiteral("T586"));
  EXPECT_EQ(f->Radio2->text(), QStringLiteral("T586 + T428"));
  EXPECT_EQ(f->botImprimir->text(), QStringLiteral("T36"));
  EXPECT_EQ(f->botcerImp->text(), QStringLiteral("T13"));
  EXPECT_TRUE(f->Radio1->isChecked());
  EXPECT_EQ(f->palette().color(QPalette::Window), QColor(253, 236, 192));
  EXPECT_EQ(prueba::NombreAccesible(f->ShadowNo), QStringLiteral("No"));
}

TEST_F(DialogoComun, TeclasYBotonesDeLaPregunta) {
  struct Caso {
    bool tecla;
    int valor;  // key, or index into the buttons
    bool si;
  };
  const QString botones[] = {QStringLiteral("ShadowSi"), QStringLiteral("ShadowNo")};
  const std::vector<Caso> casos = {
      {true, Qt::Key_Escape, false},
      {true, Qt::Key_Return, true},
      {true, Qt::Key_Enter, true},
      {false, 0, true},
      {false, 1, false},
  };
  for (const Caso& c : casos) {
    if (c.tecla) {
      dialogos.ResponderConTecla(c.valor);
    } else {
      dialogos.ResponderConBoton(botones[c.valor]);
    }
    EXPECT_EQ(f->Preguntar(QStringLiteral("\u00bfSeguro?")), c.si) << c.valor;
    EXPECT_EQ(f->LabelNombre->text(), QStringLiteral("\u00bfSeguro?"));
  }
}

TEST_F(DialogoComun, TrasUnAvisoLaPreguntaMuestraLosDosBotones) {
  bool noVisibleEnAviso = true;
  bool segundaLinea = false;
  dialogos.ResponderConTecla(Qt::Key_Return, [&](QDialog&) {
    noVisibleEnAviso = f->ShadowNo->isVisible();
    segundaLinea = f->LabelNombre2->isVisible() && f->LabelNombre2->text() == QStringLiteral("dos");
  });
  f->Avisar(QStringLiteral("uno"), QStringLiteral("dos"));
  EXPECT_FALSE(noVisibleEnAviso);
  EXPECT_TRUE(segundaLinea);

  bool ambos = false;
  bool sinSegunda = false;
  dialogos.ResponderConTecla(Qt::Key_Escape, [&](QDialog&) {
    ambos = f->ShadowSi->isVisible() && f->ShadowNo->isVisible();
    sinSegunda = !f->LabelNombre2->isVisible() && !f->EditNombre->isVisible();
  });
  EXPECT_FALSE(f->Preguntar(QStringLiteral("\u00bfOtra?")));
  EXPECT_TRUE(ambos);
  EXPECT_TRUE(sinSegunda);
}

TEST_F(DialogoComun, ModoNombre) {
  // Enter with an empty name asks again; Enter with a name answers yes.
  dialogos.ResponderConTecla(Qt::Key_Return);
  dialogos.ResponderConTecla(Qt::Key_Return, [](QDialog& d) {
    QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("EditNombre")), QStringLiteral("Ana"));
  });
  EXPECT_EQ(f->PedirNombre(QStringLiteral("Nombre:")), QStringLiteral("Ana"));
  EXPECT_EQ(dialogos.ejecutados.size(), 2);
  EXPECT_TRUE(f->EditNombre->isHidden());  // every close hides it

  dialogos.ResponderConTecla(Qt::Key_Escape);
  EXPECT_EQ(f->PedirNombre(QStringLiteral("Nombre:"), QStringLiteral("Luis")), std::nullopt);
}

TEST_F(DialogoComun, LasOpcionesDeImpresionRecuerdanLaEleccion) {
  dialogos.ResponderConBoton(QStringLiteral("botImprimir"), [&](QDialog&) {
    EXPECT_TRUE(f->PanelImprimir->isVisible());
    QTest::mouseClick(f->Radio2, Qt::LeftButton, {}, QPoint(5, f->Radio2->height() / 2));
  });
  EXPECT_EQ(f->ElegirImpresion(), 2);
  EXPECT_TRUE(f->PanelImprimir->isHidden());

  bool segundaElegida = false;
  dialogos.ResponderConBoton(QStringLiteral("botcerImp"),
                             [&](QDialog&) { segundaElegida = f->Radio2->isChecked(); });
  EXPECT_EQ(f->ElegirImpresion(), std::nullopt);
  EXPECT_TRUE(segundaElegida);

  dialogos.ResponderConTecla(Qt::Key_Escape);
  EXPECT_EQ(f->ElegirImpresion(), std::nullopt);
  EXPECT_TRUE(f->Radio2->isChecked());
}

}  // namespace
}  // namespace sendaro
