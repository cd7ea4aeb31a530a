// The explanation of an opened result row: a framed box with a title and
// the explanation's lines, wrapped to the box's width and as tall as they
// need (up to the height it is given, then it scrolls).
#pragma once

#include <QFrame>
#include <QString>

#include "data/explicacion.h"

class QLabel;
class QScrollArea;

namespace sendaro {

class PanelExplicacion : public QFrame {
 public:
  // `titulo` is the box's title; the box is placed at `donde` (its height is
  // the most it may take) and starts hidden.
  PanelExplicacion(QWidget* padre, const QString& nombre, const QString& titulo,
                   const QRect& donde);

  void FijarTitulo(const QString& titulo);
  // Shows the explanation (or hides the box when there is none).
  void Mostrar(const ResultadoExplicado* explicacion);
  // The lines shown, one per line.
  QString Texto() const;

  QLabel* Titulo;
  QLabel* Lineas;

 private:
  QScrollArea* desplazar_;
  int altoMaximo_;
};

}  // namespace sendaro
