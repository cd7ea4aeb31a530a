// A door of the hall: a label that reacts to the pointer and to clicks, with
// a hint that can be switched off and on. The keyboard reaches it with Tab
// (never with a click, so the pointer leaves no mark); it then shows a frame,
// and Enter or Space open it as a click does. Screen readers see it as a
// button named by its caption, with its hint as description.
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
  // Back to the normal colour (the pointer moved over the wall).
  void Normal();

  // The hint text, and whether it is shown (ShowHint).
  void FijarPista(const QString& pista);
  void MostrarPista(bool mostrar);
  bool PistaActiva() const { return pistaActiva_; }
  const QString& Pista() const { return pista_; }

  // What a click does: emits Pulsada.
  void Pulsar() { emit Pulsada(); }

 signals:
  void Pulsada();

 protected:
  void enterEvent(QEnterEvent* evento) override;
  void leaveEvent(QEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void focusInEvent(QFocusEvent* evento) override;
  void focusOutEvent(QFocusEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;

 private:
  void Pintar();
  void PintarFoco();

  QColor normal_;
  QColor resaltado_;
  bool cambiaLetra_;
  bool resaltada_ = false;
  QString pista_;
  bool pistaActiva_ = true;
};

}  // namespace sendaro
