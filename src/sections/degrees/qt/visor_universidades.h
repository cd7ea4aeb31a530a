// Universities by community, double degrees (by degree or by community) and
// other degrees: the browsers of the list beside the map.
#pragma once

#include <QObject>
#include <vector>

class QLabel;
class QPushButton;
class QTextEdit;

namespace sendaro {

class PaginaGrados;

class VisorUniversidades : public QObject {
  Q_OBJECT

 public:
  explicit VisorUniversidades(PaginaGrados& pagina);

  QTextEdit* listSel2;  // the double degrees of a degree, headings in red
  QPushButton* BotIntUni;
  QLabel* LabelSeleccion;

  bool ModoDobles = false;
  bool ModoLista = false;  // double degrees: by degree (true) or by community
  bool ModoOtras = false;
  bool ListaUniversidad = false;  // a university's degrees are on view
  int UniversidadSel = 0;
  int OtraSel = 0;
  std::vector<int> UniversidadesLista;  // row of the list beside the map -> university or entry
  std::vector<int> IndiceFilas;         // row of a university's list -> degree
  std::vector<int> CarrerasDobles;      // row -> degree of the double-degree list

  void Preparar();

  void menuCarUni3Click();
  void MenuCarUniDobleClick();
  void MenuCarUniDoble2Click();
  void menui6Click();
  // The community chosen on the map, and a row of the list beside it.
  void ComunidadElegida();
  void ListComunidadClick(int fila);
  void BotIntUniClick();
  void BotImprimirClick();
  // The degree of a row of a university's list.
  int CarreraDeFila(int fila) const;
  // A card opens from the university's list: the list and its buttons go.
  void CerrarLista();
  // The back button's steps out of these browsers.
  void CerrarResultado();
  void SalirDobles();
  void SalirOtras();

 private:
  void MostrarUniversidad(int fila);
  void MostrarDoblesDeCarrera(int fila, bool imprimir);
  void MostrarDoblesDeEntrada(int fila, bool imprimir);
  void MostrarOtra(int fila, bool imprimir);
  void MostrarEnLista(const std::vector<std::string>& filas);

  PaginaGrados& p_;
};

}  // namespace sendaro
