#include "data/temas.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "hall/puertas.h"

namespace sendaro {
namespace {

TEST(Temas, LetraExactaYRecursos) {
  for (char c : std::string("ifcnapXZ ")) EXPECT_EQ(BuscarTema(c), nullptr) << c;
  struct Caso {
    char letra;
    std::string_view lateral, pared, suelo, derecho, izquierdo, rotulo, decoraciones, sonidos;
  };
  const std::vector<Caso> casos = {
      {'I', "faraoni.bmp", "partei", "sueloi", "marcoDERa", "marcoIZQa", "rotuloa.bmp", "", ""},
      {'F', "arbol.bmp", "partef", "suelof", "marcoDE", "marcoIZ", "rotuloa.bmp", "antorchaf.dxg",
       "flor.dxw"},
      {'C', "caballe.bmp", "partec", "sueloc", "marcoDERa", "marcoIZQa", "rotuloa.bmp",
       "antorcha.dxg", "nieve.dxw"},
      {'N', "nieve.bmp", "parten", "suelon", "marcoDERn", "marcoIZQn", "rotulon.bmp",
       "antorcha.dxg", "nieve.dxw"},
      {'A', "", "partea", "sueloa", "marcoDERa", "marcoIZQa", "rotuloa.bmp", "antorcha.dxg",
       "inicio.dxw"},
      {'P', "", "partep", "sueloP", "marcoDE", "marcoIZ", "rotuloa.bmp", "antorcha.dxg",
       "inicio.dxw"},
  };
  for (const auto& c : casos) {
    const Tema* t = BuscarTema(c.letra);
    ASSERT_NE(t, nullptr) << c.letra;
    EXPECT_EQ(t->Lateral, c.lateral) << c.letra;
    EXPECT_EQ(t->Pared, c.pared) << c.letra;
    EXPECT_EQ(t->Suelo, c.suelo) << c.letra;
    EXPECT_EQ(t->MarcoDerecho, c.derecho) << c.letra;
    EXPECT_EQ(t->MarcoIzquierdo, c.izquierdo) << c.letra;
    EXPECT_EQ(t->Rotulo, c.rotulo) << c.letra;
    EXPECT_EQ(t->Decoraciones, c.decoraciones) << c.letra;
    EXPECT_EQ(t->Sonidos, c.sonidos) << c.letra;
  }
}

TEST(Temas, Paleta) {
  // Hovered door: yellow in theme N, maroon in F.
  EXPECT_EQ(BuscarTema('N')->ColorPuerta, (Color{255, 255, 0}));
  EXPECT_EQ(BuscarTema('F')->ColorPuerta, (Color{128, 0, 0}));
  EXPECT_EQ(BuscarTema('I')->ColorAno, (Color{255, 255, 128}));
  EXPECT_EQ(BuscarTema('C')->ColorNombre, (Color{222, 115, 18}));
  EXPECT_EQ(BuscarTema('C')->ColorTitulo, (Color{188, 119, 99}));
  EXPECT_EQ(BuscarTema('I')->ColorTextoTitulo, (Color{0, 0, 128}));
  EXPECT_EQ(ColorListas, (Color{253, 236, 192}));
  EXPECT_EQ(ColorMenu, (Color{241, 217, 192}));
}

// A catalogue whose text n is "<n>" followed by x up to the full length of
// its slot (the longest text a catalogue can hold there).
std::string_view TextoFalso(int n) {
  static const std::map<int, std::size_t> huecos = {
      {6, 10},   {8, 10},   {9, 10},   {10, 10},  {11, 11},  {12, 10}, {229, 30},
      {514, 10}, {580, 35}, {587, 15}, {588, 15}, {622, 20}, {623, 20}};
  static std::map<int, std::string> textos;
  auto& t = textos[n];
  if (t.empty()) {
    t = std::to_string(n);
    const auto hueco = huecos.find(n);
    t.resize(hueco == huecos.end() ? 30 : hueco->second, 'x');
  }
  return t;
}

TEST(Puertas, PosicionesCodigosYCortes) {
  const auto puertas = PuertasVestibulo(TextoFalso);
  ASSERT_EQ(puertas.size(), 11u);
  std::map<std::string_view, const PuertaVestibulo*> por_nombre;
  std::set<int> codigos;
  for (const auto& p : puertas) {
    por_nombre[p.nombre] = &p;
    codigos.insert(p.codigo);
  }
  EXPECT_EQ(codigos, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11}));

  const auto& fpip = *por_nombre.at("LabelFPip");
  EXPECT_EQ(fpip.x, 915);
  EXPECT_EQ(fpip.y, 82);
  // Full slots fit their joins exactly; the last cut of LabelFPip is the
  // closing line break.
  EXPECT_EQ(fpip.texto, std::string(TextoFalso(514)) + "\n" + std::string(TextoFalso(229)) + "\n");
  EXPECT_EQ(por_nombre.at("LabelProfe")->texto,
            std::string(TextoFalso(622)) + " " + std::string(TextoFalso(623)));
  EXPECT_EQ(por_nombre.at("LabelCuesB")->texto, "8xxxxxxxxx\n9xxxxxxxxx\n10xxxxxxxx\n11xxxxxxxxx");
  // 8, 9, 10 and 12 take 43 characters with their line breaks.
  EXPECT_EQ(por_nombre.at("LabelCuesE")->texto, "8xxxxxxxxx\n9xxxxxxxxx\n10xxxxxxxx\n12xxxxxxxx");
  EXPECT_EQ(por_nombre.at("LabelDejar")->texto, "587xxxxxxxxxxxx\n588xxxxxxxxxxxx");
  EXPECT_EQ(por_nombre.at("LabelCarreras")->pista.size(), 92u);
  EXPECT_EQ(por_nombre.at("LabelAsistente")->pista, "");
  EXPECT_EQ(por_nombre.at("LabelCuesE")->x, 568);
  EXPECT_EQ(por_nombre.at("LabelCuesE")->y, 480);
}

}  // namespace
}  // namespace sendaro
