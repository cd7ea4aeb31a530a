#include "hall/escena/escena.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sendaro::escena {

namespace {

constexpr Color kNegro{0, 0, 0};
constexpr Color kBlanco{255, 255, 255};

// The figure: its move step is the scene's movement rules.
class SpriteFigura : public Sprite {
 public:
  explicit SpriteFigura(Escena& escena) : escena_(escena) {}
  void Mover(int n) override { escena_.MoverFigura(n); }

 private:
  Escena& escena_;
};

// The selection circle left where the user clicked: it runs through its six
// pictures and dies.
class SpriteCirculo : public Sprite {
 public:
  explicit SpriteCirculo(std::array<const Imagen*, 6> imagenes) : imagenes_(imagenes) {
    FijarImagen(imagenes_[0]);
  }
  void Mover(int /*n*/) override {
    cuenta_ += 5;
    if (cuenta_ >= 110 && cuenta_ <= 160 && (cuenta_ - 110) % 10 == 0) {
      FijarImagen(imagenes_[static_cast<std::size_t>((cuenta_ - 110) / 10)]);
    }
    if (cuenta_ >= 170) Muerto = true;
  }
  bool Animado() const override { return true; }

 private:
  std::array<const Imagen*, 6> imagenes_;
  int cuenta_ = 10;
};

std::string Nombre(std::string_view conjunto, int numero) {
  char n[4];
  std::snprintf(n, sizeof n, "%02d", numero);
  return std::string(conjunto) + n;
}

int Redondo(double v) { return static_cast<int>(std::lround(v)); }

constexpr int kAnchoPantalla = 1024;
constexpr int kAltoPantalla = 768;
// The map's target changes picture every this many frames.
constexpr int kFramesParpadeo = 11;

}  // namespace

Escena::Escena(const BancoImagenes& banco, DatosEscena datos, AccionesEscena& acciones)
    : banco_(banco), datos_(std::move(datos)), acciones_(acciones) {}

Escena::~Escena() = default;

std::unique_ptr<Escena> Escena::Construir(const BancoImagenes& banco, DatosEscena datos,
                                          AccionesEscena& acciones, std::string& error) {
  std::unique_ptr<Escena> e(new Escena(banco, std::move(datos), acciones));
  if (!e->Montar(error)) return nullptr;
  return e;
}

const Imagen* Escena::Img(std::string_view nombre) {
  const Imagen* im = banco_.Buscar(nombre);
  if (im == nullptr && faltan_.empty()) faltan_ = std::string(nombre);
  return im;
}

Sprite& Escena::Poner(std::string_view imagen, double x, double y, int z) {
  return mundo_.Agregar(Img(imagen), x, y, z);
}

bool Escena::Montar(std::string& error) {
  auto texto = [this](int n) { return std::string(datos_.texto ? datos_.texto(n) : ""); };

  Sprite& fondo = Poner("background", 0, 0, -2);
  fondo.Mosaico = true;

  const std::pair<double, double> laterales1[] = {{-400, -357},   {400, -357},  {-670, -880},
                                                  {950, -880},    {195, -1403}, {1200, -1403},
                                                  {-1025, -1403}, {-1025, -880}};
  for (const auto& [x, y] : laterales1) Poner("lateral1", x, y, 5);
  const std::tuple<double, double, int> laterales2[] = {
      {-400, -78, -1},  {400, -78, -1},  {-670, -601, -1},   {950, -601, -1},
      {1200, -1124, 5}, {195, -1124, 4}, {-1025, -1124, -1}, {-1025, -601, -1}};
  for (const auto& [x, y, z] : laterales2) Poner("lateral2", x, y, z);
  const std::tuple<double, double, int> exteriores[] = {
      {515, 107, 4},    {258, 107, 4},    {1, 107, 4},      {-256, 107, 4},    {-513, 107, 4},
      {-770, 107, 4},   {68, -942, 0},    {68, -1462, 0},   {-1125, -1462, 0}, {-1382, -1462, 0},
      {-1125, -939, 0}, {-1382, -939, 0}, {-657, -416, 3},  {-914, -416, 3},   {536, -416, 3},
      {793, -416, 3},   {1050, -416, 0},  {1250, -1462, 0}, {1262, -939, 0},   {1519, -939, 0}};
  for (const auto& [x, y, z] : exteriores) Poner("paredEx", x, y, z);
  const std::pair<double, double> paredes[] = {
      {-400, -285}, {-868, -808}, {325, -808}, {-868, -1331}, {325, -1331}};
  for (const auto& [x, y] : paredes) Poner("pared", x, y, 0);
  const std::pair<double, double> altas[] = {
      {-400, -416}, {-868, -939}, {325, -939}, {-868, -1462}, {325, -1462}};
  for (const auto& [x, y] : altas) {
    Sprite& s = Poner("paredUp", x, y, 4);
    if (x == 325 && y == -1462) paredSuperior_ = &s;
    if (x == -868 && y == -939) paredMedia_ = &s;
  }
  Poner("paredUp2", 68, -939, 4);

  const int d = datos_.deltaLetra;
  auto rotulo = [&](std::string_view imagen, double x, double y, int z, int tamano,
                    std::vector<std::pair<double, std::vector<std::string>>> columnas) {
    const Sprite& s = Poner(imagen, x, y, z);
    rotulos_.push_back({&s, tamano + d, std::move(columnas)});
  };
  const std::string t42 = texto(42), t88 = texto(88), t44 = texto(44);
  rotulo("rotulo1", -320, 70, 5, 16, {{0, {texto(54)}}});
  rotulo("rotulo1", 855, -700, 5, 14, {{0, {texto(511)}}});
  rotulo("rotulo2", 1090, -990, 7, 14, {{0, {texto(587), texto(588)}}});
  rotulo("rotulo2", 380, 70, 5, 14, {{0, {texto(6)}}});
  rotulo("rotulo2", -545, -700, 6, 14, {{0, {texto(511)}}});
  for (const auto& [x, y, z] : {std::tuple{-100.0, -470.0, 5}, std::tuple{75.0, -1203.0, 6}}) {
    rotulo("rotulos", x, y, z, 16, {{-65, {t42, t88}}, {62, {t42, t44}}});
  }
  rotulo("tabla1", -40, -330, 5, 16, {{0, {texto(304)}}});
  rotulo("tabla1", -198, -835, 5, 16, {{0, {texto(53), t88}}});
  rotulo("tabla1", 63, -835, 5, 16, {{0, {texto(622), texto(623)}}});
  rotulo("tabla1", 325, -835, 5, 16, {{0, {texto(53), t44}}});
  rotulo("tabla1", -510, -850, 5, 16, {{0, {texto(79)}}});
  rotulo("tabla1", 680, -850, 5, 16, {{0, {texto(79) + " " + texto(2)}}});

  const double xInferiores[] = {-165, 100, 365};
  for (std::size_t i = 0; i < 3; ++i) inferiores_[i] = &Poner("puertaB", xInferiores[i], -808, 0);
  estatuas_[0] = &Poner("faraon1", -260, -800, 2);
  estatuas_[1] = &Poner("faraon1", 558, -800, 2);
  Poner("pedestal", -308, -673, 2);
  Poner("pedestal", 555, -673, 2);
  const double xSuperiores[] = {-823, -475, -142, 372, 717, 1051};
  const int textosSuperiores[] = {299, 103, 47, 21, 113, 229};
  for (std::size_t i = 0; i < 6; ++i) {
    superiores_[i] = &Poner("puertab", xSuperiores[i], -1331, 2);
    rotulo("tabla1", xSuperiores[i] - 35, -1370, 5, 16, {{0, {texto(textosSuperiores[i])}}});
  }
  bocadillo_ = &Poner("bocadillo", 1030, -1376, 8);
  bocadillo_->Visible = false;
  mapa_ = &Poner("zoomC", 0, 0, 9);
  zoom_ = &Poner("zoom", -1700, -1700, 3);

  // Animated decorations of the theme.
  const char l = datos_.letraTema;
  if (l != 'I') {
    const std::string_view adorno = l == 'C' ? "bandera" : l == 'F' ? "mariposa" : "antorcha";
    const std::pair<double, double> sitios[] = {
        {-175, 40}, {240, -300}, {26, -800}, {-595, -1350}, {964, -1350}};
    for (const auto& [x, y] : sitios) {
      Sprite& s = Poner(adorno, x, y, 6);
      s.AnimSpeed = 0.01;
      s.AnimLooping = true;
    }
  }
  auto pareja = [&](std::string_view imagen, double y, double x1, double x2) {
    for (const double x : {x1, x2}) {
      Sprite& s = Poner(imagen, x, y, 6);
      s.AnimSpeed = 0.0066667;
      s.AnimLooping = true;
    }
  };
  if (l == 'C') pareja("espada", -930, -520, 700);
  if (l == 'N') pareja("payaso", -1050, -470, 760);

  lupa_ = &Poner("lupa", 0, 0, 10);
  salida_ = &Poner("puertaS", 0, 0, 10);
  diana_ = &Poner("diana", 0, 0, 10);
  SpriteFigura& figura = mundo_.Crear<SpriteFigura>(*this);
  figura.FijarImagen(Img("manup01"));
  figura.X = 60;
  figura.Y = 0;
  figura.Z = zBase_;
  figura_ = &figura;

  // Pictures used later: every one must be there now.
  for (const char* n : {"diana2", "lupa2", "puertaS2", "puerta2", "puer3", "faraon2", "circ1",
                        "circ2", "circ3", "circ4", "circ5", "circ6"}) {
    Img(n);
  }
  for (const char* c :
       {"manup", "mandown", "mander", "manizq", "manupder", "manupizq", "mandoder", "mandoizq"}) {
    for (int k = 1; k <= 10; ++k) Img(Nombre(c, k));
  }
  if (!faltan_.empty()) {
    error = "falta la imagen " + faltan_;
    return false;
  }

  if (datos_.nombreCentro.empty()) introCaminando_ = true;
  ColocarBocadillo();
  Superpuestos();
  Camara();
  return true;
}

void Escena::FijarPuntero(int x, int y) {
  entrada_ = true;
  ptrX_ = x;
  ptrY_ = y;
  // What lies under the pointer is known at once, not at the next frame: a
  // click right after moving onto the magnifier or a door must find it armed.
  if (figura_ != nullptr && !introCaminando_) {
    px_ = figura_->X + ptrX_ - 476;
    py_ = figura_->Y + ptrY_ - 300;
    Hover();
  }
}

bool Escena::Mano() const {
  return ayudaArmada_ || salidaArmada_ || inferiorArmada_ >= 0 || superiorArmada_ >= 0;
}

void Escena::Parar(Sentido s) {
  static constexpr std::string_view conjuntos[] = {"manup", "mandown", "mander", "manizq"};
  dir_[s] = false;
  MostrarFigura(conjuntos[s], 1);
}

void Escena::MostrarFigura(std::string_view conjunto, int numero) {
  if (const Imagen* im = banco_.Buscar(Nombre(conjunto, numero))) figura_->FijarImagen(im);
}

std::string_view Escena::ConjuntoMovimiento() const {
  if (dir_[kArriba] && dir_[kDerecha]) return "manupder";
  if (dir_[kArriba] && dir_[kIzquierda]) return "manupizq";
  if (dir_[kAbajo] && dir_[kDerecha]) return "mandoder";
  if (dir_[kAbajo] && dir_[kIzquierda]) return "mandoizq";
  if (dir_[kArriba]) return "manup";
  if (dir_[kAbajo]) return "mandown";
  if (dir_[kDerecha]) return "mander";
  return "manizq";
}

void Escena::ColocarBocadillo() {
  bocadillo_->X = figura_->X + 60;
  bocadillo_->Y = figura_->Y - 90;
  // The lines go inside the bubble picture, clear of its border.
  textoBocadilloX_ = bocadillo_->X - figura_->X + 476 + 20;
  textoBocadilloY_ = bocadillo_->Y - figura_->Y + 300 + 11;
}

void Escena::MoverFigura(int n) {
  Sprite& f = *figura_;
  const double x = f.X;
  const double y = f.Y;
  const int X = Redondo(x);
  const int Y = Redondo(y);
  auto& d = dir_;

  // Outer walls.
  if (X < -819 && d[kIzquierda]) Parar(kIzquierda);
  if (X >= -20 && y <= -1346 && d[kDerecha]) Parar(kDerecha);
  if (-995 <= y && y <= -300 && X < -469 && d[kIzquierda]) Parar(kIzquierda);
  if (X > 869 && -823 <= y && y <= -300 && d[kDerecha]) Parar(kDerecha);

  // Regions; leaving one releases its latch.
  enDejar_ = X >= 1110;
  enSalida_ = x < -180 && y > -150;
  enAyuda_ = x > 300 && y > -150;
  if (!enDejar_) cerrojoDejar_ = false;
  if (!enSalida_) cerrojoSalida_ = false;
  if (!enAyuda_) cerrojoAyuda_ = false;

  // The three cross walls, crossed only through their openings.
  if (-476 <= Y && Y < -185 && (X < -4 || X > 89)) {
    if (d[kAbajo] && Y < -299) Parar(kAbajo);
    if (d[kArriba] && Y >= -299) Parar(kArriba);
  }
  if (-999 <= Y && Y < -708 && (X < -486 || X > 834 || (-362 <= X && X <= 710))) {
    if (d[kAbajo] && Y < -822) Parar(kAbajo);
    if (d[kArriba] && Y >= -822) Parar(kArriba);
  }
  if (Y < -1231) {
    if (d[kAbajo] && Y < -1345) Parar(kAbajo);
    if (d[kArriba] && Y >= -1345) Parar(kArriba);
  }

  // What the bubble says where the figure is.
  auto lineas = [this](int a, int b, int c, int e) {
    auto t = [this](int k) { return std::string(datos_.texto ? datos_.texto(k) : ""); };
    bocadilloLineas_ = {t(a), t(b), t(c), t(e)};
  };
  bocadilloLineas_ = {};
  if (Y >= -260) lineas(38, 448, 449, 640);
  if (-580 <= Y && Y < -379) lineas(444, 445, 446, 447);
  if (-700 <= Y && Y < -479) lineas(450, 451, 452, 453);
  if (-1200 <= Y && Y < -899) lineas(454, 455, 456, 414);
  if (X > 1800) {
    bocadilloLineas_ = {"    Estas perdido...", "    \xA1\xA1\xA1\xA1  Vuelve  !!!!",
                        "    Es mejor seguir ", "    estudiando."};
  }
  bool hayTexto = false;
  for (const auto& linea : bocadilloLineas_) hayTexto = hayTexto || !linea.empty();
  bocadillo_->Visible = hayTexto;

  if (introCaminando_) {
    ColocarBocadillo();
    f.Y -= 2;
    // The walk cycle runs while the figure comes in.
    contador_ = contador_ >= 68 ? 10 : contador_ + 2;
    if ((contador_ - 10) % 6 == 0) MostrarFigura("manup", (contador_ - 10) / 6 + 1);
    if (f.Y < -250) {
      introCaminando_ = false;
      intro_ = false;
      MostrarFigura("manup", 1);
    }
    Superpuestos();
    Camara();
    return;
  }

  // Inner walls of the corridors.
  if (-470 <= Y && Y < -189) {
    if (d[kIzquierda] && X < 1) Parar(kIzquierda);
    if (d[kDerecha] && X > 84) Parar(kDerecha);
  }
  if (-993 <= Y && Y < -712) {
    if (d[kDerecha] && -382 <= X && X < -361) Parar(kDerecha);
    if (d[kIzquierda] && 705 < X && X <= 726) Parar(kIzquierda);
    if (d[kDerecha] && X > 820) Parar(kDerecha);
  }
  if (-1516 <= Y && Y < -1235) {
    if (d[kDerecha] && -682 <= X && X < -661) Parar(kDerecha);
  }
  if (Y >= -300) {
    if (d[kIzquierda] && X < -229) Parar(kIzquierda);
    if (d[kDerecha] && X > 339) Parar(kDerecha);
  }
  if (Y > 79) d[kAbajo] = false;

  // Arrival at the clicked point.
  {
    const double ax = tx_ - 10;
    const double ay = ty_ - 30;
    const bool h = d[kDerecha] || d[kIzquierda];
    const bool v = d[kArriba] || d[kAbajo];
    const bool llegaV = d[kArriba] ? Y <= ay : Y >= ay;
    const bool llegaH = d[kDerecha] ? X >= ax : X <= ax;
    if ((v || h) && (!v || llegaV) && (!h || llegaH)) {
      const std::string conjunto(ConjuntoMovimiento());
      dir_ = {};
      MostrarFigura(conjunto, 1);
    }
  }

  // Walking into a door, or back out of it.
  if (entrando_ && puertaSup_ >= 0) {
    Sprite& p = *superiores_[static_cast<std::size_t>(puertaSup_)];
    if (X > p.X + 10 && X < p.X + p.Ancho() - 60) {
      d[kArriba] = true;
      d[kAbajo] = d[kIzquierda] = d[kDerecha] = false;
      p.FijarImagen(banco_.Buscar("puer3"));
    }
    if (Y < p.Y - 150) {
      entrando_ = false;
      llegada_ = true;
    }
  } else if (entrando_ && puertaInf_ >= 0) {
    Sprite& elegida = *inferiores_[static_cast<std::size_t>(puertaInf_)];
    if (Y < elegida.Y + elegida.Alto() && std::abs(px_ - x) < 70) {
      for (Sprite* p : inferiores_) {
        if (X > p->X + 10 && X < p->X + p->Ancho() - 60) {
          d[kArriba] = true;
          d[kAbajo] = d[kIzquierda] = d[kDerecha] = false;
          elegida.FijarImagen(banco_.Buscar("puer3"));
        }
      }
    }
    if (Y < elegida.Y - 150) {
      entrando_ = false;
      llegada_ = true;
    }
  } else if (saliendo_) {
    Sprite* p = puertaSup_ >= 0   ? superiores_[static_cast<std::size_t>(puertaSup_)]
                : puertaInf_ >= 0 ? inferiores_[static_cast<std::size_t>(puertaInf_)]
                                  : nullptr;
    if (p != nullptr && Y < p->Y + 100) {
      d[kAbajo] = true;
      d[kArriba] = d[kIzquierda] = d[kDerecha] = false;
      p->FijarImagen(banco_.Buscar("puer3"));
      tx_ = x + 10;
      ty_ = p->Y + 130;
    } else {
      saliendo_ = false;
      puertaSup_ = puertaInf_ = -1;
    }
  }

  const double paso = datos_.tramo.s * n;
  bool mueve = false;
  if (d[kArriba]) f.Y -= paso, mueve = true;
  if (d[kAbajo]) f.Y += paso, mueve = true;
  if (d[kDerecha]) f.X += paso, mueve = true;
  if (d[kIzquierda]) f.X -= paso, mueve = true;
  if (mueve) {
    contador_ = contador_ >= 68 ? 10 : contador_ + 2;
    if ((contador_ - 10) % 6 == 0) MostrarFigura(ConjuntoMovimiento(), (contador_ - 10) / 6 + 1);
  }

  ColocarBocadillo();
  Superpuestos();
  Camara();
}

void Escena::Superpuestos() {
  const Sprite& f = *figura_;
  mapa_->X = f.X - 482;
  mapa_->Y = f.Y + 375;
  lupa_->X = mapa_->X + mapa_->Ancho();
  lupa_->Y = mapa_->Y;
  salida_->X = mapa_->X + mapa_->Ancho();
  salida_->Y = lupa_->Y + lupa_->Alto() - 1;
  diana_->X = mapa_->X + 30 + f.X / 24;
  diana_->Y = mapa_->Y + 70 + f.Y / 22;
  zoom_->X = f.X - 374;
  const Sprite& tope = entrando_ && puertaInf_ >= 0 ? *paredMedia_ : *paredSuperior_;
  zoom_->Y = Redondo(tope.Y - zoom_->Alto() + 10);
}

void Escena::Camara() {
  mundo_.DesplazX = figura_->X + figura_->Ancho() / 2.0 - 512;
  mundo_.DesplazY = figura_->Y + figura_->Alto() / 2.0 - 384;
}

void Escena::Rotulos(std::vector<TextoEscena>& textos) const {
  for (const Rotulo& r : rotulos_) {
    const Sprite& s = *r.sprite;
    const double sx = s.X - mundo_.DesplazX;
    const double sy = s.Y - mundo_.DesplazY;
    if (sx > 1024 || sy > 768 || sx + s.Ancho() < 0 || sy + s.Alto() < 0) continue;
    for (const auto& [dx, lineas] : r.columnas) {
      const double alto = r.tamano + 3;
      double y = sy + (s.Alto() - alto * static_cast<double>(lineas.size())) / 2;
      for (const std::string& linea : lineas) {
        const double cx = sx + s.Ancho() / 2.0 + dx;
        textos.push_back({linea, cx, y, r.tamano, false, kNegro, true});
        textos.push_back({linea, cx, y - 1, r.tamano, false, datos_.colorAno, true});
        y += alto;
      }
    }
  }
}

void Escena::Frame(Lienzo* lienzo) {
  if (!corriendo_) return;
  ++frames_;
  if (primerFrame_) {
    primerFrame_ = false;
    if (datos_.conMusica) acciones_.Sonar("inicio");
  }

  mundo_.Mover(datos_.tramo.m);
  mundo_.QuitarMuertos();
  AjustarProfundidad();
  Pagina pagina;
  pagina.desplazX = mundo_.DesplazX;
  pagina.desplazY = mundo_.DesplazY;
  pagina.sprites = SpritesEnPantalla();

  px_ = figura_->X + ptrX_ - 476;
  py_ = figura_->Y + ptrY_ - 300;

  std::vector<TextoEscena>& textos = pagina.textos;
  Rotulos(textos);
  const int d = datos_.deltaLetra;
  for (std::size_t i = 0; i < bocadilloLineas_.size(); ++i) {
    if (bocadilloLineas_[i].empty()) continue;
    textos.push_back({bocadilloLineas_[i], textoBocadilloX_,
                      textoBocadilloY_ + 12.0 * static_cast<double>(i), 10 + d, false, kNegro,
                      false});
  }
  if (intro_) {
    if (!introCaminando_ && ++framesLetra_ >= FramesPorLetra(datos_.tramo)) {
      framesLetra_ = 0;
      if (escrito_.size() < datos_.nombreCentro.size()) {
        escrito_.push_back(datos_.nombreCentro[escrito_.size()]);
      }
      if (escrito_.size() == datos_.nombreCentro.size()) introCaminando_ = true;
    }
    const int tam = 18 + d;
    const int w = static_cast<int>(escrito_.size()) * tam / std::max(1, tam / 4);
    textos.push_back({escrito_, 460.0 - w, 665, tam, true, kBlanco, false});
    textos.push_back({escrito_, 459.0 - w, 663, tam, true, datos_.colorNombre, false});
    if (introCaminando_) {
      const int grande = 48 + d;
      textos.push_back({"2008-2009", 350, 560, grande, false, kBlanco, false});
      textos.push_back({"2008-2009", 348, 556, grande, true, datos_.colorNombre, false});
    }
  }
  entrada_ = false;
  Dibujar(lienzo, std::move(pagina));

  if (introCaminando_) {
    dir_[kArriba] = true;
    MoverFigura(10);
    cambioPendiente_ = true;
    return;
  }

  diana_->FijarImagen(banco_.Buscar((frames_ / kFramesParpadeo) % 2 == 0 ? "diana" : "diana2"));

  if (enDejar_ && !cerrojoDejar_) {
    cerrojoDejar_ = true;
    MostrarFigura("manizq", 1);
    acciones_.DejarEstudiar();
  }
  if (enSalida_ && !cerrojoSalida_) {
    cerrojoSalida_ = true;
    corriendo_ = false;
    if (!acciones_.Salir()) corriendo_ = true;
  }
  if (enAyuda_ && !cerrojoAyuda_) {
    cerrojoAyuda_ = true;
    corriendo_ = false;
    ayudaArmada_ = salidaArmada_ = false;
    inferiorArmada_ = superiorArmada_ = -1;
    acciones_.Ayuda(false);
  }

  Hover();

  if (llegada_) {
    llegada_ = false;
    const int codigo = puertaSup_ >= 0   ? kCodigosSuperiores[static_cast<std::size_t>(puertaSup_)]
                       : puertaInf_ >= 0 ? kCodigosInferiores[static_cast<std::size_t>(puertaInf_)]
                                         : 0;
    if (codigo != 0) acciones_.AbrirPuerta(codigo);
    saliendo_ = true;
  }
  // What changed after the drawing (the target's blink, the hover pictures)
  // shows on the next frame.
  cambioPendiente_ = dibujado_ == nullptr || SpritesEnPantalla() != dibujado_->sprites;
}

std::vector<Escena::Dibujado> Escena::SpritesEnPantalla() {
  std::vector<Dibujado> r;
  const double ox = mundo_.DesplazX, oy = mundo_.DesplazY;
  for (const Sprite* s : mundo_.EnOrden()) {
    if (!s->Visible || s->imagen() == nullptr) continue;
    if (s->Mosaico) {
      // Fixed to the world: it changes with the camera only.
      r.push_back({s, s->imagen(), 0, 0, 0, s->Z});
      continue;
    }
    const int x = static_cast<int>(std::floor(s->X - ox));
    const int y = static_cast<int>(std::floor(s->Y - oy));
    if (x >= kAnchoPantalla || y >= kAltoPantalla || x + s->Ancho() <= 0 || y + s->Alto() <= 0)
      continue;
    r.push_back({s, s->imagen(), s->Patron(), x, y, s->Z});
  }
  return r;
}

std::vector<Caja> Escena::Cambios(const std::vector<Dibujado>& antes,
                                  const std::vector<Dibujado>& ahora) {
  std::vector<Caja> cajas;
  const auto caja = [&](const Dibujado& d) {
    const int x0 = std::max(0, d.x), y0 = std::max(0, d.y);
    const int x1 = std::min(kAnchoPantalla, d.x + d.imagen->ancho);
    const int y1 = std::min(kAltoPantalla, d.y + d.imagen->alto);
    const Caja c{x0, y0, x1 - x0, y1 - y0};
    if (c.ancho > 0 && c.alto > 0 && std::find(cajas.begin(), cajas.end(), c) == cajas.end())
      cajas.push_back(c);
  };
  // A sprite that appeared, went or changed is drawn again where it was and
  // where it is; so are the ones over or under it, by the clipping.
  const auto falta = [](const std::vector<Dibujado>& en, const Dibujado& d) {
    return std::find(en.begin(), en.end(), d) == en.end();
  };
  for (const Dibujado& d : antes)
    if (falta(ahora, d)) caja(d);
  for (const Dibujado& d : ahora)
    if (falta(antes, d)) caja(d);
  return cajas;
}

void Escena::Dibujar(Lienzo* lienzo, Pagina pagina) {
  if (lienzo == nullptr) {
    dibujado_ = std::make_unique<Pagina>(std::move(pagina));
    return;
  }
  const bool entera = dibujado_ == nullptr || pagina.desplazX != dibujado_->desplazX ||
                      pagina.desplazY != dibujado_->desplazY ||
                      pagina.textos != dibujado_->textos;
  if (!entera) {
    const std::vector<Caja> zonas = Cambios(dibujado_->sprites, pagina.sprites);
    if (zonas.empty()) return;
    lienzo->Zonas(zonas);
  }
  lienzo->Sprites(mundo_);
  for (const TextoEscena& t : pagina.textos) lienzo->Texto(t);
  lienzo->Voltear();
  dibujado_ = std::make_unique<Pagina>(std::move(pagina));
}

int Escena::TicksHastaCambio() const {
  if (intro_ || entrada_ || cambioPendiente_ || !Quieta() || llegada_) return 1;
  const double ox = mundo_.DesplazX, oy = mundo_.DesplazY;
  for (const auto& s : mundo_.Todos()) {
    if (!s->Animado() || !s->Visible || s->Muerto) continue;
    const double x = s->X - ox, y = s->Y - oy;
    // Off screen it animates unseen, except what dies when its animation ends.
    if (!s->AnimLooping || (x < kAnchoPantalla && y < kAltoPantalla && x + s->Ancho() > 0 &&
                            y + s->Alto() > 0))
      return 1;
  }
  // Only the target blinks: the frame that reaches the next multiple of the
  // blink period changes its picture.
  return kFramesParpadeo - frames_ % kFramesParpadeo;
}

void Escena::Dormir(int ticks) {
  if (ticks > 0) frames_ += ticks;
}

void Escena::Hover() {
  const double px = px_;
  const double py = py_;
  ayudaArmada_ = px <= lupa_->X && py >= lupa_->Y;
  const bool sobreLupa = lupa_->Contiene(px, py);
  ayudaArmada_ = ayudaArmada_ || sobreLupa;
  lupa_->FijarImagen(banco_.Buscar(sobreLupa ? "lupa2" : "lupa"));
  salidaArmada_ = salida_->Contiene(px, py);
  salida_->FijarImagen(banco_.Buscar(salidaArmada_ ? "puertaS2" : "puertaS"));

  inferiorArmada_ = -1;
  for (std::size_t i = 0; i < inferiores_.size(); ++i) {
    if (inferiores_[i]->Contiene(px, py)) inferiorArmada_ = static_cast<int>(i);
  }
  for (std::size_t i = 0; i < inferiores_.size(); ++i) {
    inferiores_[i]->FijarImagen(
        banco_.Buscar(inferiorArmada_ == static_cast<int>(i) ? "puerta2" : "puertaB"));
  }
  for (Sprite* e : estatuas_) {
    e->FijarImagen(banco_.Buscar(inferiorArmada_ >= 0 ? "faraon2" : "faraon1"));
  }
  superiorArmada_ = -1;
  for (std::size_t i = 0; i < superiores_.size(); ++i) {
    const bool sobre = superiores_[i]->Contiene(px, py);
    if (sobre) superiorArmada_ = static_cast<int>(i);
    superiores_[i]->FijarImagen(banco_.Buscar(sobre ? "puerta2" : "puertab"));
  }
}

void Escena::Click() {
  entrada_ = true;
  if (salidaArmada_) {
    corriendo_ = false;
    if (!acciones_.Salir()) corriendo_ = true;
    return;
  }
  if (ayudaArmada_) {
    corriendo_ = false;
    acciones_.Ayuda(true);
    return;
  }
  Sprite& f = *figura_;
  // A plain click forgets a door walk that has not begun; a double click
  // chooses the door again right after.
  entrando_ = false;
  tx_ = f.X + ptrX_ - 512;
  ty_ = f.Y + ptrY_ - 384;
  dir_ = {};

  std::array<const Imagen*, 6> circulos{};
  for (int i = 0; i < 6; ++i) {
    circulos[static_cast<std::size_t>(i)] = banco_.Buscar("circ" + std::to_string(i + 1));
  }
  Sprite& c = mundo_.Crear<SpriteCirculo>(circulos);
  c.X = ptrX_ + f.X - 490;
  c.Y = ptrY_ + f.Y - 340;
  c.Z = 2;

  const double dy = std::abs(ptrY_ - 384);
  if (dy > 0) {
    const long a = std::lround(std::abs(std::atan(std::abs(ptrX_ - 512) / dy)) * 57);
    const Sentido vertical = f.Y < ty_ ? kAbajo : kArriba;
    const Sentido horizontal = tx_ > f.X ? kDerecha : kIzquierda;
    if (a < 20) {
      dir_[vertical] = true;
    } else if (a > 70) {
      dir_[horizontal] = true;
    } else {
      dir_[vertical] = true;
      dir_[horizontal] = true;
    }
  }
  if (dir_[kArriba]) MostrarFigura("manup", 1);
  if (dir_[kAbajo]) MostrarFigura("mandown", 1);
  if (dir_[kDerecha]) MostrarFigura("mander", 1);
  if (dir_[kIzquierda]) MostrarFigura("manizq", 1);
  zBase_ = 3;
  f.Z = zBase_;
}

void Escena::DobleClick() {
  entrada_ = true;
  if (inferiorArmada_ >= 0) {
    const Sprite& p = *inferiores_[static_cast<std::size_t>(inferiorArmada_)];
    if (p.Y + 80 > figura_->Y) {
      acciones_.AbrirPuerta(kCodigosInferiores[static_cast<std::size_t>(inferiorArmada_)]);
    } else {
      puertaInf_ = inferiorArmada_;
      puertaSup_ = -1;
      entrando_ = true;
      saliendo_ = false;
    }
  } else if (superiorArmada_ >= 0) {
    puertaSup_ = superiorArmada_;
    puertaInf_ = -1;
    entrando_ = true;
    saliendo_ = false;
  }
  zBase_ = 4;
  figura_->Z = zBase_;
}

std::optional<Caja> Escena::CajaPuerta(int codigo) const {
  const Sprite* puerta = nullptr;
  for (std::size_t i = 0; i < kCodigosSuperiores.size(); ++i) {
    if (kCodigosSuperiores[i] == codigo) puerta = superiores_[i];
  }
  for (std::size_t i = 0; i < kCodigosInferiores.size(); ++i) {
    if (kCodigosInferiores[i] == codigo) puerta = inferiores_[i];
  }
  if (puerta == nullptr) return std::nullopt;
  const Caja caja{static_cast<int>(std::lround(puerta->X - mundo_.DesplazX)),
                  static_cast<int>(std::lround(puerta->Y - mundo_.DesplazY)), puerta->Ancho(),
                  puerta->Alto()};
  if (caja.x + caja.ancho <= 0 || caja.y + caja.alto <= 0 || caja.x >= 1024 || caja.y >= 768) {
    return std::nullopt;
  }
  return caja;
}

bool Escena::Quieta() const {
  return !(dir_[kArriba] || dir_[kAbajo] || dir_[kDerecha] || dir_[kIzquierda] || entrando_ ||
           saliendo_);
}

void Escena::AjustarProfundidad() {
  // Walls and signs drawn above the figure give the building its depth while
  // she walks; where she stops with them over her she is drawn above them, so
  // she never disappears behind a wall or a sign.
  static constexpr std::array<std::string_view, 10> kTapan{
      "pared",    "paredUp", "paredUp2", "paredEx", "lateral1",
      "lateral2", "rotulos", "rotulo1",  "rotulo2", "tabla1"};
  Sprite& f = *figura_;
  f.Z = zBase_;
  if (!Quieta()) return;
  const double x0 = f.X, y0 = f.Y, x1 = f.X + f.Ancho(), y1 = f.Y + f.Alto();
  for (const Sprite* s : mundo_.EnOrden()) {
    if (s == &f || !s->Visible || s->Z <= zBase_ || s->Z > kZLevantada || s->imagen() == nullptr)
      continue;
    if (std::find(kTapan.begin(), kTapan.end(), s->imagen()->nombre) == kTapan.end()) continue;
    if (s->X < x1 && s->X + s->Ancho() > x0 && s->Y < y1 && s->Y + s->Alto() > y0) {
      f.Z = kZLevantada;
      return;
    }
  }
}

}  // namespace sendaro::escena
