// Record files of the degrees screen written in memory, list by list, as the
// program's readers find them on disk.
#pragma once

#include <string>
#include <vector>

#include "data/disposiciones.h"

namespace sendaro::prueba {

// A whole record file of `disposicion`, all zero: no lists.
inline std::string RegistrosVacios(const DisposicionRegistros& disposicion) {
  return std::string(static_cast<std::size_t>(disposicion.BytesTotales()), '\0');
}

// Writes the list (count byte, then the values) at byte `inicio` of row
// `fila` of record `registro`, both from 1, in a byte-row record file.
inline void PonerLista(std::string& bytes, const DisposicionRegistros& d, int registro, int fila,
                       int inicio, const std::vector<int>& valores) {
  auto pos = static_cast<std::size_t>((registro - 1) * d.BytesPorRegistro() +
                                      (fila - 1) * d.enterosPorFila + inicio);
  bytes[pos] = static_cast<char>(valores.size());
  for (const int v : valores) bytes[++pos] = static_cast<char>(v);
}

// The same in one table of "datFPR" for title t.
inline void PonerListaTitulo(std::string& bytes, const registros::TramoRegistro& tramo, int titulo,
                             const std::vector<int>& valores) {
  auto pos = static_cast<std::size_t>(tramo.inicio + tramo.bytesPorTitulo * (titulo - 1));
  bytes[pos] = static_cast<char>(valores.size());
  for (const int v : valores) bytes[++pos] = static_cast<char>(v);
}

}  // namespace sendaro::prueba
