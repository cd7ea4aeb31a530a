// Where a higher vocational title is taught: the centres of a place (a
// province, a comarca of Catalonia or a zone of Madrid) with the titles each
// teaches, filtered by the student's upper-stage branch, and the centres of
// one title in each province of a community. Rows go to the grid `reja`
// (text, telephone) or, in print form, to a report.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/lectores_fijos.h"
#include "data/tabla_linea.h"

namespace sendaro {

struct FuentesFP;

// The upper-stage branches of the filter `ComBachi`: item 0 any branch,
// items 1..4 ask for requirement codes 8..11.
inline constexpr int kRamasFP = 5;
// The item texts: line 12 of "REQFP" from column 4, then lines 8..11.
std::array<std::string, kRamasFP> TextosRamas(const TablaLinea& requisitosFP);
// A title is allowed for item b when b is 0 (or out of range), or when its
// requirement codes include 7 + b, or 12 (any branch), or, for item 3 only,
// 31. A title without requirement codes is only allowed for item 0.
bool TituloPermitido(const std::vector<int>& requisitos, int rama);

// Built once when the tables are loaded: for every centre of each centre
// file, the titles it teaches in "FP" order, and for every title the
// branches it is allowed for.
struct IndiceCentrosFP {
  std::array<std::vector<std::vector<int>>, 4> titulos;  // [file - 1][centre]
  std::vector<std::uint8_t> ramas;                       // [title]: bit b = item b
  void Construir(const TablaLinea& titulosFP, const std::array<TablaCentros, 4>& centros,
                 const DatosCarreras& datos);
  const std::vector<int>& TitulosDe(int grupo, int centro) const;
  bool Permitido(int titulo, int rama) const;
};

// A province of a community: its name and the centre file and province
// character it uses (entry e + c - 1 of TablaProvincias).
struct ProvinciaFP {
  std::string nombre;
  int grupo = 0;
  char codigo = ' ';
};
// The province lines of the community in file order; a community without
// any is one province named like it. Entries outside the province table are
// left out.
std::vector<ProvinciaFP> ProvinciasDeComunidad(const TablaLinea& comunidades, int comunidad);

// The wide provinces, whose town fills columns 2..36 instead of 2..18.
bool ProvinciaAncha(int grupo, char codigo);
// The town of a centre line.
std::string PuebloDeCentro(std::string_view linea, int grupo);
// The telephone of a centre line (columns 46..54).
std::string TelefonoDeCentro(std::string_view linea);

// One row of the grid.
struct FilaReja {
  std::string texto;
  std::string telefono;
  int titulo = 0;  // the title the row names; 0 for other rows
};

// How the place was picked.
enum class ModoLugarFP { kProvincia, kComarca, kZona };
struct LugarFP {
  ModoLugarFP modo = ModoLugarFP::kProvincia;
  int grupo = 0;            // centre file (province mode)
  char provincia = ' ';     // province character (province mode)
  std::string region;       // comarca or zone code (the other modes)
};

// Step 1: the centre lines of the place that teach at least one title, in
// file order (comarca mode reads "LU4", zone mode "LU2").
std::vector<int> CentrosDelLugar(const std::array<TablaCentros, 4>& centros,
                                 const IndiceCentrosFP& indice, const LugarFP& lugar);
inline int GrupoDeLugar(const LugarFP& l) {
  return l.modo == ModoLugarFP::kComarca ? 4 : l.modo == ModoLugarFP::kZona ? 2 : l.grupo;
}

// Step 2: the towns of those centres, consecutive repeats merged, each with
// its first centre line.
struct PuebloFP {
  std::string nombre;
  int primerCentro = 0;
};
std::vector<PuebloFP> PueblosDeCentros(const TablaCentros& tabla, const std::vector<int>& centros,
                                       int grupo);

// Step 3: the grid. `pueblo` is the chosen town's first centre line (0: no
// town); the grid starts at the first centre of that town that passes the
// branch filter.
struct RejaFP {
  std::vector<FilaReja> filas;
  int filaInicio = 0;  // row to scroll to, from 0
};
RejaFP RejaDelLugar(const FuentesFP& f, const IndiceCentrosFP& indice, const LugarFP& lugar,
                    const std::vector<int>& centros, int rama, const std::string& textoRama,
                    int pueblo);
// The print form of a grid: each row whole, wrapped when longer than a
// report line, its telephone from column 45 (or a blank after the text) on
// its last line.
std::vector<std::string> ImpresionReja(const std::vector<FilaReja>& filas);

// The centres of title t in each province of a community: a header row per
// province when there are several (left out when the province has none),
// a blank row after each province with centres.
std::vector<FilaReja> CentrosDelTitulo(const FuentesFP& f, int titulo, int comunidad);
// The rows as the printout lists them: an empty line, "***  <COMMUNITY>***",
// an empty line, each row with its telephone; nothing when there are no rows.
std::vector<std::string> CentrosDelTituloImpresion(const std::vector<FilaReja>& filas,
                                                   std::string_view comunidadMayusculas);

}  // namespace sendaro
