#include "data/busqueda.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/tablas_datos.h"

namespace sendaro {
namespace {

void Llenar(TablaLinea& tabla, const std::vector<std::string>& lineas) {
  for (std::size_t i = 0; i < lineas.size(); ++i) {
    tabla.Fijar(static_cast<int>(i + 1), lineas[i]);
  }
  tabla.FijarCuenta(static_cast<int>(lineas.size()));
}

// Texts are Windows-1252, as the readers give them.
struct CasoPalabras {
  const char* idioma;
  std::string texto;
  std::vector<std::string> palabras;
};

TEST(PalabrasBusqueda, PlieganMayusculasAcentosYLetrasDeCadaIdioma) {
  const CasoPalabras casos[] = {
      {"es", "Enfermer\xED" "a (D)", {"enfermeria", "d"}},
      {"es", "INGENIER\xCD" "A Inform\xE1tica", {"ingenieria", "informatica"}},
      {"es", "Espa\xF1" "a: \xD1u\xF1" "o", {"espana", "nuno"}},
      {"es", "Op., Control y Mant. de M\xE1quinas", {"op", "control", "y", "mant", "de", "maquinas"}},
      {"ca", "Col\xB7legi Sant Josep", {"collegi", "col", "legi", "sant", "josep"}},
      {"ca", "COL\xB7LEGI", {"collegi", "col", "legi"}},
      {"ca", "Comer\xE7 i Cat\xE0leg", {"comerc", "i", "cataleg"}},
      {"ca", "L'Hospitalet de Llobregat", {"l", "hospitalet", "de", "llobregat"}},
      {"ca", "Institut Pere \xB7 Vila", {"institut", "pere", "vila"}},  // a lone dot separates
      {"gl", "T\xE9" "cnico/a en Peluquer\xED" "a", {"tecnico", "a", "en", "peluqueria"}},
      {"gl", "Enxe\xF1" "ar\xED" "a Inform\xE1tica", {"enxenaria", "informatica"}},
      {"eu", "Erizaintzako Gradua", {"erizaintzako", "gradua"}},
      {"eu", "Euskal Herriko Unibertsitatea (UPV/EHU)",
       {"euskal", "herriko", "unibertsitatea", "upv", "ehu"}},
      {"-", "\x8C" "uvre \xC6sop Stra\xDF" "e 2\xBA", {"oeuvre", "aesop", "strasse", "2o"}},
      {"-", "  ,;-- ", {}},
  };
  for (const CasoPalabras& c : casos) {
    EXPECT_EQ(PalabrasBusqueda(c.texto), c.palabras) << c.idioma << ": " << c.texto;
  }
}

class IndiceConNombres : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* nombre : {"Enfermer\xED" "a (D)", "Ingenier\xED" "a Inform\xE1tica",
                               "Ingenier\xED" "a Industrial", "I T Inform\xE1tica de Gesti\xF3n",
                               "Col\xB7legi Sant Josep", "Comer\xE7 Internacional",
                               "Grado en Estudios Vascos"}) {
      indice_.Anadir({ClaseBusqueda::kCarrera, indice_.Cuenta() + 1, 0, nombre, {}});
    }
    indice_.Terminar();
  }

  std::vector<std::string> Encontrados(const std::string& consulta) const {
    std::vector<std::string> textos;
    for (const int n : indice_.Buscar(consulta)) textos.push_back(indice_.Elemento(n).texto);
    return textos;
  }

  IndiceBusqueda indice_;
};

TEST_F(IndiceConNombres, CadaPalabraEmpiezaUnaPalabraDelNombreEnCualquierOrden) {
  struct Caso {
    std::string consulta;
    std::vector<std::string> encontrados;
  };
  const Caso casos[] = {
      {"enfer", {"Enfermer\xED" "a (D)"}},
      {"ENFERMERIA", {"Enfermer\xED" "a (D)"}},
      {"nfer", {}},  // not a word start
      {"ingenieria informatica", {"Ingenier\xED" "a Inform\xE1tica"}},
      {"informatica ingenieria", {"Ingenier\xED" "a Inform\xE1tica"}},
      {"ing inf", {"Ingenier\xED" "a Inform\xE1tica"}},
      {"Ingenier\xED" "a", {"Ingenier\xED" "a Inform\xE1tica", "Ingenier\xED" "a Industrial"}},
      {"inform\xE1tica",
       {"Ingenier\xED" "a Inform\xE1tica", "I T Inform\xE1tica de Gesti\xF3n"}},
      {"ingenieria quimica", {}},  // every word must match
      {"collegi", {"Col\xB7legi Sant Josep"}},
      {"col legi", {"Col\xB7legi Sant Josep"}},
      {"col\xB7legi", {"Col\xB7legi Sant Josep"}},
      {"legi sant", {"Col\xB7legi Sant Josep"}},
      {"comerc", {"Comer\xE7 Internacional"}},
      {"comer\xE7", {"Comer\xE7 Internacional"}},
      {"vascos, estudios", {"Grado en Estudios Vascos"}},
      {"", {}},
      {"  - , ", {}},
      {"enfermeriaa", {}},
  };
  for (const Caso& c : casos) EXPECT_EQ(Encontrados(c.consulta), c.encontrados) << c.consulta;
}

TEST(PartirCentro, SeparaLocalidadYNombre) {
  struct Caso {
    std::string linea;
    std::string localidad, nombre;
  };
  const Caso casos[] = {
      {"6Huesca           IES Ramiro de Maeztu       974000101 030608", "Huesca",
       "IES Ramiro de Maeztu"},
      {"JZaragoza CIFP Margarita Salas               976000115 17", "Zaragoza",
       "CIFP Margarita Salas"},
      {"7Molina de Arag\xF3n Colegio Santa Ana         949000101", "Molina de Arag\xF3n",
       "Colegio Santa Ana"},
      {"4El Prat de Llobregat Institut Illa          934000101", "El Prat de Llobregat",
       "Institut Illa"},
      {"8Alcobendas       CIFP Gregorio Mara\xF1\xF3n     C910000101 30", "Alcobendas",
       "CIFP Gregorio Mara\xF1\xF3n"},
  };
  for (const Caso& c : casos) {
    const CentroPartido p = PartirCentro(c.linea);
    EXPECT_EQ(p.localidad, c.localidad) << c.linea;
    EXPECT_EQ(p.nombre, c.nombre) << c.linea;
  }
}

// Every kind of element from small tables: headings and blank lines are left
// out, each element keeps the line the screens know it by, and results come
// grouped by kind in kind order.
TEST(ConstruirIndiceBusqueda, TomaCadaClaseDeSuTablaConSuNumero) {
  auto tablas = std::make_unique<TablasDatos>();
  TablasDatos& t = *tablas;
  Llenar(t.carreras, {"Enfermer\xED" "a (D)", "", "Medicina (L)", "Otras: Enfermer\xED" "a militar"});
  t.datosCarreras.numCarreras = 3;  // the last line is not a degree
  // As read: the category digit is already off the line.
  Llenar(t.carrerasNuevas, {"Grado en Enfermer\xED" "a", "Grado en Historia"});
  Llenar(t.titulosFP, {"-Sanidad", "Anatom\xED" "a Patol\xF3gica", "Documentaci\xF3n Sanitaria"});
  Llenar(t.titulosGM, {"-Sanidad", "Cuidados Auxiliares de Enfermer\xED" "a"});
  std::vector<std::string> areas(9, "K   Atenci\xF3n a las personas");
  areas.push_back("K-Sanidad");
  areas.push_back("KAuxiliar de enfermer\xED" "a en geriatr\xED" "a");
  Llenar(t.programas, areas);
  std::vector<std::string> familias(9, "JK      Sanidad");
  familias.push_back("J- Sanidad");
  familias.push_back("JTransporte sanitario");
  familias.push_back("JAtenci\xF3n sanitaria a m\xFAltiples v\xED" "ctimas");
  Llenar(t.certificados, familias);
  t.profesiones.profesiones.resize(2);
  t.profesiones.profesiones[0].nombre = "Enfermero/a                   ";
  t.profesiones.profesiones[1].nombre = "M\xE9" "dico/a";
  Llenar(t.universidades.nombres, {"Universidad de Granada", "Universidad de Sevilla"});
  t.universidades.cuenta = 2;
  Llenar(t.centros[0].lineas, {"6Huesca           IES Ramiro de Maeztu       974000101",
                               "6Huesca           IES Sanitario Enfermera    974000102",
                               "JZaragoza IES Sanidad                        976000115"});
  Llenar(t.centros[2].lineas, {"8Huesca           IES Otra Huesca            956000110"});
  std::array<TablaLinea, 4> artes;
  Llenar(artes[1], {"Ense\xF1" "anzas Elementales de M\xFAsica", "  Cuatro cursos", "f1",
                    "Piano"});

  const IndiceBusqueda indice = ConstruirIndiceBusqueda(t, artes);
  struct Esperado {
    ClaseBusqueda clase;
    int linea, grupo;
    std::string texto;
  };
  const auto comprobar = [&](const std::string& consulta, const std::vector<Esperado>& esperados) {
    const std::vector<int> encontrados = indice.Buscar(consulta);
    ASSERT_EQ(encontrados.size(), esperados.size()) << consulta;
    for (std::size_t i = 0; i < esperados.size(); ++i) {
      const ElementoBusqueda& e = indice.Elemento(encontrados[i]);
      EXPECT_EQ(e.clase, esperados[i].clase) << consulta << " #" << i;
      EXPECT_EQ(e.linea, esperados[i].linea) << consulta << " #" << i;
      EXPECT_EQ(e.grupo, esperados[i].grupo) << consulta << " #" << i;
      EXPECT_EQ(e.texto, esperados[i].texto) << consulta << " #" << i;
    }
  };
  comprobar("enfermer", {
                            {ClaseBusqueda::kCarrera, 1, 0, "Enfermer\xED" "a (D)"},
                            {ClaseBusqueda::kCarreraNueva, 1, 0, "Grado en Enfermer\xED" "a"},
                            {ClaseBusqueda::kTituloMedio, 2, 0,
                             "Cuidados Auxiliares de Enfermer\xED" "a"},
                            {ClaseBusqueda::kPrograma, 2, 0,
                             "Auxiliar de enfermer\xED" "a en geriatr\xED" "a"},
                            {ClaseBusqueda::kProfesion, 1, 0, "Enfermero/a"},
                            {ClaseBusqueda::kCentro, 2, 1, "IES Sanitario Enfermera"},
                        });
  comprobar("sanit", {
                         {ClaseBusqueda::kTituloSuperior, 3, 0, "Documentaci\xF3n Sanitaria"},
                         {ClaseBusqueda::kCertificado, 2, 0, "Transporte sanitario"},
                         {ClaseBusqueda::kCertificado, 3, 0,
                          "Atenci\xF3n sanitaria a m\xFAltiples v\xED" "ctimas"},
                         {ClaseBusqueda::kCentro, 2, 1, "IES Sanitario Enfermera"},
                     });
  comprobar("musica", {{ClaseBusqueda::kArte, 1, 2, "Ense\xF1" "anzas Elementales de M\xFAsica"}});
  comprobar("piano", {});  // specialities are not titles
  comprobar("granada", {{ClaseBusqueda::kUniversidad, 1, 0, "Universidad de Granada"}});
  // A centre is found by its town too; each file's province keeps its own town.
  comprobar("huesca", {
                          {ClaseBusqueda::kCentro, 1, 1, "IES Ramiro de Maeztu"},
                          {ClaseBusqueda::kCentro, 2, 1, "IES Sanitario Enfermera"},
                          {ClaseBusqueda::kCentro, 1, 3, "IES Otra Huesca"},
                          {ClaseBusqueda::kLocalidad, 1, 1, "Huesca"},
                          {ClaseBusqueda::kLocalidad, 1, 3, "Huesca"},
                      });
  comprobar("zaragoza", {{ClaseBusqueda::kCentro, 3, 1, "IES Sanidad"},
                         {ClaseBusqueda::kLocalidad, 3, 1, "Zaragoza"}});
  comprobar("militar", {});   // past the degree count
  comprobar("sanidad", {{ClaseBusqueda::kCentro, 3, 1, "IES Sanidad"}});  // headings left out
}

}  // namespace
}  // namespace sendaro

namespace sendaro {
namespace {

TEST(IndiceEnFondo, SeConstruyeEnSuHiloYSeEspera) {
  auto tablas = std::make_unique<TablasDatos>();
  Llenar(tablas->carreras, {"Enfermer\xED" "a (D)", "Medicina (L)"});
  tablas->datosCarreras.numCarreras = 2;
  IndiceEnFondo sinIniciar;
  EXPECT_EQ(sinIniciar.Listo(), nullptr);
  EXPECT_EQ(sinIniciar.Esperar().Cuenta(), 0);

  IndiceEnFondo fondo;
  fondo.Iniciar(*tablas, Instalacion("/no/existe"));  // no arts files: not searched
  EXPECT_TRUE(fondo.Iniciado());
  const IndiceBusqueda& indice = fondo.Esperar();
  ASSERT_EQ(fondo.Listo(), &indice);
  ASSERT_EQ(indice.Buscar("medic").size(), 1U);
  EXPECT_EQ(indice.Elemento(indice.Buscar("medic")[0]).linea, 2);
}

}  // namespace
}  // namespace sendaro
