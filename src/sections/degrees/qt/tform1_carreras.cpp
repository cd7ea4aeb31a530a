// The whole-degree list with its filters, and the degree card with its views
// and its printout.
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/informes.h"
#include "data/texto.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/tform1.h"
#include "ui/piezas.h"
#include "ui/servicios.h"

namespace sendaro {

using namespace piezas;

namespace {

constexpr int kAnchoSel = 492;
constexpr int kAltoSel = 475;
constexpr int kAltoLista = 430;

QStringList AQt(const std::vector<std::string>& filas) {
  QStringList lista;
  lista.reserve(static_cast<qsizetype>(filas.size()));
  for (const std::string& f : filas) lista << DeWin(f);
  return lista;
}

}  // namespace

void TForm1::CrearPanelSel() {
  PanelCarSel = Etiqueta(Panelinicio, "PanelCarSel", {470, 56, kAnchoSel, 30});
  PanelCarSel->setIndent(8);
  PanelCarSel->hide();
  PanelSelTit = Etiqueta(Panelinicio, "PanelSelTit", {470, 90, kAnchoSel, 32});
  PanelSelTit->setIndent(8);
  PanelSelTit->hide();
  ComSelCar = Lista<QComboBox>(PanelSelTit, "ComSelCar", {4, 3, 276, 26});
  BotSelcar = Lista<QComboBox>(PanelSelTit, "BotSelcar", {286, 3, 202, 26});
  ComSelCar->hide();
  BotSelcar->hide();

  PanelSel = Panel(Panelinicio, "PanelSel", {470, 124, kAnchoSel, kAltoSel});
  PanelSel->setFrameShape(QFrame::NoFrame);
  const QRect lista(0, 0, kAnchoSel, kAltoLista);
  ListSel = new ListaMarcada(PanelSel, 17, ColorQ(ColorSeleccion), Qt::black);
  ListSel->setObjectName(QStringLiteral("ListSel"));
  ListSel->setGeometry(lista);
  listSelFP = Lista<QListWidget>(PanelSel, "listSelFP", lista);
  listSel2 = Lista<QTextEdit>(PanelSel, "listSel2", lista);
  listSel2->setReadOnly(true);
  reja = Lista<QTableWidget>(PanelSel, "reja", lista);
  reja->setColumnCount(2);
  reja->horizontalHeader()->hide();
  reja->verticalHeader()->hide();
  for (QWidget* w : std::initializer_list<QWidget*>{listSelFP, listSel2, reja}) w->hide();

  const int fila = kAltoLista + 6;
  BitRetroSelCar = Boton(PanelSel, "BitRetroSelCar", {6, fila, 150, 32});
  MenuCarUni2 = Boton(PanelSel, "MenuCarUni2", {kAnchoSel - 196, fila, 190, 32});
  BotUni = Boton(PanelSel, "BotUni", {6, fila, 150, 32});
  BotReq = Boton(PanelSel, "BotReq", {166, fila, 150, 32});
  BotSal = Boton(PanelSel, "BotSal", {326, fila, 150, 32});
  BotIntUni = Boton(PanelSel, "BotIntUni", {kAnchoSel - 156, fila, 150, 32});
  BotArtesTit = Boton(PanelSel, "BotArtesTit", {6, fila, 150, 32});
  BotArtesEsp = Boton(PanelSel, "BotArtesEsp", {166, fila, 150, 32});
  BotArtesLug = Boton(PanelSel, "BotArtesLug", {326, fila, 150, 32});
  BotFP = Boton(PanelSel, "BotFP", {1, 0, 260, 32});
  LabelSeleccion = Etiqueta(PanelSel, "LabelSeleccion", {50, kAltoLista + 8, 300, 28});
  for (QWidget* w : std::initializer_list<QWidget*>{BitRetroSelCar, MenuCarUni2, BotUni, BotReq,
                                                    BotSal, BotIntUni, BotArtesTit, BotArtesEsp,
                                                    BotArtesLug, BotFP, LabelSeleccion}) {
    w->hide();
  }
  PanelSel->hide();
}

void TForm1::CrearFicha() {
  PanelCar = Panel(Panelinicio, "PanelCar", {60, 130, 320, 16 + 8 * 50 - 6});
  for (int i = 0; i < 8; ++i) {
    const QByteArray nombre = "MenuCar" + QByteArray::number(i + 1);
    MenuCar[static_cast<std::size_t>(i)] =
        Boton(PanelCar, nombre.constData(), {10, 8 + i * 50, 300, 44});
  }
  PanelCar->hide();
}

FuentesFicha TForm1::Fuentes() const {
  const TablasDatos& t = servicios_.tablas;
  return {t.carreras,        t.universidades, t.requisitos,       t.salidas,
          t.bloquesCarreras, t.datosCarreras, servicios_.catalogo};
}

void TForm1::MenuCarUni1Click() {
  MostrarAyuda(12);
  ModoOtras = false;
  FichaDesdeConsulta = false;
  for (QWidget* w : std::initializer_list<QWidget*>{listSelFP, PanelMenu, PanelCar}) w->hide();
  OcultarSubmenus();
  for (QWidget* w :
       std::initializer_list<QWidget*>{Panelinicio, PanelSel, PanelSelTit, PanelCarSel, MenuCarUni2,
                                       ListSel, BotSelcar, ComSelCar, BitRetroSelCar}) {
    w->show();
  }
  ModoFP = false;
  if (!servicios_.estado.DesdeAsistente) ListSel->setFocus();
  ListaCarreras();
}

void TForm1::ListaCarreras() {
  const TablasDatos& t = servicios_.tablas;
  const ListaFiltrada lista = sendaro::ListaCarreras(
      t.carreras, t.datosCarreras, servicios_.estado.entorno.instalacion.HayIdioma(), Filtros,
      servicios_.catalogo);
  if (lista.temaAyuda != 0) MostrarAyuda(lista.temaAyuda);
  BotSelcar->show();
  ComSelCar->show();
  PanelSelTit->clear();
  ListSel->setCursor(Qt::PointingHandCursor);
  ListSel->setFont(LetraQt(QStringLiteral("Times New Roman"), Letra(12)));
  QStringList filas;
  for (const std::string& f : lista.filas) filas << RecortadoQt(DeWin(f));
  ListSel->Rellenar(filas);
  IndiceCarreras = lista.carreras;
  PanelCarSel->setText(DeWin(lista.barraNombre));
  ListSel->MostrarDesde(PrimeraFilaLista);
  ListaActiva = true;
}

void TForm1::ComSelCarChange(int item) {
  Filtros.ramaUsada = true;
  Filtros.rama = item;
  Filtros.tipoRecienCambiado = false;
  ListaCarreras();
}

void TForm1::BotSelcarChange(int item) {
  Filtros.tipoUsado = true;
  Filtros.tipo = item;
  Filtros.tipoRecienCambiado = true;
  ListaCarreras();
}

void TForm1::ListSelDblClick() {
  if (AbrirFilaArte()) return;
  if (!ListaActiva && !ListaUniversidad) return;
  const int n = servicios_.tablas.datosCarreras.numCarreras;
  auto fila = [](const std::vector<int>& indice, int r) {
    return r >= 0 && r < static_cast<int>(indice.size()) ? indice[static_cast<std::size_t>(r)] : 0;
  };
  const int elegida = FichaDesdeConsulta ? fila(IndiceFilas, Listcon->currentRow())
                      : ListaUniversidad ? fila(IndiceFilas, ListSel->currentRow())
                                         : fila(IndiceCarreras, ListSel->currentRow());
  if (elegida < 1 || elegida > n) return;
  ListSel->setCursor(Qt::ForbiddenCursor);
  MostrarAyuda(14);
  PrimeraFilaLista = PrimeraFilaLista < 0 || PrimeraFilaLista > n ? 0 : ListSel->PrimeraVisible();
  CarreraSel = elegida;
  if (ListaUniversidad) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{ListComunidad, BotRetroceder, BotImprimir, BotIntUni})
      w->hide();
    PanelSelTit->clear();
    ListaUniversidad = false;
  }
  for (QWidget* w : std::initializer_list<QWidget*>{BotSelcar, LabelSeleccion, ComSelCar})
    w->hide();
  nombreParpadeo_ = RecortadoQt(DeWin(servicios_.tablas.carreras[CarreraSel]));
  PanelCarSel->setText(nombreParpadeo_);
  PanelCarSel->show();
  ListSel->clear();
  // Each card starts with no view visited.
  for (QPushButton* b : MenuCar) {
    b->setStyleSheet(QString());
    b->setFont(LetraQt(QStringLiteral("Times New Roman"), Letra(12)));
  }
  PanelCar->show();
  TimerParpadeo->start();
}

void TForm1::MostrarFicha(const FichaEnPantalla& ficha) {
  PanelSelTit->setText(DeWin(ficha.titulo));
  for (QWidget* w :
       std::initializer_list<QWidget*>{BotSelcar, ComSelCar, LabelSeleccion, listSelFP})
    w->hide();
  if (ficha.temaAyuda != 0) MostrarAyuda(ficha.temaAyuda);
  PanelSelTit->show();
  RevelarPanel(PanelSel, 0);
  ListSel->show();
  ListSel->Rellenar(AQt(ficha.filas));
  RevelarPanel(PanelSel, 1);
  // BotFP stands under the last row, never below the list; it opens the
  // bridge to vocational titles.
  const int altoLetra = QFontMetrics(ListSel->font()).height();
  const int arriba =
      std::min(ListSel->y() + altoLetra * ficha.filaBotonFP, ListSel->geometry().bottom());
  BotFP->move(ListSel->x() + 1, arriba);
  BotFP->setVisible(ficha.botonFP);
  BotFP->raise();
  ListaActiva = false;
}

void TForm1::MenuCarClick(int boton) {
  if (boton >= 1 && boton <= 6) {
    QPushButton* b = MenuCar[static_cast<std::size_t>(boton - 1)];
    b->setStyleSheet(QStringLiteral("QPushButton { color: purple; }"));
    QFont f = b->font();
    f.setBold(true);
    f.setItalic(true);
    b->setFont(f);
  }
  if (boton <= 5 || boton == 7) BotFP->hide();
  const QString times = QStringLiteral("Times New Roman");
  const QString courier = QStringLiteral("Courier New");
  const FuentesFicha f = Fuentes();
  switch (boton) {
    case 1:
      MostrarAyuda(21);
      ListSel->setFont(LetraQt(courier, Letra(12)));
      MostrarFicha(sendaro::ListaFicha(f, VistaFicha::kUniversidades, CarreraSel));
      break;
    case 2:
    case 3:
      ListSel->setFont(LetraQt(times, Letra(12)));
      MostrarFicha(sendaro::ListaFicha(
          f, boton == 2 ? VistaFicha::kRequisitos : VistaFicha::kSalidas, CarreraSel));
      break;
    case 4:
      ListSel->setFont(LetraQt(courier, Letra(12)));
      MostrarFicha(VistaAsignaturas(f, CarreraSel));
      break;
    case 5:
      ListSel->setFont(LetraQt(times, Letra(12)));
      MostrarFicha(sendaro::ListaFicha(f, VistaFicha::kRelacionadas, CarreraSel));
      break;
    case 6: {
      ultimaFicha_ = FichaCompleta(f, CarreraSel);
      BuffersCompartidos& b = Compartidos();
      b.LineasImpresion.Vaciar();
      b.LineasImpresion.Fijar(0, ultimaFicha_.titulo);
      for (std::size_t i = 0; i < ultimaFicha_.lineas.size(); ++i) {
        b.LineasImpresion.Fijar(static_cast<int>(i) + 1, ultimaFicha_.lineas[i]);
      }
      b.Secciones.Vaciar();
      for (const int linea : ultimaFicha_.negritas) b.Secciones.Agregar(linea);
      ImprimirTresColumnas(
          *impresora_, DatosCabeceraDe(servicios_.catalogo, servicios_.estado.NombreCentro),
          b.LineasImpresion, static_cast<int>(ultimaFicha_.lineas.size()), false, b.Secciones);
      PanelSelTit->clear();
      break;
    }
    case 7:
      MenuCarUni1Click();
      break;
    case 8:
      ListaActiva = false;
      for (QWidget* w : std::initializer_list<QWidget*>{
               BotFP, MenuCarUni2, PanelCarSel, PanelSel, PanelSelTit, ListSel, PanelCar, BotSelcar,
               ComSelCar, LabelSeleccion, BitRetroSelCar}) {
        w->hide();
      }
      TimerParpadeo->stop();
      ListSel->setCursor(Qt::ForbiddenCursor);
      PanelSelTit->clear();
      ListSel->clear();
      AbrirMenu(PanelMenu);
      break;
    default:
      break;
  }
}

void TForm1::BitRetroSelCarClick() {
  BotFP->hide();
  MenuCarUni2->hide();
  MenuCarClick(8);
}

}  // namespace sendaro
