#include "ui/guardar_texto.h"

#include <QDir>
#include <QSaveFile>

#include "ui/dialogos.h"

namespace sendaro {

namespace {

constexpr qsizetype kLargoMaximo = 100;

}  // namespace

QString NombreFicheroLimpio(const QString& nombre) {
  static const QString kProhibidos = QStringLiteral("/\\:*?\"<>|");
  QString limpio;
  for (const QChar c : nombre) {
    if (!kProhibidos.contains(c) && c.unicode() >= 0x20) limpio += c;
  }
  qsizetype inicio = 0;
  while (inicio < limpio.size() && (limpio[inicio] == QLatin1Char('.') || limpio[inicio].isSpace()))
    ++inicio;
  limpio = limpio.mid(inicio).left(kLargoMaximo);
  while (!limpio.isEmpty() && limpio.back().isSpace()) limpio.chop(1);
  return limpio;
}

QString EscribirTextoUtf8(const QString& ruta, const QStringList& lineas) {
  QSaveFile fichero(ruta);
  if (!fichero.open(QIODevice::WriteOnly | QIODevice::Text)) return fichero.errorString();
  for (const QString& linea : lineas) {
    if (fichero.write(linea.toUtf8()) < 0 || fichero.write("\n", 1) < 0) {
      const QString error = fichero.errorString();
      fichero.cancelWriting();
      return error;
    }
  }
  if (!fichero.commit()) return fichero.errorString();
  return {};
}

bool GuardarTexto(Dialogos& dialogos, const QString& nombre, const QStringList& lineas) {
  QString fichero = NombreFicheroLimpio(nombre);
  if (fichero.isEmpty()) fichero = QStringLiteral("informe");
  const QString ruta = dialogos.NombreGuardar(fichero + QStringLiteral(".TXT"));
  if (ruta.isEmpty()) return false;
  const QString error = EscribirTextoUtf8(ruta, lineas);
  if (!error.isEmpty()) {
    dialogos.Aviso(QStringLiteral("No se ha podido guardar %1:\n%2")
                       .arg(QDir::toNativeSeparators(ruta), error));
    return false;
  }
  return true;
}

}  // namespace sendaro
