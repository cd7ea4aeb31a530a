// The hall: the main screen with the doors to every section, the centre's
// name and the year. Until the door animations exist, a door opens its
// screen at once.
#pragma once

#include <QWidget>
#include <map>

class QLabel;

namespace sendaro {

struct Servicios;
class Mosaico;
class EtiquetaPuerta;

class Tform0 : public QWidget {
  Q_OBJECT

 public:
  explicit Tform0(Servicios& servicios, QWidget* padre = nullptr);

  Mosaico* mosaico;
  QLabel* Imagefaraon;
  QLabel* ImageDejar;
  QLabel* LabelCentro;
  QLabel* LabelCentro2;
  QLabel* LabelAno;
  QLabel* Labelano2;
  EtiquetaPuerta* LabelCarreras;
  EtiquetaPuerta* LabelCat;
  EtiquetaPuerta* LabelFpS;
  EtiquetaPuerta* LabelIti;
  EtiquetaPuerta* LabelFPM;
  EtiquetaPuerta* LabelFPip;
  EtiquetaPuerta* LabelProfe;
  EtiquetaPuerta* LabelCuesB;
  EtiquetaPuerta* LabelCuesE;
  EtiquetaPuerta* LabelAsistente;
  EtiquetaPuerta* LabelDejar;

  int PuertaSel = 0;

  // Opens the section of a door code (1..9, 11).
  void AbrirPuerta(int codigo);
  void LabelDejarClick();

 signals:
  // After the hall's first paint.
  void PrimerPintado();

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;

 private:
  void Abrir(QWidget* pantalla);

  Servicios& servicios_;
  bool pintado_ = false;
};

}  // namespace sendaro
