#include "enunciados.h"

#include <algorithm>
#include <array>
#include <set>
#include <sstream>

#include "data/disposiciones.h"

namespace sendaro::datos {
namespace {

using namespace ::sendaro::registros;

bool EsDigito(char c) { return c >= '0' && c <= '9'; }
bool EsLetra(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::optional<int> Entero(std::string_view s) {
  if (s.empty() || s.size() > 6) return std::nullopt;
  int n = 0;
  for (const char c : s) {
    if (!EsDigito(c)) return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

// Splits a list of references at blanks and commas.
std::vector<std::string> Palabras(std::string_view valor) {
  std::vector<std::string> r;
  std::string actual;
  for (const char c : valor) {
    if (c == ' ' || c == ',' || c == '\t') {
      if (!actual.empty()) r.push_back(std::move(actual));
      actual.clear();
    } else {
      actual.push_back(c);
    }
  }
  if (!actual.empty()) r.push_back(std::move(actual));
  return r;
}

std::vector<std::string> Partes(std::string_view valor, char separador) {
  std::vector<std::string> r;
  std::size_t inicio = 0;
  while (inicio <= valor.size()) {
    std::size_t fin = valor.find(separador, inicio);
    if (fin == std::string_view::npos) fin = valor.size();
    std::string parte = SinBlancosAlrededor(valor.substr(inicio, fin - inicio));
    if (!parte.empty()) r.push_back(std::move(parte));
    inicio = fin + 1;
  }
  return r;
}

// A record file under construction: records of rows of little-endian integers.
class Registros {
 public:
  explicit Registros(const DisposicionRegistros& d)
      : d_(d), bytes_(static_cast<std::size_t>(d.BytesTotales()), '\0') {}

  // Integer k of row `fila` (1-based) of record `registro` (1-based).
  void Fijar(int registro, int fila, int k, int valor) {
    const auto pos =
        static_cast<std::size_t>((registro - 1) * d_.BytesPorRegistro() +
                                 ((fila - 1) * d_.enterosPorFila + k) * d_.bytesPorEntero);
    auto v = static_cast<unsigned>(valor);
    for (int b = 0; b < d_.bytesPorEntero; ++b) {
      bytes_[pos + static_cast<std::size_t>(b)] = static_cast<char>(v & 0xFFu);
      v >>= 8;
    }
  }
  // Count at integer `inicio`, then the list.
  void Lista(int registro, int fila, int inicio, const std::vector<int>& lista) {
    Fijar(registro, fila, inicio, static_cast<int>(lista.size()));
    for (std::size_t i = 0; i < lista.size(); ++i) {
      Fijar(registro, fila, inicio + 1 + static_cast<int>(i), lista[i]);
    }
  }
  void FijarByte(std::size_t pos, int valor) { bytes_[pos] = static_cast<char>(valor & 0xFF); }
  RegistroGenerado Generado() const { return {std::string(d_.fichero), bytes_}; }

 private:
  DisposicionRegistros d_;
  std::string bytes_;
};

// What a reference may point at, besides being a line of the file.
using Aceptable = std::function<std::string(int linea)>;  // empty: fine

std::string NoVacia(const IndiceLineas& indice, int n) {
  const std::string& l = indice.Linea(n);
  return l.find_first_not_of(' ') == std::string::npos ? "es una línea vacía" : std::string();
}

class Generador {
 public:
  Generador(const FuentesLeidas& fuentes, std::vector<Problema>& problemas,
            std::vector<Problema>* avisos)
      : fuentes_(fuentes), problemas_(problemas), avisos_(avisos) {}

  std::vector<RegistroGenerado> Generar();

 private:
  const FuenteLeida* Fuente(std::string_view nombre) const {
    const auto it = fuentes_.find(nombre);
    return it == fuentes_.end() ? nullptr : &it->second;
  }
  IndiceLineas& Indice(const std::string& nombre) {
    auto it = indices_.find(nombre);
    if (it != indices_.end()) return it->second;
    static const FuenteLeida kVacia{};
    const FuenteLeida* f = Fuente(nombre);
    return indices_.emplace(nombre, IndiceLineas(nombre, f ? *f : kVacia, problemas_))
        .first->second;
  }
  void Problema_(const FuenteLeida& f, int linea, std::string que) {
    problemas_.push_back({f.fuente, linea, std::move(que)});
  }
  // destino.Resolver, with a note when a line that has a key is named by
  // its number (`que` says which statement, for the note).
  std::optional<int> Resolver(const FuenteLeida& f, int origen, const std::string& que,
                              const IndiceLineas& destino, std::string_view palabra,
                              std::string& error) {
    const auto n = destino.Resolver(palabra, error);
    if (n && avisos_ != nullptr && !palabra.empty() &&
        palabra.find_first_not_of("0123456789") == std::string_view::npos) {
      if (const std::string& clave = destino.ClaveDe(*n); !clave.empty()) {
        avisos_->push_back({f.fuente, origen,
                            que + ": " + std::string(palabra) + " es la línea de clave \"" + clave +
                                "\" en " + destino.Fichero() +
                                "; mejor por su clave, que no cambia al insertar líneas"});
      }
    }
    return n;
  }

  void ComprobarClaves();
  // The statements of each line of a file: line -> key -> statement.
  std::map<int, std::map<std::string, const Anotacion*>> Anotaciones(const FuenteLeida& f);

  // Resolves a list of references into `destino`; problems name the
  // statement's line.
  std::vector<int> Referencias(const FuenteLeida& f, const Anotacion& a, IndiceLineas& destino,
                               const Aceptable& aceptable, std::size_t maximo);
  std::vector<int> ListaDe(const FuenteLeida& f,
                           const std::map<std::string, const Anotacion*>& de_linea,
                           const std::string& clave, IndiceLineas& destino,
                           const Aceptable& aceptable, std::size_t maximo) {
    const auto it = de_linea.find(clave);
    if (it == de_linea.end()) return {};
    return Referencias(f, *it->second, destino, aceptable, maximo);
  }

  void Universidades(const FuenteLeida& f, const Anotacion& a, int nota_maxima,
                     std::vector<int>& universidades, std::vector<int>& notas);
  RegistroGenerado Carreras(const char* fichero, const DisposicionRegistros& d, bool nuevas);
  RegistroGenerado Grupos();
  RegistroGenerado TitulosFP();
  RegistroGenerado Lugares(const char* fuente, const char* titulos, const DisposicionRegistros& d);
  RegistroGenerado Areas();

  Aceptable Requisito() {
    return [this](int n) {
      if (n >= 11 && n <= 13) return std::string("es un encabezado de REQUISIT (líneas 11-13)");
      return NoVacia(Indice("REQUISIT"), n);
    };
  }
  Aceptable NoVaciaEn(const std::string& fichero) {
    return [this, fichero](int n) { return NoVacia(Indice(fichero), n); };
  }

  const FuentesLeidas& fuentes_;
  std::vector<Problema>& problemas_;
  std::vector<Problema>* avisos_;
  std::map<std::string, IndiceLineas, std::less<>> indices_;
};

void Generador::ComprobarClaves() {
  for (const auto& [nombre, f] : fuentes_) {
    const auto validas = AnotacionesDe(nombre);
    std::set<std::pair<int, std::string>> vistas;
    for (const auto& a : f.contenido.anotaciones) {
      bool valida = a.clave == "clave";
      for (const auto v : validas) valida = valida || a.clave == v;
      if (!valida) {
        std::string lista = "clave";
        for (const auto v : validas) lista += ", " + std::string(v);
        Problema_(
            f, a.origen,
            "anotación \"" + a.clave + "\" desconocida en " + nombre + " (valen: " + lista + ")");
      } else if (!vistas.emplace(a.linea, a.clave).second) {
        Problema_(f, a.origen, "segunda anotación \"" + a.clave + "\" para la misma línea");
      }
    }
  }
}

std::map<int, std::map<std::string, const Anotacion*>> Generador::Anotaciones(
    const FuenteLeida& f) {
  std::map<int, std::map<std::string, const Anotacion*>> r;
  for (const auto& a : f.contenido.anotaciones) r[a.linea].emplace(a.clave, &a);
  return r;
}

std::vector<int> Generador::Referencias(const FuenteLeida& f, const Anotacion& a,
                                        IndiceLineas& destino, const Aceptable& aceptable,
                                        std::size_t maximo) {
  std::vector<int> r;
  for (const auto& palabra : Palabras(a.valor)) {
    std::string error;
    const auto n = Resolver(f, a.origen, a.clave, destino, palabra, error);
    if (!n) {
      Problema_(f, a.origen, a.clave + ": " + error);
      continue;
    }
    if (const std::string motivo = aceptable ? aceptable(*n) : std::string(); !motivo.empty()) {
      Problema_(f, a.origen,
                a.clave + ": \"" + palabra + "\" (" + destino.Fichero() + ":" + std::to_string(*n) +
                    ") " + motivo);
      continue;
    }
    if (*n > 255) {
      Problema_(f, a.origen,
                a.clave + ": \"" + palabra + "\" es la línea " + std::to_string(*n) +
                    "; en el registro solo caben números hasta 255");
      continue;
    }
    r.push_back(*n);
  }
  if (r.size() > maximo) {
    Problema_(
        f, a.origen,
        a.clave + ": " + std::to_string(r.size()) + " elementos; caben " + std::to_string(maximo));
    r.resize(maximo);
  }
  return r;
}

void Generador::Universidades(const FuenteLeida& f, const Anotacion& a, int nota_maxima,
                              std::vector<int>& universidades, std::vector<int>& notas) {
  IndiceLineas& lugar = Indice("LUGAR");
  for (const auto& parte : Partes(a.valor, ';')) {
    const std::size_t espacio = parte.rfind(' ');
    if (espacio == std::string::npos) {
      Problema_(f, a.origen,
                "universidades: \"" + parte +
                    "\" sin nota de corte (se escribe \"web nota\", p. ej. "
                    "\"ugr.es 6,2\" o \"ugr.es -\")");
      continue;
    }
    const std::string ref = SinBlancosAlrededor(std::string_view(parte).substr(0, espacio));
    const std::string nota_txt = parte.substr(espacio + 1);
    std::string error;
    const auto n = Resolver(f, a.origen, "universidades", lugar, ref, error);
    const auto nota = LeerNota(nota_txt, nota_maxima);
    if (!n) {
      Problema_(f, a.origen, "universidades: " + error);
      continue;
    }
    if (const std::string motivo = NoVacia(lugar, *n); !motivo.empty()) {
      Problema_(f, a.origen,
                "universidades: \"" + ref + "\" (LUGAR:" + std::to_string(*n) + ") " + motivo);
      continue;
    }
    if (!nota) {
      Problema_(f, a.origen,
                "universidades: nota \"" + nota_txt + "\" de " + ref + " no válida (de 5,0 a " +
                    std::to_string(nota_maxima / 10) + ",0, o \"-\" si no se conoce)");
      continue;
    }
    if (*n > 255) {
      Problema_(f, a.origen,
                "universidades: LUGAR:" + std::to_string(*n) +
                    " pasa del número 255 que cabe en el registro");
      continue;
    }
    universidades.push_back(*n);
    notas.push_back(*nota);
  }
  if (universidades.size() > static_cast<std::size_t>(kMaxLista)) {
    Problema_(f, a.origen,
              "universidades: " + std::to_string(universidades.size()) + " universidades; caben " +
                  std::to_string(kMaxLista));
    universidades.resize(static_cast<std::size_t>(kMaxLista));
    notas.resize(static_cast<std::size_t>(kMaxLista));
  }
}

RegistroGenerado Generador::Carreras(const char* fichero, const DisposicionRegistros& d,
                                     bool nuevas) {
  Registros reg(d);
  const FuenteLeida* f = Fuente(fichero);
  if (f == nullptr) return reg.Generado();
  IndiceLineas& propio = Indice(fichero);
  // "CARRERA" ends with four lines that are not degrees.
  const int n = nuevas ? propio.Cuenta() : propio.Cuenta() - 4;
  const int todas_it = n + 3;
  for (const auto& [linea, de_linea] : Anotaciones(*f)) {
    const bool con_datos = de_linea.size() > (de_linea.count("clave") ? 1u : 0u);
    if (!con_datos) continue;
    const int origen = de_linea.begin()->second->origen;
    if (linea > n) {
      Problema_(*f, origen,
                "la línea " + std::to_string(linea) +
                    " no es una carrera (las cuatro últimas líneas agrupan tipos)");
      continue;
    }
    if (linea > d.filas) {
      Problema_(*f, origen,
                "la carrera " + std::to_string(linea) + " pasa de las " + std::to_string(d.filas) +
                    " que caben en " + std::string(d.fichero));
      continue;
    }
    if (const auto it = de_linea.find("universidades"); it != de_linea.end()) {
      std::vector<int> universidades;
      std::vector<int> notas;
      Universidades(*f, *it->second, nuevas ? kNotaMaximaGrados : kNotaMaximaCarreras,
                    universidades, notas);
      reg.Lista(kRegistroUniversidades, linea, 0, universidades);
      reg.Lista(kRegistroNotas, linea, 0, notas);
    }
    reg.Lista(kRegistroRequisitos, linea, 0,
              ListaDe(*f, de_linea, "requisitos", Indice("REQUISIT"), Requisito(),
                      static_cast<std::size_t>(kMaxLista)));
    Aceptable salida = NoVaciaEn("SALIDAS");
    if (nuevas) {
      // The new-degree view leaves out outlets 1..14.
      salida = [this](int s) {
        if (s <= 14)
          return std::string("no se muestra en los grados (solo las salidas desde la 15)");
        return NoVacia(Indice("SALIDAS"), s);
      };
    }
    reg.Lista(kRegistroSalidas, linea, 0,
              ListaDe(*f, de_linea, "salidas", Indice("SALIDAS"), salida,
                      static_cast<std::size_t>(kMaxLista)));
    if (nuevas) continue;
    reg.Lista(kRegistroGruposYRelacionadas, linea, 0,
              ListaDe(*f, de_linea, "grupos", Indice("GRUPOS"), NoVaciaEn("GRUPOS"),
                      static_cast<std::size_t>(kMaxGruposCarrera)));
    std::vector<int> relacionadas;
    if (const auto it = de_linea.find("relacionadas"); it != de_linea.end()) {
      // One word at a time, so that the list keeps its order.
      const Aceptable carrera = [n, todas_it](int c) {
        return c <= n || c == todas_it
                   ? std::string()
                   : std::string("no es una carrera (use \"") + std::string(kTodasLasIT) +
                         "\" para todas las ingenierías técnicas)";
      };
      for (const auto& p : Palabras(it->second->valor)) {
        if (p == kTodasLasIT) {
          relacionadas.push_back(todas_it);
          continue;
        }
        Anotacion una = *it->second;
        una.valor = p;
        const auto r = Referencias(*f, una, propio, carrera, 1);
        relacionadas.insert(relacionadas.end(), r.begin(), r.end());
      }
      const auto maximo = static_cast<std::size_t>(kMaxLista - kInicioRelacionadas);
      if (relacionadas.size() > maximo) {
        Problema_(*f, it->second->origen,
                  "relacionadas: " + std::to_string(relacionadas.size()) + " elementos; caben " +
                      std::to_string(maximo));
        relacionadas.resize(maximo);
      }
    }
    reg.Lista(kRegistroGruposYRelacionadas, linea, kInicioRelacionadas, relacionadas);
  }
  return reg.Generado();
}

RegistroGenerado Generador::Grupos() {
  Registros reg(registros::kDatgru);
  const FuenteLeida* f = Fuente("GRUPOS");
  if (f == nullptr) return reg.Generado();
  for (const auto& [linea, de_linea] : Anotaciones(*f)) {
    if (linea > registros::kDatgru.filas) {
      Problema_(*f, de_linea.begin()->second->origen, "pasa de los 200 grupos que caben en datgru");
      continue;
    }
    reg.Lista(1, linea, 0,
              ListaDe(*f, de_linea, "cualidades", Indice("CUALIDAD"), NoVaciaEn("CUALIDAD"),
                      static_cast<std::size_t>(kMaxLista)));
    reg.Lista(2, linea, 0,
              ListaDe(*f, de_linea, "intereses", Indice("INTERES"), NoVaciaEn("INTERES"),
                      static_cast<std::size_t>(kMaxLista)));
  }
  return reg.Generado();
}

RegistroGenerado Generador::TitulosFP() {
  Registros reg(registros::kDatFPR);
  const FuenteLeida* f = Fuente("FP");
  if (f == nullptr) return reg.Generado();
  IndiceLineas& fp = Indice("FP");
  auto escribir = [&reg](const TramoRegistro& tramo, int titulo, const std::vector<int>& lista) {
    const auto base = static_cast<std::size_t>(tramo.inicio + tramo.bytesPorTitulo * (titulo - 1));
    reg.FijarByte(base, static_cast<int>(lista.size()));
    for (std::size_t i = 0; i < lista.size(); ++i) reg.FijarByte(base + 1 + i, lista[i]);
  };
  for (const auto& [linea, de_linea] : Anotaciones(*f)) {
    const bool con_datos = de_linea.size() > (de_linea.count("clave") ? 1u : 0u);
    if (!con_datos) continue;
    const int origen = de_linea.begin()->second->origen;
    if (fp.Linea(linea).rfind('-', 0) == 0) {
      Problema_(*f, origen, "una familia no lleva requisitos, carreras ni grupos");
      continue;
    }
    if (linea > registros::kDatFPR.filas) {
      Problema_(*f, origen, "el título " + std::to_string(linea) + " pasa de los 170 de datFPR");
      continue;
    }
    escribir(kFPRRequisitos, linea,
             ListaDe(*f, de_linea, "requisitos", Indice("REQFP"), NoVaciaEn("REQFP"),
                     static_cast<std::size_t>(kFPRRequisitos.maximo)));
    escribir(kFPRCarreras, linea,
             ListaDe(*f, de_linea, "carreras", Indice("carreFP"), NoVaciaEn("carreFP"),
                     static_cast<std::size_t>(kFPRCarreras.maximo)));
    escribir(kFPRGrupos, linea,
             ListaDe(*f, de_linea, "grupos", Indice("GRUPOS"), NoVaciaEn("GRUPOS"),
                     static_cast<std::size_t>(kFPRGrupos.maximo)));
  }
  return reg.Generado();
}

RegistroGenerado Generador::Lugares(const char* fuente, const char* titulos,
                                    const DisposicionRegistros& d) {
  Registros reg(d);
  const FuenteLeida* f = Fuente(fuente);
  if (f == nullptr) return reg.Generado();
  IndiceLineas& tabla_titulos = Indice(titulos);
  const auto max_centros = static_cast<std::size_t>(d.enterosPorFila - 1);
  std::vector<std::vector<std::vector<int>>> matrices(
      static_cast<std::size_t>(d.registros),
      std::vector<std::vector<int>>(static_cast<std::size_t>(d.filas)));
  for (const auto& l : f->contenido.lineas) {
    if (l.texto.empty()) continue;
    const std::size_t dos_puntos = l.texto.find(':');
    std::istringstream cabeza(dos_puntos == std::string::npos ? std::string()
                                                              : l.texto.substr(0, dos_puntos));
    std::string fichero;
    std::string centro_txt;
    std::string sobra;
    cabeza >> fichero >> centro_txt >> sobra;
    int k = 0;
    if (fichero.size() == 3 && fichero.rfind("LU", 0) == 0 && fichero[2] >= '1' &&
        fichero[2] <= '4') {
      k = fichero[2] - '0';
    }
    if (k == 0 || centro_txt.empty() || !sobra.empty()) {
      Problema_(*f, l.numero, "se esperaba \"LUk centro: títulos\"");
      continue;
    }
    IndiceLineas& centros = Indice(fichero);
    std::string error;
    const auto centro = Resolver(*f, l.numero, "centro", centros, centro_txt, error);
    if (!centro) {
      Problema_(*f, l.numero, "centro: " + error);
      continue;
    }
    if (const std::string motivo = NoVacia(centros, *centro); !motivo.empty()) {
      Problema_(*f, l.numero, "centro " + fichero + ":" + centro_txt + " " + motivo);
      continue;
    }
    for (const auto& palabra : Palabras(std::string_view(l.texto).substr(dos_puntos + 1))) {
      const auto t = Resolver(*f, l.numero, "título", tabla_titulos, palabra, error);
      if (!t) {
        Problema_(*f, l.numero, "título: " + error);
        continue;
      }
      if (*t > d.filas) {
        Problema_(*f, l.numero,
                  "título \"" + palabra + "\" (" + std::string(titulos) + ":" + std::to_string(*t) +
                      ") pasa de los " + std::to_string(d.filas) + " que caben");
        continue;
      }
      if (tabla_titulos.Linea(*t).rfind('-', 0) == 0 || !NoVacia(tabla_titulos, *t).empty()) {
        Problema_(*f, l.numero,
                  "\"" + palabra + "\" (" + std::string(titulos) + ":" + std::to_string(*t) +
                      ") no es un título");
        continue;
      }
      auto& lista = matrices[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(*t - 1)];
      if (lista.size() >= max_centros) {
        Problema_(*f, l.numero,
                  "más de " + std::to_string(max_centros) + " centros para el título " + palabra);
        continue;
      }
      lista.push_back(*centro);
    }
  }
  for (std::size_t k = 0; k < matrices.size(); ++k) {
    for (std::size_t t = 0; t < matrices[k].size(); ++t) {
      reg.Lista(static_cast<int>(k) + 1, static_cast<int>(t) + 1, 0, matrices[k][t]);
    }
  }
  return reg.Generado();
}

// "datitine.txt": "preguntas K: q q" and "titulos K: t t" lines add to entry
// K of the first or the second record.
RegistroGenerado Generador::Areas() {
  const auto& d = registros::kDatitine;
  Registros reg(d);
  const FuenteLeida* f = Fuente(d.fichero);
  if (f == nullptr) return reg.Generado();
  struct Tipo {
    std::string_view palabra;
    const char* tabla;
    int areas;
  };
  const Tipo tipos[] = {{"preguntas", "CUESTION", registros::kAreasConPreguntas},
                        {"titulos", "TITULOS", registros::kAreasConTitulos}};
  std::vector<std::vector<int>> listas(static_cast<std::size_t>(d.registros * d.filas));
  for (const auto& l : f->contenido.lineas) {
    if (l.texto.empty()) continue;
    const std::size_t dos_puntos = l.texto.find(':');
    std::istringstream cabeza(dos_puntos == std::string::npos ? std::string()
                                                              : l.texto.substr(0, dos_puntos));
    std::string palabra;
    std::string area_txt;
    std::string sobra;
    cabeza >> palabra >> area_txt >> sobra;
    int registro = 0;
    for (int i = 0; i < 2; ++i) {
      if (palabra == tipos[i].palabra) registro = i + 1;
    }
    const auto area = Entero(area_txt);
    if (registro == 0 || !area || !sobra.empty()) {
      Problema_(*f, l.numero, "se esperaba \"preguntas K: números\" o \"titulos K: números\"");
      continue;
    }
    const Tipo& tipo = tipos[registro - 1];
    if (*area < 1 || *area > tipo.areas) {
      Problema_(*f, l.numero,
                "área " + std::to_string(*area) + " fuera de 1.." + std::to_string(tipo.areas) +
                    " (las " + std::string(tipo.palabra) + " de otras áreas no se leen)");
      continue;
    }
    IndiceLineas& tabla = Indice(tipo.tabla);
    auto& lista = listas[static_cast<std::size_t>((registro - 1) * d.filas + *area - 1)];
    for (const auto& numero : Palabras(std::string_view(l.texto).substr(dos_puntos + 1))) {
      std::string error;
      const auto n = Resolver(*f, l.numero, std::string(tipo.palabra), tabla, numero, error);
      if (!n) {
        Problema_(*f, l.numero, std::string(tipo.palabra) + ": " + error);
        continue;
      }
      if (const std::string motivo = NoVacia(tabla, *n); !motivo.empty()) {
        Problema_(*f, l.numero,
                  std::string(tipo.palabra) + ": \"" + numero + "\" (" + tipo.tabla + ":" +
                      std::to_string(*n) + ") " + motivo);
        continue;
      }
      if (*n > 255) {
        Problema_(*f, l.numero,
                  std::string(tipo.palabra) + ": \"" + numero + "\" es la línea " +
                      std::to_string(*n) + "; en el registro solo caben números hasta 255");
        continue;
      }
      if (std::find(lista.begin(), lista.end(), *n) != lista.end()) {
        Problema_(*f, l.numero,
                  std::string(tipo.palabra) + ": " + std::to_string(*n) + " ya está en el área " +
                      std::to_string(*area));
        continue;
      }
      if (lista.size() >= static_cast<std::size_t>(registros::kMaxLista)) {
        Problema_(*f, l.numero,
                  "el área " + std::to_string(*area) + " pasa de " +
                      std::to_string(registros::kMaxLista) + " " + std::string(tipo.palabra));
        break;
      }
      lista.push_back(*n);
    }
  }
  for (int r = 1; r <= d.registros; ++r) {
    for (int a = 1; a <= d.filas; ++a) {
      reg.Lista(r, a, 0, listas[static_cast<std::size_t>((r - 1) * d.filas + a - 1)]);
    }
  }
  return reg.Generado();
}

std::vector<RegistroGenerado> Generador::Generar() {
  ComprobarClaves();
  // Universities are also named by their web address.
  IndiceLineas& lugar = Indice("LUGAR");
  for (int u = 1; u <= lugar.Cuenta(); ++u) {
    const std::string& linea = lugar.Linea(u);
    const auto col = static_cast<std::size_t>(columnas::kUniversidadDireccion.columna - 1);
    if (linea.size() > col) lugar.AnadirNombre(SinBlancosAlrededor(linea.substr(col)), u);
  }
  std::vector<RegistroGenerado> r;
  r.push_back(Carreras("CARRERA", registros::kDatcar, false));
  r.push_back(Carreras("carreran", registros::kDatcarn, true));
  r.push_back(Grupos());
  r.push_back(TitulosFP());
  r.push_back(Lugares("datFPL", "FP", registros::kDatFPL));
  r.push_back(Lugares("datFPL2", "FP2", registros::kDatFPL2));
  r.push_back(Areas());
  return r;
}

}  // namespace

IndiceLineas::IndiceLineas(std::string fichero, const FuenteLeida& fuente,
                           std::vector<Problema>& problemas)
    : fichero_(std::move(fichero)) {
  for (const auto& l : fuente.contenido.lineas) {
    auto c = Utf8ACp1252(l.texto);
    lineas_.push_back(c.error.empty() ? c.texto : l.texto);
  }
  for (const auto& a : fuente.contenido.anotaciones) {
    if (a.clave != "clave") continue;
    if (!EsClaveValida(a.valor)) {
      problemas.push_back(
          {fuente.fuente, a.origen,
           "clave \"" + a.valor +
               "\" no válida: letras, cifras, '-', '_' y '.', empezando por letra"});
      continue;
    }
    const auto [it, nueva] = claves_.emplace(a.valor, a.linea);
    if (nueva) clave_de_linea_.emplace(a.linea, a.valor);
    if (!nueva) {
      problemas.push_back({fuente.fuente, a.origen,
                           "la clave \"" + a.valor + "\" ya es de la línea " +
                               std::to_string(it->second) + " de " + fichero_});
    }
  }
}

const std::string& IndiceLineas::ClaveDe(int n) const {
  static const std::string kNinguna;
  const auto it = clave_de_linea_.find(n);
  return it == clave_de_linea_.end() ? kNinguna : it->second;
}

const std::string& IndiceLineas::Linea(int n) const {
  static const std::string kVacia;
  if (n < 1 || n > Cuenta()) return kVacia;
  return lineas_[static_cast<std::size_t>(n - 1)];
}

std::optional<int> IndiceLineas::Resolver(std::string_view referencia, std::string& error) const {
  if (const auto n = Entero(referencia)) {
    if (*n >= 1 && *n <= Cuenta()) return n;
    error = "la línea " + std::string(referencia) + " no existe en " + fichero_ + " (tiene " +
            std::to_string(Cuenta()) + ")";
    return std::nullopt;
  }
  if (const auto it = claves_.find(referencia); it != claves_.end()) return it->second;
  if (const auto it = nombres_.find(referencia); it != nombres_.end()) return it->second;
  error = "\"" + std::string(referencia) + "\" no es una clave de " + fichero_;
  return std::nullopt;
}

bool EsClaveValida(std::string_view clave) {
  if (clave.empty() || !EsLetra(clave.front())) return false;
  for (const char c : clave) {
    if (!EsLetra(c) && !EsDigito(c) && c != '-' && c != '_' && c != '.') return false;
  }
  return true;
}

std::vector<std::string_view> AnotacionesDe(std::string_view fichero) {
  if (fichero == "CARRERA")
    return {"universidades", "requisitos", "salidas", "grupos", "relacionadas"};
  if (fichero == "carreran") return {"universidades", "requisitos", "salidas"};
  if (fichero == "GRUPOS") return {"cualidades", "intereses"};
  if (fichero == "FP") return {"requisitos", "carreras", "grupos"};
  return {};
}

std::optional<int> LeerNota(std::string_view texto, int maxima) {
  if (texto == "-") return kSinNota;
  const std::size_t coma = texto.find(',');
  if (coma == std::string_view::npos || coma + 2 != texto.size()) return std::nullopt;
  const auto unidades = Entero(texto.substr(0, coma));
  const auto decimas = Entero(texto.substr(coma + 1));
  if (!unidades || !decimas || coma > 2) return std::nullopt;
  const int nota = *unidades * 10 + *decimas;
  if (nota < 50 || nota > maxima) return std::nullopt;
  return nota;
}

std::vector<RegistroGenerado> GenerarRegistros(const FuentesLeidas& fuentes,
                                               std::vector<Problema>& problemas,
                                               std::vector<Problema>* avisos) {
  return Generador(fuentes, problemas, avisos).Generar();
}

}  // namespace sendaro::datos
