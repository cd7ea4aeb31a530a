#include "data/instalado.h"

#include <gtest/gtest.h>

namespace sendaro {
namespace {

TEST(Instalado, RutasDesdeLaCarpetaDelPrograma) {
  struct Caso {
    const char* programa;
    const char* datos;
    const char* modulos;
    const char* ajustes;
  };
  const Caso casos[] = {
      {"/usr/bin", "/usr/share/sendaro", "/usr/lib/sendaro", "/etc/sendaro"},
      // A package unpacked under another root keeps to that root.
      {"/tmp/raiz/usr/bin", "/tmp/raiz/usr/share/sendaro", "/tmp/raiz/usr/lib/sendaro",
       "/tmp/raiz/etc/sendaro"},
      {"/usr/local/bin", "/usr/local/share/sendaro", "/usr/local/lib/sendaro",
       "/usr/local/etc/sendaro"},
      {"/opt/sendaro/bin", "/opt/sendaro/share/sendaro", "/opt/sendaro/lib/sendaro",
       "/opt/sendaro/etc/sendaro"},
  };
  for (const Caso& c : casos) {
    const RutasInstaladas r = RutasDesde(c.programa);
    EXPECT_EQ(r.datos, c.datos) << c.programa;
    EXPECT_EQ(r.modulos, c.modulos) << c.programa;
    EXPECT_EQ(r.ajustes, c.ajustes) << c.programa;
  }
}

TEST(Instalado, LaCarpetaDelProgramaEsLaDeEstasPruebas) {
  const std::filesystem::path carpeta = CarpetaPrograma();
  ASSERT_FALSE(carpeta.empty());
  EXPECT_TRUE(std::filesystem::is_directory(carpeta));
  EXPECT_TRUE(std::filesystem::exists(carpeta / "pruebas_dominio"));
}

}  // namespace
}  // namespace sendaro
