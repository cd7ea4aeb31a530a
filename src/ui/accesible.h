// Gives every control below a widget an accessible name: its text, or its
// object name when it has none. Screen readers and black-box tests use them.
#pragma once

class QWidget;

namespace sendaro {

void NombrarAccesibles(QWidget* raiz);

}  // namespace sendaro
