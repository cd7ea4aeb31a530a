#include "sections/middle_grade/titulos_gm.h"

#include <algorithm>
#include <numeric>

#include "data/alfabeto.h"
#include "data/texto.h"

namespace sendaro {

namespace {

// Block lines of the description and jobs, and of the subjects.
constexpr int kPrimeraPuesto = 1;
constexpr int kUltimaPuesto = 5;
constexpr int kPrimeraAsignatura = 6;
constexpr int kUltimaAsignatura = 25;
constexpr std::string_view kCodigoRequisitos = "17";

std::vector<std::string> LineasBloque(const TablaBloques& bloques, int bloque, int desde,
                                      int hasta) {
  std::vector<std::string> filas;
  for (int l = desde; l <= hasta; ++l) filas.push_back(RecortarDerecha(bloques.Linea(bloque, l)));
  return filas;
}

}  // namespace

FamiliasGM::FamiliasGM(const TablaLinea& titulos, const TablaLinea& familias,
                       const NumerosLinea& lineas) {
  const int n = titulos.Cuenta();
  const int cuenta = std::min(familias.Cuenta(), static_cast<int>(lineas.size()) - 1);
  int anterior = 0;
  for (int f = 1; f <= cuenta; ++f) {
    const int linea = lineas[static_cast<std::size_t>(f)];
    // Headers come in file order; one past the lines held ends the list.
    if (linea <= anterior || linea > n) break;
    nombres_.push_back(RecortarDerecha(familias[f]));
    inicios_.push_back(linea);
    anterior = linea;
  }
  inicios_.push_back(n + 1);
}

const std::string& FamiliasGM::Nombre(int f) const {
  static const std::string vacio;
  if (f < 1 || f > Cuenta()) return vacio;
  return nombres_[static_cast<std::size_t>(f - 1)];
}

int FamiliasGM::Inicio(int f) const {
  if (f < 1 || f > Cuenta() + 1) return 0;
  return inicios_[static_cast<std::size_t>(f - 1)];
}

int FamiliasGM::NumTitulos(int f) const {
  if (f < 1 || f > Cuenta()) return 0;
  return Inicio(f + 1) - Inicio(f) - 1;
}

int FamiliasGM::LineaTitulo(int f, int k) const {
  if (k < 1 || k > NumTitulos(f)) return 0;
  return Inicio(f) + k;
}

int FamiliasGM::FamiliaDeLinea(int linea) const {
  for (int f = 1; f <= Cuenta(); ++f) {
    if (linea >= Inicio(f) && linea < Inicio(f + 1)) return f;
  }
  return 0;
}

FilasGM ListaFamiliasGM(const FamiliasGM& familias) {
  std::vector<int> orden(static_cast<std::size_t>(familias.Cuenta()));
  std::iota(orden.begin(), orden.end(), 1);
  // In the language's alphabetical order: the marked names (second group)
  // after the others.
  std::stable_sort(orden.begin(), orden.end(), [&](int a, int b) {
    return MenorAlfabetico(familias.Nombre(a), familias.Nombre(b));
  });
  FilasGM lista;
  for (const int f : orden) {
    std::string_view nombre = familias.Nombre(f);
    if (!nombre.empty() && nombre.front() == kMarcaFamilia) nombre.remove_prefix(1);
    lista.filas.push_back("< " + std::string(nombre));
    lista.numeros.push_back(f);
  }
  return lista;
}

FilasGM TitulosDeFamiliaGM(const FamiliasGM& familias, const TablaLinea& titulos, int f) {
  FilasGM lista;
  for (int k = 1; k <= familias.NumTitulos(f); ++k) {
    const int linea = familias.LineaTitulo(f, k);
    lista.filas.push_back(RecortarDerecha(titulos[linea]));
    lista.numeros.push_back(linea);
  }
  return lista;
}

std::vector<std::string> DescripcionTituloGM(const TablaBloques& bloques,
                                             const CatalogoTextos& catalogo, int linea) {
  std::vector<std::string> filas{"    " + RecortarDerecha(catalogo.Texto(271))};
  for (std::string& l : LineasBloque(bloques, linea, kPrimeraPuesto, kUltimaPuesto))
    filas.push_back(std::move(l));
  return filas;
}

std::vector<std::string> PuestosGM(const TablaBloques& bloques, int linea) {
  return LineasBloque(bloques, linea, kPrimeraPuesto, kUltimaPuesto);
}

std::vector<std::string> AsignaturasGM(const TablaBloques& bloques, int linea) {
  return LineasBloque(bloques, linea, kPrimeraAsignatura, kUltimaAsignatura);
}

std::vector<std::string> RequisitosGM(const TablaLinea& informa) {
  std::vector<std::string> filas;
  for (int l = 1; l <= informa.Cuenta(); ++l) {
    const std::string& linea = informa[l];
    if (Columnas(linea, 1, 2) == kCodigoRequisitos)
      filas.push_back(RecortarDerecha(Columnas(linea, 3, 58)));
  }
  return filas;
}

SalidaPopup ColocarPopupTitulos(const EntradaPopup& e) {
  const int alto = std::max(e.titulos, 0) * e.altoFila + 4;
  const int fila = e.altoFila > 0 ? std::max(e.yRaton, 0) / e.altoFila : 0;
  int arriba = fila * e.altoFila + e.arribaLista;
  if (e.yRaton * 2 >= e.altoLista) arriba -= e.altoFila * (e.titulos - 1) + 5;

  // Room for the prompt above and the description under it.
  const int minimo = e.altoEtiqueta;
  const int maximo = e.altoPagina - e.altoDebajo - 1;
  SalidaPopup s;
  s.alto = std::min(alto, std::max(maximo - minimo, e.altoFila + 4));
  s.arriba = std::clamp(arriba, minimo, std::max(minimo, maximo - s.alto));
  return s;
}

}  // namespace sendaro
