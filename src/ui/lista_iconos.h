// A list that follows the pointer: rows of a fixed height, each with an
// optional icon at its top-left corner (2 px in) and its text `margenTexto`
// px in (35 beside icons); a text too long for its row is drawn smaller, down
// to a readable size, then elided. While hover tracking is on, the row under the
// pointer is highlighted and announced; a release of the mouse button on a
// row, or Enter, chooses it.
#pragma once

#include <QFont>
#include <QList>
#include <QListWidget>
#include <QPixmap>
#include <QStringList>
#include <vector>

namespace sendaro {

// How a row's text is drawn in `ancho` px: in `letra` when it fits, else in
// the largest smaller size down to `minimoPt` points that fits, else elided
// at that smallest size.
struct TextoAjustado {
  QFont letra;
  QString texto;
};
TextoAjustado AjustarTexto(const QFont& letra, const QString& texto, int ancho,
                           qreal minimoPt = 8);

class ListaIconos : public QListWidget {
  Q_OBJECT

 public:
  ListaIconos(QWidget* padre, int altoFila, int margenTexto = 35);

  // Rows and, for row r, icon iconos[r] of `lista` (none when out of range).
  void Rellenar(const QStringList& filas, const QList<QPixmap>& lista,
                const std::vector<int>& iconos);
  int AltoFila() const { return altoFila_; }

  bool seguirRaton = true;  // hover tracking

 signals:
  // The pointer is over a new row (hover tracking on).
  void Sobre(int fila);
  void Elegida(int fila);

 protected:
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  int altoFila_;
};

}  // namespace sendaro
