// The program's printer: a report asks for the printer in the platform's
// print dialog and prints there. When the environment variable
// SENDARO_PDF_DIR names a folder, no dialog is shown and every printout is
// written to that folder as a PDF file named "NNN <report title>.pdf",
// numbered in order.
#pragma once

#include <QImage>
#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "data/impresion/impresora.h"
#include "data/qt/superficie_impresora.h"

class QPrinter;
class QWidget;

namespace sendaro {

// Where a printout goes: prepares the printer for a report or declines.
class DestinoImpresion {
 public:
  virtual ~DestinoImpresion() = default;
  // False when the user cancels (nothing is printed then).
  virtual bool Preparar(QPrinter& impresora, const QString& titulo) = 0;
};

// The platform print dialog.
class DestinoDialogo : public DestinoImpresion {
 public:
  explicit DestinoDialogo(QWidget* padre = nullptr) : padre_(padre) {}
  bool Preparar(QPrinter& impresora, const QString& titulo) override;

 private:
  QWidget* padre_;
};

// Numbered PDF files in a folder, without asking.
class DestinoCarpetaPdf : public DestinoImpresion {
 public:
  explicit DestinoCarpetaPdf(std::filesystem::path carpeta) : carpeta_(std::move(carpeta)) {}
  bool Preparar(QPrinter& impresora, const QString& titulo) override;
  // The file the last printout went to.
  const std::filesystem::path& UltimoFichero() const { return ultimo_; }

 private:
  std::filesystem::path carpeta_;
  std::filesystem::path ultimo_;
};

// The PDF folder when SENDARO_PDF_DIR is set, else the print dialog.
std::unique_ptr<DestinoImpresion> DestinoPredeterminado(QWidget* padre = nullptr);

// "007 Ficha de Medicina.pdf": the number with at least three digits and the
// title with the characters file systems refuse replaced, blanks collapsed,
// cut to 80 characters; "Informe" for an empty title.
QString NombreFicheroPdf(int numero, const QString& titulo);
// One more than the highest "NNN " number among the folder's files; 1 when
// there is none.
int SiguienteNumeroPdf(const std::filesystem::path& carpeta);

class ImpresoraQt : public Impresora {
 public:
  // The destination is chosen at each printout (SENDARO_PDF_DIR or dialog).
  explicit ImpresoraQt(QWidget* padre = nullptr);
  // A fixed destination (tests, tools).
  explicit ImpresoraQt(std::unique_ptr<DestinoImpresion> destino);
  ~ImpresoraQt() override;

  bool Imprimir(std::string_view titulo, const TrabajoImpresion& trabajo) override;

 private:
  QWidget* padre_ = nullptr;
  std::unique_ptr<DestinoImpresion> destino_;
};

// The pictures every printout can draw, shared by all printers; the header
// picture is loaded once at start-up.
ImagenesImpresion& ImagenesCompartidas();
// Loads the file as the picture named after it ("chica.bmp"); false when it
// cannot be read.
bool CargarImagenImpresion(const std::filesystem::path& ruta);

}  // namespace sendaro
