// Places of middle-grade titles: provinces of a community, the centres of a
// title by province, the centres of a place with their titles, the towns of
// a province, and the comarca and zone codes of the centre lists.
#include "sections/middle_grade/lugares_gm.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/texto.h"

namespace sendaro {
namespace {

// A centre line: column 1 the province, town (17) and centre (27), the
// letter in column 45, the phone in 46-54.
std::string Centro(char provincia, const std::string& pueblo, const std::string& nombre,
                   char letra = ' ', const std::string& telefono = "900000000") {
  std::string l(1, provincia);
  std::string p = pueblo;
  p.resize(17, ' ');
  std::string n = nombre;
  n.resize(26, ' ');
  return l + p + n + letra + telefono;
}

void Llenar(TablaCentros& t, const std::vector<std::string>& lineas) {
  std::string bytes;
  for (const std::string& l : lineas) bytes += l + "\r\n";
  AnalizarCentros(bytes, "LU", t);
}

struct Datos {
  Datos() {
    for (int t = 1; t <= 6; ++t) titulos.Fijar(t, "Titulo " + std::to_string(t));
    titulos.FijarCuenta(6);
    // Group 3: Andalucia's Almeria ('7') and Cadiz ('8'): entries 1 "37" and 2 "38".
    Llenar(listas[2], {Centro('7', "Almeria", "IES Uno"), Centro('8', "Cadiz", "IES Dos"),
                       Centro('7', "Almeria", "IES Tres"), Centro('7', "Nijar", "IES Cuatro"),
                       Centro('7', "Almeria", "IES Cinco"), Centro('7', "Roquetas", "IES Seis")});
    // Group 4: Valencian centres, then Catalonia with comarca letters.
    Llenar(listas[3],
           {Centro('2', "Alacant", "IES Val", 'X'), Centro('5', "Igualada", "Inst A", 'B'),
            Centro('A', "Barcelona", "Inst Ciutat", 'a'), Centro('6', "Girona", "Inst G", 'A')});
    // Group 2: Madrid province and city, then other provinces from "D".
    Llenar(listas[1], {Centro('8', "Alcobendas", "IES M", 'C'), Centro('H', "Centro", "IES H", 'A'),
                       Centro('D', "Avila", "IES D", 'Z')});
    // As the degrees screen prepares them when it loads them.
    PrepararRegionesCentros(listas[3], 'A', '5', '\0');
    PrepararRegionesCentros(listas[1], 'H', '8', 'D');
    centros = std::make_unique<CentrosGM>(listas);
  }
  void Lugares(int grupo, int titulo, std::vector<int> centrosTitulo) {
    lugares.Fijar(grupo, titulo, 0, static_cast<std::uint16_t>(centrosTitulo.size()));
    for (std::size_t k = 0; k < centrosTitulo.size(); ++k)
      lugares.Fijar(grupo, titulo, static_cast<int>(k + 1),
                    static_cast<std::uint16_t>(centrosTitulo[k]));
  }
  FuentesLugares Fuentes() const { return {titulos, *centros, lugares}; }

  TablaLinea titulos;
  std::array<TablaCentros, 4> listas;
  std::unique_ptr<CentrosGM> centros;
  TablaLugaresGM lugares;
};

TablaLinea Comunidades() {
  TablaLinea t(TablaLinea::kLimiteNormal);
  for (int c = 1; c <= 19; ++c) t.Fijar(c, " 1Comunidad " + std::to_string(c));
  t.Fijar(1, " 1Andalucia");
  t.Fijar(18, "63Ceuta");
  t.Fijar(20, " 1Almeria");
  t.Fijar(21, " 2Otra de dos");
  t.Fijar(22, " 1Cadiz");
  t.FijarCuenta(22);
  return t;
}

TEST(LugaresGM, ProvinciasDeUnaComunidad) {
  const TablaLinea t = Comunidades();
  const ComunidadGM a = ProvinciasComunidadGM(t, 1);
  EXPECT_EQ(a.base, 1);
  ASSERT_EQ(a.provincias.size(), 2u);
  EXPECT_EQ(a.provincias[1].nombre.substr(0, 5), "Cadiz");
  // Without province lines the community is its own province.
  const ComunidadGM ceuta = ProvinciasComunidadGM(t, 18);
  EXPECT_EQ(ceuta.base, 63);
  ASSERT_EQ(ceuta.provincias.size(), 1u);
  EXPECT_EQ(RecortarDerecha(ceuta.provincias[0].mostrar), "Ceuta");
  EXPECT_TRUE(ProvinciasComunidadGM(t, 20).provincias.empty());
}

TEST(LugaresGM, CentrosDelTituloPorProvincias) {
  Datos d;
  const TablaLinea t = Comunidades();
  const ComunidadGM andalucia = ProvinciasComunidadGM(t, 1);
  // Title 2 at IES Cinco and IES Uno (Almeria), in the stored order.
  d.Lugares(3, 2, {5, 1});
  std::vector<FilaCentro> filas = CentrosDelTituloGM(d.Fuentes(), andalucia, 2);
  ASSERT_EQ(filas.size(), 4u);
  EXPECT_EQ(filas[0].texto, "- Almeria       ");
  EXPECT_EQ(filas[1].texto.substr(0, 25), "Almeria          IES Cinc");
  EXPECT_EQ(filas[1].telefono, "900000000");
  EXPECT_EQ(filas[2].texto.substr(17, 7), "IES Uno");
  EXPECT_EQ(filas[3].texto, std::string(60, ' '));  // Cadiz had none: no header

  // Taught nowhere in the community: every header goes.
  EXPECT_TRUE(CentrosDelTituloGM(d.Fuentes(), andalucia, 3).empty());
  // A centre number past the list is skipped.
  d.Lugares(3, 4, {99, 2});
  filas = CentrosDelTituloGM(d.Fuentes(), andalucia, 4);
  ASSERT_EQ(filas.size(), 3u);
  EXPECT_EQ(filas[1].texto.substr(17, 7), "IES Dos");
}

TEST(LugaresGM, CentrosDeUnaProvinciaConSusTitulosYLocalidades) {
  Datos d;
  d.Lugares(3, 1, {3, 1});
  d.Lugares(3, 2, {1, 1});  // listed twice: the title shows twice
  d.Lugares(3, 5, {5, 6});
  BusquedaLugar b;
  b.grupo = 3;
  b.provincia = '7';
  // IES Cuatro teaches nothing: it is not a candidate.
  const std::vector<int> candidatos = CentrosCandidatosGM(d.Fuentes(), b);
  EXPECT_EQ(candidatos, (std::vector<int>{1, 3, 5, 6}));

  // Neighbouring centres of one town merge; the same town further on opens
  // a second entry.
  const LocalidadesGM loc = LocalidadesDe(d.Fuentes(), 3, candidatos, false);
  EXPECT_EQ(loc.nombres, (std::vector<std::string>{"Almeria", "Roquetas"}));
  EXPECT_EQ(loc.primeros, (std::vector<int>{0, 3}));
  std::vector<int> partidos{1, 6, 5};
  EXPECT_EQ(LocalidadesDe(d.Fuentes(), 3, partidos, false).nombres,
            (std::vector<std::string>{"Almeria", "Roquetas", "Almeria"}));

  const ListadoLugar l = CentrosDelLugarGM(d.Fuentes(), 3, candidatos, 3);
  std::vector<std::string> textos;
  std::vector<int> filaTitulo;
  for (const FilaCentro& f : l.filas) {
    textos.push_back(f.texto.substr(0, 30));
    filaTitulo.push_back(f.titulo);
  }
  const std::string blanco(30, ' ');
  EXPECT_EQ(textos, (std::vector<std::string>{
                        "-Almeria          IES Uno     ", "Titulo 1", "Titulo 2", "Titulo 2",
                        blanco, "-Almeria          IES Tres    ", "Titulo 1", blanco,
                        "-Almeria          IES Cinco   ", "Titulo 5", blanco,
                        "-Roquetas         IES Seis    ", "Titulo 5", blanco}));
  EXPECT_EQ(filaTitulo, (std::vector<int>{0, 1, 2, 2, 0, 0, 1, 0, 0, 5, 0, 0, 5, 0}));
  EXPECT_EQ(l.primeraFila, 11);  // Roquetas' first centre
  EXPECT_EQ(l.filas[0].telefono, "900000000");
  EXPECT_EQ(
      LineasConTelefono(l.filas[0]),
      (std::vector<std::string>{"-Almeria          IES Uno" + std::string(19, ' ') + "900000000"}));
  EXPECT_EQ(LineasConTelefono(l.filas[1]), (std::vector<std::string>{"Titulo 1"}));
}

TEST(LugaresGM, CodigosDeComarcaYZonaYCapitales) {
  Datos d;
  const CentrosGM& c = *d.centros;
  // Barcelona city counts as Barcelona; the letter leaves the name.
  EXPECT_EQ(c.Linea(4, 3)[0], '5');
  EXPECT_EQ(c.Codigo(4, 3), "5a");
  EXPECT_EQ(c.Linea(4, 3)[44], ' ');
  EXPECT_EQ(c.Codigo(4, 4), "6A");
  EXPECT_EQ(c.Codigo(4, 1), "");  // before Catalonia
  EXPECT_EQ(c.Linea(4, 1)[44], 'X');
  EXPECT_EQ(c.Codigo(2, 1), "8C");
  EXPECT_EQ(c.Codigo(2, 2), "8A");  // Madrid city joins Madrid
  EXPECT_EQ(c.Codigo(2, 3), "");    // from "D" on, no zone
  EXPECT_EQ(c.Linea(2, 3)[44], 'Z');

  // A comarca search takes its centres whatever they teach.
  BusquedaLugar b;
  b.vista = BusquedaLugar::Vista::kComarca;
  b.grupo = 4;
  b.codigo = "5B";
  EXPECT_EQ(CentrosCandidatosGM(d.Fuentes(), b), (std::vector<int>{2}));
  b.codigo.clear();
  EXPECT_TRUE(CentrosCandidatosGM(d.Fuentes(), b).empty());

  EXPECT_TRUE(ProvinciaAnchaGM("45"));
  EXPECT_FALSE(ProvinciaAnchaGM("46"));
  EXPECT_EQ(GrupoDeEntrada(EntradaProvincia(34)), 4);
  EXPECT_EQ(EntradaProvincia(65), "");
}

}  // namespace
}  // namespace sendaro
