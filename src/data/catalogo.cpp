#include "data/catalogo.h"

#include "data/texto.h"

namespace sendaro {
namespace {

// Slot lengths by line range. Lines 341-345 hold the program's own fixed
// captions.
struct TramoHuecos {
  int desde;
  int hasta;
  int longitud;
};

constexpr TramoHuecos kTramos[] = {
    {1, 1, 40},     {2, 2, 6},      {3, 4, 25},     {5, 5, 22},     {6, 6, 10},     {7, 7, 11},
    {8, 10, 10},    {11, 11, 11},   {12, 12, 10},   {13, 13, 11},   {14, 18, 32},   {19, 19, 10},
    {20, 20, 20},   {21, 28, 40},   {29, 29, 32},   {30, 30, 30},   {31, 31, 10},   {32, 32, 40},
    {33, 33, 15},   {34, 34, 18},   {35, 35, 30},   {36, 38, 18},   {39, 39, 30},   {40, 41, 18},
    {42, 42, 40},   {43, 46, 18},   {47, 47, 25},   {48, 48, 18},   {49, 49, 25},   {50, 50, 18},
    {51, 51, 15},   {52, 52, 18},   {53, 53, 30},   {54, 54, 18},   {55, 55, 6},    {56, 66, 40},
    {67, 67, 30},   {68, 74, 40},   {75, 75, 25},   {76, 76, 50},   {77, 77, 55},   {78, 78, 20},
    {79, 89, 40},   {90, 90, 10},   {91, 91, 50},   {92, 97, 15},   {98, 98, 20},   {99, 102, 15},
    {103, 103, 25}, {104, 110, 15}, {111, 111, 25}, {112, 112, 15}, {113, 113, 20}, {114, 121, 15},
    {122, 122, 20}, {123, 123, 15}, {124, 124, 30}, {125, 125, 40}, {126, 141, 15}, {142, 145, 45},
    {146, 152, 50}, {153, 153, 40}, {154, 162, 20}, {163, 163, 75}, {164, 165, 45}, {166, 167, 60},
    {168, 174, 45}, {175, 175, 10}, {176, 177, 45}, {178, 178, 50}, {179, 187, 25}, {188, 188, 2},
    {189, 189, 75}, {190, 190, 15}, {191, 199, 25}, {200, 200, 30}, {201, 202, 55}, {203, 221, 25},
    {222, 222, 10}, {223, 223, 30}, {224, 224, 45}, {225, 228, 70}, {229, 229, 30}, {230, 231, 40},
    {232, 239, 70}, {240, 240, 45}, {241, 241, 15}, {242, 242, 25}, {243, 244, 40}, {245, 251, 25},
    {252, 252, 8},  {253, 254, 35}, {255, 265, 25}, {266, 266, 30}, {267, 268, 25}, {269, 270, 50},
    {271, 271, 30}, {272, 272, 40}, {273, 274, 35}, {275, 276, 15}, {277, 277, 20}, {278, 281, 15},
    {282, 282, 25}, {283, 283, 35}, {284, 284, 15}, {285, 287, 30}, {288, 288, 35}, {289, 294, 30},
    {295, 295, 40}, {296, 297, 30}, {298, 298, 10}, {299, 303, 30}, {304, 304, 10}, {305, 307, 30},
    {308, 308, 10}, {309, 336, 30}, {337, 337, 35}, {338, 340, 40}, {341, 343, 40}, {344, 345, 20}, {346, 465, 30}, {466, 479, 22},
    {480, 483, 29}, {484, 484, 33}, {485, 486, 22}, {487, 487, 40}, {488, 488, 30}, {489, 491, 22},
    {492, 492, 27}, {493, 493, 35}, {494, 498, 22}, {499, 499, 27}, {500, 500, 35}, {501, 501, 15},
    {502, 502, 30}, {503, 503, 20}, {504, 510, 22}, {511, 511, 15}, {512, 514, 10}, {515, 519, 35},
    {520, 521, 22}, {522, 522, 10}, {523, 523, 35}, {524, 528, 25}, {529, 532, 40}, {533, 535, 20},
    {536, 536, 10}, {537, 538, 15}, {539, 549, 70}, {550, 551, 15}, {552, 552, 45}, {553, 553, 25},
    {554, 554, 10}, {555, 555, 22}, {556, 556, 40}, {557, 557, 25}, {558, 561, 30}, {562, 575, 35},
    {576, 576, 20}, {577, 577, 40}, {578, 578, 30}, {579, 579, 25}, {580, 580, 35}, {581, 582, 25},
    {583, 583, 12}, {584, 584, 30}, {585, 585, 50}, {586, 586, 22}, {587, 588, 15}, {589, 589, 25},
    {590, 591, 10}, {592, 592, 22}, {593, 593, 20}, {594, 594, 30}, {595, 595, 50}, {596, 596, 45},
    {597, 597, 35}, {598, 600, 15}, {601, 601, 35}, {602, 602, 50}, {603, 621, 25}, {622, 623, 20},
    {624, 624, 25}, {625, 626, 20}, {627, 628, 25}, {629, 629, 35}, {630, 630, 40}, {631, 631, 35},
    {632, 639, 65}, {640, 641, 30}, {642, 650, 65}, {651, 652, 30}, {653, 659, 15}, {660, 660, 40},
    {661, 663, 25}, {664, 669, 10}, {670, 670, 2},  {671, 671, 12}, {672, 672, 25}, {673, 674, 40},
    {675, 677, 15}, {678, 900, 75}};

}  // namespace

int AnalizarTextos(std::string_view bytes, std::string_view nombre, TablaLinea& lineas) {
  const int anterior = lineas.Cuenta();
  lineas.Fijar(0, nombre);
  int cuenta = 0;
  for (const std::string_view linea : DividirLineas(bytes)) {
    if (cuenta >= lineas.Capacidad()) break;
    ++cuenta;
    lineas.Fijar(cuenta, Cortar(RecortarDerecha(linea), kLongitudLineaTextos));
  }
  for (int n = cuenta + 1; n <= anterior; ++n) lineas.Fijar(n, "");
  lineas.FijarCuenta(cuenta);
  return cuenta;
}

int LeerTextos(Entorno& entorno, std::string_view nombre, TablaLinea& lineas) {
  const auto bytes = AbrirFicheroTexto(entorno, nombre);
  if (!bytes) return lineas.Cuenta();
  return AnalizarTextos(*bytes, nombre, lineas);
}

bool CatalogoTextos::Leer(Entorno& entorno) {
  TablaLinea lineas(kLongitudLineaTextos);
  const std::string nombre = entorno.instalacion.NombreConIdioma("textos");
  const auto bytes = AbrirFicheroTexto(entorno, nombre);
  if (!bytes) return false;
  const int cuenta = AnalizarTextos(*bytes, nombre, lineas);
  // A catalogue without all its lines (a file cut short at a line end)
  // would leave captions empty: it is as good as missing.
  if (cuenta < kLineasObligatorias) {
    entorno.Avisar(MensajeFaltanFicheros(nombre));
    entorno.FalloGrave = true;
    return false;
  }
  std::vector<std::string> crudas;
  crudas.reserve(static_cast<std::size_t>(cuenta));
  for (int n = 1; n <= cuenta; ++n) crudas.push_back(lineas.Linea(n));
  Rellenar(crudas);
  return true;
}

const std::string& CatalogoTextos::Texto(int n) const {
  static const std::string vacio;
  if (n < 1 || n > kUltimaLinea) return vacio;
  return huecos_[static_cast<std::size_t>(n)];
}

int CatalogoTextos::LongitudHueco(int n) {
  for (const auto& tramo : kTramos) {
    if (n >= tramo.desde && n <= tramo.hasta) return tramo.longitud;
  }
  return 0;
}

void CatalogoTextos::Rellenar(const std::vector<std::string>& lineas) {
  for (int n = 1; n <= kUltimaLinea; ++n) {
    const auto indice = static_cast<std::size_t>(n - 1);
    const std::string_view linea =
        indice < lineas.size() ? std::string_view(lineas[indice]) : std::string_view();
    huecos_[static_cast<std::size_t>(n)].assign(Cortar(linea, LongitudHueco(n)));
  }
}

}  // namespace sendaro
