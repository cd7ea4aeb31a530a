// The professions questionnaire as plain functions over its tables: the
// phrase panel's sequence, the short phrases derived from the chosen long
// phrases and dealt over pages, the choices allowed on a page, the scoring
// of the activities and the lists and report of the results.
#pragma once

#include <string>
#include <vector>

#include "data/catalogo.h"
#include "data/explicacion.h"
#include "data/impresion/buffers_impresion.h"
#include "data/profesiones.h"
#include "data/tabla_linea.h"

namespace sendaro::profesiones {

// Catalogue texts of the screen.
namespace textos {
inline constexpr int kTitulo = 338;
inline constexpr int kPideNombre = 339;
inline constexpr int kSi = 141, kNo = 140;
inline constexpr int kImprimir = 36, kAcabar = 54;
inline constexpr int kSegunRespuestas = 124;
inline constexpr int kProfesionesDeActividad = 624;
inline constexpr int kActividadesAfines = 625;
inline constexpr int kTeIdentificas = 626;
inline constexpr int kUniversitarios = 627, kOtrosTitulos = 628;
inline constexpr int kFPSuperior = 47, kFPMedio = 113;
inline constexpr int kEligeDosPorPagina = 629, kEligeUna = 630;
inline constexpr int kIntroTitulo = 631, kIntro1 = 632, kIntro2 = 633;
inline constexpr int kMasDeTres1 = 634, kMasDeTres2 = 635, kDespues = 636;
inline constexpr int kRevisa = 637, kRepasa = 639;
inline constexpr int kActividadesMasAfines = 642, kPasaRaton = 643;
inline constexpr int kProfesionesFrase = 644, kEstudiosProfesion = 645;
inline constexpr int kExplica1 = 646, kExplica2 = 647;
inline constexpr int kResultado = 648;
inline constexpr int kSalir = 649, kBuscaEstudio = 650;
// Explanations of the results.
inline constexpr int kSenalanFrases = 743;  // an activity: the phrases that point to it
inline constexpr int kFraseElegida = 744;   // "«%1», la frase que elegiste: +%2"
inline constexpr int kSaleDeFrase = 745;    // a profession: "sale de la frase que elegiste, «%1»"
inline constexpr int kFrasePuntos = 749;    // "«%1»: +%2"
}  // namespace textos

// Icons of the hall's icon list beside the first fifteen long phrases; later
// rows repeat the list from the start.
int IconoFraseLarga(int fila);

// The phrase panel: IndiceFrase runs -2 (before the start), -1 (the
// introduction), 0..n-1 (the phrases), n (the closing message), n + 1 (closed).
struct PasoFrase {
  enum class Muestra { kNada, kIntroduccion, kFrase, kCierre };
  Muestra muestra = Muestra::kNada;
  int indice = 0;          // IndiceFrase after the step
  int elegirFila = -1;     // row of the long-phrase list to choose (-1 none)
  bool ocultarNo = false;  // BotNo hidden for this step
  bool cerrar = false;     // hide the panel (past the closing message)
};
// One step with Yes (si) or No from IndiceFrase `indice` with n long phrases.
PasoFrase AvanzarFrase(int indice, int n, bool si);

// The closing message's text: 634 + 635 + 636 with four or more chosen
// rows, otherwise 637 + 636.
std::string TextoCierre(const CatalogoTextos& catalogo, int elegidas);

// True when next may leave the long-phrase review: one to three chosen.
bool EleccionValida(int elegidas);

// The activity codes of the chosen long phrases (rows from 0, top to bottom),
// each code once, blanks skipped.
std::vector<std::string> CodigosElegidos(const DatosProfesiones& datos,
                                         const std::vector<int>& filas);

// ListaDerivada: four passes over the professions (code A → phrase 1, code A
// → phrase 2, code B → phrase 1, code B → phrase 2), each phrase once; 0 and
// numbers outside "FRACORTAS" are skipped.
std::vector<int> DerivarFrases(const DatosProfesiones& datos,
                               const std::vector<std::string>& codigos);

// The derived phrases dealt over at most four pages: slot by slot, page by
// page. paginas[p] holds the phrase numbers of page p + 1 in slot order.
struct Paginas {
  int numPaginas = 0;
  int frasesPorPagina = 0;
  std::vector<std::vector<int>> paginas;
};
Paginas RepartirPaginas(const std::vector<int>& derivadas);

// The rows chosen on a page after a click: at most two; when a third is
// chosen the lowest of the three (the one furthest down the list) is
// unchosen. Rows are returned in ascending order.
std::vector<int> LimitarEleccionPagina(std::vector<int> elegidas);

// The final list: the phrases of the rows chosen on each page, page by page,
// each page in list order (rows from 0).
std::vector<int> ListaFinal(const Paginas& paginas, const std::vector<std::vector<int>>& elegidas);

struct PuntosActividad {
  int actividad = 0;  // index into datos.actividades
  double puntos = 0;
  // The final-list phrases that gave the points (numero: the phrase's
  // number; elegida: the picked row), in list order.
  std::vector<Aportacion> aportaciones;
};
// Scores every activity over the final list (phrase numbers) with the picked
// row (from 0, -1 none): code A 1 (+1.5 picked), code B 0.5 (+0.75 picked).
// Only activities above 0, best first; equal scores keep their file order.
std::vector<PuntosActividad> PuntuarActividades(const DatosProfesiones& datos,
                                                const std::vector<int>& listaFinal, int elegida);

// Professions (indices) whose phrase 1 or 2 is the given phrase, file order,
// each name once.
std::vector<int> ProfesionesDeFrase(const DatosProfesiones& datos, int frase);

// Professions (indices) whose code A or B is the activity's code, file order.
std::vector<int> ProfesionesDeActividad(const DatosProfesiones& datos, int actividad);

// The tables a study code points into.
struct TablasEstudios {
  const TablaLinea* carreras = nullptr;  // "C"
  const TablaLinea* fp = nullptr;        // "S"
  const TablaLinea* fp2 = nullptr;       // "M"
  const TablaLinea* otros = nullptr;     // "O"
};

struct Estudio {
  char letra = ' ';
  std::string linea;  // the study's table line, without trailing blanks
};
// A profession's studies in code order, up to the first code with another
// letter; codes whose line is not in its table are skipped.
std::vector<Estudio> EstudiosDeProfesion(const Profesion& profesion, const TablasEstudios& tablas);

struct LineaEstudios {
  std::string texto;
  bool cabecera = false;  // a heading, shown in green
};
// ListTit: before the first study of each letter a heading (6 blanks, the
// kind's catalogue text and ":"), then each study's line.
std::vector<LineaEstudios> LineasEstudios(const std::vector<Estudio>& estudios,
                                          const CatalogoTextos& catalogo);

// The rows of ListResulAct: the heading, then "1º " and "2º " with the names
// of the two best activities (as many as there are).
std::vector<std::string> FilasActividades(const DatosProfesiones& datos,
                                          const std::vector<PuntosActividad>& puntos,
                                          const CatalogoTextos& catalogo);
// The rows of ListResulProf: an empty row, then "• " and each name.
std::vector<std::string> FilasProfesiones(const DatosProfesiones& datos,
                                          const std::vector<int>& profesiones);
// ListResProf: 5 blanks, text 624 and " 1º" or " 2º", then "• " and each name.
std::vector<std::string> FilasProfesionesActividad(const DatosProfesiones& datos, int actividad,
                                                   int puesto, const CatalogoTextos& catalogo);

// Why the two best activities (rows 1 and 2 of ListResulAct, `fila` 1 and 2)
// are there: the phrases that gave their points.
std::vector<ResultadoExplicado> ExplicarActividades(const DatosProfesiones& datos,
                                                    const std::vector<PuntosActividad>& puntos,
                                                    const CatalogoTextos& catalogo);
// Why the professions of the picked phrase (rows 1.. of ListResulProf) are
// there: that phrase.
std::vector<ResultadoExplicado> ExplicarProfesiones(const DatosProfesiones& datos,
                                                    const std::vector<int>& profesiones, int frase,
                                                    const CatalogoTextos& catalogo);

// Everything the results printout needs.
struct Resultado {
  std::vector<PuntosActividad> puntos;
  std::vector<int> profesionesFrase;  // of the picked phrase
  // Printed after the results, when there are any.
  std::vector<ResultadoExplicado> explicaciones;
};

// Fills the print buffer (line 0 the student's heading) and the bold lines,
// a line longer than the buffer keeps on several (LineasEnteras); returns the
// last line written. With no activity above 0 the best-activity
// block is left out.
int InformeProfesiones(const DatosProfesiones& datos, const TablasEstudios& tablas,
                       const CatalogoTextos& catalogo, const Resultado& resultado,
                       const std::string& encabezado, BufferImpresion& buffer,
                       SeccionesImpresion& secciones);

}  // namespace sendaro::profesiones
