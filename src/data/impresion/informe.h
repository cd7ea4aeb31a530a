// A report under construction: its title (line 0, printed in the page
// header), its lines 1..n (element 0 is line 1) and the numbers of the lines
// printed bold.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/lineas_enteras.h"

namespace sendaro {

struct InformeImpresion {
  std::string titulo;
  std::vector<std::string> lineas;
  std::vector<int> negritas;

  // Appends a line, on several when it is longer than the print buffer
  // keeps (LineasEnteras); with `negrita` their numbers join the bold lines.
  void Anadir(std::string_view linea, bool negrita = false) {
    for (std::string& l : LineasEnteras(linea)) {
      lineas.push_back(std::move(l));
      if (negrita) negritas.push_back(static_cast<int>(lineas.size()));
    }
  }
};

// Puts the report into the shared print buffer and bold-line list (emptied
// first) and returns its line count.
inline int PasarAlBuffer(const InformeImpresion& informe, BufferImpresion& buffer,
                         SeccionesImpresion& secciones) {
  buffer.Vaciar();
  buffer.Fijar(0, informe.titulo);
  const int n = static_cast<int>(informe.lineas.size());
  for (int i = 0; i < n; ++i) buffer.Fijar(i + 1, informe.lineas[static_cast<std::size_t>(i)]);
  secciones.Vaciar();
  for (const int linea : informe.negritas) secciones.Agregar(linea);
  return n;
}

}  // namespace sendaro
