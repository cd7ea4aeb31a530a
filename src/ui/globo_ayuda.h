// Every hint of the program is shown in a speech balloon: a box with rounded
// corners, a small tail at its upper left pointing at the pointer, a grey
// double outline and the text centred and wrapped at 200 pixels.
//
// GestorGlobos replaces Qt's tooltips for the whole application: it swallows
// QEvent::ToolTip and shows a TMonHint with a widget's toolTip() once the
// pointer has rested on it for the hint pause.
#pragma once

#include <QPainterPath>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

namespace sendaro {

class TMonHint : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kAnchoMaximoTexto = 200;
  static constexpr int kPausaTrasPrimerGlobo = 400;  // ms

  // `pausa` is the application's hint pause; painting a balloon sets it to
  // 400 ms. May be null.
  explicit TMonHint(int* pausa = nullptr);

  // The platform's hint rectangle for a text: the text wrapped at 200 pixels
  // (whatever the caller asks), 6 pixels wider and 2 taller.
  static QRect RectBase(const QString& texto, const QFont& letra);
  // The balloon's size: the base rectangle 10 pixels wider and 30 taller.
  static QRect CalcHintRect(const QString& texto, const QFont& letra);
  // The balloon's outline inside a client rectangle of that size: a rounded
  // rectangle from 20 pixels down (30 x 30 corners) and the tail triangle
  // (18, 20), (23, 0), (33, 20).
  static QRegion Forma(const QRect& cliente);
  // The pixels of a region that lie within `ancho` pixels of its outside.
  static QRegion Marco(const QRegion& region, int ancho);
  // Where the text goes: the client rectangle less 5 pixels on every side,
  // its top 22 pixels lower.
  static QRect AreaTexto(const QRect& cliente);

  // Shows the balloon over `rect` (screen coordinates) with `texto`.
  void ActivateHint(const QRect& rect, const QString& texto);
  const QString& Texto() const { return texto_; }

  bool FormaPendiente = false;

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  int* pausa_;
  QString texto_;
};

class GestorGlobos : public QObject {
  Q_OBJECT

 public:
  // Installs the balloons on the application. The latest manager created is
  // the one that acts; `pausa` is the application's hint pause in ms.
  GestorGlobos(QObject* dueno, int* pausa);
  ~GestorGlobos() override;

  static GestorGlobos* Activo();
  TMonHint& Globo() { return globo_; }
  // Runs the hint pause; tests step it by calling Cumplido().
  QTimer& Temporizador() { return pausa_timer_; }
  // The pause is over: show the hint of the widget under the pointer.
  void Cumplido();
  // The widget whose hint is pending or shown.
  QWidget* Candidato() const { return candidato_; }
  void Ocultar();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void Movido(QWidget* receptor, const QPoint& global);

  int* pausa_;
  TMonHint globo_;
  QTimer pausa_timer_;
  QTimer ocultar_;
  QPointer<QWidget> candidato_;
  QPoint donde_;
};

}  // namespace sendaro
