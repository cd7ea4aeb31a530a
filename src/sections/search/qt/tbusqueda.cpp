#include "sections/search/qt/tbusqueda.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "data/busqueda.h"
#include "data/texto.h"
#include "ui/accesible.h"
#include "ui/mosaico.h"
#include "ui/piezas.h"
#include "ui/servicios.h"
#include "ui/texto_qt.h"

namespace sendaro {

using piezas::Boton;
using piezas::Colores;
using piezas::Etiqueta;
using piezas::LetraQt;

namespace {

constexpr int kTextoTitulo = 680;
constexpr int kTextoIndicacion = 681;
constexpr int kTextoBuscando = 682;
constexpr int kTextoNada = 683;
constexpr int kPrimerTextoClase = 684;  // one per ClaseBusqueda, in order
constexpr int kTextoMas = 695;
constexpr int kTextoResultados = 696;
constexpr int kTextoVolver = 82;

// Rows shown of each kind; the rest is told by a last row.
constexpr int kFilasPorClase = 40;
constexpr int kRolElemento = Qt::UserRole;
constexpr int kSinElemento = -1;

}  // namespace

TBusqueda::TBusqueda(Servicios& servicios, QWidget* padre) : QWidget(padre), servicios_(servicios) {
  setObjectName(QStringLiteral("TBusqueda"));
  resize(1024, 768);
  setWindowTitle(T(kTextoTitulo) + QStringLiteral("  ") + servicios.Nombre());
  const Tema& tema = servicios.TemaActual();
  const int delta = servicios.estado.TamanoLetraDelta;

  NuevoMosaico(this, "Fondo", {0, 0, 1024, 768}, servicios.recursos.Suelo);
  NuevoMosaico(this, "TilIzq", {0, 0, 23, 768}, servicios.recursos.MarcoIzquierdo);
  NuevoMosaico(this, "TilDer", {1024 - 23, 0, 23, 768}, servicios.recursos.MarcoDerecho);

  QFrame* cabecera = piezas::Panel(this, "PanelBuscar", {50, 30, 924, 96});
  cabecera->setAutoFillBackground(true);
  Colores(cabecera, ColorQ(tema.ColorTitulo), ColorQ(tema.ColorTextoTitulo));
  LabelBuscar = Etiqueta(cabecera, "LabelBuscar", {14, 8, 896, 26});
  LabelBuscar->setText(T(kTextoIndicacion));
  LabelBuscar->setFont(LetraQt("Times New Roman", 14 + delta, true));
  Colores(LabelBuscar, ColorQ(tema.ColorTitulo), ColorQ(tema.ColorTextoTitulo));
  LabelBuscar->setAutoFillBackground(false);
  EditBuscar = new QLineEdit(cabecera);
  EditBuscar->setObjectName(QStringLiteral("EditBuscar"));
  EditBuscar->setGeometry(14, 44, 896, 38);
  EditBuscar->setFont(LetraQt("Arial", 16 + delta));
  EditBuscar->setAccessibleName(LabelBuscar->text());
  LabelBuscar->setBuddy(EditBuscar);
  // The window gives the page the focus when it shows it: the field takes it.
  setFocusProxy(EditBuscar);

  LabelEstado = Etiqueta(this, "LabelEstado", {50, 136, 924, 24});
  LabelEstado->setFont(LetraQt("Arial", 12 + delta, true));
  ListResultados = new QListWidget(this);
  ListResultados->setObjectName(QStringLiteral("ListResultados"));
  ListResultados->setGeometry(50, 166, 924, 530);
  ListResultados->setFont(LetraQt("Arial", 12 + delta));
  Colores(ListResultados, ColorQ(ColorMenu), Qt::black);
  ListResultados->setAccessibleName(T(kTextoResultados));

  BotVolver = Boton(this, "BotVolver", T(kTextoVolver), {844, 712, 130, 36});
  TimerIndice = piezas::Temporizador(this, "TimerIndice", 50);

  connect(EditBuscar, &QLineEdit::textChanged, this, &TBusqueda::Actualizar);
  connect(ListResultados, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { Elegir(ListResultados->row(item)); });
  connect(BotVolver, &QPushButton::clicked, this, &TBusqueda::BotVolverClick);
  connect(TimerIndice, &QTimer::timeout, this, [this] {
    if (Indice() == nullptr) return;
    TimerIndice->stop();
    Actualizar();
  });
  EditBuscar->installEventFilter(this);
  ListResultados->installEventFilter(this);
  NombrarAccesibles(this);
  setTabOrder(EditBuscar, ListResultados);
  setTabOrder(ListResultados, BotVolver);
}

QString TBusqueda::T(int n) const { return DeWin(RecortarDerecha(servicios_.catalogo.Texto(n))); }

const IndiceBusqueda* TBusqueda::Indice() const {
  return servicios_.busqueda != nullptr ? servicios_.busqueda->Listo() : nullptr;
}

void TBusqueda::Entrar(entrada::Busqueda) {
  encima_ = servicios_.estado.DesdeContexto;
  EditBuscar->selectAll();
}

void TBusqueda::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  // Back from a result, which left over this page: this page is again over
  // the one it was opened on.
  if (encima_) servicios_.estado.DesdeContexto = true;
  EditBuscar->setFocus();
}

void TBusqueda::Actualizar() {
  ListResultados->clear();
  const QString texto = EditBuscar->text();
  if (texto.trimmed().isEmpty()) {
    LabelEstado->clear();
    return;
  }
  const IndiceBusqueda* indice = Indice();
  if (indice == nullptr) {
    LabelEstado->setText(T(kTextoBuscando));
    if (!TimerIndice->isActive()) TimerIndice->start();
    return;
  }
  const std::vector<int> encontrados = indice->Buscar(AWin(texto));
  LabelEstado->setText(encontrados.empty() ? T(kTextoNada) : QString());
  QFont negrita = ListResultados->font();
  negrita.setBold(true);
  std::size_t i = 0;
  while (i < encontrados.size()) {
    const ClaseBusqueda clase = indice->Elemento(encontrados[i]).clase;
    std::size_t fin = i;
    while (fin < encontrados.size() && indice->Elemento(encontrados[fin]).clase == clase) ++fin;
    auto* cabecera = new QListWidgetItem(
        QStringLiteral("%1 (%2)")
            .arg(T(kPrimerTextoClase + static_cast<int>(clase)))
            .arg(fin - i),
        ListResultados);
    cabecera->setFont(negrita);
    cabecera->setFlags(Qt::ItemIsEnabled);
    cabecera->setData(kRolElemento, kSinElemento);
    for (std::size_t k = i; k < fin && k < i + kFilasPorClase; ++k) {
      const ElementoBusqueda& e = indice->Elemento(encontrados[k]);
      QString fila = QStringLiteral("    ") + DeWin(e.texto);
      if (!e.lugar.empty()) fila += QStringLiteral(" (") + DeWin(e.lugar) + QStringLiteral(")");
      auto* item = new QListWidgetItem(fila, ListResultados);
      item->setData(kRolElemento, encontrados[k]);
    }
    if (fin - i > kFilasPorClase) {
      auto* mas = new QListWidgetItem(QStringLiteral("    ") + T(kTextoMas), ListResultados);
      mas->setFlags(Qt::ItemIsEnabled);
      mas->setData(kRolElemento, kSinElemento);
    }
    i = fin;
  }
}

int TBusqueda::FilaElegible(int fila, int paso) const {
  for (; fila >= 0 && fila < ListResultados->count(); fila += paso) {
    if (ListResultados->item(fila)->data(kRolElemento).toInt() != kSinElemento) return fila;
  }
  return -1;
}

void TBusqueda::Mover(int paso) {
  const int actual = ListResultados->currentRow();
  const int fila = FilaElegible(actual < 0 ? 0 : actual + paso, actual < 0 ? 1 : paso);
  if (fila >= 0) ListResultados->setCurrentRow(fila);
}

void TBusqueda::Elegir(int fila) {
  const IndiceBusqueda* indice = Indice();
  if (indice == nullptr || fila < 0 || fila >= ListResultados->count()) return;
  const int n = ListResultados->item(fila)->data(kRolElemento).toInt();
  if (n < 0 || n >= indice->Cuenta()) return;
  ListResultados->setCurrentRow(fila);
  const ElementoBusqueda& e = indice->Elemento(n);
  const Destino destino{e.clase, e.linea, e.grupo};
  Navegacion& nav = servicios_.navegacion;
  switch (e.clase) {
    case ClaseBusqueda::kCarrera:
    case ClaseBusqueda::kUniversidad:
    case ClaseBusqueda::kTituloSuperior:
      nav.AbrirEn(entrada::Carreras::kElegido, destino);
      break;
    case ClaseBusqueda::kCertificado:
      nav.AbrirEn(entrada::Certificados::kElegido, destino);
      break;
    case ClaseBusqueda::kPrograma:
      nav.AbrirEn(entrada::ProgramasIniciales::kElegido, destino);
      break;
    case ClaseBusqueda::kTituloMedio:
      nav.AbrirEncima(entrada::GradoMedio::kDesdeVestibulo);
      break;
    case ClaseBusqueda::kProfesion:
      nav.AbrirEncima(entrada::Profesiones::kCuestionario);
      break;
    case ClaseBusqueda::kCarreraNueva:
    case ClaseBusqueda::kArte:
      nav.AbrirEncima(entrada::Carreras::kInformacion);
      break;
    case ClaseBusqueda::kCentro:
    case ClaseBusqueda::kLocalidad:
      nav.AbrirEncima(entrada::Carreras::kFamiliasFP);
      break;
  }
}

void TBusqueda::BotVolverClick() {
  TimerIndice->stop();
  encima_ = false;
  servicios_.navegacion.Salir(*this);
}

bool TBusqueda::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() != QEvent::KeyPress) return QWidget::eventFilter(objeto, evento);
  const auto* tecla = static_cast<QKeyEvent*>(evento);
  switch (tecla->key()) {
    case Qt::Key_Down:
      Mover(1);
      return true;
    case Qt::Key_Up:
      Mover(-1);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      const int actual = ListResultados->currentRow();
      Elegir(actual >= 0 ? actual : FilaElegible(0, 1));
      return true;
    }
    case Qt::Key_Escape:
      BotVolverClick();
      return true;
    default:
      return QWidget::eventFilter(objeto, evento);
  }
}

}  // namespace sendaro
