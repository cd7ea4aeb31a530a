// The hall: the main screen with the ten doors, the stop-studying sign, the
// centre's name and the year. Without the animated scene it is the static
// hall: the guide walks in, speaks in two bubbles, and a door opens with its
// frames and a zoom into the door panel before its section is shown.
//
// With the animated scene attached (AdjuntarEscena, see escena_vestibulo.h)
// the hall runs its animated branches through EscenaVestibulo:
//  - FormShow/FormActivate (showEvent, activation) call Iniciar() unless the
//    help panel's BotRetroce is on view;
//  - BotRetroceClick closes the help panel and calls Iniciar();
//  - a wheel turn calls ClicRueda(); LabelDejarClick and hiding the hall
//    call Detener();
//  - AbrirPuerta opens the door's section within one TimerZoom tick.
// The scene calls back PuertaPorCodigo when the figure arrives at a door,
// LabelDejarClick at the stop-studying spot, TimerAyuda->start() to open the
// help panel, and SalidaConfirmada() (ui/salida.h) at the exit door.
// The hall does not own the EscenaVestibulo object: it must outlive the hall,
// or be detached with AdjuntarEscena(nullptr). Its surface is reparented to
// the hall and put above the static hall's controls (PanelAyuda and
// BotRetroce stay on top).
#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <map>
#include <optional>
#include <vector>

#include "hall/vestibulo_estatico.h"
#include "ui/navegacion.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace sendaro {

struct Servicios;
class EtiquetaPuerta;
class MarcaFoco;
class GestorGlobos;
class LienzoVestibulo;
class MuroVestibulo;

// What the hall needs from the animated scene.
class EscenaVestibulo {
 public:
  virtual ~EscenaVestibulo() = default;
  // The drawing surface, a child of the hall covering its client area.
  virtual QWidget* Superficie() = 0;
  // Shows the surface, initialises it and starts the frame timer.
  virtual void Iniciar() = 0;
  // Stops the frame timer.
  virtual void Detener() = 0;
  // A wheel turn: counts as a click on the scene.
  virtual void ClicRueda() = 0;
  // The full hall picture, when the scene has already read it; null: the
  // hall reads it from the installation.
  virtual QImage Todo() const { return {}; }
  // Where the door with that code is drawn on the surface now, if it is on
  // view (the keyboard's mark goes around it).
  virtual std::optional<QRect> RectPuerta(int codigo) const {
    (void)codigo;
    return std::nullopt;
  }
};

class Tform0 : public QWidget {
  Q_OBJECT

 public:
  explicit Tform0(Servicios& servicios, QWidget* padre = nullptr);
  ~Tform0() override;

  void AdjuntarEscena(EscenaVestibulo* escena);
  bool Animado() const { return escena_ != nullptr; }

  QLabel* ImageTodo;
  MuroVestibulo* mosaico;
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
  QLabel* Bocadillo1;
  QLabel* LabelBocadillo1;
  QLabel* labelBocadillo2;
  QFrame* PanelAyuda;
  QLabel* chica;
  QLabel* LabelAyu1;
  QLabel* LabelAyu2;
  QLabel* LabelAyu3;
  QLabel* LabelAyu4;
  QLabel* LabelAyu5;
  QPushButton* BotRetroce;
  // Beside the exit sign: the search, over the hall.
  QPushButton* BotBuscar;
  QWidget* DXDraw = nullptr;  // the scene's surface, once attached
  LienzoVestibulo* lienzo;    // what the static hall draws "on the window"

  QTimer* piloto;
  QTimer* TimerTexto;
  QTimer* TimerPuerta;
  QTimer* TimerZoom;
  QTimer* TimerAyuda;

  // The guide: walk 0..5, turning 6..7 (the shared strip, read on first use).
  const QList<QPixmap>& ImageList1() const;
  QList<QPixmap> ImageListPuerta;  // the door opening

  int PuertaSel = 0;
  // Step of the help reveals, shared with the section screens' help bubbles.
  int& PasoAyuda;

  // Door click handlers: store the door's code and open it.
  void LabelCarrerasClick();
  void LabelCatClick();
  void LabelFpSClick();
  void LabelItiClick();
  void LabelFPMClick();
  void LabelFPipClick();
  void LabelProfeClick();
  void LabelCuesBClick();
  void LabelCuesEClick();
  void LabelAsistenteClick();
  // Shown by the navigation (its showing runs FormActivate).
  void Entrar(entrada::Vestibulo accion);
  // The click handler of the door with that code (1..9, 11).
  void PuertaPorCodigo(int codigo);
  void LabelDejarClick();
  void BotRetroceClick();

  // Starts the door's opening sequence (PuertaSel set); its section opens
  // at the end.
  void AbrirPuerta(EtiquetaPuerta* etiqueta);

  // Timer ticks (also called directly by tests, which step the timers).
  void pilotoTimer();
  void TimerTextoTimer();
  void TimerPuertaTimer();
  void TimerZoomTimer();
  void TimerAyudaTimer();

  // The area of the guide's frame on view, if one is drawn.
  std::optional<Recuadro> FiguraDibujada() const { return figura_; }
  // The door frame on view while a door opens.
  std::optional<Cuadro> PuertaDibujada() const { return puerta_; }
  // The zoom's last stretched rectangle.
  std::optional<Recuadro> ZoomDibujado() const { return zoomRect_; }
  int ContadorZoom() const;
  EtiquetaPuerta* Puerta(int codigo) const;

 signals:
  // After the hall's first paint.
  void PrimerPintado();

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  bool focusNextPrevChild(bool adelante) override;
  void wheelEvent(QWheelEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;
  void changeEvent(QEvent* evento) override;

 private:
  bool Abriendo() const;
  void Pulsada(int codigo, EtiquetaPuerta* etiqueta);
  void CrearPuertas();
  // What only the static hall shows: the door strip, the bubble's picture,
  // and the texts fitted to their labels. The animated hall does this after
  // its first paint, the static hall at once.
  void CompletarEstatico();
  void CrearAyudas();
  void FormActivate();
  void AccionPuerta();
  // Stops an opening under way and takes its door frame and zoom off the hall.
  void DeshacerApertura();
  void PuertasNormales();
  // The keyboard: the doors and the sign in reading order (Tab and the
  // arrows follow it), and the door the keyboard opened, which has the focus
  // again when the hall comes back.
  void MoverFoco(bool adelante);
  // The doors the keyboard goes through: in the animated hall, those drawn
  // in the scene.
  bool PuertaDeTeclado(const EtiquetaPuerta* e) const;
  // The animated hall draws its doors itself: the mark goes around the
  // focused door's picture, following the scene as it scrolls.
  void MarcarPuertaEscena();

  Servicios& servicios_;
  EscenaVestibulo* escena_ = nullptr;
  GestorGlobos* globos_;
  std::map<int, EtiquetaPuerta*> puertas_;
  EtiquetaPuerta* abriendo_ = nullptr;
  std::vector<EtiquetaPuerta*> ordenLectura_;
  EtiquetaPuerta* focoAlVolver_ = nullptr;
  MarcaFoco* marcaEscena_ = nullptr;
  QTimer* seguirMarca_ = nullptr;
  PasoPiloto pasoPiloto_;
  std::optional<AperturaPuerta> apertura_;
  std::optional<ZoomPuerta> zoom_;
  std::optional<Recuadro> figura_;
  std::optional<Cuadro> puerta_;
  std::optional<Recuadro> zoomRect_;
  bool pintado_ = false;
  bool completo_ = false;
};

}  // namespace sendaro
