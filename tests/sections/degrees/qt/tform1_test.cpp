// The degrees screen driven as a person would: from the hall's door through
// the degree list, its filters and a card to its printout, the cut-off mark
// consultation on the map, and back step by step. Timers are stepped by
// calling their handlers; printouts go to PDF files that pdftotext reads.
#include "sections/degrees/qt/pagina_grados.h"
#include "sections/degrees/qt/visor_artes.h"
#include "sections/degrees/qt/visor_consulta.h"
#include "sections/degrees/qt/visor_cuestionario.h"
#include "sections/degrees/qt/visor_ficha.h"
#include "sections/degrees/qt/visor_fp.h"
#include "sections/degrees/qt/visor_nuevas.h"
#include "sections/degrees/qt/visor_universidades.h"
#include "sections/degrees/qt/tform1.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/qt/programa.h"
#include "qt/arbol_accesible.h"
#include "qt/arranque_completo.h"
#include "data/qt/impresora_qt.h"
#include "hall/qt/etiqueta_puerta.h"
#include "hall/qt/tform0.h"
#include "qt/apoyo.h"
#include "sections/degrees/qt/arriba_abajo.h"
#include "sections/degrees/qt/datos_grados.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "ui/ventana_principal.h"

namespace sendaro {
namespace {

class SonidoContado : public prueba::SonidoPrueba {
 public:
  void SonidoTecla(bool) override { ++teclas; }
  int teclas = 0;
};

QString Pdf(const QString& carpeta) {
  const QStringList pdfs =
      QDir(carpeta).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
  return pdfs.isEmpty() ? QString() : QDir(carpeta).filePath(pdfs.last());
}

QString TextoPdf(const QString& pdf) { return prueba::TextoPdf(pdf); }

class PantallaGrados : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pdfs.isValid());
    habiaPdf_ = qEnvironmentVariableIsSet("SENDARO_PDF_DIR");
    anteriorPdf_ = qgetenv("SENDARO_PDF_DIR");
    qputenv("SENDARO_PDF_DIR", pdfs.path().toUtf8());
    prueba::EscribirDatosGrados(ins);
    // The printouts' pictures come from this start-up only.
    ImagenesCompartidas().clear();
    Arrancar();
  }
  void TearDown() override {
    qApp->setStyleSheet(QString());
    if (habiaPdf_) {
      qputenv("SENDARO_PDF_DIR", anteriorPdf_);
    } else {
      qunsetenv("SENDARO_PDF_DIR");
    }
  }
  void Arrancar() {
    programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
    ASSERT_TRUE(prueba::ArrancarDelTodo(*programa, {ins.Carpeta(), {}}));
    hall = programa->Vestibulo();
    f = &programa->Navegar().Pantalla<TForm1>();
    ASSERT_NE(f, nullptr);
    programa->Ventana().show();
  }
  // The degrees door, with its opening and zoom stepped to the end.
  void PuertaDeCarreras() {
    hall->LabelCarrerasClick();
    for (int i = 0; i < 10 && hall->TimerPuerta->isActive(); ++i) hall->TimerPuertaTimer();
    for (int i = 0; i < 30 && hall->TimerZoom->isActive(); ++i) hall->TimerZoomTimer();
    ASSERT_EQ(programa->Ventana().Actual(), f);
  }
  void RevelarAyuda() {
    for (int i = 0; i < 8; ++i) f->Pagina().TimerAyudaTimer();
  }
  QStringList Lineas(const QListWidget* l) const {
    QStringList filas;
    for (int i = 0; i < l->count(); ++i) filas << l->item(i)->text();
    return filas;
  }
  // Opens a row as the keyboard does (Enter); a double click takes the same path.
  void AbrirFila(QListWidget* lista, int fila) {
    lista->setCurrentRow(fila);
    QTest::keyClick(lista, Qt::Key_Return);
  }
  void SobreMapa(int x, int y) {
    QMouseEvent mover(QEvent::MouseMove, QPointF(x, y), f->Pagina().mapa->mapToGlobal(QPointF(x, y)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f->Pagina().mapa, &mover);
  }
  void ClicMapa(int x, int y) {
    SobreMapa(x, y);
    QTest::mouseClick(f->Pagina().mapa, Qt::LeftButton, {}, QPoint(x, y));
  }
  bool Visible(const QWidget* w) const { return !w->isHidden(); }

  QTemporaryDir pdfs;
  prueba::InstalacionPrueba ins;
  prueba::DialogosPrueba dialogos;
  SonidoContado sonido;
  prueba::PantallaPrueba pantalla;
  std::unique_ptr<Programa> programa;
  Tform0* hall = nullptr;
  TForm1* f = nullptr;
  bool habiaPdf_ = false;
  QByteArray anteriorPdf_;
};

TEST_F(PantallaGrados, CreacionRotulosColoresYEntradasPosteriores) {
  EXPECT_EQ(f->windowTitle(), QStringLiteral("Sendaro  IES Pe\u00f1a Grande"));
  EXPECT_EQ(f->Pagina().MenuCarUni1->text(), QStringLiteral("T306"));
  EXPECT_EQ(f->Pagina().menui5->text(), QStringLiteral("Volver"));
  EXPECT_EQ(f->Ficha().MenuCar[5]->text(), QStringLiteral("T314"));
  EXPECT_EQ(f->Ficha().MenuCar[7]->text(), QStringLiteral("Volver"));
  EXPECT_EQ(f->Pagina().LabelAno->text(), QStringLiteral("T175\n2008-2009"));
  EXPECT_EQ(f->Pagina().LabelAno2->text(), QStringLiteral("IES Pe\u00f1a Grande"));
  EXPECT_EQ(f->Pagina().LabelAno2->font().pointSize(), 22);
  EXPECT_EQ(f->Pagina().MenuCarUniDoble->toolTip(), QStringLiteral("T244"));
  EXPECT_EQ(f->Pagina().ListSel->toolTip(), QStringLiteral("Clic~Clic - T230"));
  EXPECT_EQ(f->Consulta().LabelConsejo->text(), QStringLiteral("Requisitos de acceso:"));
  ASSERT_EQ(f->Consulta().listBachiL->count(), 6);
  EXPECT_EQ(f->Consulta().listBachiL->itemText(0), QStringLiteral("Bachillerato de Ciencias"));
  EXPECT_EQ(f->Consulta().listBachiL->itemText(5), QStringLiteral("T333"));
  EXPECT_EQ(f->Consulta().listBachiL->currentIndex(), -1);
  EXPECT_EQ(f->Ficha().ComSelCar->itemText(0), QStringLiteral("T223"));
  EXPECT_EQ(f->Ficha().BotSelcar->itemText(3), QStringLiteral("T336"));
  const Tema& tema = *BuscarTema('I');
  EXPECT_EQ(f->Pagina().PanelSelTit->palette().color(QPalette::Window), ColorQ(tema.ColorTitulo));
  EXPECT_EQ(f->Pagina().PanelMenu->palette().color(QPalette::Window), ColorQ(ColorMenu));
  EXPECT_EQ(f->Pagina().LabelAno->palette().color(QPalette::WindowText), ColorQ(tema.ColorAno));
  EXPECT_EQ(f->Pagina().MenuCarUni1->font().family(), QStringLiteral("Times New Roman"));
  // Every entry of the menus leads somewhere.
  for (QPushButton* b : {f->Pagina().MenuCarUni1, f->Pagina().menuCarUni3, f->Pagina().menui6, f->Pagina().MenuCarUniDoble,
                         f->Pagina().menunuevo0, f->Pagina().menunuevo1, f->Pagina().menunuevo2, f->Pagina().BotDanza}) {
    EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
  }
  for (QPushButton* b : f->findChildren<QPushButton*>()) {
    EXPECT_EQ(b->cursor().shape(), Qt::PointingHandCursor) << b->objectName().toStdString();
    // Announced by its text; one without text yet is not on view.
    EXPECT_TRUE(b->text().isEmpty() ? !b->isVisible()
                                    : !prueba::NombreAccesible(b).isEmpty())
        << b->objectName().toStdString();
  }
}

TEST_F(PantallaGrados, TamanoDelNombreDelCentro) {
  struct Caso {
    int longitud;
    int tamano;
  };
  for (const Caso& c : {Caso{30, 20}, Caso{45, 18}, Caso{46, 16}}) {
    ins.Ajustes(std::string(static_cast<std::size_t>(c.longitud), 'x'), 0, 0, 'I');
    Arrancar();
    EXPECT_EQ(f->Pagina().LabelAno2->font().pointSize(), c.tamano) << c.longitud;
  }
}

TEST_F(PantallaGrados, DesdeLaPuertaHastaLaFichaImpresaYVueltaAlVestibulo) {
  PuertaDeCarreras();
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu));
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 1);
  EXPECT_EQ(f->Ficha().PrimeraFilaLista, 0);

  // Submenus fly out beside their button.
  QEvent entrar(QEvent::Enter);
  QCoreApplication::sendEvent(f->Pagina().Menui3, &entrar);
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu3));
  EXPECT_EQ(f->Pagina().PanelMenu3->pos(), QPoint(f->Pagina().PanelMenu->x() + f->Pagina().PanelMenu->width(),
                                         f->Pagina().PanelMenu->y() + f->Pagina().Menui3->y() - 30));
  QCoreApplication::sendEvent(f->Pagina().menui2, &entrar);
  EXPECT_FALSE(Visible(f->Pagina().PanelMenu3));
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu2));
  QCoreApplication::sendEvent(f->Pagina().menui6, &entrar);
  EXPECT_FALSE(Visible(f->Pagina().PanelMenu2));

  prueba::Pulsar(f->Pagina().MenuCarUni1);
  EXPECT_FALSE(Visible(f->Pagina().PanelMenu));
  EXPECT_EQ(Lineas(f->Pagina().ListSel),
            (QStringList{QStringLiteral("Medicina (L)"), QStringLiteral("Derecho (L)"),
                         QStringLiteral("I T Informatica"),
                         QStringLiteral("Psicopedagogia (2o ciclo)")}));
  EXPECT_EQ(f->Pagina().PanelCarSel->text(), QStringLiteral("T589: T590"));
  EXPECT_TRUE(f->Pagina().ListaActiva);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 12);

  // Branch 1 (code 19): degree 2 (any branch, 15) and 3.
  f->Ficha().ComSelCar->setCurrentIndex(1);
  emit f->Ficha().ComSelCar->activated(1);
  EXPECT_EQ(Lineas(f->Pagina().ListSel),
            (QStringList{QStringLiteral("Derecho (L)"), QStringLiteral("I T Informatica")}));
  EXPECT_EQ(f->Pagina().PanelCarSel->text(), QStringLiteral("T589: 2 T591 4"));
  // Then type 2 (long cycle) over it, with its help topic.
  emit f->Ficha().BotSelcar->activated(2);
  EXPECT_EQ(Lineas(f->Pagina().ListSel), QStringList{QStringLiteral("Derecho (L)")});
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 11);
  emit f->Ficha().ComSelCar->activated(0);
  emit f->Ficha().BotSelcar->activated(0);
  ASSERT_EQ(f->Pagina().ListSel->count(), 4);

  // Open the first degree's card.
  AbrirFila(f->Pagina().ListSel, 0);
  EXPECT_EQ(f->Ficha().CarreraSel, 1);
  EXPECT_TRUE(Visible(f->Ficha().PanelCar));
  EXPECT_EQ(f->Pagina().ListSel->count(), 0);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 14);
  ASSERT_TRUE(f->Pagina().TimerParpadeo->isActive());
  QString visto;
  for (int i = 0; i < 9; ++i) {
    f->Pagina().TimerParpadeoTimer();
    visto += f->Pagina().PanelCarSel->text().isEmpty() ? QLatin1Char('-') : QLatin1Char('N');
  }
  EXPECT_EQ(visto, QStringLiteral("N-N-N-N-N"));
  EXPECT_FALSE(f->Pagina().TimerParpadeo->isActive());
  EXPECT_EQ(f->Pagina().PanelCarSel->text(), QStringLiteral("Medicina (L)"));

  // Every view.
  prueba::Pulsar(f->Ficha().MenuCar[0]);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 21);
  EXPECT_EQ(f->Pagina().ListSel->font().family(), QStringLiteral("Courier New"));
  const QStringList universidades = Lineas(f->Pagina().ListSel);
  ASSERT_EQ(universidades.size(), 3);
  EXPECT_EQ(universidades[0],
            QStringLiteral("Universidad de Sevilla").leftJustified(45) + QStringLiteral(" 5,7"));
  EXPECT_EQ(universidades[1].mid(45), QStringLiteral("  - "));
  EXPECT_EQ(universidades[2].mid(45), QStringLiteral(" 8,0"));
  EXPECT_TRUE(f->Pagina().PanelSelTit->text().endsWith(QStringLiteral("T296")));
  EXPECT_TRUE(f->Ficha().MenuCar[0]->font().italic());
  EXPECT_FALSE(f->Pagina().ListaActiva);

  prueba::Pulsar(f->Ficha().MenuCar[1]);
  EXPECT_EQ(Lineas(f->Pagina().ListSel), QStringList{QStringLiteral("Bachillerato de Salud")});
  prueba::Pulsar(f->Ficha().MenuCar[2]);
  EXPECT_EQ(Lineas(f->Pagina().ListSel),
            (QStringList{QStringLiteral("Hospitales"), QStringLiteral("Investigacion")}));
  prueba::Pulsar(f->Ficha().MenuCar[3]);
  EXPECT_EQ(f->Pagina().PanelSelTit->text(), QStringLiteral("T312"));
  EXPECT_EQ(Lineas(f->Pagina().ListSel),
            (QStringList{QStringLiteral(" T651"), QStringLiteral("    T658"),
                         QStringLiteral(" T500"), QStringLiteral(" "),
                         QStringLiteral("\u2022  Anatomia"), QStringLiteral("  practicas")}));
  prueba::Pulsar(f->Ficha().MenuCar[4]);
  EXPECT_EQ(f->Pagina().PanelSelTit->text(), QStringLiteral("T313"));
  EXPECT_EQ(
      Lineas(f->Pagina().ListSel),
      (QStringList{QStringLiteral("T295"), QStringLiteral("Psicopedagogia (2o ciclo)"), QString(),
                   QStringLiteral("T178"), QStringLiteral("Psicopedagogia (2o ciclo)")}));
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 20);
  // The way to the bridge dialog, under the last row.
  EXPECT_TRUE(Visible(f->Ficha().BotFP));

  // The whole card, printed to a PDF file.
  prueba::Pulsar(f->Ficha().MenuCar[5]);
  const QString pdf = Pdf(pdfs.path());
  ASSERT_FALSE(pdf.isEmpty());
  const QString texto = TextoPdf(pdf);
  for (const char* esperado : {"T290: Medicina (L)",
                               "IES Pe\xC3\xB1"
                               "a Grande",
                               "Universidad de Oviedo", "8,0", "Bachillerato de Salud",
                               "Investigacion", "Anatomia", "Psicopedagogia (2o ciclo)", "T295"}) {
    EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado;
  }
  EXPECT_EQ(f->Ficha().UltimaFicha().negritas.size(), 5u);
  EXPECT_TRUE(f->Pagina().PanelSelTit->text().isEmpty());
  // The header picture loaded at start-up is in the page header.
  QProcess imagenes;
  imagenes.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
  ASSERT_TRUE(imagenes.waitForFinished(60000));
  EXPECT_EQ(QString::fromUtf8(imagenes.readAllStandardOutput()).count(QStringLiteral("image")), 1);

  // Back to the list, at the row it showed; then to the menu; then the hall.
  prueba::Pulsar(f->Ficha().MenuCar[6]);
  EXPECT_EQ(f->Pagina().ListSel->count(), 4);
  EXPECT_FALSE(Visible(f->Ficha().PanelCar));
  QTest::mouseClick(f->Ficha().BitRetroSelCar, Qt::LeftButton, {}, f->Ficha().BitRetroSelCar->rect().center());
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu));
  EXPECT_FALSE(Visible(f->Pagina().PanelSel));
  EXPECT_FALSE(f->Pagina().ListaActiva);
  prueba::Pulsar(f->Pagina().menui5);
  EXPECT_EQ(programa->Ventana().Actual(), hall);
  EXPECT_FALSE(Visible(f->Pagina().PanelMenu));
}

TEST_F(PantallaGrados, ConsultaDeNotasDeCorte) {
  PuertaDeCarreras();
  prueba::Pulsar(f->Pagina().MenuCarUni1);
  prueba::Pulsar(f->Consulta().MenuCarUni2);
  EXPECT_TRUE(f->Consulta().ModoConsulta);
  EXPECT_TRUE(f->Consulta().FichaDesdeConsulta);
  EXPECT_TRUE(Visible(f->Pagina().mapa));
  EXPECT_TRUE(Visible(f->Consulta().panelconsulta));
  EXPECT_FALSE(Visible(f->Pagina().PanelSel));
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 9);
  EXPECT_EQ(f->Consulta().MaskEdit1->text(), QStringLiteral("5"));
  EXPECT_EQ(f->Consulta().MaskEdit2->text(), QStringLiteral("0"));

  // A branch before any community: the missing community is named.
  f->Consulta().listBachiL->setCurrentIndex(1);  // code 20
  EXPECT_EQ(Lineas(f->Consulta().Listcon), (QStringList{QString(), QString(), QStringLiteral("T661T662")}));

  // Hovering names the community; the pixel column 0 picks nothing.
  SobreMapa(0, 30);
  EXPECT_EQ(f->Pagina().RegionMapa, 0);
  SobreMapa(70, 30);
  EXPECT_EQ(f->Pagina().RegionMapa, 3);
  EXPECT_EQ(f->Pagina().PanelMapa->text(), QStringLiteral("Asturias"));
  EXPECT_EQ(f->Pagina().PanelMapa->geometry().topLeft(), QPoint(70, 140));
  // Community 18 lists community 1's universities under its own name.
  ClicMapa(30, 30);
  EXPECT_EQ(f->Consulta().PanelconsultaTit->text(), QStringLiteral("Ceuta"));
  EXPECT_EQ(f->Pagina().ComunidadSel, 1);
  EXPECT_EQ(f->Consulta().UniversidadesLista, (std::vector<int>{1, 2}));
  // Mark 5,0, branch Salud: Derecho (5,0, any branch) at Sevilla only.
  EXPECT_EQ(Lineas(f->Consulta().Listcon), (QStringList{QStringLiteral("-  Universidad de Sevilla"),
                                             QStringLiteral("Derecho (L)").leftJustified(45) +
                                                 QStringLiteral(" 5,0")}));
  EXPECT_TRUE(Visible(f->Consulta().BotImprimirCon));

  // 5,7 reaches Medicina at Sevilla; Granada's 10 is never offered.
  f->Consulta().UpDown2->Subir();
  for (int i = 0; i < 6; ++i) f->Consulta().UpDown2->Subir();
  EXPECT_EQ(f->Consulta().MaskEdit2->text(), QStringLiteral("7"));
  EXPECT_EQ(
      Lineas(f->Consulta().Listcon),
      (QStringList{QStringLiteral("-  Universidad de Sevilla"),
                   QStringLiteral("Medicina (L)").leftJustified(45) + QStringLiteral(" 5,7"),
                   QStringLiteral("Derecho (L)").leftJustified(45) + QStringLiteral(" 5,0")}));
  // Difficulty from 4 up: Derecho (3) leaves.
  f->Consulta().TrackDif->setValue(4);
  EXPECT_EQ(f->Consulta().LabelDificultad->text(), QStringLiteral("T652"));
  EXPECT_EQ(f->Consulta().LabelDificultad2->text(), QStringLiteral("T656"));
  EXPECT_EQ(f->Consulta().Listcon->count(), 2);
  f->Consulta().TrackDif->setValue(7);
  EXPECT_EQ(Lineas(f->Consulta().Listcon), (QStringList{QString(), QString(), QStringLiteral("T660")}));
  f->Consulta().TrackDif->setValue(1);

  // The printout: nine heading lines, then the rows.
  prueba::Pulsar(f->Consulta().BotImprimirCon);
  const QString texto = TextoPdf(Pdf(pdfs.path()));
  for (const char* esperado : {"IES Pe\xC3\xB1"
                               "a Grande",
                               "T331", "Bachillerato de Salud", "T332 Andalucia", "T652 T653",
                               "Universidad de Sevilla", "Medicina (L)"}) {
    EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado;
  }

  EXPECT_TRUE(texto.contains(QRegularExpression(QStringLiteral("T296:\\s+5,7"))));
  // A header row opens nothing; a degree row opens its card.
  AbrirFila(f->Consulta().Listcon, 0);
  EXPECT_TRUE(f->Consulta().ModoConsulta);
  AbrirFila(f->Consulta().Listcon, 1);
  EXPECT_FALSE(f->Consulta().ModoConsulta);
  EXPECT_FALSE(Visible(f->Pagina().mapa));
  EXPECT_EQ(f->Ficha().CarreraSel, 1);
  EXPECT_TRUE(Visible(f->Ficha().PanelCar));
  EXPECT_TRUE(Visible(f->Pagina().PanelSel));
  prueba::Pulsar(f->Ficha().MenuCar[0]);
  EXPECT_EQ(f->Pagina().ListSel->count(), 3);
}

TEST_F(PantallaGrados, VolverDeLaConsultaYSusEntradasSeConservan) {
  PuertaDeCarreras();
  prueba::Pulsar(f->Pagina().MenuCarUni1);
  prueba::Pulsar(f->Consulta().MenuCarUni2);
  f->Consulta().listBachiL->setCurrentIndex(5);
  prueba::Pulsar(f->Consulta().RetroConsultas);
  EXPECT_FALSE(f->Consulta().ModoConsulta);
  EXPECT_FALSE(f->Consulta().FichaDesdeConsulta);
  EXPECT_FALSE(Visible(f->Consulta().panelconsulta));
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu));
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 1);
  prueba::Pulsar(f->Pagina().MenuCarUni1);
  prueba::Pulsar(f->Consulta().MenuCarUni2);
  EXPECT_EQ(f->Consulta().listBachiL->currentIndex(), 5);
}

TEST_F(PantallaGrados, BurbujaDeAyudaLineaALineaConTeclaYFiguras) {
  f->Pagina().MostrarAyuda(3);
  EXPECT_TRUE(Visible(f->Pagina().payuda));
  EXPECT_TRUE(f->Pagina().TimerAyuda->isActive());
  for (QLabel* l : f->Pagina().LabelAyu) EXPECT_TRUE(l->text().isEmpty());
  f->Pagina().TimerAyudaTimer();
  EXPECT_TRUE(f->Pagina().LabelAyu[0]->text().isEmpty());
  EXPECT_EQ(sonido.teclas, 0);
  f->Pagina().TimerAyudaTimer();
  EXPECT_EQ(f->Pagina().LabelAyu[1]->text(), QStringLiteral("T349"));
  EXPECT_EQ(sonido.teclas, 1);
  EXPECT_TRUE(f->Pagina().LabelAyu[2]->text().isEmpty());
  for (int i = 0; i < 6; ++i) f->Pagina().TimerAyudaTimer();
  EXPECT_FALSE(f->Pagina().TimerAyuda->isActive());
  EXPECT_EQ(sonido.teclas, 6);
  EXPECT_EQ(f->Pagina().LabelAyu[6]->text(), QStringLiteral("T354"));
  EXPECT_EQ(f->Pagina().chica->pixmap().toImage(), hall->ImageList1().value(7).toImage());

  // An unknown topic shows the previous topic's lines again.
  f->Pagina().MostrarAyuda(16);
  EXPECT_TRUE(f->Pagina().LabelAyu[1]->text().isEmpty());
  RevelarAyuda();
  EXPECT_EQ(f->Pagina().LabelAyu[1]->text(), QStringLiteral("T349"));
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 3);
}

TEST_F(PantallaGrados, VolverDesdeLaListaDeUnaComunidadAlMapaYAlMenu) {
  PuertaDeCarreras();
  // The universities of a community on view, as their browser leaves them.
  f->Pagina().PanelMenu->hide();
  f->Pagina().PanelSel->show();
  f->Pagina().ListSel->show();
  f->Pagina().ListComunidad->show();
  f->Pagina().BotRetroceder->show();
  prueba::Pulsar(f->Pagina().BotRetroceder);
  EXPECT_TRUE(Visible(f->Pagina().mapa));
  EXPECT_FALSE(Visible(f->Pagina().ListComunidad));
  EXPECT_FALSE(Visible(f->Pagina().PanelSel));
  EXPECT_FALSE(Visible(f->Pagina().PanelMenu));
  f->Pagina().MostrarAyuda(31);
  prueba::Pulsar(f->Pagina().BotRetroceder);
  EXPECT_FALSE(Visible(f->Pagina().mapa));
  EXPECT_FALSE(Visible(f->Pagina().BotRetroceder));
  EXPECT_TRUE(Visible(f->Pagina().PanelMenu));
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 1);
}

TEST_F(PantallaGrados, CerrarSinConfirmarLoDejaTodoComoEstaba) {
  PuertaDeCarreras();
  prueba::Pulsar(f->Pagina().MenuCarUni1);
  const auto visibles = [this] {
    QStringList v;
    for (QWidget* w : f->findChildren<QWidget*>()) {
      if (!w->isHidden()) v << w->objectName();
    }
    return v;
  };
  const QStringList antes = visibles();
  dialogos.ResponderConBoton(QStringLiteral("ShadowNo"));
  EXPECT_FALSE(f->FormCloseQuery());
  EXPECT_EQ(dialogos.ejecutados, QStringList{QStringLiteral("TForm4")});
  EXPECT_EQ(visibles(), antes);
  EXPECT_EQ(programa->Ventana().Actual(), f);
  EXPECT_FALSE(programa->Estado().FalloGrave());
}

TEST_F(PantallaGrados, LaListaRecuerdaSuDesplazamientoEntreFichas) {
  std::vector<std::string> lineas;
  for (int d = 1; d <= 80; ++d) lineas.push_back("Carrera " + std::to_string(100 + d));
  for (int g = 0; g < 4; ++g) lineas.push_back("Grupo");
  ins.Escribir(QStringLiteral("CARRERA"), prueba::Lineas(lineas));
  Arrancar();
  PuertaDeCarreras();
  prueba::Pulsar(f->Pagina().MenuCarUni1);
  ASSERT_EQ(f->Pagina().ListSel->count(), 80);
  EXPECT_EQ(f->Pagina().ListSel->PrimeraVisible(), 0);
  f->Pagina().ListSel->MostrarDesde(30);
  AbrirFila(f->Pagina().ListSel, 35);
  EXPECT_EQ(f->Ficha().CarreraSel, 36);
  EXPECT_EQ(f->Ficha().PrimeraFilaLista, 30);
  prueba::Pulsar(f->Ficha().MenuCar[6]);
  EXPECT_EQ(f->Pagina().ListSel->PrimeraVisible(), 30);
  // The hall's door starts the list at its top again.
  prueba::Pulsar(f->Ficha().MenuCar[7]);
  prueba::Pulsar(f->Pagina().menui5);
  PuertaDeCarreras();
  prueba::Pulsar(f->Pagina().MenuCarUni1);
  EXPECT_EQ(f->Pagina().ListSel->PrimeraVisible(), 0);
}

// The degree list answers the keys from the first press: End goes to the
// last degree and shows it, Down to the second; a refilled list starts over.
TEST_F(PantallaGrados, LasTeclasMuevenLaListaDesdeLaPrimeraPulsacion) {
  std::vector<std::string> lineas;
  for (int d = 1; d <= 80; ++d) lineas.push_back("Carrera " + std::to_string(100 + d));
  for (int g = 0; g < 4; ++g) lineas.push_back("Grupo");
  ins.Escribir(QStringLiteral("CARRERA"), prueba::Lineas(lineas));
  Arrancar();
  PuertaDeCarreras();
  prueba::Pulsar(f->Pagina().MenuCarUni1);
  ASSERT_EQ(f->Pagina().ListSel->count(), 80);
  QTest::keyClick(f->Pagina().ListSel, Qt::Key_End);
  EXPECT_EQ(f->Pagina().ListSel->currentRow(), 79);
  EXPECT_TRUE(f->Pagina().ListSel->item(79)->isSelected());
  EXPECT_GT(f->Pagina().ListSel->PrimeraVisible(), 50);
  QTest::keyClick(f->Pagina().ListSel, Qt::Key_Home);
  EXPECT_EQ(f->Pagina().ListSel->currentRow(), 0);
  EXPECT_EQ(f->Pagina().ListSel->PrimeraVisible(), 0);

  // Enter opens the degree the keys reached.
  QTest::keyClick(f->Pagina().ListSel, Qt::Key_Return);
  EXPECT_EQ(f->Ficha().CarreraSel, 1);

  prueba::Pulsar(f->Ficha().MenuCar[7]);
  prueba::Pulsar(f->Pagina().menui5);
  PuertaDeCarreras();
  prueba::Pulsar(f->Pagina().MenuCarUni1);
  ASSERT_EQ(f->Pagina().ListSel->currentRow(), -1);
  QTest::keyClick(f->Pagina().ListSel, Qt::Key_Down);
  EXPECT_EQ(f->Pagina().ListSel->currentRow(), 1);
  EXPECT_TRUE(f->Pagina().ListSel->item(1)->isSelected());
  QTest::keyClick(f->Pagina().ListSel, Qt::Key_Return);
  EXPECT_EQ(f->Ficha().CarreraSel, 2);
}

TEST_F(PantallaGrados, LaEtiquetaDelMapaMuestraElNombreEntero) {
  std::vector<std::string> comunidades;
  for (int c = 1; c <= 19; ++c) comunidades.push_back((c < 10 ? "0" : "") + std::to_string(c) + "Comunidad");
  comunidades[2] = "03Asturias (Principado de)";
  ins.Escribir(QStringLiteral("COMUNIDA"), prueba::Lineas(comunidades));
  Arrancar();
  PuertaDeCarreras();
  prueba::Pulsar(f->Pagina().MenuCarUni1);
  prueba::Pulsar(f->Consulta().MenuCarUni2);
  SobreMapa(70, 30);
  QLabel* etiqueta = f->Pagina().PanelMapa;
  EXPECT_EQ(etiqueta->text(), QStringLiteral("Asturias (Principado de)"));
  EXPECT_GE(etiqueta->contentsRect().width(),
            etiqueta->fontMetrics().horizontalAdvance(etiqueta->text()));
  EXPECT_EQ(etiqueta->geometry().topLeft(), QPoint(70, 140));
}

TEST_F(PantallaGrados, LasPistasVanALaEtiquetaDelMapa) {
  QStatusTipEvent pista(QStringLiteral("T231"));
  QCoreApplication::sendEvent(f, &pista);
  EXPECT_EQ(f->Pagina().PanelMapa->text(), QStringLiteral("T231"));
  EXPECT_EQ(f->Universidades().BotIntUni->statusTip(), QStringLiteral("T231"));
}

TEST_F(PantallaGrados, LaPuertaDeFPAbreSuMenu) {
  for (EtiquetaPuerta* puerta : {hall->LabelFpS}) {
    prueba::Pulsar(puerta);
    for (int i = 0; i < 10 && hall->TimerPuerta->isActive(); ++i) hall->TimerPuertaTimer();
    for (int i = 0; i < 30 && hall->TimerZoom->isActive(); ++i) hall->TimerZoomTimer();
    ASSERT_EQ(programa->Ventana().Actual(), f);
    // The vocational door opens the vocational menu, the other the main menu.
    const bool fp = puerta == hall->LabelFpS;
    EXPECT_EQ(Visible(f->Pagina().PanelMenu), !fp);
    EXPECT_EQ(Visible(f->FP().PanelFP), fp);
    prueba::Pulsar(fp ? f->FP().menuFP3 : f->Pagina().menui5);
    EXPECT_EQ(programa->Ventana().Actual(), hall);
  }
}

TEST_F(PantallaGrados, DesdeElAsistenteVuelveAlAsistente) {
  PuertaDeCarreras();
  programa->Estado().DesdeAsistente = true;
  prueba::Pulsar(f->Pagina().menui5);
  QWidget* asistente = programa->Navegar().Creada(Seccion::kAsistente);
  ASSERT_NE(asistente, nullptr);
  EXPECT_EQ(programa->Ventana().Actual(), asistente);
}

}  // namespace
}  // namespace sendaro
