#include "sections/degrees/qt/pagina_grados.h"

#include <QComboBox>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/impresion_texto.h"
#include "data/qt/impresora_qt.h"
#include "data/texto.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "ui/foco_teclado.h"
#include "ui/mosaico.h"
#include "ui/piezas.h"
#include "ui/revelado.h"
#include "ui/servicios.h"
#include "ui/sonido.h"

namespace sendaro {

using namespace piezas;

namespace {

constexpr int kAltoBoton = 46;
constexpr int kPasoBoton = 52;
constexpr int kAnchoMenu = 320;
constexpr int kAnchoSel = 492;
constexpr int kAltoSel = 475;
constexpr int kAltoLista = 430;

QPushButton* BotonMenu(QFrame* panel, const char* nombre, int i) {
  return Boton(panel, nombre, {10, 8 + i * kPasoBoton, kAnchoMenu - 20, kAltoBoton});
}

QFrame* PanelMenuDe(QWidget* padre, const char* nombre, int x, int y, int botones) {
  return Panel(padre, nombre,
               {x, y, kAnchoMenu, 16 + botones * kPasoBoton - (kPasoBoton - kAltoBoton)});
}

}  // namespace

PaginaGrados::PaginaGrados(Servicios& servicios, QWidget* pantalla)
    : QObject(pantalla),
      servicios_(servicios),
      pantalla_(pantalla),
      impresora_(std::make_unique<ImpresoraQt>(pantalla)),
      rollo_(new Revelado(pantalla, Revelado::Efecto::kRollo)),
      circle_(new Revelado(pantalla, Revelado::Efecto::kCortina)) {
  setObjectName(QStringLiteral("PaginaGrados"));
  rollo_->setObjectName(QStringLiteral("rollo"));
  circle_->setObjectName(QStringLiteral("circle"));
  CrearPagina();
  CrearMenus();
  CrearPanelSel();
}

PaginaGrados::~PaginaGrados() = default;

QString PaginaGrados::T(int n) const { return RecortadoQt(servicios_.Texto(n)); }

int PaginaGrados::Letra(int mas) const { return servicios_.estado.TamanoLetraDelta + mas; }

QString PaginaGrados::NombreComunidad(int comunidad) const {
  return RecortadoQt(DeWin(Columnas(servicios_.tablas.comunidades[comunidad], 3, 60)));
}

void PaginaGrados::CrearPagina() {
  const Tema& tema = servicios_.TemaActual();
  Pintar(pantalla_, ColorQ(ColorFondo1));
  Panelinicio = new QWidget(pantalla_);
  Panelinicio->setObjectName(QStringLiteral("Panelinicio"));
  Panelinicio->setGeometry(pantalla_->rect());

  degradeini = new Mosaico(Panelinicio);
  degradeini->setObjectName(QStringLiteral("degradeini"));
  degradeini->setGeometry(0, 0, 1024, 768);
  degradeini->FijarTesela(servicios_.recursos.Suelo);
  degradeini->setMouseTracking(true);
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

void PaginaGrados::CrearMenus() {
  PanelMenu = PanelMenuDe(Panelinicio, "PanelMenu", 60, 130, 7);
  MenuCarUni1 = BotonMenu(PanelMenu, "MenuCarUni1", 0);
  menuCarUni3 = BotonMenu(PanelMenu, "menuCarUni3", 1);
  Menui3 = BotonMenu(PanelMenu, "Menui3", 2);
  menui2 = BotonMenu(PanelMenu, "menui2", 3);
  Menui4 = BotonMenu(PanelMenu, "Menui4", 4);
  menui6 = BotonMenu(PanelMenu, "menui6", 5);
  menui5 = BotonMenu(PanelMenu, "menui5", 6);
  PanelMenu->hide();

  PanelMenu2 = PanelMenuDe(Panelinicio, "PanelMenu2", 0, 0, 2);
  MenuCarUniDoble = BotonMenu(PanelMenu2, "MenuCarUniDoble", 0);
  MenuCarUniDoble2 = BotonMenu(PanelMenu2, "MenuCarUniDoble2", 1);
  PanelMenu3 = PanelMenuDe(Panelinicio, "PanelMenu3", 0, 0, 3);
  menunuevo0 = BotonMenu(PanelMenu3, "menunuevo0", 0);
  menunuevo1 = BotonMenu(PanelMenu3, "menunuevo1", 1);
  menunuevo2 = BotonMenu(PanelMenu3, "menunuevo2", 2);
  PanelMenu4 = PanelMenuDe(Panelinicio, "PanelMenu4", 0, 0, 4);
  BotArtesPlas = BotonMenu(PanelMenu4, "BotArtesPlas", 0);
  BotMusica = BotonMenu(PanelMenu4, "BotMusica", 1);
  BotDanza = BotonMenu(PanelMenu4, "BotDanza", 2);
  BotDramatico = BotonMenu(PanelMenu4, "BotDramatico", 3);
  for (QFrame* p : {PanelMenu2, PanelMenu3, PanelMenu4}) p->hide();
  SubmenuEnTab(menui2, PanelMenu2);
  SubmenuEnTab(Menui3, PanelMenu3);
  SubmenuEnTab(Menui4, PanelMenu4);

  BotRetroceder = Boton(Panelinicio, "BotRetroceder", {470, 612, 160, 38});
  BotImprimir = Boton(Panelinicio, "BotImprimir", {640, 612, 160, 38});
  for (QWidget* w : {BotRetroceder, BotImprimir}) w->hide();
}

void PaginaGrados::CrearPanelSel() {
  PanelCarSel = Etiqueta(Panelinicio, "PanelCarSel", {470, 56, kAnchoSel, 30});
  PanelCarSel->setIndent(8);
  PanelCarSel->hide();
  PanelSelTit = Etiqueta(Panelinicio, "PanelSelTit", {470, 90, kAnchoSel, 32});
  PanelSelTit->setIndent(8);
  PanelSelTit->hide();
  PanelSel = Panel(Panelinicio, "PanelSel", {470, 124, kAnchoSel, kAltoSel});
  PanelSel->setFrameShape(QFrame::NoFrame);
  ListSel = new ListaMarcada(PanelSel, 17, ColorQ(ColorSeleccion), Qt::black);
  ListSel->setObjectName(QStringLiteral("ListSel"));
  ListSel->setGeometry(0, 0, kAnchoSel, kAltoLista);
  PanelSel->hide();
}

void PaginaGrados::CrearAyuda() {
  payuda = Panel(Panelinicio, "payuda", {40, 566, 400, 186});
  chica = Etiqueta(payuda, "chica", {8, 8, 90, 170});
  chica->setAlignment(Qt::AlignCenter);
  for (int k = 0; k < 8; ++k) {
    const QByteArray nombre = "LabelAyu" + QByteArray::number(k + 1);
    QLabel* l = Etiqueta(payuda, nombre.constData(), {104, 8 + k * 21, 290, 21});
    LabelAyu[static_cast<std::size_t>(k)] = l;
  }
  payuda->hide();
  TimerAyuda = Temporizador(pantalla_, "TimerAyuda", 200);
  TimerParpadeo = Temporizador(pantalla_, "TimerParpadeo", 200);
  connect(TimerAyuda, &QTimer::timeout, this, &PaginaGrados::TimerAyudaTimer);
  connect(TimerParpadeo, &QTimer::timeout, this, &PaginaGrados::TimerParpadeoTimer);
}

void PaginaGrados::Preparar() {
  const Tema& tema = servicios_.TemaActual();
  // Submenus to the right of the menu, level with their opening button.
  const QWidget* botones[] = {menui2, Menui3, Menui4};
  QFrame* submenus[] = {PanelMenu2, PanelMenu3, PanelMenu4};
  for (int i = 0; i < 3; ++i) {
    submenus[i]->move(PanelMenu->x() + PanelMenu->width(), PanelMenu->y() + botones[i]->y() - 30);
  }
  Panelinicio->setGeometry(pantalla_->rect());
  Panelinicio->show();
  pantalla_->setWindowTitle(T(338) + QStringLiteral("  ") + servicios_.Nombre());

  const std::pair<QPushButton*, int> rotulos[] = {
      {MenuCarUni1, 306},     {menuCarUni3, 503},      {Menui3, 502},      {menui2, 242},
      {Menui4, 524},          {menui6, 300},           {menui5, 82},       {MenuCarUniDoble, 520},
      {MenuCarUniDoble2, 521}, {menunuevo0, 553},      {menunuevo1, 523},  {menunuevo2, 503},
      {BotArtesPlas, 525},    {BotMusica, 526},        {BotDanza, 527},    {BotDramatico, 528},
      {BotRetroceder, 82},    {BotImprimir, 36},
  };
  for (const auto& [boton, n] : rotulos) boton->setText(T(n));
  MenuCarUniDoble->setToolTip(T(244));
  MenuCarUniDoble2->setToolTip(T(243));
  ListSel->setToolTip(QStringLiteral("Clic~Clic - ") + T(230));
  for (QWidget* w : std::initializer_list<QWidget*>{MenuCarUniDoble, MenuCarUniDoble2, ListSel}) {
    w->setStatusTip(w->toolTip());
  }

  // Colours of the palette. The page's own style sheet paints the panels:
  // it takes precedence over the application's skin, which would otherwise
  // leave them in its neutral grey.
  const QColor titulo = ColorQ(tema.ColorTitulo);
  const QColor textoTitulo = ColorQ(tema.ColorTextoTitulo);
  // The buttons' font comes with the sheet: a font set on each of them after
  // it would style every button a second time.
  pantalla_->setStyleSheet(HojaDeEstilo(ColorQ(ColorMenu), titulo, textoTitulo, Letra(12)));
  for (QWidget* w : std::initializer_list<QWidget*>{PanelSelTit, PanelCarSel, PanelSel}) {
    Pintar(w, titulo, textoTitulo);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{PanelMenu, PanelMenu2, PanelMenu3, PanelMenu4,
                                                    payuda}) {
    Pintar(w, ColorQ(ColorMenu));
  }
  for (QWidget* w : std::initializer_list<QWidget*>{ListSel, ListComunidad}) {
    PintarLista(w, ColorQ(ColorMenu));
  }
  const QString times = QStringLiteral("Times New Roman");
  for (QWidget* w : std::initializer_list<QWidget*>{ListSel, PanelSelTit, PanelCarSel}) {
    w->setFont(LetraQt(times, Letra(12), w != ListSel));
  }
}

void PaginaGrados::MenuSobre(QWidget* boton) {
  QFrame* abrir = boton == Menui3   ? PanelMenu3
                  : boton == menui2 ? PanelMenu2
                  : boton == Menui4 ? PanelMenu4
                                    : nullptr;
  for (QFrame* p : {PanelMenu2, PanelMenu3, PanelMenu4}) {
    if (p != abrir) p->hide();
  }
  if (abrir != nullptr) {
    abrir->show();
    abrir->raise();
  }
}

void PaginaGrados::OcultarSubmenus() {
  for (QFrame* p : {PanelMenu2, PanelMenu3, PanelMenu4}) p->hide();
}

void PaginaGrados::MostrarAyuda(int tema) {
  for (QLabel* l : LabelAyu) {
    l->clear();
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
    l->setFont(LetraQt(QStringLiteral("Times New Roman"), Letra(12)));
  }
  if (const auto lineas = TemaAyuda(tema)) {
    lineasAyuda_ = *lineas;
    temaAyuda_ = tema;
  }
  pasoAyuda_.Reiniciar();
  // The hall's help panel starts over after a section's bubble.
  servicios_.estado.PasoAyuda = 0;
  TimerAyuda->start();
  payuda->show();
  payuda->raise();
}

void PaginaGrados::TimerAyudaTimer() {
  const RevelarAyuda::Paso paso = pasoAyuda_.Avanzar();
  const auto k = static_cast<std::size_t>(paso.linea - 1);
  const int n = lineasAyuda_[k];
  LabelAyu[k]->setText(n != 0 ? T(n) : QString());
  if (!LabelAyu[k]->text().isEmpty()) servicios_.sonido.SonidoTecla(true);
  chica->setPixmap(servicios_.recursos.FiguraGuia().value(paso.linea - 1));
  if (paso.fin) TimerAyuda->stop();
}

void PaginaGrados::Parpadear(const QString& nombre) {
  nombreParpadeo_ = nombre;
  PanelCarSel->setText(nombreParpadeo_);
  PanelCarSel->show();
  TimerParpadeo->start();
}

void PaginaGrados::TimerParpadeoTimer() {
  const Parpadeo::Paso paso = parpadeo_.Avanzar();
  PanelCarSel->setText(paso.mostrar ? nombreParpadeo_ : QString());
  if (paso.fin) TimerParpadeo->stop();
}

void PaginaGrados::RevelarPanel(QWidget* panel, int paso) {
  if (paso == 0) {
    rollo_->Preparar(panel);
  } else {
    rollo_->Ejecutar();
  }
}

void PaginaGrados::AbrirMenu(QWidget* panel) {
  circle_->Preparar(panel);
  circle_->Ejecutar();
}

void PaginaGrados::Salir() {
  PanelMenu->hide();
  OcultarSubmenus();
  servicios_.navegacion.Salir(*pantalla_);
}

void PaginaGrados::Imprimir(const std::vector<std::string>& lineas, int negritas,
                            const std::string& titulo) {
  BufferImpresion& buffer = Compartidos().LineasImpresion;
  buffer.Vaciar();
  for (std::size_t i = 0; i < lineas.size(); ++i) buffer.Fijar(static_cast<int>(i) + 1, lineas[i]);
  servicios_.estado.ModoImpresion = true;
  ImprimirLista(*impresora_, LineasDe(buffer), static_cast<int>(lineas.size()), negritas, titulo);
}

void PaginaGrados::FijarImpresora(std::unique_ptr<Impresora> impresora) {
  impresora_ = std::move(impresora);
}

}  // namespace sendaro
