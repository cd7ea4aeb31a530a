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

LienzoVestibulo::LienzoVestibulo(QWidget* padre) : QWidget(padre) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

// The layer is made on the first drawing: the animated hall never draws on
// it, and a clear 1024 x 768 layer costs its memory and a fill.
QImage& LienzoVestibulo::Capa() const {
  if (capa_.isNull()) {
    capa_ = QImage(1024, 768, QImage::Format_ARGB32_Premultiplied);
    capa_.fill(Qt::transparent);
  }
  return capa_;
}

void LienzoVestibulo::Dibujar(const Cuadro& cuadro, const QPixmap& imagen) {
  QPainter p(&Capa());
  p.drawPixmap(cuadro.x, cuadro.y, imagen);
  update(ARect(cuadro.Area()));
}

void LienzoVestibulo::Estirar(const Recuadro& destino, const QPixmap& imagen) {
  QPainter p(&Capa());
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawPixmap(ARect(destino), imagen);
  update(ARect(destino));
}

void LienzoVestibulo::Borrar(const Recuadro& area) {
  if (capa_.isNull()) return;
  QPainter p(&capa_);
  p.setCompositionMode(QPainter::CompositionMode_Clear);
  p.fillRect(ARect(area), Qt::transparent);
  update(ARect(area));
}

void LienzoVestibulo::Limpiar() {
  if (capa_.isNull()) return;
  capa_.fill(Qt::transparent);
  update();
}

void LienzoVestibulo::paintEvent(QPaintEvent* evento) {
  if (capa_.isNull()) return;
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
