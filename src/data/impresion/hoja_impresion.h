// The coordinate layer the printouts use: positions in inches from the
// top-left corner of the printable area, or on a grid of C columns by R rows
// laid over it, converted to printer pixels rounding to the nearest pixel.
#pragma once

#include <string_view>

#include "data/impresion/superficie_hoja.h"

namespace sendaro {

class HojaImpresion {
 public:
  explicit HojaImpresion(SuperficieHoja& superficie) : superficie_(superficie) {}

  // Reads the page size and resolution of the surface, lays a grid of
  // `columnas` x `filas` over the page and puts the position at 0,0.
  // Positions are measured in units of `unidad` inches (always 1.0 here).
  void PrepararHoja(int columnas, int filas, double unidad = 1.0);

  void MoverA(double x, double y);
  // Draws a line from the position to (x, y), which becomes the position.
  void LineaA(double x, double y);
  void MoverAFila(int columna, int fila);
  void MoverAPixeles(PuntoPixeles punto) { posicion_ = punto; }

  // Outline with the pen, filled with the current brush colour.
  void Rectangulo(double x1, double y1, double x2, double y2);
  void Elipse(double x1, double y1, double x2, double y2);
  CajaPixeles AreaImagen(double x1, double y1, double x2, double y2) const;
  void ImagenEn(const CajaPixeles& caja, const ImagenHoja& imagen);

  // Text whose top-left corner, top-centre or top-right corner is the position.
  void Texto(std::string_view texto);
  void TextoCentrado(std::string_view texto);
  void TextoDerecha(std::string_view texto);

  void FijarFuente(const Fuente& fuente);
  void FijarTamano(double tamano);
  void FijarNegrita(bool negrita);
  const Fuente& FuenteActual() const { return fuente_; }
  // Width of the text in the current font, in printer pixels.
  int AnchoTexto(std::string_view texto) const { return superficie_.AnchoTexto(texto); }
  // Distance between two rows of text in the current font, in printer pixels.
  int AltoLinea() const { return superficie_.AltoLinea(); }
  void FijarPincel(ColorRgb color) { pincel_ = color; }

  // Width of the page in the unit (as read by PrepararHoja).
  double AnchoEnUnidades() const { return escalaX_ > 0 ? ancho_ / escalaX_ : 0; }
  PuntoPixeles Posicion() const { return posicion_; }
  PuntoPixeles Pixeles(double x, double y) const;
  PuntoPixeles PixelesFila(int columna, int fila) const;
  SuperficieHoja& Superficie() { return superficie_; }

 private:
  SuperficieHoja& superficie_;
  int ancho_ = 0;
  int alto_ = 0;
  double escalaX_ = 0;
  double escalaY_ = 0;
  int columnas_ = 1;
  int filas_ = 1;
  PuntoPixeles posicion_;
  Fuente fuente_;
  ColorRgb pincel_ = kBlanco;
};

}  // namespace sendaro
