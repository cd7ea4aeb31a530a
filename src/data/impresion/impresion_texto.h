// The plain printouts: the printer used as a text device, each written line a
// printed line in Courier New 12 from the top of the page, a new page when the
// next line does not fit, and a page-number line ("-2-") at the top of every
// page after the first. The list printout and the text printout of the
// screens differ only in the details gathered in FormatoTexto.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/impresora.h"
#include "data/impresion/superficie_hoja.h"
#include "data/tabla_linea.h"

namespace sendaro {

// Writes lines one under another on a page surface.
class DispositivoTexto {
 public:
  DispositivoTexto(SuperficieHoja& superficie, const Fuente& fuente);

  void FijarNegrita(bool negrita);
  // True when the next line no longer fits on the current page.
  bool Lleno() const;
  void NuevaPagina();
  // Writes the line at the left edge, starting a new page first when it
  // does not fit.
  void Escribir(std::string_view linea);
  // The current page, from 1.
  int Pagina() const { return pagina_; }
  int LineasPorPagina() const;

 private:
  SuperficieHoja& superficie_;
  Fuente fuente_;
  int alto_ = 0;
  int altoLinea_ = 1;
  int y_ = 0;
  int pagina_ = 1;
};

// Line i (1-based) of the table being printed.
using FuenteLineas = std::function<std::string(int)>;
FuenteLineas LineasDe(const TablaLinea& tabla);
FuenteLineas LineasDe(const BufferImpresion& buffer);

struct FormatoTexto {
  // Empty lines written before the page-number line of the first page.
  int lineasIniciales = 1;
  // Lines 1..lineasNegrita print bold.
  int lineasNegrita = 0;
  // Written lines (indent included) are cut to this many bytes; 0: no cut.
  int maxCaracteres = 0;
};

// From this many lines on, the first page has a page-number line too.
inline constexpr int kLineasConNumeroEnPrimera = 55;
// 29 blanks, "-", the page, "-".
std::string LineaNumeroPagina(int pagina);

// Prints lines 1..cuenta, each after 8 blanks, in a portrait print job.
void ImprimirComoTexto(SuperficieHoja& superficie, const FuenteLineas& lineas, int cuenta,
                       const FormatoTexto& formato);

// The list printout of the browsing screens: one empty line at the top, the
// first `negritas` lines bold, lines cut to 68 bytes.
void ImprimirLista(SuperficieHoja& superficie, const FuenteLineas& lineas, int cuenta,
                   int negritas);
// The text printout of the questionnaire and itinerary screens: two empty
// lines at the top, nothing bold.
void ImprimirTexto(SuperficieHoja& superficie, const FuenteLineas& lineas, int cuenta);

// The same after asking for the printer; false when the user cancels. The
// title names the printout (for example the PDF file); when empty, the first
// non-blank line does.
bool ImprimirLista(Impresora& impresora, const FuenteLineas& lineas, int cuenta, int negritas,
                   std::string_view titulo = {});
bool ImprimirTexto(Impresora& impresora, const FuenteLineas& lineas, int cuenta,
                   std::string_view titulo = {});

}  // namespace sendaro
