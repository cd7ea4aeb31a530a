#include "qt/recortes.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "ui/lista_iconos.h"

namespace sendaro::prueba {
namespace {

constexpr int kMuchoAlto = 100000;
// Item views draw a row's text this far in from each side.
constexpr int kMargenFila = 3;

QString Ruta(const QWidget* w, const QWidget* raiz) {
  QStringList partes;
  for (const QWidget* p = w; p != nullptr && p != raiz; p = p->parentWidget()) {
    partes.prepend(p->objectName().isEmpty() ? QString::fromLatin1(p->metaObject()->className())
                                             : p->objectName());
  }
  return partes.join(u'/');
}

bool Elidido(const QString& texto) { return texto.contains(QChar(0x2026)); }

// The size `texto` takes in `fm`, one line per '\n', or wrapped at words in
// `ancho` px when `ajustar` (a word longer than `ancho` keeps its width).
QSize Medida(const QFontMetrics& fm, const QString& texto, bool ajustar, int ancho) {
  if (ajustar) {
    return fm.boundingRect(QRect(0, 0, std::max(ancho, 1), kMuchoAlto), Qt::TextWordWrap, texto)
        .size();
  }
  int w = 0;
  const QStringList lineas = texto.split(u'\n');
  for (const QString& l : lineas) w = std::max(w, fm.horizontalAdvance(l));
  return {w, fm.height() * static_cast<int>(lineas.size())};
}

QString SinMnemonicos(QString t) {
  t.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  t.remove(u'&');
  t.replace(QChar(1), u'&');
  return t;
}

class Buscador {
 public:
  Buscador(const QWidget* raiz, QString pantalla) : raiz_(raiz), pantalla_(std::move(pantalla)) {}

  void Revisar(const QWidget* w) {
    if (!w->isVisibleTo(raiz_) || w->width() <= 0 || w->height() <= 0) return;
    if (w != raiz_) FueraDelPadre(w);
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
      Etiqueta(l);
    } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
      Boton(b);
    } else if (const auto* c = qobject_cast<const QComboBox*>(w)) {
      Combo(c);
    } else if (const auto* t = qobject_cast<const QTableView*>(w)) {
      Tabla(t);
    } else if (const auto* v = qobject_cast<const QListView*>(w)) {
      Lista(v);
    }
    // The parts of compound widgets (a combo's field, a view's headers and
    // scroll bars) are the compound's own business.
    if (qobject_cast<const QComboBox*>(w) != nullptr) return;
    for (const QObject* o : w->children()) {
      const auto* hijo = qobject_cast<const QWidget*>(o);
      if (hijo == nullptr || hijo->isWindow()) continue;
      if (qobject_cast<const QScrollBar*>(hijo) || qobject_cast<const QHeaderView*>(hijo)) continue;
      Revisar(hijo);
    }
  }

  std::vector<Recorte> recortes;

 private:
  void Anotar(const QWidget* w, const QString& texto, int ancho, int alto) {
    if (ancho <= 0 && alto <= 0) return;
    recortes.push_back({pantalla_, Ruta(w, raiz_), texto, std::max(ancho, 0), std::max(alto, 0)});
  }
  void Comparar(const QWidget* w, const QString& texto, QSize hace, QSize hay) {
    // A pixel of a descender below the box is not a cut.
    const int alto = hace.height() - hay.height();
    Anotar(w, texto, hace.width() - hay.width(), alto > 1 ? alto : 0);
    if (Elidido(texto)) Anotar(w, texto, 1, 0);
  }

  // A widget reaching past the one that holds it is clipped there; the
  // contents of a scrolled area are meant to be larger than their window.
  void FueraDelPadre(const QWidget* w) {
    const QWidget* p = w->parentWidget();
    if (p == nullptr) return;
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget())) {
      if (area->viewport() == p) return;
    }
    const QRect g = w->geometry();
    const QRect r = p->rect();
    const int ancho = std::max(0, r.left() - g.left()) + std::max(0, g.right() - r.right());
    const int alto = std::max(0, r.top() - g.top()) + std::max(0, g.bottom() - r.bottom());
    Anotar(w, QString(), ancho, alto);
  }

  void Etiqueta(const QLabel* l) {
    const QString texto = l->text();
    if (texto.trimmed().isEmpty()) return;
    const QRect caja = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(),
                                                  -l->margin());
    const bool rico = l->textFormat() == Qt::RichText ||
                      (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(texto));
    if (rico) {
      QTextDocument doc;
      doc.setDefaultFont(l->font());
      doc.setDocumentMargin(0);
      doc.setHtml(texto);
      if (l->wordWrap()) doc.setTextWidth(caja.width());
      const QSize hace(static_cast<int>(std::ceil(doc.idealWidth())),
                       static_cast<int>(std::ceil(doc.size().height())));
      Comparar(l, doc.toPlainText(), hace, caja.size());
      return;
    }
    Comparar(l, texto, Medida(l->fontMetrics(), texto, l->wordWrap(), caja.width()), caja.size());
  }

  void Boton(const QAbstractButton* b) {
    const QString texto = SinMnemonicos(b->text());
    if (texto.trimmed().isEmpty()) return;
    int ancho = b->width();
    if (qobject_cast<const QCheckBox*>(b) != nullptr) {
      ancho -= b->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b) +
               b->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
    } else if (qobject_cast<const QRadioButton*>(b) != nullptr) {
      ancho -= b->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b) +
               b->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b);
    } else {
      ancho -= 2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
    }
    if (!b->icon().isNull()) ancho -= b->iconSize().width() + 4;
    Comparar(b, texto, Medida(b->fontMetrics(), texto, false, 0), {ancho, b->height()});
  }

  void Combo(const QComboBox* c) {
    const QString texto = c->currentText();
    if (texto.trimmed().isEmpty()) return;
    QStyleOptionComboBox op;
    op.initFrom(c);
    op.editable = c->isEditable();
    op.currentText = texto;
    const QRect campo =
        c->style()->subControlRect(QStyle::CC_ComboBox, &op, QStyle::SC_ComboBoxEditField, c);
    Comparar(c, texto, Medida(c->fontMetrics(), texto, false, 0),
             {campo.width() - 2 * kMargenFila, campo.height()});
  }

  // Every row of a list, those scrolled out of sight too: rows scroll up
  // and down, never sideways.
  void Lista(const QListView* v) {
    const QAbstractItemModel* m = v->model();
    if (m == nullptr) return;
    const int visible = v->viewport()->width();
    const auto* iconos = qobject_cast<const ListaIconos*>(v);
    for (int fila = 0; fila < m->rowCount(v->rootIndex()); ++fila) {
      const QModelIndex i = m->index(fila, v->modelColumn(), v->rootIndex());
      if (v->isRowHidden(fila)) continue;
      const QString texto = i.data(Qt::DisplayRole).toString();
      if (texto.trimmed().isEmpty()) continue;
      const QVariant letra = i.data(Qt::FontRole);
      const QFont f = letra.isValid() ? letra.value<QFont>() : v->font();
      if (iconos != nullptr) {
        // Its text starts 35 px in beside an icon (the lists' usual margin).
        const int margen = i.data(Qt::DecorationRole).isNull() ? 2 : 35;
        const int ancho = visible - 3 - margen;
        const TextoAjustado a = AjustarTexto(f, texto, ancho);
        if (a.texto != texto) {
          Anotar(v, texto, QFontMetrics(a.letra).horizontalAdvance(texto) - ancho, 0);
        }
        continue;
      }
      int ancho = visible - 2 * kMargenFila;
      if (!i.data(Qt::DecorationRole).isNull()) ancho -= v->iconSize().width() + kMargenFila;
      const QRect fila_r = v->visualRect(i);
      const QSize hace = Medida(QFontMetrics(f), texto, v->wordWrap(), ancho);
      Comparar(v, texto, hace, {ancho, v->wordWrap() ? fila_r.height() : hace.height()});
    }
  }

  // Every cell of a grid, and every column within what the grid shows.
  void Tabla(const QTableView* t) {
    const QAbstractItemModel* m = t->model();
    if (m == nullptr) return;
    const int visible = t->viewport()->width();
    for (int c = 0; c < m->columnCount(); ++c) {
      if (t->isColumnHidden(c)) continue;
      const int ancho = t->columnWidth(c) - 2 * kMargenFila;
      const int fuera = t->columnViewportPosition(c) + t->columnWidth(c) - visible;
      for (int fila = 0; fila < m->rowCount(); ++fila) {
        if (t->isRowHidden(fila)) continue;
        const QModelIndex i = m->index(fila, c);
        const QString texto = i.data(Qt::DisplayRole).toString();
        if (texto.trimmed().isEmpty()) continue;
        const QVariant letra = i.data(Qt::FontRole);
        const QFontMetrics fm(letra.isValid() ? letra.value<QFont>() : t->font());
        const QSize hace = Medida(fm, texto, t->wordWrap(), ancho);
        Comparar(t, texto, hace, {ancho, t->rowHeight(fila)});
        if (fuera > 0) Anotar(t, texto, fuera, 0);
      }
    }
  }

  const QWidget* raiz_;
  QString pantalla_;
};

}  // namespace

std::vector<Recorte> BuscarRecortes(const QWidget* raiz, const QString& pantalla) {
  Buscador b(raiz, pantalla);
  b.Revisar(raiz);
  return std::move(b.recortes);
}

QString Describir(const std::vector<Recorte>& recortes) {
  QString s;
  for (const Recorte& r : recortes) {
    s += QStringLiteral("%1: %2 \"%3\" %4 px across, %5 px down\n")
             .arg(r.pantalla, r.widget, r.texto)
             .arg(r.faltanAncho)
             .arg(r.faltanAlto);
  }
  return s;
}

}  // namespace sendaro::prueba
