#include "hall/escena/sprites.h"

#include <algorithm>
#include <cmath>

namespace sendaro::escena {

const Imagen& BancoImagenes::Agregar(std::string nombre, int ancho, int alto, int patrones) {
  const int id = static_cast<int>(imagenes_.size());
  imagenes_.push_back(Imagen{nombre, ancho, alto, std::max(1, patrones), id});
  indice_[std::move(nombre)] = id;
  return imagenes_.back();
}

const Imagen* BancoImagenes::Buscar(std::string_view nombre) const {
  const auto it = indice_.find(std::string(nombre));
  return it == indice_.end() ? nullptr : &imagenes_[static_cast<std::size_t>(it->second)];
}

void Sprite::FijarImagen(const Imagen* imagen) {
  if (imagen_ == imagen) return;
  imagen_ = imagen;
  AnimPos = 0;
}

int Sprite::Patron() const {
  if (imagen_ == nullptr) return 0;
  const int p = static_cast<int>(AnimPos);
  return std::clamp(p, 0, imagen_->patrones - 1);
}

bool Sprite::Contiene(double px, double py) const {
  return px >= X && px <= X + Ancho() && py >= Y && py <= Y + Alto();
}

void Sprite::Mover(int n) {
  if (AnimSpeed == 0 || imagen_ == nullptr) return;
  const double cuenta = imagen_->patrones;
  AnimPos += AnimSpeed * n;
  if (AnimLooping) {
    AnimPos = std::fmod(AnimPos, cuenta);
  } else if (AnimPos > cuenta - 1) {
    AnimPos = cuenta - 1;
  }
}

Sprite& Mundo::Agregar(const Imagen* imagen, double x, double y, int z) {
  Sprite& s = Crear<Sprite>();
  s.FijarImagen(imagen);
  s.X = x;
  s.Y = y;
  s.Z = z;
  return s;
}

void Mundo::Mover(int n) {
  const std::size_t cuantos = sprites_.size();
  for (std::size_t i = 0; i < cuantos; ++i) {
    if (!sprites_[i]->Muerto) sprites_[i]->Mover(n);
  }
}

void Mundo::QuitarMuertos() {
  std::erase_if(sprites_, [](const std::unique_ptr<Sprite>& s) { return s->Muerto; });
}

const std::vector<const Sprite*>& Mundo::EnOrden() {
  orden_.clear();
  orden_.reserve(sprites_.size());
  for (const auto& s : sprites_) orden_.push_back(s.get());
  std::stable_sort(orden_.begin(), orden_.end(),
                   [](const Sprite* a, const Sprite* b) { return a->Z < b->Z; });
  return orden_;
}

}  // namespace sendaro::escena
