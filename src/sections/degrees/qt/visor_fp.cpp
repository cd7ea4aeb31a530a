#include "sections/degrees/qt/visor_fp.h"

#include <QTextEdit>

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <tuple>

#include "data/texto.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/pagina_grados.h"
#include "sections/degrees/qt/visor_fp_estado.h"
#include "sections/degrees/qt/visor_universidades.h"
#include "ui/accesible.h"
#include "ui/foco_teclado.h"
#include "ui/mapa_teclado.h"
#include "ui/piezas.h"
#include "ui/servicios.h"

namespace sendaro {

using namespace piezas;

namespace {

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

std::vector<int> TodasLasComunidades() {
  std::vector<int> c(kNumComunidades);
  for (int i = 0; i < kNumComunidades; ++i) c[static_cast<std::size_t>(i)] = i + 1;
  return c;
}

}  // namespace

const InformeLineas& VisorFP::UltimaImpresionFP() const { return fp_->impresion; }

VisorFP::VisorFP(PaginaGrados& pagina) : QObject(&pagina), p_(pagina) {
  Crear();
  Conectar();
}

VisorFP::~VisorFP() = default;

void VisorFP::Crear() {
  fp_ = std::make_unique<EstadoFP>();
  const QRect lista(0, 0, 492, kAltoListaFP);
  listSelFP = Lista<QListWidget>(p_.PanelSel, "listSelFP", lista);
  reja = Lista<QTableWidget>(p_.PanelSel, "reja", lista);
  reja->setColumnCount(2);
  reja->horizontalHeader()->hide();
  reja->verticalHeader()->hide();
  listSelFP->hide();
  reja->hide();
  PanelFP = Panel(p_.Panelinicio, "PanelFP", {60, 130, 320, 200});
  PanelFP->hide();
  auto boton = [](QWidget* panel, const char* nombre, int fila) {
    return Boton(panel, nombre, {10, 8 + fila * kPaso, 300, kAltoBoton});
  };
  PanelFP->setGeometry(kIzquierdaPanel, kArribaPanel, 320, 16 + 3 * kPaso - (kPaso - kAltoBoton));
  MenuFP1 = boton(PanelFP, "MenuFP1", 0);
  MenuFP2 = boton(PanelFP, "MenuFP2", 1);
  menuFP3 = boton(PanelFP, "menuFP3", 2);

  PanelFpTit = Panel(p_.Panelinicio, "PanelFpTit",
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

  ListTitFP = Lista<QListWidget>(p_.Panelinicio, "ListTitFP", {145, 130, 320, 100});
  ListFPExpli = Lista<QListWidget>(p_.Panelinicio, "ListFPExpli", {600, 240, 320, 120});
  Labeltitulo = Etiqueta(p_.Panelinicio, "Labeltitulo", {600, 100, 320, 26});
  ListFPExpli->setFocusPolicy(Qt::NoFocus);
  ListFPExpli->setSelectionMode(QAbstractItemView::NoSelection);
  ListFPExpli->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListTitFP->setMouseTracking(true);
  ListTitFP->setCursor(Qt::PointingHandCursor);
  for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, ListFPExpli, Labeltitulo}) w->hide();

  PanelImp = Panel(p_.Panelinicio, "PanelImp", {470, 124, 320, 340});
  LabelSelCom1 = Etiqueta(PanelImp, "LabelSelCom1", {10, 8, 300, 46});
  ListImp = Lista<QListWidget>(PanelImp, "ListImp", {10, 58, 300, 180});
  LabelSelCom2 = Etiqueta(PanelImp, "LabelSelCom2", {10, 242, 300, 46});
  BotAceptar = Boton(PanelImp, "BotAceptar", {85, 294, 150, 36});
  for (QLabel* l : {LabelSelCom1, LabelSelCom2}) l->setWordWrap(true);
  PanelImp->hide();

  RetroFP = Boton(p_.PanelSel, "RetroFP", {6, kAltoListaFP + 6, 150, 32});
  RetroFP->hide();
  BotRetrocederFP = Boton(p_.Panelinicio, "BotRetrocederFP", {470, 612, 160, 38});
  botTelefono = Boton(p_.Panelinicio, "botTelefono", {810, 612, 160, 38});
  BotInternetC = Boton(p_.Panelinicio, "BotInternetC", {470, 656, 160, 38});
  for (QWidget* w : std::initializer_list<QWidget*>{BotRetrocederFP, botTelefono, BotInternetC})
    w->hide();

  ListSelLugFP = Lista<QListWidget>(p_.Panelinicio, "ListSelLugFP", {72, 78, 340, 400});
  ListSelLugFP->setCursor(Qt::PointingHandCursor);
  ListSelLugFP->hide();
  auto mapaDetalle = [&](const char* nombre, const QPixmap& imagen) {
    QLabel* m = Etiqueta(p_.Panelinicio, nombre, {73, 53, imagen.width(), imagen.height()});
    m->setPixmap(imagen);
    m->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m->setMouseTracking(true);
    m->setCursor(Qt::PointingHandCursor);
    m->hide();
    return m;
  };
  mapac = mapaDetalle("mapac", p_.servicios().recursos.mapac);
  mapam = mapaDetalle("mapam", p_.servicios().recursos.mapam);
  for (const auto& [m, cual, nombre] :
       {std::tuple{mapac, Mapa::kComarcas, textos_accesibles::kMapaComarcas},
        std::tuple{mapam, Mapa::kZonas, textos_accesibles::kMapaZonas}}) {
    const Mapa tipo = cual;
    new MapaTeclado(
        m, [this, tipo](int x, int y) { return RegionEn(fp_->puntos, tipo, x, y); },
        p_.servicios().Texto(nombre), p_.PanelMapa);
  }
  const int bajoMapa = 53 + std::max(mapac->height(), 214) + 6;
  ComBachi = Lista<QComboBox>(p_.Panelinicio, "ComBachi", {73, bajoMapa, 340, 28});
  ComBachi->hide();
  // Barcelona's list opens over the empty result panel, clear of the map and
  // of the branch combo under it.
  listBarcelona = Lista<QListWidget>(p_.Panelinicio, "listBarcelona", {470, 124, 260, 300});
  BotCerrar = Boton(p_.Panelinicio, "BotCerrar", {525, 430, 150, 34});
  listBarcelona->setCursor(Qt::PointingHandCursor);
  listBarcelona->hide();
  BotCerrar->hide();
  Rotular();
}

void VisorFP::Rotular() {
  const QString times = QStringLiteral("Times New Roman");
  const std::pair<QPushButton*, int> rotulos[] = {
      {MenuFP1, 316},    {MenuFP2, 317},       {menuFP3, 82},          {MenuFpTit1, 317},
      {MenuFpTit2, 277}, {MenuFpTit3, 319},    {MenuFPTitTodo, 272},   {MenuFpTit5, 321},
      {MenuFpTit6, 322}, {MenuFpTit7, 82},     {BotCerrar, 13},        {BotAceptar, 19},
      {botTelefono, 31}, {BotRetrocederFP, 82}, {RetroFP, 82},         {BotInternetC, 230}};
  for (const auto& [b, n] : rotulos) b->setText(p_.T(n));
  for (QPushButton* b : {MenuFpTit4, MenuFpTit42}) b->setText(p_.T(298) + QLatin1Char('\n') + p_.T(46));
  // The two share their caption; the bridge's hint tells them apart.
  MenuFpTit42->setToolTip(p_.T(487) + QLatin1Char(' ') + p_.T(488) + QLatin1Char(' ') + p_.T(489));
  BotInternetC->setToolTip(p_.T(231));
  for (QWidget* w : std::initializer_list<QWidget*>{MenuFpTit42, BotInternetC}) {
    w->setStatusTip(w->toolTip());
    w->setAccessibleDescription(w->toolTip());
  }
  LabelSelCom1->setText(p_.T(558) + QLatin1Char(' ') + p_.T(559));
  LabelSelCom2->setText(p_.T(560) + QLatin1Char(' ') + p_.T(561));
  Labeltitulo->setText(p_.T(297));

  // Colours and fonts.
  const Tema& tema = p_.servicios().TemaActual();
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
  Labeltitulo->setFont(LetraQt(times, p_.Letra(12), true));
  Pintar(Labeltitulo, QColor(255, 255, 225));
  for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, ListSelLugFP, ComBachi})
    w->setFont(LetraQt(times, p_.Letra(12)));
  ListFPExpli->setFont(LetraQt(times, p_.Letra(10)));
  for (QWidget* w : std::initializer_list<QWidget*>{ListImp, listBarcelona, LabelSelCom1,
                                                    LabelSelCom2})
    w->setFont(LetraQt(times, p_.Letra(11)));
  for (QPushButton* b : {MenuFpTit4, MenuFpTit42})
    b->setStyleSheet(QStringLiteral("QPushButton { font-size: %1pt; }").arg(p_.Letra(11)));
  reja->setFont(LetraQt(QStringLiteral("Courier New"), p_.Letra(9)));
  reja->setEditTriggers(QAbstractItemView::NoEditTriggers);
  reja->setSelectionBehavior(QAbstractItemView::SelectRows);
  reja->setSelectionMode(QAbstractItemView::SingleSelection);
  reja->setShowGrid(false);
  reja->setWordWrap(false);
  reja->verticalHeader()->setDefaultSectionSize(QFontMetrics(reja->font()).height() + 2);
}

void VisorFP::Preparar() {
  for (QWidget* w : std::initializer_list<QWidget*>{listSelFP, reja}) {
    PintarLista(w, ColorQ(ColorMenu));
  }
  listSelFP->setFont(LetraQt(QStringLiteral("Times New Roman"), p_.Letra(12)));
}

void VisorFP::NombrarAccesos() {
  const QString acceso = p_.T(298) + QLatin1Char(' ') + p_.T(46) + QStringLiteral(": ");
  MenuFpTit4->setAccessibleName(acceso + p_.T(324));   // the degrees this title leads to
  MenuFpTit42->setAccessibleName(acceso + p_.T(491));  // the titles that lead to each degree
}

void VisorFP::Conectar() {
  fp_->indice.Construir(p_.servicios().tablas.titulosFP, p_.servicios().tablas.centros,
                        p_.servicios().tablas.datosCarreras);
  fp_->puntos = TablaPuntos(p_.servicios().puntos);
  connect(MenuFP1, &QPushButton::clicked, this, &VisorFP::menuFP1Click);
  connect(MenuFP2, &QPushButton::clicked, this, &VisorFP::menuFP2Click);
  connect(menuFP3, &QPushButton::clicked, this, &VisorFP::menuFP3Click);
  BotonEsc(*menuFP3);  // the vocational menu's way out
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
  connect(BotAceptar, &QPushButton::clicked, this, &VisorFP::BotAceptarClick);
  connect(ListTitFP, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* i) { ListTitFPClick(ListTitFP->row(i)); });
  connect(ListSelLugFP, &QListWidget::itemClicked, this, [this] { ListSelLugFPClick(); });
  connect(ComBachi, &QComboBox::activated, this, [this] { ComBachiChange(); });
  connect(botTelefono, &QPushButton::clicked, this, &VisorFP::botTelefonoClick);
  connect(BotInternetC, &QPushButton::clicked, this, &VisorFP::BotInternetCClick);
  connect(reja, &QTableWidget::cellDoubleClicked, this, [this] { rejaDblClick(); });
  connect(BotRetrocederFP, &QPushButton::clicked, this, &VisorFP::BotRetrocederFPClick);
  connect(listBarcelona, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* i) { listBarcelonaClick(listBarcelona->row(i)); });
  connect(BotCerrar, &QPushButton::clicked, this, [this] {
    listBarcelona->hide();
    BotCerrar->hide();
  });
  ConectarFiltros();
}

void VisorFP::ConectarFiltros() {
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
    if (e->type() == QEvent::MouseMove) p_.PanelMapa->hide();
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
  Filtrar(p_.Pantalla(), [this](QEvent* e) {
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

void VisorFP::AbrirFP() {
  p_.MostrarAyuda(2);
  fp_->latch = false;
  p_.PanelMenu->hide();
  PanelFP->show();
  PanelFP->raise();
}

void VisorFP::EntrarFP() {
  fp_->primeraFila = 0;
  AbrirFP();
}

void VisorFP::AbrirTitulo(int t) {
  EntrarFP();
  menuFP1Click();
  const FuentesFP f = FuentesTitulosFP();
  const std::vector<int>& familias = fp_->familias.familias;
  for (std::size_t fila = 0; fila < familias.size(); ++fila) {
    const std::vector<int> titulos = TitulosDeFamilia(f, familias[fila]);
    const auto titulo = std::find(titulos.begin(), titulos.end(), t);
    if (titulo == titulos.end()) continue;
    listSelFPMouseUp(static_cast<int>(fila));
    ListTitFPClick(static_cast<int>(titulo - titulos.begin()));
    MenuFpTitClick(3);
    return;
  }
}

void VisorFP::menuFP1Click() {
  p_.MostrarAyuda(33);
  fp_->dobleClic = false;
  p_.PanelMenu->hide();
  PanelFP->hide();
  p_.PanelSel->show();
  p_.PanelSelTit->setText(p_.T(294));
  p_.PanelSelTit->show();
  for (QWidget* w : std::initializer_list<QWidget*>{p_.ListSel, reja, p_.universidades->listSel2}) w->hide();
  listSelFP->show();
  RetroFP->show();
  CerrarEleccionFP();
  fp_->latch = false;
  ModoLugaresFP = false;
  ModoFP = true;
  const TablasDatos& t = p_.servicios().tablas;
  fp_->familias = ListaFamilias(t.familiasFP);
  listSelFP->setFont(LetraQt(QStringLiteral("Comic Sans MS"), p_.Letra(10)));
  listSelFP->setCursor(Qt::PointingHandCursor);
  listSelFP->resize(listSelFP->width(), kAltoListaFP);
  listSelFP->clear();
  listSelFP->addItems(AQt(fp_->familias.filas));
  if (!p_.servicios().estado.DesdeAsistente) listSelFP->setFocus();
  p_.ListaActiva = true;
  const int filas = listSelFP->count();
  const int primera = fp_->primeraFila >= 0 && fp_->primeraFila < filas ? fp_->primeraFila : 0;
  if (filas > 0) listSelFP->scrollToItem(listSelFP->item(primera), QAbstractItemView::PositionAtTop);
}

void VisorFP::menuFP3Click() {
  CerrarEleccionFP();
  // The map picks no vocational place once the section is left.
  ModoFP = false;
  ModoLugaresFP = false;
  PanelFP->hide();
  p_.Salir();
}

void VisorFP::listSelFPMouseMove(int fila) {
  if (fp_->latch || !p_.ListaActiva || fila < 0) return;
  listSelFP->setCurrentRow(fila);
}

void VisorFP::listSelFPMouseUp(int fila) {
  if (!p_.ListaActiva || fila < 0 || fila >= static_cast<int>(fp_->familias.familias.size())) return;
  fp_->latch = true;
  listSelFP->setCurrentRow(fila);
  const int familia = fp_->familias.familias[static_cast<std::size_t>(fila)];
  const FuentesFP f = FuentesTitulosFP();
  fp_->titulosEmergente = TitulosDeFamilia(f, familia);
  p_.ListSel->hide();
  ListTitFP->clear();
  for (const int t : fp_->titulosEmergente) {
    ListTitFP->addItem(RecortadoQt(DeWin(p_.servicios().tablas.titulosFP[t])));
  }
  const int altoFila = ListTitFP->count() > 0 ? ListTitFP->sizeHintForRow(0) : 20;
  const QRect filaRect = listSelFP->visualItemRect(listSelFP->item(fila));
  const QPoint origen = listSelFP->viewport()->mapTo(p_.Panelinicio, QPoint(0, 0));
  MedidasEmergente m;
  m.izquierdaLista = listSelFP->mapTo(p_.Panelinicio, QPoint(0, 0)).x();
  m.arribaLista = origen.y();
  m.altoLista = listSelFP->viewport()->height();
  m.arribaFila = origen.y() + filaRect.top();
  m.altoFila = altoFila;
  m.titulos = static_cast<int>(fp_->titulosEmergente.size());
  m.altoDescripcion = ListFPExpli->height();
  // The pop-up stays above the help bubble.
  m.altoPagina = p_.payuda->y();
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

void VisorFP::ListTitFPMouseMove(int fila) {
  if (fila < 0 || fila >= static_cast<int>(fp_->titulosEmergente.size())) return;
  if (ListTitFP->currentRow() == fila) return;
  ListTitFP->setCurrentRow(fila);
  ListFPExpli->clear();
  ListFPExpli->addItems(AQt(
      DescripcionEmergente(FuentesTitulosFP(), fp_->titulosEmergente[static_cast<std::size_t>(fila)])));
}

void VisorFP::ListTitFPClick(int fila) {
  if (fila < 0 || fila >= static_cast<int>(fp_->titulosEmergente.size())) return;
  p_.MostrarAyuda(14);
  fp_->latch = false;
  for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, Labeltitulo, ListFPExpli, RetroFP})
    w->hide();
  TituloFPSel = fp_->titulosEmergente[static_cast<std::size_t>(fila)];
  AbrirTituloFP();
}

void VisorFP::AbrirTituloFP() {
  p_.Parpadear(RecortadoQt(DeWin(p_.servicios().tablas.titulosFP[TituloFPSel])));
  listSelFP->clear();
  // Each card starts with no view visited.
  for (QPushButton* b : PanelFpTit->findChildren<QPushButton*>()) {
    b->setStyleSheet(b == MenuFpTit4 || b == MenuFpTit42
                         ? QStringLiteral("QPushButton { font-size: %1pt; }").arg(p_.Letra(11))
                         : QString());
    QFont letra = b->font();
    letra.setBold(false);
    letra.setItalic(false);
    b->setFont(letra);
  }
  PanelFpTit->show();
  PanelFpTit->raise();
  p_.ListaActiva = false;
}

FuentesFP VisorFP::FuentesTitulosFP() const {
  const TablasDatos& t = p_.servicios().tablas;
  return {t.titulosFP,   t.familiasFP,  t.lineasFamiliasFP, t.carrerasFP,      t.requisitosFP,
          t.bloquesFP,   t.comunidades, t.centros,          t.datosCarreras,   p_.servicios().catalogo};
}

void VisorFP::MostrarVistaFP(const QString& titulo, const std::vector<std::string>& filas,
                            bool courier) {
  p_.PanelSelTit->setText(titulo);
  reja->hide();
  listSelFP->setFont(LetraQt(courier ? QStringLiteral("Courier New") : QStringLiteral("Comic Sans MS"),
                             p_.Letra(10)));
  listSelFP->setCursor(Qt::ArrowCursor);
  listSelFP->resize(listSelFP->width(), kAltoListaFP);
  p_.RevelarPanel(p_.PanelSel, 0);
  listSelFP->show();
  listSelFP->clear();
  listSelFP->addItems(AQt(filas));
  p_.RevelarPanel(p_.PanelSel, 1);
  p_.ListaActiva = false;
}

void VisorFP::MenuFpTitClick(int boton) {
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
  p_.servicios().estado.ModoImpresion = false;
  const FuentesFP f = FuentesTitulosFP();
  switch (boton) {
    case 1:
      for (QWidget* w : std::initializer_list<QWidget*>{p_.PanelMenu, PanelFpTit, PanelFP}) w->hide();
      p_.mapa->show();
      p_.mapa->raise();
      BotRetrocederFP->show();
      p_.MostrarAyuda(31);
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
      p_.servicios().navegacion.Abrir(entrada::Pasarela::kMostrar);
      break;
    case 8:
    case 5:
      ImprimirTodoFP(boton == 8, TodasLasComunidades());
      break;
    case 6:
      VolverAFamilias();
      break;
    case 7:
      SalirDelTitulo();
      break;
    default:
      break;
  }
}

void VisorFP::VolverAFamilias() {
  for (QWidget* w : std::initializer_list<QWidget*>{listSelFP, p_.PanelSel, p_.PanelSelTit,
                                                    p_.PanelCarSel, PanelFpTit})
    w->hide();
  p_.TimerParpadeo->stop();
  if (ListFPExpli->x() < 150) {
    for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, Labeltitulo, ListFPExpli}) {
      w->show();
      w->raise();
    }
  }
  menuFP1Click();
}

void VisorFP::SalirDelTitulo() {
  ModoFP = false;
  ModoLugaresFP = false;
  CerrarEleccionFP();
  p_.TimerParpadeo->stop();
  p_.PanelSelTit->clear();
  p_.PanelCarSel->clear();
  for (QWidget* w : std::initializer_list<QWidget*>{
           listSelFP, p_.PanelSel, p_.PanelSelTit, p_.PanelCarSel, PanelFpTit, ListTitFP,
           Labeltitulo, ListFPExpli, RetroFP, reja, BotRetrocederFP, p_.mapa})
    w->hide();
  PanelFP->show();
  PanelFP->raise();
  p_.servicios().estado.ModoImpresion = false;
}

}  // namespace sendaro
