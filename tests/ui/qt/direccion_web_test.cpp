// Only web addresses reach the browser; a refusal says so.
#include "ui/direccion_web.h"

#include <gtest/gtest.h>

#include "qt/apoyo.h"

namespace sendaro {
namespace {

TEST(DireccionWeb, SoloHttpYHttpsLleganAlNavegador) {
  const struct {
    QString direccion;
    bool abre;
  } casos[] = {
      {QStringLiteral("http://www.ugr.es"), true},
      {QStringLiteral("https://educa.aragon.es/ "), true},
      {QStringLiteral("file:///etc/passwd"), false},
      {QStringLiteral("javascript:alert(1)"), false},
      {QStringLiteral("http://"), false},
      {QStringLiteral("Escola d'Art"), false},
  };
  for (const auto& c : casos) {
    prueba::DialogosPrueba dialogos;
    EXPECT_EQ(AbrirDireccionWeb(dialogos, c.direccion), c.abre) << c.direccion.toStdString();
    EXPECT_EQ(dialogos.webs.size(), c.abre ? 1 : 0) << c.direccion.toStdString();
    EXPECT_EQ(dialogos.avisos.size(), c.abre ? 0 : 1) << c.direccion.toStdString();
  }
  // The browser did not start: a message.
  prueba::DialogosPrueba dialogos;
  dialogos.abreWeb = false;
  EXPECT_FALSE(AbrirDireccionWeb(dialogos, QStringLiteral("http://www.ugr.es")));
  EXPECT_EQ(dialogos.avisos.size(), 1);
}

}  // namespace
}  // namespace sendaro
