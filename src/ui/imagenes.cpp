#include "ui/imagenes.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QStringList>

namespace sendaro {

namespace {

QStringList Candidatos(const QString& nombre) {
  return {nombre, nombre + QStringLiteral(".bmp"), nombre + QStringLiteral(".jpg"),
          nombre + QStringLiteral(".jpeg")};
}

std::optional<QImage> Abrir(const QString& ruta) {
  QImageReader lector(ruta);
  QImage imagen = lector.read();
  if (imagen.isNull()) return std::nullopt;
  return imagen;
}

}  // namespace

std::optional<QPixmap> CargarImagen(const std::filesystem::path& carpeta, std::string_view nombre) {
  const auto imagen = LeerImagen(carpeta, nombre);
  if (!imagen) return std::nullopt;
  return QPixmap::fromImage(*imagen);
}

std::optional<QImage> LeerImagen(const std::filesystem::path& carpeta, std::string_view nombre) {
  if (nombre.empty()) return std::nullopt;
  const QDir dir(QFile::decodeName(carpeta.c_str()));
  const QStringList candidatos = Candidatos(
      QFile::decodeName(QByteArray(nombre.data(), static_cast<qsizetype>(nombre.size()))));
  for (const QString& c : candidatos) {
    if (QFile::exists(dir.filePath(c))) return Abrir(dir.filePath(c));
  }
  const QStringList entradas = dir.entryList(QDir::Files);
  for (const QString& c : candidatos) {
    for (const QString& e : entradas) {
      if (e.compare(c, Qt::CaseInsensitive) == 0) return Abrir(dir.filePath(e));
    }
  }
  return std::nullopt;
}

}  // namespace sendaro
