#include "comprobar_mapas.h"

#include <fstream>
#include <map>
#include <set>
#include <system_error>

namespace fs = std::filesystem;

namespace sendaro::datos {

namespace {

constexpr std::size_t kBytesPuntos = 281u * 636u * 4u;
constexpr int kColumnas = 281;
constexpr int kEnterosColumna = 636;

std::uint32_t Entero(std::string_view b, std::size_t pos, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[pos + static_cast<std::size_t>(i)]);
  return v;
}

bool LeerFichero(const fs::path& ruta, std::string& contenido) {
  std::error_code ec;
  if (!fs::is_regular_file(ruta, ec)) return false;
  std::ifstream f(ruta, std::ios::binary);
  contenido.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  return static_cast<bool>(f) || f.eof();
}

struct MapaPuntos {
  const char* fichero;
  int inicio;  // first integer of the table in each column
  int filas;
  int maximo;
};

// The table's value at column x, row y (from 1), as the program reads it:
// the zone table's last rows run into the next column, and past the end of
// the record read 0.
int Region(std::string_view puntos, const MapaPuntos& m, int x, int y) {
  if (x < 1 || x > kColumnas || y < 1 || y > m.filas) return 0;
  const std::size_t pos =
      (static_cast<std::size_t>(x - 1) * kEnterosColumna + static_cast<std::size_t>(m.inicio + y - 1)) * 4;
  return pos + 4 <= puntos.size() ? static_cast<unsigned char>(puntos[pos]) : 0;
}

std::string Color(std::uint32_t c) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string s = "#";
  for (int i = 20; i >= 0; i -= 4) s.push_back(kHex[(c >> i) & 0xF]);
  return s;
}

void ComprobarMapa(std::string_view puntos, const ImagenBmp& im, const MapaPuntos& m,
                   std::vector<Problema>& problemas) {
  std::map<int, std::map<std::uint32_t, int>> colores;  // region -> colour -> pixels
  std::map<std::uint32_t, int> fuera;
  for (int y = 1; y < im.alto; ++y) {
    for (int x = 1; x < im.ancho; ++x) {
      const int c = Region(puntos, m, x, y);
      if (c > m.maximo) {
        problemas.push_back({"puntos3", 0,
                             std::string(m.fichero) + " (" + std::to_string(x) + "," + std::to_string(y) +
                                 "): código " + std::to_string(c) + " fuera de 1.." + std::to_string(m.maximo)});
        return;
      }
      if (c == 0) ++fuera[im.En(x, y)];
      else ++colores[c][im.En(x, y)];
    }
  }
  // The border colour is the one found in the most regions.
  std::map<std::uint32_t, int> regiones_con;
  for (const auto& [region, cuenta] : colores)
    for (const auto& [color, n] : cuenta) ++regiones_con[color];
  std::uint32_t borde = 0;
  int mas = 0;
  for (const auto& [color, n] : regiones_con) {
    if (n > mas) {
      mas = n;
      borde = color;
    }
  }
  std::map<std::uint32_t, int> duena;
  for (int region = 1; region <= m.maximo; ++region) {
    const auto it = colores.find(region);
    std::vector<std::pair<std::uint32_t, int>> propios;
    if (it != colores.end())
      for (const auto& [color, n] : it->second)
        if (color != borde) propios.emplace_back(color, n);
    const std::string que = "región " + std::to_string(region) + " de puntos3: ";
    if (propios.empty()) {
      problemas.push_back({m.fichero, 0, que + "no se ve en el mapa"});
      continue;
    }
    if (propios.size() > 1) {
      problemas.push_back({m.fichero, 0,
                           que + "tiene " + std::to_string(propios.size()) + " colores además del borde (" +
                               Color(propios[0].first) + ", " + Color(propios[1].first) + "...)"});
      continue;
    }
    const std::uint32_t propio = propios[0].first;
    if (const auto otra = duena.find(propio); otra != duena.end()) {
      problemas.push_back({m.fichero, 0,
                           que + "tiene el mismo color que la región " + std::to_string(otra->second) + " (" +
                               Color(propio) + ")"});
    }
    duena.emplace(propio, region);
    if (const auto f = fuera.find(propio); f != fuera.end()) {
      problemas.push_back({m.fichero, 0,
                           que + "su color " + Color(propio) + " se ve en " + std::to_string(f->second) +
                               " puntos que puntos3 no da a ninguna región"});
    }
  }
}

}  // namespace

bool LeerBmp(std::string_view b, ImagenBmp& imagen, std::string& error) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
    error = "no es un BMP";
    return false;
  }
  const std::uint32_t datos = Entero(b, 10, 4);
  const std::uint32_t cabecera = Entero(b, 14, 4);
  const auto ancho = static_cast<std::int32_t>(Entero(b, 18, 4));
  const auto alto_firmado = static_cast<std::int32_t>(Entero(b, 22, 4));
  const std::uint32_t bits = Entero(b, 28, 2);
  const std::uint32_t compresion = Entero(b, 30, 4);
  // 32-bit pictures may declare their channel masks (BI_BITFIELDS); the usual
  // ones are the only ones read.
  const bool mascaras_normales = compresion == 3 && bits == 32 && cabecera >= 52 &&
                                 Entero(b, 54, 4) == 0x00FF0000 && Entero(b, 58, 4) == 0x0000FF00 &&
                                 Entero(b, 62, 4) == 0x000000FF;
  if (cabecera < 40 || ancho <= 0 || alto_firmado == 0 || (bits != 24 && bits != 32) ||
      (compresion != 0 && !mascaras_normales)) {
    error = "BMP de un tipo que no se lee (" + std::to_string(bits) + " bits, compresión " +
            std::to_string(compresion) + ")";
    return false;
  }
  const bool de_arriba = alto_firmado < 0;
  const std::int32_t alto = de_arriba ? -alto_firmado : alto_firmado;
  const std::size_t por_pixel = bits / 8;
  const std::size_t fila = (static_cast<std::size_t>(ancho) * por_pixel + 3) / 4 * 4;
  if (datos > b.size() || (b.size() - datos) / fila < static_cast<std::size_t>(alto)) {
    error = "el BMP se acaba antes de sus puntos";
    return false;
  }
  imagen.ancho = ancho;
  imagen.alto = alto;
  imagen.pixeles.assign(static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto), 0);
  for (std::int32_t y = 0; y < alto; ++y) {
    const std::size_t origen = datos + fila * static_cast<std::size_t>(de_arriba ? y : alto - 1 - y);
    for (std::int32_t x = 0; x < ancho; ++x)
      imagen.pixeles[static_cast<std::size_t>(y) * static_cast<std::size_t>(ancho) + static_cast<std::size_t>(x)] =
          Entero(b, origen + static_cast<std::size_t>(x) * por_pixel, 3);
  }
  return true;
}

void ComprobarMapas(const fs::path& carpeta, std::vector<Problema>& problemas) {
  std::string puntos;
  if (!LeerFichero(carpeta / "puntos3", puntos) || puntos.size() != kBytesPuntos) return;
  const MapaPuntos mapas[] = {
      {"mapa.bmp", 0, 196, 19},
      {"mapac.bmp", 220, 220, 41},
      {"mapam.bmp", 440, 220, 28},
  };
  for (const auto& m : mapas) {
    std::string bytes;
    if (!LeerFichero(carpeta / m.fichero, bytes)) continue;
    ImagenBmp im;
    std::string error;
    if (!LeerBmp(bytes, im, error)) {
      problemas.push_back({m.fichero, 0, error});
      continue;
    }
    if (im.ancho != kColumnas || im.alto != m.filas) continue;
    ComprobarMapa(puntos, im, m, problemas);
  }
}

}  // namespace sendaro::datos
