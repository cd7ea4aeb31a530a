// The shared tables read from the data files, and the loading each screen
// does when it is created. The application allocates one TablasDatos on the
// heap at start-up (the tables are large) and keeps it to the end.
//
// Each CargarTablas* reads every file of its screen, also after a missing
// one: each missing file shows "Faltan ficheros (<nombre>). Vuelva a
// instalar el programa" and sets FalloGrave, which stops start-up at the next
// check. Language-dependent files come from the language subfolder when one
// is in use; the message names the file as opened ("galego/CARRERA").
// Each returns true when all its files were read.
#pragma once

#include <array>

#include "data/carreras/datos_carreras.h"
#include "data/entorno.h"
#include "data/lectores.h"
#include "data/lectores_fijos.h"
#include "data/profesiones.h"
#include "data/registros.h"
#include "data/tabla_linea.h"

namespace sendaro {

struct TablasDatos {
  // Degrees screen.
  TablaLinea carrerasNuevas;        // "carreran"
  TablaLinea carreras;              // "CARRERA"
  TablaLinea otros;                 // "OTROS"
  TablaLinea requisitos;            // "REQUISIT"
  TablaLinea salidas;               // "SALIDAS"
  TablaLinea cualidades;            // "CUALIDAD"
  TablaLinea intereses;             // "INTERES"
  TablaLinea grupos;                // "GRUPOS"
  TablaLinea titulosFP;             // "FP"
  TablaLinea familiasFP;            // family lines of "FP"
  NumerosLinea lineasFamiliasFP{};  // their line numbers in "FP"
  TablaLinea carrerasFP;            // "carreFP"
  TablaLinea requisitosFP;          // "REQFP"
  TablaBloques bloquesCarreras{bloques::kAsignacar};
  TablaBloques bloquesCarrerasNuevas{bloques::kAsignacarn};
  TablaBloques bloquesFP{bloques::kAsignafp};
  TablaBloques bloquesOtros{bloques::kAsignaot};
  TablaLinea comunidades;                   // "COMUNIDA", width 53
  TablaUniversidades universidades;         // "LUGAR"
  TablaDirecciones direccionesComunidades;  // "COMUINT"
  std::array<TablaCentros, 4> centros;      // "LU1".."LU4"
  TablaDobles dobles;                       // "dobles"
  TablaComarcas comarcas;                   // "comarcas"
  TablaZonas zonas;                         // "comarcasm"
  // The degree record files and what is derived after loading
  // (CargarTablasCarreras, CargarDatosFijos).
  DatosCarreras datosCarreras;

  // Itineraries screen.
  TablaLinea materias;                                  // "MATERIAS"
  TablaLinea carrerasItinerario;                        // "CARRERAS"
  TablaLinea lineasInforma;                             // "INFORMA"
  TablaLinea titulosFPS;                                // "FPS", width 50
  TablaLinea titulos;                                   // "TITULOS"
  TablaLinea cuestionario;                              // "CUESTION", width 50
  TablaLinea cuestionarioGM{TablaLinea::kLimiteLargo};  // "CUESGM", width 75
  TablaLinea itinerarios;                               // "ITINERAR", width 54
  TablaLinea titulosGM;                                 // "FP2"
  TablaLinea familiasGM;                                // family lines of "FP2"
  NumerosLinea inicioFamiliaGM{};                       // their line numbers in "FP2"
  TablaBloques bloquesGM{bloques::kAsignagm};
  TablaLugaresGM lugaresGM;  // "datFPL2"
  // "datitine": the questions and the titles of each questionnaire area.
  RegistrosFilas areasCuestionario{registros::kDatitine};

  // Initial programmes screen.
  TablaLinea programas;        // "fpip"
  TablaLinea modulosPrograma;  // "IPmodulos"
  // "LU2" read again as this screen uses it, apart from the shared centres.
  TablaCentros centrosIniciales;

  // Professional certificates screen.
  TablaLinea certificados;                                                        // "certifica"
  TablaLinea textosCertificados{TablaLinea::kLimiteDetalles, kCapacidadTabla90};  // "certificaH"

  // Titles catalogue.
  TablaLinea familias;                                         // "familias"
  TablaLinea indicesFamilias{TablaLinea::kLimiteNormal, 600};  // "indices", width 6

  // Professions questionnaire: "FRALARGAS", "FRACORTAS", "ACTIVIDA", "profesio".
  DatosProfesiones profesiones;
};

// The degrees screen: "carreran", "CARRERA", "OTROS", "REQUISIT", "SALIDAS",
// "CUALIDAD", "INTERES", "GRUPOS", "FP" (lines, then families), "carreFP",
// "REQFP", "asignacar", "asignacarn", "asignafp", "asignaot" (all of them
// language-dependent), then "COMUNIDA" (width 53), "LUGAR", "COMUINT",
// "LU1".."LU4", "dobles", "comarcas" (width 20) and "comarcasm" (width 25).
// The degree record files and the arts files are not read here.
bool CargarTablasGrados(Entorno& entorno, TablasDatos& tablas);

// The itineraries screen: "MATERIAS", "CARRERAS", "INFORMA", "FPS" (width
// 50), "TITULOS", "CUESTION" (width 50), "CUESGM" (width 75, 75-byte slots),
// "ITINERAR" (width 54), "FP2" (lines, then families), "asignagm" (all
// language-dependent), "datFPL2" and "datitine".
bool CargarTablasItinerarios(Entorno& entorno, TablasDatos& tablas);

// The initial programmes screen: "fpip", "IPmodulos" (language-dependent)
// and "LU2" into centrosIniciales (the shared centre tables stay as the
// degrees screen prepared them), on which BlanquearColumna45 is applied.
bool CargarTablasIniciales(Entorno& entorno, TablasDatos& tablas);

// The certificates screen: "certifica" and "certificaH" (raw, 90 bytes),
// both language-dependent.
bool CargarTablasCertificados(Entorno& entorno, TablasDatos& tablas);

// The initial programmes' copy of "LU2": column 45 blanked in every line from
// the first line that begins with "8" up to the line before the first line
// that begins with "D" (to the end when there is none).
void BlanquearColumna45(TablaCentros& centros);

// The titles catalogue: "familias" (raw, 60 bytes, language-dependent) and
// "indices" (from the program folder, every line blank-filled to 6 bytes, at
// most 600 lines).
bool CargarTablasCatalogo(Entorno& entorno, TablasDatos& tablas);

// The name a file is opened by: behind the language subfolder when the file
// is language-dependent and a language is in use.
std::string NombreFichero(const Instalacion& instalacion, const FicheroDatos& fichero);

// Reads one line-table file with its own reader and width ("artesplas" and
// the other arts files when the arts button is pressed). Only for files whose
// reader fills a single line table.
int LeerFicheroTabla(Entorno& entorno, const FicheroDatos& fichero, TablaLinea& tabla);

}  // namespace sendaro
