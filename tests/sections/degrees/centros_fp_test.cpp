// Centres by place (with the branch filter and the town to scroll to) and
// by title, the centre -> titles index and the provinces of a community.
#include "sections/degrees/centros_fp.h"

#include <gtest/gtest.h>

#include "data/impresion/lineas_prueba.h"
#include "sections/degrees/fp_prueba.h"

namespace sendaro {
namespace {

using prueba::MundoFP;

LugarFP Provincia(char codigo) {
  LugarFP l;
  l.grupo = 1;
  l.provincia = codigo;
  return l;
}

// The grid as "-centre" and title numbers, blank rows as "", headings left out.
std::vector<std::string> Resumen(const RejaFP& r) {
  std::vector<std::string> s;
  for (std::size_t i = 4; i < r.filas.size(); ++i) {
    const FilaReja& f = r.filas[i];
    if (f.titulo != 0) {
      s.push_back(std::to_string(f.titulo));
    } else if (f.texto.rfind('-', 0) == 0) {
      s.push_back(f.texto.substr(18, 10));
    } else {
      s.push_back("");
    }
  }
  for (std::string& x : s) {
    while (!x.empty() && x.back() == ' ') x.pop_back();
  }
  return s;
}

TEST(TituloPermitido, RamasYCodigos) {
  struct Caso {
    std::vector<int> requisitos;
    int rama;
    bool permitido;
  };
  const Caso casos[] = {
      {{1}, 0, true},      {{}, 0, true},       {{}, 1, false},     {{8}, 1, true},
      {{8}, 2, false},     {{9}, 2, true},      {{10}, 3, true},    {{11}, 4, true},
      {{12}, 4, true},     {{31}, 3, true},     {{31}, 1, false},   {{31}, 2, false},
      {{31}, 4, false},    {{1, 2}, 1, false},  {{5}, 9, true},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(TituloPermitido(c.requisitos, c.rama), c.permitido)
        << testing::PrintToString(c.requisitos) << " rama " << c.rama;
  }
}

TEST(IndiceCentrosFP, TitulosDeCadaCentroEnOrdenYCentrosInexistentesFuera) {
  const MundoFP m;
  EXPECT_EQ(m.indice.TitulosDe(1, 1), (std::vector<int>{2, 3}));
  EXPECT_EQ(m.indice.TitulosDe(1, 3), (std::vector<int>{2, 7}));
  EXPECT_TRUE(m.indice.TitulosDe(1, 7).empty());
  EXPECT_TRUE(m.indice.TitulosDe(1, 99).empty());
  EXPECT_TRUE(m.indice.TitulosDe(5, 1).empty());
  EXPECT_TRUE(m.indice.Permitido(7, 3));
  EXPECT_FALSE(m.indice.Permitido(9, 1));
}

TEST(ProvinciasDeComunidad, SusLineasOSuPropioNombre) {
  const MundoFP m;
  const auto uno = ProvinciasDeComunidad(m.comunidades, 1);
  ASSERT_EQ(uno.size(), 2u);
  EXPECT_EQ(uno[0].nombre, "Provincia A");
  EXPECT_EQ(uno[0].grupo, 1);
  EXPECT_EQ(uno[0].codigo, '7');
  EXPECT_EQ(uno[1].codigo, 'A');
  const auto dos = ProvinciasDeComunidad(m.comunidades, 2);
  ASSERT_EQ(dos.size(), 1u);
  EXPECT_EQ(dos[0].nombre, "Comunidad Dos");
  EXPECT_EQ(dos[0].codigo, 'J');
  // Entry 64 + 0 exists; a community out of 1..19 has none.
  EXPECT_TRUE(ProvinciasDeComunidad(m.comunidades, 0).empty());
  EXPECT_TRUE(ProvinciasDeComunidad(m.comunidades, 20).empty());
}

TEST(CentrosDelLugar, SoloLosQueEnsenanAlgoYSusPueblos) {
  const MundoFP m;
  const auto centros = CentrosDelLugar(m.centros, m.indice, Provincia('7'));
  EXPECT_EQ(centros, (std::vector<int>{1, 2, 3, 4}));  // 7 teaches nothing
  const auto pueblos = PueblosDeCentros(m.centros[0], centros, 1);
  ASSERT_EQ(pueblos.size(), 2u);
  EXPECT_EQ(pueblos[0].nombre, "Huesca");
  EXPECT_EQ(pueblos[0].primerCentro, 1);
  EXPECT_EQ(pueblos[1].nombre, "Jaca");
  EXPECT_EQ(pueblos[1].primerCentro, 3);
  // A wide province's town runs to column 36.
  EXPECT_EQ(PuebloDeCentro(m.centros[0].lineas[6], 1), "Zaragoza Delicias IES Seis");
  EXPECT_EQ(PuebloDeCentro(m.centros[0].lineas[3], 1), "Jaca");
}

TEST(RejaDelLugar, CabecerasCentrosYTitulosPorRama) {
  const MundoFP m;
  const auto textos = TextosRamas(m.requisitos);
  EXPECT_EQ(textos[0], "Cualquier modalidad");
  EXPECT_EQ(textos[2], "Bachillerato de Tecnologia");
  const auto centros = CentrosDelLugar(m.centros, m.indice, Provincia('7'));
  const RejaFP todas = RejaDelLugar(m.Fuentes(), m.indice, Provincia('7'), centros, 0, textos[0], 0);
  EXPECT_EQ(todas.filas[0].texto, "Centros y ciclos");
  EXPECT_EQ(todas.filas[1].texto, "Cualquier modalidad  ");
  EXPECT_EQ(todas.filas[2].texto, std::string(34, '_'));
  EXPECT_EQ(todas.filas[4].texto.substr(0, 8), "-Huesca ");
  EXPECT_EQ(todas.filas[4].telefono, "974000001");
  EXPECT_EQ(todas.filas[5].texto.size(), 60u);
  EXPECT_EQ(Resumen(todas), (std::vector<std::string>{"IES Uno", "2", "3", "", "IES Dos", "9", "",
                                                      "IES Tres", "2", "7", "", "IES Cuatro", "3",
                                                      ""}));
  EXPECT_EQ(todas.filaInicio, 0);
  // Branch 1 (code 8): 2 and 3 (any branch) stay; 9 (no codes) and 7 (31) go,
  // and a centre left without titles goes with them.
  const RejaFP salud = RejaDelLugar(m.Fuentes(), m.indice, Provincia('7'), centros, 1, textos[1], 0);
  EXPECT_EQ(Resumen(salud), (std::vector<std::string>{"IES Uno", "2", "3", "", "IES Tres", "2", "",
                                                      "IES Cuatro", "3", ""}));
  // Branch 3 takes 31 as well.
  const RejaFP hum = RejaDelLugar(m.Fuentes(), m.indice, Provincia('7'), centros, 3, textos[3], 0);
  EXPECT_EQ(Resumen(hum), (std::vector<std::string>{"IES Uno", "3", "", "IES Tres", "7", "",
                                                    "IES Cuatro", "3", ""}));
}

TEST(RejaDelLugar, ElPuebloEmpiezaEnSuPrimerCentroQuePasaElFiltro) {
  const MundoFP m;
  const auto centros = CentrosDelLugar(m.centros, m.indice, Provincia('7'));
  const RejaFP jaca = RejaDelLugar(m.Fuentes(), m.indice, Provincia('7'), centros, 0, "x", 3);
  EXPECT_EQ(jaca.filas[static_cast<std::size_t>(jaca.filaInicio)].texto.substr(0, 5), "-Jaca");
  EXPECT_EQ(jaca.filaInicio, 4 + 4 + 3);  // the other towns stay in the grid
  // Branch 2: IES Tres (titles 2 and 7) is filtered out, IES Cuatro is the row.
  const RejaFP tec = RejaDelLugar(m.Fuentes(), m.indice, Provincia('7'), centros, 2, "x", 3);
  EXPECT_NE(tec.filas[static_cast<std::size_t>(tec.filaInicio)].texto.find("IES Cuatro"),
            std::string::npos);
}

TEST(RejaDelLugar, SinTitulosDeLaRamaSoloLasCabeceras) {
  const MundoFP m;
  const auto centros = CentrosDelLugar(m.centros, m.indice, Provincia('A'));
  EXPECT_EQ(centros, (std::vector<int>{5}));
  EXPECT_EQ(RejaDelLugar(m.Fuentes(), m.indice, Provincia('A'), centros, 4, "x", 0).filas.size(),
            4u);
  EXPECT_EQ(RejaDelLugar(m.Fuentes(), m.indice, Provincia('A'), centros, 3, "x", 0).filas.size(),
            7u);
}

TEST(RejaDelLugar, ComarcasYZonasPorSuCodigo) {
  MundoFP m;
  m.centros[0].regiones[1] = "7B";
  m.centros[0].regiones[4] = "7B";
  m.centros[0].regiones[3] = "7C";
  LugarFP l;
  l.modo = ModoLugarFP::kComarca;
  l.region = "7B";
  // Comarcas live in "LU4": the centres of "LU1" are not looked at.
  EXPECT_TRUE(CentrosDelLugar(m.centros, m.indice, l).empty());
  l.modo = ModoLugarFP::kZona;
  EXPECT_TRUE(CentrosDelLugar(m.centros, m.indice, l).empty());
  m.centros[3] = m.centros[0];
  m.datos.centrosFP.Fijar(4, 2, 0, 2);
  m.datos.centrosFP.Fijar(4, 2, 1, 1);
  m.datos.centrosFP.Fijar(4, 2, 2, 4);
  m.indice.Construir(m.titulos, m.centros, m.datos);
  l.modo = ModoLugarFP::kComarca;
  EXPECT_EQ(CentrosDelLugar(m.centros, m.indice, l), (std::vector<int>{1, 4}));
  l.region = "";
  EXPECT_TRUE(CentrosDelLugar(m.centros, m.indice, l).empty());  // a blank code matches nothing
}

TEST(ImpresionReja, FilasEnterasConUnBlancoAntesDelTelefono) {
  struct Caso {
    const char* nombre;
    FilaReja fila;
    std::vector<std::string> lineas;
  };
  const Caso casos[] = {
      {"corto", {"-IES Uno", "912345678", 0}, {"-IES Uno" + std::string(36, ' ') + "912345678"}},
      {"nombre que llena su campo",
       {"-La Almunia de Do\xF1"
        "a Godina IES Miguel Servet ",
        "976000129", 0},
       {"-La Almunia de Do\xF1"
        "a Godina IES Miguel Servet 976000129"}},
      {"titulo largo sin telefono",
       {"Conducci\xF3n de Act. F\xEDsico-Deportivas en el Medio Natural", "", 3},
       {"Conducci\xF3n de Act. F\xEDsico-Deportivas en el Medio Natural"}},
      {"mas largo que la linea",
       {"-Centro Integrado de Formaci\xF3n Profesional de la Comarca del Bajo Arag\xF3n",
        "978000001", 0},
       {"-Centro Integrado de Formaci\xF3n Profesional de la",
        "  Comarca del Bajo Arag\xF3n" + std::string(19, ' ') + "978000001"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    const auto l = ImpresionReja({c.fila});
    EXPECT_EQ(l, c.lineas);
    EXPECT_EQ(prueba::Palabras(l), prueba::Palabras(c.fila.texto + " " + c.fila.telefono));
  }
}

TEST(CentrosDelTitulo, PorProvinciasSinCabeceraCuandoNoHayNiUnaSolaProvincia) {
  const MundoFP m;
  // Title 7: IES Tres in Provincia A, IES Cinco in Provincia B.
  const auto filas = CentrosDelTitulo(m.Fuentes(), 7, 1);
  ASSERT_EQ(filas.size(), 6u);
  EXPECT_EQ(filas[0].texto, "- Provincia A       ");
  EXPECT_EQ(filas[1].texto.substr(0, 25), "Jaca             IES Tres");
  EXPECT_EQ(filas[1].texto.size(), 44u);
  EXPECT_EQ(filas[1].telefono, "974000003");
  EXPECT_EQ(filas[2].texto, "");
  EXPECT_EQ(filas[3].texto, "- Provincia B       ");
  // Title 2: nothing in Provincia B, whose header goes.
  EXPECT_EQ(CentrosDelTitulo(m.Fuentes(), 2, 1).size(), 4u);
  // One province: no header; wide province 'J' of "LU1".
  const auto dos = CentrosDelTitulo(m.Fuentes(), 5, 2);
  ASSERT_EQ(dos.size(), 2u);
  EXPECT_EQ(dos[0].texto.substr(0, 17), "Zaragoza Delicias");
  EXPECT_TRUE(CentrosDelTitulo(m.Fuentes(), 9, 2).empty());
  EXPECT_TRUE(CentrosDelTituloImpresion({}, "X").empty());
}

}  // namespace
}  // namespace sendaro
