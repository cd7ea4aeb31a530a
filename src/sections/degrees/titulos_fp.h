// The higher vocational titles browser: the sorted family list, the pop-up
// of a family's titles with a title's description, the title card's views
// and the whole printout of a title with its centres community by community.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/lectores.h"
#include "data/lectores_fijos.h"
#include "data/tabla_linea.h"
#include "sections/degrees/ficha_carrera.h"

namespace sendaro {

// Everything the vocational browser reads.
struct FuentesFP {
  const TablaLinea& titulos;         // "FP"
  const TablaLinea& familias;        // family lines of "FP", without their "-"
  const NumerosLinea& lineasFamilia;  // their line numbers in "FP"
  const TablaLinea& carreras;        // "carreFP"
  const TablaLinea& requisitos;      // "REQFP"
  const TablaBloques& descripciones;  // "asignafp"
  const TablaLinea& comunidades;     // "COMUNIDA"
  const std::array<TablaCentros, 4>& centros;  // "LU1".."LU4"
  const DatosCarreras& datos;
  const CatalogoTextos& catalogo;
};

// Upper case of a Windows-1252 text; the screen gives its toolkit's rule.
using AMayusculas = std::function<std::string(std::string_view)>;

// The family list: "< " and each name, sorted by its raw text (stable,
// ascending). A name of the second group loses its leading "|" marker; any
// other name keeps its first letter, accented or not.
struct ListaFamiliasFP {
  std::vector<std::string> filas;
  std::vector<int> familias;  // OrdenFamilias: row -> family (1-based)
};
ListaFamiliasFP ListaFamilias(const TablaLinea& familias);

// The titles of family f: the "FP" lines after its family line up to the
// next family line (to the last line for the last family); blank lines are
// left out.
std::vector<int> TitulosDeFamilia(const FuentesFP& f, int familia);

// The description shown beside the pop-up: six blanks and catalogue text
// 271, then the first five lines of the title's block; nothing when the
// block is empty.
std::vector<std::string> DescripcionEmergente(const FuentesFP& f, int titulo);

// Where the pop-up goes, in page coordinates. The title list stands 325
// pixels left of the family list, level with the clicked row (or ending at
// it when the click was in the list's lower half); the description 1 pixel
// below it, the label 30 pixels above it. The whole stays inside the page;
// a list too long for the page is shortened and scrolls.
struct ColocacionEmergente {
  int izquierda = 0;
  int arribaTitulos = 0;
  int altoTitulos = 0;
  int arribaDescripcion = 0;
  int arribaEtiqueta = 0;
};
struct MedidasEmergente {
  int izquierdaLista = 0;  // listSelFP's left edge on the page
  int arribaLista = 0;     // its top edge
  int altoLista = 0;       // its height
  int arribaFila = 0;      // the clicked row's top, on the page
  int altoFila = 0;
  int titulos = 0;
  int altoDescripcion = 0;
  int altoPagina = 768;
};
ColocacionEmergente ColocarEmergente(const MedidasEmergente& m);

// The card's views, as the screen shows them in listSelFP.
enum class VistaTituloFP { kRequisitos, kDescripcion, kCarreras };
struct VistaFP {
  std::string titulo;  // PanelSelTit
  std::vector<std::string> filas;
};
VistaFP VistaTitulo(const FuentesFP& f, VistaTituloFP vista, int titulo);

// The whole printout of title t with its centres in each community of
// `comunidades` (in that order). Line numbers of the bold headers: the four
// fixed sections, then every community header ("***").
InformeLineas ImpresionTitulo(const FuentesFP& f, int titulo, const std::vector<int>& comunidades,
                              const AMayusculas& mayusculas);

// A printout of every community that is this long is not printed: the user
// chooses the communities first.
inline constexpr int kMaxLineasImpresionTitulo = 150;
inline constexpr int kNumComunidades = 19;
bool HayQueElegirComunidades(int lineas, int comunidadesUsadas, bool enPantalla);

// The community choice for printing: communities in choice order, each once.
class EleccionComunidades {
 public:
  void Abrir();
  void Cerrar() { abierta_ = false; }
  bool Abierta() const { return abierta_; }
  // False when the community is already chosen or out of 1..19.
  bool Anadir(int comunidad);
  // Removes row `fila` (from 0); false for no row.
  bool Quitar(int fila);
  const std::vector<int>& Elegidas() const { return elegidas_; }

 private:
  bool abierta_ = false;
  std::vector<int> elegidas_;
};

}  // namespace sendaro
