#include "hall/vestibulo_estatico.h"

namespace sendaro {

PasoPiloto::Paso PasoPiloto::Avanzar() {
  Paso p;
  p.dibujar = {100 + 10 * paso_, 235, cuadro_};
  ++paso_;
  // The walk cycle repeats until the guide has passed x 220; then she turns.
  if (cuadro_ == 5 && p.dibujar.x < 220) {
    cuadro_ = 0;
  } else {
    ++cuadro_;
  }
  p.fin = cuadro_ >= kCuadrosFigura;
  return p;
}

AperturaPuerta::AperturaPuerta(int izquierdaEtiqueta, int puertaSel)
    : x_(izquierdaEtiqueta + 10), y_(puertaSel > 6 ? 510 : 170) {}

AperturaPuerta::Paso AperturaPuerta::Avanzar() {
  Paso p;
  p.primero = tic_ == 0;
  p.dibujar = {x_, y_ - 10 * tic_, tic_};
  p.fin = tic_ == kCuadrosPuerta - 1;
  ++tic_;
  return p;
}

ColumnaZoom ColumnaDePuerta(int puertaSel) {
  if (puertaSel > 6) return {puertaSel - 5, 305};
  return {puertaSel, 0};
}

ZoomPuerta::ZoomPuerta(int puertaSel, int anchoTesela, int altoTesela, int contador)
    : col_(ColumnaDePuerta(puertaSel)), ancho_(anchoTesela), alto_(altoTesela), a_(contador) {}

ZoomPuerta::Paso ZoomPuerta::Avanzar() {
  Paso p;
  if (a_ >= 100) {
    p.abrir = true;
    return p;
  }
  a_ += 10;
  const int mitad = a_ / 2;
  const int izquierda = (col_.columna - 1) * ancho_ - mitad;
  const int derecha = col_.columna * ancho_ + mitad;
  p.estirar = Recuadro{izquierda, col_.arriba, derecha - izquierda, alto_ + a_};
  return p;
}

PasoAyudaPanel PasoDelPanelAyuda(int s) {
  PasoAyudaPanel p;
  if (s + 1 >= 9) {
    p.fin = true;
    return p;
  }
  switch (s) {
    case 0:
      p.etiqueta = 1, p.texto = 14;
      break;
    case 1:
      p.etiqueta = 2, p.texto = 15;
      break;
    case 3:
      p.etiqueta = 3, p.texto = 16;
      break;
    case 5:
      p.etiqueta = 4, p.texto = 17;
      break;
    case 7:
      p.etiqueta = 5, p.texto = 18;
      break;
    default:
      break;
  }
  p.cuadro = s;
  return p;
}

namespace {

bool SeCortan(const Recuadro& a, const Recuadro& b) {
  return a.x < b.x + b.ancho && b.x < a.x + a.ancho && a.y < b.y + b.alto && b.y < a.y + a.alto;
}

}  // namespace

std::vector<Recuadro> CeldasSinPuerta(int anchoTesela, int altoTesela, Recuadro puerta,
                                      const std::vector<Recuadro>& etiquetas) {
  std::vector<Recuadro> celdas;
  if (anchoTesela <= 0 || altoTesela <= 0) return celdas;
  const Recuadro pantalla{0, 0, 1024, 768};
  for (int y = 0; y < 768; y += altoTesela) {
    for (int x = 0; x < 1024; x += anchoTesela) {
      const Recuadro hueco{x + puerta.x, y + puerta.y, puerta.ancho, puerta.alto};
      if (!SeCortan(hueco, pantalla)) continue;
      bool conEtiqueta = false;
      for (const Recuadro& e : etiquetas) conEtiqueta = conEtiqueta || SeCortan(hueco, e);
      if (!conEtiqueta) celdas.push_back({x, y, anchoTesela, altoTesela});
    }
  }
  return celdas;
}

}  // namespace sendaro
