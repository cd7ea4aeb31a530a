// The professional certificates: families (lines 1-9 of "certifica"), their
// areas, the certificates of an area, one certificate's details and the
// printout of an area. Certificate c is line c of the certificate list, that
// is line 9 + c of "certifica", and its details are line 9 + c of
// "certificaH" (whose lines 1-9 are the requirement texts).
#pragma once

#include <string>
#include <vector>

#include "data/catalogo.h"
#include "data/filas_lista.h"
#include "data/impresion/informe.h"
#include "data/tabla_linea.h"

namespace sendaro {

inline constexpr int kFamiliasCertificado = 9;
inline constexpr int kRequisitosCertificado = 9;
// Area characters of a family: columns 1-8 of its line.
inline constexpr int kAreasPorFamilia = 8;

// The two tables of the screen.
struct TablasCertificados {
  const TablaLinea& certificados;  // "certifica"
  const TablaLinea& textos;        // "certificaH", raw lines
};

// Number of lines of the certificate list (after the nine families).
int CuentaCertificados(const TablasCertificados& t);
// Line c of the certificate list; empty outside 1..CuentaCertificados.
const std::string& LineaCertificado(const TablasCertificados& t, int c);
// The text of a list line: columns 2-61 without trailing blanks.
std::string TextoCertificado(const TablasCertificados& t, int c);

// Family f (1..9): columns 9-68 without trailing blanks.
std::string NombreFamiliaCertificado(const TablasCertificados& t, int f);
std::vector<std::string> FamiliasCertificado(const TablasCertificados& t);

// The area headings of family f: the lines whose column 1 is one of the
// family's area characters and column 2 "-", line by line and for each line
// over the eight characters in order. A blank character matches nothing.
FilasConLineas AreasDeFamilia(const TablasCertificados& t, int f);

// The certificates of the area whose heading is line `cabecera`: the lines
// with its area character in column 1 and no "-" in column 2, in file order.
FilasConLineas CertificadosDeArea(const TablasCertificados& t, int cabecera);

// One certificate as the result panel shows it.
struct DetalleCertificado {
  std::string ocupacion;                // LabelTitulo
  std::vector<std::string> requisitos;  // LabelRequisitos, one line each
  std::string horas;                    // LabelHoras: characters 4-6
  std::string descripcion;              // LabelDes: characters 8-97
};

// The detail line of c, blank-filled to 97 characters (blanks past a short
// or missing line).
std::string LineaDetalle(const TablasCertificados& t, int c);

// The requirement texts (characters 2-29) of c: for each of its three code
// characters in turn, every requirement whose code equals it, in table order.
std::vector<std::string> RequisitosDe(const TablasCertificados& t, int c);
DetalleCertificado Detalle(const TablasCertificados& t, int c);

// The printout of an area: title text 580; "<583>:", the area heading (bold)
// and a blank line; per certificate its name (bold), its description
// (characters 8-97, on as many lines as it takes), text 581, one line per
// requirement slot (the last requirement matching each code character,
// characters 2-29, after seven blanks), "<582>: <hours>" and a blank line.
// Nothing without certificates.
InformeImpresion InformeAreaCertificados(const TablasCertificados& t,
                                         const CatalogoTextos& catalogo, int cabecera,
                                         const std::vector<int>& certificados);

}  // namespace sendaro
