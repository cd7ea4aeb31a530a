#include "ui/teclas_listas.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QTableView>
#include <algorithm>

namespace sendaro {

namespace {

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

TeclasListas::TeclasListas(QObject* padre) : QObject(padre) { qApp->installEventFilter(this); }

bool TeclasListas::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() != QEvent::KeyPress) return false;
  auto* lista = qobject_cast<QAbstractItemView*>(objeto);
  // A combo box's drop-down list keeps the combo's current item.
  if (lista == nullptr || (lista->parentWidget() != nullptr &&
                           lista->parentWidget()->inherits("QComboBoxPrivateContainer"))) {
    return false;
  }
  const auto* pulsada = static_cast<QKeyEvent*>(evento);
  const int tecla = pulsada->key();
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
