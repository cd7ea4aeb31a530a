#include "data/entorno.h"

#include <gtest/gtest.h>

namespace sendaro {
namespace {

TEST(Instalacion, NombresConYSinIdioma) {
  Instalacion ins("/datos");
  EXPECT_EQ(ins.NombreConIdioma("textos"), "textos");
  EXPECT_FALSE(ins.HayIdioma());
  ins.FijarIdioma("galego");
  EXPECT_TRUE(ins.HayIdioma());
  EXPECT_EQ(ins.NombreConIdioma("textos"), "galego/textos");
  EXPECT_EQ(ins.RutaConIdioma("textos"), std::filesystem::path("/datos/galego/textos"));
  EXPECT_EQ(ins.Ruta("LUGAR"), std::filesystem::path("/datos/LUGAR"));
}

}  // namespace
}  // namespace sendaro
