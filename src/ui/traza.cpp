#include "ui/traza.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace sendaro {

namespace {

double Milisegundos(clockid_t reloj) {
  timespec t{};
  clock_gettime(reloj, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Origen {
  bool activa = std::getenv("SENDARO_TRAZA") != nullptr;
  double inicio = Milisegundos(CLOCK_MONOTONIC);
};

Origen& Reloj() {
  static Origen origen;
  return origen;
}

// Starts the clock during static initialisation, before main().
const bool kArrancado = (Reloj(), true);

}  // namespace

void Traza(const char* marca) {
  const Origen& o = Reloj();
  if (!o.activa) return;
  std::fprintf(stderr, "traza %8.2f ms  cpu %7.2f ms  %s\n",
               Milisegundos(CLOCK_MONOTONIC) - o.inicio,
               Milisegundos(CLOCK_THREAD_CPUTIME_ID), marca);
}

}  // namespace sendaro
