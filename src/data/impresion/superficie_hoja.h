// The page surface the printouts draw on: a printer (or a PDF file, or a
// recording in tests) seen as pages of printer pixels. Positions are pixels
// from the top-left corner of the printable area.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sendaro {

enum class Orientacion { kVertical, kApaisada };

// Where a text stands relative to its point: the point is the text's top-left
// corner, the middle of its top edge or its top-right corner.
enum class Alineacion { kIzquierda, kCentro, kDerecha };

struct Fuente {
  std::string familia = "Arial";
  double tamano = 10;  // points
  bool negrita = false;

  friend bool operator==(const Fuente&, const Fuente&) = default;
};

struct PuntoPixeles {
  int x = 0;
  int y = 0;

  friend bool operator==(const PuntoPixeles&, const PuntoPixeles&) = default;
};

// A box in printer pixels, corners included as given.
struct CajaPixeles {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;

  friend bool operator==(const CajaPixeles&, const CajaPixeles&) = default;
};

// A picture the surface knows by its file name ("chica.bmp"); the surface
// owns the pixels.
struct ImagenHoja {
  std::string nombre;
};

// 0xRRGGBB.
using ColorRgb = std::uint32_t;
inline constexpr ColorRgb kBlanco = 0xFFFFFF;

class SuperficieHoja {
 public:
  virtual ~SuperficieHoja() = default;

  // Page direction of the first page (before Comenzar) or of the next page
  // (before NuevaPagina).
  virtual void FijarOrientacion(Orientacion orientacion) = 0;
  // Opens the print job on its first page; false when the device cannot be
  // opened (nothing is drawn then).
  virtual bool Comenzar() = 0;
  virtual void NuevaPagina() = 0;
  // Ends the print job.
  virtual void Terminar() = 0;

  // Printable area of the current page in printer pixels, and pixels per inch.
  virtual int AnchoPixeles() const = 0;
  virtual int AltoPixeles() const = 0;
  virtual int PuntosPorPulgadaX() const = 0;
  virtual int PuntosPorPulgadaY() const = 0;

  virtual void FijarFuente(const Fuente& fuente) = 0;
  // Distance between two written lines in the current font, in printer pixels.
  virtual int AltoLinea() const = 0;
  // Width of the Windows-1252 text in the current font, in printer pixels.
  virtual int AnchoTexto(std::string_view texto) const = 0;

  virtual void Linea(PuntoPixeles desde, PuntoPixeles hasta) = 0;
  // Outlined with the pen and filled with the colour.
  virtual void Rectangulo(const CajaPixeles& caja, ColorRgb relleno) = 0;
  virtual void Elipse(const CajaPixeles& caja, ColorRgb relleno) = 0;
  // The picture stretched to the box.
  virtual void Imagen(const CajaPixeles& caja, const ImagenHoja& imagen) = 0;
  // Windows-1252 text in the current font.
  virtual void Texto(PuntoPixeles punto, std::string_view texto, Alineacion alineacion) = 0;
};

}  // namespace sendaro
