// The titles catalogue: the studies of a professional family in five lists
// (university degrees, higher-grade and middle-grade titles through
// "indices", initial programmes and certificates by their family
// character), the requirements and description of one study, and the
// family's printout in its two layouts.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/certificados.h"
#include "data/filas_lista.h"
#include "data/impresion/informe.h"
#include "data/lectores.h"
#include "data/programas_iniciales.h"
#include "data/tabla_linea.h"

namespace sendaro {

inline constexpr int kListasCatalogo = 5;

struct TablasCatalogo {
  const TablaLinea& familias;  // "familias": column 1 the code, then the name
  const TablaLinea& indices;   // "indices", lines of 6 characters
  // List 1.
  const TablaLinea& carreras;  // "CARRERA"
  const DatosCarreras& datos;
  const TablaLinea& requisitos;  // "REQUISIT"
  const TablaLinea& salidas;     // "SALIDAS"
  // List 2.
  const TablaLinea& titulosFP;     // "FP"
  const TablaLinea& requisitosFP;  // "REQFP"
  const TablaBloques& bloquesFP;   // "asignafp"
  // List 3.
  const TablaLinea& titulosGM;    // "FP2"
  const TablaBloques& bloquesGM;  // "asignagm"
  const TablaLinea& informa;      // "INFORMA"
  // Lists 4 and 5.
  TablasProgramas programas;
  TablasCertificados certificados;
};

// The family names for ListFam: each line from column 2.
std::vector<std::string> FamiliasCatalogo(const TablasCatalogo& t);
// The code of family line f (column 1); a blank when out of range.
char CodigoFamilia(const TablasCatalogo& t, int f);

// The five lists of the family with code `familia`; each row maps to the
// study's line in its own list. Lists 1-3 take the index lines c (up to the
// length of the list they index) that name the family in that list's two
// characters; the arts family "5" has one fixed row in lists 2 and 3. A
// blank code lists nothing.
std::array<FilasConLineas, kListasCatalogo> ListasDeFamilia(const TablasCatalogo& t,
                                                            const CatalogoTextos& catalogo,
                                                            char familia);

// One line of the detail box: a heading (green, larger) or body text.
struct RenglonDetalle {
  std::string texto;
  bool encabezado = false;
  bool operator==(const RenglonDetalle&) const = default;
};

// The requirements and description of the study on `linea` of list `lista`
// (1..5) as the family `familia` shows it.
std::vector<RenglonDetalle> DetalleCatalogo(const TablasCatalogo& t, const CatalogoTextos& catalogo,
                                            char familia, int lista, int linea);

// The family's printout: title "<103>: <family>"; for each list with rows a
// blank line and its heading (bold), then its rows " -<name>"; with
// `completo` each row with its requirements and description. `encabezados`
// are the five lists' headings as printed (in capitals for the complete
// layout), `rotulos` the captions as on screen.
InformeImpresion InformeCatalogo(const TablasCatalogo& t, const CatalogoTextos& catalogo,
                                 int familiaLinea,
                                 const std::array<FilasConLineas, kListasCatalogo>& listas,
                                 bool completo,
                                 const std::array<std::string, kListasCatalogo>& encabezados,
                                 const std::array<std::string, kListasCatalogo>& rotulos);

}  // namespace sendaro
