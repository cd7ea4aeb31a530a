// The record files of an installation are generated from readable statements
// written next to the data they describe, so that nobody edits binary numbers
// by hand:
//
//  - under a data line, "#> key: values" lines (see fuentes.h) say what the
//    line links to: a degree's universities and cut-off marks, requirements,
//    outlets, groups and related degrees; a group's qualities and interests;
//    a higher vocational title's requirements, degrees and groups;
//  - "datos/datFPL.txt" and "datos/datFPL2.txt" hold "LUk centre: titles"
//    lines: the centre of "LUk" teaches those titles of "FP" (or "FP2").
//
// A reference to a line of another file is its key (given under that line
// with "#> clave: key"), or its line number; a university is also named by
// its web address as written in "LUGAR". Every reference is checked against
// the file it points into, and every fault is reported with the source line
// of the statement.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuentes.h"

namespace sendaro::datos {

// A data file as read from its source.
struct FuenteLeida {
  std::string fuente;  // as messages name it: "datos/CARRERA.txt"
  LineasFichero contenido;
};
using FuentesLeidas = std::map<std::string, FuenteLeida, std::less<>>;

// The lines of one file that statements refer to.
class IndiceLineas {
 public:
  IndiceLineas() = default;
  // Reads the lines (converted to Windows-1252) and the keys of the file;
  // a malformed or repeated key is a problem.
  IndiceLineas(std::string fichero, const FuenteLeida& fuente, std::vector<Problema>& problemas);

  const std::string& Fichero() const { return fichero_; }
  int Cuenta() const { return static_cast<int>(lineas_.size()); }
  // Line n (1-based) in Windows-1252; empty outside the file.
  const std::string& Linea(int n) const;
  // Another name of line n (a university's web address).
  void AnadirNombre(const std::string& nombre, int n) { nombres_.emplace(nombre, n); }

  // The line a reference names: a line number 1..Cuenta(), a key, or another
  // name. Nothing (and `error` says why) when it names no line.
  std::optional<int> Resolver(std::string_view referencia, std::string& error) const;
  // The key of line n; empty when it has none.
  const std::string& ClaveDe(int n) const;

 private:
  std::string fichero_;
  std::vector<std::string> lineas_;
  std::map<std::string, int, std::less<>> claves_;
  std::map<int, std::string> clave_de_linea_;
  std::map<std::string, int, std::less<>> nombres_;
};

// A key: letters, digits, '-', '_' and '.', starting with a letter.
bool EsClaveValida(std::string_view clave);

// The statement keys each file accepts besides "clave".
std::vector<std::string_view> AnotacionesDe(std::string_view fichero);

// A cut-off as written in a statement: "6,2", "10,0" (from 5,0 to `maxima`
// in tenths), or "-" for no known cut-off (stored as 10). Nothing when it is
// not one of those. The older degrees were admitted on a scale up to 10; the
// new degrees up to 14.
inline constexpr int kNotaMaximaCarreras = 100;
inline constexpr int kNotaMaximaGrados = 140;
std::optional<int> LeerNota(std::string_view texto, int maxima = kNotaMaximaCarreras);

// The word that stands for every "I T" degree among a degree's related
// degrees (stored as N + 3).
inline constexpr std::string_view kTodasLasIT = "todas-las-IT";

struct RegistroGenerado {
  std::string nombre;
  std::string bytes;
};

// Generates "datcar", "datcarn", "datgru", "datFPR" from the statements in
// the sources, "datFPL" and "datFPL2" from their statement sources, and
// "datitine" from "preguntas K: q q" / "titulos K: t t" lines (entry K of the
// first / second record: "CUESTION" questions / "TITULOS" lines) in
// "datitine.txt" (`fuentes` keyed by file name: "CARRERA", ..., "datFPL",
// "datFPL2", "datitine"). Every record file is generated, also when some
// statements are wrong.
// A reference by line number to a line that has a key is not wrong, but the
// number changes when lines are inserted above it: each one is a note in
// `avisos` (when given) that names the key to write instead.
std::vector<RegistroGenerado> GenerarRegistros(const FuentesLeidas& fuentes,
                                               std::vector<Problema>& problemas,
                                               std::vector<Problema>* avisos = nullptr);

}  // namespace sendaro::datos
