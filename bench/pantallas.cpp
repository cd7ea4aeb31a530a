// Opening every section screen: from the hall, through the program's own
// navigation, to the end of the window's update pass that first paints the
// screen, on the offscreen platform. The first opening (the screen is
// created) and a later one (it is shown again), each the median over several
// whole program runs; beside them, an empty widget shown the same way. Last,
// the memory in use once every screen has been opened in one run.
//
//   bench_pantallas [--datos DIR] [--veces N]
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "app/qt/programa.h"
#include "ui/dialogos.h"
#include "ui/navegacion.h"
#include "ui/pantalla_modos.h"
#include "ui/servicios.h"
#include "ui/sonido.h"
#include "ui/ventana_principal.h"

namespace sendaro {
namespace {

struct Tiempo {
  double reloj = 0;  // ms
  double cpu = 0;    // ms
};

// Times the first paint of a widget: from Empezar() until the update pass of
// its window that painted it (or one of its children) has ended.
class Aplicacion : public QApplication {
 public:
  using QApplication::QApplication;

  void Empezar(std::function<QWidget*()> vigilado) {
    vigilado_ = std::move(vigilado);
    pintado_ = false;
    terminado_ = false;
    reloj_.start();
    cpu0_ = Cpu();
  }
  // Runs the event loop until the watched widget has painted: milliseconds
  // of wall clock and of the process's processor time (all its threads).
  Tiempo Esperar() {
    QElapsedTimer limite;
    limite.start();
    while (!terminado_ && limite.elapsed() < 10000)
      processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    return terminado_ ? t_ : Tiempo{-1, -1};
  }
  bool Terminado() const { return terminado_; }

  bool notify(QObject* receptor, QEvent* evento) override {
    const QEvent::Type tipo = evento->type();
    if (tipo == QEvent::Paint && !terminado_ && vigilado_) {
      QWidget* w = vigilado_();
      auto* pintado = qobject_cast<QWidget*>(receptor);
      if (w != nullptr && pintado != nullptr && (pintado == w || w->isAncestorOf(pintado)))
        pintado_ = true;
    }
    ++profundidad_;
    const bool r = QApplication::notify(receptor, evento);
    --profundidad_;
    if (profundidad_ == 0 && pintado_ && !terminado_) {
      // The event that painted the screen (the window's expose or update
      // pass) has been handled whole.
      terminado_ = true;
      t_ = {static_cast<double>(reloj_.nsecsElapsed()) / 1e6, Cpu() - cpu0_};
    }
    return r;
  }

 private:
  static double Cpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
  }

  std::function<QWidget*()> vigilado_;
  bool pintado_ = false;
  bool terminado_ = false;
  int profundidad_ = 0;
  Tiempo t_;
  double cpu0_ = 0;
  QElapsedTimer reloj_;
};

Aplicacion* app = nullptr;

// Dialogs are shown until their first paint and closed; questions are
// answered No, messages are printed.
class DialogosBanco : public Dialogos {
 public:
  void Aviso(const QString& texto) override { std::fprintf(stderr, "aviso: %s\n", qPrintable(texto)); }
  bool PreguntaSiNo(const QString&) override { return false; }
  int Ejecutar(QDialog& dialogo) override {
    dialogo.show();
    if (app->Terminado()) {
      static_cast<void>(QTest::qWaitForWindowExposed(&dialogo));
    } else {
      t = app->Esperar();
    }
    dialogo.hide();
    return QDialog::Rejected;
  }
  void Pitido() override {}
  QString NombreGuardar(const QString&) override { return {}; }
  bool AbrirWeb(const QUrl&) override { return false; }
  Tiempo t{-1, -1};
};

class SonidoBanco : public Sonido {
 public:
  bool Iniciar(const std::filesystem::path&) override { return false; }
  void FijarMotor(const QByteArray&) override {}
  void SonidoTecla(bool) override {}
  void SonidoMotor(bool) override {}
  void MotorEnBucle(bool) override {}
};

class PantallaBanco : public PantallaModos {
 public:
  ModoPantalla Actual() const override { return {1024, 768, 32}; }
  std::vector<ModoPantalla> Modos() const override { return {}; }
  bool Cambiar(const ModoPantalla&) override { return true; }
  void Restaurar(const ModoPantalla&) override {}
};

double Mediana(std::vector<double> v) {
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  const std::size_t m = v.size() / 2;
  return v.size() % 2 != 0 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// Medians of the wall clock and of the processor time.
struct Medidas {
  std::vector<double> reloj, cpu;
  void Agregar(Tiempo t) {
    reloj.push_back(t.reloj);
    cpu.push_back(t.cpu);
  }
};

long MemoriaKB() {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& l : f.readAll().split('\n'))
    if (l.startsWith("VmRSS:")) return l.mid(6).trimmed().split(' ').value(0).toLong();
  return -1;
}

struct Caso {
  const char* nombre;
  Seccion seccion;
  std::function<void(Navegacion&)> abrir;
};

}  // namespace
}  // namespace sendaro

int main(int argc, char** argv) {
  using namespace sendaro;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  Aplicacion aplicacion(argc, argv);
  app = &aplicacion;
  QString datos = QStringLiteral(BENCH_INSTALACION);
  int veces = 5;
  const QStringList args = QCoreApplication::arguments();
  for (int i = 1; i + 1 < args.size(); ++i) {
    if (args[i] == QStringLiteral("--datos")) datos = args[i + 1];
    if (args[i] == QStringLiteral("--veces")) veces = std::max(1, args[i + 1].toInt());
  }

  // An empty widget of the same size, shown and shown again.
  Medidas vacioPrimero, vacioLuego;
  for (int i = 0; i < veces; ++i) {
    QWidget vacio;
    vacio.resize(1024, 768);
    aplicacion.Empezar([&] { return &vacio; });
    vacio.show();
    vacioPrimero.Agregar(aplicacion.Esperar());
    vacio.hide();
    aplicacion.processEvents();
    aplicacion.Empezar([&] { return &vacio; });
    vacio.show();
    vacioLuego.Agregar(aplicacion.Esperar());
  }

  DialogosBanco dialogos;
  SonidoBanco sonido;
  PantallaBanco pantalla;
  const long memoriaAntes = MemoriaKB();
  const Caso casos[] = {
      {"Carreras (TForm1)", Seccion::kCarreras,
       [](Navegacion& n) { n.Abrir(entrada::Carreras::kInformacion); }},
      {"Pasarela (TForm6)", Seccion::kPasarela,
       [](Navegacion& n) { n.Abrir(entrada::Pasarela::kMostrar); }},
      {"Itinerarios (TForm2)", Seccion::kItinerarios,
       [](Navegacion& n) { n.Abrir(entrada::Itinerarios::kMapa); }},
      {"Grado medio (TForm3)", Seccion::kGradoMedio,
       [](Navegacion& n) { n.Abrir(entrada::GradoMedio::kDesdeVestibulo); }},
      {"Programas iniciales (TFIniPro)", Seccion::kProgramasIniciales,
       [](Navegacion& n) { n.Abrir(entrada::ProgramasIniciales::kProgramas); }},
      {"Certificados (TCertifica)", Seccion::kCertificados,
       [](Navegacion& n) { n.Abrir(entrada::Certificados::kMostrar); }},
      {"Profesiones (Tprofe)", Seccion::kProfesiones,
       [](Navegacion& n) { n.Abrir(entrada::Profesiones::kCuestionario); }},
      {"Catalogo (TFormCat)", Seccion::kCatalogo,
       [](Navegacion& n) { n.Abrir(entrada::Catalogo::kMostrar); }},
      {"Asistente (TForm5)", Seccion::kAsistente,
       [](Navegacion& n) { n.Abrir(entrada::Asistente::kInicio); }},
  };
  const std::size_t n = std::size(casos);
  std::vector<Medidas> primero(n), luego(n);
  long memoriaTodas = 0;
  for (int vez = 0; vez < veces; ++vez) {
    // A whole program each time, so that every first opening is one.
    Programa programa(dialogos, sonido, pantalla);
    OpcionesArranque opciones;
    opciones.carpeta = datos.toStdString();
    opciones.posicionales = {"I", "N"};
    if (!programa.Arrancar(std::move(opciones))) {
      std::fprintf(stderr, "no arranca con %s\n", qPrintable(datos));
      return 1;
    }
    static_cast<void>(QTest::qWaitFor(
        [&] { return programa.Arranque() != Programa::EstadoArranque::kEnCurso; }, 20000));
    if (programa.Arranque() != Programa::EstadoArranque::kListo) {
      std::fprintf(stderr, "el arranque no termina\n");
      return 1;
    }
    Navegacion& nav = programa.Navegar();
    for (int ronda = 0; ronda < 2; ++ronda) {
      for (std::size_t i = 0; i < n; ++i) {
        const Caso& c = casos[i];
        nav.Abrir(entrada::Vestibulo::kMostrar);
        QTest::qWait(20);
        aplicacion.Empezar([&nav, &c] { return nav.Creada(c.seccion); });
        dialogos.t = {-1, -1};
        c.abrir(nav);
        const Tiempo t = dialogos.t.reloj >= 0 ? dialogos.t : aplicacion.Esperar();
        (ronda == 0 ? primero : luego)[i].Agregar(t);
        QTest::qWait(20);
      }
    }
    if (vez == 0) memoriaTodas = MemoriaKB();
  }

  // Milliseconds, medians: wall clock / processor time of the process.
  std::printf("%-32s %20s %20s\n", "pantalla", "primera (reloj/cpu)", "luego (reloj/cpu)");
  const auto fila = [](const char* nombre, const Medidas& a, const Medidas& b) {
    std::printf("%-32s %9.1f /%8.1f  %9.1f /%8.1f\n", nombre, Mediana(a.reloj), Mediana(a.cpu),
                Mediana(b.reloj), Mediana(b.cpu));
  };
  fila("widget vacio", vacioPrimero, vacioLuego);
  for (std::size_t i = 0; i < n; ++i) fila(casos[i].nombre, primero[i], luego[i]);
  std::printf("memoria (VmRSS): %ld MB antes del programa, %ld MB con todas las pantallas "
              "abiertas\n",
              memoriaAntes / 1024, memoriaTodas / 1024);
  return 0;
}
