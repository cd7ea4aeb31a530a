// The keyboard's place on the screen.
//
// Focus is always visible to a keyboard user: once a key is pressed, the
// control with the focus carries a frame drawn over it (dark outside, light
// inside, seen on any colour); a mouse press takes the frame away again, so
// the pointer never leaves one. A control that paints its own mark
// (MarcaPropia) gets none.
//
// Controls that act on a click without being buttons (pictures and labels
// under a pointing hand) take the focus by Tab, and Enter or Space click
// them in their middle, as the pointer would.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QAbstractButton;

namespace sendaro {

// The focus frame: drawn over a box of its parent, letting the pointer
// through. FocoTeclado keeps one over the focused control; a screen that
// draws its controls itself (the animated hall) places one with Rodear.
class MarcaFoco : public QWidget {
  Q_OBJECT

 public:
  explicit MarcaFoco(QWidget* padre);
  // Around `caja` (in the parent's coordinates), above its siblings.
  void Rodear(const QRect& caja);
  // Around `w`, following it as it moves, until Seguir(nullptr).
  void Seguir(QWidget* w);
  QWidget* Objetivo() const { return objetivo_; }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;

 private:
  void Colocar();
  QPointer<QWidget> objetivo_;
};

// The button that Esc presses on its screen when nothing on it reads the key
// first: a back, finish or close button. A pop-up's close button (a higher
// level) goes before the page's own back button. Buttons named as the
// screens name them (BotCerrar..., level 1; BotRetroceder..., botSalir...,
// BotAcabar..., level 0) need no mark.
void BotonEsc(QAbstractButton& boton, int nivel = 0);

// Presses the Esc button on view below `pagina` with the highest level (the
// one shown last among equals); false when there is none.
bool PulsarEsc(QWidget& pagina);

// The control paints its own focus mark.
void MarcaPropia(QWidget& w);

// A submenu that opens when the pointer (or the keyboard's focus) rests on
// `control`: Tab goes through its buttons right after the control.
void SubmenuEnTab(QWidget* control, QWidget* submenu);

// The control reads Enter and Space itself (a map, the animated hall).
void TeclasPropias(QWidget& w);

// Whether Enter and Space stand for a click on it (a pointing-hand control
// that is not a button, a list or a text box).
bool PulsablePorTeclado(const QWidget& w);

class FocoTeclado : public QObject {
  Q_OBJECT

 public:
  explicit FocoTeclado(QObject* padre);
  ~FocoTeclado() override;

  // The control the frame is drawn over, if any.
  QWidget* Marcado() const;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void Marcar(QWidget* w);

  bool teclado_ = false;
  QPointer<MarcaFoco> marca_;
  QPointer<QWidget> entrado_;  // the control the keyboard entered as a pointer would
};

}  // namespace sendaro
