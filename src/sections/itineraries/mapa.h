// The itinerary map of the itineraries screen: what each of its eight build
// steps draws (boxes, dividing lines and labels, as plain drawing orders with
// their own colours and pens), the 49 nodes with their hints and actions, the
// lists a node opens (notes of "INFORMA", subjects of "MATERIAS", degrees and
// titles of "CARRERAS" and "FPS"), the modality sheets that are printed, and
// the state of a showing: build step, open list, node clicks.
//
// Map cell (row r, column c) is the window point x = 10c + 40, y = 15r - 15.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/catalogo.h"
#include "data/tabla_linea.h"

namespace sendaro {

struct PuntoMapa {
  int x = 0;
  int y = 0;
};
constexpr PuntoMapa PuntoCelda(int fila, int columna) {
  return {10 * columna + 40, 15 * fila - 15};
}

// ---------------------------------------------------------------- drawing

enum class ColorMapa { kNegro, kBlancoPuro, kImpresion, kRojo, kAzul };

// A filled rectangle, right and bottom edges exclusive.
struct RectanguloMapa {
  int x1, y1, x2, y2;
  ColorMapa color;
};
// A line drawn with a pen of its own colour and width.
struct LineaMapa {
  int x1, y1, x2, y2;
  ColorMapa color;
  int grosor;
};
// A text with its top-left corner at (x, y): Times New Roman, bold, on a
// ColorImpresion background; `puntos` before the shared font-size offset.
struct TextoMapa {
  int x, y;
  std::string texto;
  ColorMapa color;
  int puntos;
};
// One build step: rectangles first, then lines, then texts.
struct DibujoMapa {
  std::vector<RectanguloMapa> rectangulos;
  std::vector<LineaMapa> lineas;
  std::vector<TextoMapa> textos;
};

inline constexpr int kPasosMapa = 8;     // build steps 0..7
inline constexpr int kMapaCompleto = 8;  // the whole map at once
// Step 0..7, or kMapaCompleto. Texts are catalogue texts as stored.
DibujoMapa DibujoPasoMapa(int paso, const CatalogoTextos& catalogo);

// The help set shown when step 0..7 is drawn; 0 for none.
int AyudaPasoMapa(int paso);

// ------------------------------------------------------------------ nodes

inline constexpr int kNodosMapa = 49;

enum class AccionNodoMapa { kHoja, kNotas, kMaterias };
// What the more-information button of a notes list opens.
enum class MasInformacion { kNada, kTitulos, kCertificados, kProgramasIniciales, kGradoMedio };

// A hint part: a catalogue text, 0 for an empty part, or kPistaCiclos for
// characters 4-7 of text 252, a blank and text 85.
inline constexpr int kPistaCiclos = -1;

struct NodoMapa {
  int fila = 0;
  int columna = 0;
  std::array<int, 3> pista{};
  AccionNodoMapa accion = AccionNodoMapa::kNotas;
  int valor = 0;            // sheet, topic code or subject code
  std::vector<int> titulo;  // subjects: catalogue texts joined by blanks
  MasInformacion mas = MasInformacion::kNada;
  int clave = 0;       // titles list: its key 1..7
  int encabezado = 0;  // and the catalogue text of its title
};

// Node 1..49; any other number gives an empty node that does nothing.
const NodoMapa& NodoDelMapa(int nodo);

// The hint: each part cut to 25 characters, joined by single blanks,
// without trailing blanks.
std::string PistaNodo(const NodoMapa& nodo, const CatalogoTextos& catalogo);

// ------------------------------------------------------------------ lists

struct FuentesMapa {
  const TablaLinea& informa;   // "INFORMA": topic in columns 1-2, text 3-60
  const TablaLinea& materias;  // "MATERIAS": group 1, subgroup 2, text 3-60
  const TablaLinea& carreras;  // "CARRERAS": marks 1-5, degree 6-50
  const TablaLinea& fps;       // "FPS": marks 1-7, title 8-50
  const CatalogoTextos& catalogo;
};

// The notes of topic `codigo` (10..99) in file order; a topic beginning
// with 2 takes the general lines of topic 20 too, and 99 ends with the
// certificates' texts (580, an empty line, 562..568).
std::vector<std::string> ListaNotas(const FuentesMapa& f, int codigo);

// The subjects of `codigo`: digits 1-3 are a group (the group's first digit
// and the subgroups it takes), digits 4-7 a second one. A code of more than
// three digits starts with the title and a line of 32 blanks.
std::vector<std::string> ListaMaterias(const FuentesMapa& f, std::string_view titulo, int codigo);

// The degrees and higher vocational titles of key 1..7, items from 0 (item 0
// is printed on sheets only). Degrees are marked in the code field of
// "CARRERAS" (columns 1-5; key 6 reads column 1, key 7 has no degree
// column); titles in column 4, 5, 2, 3, 1, 6, 7 of "FPS" for keys 1..7.
std::vector<std::string> ListaTitulos(const FuentesMapa& f, std::string_view titulo, int clave,
                                      bool hoja);

// What a node's click does: a sheet to print (hoja 1..8) or a list to show
// at the node with its height; `notas` when it is a notes list.
struct AccionNodo {
  int hoja = 0;
  std::vector<std::string> lineas;
  int alto = 0;
  bool notas = false;
};
AccionNodo AccionDeNodo(const FuentesMapa& f, int nodo);

// The titles list the more-information button of node 2, 6, 7, 12, 13 or
// 19 opens (shown 225 high); empty for other nodes.
std::vector<std::string> TitulosDeNodo(const FuentesMapa& f, int nodo);

// A notes list of this node offers more information (unless the screen was
// opened from the study assistant)...
bool OfreceMasInformacion(int nodo);
// ...and for the title-list nodes the list grows to 300 pixels.
bool ListaAmpliada(int nodo);
inline constexpr int kAltoListaAmpliada = 300;

// ------------------------------------------------------------ list layout

struct RectMapa {
  int x = 0, y = 0, ancho = 0, alto = 0;
};
// A list opening at node cell (fila, columna), `alto` pixels high, on a page
// of the given size: it grows from the node 4 pixels a step, climbing 4
// pixels a step when it would reach past the page's height - 40, and ends
// 300 wide at its final place.
struct AperturaLista {
  int pasos = 0;  // growth steps 1..pasos
  RectMapa final;
  RectMapa Paso(int i) const;

  PuntoMapa origen;
  bool sube = false;
};
AperturaLista ColocarLista(int fila, int columna, int alto, int anchoPagina, int altoPagina);

// ----------------------------------------------------------------- sheets

// The lines (from line 1) of modality sheet 1, 3, 4, 5, 6, 7 or 8; empty for
// any other number.
std::vector<std::string> HojaModalidad(const FuentesMapa& f, int hoja,
                                       std::string_view nombreCentro);
// The printout's name: catalogue text 66 and the sheet's modality.
std::string TituloHoja(const CatalogoTextos& catalogo, int hoja);

// ------------------------------------------------------------------ state

struct AvanceMapa {
  int paso = -1;  // the step drawn now, -1 for none
  bool completo = false;
  int ayuda = 0;  // the help set left on show, 0 for none
};

enum class ClicNodo { kIgnorado, kCierraLista, kActua };

class EstadoMapa {
 public:
  bool MapaVisible = false;
  bool MapaEnConstruccion = false;
  int PasoMapa = -1;
  bool InicioMapaPendiente = true;
  bool ListaCerrada = true;
  int NodoElegido = 0;
  bool ListaDeNotas = false;
  int ClicsNodos = 0;

  // Entering the map: a build starts, node clicks count from 0.
  void Entrar();
  // The next step, or the whole map after step 7 (at once when the map was
  // already complete).
  AvanceMapa Avanzar();
  // What a repaint draws: steps 0..PasoMapa while building, kMapaCompleto
  // once complete, nothing when idle.
  std::vector<int> PasosVisibles() const;
  // A node click: ignored while no map is on show; closes an open list;
  // otherwise it is acted on (and counted).
  ClicNodo Pulsar(int nodo);
  // A list was closed some other way.
  void CerrarLista() { ListaCerrada = true; }
  // Back to idle (leaving the screen, opening the diagram).
  void Reiniciar();
  // The game starts only after three node clicks acted on; starting it
  // counts again from 0.
  bool PuedeJugar() const { return ClicsNodos > 2; }
};

// The separate game in the program folder: "tarvelo", else "tarvelo.exe"
// (regular files only); nothing when neither is there.
std::optional<std::filesystem::path> BuscarJuego(const std::filesystem::path& carpeta);

// The blink of the more-information caption (nine ticks) or of the
// diagram's note (17): each tick counts; odd counts show the caption, even
// ones hide it; past the last tick the caption stays and the count is 0.
struct TickParpadeo {
  bool visible = true;
  bool fin = false;
};
TickParpadeo Parpadear(int& cuenta, bool nota);

}  // namespace sendaro
