#include "sections/itineraries/mapa.h"

#include <algorithm>
#include <utility>

#include "data/texto.h"

namespace sendaro {

namespace {

// ---------------------------------------------------------------- drawing

enum class Estilo { kA, kB, kC };

struct Trazador {
  DibujoMapa& d;
  const CatalogoTextos& c;

  std::string T(int n) const { return c.Texto(n); }

  void Texto(Estilo estilo, int fila, int columna, int dx, int dy, std::string texto) const {
    ColorMapa color = ColorMapa::kNegro;
    int puntos = 11;
    if (estilo == Estilo::kC) {
      color = ColorMapa::kAzul;
      puntos = 9;
    } else if (estilo == Estilo::kB && texto.size() == 2) {
      color = ColorMapa::kAzul;
      puntos = 17;
    }
    const PuntoMapa p = PuntoCelda(fila, columna);
    d.textos.push_back({p.x + dx, p.y + dy, std::move(texto), color, puntos});
  }
  // Letters desde..end of the text, one a row from `fila` down, style C.
  void Vertical(std::string_view texto, int desde, int fila, int dy) const {
    for (int k = desde; k <= static_cast<int>(texto.size()); ++k) {
      Texto(Estilo::kC, fila + (k - desde), 28, 0, dy,
            std::string(1, texto[static_cast<std::size_t>(k - 1)]));
    }
  }
  void LineaRoja(int x, int desdeY = 105) const {
    d.lineas.push_back({x, desdeY, x, 490, ColorMapa::kRojo, 5});
  }
};

constexpr std::array<std::array<int, 4>, 13> kCajas = {{
    {1, 31, 4, 77},
    {4, 27, 13, 30},
    {4, 31, 13, 36},
    {4, 37, 13, 49},
    {4, 50, 13, 69},
    {15, 27, 35, 30},
    {15, 31, 35, 36},
    {15, 37, 35, 49},
    {15, 50, 35, 69},
    {15, 70, 35, 77},
    {36, 27, 44, 30},
    {36, 31, 44, 73},
    {36, 74, 44, 81},
}};

void Cajas(DibujoMapa& d) {
  for (const auto& [f1, c1, f2, c2] : kCajas) {
    const int x1 = PuntoCelda(f1, c1).x;
    const int y1 = PuntoCelda(f1, c1).y;
    const int x2 = PuntoCelda(f2, c2).x;
    const int y2 = PuntoCelda(f2, c2).y;
    d.rectangulos.push_back({x1 - 3, y1 + 1, x1 - 1, y2 + 2, ColorMapa::kNegro});
    d.rectangulos.push_back({x1 - 3, y1 - 1, x2 + 2, y1 + 1, ColorMapa::kNegro});
    d.rectangulos.push_back({x1 - 1, y1 + 1, x2, y2, ColorMapa::kImpresion});
    d.rectangulos.push_back({x1 - 1, y2, x2 + 3, y2 + 3, ColorMapa::kBlancoPuro});
    d.rectangulos.push_back({x2, y1 + 1, x2 + 3, y2 + 3, ColorMapa::kBlancoPuro});
  }
  d.lineas.push_back({338, 350, 733, 350, ColorMapa::kNegro, 1});
}

// The vertical word of the top band: text 514 (at most 10 characters), a
// blank and text 84, at most 51 characters, without its last three. Its
// letters go one a row from row 4; when they would run past row 14 into the
// upper-secondary band, the band is labelled with text 84 alone, cut to the
// 11 rows there are.
std::string PalabraVertical(const CatalogoTextos& c) {
  constexpr std::size_t kFilas = 11;
  std::string w = std::string(Cortar(c.Texto(514), 10)) + " " + c.Texto(84);
  w = std::string(Cortar(w, 51));
  w.resize(w.size() > 3 ? w.size() - 3 : 0);
  if (w.size() <= kFilas) return w;
  return std::string(Cortar(c.Texto(84), kFilas));
}

// The texts of step 0; the complete map starts the course words one letter
// earlier and one row lower.
void TextosPaso0(const Trazador& t, bool completo) {
  t.Texto(Estilo::kB, 2, 43, 0, -3, t.T(89));
  const std::string w = PalabraVertical(t.c);
  t.Vertical(w, 1, 4, 2);
  const std::string segundo = t.T(87);
  const std::string primero = t.T(86);
  t.Texto(Estilo::kB, 15, 28, -5, 3, std::string(Cortar(segundo, 2)));
  if (completo) {
    t.Vertical(segundo, 3, 18, 2);
  } else {
    t.Vertical(segundo, 4, 18, 2);
  }
  t.Texto(Estilo::kB, 25, 28, -5, -2, std::string(Cortar(primero, 2)));
  if (completo) {
    t.Vertical(primero, 3, 27, 0);
  } else {
    t.Vertical(primero, 4, 27, 2);
  }
  t.Texto(Estilo::kB, 36, 28, -5, 3, t.T(188));
  const std::string eso = t.T(2);
  for (int k = 1; k <= 3 && k <= static_cast<int>(eso.size()); ++k) {
    t.Texto(Estilo::kC, 37 + k, 28, 0, 3, std::string(1, eso[static_cast<std::size_t>(k - 1)]));
  }
  t.Texto(Estilo::kB, 42, 28, -5, 0, "3\xBA");
}

std::string Trozo(const std::string& texto, int desde, int cuantos) {
  return std::string(Columnas(texto, desde, cuantos));
}

void TextosCursoBachillerato(const Trazador& t) {
  t.Texto(Estilo::kA, 30, 38, 5, 3, t.T(88));
  t.Texto(Estilo::kA, 31, 38, 0, 9, t.T(97));
  t.Texto(Estilo::kA, 33, 39, 0, 3, t.T(98));
}

// The lines and texts of build step 1..7 (the red line of step 1 sets the
// wide red pen; every line here carries it).
void TextosPaso(const Trazador& t, int paso) {
  switch (paso) {
    case 1:
      t.Texto(Estilo::kA, 30, 31, 0, 6, std::string(Cortar(t.T(88), 5)) + ".");
      t.Texto(Estilo::kA, 32, 31, 0, 6, t.T(92));
      t.Texto(Estilo::kC, 4, 32, 0, 4, t.T(92));
      break;
    case 2:
      t.Texto(Estilo::kC, 4, 37, 0, 3, Trozo(t.T(93), 1, 7));
      t.Texto(Estilo::kC, 5, 38, 0, 3, Trozo(t.T(93), 8, 7));
      TextosCursoBachillerato(t);
      break;
    case 3:
      t.Texto(Estilo::kC, 4, 43, 5, 3, Trozo(t.T(94), 1, 7));
      t.Texto(Estilo::kC, 5, 43, 5, 3, Trozo(t.T(94), 8, 7));
      TextosCursoBachillerato(t);
      break;
    case 4:
      t.Texto(Estilo::kC, 4, 57, 0, 0, t.T(99));
      t.Texto(Estilo::kC, 5, 51, 0, 3, Trozo(t.T(95), 1, 7));
      break;
    case 5:
      t.Texto(Estilo::kC, 5, 57, 0, 3, Trozo(t.T(95), 8, 7));
      t.Texto(Estilo::kA, 30, 55, 0, 6, t.T(88));
      t.Texto(Estilo::kA, 32, 51, 0, 6, t.T(99));
      break;
    case 6:
      t.Texto(Estilo::kC, 5, 62, 0, 3, t.T(96));
      t.Texto(Estilo::kA, 32, 59, 0, 6, t.T(96));
      break;
    case 7:
      t.Texto(Estilo::kC, 13, 71, 0, 4, t.T(512));
      t.Texto(Estilo::kA, 30, 70, 2, 6, std::string(Cortar(t.T(85), 8)) + ".");
      t.Texto(Estilo::kA, 32, 70, 2, 6, std::string(Cortar(t.T(106), 8)) + ".");
      t.Texto(Estilo::kA, 39, 63, 0, 3, t.T(555));
      t.Texto(Estilo::kA, 39, 74, 0, 3, t.T(554));
      break;
    default:
      break;
  }
}

constexpr std::array<int, 8> kLineasRojas = {0, 373, 438, 492, 573, 633, 693, 774};

void LineaDelPaso(const Trazador& t, int paso) {
  t.LineaRoja(kLineasRojas[static_cast<std::size_t>(paso)], paso == 7 ? 215 : 105);
}

}  // namespace

DibujoMapa DibujoPasoMapa(int paso, const CatalogoTextos& catalogo) {
  DibujoMapa d;
  const Trazador t{d, catalogo};
  if (paso == 0) {
    Cajas(d);
    TextosPaso0(t, false);
  } else if (paso >= 1 && paso <= 7) {
    LineaDelPaso(t, paso);
    TextosPaso(t, paso);
  } else if (paso == kMapaCompleto) {
    Cajas(d);
    for (int p = 1; p <= 7; ++p) LineaDelPaso(t, p);
    TextosPaso0(t, true);
    for (int p = 1; p <= 7; ++p) TextosPaso(t, p);
  }
  return d;
}

int AyudaPasoMapa(int paso) {
  constexpr std::array<int, 8> kAyudas = {0, 12, 13, 14, 15, 16, 17, 19};
  return paso >= 0 && paso < 8 ? kAyudas[static_cast<std::size_t>(paso)] : 0;
}

// ------------------------------------------------------------------ nodes

namespace {

using A = AccionNodoMapa;
using M = MasInformacion;

NodoMapa Hoja(int f, int c, std::array<int, 3> p, int hoja) {
  return {f, c, p, A::kHoja, hoja, {}, M::kNada, 0, 0};
}
NodoMapa Notas(int f, int c, std::array<int, 3> p, int codigo, M mas = M::kNada, int clave = 0,
               int encabezado = 0) {
  return {f, c, p, A::kNotas, codigo, {}, mas, clave, encabezado};
}
NodoMapa Materias(int f, int c, std::array<int, 3> p, int codigo, std::vector<int> titulo) {
  return {f, c, p, A::kMaterias, codigo, std::move(titulo), M::kNada, 0, 0};
}

const std::vector<NodoMapa>& Nodos() {
  static const std::vector<NodoMapa> kNodos = {
      {},  // node 0: none
      Hoja(7, 32, {83, 107, 92}, 8),
      Notas(10, 32, {200, 107, 92}, 41, M::kTitulos, 5, 65),
      Notas(13, 32, {111, 107, 92}, 23),
      Hoja(7, 38, {83, 107, 97}, 1),
      Hoja(7, 44, {83, 83, 100}, 3),
      Notas(10, 38, {200, 107, 97}, 42, M::kTitulos, 3, 59),
      Notas(10, 44, {200, 200, 100}, 43, M::kTitulos, 4, 60),
      Notas(13, 38, {111, 107, 97}, 21),
      Notas(13, 44, {111, 111, 100}, 22),
      Hoja(7, 52, {83, 83, 104}, 4),
      Hoja(7, 58, {83, 83, 112}, 5),
      Notas(10, 52, {200, 200, 104}, 44, M::kTitulos, 1, 61),
      Notas(10, 58, {200, 200, 112}, 45, M::kTitulos, 2, 62),
      Notas(13, 52, {111, 111, 104}, 25),
      Notas(13, 58, {111, 111, 112}, 24),
      Hoja(15, 72, {83, 113, 0}, 7),
      Hoja(7, 64, {83, 107, 96}, 6),
      Notas(22, 64, {108, 96, 0}, 15),
      Notas(10, 64, {200, 107, 96}, 46, M::kTitulos, 6, 63),
      Notas(18, 72, {85, 106, 113}, 19),
      Notas(13, 64, {111, 107, 96}, 33),
      Notas(22, 32, {108, 92, 0}, 10),
      Notas(22, 38, {108, 97, 0}, 11),
      Materias(17, 32, {87, 92, 0}, 2014038, {65}),
      Notas(22, 44, {108, 108, 100}, 12),
      Materias(17, 38, {87, 97, 0}, 2054058, {59}),
      Materias(17, 44, {87, 87, 100}, 2064058, {60}),
      Materias(17, 52, {87, 87, 104}, 2034048, {99, 104}),
      Materias(17, 58, {87, 87, 112}, 2044048, {99, 105}),
      Materias(27, 58, {86, 86, 112}, 1173048, {99, 105}),
      Materias(17, 64, {87, 96, 0}, 2074068, {96}),
      Materias(27, 32, {86, 0, 92}, 1123038, {65}),
      Materias(27, 38, {86, 0, 97}, 1143058, {59}),
      Materias(27, 44, {86, 86, 100}, 1153058, {60}),
      Materias(27, 52, {86, 0, 86}, 1133048, {99, 104}),
      Materias(27, 64, {86, 96, 0}, 1163068, {96}),
      Notas(27, 72, {85, 106, 113}, 36),
      Notas(35, 48, {114, 115, 88}, 16),
      Notas(35, 72, {114, kPistaCiclos, 106}, 17),
      Materias(37, 41, {118, 107, 102}, 501, {}),
      Notas(23, 48, {121, 107, 0}, 18),
      Materias(37, 55, {118, 107, 101}, 502, {}),
      Notas(22, 80, {587, 588, 0}, 99, M::kCertificados),
      Notas(41, 67, {555, 0, 0}, 34),
      Notas(37, 75, {119, 120, 0}, 35, M::kProgramasIniciales),
      Notas(22, 72, {85, 106, 113}, 37, M::kGradoMedio),
      Notas(41, 75, {119, 120, 0}, 31, M::kProgramasIniciales),
      Notas(22, 52, {108, 108, 104}, 13),
      Notas(22, 58, {108, 108, 112}, 14),
  };
  return kNodos;
}

std::string UnirTextos(const CatalogoTextos& c, const std::vector<int>& textos) {
  std::string r;
  for (std::size_t i = 0; i < textos.size(); ++i) {
    if (i > 0) r += ' ';
    r += c.Texto(textos[i]);
  }
  return r;
}

}  // namespace

const NodoMapa& NodoDelMapa(int nodo) {
  const std::vector<NodoMapa>& nodos = Nodos();
  return nodo >= 1 && nodo <= kNodosMapa ? nodos[static_cast<std::size_t>(nodo)] : nodos[0];
}

std::string PistaNodo(const NodoMapa& nodo, const CatalogoTextos& catalogo) {
  std::string r;
  for (std::size_t i = 0; i < nodo.pista.size(); ++i) {
    const int n = nodo.pista[i];
    std::string parte;
    if (n == kPistaCiclos) {
      parte = std::string(Columnas(catalogo.Texto(252), 4, 4)) + " " + catalogo.Texto(85);
    } else if (n > 0) {
      parte = catalogo.Texto(n);
    }
    if (i > 0) r += ' ';
    r += Cortar(parte, 25);
  }
  return RecortarDerecha(r);
}

// ------------------------------------------------------------------ lists

namespace {

// Characters desde..60 of a line, without trailing blanks.
std::string Desde(const std::string& linea, int desde, int hasta) {
  return RecortarDerecha(Columnas(linea, desde, hasta - desde + 1));
}

char Caracter(const std::string& linea, int columna) {
  return columna >= 1 && columna <= static_cast<int>(linea.size())
             ? linea[static_cast<std::size_t>(columna - 1)]
             : '\0';
}

void AnadirMaterias(const TablaLinea& materias, std::string_view grupo,
                    std::vector<std::string>& lineas) {
  if (grupo.empty()) return;
  const std::string_view otros = grupo.substr(1);
  for (int i = 1; i <= materias.Cuenta(); ++i) {
    const std::string& l = materias.Linea(i);
    const char segundo = Caracter(l, 2);
    if (Caracter(l, 1) != grupo[0] || segundo == '\0') continue;
    if (otros.find(segundo) == std::string_view::npos) continue;
    lineas.push_back(Desde(l, 3, 60));
  }
}

// A line of 5 blanks and 18 dashes between the blocks of a sheet.
std::string Separador() { return std::string(5, ' ') + std::string(18, '-'); }

}  // namespace

std::vector<std::string> ListaNotas(const FuentesMapa& f, int codigo) {
  std::vector<std::string> lineas;
  const std::string c = std::to_string(codigo);
  if (c.size() != 2) return lineas;
  for (int i = 1; i <= f.informa.Cuenta(); ++i) {
    const std::string& l = f.informa.Linea(i);
    const std::string_view tema = Columnas(l, 1, 2);
    if (tema == c || (c[0] == '2' && tema == "20")) lineas.push_back(Desde(l, 3, 60));
  }
  if (codigo == 99) {
    lineas.push_back(f.catalogo.Texto(580));
    lineas.emplace_back();
    for (int n = 562; n <= 568; ++n) lineas.push_back(f.catalogo.Texto(n));
  }
  return lineas;
}

std::vector<std::string> ListaMaterias(const FuentesMapa& f, std::string_view titulo, int codigo) {
  std::vector<std::string> lineas;
  if (codigo <= 0) return lineas;
  const std::string d = std::to_string(codigo);
  if (d.size() > 3) {
    lineas.emplace_back(titulo);
    lineas.emplace_back(32, ' ');
  }
  AnadirMaterias(f.materias, std::string_view(d).substr(0, 3), lineas);
  if (d.size() > 3) AnadirMaterias(f.materias, std::string_view(d).substr(3, 4), lineas);
  return lineas;
}

std::vector<std::string> ListaTitulos(const FuentesMapa& f, std::string_view titulo, int clave,
                                      bool hoja) {
  std::vector<std::string> lineas;
  if (clave < 1 || clave > 7) return lineas;
  constexpr std::array<int, 8> kColumnaFPS = {0, 4, 5, 2, 3, 1, 6, 7};
  // The degree marks are columns 1-5; the name begins at 6.
  const int columnaCarrera = clave == 6 ? 1 : clave;
  const int columnaFPS = kColumnaFPS[static_cast<std::size_t>(clave)];
  const CatalogoTextos& c = f.catalogo;

  lineas.push_back(c.Texto(58));
  lineas.push_back((hoja ? std::string(4, ' ') : std::string("-")) + std::string(titulo));
  lineas.push_back(c.Texto(168));
  lineas.push_back(c.Texto(169));
  lineas.emplace_back();
  lineas.push_back(c.Texto(170));
  lineas.emplace_back();
  if (columnaCarrera <= 5) {
    const char marca = static_cast<char>('0' + columnaCarrera);
    for (int i = 1; i <= f.carreras.Cuenta(); ++i) {
      const std::string& l = f.carreras.Linea(i);
      if (Caracter(l, columnaCarrera) == marca) lineas.push_back(Desde(l, 6, 50));
    }
  }
  lineas.emplace_back();
  lineas.push_back(c.Texto(172));
  lineas.push_back(c.Texto(173));
  lineas.push_back(c.Texto(174));
  lineas.push_back(std::string(10, ' ') + std::string(6, '-'));
  lineas.push_back(c.Texto(171));
  lineas.emplace_back();
  const char marca = static_cast<char>('0' + columnaFPS);
  for (int i = 1; i <= f.fps.Cuenta(); ++i) {
    const std::string& l = f.fps.Linea(i);
    if (Caracter(l, columnaFPS) == marca) lineas.push_back(Desde(l, 8, 50));
  }
  return lineas;
}

AccionNodo AccionDeNodo(const FuentesMapa& f, int nodo) {
  AccionNodo a;
  const NodoMapa& n = NodoDelMapa(nodo);
  if (nodo < 1 || nodo > kNodosMapa) return a;
  switch (n.accion) {
    case AccionNodoMapa::kHoja:
      a.hoja = n.valor;
      break;
    case AccionNodoMapa::kNotas:
      a.lineas = ListaNotas(f, n.valor);
      a.notas = true;
      a.alto = a.lineas.size() < 9 ? 150 : 225;
      break;
    case AccionNodoMapa::kMaterias:
      a.lineas = ListaMaterias(f, UnirTextos(f.catalogo, n.titulo), n.valor);
      a.alto = nodo <= 39 ? 225 : 150;
      break;
  }
  return a;
}

std::vector<std::string> TitulosDeNodo(const FuentesMapa& f, int nodo) {
  const NodoMapa& n = NodoDelMapa(nodo);
  if (n.mas != MasInformacion::kTitulos) return {};
  std::vector<std::string> lineas = ListaTitulos(f, f.catalogo.Texto(n.encabezado), n.clave, false);
  lineas.erase(lineas.begin());  // item 0 is for sheets
  return lineas;
}

bool OfreceMasInformacion(int nodo) { return NodoDelMapa(nodo).mas != MasInformacion::kNada; }

bool ListaAmpliada(int nodo) { return NodoDelMapa(nodo).mas == MasInformacion::kTitulos; }

// ------------------------------------------------------------ list layout

RectMapa AperturaLista::Paso(int i) const {
  const int lado = 4 * i;
  return {origen.x, origen.y - (sube ? lado : 0), lado, lado};
}

AperturaLista ColocarLista(int fila, int columna, int alto, int anchoPagina, int altoPagina) {
  AperturaLista a;
  const PuntoMapa p = PuntoCelda(fila, columna);
  a.origen = p;
  a.pasos = std::max(0, alto / 4);
  a.sube = altoPagina - 40 < p.y + alto;
  const int izquierda = anchoPagina < p.x + 330 ? anchoPagina - 330 : p.x;
  a.final = {izquierda, p.y - (a.sube ? 4 * a.pasos : 0), 300, alto};
  return a;
}

// ----------------------------------------------------------------- sheets

namespace {

struct DatosHoja {
  int hoja;
  int encabezado;
  int modalidad;
  int materiasA;
  int materiasB;
  int notas;
  std::vector<int> claves;
};

const std::vector<DatosHoja>& Hojas() {
  static const std::vector<DatosHoja> kHojas = {
      {1, 68, 59, 1143058, 2054058, 21, {3}},    {3, 68, 60, 1153058, 2064058, 22, {4}},
      {4, 69, 61, 1133048, 2034048, 25, {1}},    {5, 69, 62, 1173048, 2044048, 24, {2}},
      {6, 70, 63, 1163068, 2074068, 33, {6, 7}}, {8, 71, 64, 1123038, 2014038, 23, {5}},
  };
  return kHojas;
}

const DatosHoja* BuscarHoja(int hoja) {
  for (const DatosHoja& h : Hojas()) {
    if (h.hoja == hoja) return &h;
  }
  return nullptr;
}

void BloqueNotas(const FuentesMapa& f, int codigo, std::vector<std::string>& doc) {
  doc.emplace_back();
  doc.push_back(Separador());
  doc.emplace_back();
  for (std::string& l : ListaNotas(f, codigo)) doc.push_back(std::move(l));
}

void BloqueCurso(const CatalogoTextos& c, int curso, std::vector<std::string>& doc) {
  doc.push_back(Separador());
  doc.emplace_back();
  doc.push_back(c.Texto(curso == 1 ? 56 : 57));
  doc.emplace_back();
}

void BloqueMaterias(const FuentesMapa& f, int codigo, std::vector<std::string>& doc) {
  for (std::string& l : ListaMaterias(f, f.catalogo.Texto(73), codigo)) {
    doc.push_back(std::move(l));
  }
  doc.emplace_back();
}

void BloqueTitulos(const FuentesMapa& f, std::string_view titulo, int clave,
                   std::vector<std::string>& doc) {
  doc.emplace_back();
  doc.push_back(Separador());
  doc.emplace_back();
  for (std::string& l : ListaTitulos(f, titulo, clave, true)) doc.push_back(std::move(l));
  doc.emplace_back();
  doc.push_back(Separador());
  doc.emplace_back();
}

}  // namespace

std::vector<std::string> HojaModalidad(const FuentesMapa& f, int hoja,
                                       std::string_view nombreCentro) {
  std::vector<std::string> doc;
  const CatalogoTextos& c = f.catalogo;
  if (hoja == 7) {
    // The centre's name, then the notes of the middle-grade cycles and of
    // going on to the higher grade.
    doc.push_back(RecortarDerecha(nombreCentro));
    BloqueNotas(f, 36, doc);
    BloqueNotas(f, 19, doc);
    return doc;
  }
  const DatosHoja* h = BuscarHoja(hoja);
  if (h == nullptr) return doc;
  doc.push_back(RecortarDerecha(nombreCentro));
  doc.emplace_back();
  doc.push_back(c.Texto(66));
  doc.push_back(c.Texto(h->encabezado));
  doc.emplace_back();
  doc.push_back(c.Texto(h->modalidad));
  doc.emplace_back();
  BloqueCurso(c, 1, doc);
  BloqueMaterias(f, h->materiasA, doc);
  BloqueCurso(c, 2, doc);
  BloqueMaterias(f, h->materiasB, doc);
  if (hoja == 8) doc.emplace_back();
  BloqueNotas(f, h->notas, doc);
  for (const int clave : h->claves) BloqueTitulos(f, c.Texto(h->modalidad), clave, doc);
  return doc;
}

std::string TituloHoja(const CatalogoTextos& catalogo, int hoja) {
  const DatosHoja* h = BuscarHoja(hoja);
  const int modalidad = h != nullptr ? h->modalidad : 113;
  return RecortarDerecha(catalogo.Texto(66)) + " - " + RecortarDerecha(catalogo.Texto(modalidad));
}

// ------------------------------------------------------------------ state

void EstadoMapa::Entrar() {
  MapaEnConstruccion = true;
  ClicsNodos = 0;
}

AvanceMapa EstadoMapa::Avanzar() {
  AvanceMapa a;
  if (InicioMapaPendiente) {
    MapaVisible = true;
    if (PasoMapa < kMapaCompleto) a.ayuda = 9;
  }
  InicioMapaPendiente = false;
  if (PasoMapa > 6) {
    MapaEnConstruccion = false;
  } else {
    ++PasoMapa;
    a.paso = PasoMapa;
    if (const int ayuda = AyudaPasoMapa(PasoMapa); ayuda != 0) a.ayuda = ayuda;
  }
  if (!MapaEnConstruccion) {
    a.completo = true;
    a.ayuda = 22;
    InicioMapaPendiente = true;
  }
  return a;
}

std::vector<int> EstadoMapa::PasosVisibles() const {
  if (MapaVisible && !MapaEnConstruccion) return {kMapaCompleto};
  std::vector<int> pasos;
  if (!MapaVisible) return pasos;
  for (int p = 0; p <= PasoMapa && p < kPasosMapa; ++p) pasos.push_back(p);
  return pasos;
}

ClicNodo EstadoMapa::Pulsar(int nodo) {
  if (!MapaVisible || MapaEnConstruccion || nodo < 1 || nodo > kNodosMapa) {
    return ClicNodo::kIgnorado;
  }
  if (!ListaCerrada) {
    ListaCerrada = true;
    return ClicNodo::kCierraLista;
  }
  ++ClicsNodos;
  ListaCerrada = false;
  NodoElegido = nodo;
  ListaDeNotas = false;
  return ClicNodo::kActua;
}

void EstadoMapa::Reiniciar() {
  InicioMapaPendiente = true;
  PasoMapa = -1;
  MapaVisible = false;
  MapaEnConstruccion = false;
  ListaCerrada = true;
  ListaDeNotas = false;
}

std::optional<std::filesystem::path> BuscarJuego(const std::filesystem::path& carpeta) {
  for (const char* nombre : {"tarvelo", "tarvelo.exe"}) {
    std::error_code error;
    const std::filesystem::path ruta = std::filesystem::absolute(carpeta / nombre, error);
    if (!error && std::filesystem::is_regular_file(ruta, error)) return ruta;
  }
  return std::nullopt;
}

TickParpadeo Parpadear(int& cuenta, bool nota) {
  ++cuenta;
  const int ultimo = nota ? 16 : 8;
  if (cuenta > ultimo) {
    cuenta = 0;
    return {true, true};
  }
  return {cuenta % 2 == 1, false};
}

}  // namespace sendaro
