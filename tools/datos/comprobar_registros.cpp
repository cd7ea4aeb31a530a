// Checks of the degree and vocational links: every number in the record files
// points at a line of the right file and of the right kind, and the
// fixed-column files of universities, community addresses and double degrees
// have their numbers where the readers look for them.
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "data/carreras/datos_carreras.h"
#include "data/disposiciones.h"
#include "data/provincias.h"
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
  void CuestionarioGM();
  void Profesiones();
  void Areas();
  void Indices();
  void FilasDeArtes();
  void CentrosLugares();

  // A line of `tabla` that is a title: not a family ("-") nor empty.
  bool EsTitulo(const std::string& tabla, int n) {
    const Fichero& f = Texto(tabla);
    return n >= 1 && n <= f.Cuenta() && !f.Linea(n).starts_with("-") && !f.Vacia(n);
  }
  // The family lines of "FP2" (the middle-grade family starts).
  std::vector<int> FamiliasGM() {
    const Fichero& f = Texto("FP2");
    std::vector<int> r;
    for (int n = 1; n <= f.Cuenta(); ++n) {
      if (f.Linea(n).starts_with("-")) r.push_back(n);
    }
    return r;
  }

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

// The host of a web address stored without its scheme ("ugr.es",
// "educa.jcyl.es/portal"): labels of lower-case letters, digits and '-'
// joined by dots, the last of two or more letters. Empty when it looks
// right; otherwise why not.
std::string HostRaro(std::string_view direccion) {
  const std::string_view host = direccion.substr(0, direccion.find('/'));
  const auto punto = host.rfind('.');
  if (punto == std::string_view::npos) return "no tiene dominio (falta el punto)";
  std::size_t etiqueta = 0;
  for (const char c : host) {
    if (c == '.') {
      if (etiqueta == 0) return "tiene una parte vacía entre puntos";
      etiqueta = 0;
      continue;
    }
    const bool valido = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    if (!valido) return std::string("tiene el carácter \"") + c + "\", que no va en un dominio";
    ++etiqueta;
  }
  const std::string_view final = host.substr(punto + 1);
  if (final.size() < 2 ||
      final.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string_view::npos) {
    return "termina en \"" + std::string(final) + "\", que no es un dominio de primer nivel";
  }
  return {};
}

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
    } else if (const std::string raro = HostRaro(web); !raro.empty()) {
      Mal("LUGAR", n, "la web \"" + web + "\" " + raro);
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
    } else if (web.starts_with("http")) {
      // The program puts "http://" before the stored address.
      Mal("COMUINT", n, "la dirección \"" + web + "\" se guarda sin \"http://\"");
    } else if (const std::string raro = HostRaro(web); !raro.empty()) {
      Mal("COMUINT", n, "la dirección \"" + web + "\" " + raro);
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

// "CUESGM" statements: answer codes point at a family of "FP2" and at titles
// that family has; the area digits are digits; every family of "FP2" with
// titles is proposed by some statement.
void Referencias::CuestionarioGM() {
  const Fichero& f = Texto("CUESGM");
  const Fichero& fp2 = Texto("FP2");
  if (!f.existe) return;
  using columnas::kAreasCuesGM;
  if (f.Cuenta() < kAreasCuesGM) {
    Mal("CUESGM", f.Cuenta(), "faltan las " + std::to_string(kAreasCuesGM) + " líneas de áreas");
  }
  const int ultima = kAreasCuesGM + columnas::kMaxEnunciadosCuesGM;
  if (f.Cuenta() > ultima) {
    Mal("CUESGM", ultima + 1,
        "más de " + std::to_string(columnas::kMaxEnunciadosCuesGM) + " frases; sobran desde aquí");
  }
  const std::vector<int> familias = FamiliasGM();
  const int num_familias = static_cast<int>(familias.size());
  const auto titulos_de = [&](int fam) {
    const int siguiente =
        fam < num_familias ? familias[static_cast<std::size_t>(fam)] : fp2.Cuenta() + 1;
    return siguiente - familias[static_cast<std::size_t>(fam - 1)] - 1;
  };
  std::set<int> propuestas;  // families some statement names
  for (int n = kAreasCuesGM + 1; n <= f.Cuenta(); ++n) {
    const auto linea = f.Linea(n);
    if (EsBlanco(linea)) {
      Mal("CUESGM", n, "línea vacía entre las frases");
      continue;
    }
    if (EsBlanco(Columnas(linea, columnas::kCuesGMTexto.columna, columnas::kCuesGMTexto.ancho))) {
      Mal("CUESGM", n, "columnas 5-74: falta la frase");
    }
    const auto area = Columnas(linea, columnas::kCuesGMArea.columna, 1);
    const auto area2 = Columnas(linea, columnas::kCuesGMAreaSegunda.columna, 1);
    if (area.size() != 1 || area[0] < '0' || area[0] > '9') {
      Mal("CUESGM", n, "columna 3: el área principal debe ser una cifra (0 = área 10)");
    }
    if (area2.size() != 1 || area2[0] < '0' || area2[0] > '9') {
      Mal("CUESGM", n, "columna 4: el área secundaria debe ser una cifra (0 = ninguna)");
    }
    const std::string codigo(Columnas(linea, 1, 2));
    const int fam = columnas::FamiliaRespuestaGM(codigo.empty() ? ' ' : codigo[0]);
    if (fam < 0) {
      Mal("CUESGM", n, "código \"" + codigo + "\": la familia va de 0-9, A-Z o a-z");
      continue;
    }
    if (fam < 1 || fam > num_familias || fp2.Cuenta() == 0) {
      if (fp2.existe) {
        Mal("CUESGM", n,
            "código \"" + codigo + "\": la familia " + std::to_string(fam) + " no está en FP2 (" +
                std::to_string(num_familias) + " familias)");
      }
      continue;
    }
    propuestas.insert(fam);
    const int titulos = titulos_de(fam);
    const int inicio = familias[static_cast<std::size_t>(fam - 1)];
    const char t = codigo.size() > 1 ? codigo[1] : ' ';
    const std::string donde = "código \"" + codigo + "\": la familia " + std::to_string(fam) +
                              " (FP2:" + std::to_string(inicio) + ") ";
    if (t == 'T') continue;
    if (t == 'Z') {
      if (titulos < 2) Mal("CUESGM", n, donde + "tiene " + std::to_string(titulos) + " ciclo; Z marca el 1 y el 2");
      continue;
    }
    if (t < '1' || t > '9') {
      Mal("CUESGM", n, "código \"" + codigo + "\": el segundo carácter es T, Z o un ciclo 1-9");
      continue;
    }
    if (t - '0' > titulos) {
      Mal("CUESGM", n, donde + "tiene " + std::to_string(titulos) + " ciclos; no hay ciclo " + t);
    } else if (!EsTitulo("FP2", inicio + (t - '0'))) {
      Mal("CUESGM", n, donde + ": su ciclo " + t + " es una línea vacía");
    }
  }
  if (!fp2.existe || f.Cuenta() <= kAreasCuesGM) return;
  for (int fam = 1; fam <= std::min(num_familias, columnas::kMaxFamiliasCuesGM); ++fam) {
    if (titulos_de(fam) == 0 || propuestas.count(fam) != 0) continue;
    const int inicio = familias[static_cast<std::size_t>(fam - 1)];
    Mal("CUESGM", 0,
        "la familia " + std::to_string(fam) + " de FP2 (línea " + std::to_string(inicio) + ", \"" +
            Cp1252AUtf8(RecortarDerecha(fp2.Linea(inicio).substr(1))) +
            "\") no sale en ninguna frase: el cuestionario nunca la propone");
  }
  for (int fam = columnas::kMaxFamiliasCuesGM + 1; fam <= num_familias; ++fam) {
    Mal("CUESGM", 0,
        "la familia " + std::to_string(fam) + " de FP2 no tiene código de respuesta (caben " +
            std::to_string(columnas::kMaxFamiliasCuesGM) + " familias)");
  }
}

// A four-character activity code that must be in "ACTIVIDA" (four blanks
// allowed when `vacio`).
namespace {
std::string Actividad(std::string_view codigo, const std::map<std::string, int, std::less<>>& codigos,
                      bool vacio) {
  if (EsBlanco(codigo) && codigo.size() == 4 && vacio) return {};
  if (EsBlanco(codigo) && vacio) return {};
  if (EsBlanco(codigo)) return "falta la actividad";
  if (codigos.find(codigo) == codigos.end()) {
    return "la actividad \"" + std::string(codigo) + "\" no está en ACTIVIDA";
  }
  return {};
}
}  // namespace

void Referencias::Profesiones() {
  const Fichero& act = Texto("ACTIVIDA");
  if (!act.existe) return;
  std::map<std::string, int, std::less<>> codigos;
  for (int n = 1; n <= act.Cuenta(); ++n) {
    const auto linea = act.Linea(n);
    const std::string codigo(Columnas(linea, 1, 4));
    if (codigo.size() < 4 || codigo.find(' ') != std::string::npos) {
      Mal("ACTIVIDA", n, "columnas 1-4: el código de actividad tiene cuatro caracteres");
    } else if (const auto [it, nuevo] = codigos.emplace(codigo, n); !nuevo) {
      Mal("ACTIVIDA", n, "el código \"" + codigo + "\" ya es de la línea " + std::to_string(it->second));
    }
    if (!EsBlanco(Columnas(linea, 5, 1))) Mal("ACTIVIDA", n, "columna 5: debe quedar en blanco");
    if (EsBlanco(Columnas(linea, 6, 60))) Mal("ACTIVIDA", n, "columnas 6-65: falta el nombre");
  }
  const auto campo = [](const CampoFijo& c, int k = 0) {
    return "columnas " + std::to_string(c.ColumnaDe(k)) + "-" +
           std::to_string(c.ColumnaDe(k) + c.ancho - 1) + ": ";
  };
  if (const Fichero& f = Texto("FRALARGAS"); f.existe) {
    const auto& c = columnas::kFraseLargaActividades;
    for (int n = 1; n <= f.Cuenta(); ++n) {
      const auto linea = f.Linea(n);
      if (EsBlanco(Columnas(linea, 1, columnas::kFraseLargaTexto.ancho))) {
        Mal("FRALARGAS", n, "columnas 1-115: falta la frase");
      }
      bool alguna = false;
      for (int k = 0; k < c.repeticiones; ++k) {
        const auto codigo = Columnas(linea, c.ColumnaDe(k), c.ancho);
        alguna = alguna || !EsBlanco(codigo);
        if (auto m = Actividad(codigo, codigos, true); !m.empty()) Mal("FRALARGAS", n, campo(c, k) + m);
        if (k + 1 < c.repeticiones && !EsBlanco(Columnas(linea, c.ColumnaDe(k) + c.ancho, 1))) {
          Mal("FRALARGAS", n,
              "columna " + std::to_string(c.ColumnaDe(k) + c.ancho) + ": separador que no está en blanco");
        }
      }
      if (!alguna) Mal("FRALARGAS", n, "la frase no tiene ninguna actividad");
    }
  }
  const Fichero& cortas = Texto("FRACORTAS");
  if (cortas.existe) {
    for (int n = 1; n <= cortas.Cuenta(); ++n) {
      const auto linea = cortas.Linea(n);
      if (auto m = Actividad(Columnas(linea, 1, 4), codigos, false); !m.empty())
        Mal("FRACORTAS", n, "columnas 1-4: " + m);
      if (auto m = Actividad(Columnas(linea, 6, 4), codigos, true); !m.empty())
        Mal("FRACORTAS", n, "columnas 6-9: " + m);
      if (!EsBlanco(Columnas(linea, 5, 1)) || !EsBlanco(Columnas(linea, 10, 1))) {
        Mal("FRACORTAS", n, "columnas 5 y 10: deben quedar en blanco");
      }
      if (EsBlanco(Columnas(linea, 11, 60))) Mal("FRACORTAS", n, "columnas 11-70: falta la frase");
    }
  }
  const Fichero& f = Texto("profesio");
  if (!f.existe) return;
  for (int n = 1; n <= f.Cuenta(); ++n) {
    const auto linea = f.Linea(n);
    if (auto m = Actividad(Columnas(linea, 1, 4), codigos, false); !m.empty())
      Mal("profesio", n, "columnas 1-4: " + m);
    if (auto m = Actividad(Columnas(linea, 6, 4), codigos, true); !m.empty())
      Mal("profesio", n, "columnas 6-9: " + m);
    if (EsBlanco(Columnas(linea, 11, 40))) Mal("profesio", n, "columnas 11-50: falta la profesión");
    const auto& fr = columnas::kProfesionFrases;
    for (int k = 0; k < fr.repeticiones; ++k) {
      const auto texto = Columnas(linea, fr.ColumnaDe(k), fr.ancho);
      const auto numero = NumeroDecimal(texto);
      if (!numero) {
        Mal("profesio", n, campo(fr, k) + "\"" + std::string(texto) + "\" no es un número (0 = ninguna)");
      } else if (*numero != 0 && cortas.existe) {
        Codigo("profesio", n, campo(fr, k) + "frase", *numero, "FRACORTAS");
      }
    }
    const auto& es = columnas::kProfesionEstudios;
    bool terminada = false;
    // The studies list writes a heading before the first study of each
    // letter, so the studies of one letter go together.
    std::string letras;
    for (int k = 0; k < es.repeticiones; ++k) {
      const auto codigo = Columnas(linea, es.ColumnaDe(k), es.ancho);
      const char letra = codigo.empty() ? ' ' : codigo[0];
      const auto tipo = std::find_if(columnas::kLetrasEstudio.begin(), columnas::kLetrasEstudio.end(),
                                     [letra](const auto& l) { return l.letra == letra; });
      if (tipo == columnas::kLetrasEstudio.end()) {
        terminada = true;
        continue;
      }
      if (terminada) {
        Mal("profesio", n, campo(es, k) + "\"" + std::string(codigo) +
                               "\" después del final de la lista: no se lee");
        continue;
      }
      const auto numero = codigo.size() == 4 && codigo[1] != ' ' ? NumeroDecimal(codigo.substr(1))
                                                                 : std::nullopt;
      if (!numero) {
        Mal("profesio", n, campo(es, k) + "\"" + std::string(codigo) + "\": tras la letra van tres cifras");
        continue;
      }
      if (!letras.empty() && letras.back() != letra && letras.find(letra) != std::string::npos) {
        Mal("profesio", n, campo(es, k) + std::string(codigo) + ": los estudios " + std::string(1, letra) +
                               " van seguidos (hay otra letra entre ellos)");
      }
      letras.push_back(letra);
      const std::string destino(tipo->fichero);
      const std::string que = campo(es, k) + std::string(codigo) + ":";
      if (letra == 'C') {
        const int num = Texto(destino).Cuenta() - 4;
        Codigo("profesio", n, que, *numero, destino, [num](int c) {
          return c > num ? "es una de las cuatro últimas líneas de CARRERA, no una carrera"
                         : std::string();
        });
      } else if (letra == 'S' || letra == 'M') {
        Codigo("profesio", n, que, *numero, destino, [this, destino](int c) {
          return Texto(destino).Linea(c).starts_with("-") ? "es una familia de " + destino
                                                          : std::string();
        });
      } else {
        Codigo("profesio", n, que, *numero, destino);
      }
    }
  }
}

void Referencias::Areas() {
  const auto& d = registros::kDatitine;
  const auto bytes = Registro(d);
  if (!bytes) return;
  RegistrosFilas r(d);
  r.Analizar(*bytes);
  const std::string_view f = d.fichero;
  const Fichero& cuestion = Texto("CUESTION");
  for (int reg = 1; reg <= d.registros; ++reg) {
    const bool preguntas = reg == registros::kRegistroPreguntas;
    const int areas = preguntas ? registros::kAreasConPreguntas : registros::kAreasConTitulos;
    const std::string tabla = preguntas ? "CUESTION" : "TITULOS";
    const std::string que = preguntas ? "pregunta" : "título";
    for (int a = 1; a <= d.filas; ++a) {
      const int cuenta = r.Byte(reg, a, 0);
      const std::string donde = "registro " + std::to_string(reg) + ", área " + std::to_string(a) + ": ";
      if (a > areas) {
        if (cuenta != 0) Mal(f, a, donde + "tiene datos, pero solo se leen las áreas 1.." + std::to_string(areas));
        continue;
      }
      if (cuenta > kMaxLista) {
        Mal(f, a, donde + std::to_string(cuenta) + " elementos; caben " + std::to_string(kMaxLista));
      }
      const auto lista = r.Lista(reg, a, 0, kMaxLista);
      if (preguntas && lista.empty()) Mal(f, a, donde + "no tiene preguntas");
      for (const int c : lista) Codigo(f, a, donde + que, c, tabla);
      if (preguntas && cuestion.existe && a >= registros::kPrimeraAreaCorta &&
          a <= registros::kUltimaAreaCorta &&
          std::none_of(lista.begin(), lista.end(),
                       [](int q) { return q >= 1 && q <= registros::kPreguntasPrimeraParte; })) {
        Mal(f, a, donde + "ninguna pregunta de la primera parte (1..35): la primera etapa no puede calificarla");
      }
    }
  }
}

// "indices": each family code is a family of "familias", and line c with
// codes for a kind of study must be one of those studies.
void Referencias::Indices() {
  const Fichero& f = Texto("indices");
  const Fichero& familias = Texto("familias");
  if (!f.existe) return;
  std::string codigos;
  for (int n = 1; n <= familias.Cuenta(); ++n) {
    if (!familias.Vacia(n)) codigos.push_back(familias.Linea(n)[0]);
  }
  const int carreras = Texto("CARRERA").Cuenta() - 4;
  struct Lista {
    const CampoFijo* campo;
    const char* tabla;
    const char* que;
  };
  const Lista listas[] = {{&columnas::kIndiceCarrera, "CARRERA", "carrera"},
                          {&columnas::kIndiceFP, "FP", "ciclo de grado superior"},
                          {&columnas::kIndiceFP2, "FP2", "ciclo de grado medio"}};
  for (const auto& l : listas) {
    const Fichero& tabla = Texto(l.tabla);
    const int ultima = std::max(f.Cuenta(), l.campo == &columnas::kIndiceCarrera ? carreras : tabla.Cuenta());
    for (int n = 1; n <= ultima; ++n) {
      const auto campo = Columnas(f.Linea(n), l.campo->columna, 2);
      const std::string columnas_txt = "columnas " + std::to_string(l.campo->columna) + "-" +
                                       std::to_string(l.campo->UltimaColumna()) + ": ";
      bool alguna = false;
      for (const char c : campo) {
        if (c == ' ') continue;
        alguna = true;
        if (familias.existe && codigos.find(c) == std::string::npos) {
          Mal("indices", n, columnas_txt + "la familia \"" + std::string(1, c) + "\" no está en familias");
        }
      }
      if (!tabla.existe) continue;
      const bool es_estudio = l.campo == &columnas::kIndiceCarrera
                                  ? n <= carreras && !tabla.Vacia(n)
                                  : EsTitulo(l.tabla, n);
      if (alguna && !es_estudio) {
        Mal("indices", n, columnas_txt + "hay familia, pero la línea " + std::to_string(n) + " de " +
                              l.tabla + " no es una " + std::string(l.que == std::string("carrera") ? "carrera" : "línea de ciclo"));
      } else if (!alguna && es_estudio) {
        Mal("indices", n, columnas_txt + "sin familia: " + std::string(l.tabla) + ":" + std::to_string(n) +
                              " no sale en el catálogo de títulos");
      }
    }
  }
}

// The titles catalogue's arts family shows the requirements of one fixed
// line of "FP" and one of "FP2" as its rows of higher and middle-grade
// titles: each must be a title, not a family, an empty line or past the end.
void Referencias::FilasDeArtes() {
  const std::pair<const char*, int> filas[] = {{"FP", columnas::kTituloArtesFP},
                                               {"FP2", columnas::kTituloArtesFP2}};
  for (const auto& [tabla, linea] : filas) {
    const Fichero& f = Texto(tabla);
    if (!f.existe || EsTitulo(tabla, linea)) continue;
    const std::string artes = "el catálogo de títulos enseña la línea " + std::to_string(linea) +
                              " como los ciclos de artes (familia " +
                              std::string(1, columnas::kFamiliaArtesCatalogo) +
                              "), así que tiene que ser un ciclo";
    if (linea > f.Cuenta()) {
      Mal(tabla, 0, "tiene " + std::to_string(f.Cuenta()) + " líneas, y " + artes);
    } else if (f.Vacia(linea)) {
      Mal(tabla, linea, "es una línea vacía, y " + artes);
    } else {
      Mal(tabla, linea,
          "es la familia \"" + Cp1252AUtf8(RecortarDerecha(f.Linea(linea).substr(1))) + "\", y " +
              artes);
    }
  }
}

// The centre files: province characters of their group, each province in
// one run of lines, programme numbers into "fpip", and the comarca codes of
// "LU4" and zone codes of "LU2".
void Referencias::CentrosLugares() {
  const Fichero& fpip = Texto("fpip");
  constexpr int kAreasProgramas = 9;
  const int programas = fpip.Cuenta() - kAreasProgramas;
  for (int g = 1; g <= 4; ++g) {
    const std::string lu = "LU" + std::to_string(g);
    const Fichero& f = Texto(lu);
    if (!f.existe) continue;
    std::string provincias;
    for (const auto& p : TablaProvincias) {
      if (p[0] == static_cast<char>('0' + g)) provincias.push_back(p[1]);
    }
    std::map<char, int> ultima;  // province character -> its last line
    for (int n = 1; n <= f.Cuenta(); ++n) {
      const auto linea = f.Linea(n);
      if (linea.empty()) {
        Mal(lu, n, "línea vacía");
        continue;
      }
      char p = linea[0];
      if (provincias.find(p) == std::string::npos) {
        Mal(lu, n, "columna 1: \"" + std::string(1, p) + "\" no es una provincia de " + lu +
                       " (" + provincias + ")");
      }
      if (g == 4 && p == 'A') p = '5';
      if (g == 2 && p == 'H') p = '8';
      if (const auto it = ultima.find(p); it != ultima.end() && it->second != n - 1) {
        Mal(lu, n, "la provincia \"" + std::string(1, p) + "\" ya acabó en la línea " +
                       std::to_string(it->second) + ": sus centros van seguidos");
      }
      ultima[p] = n;
      const auto& c = columnas::kCentroCodigos;
      for (int k = 0; k < c.repeticiones; ++k) {
        const auto texto = Columnas(linea, c.ColumnaDe(k), c.ancho);
        if (EsBlanco(texto)) break;
        const auto numero = NumeroDecimal(texto);
        const std::string donde = "columnas " + std::to_string(c.ColumnaDe(k)) + "-" +
                                  std::to_string(c.ColumnaDe(k) + 1) + ": ";
        if (!numero) {
          Mal(lu, n, donde + "\"" + std::string(texto) + "\" no es un número de programa");
          continue;
        }
        if (!fpip.existe) continue;
        if (*numero < 1 || *numero > programas) {
          Mal(lu, n, donde + "programa " + std::to_string(*numero) + " fuera de fpip (1.." +
                         std::to_string(std::max(0, programas)) + ")");
        } else if (const auto l = fpip.Linea(*numero + kAreasProgramas); EsBlanco(l)) {
          Mal(lu, n, donde + "programa " + std::to_string(*numero) + " es una línea vacía de fpip");
        } else if (Columnas(l, 2, 1) == "-") {
          Mal(lu, n, donde + "programa " + std::to_string(*numero) + " es un encabezado de fpip (línea " +
                         std::to_string(*numero + kAreasProgramas) + ")");
        }
      }
    }
  }
  // Comarca codes of "LU4" and zone codes of "LU2": column 1 and column 45.
  const auto codigos = [](const Fichero& f, int desde, int hasta, const std::set<std::string>& validos,
                          const std::string& lu, const std::string& de, auto&& mal) {
    for (int n = desde; n <= hasta; ++n) {
      const auto linea = f.Linea(n);
      std::string codigo(Columnas(linea, 1, 1));
      codigo += Columnas(linea, 45, 1);
      if (lu == "LU4" && codigo[0] == 'A') codigo[0] = '5';
      if (lu == "LU2" && codigo[0] == 'H') codigo[0] = '8';
      if (validos.count(codigo) == 0) {
        mal(n, "columnas 1 y 45: el código \"" + codigo + "\" no es " + de);
      }
    }
  };
  const auto primera = [](const Fichero& f, char a, char b, int desde) {
    for (int n = desde; n <= f.Cuenta(); ++n) {
      const auto l = f.Linea(n);
      if (!l.empty() && (l[0] == a || l[0] == b)) return n;
    }
    return 0;
  };
  if (const Fichero& lu4 = Texto("LU4"), &comarcas = Texto("comarcas"); lu4.existe && comarcas.existe) {
    std::set<std::string> validos;
    for (int n = 1; n <= comarcas.Cuenta(); ++n) validos.emplace(Columnas(comarcas.Linea(n), 1, 2));
    if (const int desde = primera(lu4, '5', 'A', 1); desde > 0) {
      codigos(lu4, desde, lu4.Cuenta(), validos, "LU4", "el de ninguna comarca de comarcas",
              [&](int n, std::string m) { Mal("LU4", n, std::move(m)); });
    }
  }
  if (const Fichero& lu2 = Texto("LU2"), &zonas = Texto("comarcasm"); lu2.existe && zonas.existe) {
    std::set<std::string> validos;
    std::set<int> vistas;
    for (int n = 1; n <= zonas.Cuenta(); ++n) {
      const auto zona = NumeroDecimal(Columnas(zonas.Linea(n), 3, 2));
      if (zona && vistas.insert(*zona).second) validos.emplace(Columnas(zonas.Linea(n), 1, 2));
    }
    const int desde = primera(lu2, '8', 'H', 1);
    const int fin = primera(lu2, 'D', 'D', 1);
    if (desde > 0 && fin > 0 && fin < desde) {
      Mal("LU2", fin, "la primera línea de la provincia D va antes de las de Madrid (8): ningún centro tendría zona");
    } else if (desde > 0) {
      codigos(lu2, desde, fin > 0 ? fin - 1 : lu2.Cuenta(), validos, "LU2",
              "el del primer municipio de ninguna zona de comarcasm",
              [&](int n, std::string m) { Mal("LU2", n, std::move(m)); });
    }
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
  CuestionarioGM();
  Profesiones();
  Areas();
  Indices();
  FilasDeArtes();
  CentrosLugares();
}

}  // namespace

std::vector<Problema> ComprobarReferencias(const fs::path& carpeta) {
  Referencias r(carpeta);
  r.Todo();
  return r.problemas;
}

}  // namespace sendaro::datos
