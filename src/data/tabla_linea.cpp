#include "data/tabla_linea.h"

#include <algorithm>
#include <utility>

#include "data/texto.h"

namespace sendaro {

TablaLinea::TablaLinea(int limite, int capacidad)
    : limite_(std::max(limite, 0)), capacidad_(std::max(capacidad, 0)) {}

void TablaLinea::FijarCuenta(int n) { cuenta_ = std::clamp(n, 0, capacidad_); }

// Lines are stored up to the highest one written: a table holds thousands
// of empty lines it may never use, and every screen's tables are made at
// start-up.
void TablaLinea::Crecer(int n) {
  const auto necesarias = static_cast<std::size_t>(n) + 1;
  if (lineas_.size() >= necesarias) return;
  const auto tope = static_cast<std::size_t>(capacidad_) + 1;
  lineas_.resize(std::min(tope, std::max(necesarias, lineas_.size() * 2)));
}

const std::string& TablaLinea::Linea(int n) const {
  static const std::string vacia;
  if (n < 0 || static_cast<std::size_t>(n) >= lineas_.size()) return vacia;
  return lineas_[static_cast<std::size_t>(n)];
}

void TablaLinea::Fijar(int n, std::string_view texto) {
  if (n < 0 || n > capacidad_) return;
  if (static_cast<std::size_t>(n) >= lineas_.size()) {
    // The text may be one of this table's own lines, which growing moves.
    std::string copia(Cortar(texto, limite_));
    Crecer(n);
    lineas_[static_cast<std::size_t>(n)] = std::move(copia);
    return;
  }
  lineas_[static_cast<std::size_t>(n)].assign(Cortar(texto, limite_));
}

void TablaLinea::Intercambiar(int i, int j) {
  if (i < 0 || i > capacidad_ || j < 0 || j > capacidad_) return;
  Crecer(std::max(i, j));
  std::swap(lineas_[static_cast<std::size_t>(i)], lineas_[static_cast<std::size_t>(j)]);
}

void TablaLinea::Vaciar() {
  for (auto& linea : lineas_) linea.clear();
  cuenta_ = 0;
}

void OrdenarLineas(TablaLinea& tabla, NumerosLinea& numeros, int n) {
  n = std::clamp(n, 0, std::min(tabla.Capacidad(), TablaLinea::kCapacidad));
  for (int k = 1; k <= n; ++k) numeros[static_cast<std::size_t>(k)] = k;
  for (int pasada = 1; pasada <= n - 1; ++pasada) {
    for (int i = n; i >= pasada + 1; --i) {
      if (tabla.Linea(i - 1) > tabla.Linea(i)) {
        tabla.Intercambiar(i - 1, i);
        std::swap(numeros[static_cast<std::size_t>(i - 1)], numeros[static_cast<std::size_t>(i)]);
      }
    }
  }
}

}  // namespace sendaro
