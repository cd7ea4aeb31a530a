// Start-up benchmark: runs Sendaro, quitting at the hall's first paint, and
// again quitting once start-up is complete (the sections' checks done, the
// hall usable), and the blank window, alternately, offscreen; prints the
// median time of each from process start to exit, and the ratios.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

std::optional<double> Medir(const QString& programa, const QStringList& argumentos,
                            const QProcessEnvironment& entorno) {
  QProcess p;
  p.setProcessEnvironment(entorno);
  p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  p.setStandardOutputFile(QProcess::nullDevice());
  QElapsedTimer reloj;
  reloj.start();
  p.start(programa, argumentos);
  if (!p.waitForFinished(60000)) {
    p.kill();
    p.waitForFinished();
    return std::nullopt;
  }
  const double ms = static_cast<double>(reloj.nsecsElapsed()) / 1e6;
  if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return std::nullopt;
  return ms;
}

double Mediana(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t m = v.size() / 2;
  return v.size() % 2 != 0 ? v[m] : (v[m - 1] + v[m]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication aplicacion(argc, argv);
  QString datos = QStringLiteral(BENCH_INSTALACION);
  int veces = 21;
  const QStringList args = QCoreApplication::arguments();
  for (qsizetype i = 1; i + 1 < args.size(); ++i) {
    if (args[i] == QStringLiteral("--datos"))
      datos = args[++i];
    else if (args[i] == QStringLiteral("--veces"))
      veces = std::max(1, args[++i].toInt());
  }

  // A private temporary folder keeps the single-instance lock apart from any
  // copy of the program that may be running.
  QTemporaryDir tmp;
  QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
  entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  entorno.insert(QStringLiteral("TMPDIR"), tmp.path());
  QProcessEnvironment alPintar = entorno;
  alPintar.insert(QStringLiteral("SENDARO_SALIR_AL_PINTAR"), QStringLiteral("1"));
  QProcessEnvironment alArrancar = entorno;
  alArrancar.insert(QStringLiteral("SENDARO_SALIR_AL_ARRANCAR"), QStringLiteral("1"));

  const QString sendaro = QStringLiteral(BENCH_SENDARO);
  const QString vacia = QStringLiteral(BENCH_VENTANA_VACIA);
  const QStringList argsSendaro = {QStringLiteral("--datos"), datos};

  // One unmeasured run of each warms the file cache.
  Medir(vacia, {}, entorno);
  if (!Medir(sendaro, argsSendaro, alArrancar)) {
    std::fprintf(stderr, "Sendaro did not reach the hall on %s\n", qPrintable(datos));
    return 1;
  }

  std::vector<double> tiemposPintado;
  std::vector<double> tiemposArranque;
  std::vector<double> tiemposVacia;
  for (int i = 0; i < veces; ++i) {
    const auto a = Medir(vacia, {}, entorno);
    const auto b = Medir(sendaro, argsSendaro, alPintar);
    const auto c = Medir(sendaro, argsSendaro, alArrancar);
    if (!a || !b || !c) {
      std::fprintf(stderr, "a run failed\n");
      return 1;
    }
    tiemposVacia.push_back(*a);
    tiemposPintado.push_back(*b);
    tiemposArranque.push_back(*c);
  }
  const double mv = Mediana(tiemposVacia);
  const double mp = Mediana(tiemposPintado);
  const double ma = Mediana(tiemposArranque);
  std::printf("Runs: %d each (offscreen)\n", veces);
  std::printf("Blank window, start to first paint:     %8.1f ms (median)\n", mv);
  std::printf("Sendaro, start to hall's first paint:   %8.1f ms (median)  %.2fx\n", mp, mp / mv);
  std::printf("Sendaro, start to start-up complete:    %8.1f ms (median)  %.2fx\n", ma, ma / mv);
  std::printf("Ratio: %.2fx\n", mp / mv);
  return 0;
}
