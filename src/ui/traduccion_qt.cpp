#include "ui/traduccion_qt.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace sendaro {

QString IdiomaQt(std::string_view subcarpeta) {
  if (subcarpeta == "catVal") return QStringLiteral("ca");
  if (subcarpeta == "galego") return QStringLiteral("gl");
  if (subcarpeta == "euskera") return QStringLiteral("eu");
  return QStringLiteral("es");
}

namespace {

// The translator installed, for the program's lifetime.
std::unique_ptr<QTranslator>& Instalado() {
  static std::unique_ptr<QTranslator> instalado;
  return instalado;
}

}  // namespace

void QuitarTraduccionQt() {
  auto& instalado = Instalado();
  if (instalado) QCoreApplication::removeTranslator(instalado.get());
  instalado.reset();
}

bool InstalarTraduccionQt(std::string_view subcarpeta) {
  QuitarTraduccionQt();
  auto& instalado = Instalado();
  instalado = std::make_unique<QTranslator>();
  const QString idioma = IdiomaQt(subcarpeta);
  // The program's own translation (built into it), then the system's: the
  // toolkit's base module, or its older whole catalogue (Galician has only
  // that one).
  const QString sistema = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  const bool cargado =
      instalado->load(QStringLiteral(":/traducciones/qtbase_") + idioma) ||
      instalado->load(QStringLiteral("qtbase_") + idioma, sistema) ||
      instalado->load(QStringLiteral("qt_") + idioma, sistema);
  if (!cargado) {
    instalado.reset();
    return false;
  }
  if (!QCoreApplication::installTranslator(instalado.get())) return false;
  // The windows already made are told of the change now, not while a later
  // dialog runs: they pass it on to their child dialogs, which would then
  // put back the toolkit's own captions over the catalogue's.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  return true;
}

}  // namespace sendaro
