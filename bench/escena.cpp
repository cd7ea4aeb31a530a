// One frame of the animated hall at 1024 x 768: the world's move, the
// sprites, the sign texts and the bubble drawn on the back buffer. The
// pictures are the real ones, drawn by the generator into a scratch folder.
//
//   bench_escena [--benchmark_filter=...]   (offscreen, no display needed)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "../tools/recursos/escena.h"
#include "hall/qt/escena_qt.h"

namespace {

QTemporaryDir* carpeta = nullptr;

std::unique_ptr<sendaro::DXDraw> Escena(char letra) {
  const sendaro::Tema& tema = *sendaro::BuscarTema(letra);
  sendaro::escena::DatosEscena datos;
  static const std::string texto = "Texto del cartel";
  datos.texto = [](int) -> std::string_view { return texto; };
  datos.nombreCentro = "IES Sendaro";
  datos.colorNombre = tema.ColorNombre;
  datos.colorAno = tema.ColorAno;
  datos.tramo = sendaro::escena::TramoVelocidad(2000);
  QString error;
  auto d = sendaro::DXDraw::Crear(carpeta->path().toStdString(), tema, datos, error);
  if (!d) return nullptr;
  d->Escena().Iniciar();
  while (d->Escena().IntroActiva()) d->DXTimerTimer();
  return d;
}

// Where the most is on screen: the lower doors with their statues and signs.
void FrameDeLaEscena(benchmark::State& estado) {
  auto d = Escena(static_cast<char>(estado.range(0)));
  if (!d) {
    estado.SkipWithError("no se pudo construir la escena");
    return;
  }
  d->Escena().Figura().X = 130;
  d->Escena().Figura().Y = -650;
  int n = 0;
  for (auto _ : estado) {
    // Keep the figure walking to and fro along the corridor.
    if (n++ % 60 == 0) {
      d->Escena().FijarPuntero(n % 120 == 1 ? 900 : 100, 383);
      d->Escena().Click();
    }
    d->DXTimerTimer();
    benchmark::DoNotOptimize(d->Pagina().constBits());
  }
}
BENCHMARK(FrameDeLaEscena)->Arg('I')->Arg('F')->Arg('C')->Arg('N')->Arg('A')->Arg('P')
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  carpeta = &dir;
  sendaro::recursos::EscribirEscena(dir.path(), QString());
  for (const char l : {'I', 'F', 'C', 'N', 'A', 'P'}) {
    QImage todo(1024, 768, QImage::Format_RGB32);
    todo.fill(Qt::darkGray);
    todo.save(dir.filePath(QString::fromLatin1(sendaro::BuscarTema(l)->Todo.data(),
                                               static_cast<qsizetype>(sendaro::BuscarTema(l)->Todo.size())) +
                           QStringLiteral(".bmp")),
              "BMP");
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
