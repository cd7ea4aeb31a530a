// The frame of the degrees screen: centre-name size, blinking name bar, help
// topics and their reveal, and the back button's rules.
#include "sections/degrees/marco.h"

#include <gtest/gtest.h>

#include "sections/degrees/ayuda.h"

namespace sendaro {
namespace {

TEST(TamanoNombreCentro, PorLongitudSinBlancosFinales) {
  struct Caso {
    int longitud;
    int tamano;
  };
  for (const Caso& c : {Caso{1, 22}, Caso{25, 22}, Caso{26, 20}, Caso{30, 20}, Caso{35, 20},
                        Caso{36, 18}, Caso{45, 18}, Caso{46, 16}, Caso{50, 16}}) {
    EXPECT_EQ(TamanoNombreCentro(std::string(static_cast<std::size_t>(c.longitud), 'x')), c.tamano)
        << c.longitud;
  }
  EXPECT_EQ(TamanoNombreCentro(std::string(30, 'x') + std::string(20, ' ')), 20);
}

TEST(Parpadeo, NueveTicksConElNombreEnLosImparesYAlFinalVisible) {
  Parpadeo p;
  std::string visto;
  Parpadeo::Paso paso;
  do {
    paso = p.Avanzar();
    visto += paso.mostrar ? 'N' : '-';
  } while (!paso.fin);
  EXPECT_EQ(visto, "N-N-N-N-N");
  EXPECT_EQ(p.Contador(), 0);
}

TEST(TemaAyuda, LineasDeLosTemasYTemasQueNoExisten) {
  EXPECT_EQ(TemaAyuda(1), (LineasAyuda{0, 0, 346, 347, 348, 0, 0, 0}));
  EXPECT_EQ(TemaAyuda(6), (LineasAyuda{364, 365, 366, 367, 368, 369, 370, 371}));
  EXPECT_EQ(TemaAyuda(13), (LineasAyuda{615, 616, 617, 618, 619, 620, 621, 0}));
  EXPECT_EQ(TemaAyuda(19), (LineasAyuda{22, 23, 24, 25, 26, 27, 28, 0}));
  EXPECT_EQ(TemaAyuda(33), (LineasAyuda{0, 440, 441, 0, 442, 443, 0, 0}));
  for (int sin : {0, 16, 22, 24, 29, 34}) EXPECT_FALSE(TemaAyuda(sin).has_value()) << sin;
}

TEST(RevelarAyuda, OchoPasosYVuelveACero) {
  RevelarAyuda r;
  for (int k = 1; k <= 8; ++k) {
    const auto paso = r.Avanzar();
    EXPECT_EQ(paso.linea, k);
    EXPECT_EQ(paso.fin, k == 8);
  }
  EXPECT_EQ(r.Contador(), 0);
}

using P = PasoRetroceso;

struct CasoRetroceso {
  const char* que;
  EstadoRetroceso estado;
  std::vector<P> pasos;
};

TEST(Retroceder, Reglas) {
  // Fields: artes, grados, lista, dobles, otras, listComunidad visible, mapa visible.
  const std::vector<CasoRetroceso> casos = {
      {"lista de carreras de una universidad: al mapa",
       {false, false, false, false, false, true, false},
       {P::kCerrarResultado, P::kComunidadAlMapa}},
      {"en el mapa: al menu con tema 1",
       {false, false, false, false, false, false, true},
       {P::kCerrarResultado, P::kMenuDesdeMapa}},
      {"nada a la vista: solo cierra el resultado", {}, {P::kCerrarResultado}},
      {"grados con la lista de universidades: al mapa",
       {false, true, false, false, false, true, true},
       {P::kGradosAlMapa}},
      {"grados en su lista completa: al menu",
       {false, true, true, false, false, true, false},
       {P::kCerrarGrados}},
      {"grados en el mapa", {false, true, false, false, false, false, true}, {P::kCerrarGrados}},
      {"dobles en el mapa",
       {false, false, false, true, false, false, true},
       {P::kCerrarResultado, P::kMenuDesdeDobles}},
      {"dobles con universidades: al mapa",
       {false, false, false, true, false, true, false},
       {P::kComunidadAlMapa}},
      {"dobles en lista: al menu",
       {false, false, true, true, false, true, false},
       {P::kCerrarResultado, P::kMenuDesdeDobles}},
      {"otras carreras",
       {false, false, false, false, true, true, false},
       {P::kCerrarResultado, P::kMenuDesdeOtras}},
      {"artes sigue con las demas reglas",
       {true, false, false, false, false, true, false},
       {P::kSalirArtes, P::kCerrarResultado}},
  };
  for (const CasoRetroceso& c : casos) EXPECT_EQ(Retroceder(c.estado), c.pasos) << c.que;
}

}  // namespace
}  // namespace sendaro
