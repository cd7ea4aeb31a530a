// Three browsers of the degrees screen that share the list beside the map:
// the degrees of one university of a community, the double degrees (by
// degree and by university) and the other degrees outside the catalogue,
// with their printouts.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/lectores.h"
#include "data/lectores_fijos.h"
#include "data/tabla_linea.h"

namespace sendaro {

// Pieces of text joined by appending them (GCC 12 warns wrongly on some
// chains of + on strings).
std::string Unir(std::initializer_list<std::string_view> piezas);

// Rows for a list, the degree each row opens (0 for none) and the rows
// drawn as headers.
struct FilasLista {
  std::vector<std::string> filas;
  std::vector<int> carreras;
  std::vector<int> cabeceras;  // row numbers from 0
};

// A university's page: the stored address with "http://www." before it
// (an address that already has its scheme is kept).
std::string DireccionUniversidad(std::string_view guardada);

// The 35-character names of universities, for the list beside the map.
std::vector<std::string> NombresUniversidades(const TablaUniversidades& universidades,
                                              const std::vector<int>& lista);

// The degrees taught at university u, in degree order, one row per place of
// u in a degree's list: the first 45 characters of the degree, then the mark.
FilasLista CarrerasDeUniversidad(const TablaLinea& carreras, const DatosCarreras& datos, int u);

// The printout of a university's degrees: six heading lines (bold), then each
// degree whole (wrapped when longer than a report line) with its mark from
// column 45, or a blank after the name.
inline constexpr int kNegritasUniversidad = 6;
std::vector<std::string> InformeUniversidad(const TablaLinea& carreras, const DatosCarreras& datos,
                                            const CatalogoTextos& catalogo,
                                            std::string_view nombreCentro,
                                            std::string_view universidad, int u);

// Double degrees. A pair counts only when both its degrees are 1..N.
struct ParDoble {
  int a = 0;
  int b = 0;
  int cursos = 0;  // 0: not given
};
std::vector<ParDoble> ParesValidos(const UniversidadDobles& entrada, int numCarreras);

// Every degree that takes part in a pair, in degree order.
std::vector<int> CarrerasConDobles(const TablaDobles& dobles, int numCarreras);
// The entries (universities) of community c, in file order.
std::vector<int> EntradasDobles(const TablaDobles& dobles, int comunidad);

// The pairs of degree c under each entry that has one: an empty row, then
// per entry a header of eight blanks and its name (after an empty row but for
// the first), and a row per pair: " n | <first 20 of c>...+ <other degree>".
FilasLista DoblesDeCarrera(const TablaDobles& dobles, const TablaLinea& carreras, int numCarreras,
                           int c);
// The pairs of entry e: degree A, degree B, "<241>  n", a separator.
FilasLista DoblesDeEntrada(const TablaDobles& dobles, const TablaLinea& carreras,
                           const CatalogoTextos& catalogo, int numCarreras, int e);

// The double-degree printout: seven heading lines (bold) naming the degree
// (text 325) or the university (text 289), then the rows.
inline constexpr int kNegritasDobles = 7;
std::vector<std::string> InformeDobles(const CatalogoTextos& catalogo,
                                       std::string_view nombreCentro, int textoElegido,
                                       std::string_view elegido, const FilasLista& filas);

// Other degrees: the lines of block k of "asignaot", ending before the first
// of two lines in a row whose first 16 characters are blank.
std::vector<std::string> DescripcionOtra(const TablaBloques& bloques, int k);
// Its printout: five heading lines (bold), then the description.
inline constexpr int kNegritasOtra = 5;
std::vector<std::string> InformeOtra(const CatalogoTextos& catalogo, std::string_view nombreCentro,
                                     std::string_view carrera,
                                     const std::vector<std::string>& descripcion);

}  // namespace sendaro
