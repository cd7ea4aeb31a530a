// Scene themes: the letter LetraTema chooses the hall's pictures, the tiles
// every section screen uses and five colours of the palette.
#pragma once

#include <cstdint>
#include <string_view>

namespace sendaro {

struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  friend bool operator==(const Color&, const Color&) = default;
};

// Asset file names of one theme; an empty name means the theme has none.
// Names without an extension are bitmaps (".bmp" is added when loading).
struct Tema {
  char letra;
  std::string_view Lateral;       // side picture, shown in Imagefaraon
  std::string_view Escena;        // scene images
  std::string_view Decoraciones;  // animated decorations of the scene
  std::string_view Sonidos;       // scene sounds
  std::string_view Pared;         // wall tile of the static hall
  std::string_view Todo;          // full hall picture
  std::string_view Suelo;         // floor tile behind section pages
  std::string_view MarcoDerecho;  // right border tile
  std::string_view MarcoIzquierdo;
  std::string_view Rotulo;  // stop-studying sign

  Color ColorNombre;
  Color ColorTitulo;
  Color ColorTextoTitulo;
  Color ColorAno;
  Color ColorPuerta;
};

// The theme of a letter, compared exactly (upper case); nullptr for any
// other letter.
const Tema* BuscarTema(char letra);

// Fixed palette, the same in every theme.
inline constexpr Color ColorMenu{241, 217, 192};
inline constexpr Color ColorListas{253, 236, 192};
inline constexpr Color ColorImpresion{192, 220, 206};
inline constexpr Color ColorSeleccion{170, 255, 100};
inline constexpr Color ColorFondo1{255, 239, 206};
inline constexpr Color ColorFondo2{216, 249, 153};

// Pictures every theme shares.
inline constexpr std::string_view kMapas[] = {"mapa", "mapac", "mapam"};
inline constexpr std::string_view kHeli = "heli.bmp";
inline constexpr std::string_view kPiel = "mdd_spring.ssk";

}  // namespace sendaro
