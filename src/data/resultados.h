// Structured questionnaire results: the machine-readable copy written beside
// every saved questionnaire report (one JSON file per student and
// questionnaire), reading a folder of them back, and the classroom summary a
// counsellor makes of them. Texts are UTF-8.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sendaro {

// The format of the files this program writes and reads. A file of another
// format is skipped, never guessed at.
inline constexpr int kFormatoResultado = 1;

// A row of the result, best first: what is recommended (a modality, area,
// group or family) and its score as the report shows it.
struct FilaResultado {
  std::string texto;
  std::string puntuacion;
  friend bool operator==(const FilaResultado&, const FilaResultado&) = default;
};

struct RespuestaCuestionario {
  std::string pregunta;
  std::string respuesta;
  friend bool operator==(const RespuestaCuestionario&, const RespuestaCuestionario&) = default;
};

struct ResultadoCuestionario {
  std::string version;       // the program's version
  std::string fecha;         // local date and time, "2026-12-11T10:50:00"
  std::string idioma;        // "es", "ca", "gl" or "eu"
  std::string cuestionario;  // see the kCuestionario... names below
  std::string alumno;        // empty when not known
  std::string grupo;         // empty when not known
  std::vector<RespuestaCuestionario> respuestas;
  std::vector<FilaResultado> filas;
  std::vector<std::string> explicaciones;
  friend bool operator==(const ResultadoCuestionario&, const ResultadoCuestionario&) = default;
};

// The questionnaires that write results, in the order the summary shows them.
inline constexpr std::string_view kCuestionarioCualidades = "cualidades";
inline constexpr std::string_view kCuestionarioIntereses = "intereses";
inline constexpr std::string_view kCuestionarioEstudios = "estudios";
inline constexpr std::string_view kCuestionarioProfesiones = "profesiones";
inline constexpr std::string_view kCuestionarioGradoMedio = "grado_medio";
// Its place in that order; unknown questionnaires go last.
int OrdenCuestionario(std::string_view cuestionario);

// The file's text: a JSON object, keys in a fixed order, UTF-8, ending in a
// line end.
std::string ResultadoAJson(const ResultadoCuestionario& resultado);

// The name of the file written beside the report "<nombre>.TXT":
// "<nombre>.json".
std::filesystem::path RutaResultadoJunto(const std::filesystem::path& informe);

// Why a file was skipped.
enum class MotivoDescarte {
  kIlegible,     // the file could not be read
  kNoEsJson,     // not JSON, or cut short
  kOtroFormato,  // JSON of another format or version of this program
  kIncompleto,   // a required field is missing or of the wrong kind
};

struct LecturaResultado {
  std::optional<ResultadoCuestionario> resultado;
  MotivoDescarte motivo = MotivoDescarte::kNoEsJson;
  std::string detalle;  // the field, the format number or the parse position
};

LecturaResultado LeerResultadoJson(std::string_view texto);

struct ResultadoLeido {
  std::filesystem::path ruta;
  ResultadoCuestionario resultado;
};

struct FicheroDescartado {
  std::filesystem::path ruta;
  MotivoDescarte motivo;
  std::string detalle;
};

struct CarpetaResultados {
  std::vector<ResultadoLeido> leidos;
  std::vector<FicheroDescartado> descartados;
};

// Every "*.json" file of the folder and its subfolders, in path order. A
// missing folder gives nothing.
CarpetaResultados LeerCarpetaResultados(const std::filesystem::path& carpeta);

// Which results the summary counts. Empty fields do not filter; dates compare
// as "YYYY-MM-DD", both ends included.
struct FiltroResultados {
  std::string grupo;
  std::string desde;
  std::string hasta;
};

bool PasaFiltro(const ResultadoCuestionario& resultado, const FiltroResultados& filtro);

// One questionnaire's summary. When a student (same name and group) saved the
// same questionnaire more than once, only the latest result counts; results
// without a name each count.
struct ResumenCuestionario {
  std::string cuestionario;
  // Indices into the results given, the students' results in name order.
  std::vector<std::size_t> alumnos;
  // Each first row's text and how many students have it first, most first
  // (ties in text order). Results with no rows are not counted here.
  std::vector<std::pair<std::string, int>> reparto;
};

std::vector<ResumenCuestionario> Resumir(const std::vector<ResultadoLeido>& leidos,
                                         const FiltroResultados& filtro);

// The groups named in the results, sorted, without repeats.
std::vector<std::string> GruposDe(const std::vector<ResultadoLeido>& leidos);

// The summary as CSV for a spreadsheet: UTF-8 with BOM, ';' between fields,
// CR LF line ends, fields quoted when they hold ';', '"' or a line end. One
// row per student: the questionnaire, group, name, date and first result and
// its score, under a heading row of `cabeceras` (six names).
std::string ResumenCsv(const std::vector<ResultadoLeido>& leidos,
                       const std::vector<ResumenCuestionario>& resumen,
                       const std::vector<std::string>& cabeceras);

}  // namespace sendaro
