#include "sections/degrees/qt/tform6.h"

#include <QLabel>
#include <QPushButton>

#include "app/qt/servicios.h"
#include "ui/accesible.h"

namespace sendaro {

TForm6::TForm6(Servicios& servicios, QWidget* padre) : QDialog(padre) {
  setObjectName(QStringLiteral("TForm6"));
  setModal(true);
  setFixedSize(420, 160);
  setWindowTitle(servicios.Texto(338) + QStringLiteral("  ") + servicios.Nombre());

  LabelTitulo = new QLabel(windowTitle(), this);
  LabelTitulo->setObjectName(QStringLiteral("LabelTitulo"));
  LabelTitulo->setGeometry(10, 20, 400, 60);
  LabelTitulo->setAlignment(Qt::AlignCenter);
  LabelTitulo->setWordWrap(true);

  BotRetroceder = new QPushButton(servicios.Texto(82), this);
  BotRetroceder->setObjectName(QStringLiteral("BotRetroceder"));
  BotRetroceder->setGeometry(135, 110, 150, 33);
  connect(BotRetroceder, &QPushButton::clicked, this, &QDialog::reject);
  NombrarAccesibles(this);
}

}  // namespace sendaro
