// A list box drawn row by row: rows whose text starts with "-" are headings,
// painted in their own colours; every row is drawn at its top-left corner
// with a fixed height.
#pragma once

#include <QColor>
#include <QListWidget>
#include <QStringList>

namespace sendaro {

class ListaMarcada : public QListWidget {
  Q_OBJECT

 public:
  ListaMarcada(QWidget* padre, int altoFila, QColor fondoMarca, QColor textoMarca);

  // Replaces every row.
  void Rellenar(const QStringList& filas);
  QStringList Filas() const;
  int AltoFila() const { return altoFila_; }
  // The first row on view (0 when empty).
  int PrimeraVisible() const;
  void MostrarDesde(int fila);

 signals:
  // Double click or Enter on a row.
  void Abrir(int fila);

 protected:
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  int altoFila_;
};

}  // namespace sendaro
