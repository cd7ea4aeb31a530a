#include <fstream>
#include <map>
#include <system_error>

#include "enunciados.h"
#include "ficheros.h"
#include "glosario.h"
#include "herramienta.h"
#include "traducciones.h"

namespace fs = std::filesystem;

namespace sendaro::datos {
namespace {

bool LeerTodo(const fs::path& ruta, std::string& contenido) {
  std::ifstream f(ruta, std::ios::binary | std::ios::ate);
  if (!f) return false;
  const auto tamano = static_cast<std::streamoff>(f.tellg());
  if (tamano < 0) return false;
  contenido.assign(static_cast<std::size_t>(tamano), '\0');
  f.seekg(0);
  return static_cast<bool>(f.read(contenido.data(), tamano));
}

bool EscribirTodo(const fs::path& ruta, const std::string& contenido) {
  std::error_code ec;
  fs::create_directories(ruta.parent_path(), ec);
  std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
  if (!f) return false;
  f.write(contenido.data(), static_cast<std::streamsize>(contenido.size()));
  return static_cast<bool>(f);
}

// Relative name of a source as maintainers see it in messages.
std::string NombreFuente(const fs::path& raiz, const fs::path& ruta) {
  std::error_code ec;
  const auto relativa = fs::relative(ruta, raiz.parent_path(), ec);
  return ec ? ruta.string() : relativa.generic_string();
}

void Escribir(const fs::path& ruta, const std::string& contenido,
              std::vector<Problema>& problemas) {
  if (!EscribirTodo(ruta, contenido)) {
    problemas.push_back({ruta.string(), 0, "no se puede escribir"});
  }
}

}  // namespace

std::vector<Problema> Compilar(const OpcionesCompilar& op, std::vector<std::string>& avisos) {
  std::vector<Problema> problemas;
  const fs::path carpeta_datos = op.fuentes / "datos";
  std::error_code ec;
  fs::create_directories(op.destino, ec);
  if (ec) {
    problemas.push_back({op.destino.string(), 0, "no se puede crear la carpeta: " + ec.message()});
    return problemas;
  }

  // Each translation's glossary of subjects, applied to its block files.
  std::map<std::string, Glosario> glosarios;
  for (const auto& idioma : kIdiomas) {
    if (*idioma.subcarpeta == '\0') continue;
    const fs::path ruta = carpeta_datos / idioma.subcarpeta / (std::string(kGlosario) + ".txt");
    std::string contenido;
    if (!LeerTodo(ruta, contenido)) continue;
    auto g = LeerGlosario(contenido, NombreFuente(op.fuentes, ruta));
    problemas.insert(problemas.end(), g.problemas.begin(), g.problemas.end());
    glosarios.emplace(idioma.subcarpeta, std::move(g));
  }

  // Text data files. The Spanish sources are kept: their statements make the
  // record files.
  FuentesLeidas leidas;
  for (const auto& f : FicherosTexto()) {
    const fs::path ruta = carpeta_datos / (std::string(f.nombre) + ".txt");
    const std::string fuente = NombreFuente(op.fuentes, ruta);
    std::string contenido;
    if (!LeerTodo(ruta, contenido)) {
      problemas.push_back({fuente, 0, "falta la fuente del fichero " + std::string(f.nombre)});
      continue;
    }
    auto lineas = f.bloque > 0 ? LineasDeBloques(contenido, fuente, f.bloque)
                               : LineasDeFuente(contenido, fuente);
    problemas.insert(problemas.end(), lineas.problemas.begin(), lineas.problemas.end());
    const std::string salida = FicheroCp1252(lineas.lineas, fuente, problemas);
    Escribir(op.destino / f.nombre, salida, problemas);
    leidas.emplace(std::string(f.nombre), FuenteLeida{fuente, std::move(lineas)});
    if (!f.idioma) continue;
    for (const auto& idioma : kIdiomas) {
      if (*idioma.subcarpeta == '\0') continue;
      // A translated source, when there is one, replaces the Spanish copy.
      const fs::path traducida =
          carpeta_datos / idioma.subcarpeta / (std::string(f.nombre) + ".txt");
      std::string propio;
      if (LeerTodo(traducida, propio)) {
        const std::string fuente_t = NombreFuente(op.fuentes, traducida);
        auto lt = f.bloque > 0 ? LineasDeBloques(propio, fuente_t, f.bloque)
                               : LineasDeFuente(propio, fuente_t);
        if (const auto g = glosarios.find(idioma.subcarpeta); g != glosarios.end() && f.bloque > 0) {
          AplicarGlosario(g->second, lineas, f.bloque, fuente_t, lt);
        }
        problemas.insert(problemas.end(), lt.problemas.begin(), lt.problemas.end());
        // Statements belong to the Spanish source; a translation's are ignored.
        Escribir(op.destino / idioma.subcarpeta / f.nombre,
                 FicheroCp1252(lt.lineas, fuente_t, problemas), problemas);
      } else {
        Escribir(op.destino / idioma.subcarpeta / f.nombre, salida, problemas);
      }
    }
  }

  // Each translation's list of proper names kept as in Spanish, for comprobar.
  for (const auto& idioma : kIdiomas) {
    if (*idioma.subcarpeta == '\0') continue;
    const std::string nombre(kNombresPropios);
    const fs::path ruta = carpeta_datos / idioma.subcarpeta / (nombre + ".txt");
    std::string contenido;
    if (!LeerTodo(ruta, contenido)) continue;
    const std::string fuente = NombreFuente(op.fuentes, ruta);
    auto lineas = LineasDeFuente(contenido, fuente);
    problemas.insert(problemas.end(), lineas.problemas.begin(), lineas.problemas.end());
    Escribir(op.destino / idioma.subcarpeta / nombre, FicheroCp1252(lineas.lineas, fuente, problemas),
             problemas);
  }

  // The catalogue, in every language.
  std::string textos_es;
  for (const auto& idioma : kIdiomas) {
    const fs::path ruta = op.fuentes / "textos" / idioma.fuente;
    const std::string fuente = NombreFuente(op.fuentes, ruta);
    const fs::path salida = op.destino / idioma.subcarpeta / "textos";
    std::string contenido;
    if (!LeerTodo(ruta, contenido)) {
      if (*idioma.subcarpeta == '\0') {
        avisos.push_back(fuente + ": no existe; el catálogo queda vacío");
      } else {
        avisos.push_back(fuente + ": no existe; se usa el catálogo en español");
        Escribir(salida, textos_es, problemas);
        continue;
      }
    }
    auto catalogo = LeerCatalogoFuente(contenido, fuente);
    problemas.insert(problemas.end(), catalogo.problemas.begin(), catalogo.problemas.end());
    std::vector<LineaFuente> lineas;
    for (std::size_t i = 0; i < catalogo.lineas.size(); ++i) {
      lineas.push_back({catalogo.origen[i], catalogo.lineas[i]});
    }
    const std::string texto = FicheroCp1252(lineas, fuente, problemas);
    if (*idioma.subcarpeta == '\0') textos_es = texto;
    Escribir(salida, texto, problemas);
  }

  // Record files, from the statements beside the data, from the places
  // sources "datFPL.txt" (higher grade) and "datFPL2.txt" (middle grade) and
  // from the study questionnaire areas "datitine.txt".
  for (const char* lugares : {"datFPL", "datFPL2", "datitine"}) {
    const fs::path ruta = carpeta_datos / (std::string(lugares) + ".txt");
    const std::string fuente = NombreFuente(op.fuentes, ruta);
    std::string contenido;
    if (!LeerTodo(ruta, contenido)) {
      problemas.push_back({fuente, 0, "falta la fuente del fichero " + std::string(lugares)});
      continue;
    }
    auto lineas = LineasDeFuente(contenido, fuente);
    problemas.insert(problemas.end(), lineas.problemas.begin(), lineas.problemas.end());
    leidas.emplace(lugares, FuenteLeida{fuente, std::move(lineas)});
  }
  std::vector<Problema> notas;
  for (const auto& r : GenerarRegistros(leidas, problemas, &notas)) {
    Escribir(op.destino / r.nombre, r.bytes, problemas);
  }
  for (const auto& n : notas) avisos.push_back(n.Texto());

  // Centre settings: copied as they are (UTF-8; the program reads UTF-8).
  {
    std::string contenido;
    const fs::path ruta = op.fuentes / kAjustes;
    if (!LeerTodo(ruta, contenido)) {
      problemas.push_back({NombreFuente(op.fuentes, ruta), 0, "no existe"});
    } else {
      Escribir(op.destino / kAjustes, contenido, problemas);
    }
  }

  // Generated pictures, sounds, skin and region table.
  if (!op.recursos.empty()) {
    if (!fs::is_directory(op.recursos, ec)) {
      problemas.push_back({op.recursos.string(), 0, "no existe la carpeta de recursos"});
    } else {
      for (const auto& e : fs::directory_iterator(op.recursos, ec)) {
        if (!e.is_regular_file()) continue;
        fs::copy_file(e.path(), op.destino / e.path().filename(),
                      fs::copy_options::overwrite_existing, ec);
        if (ec) problemas.push_back({e.path().string(), 0, "no se puede copiar: " + ec.message()});
      }
    }
  }
  return problemas;
}

}  // namespace sendaro::datos
