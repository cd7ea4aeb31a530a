#include "sections/degrees/consulta.h"

#include <algorithm>

#include "data/impresion/lineas_enteras.h"
#include "data/texto.h"
#include "sections/degrees/lista_carreras.h"

namespace sendaro {

namespace {

constexpr int kTextoFalta = 661;
constexpr int kTextoFaltaComunidad = 662;
constexpr int kTextoFaltaRama = 663;
constexpr int kTextoSinResultados = 660;
constexpr int kTextoTituloInforme = 331;
constexpr int kTextoNota = 296;
constexpr int kTextoComunidad = 332;
constexpr int kAnchoNombreUniversidad = 35;

std::string Texto(const CatalogoTextos& c, int n) { return RecortarDerecha(c.Texto(n)); }

bool Admite(const std::vector<int>& requisitos, int rama) {
  if (requisitos.empty()) return false;
  if (rama == kTodasLasRamas) return true;
  const int codigo = rama + kCodigoPrimeraRama;
  return std::any_of(requisitos.begin(), requisitos.end(),
                     [codigo](int r) { return r == codigo || r == kCodigoCualquierRama; });
}

}  // namespace

int NotaDeCampos(std::string_view unidades, std::string_view decimas) {
  const std::string texto =
      std::string(unidades.empty() ? " " : unidades) + std::string(decimas.empty() ? " " : decimas);
  return NumeroDecimal(texto).value_or(50);
}

int ComunidadConsultada(int comunidad) {
  return comunidad == 18 || comunidad == 19 ? 1 : comunidad;
}

std::vector<int> UniversidadesComunidad(const TablaUniversidades& universidades, int comunidad) {
  std::vector<int> lista;
  for (int u = 1; u <= universidades.cuenta; ++u) {
    if (universidades.comunidades[static_cast<std::size_t>(u)] == comunidad) lista.push_back(u);
  }
  return lista;
}

ResultadoConsulta Consultar(const FuentesConsulta& f, const EntradaConsulta& e,
                            const CatalogoTextos& catalogo) {
  ResultadoConsulta r;
  const bool hayRama = e.rama != kSinRama;
  const bool hayUniversidades = !e.universidades.empty();
  if (!hayRama && !hayUniversidades) return r;
  if (!hayRama || !hayUniversidades) {
    r.estado = EstadoConsulta::kFalta;
    r.filas = {"", "",
               Texto(catalogo, kTextoFalta) +
                   Texto(catalogo, hayUniversidades ? kTextoFaltaRama : kTextoFaltaComunidad)};
    r.carreras.assign(r.filas.size(), 0);
    return r;
  }

  r.estado = EstadoConsulta::kLista;
  // Difficulty and requirements do not depend on the university: the degrees
  // that pass them are picked once, with their universities and cut-offs.
  struct Candidata {
    int carrera;
    std::vector<UniversidadNota> universidades;
  };
  std::vector<Candidata> candidatas;
  for (int d = 1; d <= f.datos.numCarreras; ++d) {
    // A degree without a level never passes.
    const int nivel = f.datos.Dificultad(d);
    if (nivel == 0 || nivel < e.dificultad) continue;
    if (!Admite(f.datos.Requisitos(d), e.rama)) continue;
    candidatas.push_back({d, f.datos.Universidades(d)});
  }
  for (const int u : e.universidades) {
    const std::size_t cabecera = r.filas.size();
    r.filas.push_back(std::string(kPrefijoCabecera) +
                      std::string(Cortar(f.universidades.nombres[u], kAnchoNombreUniversidad)));
    r.carreras.push_back(0);
    for (const Candidata& c : candidatas) {
      // The first entry of the university in the degree's list counts.
      const auto en = std::find_if(c.universidades.begin(), c.universidades.end(),
                                   [u](const UniversidadNota& x) { return x.universidad == u; });
      if (en == c.universidades.end()) continue;
      if (e.nota < en->nota || en->nota == registros::kSinNota) continue;
      r.filas.push_back(FilaConNota(f.carreras[c.carrera], en->nota));
      r.carreras.push_back(c.carrera);
    }
    // A university with nothing within reach leaves no header.
    if (r.filas.size() == cabecera + 1) {
      r.filas.pop_back();
      r.carreras.pop_back();
    }
  }
  return r;
}

std::vector<std::string> FilasEnPantalla(const ResultadoConsulta& r,
                                         const CatalogoTextos& catalogo) {
  if (r.estado == EstadoConsulta::kLista && r.filas.empty()) {
    return {"", "", Texto(catalogo, kTextoSinResultados)};
  }
  return r.filas;
}

std::vector<std::string> InformeConsulta(const CabeceraConsulta& c, const ResultadoConsulta& r,
                                         const CatalogoTextos& catalogo) {
  const std::string raya(49, '_');
  std::vector<std::string> lineas = {
      "  " + c.nombreCentro,
      "  ",
      raya,
      Texto(catalogo, kTextoTituloInforme),
      std::string("  ") + Texto(catalogo, kTextoNota) + ":  " + c.unidades + "," + c.decimas,
      "  " + c.rama,
      std::string("  ") + Texto(catalogo, kTextoComunidad) + " " + c.comunidad,
      "  " + c.dificultad + " " + c.dificultad2,
      raya,
  };
  if (r.estado == EstadoConsulta::kLista) {
    for (const std::string& fila : r.filas) {
      for (std::string& l : LineasEnteras(fila)) lineas.push_back(std::move(l));
    }
  }
  return lineas;
}

std::string ComunidadInforme(const TablaLinea& comunidades, int comunidad) {
  return std::string(Columnas(comunidades[comunidad], 3, 45));
}

}  // namespace sendaro
