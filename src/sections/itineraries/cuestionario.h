// The study questionnaire of the itineraries screen: the questions of
// "CUESTION", their answers and the run that shows them in the grid (the
// whole questionnaire, or the first 35 questions and then the rest).
//
// A question line holds its weight class in column 1, its answer type in
// column 2 and its text in columns 3-50. An answer is 1..5; 1 is the starting
// value and scores nothing.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/tabla_linea.h"

namespace sendaro {

inline constexpr int kMaxPreguntas = 1000;
// Questions 1..35 are the first part, graded as one mark.
inline constexpr int kPreguntasPrimeraParte = 35;

struct Pregunta {
  int peso = 0;  // weight class, 0 when column 1 is not a digit
  int tipo = 0;  // answer type, 0 when column 2 is not a digit
  std::string texto;
};

// Columns 1, 2 and 3-50 of a "CUESTION" line (already padded to 50).
Pregunta LeerPregunta(std::string_view linea);

// The answer after a press: types 2 (1-2), 3 and 4 (1-4) and 5 (1-5) cycle;
// any other type stays at 1.
int SiguienteRespuesta(int tipo, int respuesta);
// Catalogue text of the answer's words (cut to 12 characters by the screen);
// 0 for a type or answer outside the table.
int TextoRespuesta(int tipo, int respuesta);
// The stars of the marks column.
std::string_view MarcasRespuesta(int tipo, int respuesta);

// What opening the grid does once the restart question, if any, is answered.
struct AperturaCuestionario {
  int ayuda = 31;             // help set: 30 after a passed first stage, else 31
  int filas = 0;              // data rows of the grid (CuesNumPreguntas)
  int desde = 0;              // rows desde..hasta are (re)loaded with empty cells;
  int hasta = -1;             //   none when hasta < desde
  int filaArriba = 1;         // the row scrolled to the top
  bool primeraCarga = false;  // the rows of this run were loaded now
};

class Cuestionario {
 public:
  // The screen reads "CUESTION" once; its record count is CuesTotal (at
  // most 1000).
  explicit Cuestionario(const TablaLinea& preguntas);

  int CuesTotal() const { return total_; }

  // Per question 1..1000; question 0 and numbers outside give 0 / empty.
  int Respuesta(int i) const;
  int Tipo(int i) const;
  int Peso(int i) const;
  const std::string& Texto(int i) const;

  // Run state.
  bool CuesActivo = false;
  int CuesNumPreguntas = 0;
  bool CuesModoCorto = false;
  bool CuesAprobado = false;
  bool CuesCargado = false;
  bool CuesTerminado = false;
  bool CuesResulVisibles = false;
  bool CuesSegundaOportunidad = true;
  int CuesCurso = 4;
  int CuesPrimeraParte = kPreguntasPrimeraParte;

  // The whole questionnaire (dosEtapas false) or its first stage: the run
  // starts, nothing is loaded yet.
  void Empezar(bool dosEtapas);
  // Opening the grid asks first whether to start afresh when a finished run
  // is still loaded.
  bool PreguntarReinicio() const { return CuesTerminado && CuesCargado; }
  // The answer to that question: yes drops the run's rows (and gives the
  // second chance back); anything else keeps the answers and shows every
  // question of the whole questionnaire.
  void Reiniciar(bool empezarDeNuevo);
  // Opens the grid: loads what has to be loaded and says how to show it.
  AperturaCuestionario Abrir();

  // A press on data row `fila` advances its answer; rows outside the run
  // change nothing. The new answer, or nothing.
  std::optional<int> Responder(int fila);
  // Sets an answer directly (1..5; tests and restoring a grid).
  void FijarRespuesta(int fila, int respuesta);

  // After a first-stage result: true when the student goes on to the second
  // part (the grid reopens with rows 36 onward), false when the run ends and
  // the middle-grade questionnaire follows.
  bool Continuar();
  // The run ends: back to the menu.
  void Terminar();

 private:
  void Cargar(int desde, int hasta);

  const TablaLinea& preguntas_;
  int total_ = 0;
  // Rows loaded since the run's rows were last dropped.
  int cargadasHasta_ = 0;
  std::vector<int> respuesta_, tipo_, peso_;
  std::vector<std::string> texto_;
};

// The help bubble's sets of this screen: the catalogue text of each of the
// eight lines, 0 for an empty line. Nothing for a set the screen lacks.
using LineasAyudaItinerarios = std::array<int, 8>;
std::optional<LineasAyudaItinerarios> TemaAyudaItinerarios(int tema);

}  // namespace sendaro
