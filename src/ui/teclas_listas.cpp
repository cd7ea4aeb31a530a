#include "ui/teclas_listas.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QTableView>
#include <algorithm>
#include <vector>

namespace sendaro {

namespace {

constexpr char kEnterPropio[] = "sendaroEnterPropio";

bool TeclaDeClic(const QKeyEvent& pulsada) {
  const int tecla = pulsada.key();
  return (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Space) &&
         (pulsada.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool FilaOculta(const QAbstractItemView& lista, int fila) {
  if (const auto* l = qobject_cast<const QListView*>(&lista)) return l->isRowHidden(fila);
  if (const auto* t = qobject_cast<const QTableView*>(&lista)) return t->isRowHidden(fila);
  return false;
}

// Keys that move down from the current row; those that move up reach the
// first row anyway.
bool TeclaHaciaAbajo(int tecla) {
  return tecla == Qt::Key_End || tecla == Qt::Key_PageDown || tecla == Qt::Key_Down;
}

bool TeclaHaciaArriba(int tecla) {
  return tecla == Qt::Key_Home || tecla == Qt::Key_PageUp || tecla == Qt::Key_Up;
}

QModelIndex PrimeraFila(const QAbstractItemView& lista) {
  const QAbstractItemModel* modelo = lista.model();
  if (modelo == nullptr) return {};
  const QModelIndex raiz = lista.rootIndex();
  const int filas = modelo->rowCount(raiz);
  for (int fila = 0; fila < filas; ++fila) {
    const QModelIndex indice = modelo->index(fila, 0, raiz);
    if (!FilaOculta(lista, fila) && (modelo->flags(indice) & Qt::ItemIsEnabled)) return indice;
  }
  return {};
}

// A grid that selects whole rows: Home and End go to its first and last row,
// as in a list (the grid's own keys would only change the column).
bool FilaExtremaEnRejilla(QAbstractItemView& lista, int tecla, Qt::KeyboardModifiers teclas) {
  auto* rejilla = qobject_cast<QTableView*>(&lista);
  if (rejilla == nullptr || rejilla->selectionBehavior() != QAbstractItemView::SelectRows ||
      (tecla != Qt::Key_Home && tecla != Qt::Key_End) || teclas != Qt::NoModifier ||
      rejilla->model() == nullptr || rejilla->selectionModel() == nullptr) {
    return false;
  }
  const QAbstractItemModel* modelo = rejilla->model();
  const int filas = modelo->rowCount(rejilla->rootIndex());
  const bool fin = tecla == Qt::Key_End;
  for (int i = 0; i < filas; ++i) {
    const int fila = fin ? filas - 1 - i : i;
    const QModelIndex indice =
        modelo->index(fila, std::max(0, rejilla->currentIndex().column()), rejilla->rootIndex());
    if (rejilla->isRowHidden(fila) || !(modelo->flags(indice) & Qt::ItemIsEnabled)) continue;
    const auto orden = rejilla->selectionMode() == QAbstractItemView::NoSelection
                           ? QItemSelectionModel::NoUpdate
                           : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    rejilla->selectionModel()->setCurrentIndex(indice, orden);
    rejilla->scrollTo(indice);
    return true;
  }
  return true;
}

}  // namespace

bool FijarFilaActual(QAbstractItemView& lista) {
  QItemSelectionModel* seleccion = lista.selectionModel();
  if (seleccion == nullptr || lista.currentIndex().isValid()) return false;
  const QModelIndex primera = PrimeraFila(lista);
  if (!primera.isValid()) return false;
  seleccion->setCurrentIndex(primera, QItemSelectionModel::NoUpdate);
  return true;
}

void EnterPropio(QAbstractItemView& lista) { lista.setProperty(kEnterPropio, true); }

bool ClicEnFilaActual(QAbstractItemView& lista) {
  const QModelIndex actual = lista.currentIndex();
  if (!actual.isValid()) return false;
  lista.scrollTo(actual);
  const QRect fila = lista.visualRect(actual);
  QWidget* vista = lista.viewport();
  if (!fila.isValid() || !vista->rect().intersects(fila)) return false;
  const QPoint p = fila.intersected(vista->rect()).center();
  const QPointF global = vista->mapToGlobal(QPointF(p));
  QMouseEvent mover(QEvent::MouseMove, p, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(vista, &mover);
  QMouseEvent pulsar(QEvent::MouseButtonPress, p, global, Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
  QCoreApplication::sendEvent(vista, &pulsar);
  // The press may have closed the list (a pop-up that goes on a click).
  if (vista->isVisible()) {
    QMouseEvent soltar(QEvent::MouseButtonRelease, p, global, Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
    QCoreApplication::sendEvent(vista, &soltar);
  }
  return true;
}

TeclasListas::TeclasListas(QObject* padre) : QObject(padre) { qApp->installEventFilter(this); }

namespace {

std::vector<QAbstractItemView*> ListasVisibles(const QWidget& ventana) {
  std::vector<QAbstractItemView*> visibles;
  for (QAbstractItemView* l : ventana.findChildren<QAbstractItemView*>()) {
    if (l->isVisible()) visibles.push_back(l);
  }
  return visibles;
}

}  // namespace

bool TeclasListas::Actuar(QAbstractItemView& lista, const std::function<bool()>& accion) {
  QWidget* ventana = lista.window();
  const std::vector<QAbstractItemView*> antes = ListasVisibles(*ventana);
  const bool hecho = accion();
  if (!lista.isVisible() && !lista.hasFocus()) return hecho;
  // A list the choice brought up (a pop-up of titles, of places) takes the
  // keyboard, which goes back to this list when the pop-up goes.
  for (QAbstractItemView* l : ListasVisibles(*ventana)) {
    if (l == &lista || std::find(antes.begin(), antes.end(), l) != antes.end() ||
        !l->isEnabled() || !(l->focusPolicy() & Qt::TabFocus) || l->model() == nullptr ||
        l->model()->rowCount(l->rootIndex()) == 0) {
      continue;
    }
    if (!vigilados_.contains(l)) {
      vigilados_.insert(l);
      connect(l, &QObject::destroyed, this, [this, l] {
        emergentes_.remove(l);
        vigilados_.remove(l);
      });
    }
    emergentes_[l] = &lista;
    FijarFilaActual(*l);
    l->setFocus(Qt::TabFocusReason);
    break;
  }
  return hecho;
}

bool TeclasListas::Volver(QObject* emergente) {
  const auto it = emergentes_.find(emergente);
  if (it == emergentes_.end()) return false;
  const QPointer<QAbstractItemView> origen = it.value();
  emergentes_.erase(it);
  if (origen == nullptr || !origen->isVisible()) return false;
  origen->setFocus(Qt::BacktabFocusReason);
  return true;
}

bool TeclasListas::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::Hide && emergentes_.contains(objeto)) {
    if (static_cast<QWidget*>(objeto)->hasFocus()) Volver(objeto);
    emergentes_.remove(objeto);
    return false;
  }
  if (evento->type() != QEvent::KeyPress || enviando_) return false;
  auto* lista = qobject_cast<QAbstractItemView*>(objeto);
  // A combo box's drop-down list keeps the combo's current item.
  if (lista == nullptr || (lista->parentWidget() != nullptr &&
                           lista->parentWidget()->inherits("QComboBoxPrivateContainer"))) {
    return false;
  }
  const auto* pulsada = static_cast<QKeyEvent*>(evento);
  const int tecla = pulsada->key();
  // Esc in a pop-up the keyboard opened goes back to the list it came from.
  if (tecla == Qt::Key_Escape && pulsada->modifiers() == Qt::NoModifier && Volver(lista)) {
    return true;
  }
  if (TeclaDeClic(*pulsada)) {
    if (pulsada->isAutoRepeat()) return true;
    if (lista->property(kEnterPropio).toBool()) {
      // The list reads Enter itself; Space stands for it.
      return Actuar(*lista, [lista, this] {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        enviando_ = true;
        QCoreApplication::sendEvent(lista, &enter);
        enviando_ = false;
        return true;
      });
    }
    FijarFilaActual(*lista);
    return Actuar(*lista, [lista] { return ClicEnFilaActual(*lista); });
  }
  if (FilaExtremaEnRejilla(*lista, tecla, pulsada->modifiers())) return true;
  if (TeclaHaciaAbajo(tecla)) {
    FijarFilaActual(*lista);
  } else if (TeclaHaciaArriba(tecla) && lista->selectionModel() != nullptr) {
    // The first row only marked current (the toolkit marks it when the list
    // takes the keyboard's focus): the key selects it, as it does in a list
    // with no current row.
    const QModelIndex actual = lista->currentIndex();
    if (actual.isValid() && actual == PrimeraFila(*lista) &&
        !lista->selectionModel()->isSelected(actual)) {
      lista->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
  }
  return false;
}

}  // namespace sendaro
