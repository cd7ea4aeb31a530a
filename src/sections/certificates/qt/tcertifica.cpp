#include "sections/certificates/qt/tcertifica.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/informes.h"
#include "data/qt/impresora_qt.h"
#include "data/texto.h"
#include "ui/accesible.h"
#include "ui/dialogos.h"
#include "ui/lista_iconos.h"
#include "ui/mosaico.h"
#include "ui/piezas.h"
#include "ui/servicios.h"
#include "ui/sonido.h"
#include "ui/texto_qt.h"

namespace sendaro {

using piezas::Boton;
using piezas::Colores;
using piezas::Etiqueta;
using piezas::Filas;
using piezas::LetraQt;

namespace {

// Icons of the hall's icon list beside families 1..9.
const std::vector<int> kIconosFamilias = {1, 2, 9, 8, 19, 5, 0, 12, 18};

constexpr int kTextoCaption = 338;
constexpr int kTextoFamilias = 577;
constexpr int kTextoAreas = 578;
constexpr int kTextoCertificados = 579;
constexpr int kTextoRequisitos = 581;
constexpr int kTextoHoras = 582;
constexpr int kTextoVolver = 82;
constexpr int kTextoImprimir = 36;
constexpr int kTextoInternet = 673;
constexpr int kPrimerTextoAyuda = 562;

constexpr int kAltoFamilia = 30;
constexpr int kAltoFila = 22;
constexpr int kAltoTitulo = 36;
constexpr int kIzquierda = 50;
constexpr int kArriba = 100;
constexpr int kAnchoIzquierda = 450;
constexpr int kDerecha = 520;
constexpr int kAnchoDerecha = 470;
constexpr int kFondoListas = 700;  // no list reaches below this line
constexpr int kPasoTitulo = 4;

QFrame* Panel(QWidget* padre, const char* nombre, const QRect& donde) {
  auto* p = new QFrame(padre);
  p->setObjectName(QString::fromLatin1(nombre));
  p->setGeometry(donde);
  p->setFrameShape(QFrame::Panel);
  p->setFrameShadow(QFrame::Raised);
  p->setAutoFillBackground(true);
  return p;
}

}  // namespace

const QUrl TCertifica::kDireccionEmpleo(QStringLiteral("https://www.sepe.es/"));

TCertifica::TCertifica(Servicios& servicios, QWidget* padre)
    : QWidget(padre), servicios_(servicios) {
  setObjectName(QStringLiteral("TCertifica"));
  resize(1024, 768);
  setWindowTitle(T(kTextoCaption) + QStringLiteral("  ") + servicios.Nombre());

  const Tema& tema = servicios.TemaActual();
  const QColor menu = ColorQ(ColorMenu);
  const QColor titulo = ColorQ(tema.ColorTitulo);
  const QColor textoTitulo = ColorQ(tema.ColorTextoTitulo);
  const int delta = servicios.estado.TamanoLetraDelta;

  Fondo = NuevoMosaico(this, "Fondo", {0, 0, 1024, 768}, servicios.recursos.Suelo);
  TilIzq = NuevoMosaico(this, "TilIzq", {0, 0, 23, 768}, servicios.recursos.MarcoIzquierdo);
  TilDer = NuevoMosaico(this, "TilDer", {1024 - 23, 0, 23, 768}, servicios.recursos.MarcoDerecho);

  auto titular = [&](const char* nombre, const char* etiqueta, int texto, const QRect& donde,
                     QLabel*& l) {
    QFrame* p = Panel(this, nombre, donde);
    Colores(p, titulo, textoTitulo);
    p->setLineWidth(1);
    l = Etiqueta(p, etiqueta, {donde.width(), 4, 420, kAltoTitulo - 8});
    l->setText(T(texto));
    l->setFont(LetraQt("Times New Roman", 14 + delta, true));
    Colores(l, titulo, textoTitulo);
    l->setAutoFillBackground(false);
    return p;
  };
  auto lista = [&](const char* nombre, int alto, int margen) {
    auto* l = new ListaIconos(this, alto, margen);
    l->setObjectName(QString::fromLatin1(nombre));
    Colores(l, menu, Qt::black);
    l->setFont(LetraQt("Arial", 11 + delta));
    return l;
  };

  PanelSelTit0 =
      titular("PanelSelTit0", "LabelTit1", kTextoFamilias,
              {kIzquierda, kArriba - kAltoTitulo, kAnchoIzquierda, kAltoTitulo}, LabelTit1);
  ListSelFp = lista("ListSelFp", kAltoFamilia, 35);
  ListSelFp->setFont(LetraQt("Arial", 11 + delta, true));
  ListSelFp->setGeometry(kIzquierda, kArriba, kAnchoIzquierda,
                         kFamiliasCertificado * kAltoFamilia + 4);
  PanelSelTit1 =
      titular("PanelSelTit1", "LabelTit2", kTextoAreas,
              {kIzquierda, kArriba - kAltoTitulo, kAnchoIzquierda, kAltoTitulo}, LabelTit2);
  ListTitFP = lista("ListTitFP", kAltoFila, 6);
  ListTitFP->setGeometry(kIzquierda, kArriba, kAnchoIzquierda, kAltoFila + 4);
  PanelSelTit2 = titular("PanelSelTit2", "LabelTit3", kTextoCertificados,
                         {kDerecha, kArriba - kAltoTitulo, kAnchoDerecha, kAltoTitulo}, LabelTit3);
  ListFPExpli = lista("ListFPExpli", kAltoFila, 6);
  ListFPExpli->setGeometry(kDerecha, kArriba, kAnchoDerecha, kAltoFila + 4);

  PanelAyuda = Panel(this, "PanelAyuda", {kIzquierda, 470, kAnchoIzquierda, 196});
  Colores(PanelAyuda, menu, Qt::black);
  chica = Etiqueta(PanelAyuda, "chica", {8, 8, 90, 180});
  chica->setAlignment(Qt::AlignCenter);
  for (int k = 0; k < 7; ++k) {
    const QByteArray nombre = "LabelAyu" + QByteArray::number(k + 1);
    QLabel* l = Etiqueta(PanelAyuda, nombre.constData(), {104, 10 + k * 25, 340, 24});
    l->setFont(LetraQt("Times New Roman", 12 + delta));
    LabelAyu[static_cast<std::size_t>(k)] = l;
  }

  PanelResul = Panel(this, "PanelResul", {kIzquierda, 420, kAnchoIzquierda, 270});
  Colores(PanelResul, menu, Qt::black);
  LabelTitulo = Etiqueta(PanelResul, "LabelTitulo", {10, 6, kAnchoIzquierda - 20, 44});
  LabelTitulo->setFont(LetraQt("Arial", 12 + delta, true));
  LabelTitulo->setWordWrap(true);
  LabelReq = Etiqueta(PanelResul, "LabelReq", {10, 52, 250, 20});
  LabelReq->setText(T(kTextoRequisitos));
  LabelRequisitos = Etiqueta(PanelResul, "LabelRequisitos", {20, 72, 260, 66});
  LabelRequisitos->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  LabelHor = Etiqueta(PanelResul, "LabelHor", {290, 52, 150, 20});
  LabelHor->setText(T(kTextoHoras));
  LabelHoras = Etiqueta(PanelResul, "LabelHoras", {300, 72, 100, 24});
  LabelHoras->setFont(LetraQt("Arial", 14 + delta, true));
  LabelDes = Etiqueta(PanelResul, "LabelDes", {10, 142, kAnchoIzquierda - 20, 120});
  LabelDes->setWordWrap(true);
  LabelDes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  for (QLabel* l : {LabelReq, LabelHor}) l->setFont(LetraQt("Arial", 10 + delta, true));
  for (QLabel* l : {LabelRequisitos, LabelDes}) l->setFont(LetraQt("Arial", 11 + delta));

  BotInternet = Boton(this, "BotInternet", T(kTextoInternet), {520, 712, 200, 36});
  BotImprimir = Boton(this, "BotImprimir", T(kTextoImprimir), {730, 712, 120, 36});
  BotRetrocederFP = Boton(this, "BotRetrocederFP", T(kTextoVolver), {860, 712, 130, 36});

  TimerAyuda = piezas::Temporizador(this, "TimerAyuda", 300);
  TimerAyu = piezas::Temporizador(this, "TimerAyu", 50);

  QStringList familias = Filas(FamiliasCertificado(Tablas()));
  ListSelFp->Rellenar(familias, servicios.recursos.Iconos(), kIconosFamilias);

  for (QWidget* w :
       std::initializer_list<QWidget*>{PanelSelTit1, ListTitFP, PanelSelTit2, ListFPExpli,
                                       PanelResul, BotImprimir, BotInternet, PanelAyuda}) {
    w->hide();
  }

  connect(ListSelFp, &ListaIconos::Elegida, this, &TCertifica::ListSelFpElegida);
  connect(ListTitFP, &ListaIconos::Sobre, this, &TCertifica::ListTitFPSobre);
  connect(ListTitFP, &ListaIconos::Elegida, this, &TCertifica::ListTitFPElegida);
  connect(ListFPExpli, &ListaIconos::Elegida, this, &TCertifica::ListFPExpliElegida);
  connect(BotImprimir, &QPushButton::clicked, this, &TCertifica::BotImprimirClick);
  connect(BotInternet, &QPushButton::clicked, this, &TCertifica::BotInternetClick);
  connect(BotRetrocederFP, &QPushButton::clicked, this, &TCertifica::BotRetrocederFPClick);
  connect(TimerAyuda, &QTimer::timeout, this, &TCertifica::TimerAyudaTimer);
  connect(TimerAyu, &QTimer::timeout, this, &TCertifica::TimerAyuTimer);

  AbrirDireccion = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  impresora_ = std::make_unique<ImpresoraQt>(this);
  NombrarAccesibles(this);
}

TCertifica::~TCertifica() = default;

void TCertifica::FijarImpresora(std::unique_ptr<Impresora> impresora) {
  impresora_ = std::move(impresora);
}

QString TCertifica::T(int n) const { return DeWin(RecortarDerecha(servicios_.catalogo.Texto(n))); }

TablasCertificados TCertifica::Tablas() const {
  return {servicios_.tablas.certificados, servicios_.tablas.textosCertificados};
}

void TCertifica::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  PanelSelTit0->show();
  LabelTit1->move(PanelSelTit0->width(), LabelTit1->y());
  LabelTit2->move(PanelSelTit1->width(), LabelTit2->y());
  LabelTit3->move(PanelSelTit2->width() + 250, LabelTit3->y());
  for (QLabel* l : LabelAyu) l->clear();
  pasoAyuda_ = 0;
  servicios_.estado.PasoAyuda = 0;
  TimerAyu->stop();
  TimerAyuda->start();
}

void TCertifica::TimerAyudaTimer() {
  const int s = pasoAyuda_++;
  PanelAyuda->show();
  if (s <= 6) LabelAyu[static_cast<std::size_t>(s)]->setText(T(kPrimerTextoAyuda + s));
  if (s <= 7) {
    servicios_.sonido.SonidoTecla(true);
    chica->setPixmap(servicios_.recursos.FiguraGuia().value(s));
  }
  if (pasoAyuda_ > 14) {
    TimerAyuda->stop();
    TimerAyu->start();
    pasoAyuda_ = 0;
  }
}

void TCertifica::TimerAyuTimer() {
  auto deslizar = [](QLabel* l, const QWidget* panel, int hasta) {
    if (!panel->isHidden() && l->x() > hasta) l->move(l->x() - kPasoTitulo, l->y());
  };
  deslizar(LabelTit1, PanelSelTit0, 30);
  deslizar(LabelTit2, PanelSelTit1, 50);
  deslizar(LabelTit3, PanelSelTit2, 80);
  if (LabelTit3->x() <= 80) TimerAyu->stop();
}

void TCertifica::ListSelFpElegida(int fila) {
  if (fila < 0 || fila >= kFamiliasCertificado) return;
  FamiliaSel = fila;
  ListSelFp->setCurrentRow(fila);
  ListTitFP->seguirRaton = true;
  const FilasConLineas areas = AreasDeFamilia(Tablas(), fila + 1);
  FilasAreas = areas.lineas;
  ListTitFP->Rellenar(Filas(areas.filas), {}, {});
  const int alto =
      std::min(static_cast<int>(areas.filas.size()) * kAltoFila + 4, kFondoListas - kArriba);
  ListTitFP->resize(ListTitFP->width(), alto);
  ListSelFp->hide();
  PanelSelTit0->hide();
  PanelSelTit1->show();
  ListTitFP->show();
  ListFPExpli->clear();
  FilasCertificados.clear();
  AreaSel = 0;
}

void TCertifica::MostrarCertificados(int filaArea) {
  if (filaArea < 0 || filaArea >= static_cast<int>(FilasAreas.size())) return;
  AreaSel = FilasAreas[static_cast<std::size_t>(filaArea)];
  const FilasConLineas certificados = CertificadosDeArea(Tablas(), AreaSel);
  FilasCertificados = certificados.lineas;
  ListFPExpli->Rellenar(Filas(certificados.filas), {}, {});
  // At the hovered row's height, kept inside the page (longer lists scroll).
  const int alto =
      std::min(static_cast<int>(certificados.filas.size()) * kAltoFila + 4, kFondoListas - kArriba);
  const int arriba =
      std::clamp(ListTitFP->y() + filaArea * kAltoFila, kArriba, kFondoListas - alto);
  ListFPExpli->setGeometry(ListFPExpli->x(), arriba, ListFPExpli->width(), alto);
  PanelSelTit2->move(PanelSelTit2->x(), arriba - PanelSelTit2->height() + 1);
  ListFPExpli->show();
  PanelSelTit2->show();
  ListTitFP->setCurrentRow(filaArea);
}

void TCertifica::ListTitFPSobre(int fila) {
  if (ListTitFP->seguirRaton) MostrarCertificados(fila);
}

void TCertifica::ListTitFPElegida(int fila) {
  // The release shows the row it happened on; it then freezes the list or
  // lets it follow the pointer again.
  if (ListTitFP->seguirRaton) MostrarCertificados(fila);
  ListTitFP->seguirRaton = !ListTitFP->seguirRaton;
  BotImprimir->show();
  BotInternet->show();
  ListTitFP->setCurrentRow(fila);
}

void TCertifica::ListFPExpliElegida(int fila) {
  if (fila < 0 || fila >= static_cast<int>(FilasCertificados.size())) return;
  ListTitFP->seguirRaton = true;
  ListFPExpli->setCurrentRow(fila);
  const DetalleCertificado d = Detalle(Tablas(), FilasCertificados[static_cast<std::size_t>(fila)]);
  QStringList requisitos;
  for (const std::string& r : d.requisitos) requisitos << DeWin(r);
  LabelTitulo->setText(DeWin(d.ocupacion));
  LabelRequisitos->setText(requisitos.join(u'\n'));
  LabelHoras->setText(DeWin(d.horas));
  LabelDes->setText(DeWin(d.descripcion));
  BotImprimir->show();
  BotInternet->show();
  PanelResul->show();
  PanelResul->raise();
}

void TCertifica::BotImprimirClick() {
  // Only the certificates listed: nothing while no area is shown.
  if (ListFPExpli->isHidden()) return;
  ultimoInforme_ =
      InformeAreaCertificados(Tablas(), servicios_.catalogo, AreaSel, FilasCertificados);
  if (ultimoInforme_.lineas.empty()) return;
  BuffersCompartidos& b = Compartidos();
  const int n = PasarAlBuffer(ultimoInforme_, b.LineasImpresion, b.Secciones);
  ImprimirVertical(*impresora_,
                   DatosCabeceraDe(servicios_.catalogo, servicios_.estado.NombreCentro),
                   b.LineasImpresion, n, false, 12, b.Secciones);
}

void TCertifica::BotInternetClick() {
  const QString esquema = kDireccionEmpleo.scheme();
  const bool valida = esquema == QStringLiteral("http") || esquema == QStringLiteral("https");
  if (!valida || !AbrirDireccion || !AbrirDireccion(kDireccionEmpleo)) {
    servicios_.dialogos.Aviso(kDireccionEmpleo.toString());
  }
}

void TCertifica::BotRetrocederFPClick() {
  for (QWidget* w : std::initializer_list<QWidget*>{PanelSelTit1, PanelSelTit2, ListTitFP,
                                                    ListFPExpli, BotImprimir, BotInternet}) {
    w->hide();
  }
  if (ListSelFp->isHidden()) {
    ListSelFp->show();
    PanelSelTit0->show();
    return;
  }
  PanelResul->hide();
  Salir();
}

void TCertifica::Salir() {
  TimerAyuda->stop();
  TimerAyu->stop();
  servicios_.navegacion.Salir(*this);
}

void TCertifica::Preparar(Servicios& servicios) {
  CargarTablasCertificados(servicios.estado.entorno, servicios.tablas);
}

void TCertifica::Entrar(entrada::Certificados accion) {
  if (accion != entrada::Certificados::kElegido) return;
  if (const auto destino = servicios_.navegacion.TomarDestino()) MostrarCertificado(destino->linea);
}

void TCertifica::MostrarCertificado(int c) {
  const TablasCertificados t = Tablas();
  for (int f = 1; f <= kFamiliasCertificado; ++f) {
    const FilasConLineas areas = AreasDeFamilia(t, f);
    for (std::size_t a = 0; a < areas.lineas.size(); ++a) {
      const std::vector<int> certificados = CertificadosDeArea(t, areas.lineas[a]).lineas;
      const auto fila = std::find(certificados.begin(), certificados.end(), c);
      if (fila == certificados.end()) continue;
      ListSelFpElegida(f - 1);
      ListTitFPElegida(static_cast<int>(a));
      ListFPExpliElegida(static_cast<int>(fila - certificados.begin()));
      return;
    }
  }
}

}  // namespace sendaro
