// The middle-grade screen's printouts: a title's report (requirements, jobs,
// subjects, then its centres community by community) and the places report
// (the centres of a place with the titles each teaches).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/catalogo.h"
#include "data/lectores.h"
#include "data/tabla_linea.h"
#include "sections/middle_grade/lugares_gm.h"

namespace sendaro {

// Capital letters of a Windows-1252 text (accents included); given by the
// screen, which knows the character set.
using Mayusculas = std::function<std::string(std::string_view)>;

// A printout under construction: line 0 (the title, printed in the page
// header) and lines 1..n, with the line numbers printed bold.
struct InformeGM {
  std::string titulo;
  std::vector<std::string> lineas;  // element 0 is line 1
  std::vector<int> negritas;
};

// Above this many lines over all communities, the user picks communities.
inline constexpr int kLineasInformeLargo = 150;
// Trailing blank subject lines taken off, at most.
inline constexpr int kMaxBlancasAsignaturas = 11;

struct FuentesInformeGM {
  const TablaLinea& titulos;      // "FP2"
  const TablaBloques& bloques;    // "asignagm"
  const TablaLinea& informa;      // "INFORMA"
  const TablaLinea& comunidades;  // "COMUNIDA"
  const FuentesLugares lugares;
  const CatalogoTextos& catalogo;
  Mayusculas mayusculas;
};

// The report of title t: "<title> (<113>)" as its title; requirements, jobs
// and subjects each under a bold "** ... **" line; a rule and the heading of
// the centres; then, for each of `comunidades` (codes 1..19 in order) with
// centres, "***  NAME  ***" (bold), a blank line and its centre rows with
// their phones.
InformeGM InformeTituloGM(const FuentesInformeGM& f, int titulo,
                          const std::vector<int>& comunidades);
// The report over all communities is too long to print at once.
bool InformeLargo(const InformeGM& informe, bool todasLasComunidades);

// The places report: "<289>: <place> - <113>" and the listing's rows, each
// whole with its phone (LineasConTelefono).
InformeGM InformeLugarGM(const CatalogoTextos& catalogo, std::string_view lugar,
                         const std::vector<FilaCentro>& filas);

}  // namespace sendaro
