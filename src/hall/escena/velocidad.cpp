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

int MedirMHz(int milisegundos) {
  using Reloj = std::chrono::steady_clock;
#ifdef SENDARO_CON_TSC
  const auto t0 = Reloj::now();
  const std::uint64_t c0 = __rdtsc();
  std::this_thread::sleep_for(std::chrono::milliseconds(milisegundos));
  const std::uint64_t c1 = __rdtsc();
  const auto t1 = Reloj::now();
  const double micro = std::chrono::duration<double, std::micro>(t1 - t0).count();
  if (micro > 0) return static_cast<int>(std::lround(static_cast<double>(c1 - c0) / micro));
#else
  (void)milisegundos;
#endif
  const double porSegundo =
      static_cast<double>(Reloj::period::den) / static_cast<double>(Reloj::period::num);
  return static_cast<int>(std::lround(porSegundo / 1e6));
}

}  // namespace sendaro::escena
