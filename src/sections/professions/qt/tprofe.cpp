#include "sections/professions/qt/tprofe.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/informes.h"
#include "data/qt/impresora_qt.h"
#include "data/tablas_datos.h"
#include "ui/accesible.h"
#include "ui/mosaico.h"
#include "ui/panel_explicacion.h"
#include "ui/piezas.h"
#include "ui/servicios.h"
#include "ui/tform4.h"

namespace sendaro {

using namespace piezas;
namespace tx = profesiones::textos;

namespace {

// Shrinks a one-line caption's font until it fits its label (longer in some
// languages than the space the screen gives it), down to a readable size.
void EncajarEnAncho(QLabel* l, int minimo = 8) {
  QFont f = l->font();
  while (f.pointSize() > minimo &&
         QFontMetrics(f).horizontalAdvance(l->text()) > l->contentsRect().width())
    f.setPointSize(f.pointSize() - 1);
  l->setFont(f);
}

constexpr int kAltoFilaCues = 30;
constexpr int kAltoFilaResul = 19;
constexpr int kPeriodoFrase = 15;  // the panel grows at the clock's granularity
constexpr int kPeriodoAyu = 50;
constexpr QRect kSitioFrase{212, 200, 600, 260};
constexpr QRect kSitioSel{123, 106, 777, 300};
constexpr int kAltoSelConResultado = 150;
constexpr int kIzquierdaFinal = 20;
constexpr int kIzquierdaTit0 = 80;

const QColor kVerde(0, 128, 0);

}  // namespace

Tprofe::Tprofe(Servicios& servicios, QWidget* padre)
    : QWidget(padre), servicios_(servicios), impresora_(std::make_unique<ImpresoraQt>(this)) {
  setObjectName(QStringLiteral("Tprofe"));
  resize(1024, 768);
  CrearControles();
  PonerTextos();
  alturaFrase_ = kSitioFrase.height();
  arribaFrase_ = kSitioFrase.y();
  OcultarTodo();
  NombrarAccesibles(this);
}

Tprofe::~Tprofe() = default;

void Tprofe::Preparar(Servicios& servicios) {
  CargarTablasProfesiones(servicios.estado.entorno, servicios.tablas.profesiones);
}

void Tprofe::Entrar(entrada::Profesiones) { BotCuestioClick(); }

void Tprofe::FijarImpresora(std::unique_ptr<Impresora> impresora) {
  impresora_ = std::move(impresora);
}

QString Tprofe::T(int n) const { return servicios_.Texto(n); }

const DatosProfesiones& Tprofe::Datos() const { return servicios_.tablas.profesiones; }

profesiones::TablasEstudios Tprofe::Estudios() const {
  const TablasDatos& t = servicios_.tablas;
  return {&t.carreras, &t.titulosFP, &t.titulosGM, &t.otros};
}

void Tprofe::CrearControles() {
  const Tema& tema = servicios_.TemaActual();
  const QColor colorTitulo = ColorQ(tema.ColorTitulo);
  const QColor colorTextoTitulo = ColorQ(tema.ColorTextoTitulo);
  const int delta = servicios_.estado.TamanoLetraDelta;

  degradeMapa2 = Lista<Mosaico>(this, "degradeMapa2", {0, 0, 1024, 768});
  degradeMapa2->FijarTesela(servicios_.recursos.Suelo);
  degradeMapa2->setMouseTracking(true);
  degradeMapa2->installEventFilter(this);
  TilIzq = Lista<Mosaico>(this, "TilIzq", {0, 0, 23, 768});
  TilIzq->FijarTesela(servicios_.recursos.MarcoIzquierdo);
  TilDer = Lista<Mosaico>(this, "TilDer", {1024 - 23, 0, 23, 768});
  TilDer->FijarTesela(servicios_.recursos.MarcoDerecho);

  ListCues = Lista<QListWidget>(this, "ListCues", {123, 70, 777, 481});
  ListCues->setSelectionMode(QAbstractItemView::MultiSelection);
  ListCues->setIconSize(QSize(28, 28));
  ListCues->setFont(LetraQt(QStringLiteral("Times New Roman"), 12 + delta));
  ListCues->setWordWrap(true);
  PintarLista(ListCues, ColorQ(ColorFondo1));

  PanelSelTit0 = Lista<QLabel>(this, "PanelSelTit0", {123, 70, 777, 36});
  PanelSelTit0->setStyleSheet(
      QStringLiteral("background-color: %1; border: 1px solid #b89a7a;").arg(Rgb(colorTitulo)));
  LabelTit0 = Lista<QLabel>(PanelSelTit0, "LabelTit0", {777, 6, 640, 24});
  LabelTit0->setFont(LetraQt(QStringLiteral("Times New Roman"), 14, true));
  LabelTit0->setStyleSheet(QStringLiteral("color: %1; background: transparent; border: none;")
                               .arg(Rgb(colorTextoTitulo)));
  ListSel = Lista<QListWidget>(this, "ListSel", kSitioSel);
  ListSel->setSelectionMode(QAbstractItemView::MultiSelection);
  ListSel->setFont(LetraQt(QStringLiteral("Times New Roman"), 12 + delta));
  PintarLista(ListSel, ColorQ(ColorListas));
  connect(ListSel, &QListWidget::itemClicked, this, [this] { ListSelClick(); });

  PanelFrase = Lista<QFrame>(this, "PanelFrase", kSitioFrase);
  PanelFrase->setStyleSheet(
      QStringLiteral("QFrame#PanelFrase { background-color: white; border: 2px solid #b89a7a; "
                     "border-radius: 8px; }"));
  LabelFrase0 = Lista<QLabel>(PanelFrase, "LabelFrase0", {20, 14, 560, 30});
  LabelFrase0->setFont(LetraQt(QStringLiteral("Times New Roman"), 16, true));
  LabelFrase0->setAlignment(Qt::AlignCenter);
  LabelFrase = Lista<QLabel>(PanelFrase, "LabelFrase", {20, 52, 560, 136});
  LabelFrase->setFont(LetraQt(QStringLiteral("Times New Roman"), 15));
  LabelFrase->setStyleSheet(QStringLiteral("color: #c00000;"));
  LabelFrase->setWordWrap(true);
  LabelFrase->setAlignment(Qt::AlignCenter);
  BotSi = Lista<QPushButton>(PanelFrase, "BotSi", {160, 200, 120, 40});
  BotNo = Lista<QPushButton>(PanelFrase, "BotNo", {320, 200, 120, 40});
  for (QPushButton* b : {BotSi, BotNo}) b->setCursor(Qt::PointingHandCursor);
  connect(BotSi, &QPushButton::clicked, this, [this] { botSiClick(); });
  connect(BotNo, &QPushButton::clicked, this, [this] { BotNoClick(); });

  BotFraRet = Lista<QToolButton>(this, "BotFraRet", {123, 700, 56, 44});
  BotFraRet->setArrowType(Qt::LeftArrow);
  BotFraSig = Lista<QToolButton>(this, "BotFraSig", {189, 700, 56, 44});
  BotFraSig->setArrowType(Qt::RightArrow);
  connect(BotFraRet, &QToolButton::clicked, this, [this] { BotFraRetClick(); });
  connect(BotFraSig, &QToolButton::clicked, this, [this] { BotFraSigClick(); });

  PanelResul = Panel(this, "PanelResul", {33, 262, 958, 430});
  Pintar(PanelResul, ColorQ(ColorMenu));
  PanelResul->setMouseTracking(true);
  PanelResul->installEventFilter(this);
  LabelTitulo = Lista<QLabel>(PanelResul, "LabelTitulo", {10, 6, 938, 26});
  LabelTitulo->setFont(LetraQt(QStringLiteral("Times New Roman"), 15, true));
  LabelTitulo->setAlignment(Qt::AlignCenter);
  LabelTit1 = Lista<QLabel>(PanelResul, "LabelTit1", {kIzquierdaFinal, 40, 440, 22});
  LabelActi = Lista<QLabel>(PanelResul, "LabelActi", {kIzquierdaFinal, 236, 440, 22});
  Labeltit2 = Lista<QLabel>(PanelResul, "Labeltit2", {490, 40, 450, 22});
  LabelTit3 = Lista<QLabel>(PanelResul, "LabelTit3", {490, 62, 450, 22});
  for (QLabel* l : {LabelTit1, LabelActi, Labeltit2})
    l->setFont(LetraQt(QStringLiteral("Times New Roman"), 12, true));
  LabelTit3->setFont(LetraQt(QStringLiteral("Courier New"), 10, true));
  LabelTitExpli = Lista<QLabel>(PanelResul, "LabelTitExpli", {490, 360, 450, 44});
  LabelTitExpli->setFont(LetraQt(QStringLiteral("Times New Roman"), 11));
  const QFont fija = LetraQt(QStringLiteral("Courier New"), 10 + delta);
  ListResulProf = Lista<QListWidget>(PanelResul, "ListResulProf", {kIzquierdaFinal, 64, 440, 60});
  ListResulAct = Lista<QListWidget>(PanelResul, "ListResulAct", {kIzquierdaFinal, 260, 440, 59});
  for (QListWidget* l : {ListResulProf, ListResulAct}) {
    l->setFont(fija);
    l->setMouseTracking(true);
    l->viewport()->setMouseTracking(true);
    l->viewport()->installEventFilter(this);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    PintarLista(l, ColorQ(ColorFondo1));
  }
  ListTit = Lista<QTextEdit>(PanelResul, "ListTit", {490, 88, 450, 264});
  ListTit->setReadOnly(true);
  ListTit->setFont(LetraQt(QStringLiteral("Times New Roman"), 11 + delta));
  ListTit->viewport()->installEventFilter(this);
  ListTit->viewport()->setCursor(Qt::PointingHandCursor);
  PintarLista(ListTit, ColorQ(ColorListas));
  ListResProf = Lista<QListWidget>(this, "ListResProf", {53, 590, 440, 100});
  // Over the free right part of the final list, whose phrases it cites.
  PanelPorQue = new PanelExplicacion(this, QStringLiteral("PanelPorQue"), QString(),
                                     {560, 108, 338, 146});
  for (QListWidget* l : {ListResulProf, ListResulAct}) {
    l->installEventFilter(this);
    connect(l, &QListWidget::currentRowChanged, this,
            [this, l](int fila) { MostrarPorQue(l, fila); });
  }
  ListResProf->setFont(fija);
  PintarLista(ListResProf, ColorQ(ColorListas));

  BotImp = Lista<QPushButton>(this, "BotImp", {690, 700, 140, 44});
  BotAcabar = Lista<QPushButton>(this, "BotAcabar", {840, 700, 140, 44});
  for (QPushButton* b : {BotImp, BotAcabar}) {
    b->setCursor(Qt::PointingHandCursor);
    b->setFont(LetraQt(QStringLiteral("Times New Roman"), 12, true));
  }
  connect(BotImp, &QPushButton::clicked, this, [this] { BotImpClick(); });
  connect(BotAcabar, &QPushButton::clicked, this, [this] { BotAcabarClick(); });

  TimerFrase = piezas::Temporizador(this, "TimerFrase", kPeriodoFrase);
  connect(TimerFrase, &QTimer::timeout, this, [this] { TimerFraseTimer(); });
  TimerAyu = piezas::Temporizador(this, "TimerAyu", kPeriodoAyu);
  connect(TimerAyu, &QTimer::timeout, this, [this] { TimerAyuTimer(); });
  TimerAyu0 = piezas::Temporizador(this, "TimerAyu0", kPeriodoAyu);
  connect(TimerAyu0, &QTimer::timeout, this, [this] { TimerAyu0Timer(); });
}

void Tprofe::PonerTextos() {
  setWindowTitle(T(tx::kTitulo) + QStringLiteral("  ") + servicios_.Nombre());
  BotSi->setText(T(tx::kSi));
  BotNo->setText(T(tx::kNo));
  BotImp->setText(T(tx::kImprimir));
  BotAcabar->setText(T(tx::kAcabar));
  LabelTitulo->setText(T(tx::kResultado));
  LabelTit1->setText(T(tx::kProfesionesFrase));
  Labeltit2->setText(T(tx::kEstudiosProfesion));
  LabelActi->setText(T(tx::kActividadesMasAfines) + QLatin1Char(' ') + T(tx::kPasaRaton));
  for (QLabel* l : {LabelTit1, LabelActi, Labeltit2}) EncajarEnAncho(l);
  LabelTitExpli->setText(T(tx::kExplica1) + QLatin1Char('\n') + T(tx::kExplica2));
  BotFraRet->setAccessibleName(servicios_.Texto(textos_accesibles::kFraseAnterior));
  BotFraSig->setAccessibleName(servicios_.Texto(textos_accesibles::kFraseSiguiente));
}

void Tprofe::OcultarTodo() {
  for (QWidget* w :
       std::initializer_list<QWidget*>{PanelFrase, PanelResul, BotImp, ListSel, PanelSelTit0,
                                       ListCues, ListResProf, BotFraSig, PanelPorQue}) {
    w->hide();
  }
  for (QTimer* t : {TimerFrase, TimerAyu, TimerAyu0}) t->stop();
}

void Tprofe::BotCuestioClick() {
  OcultarTodo();
  servicios_.estado.CuesEncabezado.clear();
  ListCues->clear();
  const auto& frases = Datos().frasesLargas;
  const auto& iconos = servicios_.recursos.Iconos();
  for (std::size_t i = 0; i < frases.size(); ++i) {
    auto* item = new QListWidgetItem(DeWin(frases[i].texto), ListCues);
    const int icono = profesiones::IconoFraseLarga(static_cast<int>(i));
    if (icono < iconos.size()) item->setIcon(QIcon(iconos.at(icono)));
    item->setSizeHint(QSize(0, kAltoFilaCues));
  }
  ListCues->clearSelection();
  ListCues->setEnabled(false);
  ListCues->setCursor(Qt::ForbiddenCursor);
  ListCues->show();
  BotFraSig->setEnabled(false);
  BotFraSig->setCursor(Qt::ForbiddenCursor);
  BotFraSig->show();
  ListSel->setGeometry(kSitioSel);
  indiceFrase_ = -2;
  paginaProfe_ = 0;
  paginas_ = {};
  paginas_.numPaginas = 1;
  eleccionPaginas_.clear();
  listaFinal_.clear();
  modoFinal_ = false;
  resultado_ = {};
  desdeListaEstudios_ = false;
  PanelFrase->show();
  PanelFrase->raise();
  PasoFrase(true);
}

void Tprofe::botSiClick() { PasoFrase(true); }
void Tprofe::BotNoClick() { PasoFrase(false); }

void Tprofe::Plegar() {
  PanelFrase->setGeometry(kSitioFrase.x(), arribaFrase_ + alturaFrase_ / 2, kSitioFrase.width(),
                          10);
}

void Tprofe::PasoFrase(bool si) {
  const int n = static_cast<int>(Datos().frasesLargas.size());
  BotNo->show();
  const profesiones::PasoFrase paso = profesiones::AvanzarFrase(indiceFrase_, n, si);
  indiceFrase_ = paso.indice;
  if (paso.cerrar) {
    TimerFrase->stop();
    PanelFrase->hide();
    return;
  }
  if (paso.elegirFila >= 0 && paso.elegirFila < ListCues->count())
    ListCues->item(paso.elegirFila)->setSelected(true);
  Plegar();
  switch (paso.muestra) {
    case profesiones::PasoFrase::Muestra::kCierre:
      LabelFrase0->setText(T(tx::kRepasa));
      ListCues->setEnabled(true);
      ListCues->setCursor(Qt::PointingHandCursor);
      BotFraSig->setEnabled(true);
      BotFraSig->setCursor(Qt::PointingHandCursor);
      LabelFrase->setText(DeWin(profesiones::TextoCierre(servicios_.catalogo, Elegidas())));
      break;
    case profesiones::PasoFrase::Muestra::kIntroduccion:
      LabelFrase0->setText(T(tx::kIntroTitulo));
      LabelFrase->setText(T(tx::kIntro1) + QLatin1Char(' ') + T(tx::kIntro2));
      break;
    case profesiones::PasoFrase::Muestra::kFrase:
      LabelFrase0->setText(T(tx::kTeIdentificas));
      LabelFrase->setText(
          DeWin(Datos().frasesLargas[static_cast<std::size_t>(indiceFrase_)].texto));
      break;
    case profesiones::PasoFrase::Muestra::kNada:
      break;
  }
  if (paso.ocultarNo) BotNo->hide();
  PanelFrase->show();
  PanelFrase->raise();
  TimerFrase->start();
}

void Tprofe::TimerFraseTimer() {
  QRect r = PanelFrase->geometry();
  bool sigue = false;
  if (r.height() < alturaFrase_) {
    r.setHeight(std::min(alturaFrase_, r.height() + 10));
    sigue = true;
  }
  if (r.y() > arribaFrase_) {
    r.moveTop(std::max(arribaFrase_, r.y() - 5));
    sigue = true;
  }
  PanelFrase->setGeometry(r);
  if (!sigue) TimerFrase->stop();
}

std::vector<int> Tprofe::FilasElegidas(const QListWidget* lista) const {
  std::vector<int> filas;
  for (int i = 0; i < lista->count(); ++i)
    if (lista->item(i)->isSelected()) filas.push_back(i);
  return filas;
}

int Tprofe::Elegidas() const { return static_cast<int>(FilasElegidas(ListCues).size()); }

void Tprofe::BotFraSigClick() {
  if (modoFinal_) {
    CalcularResultados();
    return;
  }
  if (!profesiones::EleccionValida(Elegidas())) {
    // The closing message again; the choices stay as they are.
    indiceFrase_ = static_cast<int>(Datos().frasesLargas.size()) - 1;
    PasoFrase(false);
    return;
  }
  TimerFrase->stop();
  PanelFrase->hide();
  if (paginaProfe_ < paginas_.numPaginas + 1) ++paginaProfe_;
  if (paginaProfe_ == 1) {
    DerivarPaginas();
  } else {
    SiguientePagina();
  }
}

void Tprofe::DerivarPaginas() {
  LabelTit0->move(PanelSelTit0->width(), LabelTit0->y());
  eleccionPaginas_.clear();
  const auto codigos = profesiones::CodigosElegidos(Datos(), FilasElegidas(ListCues));
  paginas_ = profesiones::RepartirPaginas(profesiones::DerivarFrases(Datos(), codigos));
  if (paginas_.numPaginas == 0) {
    // The chosen phrases lead to no short phrase: back to the review with
    // the closing message rather than an empty page.
    paginas_.numPaginas = 1;
    paginaProfe_ = 0;
    indiceFrase_ = static_cast<int>(Datos().frasesLargas.size()) - 1;
    PasoFrase(false);
    return;
  }
  eleccionPaginas_.assign(static_cast<std::size_t>(paginas_.numPaginas), {});
  ListSel->setSelectionMode(QAbstractItemView::MultiSelection);
  ListSel->setGeometry(kSitioSel);
  ListSel->show();
  PanelSelTit0->show();
  LabelTit0->setText(T(tx::kEligeDosPorPagina));
  LabelTit0->move(PanelSelTit0->width() - kIzquierdaTit0, LabelTit0->y());
  TimerAyu0->start();
  LlenarPagina(1);
  ListCues->hide();
}

void Tprofe::LlenarPagina(int pagina) {
  ListSel->clear();
  if (pagina < 1 || pagina > paginas_.numPaginas) return;
  for (const int frase : paginas_.paginas[static_cast<std::size_t>(pagina - 1)])
    if (const FraseCorta* f = Datos().Corta(frase)) ListSel->addItem(DeWin(f->texto));
  for (const int fila : eleccionPaginas_[static_cast<std::size_t>(pagina - 1)])
    if (fila < ListSel->count()) ListSel->item(fila)->setSelected(true);
}

void Tprofe::SiguientePagina() {
  LabelActi->move(PanelResul->width() / 2, LabelActi->y());
  LabelTit1->move(PanelResul->width() / 3, LabelTit1->y());
  const int anterior = paginaProfe_ - 1;
  if (anterior >= 1 && anterior <= paginas_.numPaginas)
    eleccionPaginas_[static_cast<std::size_t>(anterior - 1)] = FilasElegidas(ListSel);
  ListSel->show();
  PanelSelTit0->show();
  ListSel->clear();
  if (paginaProfe_ > paginas_.numPaginas) {
    LabelTit0->setText(T(tx::kEligeUna));
    LabelTit0->move(PanelSelTit0->width() - kIzquierdaTit0, LabelTit0->y());
    TimerAyu0->start();
    listaFinal_ = profesiones::ListaFinal(paginas_, eleccionPaginas_);
    ListSel->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const int frase : listaFinal_)
      if (const FraseCorta* f = Datos().Corta(frase)) ListSel->addItem(DeWin(f->texto));
    modoFinal_ = true;
  } else {
    ListSel->setSelectionMode(QAbstractItemView::MultiSelection);
    LlenarPagina(paginaProfe_);
  }
}

void Tprofe::ListSelClick() {
  if (modoFinal_) return;  // single selection: only the clicked row stays chosen
  const std::vector<int> filas = profesiones::LimitarEleccionPagina(FilasElegidas(ListSel));
  for (int i = 0; i < ListSel->count(); ++i)
    ListSel->item(i)->setSelected(std::find(filas.begin(), filas.end(), i) != filas.end());
}

void Tprofe::BotFraRetClick() {
  if (paginaProfe_ == paginas_.numPaginas + 1 && PanelResul->isVisible()) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{PanelResul, BotImp, ListResProf, ListTit, PanelPorQue})
      w->hide();
    TimerAyu->stop();
    ListSel->setGeometry(kSitioSel);
    return;
  }
  if (paginaProfe_ == 0 && PanelFrase->isVisible()) return;
  BotFraSig->show();
  modoFinal_ = false;
  if (paginaProfe_ > 0) --paginaProfe_;
  if (paginaProfe_ == 0) {
    ListSel->hide();
    PanelSelTit0->hide();
    ListCues->show();
    return;
  }
  ListSel->show();
  PanelSelTit0->show();
  ListSel->setSelectionMode(QAbstractItemView::MultiSelection);
  LlenarPagina(paginaProfe_);
}

void Tprofe::LlenarLista(QListWidget* lista, const std::vector<std::string>& filas, int altoFila) {
  lista->clear();
  for (const std::string& f : filas) {
    auto* item = new QListWidgetItem(DeWin(f), lista);
    item->setSizeHint(QSize(0, altoFila));
  }
}

void Tprofe::CalcularResultados() {
  const std::vector<int> elegidas = FilasElegidas(ListSel);
  const int elegida = elegidas.empty() ? -1 : elegidas.back();
  resultado_.puntos = profesiones::PuntuarActividades(Datos(), listaFinal_, elegida);
  const int frase = elegida >= 0 && elegida < static_cast<int>(listaFinal_.size())
                        ? listaFinal_[static_cast<std::size_t>(elegida)]
                        : 0;
  resultado_.profesionesFrase =
      frase > 0 ? profesiones::ProfesionesDeFrase(Datos(), frase) : std::vector<int>{};
  porQueActividades_ =
      profesiones::ExplicarActividades(Datos(), resultado_.puntos, servicios_.catalogo);
  porQueProfesiones_ = profesiones::ExplicarProfesiones(Datos(), resultado_.profesionesFrase,
                                                        frase, servicios_.catalogo);
  resultado_.explicaciones = porQueActividades_;
  resultado_.explicaciones.insert(resultado_.explicaciones.end(), porQueProfesiones_.begin(),
                                  porQueProfesiones_.end());
  PanelPorQue->FijarTitulo(T(textos_explicacion::kTituloPanel));
  PanelPorQue->Mostrar(nullptr);
  filaProfesion_ = 1;
  filaActividad_ = 1;
  ListSel->setGeometry(kSitioSel.x(), kSitioSel.y(), kSitioSel.width(), kAltoSelConResultado);
  PanelResul->show();
  BotImp->show();
  ticAyu_ = 0;
  TimerAyu->start();

  const auto filasAct =
      profesiones::FilasActividades(Datos(), resultado_.puntos, servicios_.catalogo);
  LlenarLista(ListResulAct, filasAct, kAltoFilaResul);
  ListResulAct->resize(ListResulAct->width(), 3 * kAltoFilaResul + 2);

  detallesActivos_ = false;
  LabelTit3->clear();
  ListTit->clear();
  ListTit->hide();
  ListResProf->clear();
  ListResProf->hide();
  if (resultado_.profesionesFrase.empty()) {
    // No profession for the picked phrase: nothing of an earlier result stays.
    ListResulProf->clear();
    ListResulProf->resize(ListResulProf->width(), kAltoFilaResul + 2);
  } else {
    const auto filas = profesiones::FilasProfesiones(Datos(), resultado_.profesionesFrase);
    LlenarLista(ListResulProf, filas, kAltoFilaResul);
    const int alto = static_cast<int>(filas.size()) * kAltoFilaResul + 2;
    ListResulProf->resize(ListResulProf->width(), std::min(alto, 160));
    if (ListResulProf->count() > 1) ListResulProf->setCurrentRow(1);
    MostrarEstudios(0);
  }
  if (ListResulAct->count() > 1) ListResulAct->setCurrentRow(1);
  MostrarProfesionesActividad(0);
}

void Tprofe::MostrarEstudios(int indice) {
  const auto& lista = resultado_.profesionesFrase;
  if (indice < 0 || indice >= static_cast<int>(lista.size())) return;
  const Profesion& p =
      Datos().profesiones[static_cast<std::size_t>(lista[static_cast<std::size_t>(indice)])];
  LabelTit3->setText(detallesActivos_ ? DeWin(p.nombre) : QString());
  ListTit->clear();
  if (!detallesActivos_) return;
  const auto lineas = profesiones::LineasEstudios(profesiones::EstudiosDeProfesion(p, Estudios()),
                                                  servicios_.catalogo);
  for (const auto& l : lineas) {
    ListTit->setTextColor(l.cabecera ? kVerde : QColor(Qt::black));
    ListTit->append(DeWin(l.texto));
  }
}

void Tprofe::MostrarProfesionesActividad(int puesto) {
  if (puesto < 0 || puesto >= static_cast<int>(resultado_.puntos.size()) || puesto > 1) return;
  LlenarLista(ListResProf,
              profesiones::FilasProfesionesActividad(
                  Datos(), resultado_.puntos[static_cast<std::size_t>(puesto)].actividad,
                  puesto + 1, servicios_.catalogo),
              kAltoFilaResul);
  if (detallesActivos_) {
    ListResProf->show();
    ListResProf->raise();
  }
}

void Tprofe::PasarPorLista(QListWidget* lista, int y) {
  if (lista->count() <= 1) return;  // nothing to show over an empty list
  const bool activaAhora = !detallesActivos_;
  detallesActivos_ = true;
  const int fila = lista->indexAt(QPoint(4, y)).row();
  const int r = fila + 1;
  if (lista == ListResulProf) {
    ListTit->show();
    if (activaAhora) MostrarEstudios(filaProfesion_ - 2 >= 0 ? filaProfesion_ - 2 : 0);
    if (seleccionFija_ || fila < 0 || r <= 1 || r > lista->count() || r == filaProfesion_) return;
    filaProfesion_ = r;
    lista->setCurrentRow(fila);
    MostrarEstudios(r - 2);
  } else {
    if (activaAhora) MostrarProfesionesActividad(filaActividad_ - 2 >= 0 ? filaActividad_ - 2 : 0);
    ListResProf->show();
    ListResProf->raise();
    if (seleccionFija_ || fila < 0 || r <= 1 || r > lista->count() || r == filaActividad_) return;
    filaActividad_ = r;
    lista->setCurrentRow(fila);
    MostrarProfesionesActividad(r - 2);
  }
}

void Tprofe::SoltarEnLista(QListWidget* lista, int y) {
  if (lista->count() <= 1) return;
  seleccionFija_ = !seleccionFija_;
  const int fila = lista->indexAt(QPoint(4, y)).row();
  if (fila >= 1) lista->setCurrentRow(fila);
}

void Tprofe::MostrarPorQue(QListWidget* lista, int fila) {
  const auto& explicaciones = lista == ListResulAct ? porQueActividades_ : porQueProfesiones_;
  const auto i = static_cast<std::size_t>(fila - 1);
  if (fila >= 1 && i < explicaciones.size() && !PanelResul->isHidden())
    PanelPorQue->Mostrar(&explicaciones[i]);
}

void Tprofe::AbrirFila(QListWidget* lista, int fila) {
  if (fila < 1 || fila >= lista->count()) return;
  detallesActivos_ = true;
  if (lista == ListResulProf) {
    filaProfesion_ = fila + 1;
    ListTit->show();
    MostrarEstudios(fila - 1);
  } else {
    filaActividad_ = fila + 1;
    MostrarProfesionesActividad(fila - 1);
    ListResProf->show();
    ListResProf->raise();
  }
  MostrarPorQue(lista, fila);
}

bool Tprofe::eventFilter(QObject* objeto, QEvent* evento) {
  const auto tipo = evento->type();
  if (tipo == QEvent::KeyPress && (objeto == ListResulAct || objeto == ListResulProf)) {
    // Enter or Space opens the current row, as the pointer over it does.
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Space) {
      auto* lista = static_cast<QListWidget*>(objeto);
      AbrirFila(lista, lista->currentRow());
      return true;
    }
  }
  if (tipo == QEvent::MouseMove || tipo == QEvent::MouseButtonRelease) {
    const int y = static_cast<QMouseEvent*>(evento)->position().toPoint().y();
    for (QListWidget* l : {ListResulProf, ListResulAct}) {
      if (objeto != l->viewport()) continue;
      if (tipo == QEvent::MouseMove) {
        PasarPorLista(l, y);
      } else {
        SoltarEnLista(l, y);
      }
      return false;
    }
    if (tipo == QEvent::MouseMove && objeto == PanelResul) seleccionFija_ = false;
    if (tipo == QEvent::MouseMove && objeto == degradeMapa2) {
      ListTit->hide();
      ListResProf->hide();
    }
  }
  if (tipo == QEvent::MouseButtonPress && objeto == ListTit->viewport()) {
    desdeListaEstudios_ = true;
    BotAcabarClick();
    return true;
  }
  return QWidget::eventFilter(objeto, evento);
}

void Tprofe::TimerAyuTimer() {
  ++ticAyu_;
  if (LabelTit1->x() > kIzquierdaFinal)
    LabelTit1->move(std::max(kIzquierdaFinal, LabelTit1->x() - 4), LabelTit1->y());
  if (ticAyu_ >= 71) {
    if (LabelActi->x() > kIzquierdaFinal) {
      LabelActi->move(std::max(kIzquierdaFinal, LabelActi->x() - 4), LabelActi->y());
    } else {
      TimerAyu->stop();
    }
  }
}

void Tprofe::TimerAyu0Timer() {
  if (PanelSelTit0->isVisible() && LabelTit0->x() > kIzquierdaTit0) {
    LabelTit0->move(std::max(kIzquierdaTit0, LabelTit0->x() - 4), LabelTit0->y());
  } else {
    TimerAyu0->stop();
  }
}

void Tprofe::BotImpClick() {
  std::string& encabezado = servicios_.estado.CuesEncabezado;
  if (encabezado.empty()) {
    const auto nombre = servicios_.Dialogo()->PedirNombre(T(tx::kPideNombre));
    if (!nombre) return;
    encabezado = AWin(nombre->left(45));
  }
  BuffersCompartidos& b = Compartidos();
  const int n =
      profesiones::InformeProfesiones(Datos(), Estudios(), servicios_.catalogo, resultado_,
                                      encabezado, b.LineasImpresion, b.Secciones);
  ImprimirVertical(*impresora_,
                   DatosCabeceraDe(servicios_.catalogo, servicios_.estado.NombreCentro),
                   b.LineasImpresion, n, false, 12, b.Secciones);
}

void Tprofe::BotAcabarClick() {
  TForm4& d = *servicios_.Dialogo();
  d.LabelNombre2->setText(T(tx::kBuscaEstudio));
  d.LabelNombre2->hide();
  if (desdeListaEstudios_) {
    desdeListaEstudios_ = false;
    d.LabelNombre2->show();
  } else if (servicios_.estado.DesdeAsistente) {
    servicios_.estado.CuesEncabezado.clear();
    servicios_.navegacion.Salir(*this);
    return;
  }
  if (!d.Preguntar(T(tx::kSalir))) return;
  d.LabelNombre2->hide();
  d.LabelNombre2->clear();
  OcultarTodo();
  servicios_.estado.CuesEncabezado.clear();
  servicios_.navegacion.Salir(*this);
}

void Tprofe::closeEvent(QCloseEvent* evento) {
  evento->ignore();
  BotAcabarClick();
}

}  // namespace sendaro
