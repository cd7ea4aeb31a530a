// The degree record files, the adjustments after loading and the encodings
// of marks and degree types.
#include "data/carreras/datos_carreras.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/ayuda_pruebas.h"
#include "data/tablas_datos.h"
#include "data/texto.h"

namespace sendaro {
namespace {

using prueba::EntornoDePrueba;

std::string Faltan(const std::string& nombre) {
  return "Faltan ficheros (" + nombre + "). Vuelva a instalar el programa";
}

// A set of records of a file, every byte `relleno`, with `marca` at byte 1
// (the first list item of row 1, record 1).
// A set of records whose first row lists one item, the mark.
std::string Juego(const DisposicionRegistros& d, char relleno, char marca) {
  std::string b(static_cast<std::size_t>(d.BytesTotales()), relleno);
  b[0] = 1;
  b[static_cast<std::size_t>(d.bytesPorEntero)] = marca;
  return b;
}

struct CasoRegistro {
  const char* que;
  std::function<std::string(const DisposicionRegistros&)> bytes;  // nullptr: no file
  int esperado;  // the first item read back; -1: the file is refused
};

// Reads one record file through its reader and gives back its first item.
struct Lector {
  const DisposicionRegistros& disposicion;
  std::function<int(Entorno&, DatosCarreras&)> leer;  // -1 when refused
};

TEST(RegistrosCarreras, ElUltimoJuegoCompletoCuentaYUnoIncompletoNoSeLee) {
  const CasoRegistro casos[] = {
      {"un juego", [](const DisposicionRegistros& d) { return Juego(d, '\0', 7); }, 7},
      {"dos juegos: vale el segundo",
       [](const DisposicionRegistros& d) { return Juego(d, '\0', 7) + Juego(d, '\0', 9); }, 9},
      {"juego y medio: vale el primero",
       [](const DisposicionRegistros& d) {
         const std::string dos = Juego(d, '\0', 9);
         return Juego(d, '\0', 7) + dos.substr(0, dos.size() / 2);
       },
       7},
      {"basura de su tamaño",
       [](const DisposicionRegistros& d) { return Juego(d, '\xC8', 7); }, -1},
      {"un byte de menos",
       [](const DisposicionRegistros& d) {
         std::string b = Juego(d, '\0', 7);
         b.pop_back();
         return b;
       },
       -1},
      {"vacío", [](const DisposicionRegistros&) { return std::string(); }, -1},
      {"no existe", nullptr, -1},
  };
  const Lector lectores[] = {
      {registros::kDatcar,
       [](Entorno& e, DatosCarreras& d) {
         return LeerRegistrosFilas(e, d.carreras) ? d.Universidades(1).at(0).universidad : -1;
       }},
      {registros::kDatcarn,
       [](Entorno& e, DatosCarreras& d) {
         return LeerRegistrosFilas(e, d.nuevas) ? d.UniversidadesNueva(1).at(0).universidad : -1;
       }},
      {registros::kDatgru,
       [](Entorno& e, DatosCarreras& d) {
         return LeerRegistrosFilas(e, d.grupos) ? d.CualidadesGrupo(1).at(0) : -1;
       }},
      {registros::kDatFPR,
       [](Entorno& e, DatosCarreras& d) {
         return LeerRegistroTitulosFP(e, d.titulosFP) ? d.RequisitosTitulo(1).at(0) : -1;
       }},
      {registros::kDatFPL,
       [](Entorno& e, DatosCarreras& d) {
         return LeerCentrosFP(e, d.centrosFP) ? d.centrosFP.Centro(1, 1, 1) : -1;
       }},
  };
  for (const auto& lector : lectores) {
    for (const auto& c : casos) {
      EntornoDePrueba prueba;
      const std::string nombre(lector.disposicion.fichero);
      if (c.bytes) prueba.carpeta.Escribir(nombre, c.bytes(lector.disposicion));
      auto datos = std::make_unique<DatosCarreras>();
      const int leido = lector.leer(prueba.entorno, *datos);
      EXPECT_EQ(leido, c.esperado) << nombre << ": " << c.que;
      if (c.esperado < 0) {
        EXPECT_TRUE(prueba.entorno.FalloGrave) << nombre << ": " << c.que;
        ASSERT_EQ(prueba.avisador.avisos.size(), 1u) << nombre << ": " << c.que;
        EXPECT_EQ(prueba.avisador.avisos[0], Faltan(nombre));
      } else {
        EXPECT_FALSE(prueba.entorno.FalloGrave) << nombre << ": " << c.que;
        EXPECT_TRUE(prueba.avisador.avisos.empty()) << nombre << ": " << c.que;
      }
    }
  }
}

TEST(RegistrosCarreras, UnFicheroRechazadoDejaLaTablaComoEstaba) {
  RegistrosFilas tabla(registros::kDatcar);
  ASSERT_TRUE(tabla.Analizar(Juego(registros::kDatcar, '\0', 42)));
  EXPECT_FALSE(tabla.Analizar(std::string(20199, '\x05')));
  EXPECT_EQ(tabla.Byte(1, 1, 1), 42);
}

TEST(RegistrosCarreras, LasListasNoPasanDelFinalDeSuFila) {
  // Every byte 255: each count is as large as a byte can say.
  auto datos = std::make_unique<DatosCarreras>();
  ASSERT_TRUE(datos->carreras.Analizar(std::string(101000, '\xFF')));
  ASSERT_TRUE(datos->titulosFP.Analizar(std::string(8670, '\xFF')));
  struct Caso {
    const char* que;
    std::size_t tamano;
  };
  const Caso casos[] = {
      {"universidades", datos->Universidades(200).size()},
      {"requisitos", datos->Requisitos(200).size()},
      {"salidas", datos->Salidas(1).size()},
  };
  for (const auto& c : casos) EXPECT_EQ(c.tamano, 100u) << c.que;
  EXPECT_EQ(datos->Grupos(1).size(), 9u);
  EXPECT_EQ(datos->Relacionadas(1).size(), 90u);
  EXPECT_EQ(datos->RequisitosTitulo(170).size(), 20u);
  EXPECT_EQ(datos->CarrerasTitulo(170).size(), 25u);
  EXPECT_EQ(datos->GruposTitulo(170).size(), 3u);
  EXPECT_TRUE(datos->Universidades(201).empty());
  EXPECT_TRUE(datos->Universidades(0).empty());
  EXPECT_TRUE(datos->GruposTitulo(171).empty());
}

TEST(RegistrosCarreras, UniversidadesConLaNotaDeSuMismaPosicion) {
  std::string b(101000, '\0');
  const auto fila = [](int registro, int d) { return (registro - 1) * 20200 + (d - 1) * 101; };
  // Degree 3: universities 4, 9, 4; marks 57, 10, 100 in record 3.
  const char universidades[] = {3, 4, 9, 4};
  const char notas[] = {3, 57, 10, 100};
  b.replace(static_cast<std::size_t>(fila(1, 3)), 4, universidades, 4);
  b.replace(static_cast<std::size_t>(fila(3, 3)), 4, notas, 4);
  auto datos = std::make_unique<DatosCarreras>();
  ASSERT_TRUE(datos->carreras.Analizar(b));
  const std::vector<UniversidadNota> esperado = {{4, 57}, {9, 10}, {4, 100}};
  EXPECT_EQ(datos->Universidades(3), esperado);
  std::vector<std::string> escritas;
  for (const auto& u : datos->Universidades(3)) escritas.push_back(EscribirNota(u.nota));
  EXPECT_EQ(escritas, (std::vector<std::string>{" 5,7", "  - ", "10,0"}));
}

TEST(Carreras, EscrituraDeNotas) {
  const std::pair<int, const char*> casos[] = {
      {57, " 5,7"}, {50, " 5,0"},  {99, " 9,9"},  {100, "10,0"},
      {10, "  - "}, {129, "12,9"}, {140, "14,0"}, {5, "  ,5"},
  };
  for (const auto& [nota, texto] : casos) EXPECT_EQ(EscribirNota(nota), texto) << nota;
}

TEST(Carreras, TipoPorLaPrimeraReglaQueCoincide) {
  const std::pair<const char*, int> casos[] = {
      {"Magisterio: Educación Primaria (D)", 1},
      {"Medicina (L)", 2},
      {"Psicopedagogía (2º ciclo)", 3},
      {"Ingeniería Industrial", 2},
      {"Ingeniería I T mezclada", 2},  // "Inge" is tested before "I T"
      {"I T Informática de Gestión", 1},
      {"E.T. Industrial", 1},
      {"Arquitectura                    ", 2},
      {"Arquitectura Técnica", 1},
      {"Arquitecte", 2},
      {"Arkitektoa  ", 2},
      {"Arkitekto Teknikoa", 1},
      {"Arquitectura", 0},  // only as the program reads it, padded with blanks
      {"Historia del Arte", 0},
      {"I T con (D", 1},
      {"Odontología (L) (2", 2},
  };
  for (const auto& [linea, tipo] : casos) EXPECT_EQ(TipoCarrera(linea), tipo) << linea;
}

CatalogoTextos Catalogo() {
  std::vector<std::string> lineas(672);
  for (int n : {48, 275, 276, 277, 278, 279, 280, 281, 294}) {
    lineas[static_cast<std::size_t>(n - 1)] = "texto " + std::to_string(n);
  }
  CatalogoTextos c;
  c.Rellenar(lineas);
  return c;
}

void Llenar(TablaLinea& t, const std::vector<std::string>& lineas) {
  t.Vaciar();
  t.Fijar(0, "FICHERO");
  for (std::size_t i = 0; i < lineas.size(); ++i) t.Fijar(static_cast<int>(i) + 1, lineas[i]);
  t.FijarCuenta(static_cast<int>(lineas.size()));
}

TEST(Carreras, AjustesDespuesDeCargar) {
  auto t = std::make_unique<TablasDatos>();
  std::vector<std::string> carreras;
  for (int i = 1; i <= 154; ++i) carreras.push_back(i % 2 ? "Derecho (L)" : "I T Minera");
  Llenar(t->carreras, carreras);
  Llenar(t->carrerasNuevas, {"3Grado en Medicina", "Grado sin cifra", "5"});
  Llenar(t->familiasFP, {"Agraria", "Sanidad", "|Deportivas", "Química"});
  t->bloquesCarreras.Fijar(1, 1, "5 Materias troncales");
  t->bloquesCarreras.Fijar(2, 1, "x Sin cifra");
  t->bloquesCarreras.FijarCuenta(2);
  AjustarTablasCarreras(Catalogo(), *t);
  const DatosCarreras& d = t->datosCarreras;

  EXPECT_EQ(d.numCarreras, 150);
  EXPECT_EQ(d.Categoria(1), 3);
  EXPECT_EQ(t->carrerasNuevas.Linea(1), "Grado en Medicina");
  EXPECT_EQ(d.Categoria(2), 0);
  EXPECT_EQ(t->carrerasNuevas.Linea(2), "Grado sin cifra");
  EXPECT_EQ(d.Categoria(3), 5);
  EXPECT_EQ(t->carrerasNuevas.Linea(3), "");
  EXPECT_EQ(d.Dificultad(1), 5);
  EXPECT_EQ(d.Dificultad(2), 0);
  EXPECT_EQ(d.Dificultad(3), 0);
  EXPECT_EQ(d.Tipo(1), 2);
  EXPECT_EQ(d.Tipo(2), 1);
  EXPECT_EQ(d.Tipo(151), 0) << "the four trailing lines are not degrees";
  EXPECT_EQ(d.primerasFamilias, 2);

  const std::pair<const TablaLinea*, const char*> titulos[] = {
      {&t->carreras, "texto 48"},    {&t->requisitos, "texto 277"}, {&t->salidas, "texto 278"},
      {&t->cualidades, "texto 279"}, {&t->intereses, "texto 280"},  {&t->grupos, "texto 281"},
      {&t->titulosFP, "texto 294"},  {&t->carrerasFP, "texto 48"},  {&t->requisitosFP, "texto 277"},
  };
  for (const auto& [tabla, texto] : titulos) EXPECT_EQ(tabla->Linea(0), texto);

  Llenar(t->familiasFP, {"Agraria", "Sanidad"});
  Llenar(t->carreras, {"A", "B"});
  AjustarTablasCarreras(Catalogo(), *t);
  EXPECT_EQ(t->datosCarreras.primerasFamilias, 2) << "no \"|\" family: all of them";
  EXPECT_EQ(t->datosCarreras.numCarreras, 0);
}

TEST(Carreras, OrdenDeLecturaYFicherosQueFaltan) {
  EntornoDePrueba prueba;
  prueba.entorno.instalacion.FijarIdioma("galego");
  auto t = std::make_unique<TablasDatos>();
  const CatalogoTextos catalogo = Catalogo();
  EXPECT_FALSE(CargarTablasCarreras(prueba.entorno, catalogo, *t));
  std::vector<std::string> esperados;
  for (const char* n :
       {"carreran", "CARRERA", "asignacarn", "OTROS", "REQUISIT", "SALIDAS", "CUALIDAD", "INTERES",
        "GRUPOS", "FP", "carreFP", "REQFP", "asignacar", "asignafp", "asignaot"}) {
    esperados.push_back(Faltan(std::string("galego/") + n));
  }
  esperados.push_back(Faltan("asignacarn"));
  EXPECT_EQ(prueba.avisador.avisos, esperados);
  EXPECT_TRUE(prueba.entorno.FalloGrave);
  EXPECT_EQ(t->carreras.Linea(0), "texto 48") << "the adjustments run all the same";

  prueba.avisador.avisos.clear();
  EXPECT_FALSE(CargarDatosFijos(prueba.entorno, catalogo, *t));
  std::vector<std::string> fijos;
  for (const auto& a : prueba.avisador.avisos) fijos.push_back(a);
  const std::vector<std::string> registros_esperados = {
      Faltan("datgru"), Faltan("datcarn"), Faltan("datcar"), Faltan("datFPL"), Faltan("datFPR")};
  // The record files come after the centre files and before "dobles".
  std::vector<std::string> solo_registros;
  for (const auto& a : fijos) {
    if (a.find("(dat") != std::string::npos) solo_registros.push_back(a);
  }
  EXPECT_EQ(solo_registros, registros_esperados);
  const auto pos = [&fijos](const std::string& a) {
    return std::find(fijos.begin(), fijos.end(), a) - fijos.begin();
  };
  EXPECT_LT(pos(Faltan("LU4")), pos(Faltan("datgru")));
  EXPECT_LT(pos(Faltan("datFPR")), pos(Faltan("dobles")));
  EXPECT_EQ(t->comunidades.Linea(0), "texto 275");
  EXPECT_EQ(t->centros[3].lineas.Linea(0), "texto 276");
}

// The program folder's new-degree descriptions are Spanish: a language
// with its own keeps them; Spanish reads the same file twice.
TEST(Carreras, LasCarrerasNuevasDeUnIdiomaNoLasPisaElCastellano) {
  for (const char* idioma : {"", "galego"}) {
    EntornoDePrueba prueba;
    prueba.entorno.instalacion.FijarIdioma(idioma);
    const std::string ruta = std::string(idioma).empty() ? "" : std::string(idioma) + "/";
    std::vector<std::string> castellano(15, "");
    castellano[0] = "Grado en Danza";
    castellano[1] = "Cuatro cursos de danza";
    std::vector<std::string> gallego = castellano;
    gallego[1] = "Catro cursos de danza";
    prueba.carpeta.EscribirLineas("asignacarn", castellano);
    if (!ruta.empty()) prueba.carpeta.EscribirLineas(ruta + "asignacarn", gallego);
    auto t = std::make_unique<TablasDatos>();
    CargarTablasCarreras(prueba.entorno, Catalogo(), *t);
    EXPECT_EQ(RecortarDerecha(t->bloquesCarrerasNuevas.Linea(1, 1)),
              ruta.empty() ? "Cuatro cursos de danza" : "Catro cursos de danza")
        << idioma;
    for (const auto& aviso : prueba.avisador.avisos) {
      EXPECT_EQ(aviso.find("asignacarn"), std::string::npos) << aviso;
    }
  }
}

}  // namespace
}  // namespace sendaro
