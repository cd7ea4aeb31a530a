// The page surface of a real print job: draws with QPainter on a QPrinter
// (a printer chosen in the print dialog, or a PDF file).
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QString>
#include <map>
#include <string>
#include <string_view>

#include "data/impresion/superficie_hoja.h"

class QPrinter;

namespace sendaro {

// Pictures the printouts may draw, by file name ("chica.bmp").
using ImagenesImpresion = std::map<std::string, QImage, std::less<>>;

class SuperficieImpresora : public SuperficieHoja {
 public:
  SuperficieImpresora(QPrinter& impresora, const ImagenesImpresion& imagenes);
  ~SuperficieImpresora() override;
  SuperficieImpresora(const SuperficieImpresora&) = delete;
  SuperficieImpresora& operator=(const SuperficieImpresora&) = delete;

  void FijarOrientacion(Orientacion orientacion) override;
  bool Comenzar() override;
  void NuevaPagina() override;
  void Terminar() override;
  int AnchoPixeles() const override;
  int AltoPixeles() const override;
  int PuntosPorPulgadaX() const override;
  int PuntosPorPulgadaY() const override;
  void FijarFuente(const Fuente& fuente) override;
  int AltoLinea() const override;
  int AnchoTexto(std::string_view texto) const override;
  void Linea(PuntoPixeles desde, PuntoPixeles hasta) override;
  void Rectangulo(const CajaPixeles& caja, ColorRgb relleno) override;
  void Elipse(const CajaPixeles& caja, ColorRgb relleno) override;
  void Imagen(const CajaPixeles& caja, const ImagenHoja& imagen) override;
  void Texto(PuntoPixeles punto, std::string_view texto, Alineacion alineacion) override;

  // The QFont a Fuente stands for (a family fontconfig can match, a style
  // hint for when it cannot).
  static QFont FuenteQt(const Fuente& fuente);

 private:
  QPrinter& impresora_;
  const ImagenesImpresion& imagenes_;
  QPainter pintor_;
  QFont fuente_;
  // Metrics of fuente_ on the printer, kept with it.
  QFontMetricsF medidas_;
};

// Windows-1252 bytes as a QString.
QString DesdeWindows1252(std::string_view texto);

}  // namespace sendaro
