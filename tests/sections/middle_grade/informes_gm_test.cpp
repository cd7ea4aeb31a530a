// The middle-grade printouts: a title's report with its sections and its
// centres by community, the long-report check, and the places report.
#include "sections/middle_grade/informes_gm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>

#include "data/disposiciones.h"
#include "data/impresion/lineas_prueba.h"
#include "data/texto.h"

namespace sendaro {
namespace {

std::string Mayus(std::string_view s) {
  std::string r(s);
  std::transform(r.begin(), r.end(), r.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return r;
}

struct Datos {
  Datos() {
    titulos.Fijar(1, "-Familia");
    titulos.Fijar(2, "Ciclo uno");
    titulos.FijarCuenta(2);
    for (int l = 1; l <= 25; ++l)
      bloques.Fijar(2, l,
                    l <= 5 ? "Puesto " + std::to_string(l)
                           : (l <= 8 ? "Modulo " + std::to_string(l) : std::string("  ")));
    bloques.FijarCuenta(2);
    informa.Fijar(1, "17Con el titulo de ESO.");
    informa.FijarCuenta(1);
    for (int c = 1; c <= 19; ++c) comunidades.Fijar(c, "99Comunidad " + std::to_string(c));
    comunidades.Fijar(1, " 1Andalucia");
    comunidades.Fijar(18, "63Ceuta");
    comunidades.FijarCuenta(19);
    std::string lu =
        "7Almeria          IES Uno                    950000001\r\n"
        "1Ceuta            IES Ceuta                  956000005\r\n";
    AnalizarCentros(lu, "LU3", listas[2]);
    centros = std::make_unique<CentrosGM>(listas);
    lugares.Fijar(3, 2, 0, 2);
    lugares.Fijar(3, 2, 1, 1);
    lugares.Fijar(3, 2, 2, 2);
    std::vector<std::string> textos(672);
    for (int n = 1; n <= 672; ++n)
      textos[static_cast<std::size_t>(n - 1)] = "T" + std::to_string(n);
    textos[316] = "Centros por comunidades";
    catalogo.Rellenar(textos);
  }
  FuentesInformeGM Fuentes() const {
    return {titulos, bloques, informa, comunidades, {titulos, *centros, lugares}, catalogo, Mayus};
  }
  TablaLinea titulos;
  TablaBloques bloques{bloques::kAsignagm};
  TablaLinea informa;
  TablaLinea comunidades;
  std::array<TablaCentros, 4> listas;
  std::unique_ptr<CentrosGM> centros;
  TablaLugaresGM lugares;
  CatalogoTextos catalogo;
};

TEST(InformesGM, InformeDelTituloConSeccionesYComunidades) {
  Datos d;
  std::vector<int> todas;
  for (int c = 1; c <= 19; ++c) todas.push_back(c);
  const InformeGM i = InformeTituloGM(d.Fuentes(), 2, todas);
  EXPECT_EQ(i.titulo, "Ciclo uno (T113)");
  const std::vector<std::string> esperadas = {
      "** T29 **", "Con el titulo de ESO.", "", "** T199 **", "Puesto 1", "Puesto 2", "Puesto 3",
      "Puesto 4", "Puesto 5", "", "** T312 **", "Modulo 6", "Modulo 7", "Modulo 8",
      // 17 blank subject lines: at most 11 go.
      "", "", "", "", "", "", std::string(34, '_'), "", "-CENTROS POR COMUNIDADES", "",
      "***  ANDALUCIA  ***", "", "Almeria          IES Uno                    950000001", "",
      "***  CEUTA  ***", "", "Ceuta            IES Ceuta                  956000005", ""};
  ASSERT_EQ(i.lineas.size(), esperadas.size());
  for (std::size_t k = 0; k < esperadas.size(); ++k)
    EXPECT_EQ(RecortarDerecha(i.lineas[k]), esperadas[k]) << k;
  EXPECT_EQ(i.negritas, (std::vector<int>{1, 4, 11, 25, 29}));
  EXPECT_FALSE(InformeLargo(i, true));

  // Taught nowhere chosen: it ends with the centres' heading.
  const InformeGM nada = InformeTituloGM(d.Fuentes(), 2, {2, 3});
  EXPECT_EQ(nada.lineas[nada.lineas.size() - 2], "-CENTROS POR COMUNIDADES");
  EXPECT_EQ(nada.negritas.size(), 3u);

  InformeGM larga;
  larga.lineas.assign(151, "x");
  EXPECT_TRUE(InformeLargo(larga, true));
  EXPECT_FALSE(InformeLargo(larga, false));
}

TEST(InformesGM, InformeDeUnLugar) {
  Datos d;
  const InformeGM i =
      InformeLugarGM(d.catalogo, "Almeria   ",
                     {{"-Almeria          IES Uno", "950000001", 0}, {"Ciclo uno", "", 2}});
  EXPECT_EQ(i.titulo, "T289: Almeria - T113");
  ASSERT_EQ(i.lineas.size(), 2u);
  EXPECT_EQ(i.lineas[0], "-Almeria          IES Uno" + std::string(44 - 25, ' ') + "950000001");
  EXPECT_TRUE(i.negritas.empty());
}

// Rows that fill their field or pass the line keep every word and a blank
// before the phone.
TEST(InformesGM, InformeDeUnLugarNoPierdePalabras) {
  Datos d;
  const std::vector<FilaCentro> filas = {
      {"-La Almunia de Do\xF1"
       "a Godina IES Miguel Servet ",
       "976000129", 0},
      {"Conducci\xF3n de Act. F\xEDsico-Deportivas en el Medio Natural", "", 3},
      {"-Centro Integrado de Formaci\xF3n Profesional de la Comarca del Bajo Arag\xF3n",
       "978000001", 0},
      {"-IES Uno", "950000001", 0},
  };
  const InformeGM i = InformeLugarGM(d.catalogo, "Zaragoza", filas);
  std::vector<std::string> entrada;
  for (const FilaCentro& f : filas) entrada.push_back(f.texto + " " + f.telefono);
  EXPECT_EQ(prueba::Palabras(i.lineas), prueba::Palabras(entrada));
  EXPECT_LE(prueba::LargoMayor(i.lineas), 60u);
  EXPECT_EQ(i.lineas[0],
            "-La Almunia de Do\xF1"
            "a Godina IES Miguel Servet 976000129");
  EXPECT_EQ(i.lineas[1], "Conducci\xF3n de Act. F\xEDsico-Deportivas en el Medio Natural");
  EXPECT_EQ(i.lineas.size(), 5u);  // the long centre on two lines
}

}  // namespace
}  // namespace sendaro
