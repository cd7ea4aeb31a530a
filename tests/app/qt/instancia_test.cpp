// The program as a process: one copy per user, and the first-paint hooks.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "qt/apoyo.h"
#include "qt/rutas_prueba.h"

namespace sendaro {
namespace {

struct Ejecucion {
  bool terminado;
  int codigo;
  bool listo;  // the hall painted
  QString errores;  // what it wrote on its error stream
};

Ejecucion Ejecutar(const prueba::InstalacionPrueba& ins, const QString& tmp) {
  QTemporaryDir otro;
  const QString listo = QDir(otro.path()).filePath(QStringLiteral("listo"));
  QProcess p;
  QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
  entorno.insert(QStringLiteral("TMPDIR"), tmp);
  entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  entorno.insert(QStringLiteral("SENDARO_LISTO"), listo);
  entorno.insert(QStringLiteral("SENDARO_SALIR_AL_ARRANCAR"), QStringLiteral("1"));
  p.setProcessEnvironment(entorno);
  p.start(QString::fromUtf8(SENDARO_EJECUTABLE),
          {QStringLiteral("--datos"), QFile::decodeName(ins.Carpeta().c_str())});
  const bool terminado = p.waitForFinished(60000);
  if (!terminado) p.kill();
  return {terminado, p.exitCode(), QFile::exists(listo),
          QString::fromLocal8Bit(p.readAllStandardError())};
}

TEST(Instancia, UnaSegundaCopiaTerminaEnSeguidaSinVentana) {
  prueba::InstalacionPrueba ins;
  QTemporaryDir tmp;

  // Alone, the program reaches the end of start-up and ends there.
  const Ejecucion sola = Ejecutar(ins, tmp.path());
  EXPECT_TRUE(sola.terminado);
  EXPECT_EQ(sola.codigo, 0);
  // The start-up readers make Qt objects on their threads before the
  // application object: the main thread must still be Qt's main thread.
  EXPECT_FALSE(sola.errores.contains(QStringLiteral("not created in the main() thread")))
      << sola.errores.toStdString();
  EXPECT_TRUE(sola.listo);

  // The lock goes with the process: the file it leaves behind does not stop
  // the next copy.
  EXPECT_TRUE(Ejecutar(ins, tmp.path()).listo);

  // While another copy holds the lock, it ends before showing anything.
  const QByteArray ruta =
      QFile::encodeName(QDir(tmp.path()).filePath(QStringLiteral("sendaro9.exe.lock")));
  const int primera = ::open(ruta.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  ASSERT_GE(primera, 0);
  ASSERT_EQ(::flock(primera, LOCK_EX | LOCK_NB), 0);
  const Ejecucion segunda = Ejecutar(ins, tmp.path());
  EXPECT_TRUE(segunda.terminado);
  EXPECT_EQ(segunda.codigo, 0);
  EXPECT_FALSE(segunda.listo);
  ::close(primera);
}

}  // namespace
}  // namespace sendaro
