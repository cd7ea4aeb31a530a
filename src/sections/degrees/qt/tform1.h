// The degrees and higher vocational titles screen: one page that hosts the
// degree browsers by showing and hiding its panels. This file holds the frame
// every browser shares (page, menus, result panel, back button, help bubble,
// blinking name bar, list printout, leaving); the degree catalogue and card
// live in tform1_carreras.cpp, the cut-off mark consultation and the map in
// tform1_consulta.cpp. Lists and reports are built by the domain
// (sections/degrees/*.h); the handlers here only show their rows.
#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sections/degrees/artes.h"
#include "sections/degrees/ayuda.h"
#include "sections/degrees/carreras_nuevas.h"
#include "sections/degrees/consulta.h"
#include "sections/degrees/cuestionario_cualidades.h"
#include "sections/degrees/ficha_carrera.h"
#include "sections/degrees/lista_carreras.h"
#include "sections/degrees/marco.h"
#include "sections/degrees/universidades.h"
#include "ui/navegacion.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QTableWidget;
class QTextEdit;
class QTimer;

namespace sendaro {

struct FuentesFP;
struct Servicios;
class ArribaAbajo;
class Impresora;
class ListaMarcada;
class Mosaico;
class Revelado;

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(Servicios& servicios, QWidget* padre = nullptr);
  ~TForm1() override;

  // Pages, strips and labels.
  QWidget* Panelinicio;
  Mosaico* degradeini;
  Mosaico* TilIzq;
  Mosaico* TilDer;
  QLabel* LabelAno;
  QLabel* LabelAno2;

  // Main menu and its fly-out submenus.
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

  // Result panel, its lists and its bottom row.
  QFrame* PanelSel;
  ListaMarcada* ListSel;
  QListWidget* listSelFP;
  QTextEdit* listSel2;
  QTableWidget* reja;
  QPushButton* BotUni;
  QPushButton* BotReq;
  QPushButton* BotSal;
  QPushButton* MenuCarUni2;
  QPushButton* BotIntUni;
  QPushButton* BitRetroSelCar;
  QPushButton* BotArtesTit;
  QPushButton* BotArtesEsp;
  QPushButton* BotArtesLug;
  QPushButton* BotFP;
  QLabel* LabelSeleccion;
  QLabel* PanelSelTit;
  QComboBox* BotSelcar;
  QComboBox* ComSelCar;
  QLabel* PanelCarSel;

  // Degree card menu.
  QFrame* PanelCar;
  std::array<QPushButton*, 8> MenuCar{};  // MenuCar1..MenuCar8

  // Higher vocational titles and their centres (tform1_fp.cpp).
  QFrame* PanelFP;
  QPushButton* MenuFP1;
  QPushButton* MenuFP2;
  QPushButton* menuFP3;
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
  QListWidget* ListTitFP;
  QListWidget* ListFPExpli;
  QLabel* Labeltitulo;
  QFrame* PanelImp;
  QLabel* LabelSelCom1;
  QListWidget* ListImp;
  QLabel* LabelSelCom2;
  QPushButton* BotAceptar;
  QPushButton* RetroFP;
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

  // Map.
  QLabel* mapa;
  QLabel* PanelMapa;
  QListWidget* ListComunidad;

  // Buttons below the menus.
  QPushButton* BotRetroceder;
  QPushButton* BotImprimir;
  QPushButton* RetroConsultas;
  QPushButton* BotImprimirCon;

  // Cut-off mark consultation.
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
  QFrame* Panelcon2;
  QLabel* PanelconsultaTit;
  ListaMarcada* Listcon;

  // New degrees: the category filter, the print button and the diagram.
  QComboBox* ComboNuevas;
  QPushButton* BotImprimirN;  // also prints an arts field
  QFrame* PanelGrado;
  std::array<QFrame*, 6> Shape{};    // Shape1..Shape6
  std::array<QLabel*, 7> ImageG{};   // ImageG2..ImageG8
  std::array<QLabel*, 13> LabelG{};  // LabelG0..LabelG12
  QLabel* LabelGT;
  QLabel* LabelGTexto;
  // PanelMueve1, panelmueve2, Panelmueve3..Panelmueve7
  std::array<QFrame*, 7> Cubiertas{};
  QPushButton* BotAvanza;
  QPushButton* BotAcabarG;
  QTimer* Timergrado;
  QTimer* Timerfrase;
  int PasoGrado() const { return pasoGrado_; }

  // Qualities and interests questionnaire: a page of its own.
  QWidget* Panelcon;
  Mosaico* degradecon;
  Mosaico* TilIzqC;
  Mosaico* TilDerC;
  Mosaico* TilArrC;
  QFrame* PanelMenuCon;
  QPushButton* Menucua;
  QPushButton* MenuGus;
  QPushButton* MenuMedia;
  QPushButton* MenuRetroCon;
  QFrame* PanelListCon;
  QListWidget* ListCua;
  QListWidget* Listint;
  QLabel* PanelResCon;
  QListWidget* ListResul;
  QListWidget* ListCarreras;
  QPushButton* VerResul;
  QPushButton* revisa;
  QPushButton* acabarCua;
  QPushButton* ImpResul;
  QPushButton* grabar;
  QLabel* LabelAviso;
  bool CualidadesRellenas = false;  // the two list-filled latches
  bool InteresesRellenos = false;
  bool EnCualidades = true;  // which list the questionnaire is on
  QString NombreAlumno;
  std::vector<int> OrdenGrupos;
  ResultadoCuestionario Resultados;

  // Help bubble.
  QFrame* payuda;
  QLabel* chica;
  std::array<QLabel*, 8> LabelAyu{};  // LabelAyu1..LabelAyu8

  QTimer* TimerAyuda;
  QTimer* TimerParpadeo;

  // Mode flags.
  bool ModoGrados = false;
  bool ModoLista = false;
  bool ModoDobles = false;
  bool ModoOtras = false;
  bool ModoArtes = false;
  int ArteSel = 0;
  bool ModoConsulta = false;
  bool FichaDesdeConsulta = false;
  bool ModoFP = false;
  bool ModoLugaresFP = false;
  bool ListaActiva = false;
  bool ListaUniversidad = false;

  // Selection state.
  int CarreraSel = 0;
  int ComunidadSel = 0;
  int RegionMapa = 1;
  int PrimeraFilaLista = 1;
  std::vector<int> IndiceCarreras;
  std::vector<int> IndiceFilas;
  std::vector<int> UniversidadesLista;
  int UniversidadSel = 0;
  std::vector<int> CarrerasDobles;  // row -> degree of the double-degree list
  FiltrosCarreras Filtros;

  // The help topic on view (its lines stay when a topic is unknown).
  int TemaAyudaActual() const { return temaAyuda_; }
  // The card's printout as last built (tests read it).
  const InformeLineas& UltimaFicha() const { return ultimaFicha_; }

  // Start-up: the degree tables (a missing file shows its message and stops start-up).
  static void Preparar(Servicios& servicios);
  // The ways in from the hall and the assistant.
  void Entrar(entrada::Carreras accion);

  // Replaces the printer (tests).
  void FijarImpresora(std::unique_ptr<Impresora> impresora);

 public slots:
  // Entries from the hall.
  void BotInformacionClick();
  void botSendaroClick();

  // Frame.
  void MostrarAyuda(int tema);
  void TimerAyudaTimer();
  void TimerParpadeoTimer();
  void BotRetrocederClick();
  void menui5Click();
  bool FormCloseQuery();
  void RevelarPanel(QWidget* panel, int paso);
  void AbrirMenu(QWidget* panel);

  // Degree catalogue and card.
  void MenuCarUni1Click();
  void ListaCarreras();
  void ComSelCarChange(int item);
  void BotSelcarChange(int item);
  void ListSelDblClick();
  void MenuCarClick(int boton);  // 1..8
  void BitRetroSelCarClick();

  // Consultation and map.
  void MenuCarUni2Click();
  void RetroConsultasClick();
  void TrackDifChange(int posicion);
  void Consultar(bool imprimir);
  void ListconDblClick();
  void mapaMouseMove(int x, int y);
  void mapaClick();

  // Higher vocational titles and their centres.
  void AbrirFP();
  // The vocational door: the families list starts again at its first row.
  void EntrarFP();
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
  // The whole printout of the title as last built (tests read it).
  const InformeLineas& UltimaImpresionFP() const;

  // Universities by community, double degrees, other degrees; the
  // community picked on the map and a row of the list beside it.
  void menuCarUni3Click();
  void MenuCarUniDobleClick();
  void MenuCarUniDoble2Click();
  void menui6Click();
  void ComunidadElegida();
  void ListComunidadClick();
  void BotIntUniClick();
  void BotImprimirClick();

  // New degrees.
  void menunuevo0Click();
  void menunuevo1Click();
  void menunuevo2Click();
  void ComboNuevasChange(int item);
  void BotUniClick();
  void BotReqClick();
  void BotSalClick();
  void BotImprimirNClick();
  void BotAvanzaClick();
  void BotAcabarGClick();
  void TimergradoTimer();
  void TimerfraseTimer();

  // Arts studies (the field: Arte as a number).
  void AbrirArte(int campo);
  void BotArtesTitClick();
  void BotArtesEspClick();
  void BotArtesLugClick();

  // Qualities and interests questionnaire.
  void MenuCuaClick();
  void MenuGusClick();
  void ListCuaClick(int fila);
  void verresulClick();
  void revisaClick();
  void MenuMediaClick();
  void ListResulMouseMove(int y);
  void ListResulClick(int fila);
  void acabarCuaClick();
  void IMpResulClick();
  void grabarClick();
  void MenuRetroConClick();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  bool event(QEvent* evento) override;

 private:
  // Creation, one part per area of the page.
  void CrearPagina();
  void CrearMenus();
  void CrearPanelSel();
  void CrearFicha();
  void CrearConsulta();
  void CrearAyuda();
  void CrearFP();
  void ConectarFP();
  bool MapaClickFP();
  void CerrarEleccionFP();
  void ImprimirTodoFP(bool enPantalla, const std::vector<int>& comunidades);
  void MostrarVistaFP(const QString& titulo, const std::vector<std::string>& filas, bool courier);
  void MostrarRejaFP(const std::vector<std::string>& textos, const std::vector<std::string>& telefonos);
  void AbrirTituloFP();
  FuentesFP FuentesTitulosFP() const;

  void CrearCuestionario();
  void CrearNuevas();
  void PrepararNuevas();
  void PrepararPantalla();
  void Conectar();

  QString T(int n) const;    // catalogue text n, right-trimmed
  int Letra(int mas) const;  // base font size plus `mas`
  void MenuSobre(QWidget* boton);
  void OcultarSubmenus();
  void MostrarFicha(const FichaEnPantalla& ficha);
  void EjecutarRetroceso(PasoRetroceso paso);
  void CerrarConsulta();
  void AbrirFichaDeFila();
  void Imprimir(const std::vector<std::string>& lineas, int negritas, const std::string& titulo);
  EstadoRetroceso EstadoActual() const;
  FuentesFicha Fuentes() const;
  // Universities, double and other degrees.
  void ConectarUniversidades();
  void MostrarUniversidad(int fila);
  void MostrarDoblesDeCarrera(int fila, bool imprimir);
  void MostrarDoblesDeEntrada(int fila, bool imprimir);
  void MostrarOtra(int fila, bool imprimir);
  // New degrees.
  FuentesNuevas FuentesN() const;
  void MostrarNuevas(int categoria);
  void MostrarNueva(int fila);
  void MostrarVistaNueva(const std::vector<std::string>& filas, const QString& letra, int mas);
  void NuevasDeComunidad();
  void MostrarNuevasDeUniversidad(int fila);
  // Arts.
  void ConectarArtes();
  FuentesArte FuentesA() const;
  void MostrarLugaresEspecialidad(int fila);
  void LugaresArteComunidad();
  void ImprimirArteElegido();
  bool AbrirFilaArte();  // true in the arts browser, which opens only addresses
  // Questionnaire.
  void AbrirListaCuestionario(bool cualidades);
  Clasificacion PuntuarLista(bool cualidades);
  void MostrarClasificacion(const Clasificacion& c, const QString& cabecera);
  std::optional<InformeCuestionario> InformeCuestionarioPedido();
  FuentesCuestionario FuentesCues() const;

  Servicios& servicios_;
  std::unique_ptr<Impresora> impresora_;
  Revelado* rollo_;
  Revelado* circle_;
  RevelarAyuda pasoAyuda_;
  Parpadeo parpadeo_;
  LineasAyuda lineasAyuda_{};
  int temaAyuda_ = 0;
  QString nombreParpadeo_;
  InformeLineas ultimaFicha_;
  struct EstadoFP;
  std::shared_ptr<EstadoFP> fp_;

  int pasoGrado_ = 0;
  TablaLinea lineasArte_;  // the arts field's file
};

}  // namespace sendaro
