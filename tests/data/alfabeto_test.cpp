// Alphabetical order of names in the four languages, on Windows-1252 bytes.
#include "data/alfabeto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace sendaro {
namespace {

struct Par {
  const char* antes;  // Windows-1252
  const char* despues;
  const char* por_que;
};

TEST(Alfabeto, CadaParEnSuOrden) {
  const Par pares[] = {
      {"\xC1mbito", "Arte", "accents do not count at first: ambito < arte"},
      {"\xD3ptica", "Zoolog\xED" "a", "an accented capital is not after Z"},
      {"cz", "\xE7" "a", "c-words, then the c with cedilla"},
      {"\xE7" "a", "da", "the c with cedilla before d"},
      {"nz", "\xF1u", "n-words, then the letter \xF1"},
      {"\xD1u", "oca", "\xF1 before o"},
      {"col\xB7legi", "colom", "l\xB7l sorts as ll"},
      {"collar", "col\xB7lecci\xF3", "ll-a before ll-e, the dot not counted"},
      {"Llotja", "Lorca", "ll is two l"},
      {"F\xEDsica", "F\xEDsica y Qu\xEDmica", "a shorter name that starts the other first"},
      {"2 Bachillerato", "Arte", "figures before letters"},
      {"Zoolog\xED" "a", "|Inform\xE1tica", "the second group of families after the first"},
      {"arte", "\xE1rte", "equal letters: unaccented first"},
      {"Arte", "\xE1rte", "the accent counts before the case"},
      {"arte", "Arte", "equal letters and accents: lower case first"},
      {"Educaci\xF3n F\xEDsica", "Educaci\xF3n Infantil", "word by word"},
      {"Ingenier\xED" "a", "Ingl\xE9s", "the accent of \xED ignored: ingenieria < ingles"},
  };
  for (const auto& p : pares) {
    EXPECT_LT(CompararAlfabetico(p.antes, p.despues), 0) << p.por_que;
    EXPECT_GT(CompararAlfabetico(p.despues, p.antes), 0) << p.por_que;
    EXPECT_TRUE(MenorAlfabetico(p.antes, p.despues)) << p.por_que;
  }
  EXPECT_EQ(CompararAlfabetico("Educaci\xF3", "Educaci\xF3"), 0);
  EXPECT_EQ(CompararAlfabetico("", ""), 0);
  EXPECT_LT(CompararAlfabetico("", "a"), 0);
}

TEST(Alfabeto, UnaListaDeFamiliasEnCatalan) {
  std::vector<std::string> familias = {
      "Sanitat", "Activitats F\xEDsiques i Esportives", "|Inform\xE0tica i Comunicacions",
      "\xC0rea de Comer\xE7", "Comer\xE7 i M\xE0rqueting", "Col\xB7lectius", "Energia i Aigua"};
  std::stable_sort(familias.begin(), familias.end(), MenorAlfabetico);
  const std::vector<std::string> esperadas = {
      "Activitats F\xEDsiques i Esportives", "\xC0rea de Comer\xE7", "Col\xB7lectius",
      "Comer\xE7 i M\xE0rqueting", "Energia i Aigua", "Sanitat", "|Inform\xE0tica i Comunicacions"};
  EXPECT_EQ(familias, esperadas);
}

}  // namespace
}  // namespace sendaro
