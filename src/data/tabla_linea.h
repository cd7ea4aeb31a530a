// Line tables: slot 0 holds the file name (or a title), slots 1..n the lines
// of a file. Line numbers are the identifiers the screens use for degrees,
// titles, centres and so on.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace sendaro {

class TablaLinea {
 public:
  static constexpr int kCapacidad = 1000;
  // Stored length limits of the three variants.
  static constexpr int kLimiteNormal = 60;
  static constexpr int kLimiteLargo = 75;
  static constexpr int kLimite90 = 90;
  // The certificates' details ("certificaH"), whose descriptions end at
  // character 97.
  static constexpr int kLimiteDetalles = 97;

  // Slots 0..capacidad, stored as they are written; every stored text is
  // cut to limite.
  explicit TablaLinea(int limite = kLimiteNormal, int capacidad = kCapacidad);

  int Limite() const { return limite_; }
  int Capacidad() const { return capacidad_; }
  int Cuenta() const { return cuenta_; }
  // Clamped to 0..Capacidad().
  void FijarCuenta(int n);

  // Slot n; empty outside 0..Capacidad().
  const std::string& Linea(int n) const;
  const std::string& operator[](int n) const { return Linea(n); }

  // Stores the text cut to the limit; ignored outside 0..Capacidad().
  void Fijar(int n, std::string_view texto);
  void Intercambiar(int i, int j);
  // Empties every slot and sets the count to 0.
  void Vaciar();

 private:
  void Crecer(int n);

  int limite_;
  int capacidad_;
  int cuenta_ = 0;
  std::vector<std::string> lineas_;
};

// A number per line (1-based, element 0 unused): family line numbers, the
// original positions after sorting.
using NumerosLinea = std::array<int, TablaLinea::kCapacidad + 1>;

// Sorts lines 1..n of the table byte-wise (a shorter prefix first) with a
// stable bubble sort; numeros[k] starts as k and moves with its line, so it
// tells each sorted line's original position. n is clamped to the table.
void OrdenarLineas(TablaLinea& tabla, NumerosLinea& numeros, int n);

}  // namespace sendaro
