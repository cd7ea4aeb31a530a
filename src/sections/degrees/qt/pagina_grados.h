// The frame of the degrees page that every browser shares: the floor and
// headings, the main menu with its fly-out submenus, the result panel with
// its list and name bar, the communities map with its floating label and the
// list beside it, the back and print buttons, the help bubble and the
// blinking name bar. It also holds the little the browsers share (the
// community chosen on the map, whether the list on view opens its rows) and
// reaches each browser for the steps that go from one to another.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "sections/degrees/ayuda.h"
#include "sections/degrees/marco.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QWidget;

namespace sendaro {

struct Servicios;
class Impresora;
class ListaMarcada;
class Mosaico;
class Revelado;
class VisorArtes;
class VisorConsulta;
class VisorCuestionario;
class VisorFicha;
class VisorFP;
class VisorNuevas;
class VisorUniversidades;

class PaginaGrados : public QObject {
  Q_OBJECT

 public:
  // Builds the frame's widgets on `pantalla`, the degrees screen.
  PaginaGrados(Servicios& servicios, QWidget* pantalla);
  ~PaginaGrados() override;

  // The floor, its side strips and the headings.
  QWidget* Panelinicio;
  Mosaico* degradeini;
  Mosaico* TilIzq;
  Mosaico* TilDer;
  QLabel* LabelAno;
  QLabel* LabelAno2;

  // The communities map, its floating name label and the list beside it.
  QLabel* mapa;
  QLabel* PanelMapa;
  QListWidget* ListComunidad;

  // The main menu and its fly-out submenus.
  QFrame* PanelMenu;
  QPushButton* MenuCarUni1;
  QPushButton* menuCarUni3;
  QPushButton* Menui3;
  QPushButton* menui2;
  QPushButton* Menui4;
  QPushButton* menui6;
  QPushButton* menui5;
  QFrame* PanelMenu2;
  QPushButton* MenuCarUniDoble;
  QPushButton* MenuCarUniDoble2;
  QFrame* PanelMenu3;
  QPushButton* menunuevo0;
  QPushButton* menunuevo1;
  QPushButton* menunuevo2;
  QFrame* PanelMenu4;
  QPushButton* BotArtesPlas;
  QPushButton* BotMusica;
  QPushButton* BotDanza;
  QPushButton* BotDramatico;

  // Buttons below the panels.
  QPushButton* BotRetroceder;
  QPushButton* BotImprimir;

  // The result panel: name bar, title bar and list.
  QLabel* PanelCarSel;
  QLabel* PanelSelTit;
  QFrame* PanelSel;
  ListaMarcada* ListSel;

  // The help bubble (made after the browsers, above them).
  QFrame* payuda = nullptr;
  QLabel* chica = nullptr;
  std::array<QLabel*, 8> LabelAyu{};  // LabelAyu1..LabelAyu8
  QTimer* TimerAyuda = nullptr;
  QTimer* TimerParpadeo = nullptr;

  // What the browsers share.
  bool ListaActiva = false;  // the list on view opens its rows
  int ComunidadSel = 0;      // the community chosen on the map
  int RegionMapa = 1;        // the region under the pointer

  // The browsers, for the steps that go from one to another.
  VisorFicha* ficha = nullptr;
  VisorConsulta* consulta = nullptr;
  VisorUniversidades* universidades = nullptr;
  VisorNuevas* nuevas = nullptr;
  VisorArtes* artes = nullptr;
  VisorCuestionario* cuestionario = nullptr;
  VisorFP* fp = nullptr;

  void CrearAyuda();
  // Captions, colours, fonts and the page's style sheet.
  void Preparar();

  Servicios& servicios() const { return servicios_; }
  QWidget* Pantalla() const { return pantalla_; }
  QString T(int n) const;    // catalogue text n, right-trimmed
  int Letra(int mas) const;  // base font size plus `mas`
  // A community's name as the map and the lists show it.
  QString NombreComunidad(int comunidad) const;

  // The help bubble: the topic's lines appear one a tick.
  void MostrarAyuda(int tema);
  void TimerAyudaTimer();
  int TemaAyudaActual() const { return temaAyuda_; }
  // The name bar shows `nombre` blinking.
  void Parpadear(const QString& nombre);
  void TimerParpadeoTimer();

  // The result panel rolls open; the menu panel wipes in.
  void RevelarPanel(QWidget* panel, int paso);
  void AbrirMenu(QWidget* panel);
  // The submenu of a main-menu button flies out; the others close.
  void MenuSobre(QWidget* boton);
  void OcultarSubmenus();
  // Leaves the screen for the hall (or the assistant).
  void Salir();

  // A browsing list on paper.
  void Imprimir(const std::vector<std::string>& lineas, int negritas, const std::string& titulo);
  Impresora& LaImpresora() { return *impresora_; }
  void FijarImpresora(std::unique_ptr<Impresora> impresora);

 private:
  void CrearPagina();
  void CrearMenus();
  void CrearPanelSel();

  Servicios& servicios_;
  QWidget* pantalla_;
  std::unique_ptr<Impresora> impresora_;
  Revelado* rollo_;
  Revelado* circle_;
  RevelarAyuda pasoAyuda_;
  Parpadeo parpadeo_;
  LineasAyuda lineasAyuda_{};
  int temaAyuda_ = 0;
  QString nombreParpadeo_;
};

}  // namespace sendaro
