// Start-up: shared data, splash, the creation of every screen in its fixed
// order with the checks that stop a broken installation, then the hall.
#pragma once

#include <QStringList>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/estado.h"
#include "app/qt/servicios.h"
#include "data/catalogo.h"
#include "ui/avisador_qt.h"

namespace sendaro {

class Dialogos;
class Sonido;
class PantallaModos;
class TBienvenida;
class VentanaPrincipal;

struct OpcionesArranque {
  std::filesystem::path carpeta;          // the installation's program folder
  std::vector<std::string> posicionales;  // TEMA, S|N, IDIOMA
};

// `instalacion/` beside the executable when it exists (the build tree), else
// the installed data folder.
std::filesystem::path CarpetaDatosPorDefecto();

class Programa {
 public:
  Programa(Dialogos& dialogos, Sonido& sonido, PantallaModos& pantalla);
  ~Programa();
  Programa(const Programa&) = delete;
  Programa& operator=(const Programa&) = delete;

  // Runs the start-up. True when the hall is on screen and the event loop
  // should run; false when a check stopped it (messages already shown).
  bool Arrancar(const OpcionesArranque& opciones);

  Servicios& Comunes() { return servicios_; }
  EstadoPrograma& Estado() { return estado_; }
  VentanaPrincipal& Ventana() { return *ventana_; }
  // Object names of the screens created, in order.
  const QStringList& PantallasCreadas() const { return creadas_; }
  // Progress bar values shown, in order.
  const std::vector<int>& Progresos() const { return progresos_; }

 private:
  void InicializarDatosCompartidos();
  // The start-up part of the hall's creation: settings, command line, theme,
  // pictures, catalogue, display, hall mode, sound. Stops at the first fatal
  // condition (FalloGrave set).
  void PrepararVestibulo(const OpcionesArranque& opciones);
  void ComprobarPantalla();
  void Progreso(int valor);
  // Creates a screen (a page of the window, or a dialog over it) and notes it.
  template <typename Pantalla>
  Pantalla* Crear(bool esPagina);

  Dialogos& dialogos_;
  Sonido& sonido_;
  PantallaModos& pantalla_;
  AvisadorDialogos avisador_;
  EstadoPrograma estado_;
  CatalogoTextos catalogo_;
  RecursosGraficos recursos_;
  std::unique_ptr<TablasDatos> tablas_;
  std::unique_ptr<DatosPuntos> puntos_;
  std::unique_ptr<VentanaPrincipal> ventana_;
  Servicios servicios_;
  std::unique_ptr<TBienvenida> bienvenida_;
  QStringList creadas_;
  std::vector<int> progresos_;
};

}  // namespace sendaro
