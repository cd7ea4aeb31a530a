// The animated hall: a building seen from above in which a walking figure
// goes where the user clicks, walks into the doors and opens their sections.
// Everything here runs in fixed steps: one call of Frame() is one tick of the
// 33 ms frame timer, whatever the real time, so tests step it frame by frame.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/temas.h"
#include "hall/escena/sprites.h"
#include "hall/escena/velocidad.h"

namespace sendaro::escena {

// A text drawn over the sprites, in screen pixels; (x, y) is its top left, or
// the middle of its top edge when centred. Windows-1252.
struct TextoEscena {
  std::string texto;
  double x = 0;
  double y = 0;
  int tamano = 10;
  bool negrita = false;
  Color color;
  bool centrado = false;
  std::string_view letra = "Times New Roman";
  bool operator==(const TextoEscena&) const = default;
};

// What the scene asks of the hall around it.
class AccionesEscena {
 public:
  virtual ~AccionesEscena() = default;
  // The door's click handler (door code of the hall).
  virtual void AbrirPuerta(int codigo) = 0;
  // The stop-studying spot.
  virtual void DejarEstudiar() = 0;
  // The exit question; true when the user leaves the program.
  virtual bool Salir() = 0;
  // The help panel, after the curtain when asked.
  virtual void Ayuda(bool cortina) = 0;
  virtual void Sonar(std::string_view nombre) = 0;
};

// A box of the screen, in pixels.
struct Caja {
  int x = 0;
  int y = 0;
  int ancho = 0;
  int alto = 0;
  bool operator==(const Caja&) const = default;
};

// Where the frame is drawn: the sprites of the world, the texts over them,
// then the finished page is shown. A frame that changes nothing on screen is
// not drawn at all.
class Lienzo {
 public:
  virtual ~Lienzo() = default;
  // Only these boxes changed since the last frame drawn: the Sprites and
  // Texto calls that follow need to draw just them. Not called when the whole
  // page is drawn again.
  virtual void Zonas(const std::vector<Caja>& zonas) { (void)zonas; }
  virtual void Sprites(Mundo& mundo) = 0;
  virtual void Texto(const TextoEscena& texto) = 0;
  virtual void Voltear() = 0;
};

struct DatosEscena {
  std::function<std::string_view(int)> texto;  // catalogue text n
  std::string nombreCentro;                    // Windows-1252
  char letraTema = 'I';
  Color colorNombre;
  Color colorAno;
  int deltaLetra = 0;  // TamanoLetraDelta
  Tramo tramo{0.18, 25, 30};
  bool conMusica = false;  // the theme has a sound list
};

enum Sentido : std::size_t { kArriba = 0, kAbajo = 1, kDerecha = 2, kIzquierda = 3 };

class Escena {
 public:
  // Builds the sprite table from the pictures of the bank. Nothing, with the
  // reason in `error`, when a picture the scene needs is missing.
  static std::unique_ptr<Escena> Construir(const BancoImagenes& banco, DatosEscena datos,
                                           AccionesEscena& acciones, std::string& error);
  ~Escena();

  // One tick of the frame timer (nothing while the timer is off).
  void Frame(Lienzo* lienzo);
  // The pointer, in screen pixels.
  void FijarPuntero(int x, int y);
  void Click();
  void DobleClick();
  // The hall takes over again (activation): the frame timer runs and the
  // next frame draws the whole page.
  void Iniciar() {
    corriendo_ = true;
    entrada_ = true;
    dibujado_.reset();
  }
  void Finalizar() { corriendo_ = false; }
  bool Corriendo() const { return corriendo_; }
  // Something under the pointer reacts to a click.
  bool Mano() const;

  // Ticks of the frame timer until the picture can change by itself: 1 while
  // the intro runs, the figure walks, an animation runs on screen, input came
  // or the last frame left a change to draw; otherwise the ticks until the
  // map's target blinks, which the timer may sleep through.
  int TicksHastaCambio() const;
  // The frame timer slept `ticks` ticks without frames: the blink count moves
  // on by them and nothing else does; the next frame is one fixed step.
  void Dormir(int ticks);
  int Frames() const { return frames_; }

  // State, for the hall and for tests.
  Mundo& mundo() { return mundo_; }
  Sprite& Figura() { return *figura_; }
  bool Direccion(Sentido s) const { return dir_[s]; }
  double DestinoX() const { return tx_; }
  double DestinoY() const { return ty_; }
  bool IntroActiva() const { return intro_; }
  bool IntroCaminando() const { return introCaminando_; }
  const std::string& NombreEscrito() const { return escrito_; }
  const std::array<std::string, 4>& LineasBocadillo() const { return bocadilloLineas_; }
  Sprite& Bocadillo() { return *bocadillo_; }
  bool SaliendoPorPuerta() const { return saliendo_; }
  int PuertaSuperiorElegida() const { return puertaSup_; }
  int PuertaInferiorElegida() const { return puertaInf_; }
  const Tramo& tramo() const { return datos_.tramo; }

  // The doors: sprites and codes, left to right.
  static constexpr std::array<int, 3> kCodigosInferiores{8, 7, 9};
  static constexpr std::array<int, 6> kCodigosSuperiores{1, 2, 3, 4, 5, 6};
  Sprite& PuertaInferior(int i) { return *inferiores_[static_cast<std::size_t>(i)]; }
  Sprite& PuertaSuperior(int i) { return *superiores_[static_cast<std::size_t>(i)]; }

  // Where the door with that hall code is on screen now, if the scene has
  // it and any of it is on view.
  std::optional<Caja> CajaPuerta(int codigo) const;

  // The figure's own move step (called by the world's move).
  void MoverFigura(int n);

 private:
  Escena(const BancoImagenes& banco, DatosEscena datos, AccionesEscena& acciones);
  bool Montar(std::string& error);
  const Imagen* Img(std::string_view nombre);
  Sprite& Poner(std::string_view imagen, double x, double y, int z);

  void Parar(Sentido s);
  void MostrarFigura(std::string_view conjunto, int numero);
  std::string_view ConjuntoMovimiento() const;
  void ColocarBocadillo();
  void Superpuestos();
  void Camara();
  void Rotulos(std::vector<TextoEscena>& textos) const;
  void Hover();
  bool Quieta() const;
  void AjustarProfundidad();

  // What a frame puts on screen, to draw only what changed.
  struct Dibujado {
    const Sprite* sprite;
    const Imagen* imagen;
    int patron, x, y, z;
    bool operator==(const Dibujado&) const = default;
  };
  struct Pagina {
    double desplazX = 0, desplazY = 0;
    std::vector<Dibujado> sprites;
    std::vector<TextoEscena> textos;
  };
  std::vector<Dibujado> SpritesEnPantalla();
  void Dibujar(Lienzo* lienzo, Pagina pagina);
  static std::vector<Caja> Cambios(const std::vector<Dibujado>& antes,
                                   const std::vector<Dibujado>& ahora);

  // The figure's drawing depth while walking (2 at the start, 3 after a
  // click, 4 on a door walk) and when standing over walls or signs: above
  // them and below the speech bubble.
  static constexpr int kZLevantada = 7;
  int zBase_ = 2;

  const BancoImagenes& banco_;
  DatosEscena datos_;
  AccionesEscena& acciones_;
  std::string faltan_;
  Mundo mundo_;

  Sprite* figura_ = nullptr;
  Sprite* bocadillo_ = nullptr;
  Sprite* mapa_ = nullptr;
  Sprite* lupa_ = nullptr;
  Sprite* salida_ = nullptr;
  Sprite* diana_ = nullptr;
  Sprite* zoom_ = nullptr;
  Sprite* paredSuperior_ = nullptr;  // the "paredUp" at (325, -1462)
  Sprite* paredMedia_ = nullptr;     // the "paredUp" at (-868, -939)
  std::array<Sprite*, 3> inferiores_{};
  std::array<Sprite*, 6> superiores_{};
  std::array<Sprite*, 2> estatuas_{};
  struct Rotulo {
    const Sprite* sprite;
    int tamano;
    std::vector<std::pair<double, std::vector<std::string>>> columnas;  // x offset, lines
  };
  std::vector<Rotulo> rotulos_;

  bool corriendo_ = false;
  bool entrada_ = true;          // input since the last frame
  bool cambioPendiente_ = true;  // the world changed after the last frame was drawn
  std::unique_ptr<Pagina> dibujado_;  // the last page drawn; none: draw it whole
  bool primerFrame_ = true;
  int frames_ = 0;
  int ptrX_ = 512;
  int ptrY_ = 384;
  double px_ = 0;  // pointer in world coordinates
  double py_ = 0;

  std::array<bool, 4> dir_{};
  double tx_ = 60;
  double ty_ = 0;
  int contador_ = 10;  // walk frame counter, 10..68

  bool intro_ = true;
  bool introCaminando_ = false;
  int framesLetra_ = 0;
  std::string escrito_;

  std::array<std::string, 4> bocadilloLineas_;
  double textoBocadilloX_ = 0;
  double textoBocadilloY_ = 0;

  bool enDejar_ = false, enSalida_ = false, enAyuda_ = false;
  bool cerrojoDejar_ = false, cerrojoSalida_ = false, cerrojoAyuda_ = false;

  bool ayudaArmada_ = false;
  bool salidaArmada_ = false;
  int inferiorArmada_ = -1;
  int superiorArmada_ = -1;

  int puertaSup_ = -1;
  int puertaInf_ = -1;
  bool entrando_ = false;
  bool saliendo_ = false;
  bool llegada_ = false;
};

}  // namespace sendaro::escena
