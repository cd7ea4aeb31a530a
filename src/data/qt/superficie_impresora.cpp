#include "data/qt/superficie_impresora.h"

#include <QByteArrayView>
#include <QColor>
#include <QDebug>
#include <QFontMetrics>
#include <QPen>
#include <QPointF>
#include <QPrinter>
#include <QRect>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>

namespace sendaro {

namespace {

QRect Caja(const CajaPixeles& caja) {
  return QRect(caja.x1, caja.y1, caja.x2 - caja.x1, caja.y2 - caja.y1);
}

QColor Color(ColorRgb rgb) {
  return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>(rgb & 0xFF));
}

}  // namespace

QString DesdeWindows1252(std::string_view texto) {
  QStringDecoder decodificador("windows-1252");
  return decodificador(QByteArrayView(texto.data(), static_cast<qsizetype>(texto.size())));
}

SuperficieImpresora::SuperficieImpresora(QPrinter& impresora, const ImagenesImpresion& imagenes)
    : impresora_(impresora),
      imagenes_(imagenes),
      fuente_(FuenteQt(Fuente{})),
      medidas_(fuente_, &impresora_) {}

SuperficieImpresora::~SuperficieImpresora() {
  if (pintor_.isActive()) pintor_.end();
}

QFont SuperficieImpresora::FuenteQt(const Fuente& fuente) {
  QFont qfuente(DesdeWindows1252(fuente.familia));
  const bool fija = fuente.familia.find("Courier") != std::string::npos;
  qfuente.setStyleHint(fija ? QFont::TypeWriter : QFont::SansSerif);
  qfuente.setFixedPitch(fija);
  qfuente.setPointSizeF(std::max(1.0, fuente.tamano));
  qfuente.setBold(fuente.negrita);
  return qfuente;
}

void SuperficieImpresora::FijarOrientacion(Orientacion orientacion) {
  impresora_.setPageOrientation(orientacion == Orientacion::kApaisada ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
}

bool SuperficieImpresora::Comenzar() {
  if (!pintor_.begin(&impresora_)) {
    qWarning("Sendaro: the print job could not be opened");
    return false;
  }
  // About 0.17 mm: a hairline at the printer's resolution would vanish.
  QPen pluma(Qt::black);
  pluma.setWidth(std::max(1, impresora_.resolution() / 150));
  pintor_.setPen(pluma);
  pintor_.setRenderHint(QPainter::SmoothPixmapTransform);
  pintor_.setFont(fuente_);
  return true;
}

void SuperficieImpresora::NuevaPagina() {
  if (pintor_.isActive()) impresora_.newPage();
}

void SuperficieImpresora::Terminar() {
  if (pintor_.isActive()) pintor_.end();
}

int SuperficieImpresora::AnchoPixeles() const {
  return impresora_.pageLayout().paintRectPixels(impresora_.resolution()).width();
}

int SuperficieImpresora::AltoPixeles() const {
  return impresora_.pageLayout().paintRectPixels(impresora_.resolution()).height();
}

int SuperficieImpresora::PuntosPorPulgadaX() const { return impresora_.resolution(); }
int SuperficieImpresora::PuntosPorPulgadaY() const { return impresora_.resolution(); }

void SuperficieImpresora::FijarFuente(const Fuente& fuente) {
  fuente_ = FuenteQt(fuente);
  medidas_ = QFontMetricsF(fuente_, &impresora_);
  if (pintor_.isActive()) pintor_.setFont(fuente_);
}

int SuperficieImpresora::AltoLinea() const {
  return static_cast<int>(std::ceil(medidas_.lineSpacing()));
}

int SuperficieImpresora::AnchoTexto(std::string_view texto) const {
  return static_cast<int>(std::ceil(medidas_.horizontalAdvance(DesdeWindows1252(texto))));
}

void SuperficieImpresora::Linea(PuntoPixeles desde, PuntoPixeles hasta) {
  if (!pintor_.isActive()) return;
  pintor_.drawLine(desde.x, desde.y, hasta.x, hasta.y);
}

void SuperficieImpresora::Rectangulo(const CajaPixeles& caja, ColorRgb relleno) {
  if (!pintor_.isActive()) return;
  pintor_.setBrush(Color(relleno));
  pintor_.drawRect(Caja(caja));
}

void SuperficieImpresora::Elipse(const CajaPixeles& caja, ColorRgb relleno) {
  if (!pintor_.isActive()) return;
  pintor_.setBrush(Color(relleno));
  pintor_.drawEllipse(Caja(caja));
}

void SuperficieImpresora::Imagen(const CajaPixeles& caja, const ImagenHoja& imagen) {
  if (!pintor_.isActive()) return;
  const auto encontrada = imagenes_.find(imagen.nombre);
  if (encontrada == imagenes_.end() || encontrada->second.isNull()) return;
  pintor_.drawImage(Caja(caja), encontrada->second);
}

void SuperficieImpresora::Texto(PuntoPixeles punto, std::string_view texto, Alineacion alineacion) {
  if (!pintor_.isActive() || texto.empty()) return;
  const QString qtexto = DesdeWindows1252(texto);
  qreal x = punto.x;
  if (alineacion != Alineacion::kIzquierda) {
    const qreal ancho = medidas_.horizontalAdvance(qtexto);
    x -= alineacion == Alineacion::kCentro ? ancho / 2 : ancho;
  }
  // The point is the top of the text; QPainter writes on the baseline.
  pintor_.drawText(QPointF(x, punto.y + medidas_.ascent()), qtexto);
}

}  // namespace sendaro
