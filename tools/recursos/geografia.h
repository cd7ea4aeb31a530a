// Geometry of the three map pictures, read from the sources in
// instalacion/mapas: the communities' outlines (in the units of the drawing
// they come from), neighbouring land, the comarca capitals of Catalonia and
// the places of Madrid's zones. From it come the region grids of "mapa",
// "mapac" and "mapam": one code per pixel, the same grid for the picture and
// for "puntos3", so the code under every pixel is the region drawn there.
// Plain C++ (no Qt).
#pragma once

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "mapas.h"

namespace sendaro::recursos {

using Anillo = std::vector<Punto>;

inline constexpr double kPi = 3.14159265358979323846;

// Longitude and latitude (degrees) to the source drawing's units: Mercator,
// fitted to the drawing.
struct Proyeccion {
  double kx = 1, cx = 0, ky = 1, cy = 0;
  Punto operator()(double lon, double lat) const {
    const double merc = std::log(std::tan(kPi / 4 + lat * kPi / 360)) * 180 / kPi;
    return {kx * lon + cx, cy - ky * merc};
  }
};

struct RegionGeo {
  int codigo = 0;
  std::string nombre;
  std::vector<Anillo> anillos;
};

struct MarcaGeo {
  int codigo = 0;
  double lon = 0, lat = 0;
  std::string nombre;
};

struct TierraGeo {
  std::string nombre;
  Anillo lonlat;  // x longitude, y latitude
};

struct LugarGeo {
  int numero = 0;
  double lat = 0, lon = 0;
  std::string nombre;
};

struct CiudadGeo {
  double lat = 0, lon = 0, radio_km = 0, aumento = 0;
};

struct Geografia {
  Proyeccion proyeccion;
  std::vector<RegionGeo> comunidades;
  std::vector<MarcaGeo> marcas;
  std::vector<TierraGeo> vecinos;
  std::vector<LugarGeo> comarcas;
  std::vector<LugarGeo> zonas;
  CiudadGeo ciudad;

  const RegionGeo* Comunidad(int codigo) const {
    for (const auto& r : comunidades)
      if (r.codigo == codigo) return &r;
    return nullptr;
  }
};

namespace detalle {

inline std::vector<std::string_view> Palabras(std::string_view linea) {
  std::vector<std::string_view> r;
  std::size_t i = 0;
  while (i < linea.size()) {
    while (i < linea.size() && (linea[i] == ' ' || linea[i] == '\t')) ++i;
    const std::size_t inicio = i;
    while (i < linea.size() && linea[i] != ' ' && linea[i] != '\t') ++i;
    if (i > inicio) r.push_back(linea.substr(inicio, i - inicio));
  }
  return r;
}

inline bool Numero(std::string_view s, double& v) {
  const auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  return ec == std::errc() && fin == s.data() + s.size();
}

inline bool Entero(std::string_view s, int& v) {
  const auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  return ec == std::errc() && fin == s.data() + s.size();
}

// The rest of the line after the first n words.
inline std::string Resto(std::string_view linea, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t k = 0; k < n; ++k) {
    while (i < linea.size() && (linea[i] == ' ' || linea[i] == '\t')) ++i;
    while (i < linea.size() && linea[i] != ' ' && linea[i] != '\t') ++i;
  }
  while (i < linea.size() && (linea[i] == ' ' || linea[i] == '\t')) ++i;
  std::string r(linea.substr(i));
  while (!r.empty() && (r.back() == ' ' || r.back() == '\r')) r.pop_back();
  return r;
}

// Calls `linea(number, text)` for each line that is not empty nor a comment.
template <typename F>
bool CadaLinea(std::string_view texto, F linea) {
  int n = 0;
  std::size_t i = 0;
  while (i <= texto.size()) {
    std::size_t fin = texto.find('\n', i);
    if (fin == std::string_view::npos) fin = texto.size();
    std::string_view l = texto.substr(i, fin - i);
    ++n;
    if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
    const auto p = Palabras(l);
    if (!p.empty() && p[0][0] != '#' && !linea(n, l, p)) return false;
    i = fin + 1;
  }
  return true;
}

inline bool Fallo(std::string& error, const char* fichero, int n, const std::string& que) {
  error = std::string(fichero) + ":" + std::to_string(n) + ": " + que;
  return false;
}

}  // namespace detalle

// Reads the four sources; false with "fichero:línea: qué" on the first fault.
inline bool LeerGeografia(std::string_view comunidades, std::string_view vecinos,
                          std::string_view comarcas, std::string_view zonas, Geografia& g,
                          std::string& error) {
  using namespace detalle;
  g = Geografia{};
  bool con_proyeccion = false;
  if (!CadaLinea(comunidades, [&](int n, std::string_view l, const std::vector<std::string_view>& p) {
        const char* f = "comunidades.txt";
        if (p[0] == "proyeccion") {
          if (p.size() != 5 || !Numero(p[1], g.proyeccion.kx) || !Numero(p[2], g.proyeccion.cx) ||
              !Numero(p[3], g.proyeccion.ky) || !Numero(p[4], g.proyeccion.cy))
            return Fallo(error, f, n, "proyección mal escrita");
          con_proyeccion = true;
        } else if (p[0] == "region") {
          RegionGeo r;
          if (p.size() < 3 || !Entero(p[1], r.codigo) || r.codigo < 1 || r.codigo > 255)
            return Fallo(error, f, n, "región mal escrita");
          r.nombre = Resto(l, 2);
          g.comunidades.push_back(r);
        } else if (p[0] == "anillo") {
          if (g.comunidades.empty()) return Fallo(error, f, n, "anillo fuera de una región");
          g.comunidades.back().anillos.emplace_back();
        } else if (p[0] == "marca") {
          MarcaGeo m;
          if (p.size() < 5 || !Entero(p[1], m.codigo) || !Numero(p[2], m.lon) || !Numero(p[3], m.lat))
            return Fallo(error, f, n, "marca mal escrita");
          m.nombre = Resto(l, 4);
          g.marcas.push_back(m);
        } else {
          if (g.comunidades.empty() || g.comunidades.back().anillos.empty() || p.size() % 2 != 0)
            return Fallo(error, f, n, "coordenadas fuera de un anillo");
          for (std::size_t i = 0; i < p.size(); i += 2) {
            Punto q{};
            if (!Numero(p[i], q.x) || !Numero(p[i + 1], q.y)) return Fallo(error, f, n, "coordenada mal escrita");
            g.comunidades.back().anillos.back().push_back(q);
          }
        }
        return true;
      }))
    return false;
  if (!con_proyeccion) return Fallo(error, "comunidades.txt", 0, "falta la proyección");
  if (!CadaLinea(vecinos, [&](int n, std::string_view l, const std::vector<std::string_view>& p) {
        if (p[0] == "tierra") {
          g.vecinos.push_back({Resto(l, 1), {}});
          return true;
        }
        if (g.vecinos.empty() || p.size() % 2 != 0) return Fallo(error, "vecinos.txt", n, "coordenadas fuera de una tierra");
        for (std::size_t i = 0; i < p.size(); i += 2) {
          Punto q{};
          if (!Numero(p[i], q.x) || !Numero(p[i + 1], q.y)) return Fallo(error, "vecinos.txt", n, "coordenada mal escrita");
          g.vecinos.back().lonlat.push_back(q);
        }
        return true;
      }))
    return false;
  auto lugares = [&](std::string_view texto, const char* f, std::vector<LugarGeo>& destino) {
    return CadaLinea(texto, [&](int n, std::string_view l, const std::vector<std::string_view>& p) {
      if (p[0] == "ciudad") {
        if (p.size() != 5 || !Numero(p[1], g.ciudad.lat) || !Numero(p[2], g.ciudad.lon) ||
            !Numero(p[3], g.ciudad.radio_km) || !Numero(p[4], g.ciudad.aumento))
          return Fallo(error, f, n, "ciudad mal escrita");
        return true;
      }
      LugarGeo lugar;
      if (p.size() < 4 || !Entero(p[0], lugar.numero) || !Numero(p[1], lugar.lat) || !Numero(p[2], lugar.lon))
        return Fallo(error, f, n, "lugar mal escrito");
      lugar.nombre = Resto(l, 3);
      destino.push_back(lugar);
      return true;
    });
  };
  return lugares(comarcas, "comarcas_cataluna.txt", g.comarcas) && lugares(zonas, "zonas_madrid.txt", g.zonas);
}

// Fills with `codigo` the pixels whose centre lies inside the rings (even-odd
// over all of them, so a ring inside another is a hole).
inline void RellenarAnillos(Rejilla& r, const std::vector<Anillo>& anillos, std::uint8_t codigo) {
  std::vector<double> cortes;
  for (int y = 0; y < r.alto; ++y) {
    const double cy = y + 0.5;
    cortes.clear();
    for (const auto& a : anillos) {
      for (std::size_t i = 0, j = a.size() - 1; i < a.size(); j = i++) {
        const Punto& p = a[i];
        const Punto& q = a[j];
        if ((p.y > cy) != (q.y > cy)) cortes.push_back(p.x + (cy - p.y) * (q.x - p.x) / (q.y - p.y));
      }
    }
    std::sort(cortes.begin(), cortes.end());
    for (std::size_t k = 0; k + 1 < cortes.size(); k += 2) {
      const int desde = static_cast<int>(std::ceil(cortes[k] - 0.5));
      const int hasta = static_cast<int>(std::floor(cortes[k + 1] - 0.5));
      for (int x = std::max(desde, 0); x <= std::min(hasta, r.ancho - 1); ++x) r.Poner(x, y, codigo);
    }
  }
}

// Slivers between neighbouring outlines: an empty pixel with at least three
// filled neighbours takes the most common of their codes.
inline void CerrarRendijas(Rejilla& r) {
  for (int pasada = 0; pasada < 2; ++pasada) {
    Rejilla antes = r;
    for (int y = 1; y + 1 < r.alto; ++y) {
      for (int x = 1; x + 1 < r.ancho; ++x) {
        if (antes.En(x, y) != 0) continue;
        const std::uint8_t v[4] = {antes.En(x - 1, y), antes.En(x + 1, y), antes.En(x, y - 1), antes.En(x, y + 1)};
        int llenos = 0;
        std::uint8_t mejor = 0;
        int veces_mejor = 0;
        for (auto c : v) {
          if (c == 0) continue;
          ++llenos;
          const auto veces = static_cast<int>(std::count(std::begin(v), std::end(v), c));
          if (veces > veces_mejor) {
            veces_mejor = veces;
            mejor = c;
          }
        }
        if (llenos >= 3) r.Poner(x, y, mejor);
      }
    }
  }
}

// Scale and offset from source units to picture pixels.
struct Encuadre {
  double escala = 1, dx = 0, dy = 0;
  Punto operator()(Punto p) const { return {dx + p.x * escala, dy + p.y * escala}; }
  Anillo operator()(const Anillo& a) const {
    Anillo r;
    r.reserve(a.size());
    for (const auto& p : a) r.push_back((*this)(p));
    return r;
  }
  std::vector<Anillo> operator()(const std::vector<Anillo>& v) const {
    std::vector<Anillo> r;
    for (const auto& a : v) r.push_back((*this)(a));
    return r;
  }
};

// Bounding box of rings.
struct Caja {
  double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
  void Anadir(const std::vector<Anillo>& v) {
    for (const auto& a : v)
      for (const auto& p : a) {
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
      }
  }
};

// Encuadre that fits `caja` into the pixel rectangle, centred.
inline Encuadre Ajustar(const Caja& caja, double x0, double y0, double x1, double y1) {
  const double e = std::min((x1 - x0) / (caja.x1 - caja.x0), (y1 - y0) / (caja.y1 - caja.y0));
  return {e, (x0 + x1) / 2 - (caja.x0 + caja.x1) / 2 * e, (y0 + y1) / 2 - (caja.y0 + caja.y1) / 2 * e};
}

// What a picture needs besides its grid, in pixels.
struct MapaGeo {
  Rejilla rejilla;
  std::vector<Anillo> tierra;     // neighbouring land, drawn under the regions
  std::vector<Anillo> lindes;     // outlines of neighbouring regions, drawn as thin lines
  std::vector<Anillo> recuadros;  // inset frames
  std::map<int, std::string> nombres;
  int maximo = 0;                 // codes are 1..maximo
};

// Picture layout. The communities map keeps rows 1..24 free of regions: in
// "puntos3" the zone map's rows 197..220 are those same integers of the next
// column, so the zone map keeps its rows from 197 on free too.
inline constexpr int kPrimeraFilaComunidades = 25;
inline constexpr int kUltimaFilaZonas = 196;

// Communities, with the Canary Islands in an inset at the lower left and
// Ceuta and Melilla as small round marks in their places.
inline MapaGeo GeoComunidades(const Geografia& g) {
  MapaGeo m;
  m.rejilla = Rejilla(kAnchoMapa, kAltoComunidades);
  m.maximo = 19;
  // The mainland, the Balearic Islands and the two cities fill rows
  // 25..195 and reach the right edge.
  const double escala = 0.549;
  const Encuadre e{escala, 277 - 612.2 * escala, kPrimeraFilaComunidades + 0.5};
  // The inset keeps its place from the source drawing (x 0..130, y 488..544).
  const double escala_recuadro = 0.62;
  const Encuadre recuadro{escala_recuadro, 5, 192 - 543.5 * escala_recuadro};
  for (const auto& t : g.vecinos) {
    Anillo a;
    for (const auto& p : t.lonlat) a.push_back(g.proyeccion(p.x, p.y));
    m.tierra.push_back(e(a));
  }
  {
    Caja c;
    if (const auto* canarias = g.Comunidad(5)) c.Anadir(canarias->anillos);
    const Punto a = recuadro({c.x0, c.y0});
    const Punto b = recuadro({c.x1, c.y1});
    m.recuadros.push_back({{a.x - 3, a.y - 3}, {b.x + 3, a.y - 3}, {b.x + 3, b.y + 2}, {a.x - 3, b.y + 2}});
  }
  for (const auto& r : g.comunidades) {
    m.nombres[r.codigo] = r.nombre;
    RellenarAnillos(m.rejilla, r.codigo == 5 ? recuadro(r.anillos) : e(r.anillos), static_cast<std::uint8_t>(r.codigo));
  }
  CerrarRendijas(m.rejilla);
  for (const auto& mc : g.marcas) {
    m.nombres[mc.codigo] = mc.nombre;
    const Punto c = e(g.proyeccion(mc.lon, mc.lat));
    for (int y = static_cast<int>(c.y) - 4; y <= static_cast<int>(c.y) + 4; ++y)
      for (int x = static_cast<int>(c.x) - 4; x <= static_cast<int>(c.x) + 4; ++x)
        if ((x + 0.5 - c.x) * (x + 0.5 - c.x) + (y + 0.5 - c.y) * (y + 0.5 - c.y) <= 3.2 * 3.2)
          m.rejilla.Poner(x, y, static_cast<std::uint8_t>(mc.codigo));
  }
  return m;
}

// Every pixel inside `contorno` goes to the nearest centre point.
inline void RepartirEntre(Rejilla& r, const std::vector<Anillo>& contorno, const std::vector<Semilla>& semillas) {
  Rejilla dentro(r.ancho, r.alto);
  RellenarAnillos(dentro, contorno, 1);
  for (int y = 0; y < r.alto; ++y) {
    for (int x = 0; x < r.ancho; ++x) {
      if (dentro.En(x, y) == 0) continue;
      double mejor = 1e300;
      std::uint8_t codigo = 0;
      for (const auto& s : semillas) {
        const double d = (s.p.x - x - 0.5) * (s.p.x - x - 0.5) + (s.p.y - y - 0.5) * (s.p.y - y - 0.5);
        if (d < mejor) {
          mejor = d;
          codigo = s.codigo;
        }
      }
      r.Poner(x, y, codigo);
    }
  }
}

// Catalonia's comarcas: the community's outline shared out among the comarca
// capitals; Aragón, Valencia, France and Andorra around it.
inline MapaGeo GeoComarcas(const Geografia& g) {
  MapaGeo m;
  m.rejilla = Rejilla(kAnchoMapa, kAltoDetalle);
  m.maximo = 41;
  const RegionGeo* cat = g.Comunidad(9);
  if (cat == nullptr) return m;
  Caja caja;
  caja.Anadir(cat->anillos);
  const Encuadre e = Ajustar(caja, 30, 3, 262, 217);
  for (const auto& t : g.vecinos) {
    Anillo a;
    for (const auto& p : t.lonlat) a.push_back(g.proyeccion(p.x, p.y));
    m.tierra.push_back(e(a));
  }
  for (const auto& r : g.comunidades) {
    if (r.codigo == 9) continue;
    for (const auto& a : e(r.anillos)) {
      m.tierra.push_back(a);
      m.lindes.push_back(a);
    }
  }
  std::vector<Semilla> semillas;
  for (const auto& c : g.comarcas) {
    semillas.push_back({static_cast<std::uint8_t>(c.numero), e(g.proyeccion(c.lon, c.lat))});
    m.nombres[c.numero] = c.nombre;
  }
  RepartirEntre(m.rejilla, e(cat->anillos), semillas);
  return m;
}

// Madrid's zones. The city is enlarged around its centre (a fisheye: `aumento`
// times larger at the centre, fading within a few `radio_km`), so that its
// districts can be pointed at; the community's outline and the zone centres
// go through the same distortion before the community is shared out among
// the zones.
inline MapaGeo GeoZonas(const Geografia& g) {
  MapaGeo m;
  m.rejilla = Rejilla(kAnchoMapa, kAltoDetalle);
  m.maximo = 28;
  const RegionGeo* mad = g.Comunidad(13);
  if (mad == nullptr) return m;
  const Punto centro = g.proyeccion(g.ciudad.lon, g.ciudad.lat);
  const double km_por_unidad = 111.32 * std::cos(g.ciudad.lat * kPi / 180) / g.proyeccion.kx;
  const double radio = g.ciudad.radio_km / km_por_unidad;
  const double aumento = g.ciudad.aumento;
  auto lupa = [&](Punto p) {
    const double dx = p.x - centro.x;
    const double dy = p.y - centro.y;
    const double d = std::hypot(dx, dy);
    if (d < 1e-9) return centro;
    const double nuevo = d + (aumento - 1) * radio * (1 - std::exp(-d / radio));
    return Punto{centro.x + dx * nuevo / d, centro.y + dy * nuevo / d};
  };
  auto lupa_anillos = [&](const std::vector<Anillo>& v) {
    std::vector<Anillo> r;
    for (const auto& a : v) {
      Anillo b;
      for (const auto& p : a) b.push_back(lupa(p));
      r.push_back(b);
    }
    return r;
  };
  const auto contorno = lupa_anillos(mad->anillos);
  Caja caja;
  caja.Anadir(contorno);
  const Encuadre e = Ajustar(caja, 4, 4, 277, kUltimaFilaZonas - 3);
  for (const auto& r : g.comunidades) {
    if (r.codigo == 13) continue;
    for (const auto& a : e(lupa_anillos(r.anillos))) m.lindes.push_back(a);
  }
  std::map<int, Punto> suma;
  std::map<int, int> cuenta;
  for (const auto& z : g.zonas) {
    const Punto p = g.proyeccion(z.lon, z.lat);
    suma[z.numero].x += p.x;
    suma[z.numero].y += p.y;
    ++cuenta[z.numero];
    auto& nombre = m.nombres[z.numero];
    nombre += nombre.empty() ? z.nombre : " - " + z.nombre;
  }
  std::vector<Semilla> semillas;
  for (const auto& [numero, s] : suma) {
    const Punto media{s.x / cuenta[numero], s.y / cuenta[numero]};
    semillas.push_back({static_cast<std::uint8_t>(numero), e(lupa(media))});
  }
  RepartirEntre(m.rejilla, e(contorno), semillas);
  return m;
}

}  // namespace sendaro::recursos
