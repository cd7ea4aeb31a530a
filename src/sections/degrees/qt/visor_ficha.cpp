#include "sections/degrees/qt/visor_ficha.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/informes.h"
#include "data/texto.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/pagina_grados.h"
#include "sections/degrees/qt/visor_consulta.h"
#include "sections/degrees/qt/visor_fp.h"
#include "sections/degrees/qt/visor_universidades.h"
#include "ui/piezas.h"
#include "ui/servicios.h"

namespace sendaro {

using namespace piezas;

namespace {

constexpr int kAnchoSel = 492;
constexpr int kAltoLista = 430;

int Fila(const std::vector<int>& indice, int fila) {
  return fila >= 0 && fila < static_cast<int>(indice.size())
             ? indice[static_cast<std::size_t>(fila)]
             : 0;
}

}  // namespace

VisorFicha::VisorFicha(PaginaGrados& pagina) : QObject(&pagina), p_(pagina) {
  ComSelCar = Lista<QComboBox>(p_.PanelSelTit, "ComSelCar", {4, 3, 276, 26});
  BotSelcar = Lista<QComboBox>(p_.PanelSelTit, "BotSelcar", {286, 3, 202, 26});
  ComSelCar->hide();
  BotSelcar->hide();
  const int fila = kAltoLista + 6;
  BitRetroSelCar = Boton(p_.PanelSel, "BitRetroSelCar", {6, fila, 150, 32});
  BotFP = Boton(p_.PanelSel, "BotFP", {1, 0, 260, 32});
  BitRetroSelCar->hide();
  BotFP->hide();

  PanelCar = Panel(p_.Panelinicio, "PanelCar", {60, 130, 320, 16 + 8 * 50 - 6});
  for (int i = 0; i < 8; ++i) {
    const QByteArray nombre = "MenuCar" + QByteArray::number(i + 1);
    MenuCar[static_cast<std::size_t>(i)] =
        Boton(PanelCar, nombre.constData(), {10, 8 + i * 50, 300, 44});
  }
  PanelCar->hide();

  connect(ComSelCar, &QComboBox::activated, this, &VisorFicha::ComSelCarChange);
  connect(BotSelcar, &QComboBox::activated, this, &VisorFicha::BotSelcarChange);
  for (int i = 0; i < 8; ++i) {
    connect(MenuCar[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
            [this, i] { MenuCarClick(i + 1); });
  }
  // A push button acts when the mouse button is released over it.
  connect(BitRetroSelCar, &QPushButton::clicked, this, &VisorFicha::BitRetroSelCarClick);
  // The way to the bridge dialog.
  connect(BotFP, &QPushButton::clicked, this,
          [this] { p_.servicios().navegacion.Abrir(entrada::Pasarela::kMostrar); });
}

void VisorFicha::Preparar() {
  BitRetroSelCar->setText(p_.T(82));
  BotFP->setText(p_.T(35));
  for (int i = 0; i < 8; ++i)
    MenuCar[static_cast<std::size_t>(i)]->setText(p_.T(i < 7 ? 309 + i : 82));
  const Tema& tema = p_.servicios().TemaActual();
  const QString times = QStringLiteral("Times New Roman");
  for (QComboBox* c : {BotSelcar, ComSelCar}) {
    PintarCombo(c, ColorQ(tema.ColorTitulo), ColorQ(tema.ColorTextoTitulo));
    c->setFont(LetraQt(times, p_.Letra(12)));
  }
  const TablaLinea& requisitos = p_.servicios().tablas.requisitos;
  ComSelCar->clear();
  ComSelCar->addItem(p_.T(223));
  for (int r = 19; r <= 23; ++r) ComSelCar->addItem(RecortadoQt(DeWin(requisitos[r])));
  BotSelcar->clear();
  BotSelcar->addItem(p_.T(333));
  for (int n : {334, 335, 336}) BotSelcar->addItem(p_.T(n));
  BotSelcar->setPlaceholderText(RecortadoQt(DeWin(requisitos[13])));
}

FuentesFicha VisorFicha::Fuentes() const {
  const Servicios& s = p_.servicios();
  const TablasDatos& t = s.tablas;
  return {t.carreras,        t.universidades, t.requisitos, t.salidas,
          t.bloquesCarreras, t.datosCarreras, s.catalogo};
}

void VisorFicha::MenuCarUni1Click() {
  p_.MostrarAyuda(12);
  p_.universidades->ModoOtras = false;
  p_.consulta->FichaDesdeConsulta = false;
  for (QWidget* w : std::initializer_list<QWidget*>{p_.fp->listSelFP, p_.PanelMenu, PanelCar})
    w->hide();
  p_.OcultarSubmenus();
  for (QWidget* w : std::initializer_list<QWidget*>{
           p_.Panelinicio, p_.PanelSel, p_.PanelSelTit, p_.PanelCarSel, p_.consulta->MenuCarUni2,
           p_.ListSel, BotSelcar, ComSelCar, BitRetroSelCar}) {
    w->show();
  }
  p_.fp->ModoFP = false;
  if (!p_.servicios().estado.DesdeAsistente) p_.ListSel->setFocus();
  ListaCarreras();
}

void VisorFicha::ListaCarreras() {
  const Servicios& s = p_.servicios();
  const TablasDatos& t = s.tablas;
  const ListaFiltrada lista = sendaro::ListaCarreras(
      t.carreras, t.datosCarreras, s.estado.entorno.instalacion.HayIdioma(), Filtros, s.catalogo);
  if (lista.temaAyuda != 0) p_.MostrarAyuda(lista.temaAyuda);
  BotSelcar->show();
  ComSelCar->show();
  p_.PanelSelTit->clear();
  p_.ListSel->setCursor(Qt::PointingHandCursor);
  p_.ListSel->setFont(LetraQt(QStringLiteral("Times New Roman"), p_.Letra(12)));
  QStringList filas;
  for (const std::string& f : lista.filas) filas << RecortadoQt(DeWin(f));
  p_.ListSel->Rellenar(filas);
  IndiceCarreras = lista.carreras;
  p_.PanelCarSel->setText(DeWin(lista.barraNombre));
  p_.ListSel->MostrarDesde(PrimeraFilaLista);
  p_.ListaActiva = true;
}

void VisorFicha::ComSelCarChange(int item) {
  Filtros.ramaUsada = true;
  Filtros.rama = item;
  Filtros.tipoRecienCambiado = false;
  ListaCarreras();
}

void VisorFicha::BotSelcarChange(int item) {
  Filtros.tipoUsado = true;
  Filtros.tipo = item;
  Filtros.tipoRecienCambiado = true;
  ListaCarreras();
}

void VisorFicha::ListSelDblClick() {
  VisorUniversidades& u = *p_.universidades;
  if (!p_.ListaActiva && !u.ListaUniversidad) return;
  const int n = p_.servicios().tablas.datosCarreras.numCarreras;
  // A university's list on view is the one opened, whatever came before it.
  const int elegida = u.ListaUniversidad ? u.CarreraDeFila(p_.ListSel->currentRow())
                      : p_.consulta->FichaDesdeConsulta ? p_.consulta->CarreraDeFila()
                                                         : Fila(IndiceCarreras, p_.ListSel->currentRow());
  if (elegida < 1 || elegida > n) return;
  p_.ListSel->setCursor(Qt::ForbiddenCursor);
  p_.MostrarAyuda(14);
  PrimeraFilaLista = PrimeraFilaLista < 0 || PrimeraFilaLista > n ? 0 : p_.ListSel->PrimeraVisible();
  CarreraSel = elegida;
  if (u.ListaUniversidad) u.CerrarLista();
  for (QWidget* w : std::initializer_list<QWidget*>{BotSelcar, u.LabelSeleccion, ComSelCar})
    w->hide();
  p_.ListSel->clear();
  // Each card starts with no view visited.
  for (QPushButton* b : MenuCar) {
    b->setStyleSheet(QString());
    b->setFont(LetraQt(QStringLiteral("Times New Roman"), p_.Letra(12)));
  }
  PanelCar->show();
  p_.Parpadear(RecortadoQt(DeWin(p_.servicios().tablas.carreras[CarreraSel])));
}

void VisorFicha::MostrarFicha(const FichaEnPantalla& ficha) {
  p_.PanelSelTit->setText(DeWin(ficha.titulo));
  for (QWidget* w : std::initializer_list<QWidget*>{BotSelcar, ComSelCar,
                                                    p_.universidades->LabelSeleccion, p_.fp->listSelFP})
    w->hide();
  if (ficha.temaAyuda != 0) p_.MostrarAyuda(ficha.temaAyuda);
  p_.PanelSelTit->show();
  p_.RevelarPanel(p_.PanelSel, 0);
  p_.ListSel->show();
  QStringList filas;
  for (const std::string& f : ficha.filas) filas << DeWin(f);
  p_.ListSel->Rellenar(filas);
  p_.RevelarPanel(p_.PanelSel, 1);
  // BotFP stands under the last row, never below the list; it opens the
  // bridge to vocational titles.
  const int altoLetra = QFontMetrics(p_.ListSel->font()).height();
  const int arriba =
      std::min(p_.ListSel->y() + altoLetra * ficha.filaBotonFP, p_.ListSel->geometry().bottom());
  BotFP->move(p_.ListSel->x() + 1, arriba);
  BotFP->setVisible(ficha.botonFP);
  BotFP->raise();
  p_.ListaActiva = false;
}

void VisorFicha::AbrirCarrera(int d) {
  ComSelCar->setCurrentIndex(0);
  BotSelcar->setCurrentIndex(0);
  MenuCarUni1Click();
  const auto fila = std::find(IndiceCarreras.begin(), IndiceCarreras.end(), d);
  if (fila == IndiceCarreras.end()) return;
  p_.ListSel->setCurrentRow(static_cast<int>(fila - IndiceCarreras.begin()));
  ListSelDblClick();
  MenuCarClick(1);
}

void VisorFicha::MenuCarClick(int boton) {
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
      p_.MostrarAyuda(21);
      p_.ListSel->setFont(LetraQt(courier, p_.Letra(12)));
      MostrarFicha(sendaro::ListaFicha(f, VistaFicha::kUniversidades, CarreraSel));
      break;
    case 2:
    case 3:
      p_.ListSel->setFont(LetraQt(times, p_.Letra(12)));
      MostrarFicha(sendaro::ListaFicha(
          f, boton == 2 ? VistaFicha::kRequisitos : VistaFicha::kSalidas, CarreraSel));
      break;
    case 4:
      p_.ListSel->setFont(LetraQt(courier, p_.Letra(12)));
      MostrarFicha(VistaAsignaturas(f, CarreraSel));
      break;
    case 5:
      p_.ListSel->setFont(LetraQt(times, p_.Letra(12)));
      MostrarFicha(sendaro::ListaFicha(f, VistaFicha::kRelacionadas, CarreraSel));
      break;
    case 6:
      ImprimirFicha();
      break;
    case 7:
      MenuCarUni1Click();
      break;
    case 8:
      p_.ListaActiva = false;
      Cerrar();
      p_.AbrirMenu(p_.PanelMenu);
      break;
    default:
      break;
  }
}

void VisorFicha::ImprimirFicha() {
  Servicios& s = p_.servicios();
  ultimaFicha_ = FichaCompleta(Fuentes(), CarreraSel);
  BuffersCompartidos& b = Compartidos();
  b.LineasImpresion.Vaciar();
  b.LineasImpresion.Fijar(0, ultimaFicha_.titulo);
  for (std::size_t i = 0; i < ultimaFicha_.lineas.size(); ++i) {
    b.LineasImpresion.Fijar(static_cast<int>(i) + 1, ultimaFicha_.lineas[i]);
  }
  b.Secciones.Vaciar();
  for (const int linea : ultimaFicha_.negritas) b.Secciones.Agregar(linea);
  ImprimirTresColumnas(p_.LaImpresora(), DatosCabeceraDe(s.catalogo, s.estado.NombreCentro),
                       b.LineasImpresion, static_cast<int>(ultimaFicha_.lineas.size()), false,
                       b.Secciones);
  p_.PanelSelTit->clear();
}

void VisorFicha::Cerrar() {
  for (QWidget* w : std::initializer_list<QWidget*>{
           BotFP, p_.consulta->MenuCarUni2, p_.PanelCarSel, p_.PanelSel, p_.PanelSelTit, p_.ListSel,
           PanelCar, BotSelcar, ComSelCar, p_.universidades->LabelSeleccion, BitRetroSelCar}) {
    w->hide();
  }
  p_.TimerParpadeo->stop();
  p_.ListSel->setCursor(Qt::ForbiddenCursor);
  p_.PanelSelTit->clear();
  p_.ListSel->clear();
}

void VisorFicha::BitRetroSelCarClick() {
  BotFP->hide();
  p_.consulta->MenuCarUni2->hide();
  MenuCarClick(8);
}

}  // namespace sendaro
