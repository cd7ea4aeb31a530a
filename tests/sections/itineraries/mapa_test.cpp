// The itinerary map's domain: the node table, the lists each node builds
// from small files, the sheets, the list placement, the build state with
// what a repaint draws at each step, and the drawing orders of the steps.
#include "sections/itineraries/mapa.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "../itineraries/datos_cuestionario.h"

namespace sendaro {
namespace {

using Lineas = std::vector<std::string>;

TablaLinea Tabla(const Lineas& lineas) {
  TablaLinea t;
  int i = 0;
  for (const std::string& l : lineas) t.Fijar(++i, l);
  t.FijarCuenta(i);
  return t;
}

// The catalogue "T<n>" with a few texts replaced.
CatalogoTextos Catalogo(const std::vector<std::pair<int, std::string>>& cambios = {}) {
  std::vector<std::string> lineas;
  for (int n = 1; n <= CatalogoTextos::kUltimaLinea; ++n) lineas.push_back("T" + std::to_string(n));
  for (const auto& [n, texto] : cambios) lineas[static_cast<std::size_t>(n - 1)] = texto;
  CatalogoTextos c;
  c.Rellenar(lineas);
  return c;
}

struct Ficheros {
  TablaLinea informa, materias, carreras, fps;
  CatalogoTextos catalogo = Catalogo();
  FuentesMapa Fuentes() const { return {informa, materias, carreras, fps, catalogo}; }
};

TEST(NodosMapa, TablaDeNodos) {
  struct Caso {
    int nodo, fila, columna;
    AccionNodoMapa accion;
    int valor;
    MasInformacion mas;
    int clave;
  };
  using A = AccionNodoMapa;
  using M = MasInformacion;
  const Caso casos[] = {
      {1, 7, 32, A::kHoja, 8, M::kNada, 0},
      {2, 10, 32, A::kNotas, 41, M::kTitulos, 5},
      {7, 10, 44, A::kNotas, 43, M::kTitulos, 4},
      {16, 15, 72, A::kHoja, 7, M::kNada, 0},
      {19, 10, 64, A::kNotas, 46, M::kTitulos, 6},
      {24, 17, 32, A::kMaterias, 2014038, M::kNada, 0},
      {30, 27, 58, A::kMaterias, 1173048, M::kNada, 0},
      {40, 37, 41, A::kMaterias, 501, M::kNada, 0},
      {43, 22, 80, A::kNotas, 99, M::kCertificados, 0},
      {45, 37, 75, A::kNotas, 35, M::kProgramasIniciales, 0},
      {46, 22, 72, A::kNotas, 37, M::kGradoMedio, 0},
      {47, 41, 75, A::kNotas, 31, M::kProgramasIniciales, 0},
      {49, 22, 58, A::kNotas, 14, M::kNada, 0},
  };
  for (const Caso& c : casos) {
    const NodoMapa& n = NodoDelMapa(c.nodo);
    EXPECT_EQ(n.fila, c.fila) << c.nodo;
    EXPECT_EQ(n.columna, c.columna) << c.nodo;
    EXPECT_EQ(n.accion, c.accion) << c.nodo;
    EXPECT_EQ(n.valor, c.valor) << c.nodo;
    EXPECT_EQ(n.mas, c.mas) << c.nodo;
    EXPECT_EQ(n.clave, c.clave) << c.nodo;
  }
  // The six keys are the map's columns.
  const std::vector<std::pair<int, std::vector<int>>> columnas = {
      {32, {1, 2, 3, 24, 32, 22}},    {38, {4, 6, 8, 26, 33, 23}},
      {44, {5, 7, 9, 27, 34, 25}},    {52, {10, 12, 14, 28, 35, 48}},
      {58, {11, 13, 15, 29, 30, 49}}, {64, {17, 19, 21, 31, 36, 18}},
  };
  for (const auto& [columna, nodos] : columnas) {
    for (const int k : nodos) EXPECT_EQ(NodoDelMapa(k).columna, columna) << k;
  }
  std::vector<int> hojas;
  for (int k = 1; k <= kNodosMapa; ++k) {
    if (NodoDelMapa(k).accion == AccionNodoMapa::kHoja) hojas.push_back(NodoDelMapa(k).valor);
  }
  EXPECT_EQ(hojas, (std::vector<int>{8, 1, 3, 4, 5, 7, 6}));
  EXPECT_EQ(NodoDelMapa(0).fila, 0);
  EXPECT_EQ(NodoDelMapa(50).fila, 0);
}

TEST(NodosMapa, PistasDeTresPartesCortadasA25) {
  const CatalogoTextos c = Catalogo({{83, std::string(30, 'x')}, {252, "Ir a"}, {85, "Ciclos"}});
  EXPECT_EQ(PistaNodo(NodoDelMapa(1), c), std::string(25, 'x') + " T107 T92");
  EXPECT_EQ(PistaNodo(NodoDelMapa(18), c), "T108 T96");
  EXPECT_EQ(PistaNodo(NodoDelMapa(32), c), "T86  T92");
  EXPECT_EQ(PistaNodo(NodoDelMapa(39), c), "T114 a Ciclos T106");
}

TEST(ListasMapa, NotasDeUnTemaConLasGeneralesYLasDeDejarDeEstudiar) {
  Ficheros f;
  f.informa = Tabla({"21uno", "20general", "22dos", "21tres   ", "99deja", "2 nada", "41lleva"});
  EXPECT_EQ(ListaNotas(f.Fuentes(), 21), (Lineas{"uno", "general", "tres"}));
  EXPECT_EQ(ListaNotas(f.Fuentes(), 20), (Lineas{"general"}));
  EXPECT_EQ(ListaNotas(f.Fuentes(), 22), (Lineas{"general", "dos"}));
  EXPECT_EQ(ListaNotas(f.Fuentes(), 41), (Lineas{"lleva"}));
  EXPECT_EQ(ListaNotas(f.Fuentes(), 99),
            (Lineas{"deja", "T580", "", "T562", "T563", "T564", "T565", "T566", "T567", "T568"}));
  EXPECT_TRUE(ListaNotas(f.Fuentes(), 33).empty());
}

TEST(ListasMapa, MateriasPorGruposDeDigitos) {
  Ficheros f;
  f.materias = Tabla({"11comun", "30opt", "12artes", "13salud", "33taller", "38nota", "34fis",
                      "50c4", "51hum", "52cie", "  blanco"});
  EXPECT_EQ(ListaMaterias(f.Fuentes(), "Titulo", 1123038),
            (Lineas{"Titulo", std::string(32, ' '), "comun", "artes", "opt", "taller", "nota"}));
  EXPECT_EQ(ListaMaterias(f.Fuentes(), "Titulo", 501), (Lineas{"c4", "hum"}));
  EXPECT_EQ(ListaMaterias(f.Fuentes(), "Titulo", 502), (Lineas{"c4", "cie"}));
}

TEST(ListasMapa, TitulosPorClaveSoloEnElCampoDeMarcas) {
  Ficheros f;
  // Degree marks in columns 1-5, the name from column 6 (a blank, then the
  // name); "S7ete" has a 7 in column 7, which is its name.
  f.carreras = Tabla({"1    Medicina", "    5 Bellas", "1 3   Historia", "     S7ete"});
  f.fps = Tabla({"1      Ilustr", "   4 6 Salud", "     67Obras", "   4   Lab"});
  const auto titulos = [&](int clave) {
    Lineas l = ListaTitulos(f.Fuentes(), "Mod", clave, false);
    // Degrees are after the first 7 items; titles after "T171" and an empty line.
    const auto t171 = std::find(l.begin(), l.end(), "T171");
    Lineas carreras(l.begin() + 7, std::find(l.begin() + 7, l.end(), ""));
    Lineas fps(t171 + 2, l.end());
    return std::make_pair(carreras, fps);
  };
  EXPECT_EQ(titulos(5), std::make_pair(Lineas{" Bellas"}, Lineas{"Ilustr"}));
  EXPECT_EQ(titulos(6), std::make_pair(Lineas{"Medicina", " Historia"}, Lineas{"Salud", "Obras"}));
  EXPECT_EQ(titulos(1), std::make_pair(Lineas{"Medicina", " Historia"}, Lineas{"Salud", "Lab"}));
  EXPECT_EQ(titulos(3), std::make_pair(Lineas{" Historia"}, Lineas{}));
  // Key 7 has no degree column: "S7ete" is not marked by its name.
  EXPECT_EQ(titulos(7), std::make_pair(Lineas{}, Lineas{"Obras"}));

  EXPECT_EQ(ListaTitulos(f.Fuentes(), "Mod", 5, false),
            (Lineas{"T58", "-Mod", "T168", "T169", "", "T170", "", " Bellas", "", "T172", "T173",
                    "T174", std::string(10, ' ') + "------", "T171", "", "Ilustr"}));
  EXPECT_EQ(ListaTitulos(f.Fuentes(), "Mod", 5, true)[1], "    Mod");
  EXPECT_TRUE(ListaTitulos(f.Fuentes(), "Mod", 8, false).empty());
}

TEST(ListasMapa, AccionDeCadaNodoYAltoDeSuLista) {
  Ficheros f;
  for (int i = 1; i <= 8; ++i) f.informa.Fijar(i, "41ocho " + std::to_string(i));
  for (int i = 9; i <= 17; ++i) f.informa.Fijar(i, "42nueve " + std::to_string(i));
  f.informa.FijarCuenta(17);
  f.materias = Tabla({"50c", "51h"});
  EXPECT_EQ(AccionDeNodo(f.Fuentes(), 2).alto, 150);
  EXPECT_TRUE(AccionDeNodo(f.Fuentes(), 2).notas);
  EXPECT_EQ(AccionDeNodo(f.Fuentes(), 6).alto, 225);
  EXPECT_EQ(AccionDeNodo(f.Fuentes(), 24).alto, 225);
  const AccionNodo cuarto = AccionDeNodo(f.Fuentes(), 40);
  EXPECT_EQ(cuarto.alto, 150);
  EXPECT_FALSE(cuarto.notas);
  EXPECT_EQ(cuarto.lineas, (Lineas{"c", "h"}));
  EXPECT_EQ(AccionDeNodo(f.Fuentes(), 1).hoja, 8);
  EXPECT_TRUE(AccionDeNodo(f.Fuentes(), 1).lineas.empty());
  // The titles list of a more-information button starts at item 1.
  EXPECT_EQ(TitulosDeNodo(f.Fuentes(), 2).front(), "-T65");
  EXPECT_TRUE(TitulosDeNodo(f.Fuentes(), 43).empty());
  EXPECT_TRUE(ListaAmpliada(19));
  EXPECT_FALSE(ListaAmpliada(46));
  EXPECT_TRUE(OfreceMasInformacion(46));
  EXPECT_FALSE(OfreceMasInformacion(3));
}

TEST(ListasMapa, LaListaCreceDesdeElNodoYSubeSiNoCabe) {
  const AperturaLista arriba = ColocarLista(7, 32, 225, 1024, 768);
  EXPECT_EQ(arriba.pasos, 56);
  EXPECT_FALSE(arriba.sube);
  const RectMapa paso3 = arriba.Paso(3);
  EXPECT_EQ(std::make_tuple(paso3.x, paso3.y, paso3.ancho, paso3.alto),
            std::make_tuple(360, 90, 12, 12));
  EXPECT_EQ(std::make_tuple(arriba.final.x, arriba.final.y, arriba.final.ancho, arriba.final.alto),
            std::make_tuple(360, 90, 300, 225));
  // Node 47 at (41, 75): 600 + 150 passes 768 - 40; the list climbs 4 pixels
  // a step and moves left to fit.
  const AperturaLista abajo = ColocarLista(41, 75, 150, 1024, 768);
  EXPECT_TRUE(abajo.sube);
  EXPECT_EQ(abajo.Paso(2).y, 600 - 8);
  EXPECT_EQ(std::make_tuple(abajo.final.x, abajo.final.y),
            std::make_tuple(1024 - 330, 600 - 4 * 37));
  // Exactly at the limit it stays.
  EXPECT_FALSE(ColocarLista(41, 75, 128, 1024, 768).sube);
}

TEST(HojasMapa, HojaDeModalidadPorBloques) {
  Ficheros f;
  f.informa = Tabla({"21nota hum", "20general", "36ciclos", "19superior"});
  f.materias = Tabla({"11comun", "14latin", "20comun2", "25griego"});
  f.carreras = Tabla({"  3  Historia"});
  f.fps = Tabla({" 2     Turismo"});
  const std::string sep = std::string(5, ' ') + std::string(18, '-');
  const Lineas hoja = HojaModalidad(f.Fuentes(), 1, "IES Prueba   ");
  const Lineas esperada = {"IES Prueba",
                           "",
                           "T66",
                           "T68",
                           "",
                           "T59",
                           "",
                           sep,
                           "",
                           "T56",
                           "",
                           "T73",
                           std::string(32, ' '),
                           "comun",
                           "latin",
                           "",
                           sep,
                           "",
                           "T57",
                           "",
                           "T73",
                           std::string(32, ' '),
                           "comun2",
                           "griego",
                           "",
                           "",
                           sep,
                           "",
                           "nota hum",
                           "general",
                           "",
                           sep,
                           "",
                           "T58",
                           "    T59",
                           "T168",
                           "T169",
                           "",
                           "T170",
                           "",
                           "Historia",
                           "",
                           "T172",
                           "T173",
                           "T174",
                           std::string(10, ' ') + "------",
                           "T171",
                           "",
                           "Turismo",
                           "",
                           sep,
                           ""};
  EXPECT_EQ(hoja, esperada);
  // Sheet 8 leaves one more empty line before its notes; sheet 6 lists two
  // title blocks.
  EXPECT_EQ(HojaModalidad(f.Fuentes(), 8, "C").size(),
            HojaModalidad(f.Fuentes(), 3, "C").size() + 1);
  const Lineas seis = HojaModalidad(f.Fuentes(), 6, "C");
  EXPECT_EQ(std::count(seis.begin(), seis.end(), "T58"), 2);

  EXPECT_EQ(HojaModalidad(f.Fuentes(), 7, "IES Prueba"),
            (Lineas{"IES Prueba", "", sep, "", "ciclos", "", sep, "", "superior"}));
  EXPECT_TRUE(HojaModalidad(f.Fuentes(), 2, "C").empty());
  EXPECT_EQ(TituloHoja(f.catalogo, 1), "T66 - T59");
}

TEST(EstadoMapa, CadaPasoYLoQueDibujaUnRepintado) {
  EstadoMapa m;
  EXPECT_TRUE(m.PasosVisibles().empty());
  m.Entrar();
  const int ayudas[] = {9, 12, 13, 14, 15, 16, 17, 19};
  for (int paso = 0; paso < 8; ++paso) {
    const AvanceMapa a = m.Avanzar();
    EXPECT_EQ(a.paso, paso);
    EXPECT_FALSE(a.completo);
    EXPECT_EQ(a.ayuda, ayudas[paso]);
    std::vector<int> esperados(static_cast<std::size_t>(paso + 1));
    for (int p = 0; p <= paso; ++p) esperados[static_cast<std::size_t>(p)] = p;
    EXPECT_EQ(m.PasosVisibles(), esperados);
    EXPECT_EQ(m.Pulsar(1), ClicNodo::kIgnorado);
  }
  const AvanceMapa fin = m.Avanzar();
  EXPECT_TRUE(fin.completo);
  EXPECT_EQ(fin.ayuda, 22);
  EXPECT_EQ(m.PasosVisibles(), (std::vector<int>{kMapaCompleto}));

  // Node clicks: one acts, the next only closes, the next acts again.
  EXPECT_EQ(m.Pulsar(5), ClicNodo::kActua);
  EXPECT_EQ(m.NodoElegido, 5);
  EXPECT_EQ(m.Pulsar(6), ClicNodo::kCierraLista);
  EXPECT_EQ(m.Pulsar(6), ClicNodo::kActua);
  EXPECT_EQ(m.ClicsNodos, 2);
  EXPECT_FALSE(m.PuedeJugar());

  // Entering again completes the map at once.
  m.Entrar();
  EXPECT_EQ(m.ClicsNodos, 0);
  const AvanceMapa otra = m.Avanzar();
  EXPECT_TRUE(otra.completo);
  EXPECT_EQ(otra.paso, -1);

  m.Reiniciar();
  EXPECT_TRUE(m.PasosVisibles().empty());
  EXPECT_EQ(m.Pulsar(5), ClicNodo::kIgnorado);
  m.Entrar();
  EXPECT_EQ(m.Avanzar().paso, 0);
}

TEST(DibujoMapa, CadaPasoTraeSusLineasConSuPluma) {
  const CatalogoTextos c = Catalogo({{87, "2\xBA curso"}, {86, "1\xBA curso"}});
  const int xs[] = {373, 438, 492, 573, 633, 693, 774};
  for (int paso = 1; paso <= 7; ++paso) {
    const DibujoMapa d = DibujoPasoMapa(paso, c);
    ASSERT_EQ(d.lineas.size(), 1U) << paso;
    const LineaMapa& l = d.lineas[0];
    EXPECT_EQ(std::make_tuple(l.x1, l.x2, l.y1, l.y2),
              std::make_tuple(xs[paso - 1], xs[paso - 1], paso == 7 ? 215 : 105, 490));
    EXPECT_EQ(l.color, ColorMapa::kRojo);
    EXPECT_EQ(l.grosor, 5);
    EXPECT_TRUE(d.rectangulos.empty());
    EXPECT_FALSE(d.textos.empty());
  }
  const DibujoMapa cero = DibujoPasoMapa(0, c);
  EXPECT_EQ(cero.rectangulos.size(), 13U * 5);
  ASSERT_EQ(cero.lineas.size(), 1U);
  EXPECT_EQ(cero.lineas[0].grosor, 1);
  EXPECT_EQ(cero.lineas[0].color, ColorMapa::kNegro);
  // The first box's inside: (X1 - 1, Y1 + 1) - (X2, Y2).
  const RectanguloMapa& dentro = cero.rectangulos[2];
  EXPECT_EQ(std::make_tuple(dentro.x1, dentro.y1, dentro.x2, dentro.y2, dentro.color),
            std::make_tuple(349, 1, 810, 45, ColorMapa::kImpresion));
  // "2º" is a two-letter text: blue, 17 points, at (15, 28) moved (-5, 3).
  const auto segundo = std::find_if(cero.textos.begin(), cero.textos.end(),
                                    [](const TextoMapa& t) { return t.texto == "2\xBA"; });
  ASSERT_NE(segundo, cero.textos.end());
  EXPECT_EQ(std::make_tuple(segundo->x, segundo->y, segundo->puntos, segundo->color),
            std::make_tuple(315, 213, 17, ColorMapa::kAzul));

  const DibujoMapa todo = DibujoPasoMapa(kMapaCompleto, c);
  EXPECT_EQ(todo.rectangulos.size(), 13U * 5);
  EXPECT_EQ(todo.lineas.size(), 8U);
  EXPECT_EQ(std::count_if(
                todo.lineas.begin(), todo.lineas.end(),
                [](const LineaMapa& l) { return l.grosor == 5 && l.color == ColorMapa::kRojo; }),
            7);
  // The complete map writes the course words one row lower: "c" of
  // "2º curso" at row 19 (y 270 + 2) instead of row 18.
  const auto letraC = [](const DibujoMapa& d, int x) {
    std::vector<int> ys;
    for (const TextoMapa& t : d.textos) {
      if (t.texto == "c" && t.x == x) ys.push_back(t.y);
    }
    return ys;
  };
  EXPECT_EQ(letraC(cero, 320), (std::vector<int>{257, 392}));
  EXPECT_EQ(letraC(todo, 320), (std::vector<int>{272, 405}));
  EXPECT_TRUE(DibujoPasoMapa(9, c).textos.empty());
}

TEST(DibujoMapa, LaPalabraVerticalCabeEnSuFranja) {
  // "Prog Universidad" less three letters fits rows 4-14; a longer one gives
  // way to the second text alone.
  const auto letras = [](const CatalogoTextos& c) {
    std::string w;
    for (const TextoMapa& t : DibujoPasoMapa(0, c).textos) {
      if (t.x == 320 && t.y < 15 * 15 - 15 && t.texto.size() == 1) w += t.texto;
    }
    return w;
  };
  EXPECT_EQ(letras(Catalogo({{514, "Ab"}, {84, "Cdefghi"}})), "Ab Cdef");
  EXPECT_EQ(letras(Catalogo({{514, "Programas"}, {84, "Universidad"}})), "Universidad");
}

TEST(Parpadeo, NueveTicsElBotonYDiecisieteLaNota) {
  for (const bool nota : {false, true}) {
    int cuenta = 0;
    const int ultimo = nota ? 17 : 9;
    for (int i = 1; i < ultimo; ++i) {
      const TickParpadeo t = Parpadear(cuenta, nota);
      EXPECT_EQ(t.visible, i % 2 == 1) << i;
      EXPECT_FALSE(t.fin);
    }
    const TickParpadeo fin = Parpadear(cuenta, nota);
    EXPECT_TRUE(fin.visible);
    EXPECT_TRUE(fin.fin);
    EXPECT_EQ(cuenta, 0);
  }
}

TEST(Juego, SeBuscaEnLaCarpetaDelPrograma) {
  const std::filesystem::path carpeta = std::filesystem::path(testing::TempDir()) / "juego_mapa";
  std::filesystem::remove_all(carpeta);
  std::filesystem::create_directories(carpeta / "tarvelo");  // a folder is no program
  EXPECT_FALSE(BuscarJuego(carpeta));
  std::ofstream(carpeta / "tarvelo.exe") << "x";
  EXPECT_EQ(BuscarJuego(carpeta), carpeta / "tarvelo.exe");
  std::filesystem::remove(carpeta / "tarvelo");
  std::ofstream(carpeta / "tarvelo") << "x";
  EXPECT_EQ(BuscarJuego(carpeta), carpeta / "tarvelo");
  std::filesystem::remove_all(carpeta);
}

}  // namespace
}  // namespace sendaro
