// The middle-grade titles browser: the professional families of "FP2", the
// titles of a family, a title's requirements, jobs and subjects, and where
// the titles pop-up goes when a family is clicked. A title is identified
// everywhere by its line number in "FP2".
#pragma once

#include <string>
#include <vector>

#include "data/catalogo.h"
#include "data/lectores.h"
#include "data/tabla_linea.h"

namespace sendaro {

// Family names that begin with it are listed after the others, without it.
inline constexpr char kMarcaFamilia = '|';

// The families of "FP2" in file order.
class FamiliasGM {
 public:
  FamiliasGM() = default;
  // `familias` and `lineas` as the family reader leaves them; `titulos` is
  // the whole file. A family whose header lies beyond the lines held is left
  // out.
  FamiliasGM(const TablaLinea& titulos, const TablaLinea& familias, const NumerosLinea& lineas);

  int Cuenta() const { return static_cast<int>(nombres_.size()); }
  // Family f's name without trailing blanks (marker kept); empty outside 1..F.
  const std::string& Nombre(int f) const;
  // Line of family f's header; for f = F + 1 one past the last line; 0 outside.
  int Inicio(int f) const;
  // Its titles are lines Inicio(f) + 1 .. Inicio(f + 1) - 1.
  int NumTitulos(int f) const;
  // The line of title k (1..NumTitulos) of family f; 0 outside.
  int LineaTitulo(int f, int k) const;
  // The family a line belongs to (its header or one of its titles); 0 none.
  int FamiliaDeLinea(int linea) const;

 private:
  std::vector<std::string> nombres_;  // element 0 is family 1
  std::vector<int> inicios_;          // element 0 is family 1; one more at the end
};

// Rows of a list with the number each row stands for.
struct FilasGM {
  std::vector<std::string> filas;
  std::vector<int> numeros;
};

// The families list: names sorted byte by byte (ties in file order), each
// row "< " + name; a marked name sorts by its marker and is shown without it.
// numeros[row] = family number.
FilasGM ListaFamiliasGM(const FamiliasGM& familias);

// The titles of family f: their whole lines without trailing blanks;
// numeros[row] = line in "FP2".
FilasGM TitulosDeFamiliaGM(const FamiliasGM& familias, const TablaLinea& titulos, int f);

// "    " + catalogue text 271, then lines 1-5 of the title's block.
std::vector<std::string> DescripcionTituloGM(const TablaBloques& bloques,
                                             const CatalogoTextos& catalogo, int linea);
// Lines 1-5 of the block (the jobs), and lines 6-25 (the subjects).
std::vector<std::string> PuestosGM(const TablaBloques& bloques, int linea);
std::vector<std::string> AsignaturasGM(const TablaBloques& bloques, int linea);
// The general entry requirements: columns 3-60 of the "INFORMA" lines whose
// code (columns 1-2) is "17".
std::vector<std::string> RequisitosGM(const TablaLinea& informa);

// Where the titles pop-up opens beside the families list, in page pixels.
struct EntradaPopup {
  int titulos = 0;        // rows of the pop-up
  int altoFila = 0;       // item height of both lists
  int yRaton = 0;         // click y inside the families list
  int arribaLista = 0;    // top of the families list in page pixels
  int altoLista = 0;      // its height
  int altoEtiqueta = 30;  // the prompt sits this far above the pop-up
  int altoDebajo = 0;     // the description list 1 px under the pop-up
  int altoPagina = 768;
};
struct SalidaPopup {
  int arriba = 0;
  int alto = 0;
};
// A click in the upper half opens the pop-up down from the clicked row's top,
// a click in the lower half upwards so that its last row is level with the
// clicked row. The result is kept inside the page with the prompt above it
// and the description under it; a pop-up longer than the room left shrinks
// (it scrolls).
SalidaPopup ColocarPopupTitulos(const EntradaPopup& e);

}  // namespace sendaro
