#include "hall/qt/vestibulo_estatico.h"

#include <QPaintEvent>
#include <QPainter>
#include <utility>

#include "ui/imagenes.h"

namespace sendaro {

MuroVestibulo::MuroVestibulo(QWidget* padre) : Mosaico(padre) {}

void MuroVestibulo::FijarCeldasSinPuerta(std::vector<Recuadro> celdas) {
  sinPuerta_ = std::move(celdas);
  update();
}

void MuroVestibulo::paintEvent(QPaintEvent* evento) {
  Mosaico::paintEvent(evento);
  const QPixmap& tesela = Tesela();
  const int sexto = tesela.width() / 6;
  if (tesela.isNull() || sexto == 0 || sinPuerta_.empty()) return;
  // The right margin followed by the left one: the wall as it continues
  // across the join between two tiles.
  QPixmap margenes(2 * sexto, tesela.height());
  {
    QPainter p(&margenes);
    p.drawPixmap(0, 0, tesela, tesela.width() - sexto, 0, sexto, tesela.height());
    p.drawPixmap(sexto, 0, tesela, 0, 0, sexto, tesela.height());
  }
  QPainter p(this);
  for (const Recuadro& c : sinPuerta_) {
    const QRect medio(c.x + sexto, c.y, c.ancho - 2 * sexto, c.alto);
    p.drawTiledPixmap(medio, margenes, QPoint(0, 0));
  }
}

LienzoVestibulo::LienzoVestibulo(QWidget* padre)
    : QWidget(padre), capa_(1024, 768, QImage::Format_ARGB32_Premultiplied) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  capa_.fill(Qt::transparent);
}

void LienzoVestibulo::Dibujar(const Cuadro& cuadro, const QPixmap& imagen) {
  QPainter p(&capa_);
  p.drawPixmap(cuadro.x, cuadro.y, imagen);
  update(ARect(cuadro.Area()));
}

void LienzoVestibulo::Estirar(const Recuadro& destino, const QPixmap& imagen) {
  QPainter p(&capa_);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawPixmap(ARect(destino), imagen);
  update(ARect(destino));
}

void LienzoVestibulo::Borrar(const Recuadro& area) {
  QPainter p(&capa_);
  p.setCompositionMode(QPainter::CompositionMode_Clear);
  p.fillRect(ARect(area), Qt::transparent);
  update(ARect(area));
}

void LienzoVestibulo::Limpiar() {
  capa_.fill(Qt::transparent);
  update();
}

void LienzoVestibulo::paintEvent(QPaintEvent* evento) {
  QPainter p(this);
  for (const QRect& r : evento->region()) p.drawImage(r, capa_, r);
}

QList<QPixmap> CargarTira(const std::filesystem::path& carpeta, std::string_view nombre,
                          int cuadros, int ancho, int alto) {
  QList<QPixmap> lista;
  const auto tira = CargarImagen(carpeta, nombre);
  QImage imagen;
  if (tira) {
    imagen = tira->toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < imagen.height(); ++y) {
      auto* fila = reinterpret_cast<QRgb*>(imagen.scanLine(y));
      for (int x = 0; x < imagen.width(); ++x) {
        if ((fila[x] & 0xFFFFFFu) == 0xFF00FFu) fila[x] = 0;
      }
    }
  }
  for (int i = 0; i < cuadros; ++i) {
    if (imagen.isNull() || imagen.width() < (i + 1) * ancho) {
      lista.append(QPixmap());
    } else {
      lista.append(QPixmap::fromImage(imagen.copy(i * ancho, 0, ancho, alto)));
    }
  }
  return lista;
}

}  // namespace sendaro
