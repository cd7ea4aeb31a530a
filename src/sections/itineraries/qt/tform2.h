// The itineraries and study questionnaires screen. Its frame (page, menu,
// help bubble, leaving) is shared by its two faces: the questionnaire face
// (the grid of questions and the results, tform2_cuestionario.cpp) and the
// itinerary face (the map and the diagram on the right of the left strip
// PanelItiner). The questionnaire's state, scoring and result lines are the
// domain's (sections/itineraries/*.h); the handlers here only show them.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sections/itineraries/cuestionario.h"
#include "sections/itineraries/diagrama.h"
#include "sections/itineraries/mapa.h"
#include "sections/itineraries/resultado.h"
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

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm2(Servicios& servicios, QWidget* padre = nullptr);
  ~TForm2() override;

  // Start-up: the screen's tables (a missing file shows its message and stops start-up).
  static void Preparar(Servicios& servicios);
  // The itineraries door shows the itinerary buttons, the questionnaire door
  // the questionnaire's.
  void Entrar(entrada::Itinerarios accion);

  // Page, strips and labels. PanelItiner holds the background, the menu and
  // the help bubble; the itinerary face narrows it to a left strip.
  QWidget* PanelItiner;
  Mosaico* degradeIti;
  Mosaico* TilIzq;
  Mosaico* TilDer;
  QLabel* LabelAno;
  QLabel* LabelAno2;

  // Menu and the questionnaires' submenu.
  QFrame* PanelMenu;
  QPushButton* botCuestio;
  QPushButton* BotItinerarios;
  QPushButton* BotExplica;
  QPushButton* BotBachEsp;
  QPushButton* BitAcabarLogse;
  QFrame* PanelMenu2;
  QPushButton* BotCuestio1;
  QPushButton* BotCuestio2;
  QPushButton* BotCuestio3;

  // Questions and results.
  QFrame* PanelCuestio;
  QTableWidget* Gcuestio;
  QPushButton* BotResCues;
  QPushButton* AcabarCues;
  QPushButton* ImpResul;
  QPushButton* grabar;
  QPushButton* BotContinuar;
  QFrame* PanelAbajoRes;
  QListWidget* ListresCues;
  QLabel* LabelAviso;
  // Why the opened result line says what it says.
  PanelExplicacion* PanelPorQue;

  // Titles of an area.
  QFrame* PanelCar;
  QListWidget* ListCar;
  QPushButton* BotCerrar;
  QPushButton* BotImpTit;

  // Help bubble.
  QFrame* payuda;
  QLabel* chica;
  std::array<QLabel*, 8> LabelAyu{};  // LabelAyu1..LabelAyu8
  QTimer* TimerAyuda;

  // The itinerary map: its nodes b1 .. b48 (node k is Nodos[k - 1]), the
  // list a node opens with its close and more-information buttons.
  std::array<QPushButton*, kNodosMapa> Nodos{};
  QListWidget* List_Sel;
  QPushButton* BotCerrarV;
  QPushButton* botContextual;
  QTimer* TimerParpadeo;
  // Grows an opening list 4 pixels a tick.
  QTimer* TimerLista;

  // The explanation diagram: boxes, labels, covers, arrows, information
  // pictures, the note panel and the blinking note.
  QFrame* PanelExplica;
  std::array<QFrame*, kCubiertas> Cubiertas{};  // PanelT0 .. PanelT4D
  std::vector<QLabel*> Flechas;                 // in FlechasDiagrama() order
  std::vector<QLabel*> Informaciones;           // in InformacionesDiagrama() order
  QFrame* PanelEx;
  QListWidget* ListBoxEx;
  QPushButton* BotCerrarEx;
  QLabel* LabelNota;
  QTimer* Timergrado;
  QTimer* TimerGradoDer;

  Cuestionario& Cues() { return *cues_; }
  EstadoMapa& Mapa() { return mapa_; }
  const CubiertasEnMovimiento& EstadoCubiertas() const { return cubiertas_; }
  bool ParpadeoNota = false;
  // The lines of the list on show (List_Sel), as built.
  const std::vector<std::string>& LineasLista() const { return lineasLista_; }
  // Where the separate game is looked for (the program folder when empty)
  // and what starts it by its absolute path (false when it could not
  // start). Tests replace them.
  void FijarLanzador(QString carpeta, std::function<bool(const QString&)> lanzar) {
    carpetaJuego_ = std::move(carpeta);
    lanzar_ = std::move(lanzar);
  }
  const AreasCuestionario& Areas() const { return areas_; }
  // The result lines on view (1-based in the list), as last built.
  const std::vector<std::string>& LineasResul() const { return lineasResul_; }
  const std::vector<std::string>& LineasTitulos() const { return lineasTitulos_; }
  int TemaAyudaActual() const { return temaAyuda_; }

  // Replaces the printer (tests).
  void FijarImpresora(std::unique_ptr<Impresora> impresora);

 public slots:
  // Menu.
  void BotCuestio1Click();
  void BotCuestio2Click();
  void BotCuestio3Click();
  void BitAcabarLogseClick();

  // Questionnaire.
  void AbrirCuestionario();
  void TerminarCuestionario();
  // A press on data row `fila` (1-based): the answer moves on and both its
  // cells show it.
  void GcuestioMouseDown(int fila);
  // Enter on the current row: the answer moves on, only its words change.
  void GcuestioKeyPress();
  void acabarCuesClick();
  void BotContinuarClick();

  // Results.
  void BotResCuesClick();
  void ListresCuesClick(int linea);  // 1-based
  void ListresCuesMouseMove(int linea, int y);
  void BotCerrarMouseUp();
  void BotImpTitMouseUp();
  void ImpResulClick();
  void grabarClick();

  // Itinerary map.
  void BotItinerariosClick();
  void AvanzarMapa();
  void b48Click(int nodo);  // node 1..49
  void BotCerrarVMouseUp();
  void botContextualMouseUp();
  void TimerParpadeoTimer();
  void TimerListaTimer();
  void BotBachEspClick();
  void ReiniciarMapa();
  void ImprimirModalidad(int hoja);

  // Explanation diagram.
  void BotExplicaClick();
  void PulsarFlecha(int flecha);       // index into FlechasDiagrama()
  void PulsarInformacion(int imagen);  // index into InformacionesDiagrama()
  void BotCerrarExClick();
  void TimergradoTimer();
  void TimerGradoDerTimer();

  // Frame.
  void MostrarAyuda(int tema);
  void TimerAyudaTimer();
  bool FormCloseQuery();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;
  void showEvent(QShowEvent* evento) override;

 private:
  // Creation, one part per area of the page.
  void CrearPagina();
  void CrearMenus();
  void CrearCuestionario();
  void CrearResultados();
  void CrearAyuda();
  void CrearMapa();
  void CrearDiagrama();
  void PrepararLogse();
  void PrepararMapa();
  void Conectar();

  QString T(int n) const;
  int Letra(int mas) const;
  // The visible menu buttons one under another, the panel fitted to them.
  void OrdenarMenu();
  void Empezar(bool dosEtapas);
  void EscribirRespuesta(int fila, bool marcas);
  void MostrarResultado();
  void VolverAlCuestionario();
  void MostrarLineas(const std::vector<std::string>& lineas, int tamano);
  // Makes sure the student heading is set; false when the student declines.
  bool PedirEncabezado();
  void LlenarInforme();
  void VolverAlVestibulo();
  FuentesMapa Fuentes() const;
  // PanelItiner narrowed to the left strip; the rest is the map's.
  void FranjaIzquierda();
  void MostrarLista(int nodo, const std::vector<std::string>& lineas, int alto);
  void OcultarLista();
  void OcultarNodos();
  void ColocarCubiertas();
  // A click or key while a build is under way draws the next step.
  bool AvanzarSiConstruye();

  Servicios& servicios_;
  std::unique_ptr<Impresora> impresora_;
  std::unique_ptr<Cuestionario> cues_;
  AreasCuestionario areas_;
  ResultadoCompleto resultado_;
  std::vector<std::string> lineasResul_;
  // The whole result as printed and saved, its explanations after it.
  ResultadoImpreso impreso_;
  std::vector<std::string> lineasTitulos_;
  bool resultadoEntero_ = false;
  LineasAyudaItinerarios lineasAyuda_{};
  int temaAyuda_ = 0;
  int pasoAyuda_ = 0;

  EstadoMapa mapa_;
  std::vector<std::string> lineasLista_;
  AperturaLista apertura_;
  int pasoApertura_ = 0;
  int nodoLista_ = 0;
  int cuentaParpadeo_ = 0;
  CubiertasEnMovimiento cubiertas_;
  QString carpetaJuego_;
  std::function<bool(const QString&)> lanzar_;
};

}  // namespace sendaro
