// The three maps: Spain's communities, Catalonia's comarcas, Madrid's zones.
// Schematic: coast and borders are simplified outlines; inside them every
// pixel belongs to the nearest seed (province capitals, comarca capitals,
// zone centres), which gives recognisable shapes at this small size.
#pragma once

#include <vector>

#include "mapas.h"

namespace sendaro::recursos {

// Longitude/latitude to pixels of the communities map.
inline Punto Peninsula(double lon, double lat) { return {40 + (lon + 9.4) * 15.0, 26 + (43.8 - lat) * 18.5}; }
// Longitude/latitude to pixels of the comarcas map.
inline Punto Cataluna(double lon, double lat) { return {22 + (lon - 0.15) * 72.0, 8 + (42.88 - lat) * 88.0}; }

inline std::vector<Punto> Proyectar(const std::vector<Punto>& lonlat, Punto (*f)(double, double)) {
  std::vector<Punto> r;
  for (const auto& p : lonlat) r.push_back(f(p.x, p.y));
  return r;
}

// Spain's mainland outline (lon, lat), clockwise from the mouth of the Miño.
inline std::vector<Punto> ContornoEspana() {
  return {{-8.87, 41.87}, {-8.85, 42.2}, {-9.05, 42.5}, {-9.3, 42.9},  {-9.2, 43.2},  {-8.4, 43.4},
          {-8.2, 43.55},  {-7.7, 43.79}, {-7.0, 43.56}, {-6.0, 43.58}, {-5.8, 43.66}, {-5.2, 43.5},
          {-3.8, 43.5},   {-2.93, 43.42}, {-1.98, 43.33}, {-1.78, 43.37}, {-1.4, 43.05}, {-0.7, 42.8},
          {0.0, 42.7},    {0.7, 42.86},  {1.45, 42.6},  {2.0, 42.4},   {2.6, 42.35},  {3.17, 42.43},
          {3.3, 42.32},   {3.15, 41.9},  {2.8, 41.65},  {2.2, 41.38},  {1.5, 41.18},  {1.2, 41.08},
          {0.9, 40.75},   {0.4, 40.3},   {0.0, 39.98},  {-0.33, 39.45}, {-0.2, 39.0},  {0.23, 38.73},
          {-0.48, 38.34}, {-0.7, 37.9},  {-0.98, 37.6}, {-1.6, 37.35}, {-2.2, 36.72}, {-2.46, 36.83},
          {-3.5, 36.72},  {-4.42, 36.7}, {-5.0, 36.45}, {-5.35, 36.15}, {-5.6, 36.0},  {-6.3, 36.5},
          {-6.4, 36.8},   {-6.95, 37.2}, {-7.42, 37.2}, {-7.5, 37.5},  {-7.3, 38.0},  {-7.1, 38.2},
          {-7.3, 38.6},   {-7.0, 39.0},  {-7.5, 39.6},  {-6.9, 40.2},  {-6.8, 40.9},  {-6.9, 41.0},
          {-6.2, 41.6},   {-6.6, 41.95}, {-7.2, 41.9},  {-8.1, 42.0}};
}

// Portugal and the south of France, drawn as neighbouring land (no region).
inline std::vector<Punto> ContornoPortugal() {
  return {{-8.87, 41.87}, {-8.1, 42.0}, {-7.2, 41.9}, {-6.6, 41.95}, {-6.2, 41.6}, {-6.9, 41.0},
          {-6.8, 40.9},   {-6.9, 40.2}, {-7.5, 39.6}, {-7.0, 39.0},  {-7.3, 38.6}, {-7.1, 38.2},
          {-7.3, 38.0},   {-7.5, 37.5}, {-7.42, 37.2}, {-8.0, 37.0}, {-8.95, 37.0}, {-8.8, 38.0},
          {-8.9, 38.5},   {-9.5, 38.75}, {-9.4, 39.4}, {-8.9, 40.6},  {-8.7, 41.2}};
}
inline std::vector<Punto> ContornoFrancia() {
  return {{-1.78, 43.37}, {-1.5, 43.6}, {-1.25, 44.7}, {4.5, 44.7}, {4.5, 43.4}, {3.9, 43.5},
          {3.1, 43.1},    {3.05, 42.6}, {3.17, 42.43}, {2.6, 42.35}, {2.0, 42.4}, {1.45, 42.6},
          {0.7, 42.86},   {0.0, 42.7},  {-0.7, 42.8},  {-1.4, 43.05}};
}
inline std::vector<Punto> ContornoAfrica() {
  return {{-6.3, 35.78}, {-5.9, 35.8}, {-5.4, 35.92}, {-5.2, 35.6}, {-4.4, 35.2}, {-3.0, 35.25},
          {-2.2, 35.1},  {-1.2, 35.3}, {0.2, 35.9},   {1.2, 36.0},  {1.2, 34.9},  {-6.3, 34.9}};
}

// Balearic Islands (lon, lat).
inline std::vector<std::vector<Punto>> IslasBaleares() {
  return {
      {{2.35, 39.6}, {2.6, 39.95}, {3.1, 39.95}, {3.48, 39.72}, {3.25, 39.35}, {2.95, 39.35}, {2.75, 39.5}},
      {{3.8, 40.05}, {4.3, 39.98}, {4.32, 39.85}, {3.85, 39.93}},
      {{1.2, 38.98}, {1.45, 39.12}, {1.62, 39.03}, {1.5, 38.87}, {1.3, 38.88}},
      {{1.38, 38.7}, {1.6, 38.72}, {1.55, 38.64}}};
}

// The Canary Islands, drawn in an inset at the lower left (pixels).
inline std::vector<std::vector<Punto>> IslasCanarias() {
  auto isla = [](std::vector<Punto> pts) {
    for (auto& p : pts) p = {8 + (p.x + 18.3) * 13.0, 158 + (29.45 - p.y) * 15.0};
    return pts;
  };
  return {isla({{-18.0, 28.85}, {-17.75, 28.85}, {-17.75, 28.5}, {-17.9, 28.5}}),   // La Palma
          isla({{-17.35, 28.2}, {-17.1, 28.2}, {-17.1, 28.02}, {-17.35, 28.05}}),   // La Gomera
          isla({{-18.15, 27.82}, {-17.9, 27.85}, {-17.9, 27.65}, {-18.1, 27.7}}),   // El Hierro
          isla({{-16.9, 28.4}, {-16.1, 28.58}, {-16.3, 28.3}, {-16.6, 28.0}, {-16.9, 28.15}}),  // Tenerife
          isla({{-15.8, 28.17}, {-15.4, 28.15}, {-15.35, 27.9}, {-15.6, 27.74}, {-15.8, 27.9}}),  // Gran Canaria
          isla({{-14.5, 28.75}, {-13.85, 28.72}, {-13.9, 28.2}, {-14.5, 28.05}}),   // Fuerteventura
          isla({{-13.9, 29.25}, {-13.4, 29.2}, {-13.45, 28.85}, {-13.85, 28.9}})};  // Lanzarote
}

// Communities in the program's numbering.
enum Comunidad : std::uint8_t {
  kAndalucia = 1, kAragon, kAsturias, kBaleares, kCanarias, kCantabria, kCastillaLaMancha,
  kCastillaLeon, kCataluna, kExtremadura, kGalicia, kRioja, kMadrid, kMurcia, kNavarra,
  kValenciana, kPaisVasco, kCeuta, kMelilla
};

// Province capitals (and a few helper points that shape the long borders).
inline std::vector<Semilla> SemillasComunidades() {
  struct S {
    std::uint8_t c;
    double lon, lat;
  };
  const S s[] = {
      {kAndalucia, -2.3, 37.25}, {kAndalucia, -5.8, 36.55}, {kAndalucia, -4.8, 37.95},
      {kAndalucia, -3.25, 37.3}, {kAndalucia, -6.8, 37.65}, {kAndalucia, -3.5, 38.0},
      {kAndalucia, -4.6, 36.85}, {kAndalucia, -5.7, 37.45},
      {kAragon, -0.1, 42.2},     {kAragon, -1.0, 41.6},     {kAragon, -0.8, 40.6},
      {kAsturias, -6.0, 43.3},   {kAsturias, -6.8, 43.3},
      {kCantabria, -4.0, 43.2},
      {kCastillaLaMancha, -1.9, 38.8}, {kCastillaLaMancha, -3.8, 38.95}, {kCastillaLaMancha, -2.0, 39.95},
      {kCastillaLaMancha, -2.5, 40.85}, {kCastillaLaMancha, -4.15, 39.75},
      {kCastillaLeon, -4.95, 40.6}, {kCastillaLeon, -3.65, 42.3}, {kCastillaLeon, -5.8, 42.65},
      {kCastillaLeon, -4.5, 42.35}, {kCastillaLeon, -6.05, 40.8}, {kCastillaLeon, -4.0, 41.15},
      {kCastillaLeon, -2.55, 41.65}, {kCastillaLeon, -4.8, 41.65}, {kCastillaLeon, -6.0, 41.75},
      {kCataluna, 1.9, 41.7},    {kCataluna, 2.6, 42.1},    {kCataluna, 1.0, 42.0},
      {kCataluna, 0.9, 41.1},
      {kExtremadura, -6.3, 38.7}, {kExtremadura, -6.2, 39.7},
      {kGalicia, -8.3, 43.1},    {kGalicia, -7.5, 43.0},    {kGalicia, -7.7, 42.2},
      {kGalicia, -8.5, 42.4},
      {kRioja, -2.45, 42.3},
      {kMadrid, -3.7, 40.45},
      {kMurcia, -1.5, 38.0},
      {kNavarra, -1.6, 42.75},
      {kValenciana, -0.6, 38.5}, {kValenciana, -0.2, 40.2}, {kValenciana, -0.7, 39.3},
      {kPaisVasco, -2.7, 42.85}, {kPaisVasco, -2.1, 43.2},  {kPaisVasco, -2.9, 43.25},
  };
  std::vector<Semilla> r;
  for (const auto& e : s) r.push_back({e.c, Peninsula(e.lon, e.lat)});
  return r;
}

// Ceuta and Melilla: small marks on the African coast (pixels).
inline Punto CentroCeuta() { return Peninsula(-5.32, 35.6); }
inline Punto CentroMelilla() { return Peninsula(-2.94, 35.05); }

inline Rejilla RejillaComunidades() {
  Rejilla r(kAnchoMapa, kAltoComunidades);
  Repartir(r, Proyectar(ContornoEspana(), Peninsula), SemillasComunidades());
  for (const auto& isla : IslasBaleares()) Rellenar(r, Proyectar(isla, Peninsula), kBaleares);
  for (const auto& isla : IslasCanarias()) Rellenar(r, isla, kCanarias);
  auto marca = [&r](Punto c, std::uint8_t codigo) {
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx)
        if (dx * dx + dy * dy <= 5) r.Poner(static_cast<int>(c.x) + dx, static_cast<int>(c.y) + dy, codigo);
  };
  marca(CentroCeuta(), kCeuta);
  marca(CentroMelilla(), kMelilla);
  return r;
}

// Catalonia's outline (lon, lat), clockwise from the Val d'Aran.
inline std::vector<Punto> ContornoCataluna() {
  return {{0.66, 42.86}, {0.98, 42.8},  {1.2, 42.72},  {1.44, 42.6},  {1.42, 42.45}, {1.72, 42.49},
          {1.98, 42.44}, {2.5, 42.35},  {3.17, 42.43}, {3.32, 42.32}, {3.12, 42.12}, {3.22, 41.95},
          {2.8, 41.65},  {2.3, 41.45},  {2.1, 41.28},  {1.6, 41.18},  {1.2, 41.06},  {0.95, 40.95},
          {0.87, 40.72}, {0.6, 40.6},   {0.52, 40.52}, {0.28, 40.62}, {0.22, 40.8},  {0.3, 41.1},
          {0.35, 41.4},  {0.38, 41.75}, {0.55, 42.05}, {0.7, 42.3},   {0.66, 42.6}};
}

// Comarca seeds: number in "comarcas" (1..41) and capital (lon, lat); some
// comarcas have a second point to follow their shape.
struct ComarcaGeo {
  std::uint8_t numero;
  double lon, lat;
};
inline std::vector<ComarcaGeo> SemillasComarcasLonLat() {
  return {
      {1, 1.25, 41.29},  {2, 2.96, 42.27},  {2, 2.95, 42.38},  {3, 1.70, 41.38},  {4, 1.46, 42.3},
      {4, 1.35, 42.15},  {5, 0.74, 42.45},  {6, 1.62, 41.58},  {7, 1.83, 41.75},  {8, 1.02, 41.18},
      {9, 0.5, 40.85},   {10, 3.05, 41.96}, {11, 1.98, 41.4},  {12, 1.5, 41.24},  {37, 2.16, 41.4},
      {14, 1.85, 42.12}, {15, 1.85, 42.42}, {16, 1.16, 41.4},  {17, 1.76, 41.26}, {18, 0.87, 41.45},
      {19, 2.49, 42.18}, {20, 2.82, 41.98}, {21, 2.5, 41.6},   {22, 0.5, 40.66},  {23, 0.95, 41.9},
      {23, 0.8, 41.8},   {24, 2.25, 41.95}, {25, 0.92, 42.2},  {26, 1.18, 42.55}, {27, 0.9, 41.64},
      {28, 2.74, 42.12}, {29, 0.8, 41.17},  {30, 0.62, 41.1},  {31, 2.2, 42.25},  {32, 1.28, 41.7},
      {33, 0.57, 41.6},  {34, 2.7, 41.8},   {35, 1.52, 42.0},  {36, 1.24, 41.12}, {13, 0.42, 41.05},
      {38, 1.12, 41.63}, {39, 0.8, 42.72},  {40, 2.04, 41.56}, {41, 2.3, 41.66},
  };
}

inline Rejilla RejillaComarcas() {
  Rejilla r(kAnchoMapa, kAltoDetalle);
  std::vector<Semilla> semillas;
  for (const auto& c : SemillasComarcasLonLat()) semillas.push_back({c.numero, Cataluna(c.lon, c.lat)});
  Repartir(r, Proyectar(ContornoCataluna(), Cataluna), semillas);
  return r;
}

// Madrid: the community's outline and the zone centres, in pixels of a
// schematic map in which the capital is drawn larger than it is, so that its
// eleven zones can be pointed at.
inline std::vector<Punto> ContornoMadrid() {
  return {{150, 8},   {166, 20},  {176, 44},  {200, 58},  {228, 72},  {240, 94},  {233, 120},
          {220, 148}, {203, 168}, {188, 186}, {168, 190}, {150, 186}, {134, 174}, {110, 166},
          {82, 160},  {56, 154},  {40, 140},  {50, 120},  {60, 100},  {76, 76},   {96, 56},
          {116, 40},  {132, 24}};
}
inline Punto CentroCiudad() { return {152, 108}; }
inline constexpr double kRadioCiudad = 40.0;

inline std::vector<Semilla> SemillasCiudad() {
  return {{1, {150, 104}},  {2, {156, 128}}, {3, {168, 92}},  {4, {148, 80}},
          {5, {126, 104}},  {6, {134, 128}}, {7, {172, 130}}, {8, {184, 114}},
          {9, {186, 98}},   {10, {174, 76}}, {11, {150, 144}}};
}
inline std::vector<Semilla> SemillasAfueras() {
  return {{28, {150, 28}},  {13, {140, 54}},  {12, {172, 56}},  {16, {96, 64}},
          {27, {66, 96}},   {14, {106, 80}},  {15, {100, 108}}, {26, {66, 140}},
          {23, {104, 138}}, {22, {118, 162}}, {21, {134, 156}}, {20, {160, 164}},
          {24, {150, 176}}, {25, {176, 182}}, {19, {200, 146}}, {18, {212, 112}},
          {17, {218, 86}}};
}

inline Rejilla RejillaZonas() {
  Rejilla r(kAnchoMapa, kAltoDetalle);
  Repartir(r, ContornoMadrid(), SemillasAfueras());
  const auto ciudad = SemillasCiudad();
  const Punto c = CentroCiudad();
  for (int y = 0; y < r.alto; ++y) {
    for (int x = 0; x < r.ancho; ++x) {
      const double dx = x + 0.5 - c.x;
      const double dy = y + 0.5 - c.y;
      if (dx * dx + dy * dy > kRadioCiudad * kRadioCiudad) continue;
      double mejor = 1e300;
      std::uint8_t codigo = 0;
      for (const auto& s : ciudad) {
        const double d = (s.p.x - x - 0.5) * (s.p.x - x - 0.5) + (s.p.y - y - 0.5) * (s.p.y - y - 0.5);
        if (d < mejor) {
          mejor = d;
          codigo = s.codigo;
        }
      }
      r.Poner(x, y, codigo);
    }
  }
  return r;
}

}  // namespace sendaro::recursos
