#include "sections/assistant/qt/tform5.h"

#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include "ui/accesible.h"
#include "ui/mosaico.h"
#include "ui/piezas.h"
#include "ui/servicios.h"
#include "ui/sonido.h"

namespace sendaro {

using namespace piezas;
namespace tx = asistente::textos;

namespace {

const QColor kColorPanel(241, 217, 192);
const QColor kColorMensaje(255, 255, 157);

// Periods of the timers, in ms.
constexpr int kPeriodoInicio = 70;
constexpr int kPeriodoComienzo = 50;
constexpr int kPeriodoSecuencia = 100;
constexpr int kPeriodoVuelo = 100;

// Geometry of a side panel (the ESO and Bachillerato panels alike).
constexpr int kAnchoPanel = 940, kAltoPanel = 640;
constexpr QRect kSitioInterior{10, 46, 520, 500};
constexpr int kAnchoPequeno = 480, kAltoPequeno = 120;
constexpr int kIzquierdaEtiquetas = 20;
// Tops of the step labels inside the inner panel: step 1 bottom, 3 top.
constexpr std::array<int, 3> kArribaEtiquetas{360, 210, 60};
constexpr int kColumnaBotones = 700, kAnchoBoton = 230, kAltoBoton = 44, kSeparacion = 8;
// Top of each arrow's group of buttons (top, middle, bottom arrow).
constexpr std::array<int, 3> kArribaGrupos{46, 236, 500};
// The small panel slides in from this far right of its place.
constexpr int kEntradaPequeno = 80;

QFrame* PanelColor(QWidget* padre, const char* nombre, const QRect& donde, const QColor& color) {
  QFrame* p = Panel(padre, nombre, donde);
  Pintar(p, color);
  return p;
}

QLabel* Mensaje(QWidget* padre, const char* nombre, const QRect& donde) {
  QLabel* l = Etiqueta(padre, nombre, donde);
  l->setWordWrap(true);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->setMargin(6);
  l->setFont(LetraQt(QStringLiteral("Times New Roman"), 12));
  Pintar(l, kColorMensaje);
  return l;
}

// The blinking arrow: a thick arrow pointing at the column of buttons.
QPixmap DibujoFlecha() {
  QPixmap p(48, 34);
  p.fill(Qt::transparent);
  QPainter pintor(&p);
  pintor.setRenderHint(QPainter::Antialiasing);
  QPainterPath camino;
  camino.moveTo(2, 10);
  camino.lineTo(26, 10);
  camino.lineTo(26, 2);
  camino.lineTo(46, 17);
  camino.lineTo(26, 32);
  camino.lineTo(26, 24);
  camino.lineTo(2, 24);
  camino.closeSubpath();
  pintor.setPen(QPen(QColor(120, 20, 0), 2));
  pintor.setBrush(QColor(230, 70, 20));
  pintor.drawPath(camino);
  return p;
}

// A caption too wide for its button is broken into two lines at the space
// nearest its middle.
void EnDosLineas(QPushButton* b) {
  const QString texto = b->text();
  const QFontMetrics m(b->font());
  if (m.horizontalAdvance(texto) <= b->width() - 16) return;
  const qsizetype medio = texto.size() / 2;
  qsizetype corte = -1;
  for (qsizetype d = 0; d <= medio && corte < 0; ++d) {
    if (medio + d < texto.size() && texto[medio + d] == QLatin1Char(' ')) corte = medio + d;
    if (corte < 0 && texto[medio - d] == QLatin1Char(' ')) corte = medio - d;
  }
  if (corte <= 0) return;
  b->setAccessibleName(texto);
  b->setText(texto.left(corte) + QLatin1Char('\n') + texto.mid(corte + 1));
}

}  // namespace

TForm5::TForm5(Servicios& servicios, QWidget* padre) : QWidget(padre), servicios_(servicios) {
  setObjectName(QStringLiteral("TForm5"));
  resize(1024, 768);
  CrearControles();
  PonerTextos();
  NombrarAccesibles(this);
}

TForm5::~TForm5() = default;

QString TForm5::T(int n) const { return servicios_.Texto(n); }

QPushButton* TForm5::BotonSeccion(QWidget* padre, const char* nombre, const QRect& donde) {
  QPushButton* b = Boton(padre, nombre, donde);
  b->setFont(LetraQt(QStringLiteral("Times New Roman"), 10, true));
  b->setCursor(Qt::PointingHandCursor);
  b->hide();
  return b;
}

void TForm5::CrearControles() {
  const RecursosGraficos& r = servicios_.recursos;
  Fondo = new Mosaico(this);
  Fondo->setObjectName(QStringLiteral("Fondo"));
  Fondo->setGeometry(0, 0, 1024, 768);
  Fondo->FijarTesela(r.Suelo);

  BotRetroAsis = Boton(this, "BotRetroAsis", {40, 706, 170, 44});
  BotEso = Boton(this, "BotEso", {640, 706, 160, 44});
  BotBachi = Boton(this, "BotBachi", {816, 706, 160, 44});
  for (QPushButton* b : {BotRetroAsis, BotEso, BotBachi}) {
    b->setFont(LetraQt(QStringLiteral("Times New Roman"), 12, true));
    b->setCursor(Qt::PointingHandCursor);
  }
  connect(BotRetroAsis, &QPushButton::clicked, this, &TForm5::BotRetroAsisClick);
  connect(BotEso, &QPushButton::clicked, this, &TForm5::L41Click);
  connect(BotBachi, &QPushButton::clicked, this, &TForm5::Lb1Click);

  // The start panel, at the vertical centre.
  PInicio = PanelColor(this, "PInicio", {(1024 - 760) / 2, (768 - 480) / 2, 760, 480}, kColorPanel);
  TiledBitmap8 = Etiqueta(PInicio, "TiledBitmap8", {20, 20, 200, 250});
  TiledBitmap8->setAlignment(Qt::AlignCenter);
  if (!r.FiguraGuia().isEmpty()) {
    TiledBitmap8->setPixmap(r.FiguraGuia().front().scaled(TiledBitmap8->size(), Qt::KeepAspectRatio,
                                                        Qt::SmoothTransformation));
  }
  Panel2 = Boton(PInicio, "Panel2", {20, 290, 200, 76});
  Panel3 = Boton(PInicio, "Panel3", {20, 384, 200, 76});
  for (QPushButton* b : {Panel2, Panel3}) {
    b->setFont(LetraQt(QStringLiteral("Arial"), 22, true));
    b->setCursor(Qt::PointingHandCursor);
  }
  connect(Panel2, &QPushButton::clicked, this, &TForm5::L41Click);
  connect(Panel3, &QPushButton::clicked, this, &TForm5::Lb1Click);
  Panel9 = PanelColor(PInicio, "Panel9", {240, 20, 500, 440}, kColorMensaje);
  Textoinicio = Etiqueta(Panel9, "Textoinicio", {14, 440, 472, 320});
  Textoinicio->setWordWrap(true);
  Textoinicio->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Textoinicio->setFont(LetraQt(QStringLiteral("Times New Roman"), 14));

  eso_.primerMensaje = 1;
  bachi_.primerMensaje = 10;
  CrearLado(eso_, true);
  CrearLado(bachi_, false);

  TimerMueTexBotBACHI = Temporizador(this, "TimerMueTexBotBACHI", kPeriodoInicio);
  TimerComienzo = Temporizador(this, "TimerComienzo", kPeriodoComienzo);
  TimerMueTexFleESO = Temporizador(this, "TimerMueTexFleESO", kPeriodoSecuencia);
  TimerMueTexFleBACHI = Temporizador(this, "TimerMueTexFleBACHI", kPeriodoSecuencia);
  TimerVuela = Temporizador(this, "TimerVuela", kPeriodoVuelo);
  TimerVuela2 = Temporizador(this, "TimerVuela2", kPeriodoVuelo);
  eso_.secuencia = TimerMueTexFleESO;
  eso_.vuelo = TimerVuela;
  bachi_.secuencia = TimerMueTexFleBACHI;
  bachi_.vuelo = TimerVuela2;
  connect(TimerMueTexBotBACHI, &QTimer::timeout, this, &TForm5::TicInicio);
  connect(TimerComienzo, &QTimer::timeout, this, &TForm5::TicComienzo);
  connect(TimerMueTexFleESO, &QTimer::timeout, this, [this] { TicSecuencia(eso_); });
  connect(TimerMueTexFleBACHI, &QTimer::timeout, this, [this] { TicSecuencia(bachi_); });
  connect(TimerVuela, &QTimer::timeout, this, [this] { TicVuelo(eso_); });
  connect(TimerVuela2, &QTimer::timeout, this, [this] { TicVuelo(bachi_); });

  // Section buttons: each stops the animations and opens its section; the
  // section comes back here when it is left.
  auto& n = servicios_.navegacion;
  const std::vector<std::pair<QPushButton*, std::function<void()>>> secciones{
      {BGarantia, [&n] { n.Abrir(entrada::ProgramasIniciales::kProgramas); }},
      {BDejar, [&n] { n.Abrir(entrada::Certificados::kMostrar); }},
      {BotProfe, [&n] { n.Abrir(entrada::Profesiones::kCuestionario); }},
      {BotProfeB, [&n] { n.Abrir(entrada::Profesiones::kCuestionario); }},
      {CatTit, [&n] { n.Abrir(entrada::Catalogo::kMostrar); }},
      {CatTitB, [&n] { n.Abrir(entrada::Catalogo::kMostrar); }},
      {BtGM, [&n] { n.Abrir(entrada::GradoMedio::kDesdeAsistente); }},
      {BcBachi, [&n] { n.Abrir(entrada::Itinerarios::kCuestionario); }},
      {Biti, [&n] { n.Abrir(entrada::Itinerarios::kMapa); }},
      {BitiB, [&n] { n.Abrir(entrada::Itinerarios::kMapa); }},
      {BiCar, [&n] { n.Abrir(entrada::Carreras::kInformacion); }},
      {BFpTitGsAsis, [&n] { n.Abrir(entrada::Carreras::kFamiliasFP); }},
      {BConsejoAsis, [&n] { n.Abrir(entrada::Carreras::kCuestionario); }},
      // The bridge dialog opens over the assistant, which stays.
      {BotFP, [&n] { n.Abrir(entrada::Pasarela::kMostrar); }},
  };
  for (const auto& [boton, abrir] : secciones) {
    connect(boton, &QPushButton::clicked, this, [this, abrir = abrir] { Abrir(abrir); });
  }
  connect(BotDiversi, &QPushButton::clicked, this, &TForm5::BotDiversiClick);
  connect(BotFP2, &QPushButton::clicked, this, &TForm5::BotFP2Click);
  connect(BotCerrar, &QPushButton::clicked, PanelDiversifi, &QWidget::hide);
  connect(BotCerrar2, &QPushButton::clicked, PanelFP2, &QWidget::hide);

  botones_[2] = {BGarantia, BDejar, BotDiversi};
  botones_[3] = {BtGM, Biti, CatTit};
  botones_[4] = {BcBachi, BotProfe};
  botones_[6] = {BotFP, BotFP2};
  botones_[7] = {BFpTitGsAsis, BiCar, CatTitB, BitiB};
  botones_[8] = {BConsejoAsis, BotProfeB};

  PanelEso->hide();
  PanelBachi->hide();
  for (QWidget* w :
       {static_cast<QWidget*>(Image2), static_cast<QWidget*>(Image3), static_cast<QWidget*>(Image4),
        static_cast<QWidget*>(Image6), static_cast<QWidget*>(Image7), static_cast<QWidget*>(Image8),
        static_cast<QWidget*>(BtGM), static_cast<QWidget*>(Biti), static_cast<QWidget*>(BitiB),
        static_cast<QWidget*>(BcBachi), static_cast<QWidget*>(BConsejoAsis),
        static_cast<QWidget*>(BFpTitGsAsis), static_cast<QWidget*>(BiCar)})
    w->installEventFilter(this);
}

void TForm5::CrearLado(Lado& lado, bool eso) {
  const RecursosGraficos& r = servicios_.recursos;
  const QRect sitio{(1024 - kAnchoPanel) / 2, (768 - kAltoPanel) / 2 - 30, kAnchoPanel, kAltoPanel};
  QFrame* panel = PanelColor(this, eso ? "PanelEso" : "PanelBachi", sitio, kColorPanel);
  QLabel* titulo = Etiqueta(panel, eso ? "L41" : "Lb1", {10, 8, kAnchoPanel - 20, 32});
  titulo->setFont(LetraQt(QStringLiteral("Times New Roman"), 15, true));
  titulo->setAlignment(Qt::AlignCenter);
  titulo->setCursor(Qt::PointingHandCursor);
  titulo->installEventFilter(this);

  QFrame* interior = Panel(panel, eso ? "p4" : "Pb", kSitioInterior);
  auto* fondo = new Mosaico(interior);
  fondo->setObjectName(QString::fromLatin1(eso ? "TiledBitmap2" : "TiledBitmap1"));
  fondo->setGeometry(interior->rect());
  fondo->FijarTesela(r.Suelo);
  QLabel* centro = Etiqueta(interior, eso ? "LabelCentro" : "LabelCentroB",
                            {kIzquierdaEtiquetas, 14, kAnchoPequeno, 30});
  centro->setFont(LetraQt(QStringLiteral("Times New Roman"), 13, true));
  centro->setAlignment(Qt::AlignCenter);
  Pintar(centro, kColorMensaje);

  const std::array<const char*, 3> nombres =
      eso ? std::array<const char*, 3>{"LabelT1", "LabelT2", "LabelT3"}
          : std::array<const char*, 3>{"LabelT5", "LabelT6", "LabelT7"};
  for (std::size_t i = 0; i < 3; ++i) {
    lado.etiquetas[i] =
        Mensaje(interior, nombres[i],
                {kIzquierdaEtiquetas, kArribaEtiquetas[i], kAnchoPequeno, kAltoPequeno});
    lado.etiquetas[i]->hide();
  }
  izquierdaPanel1_ = kIzquierdaEtiquetas;
  lado.pequeno = PanelColor(interior, eso ? "Panel1" : "Panel5",
                            {kIzquierdaEtiquetas, kArribaEtiquetas[0], kAnchoPequeno, kAltoPequeno},
                            kColorMensaje);
  lado.corriente = Mensaje(lado.pequeno, eso ? "texto4" : "TextoBa",
                           {0, kAltoPequeno, kAnchoPequeno, kAltoPequeno});
  lado.corriente->setAutoFillBackground(false);
  lado.pequeno->hide();

  const QPixmap flecha = DibujoFlecha();
  const std::array<const char*, 3> flechas =
      eso ? std::array<const char*, 3>{"Image4", "Image3", "Image2"}
          : std::array<const char*, 3>{"Image8", "Image7", "Image6"};
  for (std::size_t i = 0; i < 3; ++i) {
    auto* f = new QToolButton(panel);
    f->setObjectName(QString::fromLatin1(flechas[i]));
    f->setGeometry(kSitioInterior.right() + 8,
                   kSitioInterior.top() + kArribaEtiquetas[i] + (kAltoPequeno - 40) / 2, 56, 40);
    f->setIcon(QIcon(flecha));
    f->setIconSize(flecha.size());
    f->setAutoRaise(true);
    f->setCursor(Qt::PointingHandCursor);
    f->hide();
    connect(f, &QToolButton::clicked, this, [this, f] { FlechaClick(f); });
    lado.flechas[i] = f;
  }

  QPixmap heli = r.heli;
  if (!heli.isNull()) heli.setMask(heli.createMaskFromColor(Qt::white));
  lado.helicoptero =
      Etiqueta(panel, eso ? "he" : "HeB",
               {0, 0, heli.isNull() ? 60 : heli.width(), heli.isNull() ? 30 : heli.height()});
  lado.helicoptero->setPixmap(heli);
  lado.helicoptero->setAttribute(Qt::WA_TransparentForMouseEvents);
  lado.helicoptero->hide();

  // The columns of buttons, a group beside each arrow.
  const auto grupo = [&](int fila,
                         std::initializer_list<std::pair<QPushButton**, const char*>> bs) {
    int y = kArribaGrupos[static_cast<std::size_t>(fila)];
    for (const auto& [miembro, nombre] : bs) {
      *miembro = BotonSeccion(panel, nombre, {kColumnaBotones, y, kAnchoBoton, kAltoBoton});
      y += kAltoBoton + kSeparacion;
    }
  };
  QFrame* emergente = nullptr;
  QListWidget* lista = nullptr;
  QPushButton* cerrar = nullptr;
  if (eso) {
    grupo(0, {{&BGarantia, "BGarantia"}, {&BDejar, "BDejar"}, {&BotDiversi, "BotDiversi"}});
    grupo(1, {{&BtGM, "BtGM"}, {&Biti, "Biti"}, {&CatTit, "CatTit"}});
    grupo(2, {{&BcBachi, "BcBachi"}, {&BotProfe, "BotProfe"}});
    emergente = PanelColor(panel, "PanelDiversifi", {480, 0, 450, 170}, kColorMensaje);
    lista = new QListWidget(emergente);
    lista->setObjectName(QStringLiteral("ListBox1"));
    cerrar = Boton(emergente, "BotCerrar", {330, 132, 110, 30});
    lista->setGeometry(8, 8, 434, 118);
    PanelDiversifi = emergente;
    ListBox1 = lista;
    BotCerrar = cerrar;
  } else {
    grupo(0, {{&BotFP, "BotFP"}, {&BotFP2, "BotFP2"}});
    grupo(1, {{&BFpTitGsAsis, "BFpTitGsAsis"},
              {&BiCar, "BiCar"},
              {&CatTitB, "CatTitB"},
              {&BitiB, "BitiB"}});
    grupo(2, {{&BConsejoAsis, "BConsejoAsis"}, {&BotProfeB, "BotProfeB"}});
    emergente = PanelColor(panel, "PanelFP2", {470, 0, 460, 190}, kColorMensaje);
    lista = new QListWidget(emergente);
    lista->setObjectName(QStringLiteral("ListFP2"));
    cerrar = Boton(emergente, "BotCerrar2", {340, 152, 110, 30});
    lista->setGeometry(8, 8, 444, 138);
    PanelFP2 = emergente;
    ListFP2 = lista;
    BotCerrar2 = cerrar;
  }
  lista->setFont(LetraQt(QStringLiteral("Times New Roman"), 11));
  lista->setWordWrap(true);
  PintarLista(lista, Qt::white);
  emergente->hide();

  lado.panel = panel;
  lado.interior = interior;
  if (eso) {
    PanelEso = panel;
    L41 = titulo;
    p4 = interior;
    TiledBitmap2 = fondo;
    LabelCentro = centro;
    LabelT1 = lado.etiquetas[0];
    LabelT2 = lado.etiquetas[1];
    LabelT3 = lado.etiquetas[2];
    Panel1 = lado.pequeno;
    texto4 = lado.corriente;
    Image4 = lado.flechas[0];
    Image3 = lado.flechas[1];
    Image2 = lado.flechas[2];
    he = lado.helicoptero;
  } else {
    PanelBachi = panel;
    Lb1 = titulo;
    Pb = interior;
    TiledBitmap1 = fondo;
    LabelCentroB = centro;
    LabelT5 = lado.etiquetas[0];
    LabelT6 = lado.etiquetas[1];
    LabelT7 = lado.etiquetas[2];
    Panel5 = lado.pequeno;
    TextoBa = lado.corriente;
    Image8 = lado.flechas[0];
    Image7 = lado.flechas[1];
    Image6 = lado.flechas[2];
    HeB = lado.helicoptero;
  }
}

void TForm5::PonerTextos() {
  setWindowTitle(T(tx::kTitulo) + QStringLiteral("  ") + servicios_.Nombre());
  BotRetroAsis->setText(T(tx::kRetroceder));
  BotEso->setText(T(tx::kEso));
  BotBachi->setText(T(tx::kBachillerato));
  Panel2->setText(QStringLiteral("ESO"));
  Panel3->setText(QStringLiteral("BACHILL."));
  L41->setText(T(tx::kOrientacionEso));
  Lb1->setText(T(tx::kOrientacionBachillerato));
  LabelCentro->setText(T(tx::kTuCentro));
  LabelCentroB->setText(T(tx::kTuCentro));
  BGarantia->setText(T(tx::kPcpi));
  BDejar->setText(T(tx::kDejar1) + QLatin1Char(' ') + T(tx::kDejar2));
  BotDiversi->setText(T(tx::kDiversificacion));
  Biti->setText(T(tx::kItinerarios));
  BtGM->setText(T(tx::kGradoMedio));
  BcBachi->setText(T(tx::kCuestionarioEso));
  BotProfe->setText(T(tx::kProfesiones));
  BotProfeB->setText(T(tx::kProfesiones));
  BotFP->setText(QStringLiteral("de FP_GS a ") + T(tx::kCarreras));
  BotFP2->setText(QStringLiteral("de FP_GM a FP_GS"));
  BiCar->setText(T(tx::kCarreras));
  BFpTitGsAsis->setText(T(tx::kGradoSuperior));
  BitiB->setText(T(tx::kItinerarios));
  BConsejoAsis->setText(T(tx::kConsejo));
  BotCerrar->setText(T(tx::kCerrar));
  BotCerrar2->setText(T(tx::kCerrar));
  // Captions and hints set once.
  BotProfe->setText(T(tx::kProfesionesCorto));
  BotProfeB->setText(T(tx::kProfesionesCorto));
  CatTit->setText(T(tx::kCatalogoCorto));
  CatTitB->setText(T(tx::kCatalogoCorto));
  BotFP->setText(T(tx::kPasarela));
  for (const auto& [opcion, botones] : botones_)
    for (QPushButton* b : botones) EnDosLineas(b);
  Image2->setToolTip(
      QStringList{T(tx::kDejar1), T(tx::kDejar2), T(tx::kPcpi), T(tx::kDiversificacion)}.join(
          QLatin1Char(' ')));
  Image3->setToolTip(
      QStringList{T(tx::kItinerarios), T(tx::kGradoMedio), CatTit->text()}.join(QLatin1Char(' ')));
  Image7->setToolTip(
      QStringList{BiCar->text(), BFpTitGsAsis->text(), BitiB->text(), CatTitB->text()}.join(
          QLatin1Char('\n')));
  Image8->setToolTip(BConsejoAsis->text());
}

void TForm5::Entrar(entrada::Asistente /*accion*/) {}

void TForm5::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  // Activation: the messages and hints again (the language may have changed).
  mensajes_ = asistente::Mensajes(servicios_.catalogo);
  const asistente::Pistas pistas = asistente::PistasAsistente(servicios_.catalogo);
  const auto m = [this](int n) { return DeWin(mensajes_[n]); };
  Image4->setToolTip(DeWin(pistas.image4));
  BConsejoAsis->setToolTip(DeWin(pistas.bConsejo));
  BFpTitGsAsis->setToolTip(DeWin(pistas.bFpTitGs));
  BiCar->setToolTip(DeWin(pistas.biCar));
  BtGM->setToolTip(m(6));
  Biti->setToolTip(m(8));
  BitiB->setToolTip(m(8));
  BcBachi->setToolTip(m(9));
  Image6->setToolTip(m(12));
  // Step s's label holds message primerMensaje + s - 1 (11 repeats 2).
  for (Lado* lado : {&eso_, &bachi_}) {
    for (std::size_t i = 0; i < 3; ++i)
      lado->etiquetas[i]->setText(m(lado->primerMensaje + static_cast<int>(i)));
  }
  PanelFP2->hide();
  PanelDiversifi->hide();
  if (inicioPendiente_) {
    PInicio->show();
    PInicio->raise();
    opcion_ = 9;
    texto_.paso = 6;
    Textoinicio->setText(m(19));
    const int ancho = Panel9->width() - 28;
    Textoinicio->resize(ancho, Textoinicio->heightForWidth(ancho));
    Textoinicio->move(Textoinicio->x(), Panel9->height());
    TimerMueTexBotBACHI->start();
    return;
  }
  // Back from a section: an animation cut short by leaving goes on, a flight
  // that was under way shows its buttons at once.
  if (lado_ != nullptr && texto_.paso >= 1 && texto_.paso <= 3) lado_->secuencia->start();
  if (vuelo_.enCurso) {
    while (!asistente::AvanzarVuelo(vuelo_)) {
    }
    if (lado_ != nullptr) lado_->helicoptero->move(vuelo_.x, vuelo_.y);
    MostrarBotones(opcion_);
  }
}

void TForm5::hideEvent(QHideEvent* evento) {
  PararTodo();
  QWidget::hideEvent(evento);
}

bool TForm5::eventFilter(QObject* objeto, QEvent* evento) {
  // Hints show at once here, without the usual wait.
  if (evento->type() == QEvent::Enter && objeto->isWidgetType()) {
    auto* w = static_cast<QWidget*>(objeto);
    if (!w->toolTip().isEmpty()) QToolTip::showText(QCursor::pos(), w->toolTip(), w);
  }
  if (evento->type() == QEvent::MouseButtonRelease) {
    if (objeto == L41) L41Click();
    if (objeto == Lb1) Lb1Click();
  }
  return QWidget::eventFilter(objeto, evento);
}

void TForm5::PararTodo() {
  for (QTimer* t : {TimerMueTexBotBACHI, TimerComienzo, TimerMueTexFleESO, TimerMueTexFleBACHI,
                    TimerVuela, TimerVuela2})
    t->stop();
}

void TForm5::L41Click() { Elegir(true); }
void TForm5::Lb1Click() { Elegir(false); }

void TForm5::Elegir(bool eso) {
  PararTodo();
  Lado& lado = eso ? eso_ : bachi_;
  Lado& otro = eso ? bachi_ : eso_;
  lado.panel->show();
  lado.panel->raise();
  otro.panel->hide();
  PInicio->hide();
  inicioPendiente_ = false;
  lado_ = &lado;
  // A sequence or flight of the other side is over.
  vuelo_.enCurso = false;
  texto_ = {};
  lado.pequeno->move(izquierdaPanel1_ + kEntradaPequeno, kArribaEtiquetas[0]);
  lado.corriente->hide();
  lado.pequeno->show();
  lado.pequeno->raise();
  TimerComienzo->start();
}

void TForm5::TicComienzo() {
  if (lado_ == nullptr) return;
  Lado& lado = *lado_;
  lado.interior->show();
  lado.pequeno->move(lado.pequeno->x() - 4, lado.pequeno->y());
  if (lado.pequeno->x() >= izquierdaPanel1_) return;
  TimerComienzo->stop();
  lado.pequeno->move(izquierdaPanel1_, lado.pequeno->y());
  texto_.paso = 1;
  texto_.tics = 0;
  texto_.flecha = false;
  texto_.arriba = lado.pequeno->height();
  lado.corriente->setText(DeWin(mensajes_[lado.primerMensaje]));
  lado.corriente->move(0, texto_.arriba);
  lado.corriente->show();
  lado.secuencia->start();
}

void TForm5::TicSecuencia(Lado& lado) {
  if (texto_.paso < 1 || texto_.paso > 3) {
    lado.secuencia->stop();
    texto_.paso = 0;
    lado.pequeno->hide();
    return;
  }
  const std::size_t i = static_cast<std::size_t>(texto_.paso - 1);
  QToolButton* flecha = lado.flechas[i];
  QLabel* etiqueta = lado.etiquetas[i];
  const bool avanzo = asistente::AvanzarTexto(texto_, lado.pequeno->height());
  flecha->setVisible(avanzo || texto_.flecha);
  lado.corriente->move(0, texto_.arriba);
  lado.pequeno->move(etiqueta->x(), etiqueta->y());
  lado.pequeno->raise();
  etiqueta->show();
  if (avanzo && texto_.paso <= 3)
    lado.corriente->setText(DeWin(mensajes_[lado.primerMensaje + texto_.paso - 1]));
}

void TForm5::FlechaClick(QToolButton* flecha) {
  PararTodo();
  Lado& lado = std::find(eso_.flechas.begin(), eso_.flechas.end(), flecha) != eso_.flechas.end()
                   ? eso_
                   : bachi_;
  lado_ = &lado;
  const bool eso = &lado == &eso_;
  // Options: 2, 3, 4 the ESO arrows from the top; 6, 7, 8 the Bachillerato ones.
  const int desdeArriba = flecha == lado.flechas[2] ? 0 : flecha == lado.flechas[1] ? 1 : 2;
  opcion_ = (eso ? 2 : 6) + desdeArriba;
  const QRect in = lado.interior->geometry();
  switch (opcion_) {
    case 2:
      vuelo_ = {in.width(), in.top(), 4, 0, 0, true};
      break;
    case 3:
      vuelo_ = {in.width(), in.top() + in.height() / 2, 4, 0, 0, true};
      break;
    case 4:
      vuelo_ = {in.width(), in.top() + in.height() - 25, 4, 2, 0, true};
      break;
    case 6:
      vuelo_ = {in.width(), Image6->y() + 10, 4, 0, 0, true};
      break;
    case 7:
      vuelo_ = {in.width(), Image7->y(), 4, 2, 0, true};
      break;
    default:
      vuelo_ = {in.width(), Image8->y(), 4, 2, 0, true};
      break;
  }
  lado.helicoptero->move(vuelo_.x, vuelo_.y);
  // The arrow sequence ends: every message stays in its label.
  texto_.paso = 0;
  lado.pequeno->hide();
  for (QLabel* e : lado.etiquetas) e->show();
  for (QToolButton* f : lado.flechas) f->show();
  lado.vuelo->start();
  servicios_.sonido.SonidoMotor(true);
}

void TForm5::TicVuelo(Lado& lado) {
  const bool fin = asistente::AvanzarVuelo(vuelo_);
  lado.helicoptero->show();
  lado.helicoptero->raise();
  lado.helicoptero->move(vuelo_.x, vuelo_.y);
  if (!fin) return;
  lado.vuelo->stop();
  MostrarBotones(opcion_);
}

void TForm5::MostrarBotones(int opcion) {
  const auto grupo = botones_.find(opcion);
  if (grupo == botones_.end()) return;
  for (QPushButton* b : grupo->second) {
    b->show();
    b->raise();
  }
}

void TForm5::TicInicio() {
  if (texto_.paso != 6) {
    TimerMueTexBotBACHI->stop();
    texto_.paso = 0;
    return;
  }
  Textoinicio->move(
      Textoinicio->x(),
      asistente::AvanzarInicio(Textoinicio->y(), Textoinicio->height(), Panel9->height()));
}

void TForm5::Abrir(const std::function<void()>& abrir) {
  PararTodo();
  abrir();
}

void TForm5::BotDiversiClick() {
  PararTodo();
  ListBox1->clear();
  for (const std::string& l : asistente::LineasDiversificacion(servicios_.tablas.lineasInforma))
    ListBox1->addItem(RecortadoQt(DeWin(l)));
  PanelDiversifi->show();
  PanelDiversifi->raise();
}

void TForm5::BotFP2Click() {
  PararTodo();
  ListFP2->clear();
  for (const std::string& l :
       asistente::LineasPasoGradoSuperior(servicios_.catalogo, servicios_.tablas.lineasInforma))
    ListFP2->addItem(RecortadoQt(DeWin(l)));
  PanelFP2->show();
  PanelFP2->raise();
}

void TForm5::BotRetroAsisClick() {
  PararTodo();
  servicios_.navegacion.Salir(*this);
}

}  // namespace sendaro
