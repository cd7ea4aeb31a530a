// Small helpers that build and colour the controls of the section screens.
#pragma once

#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ui/texto_qt.h"

namespace sendaro::piezas {

inline QString Nombre(const char* nombre) { return QString::fromLatin1(nombre); }

// A named timer (tests find and step timers by name).
inline QTimer* Temporizador(QObject* padre, const char* nombre, int periodo) {
  auto* t = new QTimer(padre);
  t->setObjectName(Nombre(nombre));
  t->setInterval(periodo);
  return t;
}

// Trailing blanks off: captions and list items are shown without them.
inline QString RecortadoQt(QString texto) {
  while (!texto.isEmpty() && texto.back().isSpace()) texto.chop(1);
  return texto;
}

inline QFont LetraQt(const QString& familia, int puntos, bool negrita = false) {
  QFont f(familia);
  f.setPointSize(puntos > 0 ? puntos : 1);
  f.setBold(negrita);
  return f;
}

inline QFont LetraQt(const char* familia, int puntos, bool negrita = false) {
  return LetraQt(QString::fromLatin1(familia), puntos, negrita);
}

inline QLabel* Etiqueta(QWidget* padre, const QString& nombre, const QRect& donde) {
  auto* l = new QLabel(padre);
  l->setObjectName(nombre);
  l->setGeometry(donde);
  return l;
}

inline QLabel* Etiqueta(QWidget* padre, const char* nombre, const QRect& donde) {
  return Etiqueta(padre, Nombre(nombre), donde);
}

inline QFrame* Panel(QWidget* padre, const char* nombre, const QRect& donde) {
  auto* p = new QFrame(padre);
  p->setObjectName(Nombre(nombre));
  p->setGeometry(donde);
  p->setFrameShape(QFrame::Panel);
  p->setFrameShadow(QFrame::Raised);
  p->setLineWidth(2);
  return p;
}

inline QPushButton* Boton(QWidget* padre, const char* nombre, const QRect& donde) {
  auto* b = new QPushButton(padre);
  b->setObjectName(Nombre(nombre));
  b->setGeometry(donde);
  return b;
}

// A button with its caption and the hand cursor.
inline QPushButton* Boton(QWidget* padre, const char* nombre, const QString& texto,
                          const QRect& donde) {
  QPushButton* b = Boton(padre, nombre, donde);
  b->setText(texto);
  b->setCursor(Qt::PointingHandCursor);
  return b;
}

template <typename Control>
Control* Lista(QWidget* padre, const char* nombre, const QRect& donde) {
  auto* c = new Control(padre);
  c->setObjectName(Nombre(nombre));
  c->setGeometry(donde);
  return c;
}

inline void Pintar(QWidget* w, const QColor& fondo, const QColor& texto = Qt::black) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, fondo);
  p.setColor(QPalette::WindowText, texto);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

// Background and text colours of the widget, also of the text it lists or
// edits.
inline void Colores(QWidget* w, const QColor& fondo, const QColor& texto) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, fondo);
  p.setColor(QPalette::Base, fondo);
  p.setColor(QPalette::WindowText, texto);
  p.setColor(QPalette::Text, texto);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

// Rows of the data files as the rows of a list.
inline QStringList Filas(const std::vector<std::string>& filas) {
  QStringList lista;
  for (const std::string& f : filas) lista << DeWin(f);
  return lista;
}

inline QString Rgb(const QColor& c) { return c.name(QColor::HexRgb); }

inline double Luminancia(const QColor& c) {
  auto canal = [](double v) {
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
}

// The current row of a list or drop-down list over its background `fondo`
// with text `texto`, and the row under the pointer: over a light background
// a dark row with white text; over a dark one the control's own light text
// colour makes the row and the background its text. The row under the
// pointer is a tint between the two, with the control's text.
struct ColoresFila {
  QColor fondo, texto, sobre;
};

inline ColoresFila FilaActual(const QColor& fondo, const QColor& texto) {
  QColor fila, tinta;
  if (Luminancia(fondo) > 0.3) {
    fila = QColor(0x2e, 0x5e, 0x1a);
    tinta = Qt::white;
  } else {
    fila = Luminancia(texto) > 0.5 ? texto : QColor(Qt::white);
    tinta = fondo;
  }
  auto mezcla = [&](int a, int b) { return (a * 65 + b * 35) / 100; };
  const QColor sobre(mezcla(fondo.red(), fila.red()), mezcla(fondo.green(), fila.green()),
                     mezcla(fondo.blue(), fila.blue()));
  return {fila, tinta, sobre};
}

// The application's skin colours lists and combos itself: the palette's
// colour goes into the control's own style sheet, which wins.
inline void PintarLista(QWidget* w, const QColor& fondo, const QColor& texto = Qt::black) {
  const ColoresFila fila = FilaActual(fondo, texto);
  w->setStyleSheet(
      QStringLiteral(
          "* { background-color: %1; color: %2;"
          " selection-background-color: %3; selection-color: %4; }"
          "QAbstractItemView::item:hover { background-color: %5; color: %2; padding-left: 0px; }"
          "QAbstractItemView::item:selected { background-color: %3; color: %4;"
          " padding-left: 0px; }")
          .arg(Rgb(fondo), Rgb(texto), Rgb(fila.fondo), Rgb(fila.texto), Rgb(fila.sobre)));
}

// The drop-down list is a plain list under the combo (not a menu over it),
// in the combo's colours, its current row and the row under the pointer in
// the contrasting row colours.
inline void PintarCombo(QComboBox* c, const QColor& fondo, const QColor& texto) {
  const ColoresFila fila = FilaActual(fondo, texto);
  c->setStyleSheet(
      QStringLiteral("QComboBox { background-color: %1; color: %2; padding: 1px 6px;"
                     " combobox-popup: 0; }"
                     "QComboBox QAbstractItemView { background-color: %1; color: %2;"
                     " selection-background-color: %3; selection-color: %4; outline: none; }"
                     "QComboBox QAbstractItemView::item:hover { background-color: %3; color: %4; }")
          .arg(Rgb(fondo), Rgb(texto), Rgb(fila.fondo), Rgb(fila.texto)));
}

// The page's style sheet: panels in the palette's colours with a raised
// edge, title bars in the title colours, the floating map label.
// The page's own sheet: panel colours, and the buttons' font (their
// weight and slant stay the buttons' own, for the card's visited views).
inline QString HojaDeEstilo(const QColor& menu, const QColor& titulo, const QColor& textoTitulo,
                            int puntosBotones) {
  return QStringLiteral(
             "QPushButton { font-family: \"Times New Roman\"; font-size: %4pt; }"
             "QFrame#PanelMenu, QFrame#PanelMenu2, QFrame#PanelMenu3, QFrame#PanelMenu4,"
             " QFrame#PanelCar, QFrame#PanelFP, QFrame#payuda, QFrame#panelconsulta {"
             " background-color: %1; border: 2px solid; border-radius: 6px;"
             " border-color: #fff6ea #b89a7a #b89a7a #fff6ea; }"
             "QFrame#PanelSel, QFrame#Panelcon2 { background-color: %2; border: none; }"
             "QLabel#PanelSelTit, QLabel#PanelCarSel, QLabel#PanelconsultaTit {"
             " background-color: %2; color: %3; border: 1px solid #b89a7a; border-radius: 3px; }"
             "QLabel#PanelMapa { background-color: #ffffe1; color: black; border: 1px solid "
             "#6b5b4b;"
             " padding: 1px 4px; }")
      .arg(Rgb(menu), Rgb(titulo), Rgb(textoTitulo), QString::number(std::max(1, puntosBotones)));
}

}  // namespace sendaro::piezas
