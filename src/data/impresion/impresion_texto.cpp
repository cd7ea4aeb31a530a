#include "data/impresion/impresion_texto.h"

#include <algorithm>

#include "data/impresion/informes.h"
#include "data/texto.h"

namespace sendaro {

DispositivoTexto::DispositivoTexto(SuperficieHoja& superficie, const Fuente& fuente)
    : superficie_(superficie), fuente_(fuente) {
  superficie_.FijarFuente(fuente_);
  alto_ = superficie_.AltoPixeles();
  altoLinea_ = std::max(1, superficie_.AltoLinea());
}

void DispositivoTexto::FijarNegrita(bool negrita) {
  if (fuente_.negrita == negrita) return;
  fuente_.negrita = negrita;
  superficie_.FijarFuente(fuente_);
}

// A line taller than the page still goes alone on its page.
bool DispositivoTexto::Lleno() const { return y_ > 0 && y_ + altoLinea_ > alto_; }

void DispositivoTexto::NuevaPagina() {
  superficie_.NuevaPagina();
  ++pagina_;
  y_ = 0;
}

void DispositivoTexto::Escribir(std::string_view linea) {
  if (Lleno()) NuevaPagina();
  if (!linea.empty()) superficie_.Texto({0, y_}, linea, Alineacion::kIzquierda);
  y_ += altoLinea_;
}

int DispositivoTexto::LineasPorPagina() const { return std::max(1, alto_ / altoLinea_); }

FuenteLineas LineasDe(const TablaLinea& tabla) {
  return [&tabla](int i) { return tabla.Linea(i); };
}

FuenteLineas LineasDe(const BufferImpresion& buffer) {
  return [&buffer](int i) { return buffer.Linea(i); };
}

std::string LineaNumeroPagina(int pagina) {
  return std::string(29, ' ') + "-" + std::to_string(pagina) + "-";
}

void ImprimirComoTexto(SuperficieHoja& superficie, const FuenteLineas& lineas, int cuenta,
                       const FormatoTexto& formato) {
  superficie.FijarOrientacion(Orientacion::kVertical);
  if (!superficie.Comenzar()) return;
  DispositivoTexto dispositivo(superficie, Fuente{std::string(kFuenteCourier), 12, false});

  for (int k = 0; k < formato.lineasIniciales; ++k) dispositivo.Escribir("");
  dispositivo.Escribir(
      cuenta < kLineasConNumeroEnPrimera ? std::string() : LineaNumeroPagina(dispositivo.Pagina()));
  dispositivo.Escribir("");

  const std::string sangria(8, ' ');
  for (int i = 1; i <= cuenta; ++i) {
    // Every page after the first opens with its number; the page is only
    // started when a line is left to print on it.
    if (dispositivo.Lleno()) {
      dispositivo.NuevaPagina();
      dispositivo.FijarNegrita(false);
      dispositivo.Escribir("");
      dispositivo.Escribir(LineaNumeroPagina(dispositivo.Pagina()));
      dispositivo.Escribir("");
    }
    std::string linea = sangria + lineas(i);
    if (formato.maxCaracteres > 0) {
      linea.resize(std::min(linea.size(), static_cast<std::size_t>(formato.maxCaracteres)));
    }
    dispositivo.FijarNegrita(i <= formato.lineasNegrita);
    dispositivo.Escribir(RecortarDerecha(linea));
  }
  superficie.Terminar();
}

void ImprimirLista(SuperficieHoja& superficie, const FuenteLineas& lineas, int cuenta,
                   int negritas) {
  ImprimirComoTexto(
      superficie, lineas, cuenta,
      FormatoTexto{.lineasIniciales = 1, .lineasNegrita = negritas, .maxCaracteres = 68});
}

void ImprimirTexto(SuperficieHoja& superficie, const FuenteLineas& lineas, int cuenta) {
  ImprimirComoTexto(superficie, lineas, cuenta,
                    FormatoTexto{.lineasIniciales = 2, .lineasNegrita = 0, .maxCaracteres = 0});
}

namespace {

std::string TituloDe(const FuenteLineas& lineas, int cuenta, std::string_view titulo) {
  if (!titulo.empty()) return std::string(titulo);
  for (int i = 1; i <= cuenta; ++i) {
    const std::string linea = lineas(i);
    if (!EsBlanco(linea)) return RecortarDerecha(linea.substr(linea.find_first_not_of(' ')));
  }
  return std::string();
}

}  // namespace

bool ImprimirLista(Impresora& impresora, const FuenteLineas& lineas, int cuenta, int negritas,
                   std::string_view titulo) {
  return impresora.Imprimir(TituloDe(lineas, cuenta, titulo), [&](SuperficieHoja& superficie) {
    ImprimirLista(superficie, lineas, cuenta, negritas);
  });
}

bool ImprimirTexto(Impresora& impresora, const FuenteLineas& lineas, int cuenta,
                   std::string_view titulo) {
  return impresora.Imprimir(TituloDe(lineas, cuenta, titulo), [&](SuperficieHoja& superficie) {
    ImprimirTexto(superficie, lineas, cuenta);
  });
}

}  // namespace sendaro
