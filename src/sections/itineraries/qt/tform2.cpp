// The frame of the itineraries screen: page, menu, help bubble, keys and
// leaving.
#include "sections/itineraries/qt/tform2.h"

#include <QEvent>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>

#include "data/nombre_centro.h"
#include "data/qt/impresora_qt.h"
#include "data/tablas_datos.h"
#include "ui/accesible.h"
#include "ui/foco_teclado.h"
#include "ui/mosaico.h"
#include "ui/panel_explicacion.h"
#include "ui/piezas.h"
#include "ui/salida.h"
#include "ui/servicios.h"
#include "ui/sonido.h"
#include "ui/teclas_listas.h"

namespace sendaro {

using namespace piezas;

namespace {

constexpr int kAltoBoton = 46;
constexpr int kPasoBoton = 52;
constexpr int kAnchoMenu = 250;
constexpr int kAnchoMenu2 = 400;

QPushButton* BotonMenu(QFrame* panel, const char* nombre, int i, int ancho) {
  return Boton(panel, nombre, {10, 8 + i * kPasoBoton, ancho - 20, kAltoBoton});
}

int AltoMenu(int botones) { return 16 + botones * kPasoBoton - (kPasoBoton - kAltoBoton); }

// The forward arrow of BotContinuar.
QIcon Flecha() {
  QPixmap p(28, 28);
  p.fill(Qt::transparent);
  QPainter pintor(&p);
  pintor.setRenderHint(QPainter::Antialiasing);
  pintor.setPen(QPen(QColor(0, 70, 0), 1.5));
  pintor.setBrush(QColor(40, 160, 40));
  const QPointF puntos[] = {{3, 10}, {14, 10}, {14, 3}, {26, 14}, {14, 25}, {14, 18}, {3, 18}};
  pintor.drawPolygon(puntos, 7);
  return QIcon(p);
}

}  // namespace

TForm2::TForm2(Servicios& servicios, QWidget* padre)
    : QWidget(padre), servicios_(servicios), impresora_(std::make_unique<ImpresoraQt>(this)) {
  setObjectName(QStringLiteral("TForm2"));
  resize(1024, 768);
  CrearPagina();
  CrearMenus();
  CrearCuestionario();
  CrearResultados();
  CrearAyuda();
  CrearMapa();
  CrearDiagrama();
  for (QPushButton* b : findChildren<QPushButton*>()) b->setCursor(Qt::PointingHandCursor);

  const QString nombre = servicios.Nombre().trimmed();
  LabelAno->setText(T(175) + QLatin1Char('\n') + QStringLiteral("2008-2009"));
  LabelAno2->setText(nombre);
  QFont letraNombre = LabelAno2->font();
  letraNombre.setPointSize(TamanoNombreCentro(servicios.estado.NombreCentro));
  LabelAno2->setFont(letraNombre);
  setWindowTitle(T(338) + QStringLiteral("  ") + servicios.Nombre());

  PrepararLogse();
  Conectar();
  NombrarAccesibles(this);
}

TForm2::~TForm2() = default;

void TForm2::FijarImpresora(std::unique_ptr<Impresora> impresora) {
  impresora_ = std::move(impresora);
}

QString TForm2::T(int n) const { return RecortadoQt(servicios_.Texto(n)); }

int TForm2::Letra(int mas) const { return servicios_.estado.TamanoLetraDelta + mas; }

void TForm2::CrearPagina() {
  const Tema& tema = servicios_.TemaActual();
  Pintar(this, ColorQ(ColorFondo1));
  PanelItiner = new QWidget(this);
  PanelItiner->setObjectName(QStringLiteral("PanelItiner"));
  PanelItiner->setGeometry(rect());
  degradeIti = new Mosaico(PanelItiner);
  degradeIti->setObjectName(QStringLiteral("degradeIti"));
  degradeIti->setGeometry(PanelItiner->rect());
  degradeIti->FijarTesela(servicios_.recursos.Suelo);
  degradeIti->setMouseTracking(true);

  TilIzq = new Mosaico(this);
  TilIzq->setObjectName(QStringLiteral("TilIzq"));
  TilIzq->setGeometry(0, 0, 23, 768);
  TilIzq->FijarTesela(servicios_.recursos.MarcoIzquierdo);
  TilDer = new Mosaico(this);
  TilDer->setObjectName(QStringLiteral("TilDer"));
  TilDer->setGeometry(1024 - 23, 0, 23, 768);
  TilDer->FijarTesela(servicios_.recursos.MarcoDerecho);

  LabelAno = Etiqueta(PanelItiner, "LabelAno", {840, 8, 150, 44});
  LabelAno->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  LabelAno2 = Etiqueta(PanelItiner, "LabelAno2", {40, 8, 780, 44});
  for (QLabel* l : {LabelAno, LabelAno2}) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, ColorQ(tema.ColorAno));
    l->setPalette(p);
    l->setFont(LetraQt(QStringLiteral("Times New Roman"), 12, true));
    auto* sombra = new QGraphicsDropShadowEffect(l);
    sombra->setColor(QColor(60, 30, 10, 220));
    sombra->setOffset(1.2, 1.2);
    sombra->setBlurRadius(3);
    l->setGraphicsEffect(sombra);
  }
}

void TForm2::CrearMenus() {
  PanelMenu = Panel(PanelItiner, "PanelMenu", {40, 100, kAnchoMenu, AltoMenu(5)});
  botCuestio = BotonMenu(PanelMenu, "botCuestio", 0, kAnchoMenu);
  BotItinerarios = BotonMenu(PanelMenu, "BotItinerarios", 1, kAnchoMenu);
  BotExplica = BotonMenu(PanelMenu, "BotExplica", 2, kAnchoMenu);
  BotBachEsp = BotonMenu(PanelMenu, "BotBachEsp", 3, kAnchoMenu);
  BitAcabarLogse = BotonMenu(PanelMenu, "BitAcabarLogse", 4, kAnchoMenu);
  BotBachEsp->hide();

  PanelMenu2 = Panel(PanelItiner, "PanelMenu2", {0, 0, kAnchoMenu2, AltoMenu(3)});
  BotCuestio1 = BotonMenu(PanelMenu2, "BotCuestio1", 0, kAnchoMenu2);
  BotCuestio2 = BotonMenu(PanelMenu2, "BotCuestio2", 1, kAnchoMenu2);
  BotCuestio3 = BotonMenu(PanelMenu2, "BotCuestio3", 2, kAnchoMenu2);
  PanelMenu2->hide();
  SubmenuEnTab(botCuestio, PanelMenu2);
}

void TForm2::CrearCuestionario() {
  PanelCuestio = Panel(this, "PanelCuestio", {302, 91, 577, 521});
  Gcuestio = new QTableWidget(0, 3, PanelCuestio);
  Gcuestio->setObjectName(QStringLiteral("Gcuestio"));
  Gcuestio->setGeometry(PanelCuestio->rect().adjusted(4, 4, -4, -4));
  Gcuestio->setFont(LetraQt(QStringLiteral("Times New Roman"), 15, true));
  Gcuestio->setSelectionBehavior(QAbstractItemView::SelectRows);
  Gcuestio->setSelectionMode(QAbstractItemView::SingleSelection);
  Gcuestio->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Gcuestio->setWordWrap(false);
  Gcuestio->setTextElideMode(Qt::ElideNone);
  Gcuestio->verticalHeader()->hide();
  Gcuestio->verticalHeader()->setDefaultSectionSize(26);
  QHeaderView* cabecera = Gcuestio->horizontalHeader();
  cabecera->setSectionResizeMode(0, QHeaderView::Stretch);
  cabecera->setSectionResizeMode(1, QHeaderView::Fixed);
  cabecera->setSectionResizeMode(2, QHeaderView::Fixed);
  Gcuestio->setColumnWidth(1, 85);
  Gcuestio->setColumnWidth(2, 53);
  cabecera->setSectionsClickable(false);
  Gcuestio->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Gcuestio->viewport()->setCursor(Qt::PointingHandCursor);
  PanelCuestio->hide();

  BotResCues = Boton(this, "BotResCues", {302, 624, 190, 40});
  AcabarCues = Boton(this, "AcabarCues", {502, 624, 130, 40});
  BotContinuar = Boton(this, "BotContinuar", {642, 620, 38, 38});
  BotContinuar->setIcon(Flecha());
  BotContinuar->setIconSize({28, 28});
  BotContinuar->setAccessibleName(T(textos_accesibles::kSiguiente));
  ImpResul = Boton(this, "ImpResul", {690, 624, 190, 40});
  grabar = Boton(this, "grabar", {690, 670, 190, 40});
  for (QPushButton* b : {BotResCues, AcabarCues, BotContinuar, ImpResul, grabar}) b->hide();
}

void TForm2::CrearResultados() {
  PanelAbajoRes = Panel(this, "PanelAbajoRes", {294, 83, 593, 537});
  PanelAbajoRes->hide();
  ListresCues = new QListWidget(this);
  ListresCues->setObjectName(QStringLiteral("ListresCues"));
  ListresCues->setGeometry(302, 91, 577, 521);
  ListresCues->setSelectionMode(QAbstractItemView::NoSelection);
  // The keyboard reaches the result's lines: Enter or Space opens one.
  ListresCues->setFocusPolicy(Qt::StrongFocus);
  ListresCues->setMouseTracking(true);
  ListresCues->hide();

  LabelAviso = Etiqueta(this, "LabelAviso", {884, 0, 112, 48});
  LabelAviso->setWordWrap(true);
  LabelAviso->setFont(LetraQt(QStringLiteral("Times New Roman"), Letra(10)));
  LabelAviso->setAttribute(Qt::WA_TransparentForMouseEvents);
  LabelAviso->hide();
  PanelPorQue = new PanelExplicacion(this, QStringLiteral("PanelPorQue"), QString(),
                                     {28, 91, 262, 370});

  PanelCar = Panel(this, "PanelCar", {330, 110, 530, 486});
  ListCar = new QListWidget(PanelCar);
  ListCar->setObjectName(QStringLiteral("ListCar"));
  ListCar->setGeometry(8, 8, 514, 420);
  ListCar->setFont(LetraQt(QStringLiteral("Courier New"), Letra(10), true));
  ListCar->setSelectionMode(QAbstractItemView::NoSelection);
  BotCerrar = Boton(PanelCar, "BotCerrar", {60, 438, 180, 38});
  BotImpTit = Boton(PanelCar, "BotImpTit", {290, 438, 180, 38});
  PanelCar->hide();
}

void TForm2::CrearAyuda() {
  payuda = Panel(PanelItiner, "payuda", {30, 470, 262, 196});
  chica = Etiqueta(payuda, "chica", {6, 8, 62, 180});
  chica->setAlignment(Qt::AlignCenter);
  for (int k = 0; k < 8; ++k) {
    const QByteArray nombre = "LabelAyu" + QByteArray::number(k + 1);
    LabelAyu[static_cast<std::size_t>(k)] =
        Etiqueta(payuda, nombre.constData(), {70, 10 + k * 22, 188, 22});
  }
  payuda->hide();
  TimerAyuda = piezas::Temporizador(this, "TimerAyuda", 200);
}

void TForm2::PrepararLogse() {
  const Tema& tema = servicios_.TemaActual();
  const QColor titulo = ColorQ(tema.ColorTitulo);
  const QColor textoTitulo = ColorQ(tema.ColorTextoTitulo);
  setStyleSheet(HojaDeEstilo(ColorQ(ColorMenu), titulo, textoTitulo, Letra(12)) +
                QStringLiteral("QFrame#PanelCuestio, QFrame#PanelAbajoRes {"
                               " background-color: %1; border: 2px solid; border-radius: 6px;"
                               " border-color: #fff6ea #b89a7a #b89a7a #fff6ea; }"
                               "QLabel#LabelAviso { background-color: #ffffe1; color: black;"
                               " border: 1px solid #6b5b4b; padding: 2px 4px; }")
                    .arg(Rgb(ColorQ(ColorMenu))));
  for (QWidget* w :
       std::initializer_list<QWidget*>{PanelMenu, PanelMenu2, payuda, PanelCar, PanelCuestio}) {
    Pintar(w, ColorQ(ColorMenu));
  }
  PintarLista(ListresCues, ColorQ(ColorMenu));
  PintarLista(ListCar, ColorQ(ColorListas));
  Gcuestio->setStyleSheet(
      QStringLiteral("QTableWidget { background-color: %1; color: black; gridline-color: #b89a7a;"
                     " selection-background-color: %2; selection-color: %3; }"
                     "QHeaderView::section { background-color: %2; color: %3; padding: 2px;"
                     " border: 1px solid #b89a7a; font-weight: bold; }")
          .arg(Rgb(ColorQ(ColorImpresion)), Rgb(titulo), Rgb(textoTitulo)));

  // The screen's tables, read at start-up (Preparar).
  const TablasDatos& t = servicios_.tablas;
  cues_ = std::make_unique<Cuestionario>(t.cuestionario);
  areas_ = AreasDe(t.areasCuestionario, cues_->CuesTotal(), t.titulos.Cuenta());

  const std::pair<QPushButton*, int> rotulos[] = {
      {botCuestio, 52},     {BotItinerarios, 21}, {BotExplica, 263}, {BotBachEsp, 226},
      {BitAcabarLogse, 82}, {BotCuestio1, 76},    {BotCuestio2, 77}, {BotCuestio3, 91},
      {BotResCues, 45},     {AcabarCues, 222},    {ImpResul, 273},   {grabar, 20},
      {BotCerrar, 13},      {BotImpTit, 274},
  };
  for (const auto& [boton, n] : rotulos) boton->setText(T(n));
  BotCuestio1->setToolTip(T(3));
  BotCuestio2->setToolTip(T(4));
  BotCuestio3->setToolTip(T(75));
  BotBachEsp->setToolTip(T(270));
  LabelAviso->setText(T(283));
  Gcuestio->setHorizontalHeaderLabels({T(52), T(37), T(343)});
  PanelPorQue->FijarTitulo(T(textos_explicacion::kTituloPanel));
  PrepararMapa();
}

void TForm2::Conectar() {
  // Filters go on once every control exists.
  for (QObject* o : std::initializer_list<QObject*>{
           degradeIti, botCuestio, BotItinerarios, BitAcabarLogse, Gcuestio, Gcuestio->viewport(),
           ListresCues, ListresCues->viewport(), ListCar->viewport(), PanelMenu, payuda}) {
    o->installEventFilter(this);
  }
  EnterPropio(*Gcuestio);
  for (QLabel* l : Flechas) l->installEventFilter(this);
  for (QLabel* l : Informaciones) l->installEventFilter(this);
  connect(BotCuestio1, &QPushButton::clicked, this, &TForm2::BotCuestio1Click);
  connect(BotCuestio2, &QPushButton::clicked, this, &TForm2::BotCuestio2Click);
  connect(BotCuestio3, &QPushButton::clicked, this, &TForm2::BotCuestio3Click);
  connect(BitAcabarLogse, &QPushButton::clicked, this, &TForm2::BitAcabarLogseClick);
  connect(AcabarCues, &QPushButton::clicked, this, &TForm2::acabarCuesClick);
  connect(BotContinuar, &QPushButton::clicked, this, &TForm2::BotContinuarClick);
  connect(BotResCues, &QPushButton::clicked, this, &TForm2::BotResCuesClick);
  connect(BotCerrar, &QPushButton::clicked, this, &TForm2::BotCerrarMouseUp);
  connect(BotImpTit, &QPushButton::clicked, this, &TForm2::BotImpTitMouseUp);
  connect(ImpResul, &QPushButton::clicked, this, &TForm2::ImpResulClick);
  connect(grabar, &QPushButton::clicked, this, &TForm2::grabarClick);
  connect(TimerAyuda, &QTimer::timeout, this, &TForm2::TimerAyudaTimer);

  connect(BotItinerarios, &QPushButton::clicked, this, &TForm2::BotItinerariosClick);
  connect(BotExplica, &QPushButton::clicked, this, &TForm2::BotExplicaClick);
  connect(BotBachEsp, &QPushButton::clicked, this, &TForm2::BotBachEspClick);
  for (int k = 1; k <= kNodosMapa; ++k) {
    connect(Nodos[static_cast<std::size_t>(k - 1)], &QPushButton::clicked, this,
            [this, k] { b48Click(k); });
  }
  connect(BotCerrarV, &QPushButton::clicked, this, &TForm2::BotCerrarVMouseUp);
  connect(botContextual, &QPushButton::clicked, this, &TForm2::botContextualMouseUp);
  connect(TimerParpadeo, &QTimer::timeout, this, &TForm2::TimerParpadeoTimer);
  connect(TimerLista, &QTimer::timeout, this, &TForm2::TimerListaTimer);
  connect(BotCerrarEx, &QPushButton::clicked, this, &TForm2::BotCerrarExClick);
  connect(Timergrado, &QTimer::timeout, this, &TForm2::TimergradoTimer);
  connect(TimerGradoDer, &QTimer::timeout, this, &TForm2::TimerGradoDerTimer);
}

void TForm2::OrdenarMenu() {
  int i = 0;
  for (QPushButton* b : {botCuestio, BotItinerarios, BotExplica, BotBachEsp, BitAcabarLogse}) {
    if (b->isHidden()) continue;
    b->move(10, 8 + i * kPasoBoton);
    ++i;
  }
  PanelMenu->resize(kAnchoMenu, AltoMenu(std::max(i, 1)));
  PanelMenu2->move(PanelMenu->x() + PanelMenu->width() - 20, PanelMenu->y() + botCuestio->y());
}

void TForm2::Preparar(Servicios& servicios) {
  // The tables are in the data layer, which the middle-grade screen shares.
  CargarTablasItinerarios(servicios.estado.entorno, servicios.tablas);
}

void TForm2::Entrar(entrada::Itinerarios accion) {
  const bool itinerarios = accion == entrada::Itinerarios::kMapa;
  BotItinerarios->setVisible(itinerarios);
  BotExplica->setVisible(itinerarios);
  botCuestio->setVisible(!itinerarios);
  if (!itinerarios) degradeIti->setGeometry(rect());
  // The study assistant's itineraries buttons go straight into the map.
  if (itinerarios && servicios_.estado.DesdeAsistente) BotItinerariosClick();
}

void TForm2::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  OrdenarMenu();
  if (!botCuestio->isHidden() && !cues_->CuesActivo) MostrarAyuda(1);
}

bool TForm2::eventFilter(QObject* objeto, QEvent* evento) {
  const QEvent::Type tipo = evento->type();
  if (objeto == botCuestio && tipo == QEvent::Enter) {
    if (botCuestio->isEnabled()) {
      PanelMenu2->show();
      PanelMenu2->raise();
    }
  } else if ((objeto == BotItinerarios || objeto == BitAcabarLogse) && tipo == QEvent::Enter) {
    PanelMenu2->hide();
  } else if (objeto == degradeIti && tipo == QEvent::MouseMove) {
    LabelAviso->hide();
  } else if (objeto == Gcuestio->viewport() &&
             (tipo == QEvent::MouseButtonPress || tipo == QEvent::MouseButtonDblClick)) {
    // The row under the pointer becomes the current row and its answer
    // moves on; a press below the last row changes nothing. The second press
    // of a quick pair counts as a press too.
    const auto* raton = static_cast<QMouseEvent*>(evento);
    const int fila = Gcuestio->rowAt(raton->position().toPoint().y());
    if (fila >= 0) {
      Gcuestio->setCurrentCell(fila, 0);
      GcuestioMouseDown(fila + 1);
    }
    return true;
  } else if (objeto == Gcuestio && tipo == QEvent::KeyPress) {
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
      GcuestioKeyPress();
      return true;
    }
  } else if (objeto == ListresCues && tipo == QEvent::KeyPress) {
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Space) {
      ListresCuesClick(ListresCues->currentRow() + 1);
      return true;
    }
  } else if (objeto == ListresCues->viewport() &&
             (tipo == QEvent::MouseMove || tipo == QEvent::MouseButtonRelease)) {
    const QPoint p = static_cast<QMouseEvent*>(evento)->position().toPoint();
    const QModelIndex indice = ListresCues->indexAt(p);
    const int linea = indice.isValid() ? indice.row() + 1 : 0;
    if (tipo == QEvent::MouseMove) {
      ListresCuesMouseMove(linea, ListresCues->viewport()->mapTo(this, p).y());
    } else {
      ListresCuesClick(linea);
    }
  } else if (objeto == ListCar->viewport() && tipo == QEvent::MouseButtonRelease) {
    BotCerrarMouseUp();
  } else if ((objeto == PanelMenu || objeto == payuda) && tipo == QEvent::MouseButtonPress) {
    AvanzarSiConstruye();
  } else if (tipo == QEvent::MouseButtonRelease &&
             static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
    for (std::size_t i = 0; i < Flechas.size(); ++i) {
      if (objeto == Flechas[i]) PulsarFlecha(static_cast<int>(i));
    }
    for (std::size_t i = 0; i < Informaciones.size(); ++i) {
      if (objeto == Informaciones[i]) PulsarInformacion(static_cast<int>(i));
    }
  }
  return QWidget::eventFilter(objeto, evento);
}

void TForm2::keyPressEvent(QKeyEvent* evento) {
  // Any key first lets a map build step on.
  AvanzarSiConstruye();
  if (evento->key() == Qt::Key_Escape) {
    const bool paso = !PanelCar->isHidden() || !AcabarCues->isHidden() || !List_Sel->isHidden();
    // The titles panel closes first; otherwise Esc is AcabarCues.
    if (!PanelCar->isHidden()) {
      PanelCar->hide();
    } else if (!AcabarCues->isHidden()) {
      acabarCuesClick();
    }
    if (!List_Sel->isHidden()) BotCerrarVMouseUp();
    // Nothing of the map to close: Esc goes back as its finish button does.
    if (!paso) evento->ignore();
    return;
  }
  QWidget::keyPressEvent(evento);
}

void TForm2::MostrarAyuda(int tema) {
  for (QLabel* l : LabelAyu) {
    l->clear();
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
    l->setFont(LetraQt(QStringLiteral("Times New Roman"), Letra(12)));
  }
  if (const auto lineas = TemaAyudaItinerarios(tema)) {
    lineasAyuda_ = *lineas;
    temaAyuda_ = tema;
  }
  pasoAyuda_ = 0;
  servicios_.estado.PasoAyuda = 0;
  TimerAyuda->start();
  payuda->show();
  payuda->raise();
}

void TForm2::TimerAyudaTimer() {
  ++pasoAyuda_;
  if (pasoAyuda_ > 8) {
    // The ninth tick ends the reveal; the bubble stays.
    TimerAyuda->stop();
    pasoAyuda_ = 0;
    return;
  }
  const auto k = static_cast<std::size_t>(pasoAyuda_ - 1);
  const int n = lineasAyuda_[k];
  LabelAyu[k]->setText(n != 0 ? RecortadoQt(servicios_.Texto(n).left(26)) : QString());
  if (!LabelAyu[k]->text().isEmpty()) servicios_.sonido.SonidoTecla(true);
  chica->setPixmap(servicios_.recursos.FiguraGuia().value(pasoAyuda_ - 1));
}

void TForm2::VolverAlVestibulo() {
  TimerAyuda->stop();
  TimerParpadeo->stop();
  TimerLista->stop();
  Timergrado->stop();
  TimerGradoDer->stop();
  cubiertas_.Parar();
  // The next student finds no name on a report.
  servicios_.estado.CuesEncabezado.clear();
  servicios_.navegacion.Salir(*this);
}

void TForm2::BitAcabarLogseClick() {
  ParpadeoNota = false;
  mapa_.ClicsNodos = 0;
  PanelExplica->hide();
  ReiniciarMapa();
  PanelMenu2->hide();
  PanelItiner->setGeometry(rect());
  degradeIti->setGeometry(PanelItiner->rect());
  VolverAlVestibulo();
}

bool TForm2::FormCloseQuery() { return SalidaConfirmada(servicios_); }

}  // namespace sendaro
