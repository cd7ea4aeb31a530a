// A page surface that keeps everything drawn on it, page by page, and a
// printer that prints on it; what the tests of the printouts look at.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/impresion/impresora.h"
#include "data/impresion/superficie_hoja.h"

namespace sendaro {

struct TextoRegistrado {
  PuntoPixeles punto;
  Alineacion alineacion = Alineacion::kIzquierda;
  Fuente fuente;
  std::string texto;
};

struct FiguraRegistrada {
  enum class Tipo { kLinea, kRectangulo, kElipse, kImagen };
  Tipo tipo = Tipo::kLinea;
  CajaPixeles caja;
  ColorRgb relleno = kBlanco;
  std::string imagen;
};

struct PaginaRegistrada {
  Orientacion orientacion = Orientacion::kVertical;
  std::vector<TextoRegistrado> textos;
  std::vector<FiguraRegistrada> figuras;

  // The first text equal to `texto`, or null.
  const TextoRegistrado* Buscar(std::string_view texto) const;
  std::vector<FiguraRegistrada> Figuras(FiguraRegistrada::Tipo tipo) const;
};

class SuperficieRegistro : public SuperficieHoja {
 public:
  // Printable area of a portrait page; landscape pages swap the sides.
  // Lines are `factorLinea` times the font size apart; every character is
  // `factorAncho` times the font size wide, as in a fixed-pitch font.
  explicit SuperficieRegistro(int anchoVertical = 9600, int altoVertical = 13200,
                              int puntosPorPulgada = 1200, double factorLinea = 1.15,
                              double factorAncho = 0.6);

  void FijarOrientacion(Orientacion orientacion) override;
  bool Comenzar() override;
  void NuevaPagina() override;
  void Terminar() override;
  int AnchoPixeles() const override;
  int AltoPixeles() const override;
  int PuntosPorPulgadaX() const override { return ppp_; }
  int PuntosPorPulgadaY() const override { return ppp_; }
  void FijarFuente(const Fuente& fuente) override { fuente_ = fuente; }
  int AltoLinea() const override;
  int AnchoTexto(std::string_view texto) const override;
  void Linea(PuntoPixeles desde, PuntoPixeles hasta) override;
  void Rectangulo(const CajaPixeles& caja, ColorRgb relleno) override;
  void Elipse(const CajaPixeles& caja, ColorRgb relleno) override;
  void Imagen(const CajaPixeles& caja, const ImagenHoja& imagen) override;
  void Texto(PuntoPixeles punto, std::string_view texto, Alineacion alineacion) override;

  std::vector<PaginaRegistrada> paginas;
  int trabajos = 0;    // jobs begun
  int terminados = 0;  // jobs ended
  // Calls made outside a print job (drawing, new pages): always a fault.
  int fueraDeTrabajo = 0;
  // When set, Comenzar fails as a printer that cannot be opened.
  bool fallarAlComenzar = false;

 private:
  PaginaRegistrada* PaginaActual();

  int anchoVertical_;
  int altoVertical_;
  int ppp_;
  double factorLinea_;
  double factorAncho_;
  Orientacion orientacion_ = Orientacion::kVertical;
  Fuente fuente_;
  bool abierta_ = false;
};

// A printer whose dialog answers `confirmar` and that prints on a recording
// surface.
class ImpresoraRegistro : public Impresora {
 public:
  bool Imprimir(std::string_view titulo, const TrabajoImpresion& trabajo) override;

  SuperficieRegistro superficie;
  bool confirmar = true;
  std::vector<std::string> titulos;  // titles asked for, confirmed or not
};

}  // namespace sendaro
