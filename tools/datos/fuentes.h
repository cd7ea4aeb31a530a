// Reading the readable sources of an installation (UTF-8 text written by
// people) into the lines of the files the program reads. Header-only so that
// the domain tests can use it without linking the tool.
//
// Conventions of a data source (instalacion/datos/NAME.txt):
//  - every line is one line of the file NAME, in its final columns, counted in
//    characters (each character becomes one byte in Windows-1252);
//  - a line starting with "#|" is a comment for the maintainers and is dropped;
//  - trailing blanks are dropped (every reader pads its lines to its width);
//  - in block files a line starting with "#=" opens the next block: its text
//    after "#=" (usually the study's name) becomes the block's first line,
//    which the program skips; the block is padded with empty lines to its size;
//  - a line starting with "#>" is a statement "#> key: values" about the data
//    line above it (the record files are generated from them); it is dropped
//    from the text file.
// The catalogue sources (instalacion/textos/xx.txt) have their own format:
// "N text" per line, N = catalogue line 1..1000; '#' starts a comment line;
// blank lines are ignored; lines not given are empty.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "cp1252.h"

namespace sendaro::datos {

struct Problema {
  std::string fichero;
  int linea = 0;  // 0: the file as a whole
  std::string que;

  std::string Texto() const {
    return linea > 0 ? fichero + ":" + std::to_string(linea) + ": " + que : fichero + ": " + que;
  }
};

// One line of a source with its line number in that source.
struct LineaFuente {
  int numero = 0;
  std::string texto;
};

inline std::string SinBlancosFinales(std::string_view s) {
  std::size_t fin = s.size();
  while (fin > 0 && (s[fin - 1] == ' ' || s[fin - 1] == '\r' || s[fin - 1] == '\t')) --fin;
  return std::string(s.substr(0, fin));
}

// Splits a source into lines (LF or CR LF), keeping the source line numbers.
// A final line end does not make an extra empty line.
inline std::vector<LineaFuente> PartirLineas(std::string_view contenido) {
  std::vector<LineaFuente> lineas;
  int numero = 0;
  std::size_t inicio = 0;
  while (inicio < contenido.size()) {
    std::size_t fin = contenido.find('\n', inicio);
    if (fin == std::string_view::npos) fin = contenido.size();
    std::string_view linea = contenido.substr(inicio, fin - inicio);
    if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
    lineas.push_back({++numero, std::string(linea)});
    inicio = fin + 1;
  }
  // A UTF-8 byte order mark some editors add.
  if (!lineas.empty() && lineas.front().texto.rfind("\xEF\xBB\xBF", 0) == 0) {
    lineas.front().texto.erase(0, 3);
  }
  return lineas;
}

inline bool EsComentario(std::string_view linea) { return linea.rfind("#|", 0) == 0; }
inline bool EsMarcaBloque(std::string_view linea) { return linea.rfind("#=", 0) == 0; }
inline bool EsAnotacion(std::string_view linea) { return linea.rfind("#>", 0) == 0; }

// A statement "#> key: values" about one data line.
struct Anotacion {
  int linea = 0;   // the data line it describes (1-based line of the file)
  int origen = 0;  // its own line in the source
  std::string clave;
  std::string valor;
};

inline std::string SinBlancosAlrededor(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  return SinBlancosFinales(s.substr(i));
}

// Result of turning a source into the lines of its file (still UTF-8).
struct LineasFichero {
  std::vector<LineaFuente> lineas;  // numero = source line it came from (0: padding)
  std::vector<Problema> problemas;
  std::vector<Anotacion> anotaciones;
};

// A plain data source: comments dropped, trailing blanks dropped.
inline LineasFichero LineasDeFuente(std::string_view contenido, const std::string& nombre) {
  LineasFichero r;
  for (auto& l : PartirLineas(contenido)) {
    if (EsComentario(l.texto)) continue;
    if (EsMarcaBloque(l.texto)) {
      r.problemas.push_back({nombre, l.numero, "marca de bloque \"#=\" en un fichero sin bloques"});
      continue;
    }
    if (EsAnotacion(l.texto)) {
      const std::string_view resto = std::string_view(l.texto).substr(2);
      const std::size_t dos_puntos = resto.find(':');
      Anotacion a;
      a.linea = static_cast<int>(r.lineas.size());
      a.origen = l.numero;
      if (dos_puntos != std::string_view::npos) {
        a.clave = SinBlancosAlrededor(resto.substr(0, dos_puntos));
        a.valor = SinBlancosAlrededor(resto.substr(dos_puntos + 1));
      }
      if (a.clave.empty() || a.clave.find(' ') != std::string::npos) {
        r.problemas.push_back({nombre, l.numero, "se esperaba \"#> clave: valores\""});
      } else if (a.linea == 0) {
        r.problemas.push_back({nombre, l.numero, "anotación antes de la primera línea de datos"});
      } else {
        r.anotaciones.push_back(std::move(a));
      }
      continue;
    }
    r.lineas.push_back({l.numero, SinBlancosFinales(l.texto)});
  }
  return r;
}

// A block source: every "#=" line opens a block of `tamano` lines (the marker's
// text as the skipped first line, then up to tamano - 1 content lines, padded
// with empty lines). Content before the first marker is an error.
inline LineasFichero LineasDeBloques(std::string_view contenido, const std::string& nombre,
                                     int tamano) {
  LineasFichero r;
  const auto capacidad = static_cast<std::size_t>(tamano - 1);
  std::size_t en_bloque = 0;
  bool hay_bloque = false;
  int inicio_bloque = 0;
  auto cerrar = [&]() {
    while (en_bloque < capacidad) {
      r.lineas.push_back({0, std::string()});
      ++en_bloque;
    }
  };
  for (auto& l : PartirLineas(contenido)) {
    if (EsComentario(l.texto)) continue;
    if (EsAnotacion(l.texto)) {
      r.problemas.push_back({nombre, l.numero, "anotación \"#>\" en un fichero de bloques"});
      continue;
    }
    if (EsMarcaBloque(l.texto)) {
      if (hay_bloque) cerrar();
      hay_bloque = true;
      en_bloque = 0;
      inicio_bloque = l.numero;
      std::string separador = SinBlancosFinales(std::string_view(l.texto).substr(2));
      if (!separador.empty() && separador.front() == ' ') separador.erase(0, 1);
      r.lineas.push_back({l.numero, separador});
      continue;
    }
    if (!hay_bloque) {
      if (!SinBlancosFinales(l.texto).empty()) {
        r.problemas.push_back({nombre, l.numero, "texto antes de la primera marca \"#=\""});
      }
      continue;
    }
    if (en_bloque == capacidad) {
      r.problemas.push_back({nombre, l.numero,
                             "el bloque que empieza en la línea " + std::to_string(inicio_bloque) +
                                 " pasa de " + std::to_string(capacidad) + " líneas"});
      continue;
    }
    r.lineas.push_back({l.numero, SinBlancosFinales(l.texto)});
    ++en_bloque;
  }
  if (hay_bloque) cerrar();
  // Blank lines at the end of a block are padding anyway; trailing blank
  // source lines after the last block must not count as content.
  return r;
}

// The catalogue source: "N text" lines. Returns `ultima` lines (line N at
// index N - 1); numbers not given stay empty.
struct CatalogoFuente {
  std::vector<std::string> lineas;
  std::vector<int> origen;  // source line of each catalogue line (0: not given)
  std::vector<Problema> problemas;
};

inline CatalogoFuente LeerCatalogoFuente(std::string_view contenido, const std::string& nombre,
                                         int ultima = 672, int capacidad = 1000) {
  CatalogoFuente r;
  r.lineas.resize(static_cast<std::size_t>(ultima));
  r.origen.resize(static_cast<std::size_t>(ultima), 0);
  for (auto& l : PartirLineas(contenido)) {
    const std::string texto = SinBlancosFinales(l.texto);
    std::size_t i = texto.find_first_not_of(' ');
    if (i == std::string::npos || texto[i] == '#') continue;
    std::size_t j = i;
    while (j < texto.size() && texto[j] >= '0' && texto[j] <= '9') ++j;
    if (j == i || j - i > 4 || (j < texto.size() && texto[j] != ' ')) {
      r.problemas.push_back({nombre, l.numero, "se esperaba \"número texto\""});
      continue;
    }
    const int n = std::stoi(texto.substr(i, j - i));
    if (n < 1 || n > capacidad) {
      r.problemas.push_back(
          {nombre, l.numero,
           "número de línea " + std::to_string(n) + " fuera de 1.." + std::to_string(capacidad)});
      continue;
    }
    const auto k = static_cast<std::size_t>(n - 1);
    if (k >= r.lineas.size()) {
      r.lineas.resize(k + 1);
      r.origen.resize(k + 1, 0);
    }
    if (r.origen[k] != 0) {
      r.problemas.push_back({nombre, l.numero,
                             "la línea " + std::to_string(n) + " ya se dio en la línea " +
                                 std::to_string(r.origen[k])});
      continue;
    }
    r.lineas[k] = j < texto.size() ? texto.substr(j + 1) : std::string();
    r.origen[k] = l.numero;
  }
  return r;
}

// Converts lines to Windows-1252 joined with CR LF (a CR LF after every line,
// the last one included). Faults are reported with the source line.
inline std::string FicheroCp1252(const std::vector<LineaFuente>& lineas, const std::string& fuente,
                                 std::vector<Problema>& problemas) {
  std::string salida;
  for (const auto& l : lineas) {
    auto c = Utf8ACp1252(l.texto);
    if (!c.error.empty()) {
      problemas.push_back({fuente, l.numero, c.error});
      continue;
    }
    salida += c.texto;
    salida += "\r\n";
  }
  return salida;
}

}  // namespace sendaro::datos
