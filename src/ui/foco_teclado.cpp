#include "ui/foco_teclado.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>
#include <QWidget>

namespace sendaro {

namespace {

constexpr char kMarcaPropia[] = "sendaroMarcaPropia";
constexpr char kTeclasPropias[] = "sendaroTeclasPropias";
constexpr char kNivelEsc[] = "sendaroNivelEsc";

// The viewport of a list or a scrolled area: its area takes the keys.
bool EsVista(const QWidget& w) {
  const auto* area = qobject_cast<const QAbstractScrollArea*>(w.parentWidget());
  return area != nullptr && area->viewport() == &w;
}

constexpr int kBorde = 3;

bool TeclaDeClic(const QKeyEvent& k) {
  return (k.key() == Qt::Key_Return || k.key() == Qt::Key_Enter || k.key() == Qt::Key_Space) &&
         (k.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void Clic(QWidget& w) {
  const QPointF p = QRectF(w.rect()).center();
  const QPointF global = w.mapToGlobal(p);
  QMouseEvent mover(QEvent::MouseMove, p, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&w, &mover);
  QMouseEvent pulsar(QEvent::MouseButtonPress, p, global, Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
  QCoreApplication::sendEvent(&w, &pulsar);
  if (!w.isVisible()) return;
  QMouseEvent soltar(QEvent::MouseButtonRelease, p, global, Qt::LeftButton, Qt::NoButton,
                     Qt::NoModifier);
  QCoreApplication::sendEvent(&w, &soltar);
}

// The level of a button for Esc: its mark, or by the screens' naming of
// buttons, a close button (a pop-up's) over a back, leave or finish button;
// -1 for any other.
int NivelEsc(const QAbstractButton& b) {
  const QVariant marca = b.property(kNivelEsc);
  if (marca.isValid()) return marca.toInt();
  static const QRegularExpression cerrar(QStringLiteral("^(Bot|bot|Bit)[Cc]errar"));
  static const QRegularExpression volver(QStringLiteral("^(Bot|bot|Bit)(Retro|Salir|Acabar)"));
  const QString nombre = b.objectName();
  if (cerrar.match(nombre).hasMatch()) return 1;
  if (volver.match(nombre).hasMatch()) return 0;
  return -1;
}

}  // namespace

MarcaFoco::MarcaFoco(QWidget* padre) : QWidget(padre) {
  setObjectName(QStringLiteral("MarcaFoco"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TranslucentBackground);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void MarcaFoco::Rodear(const QRect& caja) {
  setGeometry(caja.adjusted(-kBorde, -kBorde, kBorde, kBorde).intersected(parentWidget()->rect()));
  // Only the frame is drawn: the control shows through.
  QRegion borde(rect());
  borde -= QRegion(rect().adjusted(kBorde + 1, kBorde + 1, -kBorde - 1, -kBorde - 1));
  setMask(borde);
  raise();
  show();
  update();
}

void MarcaFoco::Seguir(QWidget* w) {
  if (objetivo_ != nullptr) objetivo_->removeEventFilter(this);
  objetivo_ = w;
  if (objetivo_ != nullptr) objetivo_->installEventFilter(this);
  Colocar();
}

void MarcaFoco::Colocar() {
  if (objetivo_ == nullptr || !objetivo_->isVisible() || objetivo_->window() != parentWidget()) {
    hide();
    return;
  }
  Rodear(QRect(objetivo_->mapTo(parentWidget(), QPoint(0, 0)), objetivo_->size()));
}

bool MarcaFoco::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == objetivo_) {
    switch (evento->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Show:
      case QEvent::Hide:
      case QEvent::ZOrderChange:
        Colocar();
        break;
      default:
        break;
    }
  }
  return false;
}

void MarcaFoco::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(QPen(QColor(20, 20, 20), 2));
  p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  p.setPen(QPen(QColor(255, 220, 0), 2));
  p.drawRect(QRectF(rect()).adjusted(3, 3, -3, -3));
}

void BotonEsc(QAbstractButton& boton, int nivel) { boton.setProperty(kNivelEsc, nivel); }

bool PulsarEsc(QWidget& pagina) {
  QAbstractButton* elegido = nullptr;
  int nivel = -1;
  for (QAbstractButton* b : pagina.findChildren<QAbstractButton*>()) {
    const int n = NivelEsc(*b);
    if (n < 0 || n < nivel || !b->isVisible() || !b->isEnabled()) continue;
    elegido = b;
    nivel = n;
  }
  if (elegido == nullptr) return false;
  elegido->click();
  return true;
}

void SubmenuEnTab(QWidget* control, QWidget* submenu) {
  QWidget* anterior = control;
  for (QWidget* w : submenu->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!(w->focusPolicy() & Qt::TabFocus)) continue;
    QWidget::setTabOrder(anterior, w);
    anterior = w;
  }
}

void MarcaPropia(QWidget& w) { w.setProperty(kMarcaPropia, true); }

void TeclasPropias(QWidget& w) { w.setProperty(kTeclasPropias, true); }

bool PulsablePorTeclado(const QWidget& w) {
  if (!w.testAttribute(Qt::WA_SetCursor) || w.cursor().shape() != Qt::PointingHandCursor) {
    return false;
  }
  return qobject_cast<const QAbstractButton*>(&w) == nullptr &&
         qobject_cast<const QAbstractItemView*>(&w) == nullptr &&
         qobject_cast<const QComboBox*>(&w) == nullptr &&
         qobject_cast<const QLineEdit*>(&w) == nullptr &&
         qobject_cast<const QAbstractSpinBox*>(&w) == nullptr &&
         qobject_cast<const QTextEdit*>(&w) == nullptr &&
         qobject_cast<const QPlainTextEdit*>(&w) == nullptr &&
         !w.property(kTeclasPropias).toBool() && !EsVista(w);
}

FocoTeclado::FocoTeclado(QObject* padre) : QObject(padre) { qApp->installEventFilter(this); }

FocoTeclado::~FocoTeclado() { delete marca_; }

QWidget* FocoTeclado::Marcado() const {
  return marca_ != nullptr && marca_->isVisible() ? marca_->Objetivo() : nullptr;
}

void FocoTeclado::Marcar(QWidget* w) {
  if (w == nullptr || !teclado_ || w->property(kMarcaPropia).toBool() || w == marca_) {
    if (marca_ != nullptr) marca_->Seguir(nullptr);
    return;
  }
  QWidget* ventana = w->window();
  if (marca_ == nullptr || marca_->parentWidget() != ventana) {
    delete marca_;
    marca_ = new MarcaFoco(ventana);
  }
  marca_->Seguir(w);
}

bool FocoTeclado::eventFilter(QObject* objeto, QEvent* evento) {
  if (!objeto->isWidgetType()) return false;
  auto* w = static_cast<QWidget*>(objeto);
  switch (evento->type()) {
    case QEvent::Show:
      // Tab leaves a grid rather than going from cell to cell.
      if (auto* vista = qobject_cast<QAbstractItemView*>(w)) vista->setTabKeyNavigation(false);
      [[fallthrough]];
    case QEvent::CursorChange:
      // A control that acts on a click joins the Tab order.
      if (w->focusPolicy() == Qt::NoFocus && PulsablePorTeclado(*w)) {
        w->setFocusPolicy(Qt::TabFocus);
      }
      break;
    case QEvent::KeyPress: {
      const auto* k = static_cast<QKeyEvent*>(evento);
      if (!teclado_) {
        teclado_ = true;
        Marcar(QApplication::focusWidget());
      }
      if (TeclaDeClic(*k) && w->hasFocus() && PulsablePorTeclado(*w)) {
        if (!k->isAutoRepeat()) Clic(*w);
        return true;
      }
      break;
    }
    case QEvent::FocusIn:
      Marcar(w);
      // What the pointer resting on it would show (a submenu, a highlight),
      // the keyboard's focus shows too.
      if (teclado_ && w != marca_) {
        const QPointF centro = QRectF(w->rect()).center();
        QEnterEvent entrar(centro, centro, w->mapToGlobal(centro));
        QCoreApplication::sendEvent(w, &entrar);
        entrado_ = w;
      }
      break;
    case QEvent::FocusOut:
      if (w == entrado_) {
        entrado_ = nullptr;
        QEvent salir(QEvent::Leave);
        QCoreApplication::sendEvent(w, &salir);
      }
      break;
    case QEvent::MouseButtonPress:
      if (teclado_ && static_cast<QMouseEvent*>(evento)->spontaneous()) {
        teclado_ = false;
        Marcar(nullptr);
      }
      break;
    default:
      break;
  }
  return false;
}

}  // namespace sendaro
