// The shared buffers screens fill before showing a list or printing a report.
// Every line is a Windows-1252 text of at most 60 bytes.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/tabla_linea.h"

namespace sendaro {

// A report buffer: line 0 is the report title (or the student's name), lines
// 1..n the report. It holds lines 0..1300 from the start and grows when a
// report is longer, so that no line of a long report is lost.
class BufferImpresion {
 public:
  static constexpr int kLineas = 1300;
  static constexpr int kLimite = 60;

  BufferImpresion();

  // Highest line number currently held (at least kLineas).
  int Capacidad() const { return static_cast<int>(lineas_.size()) - 1; }

  // Line n; empty outside 0..Capacidad().
  const std::string& Linea(int n) const;
  const std::string& operator[](int n) const { return Linea(n); }

  // Stores the text cut to 60 bytes, growing the buffer for n > Capacidad();
  // ignored for n < 0.
  void Fijar(int n, std::string_view texto);
  // Empties lines desde..Capacidad().
  void VaciarDesde(int desde);
  void Vaciar() { VaciarDesde(0); }

 private:
  std::vector<std::string> lineas_;
};

// The line numbers of the report printed bold (section headers): element 0
// is the count c (0..90), elements 1..c the line numbers.
class SeccionesImpresion {
 public:
  static constexpr int kMaximo = 90;

  int Cuenta() const { return numeros_[0]; }
  // Clamped to 0..90; elements keep their numbers.
  void FijarCuenta(int cuenta);
  // Element i (1..90); 0 outside.
  int Numero(int i) const;
  // Sets element i (1..90); ignored outside.
  void Fijar(int i, int linea);
  // Appends a line number; ignored when 90 are already listed.
  void Agregar(int linea);
  void Vaciar() { numeros_ = {}; }

  // True when the line is among elements 1..count.
  bool EsNegrita(int linea) const;

 private:
  std::array<int, kMaximo + 1> numeros_{};
};

// The buffers every screen shares, allocated once.
struct BuffersCompartidos {
  BufferImpresion LineasImpresion;
  // Telephone text (9 bytes) of line k of the list or report being built.
  BufferImpresion TelefonosLinea;
  SeccionesImpresion Secciones;
  // The middle-grade questionnaire report; line 0 is the student's name.
  BufferImpresion LineasInforme;
  // The working lists screens fill before showing a list.
  TablaLinea LineasLista{TablaLinea::kLimiteNormal, TablaLinea::kCapacidad};
  TablaLinea LineasLista2{TablaLinea::kLimiteNormal, TablaLinea::kCapacidad};
};

// The program's one set of shared buffers.
BuffersCompartidos& Compartidos();

}  // namespace sendaro
