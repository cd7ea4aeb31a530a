// Screens opened by their entry actions: created on first open, and left
// back to where they were opened from.
#include "ui/navegacion.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "app/qt/programa.h"
#include "qt/arranque_completo.h"
#include "hall/qt/tform0.h"
#include "qt/apoyo.h"
#include "ui/ventana_principal.h"

namespace sendaro {
namespace {

class Navegar : public testing::Test {
 protected:
  void SetUp() override {
    programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
    ASSERT_TRUE(prueba::ArrancarDelTodo(*programa, {ins.Carpeta(), {}}));
  }
  void TearDown() override { qApp->setStyleSheet(QString()); }

  Navegacion& n() { return programa->Navegar(); }
  QWidget* Actual() { return programa->Ventana().Actual(); }
  EstadoPrograma& e() { return programa->Estado(); }

  prueba::InstalacionPrueba ins;
  prueba::DialogosPrueba dialogos;
  prueba::SonidoPrueba sonido;
  prueba::PantallaPrueba pantalla;
  std::unique_ptr<Programa> programa;
};

TEST_F(Navegar, UnaPantallaSeCreaAlAbrirlaPorPrimeraVez) {
  // Start-up creates the hall only.
  EXPECT_EQ(n().Creadas(), std::vector<QString>{QStringLiteral("Tform0")});
  EXPECT_EQ(n().Creada(Seccion::kCarreras), nullptr);

  n().Abrir(entrada::Carreras::kInformacion);
  QWidget* carreras = n().Creada(Seccion::kCarreras);
  ASSERT_NE(carreras, nullptr);
  EXPECT_EQ(Actual(), carreras);
  EXPECT_EQ(carreras->parentWidget(), programa->Ventana().Paginas());
  n().Salir(*carreras);
  EXPECT_EQ(Actual(), programa->Vestibulo());

  // Opened again: the same screen, not a second one.
  n().Abrir(entrada::Carreras::kCuestionario);
  EXPECT_EQ(Actual(), carreras);
  EXPECT_EQ(n().Creadas(),
            (std::vector<QString>{QStringLiteral("Tform0"), QStringLiteral("TForm1")}));
}

TEST_F(Navegar, SalirVuelveADondeSeAbrio) {
  // From the hall: back to the hall.
  n().Abrir(entrada::Certificados::kMostrar);
  QWidget* certificados = Actual();
  EXPECT_EQ(certificados->objectName(), QStringLiteral("TCertifica"));
  n().Salir(*certificados);
  EXPECT_EQ(Actual(), programa->Vestibulo());

  // Opened over another screen: back to that screen, and the flag cleared.
  n().Abrir(entrada::Itinerarios::kMapa);
  QWidget* itinerarios = Actual();
  n().AbrirEncima(entrada::GradoMedio::kDesdeVestibulo);
  QWidget* gradoMedio = Actual();
  EXPECT_EQ(gradoMedio->objectName(), QStringLiteral("TForm3"));
  EXPECT_TRUE(e().DesdeContexto);
  n().Salir(*gradoMedio);
  EXPECT_EQ(Actual(), itinerarios);
  EXPECT_FALSE(e().DesdeContexto);

  // A screen whose way back is another section.
  n().Abrir(entrada::GradoMedio::kDesdeVestibulo);
  n().Salir(*gradoMedio, Seccion::kItinerarios);
  EXPECT_EQ(Actual(), itinerarios);
  n().Salir(*itinerarios);
  EXPECT_EQ(Actual(), programa->Vestibulo());
}

TEST_F(Navegar, LoAbiertoDesdeElAsistenteVuelveAlAsistente) {
  // The assistant is a page over the hall, not a dialog that blocks.
  n().Abrir(entrada::Asistente::kInicio);
  EXPECT_TRUE(dialogos.ejecutados.isEmpty());
  EXPECT_TRUE(e().DesdeAsistente);
  QWidget* asistente = n().Creada(Seccion::kAsistente);
  ASSERT_NE(asistente, nullptr);
  EXPECT_EQ(Actual(), asistente);

  // A section opened from it hides it without ending it, and comes back to it.
  n().Abrir(entrada::Profesiones::kCuestionario);
  QWidget* profesiones = Actual();
  EXPECT_FALSE(asistente->isVisible());
  n().Salir(*profesiones);
  EXPECT_EQ(Actual(), asistente);
  EXPECT_TRUE(e().DesdeAsistente);

  // Leaving the assistant ends it: sections go back to the hall again.
  n().Salir(*asistente);
  EXPECT_EQ(Actual(), programa->Vestibulo());
  EXPECT_FALSE(asistente->isVisible());
  EXPECT_FALSE(e().DesdeAsistente);
  n().Abrir(entrada::Profesiones::kCuestionario);
  n().Salir(*profesiones);
  EXPECT_EQ(Actual(), programa->Vestibulo());
  EXPECT_FALSE(asistente->isVisible());
}

}  // namespace
}  // namespace sendaro
