// What start-up reads first and needs no window, read on a thread of its own
// from the start of main(), while the toolkit connects to the display: the
// splash picture, "puntos3", the hall's pictures and the animated hall's
// lists. Nothing here gives a message: start-up takes what was read whole
// and, for anything missing or broken, reads it again at its usual step and
// reports it there, so the order of the start-up checks does not change.
#pragma once

#include <QImage>
#include <filesystem>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/registros.h"
#include "hall/qt/escena_qt.h"

namespace sendaro {

struct Lecturas {
  // What they were read for: start-up uses them only for the same folder
  // and command line.
  std::filesystem::path carpeta;
  std::vector<std::string> posicionales;

  // The splash picture and "puntos3", still being read.
  struct Compartidos {
    std::optional<QImage> chica;
    std::unique_ptr<DatosPuntos> puntos;  // null: "puntos3" was not read whole
  };
  std::future<Compartidos> compartidos;
  // The hall's pictures that were read whole, by the name they are opened
  // by, still being read.
  using Imagenes = std::map<std::string, QImage, std::less<>>;
  std::future<Imagenes> imagenes;
  // The animated hall's lists, for the theme the settings and command line
  // choose, still being read on a thread of their own; not valid when the
  // hall will be static or the settings are unreadable.
  std::future<ListasEscena> listas;
  char letraTema = 0;
};

// Lowers the calling thread's priority to `nice`: start-up's readers run
// while the main thread and the display server are busy with the splash, and
// should take only the processor time those leave.
void PrioridadDeFondo(int nice = 10);

// The pictures of the hall and its theme that start-up opens, in order.
std::vector<std::string_view> ImagenesDelVestibulo(const Tema& tema);

// Starts the reading on threads of their own. Call it on the thread that
// will make the application object. The result comes as soon as
// the settings are read; each reading inside it is waited for when used.
std::future<Lecturas> Precargar(std::filesystem::path carpeta,
                                std::vector<std::string> posicionales);

}  // namespace sendaro
