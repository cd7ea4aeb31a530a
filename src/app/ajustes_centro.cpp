#include "app/ajustes_centro.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <map>
#include <system_error>

#include "app/linea_ordenes.h"

namespace sendaro {

namespace {

// Code points of Windows-1252 bytes 0x80..0x9F (0 where the byte is unused).
constexpr std::array<char32_t, 32> kAlto1252 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char A1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kAlto1252.size(); ++i) {
    if (kAlto1252[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

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

std::optional<std::string> Utf8AWindows1252(std::string_view utf8) {
  std::string r;
  r.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<std::uint8_t>(utf8[i]);
    std::size_t n = 0;
    char32_t c = 0;
    if (b < 0x80) {
      n = 1;
      c = b;
    } else if ((b & 0xE0) == 0xC0) {
      n = 2;
      c = b & 0x1Fu;
    } else if ((b & 0xF0) == 0xE0) {
      n = 3;
      c = b & 0x0Fu;
    } else if ((b & 0xF8) == 0xF0) {
      n = 4;
      c = b & 0x07u;
    } else {
      return std::nullopt;
    }
    if (i + n > utf8.size()) return std::nullopt;
    for (std::size_t k = 1; k < n; ++k) {
      const auto s = static_cast<std::uint8_t>(utf8[i + k]);
      if ((s & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (s & 0x3Fu);
    }
    constexpr std::array<char32_t, 5> kMinimo = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kMinimo[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    r.push_back(A1252(c));
    i += n;
  }
  return r;
}

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
  const auto ruta = carpeta / std::string(kFicheroAjustes);
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
