// The professions questionnaire's files: long phrases ("FRALARGAS"), short
// phrases ("FRACORTAS"), professional activities ("ACTIVIDA") and the
// professions that tie them to studies ("profesio"). Every line is padded
// with blanks first, so a short line reads as blank fields.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/entorno.h"

namespace sendaro {

inline constexpr int kCodigosFraseLarga = 4;
inline constexpr int kFrasesProfesion = 2;
inline constexpr int kEstudiosProfesion = 7;

struct FraseLarga {
  std::string texto;                                        // without trailing blanks
  std::array<std::string, kCodigosFraseLarga> actividades;  // four blanks: none
};

struct FraseCorta {
  std::string actividadA;
  std::string actividadB;  // four blanks: none
  std::string texto;
};

struct Actividad {
  std::string codigo;
  std::string nombre;
};

struct Profesion {
  std::string actividadA, actividadB;
  std::string nombre;
  // Short-phrase numbers (lines of "FRACORTAS"); 0 none, also for a field
  // that is not a number.
  std::array<int, kFrasesProfesion> frases{};
  // A letter (C, S, M, O) and a three-digit line; the first code with any
  // other letter ends the list.
  std::array<std::string, kEstudiosProfesion> estudios;
};

struct DatosProfesiones {
  std::vector<FraseLarga> frasesLargas;  // at most 20
  std::vector<FraseCorta> frasesCortas;  // phrase n is element n - 1; at most 120
  std::vector<Actividad> actividades;    // at most 30
  std::vector<Profesion> profesiones;    // at most 250

  // Short phrase n (from 1), or nullptr outside the table.
  const FraseCorta* Corta(int n) const {
    return n >= 1 && n <= static_cast<int>(frasesCortas.size())
               ? &frasesCortas[static_cast<std::size_t>(n - 1)]
               : nullptr;
  }
};

// Whole files' bytes into the tables; lines beyond a table's capacity are
// not read.
void AnalizarFrasesLargas(std::string_view bytes, DatosProfesiones& datos);
void AnalizarFrasesCortas(std::string_view bytes, DatosProfesiones& datos);
void AnalizarActividades(std::string_view bytes, DatosProfesiones& datos);
void AnalizarProfesiones(std::string_view bytes, DatosProfesiones& datos);

// Reads the four files (behind the language subfolder when one is in use).
// A missing file shows "Faltan ficheros (<nombre>). Vuelva a instalar el
// programa" and sets FalloGrave. True when all four were read.
bool CargarTablasProfesiones(Entorno& entorno, DatosProfesiones& datos);

}  // namespace sendaro
