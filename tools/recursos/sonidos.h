// The two sounds, synthesised: a key click and a motor hum. 16-bit PCM mono,
// 22,050 Hz, written as RIFF/WAVE by hand.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace sendaro::recursos {

inline constexpr int kMuestrasPorSegundo = 22050;

inline std::string Wav(const std::vector<std::int16_t>& muestras) {
  std::string b;
  auto u32 = [&b](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>((v >> (8 * i)) & 0xFFu));
  };
  auto u16 = [&b](std::uint16_t v) {
    b.push_back(static_cast<char>(v & 0xFFu));
    b.push_back(static_cast<char>((v >> 8) & 0xFFu));
  };
  const auto datos = static_cast<std::uint32_t>(muestras.size() * 2);
  b += "RIFF";
  u32(36 + datos);
  b += "WAVEfmt ";
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(kMuestrasPorSegundo);
  u32(kMuestrasPorSegundo * 2);
  u16(2);
  u16(16);
  b += "data";
  u32(datos);
  for (const auto m : muestras) u16(static_cast<std::uint16_t>(m));
  return b;
}

inline std::int16_t Muestra(double v) {
  if (v > 1.0) v = 1.0;
  if (v < -1.0) v = -1.0;
  return static_cast<std::int16_t>(std::lround(v * 32000.0));
}

// A soft typewriter-like click: a short noise burst over a quickly damped
// 1.8 kHz tone, about 45 ms.
inline std::vector<std::int16_t> Tecla() {
  const int n = kMuestrasPorSegundo * 45 / 1000;
  std::vector<std::int16_t> m;
  std::uint32_t semilla = 12345;
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kMuestrasPorSegundo;
    semilla = semilla * 1664525u + 1013904223u;
    const double ruido = (static_cast<double>(semilla >> 8) / 8388608.0) - 1.0;
    const double tono = std::sin(2 * M_PI * 1800 * t) * std::exp(-t * 160);
    const double golpe = ruido * std::exp(-t * 420);
    m.push_back(Muestra(0.55 * tono + 0.35 * golpe));
  }
  return m;
}

// Three seconds of an idling engine: a 49 Hz fundamental with harmonics and a
// 7 Hz throb. Every component completes whole cycles, so the sound loops
// without a click.
inline std::vector<std::int16_t> Motor() {
  const int n = kMuestrasPorSegundo * 3;
  std::vector<std::int16_t> m;
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kMuestrasPorSegundo;
    const double w = 2 * M_PI * 49 * t;
    double v = 0.42 * std::sin(w) + 0.25 * std::sin(2 * w + 0.4) + 0.14 * std::sin(3 * w + 1.1) +
               0.08 * std::sin(5 * w) + 0.05 * std::sin(8 * w + 0.7);
    v *= 0.75 + 0.25 * std::sin(2 * M_PI * 7 * t);
    v += 0.04 * std::sin(2 * M_PI * 196 * t) * std::sin(2 * M_PI * 1 * t);
    m.push_back(Muestra(v * 0.8));
  }
  return m;
}

}  // namespace sendaro::recursos
