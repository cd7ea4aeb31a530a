// The initial vocational programmes: the nine areas (lines 1-9 of "fpip"),
// the programmes of an area under their headings, a programme's modules and
// jobs ("IPmodulos"), its requirements and what is studied ("INFORMA"), the
// centres that teach it in a community, the centre search by province and
// locality, and both printouts.
//
// Programme p is line p of the programme list, that is line 9 + p of "fpip";
// its block of "IPmodulos" is lines 10(p-1)+1..10p: five modules, five jobs.
// The centre lines of "LU1".."LU4" carry up to ten programme numbers.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/catalogo.h"
#include "data/filas_lista.h"
#include "data/impresion/informe.h"
#include "data/lectores_fijos.h"
#include "data/tabla_linea.h"

namespace sendaro {

inline constexpr int kAreasPrograma = 9;
inline constexpr int kModulosPorPrograma = 5;

struct TablasProgramas {
  const TablaLinea& programas;    // "fpip"
  const TablaLinea& modulos;      // "IPmodulos"
  const TablaLinea& informa;      // "INFORMA"
  const TablaLinea& comunidades;  // "COMUNIDA"
  // Centre lists of groups 1..4; group 2 is this screen's own copy of "LU2".
  std::array<const TablaCentros*, 4> centros{};
};

int CuentaProgramas(const TablasProgramas& t);
// Line p of the programme list; empty outside 1..CuentaProgramas.
const std::string& LineaPrograma(const TablasProgramas& t, int p);
// Columns 2-61 without trailing blanks.
std::string TextoPrograma(const TablasProgramas& t, int p);
bool EsEncabezadoPrograma(const TablasProgramas& t, int p);

// Area a (1..9): columns 5-64 without trailing blanks.
std::vector<std::string> AreasPrograma(const TablasProgramas& t);
// An area whose code begins with "0" opens the centre search instead.
bool AreaBuscaCentros(const TablasProgramas& t, int a);

// The rows of the programme popup of area a: for each of the area's four
// code characters in order (blank ones match nothing), every programme line
// with that family character, in file order. Headings show their text
// without the "-"; programmes "\x95 " + text.
FilasConLineas ProgramasDeArea(const TablasProgramas& t, int a);

// Lines 1-5 (modules) or 6-10 (jobs) of p's block, without trailing blanks;
// empty lines for a programme outside the list or a block past the file.
std::vector<std::string> ModulosPrograma(const TablasProgramas& t, int p);
std::vector<std::string> TrabajosPrograma(const TablasProgramas& t, int p);

// The texts (columns 3-60, no trailing blanks) of the "INFORMA" lines whose
// first two characters are the code.
std::vector<std::string> LineasConCodigo(const TablaLinea& informa, std::string_view codigo);

// The description under the popup while the pointer is over a row:
// "    <501>" and the five modules; nothing over a heading.
std::vector<std::string> DescripcionPrograma(const TablasProgramas& t,
                                             const CatalogoTextos& catalogo, int p);

// The three detail views of a chosen programme.
enum class VistaPrograma { kRequisitos, kAsignaturas, kTrabajos };
struct DetallePrograma {
  std::string titulo;  // PanelSelTit
  std::vector<std::string> filas;
};
DetallePrograma VistaDePrograma(const TablasProgramas& t, const CatalogoTextos& catalogo,
                                VistaPrograma vista, int p);

// A community's provinces: its base number into TablaProvincias and, for
// each province, its name (columns 3-37) and display form (columns 3-53),
// both without trailing blanks. A community without province lines is its
// own single province.
struct ProvinciasComunidad {
  int base = 0;
  std::vector<std::string> nombres;
  std::vector<std::string> vistas;
};
ProvinciasComunidad Provincias(const TablaLinea& comunidades, int comunidad);

// Entry k (1..64) of TablaProvincias, with 35 read as 34; empty outside.
std::string_view CodigoProvincia(int k);

// A row of the centre grid: its text and phone.
struct FilaCentroIP {
  std::string texto;
  std::string telefono;
  bool operator==(const FilaCentroIP&) const = default;
};

// The centres of community `comunidad` that teach programme p, province by
// province (headed "- <name>" when there are several; a province without
// any is left out), each province followed by a blank row.
std::vector<FilaCentroIP> CentrosDePrograma(const TablasProgramas& t, int p, int comunidad);

// The centre search in one province (code "<group><province>"): the centres
// that carry a known programme number, and their localities, neighbouring
// centres with equal keys sharing one.
struct CentrosProvincia {
  int grupo = 0;                         // 0: not a centre group, nothing found
  std::vector<int> centros;              // centre lines
  std::vector<int> localidadDe;          // per centre: its locality, from 1
  std::vector<std::string> localidades;  // the keys, without trailing blanks
};
CentrosProvincia CentrosDeProvincia(const TablasProgramas& t, std::string_view codigo);

// Every centre of the province with its programmes: "-" + the centre and its
// phone, one row per known programme, a blank row. `primeraFila` is the row
// of the first centre of locality `localidad` (from 1), 0 when none.
struct ListadoLugarIP {
  std::vector<FilaCentroIP> filas;
  int primeraFila = 0;
};
ListadoLugarIP ListadoDeProvincia(const TablasProgramas& t, const CentrosProvincia& provincia,
                                  int localidad);

// The programme's report: title "<programme> (<229>)", its requirements,
// what is studied, modules and jobs, then text 323, "***  <COMMUNITY>  ***"
// and each centre row whole with its phone two blanks after it.
// `comunidadMayusculas` is the community's name (columns 3-32) in capitals.
InformeImpresion InformePrograma(const TablasProgramas& t, const CatalogoTextos& catalogo, int p,
                                 std::string_view comunidadMayusculas,
                                 const std::vector<FilaCentroIP>& filas);

// The place report: "<289>: <place> - <229>", then each centre whole with
// its phone from column 45 (or a blank after the name), and each
// programme's whole name. Rows longer than a report line wrap.
InformeImpresion InformeLugar(const CatalogoTextos& catalogo, std::string_view lugar,
                              const std::vector<FilaCentroIP>& filas);

// The grid's first column: the row's first 44 characters.
std::string ColumnaCentro(std::string_view texto);

}  // namespace sendaro
