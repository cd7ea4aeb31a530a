#include "sections/middle_grade/helicoptero.h"

#include <cmath>
#include <numbers>

namespace sendaro {

namespace {

int Redondo(double v) { return static_cast<int>(std::lround(v)); }

constexpr int kCrecePorTickAncho = 3;
constexpr int kUltimoTickCrecimiento = 35;
constexpr int kSubidaFinal = 20;
constexpr int kDesvioBoton = 300;
constexpr int kBajadaSalir = 120;
constexpr int kCurvaPorTramo = 20;

}  // namespace

PuntoGM PosicionHelicoptero(int n, int c) {
  const double pi = std::numbers::pi;
  const int x = 350 + 2 * Redondo(75.0 * std::sin(n * pi / 15.0));
  const int y = 250 + 2 * Redondo(75.0 * std::cos(n * pi / (c + 40.0)) + 75.0);
  return {x, y};
}

IntroduccionHelicoptero::IntroduccionHelicoptero(int anchoBoton, int altoBoton)
    : ancho_(anchoBoton), alto_(altoBoton) {}

void IntroduccionHelicoptero::FijarTamanoHelicoptero(int ancho, int /*alto*/) {
  anchoHeli_ = ancho;
}

void IntroduccionHelicoptero::Reiniciar() {
  tramo_ = 1;
  n_ = 0;
  c_ = 0;
  terminada_ = false;
}

RectGM IntroduccionHelicoptero::Boton(int n, int c) const {
  const PuntoGM p = PosicionHelicoptero(n, c);
  return {p.x - kDesvioBoton, p.y, ancho_ - kCrecePorTickAncho * (kUltimoTickCrecimiento - n),
          alto_ - (kUltimoTickCrecimiento - n)};
}

RectGM IntroduccionHelicoptero::BotonFinal(int tramo) const {
  RectGM r = Boton(kTicksTramo, (tramo - 1) * kCurvaPorTramo);
  r.y -= kSubidaFinal;
  return r;
}

RectGM IntroduccionHelicoptero::SalirFinal() const {
  const RectGM lugares = BotonFinal(2);
  return {lugares.x, lugares.y + kBajadaSalir, lugares.ancho, lugares.alto};
}

IntroduccionHelicoptero::Paso IntroduccionHelicoptero::Avanzar() {
  Paso p;
  p.tramo = tramo_;
  if (terminada_ || tramo_ > kTramos) {
    terminada_ = true;
    p.tramo = kTramos + 1;
    p.terminada = true;
    return p;
  }
  n_ += 1;
  p.motor = n_ == 1;
  p.borrarPiloto = n_ == 1 && tramo_ == 2;
  p.helicoptero = PosicionHelicoptero(n_, c_);
  p.boton = Boton(n_, c_);
  if (n_ >= kTicksTramo) {
    p.finTramo = true;
    p.boton.y -= kSubidaFinal;
    p.piloto = {p.helicoptero.x + anchoHeli_ / 2, p.helicoptero.y};
    if (tramo_ == 2) {
      p.mostrarSalir = true;
      p.salir = {p.boton.x, p.boton.y + kBajadaSalir, p.boton.ancho, p.boton.alto};
    }
    c_ += kCurvaPorTramo;
    n_ = 0;
    tramo_ += 1;
  }
  return p;
}

void PasoPilotoGM::Iniciar(PuntoGM inicio, int mensaje) {
  inicio_ = inicio;
  mensaje_ = mensaje;
  k_ = 0;
}

PasoPilotoGM::Paso PasoPilotoGM::Avanzar() {
  Paso p;
  p.cuadro = k_;
  p.donde = {inicio_.x + 10 * k_, inicio_.y};
  p.fin = k_ >= kCuadros - 1;
  if (!p.fin) k_ += 1;
  return p;
}

RectGM RectBocadillo(PuntoGM p) { return {p.x - 35, p.y - 60, 95, 55}; }

std::array<PuntoGM, 3> LineasBocadillo(PuntoGM p) {
  return {PuntoGM{p.x - 32, p.y - 57}, PuntoGM{p.x - 32, p.y - 42}, PuntoGM{p.x - 32, p.y - 27}};
}

std::array<int, 3> TextosMensaje(int m) {
  if (m < 1 || m > 3) return {0, 0, 0};
  const int primero = 154 + 3 * (m - 1);
  return {primero, primero + 1, primero + 2};
}

void VueloAviso::Iniciar(int altoPagina) {
  pos_ = {70, altoPagina - 180};
  n_ = 0;
}

VueloAviso::Paso VueloAviso::Avanzar() {
  n_ += 1;
  pos_.x += 8;
  return {pos_, n_ >= kTicks};
}

PasoAyudaDeslizante DeslizarAyuda(int izquierda, int anchoPagina) {
  PasoAyudaDeslizante p;
  p.ancho = anchoPagina - izquierda - 80;
  p.izquierda = izquierda - 40;
  p.izquierdaHeli = p.izquierda - 85;
  p.fin = p.izquierda < 300;
  return p;
}

}  // namespace sendaro
