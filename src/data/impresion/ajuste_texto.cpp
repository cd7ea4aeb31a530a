#include "data/impresion/ajuste_texto.h"

#include <algorithm>
#include <cmath>

#include "data/texto.h"

namespace sendaro {

namespace {

// The ellipsis of Windows-1252.
constexpr char kElipsis = '\x85';

// Width of the widest line at the font's size, each line in its own weight.
int AnchoMayor(HojaImpresion& hoja, Fuente fuente, const std::vector<LineaInforme>& lineas) {
  int mayor = 0;
  for (const bool negrita : {false, true}) {
    fuente.negrita = negrita;
    bool fijada = false;
    for (const LineaInforme& linea : lineas) {
      if (linea.negrita != negrita || linea.texto.empty()) continue;
      if (!fijada) {
        hoja.FijarFuente(fuente);
        fijada = true;
      }
      mayor = std::max(mayor, hoja.AnchoTexto(linea.texto));
    }
  }
  return mayor;
}

int AltoFila(HojaImpresion& hoja, Fuente fuente) {
  fuente.negrita = false;
  hoja.FijarFuente(fuente);
  return hoja.AltoLinea();
}

bool Cabe(HojaImpresion& hoja, const Fuente& fuente, int ancho, int alto,
          const std::vector<LineaInforme>& lineas) {
  return AltoFila(hoja, fuente) <= alto && AnchoMayor(hoja, fuente, lineas) <= ancho;
}

}  // namespace

double TamanoQueCabe(HojaImpresion& hoja, Fuente fuente, double minimo, int ancho, int alto,
                     const std::vector<LineaInforme>& lineas) {
  const double inicial = fuente.tamano;
  if (inicial <= minimo) return inicial;
  const int anchoInicial = AnchoMayor(hoja, fuente, lineas);
  const int altoInicial = AltoFila(hoja, fuente);
  if (anchoInicial <= ancho && altoInicial <= alto) return inicial;

  // Text scales with its size: start from the size that proportion gives and
  // check it, one step up and further steps down.
  double proporcion = 1;
  if (anchoInicial > ancho) proporcion = static_cast<double>(ancho) / anchoInicial;
  if (altoInicial > alto)
    proporcion = std::min(proporcion, static_cast<double>(alto) / altoInicial);
  double tamano = std::floor(inicial * proporcion / kPasoTamano) * kPasoTamano;
  tamano = std::clamp(tamano, minimo, inicial - kPasoTamano);

  const auto cabeCon = [&](double t) {
    fuente.tamano = t;
    return Cabe(hoja, fuente, ancho, alto, lineas);
  };
  if (tamano + kPasoTamano < inicial && cabeCon(tamano + kPasoTamano)) return tamano + kPasoTamano;
  for (; tamano > minimo; tamano -= kPasoTamano) {
    if (cabeCon(tamano)) return tamano;
  }
  return minimo;
}

std::vector<std::string> PartirEnFilas(const HojaImpresion& hoja, std::string_view texto,
                                       int ancho) {
  if (hoja.AnchoTexto(texto) <= ancho) return {std::string(texto)};
  std::vector<std::string> filas;
  std::size_t sangria = std::min(texto.find_first_not_of(' '), texto.size());
  std::string prefijo(sangria, ' ');
  std::string_view resto = texto;
  // An indent wider than half a row is dropped rather than repeated.
  if (hoja.AnchoTexto(prefijo) > ancho / 2) {
    prefijo.clear();
    resto.remove_prefix(sangria);
    sangria = 0;
  }
  bool primera = true;
  while (!resto.empty()) {
    const std::string inicio = primera ? std::string() : prefijo;
    // The longest start of the rest that fits after the row's indent; at
    // least one character, so that a row always moves on.
    std::size_t cabe = 0;
    std::size_t hasta = resto.size();
    while (cabe < hasta) {
      const std::size_t medio = (cabe + hasta + 1) / 2;
      std::string prueba = inicio;
      prueba.append(resto.substr(0, medio));
      if (hoja.AnchoTexto(prueba) <= ancho) {
        cabe = medio;
      } else {
        hasta = medio - 1;
      }
    }
    if (cabe == resto.size()) {
      filas.push_back(inicio + std::string(resto));
      break;
    }
    cabe = std::max<std::size_t>(cabe, 1);
    // Words stay whole: the row ends at the last blank that fits (a blank
    // right after the fitting part counts), never inside the first row's
    // indent.
    std::size_t corte = cabe;
    const std::size_t blanco = resto.substr(0, cabe + 1).rfind(' ');
    const std::size_t desde = primera ? sangria : 0;
    if (blanco != std::string_view::npos && blanco > desde) corte = blanco;
    filas.push_back(RecortarDerecha(inicio + std::string(resto.substr(0, corte))));
    resto.remove_prefix(corte);
    resto.remove_prefix(std::min(resto.find_first_not_of(' '), resto.size()));
    primera = false;
  }
  return filas;
}

InformeAjustado AjustarInforme(HojaImpresion& hoja, const Fuente& fuente, int ancho, int alto,
                               const BufferImpresion& buffer, int n,
                               const SeccionesImpresion& secciones) {
  InformeAjustado informe;
  informe.lineas.reserve(static_cast<std::size_t>(std::max(n, 0)));
  for (int k = 1; k <= n; ++k) {
    informe.lineas.push_back({RecortarDerecha(buffer.Linea(k)), secciones.EsNegrita(k)});
  }
  informe.tamano = TamanoQueCabe(hoja, fuente, kTamanoMinimoInforme, ancho, alto, informe.lineas);

  Fuente medida = fuente;
  medida.tamano = informe.tamano;
  for (const bool negrita : {false, true}) {
    medida.negrita = negrita;
    hoja.FijarFuente(medida);
    informe.filas.resize(informe.lineas.size());
    for (std::size_t i = 0; i < informe.lineas.size(); ++i) {
      if (informe.lineas[i].negrita == negrita) {
        informe.filas[i] = PartirEnFilas(hoja, informe.lineas[i].texto, ancho);
      }
    }
  }
  for (const auto& filas : informe.filas) informe.totalFilas += static_cast<int>(filas.size());
  return informe;
}

TextoAjustado AjustarTextoCabecera(HojaImpresion& hoja, Fuente fuente, std::string_view texto,
                                   int ancho) {
  const double minimo = std::min(fuente.tamano, kTamanoMinimoCabecera);
  for (double tamano = fuente.tamano;; tamano -= kPasoTamano) {
    fuente.tamano = std::max(tamano, minimo);
    hoja.FijarFuente(fuente);
    if (hoja.AnchoTexto(texto) <= ancho) return {fuente.tamano, std::string(texto)};
    if (fuente.tamano <= minimo) break;
  }
  std::string cortado(texto);
  while (!cortado.empty()) {
    cortado.pop_back();
    const std::string elidido = RecortarDerecha(cortado) + kElipsis;
    if (hoja.AnchoTexto(elidido) <= ancho) return {fuente.tamano, elidido};
  }
  return {fuente.tamano, std::string()};
}

}  // namespace sendaro
