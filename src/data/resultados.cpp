#include "data/resultados.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <map>
#include <system_error>

namespace sendaro {

namespace {

// ---- Writing ----

void AnadirCadenaJson(std::string& salida, std::string_view texto) {
  salida += '"';
  for (const char c : texto) {
    switch (c) {
      case '"': salida += "\\\""; break;
      case '\\': salida += "\\\\"; break;
      case '\n': salida += "\\n"; break;
      case '\r': salida += "\\r"; break;
      case '\t': salida += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          static constexpr char kHex[] = "0123456789abcdef";
          const auto u = static_cast<unsigned char>(c);
          salida += "\\u00";
          salida += kHex[u >> 4];
          salida += kHex[u & 0xF];
        } else {
          salida += c;
        }
    }
  }
  salida += '"';
}

void AnadirCampo(std::string& salida, std::string_view clave, std::string_view valor,
                 bool ultimo = false) {
  salida += "  ";
  AnadirCadenaJson(salida, clave);
  salida += ": ";
  AnadirCadenaJson(salida, valor);
  salida += ultimo ? "\n" : ",\n";
}

// A list of objects, each on one line, with string fields.
template <typename T, typename F>
void AnadirLista(std::string& salida, std::string_view clave, const std::vector<T>& lista,
                 F&& campos, bool ultimo = false) {
  salida += "  ";
  AnadirCadenaJson(salida, clave);
  salida += ": [";
  for (std::size_t i = 0; i < lista.size(); ++i) {
    salida += i == 0 ? "\n    " : ",\n    ";
    campos(lista[i]);
  }
  salida += lista.empty() ? "]" : "\n  ]";
  salida += ultimo ? "\n" : ",\n";
}

// ---- Reading: a small JSON reader, enough for these files ----

struct Valor {
  enum class Tipo { kNulo, kLogico, kNumero, kCadena, kLista, kObjeto };
  Tipo tipo = Tipo::kNulo;
  std::string cadena;  // the text of a string, or a number as written
  std::vector<std::string> claves;  // an object's keys, beside its values
  std::vector<Valor> elementos;     // a list's items or an object's values

  const Valor* Campo(std::string_view clave) const {
    for (std::size_t i = 0; i < claves.size(); ++i) {
      if (claves[i] == clave) return &elementos[i];
    }
    return nullptr;
  }
};

class LectorJson {
 public:
  explicit LectorJson(std::string_view texto) : texto_(texto) {}

  // The whole text as one value; nullopt and the position of the fault.
  std::optional<Valor> Leer() {
    Valor v;
    Blancos();
    if (!LeerValor(v, 0)) return std::nullopt;
    Blancos();
    if (pos_ != texto_.size()) return std::nullopt;
    return v;
  }
  std::size_t Posicion() const { return pos_; }

 private:
  static constexpr int kProfundidadMaxima = 32;

  void Blancos() {
    while (pos_ < texto_.size() &&
           (texto_[pos_] == ' ' || texto_[pos_] == '\t' || texto_[pos_] == '\n' ||
            texto_[pos_] == '\r')) {
      ++pos_;
    }
  }
  bool Sigue(char c) {
    Blancos();
    if (pos_ < texto_.size() && texto_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  bool Palabra(std::string_view palabra) {
    if (texto_.substr(pos_, palabra.size()) != palabra) return false;
    pos_ += palabra.size();
    return true;
  }

  bool LeerValor(Valor& v, int profundidad) {
    if (profundidad > kProfundidadMaxima || pos_ >= texto_.size()) return false;
    const char c = texto_[pos_];
    if (c == '{') return LeerObjeto(v, profundidad);
    if (c == '[') return LeerLista(v, profundidad);
    if (c == '"') {
      v.tipo = Valor::Tipo::kCadena;
      return LeerCadena(v.cadena);
    }
    if (c == 't' || c == 'f') {
      v.tipo = Valor::Tipo::kLogico;
      v.cadena = c == 't' ? "true" : "false";
      return Palabra(v.cadena);
    }
    if (c == 'n') return Palabra("null");
    return LeerNumero(v);
  }

  bool LeerObjeto(Valor& v, int profundidad) {
    v.tipo = Valor::Tipo::kObjeto;
    ++pos_;
    if (Sigue('}')) return true;
    do {
      Blancos();
      std::string clave;
      if (pos_ >= texto_.size() || texto_[pos_] != '"' || !LeerCadena(clave)) return false;
      if (!Sigue(':')) return false;
      Blancos();
      Valor hijo;
      if (!LeerValor(hijo, profundidad + 1)) return false;
      v.claves.push_back(std::move(clave));
      v.elementos.push_back(std::move(hijo));
    } while (Sigue(','));
    return Sigue('}');
  }

  bool LeerLista(Valor& v, int profundidad) {
    v.tipo = Valor::Tipo::kLista;
    ++pos_;
    if (Sigue(']')) return true;
    do {
      Blancos();
      Valor hijo;
      if (!LeerValor(hijo, profundidad + 1)) return false;
      v.elementos.push_back(std::move(hijo));
    } while (Sigue(','));
    return Sigue(']');
  }

  bool LeerNumero(Valor& v) {
    const std::size_t inicio = pos_;
    if (pos_ < texto_.size() && texto_[pos_] == '-') ++pos_;
    const std::size_t cifras = pos_;
    while (pos_ < texto_.size() &&
           ((texto_[pos_] >= '0' && texto_[pos_] <= '9') || texto_[pos_] == '.' ||
            texto_[pos_] == 'e' || texto_[pos_] == 'E' || texto_[pos_] == '+' ||
            texto_[pos_] == '-')) {
      ++pos_;
    }
    if (pos_ == cifras || texto_[cifras] < '0' || texto_[cifras] > '9') return false;
    v.tipo = Valor::Tipo::kNumero;
    v.cadena = std::string(texto_.substr(inicio, pos_ - inicio));
    return true;
  }

  bool Hex4(unsigned& codigo) {
    if (texto_.size() - pos_ < 4) return false;
    codigo = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = texto_[pos_++];
      codigo <<= 4;
      if (c >= '0' && c <= '9') codigo |= static_cast<unsigned>(c - '0');
      else if (c >= 'a' && c <= 'f') codigo |= static_cast<unsigned>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F') codigo |= static_cast<unsigned>(c - 'A' + 10);
      else return false;
    }
    return true;
  }

  static void AnadirUtf8(std::string& s, unsigned codigo) {
    if (codigo < 0x80) {
      s += static_cast<char>(codigo);
    } else if (codigo < 0x800) {
      s += static_cast<char>(0xC0 | (codigo >> 6));
      s += static_cast<char>(0x80 | (codigo & 0x3F));
    } else if (codigo < 0x10000) {
      s += static_cast<char>(0xE0 | (codigo >> 12));
      s += static_cast<char>(0x80 | ((codigo >> 6) & 0x3F));
      s += static_cast<char>(0x80 | (codigo & 0x3F));
    } else {
      s += static_cast<char>(0xF0 | (codigo >> 18));
      s += static_cast<char>(0x80 | ((codigo >> 12) & 0x3F));
      s += static_cast<char>(0x80 | ((codigo >> 6) & 0x3F));
      s += static_cast<char>(0x80 | (codigo & 0x3F));
    }
  }

  bool LeerCadena(std::string& s) {
    ++pos_;  // the opening quote
    while (pos_ < texto_.size()) {
      const char c = texto_[pos_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        s += c;
        continue;
      }
      if (pos_ >= texto_.size()) return false;
      switch (texto_[pos_++]) {
        case '"': s += '"'; break;
        case '\\': s += '\\'; break;
        case '/': s += '/'; break;
        case 'b': s += '\b'; break;
        case 'f': s += '\f'; break;
        case 'n': s += '\n'; break;
        case 'r': s += '\r'; break;
        case 't': s += '\t'; break;
        case 'u': {
          unsigned codigo = 0;
          if (!Hex4(codigo)) return false;
          if (codigo >= 0xD800 && codigo < 0xDC00) {
            unsigned bajo = 0;
            if (!Palabra("\\u") || !Hex4(bajo) || bajo < 0xDC00 || bajo >= 0xE000) return false;
            codigo = 0x10000 + ((codigo - 0xD800) << 10) + (bajo - 0xDC00);
          } else if (codigo >= 0xDC00 && codigo < 0xE000) {
            return false;
          }
          AnadirUtf8(s, codigo);
          break;
        }
        default: return false;
      }
    }
    return false;
  }

  std::string_view texto_;
  std::size_t pos_ = 0;
};

LecturaResultado Descarte(MotivoDescarte motivo, std::string detalle) {
  LecturaResultado l;
  l.motivo = motivo;
  l.detalle = std::move(detalle);
  return l;
}

// A string field; `obligatorio` ones must be there.
bool LeerTexto(const Valor& objeto, std::string_view clave, std::string& destino,
               bool obligatorio) {
  const Valor* v = objeto.Campo(clave);
  if (v == nullptr || v->tipo == Valor::Tipo::kNulo) return !obligatorio;
  if (v->tipo != Valor::Tipo::kCadena) return false;
  destino = v->cadena;
  return true;
}

// The date part of a "YYYY-MM-DDThh:mm:ss" date.
std::string_view Dia(std::string_view fecha) { return fecha.substr(0, 10); }

}  // namespace

int OrdenCuestionario(std::string_view cuestionario) {
  static constexpr std::array kOrden = {kCuestionarioCualidades, kCuestionarioIntereses,
                                        kCuestionarioEstudios, kCuestionarioProfesiones,
                                        kCuestionarioGradoMedio};
  const auto it = std::find(kOrden.begin(), kOrden.end(), cuestionario);
  return static_cast<int>(it - kOrden.begin());
}

std::string ResultadoAJson(const ResultadoCuestionario& r) {
  std::string s = "{\n  \"formato\": " + std::to_string(kFormatoResultado) + ",\n";
  AnadirCampo(s, "version", r.version);
  AnadirCampo(s, "fecha", r.fecha);
  AnadirCampo(s, "idioma", r.idioma);
  AnadirCampo(s, "cuestionario", r.cuestionario);
  AnadirCampo(s, "alumno", r.alumno);
  AnadirCampo(s, "grupo", r.grupo);
  AnadirLista(s, "respuestas", r.respuestas, [&s](const RespuestaCuestionario& p) {
    s += "{\"pregunta\": ";
    AnadirCadenaJson(s, p.pregunta);
    s += ", \"respuesta\": ";
    AnadirCadenaJson(s, p.respuesta);
    s += '}';
  });
  AnadirLista(s, "resultado", r.filas, [&s](const FilaResultado& f) {
    s += "{\"texto\": ";
    AnadirCadenaJson(s, f.texto);
    s += ", \"puntuacion\": ";
    AnadirCadenaJson(s, f.puntuacion);
    s += '}';
  });
  AnadirLista(
      s, "explicaciones", r.explicaciones,
      [&s](const std::string& e) { AnadirCadenaJson(s, e); }, true);
  s += "}\n";
  return s;
}

std::filesystem::path RutaResultadoJunto(const std::filesystem::path& informe) {
  std::filesystem::path ruta = informe;
  ruta.replace_extension(".json");
  return ruta;
}

LecturaResultado LeerResultadoJson(std::string_view texto) {
  if (texto.substr(0, 3) == "\xEF\xBB\xBF") texto.remove_prefix(3);
  LectorJson lector(texto);
  const std::optional<Valor> raiz = lector.Leer();
  if (!raiz) return Descarte(MotivoDescarte::kNoEsJson, std::to_string(lector.Posicion()));
  if (raiz->tipo != Valor::Tipo::kObjeto) return Descarte(MotivoDescarte::kOtroFormato, "");
  const Valor* formato = raiz->Campo("formato");
  if (formato == nullptr || formato->tipo != Valor::Tipo::kNumero) {
    return Descarte(MotivoDescarte::kOtroFormato, "");
  }
  if (formato->cadena != std::to_string(kFormatoResultado)) {
    return Descarte(MotivoDescarte::kOtroFormato, formato->cadena);
  }

  ResultadoCuestionario r;
  const std::array<std::pair<std::string_view, std::string*>, 6> textos = {{
      {"cuestionario", &r.cuestionario},
      {"fecha", &r.fecha},
      {"version", &r.version},
      {"idioma", &r.idioma},
      {"alumno", &r.alumno},
      {"grupo", &r.grupo},
  }};
  for (std::size_t i = 0; i < textos.size(); ++i) {
    // The questionnaire and date are needed to summarise; the rest may be absent.
    if (!LeerTexto(*raiz, textos[i].first, *textos[i].second, i < 2)) {
      return Descarte(MotivoDescarte::kIncompleto, std::string(textos[i].first));
    }
  }
  if (r.cuestionario.empty()) return Descarte(MotivoDescarte::kIncompleto, "cuestionario");

  // A list of objects with two string fields each.
  const auto leer_pares = [&raiz](std::string_view clave, std::string_view a, std::string_view b,
                                  auto&& anadir) {
    const Valor* lista = raiz->Campo(clave);
    if (lista == nullptr) return true;
    if (lista->tipo != Valor::Tipo::kLista) return false;
    for (const Valor& e : lista->elementos) {
      if (e.tipo != Valor::Tipo::kObjeto) return false;
      std::string x, y;
      if (!LeerTexto(e, a, x, true) || !LeerTexto(e, b, y, false)) return false;
      anadir(std::move(x), std::move(y));
    }
    return true;
  };
  if (!leer_pares("respuestas", "pregunta", "respuesta", [&r](std::string x, std::string y) {
        r.respuestas.push_back({std::move(x), std::move(y)});
      })) {
    return Descarte(MotivoDescarte::kIncompleto, "respuestas");
  }
  if (!leer_pares("resultado", "texto", "puntuacion", [&r](std::string x, std::string y) {
        r.filas.push_back({std::move(x), std::move(y)});
      })) {
    return Descarte(MotivoDescarte::kIncompleto, "resultado");
  }
  if (const Valor* lista = raiz->Campo("explicaciones")) {
    if (lista->tipo != Valor::Tipo::kLista) {
      return Descarte(MotivoDescarte::kIncompleto, "explicaciones");
    }
    for (const Valor& e : lista->elementos) {
      if (e.tipo != Valor::Tipo::kCadena) {
        return Descarte(MotivoDescarte::kIncompleto, "explicaciones");
      }
      r.explicaciones.push_back(e.cadena);
    }
  }
  LecturaResultado l;
  l.resultado = std::move(r);
  return l;
}

CarpetaResultados LeerCarpetaResultados(const std::filesystem::path& carpeta) {
  namespace fs = std::filesystem;
  std::vector<fs::path> rutas;
  std::error_code error;
  fs::recursive_directory_iterator it(carpeta, fs::directory_options::skip_permission_denied,
                                      error);
  for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
    std::string extension = it->path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    std::error_code e2;
    if (extension == ".json" && it->is_regular_file(e2)) rutas.push_back(it->path());
  }
  std::sort(rutas.begin(), rutas.end());

  CarpetaResultados salida;
  salida.leidos.reserve(rutas.size());
  std::string contenido;
  for (const fs::path& ruta : rutas) {
    std::ifstream f(ruta, std::ios::binary);
    if (!f) {
      salida.descartados.push_back({ruta, MotivoDescarte::kIlegible, ""});
      continue;
    }
    contenido.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    if (f.bad()) {
      salida.descartados.push_back({ruta, MotivoDescarte::kIlegible, ""});
      continue;
    }
    LecturaResultado l = LeerResultadoJson(contenido);
    if (l.resultado) {
      salida.leidos.push_back({ruta, std::move(*l.resultado)});
    } else {
      salida.descartados.push_back({ruta, l.motivo, std::move(l.detalle)});
    }
  }
  return salida;
}

bool PasaFiltro(const ResultadoCuestionario& r, const FiltroResultados& filtro) {
  if (!filtro.grupo.empty() && r.grupo != filtro.grupo) return false;
  const std::string_view dia = Dia(r.fecha);
  if (!filtro.desde.empty() && dia < Dia(filtro.desde)) return false;
  if (!filtro.hasta.empty() && dia > Dia(filtro.hasta)) return false;
  return true;
}

std::vector<ResumenCuestionario> Resumir(const std::vector<ResultadoLeido>& leidos,
                                         const FiltroResultados& filtro) {
  // Per questionnaire, each named student's latest result.
  std::map<std::pair<int, std::string>, std::map<std::pair<std::string, std::string>, std::size_t>>
      ultimos;
  std::map<std::pair<int, std::string>, std::vector<std::size_t>> anonimos;
  for (std::size_t i = 0; i < leidos.size(); ++i) {
    const ResultadoCuestionario& r = leidos[i].resultado;
    if (!PasaFiltro(r, filtro)) continue;
    const std::pair<int, std::string> clave{OrdenCuestionario(r.cuestionario), r.cuestionario};
    if (r.alumno.empty()) {
      anonimos[clave].push_back(i);
      continue;
    }
    auto& alumnos = ultimos[clave];
    const auto [it, nuevo] = alumnos.try_emplace({r.alumno, r.grupo}, i);
    if (!nuevo && leidos[it->second].resultado.fecha <= r.fecha) it->second = i;
  }
  for (const auto& [clave, lista] : anonimos) ultimos[clave];

  std::vector<ResumenCuestionario> salida;
  for (const auto& [clave, alumnos] : ultimos) {
    ResumenCuestionario resumen;
    resumen.cuestionario = clave.second;
    for (const auto& [nombre, indice] : alumnos) resumen.alumnos.push_back(indice);
    const auto it = anonimos.find(clave);
    if (it != anonimos.end()) {
      resumen.alumnos.insert(resumen.alumnos.end(), it->second.begin(), it->second.end());
    }
    std::map<std::string, int> cuentas;
    for (const std::size_t i : resumen.alumnos) {
      if (!leidos[i].resultado.filas.empty()) ++cuentas[leidos[i].resultado.filas.front().texto];
    }
    resumen.reparto.assign(cuentas.begin(), cuentas.end());
    std::stable_sort(resumen.reparto.begin(), resumen.reparto.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    salida.push_back(std::move(resumen));
  }
  return salida;
}

std::vector<std::string> GruposDe(const std::vector<ResultadoLeido>& leidos) {
  std::vector<std::string> grupos;
  for (const ResultadoLeido& l : leidos) {
    if (!l.resultado.grupo.empty()) grupos.push_back(l.resultado.grupo);
  }
  std::sort(grupos.begin(), grupos.end());
  grupos.erase(std::unique(grupos.begin(), grupos.end()), grupos.end());
  return grupos;
}

namespace {

void AnadirCampoCsv(std::string& s, std::string_view campo) {
  if (campo.find_first_of(";\"\r\n") == std::string_view::npos) {
    s += campo;
    return;
  }
  s += '"';
  for (const char c : campo) {
    if (c == '"') s += '"';
    s += c;
  }
  s += '"';
}

void AnadirFilaCsv(std::string& s, const std::vector<std::string_view>& campos) {
  for (std::size_t i = 0; i < campos.size(); ++i) {
    if (i > 0) s += ';';
    AnadirCampoCsv(s, campos[i]);
  }
  s += "\r\n";
}

}  // namespace

std::string ResumenCsv(const std::vector<ResultadoLeido>& leidos,
                       const std::vector<ResumenCuestionario>& resumen,
                       const std::vector<std::string>& cabeceras) {
  std::string s = "\xEF\xBB\xBF";
  AnadirFilaCsv(s, std::vector<std::string_view>(cabeceras.begin(), cabeceras.end()));
  for (const ResumenCuestionario& c : resumen) {
    for (const std::size_t i : c.alumnos) {
      const ResultadoCuestionario& r = leidos[i].resultado;
      const FilaResultado primera = r.filas.empty() ? FilaResultado{} : r.filas.front();
      AnadirFilaCsv(s, {r.cuestionario, r.grupo, r.alumno, Dia(r.fecha), primera.texto,
                        primera.puntuacion});
    }
  }
  return s;
}

}  // namespace sendaro
