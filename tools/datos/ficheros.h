// Every file of an installation: what the data tool writes and checks.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sendaro::datos {

// Language subfolders and the catalogue source of each language.
struct Idioma {
  const char* subcarpeta;  // "" = program folder (Spanish)
  const char* fuente;      // catalogue source in instalacion/textos/
};
inline constexpr std::array<Idioma, 4> kIdiomas = {
    {{"", "es.txt"}, {"catVal", "ca.txt"}, {"galego", "gl.txt"}, {"euskera", "eu.txt"}}};

// A fixed-column text data file read through the program's shared readers.
struct FicheroTexto {
  const char* nombre;
  bool idioma;    // also read from the language subfolders
  int bloque;     // block size in lines (0: not a block file)
  int capacidad;  // most lines the program keeps
};

inline constexpr std::array<FicheroTexto, 44> kFicherosTexto = {{
    {"carreran", true, 0, 1000},   {"CARRERA", true, 0, 1000},    {"OTROS", true, 0, 1000},
    {"REQUISIT", true, 0, 1000},   {"SALIDAS", true, 0, 1000},    {"CUALIDAD", true, 0, 1000},
    {"INTERES", true, 0, 1000},    {"GRUPOS", true, 0, 1000},     {"FP", true, 0, 1000},
    {"carreFP", true, 0, 1000},    {"REQFP", true, 0, 1000},      {"asignacar", true, 31, 5000},
    {"asignacarn", true, 15, 5000}, {"asignafp", true, 26, 5000}, {"asignaot", true, 51, 2500},
    {"COMUNIDA", false, 0, 1000},  {"LUGAR", false, 0, 1000},     {"COMUINT", false, 0, 1000},
    {"LU1", false, 0, 1000},       {"LU2", false, 0, 1000},       {"LU3", false, 0, 1000},
    {"LU4", false, 0, 1000},       {"dobles", false, 0, 5200},    {"comarcas", false, 0, 60},
    {"comarcasm", false, 0, 100},  {"artesplas", true, 0, 1000},  {"musica", true, 0, 1000},
    {"danza", true, 0, 1000},      {"dramatico", true, 0, 1000},  {"MATERIAS", true, 0, 1000},
    {"CARRERAS", true, 0, 1000},   {"INFORMA", true, 0, 1000},    {"FPS", true, 0, 1000},
    {"TITULOS", true, 0, 1000},    {"CUESTION", true, 0, 1000},   {"CUESGM", true, 0, 1000},
    {"ITINERAR", true, 0, 1000},   {"FP2", true, 0, 1000},        {"asignagm", true, 26, 5000},
    {"certifica", true, 0, 1000},  {"certificaH", true, 0, 250},  {"fpip", true, 0, 1000},
    {"IPmodulos", true, 0, 1000},  {"familias", true, 0, 1000},
}};
// "textos" (the catalogue) is written from its own sources, in every language.
// Language-dependent files are written to the program folder as well: the
// degrees screen reads "asignacarn" a second time from there.

// Record files with their exact sizes.
struct FicheroRegistro {
  const char* nombre;
  std::uintmax_t bytes;
};
inline constexpr std::uintmax_t kBytesPuntos = 281u * 636u * 4u;          // 714,864
inline constexpr std::uintmax_t kBytesRegistroGM = 170u * 351u * 2u;      // 119,340
inline constexpr std::array<FicheroRegistro, 2> kFicherosRegistro = {
    {{"puntos3", kBytesPuntos}, {"datFPL2", 4 * kBytesRegistroGM}}};

// Pictures: name, and the exact size the screens lay them out at (0: free).
struct FicheroImagen {
  const char* nombre;
  int ancho;
  int alto;
};
inline constexpr std::array<FicheroImagen, 35> kImagenes = {{
    {"chica.bmp", 0, 0},      {"heli.bmp", 0, 0},        {"mapa.bmp", 281, 196},
    {"mapac.bmp", 281, 220},  {"mapam.bmp", 281, 220},   {"rotuloa.bmp", 97, 57},
    {"rotulon.bmp", 97, 57},  {"marcoDERa.bmp", 23, 0},  {"marcoIZQa.bmp", 23, 0},
    {"marcoDE.bmp", 23, 0},   {"marcoIZ.bmp", 23, 0},    {"marcoDERn.bmp", 23, 0},
    {"marcoIZQn.bmp", 23, 0}, {"faraoni.bmp", 0, 0},     {"arbol.bmp", 0, 0},
    {"caballe.bmp", 0, 0},    {"nieve.bmp", 0, 0},       {"partei.bmp", 174, 384},
    {"partef.bmp", 174, 384}, {"partec.bmp", 174, 384},  {"parten.bmp", 174, 384},
    {"partea.bmp", 174, 384}, {"partep.bmp", 174, 384},  {"todoi.bmp", 1024, 768},
    {"todof.bmp", 1024, 768}, {"todoc.bmp", 1024, 768},  {"todon.bmp", 1024, 768},
    {"todoa.bmp", 1024, 768}, {"todoP.bmp", 1024, 768},  {"sueloi.bmp", 0, 0},
    {"suelof.bmp", 0, 0},     {"sueloc.bmp", 0, 0},      {"suelon.bmp", 0, 0},
    {"sueloa.bmp", 0, 0},     {"sueloP.bmp", 0, 0},
}};

// Sounds: name and smallest size (motor.wav feeds a 40,000-byte loop buffer).
struct FicheroSonido {
  const char* nombre;
  std::uintmax_t minimo;
};
inline constexpr std::array<FicheroSonido, 2> kSonidos = {{{"tecla.wav", 1000}, {"motor.wav", 40000}}};

inline constexpr const char* kPiel = "mdd_spring.ssk";
inline constexpr const char* kAjustes = "centro.ini";
inline constexpr std::array<const char*, 4> kClavesAjustes = {"NombreCentro", "ConAnimacion",
                                                               "CodigoIdioma", "LetraTema"};

}  // namespace sendaro::datos
