#include "data/alfabeto.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace sendaro {
namespace {

// The three weights of one byte: the letter (0: not counted), the accent
// and the case.
struct Peso {
  std::uint16_t letra = 0;
  std::uint8_t acento = 0;
  std::uint8_t mayuscula = 0;
};

constexpr std::uint16_t kPrimeraLetra = 0x100;
constexpr std::uint16_t kTrasLasLetras = 0x200;
constexpr std::uint16_t kOtrosSignos = 0x300;

constexpr std::uint16_t Letra(char base, bool propia = false) {
  return static_cast<std::uint16_t>(kPrimeraLetra + 2 * (base - 'a') + (propia ? 1 : 0));
}

// The base letter of each Windows-1252 byte from 0xC0 on (upper and lower
// case share a row: 0xE0 + k is the lower case of 0xC0 + k); 0: not a letter.
constexpr char kBaseAlta[32] = {'a', 'a', 'a', 'a', 'a', 'a', 'a', 'c', 'e', 'e', 'e',
                                'e', 'i', 'i', 'i', 'i', 'd', 'n', 'o', 'o', 'o', 'o',
                                'o', 0,   'o', 'u', 'u', 'u', 'u', 'y', 't', 's'};

constexpr std::array<Peso, 256> Tabla() {
  std::array<Peso, 256> t{};
  for (int b = 0; b < 256; ++b) {
    Peso& p = t[static_cast<std::size_t>(b)];
    if (b >= 'a' && b <= 'z') {
      p.letra = Letra(static_cast<char>(b));
    } else if (b >= 'A' && b <= 'Z') {
      p.letra = Letra(static_cast<char>(b - 'A' + 'a'));
      p.mayuscula = 1;
    } else if (b < '{') {
      p.letra = static_cast<std::uint16_t>(b);
    } else if (b <= '~') {
      p.letra = static_cast<std::uint16_t>(kTrasLasLetras + b);
    } else if (b >= 0xC0 && kBaseAlta[b & 0x1F] != 0 && b != 0xF7) {
      const char base = kBaseAlta[b & 0x1F];
      const bool propia = base == 'c' || base == 'n';  // ç, ñ
      p.letra = Letra(base, propia);
      p.acento = propia ? 0 : static_cast<std::uint8_t>(1 + (b & 0x1F));
      p.mayuscula = b < 0xE0 && b != 0xDF ? 1 : 0;
    } else {
      p.letra = static_cast<std::uint16_t>(kOtrosSignos + b);
    }
  }
  // ß is "ss"-like: an s; ÿ is a y. Š Œ Ž Ÿ and their lower cases.
  t[0xDF] = {Letra('s'), 1, 0};
  t[0xFF] = {Letra('y'), 2, 0};
  t[0x8A] = {Letra('s'), 3, 1};
  t[0x9A] = {Letra('s'), 3, 0};
  t[0x8C] = {Letra('o'), 40, 1};
  t[0x9C] = {Letra('o'), 40, 0};
  t[0x8E] = {Letra('z'), 3, 1};
  t[0x9E] = {Letra('z'), 3, 0};
  t[0x9F] = {Letra('y'), 2, 1};
  t[0xB7] = {0, 0, 0};  // the middle dot of "l·l"
  return t;
}

constexpr std::array<Peso, 256> kPesos = Tabla();

const Peso& PesoDe(char c) { return kPesos[static_cast<unsigned char>(c)]; }

// Compares the two names on one weight, skipping the bytes not counted.
template <typename Campo>
int CompararNivel(std::string_view a, std::string_view b, Campo campo) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (true) {
    while (i < a.size() && PesoDe(a[i]).letra == 0) ++i;
    while (j < b.size() && PesoDe(b[j]).letra == 0) ++j;
    if (i == a.size() || j == b.size()) {
      return (i == a.size() ? 0 : 1) - (j == b.size() ? 0 : 1);
    }
    const int x = campo(PesoDe(a[i]));
    const int y = campo(PesoDe(b[j]));
    if (x != y) return x < y ? -1 : 1;
    ++i;
    ++j;
  }
}

}  // namespace

int CompararAlfabetico(std::string_view a, std::string_view b) {
  if (const int r = CompararNivel(a, b, [](const Peso& p) { return int{p.letra}; })) return r;
  if (const int r = CompararNivel(a, b, [](const Peso& p) { return int{p.acento}; })) return r;
  if (const int r = CompararNivel(a, b, [](const Peso& p) { return int{p.mayuscula}; })) return r;
  const auto sin_signo = [](char x, char y) {
    return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), sin_signo)) return -1;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), sin_signo)) return 1;
  return 0;
}

}  // namespace sendaro
