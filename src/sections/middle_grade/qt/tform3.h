// The middle-grade vocational titles screen: a start menu flown in by a
// helicopter the first time, the families and their titles with a title's
// requirements, jobs and subjects. This file's tform3.cpp holds the page,
// the opening, the helicopter, the pilot and leaving; tform3_titulos.cpp the
// families, the titles pop-up and a title's details. Lists are built by the
// domain (sections/middle_grade/*.h); the handlers here only show them.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <memory>
#include <vector>

#include "data/mapas.h"
#include "sections/middle_grade/cuestionario_gm.h"
#include "sections/middle_grade/helicoptero.h"
#include "sections/middle_grade/informes_gm.h"
#include "sections/middle_grade/lugares_gm.h"
#include "sections/middle_grade/titulos_gm.h"
#include "ui/navegacion.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;

namespace sendaro {

struct Servicios;
class Impresora;
class Mosaico;
class PanelExplicacion;

class Revelado;

class TForm3 : public QWidget {
  Q_OBJECT
  // Set by the hall and the assistant before they show the screen.
  Q_PROPERTY(bool AyudaPendiente MEMBER AyudaPendiente)
  Q_PROPERTY(int PrimeraFilaVisible MEMBER PrimeraFilaVisible)

 public:
  explicit TForm3(Servicios& servicios, QWidget* padre = nullptr);
  ~TForm3() override;
  // The ways in: the hall's door, and the study questionnaire's middle-grade
  // branch (ModoCuestionario is set by it).
  void Entrar(entrada::GradoMedio accion);

  // Page.
  Mosaico* degradeMapa2 = nullptr;
  Mosaico* TilIzq = nullptr;
  Mosaico* TilDer = nullptr;
  QLabel* LabelFPGM = nullptr;
  QLabel* LabelAno = nullptr;

  // Start menu.
  QPushButton* botTit2 = nullptr;
  QPushButton* botLug2 = nullptr;
  QPushButton* botSalir = nullptr;

  // The glass panel and its lists.
  QFrame* PanelSelec = nullptr;
  QLabel* PanelCarSel = nullptr;
  QLabel* PanelSelTit = nullptr;
  QListWidget* listSelFP = nullptr;
  QTableWidget* reja = nullptr;

  // Titles pop-up.
  QListWidget* ListTitFP = nullptr;
  QLabel* Labeltitulo = nullptr;
  QListWidget* ListFPExpli = nullptr;

  // A title's details.
  QPushButton* BotRequisitos = nullptr;
  QPushButton* BotPuesto = nullptr;
  QPushButton* botAsig = nullptr;
  QPushButton* BotRetrocederFP = nullptr;
  QPushButton* BotImprimir = nullptr;
  QPushButton* BotTelefono = nullptr;

  // Maps.
  QLabel* mapa = nullptr;
  QLabel* mapac = nullptr;
  QLabel* mapam = nullptr;
  QLabel* PanelMapa = nullptr;
  QListWidget* listBarcelona = nullptr;
  QPushButton* BotCerrar = nullptr;
  QListWidget* ListSelLugFP = nullptr;  // provinces, then the towns of one

  // Choice of communities for a long report.
  QFrame* PanelImp = nullptr;
  QLabel* LabelSelCom1 = nullptr;
  QLabel* LabelSelCom2 = nullptr;
  QListWidget* ListImp = nullptr;
  QPushButton* BotAceptar = nullptr;

  // Questionnaire.
  QListWidget* ListGM = nullptr;
  QListWidget* ListGM2 = nullptr;
  QListWidget* ListPeque = nullptr;
  // Why the current result row was proposed.
  PanelExplicacion* PanelPorQue = nullptr;
  QPushButton* BitFleGMde = nullptr;
  QPushButton* BitFleGMiz = nullptr;
  QPushButton* BotSalirCues = nullptr;
  QPushButton* BotImprimirCuesGM = nullptr;
  QTimer* TimerReduce = nullptr;

  // Helicopter, pilot, bubbles and the sliding help line.
  QLabel* LabAyuGM = nullptr;
  QLabel* HeliPeque = nullptr;
  QLabel* he = nullptr;
  QLabel* pilotoGM = nullptr;       // the pilot's frame on view
  std::vector<QLabel*> bocadillos;  // bubbles on view

  QTimer* heli = nullptr;
  QTimer* piloto = nullptr;
  QTimer* TimerVuela = nullptr;
  QTimer* TimerAyu = nullptr;
  QTimer* TimerParpadeo = nullptr;

  // State.
  bool AyudaPendiente = false;
  int PrimeraFilaVisible = 0;
  int TituloGMSel = 0;
  int FamiliaPulsada = 0;   // family number of the clicked row
  bool SeguirRaton = true;  // hover highlights the families list

  // Places.
  ComunidadGM Comunidad;  // the last community clicked
  int ComarcaSel = 0;
  int ZonaSel = 0;
  bool VistaCataluna = false;
  bool VistaMadrid = false;
  bool VerTelefonos = false;
  std::vector<int> FilaTitulo;  // the title on each grid row, or 0

  // Reports.
  bool EligiendoComunidades = false;
  std::vector<int> ComunidadesImp;  // in click order
  int ComunidadesAceptadas = 0;     // the accepted choice's size; 0 none
  bool HayEleccionAceptada = false;
  // The report as last built and shown (tests read it).
  const InformeGM& UltimoInforme() const { return ultimoInforme_; }
  void FijarImpresora(std::unique_ptr<Impresora> impresora);

  const FamiliasGM& Familias() const { return familias_; }
  // The families list's rows as built (row -> family).
  const FilasGM& FilasFamilias() const { return filasFamilias_; }

 public slots:
  // Start menu.
  void botTit2Click();
  void botSalirClick();
  bool FormCloseQuery();

  // Helicopter.
  void heliTimer();
  void pilotoTimer();
  void TimerVuelaTimer();
  void TimerAyuTimer();
  void VueloDeAviso();
  void BorrarBocadillo();

  // Families and titles.
  void listSelFPMouseDown(int y);
  void ListTitFPClick(int fila);
  void ElegirTitulo(int titulo);
  void TimerParpadeoTimer();
  void BotRequisitosClick();
  void BotPuestoClick();
  void botAsigClick();
  void BotRetrocederFPClick();

  // Places.
  void botLug2Click();
  void MapaMouseMove(Mapa cual, int x, int y);
  void mapaClick(int region);
  void mapacClick(int region);
  void mapamClick(int region);
  void listBarcelonaClick(int fila);
  void BotCerrarClick();
  void ListSelLugFPClick();
  void BotTelefonoClick();
  void rejaDblClick(int fila);

  // Reports.
  void BotImprimirClick();
  void ListImpClick(int fila);
  void BotAceptarClick();

  // Questionnaire.
  void BitFleGMdeClick();
  void BitFleGMizClick();
  void ListGMClick(int fila);
  void TimerReduceTimer();
  void ListPequeClick(int fila);
  void BotSalirCuesClick();
  void BotImprimirCuesGMClick();

 protected:
  void showEvent(QShowEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void CrearPagina();
  void CrearPanelSel();
  void CrearHelicoptero();
  void PrepararPantalla();
  void Conectar();

  QString T(int n) const;
  int Letra(int mas) const;
  void Apertura();
  void MostrarMenu(bool mostrar);
  void SinTitulos();  // hides the pop-up, its prompt and the description
  void OcultarDetalles();
  void MostrarFilas(const QString& titulo, const std::vector<std::string>& filas);
  void MostrarDescripcion(int linea);
  void DeslizarAyudaDesde(const QString& texto, int arriba);
  void Bocadillo(PuntoGM p, int mensaje);
  void Salir();
  void PararAnimaciones();
  void CrearLugares();
  void RetrocederLugares();
  void ListadoLugares(int grupo, const std::string& entrada);
  void MostrarRejilla(const std::vector<FilaCentro>& filas, bool telefonos, int primera);
  FuentesLugares Lugares() const;
  void CrearInformes();
  void ElegirComunidad(int codigo);
  void Imprimir(const InformeGM& informe);
  void CrearCuestionario();
  void PasoUno();
  void AreasEnLista();
  void ResultadoEnLista(QListWidget* lista);
  void AyudaCuestionario(const QString& texto, bool deslizar);
  void AvisoSinEleccion();
  void TituloDelCuestionario(int titulo);
  void CentrosAlInforme(const std::vector<FilaCentro>& filas);
  // Shows the selection panel; when it was hidden it rolls open.
  void MostrarSeleccion();

  Servicios& servicios_;
  Revelado* rollo_ = nullptr;
  FamiliasGM familias_;
  FilasGM filasFamilias_;
  FilasGM filasTitulos_;
  IntroduccionHelicoptero intro_;
  PasoPilotoGM pasoPiloto_;
  bool pilotoTrasTramo_ = false;
  bool menuColocado_ = false;  // the buttons stand where a whole flight leaves them
  VueloAviso vuelo_;
  ParpadeoGM parpadeo_;
  QString nombreParpadeo_;
  int filaSobreFamilias_ = 0;
  int filaSobreTitulos_ = 0;
  TablaPuntos puntos_;
  QList<QPixmap> iconos_;  // the hall's list icons, for the areas
  CentrosGM centros_;
  bool dobleClicReja_ = false;
  // The province whose towns are listed: its entry and group; the towns.
  std::string provinciaElegida_;
  int grupoElegido_ = 0;
  std::vector<int> candidatos_;
  LocalidadesGM localidades_;
  QString nombreLugar_;
  std::vector<FilaCentro> filasLugar_;  // the places listing on view
  std::unique_ptr<Impresora> impresora_;
  InformeGM ultimoInforme_;
  // Questionnaire: the steps, what was chosen and its report.
  bool pasoDos_ = false;
  bool resultados_ = false;
  bool tituloAbierto_ = false;
  std::vector<int> areasElegidas_;  // rows 0..9 of the areas
  std::vector<EnunciadoGM> enunciados_;
  std::vector<FilaResultadoGM> filasResultado_;
  std::vector<ResultadoExplicado> explicaciones_;  // one per result row
  void MostrarPorQue(int fila);
  InformeCuestionarioGM informeCues_;
  int pasoReduce_ = 0;

 public:
  const InformeCuestionarioGM& InformeCuestionario() const { return informeCues_; }
  bool PasoDos() const { return pasoDos_; }
  bool Resultados() const { return resultados_; }
  bool TituloAbierto() const { return tituloAbierto_; }
};

}  // namespace sendaro
