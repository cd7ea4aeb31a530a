// Checks of the degree and vocational links: every number in the record files
// points at a line of the right file and of the right kind, and the
// fixed-column files of universities, community addresses and double degrees
// have their numbers where the readers look for them.
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "data/carreras/datos_carreras.h"
#include "data/disposiciones.h"
#include "data/texto.h"
#include "herramienta.h"

namespace fs = std::filesystem;

namespace sendaro::datos {
namespace {

using namespace ::sendaro::registros;

// The lines of a text file of the installation, or nothing when it cannot be
// read (its own check reports that).
struct Fichero {
  bool existe = false;
  std::string bytes;
  std::vector<std::string_view> lineas;

  int Cuenta() const { return static_cast<int>(lineas.size()); }
  std::string_view Linea(int n) const {
    return n >= 1 && n <= Cuenta() ? lineas[static_cast<std::size_t>(n - 1)] : std::string_view();
  }
  bool Vacia(int n) const { return EsBlanco(Linea(n)); }
};

class Referencias {
 public:
  explicit Referencias(fs::path carpeta) : carpeta_(std::move(carpeta)) {}

  std::vector<Problema> problemas;

  void Todo();

 private:
  const Fichero& Texto(const std::string& nombre) {
    auto it = textos_.find(nombre);
    if (it != textos_.end()) return it->second;
    Fichero f;
    if (auto b = LeerFicheroCompleto(carpeta_ / nombre)) {
      f.existe = true;
      f.bytes = std::move(*b);
    }
    auto& guardado = textos_.emplace(nombre, std::move(f)).first->second;
    guardado.lineas = DividirLineas(guardado.bytes);
    return guardado;
  }
  // The bytes of a record file when it has exactly its size.
  std::optional<std::string> Registro(const DisposicionRegistros& d) {
    auto b = LeerFicheroCompleto(carpeta_ / std::string(d.fichero));
    if (!b || b->size() != static_cast<std::size_t>(d.BytesTotales())) return std::nullopt;
    return b;
  }
  void Mal(std::string_view fichero, int linea, std::string que) {
    problemas.push_back({std::string(fichero), linea, std::move(que)});
  }

  // A code that must be a non-empty line 1..Cuenta() of `destino`; `otra`
  // adds a reason of its own (empty: fine).
  void Codigo(std::string_view fichero, int fila, const std::string& que, int codigo,
              const std::string& destino, const std::function<std::string(int)>& otra = nullptr) {
    const Fichero& f = Texto(destino);
    if (!f.existe) return;
    std::string motivo;
    if (codigo < 1 || codigo > f.Cuenta()) {
      motivo = "fuera de " + destino + " (1.." + std::to_string(f.Cuenta()) + ")";
    } else if (otra) {
      motivo = otra(codigo);
    }
    if (motivo.empty() && codigo >= 1 && codigo <= f.Cuenta() && f.Vacia(codigo)) {
      motivo = "es una línea vacía de " + destino;
    }
    if (!motivo.empty()) Mal(fichero, fila, que + " " + std::to_string(codigo) + " " + motivo);
  }

  void Carreras(const DisposicionRegistros& d, const std::string& tabla, bool nuevas);
  void Grupos();
  void TitulosFP();
  void Centros(const DisposicionRegistros& d, const std::string& titulos);
  void Universidades();
  void Direcciones();
  void Dobles();

  fs::path carpeta_;
  std::map<std::string, Fichero, std::less<>> textos_;
};

std::string Requisito(int c) {
  return c >= 11 && c <= 13 ? "es un encabezado de REQUISIT (líneas 11-13)" : std::string();
}

void Referencias::Carreras(const DisposicionRegistros& d, const std::string& tabla, bool nuevas) {
  const auto bytes = Registro(d);
  const Fichero& carreras = Texto(tabla);
  if (!bytes || !carreras.existe) return;
  RegistrosFilas r(d);
  r.Analizar(*bytes);
  const int n = nuevas ? carreras.Cuenta() : carreras.Cuenta() - 4;
  const int nota_maxima = nuevas ? 140 : 100;
  for (int fila = 1; fila <= d.filas; ++fila) {
    bool datos = false;
    for (int reg = 1; reg <= d.registros; ++reg) {
      datos = datos || r.Byte(reg, fila, 0) != 0 ||
              (reg == kRegistroGruposYRelacionadas && r.Byte(reg, fila, kInicioRelacionadas) != 0);
    }
    if (!datos) continue;
    if (fila > n) {
      Mal(d.fichero, fila,
          "la fila " + std::to_string(fila) + " tiene datos, pero " + tabla + " solo tiene " +
              std::to_string(n) + (nuevas ? " grados" : " carreras"));
      continue;
    }
    const auto cuenta = [&](int reg, int inicio, int maximo, const char* que) {
      const int c = r.Byte(reg, fila, inicio);
      if (c > maximo) {
        Mal(d.fichero, fila,
            std::string(que) + ": " + std::to_string(c) + " elementos; caben " +
                std::to_string(maximo));
      }
    };
    cuenta(kRegistroUniversidades, 0, kMaxLista, "universidades");
    cuenta(kRegistroRequisitos, 0, kMaxLista, "requisitos");
    cuenta(kRegistroSalidas, 0, kMaxLista, "salidas");
    if (r.Byte(kRegistroNotas, fila, 0) != r.Byte(kRegistroUniversidades, fila, 0)) {
      Mal(d.fichero, fila,
          "hay " + std::to_string(r.Byte(kRegistroNotas, fila, 0)) + " notas de corte para " +
              std::to_string(r.Byte(kRegistroUniversidades, fila, 0)) + " universidades");
    }
    const auto universidades = r.Lista(kRegistroUniversidades, fila, 0, kMaxLista);
    for (std::size_t i = 0; i < universidades.size(); ++i) {
      Codigo(d.fichero, fila, "universidad", universidades[i], "LUGAR");
      const int nota = r.Byte(kRegistroNotas, fila, static_cast<int>(i) + 1);
      if (nota != kSinNota && (nota < 50 || nota > nota_maxima)) {
        Mal(d.fichero, fila,
            "nota de corte " + std::to_string(nota) + " fuera de 50.." +
                std::to_string(nota_maxima) + " (décimas) y no es 10");
      }
    }
    for (const int c : r.Lista(kRegistroRequisitos, fila, 0, kMaxLista)) {
      Codigo(d.fichero, fila, "requisito", c, "REQUISIT", Requisito);
    }
    for (const int c : r.Lista(kRegistroSalidas, fila, 0, kMaxLista)) {
      Codigo(d.fichero, fila, "salida", c, "SALIDAS", [nuevas](int s) {
        return nuevas && s <= 14 ? std::string("no se muestra en los grados (1..14)")
                                 : std::string();
      });
    }
    if (nuevas) continue;
    cuenta(kRegistroGruposYRelacionadas, 0, kMaxGruposCarrera, "grupos");
    cuenta(kRegistroGruposYRelacionadas, kInicioRelacionadas, kMaxLista - kInicioRelacionadas,
           "relacionadas");
    for (const int g : r.Lista(kRegistroGruposYRelacionadas, fila, 0, kMaxGruposCarrera)) {
      Codigo(d.fichero, fila, "grupo", g, "GRUPOS");
    }
    for (const int c :
         r.Lista(kRegistroGruposYRelacionadas, fila, kInicioRelacionadas, kMaxLista)) {
      if (c == n + 3) continue;  // every "I T" degree
      if (c < 1 || c > n) {
        Mal(d.fichero, fila,
            "carrera relacionada " + std::to_string(c) + " no es una carrera (1.." +
                std::to_string(n) + ", o " + std::to_string(n + 3) + " para todas las I T)");
      }
    }
  }
}

void Referencias::Grupos() {
  const auto bytes = Registro(registros::kDatgru);
  const Fichero& grupos = Texto("GRUPOS");
  if (!bytes || !grupos.existe) return;
  RegistrosFilas r(registros::kDatgru);
  r.Analizar(*bytes);
  const std::string_view f = registros::kDatgru.fichero;
  if (grupos.Cuenta() > 12) {
    Mal("GRUPOS", 13, "hay " + std::to_string(grupos.Cuenta()) + " grupos; el cuestionario usa 12");
  }
  for (int g = 1; g <= registros::kDatgru.filas; ++g) {
    const bool datos = r.Byte(1, g, 0) != 0 || r.Byte(2, g, 0) != 0;
    if (g > grupos.Cuenta()) {
      if (datos)
        Mal(f, g,
            "la fila tiene datos, pero GRUPOS solo tiene " + std::to_string(grupos.Cuenta()) +
                " grupos");
      continue;
    }
    const char* nombres[] = {"", "cualidades", "intereses"};
    const char* tablas[] = {"", "CUALIDAD", "INTERES"};
    for (int reg = 1; reg <= 2; ++reg) {
      const auto lista = r.Lista(reg, g, 0, kMaxLista);
      // Each group's score divides by its members in both lists.
      if (lista.empty()) Mal(f, g, std::string("el grupo no tiene ") + nombres[reg]);
      for (const int c : lista) Codigo(f, g, std::string(nombres[reg]) + ":", c, tablas[reg]);
    }
  }
}

void Referencias::TitulosFP() {
  const auto bytes = Registro(registros::kDatFPR);
  const Fichero& fp = Texto("FP");
  if (!bytes || !fp.existe) return;
  RegistroTitulosFP r;
  r.Analizar(*bytes);
  const std::string_view f = registros::kDatFPR.fichero;
  const std::pair<const registros::TramoRegistro*, const char*> tramos[] = {
      {&kFPRRequisitos, "REQFP"}, {&kFPRCarreras, "carreFP"}, {&kFPRGrupos, "GRUPOS"}};
  for (int t = 1; t <= registros::kDatFPR.filas; ++t) {
    for (const auto& [tramo, tabla] : tramos) {
      const auto base = static_cast<std::size_t>(tramo->inicio + tramo->bytesPorTitulo * (t - 1));
      const int cuenta = static_cast<unsigned char>((*bytes)[base]);
      if (cuenta == 0) continue;
      if (t > fp.Cuenta() || fp.Linea(t).starts_with("-") || fp.Vacia(t)) {
        Mal(f, t,
            std::string(tramo->nombre) + ": la línea " + std::to_string(t) +
                " de FP no es un ciclo");
        continue;
      }
      if (cuenta > tramo->maximo) {
        Mal(f, t,
            std::string(tramo->nombre) + ": " + std::to_string(cuenta) + " elementos; caben " +
                std::to_string(tramo->maximo));
      }
      for (const int c : r.Lista(*tramo, t))
        Codigo(f, t, std::string(tramo->nombre) + ":", c, tabla);
    }
  }
}

void Referencias::Centros(const DisposicionRegistros& d, const std::string& titulos) {
  const auto bytes = Registro(d);
  const Fichero& fp = Texto(titulos);
  if (!bytes || !fp.existe) return;
  auto tabla = std::make_unique<TablaLugaresGM>();
  AnalizarCentrosFP(*bytes, *tabla);
  for (int g = 1; g <= d.registros; ++g) {
    const std::string lu = "LU" + std::to_string(g);
    for (int t = 1; t <= d.filas; ++t) {
      const int cuenta = tabla->Palabra(g, t, 0);
      if (cuenta == 0) continue;
      if (t > fp.Cuenta() || fp.Linea(t).starts_with("-") || fp.Vacia(t)) {
        Mal(d.fichero, t,
            lu + ": la línea " + std::to_string(t) + " de " + titulos + " no es un ciclo");
        continue;
      }
      if (cuenta > d.enterosPorFila - 1) {
        Mal(d.fichero, t,
            lu + ": " + std::to_string(cuenta) + " centros; caben " +
                std::to_string(d.enterosPorFila - 1));
      }
      for (int i = 1; i <= tabla->NumCentros(g, t); ++i) {
        Codigo(d.fichero, t, lu + ": centro", tabla->Centro(g, t, i), lu);
      }
    }
  }
}

// A field of a fixed-column line that must be a number within a range.
std::string Numero(std::string_view linea, const CampoFijo& campo, int minimo, int maximo) {
  const auto texto = Columnas(linea, campo.columna, campo.ancho);
  const auto n = NumeroDecimal(texto);
  const std::string donde = "columnas " + std::to_string(campo.columna) + "-" +
                            std::to_string(campo.UltimaColumna()) + " (" +
                            std::string(campo.nombre) + "): ";
  if (!n) return donde + "\"" + std::string(texto) + "\" no es un número";
  if (*n < minimo || *n > maximo) {
    return donde + std::to_string(*n) + " fuera de " + std::to_string(minimo) + ".." +
           std::to_string(maximo);
  }
  return {};
}

constexpr int kComunidades = 19;

void Referencias::Universidades() {
  const Fichero& f = Texto("LUGAR");
  if (!f.existe) return;
  std::map<std::string, int, std::less<>> webs;
  for (int n = 1; n <= f.Cuenta(); ++n) {
    const auto linea = f.Linea(n);
    if (auto m = Numero(linea, columnas::kUniversidadComunidad, 1, kComunidades); !m.empty()) {
      Mal("LUGAR", n, m);
    }
    if (EsBlanco(Columnas(linea, columnas::kUniversidadNombre.columna, 35))) {
      Mal("LUGAR", n, "columnas 3-37: falta el nombre de la universidad");
    }
    const std::string web = RecortarDerecha(Columnas(linea, columnas::kUniversidadDireccion.columna,
                                                     columnas::kUniversidadDireccion.ancho));
    if (web.empty() || web.front() == ' ') {
      Mal("LUGAR", n, "columna 38: falta la web (sin \"http://\" ni \"www.\")");
    } else if (web.starts_with("http") || web.starts_with("www.")) {
      // The program puts "http://www." before the stored address.
      Mal("LUGAR", n, "la web \"" + web + "\" se guarda sin \"http://\" ni \"www.\"");
    } else if (web.find(' ') != std::string::npos) {
      Mal("LUGAR", n, "la web \"" + web + "\" tiene espacios");
    } else if (const auto [it, nueva] = webs.emplace(web, n); !nueva) {
      Mal("LUGAR", n, "la web \"" + web + "\" ya es de la línea " + std::to_string(it->second));
    }
  }
}

void Referencias::Direcciones() {
  const Fichero& f = Texto("COMUINT");
  if (!f.existe) return;
  if (f.Cuenta() < kComunidades) {
    Mal("COMUINT", f.Cuenta(),
        "tiene " + std::to_string(f.Cuenta()) + " líneas; hace falta una por comunidad (19)");
  }
  for (int n = 1; n <= f.Cuenta(); ++n) {
    const std::string web = RecortarDerecha(Columnas(
        f.Linea(n), columnas::kComunidadDireccion.columna, columnas::kComunidadDireccion.ancho));
    if (web.empty() || web.front() == ' ') {
      Mal("COMUINT", n, "columna 15: falta la dirección de la comunidad");
    } else if (web.find(' ') != std::string::npos) {
      Mal("COMUINT", n,
          "la dirección \"" + web + "\" tiene espacios o no empieza en la columna 15");
    }
  }
}

void Referencias::Dobles() {
  const Fichero& f = Texto("dobles");
  const Fichero& carreras = Texto("CARRERA");
  if (!f.existe) return;
  const int n_carreras = carreras.Cuenta() - 4;
  bool hay_universidad = false;
  for (int n = 1; n <= f.Cuenta(); ++n) {
    const auto linea = f.Linea(n);
    if (NumeroDecimal(Columnas(linea, 1, 2))) {
      if (auto m = Numero(linea, columnas::kDobleUniversidad, 1, kComunidades); !m.empty()) {
        Mal("dobles", n, m);
      }
      if (EsBlanco(Columnas(linea, columnas::kDobleNombre.columna, columnas::kDobleNombre.ancho))) {
        Mal("dobles", n, "columnas 3-37: falta el nombre de la universidad");
      }
      hay_universidad = true;
      continue;
    }
    if (!hay_universidad) Mal("dobles", n, "detalle sin línea de universidad encima");
    if (!EsBlanco(Columnas(linea, 1, 3))) {
      Mal("dobles", n, "columnas 1-3: deben quedar en blanco en una línea de detalle");
    }
    if (auto m = Numero(linea, columnas::kDobleTipo, 0, 9); !m.empty()) Mal("dobles", n, m);
    for (const auto* campo : {&columnas::kDobleNumero1, &columnas::kDobleNumero2}) {
      if (Columnas(linea, campo->columna, campo->ancho).find(' ') != std::string_view::npos) {
        Mal("dobles", n,
            "columnas " + std::to_string(campo->columna) + "-" +
                std::to_string(campo->UltimaColumna()) + ": tres cifras, con ceros delante");
        continue;
      }
      if (auto m = Numero(linea, *campo, 1, std::max(1, n_carreras)); !m.empty())
        Mal("dobles", n, m);
    }
    if (linea.size() > 10) Mal("dobles", n, "texto después de la columna 10");
  }
}

void Referencias::Todo() {
  Universidades();
  Direcciones();
  Dobles();
  Carreras(registros::kDatcar, "CARRERA", false);
  Carreras(registros::kDatcarn, "carreran", true);
  Grupos();
  TitulosFP();
  Centros(registros::kDatFPL, "FP");
  Centros(registros::kDatFPL2, "FP2");
}

}  // namespace

std::vector<Problema> ComprobarReferencias(const fs::path& carpeta) {
  Referencias r(carpeta);
  r.Todo();
  return r.problemas;
}

}  // namespace sendaro::datos
