// The degree and higher vocational data of the degrees screen: the line
// tables that link degrees, universities, requirements, outlets, groups and
// vocational titles, the five record files that hold those links, the
// adjustments made after loading, and the lookups the browsers use.
//
// Numbering: a degree is its line in "CARRERA" (1..N, N = lines - 4), a new
// degree its line in "carreran", a university its line in "LUGAR", a
// vocational title its line in "FP" (family lines included), a centre its
// line in "LU1".."LU4".
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/catalogo.h"
#include "data/disposiciones.h"
#include "data/entorno.h"
#include "data/registros.h"
#include "data/tabla_linea.h"

namespace sendaro {

struct TablasDatos;

// A record file of byte rows ("datcar", "datcarn", "datgru"): records of
// `filas` rows of `enterosPorFila` bytes.
class RegistrosFilas {
 public:
  explicit RegistrosFilas(const DisposicionRegistros& disposicion);

  const DisposicionRegistros& Disposicion() const { return disposicion_; }
  // Byte k (from 0) of row `fila` (1-based) of record `registro` (1-based);
  // 0 outside the record file.
  int Byte(int registro, int fila, int k) const;
  // The list whose count is at byte `inicio` of the row: at most `maximo`
  // items and never past the row's end.
  std::vector<int> Lista(int registro, int fila, int inicio, int maximo) const;

  // Takes the last complete set of records in the bytes. False (and the
  // table untouched) when there is not one complete set.
  bool Analizar(std::string_view bytes);

 private:
  DisposicionRegistros disposicion_;
  std::vector<std::uint8_t> bytes_;
};

// "datFPR": per vocational title 1..170, its requirement codes ("REQFP"
// lines), the degrees it gives access to ("carreFP" lines) and its groups.
class RegistroTitulosFP {
 public:
  RegistroTitulosFP();

  // The list of title t in one of the three tables (registros::kTramosFPR); empty
  // outside 1..170.
  std::vector<int> Lista(const registros::TramoRegistro& tramo, int titulo) const;
  // Takes the last complete record in the bytes; false when there is none.
  bool Analizar(std::string_view bytes);

 private:
  std::vector<std::uint8_t> bytes_;
};

// Reads a whole record file of `disposicion` into `tabla`. When the file is
// missing, holds no complete set or its last set is not usable
// (DefectoRegistros): "Faltan ficheros (<nombre>). Vuelva a
// instalar el programa", FalloGrave set, the table left as it was.
bool LeerRegistrosFilas(Entorno& entorno, RegistrosFilas& tabla);
bool LeerRegistroTitulosFP(Entorno& entorno, RegistroTitulosFP& tabla);
// "datFPL": the same layout as "datFPL2", the last complete set counts.
bool AnalizarCentrosFP(std::string_view bytes, TablaLugaresGM& tabla);
bool LeerCentrosFP(Entorno& entorno, TablaLugaresGM& tabla);

// Degree type 0..3 of a degree line: the first rule that matches a piece of
// it: "(D" 1, "(L" 2, "(2" 3, "Inge" "Engi" "Enxe" 2, "I T" "E.T" "E T" 1,
// "Arquitectura  " "Arquitecte" "Arkitektoa  " 2, "Arquitectura T"
// "Arkitekto T" 1; otherwise 0.
int TipoCarrera(std::string_view linea);

// A cut-off in tenths as the lists show it: three characters right-aligned
// with a comma before the last digit (57 " 5,7", 100 "10,0"); 10, no known
// cut-off, is "  - ".
std::string EscribirNota(int nota);

// A university of a degree with its cut-off.
struct UniversidadNota {
  int universidad;
  int nota;
  bool operator==(const UniversidadNota&) const = default;
};

// What the degrees screen derives from its tables and the record files.
struct DatosCarreras {
  static constexpr int kMaxCarreras = registros::kDatcar.filas;
  static constexpr int kMaxTitulos = registros::kDatFPR.filas;

  RegistrosFilas carreras{registros::kDatcar};
  RegistrosFilas nuevas{registros::kDatcarn};
  RegistrosFilas grupos{registros::kDatgru};
  TablaLugaresGM centrosFP;  // "datFPL"
  RegistroTitulosFP titulosFP;

  int numCarreras = 0;                                         // N
  std::array<int, TablaLinea::kCapacidad + 1> tipos{};         // per degree
  std::array<int, TablaLinea::kCapacidad + 1> dificultades{};  // per degree
  std::array<int, TablaLinea::kCapacidad + 1> categorias{};    // per new degree
  int primerasFamilias = 0;

  // Degree d (1..N).
  std::vector<UniversidadNota> Universidades(int d) const;
  std::vector<int> Requisitos(int d) const;
  std::vector<int> Salidas(int d) const;
  std::vector<int> Grupos(int d) const;
  // The related degrees as stored: N + 3 stands for every "I T" degree.
  std::vector<int> Relacionadas(int d) const;
  int Dificultad(int d) const;
  int Tipo(int d) const;

  // New degree d.
  std::vector<UniversidadNota> UniversidadesNueva(int d) const;
  std::vector<int> RequisitosNueva(int d) const;
  std::vector<int> SalidasNueva(int d) const;
  int Categoria(int d) const;

  // Interest group g.
  std::vector<int> CualidadesGrupo(int g) const;
  std::vector<int> InteresesGrupo(int g) const;

  // Vocational title t ("FP" line).
  std::vector<int> Centros(int grupo, int t) const;  // lines of "LU"grupo
  std::vector<int> RequisitosTitulo(int t) const;
  std::vector<int> CarrerasTitulo(int t) const;  // lines of "carreFP"
  std::vector<int> GruposTitulo(int t) const;
};

// After "CARRERA", "carreran", "asignacar" and the other language tables are
// read: N, the line 0 titles from the catalogue, the new-degree categories
// (a leading digit is taken off the line), the difficulty levels, the
// families before the "|" group and the degree types.
void AjustarTablasCarreras(const CatalogoTextos& catalogo, TablasDatos& tablas);

// Reads, in this order, "carreran", "CARRERA", "asignacarn", "OTROS",
// "REQUISIT", "SALIDAS", "CUALIDAD", "INTERES", "GRUPOS", "FP" (lines, then
// families), "carreFP", "REQFP", "asignacar", "asignafp", "asignaot" (all
// behind the language subfolder), then "asignacarn" again from the program
// folder (not when a language's own was read: those are Spanish), then makes
// the adjustments. True when every file was read.
bool CargarTablasCarreras(Entorno& entorno, const CatalogoTextos& catalogo, TablasDatos& tablas);

// Reads, in this order, "COMUNIDA", "LUGAR", "COMUINT", "LU1".."LU4",
// "datgru", "datcarn", "datcar", "datFPL", "datFPR", "dobles", "comarcas",
// "comarcasm"; line 0 of "COMUNIDA" becomes catalogue text 275 and line 0 of
// the centre files text 276; "LU4" and "LU2" get their comarca and zone codes
// (PrepararRegionesCentros). True when every file was read.
bool CargarDatosFijos(Entorno& entorno, const CatalogoTextos& catalogo, TablasDatos& tablas);

}  // namespace sendaro
