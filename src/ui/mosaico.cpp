#include "ui/mosaico.h"

#include <QPainter>

namespace sendaro {

Mosaico::Mosaico(QWidget* padre) : QWidget(padre) { setAttribute(Qt::WA_OpaquePaintEvent); }

void Mosaico::FijarTesela(const QPixmap& tesela) {
  tesela_ = tesela;
  update();
}

void Mosaico::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  if (tesela_.isNull()) {
    pintor.fillRect(rect(), Qt::white);
  } else {
    pintor.drawTiledPixmap(rect(), tesela_);
  }
}

Mosaico* NuevoMosaico(QWidget* padre, const char* nombre, const QRect& donde,
                      const QPixmap& tesela) {
  auto* m = new Mosaico(padre);
  m->setObjectName(QString::fromLatin1(nombre));
  m->setGeometry(donde);
  m->FijarTesela(tesela);
  return m;
}

}  // namespace sendaro
