// Lists answer the movement keys from the first press. A list with rows and
// no current row (just filled, or never touched) would take the first End,
// Page Down or Down only to reach its first row; here its first row becomes
// current, without being selected, just before such a key reaches it, so End
// goes to the last row at once and Down to the second. Nothing changes until
// a key is pressed: a row a button acts on is still only one the user chose.
#pragma once

#include <QObject>

class QAbstractItemView;

namespace sendaro {

// Makes the first shown row of the list current (not selected) when it has
// rows and no current one; false when nothing changed.
bool FijarFilaActual(QAbstractItemView& lista);

// Installed on the application: does it for every list.
class TeclasListas : public QObject {
  Q_OBJECT

 public:
  explicit TeclasListas(QObject* padre);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
};

}  // namespace sendaro
