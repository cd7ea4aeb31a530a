// Geometry of the three map pictures and the region table built from it.
// The pictures and "puntos3" are drawn from the same label grids, so the
// region code under every pixel is the region the picture shows there.
// Plain C++ (no Qt): the domain tests check the table's layout.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace sendaro::recursos {

struct Punto {
  double x;
  double y;
};

// A grid of region codes, one byte per pixel (0: no region).
struct Rejilla {
  int ancho = 0;
  int alto = 0;
  std::vector<std::uint8_t> codigos;

  Rejilla() = default;
  Rejilla(int w, int h) : ancho(w), alto(h), codigos(static_cast<std::size_t>(w * h), 0) {}
  std::uint8_t En(int x, int y) const {
    if (x < 0 || y < 0 || x >= ancho || y >= alto) return 0;
    return codigos[static_cast<std::size_t>(y * ancho + x)];
  }
  void Poner(int x, int y, std::uint8_t c) {
    if (x < 0 || y < 0 || x >= ancho || y >= alto) return;
    codigos[static_cast<std::size_t>(y * ancho + x)] = c;
  }
};

// Point in polygon (even-odd), pixel centres.
inline bool Dentro(const std::vector<Punto>& pol, double x, double y) {
  bool dentro = false;
  for (std::size_t i = 0, j = pol.size() - 1; i < pol.size(); j = i++) {
    const auto& a = pol[i];
    const auto& b = pol[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) dentro = !dentro;
  }
  return dentro;
}

// A centre point of a region: pixels inside the outline go to the nearest centre point.
struct Semilla {
  std::uint8_t codigo;
  Punto p;
};

// Fills `r` inside `contorno` with the code of the nearest centre point.
inline void Repartir(Rejilla& r, const std::vector<Punto>& contorno,
                     const std::vector<Semilla>& semillas) {
  for (int y = 0; y < r.alto; ++y) {
    for (int x = 0; x < r.ancho; ++x) {
      const double cx = x + 0.5;
      const double cy = y + 0.5;
      if (!Dentro(contorno, cx, cy)) continue;
      double mejor = 1e300;
      std::uint8_t codigo = 0;
      for (const auto& s : semillas) {
        const double d = (s.p.x - cx) * (s.p.x - cx) + (s.p.y - cy) * (s.p.y - cy);
        if (d < mejor) {
          mejor = d;
          codigo = s.codigo;
        }
      }
      r.Poner(x, y, codigo);
    }
  }
}

inline void Rellenar(Rejilla& r, const std::vector<Punto>& pol, std::uint8_t codigo) {
  for (int y = 0; y < r.alto; ++y) {
    for (int x = 0; x < r.ancho; ++x) {
      if (Dentro(pol, x + 0.5, y + 0.5)) r.Poner(x, y, codigo);
    }
  }
}

// Map sizes, and the layout of "puntos3": 281 columns of 636 little-endian
// 32-bit integers; in column x the communities take integers 0..195 (rows
// 1..196), the comarcas 220..439, the zones 440..659 (the last 24 of them run
// into the next column). Table column x and row y are picture pixel (x, y).
inline constexpr int kAnchoMapa = 281;
inline constexpr int kAltoComunidades = 196;
inline constexpr int kAltoDetalle = 220;
inline constexpr int kEnterosColumna = 636;
inline constexpr int kInicioComarcas = 220;
inline constexpr int kInicioZonas = 440;
inline constexpr std::size_t kBytesPuntos = 281u * 636u * 4u;

// The region table as it will be read back: value of table (0 communities,
// 1 comarcas, 2 zones) at column x, row y (both from 1).
inline int LeerTablaPuntos(const std::string& bytes, int tabla, int x, int y) {
  const int alto = tabla == 0 ? kAltoComunidades : kAltoDetalle;
  if (x < 1 || x > kAnchoMapa || y < 1 || y > alto) return 0;
  const int inicio = tabla == 0 ? 0 : (tabla == 1 ? kInicioComarcas : kInicioZonas);
  const std::size_t entero =
      static_cast<std::size_t>(x - 1) * kEnterosColumna + static_cast<std::size_t>(inicio + y - 1);
  const std::size_t pos = entero * 4;
  if (pos + 4 > bytes.size()) return 0;
  return static_cast<unsigned char>(bytes[pos]);
}

// Builds the record. Fails (returns a message) when the zone map would
// disagree with itself: its rows 197..220 share integers with the next
// column's communities rows 1..24.
inline std::string Puntos3(const Rejilla& comunidades, const Rejilla& comarcas,
                           const Rejilla& zonas, std::string& error) {
  std::vector<std::uint8_t> enteros(static_cast<std::size_t>(kAnchoMapa) * kEnterosColumna, 0);
  auto poner = [&enteros](int x, int indice, std::uint8_t v) {
    const std::size_t i = static_cast<std::size_t>(x - 1) * kEnterosColumna + static_cast<std::size_t>(indice);
    if (i < enteros.size()) enteros[i] = v;
  };
  for (int x = 1; x <= kAnchoMapa; ++x) {
    for (int y = 1; y <= kAltoComunidades; ++y) poner(x, y - 1, comunidades.En(x, y));
    for (int y = 1; y <= kAltoDetalle; ++y) poner(x, kInicioComarcas + y - 1, comarcas.En(x, y));
  }
  for (int x = 1; x <= kAnchoMapa; ++x) {
    for (int y = 1; y <= kAltoDetalle; ++y) {
      const std::uint8_t v = zonas.En(x, y);
      const int indice = kInicioZonas + y - 1;
      if (indice >= kEnterosColumna) {
        // Shared with the next column's communities: both must agree.
        const std::uint8_t otro = x < kAnchoMapa ? comunidades.En(x + 1, indice - kEnterosColumna + 1) : 0;
        if (v != otro) {
          error = "la zona " + std::to_string(v) + " en (" + std::to_string(x) + "," +
                  std::to_string(y) + ") choca con la comunidad " + std::to_string(otro);
        }
        continue;
      }
      poner(x, indice, v);
    }
  }
  std::string bytes(kBytesPuntos, '\0');
  for (std::size_t i = 0; i < enteros.size(); ++i) bytes[i * 4] = static_cast<char>(enteros[i]);
  return bytes;
}

}  // namespace sendaro::recursos
