// Reading a classroom's folder of questionnaire results and summarising it:
// 1,000 files of about thirty answers and ten result rows each, in twenty
// group subfolders, written once to a temporary folder.
//
//   bench_resultados [Google Benchmark options]
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data/resultados.h"

namespace sendaro {
namespace {

constexpr int kFicheros = 1000;

const std::filesystem::path& Carpeta() {
  static const std::filesystem::path carpeta = [] {
    const auto ruta = std::filesystem::temp_directory_path() /
                      ("sendaro-bench-resultados-" + std::to_string(::getpid()));
    std::filesystem::remove_all(ruta);
    static constexpr const char* kCuestionarios[] = {"cualidades", "intereses", "estudios",
                                                     "profesiones", "grado_medio"};
    for (int i = 0; i < kFicheros; ++i) {
      ResultadoCuestionario r;
      r.version = "0.1";
      r.fecha = "2026-12-" + std::to_string(10 + i % 10) + "T10:00:00";
      r.idioma = "es";
      r.cuestionario = kCuestionarios[i % 5];
      r.alumno = "Alumna o alumno número " + std::to_string(i);
      r.grupo = "4º " + std::to_string(i % 20);
      for (int p = 0; p < 30; ++p) {
        r.respuestas.push_back({"¿Te gustaría trabajar en la actividad número " +
                                    std::to_string(p) + "?",
                                std::to_string((i + p) % 5)});
      }
      for (int f = 0; f < 10; ++f) {
        r.filas.push_back({"Familia profesional de ejemplo " + std::to_string((i + f) % 12),
                           std::to_string(10 - f)});
      }
      const auto destino = ruta / r.grupo / ("resultado " + std::to_string(i) + ".json");
      std::filesystem::create_directories(destino.parent_path());
      std::ofstream(destino, std::ios::binary) << ResultadoAJson(r);
    }
    return ruta;
  }();
  return carpeta;
}

void BM_LeerCarpeta(benchmark::State& estado) {
  const auto& carpeta = Carpeta();
  for (auto _ : estado) {
    CarpetaResultados leida = LeerCarpetaResultados(carpeta);
    if (leida.leidos.size() != kFicheros) estado.SkipWithError("files missing");
    benchmark::DoNotOptimize(leida);
  }
}
BENCHMARK(BM_LeerCarpeta)->Unit(benchmark::kMillisecond);

void BM_LeerYResumir(benchmark::State& estado) {
  const auto& carpeta = Carpeta();
  for (auto _ : estado) {
    const CarpetaResultados leida = LeerCarpetaResultados(carpeta);
    auto resumen = Resumir(leida.leidos, {});
    benchmark::DoNotOptimize(resumen);
  }
}
BENCHMARK(BM_LeerYResumir)->Unit(benchmark::kMillisecond);

void BM_Resumir(benchmark::State& estado) {
  const CarpetaResultados leida = LeerCarpetaResultados(Carpeta());
  for (auto _ : estado) {
    auto resumen = Resumir(leida.leidos, {"4º 3", "2026-12-11", ""});
    benchmark::DoNotOptimize(resumen);
  }
}
BENCHMARK(BM_Resumir)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sendaro

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(sendaro::Carpeta());
  return 0;
}
