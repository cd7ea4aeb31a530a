#include "data/impresion/buffers_impresion.h"

#include <algorithm>

namespace sendaro {

namespace {
const std::string kVacia;
}  // namespace

BufferImpresion::BufferImpresion() : lineas_(kLineas + 1) {}

const std::string& BufferImpresion::Linea(int n) const {
  if (n < 0 || n > Capacidad()) return kVacia;
  return lineas_[static_cast<std::size_t>(n)];
}

void BufferImpresion::Fijar(int n, std::string_view texto) {
  if (n < 0) return;
  const auto indice = static_cast<std::size_t>(n);
  if (indice >= lineas_.size()) lineas_.resize(indice + 1);
  lineas_[indice].assign(texto.substr(0, kLimite));
}

void BufferImpresion::VaciarDesde(int desde) {
  for (int n = std::max(desde, 0); n <= Capacidad(); ++n) {
    lineas_[static_cast<std::size_t>(n)].clear();
  }
}

void SeccionesImpresion::FijarCuenta(int cuenta) { numeros_[0] = std::clamp(cuenta, 0, kMaximo); }

int SeccionesImpresion::Numero(int i) const {
  if (i < 1 || i > kMaximo) return 0;
  return numeros_[static_cast<std::size_t>(i)];
}

void SeccionesImpresion::Fijar(int i, int linea) {
  if (i < 1 || i > kMaximo) return;
  numeros_[static_cast<std::size_t>(i)] = linea;
}

void SeccionesImpresion::Agregar(int linea) {
  if (Cuenta() >= kMaximo) return;
  numeros_[0] += 1;
  numeros_[static_cast<std::size_t>(numeros_[0])] = linea;
}

bool SeccionesImpresion::EsNegrita(int linea) const {
  const auto fin = numeros_.begin() + 1 + Cuenta();
  return std::find(numeros_.begin() + 1, fin, linea) != fin;
}

BuffersCompartidos& Compartidos() {
  static BuffersCompartidos buffers;
  return buffers;
}

}  // namespace sendaro
