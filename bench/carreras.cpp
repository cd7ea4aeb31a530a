// The degree lists rebuilt on every click, timed on the sample installation:
// ListaCarreras with every filter combination, sorted and in file order, the
// cut-off consultation of the community with most universities, every
// branch and difficulty, the qualities questionnaire's scoring and rankings,
// and the universities of a community with the degrees of each.
//
//   bench_carreras [--datos DIR] [Google Benchmark options]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/entorno.h"
#include "data/tablas_datos.h"
#include "sections/degrees/consulta.h"
#include "sections/degrees/cuestionario_cualidades.h"
#include "sections/degrees/lista_carreras.h"
#include "sections/degrees/universidades.h"

namespace sendaro {
namespace {

struct Muestra {
  CatalogoTextos catalogo;
  std::unique_ptr<TablasDatos> tablas = std::make_unique<TablasDatos>();
  int comunidad = 0;  // the one with most universities
  std::vector<int> universidades;
};

Muestra& Datos() {
  static Muestra m;
  return m;
}

bool Cargar(const std::filesystem::path& carpeta) {
  Muestra& m = Datos();
  Entorno entorno;
  entorno.instalacion = Instalacion(carpeta);
  if (!m.catalogo.Leer(entorno)) return false;
  CargarTablasCarreras(entorno, m.catalogo, *m.tablas);
  CargarDatosFijos(entorno, m.catalogo, *m.tablas);
  if (entorno.FalloGrave) return false;
  for (int c = 1; c <= 19; ++c) {
    auto lista = UniversidadesComunidad(m.tablas->universidades, c);
    if (lista.size() > m.universidades.size()) {
      m.comunidad = c;
      m.universidades = std::move(lista);
    }
  }
  return m.tablas->datosCarreras.numCarreras > 0;
}

// Arguments: branch item (-1 unused, 0..5), type item (-1 unused, 0..3), sorted.
void BM_ListaCarreras(benchmark::State& estado) {
  const Muestra& m = Datos();
  FiltrosCarreras f;
  f.ramaUsada = estado.range(0) >= 0;
  f.rama = f.ramaUsada ? static_cast<int>(estado.range(0)) : 0;
  f.tipoUsado = estado.range(1) >= 0;
  f.tipo = f.tipoUsado ? static_cast<int>(estado.range(1)) : 0;
  f.tipoRecienCambiado = f.tipoUsado;
  const bool ordenar = estado.range(2) != 0;
  std::size_t filas = 0;
  for (auto _ : estado) {
    const ListaFiltrada l =
        ListaCarreras(m.tablas->carreras, m.tablas->datosCarreras, ordenar, f, m.catalogo);
    filas = l.filas.size();
    benchmark::DoNotOptimize(l);
  }
  estado.counters["filas"] = static_cast<double>(filas);
}
BENCHMARK(BM_ListaCarreras)
    ->ArgsProduct({{-1, 0, 1, 2, 3, 4, 5}, {-1, 0, 1, 2, 3}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// Arguments: branch item 0..5, difficulty 1..7; mark 9,9 lets every cut-off in.
void BM_Consultar(benchmark::State& estado) {
  const Muestra& m = Datos();
  EntradaConsulta e;
  e.nota = 99;
  e.rama = static_cast<int>(estado.range(0));
  e.dificultad = static_cast<int>(estado.range(1));
  e.universidades = m.universidades;
  const FuentesConsulta fuentes{m.tablas->carreras, m.tablas->universidades,
                                m.tablas->datosCarreras};
  std::size_t filas = 0;
  for (auto _ : estado) {
    const ResultadoConsulta r = Consultar(fuentes, e, m.catalogo);
    filas = r.filas.size();
    benchmark::DoNotOptimize(r);
  }
  estado.counters["filas"] = static_cast<double>(filas);
  estado.counters["universidades"] = static_cast<double>(m.universidades.size());
}
BENCHMARK(BM_Consultar)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {1, 4, 7}})
    ->Unit(benchmark::kMicrosecond);

// Both answer lists scored and ranked, and their average, as the combined
// result does on every click; argument: every how many items one is ticked.
void BM_PuntuarCuestionario(benchmark::State& estado) {
  const Muestra& m = Datos();
  const TablasDatos& t = *m.tablas;
  const int g = NumeroGrupos(t.grupos);
  const auto cualidades = MiembrosCualidades(t.datosCarreras, g);
  const auto intereses = MiembrosIntereses(t.datosCarreras, g);
  std::vector<int> marcadasC, marcadasI;
  const int paso = static_cast<int>(estado.range(0));
  for (int i = 1; i <= t.cualidades.Cuenta(); i += paso) marcadasC.push_back(i);
  for (int i = 1; i <= t.intereses.Cuenta(); i += paso) marcadasI.push_back(i);
  for (auto _ : estado) {
    const auto a = PuntuarGrupos(marcadasC, cualidades);
    const auto b = PuntuarGrupos(marcadasI, intereses);
    ResultadoCuestionario r{Clasificar(t.grupos, a), Clasificar(t.grupos, b),
                            Clasificar(t.grupos, PromediarPuntos(a, b))};
    benchmark::DoNotOptimize(r);
  }
  estado.counters["grupos"] = g;
}
BENCHMARK(BM_PuntuarCuestionario)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

// A community picked on the map: its universities, then the degrees of each
// as a click on it lists them; argument: the community.
void BM_UniversidadesDeComunidad(benchmark::State& estado) {
  const Muestra& m = Datos();
  const TablasDatos& t = *m.tablas;
  const int comunidad = estado.range(0) == 0 ? m.comunidad : static_cast<int>(estado.range(0));
  std::size_t filas = 0;
  for (auto _ : estado) {
    const std::vector<int> lista = UniversidadesComunidad(t.universidades, comunidad);
    const auto nombres = NombresUniversidades(t.universidades, lista);
    filas = 0;
    for (const int u : lista) {
      const FilasLista f = CarrerasDeUniversidad(t.carreras, t.datosCarreras, u);
      filas += f.filas.size();
      benchmark::DoNotOptimize(f);
    }
    benchmark::DoNotOptimize(nombres);
  }
  estado.counters["filas"] = static_cast<double>(filas);
}
BENCHMARK(BM_UniversidadesDeComunidad)->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sendaro

int main(int argc, char** argv) {
  std::filesystem::path carpeta = BENCH_INSTALACION;
  std::vector<char*> resto = {argv[0]};
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--datos") == 0 && i + 1 < argc) {
      carpeta = argv[++i];
    } else {
      resto.push_back(argv[i]);
    }
  }
  if (!sendaro::Cargar(carpeta)) {
    std::fprintf(stderr, "No se pudo leer la instalacion %s\n", carpeta.c_str());
    return 1;
  }
  int n = static_cast<int>(resto.size());
  benchmark::Initialize(&n, resto.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
