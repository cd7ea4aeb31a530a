// Arts studies: plastic arts and design, music, dance and drama, each
// described by one text file read when the field is chosen. Titles come
// first; a line starting "f1" opens the specialities and one starting "f2"
// the places (music, dance, drama). Plastic arts has 17 specialities after
// "f1", an empty line and then its places, each with its community and up to
// five speciality codes.
#pragma once

#include <string>
#include <vector>

#include "data/disposiciones.h"
#include "data/entorno.h"
#include "data/tabla_linea.h"

namespace sendaro {

enum class Arte { kPlastica = 1, kMusica = 2, kDanza = 3, kDramatico = 4 };

// The field's file and its title (catalogue texts 529..532).
const FicheroDatos& FicheroArte(Arte arte);
int TextoTituloArte(Arte arte);

// Reads the field's file (behind the language subfolder) into `tabla`, at
// width 90. A missing file shows its message and leaves the table empty; it
// is not a fault that stops the program. True when the file was read.
bool LeerArte(Entorno& entorno, Arte arte, TablaLinea& tabla);

// The plastic arts specialities: codes 0..16.
inline constexpr int kEspecialidadesPlastica = 17;

struct FuentesArte {
  Arte arte;
  const TablaLinea& lineas;       // the field's file
  const TablaLinea& comunidades;  // "COMUNIDA"
};

// The titles: the lines before the first "f1".
std::vector<std::string> TitulosArte(const FuentesArte& f);
// Plastic arts: the 17 speciality names; other fields: the lines between
// "f1" and "f2".
std::vector<std::string> EspecialidadesArte(const FuentesArte& f);

// Plastic arts by speciality k: the places that teach it, in file order, with
// a header "- <community>" whenever the community changes.
std::vector<std::string> LugaresPorEspecialidad(const FuentesArte& f, int especialidad);
// Plastic arts by community c: "-   <place>  -  Tel. <phone>" and a row per
// speciality it teaches.
std::vector<std::string> LugaresPorComunidad(const FuentesArte& f, int comunidad);
// Music, dance and drama: the places after "f2".
std::vector<std::string> LugaresArte(const FuentesArte& f);

// The whole field for printing: line 0 is the title, line 1 empty; the lines
// that begin with "-" print bold.
struct InformeArte {
  std::vector<std::string> lineas;  // from line 0
  std::vector<int> negritas;
};
InformeArte ImprimirArte(const FuentesArte& f, const std::string& titulo);

// A row that opens in the browser: its text, right-trimmed, begins "http".
bool EsDireccionArte(const std::string& fila);

}  // namespace sendaro
