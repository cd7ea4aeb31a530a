#include "sections/degrees/centros_fp.h"

#include <algorithm>

#include "data/impresion/lineas_enteras.h"
#include "data/mapas.h"
#include "data/provincias.h"
#include "data/texto.h"
#include "sections/degrees/titulos_fp.h"

namespace sendaro {

namespace {

constexpr int kColumnaRamas = 4;
constexpr int kPrimeraRama = 8;   // "REQFP" lines 8..11: branch items 1..4
constexpr int kCualquierRama = 12;
constexpr int kRamaCondicionada = 31;  // accepted by branch item 3 only
constexpr int kLineasComunidad = 19;
constexpr int kAnchoCentro = 44;  // columns 2..45
constexpr int kAnchoTituloReja = 60;

// Joins the pieces (GCC 12 warns wrongly on a literal + std::string).
std::string Unir(std::initializer_list<std::string_view> partes) {
  std::string s;
  for (const std::string_view p : partes) s.append(p);
  return s;
}

std::size_t I(int n) { return static_cast<std::size_t>(n); }

std::string Recortada(const TablaLinea& t, int n) {
  return n >= 0 && n <= t.Cuenta() ? RecortarDerecha(t[n]) : std::string();
}

std::string Ajustar(std::string_view texto, int ancho) {
  std::string s(Cortar(texto, ancho));
  s.resize(I(ancho), ' ');
  return s;
}

// Columns 2..45 of a centre line, blank-filled.
std::string NombreCentro(std::string_view linea) {
  return Ajustar(Columnas(linea, 2, kAnchoCentro), kAnchoCentro);
}

}  // namespace

std::array<std::string, kRamasFP> TextosRamas(const TablaLinea& r) {
  std::array<std::string, kRamasFP> textos;
  auto desdeColumna = [&](int n) {
    return RecortarDerecha(Columnas(n <= r.Cuenta() ? std::string_view(r[n]) : "", kColumnaRamas,
                                    TablaLinea::kLimiteNormal));
  };
  textos[0] = desdeColumna(kCualquierRama);
  for (int b = 1; b < kRamasFP; ++b) textos[I(b)] = desdeColumna(kPrimeraRama + b - 1);
  return textos;
}

bool TituloPermitido(const std::vector<int>& requisitos, int rama) {
  if (rama <= 0 || rama >= kRamasFP) return true;
  const auto tiene = [&](int c) {
    return std::find(requisitos.begin(), requisitos.end(), c) != requisitos.end();
  };
  return tiene(kPrimeraRama + rama - 1) || tiene(kCualquierRama) ||
         (rama == 3 && tiene(kRamaCondicionada));
}

void IndiceCentrosFP::Construir(const TablaLinea& titulosFP,
                                const std::array<TablaCentros, 4>& centros,
                                const DatosCarreras& datos) {
  const int n = std::min(titulosFP.Cuenta(), DatosCarreras::kMaxTitulos);
  ramas.assign(I(n + 1), 0);
  for (int g = 1; g <= 4; ++g) {
    auto& lista = titulos[I(g - 1)];
    const int numCentros = centros[I(g - 1)].Cuenta();
    lista.assign(I(numCentros + 1), {});
    for (int t = 1; t <= n; ++t) {
      for (const int c : datos.Centros(g, t)) {
        if (c < 1 || c > numCentros) continue;
        auto& suyos = lista[I(c)];
        if (suyos.empty() || suyos.back() != t) suyos.push_back(t);
      }
    }
  }
  for (int t = 1; t <= n; ++t) {
    const std::vector<int> requisitos = datos.RequisitosTitulo(t);
    for (int b = 0; b < kRamasFP; ++b) {
      if (TituloPermitido(requisitos, b)) ramas[I(t)] |= static_cast<std::uint8_t>(1u << b);
    }
  }
}

const std::vector<int>& IndiceCentrosFP::TitulosDe(int grupo, int centro) const {
  static const std::vector<int> kNinguno;
  if (grupo < 1 || grupo > 4) return kNinguno;
  const auto& lista = titulos[I(grupo - 1)];
  return centro >= 1 && centro < static_cast<int>(lista.size()) ? lista[I(centro)] : kNinguno;
}

bool IndiceCentrosFP::Permitido(int titulo, int rama) const {
  if (titulo < 1 || titulo >= static_cast<int>(ramas.size())) return false;
  if (rama < 0 || rama >= kRamasFP) rama = 0;
  return ((ramas[I(titulo)] >> rama) & 1) != 0;
}

std::vector<ProvinciaFP> ProvinciasDeComunidad(const TablaLinea& comunidades, int comunidad) {
  std::vector<ProvinciaFP> provincias;
  if (comunidad < 1 || comunidad > kLineasComunidad || comunidad > comunidades.Cuenta())
    return provincias;
  const int primera = NumeroDecimal(Columnas(comunidades[comunidad], 1, 2)).value_or(0);
  std::vector<std::string> nombres;
  for (int l = kLineasComunidad + 1; l <= comunidades.Cuenta(); ++l) {
    const std::string_view linea = comunidades[l];
    if (NumeroDecimal(Columnas(linea, 1, 2)) == comunidad)
      nombres.push_back(RecortarDerecha(Columnas(linea, 3, 55)));
  }
  if (nombres.empty()) nombres.push_back(NombreComunidad(comunidades, comunidad));
  for (std::size_t c = 0; c < nombres.size(); ++c) {
    const int entrada = primera + static_cast<int>(c);
    if (entrada < 1 || entrada > static_cast<int>(TablaProvincias.size())) continue;
    const std::string_view codigo = TablaProvincias[I(entrada - 1)];
    provincias.push_back({nombres[c], codigo[0] - '0', codigo[1]});
  }
  return provincias;
}

bool ProvinciaAncha(int grupo, char codigo) {
  static constexpr std::string_view kAnchas[] = {"1J", "2H", "2G", "3G", "3E", "41", "45", "4A"};
  const char clave[] = {static_cast<char>('0' + grupo), codigo};
  const std::string_view buscada(clave, 2);
  return std::find(std::begin(kAnchas), std::end(kAnchas), buscada) != std::end(kAnchas);
}

std::string PuebloDeCentro(std::string_view linea, int grupo) {
  const bool ancha = !linea.empty() && ProvinciaAncha(grupo, linea[0]);
  return RecortarDerecha(Columnas(linea, 2, ancha ? 35 : 17));
}

std::string TelefonoDeCentro(std::string_view linea) {
  return RecortarDerecha(Columnas(linea, 46, 9));
}

std::vector<int> CentrosDelLugar(const std::array<TablaCentros, 4>& centros,
                                 const IndiceCentrosFP& indice, const LugarFP& lugar) {
  std::vector<int> lista;
  const int grupo = GrupoDeLugar(lugar);
  if (grupo < 1 || grupo > 4) return lista;
  const TablaCentros& tabla = centros[I(grupo - 1)];
  for (int c = 1; c <= tabla.Cuenta(); ++c) {
    const std::string_view linea = tabla.lineas[c];
    const bool delLugar = lugar.modo == ModoLugarFP::kProvincia
                              ? !linea.empty() && linea[0] == lugar.provincia
                              : !lugar.region.empty() && tabla.regiones[I(c)] == lugar.region;
    if (delLugar && !indice.TitulosDe(grupo, c).empty()) lista.push_back(c);
  }
  return lista;
}

std::vector<PuebloFP> PueblosDeCentros(const TablaCentros& tabla, const std::vector<int>& centros,
                                       int grupo) {
  std::vector<PuebloFP> pueblos;
  for (const int c : centros) {
    std::string nombre = PuebloDeCentro(tabla.lineas[c], grupo);
    if (!pueblos.empty() && pueblos.back().nombre == nombre) continue;
    pueblos.push_back({std::move(nombre), c});
  }
  return pueblos;
}

RejaFP RejaDelLugar(const FuentesFP& f, const IndiceCentrosFP& indice, const LugarFP& lugar,
                    const std::vector<int>& centros, int rama, const std::string& textoRama,
                    int pueblo) {
  RejaFP reja;
  const int grupo = GrupoDeLugar(lugar);
  if (grupo < 1 || grupo > 4) return reja;
  const TablaCentros& tabla = f.centros[I(grupo - 1)];
  auto& filas = reja.filas;
  filas.push_back({Recortada(f.requisitos, 1), {}, 0});
  filas.push_back({textoRama + "  ", {}, 0});
  filas.push_back({std::string(34, '_'), {}, 0});
  filas.push_back({});
  const std::string puebloElegido = pueblo > 0 ? PuebloDeCentro(tabla.lineas[pueblo], grupo) : "";
  bool alcanzado = false;
  bool colocado = lugar.modo != ModoLugarFP::kProvincia || pueblo <= 0;
  for (const int c : centros) {
    const std::string_view linea = tabla.lineas[c];
    alcanzado = alcanzado || c == pueblo;
    const std::size_t fila = filas.size();
    filas.push_back({Unir({"-", NombreCentro(linea)}), TelefonoDeCentro(linea), 0});
    for (const int t : indice.TitulosDe(grupo, c)) {
      if (indice.Permitido(t, rama)) filas.push_back({Ajustar(f.titulos[t], kAnchoTituloReja), {}, t});
    }
    if (filas.size() == fila + 1) {
      filas.pop_back();
      continue;
    }
    filas.push_back({std::string(kAnchoTituloReja, ' '), {}, 0});
    if (!colocado && alcanzado && PuebloDeCentro(linea, grupo) == puebloElegido) {
      reja.filaInicio = static_cast<int>(fila);
      colocado = true;
    }
  }
  return reja;
}

std::vector<std::string> ImpresionReja(const std::vector<FilaReja>& filas) {
  std::vector<std::string> lineas;
  lineas.reserve(filas.size());
  for (const FilaReja& fila : filas) {
    for (std::string& l : LineasConCampo(fila.texto, fila.telefono, kAnchoCentro + 1))
      lineas.push_back(std::move(l));
  }
  return lineas;
}

std::vector<FilaReja> CentrosDelTitulo(const FuentesFP& f, int titulo, int comunidad) {
  std::vector<FilaReja> filas;
  const std::vector<ProvinciaFP> provincias = ProvinciasDeComunidad(f.comunidades, comunidad);
  const bool varias = provincias.size() > 1;
  for (const ProvinciaFP& p : provincias) {
    if (p.grupo < 1 || p.grupo > 4) continue;
    const TablaCentros& tabla = f.centros[I(p.grupo - 1)];
    const std::size_t inicio = filas.size();
    if (varias) filas.push_back({Unir({"- ", p.nombre, "       "}), {}, 0});
    const std::size_t cabecera = filas.size();
    for (const int c : f.datos.Centros(p.grupo, titulo)) {
      if (c < 1 || c > tabla.Cuenta()) continue;
      const std::string_view linea = tabla.lineas[c];
      if (linea.empty() || linea[0] != p.codigo) continue;
      filas.push_back({NombreCentro(linea), TelefonoDeCentro(linea), 0});
    }
    if (filas.size() == cabecera) {
      filas.resize(inicio);
    } else {
      filas.push_back({});
    }
  }
  return filas;
}

std::vector<std::string> CentrosDelTituloImpresion(const std::vector<FilaReja>& filas,
                                                   std::string_view comunidadMayusculas) {
  std::vector<std::string> lineas;
  if (filas.empty()) return lineas;
  lineas.emplace_back();
  lineas.push_back(Unir({"***  ", comunidadMayusculas, "***"}));
  lineas.emplace_back();
  for (const std::string& l : ImpresionReja(filas)) lineas.push_back(l);
  return lineas;
}

}  // namespace sendaro
