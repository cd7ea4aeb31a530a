// The search on the sample installation: typing, the results grouped by kind,
// choosing a degree, a certificate and a programme opens each at its card with
// its data, and leaving the section returns to the search as it was.
#include "sections/search/qt/tbusqueda.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "qt/arbol_accesible.h"
#include "qt/programa_muestra.h"
#include "sections/certificates/qt/tcertifica.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/pagina_grados.h"
#include "sections/degrees/qt/tform1.h"
#include "sections/degrees/qt/visor_ficha.h"
#include "sections/degrees/qt/visor_fp.h"
#include "sections/initial_programmes/qt/tfinipro.h"
#include "ui/piezas.h"
#include "ui/texto_qt.h"

namespace sendaro::prueba {
namespace {

class Busqueda : public ProgramaPrueba {
 protected:
  // Starts the sample installation (static hall) in a language and opens the
  // search from the hall's button, with the index built.
  void AbrirDesdeVestibulo(std::vector<std::string> parametros) {
    ASSERT_NO_FATAL_FAILURE(Arrancar(SENDARO_INSTALACION, std::move(parametros)));
    ASSERT_NE(S().busqueda, nullptr);
    S().busqueda->Esperar();
    QPushButton* boton = hall->findChild<QPushButton*>(QStringLiteral("BotBuscar"));
    ASSERT_NE(boton, nullptr);
    EXPECT_EQ(NombreAccesible(boton), boton->text());
    boton->click();
    busqueda = qobject_cast<TBusqueda*>(Actual());
    ASSERT_NE(busqueda, nullptr);
  }
  void Escribir(const QString& texto) {
    busqueda->EditBuscar->clear();
    QTest::keyClicks(busqueda->EditBuscar, texto);
  }
  QStringList Filas() const { return ProgramaPrueba::Filas(busqueda->ListResultados); }
  // The row of the result with this text, after its kind's heading.
  int FilaDe(const QString& clase, const QString& texto) const {
    const QStringList filas = Filas();
    int cabecera = -1;
    for (int i = 0; i < filas.size(); ++i) {
      if (filas[i].startsWith(clase + QStringLiteral(" ("))) cabecera = i;
      if (cabecera >= 0 && filas[i].trimmed() == texto) return i;
    }
    return -1;
  }
  // Goes back from a section as the student would, by its own back buttons.
  void VolverConBotones(std::initializer_list<QPushButton*> botones) {
    for (int i = 0; i < 8 && Actual() != busqueda; ++i) {
      for (QPushButton* b : botones) {
        if (b->isVisible()) {
          b->click();
          break;
        }
      }
    }
  }
  // The search as the student left it.
  void ComprobarVuelta(const QString& texto, const QStringList& filas) {
    ASSERT_EQ(Actual(), busqueda);
    EXPECT_EQ(busqueda->EditBuscar->text(), texto);
    EXPECT_EQ(Filas(), filas);
  }

  TBusqueda* busqueda = nullptr;
};

TEST_F(Busqueda, AgrupaPorClaseYAbreCarreraCertificadoYPrograma) {
  ASSERT_NO_FATAL_FAILURE(AbrirDesdeVestibulo({"I", "N"}));

  // A degree by the start of one word, chosen with the keyboard.
  Escribir(QStringLiteral("ENFER"));
  const QStringList enfermeria = Filas();
  const int carrera = FilaDe(S().Texto(684), QStringLiteral("Enfermer\u00eda (D)"));
  ASSERT_GE(carrera, 0) << enfermeria.join(u'\n').toStdString();
  EXPECT_TRUE(enfermeria.first().startsWith(S().Texto(684) + QStringLiteral(" (")));
  EXPECT_GE(FilaDe(S().Texto(691), QStringLiteral("Enfermero/a")), 0);
  QTest::keyClick(busqueda->EditBuscar, Qt::Key_Down);
  EXPECT_EQ(busqueda->ListResultados->currentRow(), carrera);
  QTest::keyClick(busqueda->EditBuscar, Qt::Key_Return);
  auto* grados = qobject_cast<TForm1*>(Actual());
  ASSERT_NE(grados, nullptr);
  const int linea = grados->Ficha().CarreraSel;
  EXPECT_EQ(piezas::RecortadoQt(DeWin(S().tablas.carreras[linea])), QStringLiteral("Enfermer\u00eda (D)"));
  // Its universities, as CARRERA's annotations give them ("ugr.es 8,6").
  const QStringList ficha = grados->Pagina().ListSel->Filas();
  EXPECT_TRUE(ficha.filter(QStringLiteral("Universidad de Granada")).size() == 1 &&
              ficha.filter(QStringLiteral("Universidad de Granada")).first().contains(
                  QStringLiteral("8,6")))
      << ficha.join(u'\n').toStdString();
  VolverConBotones({grados->Ficha().MenuCar[7], grados->Pagina().BotRetroceder,
                    grados->Pagina().menui5});
  ASSERT_NO_FATAL_FAILURE(ComprobarVuelta(QStringLiteral("ENFER"), enfermeria));

  // A certificate by two words in any order, chosen with the mouse.
  Escribir(QStringLiteral("sanitario transporte"));
  const QStringList transporte = Filas();
  const int certificado = FilaDe(S().Texto(690), QStringLiteral("Transporte sanitario"));
  ASSERT_GE(certificado, 0) << transporte.join(u'\n').toStdString();
  Soltar(busqueda->ListResultados, certificado);
  auto* certificados = qobject_cast<TCertifica*>(Actual());
  ASSERT_NE(certificados, nullptr);
  EXPECT_TRUE(certificados->PanelResul->isVisible());
  EXPECT_EQ(certificados->LabelTitulo->text(), QStringLiteral("Transporte sanitario"));
  EXPECT_FALSE(certificados->LabelHoras->text().trimmed().isEmpty());
  VolverConBotones({certificados->BotRetrocederFP});
  ASSERT_NO_FATAL_FAILURE(ComprobarVuelta(QStringLiteral("sanitario transporte"), transporte));

  // An initial programme.
  Escribir(QStringLiteral("ayudante cocina"));
  const int programa = FilaDe(S().Texto(689), QStringLiteral("Ayudante de cocina"));
  ASSERT_GE(programa, 0) << Filas().join(u'\n').toStdString();
  busqueda->ListResultados->setCurrentRow(programa);
  QTest::keyClick(busqueda->ListResultados, Qt::Key_Enter);
  auto* programas = qobject_cast<TFIniPro*>(Actual());
  ASSERT_NE(programas, nullptr);
  EXPECT_EQ(programas->PanelCarSel->text(), QStringLiteral("Ayudante de cocina"));
  EXPECT_GT(programas->Listsel->count(), 0);
  VolverConBotones({programas->BotRetrocederFP});
  ASSERT_EQ(Actual(), busqueda);

  // A university: its degrees, with Enfermería among them (CARRERA's annotations).
  Escribir(QStringLiteral("universidad granada"));
  const int universidad = FilaDe(S().Texto(692), QStringLiteral("Universidad de Granada"));
  ASSERT_GE(universidad, 0) << Filas().join(u'\n').toStdString();
  Soltar(busqueda->ListResultados, universidad);
  grados = qobject_cast<TForm1*>(Actual());
  ASSERT_NE(grados, nullptr);
  EXPECT_EQ(grados->Pagina().PanelSelTit->text(), QStringLiteral("Universidad de Granada"));
  EXPECT_EQ(grados->Pagina().ListSel->Filas()
                .filter(QStringLiteral("Enfermer\u00eda (D)"))
                .size(),
            1);
  S().navegacion.Salir(*grados);
  ASSERT_EQ(Actual(), busqueda);

  // A higher vocational title: its card.
  Escribir(QStringLiteral("documentacion"));
  const int titulo = FilaDe(S().Texto(687), QStringLiteral("Documentaci\u00f3n Sanitaria"));
  ASSERT_GE(titulo, 0) << Filas().join(u'\n').toStdString();
  Soltar(busqueda->ListResultados, titulo);
  grados = qobject_cast<TForm1*>(Actual());
  ASSERT_NE(grados, nullptr);
  EXPECT_EQ(piezas::RecortadoQt(DeWin(S().tablas.titulosFP[grados->FP().TituloFPSel])),
            QStringLiteral("Documentaci\u00f3n Sanitaria"));

  // Esc closes the search: back to the hall.
  S().navegacion.Salir(*grados);
  ASSERT_EQ(Actual(), busqueda);
  QTest::keyClick(busqueda->EditBuscar, Qt::Key_Escape);
  EXPECT_EQ(Actual(), hall);
}

TEST_F(Busqueda, NadaSinPalabrasNiConPalabrasQueNoEmpiezanNada) {
  ASSERT_NO_FATAL_FAILURE(AbrirDesdeVestibulo({"I", "N"}));
  Escribir(QStringLiteral("nfermeria"));
  EXPECT_EQ(busqueda->ListResultados->count(), 0);
  EXPECT_EQ(busqueda->LabelEstado->text(), S().Texto(683));
  Escribir(QStringLiteral("   "));
  EXPECT_EQ(busqueda->ListResultados->count(), 0);
  EXPECT_TRUE(busqueda->LabelEstado->text().isEmpty());
}

// Catalan data as the program reads it from catVal/: "l·l" typed plainly.
TEST_F(Busqueda, EnCatalaBuscaLesDadesCatalanesAmbElaGeminada) {
  ASSERT_NO_FATAL_FAILURE(AbrirDesdeVestibulo({"I", "N", "1"}));
  Escribir(QStringLiteral("metal lurgia"));
  const QStringList filas = Filas();
  const QString nom = QStringLiteral("E T Mines: Mineral\u00fargia i Metal\u00b7l\u00fargia");
  const int fila = FilaDe(S().Texto(684), nom);
  ASSERT_GE(fila, 0) << filas.join(u'\n').toStdString();
  Escribir(QStringLiteral("metallurgia"));
  EXPECT_EQ(Filas(), filas);
  busqueda->ListResultados->setCurrentRow(FilaDe(S().Texto(684), nom));
  QTest::keyClick(busqueda->ListResultados, Qt::Key_Return);
  auto* grados = qobject_cast<TForm1*>(Actual());
  ASSERT_NE(grados, nullptr);
  EXPECT_EQ(piezas::RecortadoQt(DeWin(S().tablas.carreras[grados->Ficha().CarreraSel])), nom);
}

// Ctrl+F opens the search over a section, and leaving it returns there.
TEST_F(Busqueda, ControlFDesdeUnaSeccion) {
  ASSERT_NO_FATAL_FAILURE(Arrancar(SENDARO_INSTALACION, {"I", "N"}));
  CruzarPuerta(&Tform0::LabelCarrerasClick);
  QWidget* grados = Actual();
  ASSERT_NE(qobject_cast<TForm1*>(grados), nullptr);
  QTest::keyClick(grados, Qt::Key_F, Qt::ControlModifier);
  busqueda = qobject_cast<TBusqueda*>(Actual());
  ASSERT_NE(busqueda, nullptr);
  EXPECT_TRUE(busqueda->EditBuscar->hasFocus() || !QApplication::focusWidget());
  QTest::keyClick(busqueda->EditBuscar, Qt::Key_Escape);
  EXPECT_EQ(Actual(), grados);
}

}  // namespace
}  // namespace sendaro::prueba
