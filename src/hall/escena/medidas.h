// Sizes of the scene's pictures. The world's walls, corridors and doors are
// laid out for these sizes: the picture generator draws them at these sizes
// and the tests build their picture banks from the same table.
#pragma once

#include <string_view>

namespace sendaro::escena {

struct Medida {
  std::string_view nombre;
  int ancho;
  int alto;
  int patrones;
};

// Every theme's scene list.
inline constexpr Medida kMedidasTema[] = {
    {"background", 64, 64, 1},  {"lateral1", 185, 279, 1}, {"lateral2", 185, 279, 1},
    {"paredEx", 257, 402, 1},   {"pared", 937, 268, 1},    {"paredUp", 937, 131, 1},
    {"paredUp2", 257, 131, 1},  {"rotulo1", 180, 56, 1},   {"rotulo2", 180, 56, 1},
    {"rotulos", 290, 64, 1},    {"tabla1", 230, 50, 1},    {"puertaB", 160, 230, 1},
    {"puertab", 160, 230, 1},   {"puer3", 160, 230, 1},    {"faraon1", 96, 130, 1},
    {"faraon2", 96, 130, 1},    {"pedestal", 140, 110, 1}, {"bocadillo", 220, 90, 1},
    {"zoomC", 150, 93, 1},      {"zoom", 820, 300, 1},
};

// The common list besides the figure's frames.
inline constexpr Medida kMedidasComunes[] = {
    {"circ1", 28, 56, 1},   {"circ2", 28, 56, 1}, {"circ3", 28, 56, 1},    {"circ4", 28, 56, 1},
    {"circ5", 28, 56, 1},   {"circ6", 28, 56, 1}, {"diana", 9, 9, 1},      {"diana2", 9, 9, 1},
    {"lupa", 44, 46, 1},    {"lupa2", 44, 46, 1}, {"puertaS", 44, 46, 1},  {"puertaS2", 44, 46, 1},
    {"puerta2", 160, 230, 1},
};

// The figure: ten frames per direction, "manup01".."mandoizq10".
inline constexpr std::string_view kConjuntosFigura[] = {
    "manup", "mandown", "mander", "manizq", "manupder", "manupizq", "mandoder", "mandoizq"};
inline constexpr int kFramesFigura = 10;
inline constexpr int kAnchoFigura = 72;
inline constexpr int kAltoFigura = 168;

// Animated decorations.
inline constexpr Medida kMedidasAdornos[] = {
    {"antorcha", 40, 90, 8}, {"bandera", 60, 90, 8},  {"mariposa", 44, 40, 8},
    {"espada", 50, 120, 8},  {"payaso", 70, 120, 8},
};

// The passage through "pared" and "paredUp": left and right edge inside the
// picture. The walls leave it open where the figure crosses them.
inline constexpr int kPasoIzquierdo = 393;
inline constexpr int kPasoDerecho = 553;

}  // namespace sendaro::escena
