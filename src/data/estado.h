// State shared by every screen, owned by the program for its whole run.
#pragma once

#include <string>

#include "data/entorno.h"
#include "data/pantalla.h"

namespace sendaro {

struct EstadoPrograma {
  // Installation, message sink and FalloGrave (a fatal condition: start-up
  // stops at the next check; also set just before a confirmed exit).
  Entorno entorno;

  std::string NombreCentro;  // Windows-1252, at most 50 characters
  char LetraTema = 'I';
  int CodigoIdioma = 0;
  bool ConAnimacion = false;  // after the command line
  bool SinAnimacion = true;   // static hall; sections centre on the desktop
  int TamanoLetraDelta = 0;

  bool ModoPantallaCambiado = false;
  ModoPantalla ModoAnterior;  // what a confirmed exit restores

  bool DatosCompartidosFallidos = false;
  int PausaAyuda = 0;  // hint pause in ms
  // Step of the hall's help panel; the sections' help bubbles reset it.
  int PasoAyuda = 0;

  // Navigation flags: which way a section was opened.
  bool DesdeAsistente = false;
  bool DesdeContexto = false;
  bool PrimeraVisita = true;
  bool ModoCuestionario = false;
  bool ModoTitulos = false;
  bool ModoLugares = false;
  bool FaseLocalidades = false;
  bool ModoImpresion = false;

  // The student heading of the questionnaires' reports (name, course; at most
  // 45 characters). It belongs to one student: cleared when a questionnaire
  // run starts and when a questionnaire screen is left.
  std::string CuesEncabezado;

  bool& FalloGrave() { return entorno.FalloGrave; }
  bool FalloGrave() const { return entorno.FalloGrave; }
};

// The static hall is used unless the graphics layer is version 7 or above and
// the animation switch is on.
inline bool DecidirSinAnimacion(int versionGrafica, bool conAnimacion) {
  return !(versionGrafica >= 7 && conAnimacion);
}

// Font-size offset for lists: 0 up to 100 pixels per inch, -2 above.
inline int DeltaLetra(double puntosPorPulgada) { return puntosPorPulgada <= 100.0 ? 0 : -2; }

}  // namespace sendaro
