// The bridge dialog from degrees to higher vocational titles: the degrees
// that vocational titles give direct access to and, for the clicked one, the
// titles that lead to it. The list is rebuilt each time the dialog opens.
#pragma once

#include <QDialog>

#include "sections/degrees/pasarela_fp.h"
#include "ui/navegacion.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace sendaro {

struct Servicios;

class TForm6 : public QDialog {
  Q_OBJECT

 public:
  TForm6(Servicios& servicios, QWidget* padre);
  // Its one way in: FormActivate runs when it shows.
  void Entrar(entrada::Pasarela accion);

  QFrame* PanelFP;
  QLabel* LabelFP;
  QLabel* LabelMal1;
  QLabel* LabelMal2;
  QListWidget* ListCar;
  QListWidget* ListFP;
  QPushButton* BotCerrar1;

 public slots:
  void FormActivate();
  void ListCarClick(int fila);
  void BotCerrar1Click();

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  Servicios& servicios_;
  PasarelaFP pasarela_;
};

}  // namespace sendaro
