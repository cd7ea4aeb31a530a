// The cut-off mark consultation: a mark, a branch and a difficulty beside
// the communities map list the degrees within reach at each university of
// the chosen community; a row opens the degree's card.
#pragma once

#include <QObject>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace sendaro {

class ArribaAbajo;
class ListaMarcada;
class PaginaGrados;

class VisorConsulta : public QObject {
  Q_OBJECT

 public:
  explicit VisorConsulta(PaginaGrados& pagina);

  // The way in, under the degree list.
  QPushButton* MenuCarUni2;
  QPushButton* RetroConsultas;
  QPushButton* BotImprimirCon;
  // The question.
  QFrame* panelconsulta;
  QLabel* LabelConsejo;
  QLineEdit* MaskEdit1;
  QLineEdit* MaskEdit2;
  QLabel* LabelComa;
  ArribaAbajo* UpDown1;
  ArribaAbajo* UpDown2;
  QComboBox* listBachiL;
  QLabel* LabelDificultad;
  QLabel* LabelDificultad2;
  QSlider* TrackDif;
  QLabel* labelbaja;
  QLabel* LabelAlta;
  // The answer.
  QFrame* Panelcon2;
  QLabel* PanelconsultaTit;
  ListaMarcada* Listcon;

  bool ModoConsulta = false;
  bool FichaDesdeConsulta = false;  // the card on view was opened here
  std::vector<int> IndiceFilas;         // row -> degree (0: a heading)
  std::vector<int> UniversidadesLista;  // the chosen community's

  void Preparar();

  void MenuCarUni2Click();
  void RetroConsultasClick();
  void TrackDifChange(int posicion);
  void Consultar(bool imprimir);
  void ListconDblClick();
  // The community clicked on the map.
  void ComunidadElegida();
  // The degree of the row chosen in the answer.
  int CarreraDeFila() const;

 private:
  void CerrarConsulta();

  PaginaGrados& p_;
};

}  // namespace sendaro
