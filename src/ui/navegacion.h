// How screens reach each other, and the layers they live in.
//
// Layers, each including only the ones below it (the build checks it):
//   data/                the domain: plain C++ on Windows-1252 strings, no Qt. Also the
//                        program state (estado.h), the theme tables (temas.h), UnionTextos.
//   data/qt/             the data layer's Qt edge (printing).
//   ui/                  what every screen shares: Servicios, the main window and this
//                        navigation, dialogs and the common dialog TForm4, sound, the exit
//                        question, text conversion, pictures, the placeholder page.
//   hall/, sections/X/   the screens, each with its domain part and its qt/ part. A screen
//                        includes data/, ui/ and its own folder: never the hall or another
//                        section.
//   app/                 start-up and composition: creates the services and registers the
//                        screens (app/qt/programa.cpp).
//
// A screen opens another by naming one of that section's entry actions:
//     servicios_.navegacion.Abrir(entrada::Carreras::kFamiliasFP);
// The target screen is created the first time it is opened; its Entrar(accion) sets it up
// for that way in; then it is shown instead of the page on view (a dialog, modally).
//     servicios_.navegacion.AbrirEncima(entrada::GradoMedio::kDesdeVestibulo);
// opens it over the page on view, which stays below (DesdeContexto is set).
// The search opens a section at one item: the entry action says the way in, the target
// says which item, and the screen takes it in its Entrar:
//     servicios_.navegacion.AbrirEn(entrada::Certificados::kElegido, destino);
//     ... in TCertifica::Entrar:  if (const auto d = servicios_.navegacion.TomarDestino()) ...
// It opens over the page on view, so that leaving the section returns there.
// A screen leaves with
//     servicios_.navegacion.Salir(*this);            // or Salir(*this, Seccion::kItinerarios)
// which hides it and shows what comes next: the page below when it was opened over another
// (DesdeContexto, cleared), else the assistant when it was opened from there (DesdeAsistente),
// else the hall (or the section given). Screens never test DesdeAsistente to go back.
//
// A new screen: (1) its entry actions go in its section's enum below; (2) its class has a
// constructor (Servicios&, QWidget* padre) and a public `void Entrar(entrada::X accion)`; when
// it reads data files at start-up (whose absence must stop the program before the hall
// shows) also a `static void Preparar(Servicios&)`; (3) one line in app/qt/programa.cpp:
//     n.Registrar(&TForm3::Entrar, Forma::kPagina);                     // or
//     n.Registrar(&TForm1::Entrar, Forma::kPagina, &TForm1::Preparar);
#pragma once

#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <variant>
#include <vector>

#include "data/busqueda.h"

class QWidget;

namespace sendaro {

struct Servicios;

// Each section's ways in.
namespace entrada {

// The door hall (Tform0).
enum class Vestibulo { kMostrar };
// The bridge dialog from degrees to vocational titles (TForm6).
enum class Pasarela { kMostrar };
// Degrees and higher vocational titles (TForm1).
enum class Carreras {
  kInformacion,   // the degrees door: help topic 1 and the main menu (BotInformacionClick)
  kElegido,       // one degree's card (the target says which)
  kFamiliasFP,    // the vocational door: the vocational menu, families from their first row
  kCuestionario,  // the questionnaire door (botSendaroClick)
};
// The itinerary map (TForm2).
enum class Itinerarios {
  kMapa,          // the itineraries door
  kCuestionario,  // the study questionnaire door
};
// The study assistant (TForm5), a page over the hall; sets DesdeAsistente.
enum class Asistente { kInicio };
// Middle-grade titles (TForm3).
enum class GradoMedio {
  kDesdeVestibulo,  // the middle-grade door
  kDesdeAsistente,  // the assistant: always with the helicopter's introduction
  kCuestionario,    // the study questionnaire's middle-grade branch (ModoCuestionario set)
};
// Initial vocational programmes (TFIniPro).
// kElegido: one programme (the target says which).
enum class ProgramasIniciales { kProgramas, kElegido };
// Professional certificates (TCertifica); kElegido: one certificate (the target says which).
enum class Certificados { kMostrar, kElegido };
// The professions questionnaire (Tprofe).
enum class Profesiones { kCuestionario };
// The titles catalogue (TFormCat).
enum class Catalogo { kMostrar };
// The search (TBusqueda), a page over the one on view.
enum class Busqueda { kMostrar };

}  // namespace entrada

using Entrada =
    std::variant<entrada::Vestibulo, entrada::Pasarela, entrada::Carreras, entrada::Itinerarios,
                 entrada::Asistente, entrada::GradoMedio, entrada::ProgramasIniciales,
                 entrada::Certificados, entrada::Profesiones, entrada::Catalogo,
                 entrada::Busqueda>;

// A section, named by the type of its entry actions.
enum class Seccion : std::size_t {
  kVestibulo,
  kPasarela,
  kCarreras,
  kItinerarios,
  kAsistente,
  kGradoMedio,
  kProgramasIniciales,
  kCertificados,
  kProfesiones,
  kCatalogo,
  kBusqueda,
};
inline constexpr std::size_t kSecciones = std::variant_size_v<Entrada>;

static_assert(kSecciones == static_cast<std::size_t>(Seccion::kBusqueda) + 1,
              "one Seccion per alternative of Entrada, in the same order");

namespace detalle {
template <typename Accion, typename Variante>
struct Indice;
template <typename Accion, typename... Alternativas>
struct Indice<Accion, std::variant<Alternativas...>> {
  static constexpr std::size_t valor = [] {
    constexpr bool es[] = {std::is_same_v<Accion, Alternativas>...};
    std::size_t i = 0;
    while (i < sizeof...(Alternativas) && !es[i]) ++i;
    return i;
  }();
  static_assert(valor < sizeof...(Alternativas), "not an entry action of a section");
};
}  // namespace detalle

// The section of an entry action type.
template <typename Accion>
constexpr Seccion SeccionDe() {
  return static_cast<Seccion>(detalle::Indice<Accion, Entrada>::valor);
}

// The item a section opens at, as the search index names it: its kind and line.
struct Destino {
  ClaseBusqueda clase = ClaseBusqueda::kCarrera;
  int linea = 0;
  int grupo = 0;
};

// A page of the main window, or a dialog shown modally over it.
enum class Forma { kPagina, kDialogo };

class Navegacion {
 public:
  explicit Navegacion(Servicios& servicios);
  ~Navegacion();
  Navegacion(const Navegacion&) = delete;
  Navegacion& operator=(const Navegacion&) = delete;

  // Registers a section's screen by its entry handler; `preparar`, when given, is its part of
  // start-up (see Preparar).
  template <typename Pantalla, typename Accion>
  void Registrar(void (Pantalla::*entrar)(Accion), Forma forma,
                 void (*preparar)(Servicios&) = nullptr) {
    Registro r;
    r.forma = forma;
    r.nombre = NombreClase(Pantalla::staticMetaObject.className());
    r.tipo = std::type_index(typeid(Pantalla));
    r.crear = [](Servicios& s, QWidget* padre) -> QWidget* { return new Pantalla(s, padre); };
    r.entrar = [entrar](QWidget& w, const Entrada& e) {
      (static_cast<Pantalla&>(w).*entrar)(std::get<Accion>(e));
    };
    r.preparar = preparar;
    Guardar(SeccionDe<Accion>(), std::move(r));
  }
  // A screen made elsewhere (the hall, created at start-up).
  template <typename Pantalla, typename Accion>
  void RegistrarCreada(Pantalla& pantalla, void (Pantalla::*entrar)(Accion), Forma forma) {
    Registrar(entrar, forma);
    Creada(SeccionDe<Accion>(), pantalla);
  }

  template <typename Accion>
  void Abrir(Accion accion) {
    AbrirEntrada(Entrada(accion), false);
  }
  template <typename Accion>
  void AbrirEncima(Accion accion) {
    AbrirEntrada(Entrada(accion), true);
  }
  // Opens the section over the page on view at `destino`, which its Entrar takes.
  template <typename Accion>
  void AbrirEn(Accion accion, const Destino& destino) {
    destino_ = destino;
    AbrirEntrada(Entrada(accion), true);
    destino_.reset();
  }
  // The target of the entry under way, once; nothing when the section was not opened at one.
  std::optional<Destino> TomarDestino() { return std::exchange(destino_, std::nullopt); }

  // Hides the screen and shows where it came from (see the top of this file).
  void Salir(QWidget& pantalla, Seccion destino = Seccion::kVestibulo);

  // The section's part of start-up (its Preparar, if any): reading the data files its screen
  // uses, so that a missing one stops the program before the hall shows. The program runs it
  // on a start-up thread with `servicios` of its own: a Preparar only reads files into
  // `servicios.tablas` through the domain readers (whose messages go to the entorno's
  // avisador); it creates no widget and shows nothing itself.
  void Preparar(Seccion seccion, Servicios& servicios) const;
  // The class name of the section's screen ("TForm1").
  const QString& Nombre(Seccion seccion) const;

  // The section's screen, created now if it was not yet (tests and start-up).
  QWidget& Pantalla(Seccion seccion);
  template <typename P>
  P& Pantalla() {
    return static_cast<P&>(Pantalla(SeccionDeTipo(std::type_index(typeid(P)))));
  }
  // The screen if it has been created, else null.
  QWidget* Creada(Seccion seccion) const;
  // Class names of the screens created, in order of creation.
  const std::vector<QString>& Creadas() const { return creadas_; }

 private:
  struct Registro {
    Forma forma = Forma::kPagina;
    QString nombre;
    std::type_index tipo = std::type_index(typeid(void));
    std::function<QWidget*(Servicios&, QWidget*)> crear;
    std::function<void(QWidget&, const Entrada&)> entrar;
    void (*preparar)(Servicios&) = nullptr;
    QWidget* pantalla = nullptr;
    bool registrado = false;
  };

  static QString NombreClase(const char* conEspacio);
  void Guardar(Seccion seccion, Registro registro);
  void Creada(Seccion seccion, QWidget& pantalla);
  Seccion SeccionDeTipo(std::type_index tipo) const;
  void AbrirEntrada(const Entrada& entrada, bool encima);
  void Mostrar(Seccion seccion);
  // Hides a page of the window (the one below shows) or a dialog.
  void Esconder(QWidget& pantalla);

  Servicios& servicios_;
  Registro registros_[kSecciones];
  std::vector<QString> creadas_;
  std::optional<Destino> destino_;
};

}  // namespace sendaro
