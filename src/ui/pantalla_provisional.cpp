#include "ui/pantalla_provisional.h"

#include <QLabel>
#include <QPushButton>

#include "ui/accesible.h"
#include "ui/mosaico.h"
#include "ui/servicios.h"

namespace sendaro {

PantallaProvisional::PantallaProvisional(Servicios& servicios, const QString& nombre,
                                         QWidget* padre)
    : QWidget(padre), servicios_(servicios) {
  setObjectName(nombre);
  resize(1024, 768);
  const QString titulo = servicios.Texto(338) + QStringLiteral("  ") + servicios.Nombre();
  setWindowTitle(titulo);
  const Tema& tema = servicios.TemaActual();

  Fondo = NuevoMosaico(this, "Fondo", {0, 0, 1024, 768}, servicios.recursos.Suelo);
  TilIzq = NuevoMosaico(this, "TilIzq", {0, 0, 23, 768}, servicios.recursos.MarcoIzquierdo);
  TilDer = NuevoMosaico(this, "TilDer", {1024 - 23, 0, 23, 768}, servicios.recursos.MarcoDerecho);

  LabelTitulo = new QLabel(titulo, this);
  LabelTitulo->setObjectName(QStringLiteral("LabelTitulo"));
  LabelTitulo->setGeometry(23, 0, 1024 - 46, 48);
  LabelTitulo->setAlignment(Qt::AlignCenter);
  LabelTitulo->setAutoFillBackground(true);
  QPalette paleta = LabelTitulo->palette();
  paleta.setColor(QPalette::Window, ColorQ(tema.ColorTitulo));
  paleta.setColor(QPalette::WindowText, ColorQ(tema.ColorTextoTitulo));
  LabelTitulo->setPalette(paleta);
  QFont letra(QStringLiteral("Times New Roman"));
  letra.setPixelSize(22);
  letra.setBold(true);
  LabelTitulo->setFont(letra);

  BotRetroceder = new QPushButton(servicios.Texto(82), this);
  BotRetroceder->setObjectName(QStringLiteral("BotRetroceder"));
  BotRetroceder->setGeometry(1024 - 23 - 150 - 16, 768 - 33 - 16, 150, 33);
  BotRetroceder->setCursor(Qt::PointingHandCursor);
  connect(BotRetroceder, &QPushButton::clicked, this, [this] { BotRetrocederClick(); });

  NombrarAccesibles(this);
}

void PantallaProvisional::BotRetrocederClick() { servicios_.navegacion.Salir(*this); }

void PantallaProvisional::MostrarSiHay(const char* nombre, bool visible) {
  if (auto* w = findChild<QWidget*>(QLatin1String(nombre))) w->setVisible(visible);
}

}  // namespace sendaro
