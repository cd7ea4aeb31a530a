// Saving a report: the proposed name, the UTF-8 file, and what a failure or a
// cancelled dialog leave behind.
#include "ui/guardar_texto.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "qt/apoyo.h"

namespace sendaro {
namespace {

TEST(GuardarTexto, NombreLimpio) {
  const struct {
    QString nombre;
    QString limpio;
  } casos[] = {
      {QStringLiteral("Ana"), QStringLiteral("Ana")},
      {QStringLiteral("Ana/Luis: 2\u00ba <B>?"), QStringLiteral("AnaLuis 2\u00ba B")},
      {QStringLiteral("..\\..\\etc"), QStringLiteral("etc")},
      {QStringLiteral("  .oculto"), QStringLiteral("oculto")},
      {QStringLiteral("\"*|\""), QString()},
      {QString(150, QLatin1Char('x')), QString(100, QLatin1Char('x'))},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(NombreFicheroLimpio(c.nombre), c.limpio) << c.nombre.toStdString();
  }
}

TEST(GuardarTexto, NombrePropuestoYFicheroUtf8) {
  QTemporaryDir dir;
  prueba::DialogosPrueba dialogos;
  const QString ruta = dir.filePath(QStringLiteral("Ana.TXT"));
  dialogos.rutaGuardar = ruta;
  ASSERT_TRUE(
      GuardarTexto(dialogos, QStringLiteral("Ana:"),
                   {QStringLiteral("Alumno/a: Ana"), QStringLiteral("Tecnol\u00f3gico  6.0")}));
  EXPECT_EQ(dialogos.nombresGuardar, QStringList{QStringLiteral("Ana.TXT")});
  QFile f(ruta);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("Alumno/a: Ana\nTecnol\xc3\xb3gico  6.0\n"));
  EXPECT_TRUE(dialogos.avisos.isEmpty());
}

TEST(GuardarTexto, CanceladoNoEscribeYUnFalloLoDiceSinTocarElFichero) {
  QTemporaryDir dir;
  prueba::DialogosPrueba dialogos;
  EXPECT_FALSE(GuardarTexto(dialogos, QStringLiteral("Ana"), {}));
  EXPECT_TRUE(dialogos.avisos.isEmpty());

  // A folder that does not exist: the message names the file.
  const QString imposible = dir.filePath(QStringLiteral("no/existe/Ana.TXT"));
  dialogos.rutaGuardar = imposible;
  EXPECT_FALSE(GuardarTexto(dialogos, QStringLiteral("Ana"), {QStringLiteral("x")}));
  ASSERT_EQ(dialogos.avisos.size(), 1);
  EXPECT_TRUE(dialogos.avisos[0].contains(QStringLiteral("Ana.TXT")));

  // A read-only folder keeps the old file whole.
  const QString viejo = dir.filePath(QStringLiteral("viejo.TXT"));
  {
    QFile f(viejo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("antes\n");
  }
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  dialogos.rutaGuardar = viejo;
  const bool escrito = GuardarTexto(dialogos, QStringLiteral("viejo"), {QStringLiteral("y")});
  QFile::setPermissions(dir.path(),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  QFile f(viejo);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  if (!escrito) {  // root may write anyway
    EXPECT_EQ(f.readAll(), QByteArray("antes\n"));
    EXPECT_EQ(dialogos.avisos.size(), 2);
  }
}

}  // namespace
}  // namespace sendaro
