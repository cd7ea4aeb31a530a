// The arts fields: titles, specialities and places of each, read from files
// laid out as the installation writes them, and the printout.
#include "sections/degrees/artes.h"

#include <gtest/gtest.h>

#include "data/lectores.h"

namespace sendaro {
namespace {

TablaLinea Leer(const std::vector<std::string>& lineas) {
  std::string bytes;
  for (const std::string& l : lineas) bytes += l + "\r\n";
  TablaLinea t;
  AnalizarTabla(bytes, "arte", t, 90);
  return t;
}

TablaLinea Comunidades() {
  TablaLinea c;
  for (int k = 1; k <= 19; ++k)
    c.Fijar(k, (k < 10 ? "0" : "") + std::to_string(k) + "Comunidad " + std::to_string(k));
  c.Fijar(1, "01Andalucia");
  c.Fijar(9, "09Cataluna");
  c.FijarCuenta(19);
  return c;
}

std::vector<std::string> Plastica() {
  std::vector<std::string> l = {"Titulo medio", "  y superior", "f1"};
  for (int k = 0; k < 17; ++k) l.push_back("  Especialidad " + std::to_string(k));
  l.push_back("");
  // Columns: 1-2 community, 3-24 name, 25-33 phone, 41-50 codes.
  l.push_back(" 1Esc. de Arte Almeria  950000411       0312");
  l.push_back(" 1Esc. de Arte Cadiz    956000412       1203");
  l.push_back(" 9Escola d'Art Girona   972000493       12xx03");
  l.push_back("99Fuera de tabla        900000000       03");
  l.push_back(" 1Esc. de Arte Jaen     953000414       0399");
  return l;
}

TEST(Artes, TitulosYEspecialidadesDePlastica) {
  const TablaLinea t = Leer(Plastica());
  const TablaLinea c = Comunidades();
  const FuentesArte f{Arte::kPlastica, t, c};
  EXPECT_EQ(TitulosArte(f), (std::vector<std::string>{"Titulo medio", "  y superior"}));
  const auto e = EspecialidadesArte(f);
  ASSERT_EQ(e.size(), 17u);
  EXPECT_EQ(e[3], "Especialidad 3");
  EXPECT_EQ(e[16], "Especialidad 16");
}

TEST(Artes, PlasticaPorEspecialidadConUnaCabeceraPorComunidad) {
  const TablaLinea t = Leer(Plastica());
  const TablaLinea c = Comunidades();
  const FuentesArte f{Arte::kPlastica, t, c};
  // Code 03: two places of Andalucia share a header; Girona's codes stop at
  // "xx"; community 99 does not exist.
  EXPECT_EQ(LugaresPorEspecialidad(f, 3),
            (std::vector<std::string>{"- Andalucia", "   Esc. de Arte Almeria  -  Tel. 950000411",
                                      "   Esc. de Arte Cadiz  -  Tel. 956000412",
                                      "   Esc. de Arte Jaen  -  Tel. 953000414"}));
  EXPECT_EQ(LugaresPorEspecialidad(f, 12),
            (std::vector<std::string>{"- Andalucia", "   Esc. de Arte Almeria  -  Tel. 950000411",
                                      "   Esc. de Arte Cadiz  -  Tel. 956000412", "- Cataluna",
                                      "   Escola d'Art Girona  -  Tel. 972000493"}));
  EXPECT_TRUE(LugaresPorEspecialidad(f, 5).empty());
}

TEST(Artes, PlasticaPorComunidadConSusEspecialidades) {
  const TablaLinea t = Leer(Plastica());
  const TablaLinea c = Comunidades();
  const FuentesArte f{Arte::kPlastica, t, c};
  // Code 99 is no speciality: left out.
  EXPECT_EQ(LugaresPorComunidad(f, 1),
            (std::vector<std::string>{
                "-   Esc. de Arte Almeria  -  Tel. 950000411", "Especialidad 3", "Especialidad 12",
                "-   Esc. de Arte Cadiz  -  Tel. 956000412", "Especialidad 12", "Especialidad 3",
                "-   Esc. de Arte Jaen  -  Tel. 953000414", "Especialidad 3"}));
  EXPECT_TRUE(LugaresPorComunidad(f, 4).empty());

  const InformeArte inf = ImprimirArte(f, "T529");
  EXPECT_EQ(inf.lineas[0], "T529");
  EXPECT_EQ(inf.lineas[2], "Titulo medio");
  EXPECT_EQ(inf.lineas[4], "- Andalucia");
  EXPECT_EQ(inf.lineas[5], "  Esc. de Arte Almeria  -  Tel. 950000411");
  // Jaen comes after Girona in the file: Andalucia heads it again.
  EXPECT_EQ(inf.negritas, (std::vector<int>{4, 11, 14}));
  EXPECT_EQ(inf.lineas[11], "- Cataluna");
}

TEST(Artes, MusicaCentrosPorComunidadYDirecciones) {
  const TablaLinea t =
      Leer({"Musica", "f1", "Piano", "Canto", "f2", " 1Andalucia",
            "  CSM de Sevilla  http://www.juntadeandalucia.es", "  sin direccion",
            "http://sin.nombre", "25Nadie", " 9Cataluna", "  Liceu  https://educacio.gencat.cat"});
  const TablaLinea c = Comunidades();
  const FuentesArte f{Arte::kMusica, t, c};
  EXPECT_EQ(TitulosArte(f), std::vector<std::string>{"Musica"});
  EXPECT_EQ(EspecialidadesArte(f), (std::vector<std::string>{"Piano", "Canto"}));
  EXPECT_EQ(LugaresArte(f), (std::vector<std::string>{
                                "- Andalucia", "  CSM de Sevilla", "http://www.juntadeandalucia.es",
                                "- Cataluna", "  Liceu", "https://educacio.gencat.cat"}));
  const InformeArte inf = ImprimirArte(f, "T530");
  EXPECT_EQ(inf.lineas,
            (std::vector<std::string>{"T530", "", "Musica", "Piano", "Canto", "Andalucia",
                                      "CSM de Sevilla  http://www.juntadeandalucia.es",
                                      "sin direccion", "tp://sin.nombre", "Nadie", "Cataluna",
                                      "Liceu  https://educacio.gencat.cat"}));
  EXPECT_TRUE(EsDireccionArte("http://www.juntadeandalucia.es   "));
  EXPECT_FALSE(EsDireccionArte("  CSM de Sevilla"));
}

TEST(Artes, DanzaTalCualYDramaConSusTextos) {
  const TablaLinea danza = Leer({"Danza", "f1", "Pedagogia", "f2", "- Andalucia", "  Conservatorio",
                                 "http://www.juntadeandalucia.es"});
  const TablaLinea c = Comunidades();
  EXPECT_EQ(LugaresArte({Arte::kDanza, danza, c}),
            (std::vector<std::string>{"- Andalucia", "  Conservatorio",
                                      "http://www.juntadeandalucia.es"}));
  const InformeArte inf = ImprimirArte({Arte::kDanza, danza, c}, "T531");
  EXPECT_EQ(inf.negritas, std::vector<int>{4});

  std::vector<std::string> l = {"Arte dramatico",  "f1", "Interpretacion", "f2", "",
                                " Especialidades:"};
  for (int k = 1; k <= 7; ++k) l.push_back(" Texto " + std::to_string(k));
  l.push_back("-ESAD de Sevilla         954000611      1297");
  l.push_back("http://www.juntadeandalucia.es");
  l.push_back("-ESAD sin cifras         952000612      x1");
  const TablaLinea drama = Leer(l);
  const FuentesArte f{Arte::kDramatico, drama, c};
  // Digit 9 names no text; a non-digit in column 41 lists none.
  EXPECT_EQ(LugaresArte(f),
            (std::vector<std::string>{
                "-ESAD de Sevilla         Especialidades:", "   Texto 1", "   Texto 2",
                "   Texto 7", "Tel. 954000611", "http://www.juntadeandalucia.es", "",
                "-ESAD sin cifras         Especialidades:", "Tel. 952000612"}));
  const InformeArte impreso = ImprimirArte(f, "T532");
  EXPECT_EQ(std::vector<std::string>(impreso.lineas.begin(), impreso.lineas.begin() + 4),
            (std::vector<std::string>{"T532", "", "Arte dramatico", "Interpretacion"}));
  EXPECT_EQ(impreso.lineas[4], "-ESAD de Sevilla         Especialidades:");
  EXPECT_EQ(impreso.negritas, (std::vector<int>{4, 11}));
}

}  // namespace
}  // namespace sendaro
