#include "sections/degrees/marco.h"

#include "data/texto.h"

namespace sendaro {

Parpadeo::Paso Parpadeo::Avanzar() {
  cuenta_ += 1;
  Paso p{cuenta_ % 2 == 1, cuenta_ >= kTicks};
  if (p.fin) cuenta_ = 0;
  return p;
}

std::vector<PasoRetroceso> Retroceder(EstadoRetroceso e) {
  using P = PasoRetroceso;
  std::vector<P> pasos;
  if (e.ModoArtes) {
    pasos.push_back(P::kSalirArtes);
    e.ModoArtes = false;
    e.listComunidadVisible = false;
  }
  if (e.ModoGrados) {
    pasos.push_back(!e.listComunidadVisible || e.ModoLista ? P::kCerrarGrados : P::kGradosAlMapa);
    return pasos;
  }
  if (!e.ModoDobles || !e.listComunidadVisible || e.ModoLista) {
    pasos.push_back(P::kCerrarResultado);
    if (e.ModoDobles) {
      pasos.push_back(P::kMenuDesdeDobles);
      return pasos;
    }
    if (e.ModoOtras) {
      pasos.push_back(P::kMenuDesdeOtras);
      return pasos;
    }
    if (e.mapaVisible) {
      pasos.push_back(P::kMenuDesdeMapa);
      e.mapaVisible = false;
    }
    if (e.listComunidadVisible) pasos.push_back(P::kComunidadAlMapa);
    return pasos;
  }
  pasos.push_back(P::kComunidadAlMapa);
  return pasos;
}

}  // namespace sendaro
