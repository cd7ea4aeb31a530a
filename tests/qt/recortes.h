// A check that every text on a screen can be read whole: a label's, button's,
// list row's or grid cell's text must fit its visible rectangle, measured with
// the widget's own font (a word-wrapped label or list measured wrapped; an
// elided text counts as cut), and no visible widget may reach outside the
// widget that holds it (what lies beyond is clipped away).
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace sendaro::prueba {

struct Recorte {
  QString pantalla;  // the screen or state being checked
  QString widget;    // the widget's path of object names
  QString texto;     // the text that does not fit (empty for a widget outside its parent)
  int faltanAncho = 0;  // missing pixels across
  int faltanAlto = 0;   // missing pixels down
};

// The cuts among the visible widgets under `raiz`.
std::vector<Recorte> BuscarRecortes(const QWidget* raiz, const QString& pantalla);

// One line per cut: screen, widget, text and missing pixels.
QString Describir(const std::vector<Recorte>& recortes);

}  // namespace sendaro::prueba
