#include "data/texto.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <system_error>

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

constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";

// Control bytes other than tab, CR and LF, DEL, and the five bytes that
// Windows-1252 leaves unused.
bool EsTextoWindows1252(unsigned char b) {
  if (b < 0x20) return b == '\t' || b == '\r' || b == '\n';
  return b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D;
}

}  // namespace

std::string RecortarDerecha(std::string_view texto) {
  const auto fin = texto.find_last_not_of(' ');
  if (fin == std::string_view::npos) return std::string();
  return std::string(texto.substr(0, fin + 1));
}

bool EsBlanco(std::string_view texto) {
  return texto.find_first_not_of(' ') == std::string_view::npos;
}

std::string RellenarCon(int n, char caracter) {
  if (n < 2) return std::string();
  return std::string(static_cast<std::size_t>(n - 1), caracter);
}

std::string AplicarAncho(std::string_view linea, int ancho) {
  if (ancho <= 0) return std::string();
  const auto w = static_cast<std::size_t>(ancho);
  std::string resultado(linea.substr(0, w));
  // Extending by ancho - 1 blanks and cutting at ancho pads a non-empty line
  // to ancho and an empty one to ancho - 1.
  const std::size_t objetivo = linea.empty() ? w - 1 : w;
  if (resultado.size() < objetivo) resultado.append(objetivo - resultado.size(), ' ');
  return resultado;
}

std::string_view Cortar(std::string_view texto, int n) {
  if (n <= 0) return std::string_view();
  return texto.substr(0, static_cast<std::size_t>(n));
}

std::string_view Columnas(std::string_view linea, int columna, int ancho) {
  if (columna < 1 || ancho <= 0) return std::string_view();
  const auto inicio = static_cast<std::size_t>(columna - 1);
  if (inicio >= linea.size()) return std::string_view();
  return linea.substr(inicio, static_cast<std::size_t>(ancho));
}

std::optional<int> NumeroDecimal(std::string_view campo) {
  std::size_t i = 0;
  while (i < campo.size() && campo[i] == ' ') ++i;
  const std::size_t inicio = i;
  int valor = 0;
  for (; i < campo.size(); ++i) {
    const char c = campo[i];
    if (c < '0' || c > '9' || i - inicio >= 9) return std::nullopt;
    valor = valor * 10 + (c - '0');
  }
  if (i == inicio) return std::nullopt;
  return valor;
}

std::vector<std::string_view> DividirLineas(std::string_view bytes) {
  std::vector<std::string_view> lineas;
  std::size_t inicio = 0;
  while (inicio < bytes.size()) {
    const std::size_t lf = bytes.find('\n', inicio);
    if (lf == std::string_view::npos) {
      lineas.push_back(bytes.substr(inicio));
      break;
    }
    std::size_t fin = lf;
    if (fin > inicio && bytes[fin - 1] == '\r') --fin;
    lineas.push_back(bytes.substr(inicio, fin - inicio));
    inicio = lf + 1;
  }
  return lineas;
}

std::optional<std::string> LeerFicheroCompleto(const std::filesystem::path& ruta) {
  std::error_code error;
  if (std::filesystem::is_directory(ruta, error)) return std::nullopt;
  std::ifstream entrada(ruta, std::ios::binary);
  if (!entrada) return std::nullopt;
  // One read of the whole file: the record files are large and are read at start-up.
  std::string contenido;
  entrada.seekg(0, std::ios::end);
  const std::streamoff tamano = entrada.tellg();
  entrada.seekg(0, std::ios::beg);
  if (tamano > 0) {
    contenido.resize(static_cast<std::size_t>(tamano));
    entrada.read(contenido.data(), static_cast<std::streamsize>(tamano));
    contenido.resize(static_cast<std::size_t>(entrada.gcount()));
  }
  if (entrada.bad()) return std::nullopt;
  return contenido;
}

bool ExisteFichero(const std::filesystem::path& ruta) {
  std::error_code error;
  if (std::filesystem::is_directory(ruta, error)) return false;
  std::ifstream entrada(ruta, std::ios::binary);
  return static_cast<bool>(entrada);
}

std::string MensajeFaltanFicheros(std::string_view nombre) {
  return "Faltan ficheros (" + std::string(nombre) + "). Vuelva a instalar el programa";
}

std::optional<std::string> AbrirFicheroDatos(Entorno& entorno, std::string_view nombre) {
  auto bytes = LeerFicheroCompleto(entorno.instalacion.Ruta(nombre));
  if (!bytes) {
    entorno.Avisar(MensajeFaltanFicheros(nombre));
    entorno.FalloGrave = true;
  }
  return bytes;
}

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

bool GuardadoEnUtf8(std::string_view bytes) {
  if (bytes.starts_with(kMarcaUtf8)) return true;
  const bool alto = std::any_of(bytes.begin(), bytes.end(),
                                [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  return alto && Utf8AWindows1252(bytes).has_value();
}

std::string TextoWindows1252(std::string_view bytes) {
  if (!GuardadoEnUtf8(bytes)) return std::string(bytes);
  if (bytes.starts_with(kMarcaUtf8)) bytes.remove_prefix(kMarcaUtf8.size());
  // After a byte-order mark the rest may still be invalid: kept as it is, so
  // that its bytes are judged as Windows-1252 text.
  auto convertido = Utf8AWindows1252(bytes);
  return convertido ? std::move(*convertido) : std::string(bytes);
}

std::optional<DefectoTexto> BuscarDefectoTexto(std::string_view texto) {
  int linea = 1;
  for (const char c : texto) {
    const auto b = static_cast<unsigned char>(c);
    if (!EsTextoWindows1252(b)) {
      return DefectoTexto{linea, "byte " + std::to_string(b) + " que no es texto en Windows-1252"};
    }
    if (b == '\n') ++linea;
  }
  if (!texto.empty() && texto.back() != '\n') {
    return DefectoTexto{linea, "la última línea está cortada: no termina en fin de línea"};
  }
  return std::nullopt;
}

std::optional<std::string> AbrirFicheroTexto(Entorno& entorno, std::string_view nombre) {
  auto bytes = AbrirFicheroDatos(entorno, nombre);
  if (!bytes) return std::nullopt;
  std::string texto = TextoWindows1252(*bytes);
  if (BuscarDefectoTexto(texto)) {
    entorno.Avisar(MensajeFaltanFicheros(nombre));
    entorno.FalloGrave = true;
    return std::nullopt;
  }
  return texto;
}

}  // namespace sendaro
