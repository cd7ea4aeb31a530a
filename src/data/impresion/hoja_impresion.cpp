#include "data/impresion/hoja_impresion.h"

#include <cmath>

namespace sendaro {

namespace {

int Redondear(double valor) { return static_cast<int>(std::lround(valor)); }

}  // namespace

void HojaImpresion::PrepararHoja(int columnas, int filas, double unidad) {
  ancho_ = superficie_.AnchoPixeles();
  alto_ = superficie_.AltoPixeles();
  escalaX_ = superficie_.PuntosPorPulgadaX() / unidad;
  escalaY_ = superficie_.PuntosPorPulgadaY() / unidad;
  columnas_ = columnas > 0 ? columnas : 1;
  filas_ = filas > 0 ? filas : 1;
  posicion_ = {};
}

PuntoPixeles HojaImpresion::Pixeles(double x, double y) const {
  return {Redondear(x * escalaX_), Redondear(y * escalaY_)};
}

PuntoPixeles HojaImpresion::PixelesFila(int columna, int fila) const {
  return {Redondear(static_cast<double>(columna) * ancho_ / columnas_),
          Redondear(static_cast<double>(fila) * alto_ / filas_)};
}

void HojaImpresion::MoverA(double x, double y) { posicion_ = Pixeles(x, y); }

void HojaImpresion::LineaA(double x, double y) {
  const PuntoPixeles destino = Pixeles(x, y);
  superficie_.Linea(posicion_, destino);
  posicion_ = destino;
}

void HojaImpresion::MoverAFila(int columna, int fila) { posicion_ = PixelesFila(columna, fila); }

CajaPixeles HojaImpresion::AreaImagen(double x1, double y1, double x2, double y2) const {
  const PuntoPixeles a = Pixeles(x1, y1);
  const PuntoPixeles b = Pixeles(x2, y2);
  return {a.x, a.y, b.x, b.y};
}

void HojaImpresion::Rectangulo(double x1, double y1, double x2, double y2) {
  superficie_.Rectangulo(AreaImagen(x1, y1, x2, y2), pincel_);
}

void HojaImpresion::Elipse(double x1, double y1, double x2, double y2) {
  superficie_.Elipse(AreaImagen(x1, y1, x2, y2), pincel_);
}

void HojaImpresion::ImagenEn(const CajaPixeles& caja, const ImagenHoja& imagen) {
  superficie_.Imagen(caja, imagen);
}

void HojaImpresion::Texto(std::string_view texto) {
  superficie_.Texto(posicion_, texto, Alineacion::kIzquierda);
}

void HojaImpresion::TextoCentrado(std::string_view texto) {
  superficie_.Texto(posicion_, texto, Alineacion::kCentro);
}

void HojaImpresion::TextoDerecha(std::string_view texto) {
  superficie_.Texto(posicion_, texto, Alineacion::kDerecha);
}

void HojaImpresion::FijarFuente(const Fuente& fuente) {
  fuente_ = fuente;
  superficie_.FijarFuente(fuente_);
}

void HojaImpresion::FijarTamano(double tamano) {
  fuente_.tamano = tamano;
  superficie_.FijarFuente(fuente_);
}

void HojaImpresion::FijarNegrita(bool negrita) {
  fuente_.negrita = negrita;
  superficie_.FijarFuente(fuente_);
}

}  // namespace sendaro
