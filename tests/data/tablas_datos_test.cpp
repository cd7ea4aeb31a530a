#include "data/tablas_datos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/ayuda_pruebas.h"

namespace sendaro {
namespace {

using prueba::EntornoDePrueba;

// A small installation: every file a screen loads, with a line or two each.
// Language-dependent files go to the subfolder when one is given.
void EscribirInstalacion(const prueba::CarpetaTemporal& carpeta, const std::string& idioma) {
  const std::string sub = idioma.empty() ? "" : idioma + "/";
  for (const char* nombre :
       {"carreran", "CARRERA",  "OTROS",     "REQUISIT",   "SALIDAS",    "CUALIDAD",  "INTERES",
        "GRUPOS",   "carreFP",  "REQFP",     "asignacar",  "asignacarn", "asignafp",  "asignaot",
        "MATERIAS", "CARRERAS", "INFORMA",   "FPS",        "TITULOS",    "CUESTION",  "CUESGM",
        "ITINERAR", "asignagm", "certifica", "certificaH", "fpip",       "IPmodulos", "familias"}) {
    carpeta.EscribirLineas(sub + nombre, {"--- " + std::string(nombre), "5 " + sub + nombre});
  }
  carpeta.EscribirLineas(sub + "FP", {"-Agraria", "Jardineria", "-Sanidad", "Farmacia"});
  carpeta.EscribirLineas(sub + "FP2", {"-Comercio", "Ventas"});
  carpeta.EscribirLineas("COMUNIDA", {"Andalucia"});
  carpeta.EscribirLineas("LUGAR", {"01Universidad de Ejemplo                 http://u.example"});
  carpeta.EscribirLineas("COMUINT", {"Andalucia     http://a.example"});
  for (const char* nombre : {"LU1", "LU2", "LU3", "LU4"}) {
    carpeta.EscribirLineas(nombre, {std::string("1IES ") + nombre + std::string(46, ' ') + "0102"});
  }
  carpeta.EscribirLineas("dobles", {"01Universidad", "   1001002"});
  carpeta.EscribirLineas("comarcas", {"C102Alt Camp", "C201Alt Emporda"});
  carpeta.EscribirLineas("comarcasm", {"M101Pueblo"});
  carpeta.Escribir("datFPL2", std::string(4 * 119340, '\0'));
  // Area 3 of the first record lists questions 7 and 9.
  std::string areas(2 * 3030, '\0');
  areas[2 * 101] = 2;
  areas[2 * 101 + 1] = 7;
  areas[2 * 101 + 2] = 9;
  carpeta.Escribir("datitine", areas);
  carpeta.EscribirLineas("indices", {"25 1", "3"});
}

struct Carga {
  const char* pantalla;
  bool (*cargar)(Entorno&, TablasDatos&);
  std::vector<std::string> ficheros;  // in reading order; "*" = language-dependent
};

const std::vector<Carga>& Cargas() {
  static const std::vector<Carga> cargas = {
      {"grados",
       CargarTablasGrados,
       {"*carreran", "*CARRERA", "*OTROS",   "*REQUISIT", "*SALIDAS",   "*CUALIDAD",   "*INTERES",
        "*GRUPOS",   "*FP",      "*carreFP", "*REQFP",    "*asignacar", "*asignacarn", "*asignafp",
        "*asignaot", "COMUNIDA", "LUGAR",    "COMUINT",   "LU1",        "LU2",         "LU3",
        "LU4",       "dobles",   "comarcas", "comarcasm"}},
      {"itinerarios",
       CargarTablasItinerarios,
       {"*MATERIAS", "*CARRERAS", "*INFORMA", "*FPS", "*TITULOS", "*CUESTION", "*CUESGM",
        "*ITINERAR", "*FP2", "*asignagm", "datFPL2", "datitine"}},
      {"iniciales", CargarTablasIniciales, {"*fpip", "*IPmodulos", "LU2"}},
      {"certificados", CargarTablasCertificados, {"*certifica", "*certificaH"}},
      {"catalogo", CargarTablasCatalogo, {"*familias", "indices"}},
  };
  return cargas;
}

std::string Nombre(const std::string& fichero, const std::string& idioma) {
  if (fichero[0] != '*') return fichero;
  return (idioma.empty() ? "" : idioma + "/") + fichero.substr(1);
}

TEST(CargarTablas, ConTodosLosFicherosNoAvisa) {
  for (const std::string idioma : {"", "catVal"}) {
    EntornoDePrueba prueba;
    EscribirInstalacion(prueba.carpeta, idioma);
    prueba.entorno.instalacion.FijarIdioma(idioma);
    auto tablas = std::make_unique<TablasDatos>();
    for (const auto& carga : Cargas()) {
      EXPECT_TRUE(carga.cargar(prueba.entorno, *tablas)) << carga.pantalla << " " << idioma;
    }
    EXPECT_FALSE(prueba.entorno.FalloGrave);
    EXPECT_TRUE(prueba.avisador.avisos.empty());
  }
}

TEST(CargarTablas, CadaTablaRecibeSuFicheroYSuAncho) {
  EntornoDePrueba prueba;
  EscribirInstalacion(prueba.carpeta, "galego");
  prueba.entorno.instalacion.FijarIdioma("galego");
  auto t = std::make_unique<TablasDatos>();
  for (const auto& carga : Cargas()) carga.cargar(prueba.entorno, *t);

  struct Caso {
    const TablaLinea* tabla;
    std::string nombre;
    std::size_t longitud;
  };
  const Caso casos[] = {
      {&t->carrerasNuevas, "galego/carreran", 60},
      {&t->carreras, "galego/CARRERA", 60},
      {&t->otros, "galego/OTROS", 60},
      {&t->requisitos, "galego/REQUISIT", 60},
      {&t->salidas, "galego/SALIDAS", 60},
      {&t->cualidades, "galego/CUALIDAD", 60},
      {&t->intereses, "galego/INTERES", 60},
      {&t->grupos, "galego/GRUPOS", 60},
      {&t->carrerasFP, "galego/carreFP", 60},
      {&t->requisitosFP, "galego/REQFP", 60},
      {&t->comunidades, "COMUNIDA", 53},
      {&t->materias, "galego/MATERIAS", 60},
      {&t->carrerasItinerario, "galego/CARRERAS", 60},
      {&t->lineasInforma, "galego/INFORMA", 60},
      {&t->titulosFPS, "galego/FPS", 50},
      {&t->titulos, "galego/TITULOS", 60},
      {&t->cuestionario, "galego/CUESTION", 50},
      {&t->cuestionarioGM, "galego/CUESGM", 75},
      {&t->itinerarios, "galego/ITINERAR", 54},
      {&t->programas, "galego/fpip", 60},
      {&t->modulosPrograma, "galego/IPmodulos", 60},
      {&t->certificados, "galego/certifica", 60},
      {&t->textosCertificados, "galego/certificaH", 14},  // raw
      {&t->familias, "galego/familias", 12},              // raw
      {&t->indicesFamilias, "indices", 6},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ((*caso.tabla)[0], caso.nombre);
    EXPECT_EQ((*caso.tabla)[1].size(), caso.longitud) << caso.nombre;
  }
  EXPECT_EQ(t->titulosFP.Cuenta(), 4);
  EXPECT_EQ(t->familiasFP.Cuenta(), 2);
  EXPECT_EQ(t->lineasFamiliasFP[2], 3);
  EXPECT_EQ(t->familiasGM.Cuenta(), 1);
  EXPECT_EQ(t->bloquesCarreras.Cuenta(), 1);
  EXPECT_EQ(t->bloquesCarreras.Dificultad(1), 5);
  EXPECT_EQ(t->bloquesGM.Cuenta(), 1);
  EXPECT_EQ(t->universidades.cuenta, 1);
  EXPECT_EQ(t->direccionesComunidades.direcciones[1], "http://a.example");
  EXPECT_EQ(t->centros[3].lineas[0], "LU4");
  EXPECT_EQ(t->centros[3].numCodigos[1], 2);
  EXPECT_EQ(t->dobles.cuenta, 1);
  EXPECT_EQ(t->comarcas.nombres[2], "Alt Camp");
  EXPECT_EQ(t->zonas.numMiembros[1], 1);
  EXPECT_EQ(t->areasCuestionario.Lista(1, 3, 0, 100), (std::vector<int>{7, 9}));
  // The initial programmes read "LU2" into their own list.
  EXPECT_EQ(t->centrosIniciales.lineas[0], "LU2");
  EXPECT_EQ(t->centrosIniciales.numCodigos[1], 2);
  EXPECT_EQ(t->indicesFamilias[2], "3     ");
}

// "datitine" is read from the program folder whatever the language, and one
// byte short of its two records is as bad as missing.
TEST(CargarTablas, AreasDelCuestionarioCortasSeAvisan) {
  EntornoDePrueba prueba;
  EscribirInstalacion(prueba.carpeta, "galego");
  prueba.entorno.instalacion.FijarIdioma("galego");
  prueba.carpeta.Escribir("datitine", std::string(2 * 3030 - 1, '\0'));
  auto tablas = std::make_unique<TablasDatos>();
  EXPECT_FALSE(CargarTablasItinerarios(prueba.entorno, *tablas));
  EXPECT_TRUE(prueba.entorno.FalloGrave);
  EXPECT_EQ(prueba.avisador.avisos,
            std::vector<std::string>{"Faltan ficheros (datitine). Vuelva a instalar el programa"});
}

// Column 45 of the initial programmes' centres is blanked from the first
// line of province "8" up to the line before the first of province "D".
TEST(BlanquearColumna45, DesdeLaProvincia8HastaLaD) {
  const std::string resto = std::string(43, 'x') + "Zy";
  struct Caso {
    std::vector<std::string> primeras;  // first characters, one per line
    std::string blanqueadas;            // "1" where column 45 ends blank
  };
  const Caso casos[] = {
      {{"1", "8", "9", "D", "8"}, "01100"},
      {{"8", "A"}, "11"},  // no "D": to the end
      {{"1", "D"}, "00"},
  };
  for (const Caso& c : casos) {
    TablaCentros centros;
    for (std::size_t i = 0; i < c.primeras.size(); ++i) {
      centros.lineas.Fijar(static_cast<int>(i) + 1, c.primeras[i] + resto);
    }
    centros.lineas.FijarCuenta(static_cast<int>(c.primeras.size()));
    BlanquearColumna45(centros);
    for (std::size_t i = 0; i < c.primeras.size(); ++i) {
      const std::string& linea = centros.lineas[static_cast<int>(i) + 1];
      EXPECT_EQ(linea[44] == ' ', c.blanqueadas[i] == '1') << i;
      EXPECT_EQ(linea[45], 'y');
    }
  }
}

// A missing file is reported by name, sets FalloGrave, and the rest of the
// screen's files are still read.
TEST(CargarTablas, CadaFicheroQueFaltaSeAvisaYLosDemasSeLeen) {
  for (const std::string idioma : {"", "euskera"}) {
    EntornoDePrueba prueba;
    EscribirInstalacion(prueba.carpeta, idioma);
    prueba.entorno.instalacion.FijarIdioma(idioma);
    auto tablas = std::make_unique<TablasDatos>();
    for (const auto& carga : Cargas()) {
      for (const auto& fichero : carga.ficheros) {
        const std::string nombre = Nombre(fichero, idioma);
        const auto ruta = prueba.carpeta.Ruta() / nombre;
        const auto aparte = prueba.carpeta.Ruta() / "aparte";
        std::filesystem::rename(ruta, aparte);
        prueba.avisador.avisos.clear();
        prueba.entorno.FalloGrave = false;
        EXPECT_FALSE(carga.cargar(prueba.entorno, *tablas)) << nombre;
        EXPECT_TRUE(prueba.entorno.FalloGrave) << nombre;
        EXPECT_EQ(prueba.avisador.avisos,
                  std::vector<std::string>{"Faltan ficheros (" + nombre +
                                           "). Vuelva a instalar el programa"})
            << carga.pantalla;

        // With the file back everything loads, and FalloGrave stays set.
        std::filesystem::rename(aparte, ruta);
        prueba.avisador.avisos.clear();
        EXPECT_TRUE(carga.cargar(prueba.entorno, *tablas));
        EXPECT_TRUE(prueba.avisador.avisos.empty());
        EXPECT_TRUE(prueba.entorno.FalloGrave);
      }
    }
  }
}

TEST(CargarTablas, UnFicheroQueFaltaNoImpideLeerLosSiguientes) {
  EntornoDePrueba prueba;
  EscribirInstalacion(prueba.carpeta, "");
  std::filesystem::remove(prueba.carpeta.Ruta() / "carreran");
  std::filesystem::remove(prueba.carpeta.Ruta() / "LU2");
  auto tablas = std::make_unique<TablasDatos>();
  EXPECT_FALSE(CargarTablasGrados(prueba.entorno, *tablas));
  EXPECT_EQ(prueba.avisador.avisos.size(), 2u);
  EXPECT_EQ(tablas->zonas.cuenta, 1);
  EXPECT_EQ(tablas->centros[2].Cuenta(), 1);
}

TEST(LeerFicheroTabla, ArtesConAnchoDe90GuardadoA60) {
  EntornoDePrueba prueba;
  prueba.carpeta.EscribirLineas("catVal/musica", {std::string(70, 'm')});
  prueba.entorno.instalacion.FijarIdioma("catVal");
  TablaLinea lista;
  EXPECT_EQ(LeerFicheroTabla(prueba.entorno, ficheros::kMusica, lista), 1);
  EXPECT_EQ(lista[0], "catVal/musica");
  EXPECT_EQ(lista[1], std::string(60, 'm'));
}

}  // namespace
}  // namespace sendaro
