// The program's one small modal dialog: a yes/no question, a name prompt, a
// one-button notice of two lines or the choice between the two catalogue
// printouts. Callers set the controls, show it with Mostrar() and read the
// result (and then EditNombre or the radio buttons).
#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace sendaro {

struct Servicios;

class TForm4 : public QDialog {
  Q_OBJECT

 public:
  TForm4(Servicios& servicios, QWidget* padre);

  // Shows the dialog modally through the dialog seam; true for yes.
  bool Mostrar();

  // Question mode: LabelNombre = the question, EditNombre hidden.
  bool Preguntar(const QString& pregunta);
  // Notice mode: two lines and only the yes button.
  void Avisar(const QString& linea1, const QString& linea2);
  // Name mode: asks until the name is not empty or the answer is no; the
  // name, or nothing after a no.
  std::optional<QString> PedirNombre(const QString& peticion, const QString& inicial = {});
  // Print options mode: nothing after a no, else 1 or 2 (the radio chosen).
  std::optional<int> ElegirImpresion();

  QLabel* LabelNombre;
  QLabel* LabelNombre2;
  QLineEdit* EditNombre;
  QPushButton* ShadowSi;
  QPushButton* ShadowNo;
  QWidget* PanelImprimir;
  QRadioButton* Radio1;
  QRadioButton* Radio2;
  QPushButton* botImprimir;
  QPushButton* botcerImp;

 public slots:
  // Every close hides EditNombre and LabelNombre2 and shows ShadowNo again;
  // the radio buttons keep their state.
  void done(int resultado) override;

 private:
  Servicios& servicios_;
};

}  // namespace sendaro
