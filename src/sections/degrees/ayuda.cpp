#include "sections/degrees/ayuda.h"

#include <map>

namespace sendaro {

namespace {

LineasAyuda Seguidas(int desde) {
  LineasAyuda l{};
  for (int i = 0; i < 8; ++i) l[static_cast<std::size_t>(i)] = desde + i;
  return l;
}

const std::map<int, LineasAyuda>& Temas() {
  static const std::map<int, LineasAyuda> temas = {
      {1, {0, 0, 346, 347, 348, 0, 0, 0}},
      {2, {0, 0, 181, 182, 183, 184, 0, 0}},
      {3, {0, 349, 350, 351, 352, 353, 354, 0}},
      {4, {355, 357, 358, 359, 360, 361, 362, 363}},
      {5, {356, 357, 358, 359, 360, 361, 362, 363}},
      {6, Seguidas(364)},
      {7, {372, 373, 0, 0, 374, 375, 376, 377}},
      {8, {378, 379, 380, 381, 382, 383, 384, 0}},
      {9, {385, 386, 387, 388, 389, 390, 391, 0}},
      {10, {0, 603, 604, 605, 606, 0, 0, 0}},
      {11, Seguidas(607)},
      {12, Seguidas(392)},
      {13, {615, 616, 617, 618, 619, 620, 621, 0}},
      {14, {0, 0, 400, 401, 402, 403, 0, 0}},
      {15, {0, 404, 405, 406, 407, 408, 409, 0}},
      {17, {0, 410, 411, 412, 413, 0, 0, 0}},
      {18, {0, 0, 415, 416, 417, 0, 0, 0}},
      {19, {22, 23, 24, 25, 26, 27, 28, 0}},
      {20, {0, 0, 418, 419, 420, 421, 422, 0}},
      {21, {0, 423, 424, 425, 426, 427, 0, 0}},
      {23, {0, 0, 429, 430, 0, 0, 0, 0}},
      {30, {431, 432, 0, 0, 0, 0, 0, 0}},
      {31, {0, 433, 434, 435, 0, 0, 0, 0}},
      {32, {0, 436, 437, 438, 0, 439, 0, 0}},
      {33, {0, 440, 441, 0, 442, 443, 0, 0}},
  };
  return temas;
}

}  // namespace

std::optional<LineasAyuda> TemaAyuda(int tema) {
  const auto it = Temas().find(tema);
  if (it == Temas().end()) return std::nullopt;
  return it->second;
}

RevelarAyuda::Paso RevelarAyuda::Avanzar() {
  paso_ += 1;
  Paso p{paso_, paso_ >= kPasos};
  if (p.fin) paso_ = 0;
  return p;
}

}  // namespace sendaro
