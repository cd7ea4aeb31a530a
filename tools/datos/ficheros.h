// Every file of an installation: what the data tool writes and checks.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/disposiciones.h"
#include "data/lectores.h"
#include "data/lectores_fijos.h"

namespace sendaro::datos {

// Language subfolders and the catalogue source of each language.
struct Idioma {
  const char* subcarpeta;  // "" = program folder (Spanish)
  const char* fuente;      // catalogue source in instalacion/textos/
};
inline constexpr std::array<Idioma, 4> kIdiomas = {
    {{"", "es.txt"}, {"catVal", "ca.txt"}, {"galego", "gl.txt"}, {"euskera", "eu.txt"}}};

// A text data file read through the program's shared readers, with what the
// tool needs of its layout (src/data/disposiciones.h holds the layouts).
struct FicheroTexto {
  std::string_view nombre;
  bool idioma;    // also read from the language subfolders
  int bloque;     // block size in lines (0: not a block file)
  int capacidad;  // most lines the program keeps
  int ancho = 0;  // fixed-column files: text past this column is never read
};

// Most lines a reader keeps.
inline int CapacidadLineas(const FicheroDatos& f) {
  switch (f.lector) {
    case Lector::kTabla90:
      return kCapacidadTabla90;
    case Lector::kBloques:
      for (const auto& b : bloques::kTodos) {
        if (b.fichero == f.nombre) return b.capacidadLineas;
      }
      return 0;
    case Lector::kComarcas:
      return TablaComarcas::kCapacidad;
    case Lector::kZonas:
      return TablaZonas::kCapacidad;
    case Lector::kUniversidades:
      return TablaUniversidades::kCapacidad;
    case Lector::kDirecciones:
      return TablaDirecciones::kCapacidad;
    case Lector::kCentros:
      return TablaCentros::kCapacidad;
    case Lector::kDobles:
      return TablaDobles::kCapacidad * (1 + UniversidadDobles::kMaxDetalles);
    case Lector::kColumnas:
      return f.capacidad;
    default:
      return TablaLinea::kCapacidad;
  }
}

inline int TamanoBloque(const FicheroDatos& f) {
  for (const auto& b : bloques::kTodos) {
    if (b.fichero == f.nombre) return b.lineasPorBloque;
  }
  return 0;
}

// Every text data file; "textos" (the catalogue) is written from its own
// sources, and the record files apart. Language-dependent files are written
// to the program folder as well: the degrees screen reads "asignacarn" a
// second time from there.
inline std::vector<FicheroTexto> FicherosTexto() {
  std::vector<FicheroTexto> r;
  for (const auto& f : ficheros::kTodos) {
    if (f.lector == Lector::kTextos || f.lector == Lector::kLugaresGM ||
        f.lector == Lector::kPuntos) {
      continue;
    }
    r.push_back({f.nombre, f.idioma, TamanoBloque(f), CapacidadLineas(f),
                 f.lector == Lector::kColumnas ? f.ancho : 0});
  }
  return r;
}

// Record files with their exact sizes.
struct FicheroRegistro {
  std::string_view nombre;
  std::uintmax_t bytes;
};
inline std::vector<FicheroRegistro> FicherosRegistro() {
  std::vector<FicheroRegistro> r;
  for (const auto& d : registros::kTodos) {
    r.push_back({d.fichero, static_cast<std::uintmax_t>(d.BytesTotales())});
  }
  return r;
}

// Pictures: name, and the exact size the screens lay them out at (0: free).
struct FicheroImagen {
  const char* nombre;
  int ancho;
  int alto;
};
inline constexpr std::array<FicheroImagen, 35> kImagenes = {{
    {"chica.bmp", 0, 0},      {"heli.bmp", 0, 0},       {"mapa.bmp", 281, 196},
    {"mapac.bmp", 281, 220},  {"mapam.bmp", 281, 220},  {"rotuloa.bmp", 97, 57},
    {"rotulon.bmp", 97, 57},  {"marcoDERa.bmp", 23, 0}, {"marcoIZQa.bmp", 23, 0},
    {"marcoDE.bmp", 23, 0},   {"marcoIZ.bmp", 23, 0},   {"marcoDERn.bmp", 23, 0},
    {"marcoIZQn.bmp", 23, 0}, {"faraoni.bmp", 0, 0},    {"arbol.bmp", 0, 0},
    {"caballe.bmp", 0, 0},    {"nieve.bmp", 0, 0},      {"partei.bmp", 174, 399},
    {"partef.bmp", 174, 399}, {"partec.bmp", 174, 399}, {"parten.bmp", 174, 399},
    {"partea.bmp", 174, 399}, {"partep.bmp", 174, 399}, {"todoi.bmp", 1024, 768},
    {"todof.bmp", 1024, 768}, {"todoc.bmp", 1024, 768}, {"todon.bmp", 1024, 768},
    {"todoa.bmp", 1024, 768}, {"todoP.bmp", 1024, 768}, {"sueloi.bmp", 0, 0},
    {"suelof.bmp", 0, 0},     {"sueloc.bmp", 0, 0},     {"suelon.bmp", 0, 0},
    {"sueloa.bmp", 0, 0},     {"sueloP.bmp", 0, 0},
}};

// Pictures with transparency (PNG) of the static hall: the strips of the
// guide's 8 frames and of the door's 5 frames, each frame 56 x 168, the
// speech bubble, and the hall's icon list that the sections draw beside
// their list rows (21 icons of 28 x 28, each index with its own meaning).
// Their size is read from the PNG header.
inline constexpr std::array<FicheroImagen, 4> kImagenesPng = {{
    {"chicaw.png", 8 * 56, 168},
    {"puertaw.png", 5 * 56, 168},
    {"bocadillo1.png", 195, 140},
    {"iconos.png", 21 * 28, 28},
}};

// Sounds: name and smallest size (motor.wav feeds a 40,000-byte loop buffer).
struct FicheroSonido {
  const char* nombre;
  std::uintmax_t minimo;
};
inline constexpr std::array<FicheroSonido, 2> kSonidos = {
    {{"tecla.wav", 1000}, {"motor.wav", 40000}}};

inline constexpr const char* kPiel = "mdd_spring.ssk";
inline constexpr const char* kAjustes = "centro.ini";
inline constexpr std::array<const char*, 4> kClavesAjustes = {"NombreCentro", "ConAnimacion",
                                                              "CodigoIdioma", "LetraTema"};

}  // namespace sendaro::datos
