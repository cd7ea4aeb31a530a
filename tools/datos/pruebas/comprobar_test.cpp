// sendaro-datos comprobar on the compiled sample and on copies with one
// planted fault each: every fault is reported with file and line, and a
// broken file never stops the other checks.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <cstdint>
#include <cstdio>

#include "data/disposiciones.h"
#include "herramienta.h"

namespace fs = std::filesystem;

namespace sendaro::datos {
namespace {

std::string Leer(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void Escribir(const fs::path& ruta, const std::string& bytes) {
  std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
  f << bytes;
}

std::string Todos(const std::vector<Problema>& problemas) {
  std::string t;
  for (const auto& p : problemas) t += p.Texto() + "\n";
  return t;
}

// A fault planted in one file of a copy of the sample.
struct Fallo {
  const char* que;
  const char* fichero;
  std::function<void(std::string&)> cambio;
  std::string esperado;  // a problem line that must appear
};

// The sample compiled once (without pictures) into a temporary folder.
class Muestra : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    carpeta_ = fs::temp_directory_path() / ("sendaro-comprobar-" + std::to_string(::getpid()));
    fs::remove_all(carpeta_);
    problemas_compilar_ = Compilar({SENDARO_FUENTES_INSTALACION, carpeta_, {}}, avisos_compilar_);
  }
  static void TearDownTestSuite() { fs::remove_all(carpeta_); }

  // Plants the fault in a fresh copy of the sample and expects comprobar to
  // report its line.
  static void Plantar(const Fallo& f) {
    const fs::path copia = carpeta_.string() + "-copia";
    fs::remove_all(copia);
    fs::copy(carpeta_, copia, fs::copy_options::recursive);
    std::string bytes = Leer(copia / f.fichero);
    ASSERT_FALSE(bytes.empty()) << f.que;
    f.cambio(bytes);
    Escribir(copia / f.fichero, bytes);
    int comprobados = 0;
    const std::string todos = Todos(Comprobar(copia, comprobados));
    EXPECT_NE(("\n" + todos).find("\n" + f.esperado), std::string::npos) << f.que << ":\n"
                                                                           << todos;
    fs::remove_all(copia);
  }

  static fs::path carpeta_;
  static std::vector<Problema> problemas_compilar_;
  static std::vector<std::string> avisos_compilar_;
};
fs::path Muestra::carpeta_;
std::vector<Problema> Muestra::problemas_compilar_;
std::vector<std::string> Muestra::avisos_compilar_;


TEST_F(Muestra, LaMuestraCompilaSinProblemasYSusReferenciasEstanBien) {
  EXPECT_TRUE(problemas_compilar_.empty()) << Todos(problemas_compilar_);
  // Every catalogue is there, and every line that has a key is named by it.
  for (const auto& a : avisos_compilar_) ADD_FAILURE() << a;
  const auto problemas = ComprobarReferencias(carpeta_);
  EXPECT_TRUE(problemas.empty()) << Todos(problemas);
}

// Byte k of row `fila` of record `registro` of a 200 x 101 record file.
std::size_t Pos(int registro, int fila, int k) {
  return static_cast<std::size_t>((registro - 1) * 20200 + (fila - 1) * 101 + k);
}


TEST_F(Muestra, CadaFalloPlantadoSeDiceConFicheroYLinea) {
  const Fallo fallos[] = {
      {"universidad fuera de LUGAR", "datcar",
       [](std::string& b) {
         b[Pos(1, 1, 0)] = 1;
         b[Pos(1, 1, 1)] = static_cast<char>(250);
         b[Pos(3, 1, 0)] = 1;
         b[Pos(3, 1, 1)] = 60;
       },
       "datcar:1: universidad 250 fuera de LUGAR"},
      {"nota sin su universidad", "datcar", [](std::string& b) { b[Pos(3, 2, 0)] = 5; },
       "datcar:2: hay 5 notas de corte para"},
      {"requisito que es un encabezado", "datcar",
       [](std::string& b) {
         b[Pos(2, 3, 0)] = 1;
         b[Pos(2, 3, 1)] = 12;
       },
       "datcar:3: requisito 12 es un encabezado de REQUISIT"},
      {"relacionada que no es carrera", "datcar",
       [](std::string& b) {
         b[Pos(5, 1, 10)] = 1;
         b[Pos(5, 1, 11)] = static_cast<char>(199);
       },
       "datcar:1: carrera relacionada 199 no es una carrera"},
      {"fila de más", "datcar", [](std::string& b) { b[Pos(4, 200, 0)] = 1; },
       "datcar:200: la fila 200 tiene datos"},
      {"salida que los grados no muestran", "datcarn",
       [](std::string& b) {
         b[Pos(4, 1, 0)] = 1;
         b[Pos(4, 1, 1)] = 3;
       },
       "datcarn:1: salida 3 no se muestra en los grados"},
      {"cualidad fuera", "datgru", [](std::string& b) { b[Pos(1, 1, 1)] = 99; },
       "datgru:1: cualidades: 99 fuera de CUALIDAD"},
      {"grupo sin intereses", "datgru", [](std::string& b) { b[Pos(2, 2, 0)] = 0; },
       "datgru:2: el grupo no tiene intereses"},
      {"familia con grupos", "datFPR",
       [](std::string& b) {
         b[7990] = 1;
         b[7991] = 1;
       },
       "datFPR:1: grupos: la línea 1 de FP no es un ciclo"},
      {"centro fuera de LU1", "datFPL",
       [](std::string& b) {
         const std::size_t fila = 351 * 1;  // title 2, LU1
         b[2 * fila] = 1;
         b[2 * fila + 2] = static_cast<char>(0xE7);
         b[2 * fila + 3] = 0x03;  // 999
       },
       "datFPL:2: LU1: centro 999 fuera de LU1"},
      {"registro cortado", "datcar", [](std::string& b) { b.pop_back(); },
       "datcar: mide 100999 bytes; debe medir 101000"},
      {"letra en la comunidad", "LUGAR", [](std::string& b) { b[0] = 'x'; },
       "LUGAR:1: columnas 1-2 (comunidad): \"x1\" no es un número"},
      {"web con www", "LUGAR", [](std::string& b) { b.insert(b.find("ual.es"), "www."); },
       "LUGAR:1: la web \"www.ual.es\" se guarda sin"},
      {"comunidad 20", "LUGAR", [](std::string& b) { b.replace(0, 2, "20"); },
       "LUGAR:1: columnas 1-2 (comunidad): 20 fuera de 1..19"},
      {"dobles: carrera con letra", "dobles",
       [](std::string& b) {
         const auto i = b.find("\r\n   ") + 2;
         b[i + 5] = 'a';
       },
       "dobles:2: columnas 5-7 (numero1): "},
      {"web sin dominio", "LUGAR", [](std::string& b) { b.replace(b.find("ual.es"), 6, "ual   "); },
       "LUGAR:1: la web \"ual\" no tiene dominio"},
      {"web con mayúsculas", "LUGAR", [](std::string& b) { b.replace(b.find("ual.es"), 6, "UAL.es"); },
       "LUGAR:1: la web \"UAL.es\" tiene el carácter \"U\""},
      {"COMUINT con http", "COMUINT",
       [](std::string& b) { b.replace(14, b.find("\r\n") - 14, "http://www.educa.es"); },
       "COMUINT:1: la dirección \"http://www.educa.es\" se guarda sin \"http://\""},
      {"COMUINT con una coma por un punto", "COMUINT",
       [](std::string& b) { b.replace(14, b.find("\r\n") - 14, "www.educa,es/fp"); },
       "COMUINT:1: la dirección \"www.educa,es/fp\" tiene el carácter \",\""},
      {"COMUINT sin dirección", "COMUINT",
       [](std::string& b) { b.replace(14, b.find("\r\n") - 14, ""); },
       "COMUINT:1: columna 15: falta la dirección"},
  };
  for (const auto& f : fallos) Plantar(f);
}

// The start of a PNG file: its signature and an IHDR chunk of the size given
// (8-bit RGBA); the checks read no further.
std::string Png(std::uint32_t ancho, std::uint32_t alto) {
  std::string b = "\x89PNG\r\n\x1A\n";
  b += std::string("\0\0\0\x0D", 4) + "IHDR";
  for (const std::uint32_t v : {ancho, alto}) {
    for (int i = 3; i >= 0; --i) b.push_back(static_cast<char>((v >> (8 * i)) & 0xFFu));
  }
  b += std::string("\x08\x06\0\0\0", 5) + std::string(4, '\0');
  // The closing chunk: a PNG without it was cut short.
  b += std::string("\0\0\0\0IEND\xAE\x42\x60\x82", 12);
  return b;
}

struct FalloImagen {
  const char* que;
  const char* fichero;
  std::string bytes;  // empty: the file is removed
  const char* esperado;
};

TEST_F(Muestra, LasImagenesConTransparenciaDelVestibuloTienenSuTamano) {
  const fs::path copia = carpeta_.string() + "-png";
  const auto preparar = [&] {
    fs::remove_all(copia);
    fs::copy(carpeta_, copia, fs::copy_options::recursive);
    Escribir(copia / "chicaw.png", Png(448, 168));
    Escribir(copia / "puertaw.png", Png(280, 168));
    Escribir(copia / "bocadillo1.png", Png(195, 140));
    Escribir(copia / "iconos.png", Png(588, 28));
  };
  preparar();
  int comprobados = 0;
  const std::string bien = Todos(Comprobar(copia, comprobados));
  EXPECT_EQ(bien.find(".png"), std::string::npos) << bien;

  const FalloImagen fallos[] = {
      {"falta la figura", "chicaw.png", "", "chicaw.png: falta el fichero"},
      {"puerta de seis cuadros", "puertaw.png", Png(336, 168), "puertaw.png: mide 336x168; debe medir 280x168"},
      {"bocadillo bajo", "bocadillo1.png", Png(195, 139), "bocadillo1.png: mide 195x139; debe medir 195x140"},
      {"figura que es un BMP", "chicaw.png", "BM" + std::string(60, '\0'), "chicaw.png: no es una imagen PNG"},
      {"PNG cortado", "puertaw.png", Png(280, 168).substr(0, 20), "puertaw.png: no es una imagen PNG"},
      {"faltan los iconos", "iconos.png", "", "iconos.png: falta el fichero"},
      {"un icono de menos", "iconos.png", Png(560, 28),
       "iconos.png: mide 560x28; debe medir 588x28"},
      {"iconos de 32 de alto", "iconos.png", Png(588, 32),
       "iconos.png: mide 588x32; debe medir 588x28"},
  };
  for (const auto& f : fallos) {
    preparar();
    if (f.bytes.empty()) {
      fs::remove(copia / f.fichero);
    } else {
      Escribir(copia / f.fichero, f.bytes);
    }
    const std::string todos = Todos(Comprobar(copia, comprobados));
    EXPECT_NE(("\n" + todos).find(std::string("\n") + f.esperado + "\n"), std::string::npos)
        << f.que << ":\n"
        << todos;
  }
  fs::remove_all(copia);
}

}  // namespace
}  // namespace sendaro::datos

namespace sendaro::datos {
namespace {

// Offset of line n (1-based) of a CR LF file.
std::size_t InicioLinea(const std::string& b, int n) {
  std::size_t pos = 0;
  for (int i = 1; i < n; ++i) pos = b.find("\r\n", pos) + 2;
  return pos;
}
// Writes `texto` at column `columna` of line n, padding the line with blanks.
void Poner(std::string& b, int n, int columna, const std::string& texto) {
  const std::size_t inicio = InicioLinea(b, n);
  std::size_t fin = b.find("\r\n", inicio);
  const auto col = static_cast<std::size_t>(columna - 1);
  if (fin - inicio < col + texto.size()) {
    b.insert(fin, inicio + col + texto.size() - fin, ' ');
  }
  b.replace(inicio + col, texto.size(), texto);
}
// Replaces the text of line n (1-based) of a CR LF file.
void CambiarLinea(std::string& b, int n, const std::string& texto) {
  const std::size_t inicio = InicioLinea(b, n);
  b.replace(inicio, b.find("\r\n", inicio) - inicio, texto);
}
// Keeps the first n lines of a CR LF file.
void Cortar(std::string& b, int n) { b.resize(InicioLinea(b, n + 1)); }
std::vector<std::string> Lineas(const std::string& b) {
  std::vector<std::string> r;
  for (std::size_t pos = 0; pos < b.size();) {
    const std::size_t fin = b.find("\r\n", pos);
    r.push_back(b.substr(pos, fin - pos));
    pos = fin + 2;
  }
  return r;
}
// Entry `area` of record `registro` of "datitine".
void Entrada(std::string& b, int registro, int area, std::initializer_list<int> lista) {
  auto pos = static_cast<std::size_t>((registro - 1) * 3030 + (area - 1) * 101);
  b[pos++] = static_cast<char>(lista.size());
  for (const int v : lista) b[pos++] = static_cast<char>(v);
}


TEST_F(Muestra, CadaFalloDeEnlaceSeDiceConFicheroYLinea) {
  const auto carrera = Lineas(Leer(carpeta_ / "CARRERA"));
  const auto fp = Lineas(Leer(carpeta_ / "FP"));
  const auto fp2 = Lineas(Leer(carpeta_ / "FP2"));
  const int carreras = static_cast<int>(carrera.size()) - 4;
  int familia_fp = 0;  // first family line of FP
  while (familia_fp < static_cast<int>(fp.size()) &&
         fp[static_cast<std::size_t>(familia_fp)][0] != '-') {
    ++familia_fp;
  }
  ASSERT_LT(familia_fp, static_cast<int>(fp.size()));
  // A family of FP2 with fewer than nine titles, and how many it has.
  int fam = 0, titulos = 0, corta = 0, titulos_corta = 0;
  for (std::size_t i = 0; i <= fp2.size(); ++i) {
    if (i == fp2.size() || fp2[i][0] == '-') {
      if (fam > 0 && fam <= 30 && corta == 0 && titulos < 9) {
        corta = fam;
        titulos_corta = titulos;
      }
      ++fam;
      titulos = 0;
    } else {
      ++titulos;
    }
  }
  ASSERT_GT(corta, 0);
  const char letra = corta < 10 ? static_cast<char>('0' + corta) : static_cast<char>('A' + corta - 10);
  const std::string sobra = std::string(1, letra) + static_cast<char>('1' + titulos_corta);
  const int familias_fp2 = fam - 1;
  ASSERT_LT(familias_fp2, 61);
  // A family that only one statement proposes: that statement moved to
  // family 1 leaves it out of the questionnaire.
  const auto cuesgm = Lineas(Leer(carpeta_ / "CUESGM"));
  std::map<int, std::vector<int>> frases_de;
  for (std::size_t i = 11; i < cuesgm.size(); ++i) {
    frases_de[columnas::FamiliaRespuestaGM(cuesgm[i][0])].push_back(static_cast<int>(i) + 1);
  }
  int sola = 0;
  for (const auto& [f, frases] : frases_de) {
    if (f > 1 && frases.size() == 1) sola = f;
  }
  ASSERT_GT(sola, 0);
  const int frase_sola = frases_de[sola].front();
  int linea_sola = 0;
  for (std::size_t i = 0, k = 0; i < fp2.size(); ++i) {
    if (fp2[i][0] == '-' && ++k == static_cast<std::size_t>(sola)) linea_sola = static_cast<int>(i) + 1;
  }

  const auto tres = [](int n) {
    std::string t = std::to_string(n);
    return std::string(t.size() < 3 ? 3 - t.size() : 0, '0') + t;
  };
  const std::string fp_familia = "S" + tres(familia_fp + 1);
  const std::string trasera = "C" + tres(carreras + 1);

  const auto primera = [](const std::string& nombre, char c) {
    const auto l = Lineas(Leer(carpeta_ / nombre));
    for (std::size_t i = 0; i < l.size(); ++i) {
      if (!l[i].empty() && l[i][0] == c) return static_cast<int>(i) + 1;
    }
    return 0;
  };
  const int comarca = primera("LU4", '5');
  const int zona = primera("LU2", '8');
  ASSERT_GT(comarca, 0);
  ASSERT_GT(zona, 0);

  using columnas::kTituloArtesFP;
  using columnas::kTituloArtesFP2;
  const std::string artes_fp = std::to_string(kTituloArtesFP);
  const std::string artes_fp2 = std::to_string(kTituloArtesFP2);
  const std::string artes = "el catálogo de títulos enseña la línea ";

  const Fallo fallos[] = {
      {"la fila de artes de FP en una familia", "FP",
       [](std::string& b) { CambiarLinea(b, kTituloArtesFP, "-Artes"); },
       "FP:" + artes_fp + ": es la familia \"Artes\", y " + artes + artes_fp +
           " como los ciclos de artes (familia 5)"},
      {"la fila de artes de FP2 vacía", "FP2",
       [](std::string& b) { CambiarLinea(b, kTituloArtesFP2, ""); },
       "FP2:" + artes_fp2 + ": es una línea vacía, y " + artes + artes_fp2},
      {"FP sin la fila de artes", "FP", [](std::string& b) { Cortar(b, kTituloArtesFP - 1); },
       "FP: tiene " + std::to_string(kTituloArtesFP - 1) + " líneas, y " + artes + artes_fp},
      {"familia 0 en CUESGM", "CUESGM", [](std::string& b) { Poner(b, 12, 1, "0T"); },
       "CUESGM:12: código \"0T\": la familia 0 no está en FP2"},
      {"familia que no es un código", "CUESGM", [](std::string& b) { Poner(b, 12, 1, "#T"); },
       "CUESGM:12: código \"#T\": la familia va de 0-9, A-Z o a-z"},
      {"familia z, más allá de FP2", "CUESGM", [](std::string& b) { Poner(b, 12, 1, "zT"); },
       "CUESGM:12: código \"zT\": la familia 61 no está en FP2 (" + std::to_string(familias_fp2) +
           " familias)"},
      {"familia que ninguna frase propone", "CUESGM",
       [&](std::string& b) { Poner(b, frase_sola, 1, "1T"); },
       "CUESGM: la familia " + std::to_string(sola) + " de FP2 (línea " + std::to_string(linea_sola) +
           ", "},
      {"ciclo que la familia no tiene", "CUESGM", [&](std::string& b) { Poner(b, 13, 1, sobra); },
       ("CUESGM:13: código \"" + sobra + "\": la familia " + std::to_string(corta))},
      {"segundo carácter X", "CUESGM", [](std::string& b) { Poner(b, 12, 2, "X"); },
       "CUESGM:12: código"},
      {"área con letra", "CUESGM", [](std::string& b) { Poner(b, 14, 3, "x"); },
       "CUESGM:14: columna 3: el área principal debe ser una cifra"},
      {"actividad de profesión que no existe", "profesio",
       [](std::string& b) { Poner(b, 1, 1, "ZZZZ"); },
       "profesio:1: columnas 1-4: la actividad \"ZZZZ\" no está en ACTIVIDA"},
      {"estudio en una línea final de CARRERA", "profesio",
       [&](std::string& b) { Poner(b, 2, 57, trasera); },
       ("profesio:2: columnas 57-60: " + trasera + ": " + std::to_string(carreras + 1) +
        " es una de las cuatro últimas líneas de CARRERA")
           },
      {"estudio fuera de OTROS", "profesio", [](std::string& b) { Poner(b, 3, 61, "O999"); },
       "profesio:3: columnas 61-64: O999: 999 fuera de OTROS"},
      {"estudio que es familia de FP", "profesio",
       [&](std::string& b) { Poner(b, 4, 57, fp_familia); },
       ("profesio:4: columnas 57-60: " + fp_familia + ": " +
        std::to_string(familia_fp + 1) + " es una familia de FP")
           },
      {"estudio tras el final", "profesio", [](std::string& b) { Poner(b, 5, 57, "X000    C001"); },
       "profesio:5: columnas 65-68: \"C001\" después del final de la lista"},
      {"estudios de una letra separados", "profesio",
       [](std::string& b) { Poner(b, 7, 57, "C010S080C045"); },
       "profesio:7: columnas 65-68: C045: los estudios C van seguidos"},
      {"frase corta fuera", "profesio", [](std::string& b) { Poner(b, 6, 51, "999"); },
       "profesio:6: columnas 51-53: frase 999 fuera de FRACORTAS"},
      {"actividad de frase larga", "FRALARGAS", [](std::string& b) { Poner(b, 1, 121, "QQQQ"); },
       "FRALARGAS:1: columnas 121-124: la actividad \"QQQQ\" no está en ACTIVIDA"},
      {"frase corta sin actividad A", "FRACORTAS", [](std::string& b) { Poner(b, 2, 1, "    "); },
       "FRACORTAS:2: columnas 1-4: falta la actividad"},
      {"frase corta más ancha", "FRACORTAS", [](std::string& b) { Poner(b, 3, 71, "x"); },
       "FRACORTAS:3: texto después de la columna 70"},
      {"actividad 31", "ACTIVIDA",
       [](std::string& b) {
         for (char c = 'a'; Lineas(b).size() < 31; ++c) {
           b += std::string(4, c);
           b += " nueva\r\n";
         }
       },
       "ACTIVIDA:31: pasa de las 30 líneas"},
      {"área corta sin preguntas de la primera parte", "datitine",
       [](std::string& b) { Entrada(b, 1, 15, {36}); },
       "datitine:15: registro 1, área 15: ninguna pregunta de la primera parte"},
      {"pregunta fuera de CUESTION", "datitine", [](std::string& b) { Entrada(b, 1, 2, {250}); },
       "datitine:2: registro 1, área 2: pregunta 250 fuera de CUESTION"},
      {"título fuera de TITULOS", "datitine", [](std::string& b) { Entrada(b, 2, 3, {250}); },
       "datitine:3: registro 2, área 3: título 250 fuera de TITULOS"},
      {"títulos de un área que no se lee", "datitine", [](std::string& b) { Entrada(b, 2, 14, {1}); },
       "datitine:14: registro 2, área 14: tiene datos, pero solo se leen las áreas 1..13"},
      {"datitine cortado", "datitine", [](std::string& b) { b.pop_back(); },
       "datitine: mide 6059 bytes; debe medir 6060"},
      {"familia que no existe", "indices", [](std::string& b) { Poner(b, 1, 1, "@"); },
       "indices:1: columnas 1-2: la familia \"@\" no está en familias"},
      {"familia de una línea final de CARRERA", "indices",
       [&](std::string& b) { Poner(b, carreras + 1, 1, "T"); },
       ("indices:" + std::to_string(carreras + 1) + ": columnas 1-2: hay familia, pero la línea " +
        std::to_string(carreras + 1) + " de CARRERA no es una carrera")
           },
      {"familia de una familia de FP", "indices",
       [&](std::string& b) { Poner(b, familia_fp + 1, 3, "T"); },
       ("indices:" + std::to_string(familia_fp + 1) + ": columnas 3-4: hay familia")},
      {"provincia de otro grupo", "LU1", [](std::string& b) { Poner(b, 1, 1, "Z"); },
       "LU1:1: columna 1: \"Z\" no es una provincia de LU1"},
      {"programa fuera de fpip", "LU2", [](std::string& b) { Poner(b, 3, 56, "99"); },
       "LU2:3: columnas 56-57: programa 99 fuera de fpip"},
      {"programa que es un encabezado", "LU3", [](std::string& b) { Poner(b, 1, 56, "01"); },
       "LU3:1: columnas 56-57: programa 1 es un encabezado de fpip"},
      {"comarca que no existe", "LU4", [&](std::string& b) { Poner(b, comarca, 45, "#"); },
       "LU4:" + std::to_string(comarca) + ": columnas 1 y 45: el código \"5#\" no es el de ninguna comarca"},
      {"zona que no existe", "LU2", [&](std::string& b) { Poner(b, zona, 45, "#"); },
       "LU2:" + std::to_string(zona) + ": columnas 1 y 45: el código \"8#\" no es el del primer municipio"},
      {"programa con letra", "LU4", [](std::string& b) { Poner(b, 1, 56, "x1"); },
       "LU4:1: columnas 56-57: \"x1\" no es un número de programa"},
  };
  for (const auto& f : fallos) Plantar(f);
}

}  // namespace
}  // namespace sendaro::datos
