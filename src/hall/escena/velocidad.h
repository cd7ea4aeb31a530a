// Speed tiers of the scene: the machine's clock, measured once, chooses how
// far the figure moves per frame and how fast the intro types.
#pragma once

namespace sendaro::escena {

struct Tramo {
  double s;  // speed factor
  int m;     // move count handed to the world every frame
  int t;     // period value of the intro typing
};

// The tier of a clock in MHz.
Tramo TramoVelocidad(int mhz);

// Frames between two typed characters of the intro: t / 9, and one per frame
// on the slowest tiers, where that would be 0 and the intro never ended.
int FramesPorLetra(const Tramo& tramo);

// The processor clock in MHz, to the nearest integer: the time-stamp counter
// against the steady clock over at least `milisegundos`, counted from the
// program's start (both counters are read during static initialisation), so
// that a measurement made after start-up has run that long waits for nothing;
// where there is no time-stamp counter, the steady clock's own tick rate.
int MedirMHz(int milisegundos = 10);

}  // namespace sendaro::escena
