// Small helpers that build and colour the controls of the section screens.
#pragma once

#include <algorithm>

#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

namespace sendaro::piezas {

inline QString Nombre(const char* nombre) { return QString::fromLatin1(nombre); }

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

inline QLabel* Etiqueta(QWidget* padre, const char* nombre, const QRect& donde) {
  auto* l = new QLabel(padre);
  l->setObjectName(Nombre(nombre));
  l->setGeometry(donde);
  return l;
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

inline QString Rgb(const QColor& c) { return c.name(QColor::HexRgb); }

// The application's skin colours lists and combos itself: the palette's
// colour goes into the control's own style sheet, which wins.
inline void PintarLista(QWidget* w, const QColor& fondo, const QColor& texto = Qt::black) {
  w->setStyleSheet(QStringLiteral("background-color: %1; color: %2;").arg(Rgb(fondo), Rgb(texto)));
}

inline void PintarCombo(QComboBox* c, const QColor& fondo, const QColor& texto) {
  c->setStyleSheet(
      QStringLiteral("QComboBox { background-color: %1; color: %2; padding: 1px 6px; }"
                     "QComboBox QAbstractItemView { background-color: %1; color: %2; }")
          .arg(Rgb(fondo), Rgb(texto)));
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
