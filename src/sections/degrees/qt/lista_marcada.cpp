#include "sections/degrees/qt/lista_marcada.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "ui/teclas_listas.h"

namespace sendaro {

namespace {

class DelegadoMarcado : public QStyledItemDelegate {
 public:
  DelegadoMarcado(QObject* padre, int alto, QColor fondo, QColor texto)
      : QStyledItemDelegate(padre), alto_(alto), fondo_(fondo), texto_(texto) {}

  void paint(QPainter* pintor, const QStyleOptionViewItem& opcion,
             const QModelIndex& indice) const override {
    const QString texto = indice.data(Qt::DisplayRole).toString();
    const bool marca = texto.startsWith(QLatin1Char('-'));
    const bool elegida = (opcion.state & QStyle::State_Selected) != 0;
    const QPalette& paleta = opcion.palette;
    QColor fondo = Qt::transparent;
    QColor tinta = paleta.color(QPalette::Text);
    if (marca) {
      fondo = fondo_;
      tinta = texto_;
    } else if (elegida) {
      fondo = paleta.color(QPalette::Highlight);
      tinta = paleta.color(QPalette::HighlightedText);
    }
    pintor->save();
    if (fondo.alpha() != 0) pintor->fillRect(opcion.rect, fondo);
    pintor->setFont(opcion.font);
    pintor->setPen(tinta);
    pintor->drawText(opcion.rect.adjusted(2, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, texto);
    pintor->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& opcion, const QModelIndex& indice) const override {
    return {QStyledItemDelegate::sizeHint(opcion, indice).width(), alto_};
  }

 private:
  int alto_;
  QColor fondo_;
  QColor texto_;
};

}  // namespace

ListaMarcada::ListaMarcada(QWidget* padre, int altoFila, QColor fondoMarca, QColor textoMarca)
    : QListWidget(padre), altoFila_(altoFila) {
  setItemDelegate(new DelegadoMarcado(this, altoFila, fondoMarca, textoMarca));
  EnterPropio(*this);
  setUniformItemSizes(true);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(this, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { emit Abrir(row(item)); });
}

void ListaMarcada::Rellenar(const QStringList& filas) {
  clear();
  addItems(filas);
}

QStringList ListaMarcada::Filas() const {
  QStringList filas;
  for (int i = 0; i < count(); ++i) filas << item(i)->text();
  return filas;
}

int ListaMarcada::PrimeraVisible() const {
  const QModelIndex arriba = indexAt(QPoint(1, 1));
  return arriba.isValid() ? arriba.row() : 0;
}

void ListaMarcada::MostrarDesde(int fila) {
  if (fila < 0 || fila >= count()) return;
  scrollToItem(item(fila), QAbstractItemView::PositionAtTop);
}

void ListaMarcada::keyPressEvent(QKeyEvent* evento) {
  if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && currentRow() >= 0) {
    emit Abrir(currentRow());
    return;
  }
  QListWidget::keyPressEvent(evento);
}

}  // namespace sendaro
