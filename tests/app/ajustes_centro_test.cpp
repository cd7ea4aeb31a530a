#include "app/ajustes_centro.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace sendaro {
namespace {

TEST(AjustesCentro, FicheroCompleto) {
  const auto a = AnalizarAjustesCentro(
      "; Ajustes del centro\r\n[Centro]\r\nNombreCentro = IES Río Miño   \r\n"
      "ConAnimacion=1\r\nCodigoIdioma=2\r\nLetraTema=C\r\n");
  ASSERT_TRUE(a);
  EXPECT_EQ(a->NombreCentro, "IES R\xEDo Mi\xF1o");  // Windows-1252
  EXPECT_EQ(a->ConAnimacion, 1);
  EXPECT_EQ(a->CodigoIdioma, 2);
  EXPECT_EQ(a->LetraTema, 'C');
}

TEST(AjustesCentro, CodificacionesYFormas) {
  struct Caso {
    std::string contenido;
    std::string nombre;
  };
  const std::string resto = "\nConAnimacion=0\nCodigoIdioma=0\nLetraTema=I\n";
  const std::vector<Caso> casos = {
      {"\xEF\xBB\xBFNombreCentro=Peña" + resto,
       "Pe\xF1"
       "a"},  // UTF-8 with BOM
      {"NombreCentro=Pe\xF1"
       "a" +
           resto,
       "Pe\xF1"
       "a"},                                                             // Windows-1252
      {"NombreCentro=\xE2\x82\xAC y \xE2\x98\x83" + resto, "\x80 y ?"},  // euro; no snowman
      {"nombrecentro=\"  Entre comillas  \"" + resto, "  Entre comillas"},
      {"NombreCentro=" + std::string(60, 'x') + resto, std::string(50, 'x')},
      {"NombreCentro=" + std::string(48, 'x') + "   y" + resto, std::string(48, 'x')},
      {"NombreCentro=" + resto, ""},
  };
  for (const auto& caso : casos) {
    const auto a = AnalizarAjustesCentro(caso.contenido);
    ASSERT_TRUE(a) << caso.contenido;
    EXPECT_EQ(a->NombreCentro, caso.nombre) << caso.contenido;
  }
}

TEST(AjustesCentro, ValoresNoValidos) {
  const std::vector<std::string> malos = {
      "",
      "ConAnimacion=0\nCodigoIdioma=0\nLetraTema=I\n",  // no name
      "NombreCentro=A\nCodigoIdioma=0\nLetraTema=I\n",  // no animation switch
      "NombreCentro=A\nConAnimacion=0\nCodigoIdioma=4\nLetraTema=I\n",
      "NombreCentro=A\nConAnimacion=0\nCodigoIdioma=-1\nLetraTema=I\n",
      "NombreCentro=A\nConAnimacion=256\nCodigoIdioma=0\nLetraTema=I\n",
      "NombreCentro=A\nConAnimacion=si\nCodigoIdioma=0\nLetraTema=I\n",
      "NombreCentro=A\nConAnimacion=0\nCodigoIdioma=0\nLetraTema=i\n",
      "NombreCentro=A\nConAnimacion=0\nCodigoIdioma=0\nLetraTema=X\n",
      "NombreCentro=A\nConAnimacion=0\nCodigoIdioma=0\nLetraTema=IF\n",
  };
  for (const auto& m : malos) EXPECT_FALSE(AnalizarAjustesCentro(m)) << m;
  const auto bien =
      AnalizarAjustesCentro("NombreCentro=A\nConAnimacion=7\nCodigoIdioma=3\nLetraTema=P");
  ASSERT_TRUE(bien);
  EXPECT_EQ(bien->ConAnimacion, 7);
}

TEST(AjustesCentro, LeerDeCarpeta) {
  const auto carpeta = std::filesystem::path(testing::TempDir()) / "ajustes_centro_test";
  std::filesystem::remove_all(carpeta);
  std::filesystem::create_directories(carpeta);
  EXPECT_FALSE(LeerAjustesCentro(carpeta));  // missing
  std::filesystem::create_directories(carpeta / "centro.ini");
  EXPECT_FALSE(LeerAjustesCentro(carpeta));  // a folder, not a file
  std::filesystem::remove(carpeta / "centro.ini");
  std::ofstream(carpeta / "centro.ini")
      << "NombreCentro=X\nConAnimacion=0\nCodigoIdioma=1\nLetraTema=N\n";
  const auto a = LeerAjustesCentro(carpeta);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->LetraTema, 'N');
  std::filesystem::remove_all(carpeta);
}

// An installed program reads the system's settings first; a build tree or a
// folder given with --datos keeps its own, even where Sendaro is installed.
TEST(AjustesCentro, FicheroDelSistemaSoloParaLaInstalada) {
  namespace fs = std::filesystem;
  const fs::path raiz = fs::path(testing::TempDir()) / "ajustes_sistema_test";
  fs::remove_all(raiz);
  const RutasInstaladas rutas = RutasDesde(raiz / "usr" / "bin");
  const fs::path copia = raiz / "copia";
  for (const fs::path& carpeta : {rutas.datos, rutas.ajustes, copia}) {
    fs::create_directories(carpeta);
    std::ofstream(carpeta / "centro.ini")
        << "NombreCentro=" << carpeta.parent_path().filename().string()
        << "\nConAnimacion=0\nCodigoIdioma=0\nLetraTema=I\n";
  }
  EXPECT_EQ(FicheroAjustes(rutas.datos, rutas), rutas.ajustes / "centro.ini");
  // The same folder by another spelling.
  EXPECT_EQ(FicheroAjustes(rutas.datos / "." / "", rutas), rutas.ajustes / "centro.ini");
  EXPECT_EQ(FicheroAjustes(copia, rutas), copia / "centro.ini");
  const auto sistema = LeerFicheroAjustes(FicheroAjustes(rutas.datos, rutas));
  ASSERT_TRUE(sistema);
  EXPECT_EQ(sistema->NombreCentro, "etc");  // not share/sendaro's
  // Without the system's file, the one beside the data.
  fs::remove(rutas.ajustes / "centro.ini");
  EXPECT_EQ(FicheroAjustes(rutas.datos, rutas), rutas.datos / "centro.ini");
  fs::remove_all(raiz);
}

TEST(AjustesCentro, Utf8NoValido) {
  for (const char* malo : {"\xC3", "\xC3(", "\xC0\xAF", "\xED\xA0\x80", "\xF8\x88\x80\x80\x80"}) {
    EXPECT_FALSE(Utf8AWindows1252(malo)) << malo;
  }
  EXPECT_EQ(Utf8AWindows1252("\xC5\x92\xE2\x80\x9C"), "\x8C\x93");
}

}  // namespace
}  // namespace sendaro
