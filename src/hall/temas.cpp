#include "hall/temas.h"

#include <array>

namespace sendaro {

namespace {

constexpr std::array<Tema, 6> kTemas = {{
    {'I', "faraoni.bmp", "inca.DXG", "", "", "partei", "todoi", "sueloi", "marcoDERa",
     "marcoIZQa", "rotuloa.bmp", {128, 0, 0}, {241, 217, 192}, {0, 0, 128}, {255, 255, 128},
     {247, 202, 98}},
    {'F', "arbol.bmp", "flor.DXG", "antorchaf.dxg", "flor.dxw", "partef", "todof", "suelof",
     "marcoDE", "marcoIZ", "rotuloa.bmp", {0, 0, 255}, {170, 255, 100}, {128, 0, 0},
     {128, 0, 0}, {128, 0, 0}},
    {'C', "caballe.bmp", "casti.DXG", "antorcha.dxg", "nieve.dxw", "partec", "todoc", "sueloc",
     "marcoDERa", "marcoIZQa", "rotuloa.bmp", {222, 115, 18}, {188, 119, 99}, {255, 255, 255},
     {0, 0, 128}, {255, 255, 0}},
    {'N', "nieve.bmp", "nieve.DXG", "antorcha.dxg", "nieve.dxw", "parten", "todon", "suelon",
     "marcoDERn", "marcoIZQn", "rotulon.bmp", {0, 0, 255}, {0, 0, 255}, {255, 255, 255},
     {0, 0, 128}, {255, 255, 0}},
    {'A', "", "AZTECA.DXG", "antorcha.dxg", "inicio.dxw", "partea", "todoa", "sueloa",
     "marcoDERa", "marcoIZQa", "rotuloa.bmp", {0, 128, 0}, {0, 128, 0}, {255, 255, 0},
     {255, 255, 0}, {0, 0, 0}},
    {'P', "", "prehis.dxg", "antorcha.dxg", "inicio.dxw", "partep", "todoP", "sueloP", "marcoDE",
     "marcoIZ", "rotuloa.bmp", {0, 128, 0}, {0, 128, 0}, {255, 255, 0}, {255, 255, 0},
     {0, 0, 0}},
}};

}  // namespace

const Tema* BuscarTema(char letra) {
  for (const Tema& tema : kTemas) {
    if (tema.letra == letra) return &tema;
  }
  return nullptr;
}

}  // namespace sendaro
