#include "sections/degrees/qt/tform1.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

#include "data/carreras/datos_carreras.h"
#include "data/qt/impresora_qt.h"
#include "data/tablas_datos.h"
#include "sections/degrees/qt/arriba_abajo.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "ui/revelado.h"
#include "ui/piezas.h"
#include "ui/accesible.h"
#include "ui/mosaico.h"
#include "ui/servicios.h"

namespace sendaro {

using namespace piezas;

TForm1::TForm1(Servicios& servicios, QWidget* padre)
    : QWidget(padre),
      servicios_(servicios),
      impresora_(std::make_unique<ImpresoraQt>(this)),
      rollo_(new Revelado(this, Revelado::Efecto::kRollo)),
      circle_(new Revelado(this, Revelado::Efecto::kCortina)) {
  setObjectName(QStringLiteral("TForm1"));
  rollo_->setObjectName(QStringLiteral("rollo"));
  circle_->setObjectName(QStringLiteral("circle"));
  resize(1024, 768);
  CrearPagina();
  CrearMenus();
  CrearPanelSel();
  CrearFicha();
  CrearConsulta();
  CrearNuevas();
  CrearCuestionario();
  CrearAyuda();
  CrearFP();
  // Every button of the page shows the hand.
  for (QPushButton* b : findChildren<QPushButton*>()) b->setCursor(Qt::PointingHandCursor);

  PrepararPantalla();

  const QString nombre = servicios.Nombre().trimmed();
  LabelAno->setText(T(175) + QLatin1Char('\n') + QStringLiteral("2008-2009"));
  LabelAno2->setText(nombre);
  QFont letraNombre = LabelAno2->font();
  letraNombre.setPointSize(TamanoNombreCentro(servicios.estado.NombreCentro));
  LabelAno2->setFont(letraNombre);

  PanelSelTit->clear();
  PrimeraFilaLista = 1;
  Conectar();
  ConectarFP();
  NombrarAccesibles(this);
}

TForm1::~TForm1() = default;

void TForm1::Preparar(Servicios& servicios) {
  EstadoPrograma& e = servicios.estado;
  CargarTablasCarreras(e.entorno, servicios.catalogo, servicios.tablas);
  CargarDatosFijos(e.entorno, servicios.catalogo, servicios.tablas);
}

void TForm1::Entrar(entrada::Carreras accion) {
  switch (accion) {
    case entrada::Carreras::kInformacion:
      BotInformacionClick();
      break;
    case entrada::Carreras::kFamiliasFP:
      EntrarFP();
      break;
    case entrada::Carreras::kCuestionario:
      botSendaroClick();
      break;
  }
}

void TForm1::FijarImpresora(std::unique_ptr<Impresora> impresora) {
  impresora_ = std::move(impresora);
}

QString TForm1::T(int n) const { return RecortadoQt(servicios_.Texto(n)); }

int TForm1::Letra(int mas) const { return servicios_.estado.TamanoLetraDelta + mas; }

void TForm1::CrearPagina() {
  const Tema& tema = servicios_.TemaActual();
  Pintar(this, ColorQ(ColorFondo1));
  Panelinicio = new QWidget(this);
  Panelinicio->setObjectName(QStringLiteral("Panelinicio"));
  Panelinicio->setGeometry(rect());

  degradeini = new Mosaico(Panelinicio);
  degradeini->setObjectName(QStringLiteral("degradeini"));
  degradeini->setGeometry(0, 0, 1024, 768);
  degradeini->FijarTesela(servicios_.recursos.Suelo);
  degradeini->setMouseTracking(true);
  degradeini->installEventFilter(this);
  TilIzq = new Mosaico(Panelinicio);
  TilIzq->setObjectName(QStringLiteral("TilIzq"));
  TilIzq->setGeometry(0, 0, 23, 768);
  TilIzq->FijarTesela(servicios_.recursos.MarcoIzquierdo);
  TilDer = new Mosaico(Panelinicio);
  TilDer->setObjectName(QStringLiteral("TilDer"));
  TilDer->setGeometry(1024 - 23, 0, 23, 768);
  TilDer->FijarTesela(servicios_.recursos.MarcoDerecho);

  LabelAno = Etiqueta(Panelinicio, "LabelAno", {840, 8, 150, 44});
  LabelAno->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  LabelAno2 = Etiqueta(Panelinicio, "LabelAno2", {40, 8, 780, 44});
  for (QLabel* l : {LabelAno, LabelAno2}) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, ColorQ(tema.ColorAno));
    l->setPalette(p);
    l->setFont(LetraQt(QStringLiteral("Times New Roman"), 12, true));
    // Light theme colours stay legible on the floor tile.
    auto* sombra = new QGraphicsDropShadowEffect(l);
    sombra->setColor(QColor(60, 30, 10, 220));
    sombra->setOffset(1.2, 1.2);
    sombra->setBlurRadius(3);
    l->setGraphicsEffect(sombra);
  }

  mapa = Etiqueta(Panelinicio, "mapa", {72, 78, 286, 214});
  mapa->setPixmap(servicios_.recursos.mapa);
  mapa->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  mapa->setMouseTracking(true);
  mapa->setCursor(Qt::PointingHandCursor);
  mapa->installEventFilter(this);
  mapa->hide();
  ListComunidad = Lista<QListWidget>(Panelinicio, "ListComunidad", {60, 90, 390, 460});
  ListComunidad->setFont(LetraQt(QStringLiteral("Times New Roman"), Letra(10)));
  ListComunidad->hide();

  PanelMapa = Etiqueta(Panelinicio, "PanelMapa", {0, 0, 115, 22});
  PanelMapa->setAutoFillBackground(true);
  PanelMapa->setFrameShape(QFrame::Box);
  Pintar(PanelMapa, QColor(255, 255, 225), Qt::black);
  PanelMapa->setAttribute(Qt::WA_TransparentForMouseEvents);
  PanelMapa->hide();
}

void TForm1::PrepararPantalla() {
  const Tema& tema = servicios_.TemaActual();
  // Submenus to the right of the menu, level with their opening button.
  const QWidget* botones[] = {menui2, Menui3, Menui4};
  QFrame* submenus[] = {PanelMenu2, PanelMenu3, PanelMenu4};
  for (int i = 0; i < 3; ++i) {
    submenus[i]->move(PanelMenu->x() + PanelMenu->width(), PanelMenu->y() + botones[i]->y() - 30);
  }
  Panelinicio->setGeometry(rect());
  Panelinicio->show();
  setWindowTitle(T(338) + QStringLiteral("  ") + servicios_.Nombre());

  const std::pair<QPushButton*, int> rotulos[] = {
      {MenuCarUni1, 306},      {menuCarUni3, 503},   {Menui3, 502},        {menui2, 242},
      {Menui4, 524},           {menui6, 300},        {menui5, 82},         {MenuCarUniDoble, 520},
      {MenuCarUniDoble2, 521}, {menunuevo0, 553},    {menunuevo1, 523},    {menunuevo2, 503},
      {BotArtesPlas, 525},     {BotMusica, 526},     {BotDanza, 527},      {BotDramatico, 528},
      {BotArtesTit, 533},      {BotArtesEsp, 534},   {BotArtesLug, 535},   {MenuCarUni2, 307},
      {BotUni, 276},           {BotReq, 277},        {BotSal, 278},        {BotIntUni, 230},
      {BotRetroceder, 82},     {BitRetroSelCar, 82}, {RetroConsultas, 82}, {BotImprimir, 36},
      {BotImprimirCon, 36},    {BotFP, 35},
  };
  for (const auto& [boton, n] : rotulos) boton->setText(T(n));
  for (int i = 0; i < 8; ++i)
    MenuCar[static_cast<std::size_t>(i)]->setText(T(i < 7 ? 309 + i : 82));
  MenuCarUniDoble->setToolTip(T(244));
  MenuCarUniDoble2->setToolTip(T(243));
  BotIntUni->setToolTip(T(231));
  ListSel->setToolTip(QStringLiteral("Clic~Clic - ") + T(230));
  for (QWidget* w :
       std::initializer_list<QWidget*>{MenuCarUniDoble, MenuCarUniDoble2, BotIntUni, ListSel}) {
    w->setStatusTip(w->toolTip());
  }
  LabelComa->setText(QStringLiteral(","));
  LabelDificultad->setText(T(651));
  LabelDificultad2->setText(T(333));
  labelbaja->setText(T(653));
  LabelAlta->setText(T(659));

  // Colours of the palette. The page's own style sheet paints the panels:
  // it takes precedence over the application's skin, which would otherwise
  // leave them in its neutral grey.
  const QColor titulo = ColorQ(tema.ColorTitulo);
  const QColor textoTitulo = ColorQ(tema.ColorTextoTitulo);
  // The buttons' font comes with the sheet: a font set on each of them after
  // it would style every button a second time.
  setStyleSheet(HojaDeEstilo(ColorQ(ColorMenu), titulo, textoTitulo, Letra(12)));
  for (QWidget* w :
       std::initializer_list<QWidget*>{PanelSelTit, PanelCarSel, PanelSel, PanelconsultaTit}) {
    Pintar(w, titulo, textoTitulo);
  }
  for (QComboBox* c : {BotSelcar, ComSelCar, listBachiL}) PintarCombo(c, titulo, textoTitulo);
  for (QWidget* w : std::initializer_list<QWidget*>{PanelMenu, PanelMenu2, PanelMenu3, PanelMenu4,
                                                    PanelCar, payuda, panelconsulta}) {
    Pintar(w, ColorQ(ColorMenu));
  }
  for (QWidget* w : std::initializer_list<QWidget*>{ListSel, ListComunidad, listSelFP, reja}) {
    PintarLista(w, ColorQ(ColorMenu));
  }
  PintarLista(Listcon, ColorQ(ColorListas), QColor(0, 0, 128));
  PrepararNuevas();
  Pintar(LabelSeleccion, titulo, textoTitulo);
  LabelSeleccion->setAutoFillBackground(false);

  // Fonts: the base size is the screen's offset.
  const QString times = QStringLiteral("Times New Roman");
  for (QWidget* w :
       std::initializer_list<QWidget*>{ListSel, listSelFP, PanelSelTit, PanelCarSel, BotSelcar,
                                       ComSelCar, listBachiL, PanelconsultaTit}) {
    w->setFont(
        LetraQt(times, Letra(12), w == PanelCarSel || w == PanelSelTit || w == PanelconsultaTit));
  }
  for (QWidget* w :
       std::initializer_list<QWidget*>{LabelConsejo, LabelDificultad, LabelDificultad2}) {
    w->setFont(LetraQt(times, Letra(11), true));
  }
  for (QLabel* w : {labelbaja, LabelAlta}) w->setFont(LetraQt(times, Letra(10)));
  for (QWidget* w : std::initializer_list<QWidget*>{MaskEdit1, MaskEdit2, LabelComa})
    w->setFont(LetraQt(times, Letra(14), true));
  QFont courier = LetraQt(QStringLiteral("Courier New"), Letra(10), true);
  Listcon->setFont(courier);

  // The tables read at start-up (Preparar).
  const TablaLinea& requisitos = servicios_.tablas.requisitos;
  LabelConsejo->setText(RecortadoQt(DeWin(requisitos[11])));
  listBachiL->clear();
  for (int r = 19; r <= 23; ++r) listBachiL->addItem(RecortadoQt(DeWin(requisitos[r])));
  listBachiL->addItem(T(333));
  listBachiL->setPlaceholderText(RecortadoQt(DeWin(requisitos[12])));
  listBachiL->setCurrentIndex(-1);
  ComSelCar->clear();
  ComSelCar->addItem(T(223));
  for (int r = 19; r <= 23; ++r) ComSelCar->addItem(RecortadoQt(DeWin(requisitos[r])));
  BotSelcar->clear();
  BotSelcar->addItem(T(333));
  for (int n : {334, 335, 336}) BotSelcar->addItem(T(n));
  BotSelcar->setPlaceholderText(RecortadoQt(DeWin(requisitos[13])));
}

void TForm1::Conectar() {
  connect(MenuCarUni1, &QPushButton::clicked, this, &TForm1::MenuCarUni1Click);
  connect(menui5, &QPushButton::clicked, this, &TForm1::menui5Click);
  connect(BotRetroceder, &QPushButton::clicked, this, &TForm1::BotRetrocederClick);
  connect(ComSelCar, &QComboBox::activated, this, &TForm1::ComSelCarChange);
  connect(BotSelcar, &QComboBox::activated, this, &TForm1::BotSelcarChange);
  connect(ListSel, &ListaMarcada::Abrir, this, [this] { ListSelDblClick(); });
  for (int i = 0; i < 8; ++i) {
    connect(MenuCar[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
            [this, i] { MenuCarClick(i + 1); });
  }
  // A push button acts when the mouse button is released over it.
  connect(BitRetroSelCar, &QPushButton::clicked, this, &TForm1::BitRetroSelCarClick);
  connect(MenuCarUni2, &QPushButton::clicked, this, &TForm1::MenuCarUni2Click);
  connect(RetroConsultas, &QPushButton::clicked, this, &TForm1::RetroConsultasClick);
  connect(BotImprimirCon, &QPushButton::clicked, this, [this] { Consultar(true); });
  connect(listBachiL, &QComboBox::currentIndexChanged, this, [this] { Consultar(false); });
  connect(MaskEdit1, &QLineEdit::textChanged, this, [this] { Consultar(false); });
  connect(MaskEdit2, &QLineEdit::textChanged, this, [this] { Consultar(false); });
  connect(TrackDif, &QSlider::valueChanged, this, &TForm1::TrackDifChange);
  connect(Listcon, &ListaMarcada::Abrir, this, [this] { ListconDblClick(); });
  connect(TimerAyuda, &QTimer::timeout, this, &TForm1::TimerAyudaTimer);
  connect(TimerParpadeo, &QTimer::timeout, this, &TForm1::TimerParpadeoTimer);
  ConectarUniversidades();
  ConectarArtes();
}

bool TForm1::event(QEvent* evento) {
  // The application's hint goes to the floating map label.
  if (evento->type() == QEvent::StatusTip) {
    PanelMapa->setText(static_cast<QStatusTipEvent*>(evento)->tip());
    return true;
  }
  return QWidget::event(evento);
}

bool TForm1::eventFilter(QObject* objeto, QEvent* evento) {
  const QEvent::Type tipo = evento->type();
  if (objeto == mapa) {
    if (tipo == QEvent::MouseMove) {
      const QPoint p = static_cast<QMouseEvent*>(evento)->position().toPoint();
      mapaMouseMove(p.x(), p.y());
    } else if (tipo == QEvent::MouseButtonRelease) {
      mapaClick();
    }
    return false;
  }
  if (objeto == degradeini && tipo == QEvent::MouseMove) {
    PanelMapa->hide();
    OcultarSubmenus();
    return false;
  }
  if (tipo == QEvent::Enter) {
    if (auto* w = qobject_cast<QWidget*>(objeto); w != nullptr && w->parentWidget() == PanelMenu) {
      MenuSobre(w);
    }
  }
  return QWidget::eventFilter(objeto, evento);
}

}  // namespace sendaro
