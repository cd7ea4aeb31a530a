// sendaro-datos comprobar on the compiled sample and on copies with one
// planted fault each: every fault is reported with file and line, and a
// broken file never stops the other checks.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

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

// The sample compiled once (without pictures) into a temporary folder.
class Muestra : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    carpeta_ = fs::temp_directory_path() / ("sendaro-comprobar-" + std::to_string(::getpid()));
    fs::remove_all(carpeta_);
    std::vector<std::string> avisos;
    problemas_compilar_ = Compilar({SENDARO_FUENTES_INSTALACION, carpeta_, {}}, avisos);
  }
  static void TearDownTestSuite() { fs::remove_all(carpeta_); }

  static fs::path carpeta_;
  static std::vector<Problema> problemas_compilar_;
};
fs::path Muestra::carpeta_;
std::vector<Problema> Muestra::problemas_compilar_;

std::string Todos(const std::vector<Problema>& problemas) {
  std::string t;
  for (const auto& p : problemas) t += p.Texto() + "\n";
  return t;
}

TEST_F(Muestra, LaMuestraCompilaSinProblemasYSusReferenciasEstanBien) {
  EXPECT_TRUE(problemas_compilar_.empty()) << Todos(problemas_compilar_);
  const auto problemas = ComprobarReferencias(carpeta_);
  EXPECT_TRUE(problemas.empty()) << Todos(problemas);
}

// Byte k of row `fila` of record `registro` of a 200 x 101 record file.
std::size_t Pos(int registro, int fila, int k) {
  return static_cast<std::size_t>((registro - 1) * 20200 + (fila - 1) * 101 + k);
}

struct Fallo {
  const char* que;
  const char* fichero;
  std::function<void(std::string&)> cambio;
  const char* esperado;  // a problem line that must appear
};

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
      {"COMUINT sin dirección", "COMUINT",
       [](std::string& b) { b.replace(14, b.find("\r\n") - 14, ""); },
       "COMUINT:1: columna 15: falta la dirección"},
  };
  for (const auto& f : fallos) {
    const fs::path copia = carpeta_.string() + "-copia";
    fs::remove_all(copia);
    fs::copy(carpeta_, copia, fs::copy_options::recursive);
    std::string bytes = Leer(copia / f.fichero);
    ASSERT_FALSE(bytes.empty()) << f.que;
    f.cambio(bytes);
    Escribir(copia / f.fichero, bytes);
    int comprobados = 0;
    const auto problemas = Comprobar(copia, comprobados);
    const std::string todos = Todos(problemas);
    EXPECT_NE(("\n" + todos).find(std::string("\n") + f.esperado), std::string::npos) << f.que << ":\n"
                                                                             << todos;
    fs::remove_all(copia);
  }
}

}  // namespace
}  // namespace sendaro::datos
