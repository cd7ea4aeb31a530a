// The scene's movement rules, stepped frame by frame on the fixed 33 ms tick.
#include "hall/escena/escena.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "hall/escena/medidas.h"

namespace sendaro::escena {
namespace {

double Redondo(double v) { return std::round(v); }

BancoImagenes BancoCompleto(char tema = 'F', std::string_view sin = {}) {
  BancoImagenes b;
  auto poner = [&](std::string_view n, int w, int h, int p) {
    if (n != sin) b.Agregar(std::string(n), w, h, p);
  };
  for (const Medida& m : kMedidasTema) poner(m.nombre, m.ancho, m.alto, m.patrones);
  for (const Medida& m : kMedidasComunes) poner(m.nombre, m.ancho, m.alto, m.patrones);
  for (const Medida& m : kMedidasAdornos) {
    if (tema != 'I') poner(m.nombre, m.ancho, m.alto, m.patrones);
  }
  for (std::string_view c : kConjuntosFigura) {
    for (int k = 1; k <= kFramesFigura; ++k) {
      char n[16];
      std::snprintf(n, sizeof n, "%.*s%02d", static_cast<int>(c.size()), c.data(), k);
      poner(n, kAnchoFigura, kAltoFigura, 1);
    }
  }
  return b;
}

struct Acciones : AccionesEscena {
  std::vector<int> puertas;
  int dejar = 0;
  int salir = 0;
  bool respuestaSalir = false;
  std::vector<bool> ayudas;
  std::vector<std::string> sonidos;
  void AbrirPuerta(int codigo) override { puertas.push_back(codigo); }
  void DejarEstudiar() override { ++dejar; }
  bool Salir() override {
    ++salir;
    return respuestaSalir;
  }
  void Ayuda(bool cortina) override { ayudas.push_back(cortina); }
  void Sonar(std::string_view nombre) override { sonidos.emplace_back(nombre); }
};

struct LienzoAnotado : Lienzo {
  std::vector<TextoEscena> textos;
  int volteos = 0;
  std::vector<std::vector<Caja>> zonas;  // per page shown: its boxes, none when whole
  std::vector<Caja> pendientes;
  void Zonas(const std::vector<Caja>& z) override { pendientes = z; }
  void Sprites(Mundo&) override {
    textos.clear();
    zonas.push_back(std::exchange(pendientes, {}));
  }
  void Texto(const TextoEscena& t) override { textos.push_back(t); }
  void Voltear() override { ++volteos; }
};

class EscenaTest : public ::testing::Test {
 protected:
  void Crear(std::string nombre = "", int mhz = 2000, char tema = 'F') {
    banco = BancoCompleto(tema);
    acciones = Acciones{};
    DatosEscena d;
    d.texto = [this](int n) -> std::string_view {
      textos.push_back("T" + std::to_string(n));
      return textos.back();
    };
    d.nombreCentro = std::move(nombre);
    d.letraTema = tema;
    d.colorNombre = {0, 0, 255};
    d.colorAno = {128, 0, 0};
    d.tramo = TramoVelocidad(mhz);
    d.conMusica = true;
    std::string error;
    escena = Escena::Construir(banco, d, acciones, error);
    ASSERT_TRUE(escena) << error;
    escena->Iniciar();
  }
  // Finishes the intro, then puts the figure at (x, y).
  void Colocar(double x, double y) {
    for (int i = 0; i < 400 && escena->IntroActiva(); ++i) escena->Frame(nullptr);
    ASSERT_FALSE(escena->IntroActiva());
    escena->Figura().X = x;
    escena->Figura().Y = y;
    escena->MoverFigura(0);
  }
  bool Moviendo() const {
    return escena->Direccion(kArriba) || escena->Direccion(kAbajo) || escena->Direccion(kDerecha) ||
           escena->Direccion(kIzquierda);
  }
  // Frames until the figure stands still (at most `limite`); how many ran.
  int Caminar(int limite = 600) {
    int n = 0;
    while (Moviendo() && n < limite) {
      escena->Frame(nullptr);
      ++n;
    }
    return n;
  }
  // Points at a world position and lets one frame see it.
  void Apuntar(double wx, double wy) {
    const Sprite& f = escena->Figura();
    escena->FijarPuntero(static_cast<int>(wx - f.X + 476), static_cast<int>(wy - f.Y + 300));
    escena->Frame(nullptr);
  }
  std::string Imagen() { return escena->Figura().imagen()->nombre; }
  // Frames until the scene foresees no change for the next tick (at most 30);
  // whether it got there.
  bool Asentar(Lienzo* lienzo) {
    for (int i = 0; i < 30 && escena->TicksHastaCambio() == 1; ++i) escena->Frame(lienzo);
    return escena->TicksHastaCambio() > 1;
  }

  std::deque<std::string> textos;
  BancoImagenes banco;
  Acciones acciones;
  std::unique_ptr<Escena> escena;
};

TEST_F(EscenaTest, AnguloDelClicEligeLasDirecciones) {
  struct Caso {
    int dx, dy;
    bool arriba, abajo, derecha, izquierda;
    const char* imagen;
  } casos[] = {
      {0, -200, true, false, false, false, "manup01"},
      {35, -100, true, false, false, false, "manup01"},  // 19 degrees
      {37, -100, true, false, true, false, "mander01"},  // 20 degrees: diagonal
      {100, -100, true, false, true, false, "mander01"},
      {-100, -100, true, false, false, true, "manizq01"},
      {280, -100, true, false, true, false, "mander01"},   // 70 degrees: still diagonal
      {300, -100, false, false, true, false, "mander01"},  // 71 degrees
      {-300, 100, false, false, false, true, "manizq01"},
      {100, 100, false, true, true, false, "mander01"},
      {0, 150, false, true, false, false, "mandown01"},
      {200, 0, false, false, false, false, "manup01"},  // on the figure's row
  };
  Crear();
  Colocar(60, -150);
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::to_string(c.dx) + "," + std::to_string(c.dy));
    escena->Figura().FijarImagen(banco.Buscar("manup01"));
    escena->FijarPuntero(512 + c.dx, 384 + c.dy);
    escena->Click();
    EXPECT_EQ(escena->Direccion(kArriba), c.arriba);
    EXPECT_EQ(escena->Direccion(kAbajo), c.abajo);
    EXPECT_EQ(escena->Direccion(kDerecha), c.derecha);
    EXPECT_EQ(escena->Direccion(kIzquierda), c.izquierda);
    EXPECT_EQ(Imagen(), c.imagen);
    EXPECT_DOUBLE_EQ(escena->DestinoX(), 60 + c.dx);
    EXPECT_DOUBLE_EQ(escena->DestinoY(), -150 + c.dy);
    EXPECT_EQ(escena->Figura().Z, 3);
  }
}

TEST_F(EscenaTest, ClicRectoArribaParaTreintaPixelesAntes) {
  Crear();
  Colocar(40, -100);
  escena->FijarPuntero(512, 184);
  escena->Click();
  const double ty = escena->DestinoY();
  EXPECT_DOUBLE_EQ(ty, -300);
  const int frames = Caminar();
  const double y = escena->Figura().Y;
  EXPECT_LE(Redondo(y), ty - 30);
  EXPECT_GT(y, ty - 30 - 4.5 - 1e-9);
  EXPECT_DOUBLE_EQ(escena->Figura().X, 40);
  EXPECT_EQ(Imagen(), "manup01");
  // 4.5 pixels a frame on the 1000-5000 MHz tier.
  EXPECT_NEAR(frames, 230 / 4.5, 2);
}

TEST_F(EscenaTest, DiagonalParaSoloCuandoSeCumplenLasDosCondiciones) {
  Crear();
  Colocar(200, 50);
  escena->FijarPuntero(412, 284);  // 45 degrees up and to the left
  escena->Click();
  const double tx = escena->DestinoX(), ty = escena->DestinoY();
  bool horizontalAntes = false;
  while (Moviendo()) {
    const Sprite& f = escena->Figura();
    if (Redondo(f.X) <= tx - 10 && Redondo(f.Y) > ty - 30) {
      horizontalAntes = true;
      EXPECT_TRUE(escena->Direccion(kArriba) && escena->Direccion(kIzquierda));
    }
    escena->Frame(nullptr);
  }
  EXPECT_TRUE(horizontalAntes);
  EXPECT_LE(Redondo(escena->Figura().X), tx - 10);
  EXPECT_LE(Redondo(escena->Figura().Y), ty - 30);
  EXPECT_EQ(Imagen(), "manupizq01");
}

TEST_F(EscenaTest, LasParedesParanLaFigura) {
  struct Caso {
    const char* nombre;
    double x, y;
    int ptrX, ptrY;
    bool ejeX;
    double desde, hasta;  // where the figure must end, on that axis
    const char* imagen;
  } casos[] = {
      {"pasillo de arriba, pared derecha", -400, -1400, 1023, 383, true, -20, -15.5, "mander01"},
      {"planta baja, izquierda", 0, -160, 0, 383, true, -233.5, -229, "manizq01"},
      {"planta baja, derecha", 100, -160, 1023, 383, true, 339, 343.5, "mander01"},
      {"primera pared desde abajo", 200, -150, 512, 0, false, -190.5, -185, "manup01"},
      {"segunda pared desde abajo", 100, -600, 512, 0, false, -713.5, -708, "manup01"},
      {"segunda pared desde arriba", 100, -1100, 512, 760, false, -999.5, -994.5, "mandown01"},
      {"tercera pared", -300, -1210, 512, 0, false, -1236, -1231, "manup01"},
      {"segundo piso, derecha", 700, -600, 1023, 383, true, 869, 873.5, "mander01"},
      {"segundo piso, izquierda", -300, -600, 0, 383, true, -473.5, -469, "manizq01"},
      {"pasillo de arriba, izquierda", -600, -1100, 0, 383, true, -823.5, -819, "manizq01"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    Crear();
    Colocar(c.x, c.y);
    escena->FijarPuntero(c.ptrX, c.ptrY);
    escena->Click();
    Caminar();
    const Sprite& f = escena->Figura();
    const double v = c.ejeX ? f.X : f.Y;
    EXPECT_GE(v, c.desde);
    EXPECT_LE(v, c.hasta);
    // It stopped at the wall, short of where it was sent.
    if (c.ejeX) {
      EXPECT_GT(std::abs(escena->DestinoX() - 10 - f.X), 5);
    } else {
      EXPECT_GT(std::abs(escena->DestinoY() - 30 - f.Y), 5);
    }
    EXPECT_EQ(Imagen(), c.imagen);
  }
}

TEST_F(EscenaTest, LosPasosAbiertosDejanCruzar) {
  struct Caso {
    double x, y, hasta;
  } casos[] = {{40, -150, -400}, {-440, -600, -900}, {760, -600, -900}};
  for (const Caso& c : casos) {
    Crear();
    Colocar(c.x, c.y);
    escena->FijarPuntero(512, 0);
    escena->Click();
    Caminar();
    EXPECT_LT(escena->Figura().Y, c.hasta) << c.x;
  }
}

TEST_F(EscenaTest, ElBocadilloDiceLoQueTocaSegunDonde) {
  struct Caso {
    double x, y;
    int primero;  // catalogue text of the first line, 0 = hidden
  } casos[] = {{60, -100, 38},    {60, -260, 38},  {60, -261, 0}, {60, -400, 444},
               {-500, -480, 450}, {60, -700, 450}, {60, -701, 0}, {60, -950, 454},
               {900, -1100, 454}, {60, -1300, 0}};
  Crear();
  Colocar(0, 0);
  for (const Caso& c : casos) {
    escena->Figura().X = c.x;
    escena->Figura().Y = c.y;
    escena->Frame(nullptr);
    const auto& l = escena->LineasBocadillo();
    if (c.primero == 0) {
      EXPECT_EQ(l[0], "") << c.y;
      EXPECT_FALSE(escena->Bocadillo().Visible);
    } else {
      EXPECT_EQ(l[0], "T" + std::to_string(c.primero)) << c.y;
      EXPECT_TRUE(escena->Bocadillo().Visible);
    }
  }
  escena->Figura().X = 1850;
  escena->Figura().Y = -1100;
  escena->Frame(nullptr);
  EXPECT_EQ(escena->LineasBocadillo()[0], "    Estas perdido...");
  EXPECT_EQ(escena->LineasBocadillo()[3], "    estudiando.");
}

TEST_F(EscenaTest, DejarDeEstudiarSeAbreUnaVezPorEntrada) {
  Crear();
  Colocar(1000, -1100);
  auto derecha = [&] {
    escena->FijarPuntero(1023, 383);
    escena->Click();
  };
  derecha();
  Caminar();
  EXPECT_EQ(acciones.dejar, 1);
  EXPECT_GE(escena->Figura().X, 1110);
  derecha();  // further in: still the same visit
  Caminar();
  EXPECT_EQ(acciones.dejar, 1);
  while (escena->Figura().X >= 1110) {
    escena->FijarPuntero(0, 383);
    escena->Click();
    Caminar();
  }
  EXPECT_EQ(acciones.dejar, 1);
  while (escena->Figura().X < 1110) {
    derecha();
    Caminar();
  }
  EXPECT_EQ(acciones.dejar, 2);
}

TEST_F(EscenaTest, LaSalidaPreguntaYElNoSigue) {
  Crear();
  Colocar(-100, -100);
  escena->FijarPuntero(0, 383);
  escena->Click();
  Caminar();
  EXPECT_EQ(acciones.salir, 1);
  EXPECT_TRUE(escena->Corriendo());
  EXPECT_LT(escena->Figura().X, -180);
  escena->Frame(nullptr);
  EXPECT_EQ(acciones.salir, 1);  // latched while inside

  acciones.respuestaSalir = true;
  escena->FijarPuntero(1000, 383);
  escena->Click();
  for (int i = 0; i < 20; ++i) escena->Frame(nullptr);
  EXPECT_GT(escena->Figura().X, -180);
  escena->FijarPuntero(0, 383);
  escena->Click();
  Caminar();
  EXPECT_EQ(acciones.salir, 2);
  EXPECT_FALSE(escena->Corriendo());
}

TEST_F(EscenaTest, LaAyudaSeAbreAlEntrarYSeCierraElTemporizador) {
  Crear();
  Colocar(250, -100);
  escena->FijarPuntero(1000, 383);
  escena->Click();
  for (int i = 0; i < 40 && escena->Corriendo(); ++i) escena->Frame(nullptr);
  ASSERT_EQ(acciones.ayudas.size(), 1u);
  EXPECT_FALSE(acciones.ayudas[0]);  // no curtain
  EXPECT_FALSE(escena->Corriendo());
  escena->Iniciar();
  for (int i = 0; i < 5; ++i) escena->Frame(nullptr);
  EXPECT_EQ(acciones.ayudas.size(), 1u);
}

TEST_F(EscenaTest, LupaYSalidaDelMapa) {
  Crear();
  Colocar(60, -150);
  // The magnifier sits right of the mini-map at the bottom left of the screen.
  escena->FijarPuntero(150 + 20, 675 + 20);
  escena->Frame(nullptr);
  EXPECT_TRUE(escena->Mano());
  escena->Click();
  ASSERT_EQ(acciones.ayudas.size(), 1u);
  EXPECT_TRUE(acciones.ayudas[0]);
  EXPECT_FALSE(escena->Corriendo());

  escena->Iniciar();
  escena->FijarPuntero(150 + 20, 675 + 46 + 20);
  escena->Frame(nullptr);
  EXPECT_TRUE(escena->Mano());
  escena->Click();
  EXPECT_EQ(acciones.salir, 1);
  EXPECT_TRUE(escena->Corriendo());  // answered No

  escena->FijarPuntero(600, 200);
  escena->Frame(nullptr);
  EXPECT_FALSE(escena->Mano());

  // A click straight after moving onto the magnifier, before any frame.
  escena->FijarPuntero(150 + 20, 675 + 20);
  EXPECT_TRUE(escena->Mano());
  escena->Click();
  EXPECT_EQ(acciones.ayudas.size(), 2u);
}

TEST_F(EscenaTest, DobleClicEnUnaPuertaDeArribaEntraYAbreSuSeccion) {
  const double xs[] = {-823, -475, -142, 372, 717, 1051};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    Crear();
    Colocar(xs[i] + 30, -1150);
    Apuntar(xs[i] + 70, -1200);
    EXPECT_TRUE(escena->Mano());
    EXPECT_EQ(escena->PuertaSuperior(i).imagen()->nombre, "puerta2");
    escena->Click();
    escena->DobleClick();
    EXPECT_EQ(escena->Figura().Z, 4);
    // What is drawn: the door open while the figure walks in.
    struct : Lienzo {
      Sprite* puerta;
      bool abierta = false;
      void Sprites(Mundo&) override { abierta = abierta || puerta->imagen()->nombre == "puer3"; }
      void Texto(const TextoEscena&) override {}
      void Voltear() override {}
    } lienzo;
    lienzo.puerta = &escena->PuertaSuperior(i);
    for (int f = 0; f < 200 && acciones.puertas.empty(); ++f) escena->Frame(&lienzo);
    EXPECT_TRUE(lienzo.abierta);
    ASSERT_EQ(acciones.puertas.size(), 1u);
    EXPECT_EQ(acciones.puertas[0], Escena::kCodigosSuperiores[static_cast<std::size_t>(i)]);
    EXPECT_LT(escena->Figura().Y, -1331 - 150);
    // The hall comes back: the figure walks back out of the door.
    EXPECT_TRUE(escena->SaliendoPorPuerta());
    for (int f = 0; f < 200 && escena->SaliendoPorPuerta(); ++f) escena->Frame(nullptr);
    EXPECT_FALSE(escena->SaliendoPorPuerta());
    EXPECT_GE(escena->Figura().Y, -1331 + 100);
    EXPECT_EQ(acciones.puertas.size(), 1u);
  }
}

TEST_F(EscenaTest, DobleClicEnUnaPuertaDeAbajo) {
  const double xs[] = {-165, 100, 365};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    Crear();
    Colocar(xs[i] + 30, -650);
    Apuntar(xs[i] + 80, -750);
    EXPECT_EQ(escena->PuertaInferior(i).imagen()->nombre, "puerta2");
    escena->Click();
    escena->DobleClick();
    EXPECT_TRUE(acciones.puertas.empty());  // too far: it walks
    for (int f = 0; f < 200 && acciones.puertas.empty(); ++f) {
      escena->FijarPuntero(476 + 50, 200);  // the pointer stays by the figure
      escena->Frame(nullptr);
    }
    ASSERT_EQ(acciones.puertas.size(), 1u);
    EXPECT_EQ(acciones.puertas[0], Escena::kCodigosInferiores[static_cast<std::size_t>(i)]);
    EXPECT_LT(escena->Figura().Y, -808 - 150);
  }
}

TEST_F(EscenaTest, DobleClicJuntoALaPuertaLaAbreSinCaminar) {
  Crear();
  Colocar(130, -740);  // closer than 80 pixels below the professions door
  Apuntar(180, -760);
  escena->Click();
  escena->DobleClick();
  ASSERT_EQ(acciones.puertas.size(), 1u);
  EXPECT_EQ(acciones.puertas[0], 7);
  EXPECT_FALSE(escena->SaliendoPorPuerta());
}

TEST_F(EscenaTest, SinApuntarCercaNoSeEntraEnLaPuertaDeAbajo) {
  Crear();
  Colocar(130, -650);
  Apuntar(180, -750);
  escena->Click();
  escena->DobleClick();
  for (int f = 0; f < 200; ++f) {
    escena->FijarPuntero(1000, 100);  // far from the figure
    escena->Frame(nullptr);
  }
  EXPECT_TRUE(acciones.puertas.empty());
  EXPECT_GE(escena->Figura().Y, -713.5);  // the wall stopped it
}

TEST_F(EscenaTest, ElCirculoDeSeleccionMuereTrasSusSeisImagenes) {
  Crear();
  Colocar(60, -150);
  const int antes = escena->mundo().Cuenta();
  escena->FijarPuntero(700, 300);
  escena->Click();
  EXPECT_EQ(escena->mundo().Cuenta(), antes + 1);
  for (int i = 0; i < 31; ++i) escena->Frame(nullptr);
  EXPECT_EQ(escena->mundo().Cuenta(), antes + 1);
  escena->Frame(nullptr);
  EXPECT_EQ(escena->mundo().Cuenta(), antes);
}

TEST_F(EscenaTest, LaIntroEscribeElNombreSegunElTramo) {
  struct Caso {
    int mhz;
    int framesPorLetra;
  } casos[] = {{300, 1}, {500, 1}, {700, 1}, {900, 2}, {2000, 3}, {6000, 2}};
  const std::string nombre = "IES Sendaro";
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.mhz);
    Crear(nombre, c.mhz);
    LienzoAnotado lienzo;
    int frames = 0;
    while (!escena->IntroCaminando() && frames < 1000) {
      escena->Frame(&lienzo);
      ++frames;
      EXPECT_EQ(escena->NombreEscrito().size(),
                std::min<std::size_t>(nombre.size(),
                                      static_cast<std::size_t>(frames / c.framesPorLetra)));
    }
    EXPECT_EQ(frames, static_cast<int>(nombre.size()) * c.framesPorLetra);
    EXPECT_EQ(escena->NombreEscrito(), nombre);
    // It waited while the name was typed; its first step comes with the last letter.
    EXPECT_DOUBLE_EQ(escena->Figura().Y, -2);
    // Then it walks in, 4 pixels a frame, whatever the tier.
    escena->Frame(&lienzo);
    EXPECT_DOUBLE_EQ(escena->Figura().Y, -6);
    bool anno = false;
    for (const auto& t : lienzo.textos) anno = anno || t.texto == "2008-2009";
    EXPECT_TRUE(anno);
    int pasos = 0;
    while (escena->IntroActiva() && pasos < 200) {
      escena->Frame(&lienzo);
      ++pasos;
    }
    EXPECT_FALSE(escena->IntroActiva());
    EXPECT_LT(escena->Figura().Y, -250);
    EXPECT_DOUBLE_EQ(escena->Figura().X, 60);
    EXPECT_NEAR(pasos, 250 / 4, 2);
  }
}

TEST_F(EscenaTest, LosRotulosLlevanSombraYElPrimerFrameSuena) {
  Crear("", 2000);
  LienzoAnotado lienzo;
  escena->Frame(&lienzo);
  ASSERT_EQ(acciones.sonidos, std::vector<std::string>{"inicio"});
  escena->Frame(&lienzo);
  EXPECT_EQ(acciones.sonidos.size(), 1u);
  // "Salir" (54) on its sign near the start, black, then the theme colour a pixel higher.
  const TextoEscena* negro = nullptr;
  const TextoEscena* color = nullptr;
  for (const auto& t : lienzo.textos) {
    if (t.texto != "T54") continue;
    (t.color == Color{0, 0, 0} ? negro : color) = &t;
  }
  ASSERT_TRUE(negro && color);
  EXPECT_EQ(color->color, (Color{128, 0, 0}));
  EXPECT_DOUBLE_EQ(color->y, negro->y - 1);
  EXPECT_DOUBLE_EQ(color->x, negro->x);
  EXPECT_EQ(negro->tamano, 16);
}

TEST_F(EscenaTest, ElCaminoDeLaFiguraAnimaSusDiezImagenes) {
  Crear();
  Colocar(60, -150);
  escena->FijarPuntero(1000, 383);
  escena->Click();
  std::set<std::string> vistas;
  int cambios = 0;
  std::string antes = Imagen();
  for (int i = 0; i < 30; ++i) {
    escena->Frame(nullptr);
    vistas.insert(Imagen());
    if (Imagen() != antes) ++cambios;
    antes = Imagen();
  }
  // A new picture every third frame, all ten of the direction.
  EXPECT_EQ(vistas.size(), 10u);
  EXPECT_EQ(cambios, 10);
  for (const auto& v : vistas) EXPECT_EQ(v.substr(0, 6), "mander");
}

TEST(EscenaConstruir, FaltaUnaImagenYNoSeConstruye) {
  for (std::string_view falta : {"lupa", "pared", "mandoizq10", "espada", "circ6"}) {
    BancoImagenes banco = BancoCompleto('C', falta);
    Acciones acciones;
    DatosEscena d;
    d.letraTema = 'C';
    std::string error;
    EXPECT_EQ(Escena::Construir(banco, d, acciones, error), nullptr) << falta;
    EXPECT_NE(error.find(falta), std::string::npos) << error;
  }
}

TEST(EscenaConstruir, ElTemaIncaNoTieneAdornos) {
  BancoImagenes banco = BancoCompleto('I');
  Acciones acciones;
  DatosEscena d;
  d.letraTema = 'I';
  std::string error;
  auto e = Escena::Construir(banco, d, acciones, error);
  ASSERT_TRUE(e) << error;
  BancoImagenes conAdornos = BancoCompleto('N');
  d.letraTema = 'N';
  auto n = Escena::Construir(conAdornos, d, acciones, error);
  ASSERT_TRUE(n);
  // Five torches and two clowns.
  EXPECT_EQ(n->mundo().Cuenta() - e->mundo().Cuenta(), 7);
}

TEST(Velocidad, TramosDelReloj) {
  struct Caso {
    int mhz;
    double s;
    int m, t;
  } casos[] = {{399, 0.25, 66, 5},   {400, 0.23, 45, 8},   {599, 0.23, 45, 8},
               {600, 0.21, 33, 15},  {800, 0.20, 28, 20},  {999, 0.20, 28, 20},
               {1000, 0.18, 25, 30}, {4999, 0.18, 25, 30}, {5000, 0.20, 25, 20}};
  for (const Caso& c : casos) {
    const Tramo t = TramoVelocidad(c.mhz);
    EXPECT_DOUBLE_EQ(t.s, c.s) << c.mhz;
    EXPECT_EQ(t.m, c.m) << c.mhz;
    EXPECT_EQ(t.t, c.t) << c.mhz;
  }
  EXPECT_GT(MedirMHz(5), 0);
}

}  // namespace
}  // namespace sendaro::escena

namespace sendaro::escena {
namespace {

// Sprites drawn after the figure whose box overlaps hers.
std::vector<std::string> Encima(Escena& e) {
  const Sprite& f = e.Figura();
  std::vector<std::string> encima;
  bool despues = false;
  for (const Sprite* s : e.mundo().EnOrden()) {
    if (s == &f) {
      despues = true;
      continue;
    }
    if (!despues || !s->Visible || s->imagen() == nullptr || s->Z >= 8) continue;
    if (s->X < f.X + f.Ancho() && s->X + s->Ancho() > f.X && s->Y < f.Y + f.Alto() &&
        s->Y + s->Alto() > f.Y)
      encima.push_back(s->imagen()->nombre);
  }
  return encima;
}

TEST_F(EscenaTest, LaFiguraQuietaNuncaQuedaTapadaPorParedesNiRotulos) {
  // Out of a lower door and down into the wall below the corridor: she stops
  // inside the wall's band, under the wall and its two signs.
  Crear("", 2000, 'I');
  Colocar(141, -706);
  escena->FijarPuntero(512, 700);
  escena->Frame(nullptr);
  escena->Click();
  escena->Frame(nullptr);
  EXPECT_EQ(escena->Figura().Z, 3);  // walking: the walls keep their depth
  Caminar();
  EXPECT_LT(escena->Figura().Y, -400);
  EXPECT_GT(escena->Figura().Y, -477);
  escena->Frame(nullptr);
  EXPECT_EQ(escena->Figura().Z, 7);
  EXPECT_TRUE(Encima(*escena).empty()) << Encima(*escena).front();

  // Walking on again, she goes back to her walking depth.
  escena->FijarPuntero(200, 100);
  escena->Frame(nullptr);
  escena->Click();
  escena->Frame(nullptr);
  EXPECT_EQ(escena->Figura().Z, 3);
}


// The frame timer may sleep while nothing moves: the scene says how many
// ticks nothing will change, and sleeping through them shows the same.
TEST_F(EscenaTest, QuietaSoloCambiaLaDianaYDormirNoPierdeNada) {
  Crear("", 2000, 'I');
  Colocar(60, -150);
  LienzoAnotado despierto;
  ASSERT_TRUE(Asentar(&despierto));

  // Every tick run: only the blink draws, and only the target's box.
  const int inicio = escena->Frames();
  despierto.zonas.clear();
  for (int i = 0; i < 110; ++i) escena->Frame(&despierto);
  EXPECT_EQ(despierto.zonas.size(), 10u);
  for (const auto& z : despierto.zonas) {
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].ancho * z[0].alto, 9 * 9);
  }

  // The same ticks slept through: two frames a blink, the same pages shown.
  std::unique_ptr<Escena> primera = std::move(escena);
  Crear("", 2000, 'I');
  Colocar(60, -150);
  LienzoAnotado dormido;
  ASSERT_TRUE(Asentar(&dormido));
  ASSERT_EQ(escena->Frames(), inicio);
  dormido.zonas.clear();
  int frames = 0;
  while (escena->Frames() < inicio + 110) {
    const int ticks = escena->TicksHastaCambio();
    escena->Dormir(std::min(ticks, inicio + 110 - escena->Frames()) - 1);
    escena->Frame(&dormido);
    ++frames;
  }
  EXPECT_EQ(escena->Frames(), primera->Frames());
  EXPECT_LE(frames, 20);
  EXPECT_EQ(dormido.zonas, despierto.zonas);
}

TEST_F(EscenaTest, LaEntradaYLasAnimacionesPidenFrames) {
  struct Caso {
    const char* que;
    char tema;
    double x, y;
    std::function<void(Escena&)> hacer;
    bool pide;
  } casos[] = {
      {"nada", 'I', 60, -150, [](Escena&) {}, false},
      {"puntero", 'I', 60, -150, [](Escena& e) { e.FijarPuntero(300, 300); }, true},
      {"clic", 'I', 60, -150, [](Escena& e) { e.Click(); }, true},
      {"doble clic", 'I', 60, -150, [](Escena& e) { e.DobleClick(); }, true},
      {"vuelve al vestibulo", 'I', 60, -150, [](Escena& e) { e.Iniciar(); }, true},
      {"adorno a la vista", 'F', 60, -150, [](Escena&) {}, true},
      {"adornos fuera de la vista", 'F', 900, -650, [](Escena&) {}, false},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.que);
    Crear("", 2000, c.tema);
    Colocar(c.x, c.y);
    // Settled, unless something animates in view.
    const bool adornoALaVista = c.tema != 'I' && c.x == 60;
    EXPECT_EQ(Asentar(nullptr), !adornoALaVista);
    c.hacer(*escena);
    EXPECT_EQ(escena->TicksHastaCambio() == 1, c.pide);
  }

  // A walk and its selection circle ask for every frame until both end.
  Crear("", 2000, 'I');
  Colocar(60, -150);
  escena->FijarPuntero(700, 300);
  escena->Click();
  int frames = 0;
  while (escena->TicksHastaCambio() == 1 && frames < 600) {
    escena->Frame(nullptr);
    ++frames;
  }
  EXPECT_FALSE(Moviendo());
  EXPECT_GE(frames, 32);  // the circle's life
  EXPECT_LT(frames, 600);
}

TEST_F(EscenaTest, DespiertaAPasoFijoSinRecuperarLoDormido) {
  Crear("", 2000, 'I');
  Colocar(60, -150);
  ASSERT_TRUE(Asentar(nullptr));
  escena->Dormir(1000);
  const int frames = escena->Frames();
  const double y = escena->Figura().Y;
  escena->FijarPuntero(512, 100);
  escena->Click();
  escena->Frame(nullptr);
  EXPECT_EQ(escena->Frames(), frames + 1);
  EXPECT_DOUBLE_EQ(escena->Figura().Y, y - escena->tramo().s * escena->tramo().m);
  escena->Frame(nullptr);
  EXPECT_DOUBLE_EQ(escena->Figura().Y, y - 2 * escena->tramo().s * escena->tramo().m);
}

}  // namespace
}  // namespace sendaro::escena
