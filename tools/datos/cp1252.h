// UTF-8 <-> Windows-1252 for the installation files. Header-only so that the
// domain tests can use it without linking the tool.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace sendaro::datos {

// Code points of bytes 0x80..0x9F; 0 marks the five bytes with no character.
inline constexpr std::array<char32_t, 32> kCp1252Alto = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Windows-1252 byte of a code point, or nothing when it has none.
// Control characters have none either: data files hold printable text.
inline std::optional<unsigned char> ByteCp1252(char32_t c) {
  if (c >= 0x20 && c < 0x7F) return static_cast<unsigned char>(c);
  if (c >= 0xA0 && c <= 0xFF) return static_cast<unsigned char>(c);
  for (std::size_t i = 0; i < kCp1252Alto.size(); ++i) {
    if (kCp1252Alto[i] != 0 && kCp1252Alto[i] == c) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

// The code point of a Windows-1252 byte; nothing for the five undefined bytes.
inline std::optional<char32_t> CaracterCp1252(unsigned char b) {
  if (b < 0x80 || b >= 0xA0) return static_cast<char32_t>(b);
  const char32_t c = kCp1252Alto[static_cast<std::size_t>(b - 0x80)];
  if (c == 0) return std::nullopt;
  return c;
}

struct ResultadoConversion {
  std::string texto;   // the converted line (valid only when error is empty)
  std::string error;   // what went wrong, in Spanish, for "file:line: error"
  int columna = 0;     // 1-based character column of the fault
};

// Converts one line of UTF-8 to Windows-1252. Fails on malformed UTF-8, on a
// character without a Windows-1252 form and on control characters (a tab
// would silently break the fixed columns).
inline ResultadoConversion Utf8ACp1252(std::string_view linea) {
  ResultadoConversion r;
  std::size_t i = 0;
  int columna = 0;
  while (i < linea.size()) {
    ++columna;
    const auto b0 = static_cast<unsigned char>(linea[i]);
    char32_t c = 0;
    std::size_t largo = 0;
    if (b0 < 0x80) {
      c = b0;
      largo = 1;
    } else if ((b0 & 0xE0) == 0xC0) {
      c = b0 & 0x1Fu;
      largo = 2;
    } else if ((b0 & 0xF0) == 0xE0) {
      c = b0 & 0x0Fu;
      largo = 3;
    } else if ((b0 & 0xF8) == 0xF0) {
      c = b0 & 0x07u;
      largo = 4;
    } else {
      r.error = "UTF-8 mal formado";
      r.columna = columna;
      return r;
    }
    if (i + largo > linea.size()) {
      r.error = "UTF-8 mal formado (secuencia cortada)";
      r.columna = columna;
      return r;
    }
    for (std::size_t k = 1; k < largo; ++k) {
      const auto b = static_cast<unsigned char>(linea[i + k]);
      if ((b & 0xC0) != 0x80) {
        r.error = "UTF-8 mal formado";
        r.columna = columna;
        return r;
      }
      c = (c << 6) | (b & 0x3Fu);
    }
    const bool demasiado_largo = (largo == 2 && c < 0x80) || (largo == 3 && c < 0x800) ||
                                 (largo == 4 && c < 0x10000);
    if (demasiado_largo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      r.error = "UTF-8 mal formado";
      r.columna = columna;
      return r;
    }
    const auto byte = ByteCp1252(c);
    if (!byte) {
      char hex[16];
      std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(c));
      r.error = c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)
                    ? std::string("carácter de control ") + hex + " (columna " +
                          std::to_string(columna) + ")"
                    : std::string("el carácter ") + std::string(linea.substr(i, largo)) + " (" +
                          hex + ", columna " + std::to_string(columna) +
                          ") no existe en Windows-1252";
      r.columna = columna;
      return r;
    }
    r.texto.push_back(static_cast<char>(*byte));
    i += largo;
  }
  return r;
}

// Windows-1252 to UTF-8 (for messages and for reading an installation back).
// Undefined bytes become U+FFFD.
inline std::string Cp1252AUtf8(std::string_view texto) {
  std::string salida;
  salida.reserve(texto.size());
  for (const char ch : texto) {
    const auto c = CaracterCp1252(static_cast<unsigned char>(ch)).value_or(0xFFFD);
    if (c < 0x80) {
      salida.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      salida.push_back(static_cast<char>(0xC0 | (c >> 6)));
      salida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      salida.push_back(static_cast<char>(0xE0 | (c >> 12)));
      salida.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      salida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return salida;
}

}  // namespace sendaro::datos
