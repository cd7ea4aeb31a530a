#include "sections/middle_grade/lugares_gm.h"

#include <algorithm>

#include "data/impresion/lineas_enteras.h"
#include "data/provincias.h"
#include "data/texto.h"

namespace sendaro {

namespace {

constexpr int kPrimeraProvincia = 20;
// Where a printed row's phone starts: after the 44 characters the grid shows.
constexpr int kColumnaTelefono = 45;
constexpr std::array<std::string_view, 8> kProvinciasAnchas{"1J", "2H", "2G", "3G",
                                                            "3E", "41", "45", "4A"};

// Joins texts by appending (GCC 12 warns wrongly about operator+ with a
// literal on the left).
std::string Unir(std::initializer_list<std::string_view> partes) {
  std::string r;
  for (const std::string_view p : partes) r.append(p);
  return r;
}

const std::string& Vacia() {
  static const std::string vacia;
  return vacia;
}

std::string Numero2(std::string_view linea) { return std::string(Columnas(linea, 1, 2)); }

// Columns 2-45 of a centre line, and its phone (columns 46-54).
std::string NombreCentro(std::string_view linea) { return std::string(Columnas(linea, 2, 44)); }
std::string Telefono(std::string_view linea) { return std::string(Columnas(linea, 46, 9)); }

}  // namespace

CentrosGM::CentrosGM(const std::array<TablaCentros, 4>& centros) {
  for (std::size_t g = 0; g < 4; ++g) {
    const TablaCentros& t = centros[g];
    for (int i = 1; i <= t.Cuenta(); ++i) {
      lineas_[g].push_back(t.lineas[i]);
      codigos_[g].push_back(t.regiones[static_cast<std::size_t>(i)]);
    }
  }
}

int CentrosGM::Cuenta(int grupo) const {
  if (grupo < 1 || grupo > 4) return 0;
  return static_cast<int>(lineas_[static_cast<std::size_t>(grupo - 1)].size());
}

const std::string& CentrosGM::Linea(int grupo, int centro) const {
  if (centro < 1 || centro > Cuenta(grupo)) return Vacia();
  return lineas_[static_cast<std::size_t>(grupo - 1)][static_cast<std::size_t>(centro - 1)];
}

const std::string& CentrosGM::Codigo(int grupo, int centro) const {
  if (centro < 1 || centro > Cuenta(grupo)) return Vacia();
  return codigos_[static_cast<std::size_t>(grupo - 1)][static_cast<std::size_t>(centro - 1)];
}

std::string_view EntradaProvincia(int e) {
  if (e < 1 || e > static_cast<int>(TablaProvincias.size())) return {};
  return TablaProvincias[static_cast<std::size_t>(e - 1)];
}

int GrupoDeEntrada(std::string_view entrada) {
  if (entrada.size() < 2 || entrada[0] < '1' || entrada[0] > '4') return 0;
  return entrada[0] - '0';
}

bool ProvinciaAnchaGM(std::string_view entrada) {
  return std::find(kProvinciasAnchas.begin(), kProvinciasAnchas.end(), entrada) !=
         kProvinciasAnchas.end();
}

ComunidadGM ProvinciasComunidadGM(const TablaLinea& comunidades, int c) {
  ComunidadGM com;
  if (c < 1 || c > kComunidades) return com;
  com.codigo = c;
  const std::string& linea = comunidades[c];
  com.base = NumeroDecimal(Columnas(linea, 1, 2)).value_or(0);
  for (int l = kPrimeraProvincia; l <= comunidades.Cuenta(); ++l) {
    const std::string& p = comunidades[l];
    if (NumeroDecimal(Numero2(p)).value_or(0) != c) continue;
    com.provincias.push_back({std::string(Columnas(p, 3, 35)), std::string(Columnas(p, 3, 51))});
  }
  if (com.provincias.empty())
    com.provincias.push_back(
        {std::string(Columnas(linea, 3, 35)), std::string(Columnas(linea, 3, 51))});
  return com;
}

std::vector<FilaCentro> CentrosDelTituloGM(const FuentesLugares& f, const ComunidadGM& comunidad,
                                           int titulo) {
  std::vector<FilaCentro> filas;
  const int grupo = GrupoDeEntrada(EntradaProvincia(comunidad.base));
  if (grupo == 0) return filas;
  const int p = static_cast<int>(comunidad.provincias.size());
  const int n = f.lugares.NumCentros(grupo, titulo);
  for (int j = 1; j <= p; ++j) {
    const std::string_view entrada = EntradaProvincia(comunidad.base + j - 1);
    if (entrada.size() < 2) continue;
    const char letra = entrada[1];
    const std::size_t inicio = filas.size();
    if (p > 1) {
      filas.push_back(
          {Unir({"- ", comunidad.provincias[static_cast<std::size_t>(j - 1)].nombre, "       "}),
           {},
           0});
    }
    const std::size_t cabecera = filas.size();
    for (int k = 1; k <= n; ++k) {
      const int centro = f.lugares.Centro(grupo, titulo, k);
      const std::string& l = f.centros.Linea(grupo, centro);
      if (l.empty() || l[0] != letra) continue;
      filas.push_back({NombreCentro(l), Telefono(l), 0});
    }
    if (filas.size() == cabecera) {
      filas.resize(inicio);
    } else {
      filas.push_back({std::string(60, ' '), {}, 0});
    }
  }
  return filas;
}

std::vector<int> CentrosCandidatosGM(const FuentesLugares& f, const BusquedaLugar& b) {
  std::vector<int> candidatos;
  const int n = f.centros.Cuenta(b.grupo);
  if (b.vista != BusquedaLugar::Vista::kProvincia) {
    if (b.codigo.empty()) return candidatos;
    for (int c = 1; c <= n; ++c) {
      if (f.centros.Codigo(b.grupo, c) == b.codigo) candidatos.push_back(c);
    }
    return candidatos;
  }
  // A centre counts when it teaches at least one title of "FP2".
  std::vector<bool> ensena(static_cast<std::size_t>(n + 1), false);
  const int titulos = std::min(f.titulos.Cuenta(), TablaLugaresGM::kTitulos);
  for (int t = 1; t <= titulos; ++t) {
    for (int k = 1; k <= f.lugares.NumCentros(b.grupo, t); ++k) {
      const int c = f.lugares.Centro(b.grupo, t, k);
      if (c >= 1 && c <= n) ensena[static_cast<std::size_t>(c)] = true;
    }
  }
  for (int c = 1; c <= n; ++c) {
    const std::string& l = f.centros.Linea(b.grupo, c);
    if (!l.empty() && l[0] == b.provincia && ensena[static_cast<std::size_t>(c)])
      candidatos.push_back(c);
  }
  return candidatos;
}

LocalidadesGM LocalidadesDe(const FuentesLugares& f, int grupo, const std::vector<int>& candidatos,
                            bool ancha) {
  LocalidadesGM l;
  const int ancho = ancha ? 35 : 17;
  std::string anterior;
  for (std::size_t i = 0; i < candidatos.size(); ++i) {
    std::string clave(Columnas(f.centros.Linea(grupo, candidatos[i]), 2, ancho));
    if (i == 0 || clave != anterior) {
      l.nombres.push_back(RecortarDerecha(clave));
      l.primeros.push_back(static_cast<int>(i));
    }
    anterior = std::move(clave);
  }
  return l;
}

ListadoLugar CentrosDelLugarGM(const FuentesLugares& f, int grupo,
                               const std::vector<int>& candidatos, int desdeCandidato) {
  ListadoLugar listado;
  // The titles of each centre in title order; a title that lists the centre
  // twice is there twice.
  const int n = f.centros.Cuenta(grupo);
  std::vector<std::vector<int>> titulosDe(static_cast<std::size_t>(n + 1));
  const int titulos = std::min(f.titulos.Cuenta(), TablaLugaresGM::kTitulos);
  for (int t = 1; t <= titulos; ++t) {
    for (int k = 1; k <= f.lugares.NumCentros(grupo, t); ++k) {
      const int c = f.lugares.Centro(grupo, t, k);
      if (c >= 1 && c <= n) titulosDe[static_cast<std::size_t>(c)].push_back(t);
    }
  }
  for (std::size_t i = 0; i < candidatos.size(); ++i) {
    const int c = candidatos[i];
    if (c < 1 || c > n) continue;
    if (static_cast<int>(i) == desdeCandidato)
      listado.primeraFila = static_cast<int>(listado.filas.size());
    const std::string& l = f.centros.Linea(grupo, c);
    const auto& suyos = titulosDe[static_cast<std::size_t>(c)];
    if (suyos.empty()) continue;
    listado.filas.push_back({Unir({"-", NombreCentro(l)}), Telefono(l), 0});
    for (const int t : suyos) listado.filas.push_back({f.titulos[t], {}, t});
    listado.filas.push_back({std::string(60, ' '), {}, 0});
  }
  return listado;
}

std::string TextoRejilla(const FilaCentro& fila) { return std::string(Cortar(fila.texto, 44)); }

std::vector<std::string> LineasConTelefono(const FilaCentro& fila) {
  return LineasConCampo(fila.texto, fila.telefono, kColumnaTelefono);
}

}  // namespace sendaro
