// A language folder checked against the Spanish files: the structure and the
// code columns stay, widths hold, and a Spanish sentence left in a translated
// file is named, while a file still copied from Spanish is only a note.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "traducciones.h"

namespace fs = std::filesystem;

namespace sendaro::datos {
namespace {

// Windows-1252 CR LF file from UTF-8 lines.
std::string Fichero(const std::vector<std::string>& lineas) {
  std::string b;
  for (const auto& l : lineas) b += Utf8ACp1252(l).texto + "\r\n";
  return b;
}

void Escribir(const fs::path& ruta, const std::string& bytes) {
  fs::create_directories(ruta.parent_path());
  std::ofstream(ruta, std::ios::binary | std::ios::trunc) << bytes;
}

std::string Todos(const std::vector<Problema>& problemas) {
  std::string t;
  for (const auto& p : problemas) t += p.Texto() + "\n";
  return t;
}

const std::vector<std::string> kCuestion = {
    "44¿Estudias cada día, aunque no tengas examen?",
    "34¿Haces los deberes sin que nadie te lo recuerde?",
    "",
    "53¿Cómo te van las notas este curso?",
};
const std::vector<std::string> kCuestionCa = {
    "44Estudies cada dia, encara que no tinguis examen?",
    "34Fas els deures sense que ningú t'ho recordi?",
    "",
    "53Com et van les notes aquest curs?",
};
const std::vector<std::string> kFraCortas = {
    "SA01 SA02 cuidar a enfermos en un hospital",
    "ED01      Piano",
};
const std::vector<std::string> kArtes = {
    "Técnico Superior de Artes Plásticas y Diseño",
    "f1",
    "  Cerámica artística",
    "",
    " 8Esc. de Arte de León  987000482       030411",
    " 8Esc. Castilla y León  987000483       0304",
};
const std::vector<std::string> kArtesCa = {
    "Tècnic Superior d'Arts Plàstiques i Disseny",
    "f1",
    "  Ceràmica artística",
    "",
    " 8Esc. de Arte de León  987000482       030411",
    " 8Esc. Castilla y León  987000483       0304",
};

struct Caso {
  const char* que;
  const char* fichero;
  std::vector<std::string> traduccion;  // of catVal/<fichero>
  std::vector<std::string> nombres;     // catVal/nombres (empty: none)
  std::string esperado;                 // problems, one per line
};

std::vector<std::string> Con(std::vector<std::string> v, std::size_t i, const std::string& l) {
  v[i] = l;
  return v;
}

TEST(Traducciones, CadaFalloSeNombraConFicheroYLinea) {
  const Caso casos[] = {
      {"traducción bien hecha", "CUESTION", kCuestionCa, {}, ""},
      {"una frase sin traducir", "CUESTION", Con(kCuestionCa, 1, kCuestion[1]), {},
       "catVal/CUESTION:2: sin traducir: \"¿Haces los deberes sin que nadie te lo recuerde?\"\n"},
      {"código cambiado", "CUESTION", Con(kCuestionCa, 0, "45Estudies cada dia?"), {},
       "catVal/CUESTION:1: columnas 1-2: \"45\"; en castellano son \"44\" (son códigos)\n"},
      {"más ancha que el fichero", "CUESTION",
       Con(kCuestionCa, 3, "53Com et van les notes d'aquest curs, a totes les matèries?"), {},
       "catVal/CUESTION:4: línea de 59 caracteres; el programa lee 50\n"},
      {"una línea de menos", "CUESTION", {kCuestionCa[0], kCuestionCa[1], kCuestionCa[3]}, {},
       "catVal/CUESTION: tiene 3 líneas; el fichero en castellano tiene 4\n"},
      {"la línea vacía se llena", "CUESTION", Con(kCuestionCa, 2, "34Llegeixes?"), {},
       "catVal/CUESTION:3: línea con texto donde el castellano tiene una vacía\n"},
      {"frase que se come los códigos de la derecha", "FRACORTAS",
       {"SA01 SA02 tenir cura dels malalts en un hospital", "ED01 Piano"}, {},
       "catVal/FRACORTAS:2: columnas 1-10: \"ED01 Piano\"; en castellano son \"ED01\" "
       "(son códigos)\n"},
      {"una palabra igual no es una frase", "FRACORTAS",
       {"SA01 SA02 tenir cura dels malalts en un hospital", "ED01      Piano"}, {}, ""},
      {"nombres de centros sin la lista de nombres", "artesplas", kArtesCa, {},
       "catVal/artesplas:6: sin traducir: \"Esc. Castilla y León\"\n"},
      {"nombres de centros con la lista de nombres", "artesplas", kArtesCa, {"Castilla y León"}, ""},
      {"teléfono cambiado en un centro", "artesplas",
       Con(kArtesCa, 4, " 8Esc. de Arte de León  987000499       030411"), {"Castilla y León"},
       "catVal/artesplas:5: columnas 25-50: \"987000499       030411\"; en castellano son "
       "\"987000482       030411\" (son códigos)\n"},
  };
  const fs::path carpeta =
      fs::temp_directory_path() / ("sendaro-traducciones-" + std::to_string(::getpid()));
  for (const auto& c : casos) {
    fs::remove_all(carpeta);
    const std::string fichero = c.fichero;
    const auto& es = fichero == "CUESTION" ? kCuestion : fichero == "FRACORTAS" ? kFraCortas : kArtes;
    Escribir(carpeta / fichero, Fichero(es));
    Escribir(carpeta / "catVal" / fichero, Fichero(c.traduccion));
    if (!c.nombres.empty()) Escribir(carpeta / "catVal" / "nombres", Fichero(c.nombres));
    std::vector<std::string> avisos;
    EXPECT_EQ(Todos(ComprobarTraducciones(carpeta, avisos)), c.esperado) << c.que;
  }
  fs::remove_all(carpeta);
}

TEST(Traducciones, UnaCopiaDelCastellanoEsUnAvisoYNoUnFallo) {
  const fs::path carpeta =
      fs::temp_directory_path() / ("sendaro-traducciones-copia-" + std::to_string(::getpid()));
  fs::remove_all(carpeta);
  for (const char* f : {"CUESTION", "FRACORTAS"}) {
    const auto& es = std::string(f) == "CUESTION" ? kCuestion : kFraCortas;
    Escribir(carpeta / f, Fichero(es));
    for (const char* idioma : {"catVal", "galego", "euskera"}) Escribir(carpeta / idioma / f, Fichero(es));
  }
  // Galician has translated one file, with one line kept as in Spanish.
  Escribir(carpeta / "galego" / "FRACORTAS",
           Fichero({"SA01 SA02 coidar enfermos nun hospital", "ED01      Piano"}));
  std::vector<std::string> avisos;
  EXPECT_EQ(Todos(ComprobarTraducciones(carpeta, avisos)), "");
  const std::vector<std::string> esperados = {
      "catVal: 2 ficheros sin traducir todavía (copia del castellano): CUESTION, FRACORTAS",
      "galego/FRACORTAS: 1 de 2 líneas de texto iguales al castellano",
      "galego: 1 ficheros sin traducir todavía (copia del castellano): CUESTION",
      "euskera: 2 ficheros sin traducir todavía (copia del castellano): CUESTION, FRACORTAS",
  };
  EXPECT_EQ(avisos, esperados);
  fs::remove_all(carpeta);
}

// Subject lists may word a block in other lines; a line still as in its
// Spanish block is named when it is a sentence, not when it is a name.
TEST(Traducciones, EnLasListasDeAsignaturasSeNombraLaLineaQueSigueEnCastellano) {
  const fs::path carpeta =
      fs::temp_directory_path() / ("sendaro-traducciones-bloques-" + std::to_string(::getpid()));
  fs::remove_all(carpeta);
  const auto bloque = [](std::vector<std::string> lineas) {
    lineas.resize(51);  // asignaot blocks
    return lineas;
  };
  Escribir(carpeta / "asignaot",
           Fichero(bloque({"Diseño", "Lengua y literatura", "Técnicas y procesos", "Photoshop"})));
  Escribir(carpeta / "catVal" / "asignaot",
           Fichero(bloque({"Diseño", "Llengua i literatura", "Técnicas y procesos", "Photoshop"})));
  Escribir(carpeta / "galego" / "asignaot",
           Fichero(bloque({"Deseño", "- Lengua y literatura", "Técnicas e procesos", "Photoshop"})));
  std::vector<std::string> avisos;
  EXPECT_EQ(Todos(ComprobarTraducciones(carpeta, avisos)),
            "catVal/asignaot:3: sin traducir: \"Técnicas y procesos\"\n"
            "galego/asignaot:2: sin traducir: \"Lengua y literatura\"\n");
  EXPECT_TRUE(avisos.empty());
  fs::remove_all(carpeta);
}

// Words Spanish shares with a language do not give a sentence away in it.
TEST(Traducciones, LasPalabrasDelatorasDependenDelIdioma) {
  struct Frase {
    const char* idioma;
    const char* texto;
    bool sin_traducir;
  };
  const Frase frases[] = {
      {"catVal", "Física y Química", true},       {"catVal", "Medicina", false},
      {"catVal", "Escola d'Art de la Llotja", false}, {"galego", "con el tiempo", true},
      {"galego", "Técnico en Cociña", false},      {"euskera", "Técnico en Cocina", true},
      {"euskera", "Esc. de Arte de Cádiz", false},
  };
  for (const auto& f : frases) {
    EXPECT_EQ(FraseSinTraducir(f.idioma, Utf8ACp1252(f.texto).texto, {}), f.sin_traducir)
        << f.idioma << ": " << f.texto;
  }
}

}  // namespace
}  // namespace sendaro::datos
