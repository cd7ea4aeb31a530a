#include "hall/qt/escena_qt.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <future>
#include <utility>

#include "hall/qt/sprites/paquete.h"
#include "ui/imagenes.h"
#include "ui/piezas.h"
#include "ui/traza.h"

namespace sendaro {

namespace {

QString Ruta(const std::filesystem::path& carpeta, std::string_view nombre) {
  return QDir(QFile::decodeName(carpeta.c_str()))
      .filePath(QString::fromLatin1(nombre.data(), static_cast<qsizetype>(nombre.size())));
}

}  // namespace

DXDraw::DXDraw(QWidget* padre) : QWidget(padre) {
  setObjectName(QStringLiteral("DXDraw"));
  setGeometry(0, 0, Superficie::kAncho, Superficie::kAlto);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  DXTimer = piezas::Temporizador(this, "DXTimer", 33);
  DXTimer->setTimerType(Qt::PreciseTimer);
  connect(DXTimer, &QTimer::timeout, this, &DXDraw::DXTimerTimer);
  DXSueno = piezas::Temporizador(this, "DXSueno", 33);
  DXSueno->setTimerType(Qt::PreciseTimer);
  DXSueno->setSingleShot(true);
  connect(DXSueno, &QTimer::timeout, this, &DXDraw::FinSueno);
}

DXDraw::~DXDraw() = default;

ListasEscena CargarListas(const std::filesystem::path& carpeta, const Tema& tema) {
  // The clock is measured while the pictures load.
  std::future<int> mhz = std::async(std::launch::async, [] { return escena::MedirMHz(); });
  ListasEscena l;
  for (const std::string_view lista :
       {std::string_view("segdxg1.DXG"), tema.Escena, tema.Decoraciones}) {
    if (lista.empty()) continue;
    if (!l.imagenes.Cargar(Ruta(carpeta, lista), l.error)) return l;
    Traza("hilo: lista de imagenes");
  }
  if (auto todo = LeerImagen(carpeta, tema.Todo)) {
    l.todo = std::move(*todo);
  } else {
    l.error = QStringLiteral("falta la imagen del vest\u00edbulo");
    return l;
  }
  if (!tema.Sonidos.empty()) {
    QFile f(Ruta(carpeta, tema.Sonidos));
    if (f.open(QIODevice::ReadOnly)) {
      if (const auto items = paquete::LeerSonidos(f.readAll())) {
        for (const auto& it : *items) l.sonidos.insert(QString::fromStdString(it.nombre), it.wav);
      }
    }
  }
  Traza("hilo: todo y sonidos");
  l.tramo = escena::TramoVelocidad(mhz.get());
  Traza("hilo: MHz");
  return l;
}

std::unique_ptr<DXDraw> DXDraw::Crear(ListasEscena listas, escena::DatosEscena datos,
                                      QString& error, QWidget* padre) {
  if (!listas.error.isEmpty()) {
    error = listas.error;
    return nullptr;
  }
  std::unique_ptr<DXDraw> d(new DXDraw(padre));
  d->imagenes_ = std::move(listas.imagenes);
  d->todo_ = listas.todo;
  d->cortina_ = std::make_unique<SuperficieCortina>(listas.todo);
  d->sonidos_.Fijar(std::move(listas.sonidos));
  // Without its sound list the scene runs silent.
  datos.conMusica = d->sonidos_.Tiene(QStringLiteral("inicio"));
  datos.tramo = listas.tramo;
  Traza("DXDraw: cortina");
  std::string motivo;
  d->escena_ = escena::Escena::Construir(d->imagenes_.Banco(), std::move(datos), *d, motivo);
  if (!d->escena_) {
    error = QString::fromStdString(motivo);
    return nullptr;
  }
  return d;
}

std::unique_ptr<DXDraw> DXDraw::Crear(const std::filesystem::path& carpeta, const Tema& tema,
                                      escena::DatosEscena datos, QString& error, QWidget* padre) {
  datos.letraTema = tema.letra;
  ListasEscena listas = CargarListas(carpeta, tema);
  const escena::Tramo pedido = datos.tramo;
  listas.tramo = pedido;
  return Crear(std::move(listas), std::move(datos), error, padre);
}

void DXDraw::DXDrawInitialize() {
  // A minimised window shows nothing: the frames wait until it is back.
  if (QWidget* w = window(); w != ventanaVigilada_) {
    if (ventanaVigilada_ != nullptr) ventanaVigilada_->removeEventFilter(this);
    ventanaVigilada_ = w;
    w->installEventFilter(this);
  }
  escena_->Iniciar();
  // The first paint shows the scene, not an empty page.
  if (!dibujada_ && isVisible()) DXTimerTimer();
  Sincronizar();
}

void DXDraw::DXDrawFinalize() {
  escena_->Finalizar();
  Sincronizar();
}

void DXDraw::Parar() {
  DXTimer->stop();
  DXSueno->stop();
}

void DXDraw::Sincronizar() {
  const bool marcha = escena_->Corriendo() && isVisible() &&
                      (ventanaVigilada_ == nullptr || !ventanaVigilada_->isMinimized());
  setCursor(escena_->Mano() ? Qt::PointingHandCursor : Qt::ArrowCursor);
  if (!marcha) {
    Parar();
    return;
  }
  const int ticks = escena_->TicksHastaCambio();
  if (ticks <= 1) {
    if (DXSueno->isActive()) Despertar();
    if (!DXTimer->isActive()) DXTimer->start();
    return;
  }
  if (DXSueno->isActive()) return;
  // Nothing changes for ticks - 1 ticks: one wake-up instead of them all.
  DXTimer->stop();
  ticksSueno_ = ticks;
  dormido_.start();
  DXSueno->start(ticks * DXTimer->interval());
}

void DXDraw::Despertar() {
  // The ticks slept count for the blink; the frames go on from the next
  // tick, one fixed step each, with none run to catch up.
  const auto tick = std::max(1, DXTimer->interval());
  const int pasados = static_cast<int>(dormido_.elapsed() / tick);
  DXSueno->stop();
  escena_->Dormir(std::min(pasados, ticksSueno_ - 1));
}

void DXDraw::FinSueno() {
  escena_->Dormir(ticksSueno_ - 1);
  DXTimerTimer();
}

void DXDraw::DXTimerTimer() {
  escena_->Frame(this);
  if (escena_) Sincronizar();
}

void DXDraw::DXDrawClick() {
  escena_->Click();
  Sincronizar();
}

void DXDraw::DXDrawDblClick() {
  escena_->DobleClick();
  Sincronizar();
}

void DXDraw::Zonas(const std::vector<escena::Caja>& zonas) {
  for (const escena::Caja& c : zonas) zonas_ += QRect(c.x, c.y, c.ancho, c.alto);
}

void DXDraw::Sprites(escena::Mundo& mundo) {
  superficie_.Recortar(zonas_);
  superficie_.DibujarMundo(mundo, imagenes_);
}

void DXDraw::Texto(const escena::TextoEscena& texto) { superficie_.Texto(texto); }

void DXDraw::Voltear() {
  dibujada_ = true;
  // The page is the back buffer itself: it is only shown between frames.
  if (zonas_.isEmpty()) {
    update();
  } else {
    update(zonas_);
  }
  zonas_ = QRegion();
  superficie_.Recortar(zonas_);
}

void DXDraw::paintEvent(QPaintEvent* evento) {
  QPainter p(this);
  for (const QRect& r : evento->region()) p.drawImage(r.topLeft(), superficie_.Imagen(), r);
  if (!mostrada_) {
    mostrada_ = true;
    // A sound asked for by the first frame starts once that frame is on
    // screen: starting the audio output must not hold the first paint.
    if (!sonidoPendiente_.isEmpty()) {
      QTimer::singleShot(0, this, [this, n = std::exchange(sonidoPendiente_, QString())] {
        sonidos_.Reproducir(n);
      });
    }
  }
}

void DXDraw::mouseMoveEvent(QMouseEvent* evento) {
  const QPoint q = evento->position().toPoint();
  escena_->FijarPuntero(q.x(), q.y());
  Sincronizar();
}

void DXDraw::mousePressEvent(QMouseEvent* evento) {
  const QPoint q = evento->position().toPoint();
  escena_->FijarPuntero(q.x(), q.y());
  dobleClic_ = false;
  Sincronizar();
}

void DXDraw::mouseReleaseEvent(QMouseEvent* evento) {
  if (evento->button() != Qt::LeftButton) return;
  // The release that ends a double click is not another click.
  if (dobleClic_) {
    dobleClic_ = false;
    return;
  }
  DXDrawClick();
}

void DXDraw::mouseDoubleClickEvent(QMouseEvent* evento) {
  if (evento->button() != Qt::LeftButton) return;
  dobleClic_ = true;
  DXDrawDblClick();
}

void DXDraw::wheelEvent(QWheelEvent* evento) {
  evento->accept();
  DXDrawClick();
}

void DXDraw::hideEvent(QHideEvent* evento) {
  QWidget::hideEvent(evento);
  Parar();
}

bool DXDraw::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == ventanaVigilada_ && evento->type() == QEvent::WindowStateChange && escena_) {
    // Back from minimised, the whole page is shown again.
    if (!ventanaVigilada_->isMinimized() && escena_->Corriendo()) escena_->Iniciar();
    Sincronizar();
  }
  return QWidget::eventFilter(objeto, evento);
}

void DXDraw::AbrirPuerta(int codigo) {
  if (ganchos_.puerta) ganchos_.puerta(codigo);
}

void DXDraw::DejarEstudiar() {
  if (ganchos_.dejar) ganchos_.dejar();
}

bool DXDraw::Salir() {
  Parar();
  return ganchos_.salir ? ganchos_.salir() : false;
}

void DXDraw::Ayuda(bool cortina) {
  Parar();
  if (cortina) Cortina();
  hide();
  setCursor(Qt::ArrowCursor);
  if (ganchos_.ayuda) ganchos_.ayuda();
}

void DXDraw::Sonar(std::string_view nombre) {
  const QString n = QString::fromLatin1(nombre.data(), static_cast<qsizetype>(nombre.size()));
  if (mostrada_) {
    sonidos_.Reproducir(n);
  } else {
    sonidoPendiente_ = n;
  }
}

void DXDraw::Cortina() {
  // The full hall picture rises from the lower left corner over the scene.
  int c = 1, d = 1;
  while (c < Superficie::kAncho) {
    cortina_->Copiar(superficie_.Imagen(), QRect(0, Superficie::kAlto - d, c, d));
    repaint();
    QThread::msleep(10);
    c += 65;
    d += 50;
  }
  cortina_->Copiar(superficie_.Imagen(), QRect(0, 0, Superficie::kAncho, Superficie::kAlto));
  repaint();
}

}  // namespace sendaro
