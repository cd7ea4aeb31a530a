// Higher vocational titles on the degrees screen: the families and their
// titles, the title card with its views and its whole printout (with the
// choice of communities on the map when it is long), and the centres of a
// place or of a title on the grid `reja`. The lists come from the domain
// (sections/degrees/titulos_fp.h, centros_fp.h); these handlers show them.
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "ui/servicios.h"
#include "data/impresion/buffers_impresion.h"
#include "data/impresion/informes.h"
#include "data/mapas.h"
#include "data/qt/impresora_qt.h"
#include "data/texto.h"
#include "sections/degrees/centros_fp.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/tform1.h"
#include "ui/piezas.h"
#include "sections/degrees/titulos_fp.h"
#include "ui/dialogos.h"

namespace sendaro {

using namespace piezas;

namespace {

constexpr int kComunidadComarcas = 9;   // Catalonia: the comarca map
constexpr int kComunidadZonas = 13;     // Madrid: the zone map
constexpr int kAltoListaFP = 430;       // listSelFP's designed height
constexpr int kIzquierdaPanel = 60;
constexpr int kArribaPanel = 130;
constexpr int kPaso = 52;
constexpr int kAltoBoton = 46;

// Hands the events of one control to a function.
class Filtro : public QObject {
 public:
  Filtro(QObject* padre, std::function<bool(QEvent*)> f) : QObject(padre), f_(std::move(f)) {}
  bool eventFilter(QObject*, QEvent* evento) override { return f_(evento); }

 private:
  std::function<bool(QEvent*)> f_;
};

void Filtrar(QObject* objeto, std::function<bool(QEvent*)> f) {
  objeto->installEventFilter(new Filtro(objeto, std::move(f)));
}

QStringList AQt(const std::vector<std::string>& filas) {
  QStringList l;
  for (const std::string& f : filas) l << DeWin(f);
  return l;
}

std::string Mayusculas(std::string_view texto) { return AWin(DeWin(texto).toUpper()); }

std::vector<int> TodasLasComunidades() {
  std::vector<int> c(kNumComunidades);
  for (int i = 0; i < kNumComunidades; ++i) c[static_cast<std::size_t>(i)] = i + 1;
  return c;
}

}  // namespace

struct TForm1::EstadoFP {
  IndiceCentrosFP indice;
  TablaPuntos puntos;
  EstadoMapas mapas;
  std::array<std::string, kRamasFP> ramas;

  // Families and the title pop-up.
  ListaFamiliasFP familias;
  std::vector<int> titulosEmergente;
  bool latch = false;  // the family highlight is frozen while the pop-up is open
  int primeraFila = 0;

  // The title card.
  EleccionComunidades eleccion;
  InformeLineas impresion;

  // Centres by place.
  bool rellenarRamas = true;
  bool latchPueblos = false;
  bool telefonos = false;
  bool dobleClic = false;
  ModoLugarFP modoMapa = ModoLugarFP::kProvincia;
  std::vector<ProvinciaFP> provincias;
  std::vector<PuebloFP> pueblos;
  LugarFP lugar;
  bool hayLugar = false;
  std::string nombreLugar;
  int pueblo = 0;
  RejaFP reja;
};

const InformeLineas& TForm1::UltimaImpresionFP() const { return fp_->impresion; }

void TForm1::CrearFP() {
  fp_ = std::make_shared<EstadoFP>();
  const QString times = QStringLiteral("Times New Roman");
  auto boton = [](QWidget* panel, const char* nombre, int fila) {
    return Boton(panel, nombre, {10, 8 + fila * kPaso, 300, kAltoBoton});
  };
  PanelFP->setGeometry(kIzquierdaPanel, kArribaPanel, 320, 16 + 3 * kPaso - (kPaso - kAltoBoton));
  MenuFP1 = boton(PanelFP, "MenuFP1", 0);
  MenuFP2 = boton(PanelFP, "MenuFP2", 1);
  menuFP3 = boton(PanelFP, "menuFP3", 2);

  PanelFpTit = Panel(Panelinicio, "PanelFpTit",
                     {kIzquierdaPanel, kArribaPanel, 320, 16 + 8 * kPaso - (kPaso - kAltoBoton)});
  MenuFpTit1 = boton(PanelFpTit, "MenuFpTit1", 0);
  MenuFpTit2 = boton(PanelFpTit, "MenuFpTit2", 1);
  MenuFpTit3 = boton(PanelFpTit, "MenuFpTit3", 2);
  MenuFpTit4 = Boton(PanelFpTit, "MenuFpTit4", {10, 8 + 3 * kPaso, 147, kAltoBoton});
  MenuFpTit42 = Boton(PanelFpTit, "MenuFpTit42", {163, 8 + 3 * kPaso, 147, kAltoBoton});
  MenuFPTitTodo = boton(PanelFpTit, "MenuFPTitTodo", 4);
  MenuFpTit5 = boton(PanelFpTit, "MenuFpTit5", 5);
  MenuFpTit6 = boton(PanelFpTit, "MenuFpTit6", 6);
  MenuFpTit7 = boton(PanelFpTit, "MenuFpTit7", 7);
  PanelFpTit->hide();

  ListTitFP = Lista<QListWidget>(Panelinicio, "ListTitFP", {145, 130, 320, 100});
  ListFPExpli = Lista<QListWidget>(Panelinicio, "ListFPExpli", {600, 240, 320, 120});
  Labeltitulo = Etiqueta(Panelinicio, "Labeltitulo", {600, 100, 320, 26});
  ListFPExpli->setFocusPolicy(Qt::NoFocus);
  ListFPExpli->setSelectionMode(QAbstractItemView::NoSelection);
  ListFPExpli->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListTitFP->setMouseTracking(true);
  ListTitFP->setCursor(Qt::PointingHandCursor);
  for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, ListFPExpli, Labeltitulo}) w->hide();

  PanelImp = Panel(Panelinicio, "PanelImp", {470, 124, 320, 340});
  LabelSelCom1 = Etiqueta(PanelImp, "LabelSelCom1", {10, 8, 300, 46});
  ListImp = Lista<QListWidget>(PanelImp, "ListImp", {10, 58, 300, 180});
  LabelSelCom2 = Etiqueta(PanelImp, "LabelSelCom2", {10, 242, 300, 46});
  BotAceptar = Boton(PanelImp, "BotAceptar", {85, 294, 150, 36});
  for (QLabel* l : {LabelSelCom1, LabelSelCom2}) l->setWordWrap(true);
  PanelImp->hide();

  RetroFP = Boton(PanelSel, "RetroFP", {6, kAltoListaFP + 6, 150, 32});
  RetroFP->hide();
  BotRetrocederFP = Boton(Panelinicio, "BotRetrocederFP", {470, 612, 160, 38});
  botTelefono = Boton(Panelinicio, "botTelefono", {810, 612, 160, 38});
  BotInternetC = Boton(Panelinicio, "BotInternetC", {470, 656, 160, 38});
  for (QWidget* w : std::initializer_list<QWidget*>{BotRetrocederFP, botTelefono, BotInternetC})
    w->hide();

  ListSelLugFP = Lista<QListWidget>(Panelinicio, "ListSelLugFP", {72, 78, 340, 400});
  ListSelLugFP->setCursor(Qt::PointingHandCursor);
  ListSelLugFP->hide();
  auto mapaDetalle = [&](const char* nombre, const QPixmap& imagen) {
    QLabel* m = Etiqueta(Panelinicio, nombre, {73, 53, imagen.width(), imagen.height()});
    m->setPixmap(imagen);
    m->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m->setMouseTracking(true);
    m->setCursor(Qt::PointingHandCursor);
    m->hide();
    return m;
  };
  mapac = mapaDetalle("mapac", servicios_.recursos.mapac);
  mapam = mapaDetalle("mapam", servicios_.recursos.mapam);
  const int bajoMapa = 53 + std::max(mapac->height(), 214) + 6;
  ComBachi = Lista<QComboBox>(Panelinicio, "ComBachi", {73, bajoMapa, 340, 28});
  ComBachi->hide();
  listBarcelona = Lista<QListWidget>(Panelinicio, "listBarcelona", {240, 70, 220, 300});
  BotCerrar = Boton(Panelinicio, "BotCerrar", {275, 374, 150, 34});
  listBarcelona->setCursor(Qt::PointingHandCursor);
  listBarcelona->hide();
  BotCerrar->hide();

  // Captions.
  const std::pair<QPushButton*, int> rotulos[] = {
      {MenuFP1, 316},    {MenuFP2, 317},       {menuFP3, 82},          {MenuFpTit1, 317},
      {MenuFpTit2, 277}, {MenuFpTit3, 319},    {MenuFPTitTodo, 272},   {MenuFpTit5, 321},
      {MenuFpTit6, 322}, {MenuFpTit7, 82},     {BotCerrar, 13},        {BotAceptar, 19},
      {botTelefono, 31}, {BotRetrocederFP, 82}, {RetroFP, 82},         {BotInternetC, 230}};
  for (const auto& [b, n] : rotulos) b->setText(T(n));
  for (QPushButton* b : {MenuFpTit4, MenuFpTit42}) b->setText(T(298) + QLatin1Char('\n') + T(46));
  // The two share their caption; the bridge's hint tells them apart.
  MenuFpTit42->setToolTip(T(487) + QLatin1Char(' ') + T(488) + QLatin1Char(' ') + T(489));
  BotInternetC->setToolTip(T(231));
  for (QWidget* w : std::initializer_list<QWidget*>{MenuFpTit42, BotInternetC}) {
    w->setStatusTip(w->toolTip());
    w->setAccessibleDescription(w->toolTip());
  }
  LabelSelCom1->setText(T(558) + QLatin1Char(' ') + T(559));
  LabelSelCom2->setText(T(560) + QLatin1Char(' ') + T(561));
  Labeltitulo->setText(T(297));

  // Colours and fonts.
  const Tema& tema = servicios_.TemaActual();
  const QString panel = QStringLiteral(
      "QFrame#%1 { background-color: %2; border: 2px solid; border-radius: 6px;"
      " border-color: #fff6ea #b89a7a #b89a7a #fff6ea; }");
  PanelFpTit->setStyleSheet(panel.arg(QStringLiteral("PanelFpTit"), Rgb(ColorQ(ColorMenu))));
  PanelImp->setStyleSheet(panel.arg(QStringLiteral("PanelImp"), Rgb(ColorQ(ColorImpresion))));
  Pintar(PanelImp, ColorQ(ColorImpresion));
  PintarLista(ListImp, ColorQ(ColorImpresion));
  PintarLista(ListTitFP, ColorQ(ColorFondo1), Qt::black);
  for (QWidget* w : std::initializer_list<QWidget*>{ListSelLugFP, ListFPExpli, listBarcelona})
    PintarLista(w, ColorQ(ColorMenu));
  PintarCombo(ComBachi, ColorQ(tema.ColorTitulo), ColorQ(tema.ColorTextoTitulo));
  Labeltitulo->setFont(LetraQt(times, Letra(12), true));
  Pintar(Labeltitulo, QColor(255, 255, 225));
  for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, ListSelLugFP, ComBachi})
    w->setFont(LetraQt(times, Letra(12)));
  ListFPExpli->setFont(LetraQt(times, Letra(10)));
  for (QWidget* w : std::initializer_list<QWidget*>{ListImp, listBarcelona, LabelSelCom1,
                                                    LabelSelCom2})
    w->setFont(LetraQt(times, Letra(11)));
  for (QPushButton* b : {MenuFpTit4, MenuFpTit42})
    b->setStyleSheet(QStringLiteral("QPushButton { font-size: %1pt; }").arg(Letra(11)));
  reja->setFont(LetraQt(QStringLiteral("Courier New"), Letra(9)));
  reja->setEditTriggers(QAbstractItemView::NoEditTriggers);
  reja->setSelectionBehavior(QAbstractItemView::SelectRows);
  reja->setSelectionMode(QAbstractItemView::SingleSelection);
  reja->setShowGrid(false);
  reja->setWordWrap(false);
  reja->verticalHeader()->setDefaultSectionSize(QFontMetrics(reja->font()).height() + 2);
}

void TForm1::ConectarFP() {
  fp_->indice.Construir(servicios_.tablas.titulosFP, servicios_.tablas.centros,
                        servicios_.tablas.datosCarreras);
  fp_->puntos = TablaPuntos(servicios_.puntos);
  // The degree card's way to the bridge dialog.
  connect(BotFP, &QPushButton::clicked, this, [this] {
    servicios_.navegacion.Abrir(entrada::Pasarela::kMostrar);
  });
  connect(MenuFP1, &QPushButton::clicked, this, &TForm1::menuFP1Click);
  connect(MenuFP2, &QPushButton::clicked, this, &TForm1::menuFP2Click);
  connect(menuFP3, &QPushButton::clicked, this, &TForm1::menuFP3Click);
  const std::pair<QPushButton*, int> tarjeta[] = {
      {MenuFpTit1, 1}, {MenuFpTit2, 2},    {MenuFpTit3, 3}, {MenuFpTit4, 4}, {MenuFpTit42, 42},
      {MenuFPTitTodo, 8}, {MenuFpTit5, 5}, {MenuFpTit6, 6}, {MenuFpTit7, 7}};
  for (const auto& [b, n] : tarjeta) {
    connect(b, &QPushButton::clicked, this, [this, n = n] { MenuFpTitClick(n); });
  }
  connect(RetroFP, &QPushButton::clicked, this, [this] {
    RetroFP->hide();
    MenuFpTitClick(7);
  });
  connect(ListImp, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* i) { ListImpClick(ListImp->row(i)); });
  connect(BotAceptar, &QPushButton::clicked, this, &TForm1::BotAceptarClick);
  connect(ListTitFP, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* i) { ListTitFPClick(ListTitFP->row(i)); });
  connect(ListSelLugFP, &QListWidget::itemClicked, this, [this] { ListSelLugFPClick(); });
  connect(ComBachi, &QComboBox::activated, this, [this] { ComBachiChange(); });
  connect(botTelefono, &QPushButton::clicked, this, &TForm1::botTelefonoClick);
  connect(BotInternetC, &QPushButton::clicked, this, &TForm1::BotInternetCClick);
  connect(reja, &QTableWidget::cellDoubleClicked, this, [this] { rejaDblClick(); });
  connect(BotRetrocederFP, &QPushButton::clicked, this, &TForm1::BotRetrocederFPClick);
  connect(BotImprimir, &QPushButton::clicked, this, &TForm1::BotImprimirFPClick);
  connect(listBarcelona, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* i) { listBarcelonaClick(listBarcelona->row(i)); });
  connect(BotCerrar, &QPushButton::clicked, this, [this] {
    listBarcelona->hide();
    BotCerrar->hide();
  });

  // The family list: hover, click and Esc.
  Filtrar(listSelFP->viewport(), [this](QEvent* e) {
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::MouseButtonRelease) {
      const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
      const int fila = listSelFP->indexAt(p).row();
      if (e->type() == QEvent::MouseMove) {
        listSelFPMouseMove(fila);
      } else if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        listSelFPMouseUp(fila);
      }
    }
    return false;
  });
  listSelFP->viewport()->setMouseTracking(true);
  Filtrar(listSelFP, [this](QEvent* e) {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape &&
        ModoFP && !ModoLugaresFP) {
      MenuFpTitClick(7);
      return true;
    }
    return false;
  });
  Filtrar(ListTitFP->viewport(), [this](QEvent* e) {
    if (e->type() == QEvent::MouseMove) {
      ListTitFPMouseMove(ListTitFP->indexAt(static_cast<QMouseEvent*>(e)->position().toPoint()).row());
    }
    return false;
  });
  // The pointer over the grid leaves the map: its floating label goes.
  reja->viewport()->setMouseTracking(true);
  Filtrar(reja->viewport(), [this](QEvent* e) {
    if (e->type() == QEvent::MouseMove) PanelMapa->hide();
    return false;
  });
  for (QLabel* m : {mapac, mapam}) {
    Filtrar(m, [this, m](QEvent* e) {
      if (e->type() == QEvent::MouseMove) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        m == mapac ? mapacMouseMove(p.x(), p.y()) : mapamMouseMove(p.x(), p.y());
      } else if (e->type() == QEvent::MouseButtonRelease) {
        m == mapac ? mapacClick() : mapamClick();
      }
      return false;
    });
  }
  // Esc closes the community choice and goes back to the card; the keys
  // the controls leave come up to the page.
  Filtrar(this, [this](QEvent* e) {
    if (e->type() != QEvent::KeyPress || !fp_->eleccion.Abierta() ||
        static_cast<QKeyEvent*>(e)->key() != Qt::Key_Escape)
      return false;
    CerrarEleccionFP();
    PanelFpTit->show();
    PanelFpTit->raise();
    return true;
  });
}

// ---------------------------------------------------------------------------
// Families and the title card.

void TForm1::AbrirFP() {
  MostrarAyuda(2);
  fp_->latch = false;
  PanelMenu->hide();
  PanelFP->show();
  PanelFP->raise();
}

void TForm1::EntrarFP() {
  fp_->primeraFila = 0;
  AbrirFP();
}

void TForm1::menuFP1Click() {
  MostrarAyuda(33);
  fp_->dobleClic = false;
  PanelMenu->hide();
  PanelFP->hide();
  PanelSel->show();
  PanelSelTit->setText(T(294));
  PanelSelTit->show();
  for (QWidget* w : std::initializer_list<QWidget*>{ListSel, reja, listSel2}) w->hide();
  listSelFP->show();
  RetroFP->show();
  CerrarEleccionFP();
  fp_->latch = false;
  ModoLugaresFP = false;
  ModoFP = true;
  const TablasDatos& t = servicios_.tablas;
  fp_->familias = ListaFamilias(t.familiasFP);
  listSelFP->setFont(LetraQt(QStringLiteral("Comic Sans MS"), Letra(10)));
  listSelFP->setCursor(Qt::PointingHandCursor);
  listSelFP->resize(listSelFP->width(), kAltoListaFP);
  listSelFP->clear();
  listSelFP->addItems(AQt(fp_->familias.filas));
  if (!servicios_.estado.DesdeAsistente) listSelFP->setFocus();
  ListaActiva = true;
  const int filas = listSelFP->count();
  const int primera = fp_->primeraFila >= 0 && fp_->primeraFila < filas ? fp_->primeraFila : 0;
  if (filas > 0) listSelFP->scrollToItem(listSelFP->item(primera), QAbstractItemView::PositionAtTop);
}

void TForm1::menuFP3Click() {
  CerrarEleccionFP();
  // The map picks no vocational place once the section is left.
  ModoFP = false;
  ModoLugaresFP = false;
  PanelFP->hide();
  menui5Click();
}

void TForm1::listSelFPMouseMove(int fila) {
  if (fp_->latch || !ListaActiva || fila < 0) return;
  listSelFP->setCurrentRow(fila);
}

void TForm1::listSelFPMouseUp(int fila) {
  if (!ListaActiva || fila < 0 || fila >= static_cast<int>(fp_->familias.familias.size())) return;
  fp_->latch = true;
  listSelFP->setCurrentRow(fila);
  const int familia = fp_->familias.familias[static_cast<std::size_t>(fila)];
  const FuentesFP f = FuentesTitulosFP();
  fp_->titulosEmergente = TitulosDeFamilia(f, familia);
  ListSel->hide();
  ListTitFP->clear();
  for (const int t : fp_->titulosEmergente) {
    ListTitFP->addItem(RecortadoQt(DeWin(servicios_.tablas.titulosFP[t])));
  }
  const int altoFila = ListTitFP->count() > 0 ? ListTitFP->sizeHintForRow(0) : 20;
  const QRect filaRect = listSelFP->visualItemRect(listSelFP->item(fila));
  const QPoint origen = listSelFP->viewport()->mapTo(Panelinicio, QPoint(0, 0));
  MedidasEmergente m;
  m.izquierdaLista = listSelFP->mapTo(Panelinicio, QPoint(0, 0)).x();
  m.arribaLista = origen.y();
  m.altoLista = listSelFP->viewport()->height();
  m.arribaFila = origen.y() + filaRect.top();
  m.altoFila = altoFila;
  m.titulos = static_cast<int>(fp_->titulosEmergente.size());
  m.altoDescripcion = ListFPExpli->height();
  m.altoPagina = Panelinicio->height();
  const ColocacionEmergente c = ColocarEmergente(m);
  ListTitFP->setGeometry(c.izquierda, c.arribaTitulos, ListTitFP->width(), c.altoTitulos);
  ListFPExpli->move(c.izquierda, c.arribaDescripcion);
  Labeltitulo->move(c.izquierda, c.arribaEtiqueta);
  ListFPExpli->clear();
  if (!fp_->titulosEmergente.empty())
    ListFPExpli->addItems(AQt(DescripcionEmergente(f, fp_->titulosEmergente.front())));
  for (QWidget* w : std::initializer_list<QWidget*>{Labeltitulo, ListTitFP, ListFPExpli}) {
    w->show();
    w->raise();
  }
  fp_->primeraFila = listSelFP->indexAt(QPoint(1, 1)).row();
}

void TForm1::ListTitFPMouseMove(int fila) {
  if (fila < 0 || fila >= static_cast<int>(fp_->titulosEmergente.size())) return;
  if (ListTitFP->currentRow() == fila) return;
  ListTitFP->setCurrentRow(fila);
  ListFPExpli->clear();
  ListFPExpli->addItems(AQt(
      DescripcionEmergente(FuentesTitulosFP(), fp_->titulosEmergente[static_cast<std::size_t>(fila)])));
}

void TForm1::ListTitFPClick(int fila) {
  if (fila < 0 || fila >= static_cast<int>(fp_->titulosEmergente.size())) return;
  MostrarAyuda(14);
  fp_->latch = false;
  for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, Labeltitulo, ListFPExpli, RetroFP})
    w->hide();
  TituloFPSel = fp_->titulosEmergente[static_cast<std::size_t>(fila)];
  AbrirTituloFP();
}

void TForm1::AbrirTituloFP() {
  nombreParpadeo_ = RecortadoQt(DeWin(servicios_.tablas.titulosFP[TituloFPSel]));
  PanelCarSel->setText(nombreParpadeo_);
  PanelCarSel->show();
  TimerParpadeo->start();
  listSelFP->clear();
  // Each card starts with no view visited.
  for (QPushButton* b : PanelFpTit->findChildren<QPushButton*>()) {
    b->setStyleSheet(b == MenuFpTit4 || b == MenuFpTit42
                         ? QStringLiteral("QPushButton { font-size: %1pt; }").arg(Letra(11))
                         : QString());
    QFont letra = b->font();
    letra.setBold(false);
    letra.setItalic(false);
    b->setFont(letra);
  }
  PanelFpTit->show();
  PanelFpTit->raise();
  ListaActiva = false;
}

FuentesFP TForm1::FuentesTitulosFP() const {
  const TablasDatos& t = servicios_.tablas;
  return {t.titulosFP,   t.familiasFP,  t.lineasFamiliasFP, t.carrerasFP,      t.requisitosFP,
          t.bloquesFP,   t.comunidades, t.centros,          t.datosCarreras,   servicios_.catalogo};
}

void TForm1::MostrarVistaFP(const QString& titulo, const std::vector<std::string>& filas,
                            bool courier) {
  PanelSelTit->setText(titulo);
  reja->hide();
  listSelFP->setFont(LetraQt(courier ? QStringLiteral("Courier New") : QStringLiteral("Comic Sans MS"),
                             Letra(10)));
  listSelFP->setCursor(Qt::ArrowCursor);
  listSelFP->resize(listSelFP->width(), kAltoListaFP);
  RevelarPanel(PanelSel, 0);
  listSelFP->show();
  listSelFP->clear();
  listSelFP->addItems(AQt(filas));
  RevelarPanel(PanelSel, 1);
  ListaActiva = false;
}

void TForm1::MenuFpTitClick(int boton) {
  const std::pair<int, QPushButton*> botones[] = {
      {1, MenuFpTit1},    {2, MenuFpTit2}, {3, MenuFpTit3}, {4, MenuFpTit4}, {42, MenuFpTit42},
      {8, MenuFPTitTodo}, {5, MenuFpTit5}, {6, MenuFpTit6}, {7, MenuFpTit7}};
  for (const auto& [n, b] : botones) {
    if (n != boton) continue;
    b->setStyleSheet(b->styleSheet() + QStringLiteral(" QPushButton { color: purple; }"));
    QFont letra = b->font();
    letra.setBold(true);
    letra.setItalic(true);
    b->setFont(letra);
  }
  servicios_.estado.ModoImpresion = false;
  const FuentesFP f = FuentesTitulosFP();
  switch (boton) {
    case 1:
      for (QWidget* w : std::initializer_list<QWidget*>{PanelMenu, PanelFpTit, PanelFP}) w->hide();
      mapa->show();
      mapa->raise();
      BotRetrocederFP->show();
      MostrarAyuda(31);
      break;
    case 2:
    case 3:
    case 4: {
      const VistaTituloFP vista = boton == 2   ? VistaTituloFP::kRequisitos
                                  : boton == 3 ? VistaTituloFP::kDescripcion
                                               : VistaTituloFP::kCarreras;
      const VistaFP v = VistaTitulo(f, vista, TituloFPSel);
      MostrarVistaFP(DeWin(v.titulo), v.filas, boton == 3);
      break;
    }
    case 42:
      servicios_.navegacion.Abrir(entrada::Pasarela::kMostrar);
      break;
    case 8:
    case 5:
      ImprimirTodoFP(boton == 8, TodasLasComunidades());
      break;
    case 6:
      for (QWidget* w : std::initializer_list<QWidget*>{listSelFP, PanelSel, PanelSelTit,
                                                        PanelCarSel, PanelFpTit})
        w->hide();
      TimerParpadeo->stop();
      if (ListFPExpli->x() < 150) {
        for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, Labeltitulo, ListFPExpli}) {
          w->show();
          w->raise();
        }
      }
      menuFP1Click();
      break;
    case 7:
      ModoFP = false;
      ModoLugaresFP = false;
      CerrarEleccionFP();
      TimerParpadeo->stop();
      PanelSelTit->clear();
      PanelCarSel->clear();
      for (QWidget* w : std::initializer_list<QWidget*>{
               listSelFP, PanelSel, PanelSelTit, PanelCarSel, PanelFpTit, ListTitFP, Labeltitulo,
               ListFPExpli, RetroFP, reja, BotRetrocederFP, mapa})
        w->hide();
      PanelFP->show();
      PanelFP->raise();
      servicios_.estado.ModoImpresion = false;
      break;
    default:
      break;
  }
}

void TForm1::ImprimirTodoFP(bool enPantalla, const std::vector<int>& comunidades) {
  ModoFP = true;
  servicios_.estado.ModoImpresion = true;
  InformeLineas inf = ImpresionTitulo(FuentesTitulosFP(), TituloFPSel, comunidades, Mayusculas);
  if (HayQueElegirComunidades(static_cast<int>(inf.lineas.size()),
                              static_cast<int>(comunidades.size()), enPantalla)) {
    PanelImp->show();
    PanelImp->raise();
    PanelFpTit->hide();
    PanelFP->hide();
    mapa->show();
    mapa->raise();
    fp_->eleccion.Abrir();
    ListImp->clear();
    return;
  }
  reja->hide();
  listSelFP->setFont(LetraQt(QStringLiteral("Courier New"), Letra(10)));
  listSelFP->setCursor(Qt::ArrowCursor);
  listSelFP->resize(listSelFP->width(), kAltoListaFP);
  listSelFP->clear();
  listSelFP->addItems(AQt(inf.lineas));
  for (const int n : inf.negritas) {
    if (QListWidgetItem* item = listSelFP->item(n - 1)) {
      QFont letra = item->font();
      letra.setBold(true);
      item->setFont(letra);
    }
  }
  listSelFP->show();
  CerrarEleccionFP();
  fp_->impresion = inf;
  if (enPantalla) return;
  BuffersCompartidos& b = Compartidos();
  b.LineasImpresion.Vaciar();
  b.LineasImpresion.Fijar(0, inf.titulo);
  for (std::size_t i = 0; i < inf.lineas.size(); ++i)
    b.LineasImpresion.Fijar(static_cast<int>(i) + 1, inf.lineas[i]);
  b.Secciones.Vaciar();
  for (const int n : inf.negritas) b.Secciones.Agregar(n);
  ImprimirTresColumnas(*impresora_,
                       DatosCabeceraDe(servicios_.catalogo, servicios_.estado.NombreCentro),
                       b.LineasImpresion, static_cast<int>(inf.lineas.size()), true, b.Secciones);
}

void TForm1::CerrarEleccionFP() {
  if (!fp_->eleccion.Abierta()) return;
  fp_->eleccion.Cerrar();
  ListImp->clear();
  for (QWidget* w : std::initializer_list<QWidget*>{PanelImp, mapa, mapac, mapam, listBarcelona,
                                                    BotCerrar, PanelMapa})
    w->hide();
}

void TForm1::ListImpClick(int fila) {
  if (!fp_->eleccion.Quitar(fila)) return;
  delete ListImp->takeItem(fila);
}

void TForm1::BotAceptarClick() {
  const std::vector<int> elegidas = fp_->eleccion.Elegidas();
  CerrarEleccionFP();
  PanelFpTit->show();
  PanelFpTit->raise();
  // Nothing chosen: the choice is given up, nothing is printed.
  if (elegidas.empty()) return;
  ImprimirTodoFP(false, elegidas);
}

bool TForm1::MapaClickFP() {
  if (fp_->eleccion.Abierta()) {
    if (fp_->eleccion.Anadir(ComunidadSel)) {
      ListImp->addItem(RecortadoQt(DeWin(NombreComunidad(servicios_.tablas.comunidades, ComunidadSel))));
    }
    return true;
  }
  if (!ModoFP || ModoConsulta) return false;
  const TablasDatos& t = servicios_.tablas;
  fp_->provincias = ProvinciasDeComunidad(t.comunidades, ComunidadSel);
  if (!ModoLugaresFP) {
    // The centres of the title in this community.
    const std::vector<FilaReja> filas = CentrosDelTitulo(FuentesTitulosFP(), TituloFPSel, ComunidadSel);
    PanelSelTit->setText(T(323));
    std::vector<std::string> textos, telefonos;
    for (const FilaReja& f : filas) {
      textos.push_back(f.texto);
      telefonos.push_back(f.telefono);
    }
    if (textos.empty()) {
      textos.push_back(servicios_.catalogo.Texto(292));
      telefonos.emplace_back();
    }
    fp_->reja = {};
    MostrarRejaFP(textos, telefonos);
    return true;
  }
  MostrarAyuda(32);
  fp_->latchPueblos = false;
  fp_->hayLugar = false;
  for (QWidget* w : std::initializer_list<QWidget*>{mapa, mapac, mapam, ListSelLugFP, reja})
    w->hide();
  BotInternetC->show();
  botTelefono->show();
  fp_->modoMapa = ComunidadSel == kComunidadComarcas ? ModoLugarFP::kComarca
                  : ComunidadSel == kComunidadZonas  ? ModoLugarFP::kZona
                                                     : ModoLugarFP::kProvincia;
  if (fp_->modoMapa == ModoLugarFP::kProvincia) {
    ListSelLugFP->clear();
    for (const ProvinciaFP& p : fp_->provincias) ListSelLugFP->addItem(RecortadoQt(DeWin(p.nombre)));
    ListSelLugFP->show();
    ListSelLugFP->raise();
    ComBachi->move(ListSelLugFP->x(), ListSelLugFP->geometry().bottom() + 6);
  } else {
    QLabel* detalle = fp_->modoMapa == ModoLugarFP::kComarca ? mapac : mapam;
    detalle->show();
    detalle->raise();
    ComBachi->move(mapac->x(), detalle->geometry().bottom() + 6);
  }
  if (fp_->rellenarRamas) {
    fp_->ramas = TextosRamas(t.requisitosFP);
    ComBachi->clear();
    for (const std::string& r : fp_->ramas) ComBachi->addItem(DeWin(r));
    ComBachi->setCurrentIndex(0);
    fp_->rellenarRamas = false;
  }
  ComBachi->show();
  ComBachi->raise();
  ListaActiva = true;
  return true;
}

// ---------------------------------------------------------------------------
// Centres by place.

void TForm1::menuFP2Click() {
  ModoFP = true;
  ModoLugaresFP = true;
  fp_->rellenarRamas = true;
  fp_->latchPueblos = false;
  fp_->hayLugar = false;
  for (QWidget* w : std::initializer_list<QWidget*>{ListSel, listSelFP, reja, listSel2}) w->hide();
  PanelSelTit->clear();
  PanelSel->show();
  PanelSelTit->show();
  for (QWidget* w : std::initializer_list<QWidget*>{PanelMenu, PanelFpTit, PanelFP}) w->hide();
  mapa->show();
  mapa->raise();
  BotRetrocederFP->show();
  MostrarAyuda(31);
  reja->setCursor(Qt::PointingHandCursor);
  fp_->dobleClic = true;
}

void TForm1::ListSelLugFPClick() {
  const int fila = ListSelLugFP->currentRow();
  if (fp_->modoMapa == ModoLugarFP::kProvincia && fila < 0) return;
  BotImprimir->show();
  const TablasDatos& t = servicios_.tablas;
  LugarFP& lugar = fp_->lugar;
  switch (fp_->modoMapa) {
    case ModoLugarFP::kProvincia:
      if (!fp_->latchPueblos) {
        if (fila >= static_cast<int>(fp_->provincias.size())) return;
        const ProvinciaFP& p = fp_->provincias[static_cast<std::size_t>(fila)];
        lugar = {ModoLugarFP::kProvincia, p.grupo, p.codigo, {}};
        fp_->nombreLugar = p.nombre;
        fp_->pueblo = 0;
      } else {
        if (fila >= static_cast<int>(fp_->pueblos.size())) return;
        fp_->pueblo = fp_->pueblos[static_cast<std::size_t>(fila)].primerCentro;
      }
      break;
    case ModoLugarFP::kComarca: {
      const int c = fp_->mapas.comarcaSel;
      lugar = {ModoLugarFP::kComarca, 4, ' ',
               c >= 1 && c <= TablaComarcas::kCapacidad ? t.comarcas.codigos[static_cast<std::size_t>(c)]
                                                        : std::string()};
      fp_->nombreLugar = NombreComarca(t.comarcas, c);
      fp_->pueblo = 0;
      break;
    }
    case ModoLugarFP::kZona: {
      const int z = fp_->mapas.zonaSel;
      std::string codigo;
      if (z >= 1 && z <= TablaZonas::kZonas && t.zonas.numMiembros[static_cast<std::size_t>(z)] > 0) {
        const int primera = t.zonas.miembros[static_cast<std::size_t>(z)][0];
        if (primera >= 1 && primera <= TablaZonas::kCapacidad)
          codigo = t.zonas.codigos[static_cast<std::size_t>(primera)];
      }
      lugar = {ModoLugarFP::kZona, 2, ' ', codigo};
      fp_->nombreLugar = NombreZona(t.zonas, z);
      fp_->pueblo = 0;
      break;
    }
  }
  fp_->hayLugar = true;
  const std::vector<int> centros = CentrosDelLugar(t.centros, fp_->indice, lugar);
  if (lugar.modo == ModoLugarFP::kProvincia && !fp_->latchPueblos) {
    fp_->pueblos = PueblosDeCentros(t.centros[static_cast<std::size_t>(lugar.grupo - 1)], centros,
                                    lugar.grupo);
    ListSelLugFP->clear();
    for (const PuebloFP& p : fp_->pueblos) ListSelLugFP->addItem(RecortadoQt(DeWin(p.nombre)));
    fp_->latchPueblos = true;
    return;
  }
  const int rama = std::max(0, ComBachi->currentIndex());
  fp_->reja = RejaDelLugar(FuentesTitulosFP(), fp_->indice, lugar, centros, rama,
                           fp_->ramas[static_cast<std::size_t>(std::min(rama, kRamasFP - 1))],
                           fp_->pueblo);
  const std::vector<FilaReja>& filas = fp_->reja.filas;
  PanelSelTit->setText(
      lugar.modo == ModoLugarFP::kComarca
          ? RecortadoQt(DeWin(fp_->nombreLugar))
          : RecortadoQt(DeWin(fp_->nombreLugar)) + QStringLiteral(" - ") +
                RecortadoQt(DeWin(filas.size() > 1 ? filas[1].texto : std::string())));
  std::vector<std::string> textos, telefonos;
  for (const FilaReja& f : filas) {
    textos.push_back(f.texto);
    telefonos.push_back(f.telefono);
  }
  MostrarRejaFP(textos, telefonos);
  ListaActiva = false;
}

void TForm1::MostrarRejaFP(const std::vector<std::string>& textos,
                           const std::vector<std::string>& telefonos) {
  ListSel->hide();
  // The title's centres stand over its card, which comes back with the back button.
  if (ModoLugaresFP) listSelFP->hide();
  RevelarPanel(PanelSel, 0);
  reja->clearContents();
  reja->clearSpans();
  reja->setRowCount(static_cast<int>(textos.size()));
  const bool conTelefonos = fp_->telefonos || !ModoLugaresFP;
  for (int r = 0; r < static_cast<int>(textos.size()); ++r) {
    const auto i = static_cast<std::size_t>(r);
    auto* texto = new QTableWidgetItem(RecortadoQt(DeWin(Cortar(textos[i], ModoLugaresFP ? 60 : 44))));
    if (textos[i].rfind('-', 0) == 0 && ModoLugaresFP) {
      QFont letra = reja->font();
      letra.setBold(true);
      texto->setFont(letra);
    }
    reja->setItem(r, 0, texto);
    reja->setItem(r, 1, new QTableWidgetItem(conTelefonos ? DeWin(telefonos[i]) : QString()));
    // Rows without a telephone (titles, headings) run across both columns.
    if (telefonos[i].empty()) reja->setSpan(r, 0, 1, 2);
  }
  // The text takes what the telephone leaves.
  reja->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  reja->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
  reja->setColumnWidth(
      1, QFontMetrics(reja->font()).horizontalAdvance(QStringLiteral("999999999")) + 14);
  reja->show();
  reja->raise();
  RevelarPanel(PanelSel, 1);
  const int inicio = fp_->reja.filaInicio;
  if (inicio >= 0 && inicio < reja->rowCount()) {
    reja->scrollToItem(reja->item(inicio, 0), QAbstractItemView::PositionAtTop);
  }
}

void TForm1::ComBachiChange() {
  // A branch change rebuilds the grid on view, whatever the kind of place.
  if (!ModoLugaresFP || !fp_->hayLugar || reja->isHidden()) return;
  ListSelLugFPClick();
}

void TForm1::botTelefonoClick() {
  fp_->telefonos = !fp_->telefonos;
  if (ModoLugaresFP && fp_->hayLugar && !reja->isHidden()) ListSelLugFPClick();
}

void TForm1::BotInternetCClick() {
  const TablaDirecciones& d = servicios_.tablas.direccionesComunidades;
  if (ComunidadSel < 1 || ComunidadSel > TablaDirecciones::kCapacidad) return;
  const QString direccion =
      RecortadoQt(DeWin(d.direcciones[static_cast<std::size_t>(ComunidadSel)])).trimmed();
  if (direccion.isEmpty()) return;
  const QUrl url(QStringLiteral("http://") + direccion);
  if (!url.isValid() || !QDesktopServices::openUrl(url)) servicios_.dialogos.Aviso(url.toString());
}

void TForm1::rejaDblClick() {
  if (!fp_->dobleClic) return;
  const int fila = reja->currentRow();
  const auto& filas = fp_->reja.filas;
  if (fila < 0 || fila >= static_cast<int>(filas.size())) return;
  const int titulo = filas[static_cast<std::size_t>(fila)].titulo;
  if (titulo < 1) return;
  PanelSelTit->clear();
  for (QWidget* w : std::initializer_list<QWidget*>{
           BotImprimir, ListSelLugFP, ComBachi, BotInternetC, botTelefono, mapa, mapac, mapam,
           listBarcelona, BotCerrar, PanelSel, PanelSelTit, reja, BotRetrocederFP, PanelMenu, PanelFP})
    w->hide();
  ModoLugaresFP = false;
  fp_->latchPueblos = false;
  PanelSel->show();
  PanelSelTit->show();
  listSelFP->show();
  RetroFP->show();
  ModoFP = true;
  fp_->latch = false;
  fp_->dobleClic = false;
  TituloFPSel = titulo;
  MostrarAyuda(14);
  AbrirTituloFP();
}

void TForm1::BotRetrocederFPClick() {
  servicios_.estado.ModoImpresion = false;
  PanelSelTit->clear();
  BotImprimir->hide();
  if (fp_->latchPueblos && !ListSelLugFP->isHidden()) {
    fp_->latchPueblos = false;
    fp_->hayLugar = false;
    reja->hide();
    ListSelLugFP->clear();
    for (const ProvinciaFP& p : fp_->provincias) ListSelLugFP->addItem(RecortadoQt(DeWin(p.nombre)));
    ListSelLugFP->setCurrentRow(-1);
    return;
  }
  if (ModoLugaresFP && !mapa->isHidden()) {
    MostrarAyuda(2);
    fp_->dobleClic = false;
    reja->setCursor(Qt::ArrowCursor);
    for (QWidget* w : std::initializer_list<QWidget*>{mapac, mapam, listBarcelona, BotCerrar, mapa,
                                                      PanelSel, PanelSelTit, reja, BotRetrocederFP})
      w->hide();
    PanelFP->show();
    PanelFP->raise();
    ModoLugaresFP = false;
    ModoFP = false;
    return;
  }
  if (ModoLugaresFP) {
    mapa->show();
    mapa->raise();
    fp_->hayLugar = false;
    for (QWidget* w : std::initializer_list<QWidget*>{mapac, mapam, ListSelLugFP, ComBachi,
                                                      BotInternetC, botTelefono, reja, listBarcelona,
                                                      BotCerrar})
      w->hide();
    return;
  }
  reja->hide();
  if (!ListSelLugFP->isHidden()) {
    ListSelLugFP->hide();
    mapa->show();
    return;
  }
  for (QWidget* w : std::initializer_list<QWidget*>{BotRetrocederFP, mapa, mapac, mapam,
                                                    listBarcelona, BotCerrar})
    w->hide();
  PanelSelTit->setText(QString());
  PanelFpTit->show();
  PanelFpTit->raise();
}

void TForm1::BotImprimirFPClick() {
  if (!ModoLugaresFP || !fp_->hayLugar || fp_->reja.filas.empty()) return;
  BuffersCompartidos& b = Compartidos();
  b.LineasImpresion.Vaciar();
  b.LineasImpresion.Fijar(0, RecortarDerecha(servicios_.catalogo.Texto(289)) + ": " +
                                 RecortarDerecha(fp_->nombreLugar));
  const std::vector<std::string> lineas = ImpresionReja(fp_->reja.filas);
  for (std::size_t i = 0; i < lineas.size(); ++i)
    b.LineasImpresion.Fijar(static_cast<int>(i) + 1, lineas[i]);
  b.Secciones.Vaciar();
  b.Secciones.Agregar(1);
  b.Secciones.Agregar(2);
  servicios_.estado.ModoImpresion = true;
  ImprimirTresColumnas(*impresora_,
                       DatosCabeceraDe(servicios_.catalogo, servicios_.estado.NombreCentro),
                       b.LineasImpresion, static_cast<int>(lineas.size()), true, b.Secciones);
}

// ---------------------------------------------------------------------------
// The comarca and zone maps.

void TForm1::mapacMouseMove(int x, int y) {
  const TablasDatos& t = servicios_.tablas;
  const EtiquetaMapa e = MoverSobreMapa(fp_->mapas, fp_->puntos, Mapa::kComarcas, x, y,
                                        {&t.comunidades, &t.comarcas, &t.zonas});
  QLabel* m = mapac;
  PanelMapa->setGeometry(e.izquierda, e.arriba, e.ancho > 0 ? e.ancho : PanelMapa->width(),
                         PanelMapa->height());
  PanelMapa->setText(RecortadoQt(DeWin(e.texto)));
  PanelMapa->setVisible(!e.texto.empty());
  PanelMapa->raise();
  m->setCursor(e.mano ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TForm1::mapamMouseMove(int x, int y) {
  const TablasDatos& t = servicios_.tablas;
  const EtiquetaMapa e = MoverSobreMapa(fp_->mapas, fp_->puntos, Mapa::kZonas, x, y,
                                        {&t.comunidades, &t.comarcas, &t.zonas});
  PanelMapa->setGeometry(e.izquierda, e.arriba, e.ancho > 0 ? e.ancho : PanelMapa->width(),
                         PanelMapa->height());
  PanelMapa->setText(RecortadoQt(DeWin(e.texto)));
  PanelMapa->setVisible(!e.texto.empty());
  PanelMapa->raise();
  mapam->setCursor(e.mano ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TForm1::mapacClick() {
  const ClickMapa c = ClickComarcas(fp_->mapas);
  if (c.accion == AccionMapa::kNada) return;
  PanelMapa->hide();
  if (c.accion == AccionMapa::kListaBarcelona) {
    listBarcelona->clear();
    for (const std::string& s : SubareasBarcelona(servicios_.tablas.comarcas))
      listBarcelona->addItem(RecortadoQt(DeWin(s)));
    listBarcelona->show();
    listBarcelona->raise();
    BotCerrar->show();
    BotCerrar->raise();
    return;
  }
  ListSelLugFPClick();
}

void TForm1::listBarcelonaClick(int fila) {
  const ClickMapa c = ClickBarcelona(fp_->mapas, fila);
  if (c.accion == AccionMapa::kNada) return;
  ListSelLugFPClick();
}

void TForm1::mapamClick() {
  const ClickMapa c = ClickZonas(fp_->mapas);
  if (c.accion == AccionMapa::kNada) return;
  PanelMapa->hide();
  ListSelLugFPClick();
}

}  // namespace sendaro
