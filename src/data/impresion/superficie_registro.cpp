#include "data/impresion/superficie_registro.h"

#include <cmath>

namespace sendaro {

const TextoRegistrado* PaginaRegistrada::Buscar(std::string_view texto) const {
  for (const auto& t : textos) {
    if (t.texto == texto) return &t;
  }
  return nullptr;
}

std::vector<FiguraRegistrada> PaginaRegistrada::Figuras(FiguraRegistrada::Tipo tipo) const {
  std::vector<FiguraRegistrada> resultado;
  for (const auto& f : figuras) {
    if (f.tipo == tipo) resultado.push_back(f);
  }
  return resultado;
}

SuperficieRegistro::SuperficieRegistro(int anchoVertical, int altoVertical, int puntosPorPulgada,
                                       double factorLinea, double factorAncho)
    : anchoVertical_(anchoVertical),
      altoVertical_(altoVertical),
      ppp_(puntosPorPulgada),
      factorLinea_(factorLinea),
      factorAncho_(factorAncho) {}

void SuperficieRegistro::FijarOrientacion(Orientacion orientacion) { orientacion_ = orientacion; }

bool SuperficieRegistro::Comenzar() {
  if (fallarAlComenzar) return false;
  if (abierta_) ++fueraDeTrabajo;
  ++trabajos;
  abierta_ = true;
  paginas.push_back({orientacion_, {}, {}});
  return true;
}

void SuperficieRegistro::NuevaPagina() {
  if (!abierta_) {
    ++fueraDeTrabajo;
    return;
  }
  paginas.push_back({orientacion_, {}, {}});
}

void SuperficieRegistro::Terminar() {
  if (!abierta_) ++fueraDeTrabajo;
  abierta_ = false;
  ++terminados;
}

int SuperficieRegistro::AnchoPixeles() const {
  return orientacion_ == Orientacion::kVertical ? anchoVertical_ : altoVertical_;
}

int SuperficieRegistro::AltoPixeles() const {
  return orientacion_ == Orientacion::kVertical ? altoVertical_ : anchoVertical_;
}

int SuperficieRegistro::AltoLinea() const {
  return static_cast<int>(std::lround(fuente_.tamano * ppp_ / 72.0 * factorLinea_));
}

int SuperficieRegistro::AnchoTexto(std::string_view texto) const {
  return static_cast<int>(
      std::lround(static_cast<double>(texto.size()) * fuente_.tamano * ppp_ / 72.0 * factorAncho_));
}

PaginaRegistrada* SuperficieRegistro::PaginaActual() {
  if (!abierta_ || paginas.empty()) {
    ++fueraDeTrabajo;
    return nullptr;
  }
  return &paginas.back();
}

void SuperficieRegistro::Linea(PuntoPixeles desde, PuntoPixeles hasta) {
  if (auto* p = PaginaActual()) {
    p->figuras.push_back(
        {FiguraRegistrada::Tipo::kLinea, {desde.x, desde.y, hasta.x, hasta.y}, kBlanco, {}});
  }
}

void SuperficieRegistro::Rectangulo(const CajaPixeles& caja, ColorRgb relleno) {
  if (auto* p = PaginaActual()) {
    p->figuras.push_back({FiguraRegistrada::Tipo::kRectangulo, caja, relleno, {}});
  }
}

void SuperficieRegistro::Elipse(const CajaPixeles& caja, ColorRgb relleno) {
  if (auto* p = PaginaActual()) {
    p->figuras.push_back({FiguraRegistrada::Tipo::kElipse, caja, relleno, {}});
  }
}

void SuperficieRegistro::Imagen(const CajaPixeles& caja, const ImagenHoja& imagen) {
  if (auto* p = PaginaActual()) {
    p->figuras.push_back({FiguraRegistrada::Tipo::kImagen, caja, kBlanco, imagen.nombre});
  }
}

void SuperficieRegistro::Texto(PuntoPixeles punto, std::string_view texto, Alineacion alineacion) {
  if (auto* p = PaginaActual()) {
    p->textos.push_back({punto, alineacion, fuente_, std::string(texto)});
  }
}

bool ImpresoraRegistro::Imprimir(std::string_view titulo, const TrabajoImpresion& trabajo) {
  titulos.emplace_back(titulo);
  if (!confirmar) return false;
  trabajo(superficie);
  return true;
}

}  // namespace sendaro
