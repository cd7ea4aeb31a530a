// The two report printouts every screen uses: a portrait list in one column
// and a landscape list in three columns, both under a framed page header with
// the centre's name, the school year, the header picture and the report title
// (line 0 of the buffer).
#pragma once

#include <string>
#include <string_view>

#include "data/catalogo.h"
#include "data/impresion/buffers_impresion.h"
#include "data/impresion/hoja_impresion.h"
#include "data/impresion/impresora.h"

namespace sendaro {

inline constexpr std::string_view kFuenteArial = "Arial";
inline constexpr std::string_view kFuenteCourier = "Courier New";
inline constexpr std::string_view kCursoCabecera = "2008-2009";
inline constexpr std::string_view kImagenCabecera = "chica.bmp";

// What every page header shows besides the title.
struct DatosCabecera {
  std::string NombreCentro;
  // Catalogue text 175, the word before the school year.
  std::string TextoCurso;
  ImagenHoja Imagen{std::string(kImagenCabecera)};
};

// The header of this centre: its name (at most 50 characters) and catalogue
// text 175.
DatosCabecera DatosCabeceraDe(const CatalogoTextos& catalogo, std::string_view nombreCentro);

// The headers draw with the current font family, in bold.
void CabeceraVertical(HojaImpresion& hoja, const DatosCabecera& datos, std::string_view titulo);
// `pagina` 0 prints no page number in the circle.
void CabeceraApaisada(HojaImpresion& hoja, const DatosCabecera& datos, std::string_view titulo,
                      int pagina);

// One portrait column: 51 lines a page at size 12, 71 at any other size, the
// header on the first page only. `fijo` chooses Courier New, else Arial. Lines
// listed in `secciones` print bold. Lines n + 1 onwards of the buffer are
// emptied first. Any n is accepted; a report longer than the buffer's 1300
// lines simply continues on further pages.
void ImprimirVertical(SuperficieHoja& superficie, const DatosCabecera& datos,
                      BufferImpresion& buffer, int n, bool fijo, int tamano,
                      const SeccionesImpresion& secciones);

// Rows per column, pages, font size and grid of the three-column printout.
struct FormatoTresColumnas {
  int filas = 0;
  int paginas = 0;
  int tamano = 0;
  int columnasRejilla = 0;
  int x[3] = {};
};
// Only meaningful for n > 74.
FormatoTresColumnas CalcularTresColumnas(int n, bool compacto);

// Three landscape columns in Courier New, several pages numbered from 1 when
// the report does not fit on one; up to 74 lines print as ImprimirVertical in
// Courier New size 10 instead.
void ImprimirTresColumnas(SuperficieHoja& superficie, const DatosCabecera& datos,
                          BufferImpresion& buffer, int n, bool compacto,
                          const SeccionesImpresion& secciones);

// The same, after asking for the printer; false when the user cancels.
bool ImprimirVertical(Impresora& impresora, const DatosCabecera& datos, BufferImpresion& buffer,
                      int n, bool fijo, int tamano, const SeccionesImpresion& secciones);
bool ImprimirTresColumnas(Impresora& impresora, const DatosCabecera& datos, BufferImpresion& buffer,
                          int n, bool compacto, const SeccionesImpresion& secciones);

}  // namespace sendaro
