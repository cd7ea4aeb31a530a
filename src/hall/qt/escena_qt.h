// DXDraw: the animated hall's drawing surface. It loads the theme's image
// and sound lists, builds the scene, runs it on the 33 ms frame timer and
// turns the mouse into the scene's clicks; what the scene asks of the hall
// goes out through the hooks. While nothing moves the frame timer sleeps
// until the next change the scene foresees, and any input wakes it; only the
// parts of the page that changed are drawn and shown again.
#pragma once

#include <QElapsedTimer>
#include <QRegion>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "data/temas.h"
#include "hall/escena/escena.h"
#include "hall/qt/sprites/motor.h"

class QTimer;

namespace sendaro {

// What the scene reads from the installation: the theme's image lists, the
// full hall picture of the help curtain, the sound list and the speed tier.
// Loaded by CargarListas, which may run away from the GUI thread.
struct ListasEscena {
  ImagenesEscena imagenes;
  QImage todo;
  QHash<QString, QByteArray> sonidos;  // empty: the scene runs silent
  escena::Tramo tramo;
  QString error;  // not empty: the lists cannot be used
};

// Reads the lists of `tema` from `carpeta` and measures the machine's clock.
ListasEscena CargarListas(const std::filesystem::path& carpeta, const Tema& tema);

class DXDraw : public QWidget, private escena::AccionesEscena, private escena::Lienzo {
  Q_OBJECT

 public:
  struct Ganchos {
    std::function<void(int)> puerta;  // the door's click handler
    std::function<void()> dejar;      // the stop-studying action
    std::function<bool()> salir;      // the exit question; true = leaving
    std::function<void()> ayuda;      // the help panel
  };

  // Builds the scene on the lists loaded by CargarListas. Nothing, with the
  // reason in `error`, when the lists failed or the scene cannot be built.
  // The speed tier of `datos` is the one the lists measured.
  static std::unique_ptr<DXDraw> Crear(ListasEscena listas, escena::DatosEscena datos,
                                       QString& error, QWidget* padre = nullptr);
  // Loads the lists and builds the scene, at once.
  static std::unique_ptr<DXDraw> Crear(const std::filesystem::path& carpeta, const Tema& tema,
                                       escena::DatosEscena datos, QString& error,
                                       QWidget* padre = nullptr);
  ~DXDraw() override;

  void FijarGanchos(Ganchos ganchos) { ganchos_ = std::move(ganchos); }
  // Where the scene's sounds play (the program's sound layer).
  void FijarSalidaSonido(Sonido* salida) { sonidos_.FijarSalida(salida); }

  // Starts the frame timer; DXDrawFinalize stops it.
  void DXDrawInitialize();
  void DXDrawFinalize();
  // One frame of the scene.
  void DXTimerTimer();
  void DXDrawClick();
  void DXDrawDblClick();

  escena::Escena& Escena() { return *escena_; }
  // The full hall picture of the help curtain.
  const QImage& Todo() const { return todo_; }
  QImage& Pagina() { return superficie_.Imagen(); }
  QTimer* DXTimer = nullptr;
  // Wakes the scene at the next change it foresees while DXTimer sleeps.
  QTimer* DXSueno = nullptr;

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void mouseDoubleClickEvent(QMouseEvent* evento) override;
  void wheelEvent(QWheelEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  explicit DXDraw(QWidget* padre);

  // escena::AccionesEscena
  void AbrirPuerta(int codigo) override;
  void DejarEstudiar() override;
  bool Salir() override;
  void Ayuda(bool cortina) override;
  void Sonar(std::string_view nombre) override;
  // escena::Lienzo
  void Zonas(const std::vector<escena::Caja>& zonas) override;
  void Sprites(escena::Mundo& mundo) override;
  void Texto(const escena::TextoEscena& texto) override;
  void Voltear() override;

  void Cortina();
  void Sincronizar();
  void Parar();
  void Despertar();
  void FinSueno();

  ImagenesEscena imagenes_;
  Superficie superficie_;
  QImage todo_;
  std::unique_ptr<SuperficieCortina> cortina_;
  SonidosEscena sonidos_;
  std::unique_ptr<escena::Escena> escena_;
  Ganchos ganchos_;
  bool dobleClic_ = false;
  QRegion zonas_;            // what the frame being drawn changes; empty: all of it
  QElapsedTimer dormido_;    // since DXTimer went to sleep
  int ticksSueno_ = 0;       // ticks DXSueno waits for
  QWidget* ventanaVigilada_ = nullptr;  // the top-level window watched for minimising
  bool dibujada_ = false;  // a frame has been drawn on the page
  bool mostrada_ = false;  // the surface has been painted on screen
  QString sonidoPendiente_;  // asked for before the first paint
};

}  // namespace sendaro
