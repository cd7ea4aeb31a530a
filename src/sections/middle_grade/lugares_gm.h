// Where middle-grade titles are taught: the provinces of a community, the
// centres of a title in a community (titles first), and the centres of a
// province, comarca or zone with the titles each teaches (places first).
// Centres are lines of "LU1".."LU4" (group 1..4); "datFPL2" lists, per group
// and title, the centre lines that teach it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/lectores_fijos.h"
#include "data/registros.h"
#include "data/tabla_linea.h"

namespace sendaro {

inline constexpr int kComunidades = 19;
inline constexpr int kComunidadCataluna = 9;
inline constexpr int kComunidadMadrid = 13;
// The Barcelonès opens the list of its districts instead of a listing.
inline constexpr int kComarcaBarcelones = 37;
// Row 4 of that list separates the towns from the city's districts.
inline constexpr int kFilaSeparadorBarcelona = 4;
inline constexpr int kPrimeraSubarea = 42;

// The centre lists as the places searches read them: as the degrees screen
// prepared them when it loaded them (Barcelona's and Madrid's capitals in
// their provinces, the comarca and zone codes out of the lines).
class CentrosGM {
 public:
  CentrosGM() = default;
  explicit CentrosGM(const std::array<TablaCentros, 4>& centros);

  // Centres of group g (1..4); 0 outside.
  int Cuenta(int grupo) const;
  // The centre line as read by the searches; empty outside.
  const std::string& Linea(int grupo, int centro) const;
  // The comarca (group 4) or zone (group 2) code; empty for other centres.
  const std::string& Codigo(int grupo, int centro) const;

 private:
  std::array<std::vector<std::string>, 4> lineas_;
  std::array<std::vector<std::string>, 4> codigos_;
};

struct ProvinciaGM {
  std::string nombre;   // columns 3-37
  std::string mostrar;  // columns 3-53
};

struct ComunidadGM {
  int codigo = 0;
  int base = 0;  // its first entry of TablaProvincias
  std::vector<ProvinciaGM> provincias;
};

// Community c (1..19): its base number and its provinces, the province lines
// (20 on) whose columns 1-2 hold c, in file order; a community without any
// is its own only province.
ComunidadGM ProvinciasComunidadGM(const TablaLinea& comunidades, int c);

// Entry e (1..64) of TablaProvincias; empty outside.
std::string_view EntradaProvincia(int e);
// The group (1..4) an entry names; 0 when not a group.
int GrupoDeEntrada(std::string_view entrada);

struct FilaCentro {
  std::string texto;     // up to 60 characters
  std::string telefono;  // up to 9
  int titulo = 0;        // the title on the row (places first), else 0
};

struct FuentesLugares {
  const TablaLinea& titulos;  // "FP2"
  const CentrosGM& centros;
  const TablaLugaresGM& lugares;  // "datFPL2"
};

// Titles first: the centres of community `comunidad` that teach title t,
// province by province (a header row per province when there are several,
// a blank row after each province with centres).
std::vector<FilaCentro> CentrosDelTituloGM(const FuentesLugares& f, const ComunidadGM& comunidad,
                                           int titulo);

// Places first: which centres a search takes, in file order.
struct BusquedaLugar {
  enum class Vista { kProvincia, kComarca, kZona };
  Vista vista = Vista::kProvincia;
  int grupo = 0;
  char provincia = 0;  // kProvincia: column 1 of its centres
  std::string codigo;  // kComarca, kZona: the comarca's or zone's code
};
std::vector<int> CentrosCandidatosGM(const FuentesLugares& f, const BusquedaLugar& b);

// The towns of a province's centres: a new town each time a centre's key
// differs from the previous centre's (neighbours merge only). The key is
// characters 2-18, or 2-36 in the wide provinces.
struct LocalidadesGM {
  std::vector<std::string> nombres;
  std::vector<int> primeros;  // index into the candidates of each town's first centre
};
bool ProvinciaAnchaGM(std::string_view entrada);
LocalidadesGM LocalidadesDe(const FuentesLugares& f, int grupo, const std::vector<int>& candidatos,
                            bool ancha);

// The centres and what each teaches: "-" + name with its phone, then one
// row per title it teaches (a title listed twice, twice); a centre teaching
// none is left out, the others end with a blank row. `primeraFila` is the
// row of the candidate `desdeCandidato` (0 when it is not listed).
struct ListadoLugar {
  std::vector<FilaCentro> filas;
  int primeraFila = 0;
};
ListadoLugar CentrosDelLugarGM(const FuentesLugares& f, int grupo,
                               const std::vector<int>& candidatos, int desdeCandidato = -1);

// A grid row as the grid shows it: characters 1-44 of the text.
std::string TextoRejilla(const FilaCentro& fila);
// A row as the printouts show it: the whole text, wrapped when it is longer
// than a report line, with the phone from column 45 (or a blank after the
// text) on its last line.
std::vector<std::string> LineasConTelefono(const FilaCentro& fila);

}  // namespace sendaro
