#include "ui/panel_explicacion.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/texto_qt.h"

namespace sendaro {

PanelExplicacion::PanelExplicacion(QWidget* padre, const QString& nombre, const QString& titulo,
                                   const QRect& donde)
    : QFrame(padre), altoMaximo_(donde.height()) {
  setObjectName(nombre);
  setGeometry(donde);
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(255, 255, 225));
  p.setColor(QPalette::WindowText, Qt::black);
  setPalette(p);

  Titulo = new QLabel(this);
  Titulo->setObjectName(nombre + QStringLiteral("Titulo"));
  Titulo->setWordWrap(true);
  QFont negrita = Titulo->font();
  negrita.setBold(true);
  Titulo->setFont(negrita);
  FijarTitulo(titulo);

  Lineas = new QLabel(this);
  Lineas->setObjectName(nombre + QStringLiteral("Lineas"));
  Lineas->setWordWrap(true);
  Lineas->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Lineas->setTextFormat(Qt::PlainText);
  Lineas->setTextInteractionFlags(Qt::TextSelectableByMouse);

  desplazar_ = new QScrollArea(this);
  desplazar_->setFrameShape(QFrame::NoFrame);
  desplazar_->setWidgetResizable(true);
  desplazar_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  desplazar_->setWidget(Lineas);
  desplazar_->viewport()->setAutoFillBackground(false);
  Lineas->setAutoFillBackground(false);

  auto* l = new QVBoxLayout(this);
  l->setContentsMargins(8, 6, 8, 6);
  l->setSpacing(4);
  l->addWidget(Titulo);
  l->addWidget(desplazar_, 1);
  hide();
}

void PanelExplicacion::FijarTitulo(const QString& titulo) {
  Titulo->setText(titulo);
  Titulo->setAccessibleName(titulo);
}

void PanelExplicacion::Mostrar(const ResultadoExplicado* explicacion) {
  if (explicacion == nullptr || explicacion->lineas.empty()) {
    Lineas->clear();
    hide();
    return;
  }
  QStringList lineas;
  for (std::size_t i = 0; i < explicacion->lineas.size(); ++i) {
    // Later lines go under the first as its points.
    lineas << (i == 0 ? QString() : QStringLiteral("\u2022 ")) + DeWin(explicacion->lineas[i]);
  }
  const QString texto = lineas.join(QLatin1Char('\n'));
  Lineas->setText(texto);
  Lineas->setAccessibleName(texto);
  // As tall as the wrapped text needs, within the room given.
  const int ancho = width() - 16 - 4;
  const int alto = Titulo->heightForWidth(ancho) + Lineas->heightForWidth(ancho) + 6 + 6 + 4 + 4;
  resize(width(), std::min(altoMaximo_, alto));
  show();
  raise();
}

QString PanelExplicacion::Texto() const { return Lineas->text(); }

}  // namespace sendaro
