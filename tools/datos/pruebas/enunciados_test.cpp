// The record files generated from the statements beside the data: exact
// bytes of small sources, and every kind of wrong statement reported with
// its source line.
#include "enunciados.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>

namespace sendaro::datos {
namespace {

// 23 requirement lines: 11-13 captions, 15 any branch, 19-23 the branches.
std::string Requisitos() {
  std::string r;
  for (int i = 1; i <= 23; ++i) {
    r += "Requisito " + std::to_string(i) + "\n";
    const char* claves[] = {"", "pau", "", "",         "",      "", "", "",
                            "", "",    "", "cab",      "",      "", "", "cualquiera",
                            "", "",    "", "ciencias", "salud", "", "", ""};
    if (*claves[i] != '\0') r += std::string("#> clave: ") + claves[i] + "\n";
  }
  return r;
}

std::string Salidas() {
  std::string r;
  for (int i = 1; i <= 16; ++i) r += "Salida " + std::to_string(i) + "\n";
  return r + "#> clave: hospital\n";
}

std::map<std::string, std::string> FuentesBase() {
  return {
      {"LUGAR",
       " 1Universidad de Granada             ugr.es\n"
       "13Universidad Autónoma de Madrid     uam.es\n"},
      {"REQUISIT", Requisitos()},
      {"SALIDAS", Salidas()},
      {"CUALIDAD", "Paciencia\n#> clave: paciencia\nMemoria\n#> clave: memoria\n"},
      {"INTERES", "Ayudar\n#> clave: ayudar\nInvestigar\n#> clave: investigar\n"},
      {"GRUPOS",
       "Sanitario\n#> clave: sanitario\n#> cualidades: paciencia memoria\n#> intereses: 1\n"
       "Científico\n#> clave: cientifico\n#> cualidades: memoria\n#> intereses: investigar\n"},
      {"CARRERA",
       "Medicina (L)\n#> clave: medicina\n"
       "#> universidades: ugr.es 9,2; uam.es -; 1 5,0\n"
       "#> requisitos: salud, cualquiera\n"
       "#> salidas: hospital 2\n"
       "#> grupos: sanitario cientifico\n"
       "#> relacionadas: enfermeria todas-las-IT\n"
       "Enfermería (D)\n#> clave: enfermeria\n#> relacionadas: medicina\n"
       "Todas las diplomaturas\nTodas las licenciaturas\nI T (todas)\nSegundo ciclo\n"},
      {"carreran", "3Grado en Medicina\n#> universidades: uam.es 12,9\n#> salidas: hospital\n"},
      {"FP",
       "-Sanidad\nLaboratorio Clínico\n#> clave: lab\n#> requisitos: bach\n"
       "#> carreras: 2 biologia\n#> grupos: cientifico\n"},
      {"REQFP", "Título de Bachiller\n#> clave: bach\n"},
      {"carreFP", "Grado en Enfermería\nGrado en Biología\n#> clave: biologia\n"},
      {"LU1", "JZaragoza IES Uno   976000001\nJZaragoza IES Dos   976000002\n#> clave: dos\n"},
      {"LU2", ""},
      {"LU3", ""},
      {"LU4", "GGranada IES Tres    958000003\n"},
      {"FP2", "-Sanidad\nCuidados Auxiliares\n"},
      {"datFPL", "LU1 dos: lab\nLU4 1: 2\n"},
      {"datFPL2", "LU1 1: 2\n"},
  };
}

FuentesLeidas Leer(const std::map<std::string, std::string>& textos) {
  FuentesLeidas r;
  for (const auto& [nombre, texto] : textos) {
    const std::string fuente = "datos/" + nombre + ".txt";
    r.emplace(nombre, FuenteLeida{fuente, LineasDeFuente(texto, fuente)});
  }
  return r;
}

std::map<std::string, std::string> Generar(const std::map<std::string, std::string>& textos,
                                           std::vector<Problema>& problemas) {
  std::map<std::string, std::string> r;
  for (auto& g : GenerarRegistros(Leer(textos), problemas)) r[g.nombre] = g.bytes;
  return r;
}

int B(const std::string& bytes, std::size_t i) { return static_cast<unsigned char>(bytes[i]); }
int W(const std::string& bytes, std::size_t i) {
  return B(bytes, 2 * i) | (B(bytes, 2 * i + 1) << 8);
}

// Byte k of row `fila` of record `registro` of a 200 x 101 record file.
std::size_t Pos(int registro, int fila, int k) {
  return static_cast<std::size_t>((registro - 1) * 20200 + (fila - 1) * 101 + k);
}

TEST(Enunciados, RegistrosExactosDeFuentesPequenas) {
  std::vector<Problema> problemas;
  const auto r = Generar(FuentesBase(), problemas);
  for (const auto& p : problemas) ADD_FAILURE() << p.Texto();
  ASSERT_EQ(r.at("datcar").size(), 101000u);
  ASSERT_EQ(r.at("datcarn").size(), 101000u);
  ASSERT_EQ(r.at("datgru").size(), 40400u);
  ASSERT_EQ(r.at("datFPL").size(), 477360u);
  ASSERT_EQ(r.at("datFPL2").size(), 477360u);
  ASSERT_EQ(r.at("datFPR").size(), 8670u);

  const std::string& c = r.at("datcar");
  struct Caso {
    int registro, fila, k, valor;
  };
  const Caso casos[] = {
      {1, 1, 0, 3},  {1, 1, 1, 1},  {1, 1, 2, 2},  {1, 1, 3, 1},   // universities
      {3, 1, 0, 3},  {3, 1, 1, 92}, {3, 1, 2, 10}, {3, 1, 3, 50},  // marks, "-" is 10
      {2, 1, 0, 2},  {2, 1, 1, 20}, {2, 1, 2, 15},                 // requirements
      {4, 1, 0, 2},  {4, 1, 1, 16}, {4, 1, 2, 2},                  // outlets
      {5, 1, 0, 2},  {5, 1, 1, 1},  {5, 1, 2, 2},                  // groups
      {5, 1, 10, 2}, {5, 1, 11, 2}, {5, 1, 12, 5},                 // related: N + 3 = 5
      {5, 2, 10, 1}, {5, 2, 11, 1}, {1, 2, 0, 0},  {5, 3, 10, 0},
  };
  for (const auto& k : casos) {
    EXPECT_EQ(B(c, Pos(k.registro, k.fila, k.k)), k.valor)
        << "registro " << k.registro << " fila " << k.fila << " byte " << k.k;
  }
  const std::string& n = r.at("datcarn");
  EXPECT_EQ(B(n, Pos(1, 1, 0)), 1);
  EXPECT_EQ(B(n, Pos(1, 1, 1)), 2);
  EXPECT_EQ(B(n, Pos(3, 1, 1)), 129);
  EXPECT_EQ(B(n, Pos(4, 1, 1)), 16);

  const std::string& g = r.at("datgru");
  EXPECT_EQ(B(g, Pos(1, 1, 0)), 2);
  EXPECT_EQ(B(g, Pos(1, 1, 2)), 2);
  EXPECT_EQ(B(g, Pos(2, 1, 1)), 1);
  EXPECT_EQ(B(g, Pos(2, 2, 1)), 2);

  // Title 2 of "FP" (line 1 is its family).
  const std::string& fpr = r.at("datFPR");
  EXPECT_EQ(B(fpr, 21), 1);
  EXPECT_EQ(B(fpr, 22), 1);
  EXPECT_EQ(B(fpr, 3570 + 26), 2);
  EXPECT_EQ(B(fpr, 3570 + 27), 2);
  EXPECT_EQ(B(fpr, 3570 + 28), 2);
  EXPECT_EQ(B(fpr, 7990 + 4), 1);
  EXPECT_EQ(B(fpr, 7990 + 5), 2);
  EXPECT_EQ(B(fpr, 0), 0);

  // Record k = LUk, row t = title, word 0 the count.
  const std::string& l = r.at("datFPL");
  EXPECT_EQ(W(l, 351 * 1), 1);      // LU1, title 2
  EXPECT_EQ(W(l, 351 * 1 + 1), 2);  // its centre "dos"
  EXPECT_EQ(W(l, 3 * 170 * 351 + 351 + 1), 1);
  EXPECT_EQ(W(r.at("datFPL2"), 351 + 1), 1);
}

struct Fallo {
  const char* que;
  std::function<void(std::map<std::string, std::string>&)> plantar;
  const char* esperado;  // start of the problem text
};

void Sustituir(std::string& s, const std::string& de, const std::string& a) {
  const auto i = s.find(de);
  ASSERT_NE(i, std::string::npos) << de;
  s.replace(i, de.size(), a);
}

// A line number where the line has a key still works, but a line inserted
// above would change its meaning: the compiler says which key to write.
TEST(Enunciados, UnNumeroDondeHayClaveEsUnAvisoConLaClave) {
  std::vector<Problema> problemas;
  std::vector<Problema> avisos;
  GenerarRegistros(Leer(FuentesBase()), problemas, &avisos);
  for (const auto& p : problemas) ADD_FAILURE() << p.Texto();
  std::vector<std::string> textos;
  for (const auto& a : avisos) textos.push_back(a.Texto());
  std::sort(textos.begin(), textos.end());
  const std::string cola = "; mejor por su clave, que no cambia al insertar líneas";
  const std::vector<std::string> esperados = {
      "datos/FP.txt:5: carreras: 2 es la línea de clave \"biologia\" en carreFP" + cola,
      "datos/GRUPOS.txt:4: intereses: 1 es la línea de clave \"ayudar\" en INTERES" + cola,
      "datos/datFPL.txt:2: título: 2 es la línea de clave \"lab\" en FP" + cola,
  };
  EXPECT_EQ(textos, esperados);
}

TEST(Enunciados, CadaFalloDiceFuenteYLinea) {
  auto cambiar = [](const char* f, std::string de, std::string a) {
    return [f, de, a](std::map<std::string, std::string>& m) { Sustituir(m[f], de, a); };
  };
  const Fallo fallos[] = {
      {"universidad desconocida", cambiar("CARRERA", "uam.es -", "uab.cat -"),
       "datos/CARRERA.txt:3: universidades: \"uab.cat\" no es una clave de LUGAR"},
      {"nota sin coma", cambiar("CARRERA", "ugr.es 9,2", "ugr.es 112"),
       "datos/CARRERA.txt:3: universidades: nota \"112\""},
      {"nota por debajo de 5", cambiar("CARRERA", "1 5,0", "1 4,9"),
       "datos/CARRERA.txt:3: universidades: nota \"4,9\""},
      {"nota de grado en una carrera", cambiar("CARRERA", "1 5,0", "1 12,9"),
       "datos/CARRERA.txt:3: universidades: nota \"12,9\" de 1 no válida (de 5,0 a 10,0"},
      {"nota por encima de 14 en un grado", cambiar("carreran", "12,9", "14,1"),
       "datos/carreran.txt:2: universidades: nota \"14,1\" de uam.es no válida (de 5,0 a 14,0"},
      {"sin nota", cambiar("CARRERA", "; 1 5,0", "; ugr.es"),
       "datos/CARRERA.txt:3: universidades: \"ugr.es\" sin nota"},
      {"requisito encabezado", cambiar("CARRERA", "salud, cualquiera", "salud cab"),
       "datos/CARRERA.txt:4: requisitos: \"cab\" (REQUISIT:11) es un encabezado"},
      {"línea fuera", cambiar("CARRERA", "hospital 2", "hospital 17"),
       "datos/CARRERA.txt:5: salidas: la línea 17 no existe en SALIDAS (tiene 16)"},
      {"diez grupos", cambiar("CARRERA", "sanitario cientifico", "1 2 1 2 1 2 1 2 1 2"),
       "datos/CARRERA.txt:6: grupos: 10 elementos; caben 9"},
      {"relacionada que no es carrera", cambiar("CARRERA", "enfermeria todas", "6 todas"),
       "datos/CARRERA.txt:7: relacionadas: \"6\" (CARRERA:6) no es una carrera"},
      {"anotación en línea de tipos",
       cambiar("CARRERA", "Segundo ciclo\n", "Segundo ciclo\n#> grupos: 1\n"),
       "datos/CARRERA.txt:15: la línea 6 no es una carrera"},
      {"anotación desconocida", cambiar("CARRERA", "#> salidas", "#> salida"),
       "datos/CARRERA.txt:5: anotación \"salida\" desconocida en CARRERA"},
      {"clave repetida", cambiar("CARRERA", "clave: enfermeria", "clave: medicina"),
       "datos/CARRERA.txt:9: la clave \"medicina\" ya es de la línea 1 de CARRERA"},
      {"salida de grado bajo 15", cambiar("carreran", "salidas: hospital", "salidas: 3"),
       "datos/carreran.txt:3: salidas: \"3\" (SALIDAS:3) no se muestra en los grados"},
      {"cualidad inexistente", cambiar("GRUPOS", "paciencia memoria", "paciencia humor"),
       "datos/GRUPOS.txt:3: cualidades: \"humor\" no es una clave de CUALIDAD"},
      {"familia con requisitos", cambiar("FP", "-Sanidad\n", "-Sanidad\n#> grupos: 1\n"),
       "datos/FP.txt:2: una familia no lleva"},
      {"cuatro grupos de un título", cambiar("FP", "grupos: cientifico", "grupos: 1 2 1 2"),
       "datos/FP.txt:6: grupos: 4 elementos; caben 3"},
      {"centro fuera de LU1", cambiar("datFPL", "LU1 dos", "LU1 3"),
       "datos/datFPL.txt:1: centro: la línea 3 no existe en LU1"},
      {"título que es familia", cambiar("datFPL", "LU4 1: 2", "LU4 1: 1"),
       "datos/datFPL.txt:2: \"1\" (FP:1) no es un título"},
      {"LU5", cambiar("datFPL", "LU4 1", "LU5 1"),
       "datos/datFPL.txt:2: se esperaba \"LUk centro: títulos\""},
      {"clave con espacio", cambiar("REQFP", "clave: bach", "clave: bach 2"),
       "datos/REQFP.txt:2: clave \"bach 2\" no válida"},
  };
  for (const auto& f : fallos) {
    auto fuentes = FuentesBase();
    f.plantar(fuentes);
    std::vector<Problema> problemas;
    const auto r = Generar(fuentes, problemas);
    EXPECT_EQ(r.size(), 7u) << f.que;  // every record file but puntos3
    bool hallado = false;
    std::string todos;
    for (const auto& p : problemas) {
      todos += p.Texto() + "\n";
      hallado = hallado || p.Texto().rfind(f.esperado, 0) == 0;
    }
    EXPECT_TRUE(hallado) << f.que << ":\n" << todos;
  }
}

TEST(Enunciados, AnotacionesMalEscritasEnLaFuente) {
  struct Caso {
    const char* fuente;
    int linea;
    const char* que;
  };
  const Caso casos[] = {
      {"#> clave: x\nDatos\n", 1, "anotación antes de la primera línea de datos"},
      {"Datos\n#> sin dos puntos\n", 2, "se esperaba \"#> clave: valores\""},
      {"Datos\n#>: vacio\n", 2, "se esperaba \"#> clave: valores\""},
  };
  for (const auto& c : casos) {
    const auto r = LineasDeFuente(c.fuente, "f");
    ASSERT_EQ(r.problemas.size(), 1u) << c.fuente;
    EXPECT_EQ(r.problemas[0].linea, c.linea);
    EXPECT_EQ(r.problemas[0].que, c.que);
  }
  // The statements are dropped from the file and attached to the line above.
  const auto r = LineasDeFuente("A\n#| nota\n#> clave: a\nB\n#>grupos:  1 2 \n", "f");
  ASSERT_EQ(r.lineas.size(), 2u);
  ASSERT_EQ(r.anotaciones.size(), 2u);
  EXPECT_EQ(r.anotaciones[0].linea, 1);
  EXPECT_EQ(r.anotaciones[1].linea, 2);
  EXPECT_EQ(r.anotaciones[1].clave, "grupos");
  EXPECT_EQ(r.anotaciones[1].valor, "1 2");
  EXPECT_EQ(r.anotaciones[1].origen, 5);
  EXPECT_FALSE(LineasDeBloques("#= A\n#> clave: a\n", "b", 3).problemas.empty());
}

TEST(Enunciados, NotasDeCorte) {
  const std::pair<const char*, int> casos[] = {
      {"5,0", 50}, {"6,2", 62},  {"9,9", 99},    {"10,0", 100}, {"-", 10},
      {"4,9", -1}, {"10,1", -1}, {"6.2", -1},    {"6,25", -1},  {"62", -1},
      {",5", -1},  {"", -1},     {"0010,0", -1},
  };
  for (const auto& [texto, valor] : casos) {
    const auto n = LeerNota(texto);
    EXPECT_EQ(n.value_or(-1), valor) << texto;
  }
  EXPECT_EQ(LeerNota("13,7", kNotaMaximaGrados).value_or(-1), 137);
  EXPECT_EQ(LeerNota("14,0", kNotaMaximaGrados).value_or(-1), 140);
  EXPECT_FALSE(LeerNota("14,1", kNotaMaximaGrados));
}

}  // namespace
}  // namespace sendaro::datos

namespace sendaro::datos {
namespace {

std::map<std::string, std::string> FuentesAreas() {
  auto f = FuentesBase();
  for (int i = 1; i <= 40; ++i) f["CUESTION"] += "23Pregunta " + std::to_string(i) + "\n";
  f["CUESTION"] += "#> clave: ultima\n\n";  // 41 is empty
  for (int i = 1; i <= 95; ++i) f["TITULOS"] += "Título " + std::to_string(i) + "\n";
  return f;
}

TEST(Enunciados, AreasExactas) {
  auto fuentes = FuentesAreas();
  fuentes["datitine"] =
      "#| áreas\n"
      "preguntas 1: 3 36\n"
      "titulos 1: 15 90\n"
      "preguntas 1: ultima\n"  // adds to the same entry
      "preguntas 20: 1\n"
      "titulos 13: 95\n";
  std::vector<Problema> problemas;
  const auto r = Generar(fuentes, problemas);
  for (const auto& p : problemas) ADD_FAILURE() << p.Texto();
  const std::string& d = r.at("datitine");
  ASSERT_EQ(d.size(), 6060u);
  std::string esperado(6060, '\0');
  const auto fijar = [&](int registro, int area, std::initializer_list<int> lista) {
    std::size_t pos = static_cast<std::size_t>((registro - 1) * 3030 + (area - 1) * 101);
    esperado[pos++] = static_cast<char>(lista.size());
    for (const int v : lista) esperado[pos++] = static_cast<char>(v);
  };
  fijar(1, 1, {3, 36, 40});
  fijar(1, 20, {1});
  fijar(2, 1, {15, 90});
  fijar(2, 13, {95});
  EXPECT_EQ(d, esperado);
}

TEST(Enunciados, AreasMalEscritasDicenFuenteYLinea) {
  struct Caso {
    const char* que;
    const char* linea;
    const char* esperado;
  };
  const Caso casos[] = {
      {"pregunta que no existe", "preguntas 2: 1 42",
       "datos/datitine.txt:1: preguntas: la línea 42 no existe en CUESTION"},
      {"pregunta vacía", "preguntas 2: 41", "datos/datitine.txt:1: preguntas: \"41\" (CUESTION:41) es una línea vacía"},
      {"título que no existe", "titulos 3: 96", "datos/datitine.txt:1: titulos: la línea 96 no existe en TITULOS"},
      {"área de preguntas 21", "preguntas 21: 1", "datos/datitine.txt:1: área 21 fuera de 1..20"},
      {"área de títulos 14", "titulos 14: 1", "datos/datitine.txt:1: área 14 fuera de 1..13"},
      {"área 0", "titulos 0: 1", "datos/datitine.txt:1: área 0 fuera de 1..13"},
      {"pregunta repetida", "preguntas 4: 5 5", "datos/datitine.txt:1: preguntas: 5 ya está en el área 4"},
      {"palabra desconocida", "pregunta 4: 5", "datos/datitine.txt:1: se esperaba \"preguntas K"},
      {"sin número de área", "titulos: 5", "datos/datitine.txt:1: se esperaba"},
  };
  for (const auto& c : casos) {
    auto fuentes = FuentesAreas();
    fuentes["datitine"] = std::string(c.linea) + "\n";
    std::vector<Problema> problemas;
    const auto r = Generar(fuentes, problemas);
    EXPECT_EQ(r.at("datitine").size(), 6060u) << c.que;
    std::string todos;
    bool hallado = false;
    for (const auto& p : problemas) {
      todos += p.Texto() + "\n";
      hallado = hallado || p.Texto().rfind(c.esperado, 0) == 0;
    }
    EXPECT_TRUE(hallado) << c.que << ":\n" << todos;
  }
}

}  // namespace
}  // namespace sendaro::datos
