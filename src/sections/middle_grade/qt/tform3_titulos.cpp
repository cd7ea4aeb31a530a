// Titles first: the families list, the titles pop-up beside it, the chosen
// title with its blinking name and its requirements, jobs and subjects, and
// the back button's way out of them.
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

#include "data/impresion/impresora.h"
#include "sections/middle_grade/qt/tform3.h"
#include "ui/piezas.h"
#include "ui/servicios.h"
#include "ui/sonido.h"

namespace sendaro {

using namespace piezas;

namespace {

constexpr int kFilasDescripcion = 6;

void Llenar(QListWidget* lista, const std::vector<std::string>& filas) {
  lista->clear();
  for (const std::string& f : filas) lista->addItem(RecortadoQt(DeWin(f)));
}

int AltoFila(const QListWidget* lista) {
  const int alto = lista->count() > 0 ? lista->sizeHintForRow(0) : -1;
  return alto > 0 ? alto : lista->fontMetrics().height() + 2;
}

}  // namespace

void TForm3::botTit2Click() {
  EstadoPrograma& e = servicios_.estado;
  MostrarMenu(false);
  BorrarBocadillo();
  PararAnimaciones();
  e.ModoTitulos = true;
  e.ModoLugares = false;
  e.ModoImpresion = false;
  e.FaseLocalidades = false;
  EligiendoComunidades = false;
  PanelImp->hide();
  dobleClicReja_ = false;
  ListSelLugFP->hide();
  filaSobreFamilias_ = 0;
  TimerParpadeo->stop();
  PanelCarSel->hide();
  MostrarSeleccion();
  PanelSelTit->setText(T(294));
  PanelSelTit->show();
  reja->hide();
  listSelFP->show();
  BotRetrocederFP->show();

  filasFamilias_ = ListaFamiliasGM(familias_);
  listSelFP->setFont(LetraQt(QStringLiteral("Comic Sans MS"), Letra(10)));
  listSelFP->setCursor(Qt::PointingHandCursor);
  Llenar(listSelFP, filasFamilias_.filas);
  if (!e.DesdeAsistente) listSelFP->setFocus();
  const int primera = PrimeraFilaVisible >= 0 && PrimeraFilaVisible <= familias_.Cuenta()
                          ? std::min(PrimeraFilaVisible, listSelFP->count() - 1)
                          : 0;
  if (primera >= 0 && listSelFP->count() > 0)
    listSelFP->scrollToItem(listSelFP->item(primera), QAbstractItemView::PositionAtTop);
  else
    listSelFP->scrollToTop();
  listSelFP->setCurrentRow(-1);
  listSelFP->clearSelection();

  if (AyudaPendiente) {
    DeslizarAyudaDesde(T(440) + QStringLiteral(". ") + T(442) + QLatin1Char(' ') + T(443), 60);
    AyudaPendiente = false;
  }
}

void TForm3::listSelFPMouseDown(int y) {
  const EstadoPrograma& e = servicios_.estado;
  if (!e.ModoTitulos || !mapa->isHidden() || e.ModoCuestionario) return;
  if (listSelFP->isHidden() || filasFamilias_.numeros.empty()) return;
  const QModelIndex indice = listSelFP->indexAt(QPoint(4, y));
  if (!indice.isValid()) return;
  const int fila = indice.row();
  if (static_cast<std::size_t>(fila) >= filasFamilias_.numeros.size()) return;
  SeguirRaton = false;
  listSelFP->setCurrentRow(fila);
  listSelFP->clearSelection();
  listSelFP->item(fila)->setSelected(true);
  FamiliaPulsada = filasFamilias_.numeros[static_cast<std::size_t>(fila)];

  filasTitulos_ = TitulosDeFamiliaGM(familias_, servicios_.tablas.titulosGM, FamiliaPulsada);
  ListTitFP->setFont(listSelFP->font());
  Llenar(ListTitFP, filasTitulos_.filas);
  filaSobreTitulos_ = 0;

  MostrarDescripcion(familias_.Inicio(FamiliaPulsada) + 1);
  const int altoExpli = kFilasDescripcion * AltoFila(ListFPExpli) + 4;
  EntradaPopup entrada;
  entrada.titulos = ListTitFP->count();
  entrada.altoFila = AltoFila(listSelFP);
  entrada.yRaton = y;
  entrada.arribaLista = listSelFP->viewport()->mapTo(this, QPoint(0, 0)).y();
  entrada.altoLista = listSelFP->viewport()->height();
  entrada.altoDebajo = altoExpli;
  entrada.altoPagina = height();
  const SalidaPopup s = ColocarPopupTitulos(entrada);
  const int izquierda = PanelSelec->x() - ListTitFP->width() - 10;
  ListTitFP->setGeometry(izquierda, s.arriba, ListTitFP->width(), s.alto);
  Labeltitulo->move(izquierda, s.arriba - 30);
  ListFPExpli->setGeometry(izquierda, s.arriba + s.alto + 1, ListTitFP->width(), altoExpli);
  for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, Labeltitulo, ListFPExpli}) {
    w->show();
    w->raise();
  }
  ListTitFP->setCurrentRow(-1);

  const QModelIndex primera = listSelFP->indexAt(QPoint(4, 1));
  PrimeraFilaVisible = primera.isValid() ? primera.row() : 0;
}

void TForm3::MostrarDescripcion(int linea) {
  Llenar(ListFPExpli, DescripcionTituloGM(servicios_.tablas.bloquesGM, servicios_.catalogo, linea));
}

void TForm3::SinTitulos() {
  for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, Labeltitulo, ListFPExpli}) w->hide();
}

void TForm3::ListTitFPClick(int fila) {
  if (fila < 0 || static_cast<std::size_t>(fila) >= filasTitulos_.numeros.size()) return;
  BorrarBocadillo();
  LabAyuGM->hide();
  HeliPeque->hide();
  if (TimerAyu->isActive()) {
    TimerAyu->stop();
    servicios_.sonido.MotorEnBucle(false);
  }
  SinTitulos();
  SeguirRaton = true;
  ElegirTitulo(filasTitulos_.numeros[static_cast<std::size_t>(fila)]);
}

void TForm3::ElegirTitulo(int titulo) {
  TituloGMSel = titulo;
  PanelSelTit->clear();
  PanelSelTit->show();
  nombreParpadeo_ = RecortadoQt(DeWin(servicios_.tablas.titulosGM[titulo]));
  PanelCarSel->setText(nombreParpadeo_);
  PanelCarSel->show();
  MostrarSeleccion();
  for (QWidget* w : std::initializer_list<QWidget*>{BotPuesto, BotRequisitos, botAsig, BotImprimir,
                                                    mapa, BotRetrocederFP}) {
    w->show();
  }
  reja->hide();
  listSelFP->clear();
  listSelFP->show();
  parpadeo_ = ParpadeoGM();
  TimerParpadeo->start();
}

void TForm3::TimerParpadeoTimer() {
  const ParpadeoGM::Paso paso = parpadeo_.Avanzar();
  PanelCarSel->setText(paso.mostrar ? nombreParpadeo_ : QString());
  if (paso.fin) TimerParpadeo->stop();
}

void TForm3::MostrarFilas(const QString& titulo, const std::vector<std::string>& filas) {
  BorrarBocadillo();
  PanelSelTit->setText(titulo);
  reja->hide();
  listSelFP->setFont(LetraQt(QStringLiteral("Comic Sans MS"), Letra(10)));
  listSelFP->setCursor(Qt::ArrowCursor);
  Llenar(listSelFP, filas);
  listSelFP->show();
}

void TForm3::BotRequisitosClick() {
  MostrarFilas({}, RequisitosGM(servicios_.tablas.lineasInforma));
}

void TForm3::BotPuestoClick() {
  MostrarFilas(T(199), PuestosGM(servicios_.tablas.bloquesGM, TituloGMSel));
}

void TForm3::botAsigClick() {
  MostrarFilas(T(312), AsignaturasGM(servicios_.tablas.bloquesGM, TituloGMSel));
}

void TForm3::OcultarDetalles() {
  for (QWidget* w : std::initializer_list<QWidget*>{LabAyuGM, HeliPeque, BotRequisitos, BotPuesto,
                                                    botAsig, BotImprimir, BotTelefono, mapa, mapac,
                                                    mapam, listBarcelona, BotCerrar, PanelMapa}) {
    w->hide();
  }
}

void TForm3::BotRetrocederFPClick() {
  EstadoPrograma& e = servicios_.estado;
  e.ModoImpresion = false;
  if (!e.ModoTitulos) {
    if (e.ModoLugares) RetrocederLugares();
    return;
  }
  if (!mapa->isHidden()) {
    if (!AyudaPendiente) {
      for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, Labeltitulo, ListFPExpli})
        w->show();
    }
    OcultarDetalles();
    botTit2Click();
    return;
  }
  BorrarBocadillo();
  OcultarDetalles();
  for (QWidget* w :
       std::initializer_list<QWidget*>{PanelSelec, listSelFP, reja, ListFPExpli, ListTitFP,
                                       Labeltitulo, BotRetrocederFP, PanelSelTit, PanelCarSel}) {
    w->hide();
  }
  MostrarMenu(true);
}

}  // namespace sendaro
