#include "data/pantalla.h"

#include <gtest/gtest.h>

#include "data/estado.h"
#include "data/union_textos.h"

namespace sendaro {
namespace {

TEST(Pantalla, CuandoPreguntar) {
  struct Caso {
    ModoPantalla actual;
    bool pregunta;
  };
  const std::vector<Caso> casos = {
      {{1024, 768, 16}, false}, {{1024, 768, 32}, false}, {{1024, 768, 8}, true},
      {{1280, 1024, 32}, true}, {{1024, 600, 32}, true},  {{800, 768, 24}, true},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(HayQuePreguntarPantalla(c.actual), c.pregunta)
        << c.actual.ancho << "x" << c.actual.alto << "x" << c.actual.profundidad;
  }
}

TEST(Pantalla, ModoAlQueCambiar) {
  const std::vector<ModoPantalla> con16 = {{800, 600, 16}, {1024, 768, 16}, {1024, 768, 32}};
  const std::vector<ModoPantalla> sin16 = {{1024, 768, 32}, {1280, 1024, 16}};
  struct Caso {
    ModoPantalla actual;
    std::vector<ModoPantalla> modos;
    std::optional<ModoPantalla> destino;
  };
  const std::vector<Caso> casos = {
      {{1280, 1024, 32}, con16, ModoPantalla{1024, 768, 32}},  // keeps 32 bits
      {{1024, 768, 8}, con16, ModoPantalla{1024, 768, 16}},
      {{800, 600, 16}, con16, ModoPantalla{1024, 768, 16}},
      {{1280, 1024, 24}, sin16, std::nullopt},  // no 1024 x 768 x 16: nothing changes
      {{1280, 1024, 24}, {}, std::nullopt},
  };
  for (const auto& c : casos) EXPECT_EQ(ModoDestino(c.actual, c.modos), c.destino);
}

TEST(Estado, ModoDelVestibuloYLetra) {
  EXPECT_FALSE(DecidirSinAnimacion(7, true));
  EXPECT_TRUE(DecidirSinAnimacion(7, false));
  EXPECT_TRUE(DecidirSinAnimacion(6, true));
  EXPECT_EQ(DeltaLetra(96), 0);
  EXPECT_EQ(DeltaLetra(100), 0);
  EXPECT_EQ(DeltaLetra(120), -2);
}

TEST(UnionTextos, CortaTrasCadaUnion) {
  // 514 ⏎ (11) 229 (41) ⏎ (42) with a 12-byte first text and a long second one.
  const std::string largo(45, 'b');
  EXPECT_EQ(UnionTextos("aaaaaaaaaaaa").Y("\n", 11).Y(largo, 41).Y("\n", 42).Texto(),
            "aaaaaaaaaaa" + std::string(30, 'b') + "\n");
  EXPECT_EQ(UnionTextos("Dejar").Y("\n", 16).Y("de estudiar", 31).Texto(), "Dejar\nde estudiar");
  EXPECT_EQ(UnionTextos().Y("", 5).Texto(), "");
}

}  // namespace
}  // namespace sendaro
