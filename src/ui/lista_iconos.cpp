#include "ui/lista_iconos.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "ui/teclas_listas.h"

namespace sendaro {

namespace {

constexpr int kMargenIcono = 2;

class DelegadoIconos : public QStyledItemDelegate {
 public:
  DelegadoIconos(QObject* padre, int alto, int margen)
      : QStyledItemDelegate(padre), alto_(alto), margen_(margen) {}

  QSize sizeHint(const QStyleOptionViewItem& opcion, const QModelIndex&) const override {
    return {opcion.rect.width(), alto_};
  }

  void paint(QPainter* p, const QStyleOptionViewItem& opcion,
             const QModelIndex& indice) const override {
    const QRect r = opcion.rect;
    const bool elegida = opcion.state & QStyle::State_Selected;
    const QPalette& paleta = opcion.palette;
    p->fillRect(r, elegida ? paleta.highlight() : paleta.base());
    const QPixmap icono = indice.data(Qt::DecorationRole).value<QPixmap>();
    if (!icono.isNull()) p->drawPixmap(r.left() + kMargenIcono, r.top(), icono);
    p->setPen(elegida ? paleta.highlightedText().color() : paleta.text().color());
    const QVariant letra = indice.data(Qt::FontRole);
    QRect caja = r.adjusted(margen_, 2, -2, 0);
    // The row may be wider than what the list shows: the text fits the
    // visible part.
    if (const auto* vista = qobject_cast<const QAbstractItemView*>(opcion.widget)) {
      caja.setRight(std::min(caja.right(), vista->viewport()->width() - 3));
    }
    const TextoAjustado ajustado =
        AjustarTexto(letra.isValid() ? letra.value<QFont>() : opcion.font,
                     indice.data(Qt::DisplayRole).toString(), caja.width());
    p->setFont(ajustado.letra);
    p->drawText(caja, Qt::AlignLeft | Qt::AlignVCenter, ajustado.texto);
  }

 private:
  int alto_;
  int margen_;
};

}  // namespace

TextoAjustado AjustarTexto(const QFont& letra, const QString& texto, int ancho,
                           qreal minimoPt) {
  QFont f = letra;
  if (QFontMetrics(f).horizontalAdvance(texto) <= ancho) return {f, texto};
  // Fonts given in pixels are stepped in pixels; the limit is the same size
  // at the usual 96 dpi.
  const bool enPixeles = f.pointSizeF() <= 0;
  const qreal minimo = enPixeles ? minimoPt * 96 / 72 : minimoPt;
  qreal tam = enPixeles ? f.pixelSize() : f.pointSizeF();
  while (tam - 0.5 >= minimo) {
    tam -= 0.5;
    if (enPixeles) {
      f.setPixelSize(static_cast<int>(tam));
    } else {
      f.setPointSizeF(tam);
    }
    if (QFontMetrics(f).horizontalAdvance(texto) <= ancho) return {f, texto};
  }
  return {f, QFontMetrics(f).elidedText(texto, Qt::ElideRight, ancho)};
}

ListaIconos::ListaIconos(QWidget* padre, int altoFila, int margenTexto)
    : QListWidget(padre), altoFila_(altoFila) {
  setItemDelegate(new DelegadoIconos(this, altoFila, margenTexto));
  EnterPropio(*this);
  setUniformItemSizes(true);
  setMouseTracking(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ListaIconos::Rellenar(const QStringList& filas, const QList<QPixmap>& lista,
                           const std::vector<int>& iconos) {
  clear();
  for (int r = 0; r < filas.size(); ++r) {
    auto* item = new QListWidgetItem(filas[r], this);
    const auto i = static_cast<std::size_t>(r);
    if (i < iconos.size() && iconos[i] >= 0 && iconos[i] < lista.size()) {
      item->setData(Qt::DecorationRole, lista[iconos[i]]);
    }
  }
}

void ListaIconos::mouseMoveEvent(QMouseEvent* evento) {
  if (seguirRaton) {
    const int fila = indexAt(evento->position().toPoint()).row();
    // The row may be current without being chosen (the keyboard's focus
    // marks the first row so): the pointer over it still chooses it.
    if (fila >= 0 && (fila != currentRow() || !item(fila)->isSelected())) {
      setCurrentRow(fila);
      emit Sobre(fila);
    }
  }
  QListWidget::mouseMoveEvent(evento);
}

void ListaIconos::mouseReleaseEvent(QMouseEvent* evento) {
  QListWidget::mouseReleaseEvent(evento);
  if (evento->button() != Qt::LeftButton) return;
  const int fila = indexAt(evento->position().toPoint()).row();
  if (fila >= 0) emit Elegida(fila);
}

void ListaIconos::keyPressEvent(QKeyEvent* evento) {
  if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && currentRow() >= 0) {
    emit Elegida(currentRow());
    return;
  }
  // The row the keys move to is announced as the row under the pointer is.
  const int antes = currentRow();
  QListWidget::keyPressEvent(evento);
  if (seguirRaton && currentRow() >= 0 && currentRow() != antes) emit Sobre(currentRow());
}

}  // namespace sendaro
