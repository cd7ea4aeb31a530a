// Lists answer the keyboard as they answer the pointer.
//
// Enter and Space on a list act as a click on its current row: the pointer
// is moved over the row, pressed and released there, so whatever the screen
// does on a click (a pop-up, a detail, the next step) it does for the
// keyboard. A list that reads Enter itself (EnterPropio) keeps it, and
// Space acts there as Enter.
//
// A list that Enter or Space brings up (a pop-up) takes the keyboard; Esc in
// it, or its going, gives the keyboard back to the list that opened it.
//
// The movement keys work from the first press. A list with rows and
// no current row (just filled, or never touched) would take the first End,
// Page Down or Down only to reach its first row; here its first row becomes
// current, without being selected, just before such a key reaches it, so End
// goes to the last row at once and Down to the second. Nothing changes until
// a key is pressed: a row a button acts on is still only one the user chose.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <functional>

class QAbstractItemView;

namespace sendaro {

// Makes the first shown row of the list current (not selected) when it has
// rows and no current one; false when nothing changed.
bool FijarFilaActual(QAbstractItemView& lista);

// Marks a list that handles Enter on its own.
void EnterPropio(QAbstractItemView& lista);

// The click on the current row that Enter and Space stand for; false when the
// list has no current row on view.
bool ClicEnFilaActual(QAbstractItemView& lista);

// Installed on the application: does it for every list.
class TeclasListas : public QObject {
  Q_OBJECT

 public:
  explicit TeclasListas(QObject* padre);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  // Runs what Enter or Space do on the list; a list it brings up takes the
  // focus.
  bool Actuar(QAbstractItemView& lista, const std::function<bool()>& accion);
  // The focus back from a pop-up to the list that opened it.
  bool Volver(QObject* emergente);

  QHash<QObject*, QPointer<QAbstractItemView>> emergentes_;
  QSet<QObject*> vigilados_;  // pop-ups whose destruction is watched
  bool enviando_ = false;
};

}  // namespace sendaro
