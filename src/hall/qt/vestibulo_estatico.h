// Pictures of the static hall: the wall with its doors, the layer the
// guide, the doors and the zoom are drawn on, and the image lists.
#pragma once

#include <QList>
#include <QPixmap>
#include <QWidget>
#include <filesystem>
#include <string_view>
#include <vector>

#include "hall/vestibulo_estatico.h"
#include "ui/mosaico.h"

namespace sendaro {

// The wall tile repeated over the hall, with the door left out of every
// tile cell that has no door label in front of it: there the tile's door-free
// margins (its leftmost and rightmost sixths, which join seamlessly) are
// repeated over the middle of the cell.
class MuroVestibulo : public Mosaico {
  Q_OBJECT

 public:
  explicit MuroVestibulo(QWidget* padre = nullptr);
  void FijarCeldasSinPuerta(std::vector<Recuadro> celdas);
  const std::vector<Recuadro>& CeldasSinPuerta() const { return sinPuerta_; }

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  std::vector<Recuadro> sinPuerta_;
};

// A transparent layer over the whole hall, drawn on like the window's own
// canvas: frames are drawn on it and the area under a frame is given back by
// clearing it. Clicks and the pointer go through to the controls below.
class LienzoVestibulo : public QWidget {
  Q_OBJECT

 public:
  explicit LienzoVestibulo(QWidget* padre = nullptr);

  void Dibujar(const Cuadro& cuadro, const QPixmap& imagen);
  void Estirar(const Recuadro& destino, const QPixmap& imagen);
  void Borrar(const Recuadro& area);
  void Limpiar();
  // What has been drawn (clear where nothing has).
  QImage& Capa() const;

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  mutable QImage capa_;
};

// The frames of a strip of equal frames side by side; magenta is clear. A
// missing strip gives `cuadros` empty frames (nothing is drawn).
QList<QPixmap> CargarTira(const std::filesystem::path& carpeta, std::string_view nombre,
                          int cuadros, int ancho = kAnchoCuadro, int alto = kAltoCuadro);

inline QRect ARect(const Recuadro& r) { return QRect(r.x, r.y, r.ancho, r.alto); }
inline Recuadro ARecuadro(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace sendaro
