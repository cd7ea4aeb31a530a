#include "ui/globo_ayuda.h"

#include <QApplication>
#include <QBitmap>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace sendaro {

namespace {

constexpr QColor kGrisOscuro(96, 96, 96);
constexpr QColor kGrisClaro(160, 160, 160);
// A balloon left on screen goes away by itself after this long.
constexpr int kVidaGlobo = 10000;

GestorGlobos* activo = nullptr;

}  // namespace

TMonHint::TMonHint(int* pausa)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint), pausa_(pausa) {
  setObjectName(QStringLiteral("TMonHint"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFont(QToolTip::font());
}

QRect TMonHint::RectBase(const QString& texto, const QFont& letra) {
  const QFontMetrics medidas(letra);
  const QRect bloque = medidas.boundingRect(QRect(0, 0, kAnchoMaximoTexto, 100000),
                                            Qt::AlignLeft | Qt::TextWordWrap, texto);
  return QRect(0, 0, bloque.width() + 6, bloque.height() + 2);
}

QRect TMonHint::CalcHintRect(const QString& texto, const QFont& letra) {
  return RectBase(texto, letra).adjusted(0, 0, 10, 30);
}

QRegion TMonHint::Forma(const QRect& cliente) {
  // Drawn into a bitmap without smoothing: the region is exactly the pixels
  // painted, like a platform region built from a rounded rectangle.
  QImage mascara(cliente.size(), QImage::Format_ARGB32);
  mascara.fill(Qt::transparent);
  {
    QPainter p(&mascara);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRect(0, 20, cliente.width(), cliente.height() - 20), 15, 15);
    const QPoint cola[] = {{18, 20}, {23, 0}, {33, 20}};
    p.drawPolygon(cola, 3);
  }
  return QRegion(QBitmap::fromImage(mascara.createAlphaMask())).translated(cliente.topLeft());
}

QRegion TMonHint::Marco(const QRegion& region, int ancho) {
  const QRegion dentro = region & region.translated(ancho, 0) & region.translated(-ancho, 0) &
                         region.translated(0, ancho) & region.translated(0, -ancho);
  return region - dentro;
}

QRect TMonHint::AreaTexto(const QRect& cliente) { return cliente.adjusted(5, 5 + 22, -5, -5); }

void TMonHint::ActivateHint(const QRect& rect, const QString& texto) {
  texto_ = texto;
  setAccessibleName(texto.simplified());
  setGeometry(rect);
  FormaPendiente = true;
  show();
  update();
}

void TMonHint::paintEvent(QPaintEvent*) {
  const QRegion forma = Forma(rect());
  if (FormaPendiente) {
    setMask(forma);
    FormaPendiente = false;
  }
  QPainter p(this);
  p.setClipRegion(forma);
  p.fillRect(rect(), QToolTip::palette().color(QPalette::ToolTipBase));
  for (const QRect& r : Marco(forma, 2)) p.fillRect(r, kGrisOscuro);
  for (const QRect& r : Marco(forma, 1)) p.fillRect(r, kGrisClaro);
  if (pausa_ != nullptr) *pausa_ = kPausaTrasPrimerGlobo;
  p.setPen(QToolTip::palette().color(QPalette::ToolTipText));
  p.setFont(font());
  p.drawText(AreaTexto(rect()), Qt::AlignCenter | Qt::TextWordWrap, texto_);
}

GestorGlobos::GestorGlobos(QObject* dueno, int* pausa)
    : QObject(dueno), pausa_(pausa), globo_(pausa) {
  setObjectName(QStringLiteral("GestorGlobos"));
  pausa_timer_.setSingleShot(true);
  connect(&pausa_timer_, &QTimer::timeout, this, &GestorGlobos::Cumplido);
  ocultar_.setSingleShot(true);
  connect(&ocultar_, &QTimer::timeout, this, &GestorGlobos::Ocultar);
  qApp->installEventFilter(this);
  activo = this;
}

GestorGlobos::~GestorGlobos() {
  if (activo == this) activo = nullptr;
}

GestorGlobos* GestorGlobos::Activo() { return activo; }

void GestorGlobos::Ocultar() {
  pausa_timer_.stop();
  ocultar_.stop();
  globo_.hide();
  candidato_ = nullptr;
}

void GestorGlobos::Cumplido() {
  QWidget* w = candidato_;
  if (w == nullptr || !w->isVisible() || w->toolTip().isEmpty()) return;
  QRect r = TMonHint::CalcHintRect(w->toolTip(), globo_.font());
  // The tail's tip just below and right of the pointer.
  r.moveTopLeft(donde_ + QPoint(-20, 18));
  if (const QScreen* pantalla = w->screen()) {
    const QRect zona = pantalla->geometry();
    if (r.right() > zona.right()) r.moveRight(zona.right());
    if (r.bottom() > zona.bottom()) r.moveBottom(zona.bottom());
    if (r.left() < zona.left()) r.moveLeft(zona.left());
  }
  globo_.ActivateHint(r, w->toolTip());
  ocultar_.start(kVidaGlobo);
}

void GestorGlobos::Movido(QWidget* receptor, const QPoint& global) {
  QWidget* ventana = receptor->window();
  QWidget* debajo = ventana->childAt(ventana->mapFromGlobal(global));
  if (debajo == nullptr) debajo = ventana;
  QWidget* dueno = debajo;
  while (dueno != nullptr && dueno->toolTip().isEmpty() && !dueno->isWindow()) {
    dueno = dueno->parentWidget();
  }
  if (dueno != nullptr && dueno->toolTip().isEmpty()) dueno = nullptr;
  if (dueno == nullptr) {
    Ocultar();
    return;
  }
  if (globo_.isVisible() && dueno == candidato_) return;  // still over the hinted control
  if (dueno != candidato_) globo_.hide();
  candidato_ = dueno;
  donde_ = global;
  pausa_timer_.start(pausa_ != nullptr ? *pausa_ : 0);
}

bool GestorGlobos::eventFilter(QObject* objeto, QEvent* evento) {
  if (activo != this || !objeto->isWidgetType()) return QObject::eventFilter(objeto, evento);
  switch (evento->type()) {
    case QEvent::ToolTip:
      return true;  // no platform tooltips: the balloon shows every hint
    case QEvent::MouseMove: {
      auto* w = static_cast<QWidget*>(objeto);
      if (w != &globo_) {
        Movido(w, static_cast<QMouseEvent*>(evento)->globalPosition().toPoint());
      }
      break;
    }
    case QEvent::Leave:
      if (objeto == candidato_) Ocultar();
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::Hide:
      if (objeto == candidato_ || evento->type() != QEvent::Hide) Ocultar();
      break;
    default:
      break;
  }
  return QObject::eventFilter(objeto, evento);
}

}  // namespace sendaro
