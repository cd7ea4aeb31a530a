// Readers of the line-table files and the block files. Each reader comes in
// two parts: Analizar* fills the table from a whole file's bytes (pure, no
// files, no messages) and Leer* opens the file by the name as given
// ("CARRERA", "galego/CARRERA") through the Entorno. A file that cannot be
// read shows "Faltan ficheros (<nombre>). Vuelva a instalar el programa",
// sets FalloGrave and leaves the table as it was.
//
// Lines beyond a table's capacity are not read; slots are never overrun.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/disposiciones.h"
#include "data/entorno.h"
#include "data/tabla_linea.h"

namespace sendaro {

// Lines kept by the 90-byte variant ("certificaH").
inline constexpr int kCapacidadTabla90 = 250;

// Slot 0 := nombre; then each line after the width rule, stored cut to the
// table's limit (so a width of 90 in a 60-byte table stores 60). Returns the
// count, also kept in the table.
int AnalizarTabla(std::string_view bytes, std::string_view nombre, TablaLinea& tabla, int ancho);
int LeerTabla(Entorno& entorno, std::string_view nombre, TablaLinea& tabla, int ancho);
// The same on a table of 75-byte slots (TablaLinea(TablaLinea::kLimiteLargo)).
int LeerTablaLarga(Entorno& entorno, std::string_view nombre, TablaLinea& tabla, int ancho);

// Raw lines, not blank-filled, cut to the table's limit: 90 bytes and 250
// lines for LeerTabla90 (TablaLinea(TablaLinea::kLimite90, kCapacidadTabla90)),
// 60 bytes for LeerTablaSimple.
int AnalizarTablaBruta(std::string_view bytes, std::string_view nombre, TablaLinea& tabla);
int LeerTabla90(Entorno& entorno, std::string_view nombre, TablaLinea& tabla);
int LeerTablaSimple(Entorno& entorno, std::string_view nombre, TablaLinea& tabla);

// The family lines (first byte "-") of "FP" or "FP2": slot k := the k-th
// family's text from column 2 after the width rule, lineas[k] := its line
// number in the file (every line counted from 1). Slot 0 := nombre. Returns
// the number of families, also kept in the table.
int AnalizarFamilias(std::string_view bytes, std::string_view nombre, TablaLinea& tabla, int ancho,
                     NumerosLinea& lineas);
int LeerFamilias(Entorno& entorno, std::string_view nombre, TablaLinea& tabla, int ancho,
                 NumerosLinea& lineas);

// A block file in memory: blocks 1..Cuenta(), lines 1..lineasGuardadas each,
// every line cut to the layout's byte limit. Allocated once.
class TablaBloques {
 public:
  explicit TablaBloques(const DisposicionBloques& disposicion);

  const DisposicionBloques& Disposicion() const { return disposicion_; }
  int Cuenta() const { return cuenta_; }
  // Empty outside the blocks and lines of the layout.
  const std::string& Linea(int bloque, int linea) const;
  // The difficulty digit of a degree in "asignacar": the first byte of line 1
  // of the block, 0 when it is not a digit.
  int Dificultad(int bloque) const;

  void Fijar(int bloque, int linea, std::string_view texto);
  void FijarCuenta(int n);
  void Vaciar();

 private:
  std::size_t Indice(int bloque, int linea) const;

  DisposicionBloques disposicion_;
  int cuenta_ = 0;
  std::vector<std::string> lineas_;
};

// Takes the first capacidadLineas lines after the width rule; line c (from
// 0) starts block c / lineasPorBloque + 1 when it is a multiple of the block
// size and is skipped, otherwise it is the next line of the current block.
// Blocks beyond the capacity are dropped. Returns the block count.
int AnalizarBloques(std::string_view bytes, TablaBloques& tabla);
int LeerBloques(Entorno& entorno, std::string_view nombre, TablaBloques& tabla);

}  // namespace sendaro
