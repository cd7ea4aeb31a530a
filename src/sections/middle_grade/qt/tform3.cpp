// The middle-grade screen's page, its opening, the helicopter introduction,
// the pilot and his bubbles, the sliding help line and leaving.
#include "sections/middle_grade/qt/tform3.h"

#include <QBitmap>
#include <QEvent>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTimer>

#include "data/impresion/impresora.h"
#include "ui/accesible.h"
#include "ui/mapa_teclado.h"
#include "ui/mosaico.h"
#include "ui/piezas.h"
#include "ui/revelado.h"
#include "ui/salida.h"
#include "ui/servicios.h"
#include "ui/sonido.h"
#include "ui/teclas_listas.h"
#include "ui/ventana_principal.h"

namespace sendaro {

using namespace piezas;

namespace {

// Design size of the start menu's buttons: botLug2's width, botTit2's height.
constexpr int kAnchoBotonMenu = 157;
constexpr int kAltoBotonMenu = 45;
// The helicopter's timer: the old 1 ms timer fired at the clock's 15 ms.
constexpr int kPeriodoHeli = 15;
constexpr int kPeriodoPilotoGM = 200;
constexpr int kPeriodoVuelo = 100;
constexpr int kPeriodoAyudaGM = 100;
constexpr int kPeriodoParpadeo = 200;
// The panel's glass: its colour over the floor at this opacity (of 255).
constexpr int kTranslucidez = 170;

QRect Rect(const RectGM& r) { return {r.x, r.y, r.ancho, r.alto}; }

}  // namespace

TForm3::TForm3(Servicios& servicios, QWidget* padre)
    : QWidget(padre), servicios_(servicios), intro_(kAnchoBotonMenu, kAltoBotonMenu) {
  setObjectName(QStringLiteral("TForm3"));
  resize(1024, 768);
  setMouseTracking(true);
  CrearPagina();
  CrearPanelSel();
  rollo_ = new Revelado(this, Revelado::Efecto::kRollo);
  CrearHelicoptero();
  CrearLugares();
  CrearInformes();
  CrearCuestionario();
  for (QPushButton* b : findChildren<QPushButton*>()) b->setCursor(Qt::PointingHandCursor);
  PrepararPantalla();
  Conectar();
  NombrarAccesibles(this);
}

TForm3::~TForm3() = default;

QString TForm3::T(int n) const { return RecortadoQt(servicios_.Texto(n)); }

int TForm3::Letra(int mas) const { return servicios_.estado.TamanoLetraDelta + mas; }

void TForm3::CrearPagina() {
  const RecursosGraficos& r = servicios_.recursos;
  degradeMapa2 = new Mosaico(this);
  degradeMapa2->setObjectName(QStringLiteral("degradeMapa2"));
  degradeMapa2->setGeometry(0, 0, 1024, 768);
  degradeMapa2->FijarTesela(r.Suelo);
  degradeMapa2->setMouseTracking(true);
  degradeMapa2->installEventFilter(this);
  TilIzq = new Mosaico(this);
  TilIzq->setObjectName(QStringLiteral("TilIzq"));
  TilIzq->setGeometry(0, 0, 23, 768);
  TilIzq->FijarTesela(r.MarcoIzquierdo);
  TilDer = new Mosaico(this);
  TilDer->setObjectName(QStringLiteral("TilDer"));
  TilDer->setGeometry(1024 - 23, 0, 23, 768);
  TilDer->FijarTesela(r.MarcoDerecho);

  LabelFPGM = Etiqueta(this, "LabelFPGM", {40, 8, 944, 46});
  LabelFPGM->setAlignment(Qt::AlignCenter);
  LabelAno = Etiqueta(this, "LabelAno", {760, 728, 230, 28});
  LabelAno->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  botTit2 = Boton(this, "botTit2", {192, 238, kAnchoBotonMenu, kAltoBotonMenu});
  botLug2 = Boton(this, "botLug2", {192, 334, kAnchoBotonMenu, kAltoBotonMenu});
  botSalir = Boton(this, "botSalir", {192, 454, kAnchoBotonMenu, kAltoBotonMenu});
  // Until a visit has flown them in, they stand where the flight leaves them.
  botTit2->setGeometry(Rect(intro_.BotonFinal(1)));
  botLug2->setGeometry(Rect(intro_.BotonFinal(2)));
  botSalir->setGeometry(Rect(intro_.SalirFinal()));

  mapa = Etiqueta(this, "mapa", {60, 96, 286, 214});
  mapac = Etiqueta(this, "mapac", {60, 96, 286, 214});
  mapam = Etiqueta(this, "mapam", {60, 96, 286, 214});
  const QPixmap* imagenes[] = {&r.mapa, &r.mapac, &r.mapam};
  QLabel* mapas[] = {mapa, mapac, mapam};
  for (int i = 0; i < 3; ++i) {
    mapas[i]->setPixmap(*imagenes[i]);
    if (!imagenes[i]->isNull()) mapas[i]->resize(imagenes[i]->size());
    mapas[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mapas[i]->setMouseTracking(true);
    mapas[i]->installEventFilter(this);
    mapas[i]->hide();
  }
  mapa->setCursor(Qt::PointingHandCursor);
  listBarcelona = Lista<QListWidget>(this, "listBarcelona", {360, 96, 200, 214});
  listBarcelona->hide();
  BotCerrar = Boton(this, "BotCerrar", {360, 314, 200, 32});
  BotCerrar->hide();

  BotRequisitos = Boton(this, "BotRequisitos", {60, 340, 286, 40});
  BotPuesto = Boton(this, "BotPuesto", {60, 388, 286, 40});
  botAsig = Boton(this, "botAsig", {60, 436, 286, 40});
  BotImprimir = Boton(this, "BotImprimir", {610, 690, 170, 40});
  BotTelefono = Boton(this, "BotTelefono", {790, 690, 170, 40});
  BotRetrocederFP = Boton(this, "BotRetrocederFP", {430, 690, 170, 40});
  for (QWidget* w : std::initializer_list<QWidget*>{BotRequisitos, BotPuesto, botAsig, BotImprimir,
                                                    BotTelefono, BotRetrocederFP}) {
    w->hide();
  }

  PanelMapa = Etiqueta(this, "PanelMapa", {0, 0, 115, 22});
  PanelMapa->setAutoFillBackground(true);
  PanelMapa->setFrameShape(QFrame::Box);
  Pintar(PanelMapa, QColor(255, 255, 0), Qt::black);
  PanelMapa->setAttribute(Qt::WA_TransparentForMouseEvents);
  const std::pair<QLabel*, std::pair<Mapa, int>> porTeclado[] = {
      {mapa, {Mapa::kComunidades, textos_accesibles::kMapaComunidades}},
      {mapac, {Mapa::kComarcas, textos_accesibles::kMapaComarcas}},
      {mapam, {Mapa::kZonas, textos_accesibles::kMapaZonas}}};
  for (const auto& [m, cual] : porTeclado) {
    const Mapa tipo = cual.first;
    new MapaTeclado(
        m, [this, tipo](int x, int y) { return RegionEn(puntos_, tipo, x, y); },
        servicios_.Texto(cual.second), PanelMapa);
  }
  PanelMapa->hide();
}

void TForm3::CrearPanelSel() {
  PanelSelec = Panel(this, "PanelSelec", {430, 96, 560, 584});
  PanelSelec->setFrameShape(QFrame::NoFrame);
  PanelCarSel = Etiqueta(PanelSelec, "PanelCarSel", {8, 8, 544, 34});
  PanelCarSel->setAlignment(Qt::AlignCenter);
  PanelSelTit = Etiqueta(PanelSelec, "PanelSelTit", {8, 46, 544, 26});
  PanelSelTit->setAlignment(Qt::AlignCenter);
  listSelFP = Lista<QListWidget>(PanelSelec, "listSelFP", {8, 76, 544, 500});
  listSelFP->setMouseTracking(true);
  listSelFP->viewport()->setMouseTracking(true);
  listSelFP->viewport()->installEventFilter(this);
  listSelFP->setSelectionMode(QAbstractItemView::SingleSelection);
  reja = Lista<QTableWidget>(PanelSelec, "reja", {8, 76, 544, 500});
  reja->setColumnCount(2);
  reja->horizontalHeader()->hide();
  reja->verticalHeader()->hide();
  reja->setColumnWidth(0, 440);
  reja->setColumnWidth(1, 84);
  reja->verticalHeader()->setDefaultSectionSize(18);
  reja->setEditTriggers(QAbstractItemView::NoEditTriggers);
  reja->setShowGrid(false);
  reja->setMouseTracking(true);
  reja->installEventFilter(this);
  reja->hide();
  for (QWidget* w : std::initializer_list<QWidget*>{PanelSelec, PanelCarSel, PanelSelTit})
    w->hide();

  ListTitFP = Lista<QListWidget>(this, "ListTitFP", {40, 200, 380, 100});
  ListTitFP->setMouseTracking(true);
  ListTitFP->viewport()->installEventFilter(this);
  ListTitFP->setSelectionMode(QAbstractItemView::SingleSelection);
  Labeltitulo = Etiqueta(this, "Labeltitulo", {40, 170, 380, 26});
  ListFPExpli = Lista<QListWidget>(this, "ListFPExpli", {40, 300, 380, 128});
  ListFPExpli->setFocusPolicy(Qt::NoFocus);
  ListFPExpli->setSelectionMode(QAbstractItemView::NoSelection);
  for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, Labeltitulo, ListFPExpli}) w->hide();
}

void TForm3::MostrarSeleccion() {
  if (!PanelSelec->isHidden()) return;
  rollo_->Preparar(PanelSelec);
  rollo_->Ejecutar();
}

void TForm3::CrearHelicoptero() {
  QPixmap imagen = servicios_.recursos.heli;
  // The picture's white is its background.
  if (!imagen.isNull()) imagen.setMask(imagen.createMaskFromColor(Qt::white));
  he = Etiqueta(this, "he", {0, 0, imagen.width(), imagen.height()});
  he->setPixmap(imagen);
  he->setAttribute(Qt::WA_TransparentForMouseEvents);
  he->hide();
  intro_.FijarTamanoHelicoptero(imagen.width(), imagen.height());

  pilotoGM = Etiqueta(this, "pilotoGM", {0, 0, 28, 28});
  pilotoGM->setAttribute(Qt::WA_TransparentForMouseEvents);
  pilotoGM->hide();

  LabAyuGM = Etiqueta(this, "LabAyuGM", {994, 60, 0, 26});
  LabAyuGM->hide();
  HeliPeque = Etiqueta(this, "HeliPeque", {909, 48, imagen.width() / 2, imagen.height() / 2});
  HeliPeque->setPixmap(imagen.isNull() ? imagen
                                       : imagen.scaled(HeliPeque->size(), Qt::KeepAspectRatio,
                                                       Qt::SmoothTransformation));
  HeliPeque->hide();

  heli = Temporizador(this, "heli", kPeriodoHeli);
  piloto = Temporizador(this, "piloto", kPeriodoPilotoGM);
  TimerVuela = Temporizador(this, "TimerVuela", kPeriodoVuelo);
  TimerAyu = Temporizador(this, "TimerAyu", kPeriodoAyudaGM);
  TimerParpadeo = Temporizador(this, "TimerParpadeo", kPeriodoParpadeo);
}

void TForm3::PrepararPantalla() {
  const Tema& tema = servicios_.TemaActual();
  const QColor titulo = ColorQ(tema.ColorTitulo);
  const QColor textoTitulo = ColorQ(tema.ColorTextoTitulo);
  const QColor menu = ColorQ(ColorMenu);
  setWindowTitle(T(338) + QStringLiteral("  ") + servicios_.Nombre());
  LabelFPGM->setText(T(81));
  LabelAno->setText(T(175) + QStringLiteral("  ") + QStringLiteral("2008-2009"));
  botTit2->setText(T(190));
  botLug2->setText(T(276));
  botSalir->setText(T(54));
  BotRequisitos->setText(T(29));
  BotPuesto->setText(T(191));
  botAsig->setText(T(30));
  BotRetrocederFP->setText(T(82));
  BotImprimir->setText(T(36));
  BotTelefono->setText(T(31));
  BotCerrar->setText(T(13));
  Labeltitulo->setText(T(291));
  LabelSelCom1->setText(T(558) + QLatin1Char(' ') + T(559));
  LabelSelCom2->setText(T(560) + QLatin1Char(' ') + T(561));
  BotAceptar->setText(T(19));
  BotSalirCues->setText(T(54));
  BotImprimirCuesGM->setText(T(32));

  setStyleSheet(
      QStringLiteral(
          "QPushButton { font-family: \"Times New Roman\"; font-size: %1pt; font-weight: bold; }"
          "QFrame#PanelSelec { background-color: rgba(%2, %3, %4, %5); border-radius: 8px; }"
          "QLabel#PanelSelTit, QLabel#PanelCarSel { background-color: %6; color: %7;"
          " border: 1px solid #b89a7a; border-radius: 3px; }"
          "QFrame#PanelImp { background-color: %8; border: 2px solid #6b5b4b; border-radius: 6px; }"
          "QLabel#PanelMapa { background-color: #ffff00; color: black; border: 1px solid black;"
          " padding: 1px 4px; }")
          .arg(std::max(1, Letra(12)))
          .arg(titulo.red())
          .arg(titulo.green())
          .arg(titulo.blue())
          .arg(kTranslucidez)
          .arg(Rgb(titulo), Rgb(textoTitulo), Rgb(ColorQ(ColorImpresion))));
  for (QWidget* w :
       std::initializer_list<QWidget*>{listSelFP, ListTitFP, ListFPExpli, listBarcelona,
                                       ListSelLugFP, ListGM, ListGM2, ListPeque}) {
    PintarLista(w, menu);
  }
  const QColor impresion = ColorQ(ColorImpresion);
  Pintar(PanelImp, impresion);
  PintarLista(ListImp, impresion);
  PintarLista(reja, impresion);
  const QString times = QStringLiteral("Times New Roman");
  for (QLabel* l : {LabelSelCom1, LabelSelCom2}) l->setFont(LetraQt(times, Letra(12), true));
  ListImp->setFont(LetraQt(times, Letra(11)));
  PanelCarSel->setFont(LetraQt(times, Letra(14), true));
  PanelSelTit->setFont(LetraQt(times, Letra(12), true));
  const QString comic = QStringLiteral("Comic Sans MS");
  QFont grande = LetraQt(comic, 26, true);
  grande.setItalic(true);
  LabelFPGM->setFont(grande);
  LabelAno->setFont(LetraQt(times, 12, true));
  for (QLabel* l : {LabelFPGM, LabelAno, LabAyuGM}) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, l == LabelFPGM ? QColor(255, 255, 0) : ColorQ(tema.ColorAno));
    l->setPalette(p);
  }
  // Light theme colours stay legible on the floor tile.
  for (QLabel* l : {LabelFPGM, LabelAno, LabAyuGM, Labeltitulo}) {
    auto* sombra = new QGraphicsDropShadowEffect(l);
    sombra->setColor(QColor(40, 20, 0, 240));
    sombra->setOffset(1.5, 1.5);
    sombra->setBlurRadius(2);
    l->setGraphicsEffect(sombra);
  }
  LabAyuGM->setFont(LetraQt(comic, Letra(12), true));
  Labeltitulo->setFont(LetraQt(comic, Letra(12), true));
  {
    QPalette p = Labeltitulo->palette();
    p.setColor(QPalette::WindowText, ColorQ(tema.ColorAno));
    Labeltitulo->setPalette(p);
  }
  ListGM->setFont(LetraQt(comic, Letra(12)));
  ListGM2->setFont(LetraQt(comic, Letra(11)));
  ListPeque->setFont(LetraQt(comic, Letra(9)));
  ListTitFP->setFont(LetraQt(comic, Letra(10)));
  ListTitFP->setCursor(Qt::PointingHandCursor);
  ListFPExpli->setFont(LetraQt(times, Letra(10)));
  // Town, centre and phone stand in fixed columns.
  reja->setFont(LetraQt(QStringLiteral("Courier New"), Letra(10)));
  listBarcelona->setFont(LetraQt(times, Letra(10)));

  const TablasDatos& t = servicios_.tablas;
  familias_ = FamiliasGM(t.titulosGM, t.familiasGM, t.inicioFamiliaGM);
}

void TForm3::Conectar() {
  connect(botTit2, &QPushButton::clicked, this, &TForm3::botTit2Click);
  connect(botSalir, &QPushButton::clicked, this, &TForm3::botSalirClick);
  connect(heli, &QTimer::timeout, this, &TForm3::heliTimer);
  connect(piloto, &QTimer::timeout, this, &TForm3::pilotoTimer);
  connect(TimerVuela, &QTimer::timeout, this, &TForm3::TimerVuelaTimer);
  connect(TimerAyu, &QTimer::timeout, this, &TForm3::TimerAyuTimer);
  connect(TimerParpadeo, &QTimer::timeout, this, &TForm3::TimerParpadeoTimer);
  EnterPropio(*ListTitFP);  // the list reads Enter itself
  connect(ListTitFP, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ListTitFPClick(ListTitFP->row(item)); });
  connect(ListTitFP, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ListTitFPClick(ListTitFP->row(item)); });
  EnterPropio(*listSelFP);  // the list reads Enter itself
  connect(listSelFP, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    // The keyboard opens the family of the current row as a click on it.
    const QRect r = listSelFP->visualItemRect(item);
    listSelFPMouseDown(r.center().y());
  });
  connect(BotRequisitos, &QPushButton::clicked, this, &TForm3::BotRequisitosClick);
  connect(BotPuesto, &QPushButton::clicked, this, &TForm3::BotPuestoClick);
  connect(botAsig, &QPushButton::clicked, this, &TForm3::botAsigClick);
  connect(BotRetrocederFP, &QPushButton::clicked, this, &TForm3::BotRetrocederFPClick);
}

void TForm3::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  // Shown by navigation, not by the window coming back from a dialog or
  // from being minimised.
  if (!evento->spontaneous()) Apertura();
}

void TForm3::hideEvent(QHideEvent* evento) {
  QWidget::hideEvent(evento);
  if (evento->spontaneous()) return;
  // Leaving the screen, by whatever way, stops everything it set moving.
  PararAnimaciones();
  if (TimerAyu->isActive()) {
    TimerAyu->stop();
    servicios_.sonido.MotorEnBucle(false);
  }
  TimerParpadeo->stop();
  TimerReduce->stop();
  if (!nombreParpadeo_.isEmpty() && !PanelCarSel->isHidden()) PanelCarSel->setText(nombreParpadeo_);
}

void TForm3::Apertura() {
  // The centre lists and comarcas are read by the screens created before.
  centros_ = CentrosGM(servicios_.tablas.centros);
  if (listBarcelona->count() == 0) {
    for (const std::string& s : SubareasBarcelona(servicios_.tablas.comarcas))
      listBarcelona->addItem(RecortadoQt(DeWin(s)));
  }
  degradeMapa2->show();
  filaSobreFamilias_ = 0;
  filaSobreTitulos_ = 0;
  SeguirRaton = true;
  BorrarBocadillo();
  pilotoTrasTramo_ = false;
  piloto->stop();
  TimerVuela->stop();
  EstadoPrograma& e = servicios_.estado;
  if (e.ModoCuestionario) {
    PasoUno();
    return;
  }
  if (e.PrimeraVisita) {
    MostrarMenu(false);
    e.PrimeraVisita = false;
  } else {
    // A visit after a cut introduction shows the buttons where a whole
    // flight leaves them.
    if (!menuColocado_) {
      menuColocado_ = true;
      botTit2->setGeometry(Rect(intro_.BotonFinal(1)));
      botLug2->setGeometry(Rect(intro_.BotonFinal(2)));
      botSalir->setGeometry(Rect(intro_.SalirFinal()));
    }
    MostrarMenu(true);
  }
  intro_.Reiniciar();
  if (!heli->isActive()) intro_.Terminar();
}

void TForm3::MostrarMenu(bool mostrar) {
  for (QPushButton* b : {botTit2, botLug2, botSalir}) {
    b->setVisible(mostrar);
    if (mostrar) b->raise();
  }
}

void TForm3::heliTimer() {
  const IntroduccionHelicoptero::Paso p = intro_.Avanzar();
  if (p.terminada) {
    heli->stop();
    servicios_.sonido.MotorEnBucle(false);
    he->hide();
    return;
  }
  if (p.motor) servicios_.sonido.MotorEnBucle(true);
  if (p.borrarPiloto) pilotoGM->hide();
  QPushButton* boton = p.tramo == 1 ? botTit2 : botLug2;
  boton->setGeometry(Rect(p.boton));
  boton->show();
  boton->raise();
  he->move(p.helicoptero.x, p.helicoptero.y);
  he->show();
  he->raise();
  if (p.finTramo) {
    if (p.mostrarSalir) {
      menuColocado_ = true;
      botSalir->setGeometry(Rect(p.salir));
      botSalir->show();
    }
    heli->stop();
    servicios_.sonido.MotorEnBucle(false);
    pilotoTrasTramo_ = true;
    pasoPiloto_.Iniciar(p.piloto, p.tramo);
    piloto->start();
  }
}

void TForm3::pilotoTimer() {
  const PasoPilotoGM::Paso p = pasoPiloto_.Avanzar();
  const QPixmap cuadro = servicios_.recursos.FiguraGuia().value(p.cuadro);
  pilotoGM->setPixmap(cuadro);
  if (!cuadro.isNull()) pilotoGM->resize(cuadro.size());
  pilotoGM->move(p.donde.x, p.donde.y);
  pilotoGM->show();
  pilotoGM->raise();
  if (!p.fin) return;
  piloto->stop();
  if (pilotoTrasTramo_ && !intro_.Terminada()) {
    heli->start();
  } else {
    he->hide();
  }
  pilotoTrasTramo_ = false;
  Bocadillo(pasoPiloto_.Inicio(), pasoPiloto_.Mensaje());
}

void TForm3::Bocadillo(PuntoGM p, int mensaje) {
  auto* b = new QLabel(this);
  b->setObjectName(QStringLiteral("bocadillo%1").arg(mensaje));
  const RectGM r = RectBocadillo(p);
  // The bubble is a little larger than its rectangle when the fonts are.
  b->setGeometry(r.x, r.y, r.ancho, r.alto);
  QStringList lineas;
  for (const int n : TextosMensaje(mensaje)) lineas << T(n);
  b->setText(lineas.join(QLatin1Char('\n')));
  b->setFont(LetraQt(QStringLiteral("Times New Roman"), Letra(11), true));
  b->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  b->setContentsMargins(2, 1, 0, 0);
  b->setStyleSheet(
      QStringLiteral("background-color: #ffff00; color: black; border: 1px solid black;"));
  b->adjustSize();
  b->resize(std::max(b->width(), r.ancho), std::max(b->height(), r.alto));
  b->setAttribute(Qt::WA_TransparentForMouseEvents);
  b->show();
  b->raise();
  b->setAccessibleName(lineas.join(QLatin1Char(' ')));
  bocadillos.push_back(b);
}

void TForm3::BorrarBocadillo() {
  he->hide();
  pilotoGM->hide();
  for (QLabel* b : bocadillos) b->deleteLater();
  bocadillos.clear();
}

void TForm3::VueloDeAviso() {
  vuelo_.Iniciar(height());
  he->move(vuelo_.Posicion().x, vuelo_.Posicion().y);
  he->show();
  he->raise();
  TimerVuela->start();
}

void TForm3::TimerVuelaTimer() {
  const VueloAviso::Paso p = vuelo_.Avanzar();
  he->move(p.helicoptero.x, p.helicoptero.y);
  if (!p.fin) return;
  TimerVuela->stop();
  pilotoTrasTramo_ = false;
  pasoPiloto_.Iniciar({he->x() + he->width() / 2, he->y() + he->height() / 2}, 3);
  piloto->start();
}

void TForm3::DeslizarAyudaDesde(const QString& texto, int arriba) {
  LabAyuGM->setText(texto);
  LabAyuGM->adjustSize();
  LabAyuGM->move(width() - 30, arriba);
  HeliPeque->move(width() - 30, arriba - 12);
  servicios_.sonido.MotorEnBucle(true);
  TimerAyu->start();
}

void TForm3::TimerAyuTimer() {
  const PasoAyudaDeslizante p = DeslizarAyuda(LabAyuGM->x(), width());
  LabAyuGM->setGeometry(p.izquierda, LabAyuGM->y(), p.ancho, LabAyuGM->height());
  HeliPeque->move(p.izquierdaHeli, HeliPeque->y());
  LabAyuGM->show();
  HeliPeque->show();
  LabAyuGM->raise();
  HeliPeque->raise();
  if (p.fin) {
    TimerAyu->stop();
    servicios_.sonido.MotorEnBucle(false);
  }
}

void TForm3::PararAnimaciones() {
  const bool sonando = heli->isActive() || TimerAyu->isActive();
  heli->stop();
  piloto->stop();
  TimerVuela->stop();
  if (sonando) servicios_.sonido.MotorEnBucle(false);
  intro_.Terminar();
  pilotoTrasTramo_ = false;
}

void TForm3::botSalirClick() {
  MostrarMenu(false);
  PararAnimaciones();
  TimerAyu->stop();
  TimerParpadeo->stop();
  BorrarBocadillo();
  for (QWidget* w : std::initializer_list<QWidget*>{
           listBarcelona, BotCerrar,   mapa,        mapac,       mapam,
           PanelMapa,     PanelSelec,  listSelFP,   reja,        ListFPExpli,
           ListTitFP,     Labeltitulo, PanelSelTit, PanelCarSel, BotRetrocederFP,
           BotImprimir,   BotTelefono, LabAyuGM,    HeliPeque,   ListSelLugFP}) {
    w->hide();
  }
  Salir();
}

void TForm3::Salir() {
  // Back where it came from: the page below, the assistant or the hall.
  servicios_.navegacion.Salir(*this);
}

void TForm3::Entrar(entrada::GradoMedio accion) {
  if (accion == entrada::GradoMedio::kCuestionario) return;
  EstadoPrograma& e = servicios_.estado;
  if (accion == entrada::GradoMedio::kDesdeAsistente) e.PrimeraVisita = true;
  PrimeraFilaVisible = 0;
  if (e.PrimeraVisita) {
    e.ModoCuestionario = false;
    heli->start();
    AyudaPendiente = true;
  } else {
    heli->stop();
  }
}

bool TForm3::FormCloseQuery() { return SalidaConfirmada(servicios_); }

bool TForm3::eventFilter(QObject* objeto, QEvent* evento) {
  // Events while the page is still being built.
  if (ListSelLugFP == nullptr) return QWidget::eventFilter(objeto, evento);
  const QEvent::Type tipo = evento->type();
  if (objeto == listSelFP->viewport()) {
    if (tipo == QEvent::MouseButtonPress) {
      const auto* m = static_cast<QMouseEvent*>(evento);
      if (m->button() == Qt::LeftButton) listSelFPMouseDown(m->position().toPoint().y());
      return true;
    }
    if (tipo == QEvent::MouseButtonDblClick) return true;
    if (tipo == QEvent::MouseMove && SeguirRaton) {
      const auto* m = static_cast<QMouseEvent*>(evento);
      const int fila = listSelFP->indexAt(m->position().toPoint()).row();
      if (fila >= 0 && fila + 1 != filaSobreFamilias_) {
        filaSobreFamilias_ = fila + 1;
        listSelFP->setCurrentRow(fila);
      }
    }
    return false;
  }
  if (objeto == ListTitFP->viewport() && tipo == QEvent::MouseMove) {
    const auto* m = static_cast<QMouseEvent*>(evento);
    const int fila = ListTitFP->indexAt(m->position().toPoint()).row();
    if (fila >= 0 && fila + 1 != filaSobreTitulos_) {
      filaSobreTitulos_ = fila + 1;
      ListTitFP->setCurrentRow(fila);
      if (static_cast<std::size_t>(fila) < filasTitulos_.numeros.size())
        MostrarDescripcion(filasTitulos_.numeros[static_cast<std::size_t>(fila)]);
    }
    return false;
  }
  if (objeto == mapa || objeto == mapac || objeto == mapam) {
    const Mapa cual = objeto == mapa    ? Mapa::kComunidades
                      : objeto == mapac ? Mapa::kComarcas
                                        : Mapa::kZonas;
    if (tipo == QEvent::MouseMove) {
      const QPoint p = static_cast<QMouseEvent*>(evento)->position().toPoint();
      MapaMouseMove(cual, p.x(), p.y());
    } else if (tipo == QEvent::MouseButtonRelease) {
      const auto* m = static_cast<QMouseEvent*>(evento);
      if (m->button() != Qt::LeftButton) return false;
      const QPoint p = m->position().toPoint();
      const int region = RegionEn(puntos_, cual, p.x(), p.y());
      if (cual == Mapa::kComunidades)
        mapaClick(region);
      else if (cual == Mapa::kComarcas)
        mapacClick(region);
      else
        mapamClick(region);
    } else if (tipo == QEvent::Leave) {
      PanelMapa->hide();
    }
    return false;
  }
  if ((objeto == degradeMapa2 || objeto == reja) && tipo == QEvent::MouseMove) PanelMapa->hide();
  return QWidget::eventFilter(objeto, evento);
}

}  // namespace sendaro
