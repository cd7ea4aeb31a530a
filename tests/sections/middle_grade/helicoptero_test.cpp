// The helicopter's paths: the introduction's legs, the pilot's walk, the
// bubble, the warning flight and the sliding help line.
#include "sections/middle_grade/helicoptero.h"

#include <gtest/gtest.h>

#include <vector>

namespace sendaro {
namespace {

TEST(Helicoptero, PosicionEnLaCurva) {
  // n = 1, c = 0: sin(pi/15)*75 = 15.6 -> 16; cos(pi/40)*75 + 75 = 149.8 -> 150.
  EXPECT_EQ(PosicionHelicoptero(1, 0), (PuntoGM{382, 550}));
  // n = 36: sin(2.4 pi)*75 = 71.3 -> 71; c = 0: cos(0.9 pi)*75 + 75 = 3.7 -> 4;
  // c = 20: cos(0.6 pi)*75 + 75 = 51.8 -> 52.
  EXPECT_EQ(PosicionHelicoptero(36, 0), (PuntoGM{492, 258}));
  EXPECT_EQ(PosicionHelicoptero(36, 20), (PuntoGM{492, 354}));
}

TEST(Helicoptero, IntroduccionDosTramosYFin) {
  IntroduccionHelicoptero intro(157, 45);
  intro.FijarTamanoHelicoptero(60, 30);
  std::vector<IntroduccionHelicoptero::Paso> pasos;
  for (int i = 0; i < 73; ++i) pasos.push_back(intro.Avanzar());

  // Leg 1, first tick: the engine starts, the button is small.
  EXPECT_TRUE(pasos[0].motor);
  EXPECT_FALSE(pasos[0].borrarPiloto);
  EXPECT_EQ(pasos[0].helicoptero, (PuntoGM{382, 550}));
  EXPECT_EQ(pasos[0].boton, (RectGM{82, 550, 157 - 3 * 34, 45 - 34}));
  EXPECT_FALSE(pasos[34].finTramo);

  // Tick 36 ends leg 1: the button rises 20 px; the pilot starts at the
  // helicopter's top centre.
  const auto& fin1 = pasos[35];
  EXPECT_EQ(fin1.tramo, 1);
  EXPECT_TRUE(fin1.finTramo);
  EXPECT_EQ(fin1.boton, (RectGM{192, 238, 160, 46}));
  EXPECT_EQ(fin1.piloto, (PuntoGM{492 + 30, 258}));
  EXPECT_FALSE(fin1.mostrarSalir);
  EXPECT_EQ(fin1.boton, intro.BotonFinal(1));

  // Leg 2 starts over on a flatter curve, first erasing leg 1's pilot.
  EXPECT_EQ(pasos[36].tramo, 2);
  EXPECT_TRUE(pasos[36].motor);
  EXPECT_TRUE(pasos[36].borrarPiloto);
  EXPECT_EQ(pasos[36].helicoptero, PosicionHelicoptero(1, 20));
  const auto& fin2 = pasos[71];
  EXPECT_TRUE(fin2.finTramo);
  EXPECT_EQ(fin2.boton, (RectGM{192, 334, 160, 46}));
  EXPECT_TRUE(fin2.mostrarSalir);
  EXPECT_EQ(fin2.salir, (RectGM{192, 454, 160, 46}));
  EXPECT_EQ(fin2.boton, intro.BotonFinal(2));
  EXPECT_EQ(fin2.salir, intro.SalirFinal());

  // Leg 3's first tick is the end.
  EXPECT_TRUE(pasos[72].terminada);
  EXPECT_FALSE(pasos[72].motor);
  EXPECT_TRUE(intro.Terminada());

  intro.Reiniciar();
  EXPECT_EQ(intro.Avanzar().helicoptero, (PuntoGM{382, 550}));
}

TEST(Helicoptero, TerminarCortaElVuelo) {
  IntroduccionHelicoptero intro(157, 45);
  intro.Avanzar();
  intro.Terminar();
  const auto p = intro.Avanzar();
  EXPECT_TRUE(p.terminada);
  EXPECT_FALSE(p.finTramo);
}

TEST(Helicoptero, PilotoOchoCuadrosYBocadillo) {
  PasoPilotoGM piloto;
  piloto.Iniciar({100, 200}, 2);
  for (int k = 0; k < 7; ++k) {
    const auto p = piloto.Avanzar();
    EXPECT_EQ(p.cuadro, k);
    EXPECT_EQ(p.donde, (PuntoGM{100 + 10 * k, 200}));
    EXPECT_FALSE(p.fin);
  }
  const auto ultimo = piloto.Avanzar();
  EXPECT_EQ(ultimo.cuadro, 7);
  EXPECT_TRUE(ultimo.fin);
  EXPECT_EQ(piloto.Mensaje(), 2);

  EXPECT_EQ(RectBocadillo({100, 200}), (RectGM{65, 140, 95, 55}));
  EXPECT_EQ(LineasBocadillo({100, 200})[2], (PuntoGM{68, 173}));
  EXPECT_EQ(TextosMensaje(1), (std::array<int, 3>{154, 155, 156}));
  EXPECT_EQ(TextosMensaje(3), (std::array<int, 3>{160, 161, 162}));
  EXPECT_EQ(TextosMensaje(4), (std::array<int, 3>{0, 0, 0}));
}

TEST(Helicoptero, VueloDeAvisoYAyudaDeslizante) {
  VueloAviso vuelo;
  vuelo.Iniciar(768);
  VueloAviso::Paso p;
  for (int i = 0; i < 8; ++i) {
    p = vuelo.Avanzar();
    EXPECT_FALSE(p.fin);
  }
  p = vuelo.Avanzar();
  EXPECT_TRUE(p.fin);
  EXPECT_EQ(p.helicoptero, (PuntoGM{70 + 9 * 8, 588}));

  // From the right edge: 994 -> 954 ... stops at the first left below 300.
  int izquierda = 994;
  int ticks = 0;
  PasoAyudaDeslizante a;
  do {
    a = DeslizarAyuda(izquierda, 1024);
    EXPECT_EQ(a.ancho, 1024 - izquierda - 80);
    EXPECT_EQ(a.izquierdaHeli, a.izquierda - 85);
    izquierda = a.izquierda;
    ++ticks;
  } while (!a.fin);
  EXPECT_EQ(izquierda, 274);
  EXPECT_EQ(ticks, 18);
}

}  // namespace
}  // namespace sendaro
