// The layout of every data file the shared readers take: which reader, the
// width, whether it lives behind the language subfolder, the fixed columns of
// each line kind, the block structure of the block files and the size of the
// record files. The readers take their columns from here and the data tool
// uses the same definitions to write and check files.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace sendaro {

// What a fixed column holds: free text, a decimal number (blanks before the
// digits allowed) or a code of characters compared as they are.
enum class ClaseCampo { kTexto, kNumero, kCodigo };

struct CampoFijo {
  std::string_view nombre;
  int columna;  // first column, counted from 1
  int ancho;    // bytes
  ClaseCampo clase;
  int repeticiones = 1;  // fields of the same width
  int paso = 0;          // columns from one repetition to the next (0: the width)

  // First column of repetition k (0-based).
  constexpr int ColumnaDe(int k) const { return columna + (paso > 0 ? paso : ancho) * k; }
  constexpr int UltimaColumna() const { return ColumnaDe(repeticiones - 1) + ancho - 1; }
};

// The fields of one kind of line of a file.
struct DisposicionLinea {
  std::string_view fichero;
  std::string_view lineas;  // which lines have this layout
  std::span<const CampoFijo> campos;
};

// Files read through the shared readers.
enum class Lector {
  kTextos,         // right-trimmed, 75 bytes
  kTabla,          // width rule, 60-byte slots
  kTablaLarga,     // width rule, 75-byte slots
  kTabla90,        // raw lines, 90-byte slots, 250 lines
  kTablaSimple,    // raw lines, 60-byte slots
  kTablaFamilias,  // kTabla, and the lines starting with "-" as families
  kBloques,
  kComarcas,
  kZonas,
  kUniversidades,
  kDirecciones,
  kCentros,
  kDobles,
  kLugaresGM,
  kPuntos,
  kColumnas,  // read by its screen: each line padded to the width, fixed columns
};

struct FicheroDatos {
  std::string_view nombre;
  Lector lector;
  int ancho;    // the width given to the reader; 0 when it takes none
  bool idioma;  // opened behind the language subfolder when one is in use
  int capacidad = 0;  // lines kept, for the files a screen reads itself
};

namespace ficheros {

inline constexpr int kAnchoNormal = 60;
inline constexpr int kAnchoAncho = 90;

inline constexpr FicheroDatos kTextos{"textos", Lector::kTextos, 75, true};
// Degrees screen.
inline constexpr FicheroDatos kCarreran{"carreran", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kCarrera{"CARRERA", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kOtros{"OTROS", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kRequisit{"REQUISIT", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kSalidas{"SALIDAS", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kCualidad{"CUALIDAD", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kInteres{"INTERES", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kGrupos{"GRUPOS", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kFP{"FP", Lector::kTablaFamilias, kAnchoNormal, true};
inline constexpr FicheroDatos kCarreFP{"carreFP", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kReqFP{"REQFP", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kAsignacar{"asignacar", Lector::kBloques, kAnchoNormal, true};
inline constexpr FicheroDatos kAsignacarn{"asignacarn", Lector::kBloques, kAnchoNormal, true};
inline constexpr FicheroDatos kAsignafp{"asignafp", Lector::kBloques, kAnchoNormal, true};
inline constexpr FicheroDatos kAsignaot{"asignaot", Lector::kBloques, kAnchoNormal, true};
inline constexpr FicheroDatos kComunida{"COMUNIDA", Lector::kTabla, kAnchoNormal - 7, false};
inline constexpr FicheroDatos kLugar{"LUGAR", Lector::kUniversidades, 0, false};
inline constexpr FicheroDatos kComuint{"COMUINT", Lector::kDirecciones, 0, false};
inline constexpr FicheroDatos kLU1{"LU1", Lector::kCentros, 0, false};
inline constexpr FicheroDatos kLU2{"LU2", Lector::kCentros, 0, false};
inline constexpr FicheroDatos kLU3{"LU3", Lector::kCentros, 0, false};
inline constexpr FicheroDatos kLU4{"LU4", Lector::kCentros, 0, false};
inline constexpr FicheroDatos kDobles{"dobles", Lector::kDobles, 0, false};
inline constexpr FicheroDatos kComarcas{"comarcas", Lector::kComarcas, 20, false};
inline constexpr FicheroDatos kComarcasm{"comarcasm", Lector::kZonas, 25, false};
// Arts studies, read when the arts button is pressed.
inline constexpr FicheroDatos kArtesplas{"artesplas", Lector::kTabla, kAnchoAncho, true};
inline constexpr FicheroDatos kMusica{"musica", Lector::kTabla, kAnchoAncho, true};
inline constexpr FicheroDatos kDanza{"danza", Lector::kTabla, kAnchoAncho, true};
inline constexpr FicheroDatos kDramatico{"dramatico", Lector::kTabla, kAnchoAncho, true};
// Itineraries screen.
inline constexpr FicheroDatos kMaterias{"MATERIAS", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kCarreras{"CARRERAS", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kInforma{"INFORMA", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kFPS{"FPS", Lector::kTabla, 50, true};
inline constexpr FicheroDatos kTitulos{"TITULOS", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kCuestion{"CUESTION", Lector::kTabla, 50, true};
inline constexpr FicheroDatos kCuesgm{"CUESGM", Lector::kTablaLarga, 75, true};
inline constexpr FicheroDatos kItinerar{"ITINERAR", Lector::kTabla, 54, true};
inline constexpr FicheroDatos kFP2{"FP2", Lector::kTablaFamilias, kAnchoNormal, true};
inline constexpr FicheroDatos kAsignagm{"asignagm", Lector::kBloques, kAnchoNormal, true};
inline constexpr FicheroDatos kDatFPL2{"datFPL2", Lector::kLugaresGM, 0, false};
// Certificates, initial programmes, titles catalogue, shared data.
inline constexpr FicheroDatos kCertifica{"certifica", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kCertificaH{"certificaH", Lector::kTabla90, 97, true};
inline constexpr FicheroDatos kFpip{"fpip", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kIPmodulos{"IPmodulos", Lector::kTabla, kAnchoNormal, true};
inline constexpr FicheroDatos kFamilias{"familias", Lector::kTablaSimple, 60, true};
inline constexpr FicheroDatos kPuntos3{"puntos3", Lector::kPuntos, 0, false};
// Professions questionnaire.
inline constexpr FicheroDatos kFraLargas{"FRALARGAS", Lector::kColumnas, 134, true, 20};
inline constexpr FicheroDatos kFraCortas{"FRACORTAS", Lector::kColumnas, 70, true, 120};
inline constexpr FicheroDatos kActivida{"ACTIVIDA", Lector::kColumnas, 65, true, 30};
inline constexpr FicheroDatos kProfesio{"profesio", Lector::kColumnas, 84, true, 250};
// Titles catalogue: the families of each study, always from the program folder.
inline constexpr FicheroDatos kIndices{"indices", Lector::kColumnas, 6, false, 600};

inline constexpr std::array kTodos{
    kTextos,   kCarreran,  kCarrera,    kOtros,    kRequisit,  kSalidas,    kCualidad, kInteres,
    kGrupos,   kFP,        kCarreFP,    kReqFP,    kAsignacar, kAsignacarn, kAsignafp, kAsignaot,
    kComunida, kLugar,     kComuint,    kLU1,      kLU2,       kLU3,        kLU4,      kDobles,
    kComarcas, kComarcasm, kArtesplas,  kMusica,   kDanza,     kDramatico,  kMaterias, kCarreras,
    kInforma,  kFPS,       kTitulos,    kCuestion, kCuesgm,    kItinerar,   kFP2,      kAsignagm,
    kDatFPL2,  kCertifica, kCertificaH, kFpip,     kIPmodulos, kFamilias,   kPuntos3,  kFraLargas,
    kFraCortas, kActivida, kProfesio,   kIndices,
};

}  // namespace ficheros

// Block files: fixed-size blocks of lines whose first line is a separator.
struct DisposicionBloques {
  std::string_view fichero;
  int lineasPorBloque;                 // block size in the file, separator included
  int lineasGuardadas;                 // lines kept per block (lineasPorBloque - 1)
  int caracteres;                      // bytes stored per line
  int capacidadBloques;                // blocks kept
  int capacidadLineas;                 // file lines the reader takes
  int ancho = ficheros::kAnchoNormal;  // width rule applied to each line
};

namespace bloques {
inline constexpr DisposicionBloques kAsignacar{"asignacar", 31, 30, 50, 200, 5000};
inline constexpr DisposicionBloques kAsignacarn{"asignacarn", 15, 14, 60, 200, 5000};
inline constexpr DisposicionBloques kAsignafp{"asignafp", 26, 25, 50, 170, 5000};
inline constexpr DisposicionBloques kAsignagm{"asignagm", 26, 25, 50, 1000, 5000};
inline constexpr DisposicionBloques kAsignaot{"asignaot", 51, 50, 50, 50, 2500};
inline constexpr std::array kTodos{kAsignacar, kAsignacarn, kAsignafp, kAsignagm, kAsignaot};
}  // namespace bloques

// Fixed columns of the files with a reader of their own.
namespace columnas {

// "comarcas": lines 1..41 are the numbered comarcas, later lines sub-areas.
inline constexpr int kComarcasNumeradas = 41;
inline constexpr CampoFijo kComarcaCodigo{"codigo", 1, 2, ClaseCampo::kCodigo};
inline constexpr CampoFijo kComarcaNumero{"numero", 3, 2, ClaseCampo::kNumero};
inline constexpr CampoFijo kComarcaNombre{"nombre", 5, ficheros::kComarcas.ancho,
                                          ClaseCampo::kTexto};
// A sub-area's name is 10 bytes wider than a comarca's and starts at column 3.
inline constexpr int kSubareaMasAncho = 10;
inline constexpr CampoFijo kSubareaCodigo{"codigo", 1, 2, ClaseCampo::kCodigo};
inline constexpr CampoFijo kSubareaNombre{"nombre", 3, ficheros::kComarcas.ancho + kSubareaMasAncho,
                                          ClaseCampo::kTexto};

// "comarcasm": every line is a place of a zone.
inline constexpr CampoFijo kZonaCodigo{"codigo", 1, 2, ClaseCampo::kCodigo};
inline constexpr CampoFijo kZonaNumero{"zona", 3, 2, ClaseCampo::kNumero};
inline constexpr CampoFijo kZonaNombre{"nombre", 5, ficheros::kComarcasm.ancho, ClaseCampo::kTexto};

// "LUGAR": one university per line.
inline constexpr CampoFijo kUniversidadComunidad{"comunidad", 1, 2, ClaseCampo::kNumero};
inline constexpr CampoFijo kUniversidadNombre{"nombre", 3, 35, ClaseCampo::kTexto};
inline constexpr CampoFijo kUniversidadDireccion{"direccion", 38, 100, ClaseCampo::kTexto};

// "COMUINT": line k is community k; columns 1-14 are not read.
inline constexpr CampoFijo kComunidadDireccion{"direccion", 15, 100, ClaseCampo::kTexto};

// "LU1".."LU4": the centre line, then up to ten two-digit numbers of the
// initial programmes the centre teaches (lines of the programme list, that
// is "fpip" without its first nine lines).
inline constexpr CampoFijo kCentroLinea{"centro", 1, 55, ClaseCampo::kTexto};
inline constexpr CampoFijo kCentroCodigos{"codigos", 56, 2, ClaseCampo::kNumero, 10};

// "dobles": a university line (columns 1-2 a number) or a detail line.
inline constexpr CampoFijo kDobleUniversidad{"universidad", 1, 2, ClaseCampo::kNumero};
inline constexpr CampoFijo kDobleNombre{"nombre", 3, 35, ClaseCampo::kTexto};
inline constexpr CampoFijo kDobleTipo{"tipo", 4, 1, ClaseCampo::kNumero};
inline constexpr CampoFijo kDobleNumero1{"numero1", 5, 3, ClaseCampo::kNumero};
inline constexpr CampoFijo kDobleNumero2{"numero2", 8, 3, ClaseCampo::kNumero};

// "FP" and "FP2": a family line starts with "-"; its text follows.
inline constexpr CampoFijo kFamiliaMarca{"marca", 1, 1, ClaseCampo::kCodigo};
inline constexpr CampoFijo kFamiliaTexto{"familia", 2, ficheros::kAnchoNormal, ClaseCampo::kTexto};
inline constexpr char kMarcaFamilia = '-';

// "FRALARGAS": a long phrase and four activity codes ("ACTIVIDA"), four
// blanks for none; the columns between the codes are separators.
inline constexpr CampoFijo kFraseLargaTexto{"texto", 1, 115, ClaseCampo::kTexto};
inline constexpr CampoFijo kFraseLargaActividades{"actividades", 116, 4, ClaseCampo::kCodigo, 4, 5};

// "FRACORTAS": line n is short phrase n; activity B may be four blanks.
inline constexpr CampoFijo kFraseCortaActividadA{"actividadA", 1, 4, ClaseCampo::kCodigo};
inline constexpr CampoFijo kFraseCortaActividadB{"actividadB", 6, 4, ClaseCampo::kCodigo};
inline constexpr CampoFijo kFraseCortaTexto{"texto", 11, 60, ClaseCampo::kTexto};

// "ACTIVIDA": one professional activity per line.
inline constexpr CampoFijo kActividadCodigo{"codigo", 1, 4, ClaseCampo::kCodigo};
inline constexpr CampoFijo kActividadNombre{"nombre", 6, 60, ClaseCampo::kTexto};

// "profesio": a profession, its activities, two short phrases ("FRACORTAS"
// lines, 0 none) and seven study codes: a letter of kLetrasEstudio and a
// three-digit line of its file; any other first character ends the list.
inline constexpr CampoFijo kProfesionActividadA{"actividadA", 1, 4, ClaseCampo::kCodigo};
inline constexpr CampoFijo kProfesionActividadB{"actividadB", 6, 4, ClaseCampo::kCodigo};
inline constexpr CampoFijo kProfesionNombre{"nombre", 11, 40, ClaseCampo::kTexto};
inline constexpr CampoFijo kProfesionFrases{"frases", 51, 3, ClaseCampo::kNumero, 2};
inline constexpr CampoFijo kProfesionEstudios{"estudios", 57, 4, ClaseCampo::kCodigo, 7};
struct LetraEstudio {
  char letra;
  std::string_view fichero;
};
inline constexpr std::array<LetraEstudio, 4> kLetrasEstudio{
    {{'C', "CARRERA"}, {'S', "FP"}, {'M', "FP2"}, {'O', "OTROS"}}};

// "indices": line c holds two family codes ("familias" column 1) of degree c
// of "CARRERA", two of title c of "FP" and two of title c of "FP2".
inline constexpr CampoFijo kIndiceCarrera{"carrera", 1, 1, ClaseCampo::kCodigo, 2};
inline constexpr CampoFijo kIndiceFP{"fp", 3, 1, ClaseCampo::kCodigo, 2};
inline constexpr CampoFijo kIndiceFP2{"fp2", 5, 1, ClaseCampo::kCodigo, 2};
// The titles catalogue does not look up the arts family of "familias" in
// "indices": it shows one fixed row of higher-grade titles, tied to this
// line of "FP", and one of middle-grade titles, tied to this line of "FP2".
// Both lines must be titles (the rows show their requirements).
inline constexpr char kFamiliaArtesCatalogo = '5';
inline constexpr int kTituloArtesFP = 134;
inline constexpr int kTituloArtesFP2 = 99;

// "CUESGM": lines 1-11 the areas, then up to 100 statements: an answer code
// (a family of "FP2" in file order, then "T" its titles, "Z" titles 1 and 2,
// or a digit d its title d), the primary and secondary areas.
inline constexpr int kAreasCuesGM = 11;
// The family an answer code's first character names: "0".."9" are 0..9 and
// "A".."U" 10..30; an "FP2" with more families than that goes on with
// "V".."Z" (31..35) and "a".."z" (36..61). -1 for any other character.
inline constexpr int kMaxFamiliasCuesGM = 61;
constexpr int FamiliaRespuestaGM(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 36;
  return -1;
}
static_assert(FamiliaRespuestaGM('9') == 9 && FamiliaRespuestaGM('U') == 30 &&
              FamiliaRespuestaGM('V') == 31 && FamiliaRespuestaGM('a') == 36 &&
              FamiliaRespuestaGM('z') == kMaxFamiliasCuesGM && FamiliaRespuestaGM('#') == -1);
inline constexpr int kMaxEnunciadosCuesGM = 100;
inline constexpr CampoFijo kCuesGMRespuesta{"respuesta", 1, 2, ClaseCampo::kCodigo};
inline constexpr CampoFijo kCuesGMArea{"area", 3, 1, ClaseCampo::kCodigo};
inline constexpr CampoFijo kCuesGMAreaSegunda{"area2", 4, 1, ClaseCampo::kCodigo};
inline constexpr CampoFijo kCuesGMTexto{"texto", 5, 70, ClaseCampo::kTexto};

inline constexpr std::array kComarcasLineas{kComarcaCodigo, kComarcaNumero, kComarcaNombre};
inline constexpr std::array kSubareasLineas{kSubareaCodigo, kSubareaNombre};
inline constexpr std::array kZonasLineas{kZonaCodigo, kZonaNumero, kZonaNombre};
inline constexpr std::array kUniversidadesLineas{kUniversidadComunidad, kUniversidadNombre,
                                                 kUniversidadDireccion};
inline constexpr std::array kDireccionesLineas{kComunidadDireccion};
inline constexpr std::array kCentrosLineas{kCentroLinea, kCentroCodigos};
inline constexpr std::array kDoblesUniversidad{kDobleUniversidad, kDobleNombre};
inline constexpr std::array kDoblesDetalle{kDobleTipo, kDobleNumero1, kDobleNumero2};
inline constexpr std::array kFamiliasLineas{kFamiliaMarca, kFamiliaTexto};
inline constexpr std::array kFrasesLargasLineas{kFraseLargaTexto, kFraseLargaActividades};
inline constexpr std::array kFrasesCortasLineas{kFraseCortaActividadA, kFraseCortaActividadB,
                                                kFraseCortaTexto};
inline constexpr std::array kActividadesLineas{kActividadCodigo, kActividadNombre};
inline constexpr std::array kProfesionesLineas{kProfesionActividadA, kProfesionActividadB,
                                               kProfesionNombre, kProfesionFrases,
                                               kProfesionEstudios};
inline constexpr std::array kIndicesLineas{kIndiceCarrera, kIndiceFP, kIndiceFP2};
inline constexpr std::array kCuesGMEnunciados{kCuesGMRespuesta, kCuesGMArea, kCuesGMAreaSegunda,
                                              kCuesGMTexto};

inline constexpr std::array<DisposicionLinea, 15> kTodas{{
    {"comarcas", "1-41", kComarcasLineas},
    {"comarcas", "42-", kSubareasLineas},
    {"comarcasm", "todas", kZonasLineas},
    {"LUGAR", "todas", kUniversidadesLineas},
    {"COMUINT", "todas", kDireccionesLineas},
    {"LU1-LU4", "todas", kCentrosLineas},
    {"dobles", "universidad", kDoblesUniversidad},
    {"dobles", "detalle", kDoblesDetalle},
    {"FP, FP2", "familia", kFamiliasLineas},
    {"FRALARGAS", "todas", kFrasesLargasLineas},
    {"FRACORTAS", "todas", kFrasesCortasLineas},
    {"ACTIVIDA", "todas", kActividadesLineas},
    {"profesio", "todas", kProfesionesLineas},
    {"indices", "todas", kIndicesLineas},
    {"CUESGM", "12-", kCuesGMEnunciados},
}};
static_assert(kFraseLargaActividades.UltimaColumna() == ficheros::kFraLargas.ancho);
static_assert(kFraseCortaTexto.UltimaColumna() == ficheros::kFraCortas.ancho);
static_assert(kActividadNombre.UltimaColumna() == ficheros::kActivida.ancho);
static_assert(kProfesionEstudios.UltimaColumna() == ficheros::kProfesio.ancho);
static_assert(kIndiceFP2.UltimaColumna() == ficheros::kIndices.ancho);
static_assert(kCuesGMTexto.UltimaColumna() == 74);

}  // namespace columnas

// Record files: fixed-size binary records of little-endian integers.
struct DisposicionRegistros {
  std::string_view fichero;
  int registros;
  int filas;           // rows per record
  int enterosPorFila;  // integers per row
  int bytesPorEntero;

  constexpr int BytesPorRegistro() const { return filas * enterosPorFila * bytesPorEntero; }
  constexpr int BytesTotales() const { return registros * BytesPorRegistro(); }
};

namespace registros {
// Four records (one per centre file), 170 titles x 351 16-bit words.
inline constexpr DisposicionRegistros kDatFPL2{"datFPL2", 4, 170, 351, 2};
// One record of 281 columns x 636 32-bit integers; only the low byte is used.
inline constexpr DisposicionRegistros kPuntos3{"puntos3", 1, 281, 636, 4};
static_assert(kDatFPL2.BytesPorRegistro() == 119340);
static_assert(kPuntos3.BytesTotales() == 714864);

// Degree records: five records of 200 rows (degree 1..200) x 101 bytes. In a
// row byte 0 is a count n and bytes 1..n the list. Record 1 the universities
// ("LUGAR" lines), 2 the requirement codes ("REQUISIT" lines), 3 the cut-off
// at each university of record 1 in tenths (10 = none known), 4 the outlet
// codes ("SALIDAS" lines), 5 the groups in bytes 0..9 and the related
// degrees from byte 10.
inline constexpr DisposicionRegistros kDatcar{"datcar", 5, 200, 101, 1};
// The same for the new degrees ("carreran" rows); record 5 unused.
inline constexpr DisposicionRegistros kDatcarn{"datcarn", 5, 200, 101, 1};
// Interest groups: record 1 the qualities, record 2 the interests of each.
inline constexpr DisposicionRegistros kDatgru{"datgru", 2, 200, 101, 1};
// Higher vocational centres: record k for "LU"k, 170 titles x 351 16-bit
// words (word 0 a count, then centre line numbers).
inline constexpr DisposicionRegistros kDatFPL{"datFPL", 4, 170, 351, 2};
// Higher vocational titles: one record of three tables one after the other,
// 51 bytes per title in all (see kTramosFPR).
inline constexpr DisposicionRegistros kDatFPR{"datFPR", 1, 170, 51, 1};

// Record numbers (1-based) of "datcar" and "datcarn".
inline constexpr int kRegistroUniversidades = 1;
inline constexpr int kRegistroRequisitos = 2;
inline constexpr int kRegistroNotas = 3;
inline constexpr int kRegistroSalidas = 4;
inline constexpr int kRegistroGruposYRelacionadas = 5;
// Record 5 of "datcar": groups count and list in bytes 0..9, related degrees
// count at byte 10 and list after it.
inline constexpr int kMaxGruposCarrera = 9;
inline constexpr int kInicioRelacionadas = 10;
// The largest list a 101-byte row holds after its count byte.
inline constexpr int kMaxLista = 100;
// A cut-off of 10 (1,0) means no known cut-off.
inline constexpr int kSinNota = 10;

// A table of "datFPR": at `inicio` + bytesPorTitulo x (t - 1) the count
// (at most `maximo`) and the list of title t.
struct TramoRegistro {
  std::string_view nombre;
  int inicio;
  int bytesPorTitulo;
  int maximo;
};
inline constexpr TramoRegistro kFPRRequisitos{"requisitos", 0, 21, 20};
inline constexpr TramoRegistro kFPRCarreras{"carreras", 3570, 26, 25};
inline constexpr TramoRegistro kFPRGrupos{"grupos", 7990, 4, 3};
inline constexpr std::array kTramosFPR{kFPRRequisitos, kFPRCarreras, kFPRGrupos};
static_assert(kFPRCarreras.inicio == kFPRRequisitos.inicio + 170 * kFPRRequisitos.bytesPorTitulo);
static_assert(kFPRGrupos.inicio == kFPRCarreras.inicio + 170 * kFPRCarreras.bytesPorTitulo);
static_assert(kDatFPR.BytesTotales() == kFPRGrupos.inicio + 170 * kFPRGrupos.bytesPorTitulo);
static_assert(kDatFPR.BytesTotales() == 8670);
static_assert(kDatcar.BytesPorRegistro() == 20200);

// Study questionnaire areas: two records of 30 entries (area 1..30) x 101
// bytes, byte 0 a count n and bytes 1..n the list. Record 1 the questions
// ("CUESTION" lines) of each area, graded for areas 1..20; record 2 the
// titles ("TITULOS" lines) shown for areas 1..13, those from line 89 on
// after a heading. Always in the program folder.
inline constexpr DisposicionRegistros kDatitine{"datitine", 2, 30, 101, 1};
inline constexpr int kRegistroPreguntas = 1;
inline constexpr int kRegistroTitulos = 2;
inline constexpr int kAreasConPreguntas = 20;
inline constexpr int kAreasConTitulos = 13;
// Questions 1..35 are the first part; the first stage grades areas 14..19
// over those only, so each of them needs one.
inline constexpr int kPreguntasPrimeraParte = 35;
inline constexpr int kPrimeraAreaCorta = 14;
inline constexpr int kUltimaAreaCorta = 19;
static_assert(kDatitine.BytesPorRegistro() == 3030);

// Every record file, in the order the program reads them.
inline constexpr std::array kTodos{kDatFPL2, kPuntos3, kDatgru,   kDatcarn,
                                   kDatcar,  kDatFPL,  kDatFPR, kDatitine};
}  // namespace registros

}  // namespace sendaro
