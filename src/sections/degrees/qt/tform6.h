// The bridge dialog from degrees to vocational titles.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace sendaro {

struct Servicios;

class TForm6 : public QDialog {
  Q_OBJECT

 public:
  TForm6(Servicios& servicios, QWidget* padre);

  QLabel* LabelTitulo;
  QPushButton* BotRetroceder;
};

}  // namespace sendaro
