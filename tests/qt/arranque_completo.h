// The program's start-up to its end: the sections' part of start-up follows
// the hall's first paint, so the test waits for it.
#pragma once

#include <QTest>
#include <utility>

#include "app/qt/programa.h"

namespace sendaro::prueba {

// True when start-up ended with the hall ready; false when a check stopped it.
inline bool ArrancarDelTodo(Programa& programa, OpcionesArranque opciones) {
  if (!programa.Arrancar(std::move(opciones))) return false;
  static_cast<void>(QTest::qWaitFor(
      [&] { return programa.Arranque() != Programa::EstadoArranque::kEnCurso; }, 10000));
  return programa.Arranque() == Programa::EstadoArranque::kListo;
}

}  // namespace sendaro::prueba
