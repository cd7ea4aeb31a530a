// The degree catalogue and a degree's card: the whole-degree list with its
// branch and type filters, the card's menu with its views, and the card's
// printout.
#pragma once

#include <QObject>
#include <array>
#include <vector>

#include "sections/degrees/ficha_carrera.h"
#include "sections/degrees/lista_carreras.h"

class QComboBox;
class QFrame;
class QPushButton;

namespace sendaro {

class PaginaGrados;

class VisorFicha : public QObject {
  Q_OBJECT

 public:
  explicit VisorFicha(PaginaGrados& pagina);

  // The filters over the list, in the title bar.
  QComboBox* ComSelCar;
  QComboBox* BotSelcar;
  // Under the list: back to the menu; over the card's last row: the bridge.
  QPushButton* BitRetroSelCar;
  QPushButton* BotFP;
  // The card's menu.
  QFrame* PanelCar;
  std::array<QPushButton*, 8> MenuCar{};  // MenuCar1..MenuCar8

  int CarreraSel = 0;
  int PrimeraFilaLista = 1;  // the list's first row on view, kept between cards
  std::vector<int> IndiceCarreras;  // row -> degree
  FiltrosCarreras Filtros;

  // The card's printout as last built (tests read it).
  const InformeLineas& UltimaFicha() const { return ultimaFicha_; }

  void Preparar();

  // The list of every degree, filtered.
  void MenuCarUni1Click();
  void ListaCarreras();
  void ComSelCarChange(int item);
  void BotSelcarChange(int item);
  // A row of the list on view opens its degree's card: the degree list's,
  // a university's, or the consultation's.
  void ListSelDblClick();
  void MenuCarClick(int boton);  // 1..8
  // Degree d's card at its universities view, as if chosen in the unfiltered whole list.
  void AbrirCarrera(int d);
  void BitRetroSelCarClick();
  // Hides the list, the card and their buttons.
  void Cerrar();

 private:
  FuentesFicha Fuentes() const;
  void MostrarFicha(const FichaEnPantalla& ficha);
  void ImprimirFicha();

  PaginaGrados& p_;
  InformeLineas ultimaFicha_;
};

}  // namespace sendaro
