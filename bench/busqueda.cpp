// The search index on the sample installation: building it from the tables
// start-up has read (and the arts files), and a few typical queries as a
// student types them, one keystroke at a time.
//
//   bench_busqueda [--datos DIR] [--idioma catVal|galego|euskera] [Google Benchmark options]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "data/busqueda.h"
#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/entorno.h"
#include "data/profesiones.h"
#include "data/tablas_datos.h"

namespace sendaro {
namespace {

struct Muestra {
  Instalacion instalacion;
  CatalogoTextos catalogo;
  std::unique_ptr<TablasDatos> tablas = std::make_unique<TablasDatos>();
  IndiceBusqueda indice;
};

Muestra& Datos() {
  static Muestra m;
  return m;
}

bool Cargar(const std::filesystem::path& carpeta, const std::string& idioma) {
  Muestra& m = Datos();
  Entorno entorno;
  entorno.instalacion = Instalacion(carpeta);
  entorno.instalacion.FijarIdioma(idioma);
  m.instalacion = entorno.instalacion;
  if (!m.catalogo.Leer(entorno)) return false;
  TablasDatos& t = *m.tablas;
  CargarTablasCarreras(entorno, m.catalogo, t);
  CargarDatosFijos(entorno, m.catalogo, t);
  CargarTablasItinerarios(entorno, t);
  CargarTablasIniciales(entorno, t);
  CargarTablasCertificados(entorno, t);
  CargarTablasProfesiones(entorno, t.profesiones);
  if (entorno.FalloGrave) return false;
  m.indice = ConstruirIndiceBusqueda(t, LeerArtesBusqueda(m.instalacion));
  return true;
}

// Everything the index thread does: reading the arts files and building.
void BM_ConstruirIndice(benchmark::State& estado) {
  const Muestra& m = Datos();
  for (auto _ : estado) {
    IndiceBusqueda i = ConstruirIndiceBusqueda(*m.tablas, LeerArtesBusqueda(m.instalacion));
    benchmark::DoNotOptimize(i);
  }
  estado.counters["elementos"] = static_cast<double>(m.indice.Cuenta());
}
BENCHMARK(BM_ConstruirIndice)->Unit(benchmark::kMillisecond);

const char* const kConsultas[] = {"e", "enfer", "ingenieria informatica", "grado en",
                                  "ies sant", "administracion y"};

// One query whole (argument: its number in kConsultas).
void BM_Buscar(benchmark::State& estado) {
  const Muestra& m = Datos();
  const std::string consulta = kConsultas[estado.range(0)];
  std::size_t encontrados = 0;
  for (auto _ : estado) {
    const std::vector<int> r = m.indice.Buscar(consulta);
    encontrados = r.size();
    benchmark::DoNotOptimize(r);
  }
  estado.SetLabel(consulta);
  estado.counters["resultados"] = static_cast<double>(encontrados);
}
BENCHMARK(BM_Buscar)->DenseRange(0, static_cast<int>(std::size(kConsultas)) - 1)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sendaro

int main(int argc, char** argv) {
  std::filesystem::path carpeta = BENCH_INSTALACION;
  std::string idioma;
  std::vector<char*> resto = {argv[0]};
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--datos") == 0 && i + 1 < argc) {
      carpeta = argv[++i];
    } else if (std::strcmp(argv[i], "--idioma") == 0 && i + 1 < argc) {
      idioma = argv[++i];
    } else {
      resto.push_back(argv[i]);
    }
  }
  if (!sendaro::Cargar(carpeta, idioma)) {
    std::fprintf(stderr, "No se pudo leer la instalacion %s\n", carpeta.c_str());
    return 1;
  }
  int n = static_cast<int>(resto.size());
  benchmark::Initialize(&n, resto.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
