// Picking a place on the map pictures: the region tables built from
// "puntos3", the region under the pointer, the floating label that names it
// and what a click on each map hands on to its screen.
//
// Three maps: "mapa" (communities 1..19, numbered as the lines of "COMUNIDA"),
// "mapac" (Catalonia's comarcas 1..41 of "comarcas") and "mapam" (Madrid's
// zones 1..28 of "comarcasm"). Pixel x, y of a picture (0 at its top-left)
// is column x, row y of its table, counted from 1: column and row 0 pick
// nothing.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/lectores_fijos.h"
#include "data/registros.h"
#include "data/tabla_linea.h"

namespace sendaro {

enum class Mapa { kComunidades, kComarcas, kZonas };

// The three byte matrices of "puntos3". Column x of the record holds 636
// integers: the communities are integers 0..195 (rows 1..196), the comarcas
// 220..439 and the zones 440..659 (rows 1..220). The zones' last 24 integers
// run into the next column's first ones; for column 281 they lie past the end
// of the record and read as 0.
class TablaPuntos {
 public:
  static constexpr int kColumnas = 281;
  static constexpr int kFilasComunidades = 196;
  static constexpr int kFilasDetalle = 220;
  static constexpr int kInicioComunidades = 0;
  static constexpr int kInicioComarcas = 220;
  static constexpr int kInicioZonas = 440;

  TablaPuntos();
  explicit TablaPuntos(const DatosPuntos& datos);

  static int Filas(Mapa mapa) { return mapa == Mapa::kComunidades ? kFilasComunidades : kFilasDetalle; }
  // The stored value at column x, row y (both from 1); 0 outside the table.
  int Valor(Mapa mapa, int x, int y) const;

 private:
  std::array<std::vector<std::uint8_t>, 3> matrices_;
};

// The highest region code of a map: 19, 41 or 28.
int MaximoRegion(Mapa mapa);
// True when `codigo` names a region of the map (1..MaximoRegion).
bool EsRegion(Mapa mapa, int codigo);

// The value under pixel (x, y) of the map's picture: the table's value at
// column x, row y when 1 <= x <= 281 and 1 <= y <= the table's rows, else 0.
// The value may be out of the map's range; EsRegion tells.
int RegionEn(const TablaPuntos& tabla, Mapa mapa, int x, int y);

// The communities as rectangles, for the screen that has no region table
// (initial programmes): left, top, right, bottom in picture pixels.
struct RectanguloRegion {
  int izquierda, arriba, derecha, abajo;
};
extern const std::array<RectanguloRegion, 19> kRectangulosComunidades;
// The first rectangle in code order with left <= x < right and
// top - 1 <= y < bottom; 0 when none.
int RegionEnRectangulos(int x, int y);

// Names as the label shows them, without trailing blanks.
// A community: its "COMUNIDA" line from column 3, 60 characters.
std::string NombreComunidad(const TablaLinea& comunidades, int codigo);
std::string NombreComarca(const TablaComarcas& comarcas, int entrada);
// A zone: its member places joined by " - " (first - second, and " - " third
// when it has a third); a zone of one place is that place's name.
std::string NombreZona(const TablaZonas& zonas, int zona);
// The Barcelona sub-areas for `listBarcelona`: entries 42.. of the comarcas
// table in order; row i is entry 42 + i.
std::vector<std::string> SubareasBarcelona(const TablaComarcas& comarcas);

// The shared picking state: `RegionMapa` is set by every pointer move over a
// map and read by the next click; it starts at 1 and is never reset.
struct EstadoMapas {
  int regionMapa = 1;
  int comunidadSel = 0;
  int comarcaSel = 0;
  int zonaSel = 0;
};

// The floating label `PanelMapa` after a pointer move.
struct EtiquetaMapa {
  int izquierda = 0;
  int arriba = 0;
  int ancho = 0;  // 0: the width is left as it was
  std::string texto;  // empty: nothing under the pointer
  bool mano = false;  // the hand-point cursor
};

struct NombresMapas {
  const TablaLinea* comunidades = nullptr;  // "COMUNIDA"
  const TablaComarcas* comarcas = nullptr;
  const TablaZonas* zonas = nullptr;
};

// Pointer move to pixel (x, y) of a map (the communities' table, or the
// rectangles with `rectangulos`): sets `RegionMapa` and gives the label,
// placed at (x, y + 110); 115 wide on the communities and comarcas maps,
// widened to 250 on the zone map when a zone is under the pointer.
EtiquetaMapa MoverSobreMapa(EstadoMapas& estado, const TablaPuntos& tabla, Mapa mapa, int x, int y,
                            const NombresMapas& nombres);
// The rectangle variant looks at (x + dx, y + dy), the screen's own offset.
EtiquetaMapa MoverSobreRectangulos(EstadoMapas& estado, int x, int y, int dx, int dy,
                                   const NombresMapas& nombres);

// What a click leads to; the screen acts on it.
enum class AccionMapa {
  kNada,                // not on a region: nothing happens
  kEleccionImpresion,   // add `comunidad` to the community choice for printing
  kConsulta,            // cut-off consultation: title `comunidadTitulo`, universities of `comunidad`
  kProvinciasFP,        // the provinces of `comunidad` (vocational centres)
  kArtes,               // arts places of `comunidad`
  kGradosNuevos,        // universities of `comunidad` offering new degrees
  kDobles,              // double-degree universities of `comunidad`
  kUniversidades,       // universities of `comunidad`
  kListaBarcelona,      // show `listBarcelona` and `BotCerrar`
  kCentrosComarca,      // centres of comarca or sub-area `comarca`
  kCentrosZona,         // centres of zone `zona`
};

struct ClickMapa {
  AccionMapa accion = AccionMapa::kNada;
  int comunidad = 0;        // the community the action works on (18 and 19 as 1 where told)
  int comunidadTitulo = 0;  // the community named in the consultation title
  int comarca = 0;
  int zona = 0;
  bool ocultarEtiqueta = false;
  int temaAyuda = 0;  // help topic to show first; 0 none
};

// The screen's modes that decide a community click, in order of precedence.
struct ModosComunidad {
  bool eleccionImpresion = false;  // the community choice for printing is open
  bool consulta = false;           // ModoConsulta
  bool fp = false;                 // ModoFP
  bool artes = false;              // the plastic-arts field is shown
  bool grados = false;             // ModoGrados
  bool dobles = false;             // ModoDobles
};

ClickMapa ClickComunidades(EstadoMapas& estado, const ModosComunidad& modos);
ClickMapa ClickComarcas(EstadoMapas& estado);
// Row `fila` (from 0) of `listBarcelona`; row 4 is a separator and does
// nothing, as does a click on no row (negative).
ClickMapa ClickBarcelona(EstadoMapas& estado, int fila);
ClickMapa ClickZonas(EstadoMapas& estado);

// The universities of "LUGAR" whose community is `comunidad`, in file order.
std::vector<int> UniversidadesDeComunidad(const TablaUniversidades& universidades, int comunidad);

}  // namespace sendaro
