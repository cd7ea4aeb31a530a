#include "hall/escena/velocidad.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <thread>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#define SENDARO_CON_TSC 1
#endif

namespace sendaro::escena {

Tramo TramoVelocidad(int mhz) {
  if (mhz < 400) return {0.25, 66, 5};
  if (mhz < 600) return {0.23, 45, 8};
  if (mhz < 800) return {0.21, 33, 15};
  if (mhz < 1000) return {0.20, 28, 20};
  if (mhz < 5000) return {0.18, 25, 30};
  return {0.20, 25, 20};
}

int FramesPorLetra(const Tramo& tramo) {
  const int f = tramo.t / 9;
  return f > 0 ? f : 1;
}

#ifdef SENDARO_CON_TSC
namespace {

struct Marca {
  std::chrono::steady_clock::time_point t;
  std::uint64_t ciclos;
};

Marca Ahora() { return {std::chrono::steady_clock::now(), __rdtsc()}; }

// Both counters at the program's start.
const Marca kInicio = Ahora();

}  // namespace
#endif

int MedirMHz(int milisegundos) {
  using Reloj = std::chrono::steady_clock;
#ifdef SENDARO_CON_TSC
  const auto falta = kInicio.t + std::chrono::milliseconds(milisegundos) - Reloj::now();
  if (falta > Reloj::duration::zero()) std::this_thread::sleep_for(falta);
  const Marca fin = Ahora();
  const double micro = std::chrono::duration<double, std::micro>(fin.t - kInicio.t).count();
  if (micro > 0) {
    return static_cast<int>(std::lround(static_cast<double>(fin.ciclos - kInicio.ciclos) / micro));
  }
#else
  (void)milisegundos;
#endif
  const double porSegundo =
      static_cast<double>(Reloj::period::den) / static_cast<double>(Reloj::period::num);
  return static_cast<int>(std::lround(porSegundo / 1e6));
}

}  // namespace sendaro::escena
