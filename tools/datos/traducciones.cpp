#include "traducciones.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <system_error>

#include "data/texto.h"
#include "ficheros.h"
#include "glosario.h"

namespace fs = std::filesystem;

namespace sendaro::datos {
namespace {

bool LeerBytes(const fs::path& ruta, std::string& contenido) {
  std::ifstream f(ruta, std::ios::binary);
  if (!f) return false;
  contenido.assign(std::istreambuf_iterator<char>(f), {});
  return true;
}

// The lines of an installation text file without their line ends and
// trailing blanks, as the program reads them (a UTF-8 file converted).
std::vector<std::string> Lineas(std::string bytes) {
  if (GuardadoEnUtf8(bytes)) bytes = TextoWindows1252(bytes);
  std::vector<std::string> lineas;
  std::size_t inicio = 0;
  while (inicio < bytes.size()) {
    std::size_t fin = bytes.find('\n', inicio);
    if (fin == std::string::npos) fin = bytes.size();
    lineas.push_back(RecortarDerecha(std::string_view(bytes).substr(inicio, fin - inicio)));
    if (!lineas.back().empty() && lineas.back().back() == '\r') lineas.back().pop_back();
    lineas.back() = RecortarDerecha(lineas.back());
    inicio = fin + 1;
  }
  return lineas;
}

std::string_view Recortada(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// The width the program reads a file's lines at.
int AnchoLector(std::string_view nombre) {
  for (const auto& f : ficheros::kTodos) {
    if (f.nombre == nombre && f.ancho > 0) return f.ancho;
  }
  return ficheros::kAnchoNormal;
}

bool EsMarcaArtes(std::string_view linea) { return linea == "f1" || linea == "f2"; }

// How many "f1"/"f2" markers come before line i, and whether a blank line
// follows the last one before i.
struct PosicionArtes {
  int marcas = 0;
  bool blanco_tras_marca = false;
};
PosicionArtes Posicion(const std::vector<std::string>& es, std::size_t i) {
  PosicionArtes p;
  for (std::size_t k = 0; k < i && k < es.size(); ++k) {
    if (EsMarcaArtes(es[k])) {
      ++p.marcas;
      p.blanco_tras_marca = false;
    } else if (p.marcas > 0 && es[k].empty()) {
      p.blanco_tras_marca = true;
    }
  }
  return p;
}

// Windows-1252 letters, the Catalan middle dot included so that "l·l"
// stays inside its word.
bool EsLetra(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  if (c >= 0xC0) return c != 0xD7 && c != 0xF7;
  return c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E ||
         c == 0x9F || c == 0xB7;
}

// Frequent Spanish words (UTF-8, lower case). "de", "a", "o", "e" are left
// out: they are words of every language here or of the names that stay.
constexpr std::string_view kPalabrasEspanolas[] = {
    "y", "el", "la", "los", "las", "lo", "del", "al", "en", "con", "sin", "por", "para", "que",
    "se", "su", "sus", "un", "una", "unos", "unas", "es", "son", "no", "más", "muy", "como",
    "cuando", "pero", "también", "sobre", "entre", "hasta", "desde", "tu", "tus", "te", "le",
    "les", "me", "mi", "nos", "este", "esta", "estos", "estas", "ese", "esa", "esos", "esas",
    "todo", "toda", "todos", "todas", "otro", "otra", "otros", "otras", "cada", "hay", "qué",
    "cómo", "dónde", "cuál", "según", "tras", "donde", "tiene", "tienen", "puede", "pueden",
    "hacer", "ser", "está", "están", "ha", "han", "año", "años", "curso", "cursos", "trabajo",
    "trabajar", "estudios", "estudiar", "técnico", "técnica", "grado", "ciclo", "ciclos",
    "ingeniería", "enseñanzas", "ciencias", "gestión", "educación", "información",
    "administración", "atención", "producción", "instalaciones", "mantenimiento", "servicios",
    "personas", "acceso", "prueba", "título", "gusta", "bien", "mejor",
};

// Words each language shares with Spanish, so that a text kept as in
// Spanish may have them.
const std::map<std::string_view, std::set<std::string_view>>& Compartidas() {
  static const std::map<std::string_view, std::set<std::string_view>> compartidas = {
      {"catVal",
       {"el", "la", "les", "lo", "los", "en", "del", "al", "que", "se", "es", "un", "una", "no",
        "me", "te", "tu", "nos", "sobre", "entre", "cada", "ha", "han", "son", "ser", "cursos"}},
      {"galego",
       {"en", "que", "se", "con", "para", "por", "un", "no", "es", "son", "me", "te", "tu", "nos",
        "como", "pero", "desde", "sobre", "entre", "este", "esta", "estas", "ese", "esa", "todo",
        "toda", "todos", "todas", "cada", "tras", "ser", "está", "están", "ha", "han", "técnico",
        "técnica", "ciclo", "ciclos", "curso", "cursos", "estudios", "educación", "información",
        "administración", "atención", "ciencias", "acceso", "título", "gusta", "mellor"}},
      {"euskera", {}},
  };
  return compartidas;
}

}  // namespace

std::vector<TramoCodigo> ColumnasCodigo(std::string_view fichero,
                                        const std::vector<std::string>& es, std::size_t i) {
  if (i >= es.size()) return {};
  const std::string_view l = es[i];
  const int n = static_cast<int>(i) + 1;
  const int largo = static_cast<int>(l.size());
  std::vector<TramoCodigo> r;
  // A web address is never translated.
  if (const auto web = l.find("http://"); web != std::string_view::npos) {
    r.push_back({static_cast<int>(web) + 1, largo - static_cast<int>(web)});
  }
  const auto guion = [&](int columna) {
    if (largo >= columna && l[static_cast<std::size_t>(columna - 1)] == '-') {
      r.push_back({columna, 1});
    }
  };
  using namespace columnas;
  if (fichero == "CUESTION") {
    r.push_back({1, 2});
  } else if (fichero == "CUESGM") {
    if (n > kAreasCuesGM) r.push_back({kCuesGMRespuesta.columna, kCuesGMTexto.columna - 1});
  } else if (fichero == "FP" || fichero == "FP2") {
    int k = 0;
    while (k < largo && (l[static_cast<std::size_t>(k)] == '-' || l[static_cast<std::size_t>(k)] == '|')) ++k;
    if (k > 0) r.push_back({1, k});
  } else if (fichero == "FPS") {
    r.push_back({1, 7});
  } else if (fichero == "CARRERAS") {
    r.push_back({1, 6});
  } else if (fichero == "carreran" || fichero == "familias") {
    r.push_back({1, 1});
  } else if (fichero == "INFORMA" || fichero == "MATERIAS") {
    r.push_back({1, 2});
  } else if (fichero == "certifica") {
    if (n <= 9) {
      r.push_back({1, 8});
    } else {
      r.push_back({1, 1});
      guion(2);
    }
  } else if (fichero == "fpip") {
    if (n <= 9) {
      r.push_back({1, 4});
    } else {
      r.push_back({1, 1});
      guion(2);
    }
  } else if (fichero == "certificaH") {
    if (n <= 9) {
      r.push_back({1, 1});
    } else if (largo > 0) {
      r.push_back({1, 7});
    }
  } else if (fichero == "profesio") {
    r.push_back({1, kProfesionNombre.columna - 1});
    r.push_back({kProfesionFrases.columna, kProfesionEstudios.UltimaColumna() -
                                               kProfesionFrases.columna + 1});
  } else if (fichero == "FRACORTAS") {
    r.push_back({1, kFraseCortaTexto.columna - 1});
  } else if (fichero == "FRALARGAS") {
    r.push_back({kFraseLargaActividades.columna,
                 kFraseLargaActividades.UltimaColumna() - kFraseLargaActividades.columna + 1});
  } else if (fichero == "ACTIVIDA") {
    r.push_back({1, kActividadNombre.columna - 1});
  } else if (fichero == "artesplas" || fichero == "musica" || fichero == "danza" ||
             fichero == "dramatico") {
    // Titles, then "f1" and the specialities, then "f2" (or, in "artesplas",
    // a blank line) and the centres.
    if (EsMarcaArtes(l)) return {{1, largo}};
    const PosicionArtes p = Posicion(es, i);
    if (fichero == "artesplas" && p.marcas == 1) {
      r.push_back({1, 2});
      if (p.blanco_tras_marca) r.push_back({25, 26});  // phone and specialities
    } else if (fichero == "musica" && p.marcas == 2) {
      r.push_back({1, 2});
    } else if (fichero == "dramatico" && p.marcas == 2 && !l.empty() && l[0] == '-') {
      r.push_back({1, 1});
      r.push_back({26, 22});  // phone and texts taught
    }
  }
  return r;
}

bool PalabraDelatora(std::string_view idioma, std::string_view palabra) {
  static const auto delatoras = [] {
    std::map<std::string, std::set<std::string>, std::less<>> r;
    for (const auto& [lengua, compartidas] : Compartidas()) {
      auto& lista = r[std::string(lengua)];
      for (const auto p : kPalabrasEspanolas) {
        if (!compartidas.count(p)) lista.insert(Utf8ACp1252(p).texto);
      }
    }
    return r;
  }();
  const auto it = delatoras.find(idioma);
  return it != delatoras.end() && it->second.count(std::string(palabra)) > 0;
}

bool FraseSinTraducir(std::string_view idioma, std::string_view texto,
                      const std::vector<std::string>& nombres) {
  std::string resto(texto);
  for (const auto& nombre : nombres) {
    if (nombre.empty()) continue;
    for (auto p = resto.find(nombre); p != std::string::npos; p = resto.find(nombre, p)) {
      resto.replace(p, nombre.size(), nombre.size(), ' ');
    }
  }
  std::size_t i = 0;
  while (i < resto.size()) {
    while (i < resto.size() && !EsLetra(static_cast<unsigned char>(resto[i]))) ++i;
    std::size_t j = i;
    while (j < resto.size() && EsLetra(static_cast<unsigned char>(resto[j]))) ++j;
    if (j > i && PalabraDelatora(idioma, std::string_view(resto).substr(i, j - i))) return true;
    i = j;
  }
  return false;
}

std::vector<Problema> ComprobarTraducciones(const fs::path& carpeta,
                                            std::vector<std::string>& avisos) {
  std::vector<Problema> problemas;
  for (const auto& idioma : kIdiomas) {
    if (*idioma.subcarpeta == '\0') continue;
    const std::string sub = idioma.subcarpeta;
    std::vector<std::string> nombres;
    {
      std::string bytes;
      if (LeerBytes(carpeta / sub / std::string(kNombresPropios), bytes)) {
        for (auto& n : Lineas(bytes)) {
          if (!n.empty()) nombres.push_back(std::move(n));
        }
      }
    }
    std::vector<std::string> copias;
    for (const auto& f : FicherosTexto()) {
      if (!f.idioma) continue;
      std::string bytes_es;
      std::string bytes_t;
      // A missing file is reported by the file checks.
      if (!LeerBytes(carpeta / std::string(f.nombre), bytes_es) ||
          !LeerBytes(carpeta / sub / std::string(f.nombre), bytes_t)) {
        continue;
      }
      const std::string nombre = sub + "/" + std::string(f.nombre);
      const bool de_bloques = f.bloque > 0;
      if (bytes_es == bytes_t) {
        copias.emplace_back(f.nombre);
        continue;
      }
      const auto es = Lineas(bytes_es);
      const auto t = Lineas(bytes_t);
      if (es.size() != t.size()) {
        problemas.push_back({nombre, 0,
                             "tiene " + std::to_string(t.size()) + " líneas; el fichero en "
                             "castellano tiene " + std::to_string(es.size())});
        continue;
      }
      // Block files (the subject lists) may word each block in their own lines:
      // a line is left in Spanish when its block in Spanish has it too.
      if (de_bloques) {
        const auto bloque = static_cast<std::size_t>(f.bloque);
        for (std::size_t i = 0; i < t.size(); ++i) {
          if (i % bloque == 0) continue;  // the block's title, which the program skips
          const std::string_view texto = TextoSinVineta(Recortada(t[i]));
          if (texto.empty()) continue;
          const std::size_t inicio = i - i % bloque;
          bool en_castellano = false;
          for (std::size_t j = inicio + 1; j < std::min(inicio + bloque, es.size()); ++j) {
            if (TextoSinVineta(Recortada(es[j])) == texto) en_castellano = true;
          }
          if (en_castellano && FraseSinTraducir(sub, texto, nombres)) {
            problemas.push_back({nombre, static_cast<int>(i) + 1,
                                 "sin traducir: \"" + Cp1252AUtf8(texto) + "\""});
          }
        }
        continue;
      }
      int con_texto = 0;
      int iguales = 0;
      for (std::size_t i = 0; i < es.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        if (es[i].empty() != t[i].empty()) {
          problemas.push_back({nombre, n,
                               es[i].empty() ? "línea con texto donde el castellano tiene una vacía"
                                             : "línea vacía donde el castellano tiene texto"});
          continue;
        }
        const int limite = std::max(AnchoLector(f.nombre), static_cast<int>(es[i].size()));
        bool bien = true;
        if (static_cast<int>(t[i].size()) > limite) {
          problemas.push_back({nombre, n,
                               "línea de " + std::to_string(t[i].size()) +
                                   " caracteres; el programa lee " + std::to_string(limite)});
          bien = false;
        }
        std::string texto_es = es[i];
        std::string texto_t = t[i];
        for (const auto& c : ColumnasCodigo(f.nombre, es, i)) {
          const auto desde = static_cast<std::size_t>(c.columna - 1);
          const auto cuantos = static_cast<std::size_t>(c.ancho);
          const auto tramo = [&](std::string& s) {
            if (s.size() < desde + cuantos) s.resize(desde + cuantos, ' ');
            std::string codigo = s.substr(desde, cuantos);
            s.replace(desde, cuantos, cuantos, ' ');
            return codigo;
          };
          const std::string codigo_es = tramo(texto_es);
          const std::string codigo_t = tramo(texto_t);
          if (codigo_es != codigo_t && bien) {
            problemas.push_back(
                {nombre, n,
                 "columnas " + std::to_string(c.columna) + "-" +
                     std::to_string(c.columna + c.ancho - 1) + ": \"" + Cp1252AUtf8(Recortada(codigo_t)) +
                     "\"; en castellano son \"" + Cp1252AUtf8(Recortada(codigo_es)) + "\" (son códigos)"});
            bien = false;
          }
        }
        const std::string_view libre_es = Recortada(texto_es);
        const std::string_view libre_t = Recortada(texto_t);
        if (libre_es.find_first_not_of(' ') == std::string_view::npos) continue;
        ++con_texto;
        if (libre_es != libre_t) continue;
        ++iguales;
        if (FraseSinTraducir(sub, libre_t, nombres)) {
          problemas.push_back({nombre, n,
                               "sin traducir: \"" +
                                   Cp1252AUtf8(libre_t.substr(libre_t.find_first_not_of(' '))) +
                                   "\""});
        }
      }
      if (iguales > 0) {
        avisos.push_back(nombre + ": " + std::to_string(iguales) + " de " +
                         std::to_string(con_texto) +
                         " líneas de texto iguales al castellano");
      }
    }
    if (!copias.empty()) {
      std::string lista;
      for (const auto& c : copias) lista += (lista.empty() ? "" : ", ") + c;
      avisos.push_back(sub + ": " + std::to_string(copias.size()) +
                       " ficheros sin traducir todavía (copia del castellano): " + lista);
    }
  }
  return problemas;
}

}  // namespace sendaro::datos
