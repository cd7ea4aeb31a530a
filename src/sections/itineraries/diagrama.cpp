#include "sections/itineraries/diagrama.h"

#include <algorithm>

#include "data/texto.h"

namespace sendaro {

namespace {

enum Cub { kT0, kT1i, kT1d, kT2i, kT2C, kT2D, kT3i, kT3D, kT4i, kT4D };

// A caption part: a catalogue text, or a literal when texto is 0.
struct Parte {
  int texto = 0;
  const char* literal = "";
};

std::string Unir(const CatalogoTextos& c, std::initializer_list<Parte> partes) {
  std::string r;
  for (const Parte& p : partes) r += p.texto != 0 ? c.Texto(p.texto) : std::string(p.literal);
  return r;
}

// Lines of `codigo` only, characters 3-60 without trailing blanks.
void AnadirTema(const TablaLinea& informa, int codigo, std::vector<std::string>& lineas) {
  const std::string c = std::to_string(codigo);
  for (int i = 1; i <= informa.Cuenta(); ++i) {
    const std::string& l = informa.Linea(i);
    if (Columnas(l, 1, 2) == c) lineas.push_back(RecortarDerecha(Columnas(l, 3, 58)));
  }
}

}  // namespace

const std::vector<PiezaDiagrama>& CajasDiagrama() {
  static const std::vector<PiezaDiagrama> kCajas = {
      {"Shape6", {48, 576, 665, 33}},   {"Shape1", {48, 496, 345, 33}},
      {"Shape2", {392, 496, 153, 33}},  {"Shape3", {552, 496, 161, 33}},
      {"Shape4", {48, 416, 313, 33}},   {"Shape5", {360, 416, 121, 33}},
      {"Shape12", {488, 416, 225, 33}}, {"Shape7", {48, 304, 369, 65}},
      {"Shape8", {448, 304, 257, 65}},  {"Shape9", {8, 129, 249, 127}},
      {"Shape10", {296, 183, 329, 71}}, {"Shape11", {40, 54, 185, 33}},
  };
  return kCajas;
}

std::vector<EtiquetaDiagrama> EtiquetasDiagrama(const CatalogoTextos& c) {
  const std::string ex6 = c.Texto(537);
  const std::string ex7 = c.Texto(538);
  return {
      {"LabelG3", 328, 582, 19, Unir(c, {{0, "2\xBA "}, {2}})},
      {"LabelEx1", 153, 583, 13, ex6},
      {"LabelEx2", 500, 584, 13, ex7},
      {"LabelEx3", 196, 501, 19, Unir(c, {{0, "3\xBA "}, {2}})},
      {"LabelEx4", 413, 504, 16, c.Texto(555)},
      {"LabelEx5", 562, 502, 16, Unir(c, {{229}, {0, " 2 "}, {308}})},
      {"LabelEx6", 113, 503, 13, ex6},
      {"LabelEx7", 309, 503, 13, ex7},
      {"LabelEx11", 167, 421, 19, Unir(c, {{188}, {0, " "}, {2}})},
      {"LabelEx8", 372, 423, 13, Unir(c, {{188}, {0, " "}, {555}})},
      {"LabelEx9", 512, 423, 13, Unir(c, {{229}, {0, " 2\xBA "}, {175}})},
      {"LabelEx10", 609, 423, 13, Unir(c, {{229}, {0, " 1 "}, {175}})},
      {"LabelEx6r", 89, 423, 13, ex6},
      {"LabelEx7r", 293, 423, 13, ex7},
      {"LabelEx12", 158, 324, 19, c.Texto(88)},
      {"LabelEx13", 561, 326, 19, c.Texto(512)},
      {"LabelEx14", 644, 390, 13, Unir(c, {{0, "+"}, {536}})},
      {"LabelEx23", 526, 279, 13, Unir(c, {{0, "+"}, {536}})},
      {"LabelEx15", 69, 279, 13, c.Texto(111)},
      {"LabelEx16", 276, 279, 13, Unir(c, {{111}, {0, " "}, {140}})},
      {"LabelEx17", 337, 204, 19, c.Texto(513)},
      {"LabelEx19", 43, 187, 19, c.Texto(522)},
      {"LabelEx18", 561, 204, 16, c.Texto(92)},
      {"LabelEx21", 208, 190, 16, c.Texto(92)},
      {"LabelEx20", 119, 151, 16, Unir(c, {{0, "4 "}, {308}})},
      {"LabelEx22", 460, 204, 16, Unir(c, {{0, "2 "}, {308}})},
      {"LabelEx24", 101, 63, 16, c.Texto(675)},
      {"Label3", 2, 581, 19, "2\xBA"},
      {"Label1", 2, 501, 19, "3\xBA"},
      {"Label2", 2, 421, 19, "4\xBA"},
      {"Label6", 6, 385, 16, c.Texto(2), true},
      {"Label5", 13, 341, 13, c.Texto(677), true},
      {"Label4", 5, 285, 13, c.Texto(676), true},
  };
}

std::string TextoNotaDiagrama(const CatalogoTextos& c) { return Unir(c, {{672}, {0, " "}, {125}}); }

const std::array<PiezaDiagrama, kCubiertas>& CubiertasDiagrama() {
  static const std::array<PiezaDiagrama, kCubiertas> kCubiertasDiagrama = {{
      {"PanelT0", {48, 541, 673, 73}},
      {"PanelT1i", {47, 461, 346, 73}},
      {"PanelT1d", {393, 461, 327, 73}},
      {"PanelT2i", {48, 380, 313, 71}},
      {"PanelT2C", {360, 381, 129, 70}},
      {"PanelT2D", {488, 382, 231, 69}},
      {"PanelT3i", {48, 271, 401, 99}},
      {"PanelT3D", {448, 272, 273, 97}},
      {"PanelT4i", {8, 50, 257, 209}},
      {"PanelT4D", {265, 145, 385, 113}},
  }};
  return kCubiertasDiagrama;
}

const std::vector<FlechaDiagrama>& FlechasDiagrama() {
  static const std::vector<FlechaDiagrama> kFlechas = {
      {"Image29", 21, 585, false, {kT0}, 7},         {"Image28", 21, 505, false, {kT1i}, 4},
      {"Image4", 336, 464, false, {kT1d}, 4},        {"Image27", 22, 423, false, {kT2i}, 4},
      {"Image24", 319, 386, false, {kT2C, kT2D}, 4}, {"Image26", 16, 311, false, {kT3i}, 4},
      {"Image30", 420, 330, false, {kT3D}, 4},       {"Image1", 176, 544, true, {kT1i}, 1},
      {"Image2", 520, 544, true, {kT1d}, 1},         {"Image3", 128, 464, true, {kT2i}, 1},
      {"Image5", 448, 464, true, {kT2C}, 1},         {"Image6", 595, 464, true, {kT2D}, 1},
      {"Image7", 128, 384, true, {kT3i}, 1},         {"Image8", 425, 384, true, {kT3i, kT3D}, 1},
      {"Image9", 626, 384, true, {kT3D}, 1},         {"Image10", 540, 384, true, {kT3D}, 1},
      {"Image11", 144, 272, true, {kT4i}, 1},        {"Image12", 375, 272, true, {kT4D}, 1},
      {"Image13", 503, 272, true, {kT4D}, 1},
  };
  return kFlechas;
}

const std::vector<PiezaDiagrama>& AdornosDiagrama() {
  static const std::vector<PiezaDiagrama> kAdornos = {
      {"Image14", {128, 96, 18, 26}},
      {"Image22", {557, 644, 20, 20}},
  };
  return kAdornos;
}

const std::vector<InformacionDiagrama>& InformacionesDiagrama() {
  static const std::vector<InformacionDiagrama> kInformaciones = {
      {"Image16", 418, 470}, {"Image15", 565, 468},       {"Image17", 601, 387},
      {"Image18", 467, 274}, {"Image19", 507, 327},       {"Image20", 626, 467},
      {"Image31", 282, 385}, {"Image23", 157, 388},       {"Image32", 261, 324},
      {"Image25", 165, 276}, {"Image21", 267, 210, true},
  };
  return kInformaciones;
}

std::vector<std::string> ListaInformacion(const std::string& imagen, const TablaLinea& informa,
                                          const CatalogoTextos& c) {
  std::vector<std::string> lineas;
  const auto tema = [&](int codigo) { AnadirTema(informa, codigo, lineas); };
  const auto cabecera = [&](std::initializer_list<int> textos) {
    std::string l(4, ' ');
    bool primero = true;
    for (const int n : textos) {
      if (!primero) l += ' ';
      l += c.Texto(n);
      primero = false;
    }
    lineas.push_back(std::move(l));
  };
  const std::pair<const char*, int> simples[] = {
      {"Image16", 34}, {"Image15", 31}, {"Image17", 35}, {"Image18", 19},
      {"Image19", 17}, {"Image20", 38}, {"Image31", 29},
  };
  for (const auto& [nombre, codigo] : simples) {
    if (imagen == nombre) {
      tema(codigo);
      return lineas;
    }
  }
  if (imagen == "Image23") {
    lineas.push_back(std::string(5, ' ') + c.Texto(74));
    tema(16);
  } else if (imagen == "Image32") {
    lineas.push_back(std::string(5, ' ') + c.Texto(88));
    tema(28);
  } else if (imagen == "Image25") {
    // The university entrance exam: the general lines, then each modality's.
    tema(20);
    lineas.emplace_back();
    cabecera({97});
    tema(21);
    lineas.emplace_back();
    cabecera({99, 100});
    tema(22);
    lineas.emplace_back();
    cabecera({99, 112});
    tema(24);
    lineas.emplace_back();
    cabecera({101, 78});
    tema(25);
    lineas.emplace_back();
    cabecera({92});
    tema(23);
  }
  return lineas;
}

// ------------------------------------------------------------------ covers

CubiertasEnMovimiento::CubiertasEnMovimiento() {
  for (std::size_t i = 0; i < cubiertas_.size(); ++i) cubiertas_[i] = CubiertasDiagrama()[i].rect;
}

bool CubiertasEnMovimiento::Ida(int cubierta) const {
  const RectDiagrama& r = Cubierta(cubierta);
  return r.alto <= 0 || r.ancho <= 0;
}

bool CubiertasEnMovimiento::Agotada(int flecha) const {
  const FlechaDiagrama& f = FlechasDiagrama()[static_cast<std::size_t>(flecha)];
  return std::all_of(f.cubiertas.begin(), f.cubiertas.end(), [&](int i) { return Ida(i); });
}

void CubiertasEnMovimiento::Pulsar(int flecha) {
  Parar();
  if (flecha < 0 || flecha >= static_cast<int>(FlechasDiagrama().size())) return;
  flecha_ = flecha;
  if (Agotada(flecha)) return;
  if (FlechasDiagrama()[static_cast<std::size_t>(flecha)].vertical) {
    vertical_ = true;
  } else {
    horizontal_ = true;
  }
}

void CubiertasEnMovimiento::TickVertical() {
  if (!vertical_ || flecha_ < 0) return;
  const FlechaDiagrama& f = FlechasDiagrama()[static_cast<std::size_t>(flecha_)];
  for (const int i : f.cubiertas) {
    RectDiagrama& r = cubiertas_[static_cast<std::size_t>(i)];
    if (!Ida(i)) r.alto = std::max(0, r.alto - 1);
  }
  if (Agotada(flecha_)) vertical_ = false;
}

void CubiertasEnMovimiento::TickHorizontal() {
  if (!horizontal_ || flecha_ < 0) return;
  const FlechaDiagrama& f = FlechasDiagrama()[static_cast<std::size_t>(flecha_)];
  for (const int i : f.cubiertas) {
    if (Ida(i)) continue;
    RectDiagrama& r = cubiertas_[static_cast<std::size_t>(i)];
    const int quita = std::min(f.paso, std::max(0, r.ancho));
    r.x += quita;
    r.ancho -= quita;
  }
  if (Agotada(flecha_)) horizontal_ = false;
}

void CubiertasEnMovimiento::Parar() {
  vertical_ = false;
  horizontal_ = false;
}

}  // namespace sendaro
