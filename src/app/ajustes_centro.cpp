#include "app/ajustes_centro.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <system_error>

#include "app/linea_ordenes.h"

namespace sendaro {

namespace {

std::string_view Limpiar(std::string_view s) {
  const auto ini = s.find_first_not_of(" \t\r");
  if (ini == std::string_view::npos) return {};
  const auto fin = s.find_last_not_of(" \t\r");
  return s.substr(ini, fin - ini + 1);
}

std::string Minusculas(std::string_view s) {
  std::string r(s);
  std::transform(r.begin(), r.end(), r.begin(), [](char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return r;
}

}  // namespace

std::optional<AjustesCentro> AnalizarAjustesCentro(std::string_view contenido) {
  if (contenido.substr(0, 3) == "\xEF\xBB\xBF") contenido.remove_prefix(3);
  std::string texto;
  if (auto convertido = Utf8AWindows1252(contenido)) {
    texto = std::move(*convertido);
  } else {
    texto = std::string(contenido);
  }

  std::map<std::string, std::string> valores;
  std::string_view resto = texto;
  while (!resto.empty()) {
    const auto fin = resto.find('\n');
    std::string_view linea = Limpiar(resto.substr(0, fin));
    resto = fin == std::string_view::npos ? std::string_view() : resto.substr(fin + 1);
    if (linea.empty() || linea[0] == ';' || linea[0] == '#' || linea[0] == '[') continue;
    const auto igual = linea.find('=');
    if (igual == std::string_view::npos) continue;
    std::string_view valor = Limpiar(linea.substr(igual + 1));
    if (valor.size() >= 2 && valor.front() == '"' && valor.back() == '"') {
      valor = valor.substr(1, valor.size() - 2);
    }
    valores[Minusculas(Limpiar(linea.substr(0, igual)))] = std::string(valor);
  }

  const auto nombre = valores.find("nombrecentro");
  const auto animacion = valores.find("conanimacion");
  const auto idioma = valores.find("codigoidioma");
  const auto letra = valores.find("letratema");
  if (nombre == valores.end() || animacion == valores.end() || idioma == valores.end() ||
      letra == valores.end()) {
    return std::nullopt;
  }

  AjustesCentro ajustes;
  ajustes.NombreCentro = nombre->second.substr(0, AjustesCentro::kLongitudNombre);
  const auto ultimo = ajustes.NombreCentro.find_last_not_of(' ');
  ajustes.NombreCentro.resize(ultimo == std::string::npos ? 0 : ultimo + 1);

  const auto con = NumeroEntero(animacion->second);
  const auto codigo = NumeroEntero(idioma->second);
  if (!con || *con < 0 || *con > 255 || !codigo || *codigo < 0 || *codigo > 3) {
    return std::nullopt;
  }
  ajustes.ConAnimacion = *con;
  ajustes.CodigoIdioma = *codigo;

  if (letra->second.size() != 1 ||
      std::string_view("IFCNAP").find(letra->second[0]) == std::string_view::npos) {
    return std::nullopt;
  }
  ajustes.LetraTema = letra->second[0];
  return ajustes;
}

std::optional<AjustesCentro> LeerAjustesCentro(const std::filesystem::path& carpeta) {
  return LeerFicheroAjustes(carpeta / std::string(kFicheroAjustes));
}

std::filesystem::path FicheroAjustes(const std::filesystem::path& carpeta,
                                     const RutasInstaladas& rutas) {
  const auto sistema = rutas.ajustes / std::string(kFicheroAjustes);
  std::error_code error;
  if (std::filesystem::equivalent(carpeta, rutas.datos, error) &&
      std::filesystem::is_regular_file(sistema, error)) {
    return sistema;
  }
  return carpeta / std::string(kFicheroAjustes);
}

std::optional<AjustesCentro> LeerAjustesInstalacion(const std::filesystem::path& carpeta) {
  return LeerFicheroAjustes(FicheroAjustes(carpeta, RutasDesde(CarpetaPrograma())));
}

std::optional<AjustesCentro> LeerFicheroAjustes(const std::filesystem::path& ruta) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(ruta, error)) return std::nullopt;
  std::ifstream fichero(ruta, std::ios::binary);
  if (!fichero) return std::nullopt;
  std::string contenido;
  char bloque[4096];
  while (fichero.read(bloque, sizeof bloque) || fichero.gcount() > 0) {
    contenido.append(bloque, static_cast<std::size_t>(fichero.gcount()));
  }
  if (fichero.bad()) return std::nullopt;
  return AnalizarAjustesCentro(contenido);
}

}  // namespace sendaro
