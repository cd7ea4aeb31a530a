// The grid of vocational centres rebuilt on every click, timed on the sample
// installation: the province with most centres, every branch, the screen
// rows alone and with the printout's lines (each row with its telephone).
// The centre -> titles index is built once, as the screen does at start-up;
// its building is timed apart.
//
//   bench_centros_fp [--datos DIR] [Google Benchmark options]
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
#include "sections/degrees/centros_fp.h"
#include "sections/degrees/titulos_fp.h"

namespace sendaro {
namespace {

struct Muestra {
  CatalogoTextos catalogo;
  std::unique_ptr<TablasDatos> tablas = std::make_unique<TablasDatos>();
  IndiceCentrosFP indice;
  LugarFP lugar;  // the province with most centres
  std::string nombre;
  std::vector<int> centros;
};

Muestra& Datos() {
  static Muestra m;
  return m;
}

FuentesFP Fuentes(const Muestra& m) {
  const TablasDatos& t = *m.tablas;
  return {t.titulosFP,   t.familiasFP,  t.lineasFamiliasFP, t.carrerasFP,    t.requisitosFP,
          t.bloquesFP,   t.comunidades, t.centros,          t.datosCarreras, m.catalogo};
}

bool Cargar(const std::filesystem::path& carpeta) {
  Muestra& m = Datos();
  Entorno entorno;
  entorno.instalacion = Instalacion(carpeta);
  if (!m.catalogo.Leer(entorno)) return false;
  CargarTablasCarreras(entorno, m.catalogo, *m.tablas);
  CargarDatosFijos(entorno, m.catalogo, *m.tablas);
  if (entorno.FalloGrave) return false;
  const TablasDatos& t = *m.tablas;
  m.indice.Construir(t.titulosFP, t.centros, t.datosCarreras);
  for (int c = 1; c <= kNumComunidades; ++c) {
    for (const ProvinciaFP& p : ProvinciasDeComunidad(t.comunidades, c)) {
      LugarFP l;
      l.grupo = p.grupo;
      l.provincia = p.codigo;
      auto centros = CentrosDelLugar(t.centros, m.indice, l);
      if (centros.size() > m.centros.size()) {
        m.lugar = l;
        m.nombre = p.nombre;
        m.centros = std::move(centros);
      }
    }
  }
  return !m.centros.empty();
}

// Arguments: branch item 0..4, with the printout's lines (0, 1).
void BM_RejaDelLugar(benchmark::State& estado) {
  const Muestra& m = Datos();
  const FuentesFP f = Fuentes(m);
  const int rama = static_cast<int>(estado.range(0));
  const bool impresion = estado.range(1) != 0;
  const auto ramas = TextosRamas(m.tablas->requisitosFP);
  std::size_t filas = 0;
  for (auto _ : estado) {
    const std::vector<int> centros = CentrosDelLugar(m.tablas->centros, m.indice, m.lugar);
    const RejaFP r = RejaDelLugar(f, m.indice, m.lugar, centros, rama,
                                  ramas[static_cast<std::size_t>(rama)], 0);
    filas = r.filas.size();
    if (impresion) benchmark::DoNotOptimize(ImpresionReja(r.filas));
    benchmark::DoNotOptimize(r);
  }
  estado.SetLabel(m.nombre);
  estado.counters["filas"] = static_cast<double>(filas);
  estado.counters["centros"] = static_cast<double>(m.centros.size());
}
BENCHMARK(BM_RejaDelLugar)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})->Unit(benchmark::kMicrosecond);

void BM_ConstruirIndice(benchmark::State& estado) {
  const Muestra& m = Datos();
  for (auto _ : estado) {
    IndiceCentrosFP i;
    i.Construir(m.tablas->titulosFP, m.tablas->centros, m.tablas->datosCarreras);
    benchmark::DoNotOptimize(i);
  }
}
BENCHMARK(BM_ConstruirIndice)->Unit(benchmark::kMicrosecond);

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
