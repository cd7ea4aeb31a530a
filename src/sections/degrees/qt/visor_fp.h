// Higher vocational titles: the families and their titles, the title card
// with its views and its whole printout (with the choice of communities on
// the map when it is long), and the centres of a place or of a title on the
// grid `reja`. The lists come from the domain (sections/degrees/titulos_fp.h,
// centros_fp.h); these handlers show them.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "sections/degrees/ficha_carrera.h"

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace sendaro {

class PaginaGrados;
struct FuentesFP;
struct RejaFP;

class VisorFP : public QObject {
  Q_OBJECT

 public:
  explicit VisorFP(PaginaGrados& pagina);
  ~VisorFP() override;

  // The vocational menu.
  QFrame* PanelFP;
  QPushButton* MenuFP1;
  QPushButton* MenuFP2;
  QPushButton* menuFP3;
  // The families (in the result panel) and the title pop-up.
  QListWidget* listSelFP;
  QListWidget* ListTitFP;
  QListWidget* ListFPExpli;
  QLabel* Labeltitulo;
  QPushButton* RetroFP;
  // The title card.
  QFrame* PanelFpTit;
  QPushButton* MenuFpTit1;
  QPushButton* MenuFpTit2;
  QPushButton* MenuFpTit3;
  QPushButton* MenuFpTit4;
  QPushButton* MenuFpTit42;
  QPushButton* MenuFPTitTodo;
  QPushButton* MenuFpTit5;
  QPushButton* MenuFpTit6;
  QPushButton* MenuFpTit7;
  // The choice of communities for a long printout.
  QFrame* PanelImp;
  QLabel* LabelSelCom1;
  QListWidget* ListImp;
  QLabel* LabelSelCom2;
  QPushButton* BotAceptar;
  // Centres by place: the grid, the places, the detail maps.
  QTableWidget* reja;
  QPushButton* BotRetrocederFP;
  QListWidget* ListSelLugFP;
  QComboBox* ComBachi;
  QPushButton* botTelefono;
  QPushButton* BotInternetC;
  QLabel* mapac;
  QLabel* mapam;
  QListWidget* listBarcelona;
  QPushButton* BotCerrar;

  int TituloFPSel = 0;
  bool ModoFP = false;         // the map picks vocational places
  bool ModoLugaresFP = false;  // centres by place (else a title's centres)

  // Colours and fonts that follow the page's style sheet.
  void Preparar();
  // The title card's two "Acceso a Carreras" buttons say which way each goes.
  void NombrarAccesos();

  void AbrirFP();
  // The vocational door: the families list starts again at its first row.
  void EntrarFP();
  // Title t's card at its description, as if chosen in its family's list.
  void AbrirTitulo(int t);
  void menuFP1Click();
  void menuFP3Click();
  void listSelFPMouseMove(int fila);
  void listSelFPMouseUp(int fila);
  void ListTitFPMouseMove(int fila);
  void ListTitFPClick(int fila);
  void MenuFpTitClick(int boton);  // 1, 2, 3, 4, 42, 8 (Todo), 5, 6, 7
  void ListImpClick(int fila);
  void BotAceptarClick();
  void menuFP2Click();
  void ListSelLugFPClick();
  void ComBachiChange();
  void botTelefonoClick();
  void BotInternetCClick();
  void rejaDblClick();
  void BotRetrocederFPClick();
  void BotImprimirFPClick();
  void mapacMouseMove(int x, int y);
  void mapacClick();
  void mapamMouseMove(int x, int y);
  void mapamClick();
  void listBarcelonaClick(int fila);
  // A community clicked on the map: the choice for printing, a title's
  // centres or the places of a community. False when the map is not ours.
  bool MapaClick();
  // The whole printout of the title as last built (tests read it).
  const InformeLineas& UltimaImpresionFP() const;

 private:
  struct EstadoFP;

  void Crear();
  // Captions, colours and fonts of its own.
  void Rotular();
  void Conectar();
  void ConectarFiltros();
  void CerrarEleccionFP();
  void ImprimirTodoFP(bool enPantalla, const std::vector<int>& comunidades);
  void MostrarVistaFP(const QString& titulo, const std::vector<std::string>& filas, bool courier);
  void MostrarRejaFP(const std::vector<std::string>& textos,
                     const std::vector<std::string>& telefonos);
  void AbrirTituloFP();
  void VolverAFamilias();
  void SalirDelTitulo();
  void SobreMapaDetalle(bool comarcas, int x, int y);
  FuentesFP FuentesTitulosFP() const;
  // The grid of the place chosen, with the branch chosen.
  RejaFP RejaElegida(const std::vector<int>& centros) const;

  PaginaGrados& p_;
  std::unique_ptr<EstadoFP> fp_;
};

}  // namespace sendaro
