// Broken installations: the whole program is started on copies of an
// installation in which one file has one fault, for every file the program
// reads at start-up and five faults each: missing, empty, cut in half, junk
// of the same size, and text saved in the other encoding (Windows-1252 text
// as UTF-8 with its byte-order mark, UTF-8 text as Windows-1252).
//
// Every case must end in one of two ways: the program paints the hall (it
// works without the file or with what is left of it), or it shows a message
// that names the file and ends with exit code 1. A crash, a hang, a
// sanitizer report or an end without painting and without naming the file
// fails the case; so does a start without any message when a file whose
// content is shown (anything but sounds and the skin) was replaced by junk:
// that would be garbage on screen.
//
// Which files a configuration reads is found by running the program once per
// configuration under strace on the intact installation: a new file of the
// installation is covered without listing it anywhere. Each file is then
// broken in the first (cheapest) configuration that reads it: the static
// hall with each theme, each language, the animated hall with each theme.
//
//   instalaciones_rotas --programa SENDARO --instalacion CARPETA
//       [--temporal CARPETA] [--trabajos N] [--espera SEGUNDOS] [--solo TEXTO]
//       [--detalle] [--comprobar SENDARO-DATOS]
//
// It prints every failed case as it ends and a summary; --detalle lists every
// case with what the program did. With --comprobar, every case the program
// refuses is also checked with "sendaro-datos comprobar", which must name the
// same file.
// The program runs offscreen and ends once start-up is complete; its messages go to
// a file (SENDARO_AVISOS) instead of message boxes. Failed cases keep their
// copy and output under <temporal>/fallos.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Opciones {
  fs::path programa;
  fs::path instalacion;
  fs::path temporal;
  int trabajos = 0;
  int espera = 180;
  std::string solo;
  bool detalle = false;
  fs::path comprobar;
};

std::string LeerTodo(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void Escribir(const fs::path& ruta, const std::string& bytes) {
  std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Every regular file of the installation, by its name relative to it.
std::vector<std::string> Ficheros(const fs::path& instalacion) {
  std::vector<std::string> r;
  for (const auto& e : fs::recursive_directory_iterator(instalacion)) {
    if (e.is_regular_file()) r.push_back(fs::relative(e.path(), instalacion).generic_string());
  }
  std::sort(r.begin(), r.end());
  return r;
}

// A copy of the installation made of hard links (or copies where links are
// not possible): breaking a file replaces its link, never the original.
void Copiar(const fs::path& origen, const fs::path& destino) {
  fs::create_directories(destino);
  for (const auto& e : fs::recursive_directory_iterator(origen)) {
    const fs::path d = destino / fs::relative(e.path(), origen);
    if (e.is_directory()) {
      fs::create_directories(d);
    } else if (e.is_regular_file()) {
      std::error_code ec;
      fs::create_hard_link(e.path(), d, ec);
      if (ec) fs::copy_file(e.path(), d);
    }
  }
}

// ---------------------------------------------------------------- faults

constexpr std::array<char32_t, 32> kAlto1252 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void PonerUtf8(std::string& r, char32_t c) {
  if (c < 0x80) {
    r.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    r.push_back(static_cast<char>(0xC0 | (c >> 6)));
    r.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    r.push_back(static_cast<char>(0xE0 | (c >> 12)));
    r.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    r.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Decodes UTF-8; nothing when the bytes are not UTF-8.
std::optional<std::vector<char32_t>> Utf8(const std::string& b) {
  std::vector<char32_t> r;
  for (std::size_t i = 0; i < b.size();) {
    const auto c = static_cast<unsigned char>(b[i]);
    std::size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
    if (n == 0 || i + n > b.size()) return std::nullopt;
    char32_t v = n == 1 ? c : static_cast<char32_t>(c & (0x7F >> n));
    for (std::size_t k = 1; k < n; ++k) {
      const auto s = static_cast<unsigned char>(b[i + k]);
      if ((s & 0xC0) != 0x80) return std::nullopt;
      v = (v << 6) | (s & 0x3F);
    }
    r.push_back(v);
    i += n;
  }
  return r;
}

// Text: no byte below 0x20 other than tab, CR and LF.
bool EsTexto(const std::string& b) {
  if (b.empty()) return false;
  return std::none_of(b.begin(), b.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 && u != '\t' && u != '\r' && u != '\n';
  });
}

bool TieneAltos(const std::string& b) {
  return std::any_of(b.begin(), b.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The text in the other encoding: UTF-8 text (with characters beyond ASCII)
// as Windows-1252; anything else as UTF-8 with its byte-order mark, as a
// Windows editor saves it.
std::string OtraCodificacion(const std::string& b) {
  if (TieneAltos(b)) {
    if (auto u = Utf8(b)) {
      std::string r;
      for (char32_t c : *u) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
          r.push_back(static_cast<char>(c));
          continue;
        }
        const auto it = std::find(kAlto1252.begin(), kAlto1252.end(), c);
        r.push_back(it != kAlto1252.end() && c != 0 ? static_cast<char>(0x80 + (it - kAlto1252.begin())) : '?');
      }
      return r;
    }
  }
  std::string r = "\xEF\xBB\xBF";
  for (const char c : b) {
    const auto u = static_cast<unsigned char>(c);
    char32_t v = u;
    if (u >= 0x80 && u < 0xA0) v = kAlto1252[u - 0x80] != 0 ? kAlto1252[u - 0x80] : 0xFFFD;
    PonerUtf8(r, v);
  }
  return r;
}

struct Fallo {
  const char* nombre;
  const char* que;
};
constexpr std::array<Fallo, 5> kFallos = {{
    {"falta", "no está"},
    {"vacio", "vacío"},
    {"mitad", "cortado por la mitad"},
    {"azar", "bytes al azar del mismo tamaño"},
    {"codificacion", "texto en la otra codificación"},
}};

// The broken content, or nothing when the fault does not apply (the file is
// already empty, or is no text).
std::optional<std::string> Romper(const std::string& fallo, const std::string& nombre,
                                  const std::string& bytes) {
  if (fallo == "vacio" || fallo == "mitad") {
    if (bytes.empty()) return std::nullopt;
    return fallo == "vacio" ? std::string() : bytes.substr(0, bytes.size() / 2);
  }
  if (fallo == "azar") {
    // The same junk on every run, so that a failure can be repeated.
    std::mt19937_64 azar(std::hash<std::string>{}(nombre));
    std::string r(bytes.size(), '\0');
    for (char& c : r) c = static_cast<char>(azar() & 0xFF);
    return r;
  }
  if (fallo == "codificacion") {
    if (!EsTexto(bytes)) return std::nullopt;
    return OtraCodificacion(bytes);
  }
  return std::nullopt;
}

// ---------------------------------------------------------------- runs

struct Configuracion {
  std::vector<std::string> parametros;
  std::string nombre;
};

// The cheapest first: the static hall reads only the theme's own pictures.
std::vector<Configuracion> Configuraciones() {
  std::vector<Configuracion> r;
  for (const char* t : {"I", "F", "C", "N", "A", "P"}) {
    r.push_back({{t, "N", "0"}, std::string("estático ") + t});
  }
  for (const char* i : {"1", "2", "3"}) r.push_back({{"I", "N", i}, std::string("idioma ") + i});
  for (const char* t : {"I", "F", "C", "N", "A", "P"}) {
    r.push_back({{t, "S", "0"}, std::string("animado ") + t});
  }
  return r;
}

struct Ejecucion {
  pid_t pid = 0;
  std::chrono::steady_clock::time_point inicio;
};

// Starts the program in its own process group with the case's environment.
Ejecucion Lanzar(const Opciones& op, const fs::path& caso, const fs::path& copia,
                 const std::vector<std::string>& parametros, bool traza) {
  fs::create_directories(caso / "tmp");
  std::vector<std::string> args;
  if (traza) {
    args = {"strace", "-f", "-qq", "-e", "trace=open,openat", "-o", (caso / "traza").string(), "--"};
  }
  args.push_back(op.programa.string());
  args.push_back("--datos");
  args.push_back(copia.string());
  args.insert(args.end(), parametros.begin(), parametros.end());

  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    const int salida = open((caso / "salida").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(salida, 1);
    dup2(salida, 2);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SENDARO_SALIR_AL_ARRANCAR", "1", 1);
    setenv("SENDARO_LISTO", (caso / "listo").c_str(), 1);
    setenv("SENDARO_AVISOS", (caso / "avisos").c_str(), 1);
    // Each copy has its own single-instance lock.
    setenv("TMPDIR", (caso / "tmp").c_str(), 1);
    setenv("ASAN_OPTIONS", "detect_leaks=0:exitcode=86:abort_on_error=0", 1);
    setenv("UBSAN_OPTIONS", "halt_on_error=1:print_stacktrace=1:exitcode=86", 1);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    std::perror("exec");
    _exit(127);
  }
  return {pid, std::chrono::steady_clock::now()};
}

struct Resultado {
  bool terminado = false;  // false: killed after the wait
  int estado = 0;          // waitpid status
};

// Runs jobs with at most `trabajos` at a time; `fin` is called for each.
template <typename Empezar, typename Fin>
void EnParalelo(std::size_t total, int trabajos, int espera, Empezar empezar, Fin fin) {
  std::map<pid_t, std::pair<std::size_t, Ejecucion>> vivos;
  std::size_t siguiente = 0;
  while (siguiente < total || !vivos.empty()) {
    while (siguiente < total && static_cast<int>(vivos.size()) < trabajos) {
      const Ejecucion e = empezar(siguiente);
      vivos[e.pid] = {siguiente, e};
      ++siguiente;
    }
    int estado = 0;
    const pid_t pid = waitpid(-1, &estado, WNOHANG);
    if (pid > 0 && vivos.count(pid)) {
      const auto [indice, e] = vivos[pid];
      vivos.erase(pid);
      kill(-pid, SIGKILL);  // anything the program left behind
      fin(indice, Resultado{true, estado});
      continue;
    }
    const auto ahora = std::chrono::steady_clock::now();
    for (auto it = vivos.begin(); it != vivos.end();) {
      if (ahora - it->second.second.inicio > std::chrono::seconds(espera)) {
        kill(-it->first, SIGKILL);
        waitpid(it->first, &estado, 0);
        const std::size_t indice = it->second.first;
        it = vivos.erase(it);
        fin(indice, Resultado{false, 0});
      } else {
        ++it;
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

// The installation files a traced run opened.
std::set<std::string> Abiertos(const fs::path& traza, const fs::path& copia) {
  std::set<std::string> r;
  std::ifstream f(traza);
  const std::string prefijo = copia.string() + "/";
  std::string linea;
  while (std::getline(f, linea)) {
    if (linea.find("open") == std::string::npos) continue;
    const auto a = linea.find('"');
    const auto b = a == std::string::npos ? a : linea.find('"', a + 1);
    if (b == std::string::npos) continue;
    const std::string ruta = linea.substr(a + 1, b - a - 1);
    // A failed open ends "= -1 ENOENT ..."; a call interrupted by another
    // thread's ("<unfinished ...>") has its result on a later line.
    const auto igual = linea.rfind("= ");
    const bool sinResultado = linea.find("<unfinished") != std::string::npos;
    if (!sinResultado && (igual == std::string::npos || linea.compare(igual + 2, 1, "-") == 0)) {
      continue;
    }
    if (ruta.rfind(prefijo, 0) != 0) continue;
    const std::string nombre = ruta.substr(prefijo.size());
    if (fs::is_regular_file(copia / nombre)) r.insert(nombre);
  }
  return r;
}

struct Veredicto {
  bool bien = false;
  std::string que;
};

bool Contiene(const std::string& texto, const std::string& pieza) {
  return texto.find(pieza) != std::string::npos;
}

// Files whose content never reaches the screen: sounds and the skin. Junk in
// any other file that the program reads must not go unnoticed.
bool NoSeVe(const std::string& fichero) {
  std::string extension = fs::path(fichero).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".wav" || extension == ".dxw" || extension == ".ssk";
}

Veredicto Juzgar(const fs::path& caso, const std::string& fichero, const std::string& fallo,
                 const Resultado& r) {
  const std::string salida = LeerTodo(caso / "salida");
  const std::string avisos = LeerTodo(caso / "avisos");
  if (!r.terminado) return {false, "no termina"};
  if (Contiene(salida, "Sanitizer") || Contiene(salida, "runtime error:") ||
      (WIFEXITED(r.estado) && WEXITSTATUS(r.estado) == 86)) {
    return {false, "informe del saneador"};
  }
  if (WIFSIGNALED(r.estado)) return {false, "señal " + std::to_string(WTERMSIG(r.estado))};
  const int codigo = WEXITSTATUS(r.estado);
  if (codigo == 0) {
    if (!fs::exists(caso / "listo")) return {false, "termina sin pintar el vestíbulo"};
    if (!avisos.empty()) return {true, "arranca tras avisar"};
    if (fallo == "azar" && !NoSeVe(fichero)) {
      return {false, "arranca sin avisar con un fichero de basura que se ve en pantalla"};
    }
    return {true, "arranca"};
  }
  if (codigo == 1) {
    // The message names the file by its name ("galego/CARRERA", "mapa.bmp").
    if (Contiene(avisos, "(" + fichero + ")")) return {true, "mensaje y código 1"};
    return {false, "código 1 sin un mensaje que nombre el fichero"};
  }
  return {false, "código " + std::to_string(codigo)};
}

// Runs the data tool on the broken copy: it must fail and name the file at
// the start of one of its lines ("galego/CARRERA:12: ...", "mapa.bmp: ...").
bool ComprobarNombra(const Opciones& op, const fs::path& caso, const std::string& fichero) {
  const pid_t pid = fork();
  if (pid == 0) {
    const int salida = open((caso / "comprobar").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(salida, 1);
    dup2(salida, 2);
    execl(op.comprobar.c_str(), op.comprobar.c_str(), "comprobar", (caso / "instalacion").c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int estado = 0;
  waitpid(pid, &estado, 0);
  if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 1) return false;
  std::istringstream salida(LeerTodo(caso / "comprobar"));
  std::string linea;
  while (std::getline(salida, linea)) {
    if (linea.rfind(fichero + ":", 0) == 0) return true;
  }
  return false;
}

int Uso() {
  std::cerr << "Uso: instalaciones_rotas --programa SENDARO --instalacion CARPETA\n"
               "       [--temporal CARPETA] [--trabajos N] [--espera SEGUNDOS] [--solo TEXTO]\n"
               "       [--detalle] [--comprobar SENDARO-DATOS]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  Opciones op;
  std::vector<std::string> resto;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--detalle") {
      op.detalle = true;
    } else {
      resto.emplace_back(argv[i]);
    }
  }
  for (std::size_t i = 0; i + 1 < resto.size(); i += 2) {
    const std::string& clave = resto[i];
    const std::string& valor = resto[i + 1];
    if (clave == "--programa") {
      op.programa = fs::absolute(valor);
    } else if (clave == "--instalacion") {
      op.instalacion = fs::absolute(valor);
    } else if (clave == "--temporal") {
      op.temporal = fs::absolute(valor);
    } else if (clave == "--trabajos") {
      op.trabajos = std::atoi(valor.c_str());
    } else if (clave == "--espera") {
      op.espera = std::atoi(valor.c_str());
    } else if (clave == "--comprobar") {
      op.comprobar = fs::absolute(valor);
    } else if (clave == "--solo") {
      op.solo = valor;
    } else {
      return Uso();
    }
  }
  if (resto.size() % 2 != 0 || op.programa.empty() || op.instalacion.empty()) return Uso();
  if (op.trabajos <= 0) op.trabajos = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  if (op.temporal.empty()) op.temporal = fs::temp_directory_path() / ("sendaro-rotas-" + std::to_string(getpid()));
  fs::remove_all(op.temporal);
  fs::create_directories(op.temporal);

  const auto ficheros = Ficheros(op.instalacion);
  const auto configuraciones = Configuraciones();

  // 1. What each configuration reads, on the intact installation.
  std::vector<std::set<std::string>> leidos(configuraciones.size());
  bool base = true;
  EnParalelo(
      configuraciones.size(), op.trabajos, op.espera,
      [&](std::size_t i) {
        const fs::path caso = op.temporal / ("base-" + std::to_string(i));
        Copiar(op.instalacion, caso / "instalacion");
        return Lanzar(op, caso, caso / "instalacion", configuraciones[i].parametros, true);
      },
      [&](std::size_t i, const Resultado& r) {
        const fs::path caso = op.temporal / ("base-" + std::to_string(i));
        const Veredicto v = Juzgar(caso, "", "", r);
        if (!v.bien || v.que != "arranca") {
          base = false;
          std::cout << "FALLO  instalación intacta, " << configuraciones[i].nombre << ": " << v.que
                    << "\n" << LeerTodo(caso / "avisos") << LeerTodo(caso / "salida") << "\n";
          return;
        }
        leidos[i] = Abiertos(caso / "traza", caso / "instalacion");
        fs::remove_all(caso);
      });
  if (!base) return 1;

  // 2. The cases: each file in the first configuration that reads it.
  struct Caso {
    std::string fichero;
    std::string fallo;
    std::size_t configuracion;
  };
  std::vector<Caso> casos;
  std::vector<std::string> noLeidos;
  for (const std::string& f : ficheros) {
    std::optional<std::size_t> c;
    for (std::size_t i = 0; i < configuraciones.size() && !c; ++i) {
      if (leidos[i].count(f)) c = i;
    }
    if (!c) {
      noLeidos.push_back(f);
      continue;
    }
    if (!op.solo.empty() && f.find(op.solo) == std::string::npos) continue;
    for (const Fallo& fallo : kFallos) casos.push_back({f, fallo.nombre, *c});
  }

  std::vector<std::string> lineas(casos.size());
  int fallos = 0, arrancan = 0, mensajes = 0, sinSentido = 0;
  const auto antes = std::chrono::steady_clock::now();
  EnParalelo(
      casos.size(), op.trabajos, op.espera,
      [&](std::size_t i) -> Ejecucion {
        const Caso& c = casos[i];
        const fs::path caso = op.temporal / ("caso-" + std::to_string(i));
        Copiar(op.instalacion, caso / "instalacion");
        const fs::path roto = caso / "instalacion" / c.fichero;
        const std::string bytes = LeerTodo(roto);
        fs::remove(roto);  // the link: the original stays as it is
        if (c.fallo != "falta") {
          const auto contenido = Romper(c.fallo, c.fichero, bytes);
          if (!contenido) {
            Escribir(roto, bytes);
            Escribir(caso / "no-aplica", "");
          } else {
            Escribir(roto, *contenido);
          }
        }
        if (fs::exists(caso / "no-aplica")) {
          // Nothing to run: a process that ends at once stands for it.
          const pid_t pid = fork();
          if (pid == 0) _exit(0);
          return {pid, std::chrono::steady_clock::now()};
        }
        return Lanzar(op, caso, caso / "instalacion", configuraciones[c.configuracion].parametros,
                      false);
      },
      [&](std::size_t i, const Resultado& r) {
        const Caso& c = casos[i];
        const fs::path caso = op.temporal / ("caso-" + std::to_string(i));
        char linea[512];
        if (fs::exists(caso / "no-aplica")) {
          ++sinSentido;
          fs::remove_all(caso);
          return;
        }
        Veredicto v = Juzgar(caso, c.fichero, c.fallo, r);
        if (v.bien && v.que == "mensaje y código 1" && !op.comprobar.empty() &&
            !ComprobarNombra(op, caso, c.fichero)) {
          v = {false, "el programa avisa, pero sendaro-datos comprobar no nombra el fichero"};
        }
        std::snprintf(linea, sizeof linea, "%-6s %-22s %-13s %-12s %s", v.bien ? "bien" : "FALLO",
                      c.fichero.c_str(), c.fallo.c_str(),
                      configuraciones[c.configuracion].nombre.c_str(), v.que.c_str());
        lineas[i] = linea;
        if (!v.bien) {
          ++fallos;
          std::cout << linea << "\n--- avisos:\n" << LeerTodo(caso / "avisos") << "--- salida:\n"
                    << LeerTodo(caso / "salida").substr(0, 4000) << "\n";
          if (fs::exists(caso / "comprobar")) {
            std::cout << "--- comprobar:\n" << LeerTodo(caso / "comprobar").substr(0, 2000) << "\n";
          }
          const fs::path guardado = op.temporal / "fallos" / (c.fichero + "." + c.fallo);
          fs::create_directories(guardado.parent_path());
          fs::rename(caso, guardado);
        } else {
          (v.que == "mensaje y código 1" ? mensajes : arrancan) += 1;
          fs::remove_all(caso);
        }
        std::cout.flush();
      });
  const auto segundos =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - antes).count();

  for (const auto& l : lineas) {
    if (op.detalle && !l.empty()) std::cout << l << "\n";
  }
  std::cout << "\nNo se leen al arrancar (sin casos):";
  for (const auto& f : noLeidos) std::cout << " " << f;
  std::cout << "\n\n" << casos.size() << " casos sobre " << (ficheros.size() - noLeidos.size())
            << " ficheros en " << segundos << " s: " << arrancan << " arrancan, " << mensajes
            << " avisan y salen con código 1, " << sinSentido << " no aplican, " << fallos
            << " fallan.\n";
  if (fallos == 0) fs::remove_all(op.temporal);
  return fallos == 0 ? 0 : 1;
}
