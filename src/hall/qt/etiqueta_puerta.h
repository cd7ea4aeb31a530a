// A door of the hall: a label that reacts to the pointer and to clicks.
#pragma once

#include <QColor>
#include <QLabel>

namespace sendaro {

class EtiquetaPuerta : public QLabel {
  Q_OBJECT

 public:
  // Under the pointer the label paints its background (or, with
  // `cambiaLetra`, its font) in `resaltado`; otherwise in `normal`.
  EtiquetaPuerta(QWidget* padre, QColor normal, QColor resaltado, bool cambiaLetra);

  bool Resaltada() const { return resaltada_; }

 signals:
  void Pulsada();

 protected:
  void enterEvent(QEnterEvent* evento) override;
  void leaveEvent(QEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;

 private:
  void Pintar();

  QColor normal_;
  QColor resaltado_;
  bool cambiaLetra_;
  bool resaltada_ = false;
};

}  // namespace sendaro
