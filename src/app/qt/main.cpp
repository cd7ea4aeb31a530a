#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <cstdio>

#include "app/linea_ordenes.h"
#include "app/qt/programa.h"
#include "ui/dialogos.h"
#include "ui/pantalla_modos.h"
#include "ui/sonido.h"

int main(int argc, char** argv) {
  QApplication aplicacion(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Sendaro"));

  // One running copy per user: a second one ends at once, silently.
  QLockFile cerrojo(QDir(QDir::tempPath()).filePath(QStringLiteral("sendaro9.exe.lock")));
  cerrojo.setStaleLockTime(0);
  if (!cerrojo.tryLock(0)) return 0;

  std::vector<std::string> argumentos;
  const QStringList lista = QApplication::arguments();
  for (qsizetype i = 1; i < lista.size(); ++i) {
    argumentos.push_back(QFile::encodeName(lista[i]).toStdString());
  }
  const sendaro::LineaOrdenes linea = sendaro::AnalizarLineaOrdenes(argumentos);
  if (!linea.error.empty()) {
    std::fprintf(stderr, "%s\nUso: sendaro [--datos CARPETA] [TEMA [S|N [IDIOMA]]]\n",
                 linea.error.c_str());
    return 2;
  }

  sendaro::OpcionesArranque opciones;
  opciones.carpeta =
      linea.datos ? std::filesystem::path(*linea.datos) : sendaro::CarpetaDatosPorDefecto();
  opciones.posicionales = linea.posicionales;

  sendaro::DialogosReales dialogos;
  sendaro::SonidoQt sonido;
  const auto pantalla = sendaro::CrearPantallaModos();
  sendaro::Programa programa(dialogos, sonido, *pantalla);
  if (!programa.Arrancar(opciones)) return 1;
  return QApplication::exec();
}
