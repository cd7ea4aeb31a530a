// The vocational titles browser: the family list, the pop-up, the card's
// views, the whole printout and the bridge from degrees to titles.
#include "sections/degrees/titulos_fp.h"

#include <gtest/gtest.h>

#include "sections/degrees/fp_prueba.h"
#include "sections/degrees/pasarela_fp.h"

namespace sendaro {
namespace {

using prueba::MundoFP;

std::string Mayus(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return r;
}

TEST(ListaFamilias, OrdenAlfabeticoSinMarcaYConInicialAcentuada) {
  const MundoFP m;
  const ListaFamiliasFP l = ListaFamilias(m.familias);
  // Alphabetical: "Á" sorts as "A", the second group ("|") last. The "|"
  // goes, the "Á" stays.
  EXPECT_EQ(l.filas, (std::vector<std::string>{"< \xC1" "dministracion", "< Comercio", "< Sanidad",
                                               "< Informatica LOE"}));
  EXPECT_EQ(l.familias, (std::vector<int>{3, 4, 1, 2}));
}

TEST(TitulosDeFamilia, HastaLaSiguienteFamiliaOElFinal) {
  const MundoFP m;
  EXPECT_EQ(TitulosDeFamilia(m.Fuentes(), 1), (std::vector<int>{2, 3}));
  EXPECT_EQ(TitulosDeFamilia(m.Fuentes(), 2), (std::vector<int>{5}));
  EXPECT_EQ(TitulosDeFamilia(m.Fuentes(), 4), (std::vector<int>{9}));  // the last family
  EXPECT_TRUE(TitulosDeFamilia(m.Fuentes(), 0).empty());
  EXPECT_TRUE(TitulosDeFamilia(m.Fuentes(), 5).empty());
}

TEST(DescripcionEmergente, CincoLineasBajoElRotuloONadaConBloqueVacio) {
  const MundoFP m;
  const auto filas = DescripcionEmergente(m.Fuentes(), 2);
  ASSERT_EQ(filas.size(), 6u);
  EXPECT_EQ(filas[0], "      T271");
  EXPECT_EQ(filas[5], "Linea 5 de higiene");
  EXPECT_TRUE(DescripcionEmergente(m.Fuentes(), 3).empty());
}

TEST(ColocarEmergente, ArribaBajaDesdeLaFilaAbajoSubeHastaElla) {
  MedidasEmergente m;
  m.izquierdaLista = 470;
  m.arribaLista = 124;
  m.altoLista = 430;
  m.altoFila = 25;
  m.titulos = 4;
  m.altoDescripcion = 120;
  m.arribaFila = 150;  // upper half
  ColocacionEmergente c = ColocarEmergente(m);
  EXPECT_EQ(c.izquierda, 145);
  EXPECT_EQ(c.arribaTitulos, 150);
  EXPECT_EQ(c.altoTitulos, 4 * 25 + 4);
  EXPECT_EQ(c.arribaDescripcion, 150 + 104 + 1);
  EXPECT_EQ(c.arribaEtiqueta, 120);
  m.arribaFila = 450;  // lower half: the list ends at the clicked row
  c = ColocarEmergente(m);
  EXPECT_EQ(c.arribaTitulos, 450 - 25 * 3 - 5);
  // A long family near the bottom stays inside the page.
  m.titulos = 40;
  c = ColocarEmergente(m);
  EXPECT_GE(c.arribaEtiqueta, 0);
  EXPECT_LE(c.arribaDescripcion + m.altoDescripcion, 768);
  EXPECT_LT(c.altoTitulos, 40 * 25);
}

TEST(VistaTitulo, RequisitosYCarrerasSaltanCodigosFueraDeTabla) {
  const MundoFP m;
  const VistaFP r = VistaTitulo(m.Fuentes(), VistaTituloFP::kRequisitos, 2);
  EXPECT_EQ(r.titulo, "T277");
  EXPECT_EQ(r.filas, (std::vector<std::string>{" - Bachillerato de Salud", "Centros y ciclos"}));
  const VistaFP c = VistaTitulo(m.Fuentes(), VistaTituloFP::kCarreras, 7);
  EXPECT_EQ(c.titulo, "T324");
  EXPECT_EQ(c.filas, (std::vector<std::string>{"Administracion"}));  // 40 left out
}

TEST(VistaTitulo, DescripcionConHuecosYAlMenosCatorceFilas) {
  const MundoFP m;
  const VistaFP d = VistaTitulo(m.Fuentes(), VistaTituloFP::kDescripcion, 2);
  EXPECT_EQ(d.titulo, "T312");
  // Rotulo, lines 1-5, a gap (line 5 is not blank), line 6, a gap, lines 7-9.
  const std::vector<std::string> esperadas = {
      "   T271",          "Linea 1 de higiene", "Linea 2 de higiene", "Linea 3 de higiene",
      "Linea 4 de higiene", "Linea 5 de higiene", "", "Linea 6 de higiene", "",
      "Linea 7 de higiene", "Linea 8 de higiene", "Linea 9 de higiene", "", ""};
  EXPECT_EQ(d.filas, esperadas);
  EXPECT_EQ(VistaTitulo(m.Fuentes(), VistaTituloFP::kDescripcion, 3).filas.size(), 14u);
}

TEST(ImpresionTitulo, SeccionesYComunidadesEnNegrita) {
  const MundoFP m;
  const InformeLineas inf = ImpresionTitulo(m.Fuentes(), 3, {2, 1}, Mayus);
  EXPECT_EQ(inf.titulo, "Dietetica (T47)");
  const auto& l = inf.lineas;
  auto linea = [&](int n) { return l[static_cast<std::size_t>(n - 1)]; };
  ASSERT_GE(inf.negritas.size(), 5u);
  EXPECT_EQ(linea(inf.negritas[0]), "- T277");
  EXPECT_EQ(linea(inf.negritas[1]), "- T312");
  EXPECT_EQ(linea(inf.negritas[2]), "- T324");
  EXPECT_EQ(linea(inf.negritas[3]), "-T317");
  EXPECT_EQ(linea(inf.negritas[3] - 2), std::string(6, ' ') + std::string(24, '_'));
  // Community 2 has no centre of title 3: only community 1 is listed.
  ASSERT_EQ(inf.negritas.size(), 5u);
  EXPECT_EQ(linea(inf.negritas[4]), "***  COMUNIDAD UNO                 ***");
  const std::vector<std::string> centros(l.begin() + inf.negritas[4], l.end());
  const std::string uno = std::string("Huesca").append(11, ' ') + "IES Uno" + std::string(20, ' ');
  const std::string cuatro = std::string("Jaca").append(13, ' ') + "IES Cuatro" + std::string(17, ' ');
  EXPECT_EQ(centros, (std::vector<std::string>{"", "- Provincia A", uno + "974000001",
                                               cuatro + "974000004", ""}));
}

TEST(HayQueElegirComunidades, SoloLargoConTodasYParaImprimir) {
  EXPECT_TRUE(HayQueElegirComunidades(151, 19, false));
  EXPECT_FALSE(HayQueElegirComunidades(150, 19, false));
  EXPECT_FALSE(HayQueElegirComunidades(151, 2, false));
  EXPECT_FALSE(HayQueElegirComunidades(151, 19, true));
}

TEST(EleccionComunidades, CadaUnaUnaVezYQuitarCierraElHueco) {
  EleccionComunidades e;
  e.Abrir();
  EXPECT_TRUE(e.Anadir(9));
  EXPECT_TRUE(e.Anadir(13));
  EXPECT_FALSE(e.Anadir(9));
  EXPECT_FALSE(e.Anadir(20));
  EXPECT_TRUE(e.Anadir(1));
  EXPECT_TRUE(e.Quitar(1));
  EXPECT_EQ(e.Elegidas(), (std::vector<int>{9, 1}));
  EXPECT_FALSE(e.Quitar(-1));
  EXPECT_FALSE(e.Quitar(2));
  e.Abrir();
  EXPECT_TRUE(e.Elegidas().empty());
}

TEST(Pasarela, CarrerasOrdenadasEstablesYSusTitulos) {
  const MundoFP m;
  const PasarelaFP p = ConstruirPasarela(m.titulos, m.carreras, m.datos);
  // "Zoologia" (6) is reached by no title; the two "Informatica" keep their order.
  EXPECT_EQ(p.carreras, (std::vector<std::string>{"Administracion", "Informatica", "Informatica",
                                                  "Nutricion", "Odontologia"}));
  EXPECT_EQ(p.indice, (std::vector<int>{4, 3, 5, 2, 1}));
  EXPECT_EQ(TitulosDeCarrera(p, m.titulos, 3),
            (std::vector<std::string>{"Higiene Bucodental", "Dietetica"}));
  EXPECT_EQ(TitulosDeCarrera(p, m.titulos, 1), (std::vector<std::string>{"Desarrollo Web"}));
  EXPECT_TRUE(TitulosDeCarrera(p, m.titulos, -1).empty());
  EXPECT_TRUE(TitulosDeCarrera(p, m.titulos, 5).empty());
}

}  // namespace
}  // namespace sendaro
