#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <sys/file.h>

#include <cstdio>

#include "app/ajustes_centro.h"
#include "app/linea_ordenes.h"
#include "app/qt/precarga.h"
#include "app/qt/programa.h"
#include "data/instalado.h"
#include "ui/dialogos.h"
#include "ui/pantalla_modos.h"
#include "ui/sonido.h"
#include "ui/traza.h"

#ifndef SENDARO_VERSION
#define SENDARO_VERSION ""
#endif

int main(int argc, char** argv) {
  sendaro::Traza("main");
  const sendaro::LineaOrdenes previa =
      sendaro::AnalizarLineaOrdenes(std::vector<std::string>(argv + 1, argv + argc));
  // Help and version need no display and no lock: they print and end.
  if (previa.ayuda) {
    const std::filesystem::path datos = sendaro::CarpetaDatosPorDefecto();
    const std::string texto = sendaro::TextoAyuda(
        datos, sendaro::FicheroAjustes(datos, sendaro::RutasDesde(sendaro::CarpetaPrograma())));
    std::fputs(texto.c_str(), stdout);
    return 0;
  }
  if (previa.version) {
    std::printf("Sendaro %s\n", SENDARO_VERSION);
    return 0;
  }
  // One running copy per user: a second one ends at once, silently. The
  // lock is an flock on a file in the temporary folder: the kernel drops it
  // when the process ends, however it ends, so no lock is ever left behind,
  // and taking it writes nothing to disk.
  const QByteArray ruta =
      QFile::encodeName(QDir(QDir::tempPath()).filePath(QStringLiteral("sendaro9.exe.lock")));
  const int cerrojo = ::open(ruta.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (cerrojo >= 0 && ::flock(cerrojo, LOCK_EX | LOCK_NB) != 0) return 0;
  sendaro::Traza("cerrojo");

  // The installation starts being read while the toolkit connects to the
  // display. The line is read here as given; the toolkit takes its own
  // options out of it below, and what was read is used only when the line
  // then means the same.
  std::future<sendaro::Lecturas> lecturas;
  if (previa.error.empty()) {
    lecturas = sendaro::Precargar(previa.datos ? std::filesystem::path(*previa.datos)
                                               : sendaro::CarpetaDatosPorDefecto(),
                                  previa.posicionales);
  }

  QApplication aplicacion(argc, argv);
  sendaro::Traza("QApplication");
  // On X11 the accessibility bridge connects to the session bus when the
  // first window is made, and the splash would wait for it: the connection
  // starts here, on a thread, while start-up goes on.
  std::future<void> bus;
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    bus = std::async(std::launch::async, [] { static_cast<void>(QDBusConnection::sessionBus()); });
  }
  QApplication::setApplicationName(QStringLiteral("Sendaro"));

  std::vector<std::string> argumentos;
  const QStringList lista = QApplication::arguments();
  for (qsizetype i = 1; i < lista.size(); ++i) {
    argumentos.push_back(QFile::encodeName(lista[i]).toStdString());
  }
  const sendaro::LineaOrdenes linea = sendaro::AnalizarLineaOrdenes(argumentos);
  if (!linea.error.empty()) {
    std::fprintf(stderr, "%s\n%s\n", linea.error.c_str(), sendaro::kUso.data());
    return 2;
  }

  sendaro::OpcionesArranque opciones;
  opciones.carpeta =
      linea.datos ? std::filesystem::path(*linea.datos) : sendaro::CarpetaDatosPorDefecto();
  opciones.posicionales = linea.posicionales;
  opciones.lecturas = std::move(lecturas);

  sendaro::DialogosReales dialogos;
  sendaro::SonidoQt sonido;
  const auto pantalla = sendaro::CrearPantallaModos();
  sendaro::Programa programa(dialogos, sonido, *pantalla);
  sendaro::Traza("Programa");
  if (!programa.Arrancar(std::move(opciones))) return 1;
  return QApplication::exec();
}
