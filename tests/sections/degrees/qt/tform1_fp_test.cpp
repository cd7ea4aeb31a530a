// The higher vocational titles on the sample installation, driven as a
// person would from the hall's C.F.G.S. door: families and the title
// pop-up, a title's card and views, its whole printout with the choice of
// communities, centres by place (provinces and towns, Catalonia's comarcas
// and Barcelona, Madrid's zones) with the branch filter, phones and the
// printed grid, a title opened from the grid, and the bridge dialog from a
// title card and from a degree card. Printouts go to PDF files.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <array>
#include <filesystem>
#include <map>
#include <memory>

#include "app/qt/programa.h"
#include "qt/arranque_completo.h"
#include "data/mapas.h"
#include "hall/qt/tform0.h"
#include "qt/apoyo.h"
#include "sections/degrees/centros_fp.h"
#include "sections/degrees/mapa_comunidades.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/pagina_grados.h"
#include "sections/degrees/qt/visor_artes.h"
#include "sections/degrees/qt/visor_consulta.h"
#include "sections/degrees/qt/visor_cuestionario.h"
#include "sections/degrees/qt/visor_ficha.h"
#include "sections/degrees/qt/visor_fp.h"
#include "sections/degrees/qt/visor_nuevas.h"
#include "sections/degrees/qt/visor_universidades.h"
#include "sections/degrees/qt/tform1.h"
#include "sections/degrees/qt/tform6.h"
#include "sections/degrees/titulos_fp.h"
#include "ui/servicios.h"
#include "ui/ventana_principal.h"
#include "qt/rutas_prueba.h"

namespace sendaro {
namespace {

QStringList Pdfs(const QString& carpeta) {
  return QDir(carpeta).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

QString TextoPdf(const QString& pdf) { return prueba::TextoPdf(pdf); }

class PantallaFP : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pdfs.isValid());
    ASSERT_TRUE(copia.isValid());
    habiaPdf_ = qEnvironmentVariableIsSet("SENDARO_PDF_DIR");
    anteriorPdf_ = qgetenv("SENDARO_PDF_DIR");
    qputenv("SENDARO_PDF_DIR", pdfs.path().toUtf8());
    // A copy of the sample installation: the program may write its settings.
    std::filesystem::copy(SENDARO_INSTALACION, copia.path().toStdString(),
                          std::filesystem::copy_options::recursive);
    programa = std::make_unique<Programa>(dialogos, sonido, pantalla);
    ASSERT_TRUE(prueba::ArrancarDelTodo(*programa, {copia.path().toStdString(), {}}));
    hall = programa->Vestibulo();
    f = &programa->Navegar().Pantalla<TForm1>();
    ASSERT_NE(f, nullptr);
    programa->Ventana().show();
    puntos = TablaPuntos(programa->Comunes().puntos);
  }
  void TearDown() override {
    qApp->setStyleSheet(QString());
    if (habiaPdf_) {
      qputenv("SENDARO_PDF_DIR", anteriorPdf_);
    } else {
      qunsetenv("SENDARO_PDF_DIR");
    }
  }
  const TablasDatos& Tablas() { return programa->Comunes().tablas; }
  // Catalogue text n of the sample, as captions show it.
  QString Texto(int n) { return programa->Comunes().Texto(n).trimmed(); }
  void PuertaFP() {
    hall->LabelFpSClick();
    for (int i = 0; i < 10 && hall->TimerPuerta->isActive(); ++i) hall->TimerPuertaTimer();
    for (int i = 0; i < 30 && hall->TimerZoom->isActive(); ++i) hall->TimerZoomTimer();
    ASSERT_EQ(programa->Ventana().Actual(), f);
  }
  static bool Visible(const QWidget* w) { return !w->isHidden(); }
  static QStringList Filas(const QListWidget* l) {
    QStringList s;
    for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
    return s;
  }
  // A left click on a list row, released where it was pressed.
  static void ClicFila(QListWidget* l, int fila) {
    l->scrollToItem(l->item(fila));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(fila)).center());
  }
  // The first pixel of a region on one of the maps.
  QPoint PixelDe(Mapa mapa, int region) const {
    for (int x = 1; x <= TablaPuntos::kColumnas; ++x) {
      for (int y = 1; y <= TablaPuntos::Filas(mapa); ++y) {
        if (puntos.Valor(mapa, x, y) == region) return {x, y};
      }
    }
    return {-1, -1};
  }
  void ClicEn(QWidget* imagen, QPoint p) {
    QMouseEvent mover(QEvent::MouseMove, QPointF(p), imagen->mapToGlobal(QPointF(p)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(imagen, &mover);
    QTest::mouseClick(imagen, Qt::LeftButton, {}, p);
  }
  void ClicComunidad(int c) {
    const QPoint p = PixelDe(Mapa::kComunidades, c);
    ASSERT_GE(p.x(), 1) << c;
    ASSERT_EQ(ComunidadEn(programa->Comunes().puntos, p.x(), p.y()), c);
    ClicEn(f->Pagina().mapa, p);
  }
  // The grid's rows as text.
  QStringList Reja() const {
    QStringList s;
    for (int r = 0; r < f->FP().reja->rowCount(); ++r) s << f->FP().reja->item(r, 0)->text();
    return s;
  }
  int TopeReja() const { return f->FP().reja->rowAt(0); }

  QTemporaryDir pdfs;
  QTemporaryDir copia;
  prueba::DialogosPrueba dialogos;
  prueba::SonidoPrueba sonido;
  prueba::PantallaPrueba pantalla;
  std::unique_ptr<Programa> programa;
  Tform0* hall = nullptr;
  TForm1* f = nullptr;
  TablaPuntos puntos;
  bool habiaPdf_ = false;
  QByteArray anteriorPdf_;
};

TEST_F(PantallaFP, FamiliasTituloVistasImpresionConEleccionYPasarela) {
  PuertaFP();
  EXPECT_TRUE(Visible(f->FP().PanelFP));
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 2);
  EXPECT_EQ(f->FP().MenuFP1->text(), Texto(316));

  prueba::Pulsar(f->FP().MenuFP1);
  EXPECT_FALSE(Visible(f->FP().PanelFP));
  EXPECT_TRUE(Visible(f->FP().listSelFP));
  EXPECT_TRUE(Visible(f->FP().RetroFP));
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 33);
  const QStringList familias = Filas(f->FP().listSelFP);
  ASSERT_EQ(familias.size(), Tablas().familiasFP.Cuenta());
  EXPECT_EQ(familias.front(), QStringLiteral("< Actividades Agrarias"));
  for (const QString& fam : familias) {
    EXPECT_TRUE(fam.startsWith(QStringLiteral("< "))) << fam.toStdString();
    EXPECT_FALSE(fam.contains(QLatin1Char('|'))) << fam.toStdString();
    EXPECT_NE(fam.at(2), QLatin1Char(' ')) << fam.toStdString();
  }
  // The second group follows the first, each sorted.
  const int segundo =
      familias.indexOf(QStringLiteral("< Administración y Gestión (nuevos títulos)"));
  EXPECT_GT(segundo, familias.indexOf(QStringLiteral("< Vidrio y Cerámica")));

  // A family in the upper half: the pop-up starts level with its row.
  ClicFila(f->FP().listSelFP, 3);
  ASSERT_TRUE(Visible(f->FP().ListTitFP));
  EXPECT_TRUE(Visible(f->FP().ListFPExpli));
  EXPECT_TRUE(Visible(f->FP().Labeltitulo));
  EXPECT_EQ(f->FP().ListTitFP->x(), f->FP().listSelFP->mapTo(f->Pagina().Panelinicio, QPoint(0, 0)).x() - 325);
  EXPECT_EQ(f->FP().ListFPExpli->y(), f->FP().ListTitFP->geometry().bottom() + 2);
  EXPECT_GE(f->FP().ListTitFP->count(), 2);
  EXPECT_EQ(f->FP().ListFPExpli->item(0)->text(), QStringLiteral("      ") + Texto(271));
  const int filaArriba =
      f->FP().listSelFP
          ->mapTo(f->Pagina().Panelinicio, f->FP().listSelFP->visualItemRect(f->FP().listSelFP->item(3)).topLeft())
          .y();
  EXPECT_NEAR(f->FP().ListTitFP->y(), filaArriba, 3);
  // Hovering a title shows its own description.
  const QStringList antes = Filas(f->FP().ListFPExpli);
  QMouseEvent mover(QEvent::MouseMove,
                    QPointF(f->FP().ListTitFP->visualItemRect(f->FP().ListTitFP->item(1)).center()),
                    QPointF(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(f->FP().ListTitFP->viewport(), &mover);
  EXPECT_NE(Filas(f->FP().ListFPExpli), antes);
  // The last family's pop-up stays clear of the help bubble.
  ClicFila(f->FP().listSelFP, f->FP().listSelFP->count() - 1);
  ASSERT_TRUE(Visible(f->Pagina().payuda));
  for (QWidget* w : std::initializer_list<QWidget*>{f->FP().ListTitFP, f->FP().ListFPExpli,
                                                    f->FP().Labeltitulo}) {
    EXPECT_FALSE(w->geometry().intersects(f->Pagina().payuda->geometry()))
        << w->objectName().toStdString();
  }
  ClicFila(f->FP().listSelFP, 3);
  // The page keeps the pop-up inside it.
  EXPECT_GE(f->FP().Labeltitulo->y(), 0);
  EXPECT_LE(f->FP().ListFPExpli->geometry().bottom(), 768);

  // A title opens its card.
  const QString nombre = f->FP().ListTitFP->item(0)->text();
  QTest::mouseClick(f->FP().ListTitFP->viewport(), Qt::LeftButton, {},
                    f->FP().ListTitFP->visualItemRect(f->FP().ListTitFP->item(0)).center());
  EXPECT_FALSE(Visible(f->FP().ListTitFP));
  EXPECT_TRUE(Visible(f->FP().PanelFpTit));
  EXPECT_EQ(f->Pagina().PanelCarSel->text(), nombre);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 14);
  const int titulo = f->FP().TituloFPSel;
  ASSERT_GT(titulo, 0);

  prueba::Pulsar(f->FP().MenuFpTit2);
  EXPECT_EQ(f->Pagina().PanelSelTit->text(), Texto(277));
  EXPECT_EQ(f->FP().listSelFP->count(),
            static_cast<int>(Tablas().datosCarreras.RequisitosTitulo(titulo).size()));
  prueba::Pulsar(f->FP().MenuFpTit3);
  EXPECT_GE(f->FP().listSelFP->count(), 14);
  EXPECT_EQ(f->FP().listSelFP->font().family(), QStringLiteral("Courier New"));
  prueba::Pulsar(f->FP().MenuFpTit4);
  EXPECT_GE(f->FP().listSelFP->count(), 3);
  EXPECT_TRUE(f->FP().MenuFpTit4->font().italic());

  // The bridge dialog from the card.
  dialogos.ResponderConBoton(QStringLiteral("BotCerrar1"), [](QDialog& d) {
    auto* puente = qobject_cast<TForm6*>(&d);
    ASSERT_NE(puente, nullptr);
    EXPECT_GT(puente->ListCar->count(), 20);
    EXPECT_EQ(puente->ListFP->count(), 0);
    QTest::mouseClick(puente->ListCar->viewport(), Qt::LeftButton, {},
                      puente->ListCar->visualItemRect(puente->ListCar->item(0)).center());
    EXPECT_GT(puente->ListFP->count(), 0);
    // Long names wrap inside the lists: nothing runs past their right edge.
    for (QListWidget* l : {puente->ListCar, puente->ListFP}) {
      EXPECT_EQ(l->horizontalScrollBar()->maximum(), 0) << l->objectName().toStdString();
      for (int i = 0; i < l->count(); ++i) {
        const QListWidgetItem* fila = l->item(i);
        if (l->fontMetrics().horizontalAdvance(fila->text()) > l->viewport()->width()) {
          EXPECT_GT(l->visualItemRect(fila).height(), l->fontMetrics().height() * 3 / 2)
              << fila->text().toStdString();
        }
      }
    }
  });
  prueba::Pulsar(f->FP().MenuFpTit42);
  EXPECT_EQ(dialogos.ejecutados.value(0), QStringLiteral("TForm6"));

  // The whole printout on screen, then printed: it is long, so the choice opens.
  prueba::Pulsar(f->FP().MenuFPTitTodo);
  EXPECT_GT(f->FP().listSelFP->count(), 150);
  EXPECT_TRUE(f->FP().listSelFP->item(0)->font().bold());
  prueba::Pulsar(f->FP().MenuFpTit5);
  EXPECT_TRUE(Visible(f->FP().PanelImp));
  EXPECT_TRUE(Visible(f->Pagina().mapa));
  EXPECT_FALSE(Visible(f->FP().PanelFpTit));
  EXPECT_TRUE(Pdfs(pdfs.path()).isEmpty());
  // Esc gives it up; the map then picks nothing for it.
  QTest::keyClick(f, Qt::Key_Escape);
  EXPECT_FALSE(Visible(f->FP().PanelImp));
  EXPECT_TRUE(Visible(f->FP().PanelFpTit));
  EXPECT_FALSE(Visible(f->Pagina().mapa));
  // Accepting with nothing chosen prints nothing.
  prueba::Pulsar(f->FP().MenuFpTit5);
  prueba::Pulsar(f->FP().BotAceptar);
  EXPECT_TRUE(Pdfs(pdfs.path()).isEmpty());
  EXPECT_TRUE(Visible(f->FP().PanelFpTit));
  // Three communities, one twice, one taken off again: two are printed.
  prueba::Pulsar(f->FP().MenuFpTit5);
  ClicComunidad(9);
  ClicComunidad(13);
  ClicComunidad(9);
  ClicComunidad(1);
  ASSERT_EQ(f->FP().ListImp->count(), 3);
  QTest::mouseClick(f->FP().ListImp->viewport(), Qt::LeftButton, {},
                    f->FP().ListImp->visualItemRect(f->FP().ListImp->item(2)).center());
  ASSERT_EQ(f->FP().ListImp->count(), 2);
  prueba::Pulsar(f->FP().BotAceptar);
  EXPECT_FALSE(Visible(f->FP().PanelImp));
  const QStringList hechos = Pdfs(pdfs.path());
  ASSERT_EQ(hechos.size(), 1);
  const QString texto = TextoPdf(QDir(pdfs.path()).filePath(hechos.front()));
  const auto cabecera = [&](const char* nombre) {
    return texto.contains(
        QRegularExpression(QStringLiteral("\\*\\*\\*\\s+") + QString::fromUtf8(nombre)));
  };
  EXPECT_TRUE(cabecera("CATALUÑA")) << texto.toStdString();
  EXPECT_TRUE(cabecera("MADRID \\(COMUNIDAD DE\\)"));
  EXPECT_FALSE(cabecera("ANDALUCÍA"));
  const auto& negritas = f->FP().UltimaImpresionFP().negritas;
  EXPECT_EQ(negritas.size(), 6u);

  // Choose another title, then back to the vocational menu with Esc.
  prueba::Pulsar(f->FP().MenuFpTit6);
  EXPECT_TRUE(Visible(f->FP().listSelFP));
  EXPECT_TRUE(Visible(f->FP().ListTitFP));
  QTest::keyClick(f->FP().listSelFP, Qt::Key_Escape);
  EXPECT_TRUE(Visible(f->FP().PanelFP));
  EXPECT_FALSE(Visible(f->FP().ListTitFP));
  EXPECT_FALSE(f->FP().ModoFP);
  prueba::Pulsar(f->FP().menuFP3);
  EXPECT_EQ(programa->Ventana().Actual(), hall);
}

TEST_F(PantallaFP, CentrosPorLugarHastaLaRejaImpresaYUnTituloDesdeElla) {
  PuertaFP();
  prueba::Pulsar(f->FP().MenuFP2);
  EXPECT_TRUE(Visible(f->Pagina().mapa));
  EXPECT_TRUE(Visible(f->FP().BotRetrocederFP));
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 31);
  ClicComunidad(1);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 32);
  EXPECT_FALSE(Visible(f->Pagina().mapa));
  EXPECT_EQ(Filas(f->FP().ListSelLugFP).size(), 8);
  EXPECT_EQ(f->FP().ComBachi->count(), 5);
  EXPECT_TRUE(Visible(f->FP().botTelefono));
  EXPECT_TRUE(Visible(f->FP().BotInternetC));

  // A province lists its towns; a town shows the province's grid from it.
  ClicFila(f->FP().ListSelLugFP, 3);  // Granada
  const QStringList pueblos = Filas(f->FP().ListSelLugFP);
  ASSERT_GE(pueblos.size(), 3);
  ClicFila(f->FP().ListSelLugFP, 2);
  ASSERT_TRUE(Visible(f->FP().reja));
  const QStringList filas = Reja();
  ASSERT_GT(filas.size(), 8);
  EXPECT_EQ(filas[2], QString(34, QLatin1Char('_')));
  // The town's first centre is the top row, or as near the top as the grid scrolls.
  int esperada = -1;
  for (int r = 0; r < filas.size() && esperada < 0; ++r) {
    if (filas[r].startsWith(QLatin1Char('-') + pueblos[2] + QLatin1Char(' '))) esperada = r;
  }
  ASSERT_GT(esperada, 4);
  const int tope = TopeReja();
  EXPECT_TRUE(tope == esperada || (tope < esperada && f->FP().reja->verticalScrollBar()->value() ==
                                                          f->FP().reja->verticalScrollBar()->maximum()))
      << tope << " " << esperada;
  EXPECT_TRUE(filas[4].startsWith(QLatin1Char('-') + pueblos[0]));  // the other towns stay
  EXPECT_TRUE(f->Pagina().PanelSelTit->text().startsWith(QStringLiteral("Granada - ")));
  EXPECT_TRUE(f->FP().reja->item(4, 1)->text().isEmpty());

  // Phones, then a branch: fewer titles, every one allowed for it.
  prueba::Pulsar(f->FP().botTelefono);
  EXPECT_FALSE(f->FP().reja->item(4, 1)->text().isEmpty());
  f->FP().ComBachi->setCurrentIndex(3);
  emit f->FP().ComBachi->activated(3);
  EXPECT_LT(f->FP().reja->rowCount(), filas.size());
  EXPECT_TRUE(f->Pagina().PanelSelTit->text().contains(f->FP().ComBachi->itemText(3)));

  // The printed grid.
  ASSERT_TRUE(Visible(f->Pagina().BotImprimir));
  prueba::Pulsar(f->Pagina().BotImprimir);
  const QStringList hechos = Pdfs(pdfs.path());
  ASSERT_EQ(hechos.size(), 1);
  const QString texto = TextoPdf(QDir(pdfs.path()).filePath(hechos.front()));
  EXPECT_TRUE(texto.contains(Texto(289) + QStringLiteral(": Granada"))) << texto.toStdString();

  // A title row opens its card.
  int filaTitulo = -1;
  for (int r = 5; r < f->FP().reja->rowCount() && filaTitulo < 0; ++r) {
    if (!f->FP().reja->item(r, 0)->text().startsWith(QLatin1Char('-')) &&
        !f->FP().reja->item(r, 0)->text().trimmed().isEmpty())
      filaTitulo = r;
  }
  ASSERT_GT(filaTitulo, 0);
  const QString titulo = f->FP().reja->item(filaTitulo, 0)->text().trimmed();
  f->FP().reja->setCurrentCell(filaTitulo, 0);
  f->FP().rejaDblClick();
  EXPECT_TRUE(Visible(f->FP().PanelFpTit));
  EXPECT_FALSE(Visible(f->FP().reja));
  EXPECT_FALSE(Visible(f->FP().ComBachi));
  EXPECT_EQ(f->Pagina().PanelCarSel->text(), titulo);
  EXPECT_FALSE(f->FP().ModoLugaresFP);

  // The title's centres in Catalonia, by province; back to the card.
  prueba::Pulsar(f->FP().MenuFpTit1);
  EXPECT_TRUE(Visible(f->Pagina().mapa));
  ClicComunidad(9);
  EXPECT_EQ(f->Pagina().PanelSelTit->text(), Texto(323));
  EXPECT_TRUE(Visible(f->FP().reja));
  prueba::Pulsar(f->FP().BotRetrocederFP);
  EXPECT_FALSE(Visible(f->FP().reja));
  EXPECT_TRUE(Visible(f->FP().PanelFpTit));
}

TEST_F(PantallaFP, CataluniaPorComarcasBarcelonaYMadridPorZonas) {
  PuertaFP();
  prueba::Pulsar(f->FP().MenuFP2);
  ClicComunidad(9);
  ASSERT_TRUE(Visible(f->FP().mapac));
  EXPECT_FALSE(Visible(f->FP().ListSelLugFP));
  EXPECT_GT(f->FP().ComBachi->y(), f->FP().mapac->geometry().bottom());
  ClicEn(f->FP().mapac, PixelDe(Mapa::kComarcas, 7));  // Bages
  ASSERT_TRUE(Visible(f->FP().reja));
  EXPECT_GT(f->FP().reja->rowCount(), 6);
  EXPECT_EQ(f->Pagina().PanelSelTit->text(), QStringLiteral("Bages"));
  EXPECT_EQ(TopeReja(), 0);
  // A branch change rebuilds the comarca's grid too.
  const int todas = f->FP().reja->rowCount();
  f->FP().ComBachi->setCurrentIndex(4);
  emit f->FP().ComBachi->activated(4);
  EXPECT_LT(f->FP().reja->rowCount(), todas);
  f->FP().ComBachi->setCurrentIndex(0);
  emit f->FP().ComBachi->activated(0);
  // Barcelona: its sub-areas.
  ClicEn(f->FP().mapac, PixelDe(Mapa::kComarcas, 37));
  ASSERT_TRUE(Visible(f->FP().listBarcelona));
  EXPECT_TRUE(Visible(f->FP().BotCerrar));
  // The list leaves the map and the branch combo uncovered; the combo shows
  // its longest branch whole.
  for (QWidget* w : std::initializer_list<QWidget*>{f->FP().listBarcelona, f->FP().BotCerrar}) {
    EXPECT_FALSE(w->geometry().intersects(f->FP().ComBachi->geometry()));
    EXPECT_FALSE(w->geometry().intersects(f->FP().mapac->geometry()));
  }
  for (int i = 0; i < f->FP().ComBachi->count(); ++i) {
    EXPECT_LE(f->FP().ComBachi->fontMetrics().horizontalAdvance(f->FP().ComBachi->itemText(i)) + 30,
              f->FP().ComBachi->width())
        << f->FP().ComBachi->itemText(i).toStdString();
  }
  QTest::mouseClick(f->FP().listBarcelona->viewport(), Qt::LeftButton, {},
                    f->FP().listBarcelona->visualItemRect(f->FP().listBarcelona->item(0)).center());
  EXPECT_GT(f->FP().reja->rowCount(), 6);
  prueba::Pulsar(f->FP().BotCerrar);
  EXPECT_FALSE(Visible(f->FP().listBarcelona));

  // Back to the communities map, then Madrid's zones.
  prueba::Pulsar(f->FP().BotRetrocederFP);
  EXPECT_TRUE(Visible(f->Pagina().mapa));
  EXPECT_FALSE(Visible(f->FP().mapac));
  ClicComunidad(13);
  ASSERT_TRUE(Visible(f->FP().mapam));
  ClicEn(f->FP().mapam, PixelDe(Mapa::kZonas, 1));
  EXPECT_GT(f->FP().reja->rowCount(), 6);
  EXPECT_TRUE(f->Pagina().PanelSelTit->text().contains(QStringLiteral(" - ")));
  prueba::Pulsar(f->FP().BotRetrocederFP);
  prueba::Pulsar(f->FP().BotRetrocederFP);
  EXPECT_TRUE(Visible(f->FP().PanelFP));
  EXPECT_FALSE(f->FP().ModoLugaresFP);
}

// Every province of the sample gives centres with titles for every branch;
// every comarca, Barcelona district and Madrid zone for all branches, and
// for each branch some place of each of Catalonia's provinces and of Madrid.
TEST_F(PantallaFP, CadaLugarYCadaRamaDeLaMuestraTieneCentros) {
  const TablasDatos& t = Tablas();
  IndiceCentrosFP indice;
  indice.Construir(t.titulosFP, t.centros, t.datosCarreras);
  const FuentesFP fuentes{t.titulosFP,        t.familiasFP,
                          t.lineasFamiliasFP, t.carrerasFP,
                          t.requisitosFP,     t.bloquesFP,
                          t.comunidades,      t.centros,
                          t.datosCarreras,    programa->Comunes().catalogo};
  // Rows beyond the four headings: a centre, a title and a blank row at least.
  auto conCentros = [&](const LugarFP& l, int rama) {
    const auto centros = CentrosDelLugar(t.centros, indice, l);
    return RejaDelLugar(fuentes, indice, l, centros, rama, "x", 0).filas.size() > 6u;
  };
  for (int c = 1; c <= 19; ++c) {
    if (c == 9 || c == 13) continue;
    for (const ProvinciaFP& p : ProvinciasDeComunidad(t.comunidades, c)) {
      LugarFP l;
      l.grupo = p.grupo;
      l.provincia = p.codigo;
      for (int rama = 0; rama < kRamasFP; ++rama)
        EXPECT_TRUE(conCentros(l, rama)) << p.nombre << " rama " << rama;
    }
  }
  // Region code -> for each branch, whether some place of its province has centres.
  std::map<std::string, std::array<bool, kRamasFP>> provincias;
  auto region = [&](ModoLugarFP modo, const std::string& codigo, int numero) {
    LugarFP l;
    l.modo = modo;
    l.region = codigo;
    EXPECT_TRUE(conCentros(l, 0)) << codigo << " " << numero;
    // Catalonia's province by the code's first character; Madrid is one.
    auto& ramas =
        provincias[modo == ModoLugarFP::kZona ? std::string("Madrid") : codigo.substr(0, 1)];
    for (int rama = 0; rama < kRamasFP; ++rama)
      ramas[static_cast<std::size_t>(rama)] |= conCentros(l, rama);
  };
  for (int k = 1; k <= t.comarcas.cuenta; ++k) {
    if (k == 37 || k == 46) continue;  // Barcelona (its districts) and the list's separator
    region(ModoLugarFP::kComarca, t.comarcas.codigos[static_cast<std::size_t>(k)], k);
  }
  for (int z = 1; z <= TablaZonas::kZonas; ++z) {
    const int primera = t.zonas.miembros[static_cast<std::size_t>(z)][0];
    region(ModoLugarFP::kZona, t.zonas.codigos[static_cast<std::size_t>(primera)], z);
  }
  EXPECT_EQ(provincias.size(), 5u);  // Barcelona, Girona, Lleida, Tarragona; Madrid
  for (const auto& [p, ramas] : provincias) {
    for (int rama = 0; rama < kRamasFP; ++rama)
      EXPECT_TRUE(ramas[static_cast<std::size_t>(rama)]) << p << " rama " << rama;
  }
  // Several titles give access to many degrees.
  int muchas = 0;
  for (int ti = 1; ti <= t.titulosFP.Cuenta(); ++ti)
    muchas += t.datosCarreras.CarrerasTitulo(ti).size() >= 5 ? 1 : 0;
  EXPECT_GE(muchas, 5);
}

// The degree card's related-degrees view shows BotFP, which opens the bridge.
TEST_F(PantallaFP, BotFPDeLaFichaDeCarreraAbreLaPasarela) {
  hall->LabelCarrerasClick();
  for (int i = 0; i < 10 && hall->TimerPuerta->isActive(); ++i) hall->TimerPuertaTimer();
  for (int i = 0; i < 30 && hall->TimerZoom->isActive(); ++i) hall->TimerZoomTimer();
  prueba::Pulsar(f->Pagina().MenuCarUni1);
  int fila = -1;
  for (int r = 0; r < static_cast<int>(f->Ficha().IndiceCarreras.size()) && fila < 0; ++r) {
    if (Tablas().datosCarreras.Tipo(f->Ficha().IndiceCarreras[static_cast<std::size_t>(r)]) != 3) fila = r;
  }
  ASSERT_GE(fila, 0);
  f->Pagina().ListSel->setCurrentRow(fila);
  QTest::keyClick(f->Pagina().ListSel, Qt::Key_Return);
  prueba::Pulsar(f->Ficha().MenuCar[4]);
  ASSERT_TRUE(Visible(f->Ficha().BotFP));
  EXPECT_LE(f->Ficha().BotFP->y(), f->Pagina().ListSel->geometry().bottom());
  dialogos.ResponderConBoton(QStringLiteral("BotCerrar1"));
  prueba::Pulsar(f->Ficha().BotFP);
  EXPECT_EQ(dialogos.ejecutados.value(0), QStringLiteral("TForm6"));
  prueba::Pulsar(f->Ficha().MenuCar[0]);
  EXPECT_FALSE(Visible(f->Ficha().BotFP));
}

// A province alone prints its centres, and the printout follows the province
// chosen after going back from another one's town.
TEST_F(PantallaFP, LaProvinciaElegidaEsLaQueSeImprime) {
  PuertaFP();
  prueba::Pulsar(f->FP().MenuFP2);
  ClicComunidad(1);
  ASSERT_GE(Filas(f->FP().ListSelLugFP).size(), 4);
  const QString granada = f->FP().ListSelLugFP->item(3)->text();
  const QString almeria = f->FP().ListSelLugFP->item(0)->text();
  const auto impreso = [this] {
    const QStringList hechos = Pdfs(pdfs.path());
    return hechos.isEmpty() ? QString()
                            : TextoPdf(QDir(pdfs.path()).filePath(hechos.back()));
  };

  ClicFila(f->FP().ListSelLugFP, 3);
  const QStringList pueblosGranada = Filas(f->FP().ListSelLugFP);
  ASSERT_TRUE(Visible(f->Pagina().BotImprimir));
  prueba::Pulsar(f->Pagina().BotImprimir);
  ASSERT_EQ(Pdfs(pdfs.path()).size(), 1);
  const QString deGranada = impreso();
  EXPECT_TRUE(deGranada.contains(Texto(289) + QStringLiteral(": ") + granada));
  EXPECT_TRUE(deGranada.contains(pueblosGranada.front())) << deGranada.toStdString();

  // A town, back to the provinces, another province: its own centres.
  ClicFila(f->FP().ListSelLugFP, 0);
  ASSERT_TRUE(Visible(f->FP().reja));
  prueba::Pulsar(f->FP().BotRetrocederFP);
  ClicFila(f->FP().ListSelLugFP, 0);
  const QStringList pueblosAlmeria = Filas(f->FP().ListSelLugFP);
  prueba::Pulsar(f->Pagina().BotImprimir);
  ASSERT_EQ(Pdfs(pdfs.path()).size(), 2);
  const QString deAlmeria = impreso();
  EXPECT_TRUE(deAlmeria.contains(Texto(289) + QStringLiteral(": ") + almeria));
  EXPECT_TRUE(deAlmeria.contains(pueblosAlmeria.front())) << deAlmeria.toStdString();
  for (const QString& pueblo : pueblosGranada) {
    if (!pueblosAlmeria.contains(pueblo)) {
      EXPECT_FALSE(deAlmeria.contains(pueblo)) << pueblo.toStdString();
    }
  }
}

// The title card's two "Acceso a Carreras" buttons read the same but are
// named for the way each goes.
TEST_F(PantallaFP, LosDosAccesosACarrerasSeNombranPorSuCamino) {
  const QString acceso = Texto(298) + QLatin1Char(' ') + Texto(46) + QStringLiteral(": ");
  EXPECT_EQ(f->FP().MenuFpTit4->text(), f->FP().MenuFpTit42->text());
  EXPECT_EQ(f->FP().MenuFpTit4->accessibleName(), acceso + Texto(324));
  EXPECT_EQ(f->FP().MenuFpTit42->accessibleName(), acceso + Texto(491));
  EXPECT_NE(f->FP().MenuFpTit4->accessibleName(), f->FP().MenuFpTit42->accessibleName());
}

}  // namespace
}  // namespace sendaro
