// The middle-grade questionnaire: areas, then statements, then the proposed
// families and titles; a proposed title shrinks the list into a small one
// beside the map, where its centres are looked up; the answers, the title
// and its centres print as the student's report.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/impresora.h"
#include "data/impresion/informes.h"
#include "data/texto.h"
#include "sections/middle_grade/qt/tform3.h"
#include "ui/accesible.h"
#include "ui/dialogos.h"
#include "ui/mosaico.h"
#include "ui/panel_explicacion.h"
#include "ui/piezas.h"
#include "ui/servicios.h"
#include "ui/sonido.h"
#include "ui/teclas_listas.h"
#include "ui/tform4.h"
#include "ui/ventana_principal.h"

namespace sendaro {

using namespace piezas;

namespace {

constexpr int kAltoFilaAreas = 30;
constexpr int kPeriodoReduce = 100;
constexpr int kLargoEncabezado = 45;
constexpr int kLetraInforme = 10;
constexpr int kLadoIcono = 28;

}  // namespace

void TForm3::CrearCuestionario() {
  ListGM2 = Lista<QListWidget>(this, "ListGM2", {60, 110, 720, 440});
  ListGM = Lista<QListWidget>(this, "ListGM", {60, 110, 720, 440 + kAltoFilaAreas});
  ListGM->setIconSize(QSize(28, 28));
  ListGM2->setSelectionMode(QAbstractItemView::MultiSelection);
  ListGM2->setWordWrap(true);
  ListPeque = Lista<QListWidget>(this, "ListPeque", {60, 316, 330, 300});
  PanelPorQue = new PanelExplicacion(this, QStringLiteral("PanelPorQue"), QString(),
                                     {790, 110, 210, 380});
  BitFleGMiz = Boton(this, "BitFleGMiz", {800, 500, 80, 50});
  BitFleGMde = Boton(this, "BitFleGMde", {890, 500, 80, 50});
  BitFleGMiz->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
  BitFleGMde->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
  for (QPushButton* b : {BitFleGMiz, BitFleGMde}) b->setIconSize(QSize(36, 36));
  BitFleGMiz->setAccessibleName(T(textos_accesibles::kAnterior));
  BitFleGMde->setAccessibleName(T(textos_accesibles::kSiguiente));
  BotSalirCues = Boton(this, "BotSalirCues", {60, 690, 170, 40});
  BotImprimirCuesGM = Boton(this, "BotImprimirCuesGM", {610, 690, 350, 40});
  for (QWidget* w : std::initializer_list<QWidget*>{ListGM, ListGM2, ListPeque, BitFleGMiz,
                                                    BitFleGMde, BotSalirCues, BotImprimirCuesGM}) {
    w->hide();
  }
  TimerReduce = piezas::Temporizador(this, "TimerReduce", kPeriodoReduce);

  connect(BitFleGMde, &QPushButton::clicked, this, &TForm3::BitFleGMdeClick);
  connect(BitFleGMiz, &QPushButton::clicked, this, &TForm3::BitFleGMizClick);
  connect(ListGM, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ListGMClick(ListGM->row(item)); });
  EnterPropio(*ListGM);  // the list reads Enter itself
  connect(ListGM, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ListGMClick(ListGM->row(item)); });
  // The current result row, by click or keys, shows why it was proposed.
  connect(ListGM, &QListWidget::currentRowChanged, this, &TForm3::MostrarPorQue);
  connect(ListPeque, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ListPequeClick(ListPeque->row(item)); });
  connect(TimerReduce, &QTimer::timeout, this, &TForm3::TimerReduceTimer);
  connect(BotSalirCues, &QPushButton::clicked, this, &TForm3::BotSalirCuesClick);
  connect(BotImprimirCuesGM, &QPushButton::clicked, this, &TForm3::BotImprimirCuesGMClick);
}

void TForm3::AreasEnLista() {
  ListGM->clear();
  ListGM->setSelectionMode(QAbstractItemView::MultiSelection);
  ListGM->setCursor(Qt::PointingHandCursor);
  if (iconos_.isEmpty()) {
    // The hall's icon list: a strip of square icons.
    const QPixmap tira(QString::fromStdString(
        (servicios_.estado.entorno.instalacion.Carpeta() / "iconos.png").string()));
    for (int x = 0; x + kLadoIcono <= tira.width(); x += kLadoIcono)
      iconos_.push_back(tira.copy(x, 0, kLadoIcono, kLadoIcono));
  }
  const std::vector<std::string> areas = AreasGM(servicios_.tablas.cuestionarioGM);
  for (std::size_t i = 0; i < areas.size(); ++i) {
    auto* item = new QListWidgetItem(RecortadoQt(DeWin(areas[i])), ListGM);
    item->setIcon(iconos_.value(static_cast<int>(i)));
    item->setSizeHint(QSize(0, kAltoFilaAreas));
  }
}

void TForm3::ResultadoEnLista(QListWidget* lista) {
  lista->clear();
  for (const FilaResultadoGM& f : filasResultado_) lista->addItem(RecortadoQt(DeWin(f.texto)));
}

void TForm3::AyudaCuestionario(const QString& texto, bool deslizar) {
  if (!deslizar) {
    LabAyuGM->setText(texto);
    LabAyuGM->adjustSize();
    LabAyuGM->move(width() - 30, LabAyuGM->y());
    return;
  }
  DeslizarAyudaDesde(texto, 80);
}

void TForm3::PasoUno() {
  EstadoPrograma& e = servicios_.estado;
  e.CuesEncabezado.clear();
  pasoDos_ = false;
  resultados_ = false;
  tituloAbierto_ = false;
  areasElegidas_.clear();
  MostrarMenu(false);
  for (QWidget* w : std::initializer_list<QWidget*>{
           PanelSelec,    listSelFP, reja,    ListTitFP,   Labeltitulo,   ListFPExpli,
           BotRequisitos, BotPuesto, botAsig, BotImprimir, BotTelefono,   BotRetrocederFP,
           mapa,          mapac,     mapam,   PanelMapa,   listBarcelona, BotCerrar,
           ListSelLugFP,  PanelImp,  ListGM2, ListPeque,   BitFleGMiz,    BotImprimirCuesGM}) {
    w->hide();
  }
  for (QWidget* w : std::initializer_list<QWidget*>{BotSalirCues, BitFleGMde, ListGM}) w->show();
  ListGM->setGeometry(ListGM2->x(), ListGM2->y(), ListGM2->width(),
                      ListGM2->height() + kAltoFilaAreas);
  AreasEnLista();
  informeCues_ = {};
  AyudaCuestionario(T(163), true);
}

void TForm3::AvisoSinEleccion() {
  servicios_.dialogos.Pitido();
  VueloDeAviso();
}

void TForm3::BitFleGMdeClick() {
  EstadoPrograma& e = servicios_.estado;
  if (!pasoDos_ && !resultados_ && ListGM->count() >= kAreaLugares &&
      ListGM->item(kAreaLugares - 1)->isSelected()) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{BitFleGMde, ListGM, BotSalirCues, LabAyuGM, HeliPeque}) {
      w->hide();
    }
    // The questionnaire is left: its student heading goes with it.
    e.ModoCuestionario = false;
    e.CuesEncabezado.clear();
    botLug2Click();
    return;
  }
  BorrarBocadillo();
  if (ListGM->selectedItems().isEmpty()) {
    AvisoSinEleccion();
    return;
  }
  BitFleGMiz->show();
  if (!pasoDos_) {
    // Step 2: the statements of the chosen areas.
    areasElegidas_.clear();
    std::vector<std::string> textos;
    std::vector<int> valores;
    for (int fila = 0; fila < kAreaLugares - 1 && fila < ListGM->count(); ++fila) {
      if (!ListGM->item(fila)->isSelected()) continue;
      areasElegidas_.push_back(fila);
      textos.push_back(AWin(ListGM->item(fila)->text()));
      valores.push_back(ValorArea(fila + 1));
    }
    InformeAreas(informeCues_, textos, servicios_.catalogo);
    pasoDos_ = true;
    AyudaCuestionario(T(164) + QLatin1Char(' ') + T(165), !LabAyuGM->isHidden());
    enunciados_ = EnunciadosGM(servicios_.tablas.cuestionarioGM, valores);
    ListGM2->clear();
    for (const EnunciadoGM& en : enunciados_) ListGM2->addItem(RecortadoQt(DeWin(en.texto)));
    ListGM->hide();
    ListGM2->show();
    return;
  }
  if (ListGM2->selectedItems().isEmpty()) {
    AvisoSinEleccion();
    return;
  }
  // Step 3: the families and titles the chosen statements point to.
  tituloAbierto_ = false;
  resultados_ = true;
  AyudaCuestionario(T(189), !LabAyuGM->isHidden());
  std::vector<EnunciadoGM> elegidos;
  std::vector<std::string> textos;
  for (int fila = 0; fila < ListGM2->count(); ++fila) {
    if (!ListGM2->item(fila)->isSelected()) continue;
    if (static_cast<std::size_t>(fila) >= enunciados_.size()) break;
    elegidos.push_back(enunciados_[static_cast<std::size_t>(fila)]);
    textos.push_back(enunciados_[static_cast<std::size_t>(fila)].texto);
  }
  InformeEnunciados(informeCues_, textos, servicios_.catalogo);
  filasResultado_ =
      ResultadosGM(familias_, servicios_.tablas.titulosGM, elegidos, servicios_.catalogo);
  explicaciones_ = ExplicarResultadosGM(filasResultado_, elegidos, servicios_.catalogo);
  ListGM2->hide();
  BitFleGMde->hide();
  ListGM->setSelectionMode(QAbstractItemView::SingleSelection);
  ResultadoEnLista(ListGM);
  ListGM->show();
  PanelPorQue->FijarTitulo(T(textos_explicacion::kTituloPanel));
  PanelPorQue->Mostrar(nullptr);
}

void TForm3::MostrarPorQue(int fila) {
  const bool enResultados = resultados_ && !tituloAbierto_ && !ListGM->isHidden();
  const auto i = static_cast<std::size_t>(fila);
  PanelPorQue->Mostrar(enResultados && fila >= 0 && i < explicaciones_.size() ? &explicaciones_[i]
                                                                              : nullptr);
}

void TForm3::BitFleGMizClick() {
  BotImprimirCuesGM->hide();
  PanelPorQue->hide();
  if (tituloAbierto_) {
    BorrarBocadillo();
    tituloAbierto_ = false;
    TimerReduce->stop();
    TimerParpadeo->stop();
    ListGM->setGeometry(ListGM2->x(), ListGM2->y(), ListGM2->width(),
                        ListGM2->height() + kAltoFilaAreas);
    ListGM->show();
    for (QWidget* w : std::initializer_list<QWidget*>{
             PanelSelTit, PanelCarSel, PanelSelec, listSelFP, ListFPExpli, mapa, mapac, mapam,
             listBarcelona, BotCerrar, PanelMapa, ListPeque, reja}) {
      w->hide();
    }
    return;
  }
  if (resultados_) {
    BitFleGMde->show();
    ListGM2->show();
    ListGM->hide();
    resultados_ = false;
    return;
  }
  if (pasoDos_) {
    BitFleGMde->show();
    BitFleGMiz->hide();
    pasoDos_ = false;
    AreasEnLista();
    for (const int fila : areasElegidas_) ListGM->item(fila)->setSelected(true);
    ListGM->show();
    ListGM2->hide();
  }
}

void TForm3::ListGMClick(int fila) {
  if (!resultados_ || tituloAbierto_ || TimerReduce->isActive()) return;
  if (fila < 0 || static_cast<std::size_t>(fila) >= filasResultado_.size()) return;
  const int titulo = filasResultado_[static_cast<std::size_t>(fila)].titulo;
  if (titulo <= 0) return;
  EstadoPrograma& e = servicios_.estado;
  tituloAbierto_ = true;
  TituloGMSel = titulo;
  e.ModoTitulos = true;
  e.ModoLugares = false;
  LabAyuGM->hide();
  HeliPeque->hide();
  if (TimerAyu->isActive()) {
    TimerAyu->stop();
    servicios_.sonido.MotorEnBucle(false);
  }
  ListPeque->move(mapa->x(), mapa->height() + 120);
  PanelPorQue->hide();
  pasoReduce_ = 0;
  TimerReduce->start();
}

void TForm3::TimerReduceTimer() {
  pasoReduce_ += 2;
  const int s = pasoReduce_;
  ListGM->show();
  ListGM->setGeometry(ListGM->x(), ListGM->y() + s, std::max(1, ListGM->width() - (s + s / 2)),
                      std::max(1, ListGM->height() - s));
  if (ListGM->y() <= ListPeque->y()) return;
  TimerReduce->stop();
  pasoReduce_ = 0;
  ListGM->hide();
  ResultadoEnLista(ListPeque);
  ListPeque->show();
  ListPeque->raise();
  TituloDelCuestionario(TituloGMSel);
  ListGM->setGeometry(ListGM2->x(), ListGM2->y(), ListGM2->width(),
                      ListGM2->height() + kAltoFilaAreas);
}

void TForm3::TituloDelCuestionario(int titulo) {
  TituloGMSel = titulo;
  MostrarSeleccion();
  PanelSelTit->clear();
  PanelSelTit->show();
  nombreParpadeo_ = RecortadoQt(DeWin(servicios_.tablas.titulosGM[titulo]));
  PanelCarSel->setText(nombreParpadeo_);
  PanelCarSel->show();
  reja->hide();
  listSelFP->clear();
  listSelFP->show();
  mapa->show();
  parpadeo_ = ParpadeoGM();
  TimerParpadeo->start();
}

void TForm3::ListPequeClick(int fila) {
  if (!tituloAbierto_) return;
  BotImprimirCuesGM->hide();
  reja->setRowCount(0);
  if (fila < 0 || static_cast<std::size_t>(fila) >= filasResultado_.size()) return;
  const int titulo = filasResultado_[static_cast<std::size_t>(fila)].titulo;
  if (titulo <= 0) return;
  TituloDelCuestionario(titulo);
}

void TForm3::CentrosAlInforme(const std::vector<FilaCentro>& filas) {
  BotImprimirCuesGM->show();
  std::vector<std::string> centros;
  for (const FilaCentro& f : filas) {
    for (std::string& l : LineasConTelefono(f)) centros.push_back(std::move(l));
  }
  // The chosen title's reasons go under it.
  std::vector<std::string> porque;
  for (std::size_t i = 0; i < filasResultado_.size() && i < explicaciones_.size(); ++i) {
    if (filasResultado_[i].titulo == TituloGMSel) porque = explicaciones_[i].lineas;
  }
  InformeTituloElegido(informeCues_, RecortarDerecha(servicios_.tablas.titulosGM[TituloGMSel]),
                       centros, servicios_.catalogo, porque);
}

void TForm3::BotImprimirCuesGMClick() {
  EstadoPrograma& e = servicios_.estado;
  TForm4* dialogo = servicios_.Dialogo();
  if (dialogo == nullptr) return;
  const std::optional<QString> nombre = dialogo->PedirNombre(T(339));
  if (!nombre) return;
  e.CuesEncabezado = std::string(Cortar(AWin(*nombre), kLargoEncabezado));
  BufferImpresion& buffer = Compartidos().LineasInforme;
  buffer.Vaciar();
  buffer.Fijar(0, e.CuesEncabezado);
  for (std::size_t k = 0; k < informeCues_.lineas.size(); ++k)
    buffer.Fijar(static_cast<int>(k) + 1, informeCues_.lineas[k]);
  SeccionesImpresion& secciones = Compartidos().Secciones;
  secciones.Vaciar();
  for (const int n : NegritasCuestionario(informeCues_)) secciones.Agregar(n);
  ImprimirVertical(*impresora_, DatosCabeceraDe(servicios_.catalogo, e.NombreCentro), buffer,
                   static_cast<int>(informeCues_.lineas.size()), true, kLetraInforme, secciones);
}

void TForm3::BotSalirCuesClick() {
  EstadoPrograma& e = servicios_.estado;
  e.ModoCuestionario = false;
  e.CuesEncabezado.clear();
  degradeMapa2->show();
  TimerReduce->stop();
  TimerParpadeo->stop();
  if (TimerAyu->isActive()) {
    TimerAyu->stop();
    servicios_.sonido.MotorEnBucle(false);
  }
  PararAnimaciones();
  BorrarBocadillo();
  for (QWidget* w : std::initializer_list<QWidget*>{
           BitFleGMde, BitFleGMiz,    HeliPeque,         mapa,        mapac,
           mapam,      listBarcelona, BotCerrar,         PanelCarSel, PanelSelTit,
           listSelFP,  reja,          ListGM2,           ListGM,      BotSalirCues,
           LabAyuGM,   ListPeque,     BotImprimirCuesGM, PanelSelec,  PanelMapa,
           PanelPorQue}) {
    w->hide();
  }
  tituloAbierto_ = false;
  resultados_ = false;
  pasoDos_ = false;
  // Back to the study questionnaire that opened it (or the page below, or
  // the assistant).
  servicios_.navegacion.Salir(*this, Seccion::kItinerarios);
}

}  // namespace sendaro
