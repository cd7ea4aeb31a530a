#include "app/qt/precarga.h"

#include <QThread>

#include <sys/resource.h>
#include <unistd.h>

#include "app/ajustes_centro.h"
#include "app/linea_ordenes.h"
#include "data/estado.h"
#include "data/temas.h"
#include "ui/imagenes.h"
#include "ui/traza.h"

namespace sendaro {

void PrioridadDeFondo(int nice) {
  // On Linux the "process" priority of a thread id is that thread's own.
  static_cast<void>(setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), nice));
}

std::vector<std::string_view> ImagenesDelVestibulo(const Tema& tema) {
  std::vector<std::string_view> nombres(std::begin(kMapas), std::end(kMapas));
  for (const std::string_view nombre : {tema.Suelo, tema.Rotulo, tema.MarcoDerecho,
                                        tema.MarcoIzquierdo, tema.Pared, tema.Lateral, kHeli}) {
    if (!nombre.empty()) nombres.push_back(nombre);
  }
  return nombres;
}

namespace {

Lecturas Leer(std::filesystem::path carpeta, std::vector<std::string> posicionales) {
  Lecturas l;
  l.carpeta = std::move(carpeta);
  l.posicionales = std::move(posicionales);

  l.compartidos = std::async(std::launch::async, [carpeta = l.carpeta] {
    Lecturas::Compartidos c;
    c.chica = LeerImagen(carpeta, "chica.bmp");
    if (c.chica) {
      auto puntos = std::make_unique<DatosPuntos>();
      if (LeerPuntosSinAviso(Instalacion(carpeta), "puntos3", *puntos)) c.puntos = std::move(puntos);
    }
    Traza("precarga: chica y puntos3");
    return c;
  });

  // The settings and the command line choose the theme and whether the hall
  // is animated.
  const auto ajustes = LeerAjustesInstalacion(l.carpeta);
  if (!ajustes) return l;
  const Preferencias p = AplicarLineaOrdenes(
      {ajustes->LetraTema, ajustes->ConAnimacion != 0, SubcarpetaIdioma(ajustes->CodigoIdioma)},
      l.posicionales);
  const Tema* tema = BuscarTema(p.LetraTema);
  if (tema == nullptr) return l;
  l.imagenes = std::async(std::launch::async, [carpeta = l.carpeta, tema] {
    Lecturas::Imagenes imagenes;
    for (const std::string_view nombre : ImagenesDelVestibulo(*tema)) {
      if (auto imagen = LeerImagen(carpeta, nombre)) {
        imagenes.emplace(std::string(nombre), std::move(*imagen));
      }
    }
    Traza("precarga: imagenes");
    return imagenes;
  });
  // The lists are needed last, when the hall is built.
  if (!DecidirSinAnimacion(7, p.ConAnimacion)) {
    l.letraTema = p.LetraTema;
    l.listas = std::async(std::launch::async, [carpeta = l.carpeta, tema] {
      PrioridadDeFondo();
      return CargarListas(carpeta, *tema);
    });
  }
  return l;
}

}  // namespace

std::future<Lecturas> Precargar(std::filesystem::path carpeta,
                                std::vector<std::string> posicionales) {
  // Qt takes the first thread that makes one of its objects for its main
  // thread. The readers make files on their own threads, possibly before the
  // application object exists: the calling thread claims the role first, or
  // the application would run its events on a reader's thread and never
  // paint.
  static_cast<void>(QThread::currentThread());
  return std::async(std::launch::async, Leer, std::move(carpeta), std::move(posicionales));
}

}  // namespace sendaro
