// The sprite world the scene runs on: pictures known by name and size,
// sprites with a position, a drawing order and an animation, and a world
// that moves them all once per frame. Plain C++: the Qt layer only paints
// what is here, so the scene can be stepped frame by frame without a screen.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sendaro::escena {

// One picture of an image list: its size and how many pattern frames it has.
struct Imagen {
  std::string nombre;
  int ancho = 0;
  int alto = 0;
  int patrones = 1;
  int id = -1;  // position in its bank, where the painter finds the pixels
};

// Every picture of the scene, looked up by name. References stay valid.
class BancoImagenes {
 public:
  const Imagen& Agregar(std::string nombre, int ancho, int alto, int patrones = 1);
  // The picture of that exact name; nullptr when there is none.
  const Imagen* Buscar(std::string_view nombre) const;
  const Imagen& PorId(int id) const { return imagenes_.at(static_cast<std::size_t>(id)); }
  int Cuenta() const { return static_cast<int>(imagenes_.size()); }

 private:
  std::deque<Imagen> imagenes_;
  std::unordered_map<std::string, int> indice_;
};

class Sprite {
 public:
  virtual ~Sprite() = default;

  double X = 0;
  double Y = 0;
  int Z = 0;
  bool Visible = true;
  bool Muerto = false;
  // Repeats its picture over the whole world (the floor).
  bool Mosaico = false;

  // Animation through the picture's pattern frames: AnimPos advances by
  // AnimSpeed per unit of move count; a looping animation wraps.
  double AnimPos = 0;
  double AnimSpeed = 0;
  bool AnimLooping = false;

  const Imagen* imagen() const { return imagen_; }
  void FijarImagen(const Imagen* imagen);
  int Patron() const;
  int Ancho() const { return imagen_ != nullptr ? imagen_->ancho : 0; }
  int Alto() const { return imagen_ != nullptr ? imagen_->alto : 0; }
  // The sprite's box [X, X + width] x [Y, Y + height] holds the point.
  bool Contiene(double px, double py) const;

  // One move of the world with move count n; the default only animates.
  virtual void Mover(int n);
  // Its picture changes by itself from one move to another.
  virtual bool Animado() const { return AnimSpeed != 0; }

 private:
  const Imagen* imagen_ = nullptr;
};

class Mundo {
 public:
  // Adds a sprite; the world owns it. Sprites added during a move are moved
  // from the next move on.
  template <typename S, typename... Args>
  S& Crear(Args&&... args) {
    auto s = std::make_unique<S>(std::forward<Args>(args)...);
    S& ref = *s;
    sprites_.push_back(std::move(s));
    return ref;
  }
  Sprite& Agregar(const Imagen* imagen, double x, double y, int z);

  // Calls every sprite's own move step with the move count.
  void Mover(int n);
  // Frees the sprites that have died.
  void QuitarMuertos();
  // Sprites in drawing order: lower Z first, equal Z in the order added.
  const std::vector<const Sprite*>& EnOrden();
  int Cuenta() const { return static_cast<int>(sprites_.size()); }
  // Every sprite, in the order added.
  const std::vector<std::unique_ptr<Sprite>>& Todos() const { return sprites_; }

  // World offset (camera): a world point (x, y) is drawn at (x - DesplazX, y - DesplazY).
  double DesplazX = 0;
  double DesplazY = 0;

 private:
  std::vector<std::unique_ptr<Sprite>> sprites_;
  std::vector<const Sprite*> orden_;
};

}  // namespace sendaro::escena
