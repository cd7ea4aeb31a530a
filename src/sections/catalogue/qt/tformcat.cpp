#include "sections/catalogue/qt/tformcat.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/informes.h"
#include "data/qt/impresora_qt.h"
#include "data/texto.h"
#include "ui/accesible.h"
#include "ui/mosaico.h"
#include "ui/piezas.h"
#include "ui/servicios.h"
#include "ui/texto_qt.h"
#include "ui/tform4.h"

namespace sendaro {

using piezas::Boton;
using piezas::Colores;
using piezas::Etiqueta;
using piezas::LetraQt;

namespace {

constexpr int kTextoCaption = 338;
constexpr int kTextoFamilias = 575;
constexpr std::array<int, kListasCatalogo> kTextosListas = {299, 47, 113, 229, 580};
constexpr int kTextoElige = 578;
constexpr int kTextoDespues = 442;
constexpr int kTextoCerrar = 13;
constexpr int kTextoRetroceder = 674;
constexpr int kTextoImprimir = 36;

constexpr int kAnchoLista = 315;
constexpr std::array<int, 3> kColumnas = {30, 355, 680};
constexpr int kArribaFila1 = 56;
constexpr int kArribaFila2 = 384;
constexpr int kAltoRotulo = 26;
constexpr int kAltoLista1 = 250;
constexpr int kAltoLista2 = 290;
constexpr int kAnchoDetalle = 520;
constexpr int kAltoDetalle = 270;
constexpr int kInicioAyu0 = 300;
constexpr int kFinAyu0 = 100;

// The catalogue prints at once: to the PDF folder when one is set, else to
// the default printer without asking.
class DestinoDirecto : public DestinoImpresion {
 public:
  bool Preparar(QPrinter&, const QString&) override { return true; }
};

class ImpresoraDirecta : public Impresora {
 public:
  bool Imprimir(std::string_view titulo, const TrabajoImpresion& trabajo) override {
    const QString carpeta = qEnvironmentVariable("SENDARO_PDF_DIR");
    std::unique_ptr<DestinoImpresion> destino;
    if (carpeta.isEmpty()) {
      destino = std::make_unique<DestinoDirecto>();
    } else {
      destino = std::make_unique<DestinoCarpetaPdf>(carpeta.toStdU16String());
    }
    return ImpresoraQt(std::move(destino)).Imprimir(titulo, trabajo);
  }
};

}  // namespace

TFormCat::TFormCat(Servicios& servicios, QWidget* padre) : QWidget(padre), servicios_(servicios) {
  setObjectName(QStringLiteral("TFormCat"));
  resize(1024, 768);
  setWindowTitle(T(kTextoCaption) + QStringLiteral("  ") + servicios.Nombre());

  const Tema& tema = servicios.TemaActual();
  const QColor fondo = ColorQ(ColorFondo1);
  const QColor titulo = ColorQ(tema.ColorTitulo);
  const QColor textoTitulo = ColorQ(tema.ColorTextoTitulo);
  const int delta = servicios.estado.TamanoLetraDelta;

  degradeMapa2 = NuevoMosaico(this, "degradeMapa2", {0, 0, 1024, 768}, servicios.recursos.Suelo);
  degradeMapa2->installEventFilter(this);
  TilIzq = NuevoMosaico(this, "TilIzq", {0, 0, 23, 768}, servicios.recursos.MarcoIzquierdo);
  TilDer = NuevoMosaico(this, "TilDer", {1024 - 23, 0, 23, 768}, servicios.recursos.MarcoDerecho);

  auto rotulo = [&](const QString& nombre, const QString& texto, const QRect& donde) {
    QLabel* l = Etiqueta(this, nombre, donde);
    l->setText(texto);
    l->setFont(LetraQt("Times New Roman", 12 + delta, true));
    l->setIndent(6);
    l->setFrameShape(QFrame::Panel);
    Colores(l, titulo, textoTitulo);
    return l;
  };
  auto lista = [&](const QString& nombre, const QRect& donde, bool negrita) {
    auto* l = new QListWidget(this);
    l->setObjectName(nombre);
    l->setGeometry(donde);
    l->setFont(LetraQt("Arial", 9 + delta, negrita));
    l->setWordWrap(true);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setCursor(Qt::PointingHandCursor);
    Colores(l, fondo, Qt::black);
    return l;
  };

  for (int k = 0; k < kListasCatalogo; ++k) {
    // Lists 1-3 on the top row, 4 and 5 beside the families below.
    const bool arriba = k < 3;
    const int x = kColumnas[static_cast<std::size_t>(arriba ? k : k - 2)];
    const int y = arriba ? kArribaFila1 : kArribaFila2;
    const int alto = arriba ? kAltoLista1 : kAltoLista2;
    const QString n = QString::number(k + 1);
    Label[static_cast<std::size_t>(k)] =
        rotulo(QStringLiteral("Label") + n, T(kTextosListas[static_cast<std::size_t>(k)]),
               {x, y, kAnchoLista, kAltoRotulo});
    QListWidget* l =
        lista(QStringLiteral("ListCat") + n, {x, y + kAltoRotulo + 2, kAnchoLista, alto}, true);
    ListCat[static_cast<std::size_t>(k)] = l;
    connect(l, &QListWidget::itemClicked, this,
            [this, k, l](QListWidgetItem* item) { ListCatClick(k + 1, l->row(item)); });
    connect(l, &QListWidget::itemActivated, this,
            [this, k, l](QListWidgetItem* item) { ListCatClick(k + 1, l->row(item)); });
  }
  LabelFami = rotulo(QStringLiteral("LabelFami"), T(kTextoFamilias),
                     {kColumnas[0], kArribaFila2, kAnchoLista, kAltoRotulo});
  ListFam = lista(QStringLiteral("ListFam"),
                  {kColumnas[0], kArribaFila2 + kAltoRotulo + 2, kAnchoLista, kAltoLista2}, false);
  ListFam->setFont(LetraQt("Arial", 10 + delta, true));
  connect(ListFam, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ListFamClick(ListFam->row(item)); });
  connect(ListFam, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ListFamClick(ListFam->row(item)); });

  LabelAyu0 = Etiqueta(this, QStringLiteral("LabelAyu0"), {kInicioAyu0, 340, 700, 34});
  LabelAyu0->setText(T(kTextoElige) + QStringLiteral(" ") + T(kTextoDespues));
  LabelAyu0->setFont(LetraQt("Comic Sans MS", 15 + delta, true));
  QPalette verde = LabelAyu0->palette();
  verde.setColor(QPalette::WindowText, QColor(0, 110, 0));
  LabelAyu0->setPalette(verde);

  ListSel = new QTextEdit(this);
  ListSel->setObjectName(QStringLiteral("ListSel"));
  ListSel->setReadOnly(true);
  ListSel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ListSel->resize(kAnchoDetalle, kAltoDetalle);
  ListSel->setFont(LetraQt("Arial", 10 + delta));
  Colores(ListSel, ColorQ(ColorMenu), Qt::black);
  ListSel->hide();
  botcerrar = Boton(this, "botcerrar", T(kTextoCerrar), {0, 0, 90, 28});
  botcerrar->hide();

  BotImprimir = Boton(this, "BotImprimir", T(kTextoImprimir), {720, 712, 130, 36});
  BotImprimir->setEnabled(false);
  BotRetroceder = Boton(this, "BotRetroceder", T(kTextoRetroceder), {860, 712, 130, 36});

  TimerAyu = piezas::Temporizador(this, "TimerAyu", 50);

  for (const std::string& f : FamiliasCatalogo(Tablas())) ListFam->addItem(DeWin(f));

  connect(botcerrar, &QPushButton::clicked, this, &TFormCat::botcerrarClick);
  connect(BotImprimir, &QPushButton::clicked, this, &TFormCat::BotImprimirClick);
  connect(BotRetroceder, &QPushButton::clicked, this, &TFormCat::BotRetrocederClick);
  connect(TimerAyu, &QTimer::timeout, this, &TFormCat::TimerAyuTimer);

  impresora_ = std::make_unique<ImpresoraDirecta>();
  NombrarAccesibles(this);
}

TFormCat::~TFormCat() = default;

void TFormCat::FijarImpresora(std::unique_ptr<Impresora> impresora) {
  impresora_ = std::move(impresora);
}

QString TFormCat::T(int n) const { return DeWin(RecortarDerecha(servicios_.catalogo.Texto(n))); }

TablasCatalogo TFormCat::Tablas() const {
  const TablasDatos& t = servicios_.tablas;
  return {t.familias,
          t.indicesFamilias,
          t.carreras,
          t.datosCarreras,
          t.requisitos,
          t.salidas,
          t.titulosFP,
          t.requisitosFP,
          t.bloquesFP,
          t.titulosGM,
          t.bloquesGM,
          t.lineasInforma,
          {t.programas,
           t.modulosPrograma,
           t.lineasInforma,
           t.comunidades,
           {&t.centros[0], &t.centrosIniciales, &t.centros[2], &t.centros[3]}},
          {t.certificados, t.textosCertificados}};
}

void TFormCat::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  LabelAyu0->move(kInicioAyu0, LabelAyu0->y());
  TimerAyu->start();
}

void TFormCat::TimerAyuTimer() {
  LabelAyu0->move(LabelAyu0->x() - 4, LabelAyu0->y());
  if (LabelAyu0->x() <= kFinAyu0) TimerAyu->stop();
}

void TFormCat::ListFamClick(int fila) {
  const TablasCatalogo t = Tablas();
  if (fila < 0 || fila >= t.familias.Cuenta()) return;
  FamiliaSel = fila + 1;
  CodigoFamiliaSel = CodigoFamilia(t, FamiliaSel);
  botcerrarClick();
  Listas = ListasDeFamilia(t, servicios_.catalogo, CodigoFamiliaSel);
  for (int k = 0; k < kListasCatalogo; ++k) {
    QListWidget* l = ListCat[static_cast<std::size_t>(k)];
    l->clear();
    for (const std::string& f : Listas[static_cast<std::size_t>(k)].filas) l->addItem(DeWin(f));
  }
  BotImprimir->setEnabled(true);
}

void TFormCat::ListCatClick(int lista, int fila) {
  if (lista < 1 || lista > kListasCatalogo) return;
  const FilasConLineas& filas = Listas[static_cast<std::size_t>(lista - 1)];
  if (fila < 0 || fila >= static_cast<int>(filas.lineas.size())) return;
  const std::vector<RenglonDetalle> detalle =
      DetalleCatalogo(Tablas(), servicios_.catalogo, CodigoFamiliaSel, lista,
                      filas.lineas[static_cast<std::size_t>(fila)]);
  const int delta = servicios_.estado.TamanoLetraDelta;
  QString html;
  for (const RenglonDetalle& r : detalle) {
    const QString texto = DeWin(r.texto).toHtmlEscaped().replace(u' ', QChar(0xA0));
    if (r.encabezado) {
      html +=
          QStringLiteral("<div style=\"color:#008000; font-size:%1pt; font-weight:bold\">%2</div>")
              .arg(12 + delta)
              .arg(texto);
    } else {
      html += QStringLiteral("<div style=\"color:black; font-size:%1pt\">%2</div>")
                  .arg(10 + delta)
                  .arg(texto.isEmpty() ? QStringLiteral("&nbsp;") : texto);
    }
  }
  ListSel->setHtml(html);
  // Below the lists of the top row, just above those of the bottom row; kept
  // inside the page.
  const QWidget* l = ListCat[static_cast<std::size_t>(lista - 1)];
  const int y = lista <= 3 ? l->y() + l->height() : l->y() - 2 - ListSel->height();
  const int x = std::clamp(l->x(), 23, 1024 - 23 - ListSel->width());
  ListSel->move(x, std::clamp(y, 0, 768 - ListSel->height()));
  ListSel->show();
  ListSel->raise();
  botcerrar->move(ListSel->x() + ListSel->width() - botcerrar->width() - 20,
                  ListSel->y() + ListSel->height() - botcerrar->height());
  botcerrar->show();
  botcerrar->raise();
}

void TFormCat::botcerrarClick() {
  ListSel->hide();
  botcerrar->hide();
}

void TFormCat::BotImprimirClick() {
  // Nothing to print before a family is chosen.
  if (FamiliaSel == 0) return;
  TForm4* dialogo = servicios_.Dialogo();
  if (dialogo == nullptr) return;
  const std::optional<int> forma = dialogo->ElegirImpresion();
  if (!forma) return;
  const bool completo = *forma == 2;
  std::array<std::string, kListasCatalogo> encabezados;
  std::array<std::string, kListasCatalogo> rotulos;
  for (int k = 0; k < kListasCatalogo; ++k) {
    const QString r = Label[static_cast<std::size_t>(k)]->text();
    rotulos[static_cast<std::size_t>(k)] = AWin(r);
    encabezados[static_cast<std::size_t>(k)] = AWin(completo ? r.toUpper() : r);
  }
  // The lists are built again from the family, as its click builds them.
  const TablasCatalogo t = Tablas();
  ultimoInforme_ = InformeCatalogo(t, servicios_.catalogo, FamiliaSel,
                                   ListasDeFamilia(t, servicios_.catalogo, CodigoFamiliaSel),
                                   completo, encabezados, rotulos);
  BuffersCompartidos& b = Compartidos();
  const int n = PasarAlBuffer(ultimoInforme_, b.LineasImpresion, b.Secciones);
  const DatosCabecera cabecera =
      DatosCabeceraDe(servicios_.catalogo, servicios_.estado.NombreCentro);
  if (completo) {
    ImprimirTresColumnas(*impresora_, cabecera, b.LineasImpresion, n, true, b.Secciones);
  } else {
    ImprimirVertical(*impresora_, cabecera, b.LineasImpresion, n, false, 12, b.Secciones);
  }
}

void TFormCat::BotRetrocederClick() {
  TimerAyu->stop();
  servicios_.navegacion.Salir(*this);
}

void TFormCat::Preparar(Servicios& servicios) {
  CargarTablasCatalogo(servicios.estado.entorno, servicios.tablas);
}

void TFormCat::Entrar(entrada::Catalogo /*accion*/) {}

bool TFormCat::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == degradeMapa2 && evento->type() == QEvent::MouseButtonPress) botcerrarClick();
  return QWidget::eventFilter(objeto, evento);
}

}  // namespace sendaro
