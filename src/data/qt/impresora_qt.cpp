#include "data/qt/impresora_qt.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <algorithm>
#include <system_error>

namespace sendaro {

namespace {

QString RutaQt(const std::filesystem::path& ruta) {
  return QString::fromStdU16String(ruta.generic_u16string());
}

std::filesystem::path RutaStd(const QString& ruta) {
  return std::filesystem::path(ruta.toStdU16String());
}

}  // namespace

bool DestinoDialogo::Preparar(QPrinter& impresora, const QString& titulo) {
  QPrintDialog dialogo(&impresora, padre_);
  dialogo.setWindowTitle(titulo);
  dialogo.setOption(QAbstractPrintDialog::PrintToFile, true);
  return dialogo.exec() == QDialog::Accepted;
}

bool DestinoCarpetaPdf::Preparar(QPrinter& impresora, const QString& titulo) {
  std::error_code error;
  std::filesystem::create_directories(carpeta_, error);
  ultimo_ = carpeta_ / RutaStd(NombreFicheroPdf(SiguienteNumeroPdf(carpeta_), titulo));
  impresora.setOutputFormat(QPrinter::PdfFormat);
  // A4 with quarter-inch margins: room for the landscape header's page circle.
  impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
  impresora.setOutputFileName(RutaQt(ultimo_));
  return true;
}

std::unique_ptr<DestinoImpresion> DestinoPredeterminado(QWidget* padre) {
  const QString carpeta = qEnvironmentVariable("SENDARO_PDF_DIR");
  if (!carpeta.isEmpty()) return std::make_unique<DestinoCarpetaPdf>(RutaStd(carpeta));
  return std::make_unique<DestinoDialogo>(padre);
}

QString NombreFicheroPdf(int numero, const QString& titulo) {
  QString limpio;
  for (const QChar c : titulo.simplified()) {
    const bool prohibido =
        c.unicode() < 0x20 || c.unicode() == 0x7F || QStringView(u"<>:\"/\\|?*").contains(c);
    limpio += prohibido ? QChar(u'_') : c;
  }
  limpio = limpio.left(80);
  // Trailing dots and blanks are dropped by some file systems.
  while (!limpio.isEmpty() && (limpio.back() == u'.' || limpio.back() == u' ')) limpio.chop(1);
  if (limpio.isEmpty()) limpio = QStringLiteral("Informe");
  return QStringLiteral("%1 %2.pdf").arg(numero, 3, 10, QChar(u'0')).arg(limpio);
}

int SiguienteNumeroPdf(const std::filesystem::path& carpeta) {
  static const QRegularExpression numerado(QStringLiteral("^(\\d+) "));
  int mayor = 0;
  std::error_code error;
  for (const auto& entrada : std::filesystem::directory_iterator(carpeta, error)) {
    const auto coincidencia =
        numerado.match(QString::fromStdU16String(entrada.path().filename().u16string()));
    if (coincidencia.hasMatch()) mayor = std::max(mayor, coincidencia.captured(1).toInt());
  }
  return mayor + 1;
}

ImpresoraQt::ImpresoraQt(QWidget* padre) : padre_(padre) {}

ImpresoraQt::ImpresoraQt(std::unique_ptr<DestinoImpresion> destino)
    : destino_(std::move(destino)) {}

ImpresoraQt::~ImpresoraQt() = default;

bool ImpresoraQt::Imprimir(std::string_view titulo, const TrabajoImpresion& trabajo) {
  QPrinter impresora(QPrinter::HighResolution);
  const QString qtitulo = DesdeWindows1252(titulo).trimmed();
  impresora.setDocName(qtitulo);
  std::unique_ptr<DestinoImpresion> predeterminado;
  DestinoImpresion* destino = destino_.get();
  if (destino == nullptr) {
    predeterminado = DestinoPredeterminado(padre_);
    destino = predeterminado.get();
  }
  if (!destino->Preparar(impresora, qtitulo)) return false;
  SuperficieImpresora superficie(impresora, ImagenesCompartidas());
  trabajo(superficie);
  return true;
}

ImagenesImpresion& ImagenesCompartidas() {
  static ImagenesImpresion imagenes;
  return imagenes;
}

bool CargarImagenImpresion(const std::filesystem::path& ruta) {
  QImage imagen;
  if (!imagen.load(RutaQt(ruta))) return false;
  ImagenesCompartidas()[ruta.filename().string()] = imagen;
  return true;
}

}  // namespace sendaro
