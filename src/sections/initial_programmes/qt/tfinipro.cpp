#include "sections/initial_programmes/qt/tfinipro.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/informes.h"
#include "data/qt/impresora_qt.h"
#include "data/texto.h"
#include "ui/accesible.h"
#include "ui/dialogos.h"
#include "ui/lista_iconos.h"
#include "ui/mapa_teclado.h"
#include "ui/mosaico.h"
#include "ui/piezas.h"
#include "ui/servicios.h"
#include "ui/sonido.h"
#include "ui/teclas_listas.h"
#include "ui/texto_qt.h"

namespace sendaro {

using piezas::Boton;
using piezas::Colores;
using piezas::Etiqueta;
using piezas::Filas;
using piezas::LetraQt;

namespace {

// Icons of the hall's icon list beside areas 1..9.
const std::vector<int> kIconosAreas = {1, 2, 9, 7, 8, 16, 19, 0, 10};

constexpr int kTextoTitulo = 1;
constexpr int kTextoCurso = 175;
constexpr int kTextoElige = 577;
constexpr int kTextoCentros = 584;
constexpr int kTextoRequisitos = 29;
constexpr int kTextoAsignaturas = 30;
constexpr int kTextoTrabajo = 671;
constexpr int kTextoImprimir = 36;
constexpr int kTextoVolver = 82;
constexpr int kTextoCaption = 338;
constexpr int kTextoCentrosProvincia = 323;
constexpr int kTextoSinResultados = 292;
constexpr int kTextoFormacion = 294;
constexpr int kTextoPulsaMapa = 585;
constexpr int kPrimerTextoAyuda = 568;

constexpr int kAltoArea = 30;
constexpr int kAltoFila = 22;
constexpr int kFondoListas = 700;
constexpr int kInicioAyu0 = 400;

template <typename... W>
void Ocultar(W*... w) {
  (w->hide(), ...);
}
template <typename... W>
void Mostrar(W*... w) {
  (w->show(), ...);
}

}  // namespace

TFIniPro::TFIniPro(Servicios& servicios, QWidget* padre)
    : QWidget(padre), servicios_(servicios), tablaMapa_(servicios.puntos) {
  setObjectName(QStringLiteral("TFIniPro"));
  resize(1024, 768);
  setWindowTitle(T(kTextoCaption) + QStringLiteral("  ") + servicios.Nombre());

  const Tema& tema = servicios.TemaActual();
  const QColor menu = ColorQ(ColorMenu);
  const QColor titulo = ColorQ(tema.ColorTitulo);
  const QColor textoTitulo = ColorQ(tema.ColorTextoTitulo);
  const int delta = servicios.estado.TamanoLetraDelta;

  Fondo = NuevoMosaico(this, "Fondo", {0, 0, 1024, 768}, servicios.recursos.Suelo);
  Fondo->setMouseTracking(true);
  Fondo->installEventFilter(this);
  TilIzq = NuevoMosaico(this, "TilIzq", {0, 0, 23, 768}, servicios.recursos.MarcoIzquierdo);
  TilDer = NuevoMosaico(this, "TilDer", {1024 - 23, 0, 23, 768}, servicios.recursos.MarcoDerecho);

  LabelFPIp1 = Etiqueta(this, "LabelFPIp1", {50, 14, 720, 50});
  LabelFPIp1->setText(T(kTextoTitulo));
  LabelFPIp1->setFont(LetraQt("Comic Sans MS", 24, true));
  QPalette verde = LabelFPIp1->palette();
  verde.setColor(QPalette::WindowText, QColor(0, 128, 0));
  LabelFPIp1->setPalette(verde);
  LabelAno = Etiqueta(this, "LabelAno", {790, 24, 200, 30});
  LabelAno->setText(T(kTextoCurso) + QStringLiteral("  2008-2009"));
  LabelAno->setFont(LetraQt("Arial", 12, true));
  LabelAno->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QPalette ano = LabelAno->palette();
  ano.setColor(QPalette::WindowText, ColorQ(tema.ColorAno));
  LabelAno->setPalette(ano);

  auto cabecera = [&](const char* nombre, const QRect& donde) {
    QLabel* l = Etiqueta(this, nombre, donde);
    Colores(l, titulo, textoTitulo);
    l->setFont(LetraQt("Times New Roman", 13 + delta, true));
    l->setIndent(8);
    l->setFrameShape(QFrame::Panel);
    return l;
  };
  auto lista = [&](auto* l, const char* nombre) {
    l->setObjectName(QString::fromLatin1(nombre));
    Colores(l, menu, Qt::black);
    l->setFont(LetraQt("Arial", 11 + delta));
    return l;
  };

  // Area list.
  PanelSelTit0 = new QFrame(this);
  PanelSelTit0->setObjectName(QStringLiteral("PanelSelTit0"));
  PanelSelTit0->setGeometry(50, 84, 450, 36);
  PanelSelTit0->setFrameShape(QFrame::Panel);
  Colores(PanelSelTit0, titulo, textoTitulo);
  LabelAyu0 = Etiqueta(PanelSelTit0, "LabelAyu0", {kInicioAyu0, 4, 360, 28});
  LabelAyu0->setText(T(kTextoElige));
  LabelAyu0->setFont(LetraQt("Times New Roman", 14 + delta, true));
  ListSelFp = lista(new ListaIconos(this, kAltoArea, 35), "ListSelFp");
  ListSelFp->setFont(LetraQt("Arial", 11 + delta, true));
  ListSelFp->setGeometry(50, 122, 450, kAreasPrograma * kAltoArea + 4);
  ListTitFP = lista(new ListaIconos(this, kAltoFila, 6), "ListTitFP");
  ListTitFP->setGeometry(510, 122, 480, kAltoFila + 4);
  ListFPExpli = lista(new QListWidget(this), "ListFPExpli");
  ListFPExpli->setGeometry(510, 150, 480, 6 * kAltoFila + 4);
  ListFPExpli->setFocusPolicy(Qt::NoFocus);
  BotLug = Boton(this, "BotLug", T(kTextoCentros), {50, 712, 300, 36});

  // A programme's page.
  PanelCarSel = cabecera("PanelCarSel", {50, 84, 940, 36});
  mapa = Etiqueta(this, "mapa", {40, 130, 290, 220});
  mapa->setPixmap(servicios.recursos.mapa);
  mapa->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  mapa->setMouseTracking(true);
  mapa->setCursor(Qt::PointingHandCursor);
  mapa->installEventFilter(this);
  PanelSelTit = cabecera("PanelSelTit", {350, 130, 640, 30});
  Listsel = lista(new QListWidget(this), "Listsel");
  Listsel->setGeometry(350, 162, 640, 530);
  Listsel->setFocusPolicy(Qt::NoFocus);
  reja = new QTableWidget(0, 2, this);
  reja->setObjectName(QStringLiteral("reja"));
  reja->setGeometry(350, 162, 520, 530);
  reja->horizontalHeader()->hide();
  reja->verticalHeader()->hide();
  reja->setColumnWidth(0, 410);
  reja->setColumnWidth(1, 84);
  reja->setShowGrid(false);
  reja->setEditTriggers(QAbstractItemView::NoEditTriggers);
  reja->verticalHeader()->setDefaultSectionSize(20);
  reja->setFont(LetraQt("Arial", 9 + delta));
  Colores(reja, ColorQ(ColorImpresion), Qt::black);
  ListSelLugFP = lista(new QListWidget(this), "ListSelLugFP");
  ListSelLugFP->setGeometry(40, 130, 290, 400);
  BotRequisitos = Boton(this, "BotRequisitos", T(kTextoRequisitos), {40, 370, 290, 40});
  BotAsig = Boton(this, "BotAsig", T(kTextoAsignaturas), {40, 416, 290, 40});
  BotTra = Boton(this, "BotTra", T(kTextoTrabajo) + QStringLiteral(".."), {40, 462, 290, 40});
  BotImprimir = Boton(this, "BotImprimir", T(kTextoImprimir), {40, 540, 290, 40});
  BotRetrocederFP = Boton(this, "BotRetrocederFP", T(kTextoVolver), {860, 712, 130, 36});
  PanelMapa = Etiqueta(this, "PanelMapa", {0, 0, 160, 22});
  PanelMapa->setStyleSheet(QStringLiteral(
      "background-color: #ffffe1; color: black; border: 1px solid #6b5b4b; padding: 1px 4px;"));
  new MapaTeclado(
      mapa, [this](int x, int y) { return RegionEn(tablaMapa_, Mapa::kComunidades, x, y); },
      servicios.Texto(textos_accesibles::kMapaComunidades), PanelMapa);

  // Help.
  PanelAyuda = new QFrame(this);
  PanelAyuda->setObjectName(QStringLiteral("PanelAyuda"));
  PanelAyuda->setGeometry(50, 420, 450, 196);
  PanelAyuda->setFrameShape(QFrame::Panel);
  PanelAyuda->setFrameShadow(QFrame::Raised);
  Colores(PanelAyuda, menu, Qt::black);
  chica = Etiqueta(PanelAyuda, "chica", {8, 8, 90, 180});
  chica->setAlignment(Qt::AlignCenter);
  for (int k = 0; k < 7; ++k) {
    const QByteArray nombre = "LabelAyu" + QByteArray::number(k + 1);
    QLabel* l = Etiqueta(PanelAyuda, nombre.constData(), {104, 10 + k * 25, 340, 24});
    l->setFont(LetraQt("Times New Roman", 12 + delta));
    LabelAyu[static_cast<std::size_t>(k)] = l;
  }

  TimerParpadeo = piezas::Temporizador(this, "TimerParpadeo", 200);
  TimerAyuda = piezas::Temporizador(this, "TimerAyuda", 300);
  TimerAyu = piezas::Temporizador(this, "TimerAyu", 50);

  ListSelFp->Rellenar(Filas(AreasPrograma(Tablas())), servicios.recursos.Iconos(), kIconosAreas);

  Ocultar(ListTitFP, ListFPExpli, PanelCarSel, mapa, PanelSelTit, Listsel, reja, ListSelLugFP,
          BotRequisitos, BotAsig, BotTra, BotImprimir, PanelMapa, PanelAyuda);
  Ocultar(ListSelFp, BotLug, BotRetrocederFP);

  connect(ListSelFp, &ListaIconos::Elegida, this, &TFIniPro::ListSelFpElegida);
  connect(ListTitFP, &ListaIconos::Sobre, this, &TFIniPro::ListTitFPSobre);
  connect(ListTitFP, &ListaIconos::Elegida, this, &TFIniPro::ListTitFPElegida);
  connect(BotRequisitos, &QPushButton::clicked, this, &TFIniPro::BotRequisitosClick);
  connect(BotAsig, &QPushButton::clicked, this, &TFIniPro::BotAsigClick);
  connect(BotTra, &QPushButton::clicked, this, &TFIniPro::BotTraClick);
  connect(BotLug, &QPushButton::clicked, this, &TFIniPro::BotLugClick);
  connect(ListSelLugFP, &QListWidget::itemClicked, this, &TFIniPro::ListSelLugFPClick);
  EnterPropio(*ListSelLugFP);  // the list reads Enter itself
  connect(ListSelLugFP, &QListWidget::itemActivated, this, &TFIniPro::ListSelLugFPClick);
  connect(BotImprimir, &QPushButton::clicked, this, &TFIniPro::BotImprimirClick);
  connect(BotRetrocederFP, &QPushButton::clicked, this, &TFIniPro::BotRetrocederFPClick);
  connect(TimerParpadeo, &QTimer::timeout, this, &TFIniPro::TimerParpadeoTimer);
  connect(TimerAyuda, &QTimer::timeout, this, &TFIniPro::TimerAyudaTimer);
  connect(TimerAyu, &QTimer::timeout, this, &TFIniPro::TimerAyuTimer);

  impresora_ = std::make_unique<ImpresoraQt>(this);
  NombrarAccesibles(this);
}

TFIniPro::~TFIniPro() = default;

void TFIniPro::FijarImpresora(std::unique_ptr<Impresora> impresora) {
  impresora_ = std::move(impresora);
}

QString TFIniPro::T(int n) const { return DeWin(RecortarDerecha(servicios_.catalogo.Texto(n))); }

TablasProgramas TFIniPro::Tablas() const {
  const TablasDatos& t = servicios_.tablas;
  return {t.programas,
          t.modulosPrograma,
          t.lineasInforma,
          t.comunidades,
          {&t.centros[0], &t.centrosIniciales, &t.centros[2], &t.centros[3]}};
}

void TFIniPro::AbrirProgramas() {
  EstadoPrograma& e = servicios_.estado;
  e.ModoTitulos = true;
  e.ModoLugares = false;
  Mostrar(ListSelFp, BotLug, BotRetrocederFP);
}

void TFIniPro::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  ListTitFP->seguirRaton = true;
  ListSelFp->seguirRaton = true;
  PanelSelTit0->show();
  for (std::size_t k = 0; k < 6; ++k) LabelAyu[k]->clear();
  pasoAyuda_ = 0;
  servicios_.estado.PasoAyuda = 0;
  TimerAyuda->start();
}

void TFIniPro::TimerAyudaTimer() {
  const int s = ++pasoAyuda_;
  PanelAyuda->show();
  PanelAyuda->raise();
  if (s <= 6) LabelAyu[static_cast<std::size_t>(s - 1)]->setText(T(kPrimerTextoAyuda + s));
  if (s == 7) LabelAyu[6]->clear();
  if (s <= 8) {
    servicios_.sonido.SonidoTecla(true);
    chica->setPixmap(servicios_.recursos.FiguraGuia().value(s - 1));
  }
  if (s >= 15) {
    TimerAyuda->stop();
    TimerAyu->start();
    pasoAyuda_ = 0;
  }
}

void TFIniPro::TimerAyuTimer() {
  if (PanelSelTit0->isHidden()) return;
  if (LabelAyu0->x() <= 80) {
    TimerAyu->stop();
    return;
  }
  LabelAyu0->move(LabelAyu0->x() - 4, LabelAyu0->y());
}

void TFIniPro::ListSelFpElegida(int fila) {
  if (fila < 0 || fila >= kAreasPrograma) return;
  ListSelFp->seguirRaton = false;
  ListSelFp->setCurrentRow(fila);
  AreaSel = fila + 1;
  if (AreaBuscaCentros(Tablas(), AreaSel)) {
    BotLugClick();
    return;
  }
  const FilasConLineas programas = ProgramasDeArea(Tablas(), AreaSel);
  FilasProgramas = programas.lineas;
  ListTitFP->Rellenar(Filas(programas.filas), {}, {});
  for (int r = 0; r < ListTitFP->count(); ++r) {
    if (EsEncabezadoPrograma(Tablas(), FilasProgramas[static_cast<std::size_t>(r)])) {
      QFont negrita = ListTitFP->font();
      negrita.setBold(true);
      ListTitFP->item(r)->setFont(negrita);
    }
  }
  // At the clicked row, kept inside the page (longer lists scroll).
  const int alto = std::min(ListTitFP->count() * kAltoFila + 4, kFondoListas - 200);
  const int arriba =
      std::clamp(ListSelFp->y() + fila * kAltoArea, ListSelFp->y(), kFondoListas - 150 - alto);
  ListTitFP->setGeometry(ListTitFP->x(), arriba, ListTitFP->width(), alto);
  ListTitFP->seguirRaton = true;
  ListTitFP->show();
  ListTitFP->raise();
  ListFPExpli->clear();
  ListFPExpli->move(ListTitFP->x(), arriba + alto + 1);
  ListFPExpli->show();
}

void TFIniPro::ListTitFPSobre(int fila) {
  if (fila < 0 || fila >= static_cast<int>(FilasProgramas.size())) return;
  ListFPExpli->clear();
  ListFPExpli->addItems(Filas(DescripcionPrograma(Tablas(), servicios_.catalogo,
                                                  FilasProgramas[static_cast<std::size_t>(fila)])));
}

void TFIniPro::ListTitFPElegida(int fila) {
  if (fila < 0 || fila >= static_cast<int>(FilasProgramas.size())) return;
  const int p = FilasProgramas[static_cast<std::size_t>(fila)];
  if (EsEncabezadoPrograma(Tablas(), p)) return;
  ProgramaSel = p;
  ListSelFp->seguirRaton = true;
  // The help panel stays closed once the area list is left.
  TimerAyuda->stop();
  ComunidadElegida = false;
  Ocultar(BotLug, ListTitFP, ListFPExpli, ListSelFp, PanelAyuda, PanelSelTit0, reja);
  Listsel->clear();
  PanelSelTit->clear();
  Mostrar(mapa, Listsel, PanelSelTit, BotRequisitos, BotAsig, BotTra, BotImprimir, BotRetrocederFP,
          PanelCarSel);
  PanelCarSel->setText(DeWin(TextoPrograma(Tablas(), p)));
  parpadeo_ = 0;
  TimerParpadeo->start();
  servicios_.estado.ModoTitulos = true;
  servicios_.estado.ModoLugares = false;
}

void TFIniPro::TimerParpadeoTimer() {
  ++parpadeo_;
  PanelCarSel->setText(parpadeo_ % 2 == 1 ? DeWin(TextoPrograma(Tablas(), ProgramaSel))
                                          : QString());
  if (parpadeo_ >= 9) TimerParpadeo->stop();
}

void TFIniPro::MostrarDetalle(VistaPrograma vista) {
  const DetallePrograma d = VistaDePrograma(Tablas(), servicios_.catalogo, vista, ProgramaSel);
  PanelSelTit->setText(DeWin(d.titulo));
  Listsel->clear();
  Listsel->setFont(LetraQt("Times New Roman", servicios_.estado.TamanoLetraDelta + 11));
  Listsel->addItems(Filas(d.filas));
  Listsel->show();
  reja->hide();
}

void TFIniPro::BotRequisitosClick() { MostrarDetalle(VistaPrograma::kRequisitos); }
void TFIniPro::BotAsigClick() { MostrarDetalle(VistaPrograma::kAsignaturas); }
void TFIniPro::BotTraClick() { MostrarDetalle(VistaPrograma::kTrabajos); }

void TFIniPro::LlenarReja(const std::vector<FilaCentroIP>& filas) {
  FilasReja = filas;
  reja->clearContents();
  reja->setRowCount(static_cast<int>(filas.size()));
  for (int r = 0; r < reja->rowCount(); ++r) {
    const FilaCentroIP& f = filas[static_cast<std::size_t>(r)];
    // A centre's 44 characters beside its phone; a programme its whole name.
    const std::string texto = f.telefono.empty() ? f.texto : ColumnaCentro(f.texto);
    reja->setItem(r, 0, new QTableWidgetItem(DeWin(texto)));
    reja->setItem(r, 1, new QTableWidgetItem(DeWin(f.telefono)));
  }
}

void TFIniPro::mapaMouseMove(int x, int y) {
  const TablaLinea& comunidades = servicios_.tablas.comunidades;
  // The community under the pointer comes from the map picture's own region
  // table, as on the degrees screen's map.
  const EtiquetaMapa etiqueta =
      MoverSobreMapa(estadoMapa_, tablaMapa_, Mapa::kComunidades, x, y, {&comunidades});
  const QString texto = DeWin(etiqueta.texto);
  mapa->setToolTip(texto);
  PanelMapa->setText(texto);
  PanelMapa->adjustSize();
  PanelMapa->move(mapa->x() + x + 55, mapa->y() + y + 50);
  PanelMapa->setVisible(!texto.isEmpty());
  PanelMapa->raise();
}

void TFIniPro::mapaClick() {
  const int codigo = estadoMapa_.regionMapa;
  if (!EsRegion(Mapa::kComunidades, codigo)) return;
  ComunidadSel = codigo;
  PanelMapa->hide();
  ProvinciasSel = Provincias(servicios_.tablas.comunidades, codigo);
  EstadoPrograma& e = servicios_.estado;
  if (!e.ModoLugares) {
    ComunidadElegida = true;
    PanelSelTit->setText(T(kTextoCentrosProvincia));
    const std::vector<FilaCentroIP> filas = CentrosDePrograma(Tablas(), ProgramaSel, codigo);
    Listsel->hide();
    reja->show();
    if (filas.empty()) {
      servicios_.dialogos.Pitido();
      LlenarReja({{RecortarDerecha(servicios_.catalogo.Texto(kTextoSinResultados)), ""}});
    } else {
      LlenarReja(filas);
      reja->scrollToTop();
    }
    return;
  }
  e.FaseLocalidades = false;
  mapa->hide();
  if (ProvinciasSel.nombres.size() == 1) {
    NombreLugar = DeWin(ProvinciasSel.vistas.front());
    ListSelLugFP->clear();
    ListSelLugFPClick();
    return;
  }
  ListSelLugFP->clear();
  ListSelLugFP->addItems(Filas(ProvinciasSel.vistas));
  ListSelLugFP->show();
}

void TFIniPro::ListSelLugFPClick() {
  EstadoPrograma& e = servicios_.estado;
  Mostrar(BotRetrocederFP, BotImprimir);
  const int provincias = static_cast<int>(ProvinciasSel.nombres.size());
  if (!e.FaseLocalidades) {
    const int entrada = provincias < 2 ? 1 : ListSelLugFP->currentRow() + 1;
    if (entrada < 1 || entrada > provincias) return;
    const CentrosProvincia provincia =
        CentrosDeProvincia(Tablas(), CodigoProvincia(ProvinciasSel.base + entrada - 1));
    if (provincia.grupo == 0) return;
    ProvinciaSel = provincia;
    NombreLugar =
        provincias < 2 ? DeWin(ProvinciasSel.nombres.front()) : ListSelLugFP->currentItem()->text();
    PanelCarSel->setText(NombreLugar);
    Mostrar(PanelCarSel, reja);
    LlenarReja({});
    ListSelLugFP->clear();
    ListSelLugFP->addItems(Filas(ProvinciaSel.localidades));
    ListSelLugFP->show();
    e.FaseLocalidades = true;
    return;
  }
  const int localidad = ListSelLugFP->currentRow() + 1;
  if (localidad < 1) return;
  const ListadoLugarIP listado = ListadoDeProvincia(Tablas(), ProvinciaSel, localidad);
  PanelCarSel->setText(NombreLugar);
  PanelSelTit->setText(T(kTextoFormacion));
  Mostrar(PanelCarSel, PanelSelTit, reja);
  LlenarReja(listado.filas);
  for (int r = 0; r < reja->rowCount(); ++r) {
    if (FilasReja[static_cast<std::size_t>(r)].texto.starts_with('-')) {
      QFont negrita = reja->font();
      negrita.setBold(true);
      reja->item(r, 0)->setFont(negrita);
    }
  }
  if (listado.primeraFila < reja->rowCount()) {
    // The scroll range follows the new rows only after a layout.
    reja->doItemsLayout();
    reja->scrollToItem(reja->item(listado.primeraFila, 0), QAbstractItemView::PositionAtTop);
  }
}

void TFIniPro::BotLugClick() {
  TimerAyuda->stop();
  EstadoPrograma& e = servicios_.estado;
  e.ModoLugares = true;
  e.ModoTitulos = false;
  e.FaseLocalidades = false;
  Mostrar(mapa, PanelSelTit, reja, BotRetrocederFP, PanelCarSel);
  PanelSelTit->setText(T(kTextoFormacion));
  LlenarReja({});
  PanelCarSel->clear();
  Ocultar(ListSelFp, PanelSelTit0, PanelAyuda, ListTitFP, ListFPExpli, BotLug, BotRequisitos,
          BotAsig, BotTra, Listsel);
}

void TFIniPro::BotImprimirClick() {
  EstadoPrograma& e = servicios_.estado;
  bool fijo = true;
  if (e.ModoLugares) {
    // Only a locality's listing prints; before one is chosen nothing happens.
    if (!e.FaseLocalidades || FilasReja.empty()) return;
    ultimoInforme_ = InformeLugar(servicios_.catalogo, AWin(NombreLugar), FilasReja);
  } else {
    if (!ComunidadElegida) {
      servicios_.dialogos.Aviso(T(kTextoPulsaMapa));
      return;
    }
    const QString comunidad =
        DeWin(RecortarDerecha(Columnas(servicios_.tablas.comunidades[ComunidadSel], 3, 30)));
    ultimoInforme_ = InformePrograma(Tablas(), servicios_.catalogo, ProgramaSel,
                                     AWin(comunidad.toUpper()), FilasReja);
    // The preview: the report in the detail list, headings bold.
    Listsel->clear();
    Listsel->setFont(LetraQt("Courier New", 9));
    Listsel->addItems(Filas(ultimoInforme_.lineas));
    for (const int n : ultimoInforme_.negritas) {
      QFont negrita = Listsel->font();
      negrita.setBold(true);
      if (QListWidgetItem* item = Listsel->item(n - 1)) item->setFont(negrita);
    }
    Listsel->show();
    reja->hide();
  }
  BuffersCompartidos& b = Compartidos();
  const int n = PasarAlBuffer(ultimoInforme_, b.LineasImpresion, b.Secciones);
  ImprimirVertical(*impresora_, DatosCabeceraDe(servicios_.catalogo, e.NombreCentro),
                   b.LineasImpresion, n, fijo, 10, b.Secciones);
}

void TFIniPro::BotRetrocederFPClick() {
  EstadoPrograma& e = servicios_.estado;
  if (e.ModoLugares) {
    if (e.FaseLocalidades && ProvinciasSel.nombres.size() > 1) {
      e.FaseLocalidades = false;
      LlenarReja({});
      ListSelLugFP->clear();
      ListSelLugFP->addItems(Filas(ProvinciasSel.vistas));
      ListSelLugFPClick();
      return;
    }
    e.FaseLocalidades = false;
    LlenarReja({});
    Ocultar(reja, PanelSelTit, PanelCarSel, BotImprimir, ListSelFp, PanelSelTit0, ListFPExpli,
            ListSelLugFP, Listsel);
    if (!mapa->isHidden()) {
      Ocultar(mapa, PanelMapa, BotRetrocederFP);
      Salir();
    } else {
      Mostrar(mapa);
    }
    return;
  }
  TimerParpadeo->stop();
  LlenarReja({});
  Ocultar(PanelSelTit, PanelCarSel, reja, BotImprimir, BotAsig, BotTra, Listsel, BotLug,
          BotRequisitos, ListFPExpli, mapa, PanelMapa, ListTitFP, ListSelLugFP);
  if (ListSelFp->isHidden()) {
    Mostrar(ListSelFp, PanelSelTit0);
    ListSelFp->seguirRaton = true;
    return;
  }
  Ocultar(PanelAyuda, ListSelFp, PanelSelTit0, BotRetrocederFP);
  Salir();
}

void TFIniPro::Salir() {
  TimerAyuda->stop();
  TimerAyu->stop();
  TimerParpadeo->stop();
  servicios_.navegacion.Salir(*this);
}

void TFIniPro::Preparar(Servicios& servicios) {
  CargarTablasIniciales(servicios.estado.entorno, servicios.tablas);
}

void TFIniPro::Entrar(entrada::ProgramasIniciales accion) {
  AbrirProgramas();
  if (accion != entrada::ProgramasIniciales::kElegido) return;
  if (const auto destino = servicios_.navegacion.TomarDestino()) MostrarPrograma(destino->linea);
}

void TFIniPro::MostrarPrograma(int p) {
  for (int a = 1; a <= kAreasPrograma; ++a) {
    if (AreaBuscaCentros(Tablas(), a)) continue;
    const std::vector<int> programas = ProgramasDeArea(Tablas(), a).lineas;
    const auto fila = std::find(programas.begin(), programas.end(), p);
    if (fila == programas.end()) continue;
    ListSelFpElegida(a - 1);
    ListTitFPElegida(static_cast<int>(fila - programas.begin()));
    BotRequisitosClick();
    return;
  }
}

bool TFIniPro::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == mapa && evento->type() == QEvent::MouseMove) {
    const QPoint p = static_cast<QMouseEvent*>(evento)->position().toPoint();
    mapaMouseMove(p.x(), p.y());
  } else if (objeto == mapa && evento->type() == QEvent::MouseButtonRelease) {
    const QPoint p = static_cast<QMouseEvent*>(evento)->position().toPoint();
    mapaMouseMove(p.x(), p.y());
    mapaClick();
  } else if (objeto == Fondo && evento->type() == QEvent::MouseMove) {
    PanelMapa->hide();
  }
  return QWidget::eventFilter(objeto, evento);
}

}  // namespace sendaro
