#include "data/resultados.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/ayuda_pruebas.h"

namespace sendaro {
namespace {

ResultadoCuestionario Ejemplo(std::string alumno, std::string grupo, std::string fecha,
                              std::string cuestionario, std::string primera) {
  ResultadoCuestionario r;
  r.version = "0.1";
  r.fecha = std::move(fecha);
  r.idioma = "es";
  r.cuestionario = std::move(cuestionario);
  r.alumno = std::move(alumno);
  r.grupo = std::move(grupo);
  r.respuestas = {{"¿Te gusta leer?", "Sí"}, {"Dibujar", "3"}};
  if (!primera.empty()) r.filas = {{std::move(primera), "9"}, {"Otra", "4"}};
  return r;
}

TEST(Resultados, LoEscritoSeLeeIgualConTodaClaseDeCaracteres) {
  ResultadoCuestionario r = Ejemplo("Íñigo \"el\" Peña\\", "4º B", "2026-12-11T10:50:00",
                                    "estudios", "Ciencias y Tecnología");
  r.explicaciones = {"línea 1\nlínea 2\ttab", std::string("control \x01 y € 𝄞")};
  const std::string json = ResultadoAJson(r);
  EXPECT_NE(json.find("\"formato\": 1"), std::string::npos);
  EXPECT_NE(json.find("\\u0001"), std::string::npos);
  const LecturaResultado l = LeerResultadoJson(json);
  ASSERT_TRUE(l.resultado) << l.detalle;
  EXPECT_EQ(*l.resultado, r);

  // Escapes another writer may use, and a byte order mark, read the same.
  const LecturaResultado otro = LeerResultadoJson(
      "\xEF\xBB\xBF{\"formato\":1,\"cuestionario\":\"cualidades\",\"fecha\":\"2026-01-02\","
      "\"alumno\":\"Ma\\u00f1ana \\ud834\\udd1e\\/\",\"resultado\":[{\"texto\":\"A\"}],"
      "\"extra\":[1.5e3,true,null,{\"a\":[]}]}");
  ASSERT_TRUE(otro.resultado) << otro.detalle;
  EXPECT_EQ(otro.resultado->alumno, "Mañana 𝄞/");
  EXPECT_EQ(otro.resultado->filas, (std::vector<FilaResultado>{{"A", ""}}));
}

TEST(Resultados, FicherosRotosODeOtroFormatoSeDescartanConSuMotivo) {
  const std::string bien = ResultadoAJson(Ejemplo("Ana", "4A", "2026-12-01T09:00:00",
                                                  "estudios", "Artes"));
  struct Caso {
    const char* nombre;
    std::string texto;
    MotivoDescarte motivo;
    std::string detalle;
  };
  const std::vector<Caso> casos = {
      {"vacío", "", MotivoDescarte::kNoEsJson, "0"},
      {"cortado", bien.substr(0, bien.size() / 2), MotivoDescarte::kNoEsJson, ""},
      {"basura tras el objeto", bien + "x", MotivoDescarte::kNoEsJson, ""},
      {"coma sobrante", "{\"formato\": 1,}", MotivoDescarte::kNoEsJson, ""},
      {"escape roto", "{\"a\": \"\\x\"}", MotivoDescarte::kNoEsJson, ""},
      {"suplente suelto", "{\"a\": \"\\udc00\"}", MotivoDescarte::kNoEsJson, ""},
      {"anidado sin fin", std::string(5000, '['), MotivoDescarte::kNoEsJson, ""},
      {"lista", "[1, 2]", MotivoDescarte::kOtroFormato, ""},
      {"sin formato", "{\"cuestionario\": \"estudios\"}", MotivoDescarte::kOtroFormato, ""},
      {"formato futuro", "{\"formato\": 2, \"cuestionario\": \"x\"}", MotivoDescarte::kOtroFormato,
       "2"},
      {"sin cuestionario", "{\"formato\": 1, \"fecha\": \"2026-01-01\"}",
       MotivoDescarte::kIncompleto, "cuestionario"},
      {"fecha numérica", "{\"formato\": 1, \"cuestionario\": \"estudios\", \"fecha\": 5}",
       MotivoDescarte::kIncompleto, "fecha"},
      {"filas no son objetos",
       "{\"formato\": 1, \"cuestionario\": \"e\", \"fecha\": \"d\", \"resultado\": [\"A\"]}",
       MotivoDescarte::kIncompleto, "resultado"},
      {"explicación numérica",
       "{\"formato\": 1, \"cuestionario\": \"e\", \"fecha\": \"d\", \"explicaciones\": [3]}",
       MotivoDescarte::kIncompleto, "explicaciones"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    const LecturaResultado l = LeerResultadoJson(c.texto);
    EXPECT_FALSE(l.resultado);
    EXPECT_EQ(l.motivo, c.motivo);
    if (!c.detalle.empty()) EXPECT_EQ(l.detalle, c.detalle);
  }
}

TEST(Resultados, LaCarpetaSeLeeConSusSubcarpetasYNombraLosDescartados) {
  prueba::CarpetaTemporal carpeta;
  carpeta.Escribir("4A/ana.json", ResultadoAJson(Ejemplo("Ana", "4A", "2026-12-01T09:00:00",
                                                         "estudios", "Artes")));
  carpeta.Escribir("4B/sub/BEA.JSON", ResultadoAJson(Ejemplo("Bea", "4B", "2026-12-02T09:00:00",
                                                             "estudios", "Ciencias")));
  carpeta.Escribir("4B/roto.json", "{\"formato\": 1, \"cuestion");
  carpeta.Escribir("4B/viejo.json", "{\"formato\": 0}");
  carpeta.Escribir("4A/ana.TXT", "el informe de texto no cuenta");
  const CarpetaResultados leida = LeerCarpetaResultados(carpeta.Ruta());
  ASSERT_EQ(leida.leidos.size(), 2u);
  EXPECT_EQ(leida.leidos[0].resultado.alumno, "Ana");
  EXPECT_EQ(leida.leidos[1].resultado.alumno, "Bea");
  ASSERT_EQ(leida.descartados.size(), 2u);
  EXPECT_EQ(leida.descartados[0].ruta.filename(), "roto.json");
  EXPECT_EQ(leida.descartados[0].motivo, MotivoDescarte::kNoEsJson);
  EXPECT_EQ(leida.descartados[1].ruta.filename(), "viejo.json");
  EXPECT_EQ(leida.descartados[1].motivo, MotivoDescarte::kOtroFormato);
  EXPECT_EQ(leida.descartados[1].detalle, "0");

  const CarpetaResultados nada = LeerCarpetaResultados(carpeta.Ruta() / "no existe");
  EXPECT_TRUE(nada.leidos.empty());
  EXPECT_TRUE(nada.descartados.empty());
  EXPECT_EQ(RutaResultadoJunto("/d/Ana - Cuestionario.TXT"), "/d/Ana - Cuestionario.json");
}

std::vector<ResultadoLeido> Clase() {
  std::vector<ResultadoLeido> l;
  const auto anadir = [&l](ResultadoCuestionario r) { l.push_back({"x.json", std::move(r)}); };
  anadir(Ejemplo("Carla", "4A", "2026-12-01T09:00:00", "estudios", "Ciencias"));
  anadir(Ejemplo("Ana", "4A", "2026-12-01T09:00:00", "estudios", "Artes"));
  // Ana again, later: only this one counts.
  anadir(Ejemplo("Ana", "4A", "2026-12-03T12:00:00", "estudios", "Ciencias"));
  // Another Ana, of another group.
  anadir(Ejemplo("Ana", "4B", "2026-12-02T09:00:00", "estudios", "Humanidades"));
  anadir(Ejemplo("Bruno", "4B", "2026-12-05T09:00:00", "estudios", "Artes"));
  anadir(Ejemplo("", "", "2026-12-05T10:00:00", "estudios", "Artes"));
  anadir(Ejemplo("", "", "2026-12-05T11:00:00", "estudios", ""));
  anadir(Ejemplo("Carla", "4A", "2026-12-01T09:30:00", "profesiones", "Sanidad"));
  anadir(Ejemplo("Dani", "4A", "2026-12-01T09:30:00", "cualidades", "Social"));
  return l;
}

TEST(Resultados, ResumenCuentaCadaAlumnoUnaVezYRepartePorPrimerResultado) {
  const std::vector<ResultadoLeido> clase = Clase();
  const std::vector<ResumenCuestionario> resumen = Resumir(clase, {});
  ASSERT_EQ(resumen.size(), 3u);
  EXPECT_EQ(resumen[0].cuestionario, "cualidades");
  EXPECT_EQ(resumen[1].cuestionario, "estudios");
  EXPECT_EQ(resumen[2].cuestionario, "profesiones");

  const ResumenCuestionario& estudios = resumen[1];
  // Ana 4A (latest), Ana 4B, Bruno, Carla, then the two without a name.
  EXPECT_EQ(estudios.alumnos, (std::vector<std::size_t>{2, 3, 4, 0, 5, 6}));
  // Ties in text order; the result without rows is a student but no bar.
  EXPECT_EQ(estudios.reparto, (std::vector<std::pair<std::string, int>>{
                                  {"Artes", 2}, {"Ciencias", 2}, {"Humanidades", 1}}));
  EXPECT_EQ(GruposDe(clase), (std::vector<std::string>{"4A", "4B"}));
}

TEST(Resultados, FiltrosPorGrupoYFechas) {
  const std::vector<ResultadoLeido> clase = Clase();
  struct Caso {
    FiltroResultados filtro;
    std::vector<std::size_t> estudios;
  };
  const std::vector<Caso> casos = {
      {{"4A", "", ""}, {2, 0}},
      {{"4B", "", ""}, {3, 4}},
      // The day of "hasta" is included whatever its time; Ana 4A's later
      // result is outside, so her earlier one counts.
      {{"", "2026-12-01", "2026-12-02"}, {1, 3, 0}},
      {{"", "2026-12-05", ""}, {4, 5, 6}},
      {{"4A", "2026-12-04", ""}, {}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.filtro.grupo + " " + c.filtro.desde + " " + c.filtro.hasta);
    std::vector<std::size_t> estudios;
    for (const ResumenCuestionario& r : Resumir(clase, c.filtro)) {
      if (r.cuestionario == "estudios") estudios = r.alumnos;
    }
    EXPECT_EQ(estudios, c.estudios);
  }
}

TEST(Resultados, CsvConMarcaPuntoYComaYComillas) {
  std::vector<ResultadoLeido> l;
  l.push_back({"a.json", Ejemplo("Peña; \"Ana\"", "4A", "2026-12-01T09:00:00", "estudios",
                                 "Artes")});
  l.push_back({"b.json", Ejemplo("Bea", "", "2026-12-02T09:00:00", "estudios", "")});
  const std::string csv =
      ResumenCsv(l, Resumir(l, {}), {"Cuestionario", "Grupo", "Alumno", "Fecha", "Resultado",
                                     "Puntos"});
  EXPECT_EQ(csv,
            "\xEF\xBB\xBF"
            "Cuestionario;Grupo;Alumno;Fecha;Resultado;Puntos\r\n"
            "estudios;;Bea;2026-12-02;;\r\n"
            "estudios;4A;\"Peña; \"\"Ana\"\"\";2026-12-01;Artes;9\r\n");
}

}  // namespace
}  // namespace sendaro
