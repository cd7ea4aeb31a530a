// Start-up: shared data, splash, the hall, which is shown; once it has
// painted, each section's part of start-up in its fixed order with the checks
// that stop a broken installation, before any input reaches the hall; then
// the splash closes and the sound layer starts. Section screens are created by
// the navigation when first opened.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/precarga.h"
#include "data/catalogo.h"
#include "data/estado.h"
#include "ui/avisador_qt.h"
#include "ui/navegacion.h"
#include "ui/servicios.h"

namespace sendaro {

class Dialogos;
class Sonido;
class PantallaModos;
class TBienvenida;
class Tform0;
class VentanaPrincipal;

// What one section's part of start-up found: the messages its readers gave,
// in order, and whether it met a fatal condition.
struct PreparacionSeccion {
  std::vector<std::string> avisos;
  bool fallo = false;
};

struct OpcionesArranque {
  std::filesystem::path carpeta;          // the installation's program folder
  std::vector<std::string> posicionales;  // TEMA, S|N, IDIOMA
  // What main() started reading before the toolkit; when not given (or read
  // for another folder or command line) start-up reads it itself.
  std::future<Lecturas> lecturas = {};
};

// `instalacion/` beside the executable when it exists (the build tree), else
// the installed data folder, <prefijo>/share/sendaro (data/instalado.h).
std::filesystem::path CarpetaDatosPorDefecto();

class Programa {
 public:
  Programa(Dialogos& dialogos, Sonido& sonido, PantallaModos& pantalla);
  ~Programa();
  Programa(const Programa&) = delete;
  Programa& operator=(const Programa&) = delete;

  enum class EstadoArranque { kEnCurso, kListo, kFallido };

  // Runs the start-up up to the hall on screen. True when the event loop
  // should run; false when a check stopped it (messages already shown). The
  // sections' part follows the hall's first paint: when one of its checks
  // stops the program, the hall is hidden and the event loop ends with 1.
  bool Arrancar(OpcionesArranque opciones);
  EstadoArranque Arranque() const { return arranque_; }

  Servicios& Comunes() { return servicios_; }
  EstadoPrograma& Estado() { return estado_; }
  VentanaPrincipal& Ventana() { return *ventana_; }
  Navegacion& Navegar() { return *navegacion_; }
  // The hall, once created.
  Tform0* Vestibulo() const { return vestibulo_; }
  // Class names of the screens whose part of start-up ran, in order.
  const QStringList& Pasos() const { return pasos_; }
  // Progress bar values shown, in order.
  const std::vector<int>& Progresos() const { return progresos_; }

 private:
  void InicializarDatosCompartidos();
  // The start-up part of the hall's creation: settings, command line, theme,
  // pictures, catalogue, display, hall mode, sound. Stops at the first fatal
  // condition (FalloGrave set).
  void PrepararVestibulo(const OpcionesArranque& opciones);
  void ComprobarPantalla();
  // The sound layer and the memory copy of "motor.wav", after the hall's
  // first paint.
  void IniciarSonido(const std::filesystem::path& carpeta);
  void Progreso(int valor);
  // Every screen, in the order of start-up.
  void RegistrarPantallas();
  // After the hall's first paint: the sections' part of start-up, then the
  // splash closes and the sound layer starts.
  void CompletarArranque(const std::filesystem::path& carpeta);
  // Every section's part of start-up (its Preparar), on a thread of its own
  // at the lowest priority, on a copy of the program state.
  std::future<std::vector<PreparacionSeccion>> PrepararSecciones();
  // Gives the skin read with the hall's creation to the whole application,
  // once.
  void AplicarPiel();
  // The end of start-up, done or stopped: the splash closes.
  void Terminar(bool listo);
  // Ctrl+F: the search over the page on view, once start-up is complete.
  void AbrirBusqueda();
  // Tells what a section's part of start-up found; false when start-up must
  // stop.
  bool Paso(Seccion seccion, const std::vector<PreparacionSeccion>& preparadas);

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
  std::unique_ptr<Navegacion> navegacion_;
  Servicios servicios_;
  std::unique_ptr<TBienvenida> bienvenida_;
  Tform0* vestibulo_ = nullptr;
  QStringList pasos_;
  std::vector<int> progresos_;
  bool sonidoIniciado_ = false;
  EstadoArranque arranque_ = EstadoArranque::kEnCurso;
  // While start-up completes after the first paint: the student's input is
  // dropped.
  std::unique_ptr<QObject> sinEntrada_;
  Lecturas lecturas_;
  QString piel_;  // the skin, until it is applied
  std::future<std::vector<PreparacionSeccion>> secciones_;
  // Built once start-up is complete, from the tables above (so it goes first).
  IndiceEnFondo busqueda_;
};

}  // namespace sendaro
