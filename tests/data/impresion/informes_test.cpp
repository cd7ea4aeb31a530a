#include "data/impresion/informes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "data/impresion/ajuste_texto.h"
#include "data/impresion/lineas_prueba.h"
#include "data/impresion/superficie_registro.h"

namespace sendaro {
namespace {

using prueba::LineaDeLargo;
using prueba::Palabras;

using Tipo = FiguraRegistrada::Tipo;

// Report lines are "Linea 0001", "Linea 0002"...; the title is line 0.
std::string LineaNumero(int k) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "Linea %04d", k);
  return texto;
}

void LlenarBuffer(BufferImpresion& buffer, int n) {
  buffer.Fijar(0, "Ficha de Medicina");
  for (int k = 1; k <= n; ++k) buffer.Fijar(k, LineaNumero(k));
}

// The report lines printed on a page, in drawing order.
std::vector<const TextoRegistrado*> LineasDe(const PaginaRegistrada& pagina) {
  std::vector<const TextoRegistrado*> lineas;
  for (const auto& t : pagina.textos) {
    if (t.texto.rfind("Linea ", 0) == 0) lineas.push_back(&t);
  }
  return lineas;
}

// Every text printed below the header frame (0.8 inches).
std::vector<const TextoRegistrado*> LineasDeInforme(const PaginaRegistrada& pagina) {
  std::vector<const TextoRegistrado*> lineas;
  for (const auto& t : pagina.textos) {
    if (t.punto.y > 960) lineas.push_back(&t);
  }
  return lineas;
}

int NumeroDe(const TextoRegistrado* t) { return std::stoi(t->texto.substr(6)); }

DatosCabecera Datos() { return {"IES Rio Ebro", "Curso", ImagenHoja{"chica.bmp"}}; }

// 8 x 11 inches of printable area at 1200 dpi; rows of text are 1.1 times
// the font size apart, characters 0.6 times its size wide.
SuperficieRegistro Superficie() { return SuperficieRegistro(9600, 13200, 1200, 1.1); }

class ImpresionTest : public ::testing::Test {
 protected:
  SuperficieRegistro superficie = Superficie();
  BufferImpresion buffer;
  SeccionesImpresion secciones;

  void EsperarTrabajoCerrado() const {
    EXPECT_EQ(superficie.trabajos, 1);
    EXPECT_EQ(superficie.terminados, 1);
    EXPECT_EQ(superficie.fueraDeTrabajo, 0);
  }
};

TEST_F(ImpresionTest, HojaConvierteInchesYRejillaAlPixelMasCercano) {
  superficie.FijarOrientacion(Orientacion::kVertical);
  ASSERT_TRUE(superficie.Comenzar());
  HojaImpresion hoja(superficie);
  hoja.PrepararHoja(50, 58);
  EXPECT_EQ(hoja.Posicion(), (PuntoPixeles{0, 0}));

  struct Caso {
    double x, y;
    PuntoPixeles esperado;
  };
  for (const Caso& c : {Caso{0.5, 0.1, {600, 120}}, Caso{7.25, 0.5, {8700, 600}},
                        Caso{3.667, 7.407, {4400, 8888}}, Caso{0.0004, 0.0005, {0, 1}}}) {
    hoja.MoverA(c.x, c.y);
    EXPECT_EQ(hoja.Posicion(), c.esperado) << c.x << "," << c.y;
  }
  // 13200 / 58 = 227.59 pixels a row; 9600 / 50 = 192 a column.
  struct CasoFila {
    int columna, fila;
    PuntoPixeles esperado;
  };
  for (const CasoFila& c : {CasoFila{5, 6, {960, 1366}}, CasoFila{5, 56, {960, 12745}},
                            CasoFila{50, 58, {9600, 13200}}, CasoFila{0, 1, {0, 228}}}) {
    hoja.MoverAFila(c.columna, c.fila);
    EXPECT_EQ(hoja.Posicion(), c.esperado) << c.columna << "," << c.fila;
  }

  // A line starts at the pen and leaves the pen at its end.
  hoja.MoverA(1, 1);
  hoja.LineaA(2, 1);
  hoja.LineaA(2, 3);
  superficie.Terminar();
  const auto lineas = superficie.paginas[0].Figuras(Tipo::kLinea);
  ASSERT_EQ(lineas.size(), 2u);
  EXPECT_EQ(lineas[0].caja, (CajaPixeles{1200, 1200, 2400, 1200}));
  EXPECT_EQ(lineas[1].caja, (CajaPixeles{2400, 1200, 2400, 3600}));
  EXPECT_EQ(hoja.Posicion(), (PuntoPixeles{2400, 3600}));
}

TEST_F(ImpresionTest, CabeceraVerticalEnSuSitio) {
  LlenarBuffer(buffer, 3);
  ImprimirVertical(superficie, Datos(), buffer, 3, false, 12, secciones);
  ASSERT_EQ(superficie.paginas.size(), 1u);
  const auto& pagina = superficie.paginas[0];
  EXPECT_EQ(pagina.orientacion, Orientacion::kVertical);

  const auto marcos = pagina.Figuras(Tipo::kRectangulo);
  ASSERT_EQ(marcos.size(), 1u);
  EXPECT_EQ(marcos[0].caja, (CajaPixeles{600, 120, 8760, 960}));
  const auto imagenes = pagina.Figuras(Tipo::kImagen);
  ASSERT_EQ(imagenes.size(), 1u);
  EXPECT_EQ(imagenes[0].caja, (CajaPixeles{720, 156, 1140, 816}));
  EXPECT_EQ(imagenes[0].imagen, "chica.bmp");
  EXPECT_TRUE(pagina.Figuras(Tipo::kElipse).empty());

  struct Caso {
    const char* texto;
    PuntoPixeles punto;
    Alineacion alineacion;
    double tamano;
  };
  for (const Caso& c : {Caso{"Curso", {8700, 240}, Alineacion::kDerecha, 10},
                        Caso{"2008-2009", {8700, 600}, Alineacion::kDerecha, 10},
                        Caso{"IES Rio Ebro", {4680, 240}, Alineacion::kCentro, 12},
                        Caso{"Ficha de Medicina", {1200, 600}, Alineacion::kIzquierda, 12}}) {
    const auto* t = pagina.Buscar(c.texto);
    ASSERT_NE(t, nullptr) << c.texto;
    EXPECT_EQ(t->punto, c.punto) << c.texto;
    EXPECT_EQ(t->alineacion, c.alineacion) << c.texto;
    EXPECT_EQ(t->fuente, (Fuente{"Arial", c.tamano, true})) << c.texto;
  }
}

// The header of an A4 landscape page (11.67 inches printable), where the
// frame and the page circle fit as given.
TEST(CabeceraApaisada, ConNumeroDePagina) {
  SuperficieRegistro superficie(9600, 14000, 1200, 1.1);
  superficie.FijarOrientacion(Orientacion::kApaisada);
  ASSERT_TRUE(superficie.Comenzar());
  HojaImpresion hoja(superficie);
  hoja.FijarFuente({"Courier New", 8, false});
  hoja.PrepararHoja(150, 58);
  CabeceraApaisada(hoja, Datos(), "Ficha", 2);
  superficie.Terminar();

  const auto& pagina = superficie.paginas[0];
  EXPECT_EQ(pagina.Figuras(Tipo::kRectangulo)[0].caja, (CajaPixeles{600, 120, 12240, 960}));
  ASSERT_EQ(pagina.Figuras(Tipo::kElipse).size(), 1u);
  EXPECT_EQ(pagina.Figuras(Tipo::kElipse)[0].caja, (CajaPixeles{12480, 120, 13320, 960}));
  struct Caso {
    const char* texto;
    PuntoPixeles punto;
    Alineacion alineacion;
    double tamano;
  };
  for (const Caso& c : {Caso{"Curso", {12180, 240}, Alineacion::kDerecha, 10},
                        Caso{"2008-2009", {12180, 600}, Alineacion::kDerecha, 10},
                        Caso{"2", {12840, 360}, Alineacion::kIzquierda, 16},
                        Caso{"IES Rio Ebro", {6420, 240}, Alineacion::kCentro, 12},
                        Caso{"Ficha", {1200, 600}, Alineacion::kIzquierda, 11}}) {
    const auto* t = pagina.Buscar(c.texto);
    ASSERT_NE(t, nullptr) << c.texto;
    EXPECT_EQ(t->punto, c.punto) << c.texto;
    EXPECT_EQ(t->alineacion, c.alineacion) << c.texto;
    EXPECT_EQ(t->fuente, (Fuente{"Courier New", c.tamano, true})) << c.texto;
  }
}

// On a page 11 inches wide the circle would end at 11.1 inches: the frame
// ends at 10.05 inches instead, the circle 0.05 inches inside the page.
TEST(CabeceraApaisada, PaginaEstrechaAcercaElCirculo) {
  SuperficieRegistro superficie(9600, 13200, 1200, 1.1);
  superficie.FijarOrientacion(Orientacion::kApaisada);
  ASSERT_TRUE(superficie.Comenzar());
  HojaImpresion hoja(superficie);
  hoja.FijarFuente({"Courier New", 8, false});
  hoja.PrepararHoja(150, 58);
  CabeceraApaisada(hoja, Datos(), "Ficha", 2);
  superficie.Terminar();
  const auto& pagina = superficie.paginas[0];
  EXPECT_EQ(pagina.Figuras(Tipo::kRectangulo)[0].caja, (CajaPixeles{600, 120, 12060, 960}));
  EXPECT_EQ(pagina.Figuras(Tipo::kElipse)[0].caja, (CajaPixeles{12300, 120, 13140, 960}));
  EXPECT_EQ(pagina.Buscar("2")->punto, (PuntoPixeles{12660, 360}));
}

TEST_F(ImpresionTest, VerticalDeSesentaLineasATamano12) {
  LlenarBuffer(buffer, 60);
  ImprimirVertical(superficie, Datos(), buffer, 60, false, 12, secciones);
  EsperarTrabajoCerrado();
  ASSERT_EQ(superficie.paginas.size(), 2u);

  const auto primera = LineasDe(superficie.paginas[0]);
  const auto segunda = LineasDe(superficie.paginas[1]);
  ASSERT_EQ(primera.size(), 51u);
  ASSERT_EQ(segunda.size(), 9u);
  EXPECT_EQ(NumeroDe(primera.front()), 1);
  EXPECT_EQ(NumeroDe(primera.back()), 51);
  EXPECT_EQ(NumeroDe(segunda.front()), 52);
  EXPECT_EQ(NumeroDe(segunda.back()), 60);
  // Grid of 50 x 58: column 5, rows 6..56.
  EXPECT_EQ(primera.front()->punto, (PuntoPixeles{960, 1366}));
  EXPECT_EQ(primera.back()->punto, (PuntoPixeles{960, 12745}));
  EXPECT_EQ(segunda.front()->punto, (PuntoPixeles{960, 1366}));
  EXPECT_EQ(primera.front()->fuente, (Fuente{"Arial", 12, false}));

  // Only the first page has the header.
  EXPECT_NE(superficie.paginas[0].Buscar("IES Rio Ebro"), nullptr);
  EXPECT_EQ(superficie.paginas[1].Buscar("IES Rio Ebro"), nullptr);
  EXPECT_EQ(superficie.paginas[1].Buscar("Ficha de Medicina"), nullptr);
  EXPECT_TRUE(superficie.paginas[1].figuras.empty());
}

TEST_F(ImpresionTest, VerticalLineasPorPaginaSegunTamano) {
  // 71 rows a page leave 169 pixels (10.2 points) a row: size 10 prints at 9.
  struct Caso {
    int n;
    int tamano;
    bool fijo;
    std::vector<std::size_t> porPagina;
    double impreso;
  };
  for (const Caso& c : {Caso{51, 12, false, {51}, 12}, Caso{52, 12, true, {51, 1}, 12},
                        Caso{150, 10, true, {71, 71, 8}, 9}, Caso{142, 8, false, {71, 71}, 8},
                        Caso{0, 12, false, {0}, 12}}) {
    SuperficieRegistro s = Superficie();
    BufferImpresion b;
    LlenarBuffer(b, c.n);
    ImprimirVertical(s, Datos(), b, c.n, c.fijo, c.tamano, secciones);
    ASSERT_EQ(s.paginas.size(), c.porPagina.size()) << c.n;
    for (std::size_t p = 0; p < s.paginas.size(); ++p) {
      const auto lineas = LineasDe(s.paginas[p]);
      EXPECT_EQ(lineas.size(), c.porPagina[p]) << c.n << " page " << p + 1;
      for (const auto* t : lineas) {
        EXPECT_EQ(t->fuente.familia, c.fijo ? "Courier New" : "Arial");
        EXPECT_EQ(t->fuente.tamano, c.impreso);
      }
    }
  }
}

TEST_F(ImpresionTest, VaciaLasLineasTrasLaUltimaYNoLasImprime) {
  LlenarBuffer(buffer, 1300);
  ImprimirVertical(superficie, Datos(), buffer, 40, true, 12, secciones);
  EXPECT_EQ(LineasDe(superficie.paginas[0]).size(), 40u);
  EXPECT_EQ(buffer.Linea(40), LineaNumero(40));
  EXPECT_EQ(buffer.Linea(41), "");
  EXPECT_EQ(buffer.Linea(1300), "");
  EXPECT_EQ(buffer.Linea(0), "Ficha de Medicina");
}

// Courier New 10 shrinks to 9 so that 71 rows fit the page.
TEST_F(ImpresionTest, TresColumnasHasta74LineasSaleVerticalEnCourier10) {
  LlenarBuffer(buffer, 74);
  ImprimirTresColumnas(superficie, Datos(), buffer, 74, true, secciones);
  EsperarTrabajoCerrado();
  ASSERT_EQ(superficie.paginas.size(), 2u);
  for (const auto& pagina : superficie.paginas) {
    EXPECT_EQ(pagina.orientacion, Orientacion::kVertical);
    for (const auto* t : LineasDe(pagina)) {
      EXPECT_EQ(t->fuente, (Fuente{"Courier New", 9, false}));
      EXPECT_EQ(t->punto.x, 960);
    }
  }
  EXPECT_EQ(LineasDe(superficie.paginas[0]).size(), 71u);
  EXPECT_EQ(LineasDe(superficie.paginas[1]).size(), 3u);
  EXPECT_NE(superficie.paginas[0].Buscar("IES Rio Ebro"), nullptr);
}

// Per page and column: the first and last line number printed there.
struct Columna {
  int primera;
  int ultima;
};

struct CasoTresColumnas {
  int n;
  bool compacto;
  int filas;
  double tamano;
  int columnasRejilla;
  std::vector<std::string> numerosPagina;  // "" where no page number is printed
  std::vector<std::vector<Columna>> columnas;
};

class TresColumnasTest : public ImpresionTest,
                         public ::testing::WithParamInterface<CasoTresColumnas> {};

TEST_P(TresColumnasTest, PaginasColumnasYNumeros) {
  const CasoTresColumnas& c = GetParam();
  LlenarBuffer(buffer, c.n);
  ImprimirTresColumnas(superficie, Datos(), buffer, c.n, c.compacto, secciones);
  EsperarTrabajoCerrado();
  ASSERT_EQ(superficie.paginas.size(), c.numerosPagina.size());

  // Normal, compact. On this 11-inch page the grid puts the compact second
  // column on its separator (4400) and both third columns before theirs
  // (8888): they start 0.05 inches past the line instead.
  const int x[2][3] = {{406, 4468, 8948}, {176, 4460, 8948}};
  const int alto = 9600;
  for (std::size_t p = 0; p < superficie.paginas.size(); ++p) {
    const auto& pagina = superficie.paginas[p];
    SCOPED_TRACE("page " + std::to_string(p + 1));
    EXPECT_EQ(pagina.orientacion, Orientacion::kApaisada);
    EXPECT_NE(pagina.Buscar("IES Rio Ebro"), nullptr);
    EXPECT_NE(pagina.Buscar("Ficha de Medicina"), nullptr);
    EXPECT_EQ(pagina.Figuras(Tipo::kElipse).size(), 1u);
    // The page number is the only size-16 text.
    std::string numero;
    for (const auto& t : pagina.textos) {
      if (t.fuente.tamano == 16) numero += t.texto;
    }
    EXPECT_EQ(numero, c.numerosPagina[p]);
    // Two separators from 1 to 7.5 inches.
    const auto lineas = pagina.Figuras(Tipo::kLinea);
    ASSERT_EQ(lineas.size(), 2u);
    EXPECT_EQ(lineas[0].caja, (CajaPixeles{4400, 1200, 4400, 9000}));
    EXPECT_EQ(lineas[1].caja, (CajaPixeles{8888, 1200, 8888, 9000}));

    std::vector<std::vector<int>> enColumna(3);
    for (const auto* t : LineasDe(pagina)) {
      int col = -1;
      for (int k = 0; k < 3; ++k) {
        if (t->punto.x == x[c.compacto][k]) col = k;
      }
      ASSERT_GE(col, 0) << t->texto << " at x " << t->punto.x;
      EXPECT_EQ(t->fuente, (Fuente{"Courier New", c.tamano, false}));
      const int fila = static_cast<int>(enColumna[static_cast<std::size_t>(col)].size()) + 1;
      const int y = static_cast<int>(std::lround((fila + 5.0) * alto / (c.filas + 8)));
      EXPECT_EQ(t->punto.y, y) << t->texto;
      enColumna[static_cast<std::size_t>(col)].push_back(NumeroDe(t));
    }
    for (std::size_t k = 0; k < 3; ++k) {
      const Columna esperada = c.columnas[p][k];
      const auto& numeros = enColumna[k];
      if (esperada.primera == 0) {
        EXPECT_TRUE(numeros.empty()) << "column " << k + 1;
        continue;
      }
      ASSERT_EQ(numeros.size(), static_cast<std::size_t>(esperada.ultima - esperada.primera + 1))
          << "column " << k + 1;
      for (std::size_t i = 0; i < numeros.size(); ++i) {
        EXPECT_EQ(numeros[i], esperada.primera + static_cast<int>(i));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TresColumnasTest,
    ::testing::Values(
        // One page, columns of 34, 34 and 32, no page number.
        CasoTresColumnas{100, false, 34, 10, 130, {""}, {{{1, 34}, {35, 68}, {69, 100}}}},
        CasoTresColumnas{100, true, 34, 8, 150, {""}, {{{1, 34}, {35, 68}, {69, 100}}}},
        // 50 rows leave 165 pixels a row: size 10 prints at 9.
        CasoTresColumnas{150, false, 50, 9, 130, {""}, {{{1, 50}, {51, 100}, {101, 150}}}},
        // 400 compact: 3 pages of 3 x 50, numbered.
        CasoTresColumnas{400,
                         true,
                         50,
                         8,
                         150,
                         {"1", "2", "3"},
                         {{{1, 50}, {51, 100}, {101, 150}},
                          {{151, 200}, {201, 250}, {251, 300}},
                          {{301, 350}, {351, 400}, {0, 0}}}},
        // 400 normal: g = 8 groups of 50 rows, 3 pages.
        CasoTresColumnas{400,
                         false,
                         50,
                         9,
                         130,
                         {"1", "2", "3"},
                         {{{1, 50}, {51, 100}, {101, 150}},
                          {{151, 200}, {201, 250}, {251, 300}},
                          {{301, 350}, {351, 400}, {0, 0}}}},
        // 151 normal: g = 4, 38 rows, 2 pages.
        CasoTresColumnas{151,
                         false,
                         38,
                         10,
                         130,
                         {"1", "2"},
                         {{{1, 38}, {39, 76}, {77, 114}}, {{115, 151}, {0, 0}, {0, 0}}}}));

TEST(FormatoTresColumnas, GruposFilasYPaginas) {
  struct Caso {
    int n;
    bool compacto;
    int filas, paginas;
  };
  for (const Caso& c : {Caso{75, false, 25, 1}, Caso{151, true, 50, 2}, Caso{301, true, 50, 3},
                        Caso{301, false, 43, 3}, Caso{2000, true, 50, 14},
                        Caso{2000, false, 50, 14}, Caso{1301, false, 49, 9}}) {
    const auto f = CalcularTresColumnas(c.n, c.compacto);
    EXPECT_EQ(f.filas, c.filas) << c.n << " " << c.compacto;
    EXPECT_EQ(f.paginas, c.paginas) << c.n << " " << c.compacto;
    EXPECT_GE(f.filas * 3 * f.paginas, c.n);
  }
}

TEST_F(ImpresionTest, LineasDeSeccionEnNegritaEnCualquierColumna) {
  LlenarBuffer(buffer, 100);
  for (int k : {1, 34, 40, 80, 100}) secciones.Agregar(k);
  ImprimirTresColumnas(superficie, Datos(), buffer, 100, false, secciones);
  std::vector<int> negritas;
  for (const auto* t : LineasDe(superficie.paginas[0])) {
    if (t->fuente.negrita) negritas.push_back(NumeroDe(t));
  }
  std::sort(negritas.begin(), negritas.end());
  EXPECT_EQ(negritas, (std::vector<int>{1, 34, 40, 80, 100}));

  // The same list in the portrait printout; the count bounds the listed lines.
  secciones.FijarCuenta(3);
  SuperficieRegistro vertical = Superficie();
  LlenarBuffer(buffer, 60);
  ImprimirVertical(vertical, Datos(), buffer, 60, false, 12, secciones);
  negritas.clear();
  for (const auto& pagina : vertical.paginas) {
    for (const auto* t : LineasDe(pagina)) {
      if (t->fuente.negrita) negritas.push_back(NumeroDe(t));
    }
  }
  EXPECT_EQ(negritas, (std::vector<int>{1, 34, 40}));
}

TEST_F(ImpresionTest, TresColumnasQuitaBlancosFinales) {
  LlenarBuffer(buffer, 80);
  buffer.Fijar(5, "Linea 0005      ");
  ImprimirTresColumnas(superficie, Datos(), buffer, 80, true, secciones);
  EXPECT_NE(superficie.paginas[0].Buscar("Linea 0005"), nullptr);
}

// The box a recorded text covers, with the surface's character width
// (`factorAncho` x size) and row height (1.1 x size).
struct CajaTexto {
  double x1, y1, x2, y2;
  const TextoRegistrado* texto;
};

CajaTexto CajaDe(const TextoRegistrado& t, double factorAncho) {
  const double pixelesPorPunto = 1200.0 / 72.0;
  const double ancho =
      static_cast<double>(t.texto.size()) * t.fuente.tamano * factorAncho * pixelesPorPunto;
  double x = t.punto.x;
  if (t.alineacion == Alineacion::kCentro) x -= ancho / 2;
  if (t.alineacion == Alineacion::kDerecha) x -= ancho;
  return {x, static_cast<double>(t.punto.y), x + ancho,
          t.punto.y + t.fuente.tamano * 1.1 * pixelesPorPunto, &t};
}

// No text overlaps another, crosses a separator or leaves the page.
void EsperarSinSolapes(const SuperficieRegistro& s, double factorAncho = 0.6) {
  for (std::size_t p = 0; p < s.paginas.size(); ++p) {
    const PaginaRegistrada& pagina = s.paginas[p];
    // Every page of a job has the job's direction, still set on the surface.
    const int anchoPagina = s.AnchoPixeles();
    std::vector<CajaTexto> cajas;
    for (const auto& t : pagina.textos) cajas.push_back(CajaDe(t, factorAncho));
    for (std::size_t i = 0; i < cajas.size(); ++i) {
      const CajaTexto& a = cajas[i];
      EXPECT_GE(a.x1, 0) << "page " << p + 1 << ": " << a.texto->texto;
      EXPECT_LE(a.x2, anchoPagina) << "page " << p + 1 << ": " << a.texto->texto;
      for (const auto& linea : pagina.Figuras(Tipo::kLinea)) {
        EXPECT_FALSE(a.x1 <= linea.caja.x1 && linea.caja.x1 <= a.x2 && a.y1 < linea.caja.y2 &&
                     linea.caja.y1 < a.y2)
            << "page " << p + 1 << ": " << a.texto->texto << " on the separator";
      }
      for (std::size_t j = i + 1; j < cajas.size(); ++j) {
        const CajaTexto& b = cajas[j];
        EXPECT_FALSE(a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2)
            << "page " << p + 1 << ": \"" << a.texto->texto << "\" and \"" << b.texto->texto
            << "\"";
      }
    }
  }
}

// Every word of lines 1..n is printed, as many times as it is in the buffer.
void EsperarTodasLasPalabras(const SuperficieRegistro& s, const BufferImpresion& buffer, int n) {
  std::multiset<std::string> impresas;
  for (const auto& pagina : s.paginas) {
    for (const auto& t : pagina.textos) {
      for (auto& palabra : Palabras(t.texto)) impresas.insert(std::move(palabra));
    }
  }
  for (int k = 1; k <= n; ++k) {
    for (const auto& palabra : Palabras(buffer.Linea(k))) {
      const auto encontrada = impresas.find(palabra);
      ASSERT_NE(encontrada, impresas.end()) << "line " << k << ": " << palabra;
      impresas.erase(encontrada);
    }
  }
}

TEST(InformesSinSolapes, LineasDeTodoLargoEnCualquierRutinaYPagina) {
  enum class Rutina { kCompacta, kNormal, kVerticalArial12, kVerticalCourier10 };
  struct Caso {
    const char* nombre;
    Rutina rutina;
    int n;
    int anchoVertical;  // the portrait page's width
    int altoVertical;   // the landscape page's width
    double tamano;      // of the report's lines
    std::size_t paginas;
  };
  // Lines of 1 to 60 characters. 60 characters fit the narrowest column of
  // an 11-inch landscape page at 6.5 points; on a 9-inch one they wrap.
  for (const Caso& c : {
           Caso{"compact", Rutina::kCompacta, 400, 9600, 13200, 6.5, 3},
           Caso{"normal", Rutina::kNormal, 400, 9600, 13200, 6.5, 3},
           Caso{"compact, one page", Rutina::kCompacta, 120, 9600, 13200, 6.5, 1},
           Caso{"three columns as portrait", Rutina::kNormal, 74, 9600, 13200, 9, 2},
           Caso{"portrait Arial 12", Rutina::kVerticalArial12, 120, 9600, 13200, 12, 3},
           Caso{"portrait Courier 10", Rutina::kVerticalCourier10, 150, 9600, 13200, 9, 3},
           Caso{"compact, wrapped", Rutina::kCompacta, 400, 9600, 10800, 6.5, 5},
           Caso{"normal, wrapped", Rutina::kNormal, 150, 9600, 10800, 6.5, 3},
           // 3 inches: 49 characters a row.
           Caso{"portrait, wrapped", Rutina::kVerticalCourier10, 150, 3600, 13200, 6.5, 3},
       }) {
    SCOPED_TRACE(c.nombre);
    SuperficieRegistro s(c.anchoVertical, c.altoVertical, 1200, 1.1);
    BufferImpresion buffer;
    SeccionesImpresion secciones;
    buffer.Fijar(0, "Ficha de Medicina");
    for (int k = 1; k <= c.n; ++k) buffer.Fijar(k, LineaDeLargo(k, 1 + (k * 7) % 60));
    for (int k = 1; k <= c.n; k += 13) secciones.Agregar(k);
    switch (c.rutina) {
      case Rutina::kCompacta:
      case Rutina::kNormal:
        ImprimirTresColumnas(s, Datos(), buffer, c.n, c.rutina == Rutina::kCompacta, secciones);
        break;
      case Rutina::kVerticalArial12:
        ImprimirVertical(s, Datos(), buffer, c.n, false, 12, secciones);
        break;
      case Rutina::kVerticalCourier10:
        ImprimirVertical(s, Datos(), buffer, c.n, true, 10, secciones);
        break;
    }
    EXPECT_EQ(s.paginas.size(), c.paginas);
    EsperarSinSolapes(s);
    EsperarTodasLasPalabras(s, buffer, c.n);
    for (const auto& pagina : s.paginas) {
      for (const auto* t : LineasDeInforme(pagina)) EXPECT_EQ(t->fuente.tamano, c.tamano);
    }
  }
}

// Characters as wide as the font size (wide capitals): in portrait the
// centre's name shrinks and the title is cut short with an ellipsis rather
// than reach the picture or the year; the landscape frame holds both.
TEST(CabecerasSinSolapes, NombreYTituloLargosEncogenYSeAbrevian) {
  const std::string titulo =
      "TEOR\xCD"
      "A DE LA LITERATURA Y LITERATURA COMPARADA (2\xBA CICLO)";
  const DatosCabecera datos{
      "INSTITUTO DE EDUCACION SECUNDARIA PE\xD1"
      "A GRANDE",
      "Curso", ImagenHoja{"chica.bmp"}};
  for (const bool apaisada : {false, true}) {
    SCOPED_TRACE(apaisada ? "landscape" : "portrait");
    SuperficieRegistro s(9600, 13200, 1200, 1.1, 1.0);
    s.FijarOrientacion(apaisada ? Orientacion::kApaisada : Orientacion::kVertical);
    ASSERT_TRUE(s.Comenzar());
    HojaImpresion hoja(s);
    hoja.FijarFuente({"Arial", 12, false});
    hoja.PrepararHoja(50, 58);
    if (apaisada) {
      CabeceraApaisada(hoja, datos, titulo, 12);
    } else {
      CabeceraVertical(hoja, datos, titulo);
    }
    s.Terminar();
    EsperarSinSolapes(s, 1.0);
    const PaginaRegistrada& pagina = s.paginas[0];

    const TextoRegistrado* nombre = pagina.Buscar(datos.NombreCentro);
    ASSERT_NE(nombre, nullptr);
    if (apaisada) {
      EXPECT_EQ(nombre->fuente.tamano, 12);
    } else {
      EXPECT_LT(nombre->fuente.tamano, 12);
      EXPECT_GE(nombre->fuente.tamano, kTamanoMinimoCabecera);
    }
    // Clear of the picture (0.95 inches).
    EXPECT_GE(CajaDe(*nombre, 1.0).x1, 1140);

    const TextoRegistrado* impreso = nullptr;
    for (const auto& t : pagina.textos) {
      if (t.punto == PuntoPixeles{1200, 600}) impreso = &t;
    }
    ASSERT_NE(impreso, nullptr);
    if (apaisada) {
      // The wide frame holds the whole title.
      EXPECT_EQ(impreso->texto, titulo);
    } else {
      EXPECT_EQ(impreso->fuente.tamano, kTamanoMinimoCabecera);
      ASSERT_EQ(impreso->texto.back(), '\x85');
      EXPECT_EQ(titulo.rfind(impreso->texto.substr(0, impreso->texto.size() - 1), 0), 0u);
    }
  }
}

TEST_F(ImpresionTest, InformesDeMasDe1300LineasSiguenEnMasPaginas) {
  for (int k = 1; k <= 1500; ++k) buffer.Fijar(k, LineaNumero(k));
  EXPECT_EQ(buffer.Linea(1500), LineaNumero(1500));
  ImprimirTresColumnas(superficie, Datos(), buffer, 1500, true, secciones);
  ASSERT_EQ(superficie.paginas.size(), 10u);
  const auto ultima = LineasDe(superficie.paginas.back());
  EXPECT_EQ(ultima.size(), 150u);
  EXPECT_EQ(NumeroDe(ultima.back()), 1500);

  SuperficieRegistro vertical;
  ImprimirVertical(vertical, Datos(), buffer, 1500, false, 10, secciones);
  std::size_t total = 0;
  for (const auto& pagina : vertical.paginas) total += LineasDe(pagina).size();
  EXPECT_EQ(total, 1500u);
  EXPECT_EQ(vertical.paginas.size(), 22u);  // 21 x 71 + 9
}

TEST_F(ImpresionTest, ImpresoraPideConfirmacionConElTitulo) {
  ImpresoraRegistro impresora;
  LlenarBuffer(buffer, 10);
  impresora.confirmar = false;
  EXPECT_FALSE(ImprimirTresColumnas(impresora, Datos(), buffer, 10, true, secciones));
  EXPECT_TRUE(impresora.superficie.paginas.empty());
  impresora.confirmar = true;
  EXPECT_TRUE(ImprimirVertical(impresora, Datos(), buffer, 10, false, 12, secciones));
  EXPECT_EQ(impresora.superficie.paginas.size(), 1u);
  EXPECT_EQ(impresora.titulos,
            (std::vector<std::string>{"Ficha de Medicina", "Ficha de Medicina"}));
}

TEST_F(ImpresionTest, ImpresoraQueNoAbreNoDibujaNada) {
  superficie.fallarAlComenzar = true;
  LlenarBuffer(buffer, 200);
  ImprimirTresColumnas(superficie, Datos(), buffer, 200, true, secciones);
  ImprimirVertical(superficie, Datos(), buffer, 200, true, 12, secciones);
  EXPECT_TRUE(superficie.paginas.empty());
  EXPECT_EQ(superficie.fueraDeTrabajo, 0);
  EXPECT_EQ(superficie.terminados, 0);
}

TEST(DatosCabecera, NombreDelCentroYTexto175) {
  CatalogoTextos catalogo;
  std::vector<std::string> lineas(175);
  lineas[173] = "Otro";
  lineas[174] = "Curso escolar";  // slot of 10 characters
  catalogo.Rellenar(lineas);
  const DatosCabecera datos = DatosCabeceraDe(catalogo, std::string(55, 'c'));
  EXPECT_EQ(datos.NombreCentro, std::string(50, 'c'));
  EXPECT_EQ(datos.TextoCurso, "Curso esco");
  EXPECT_EQ(datos.Imagen.nombre, "chica.bmp");
}

TEST(BuffersImpresion, LineasCortadasYCrecimiento) {
  BufferImpresion buffer;
  EXPECT_EQ(buffer.Capacidad(), 1300);
  buffer.Fijar(3, std::string(70, 'x'));
  EXPECT_EQ(buffer.Linea(3), std::string(60, 'x'));
  buffer.Fijar(-1, "nada");
  EXPECT_EQ(buffer.Linea(-1), "");
  EXPECT_EQ(buffer.Linea(1301), "");
  buffer.Fijar(1302, "mas");
  EXPECT_EQ(buffer.Capacidad(), 1302);
  EXPECT_EQ(buffer.Linea(1302), "mas");
  buffer.VaciarDesde(4);
  EXPECT_EQ(buffer.Linea(1302), "");
  EXPECT_EQ(buffer.Linea(3), std::string(60, 'x'));
}

TEST(BuffersImpresion, SeccionesCuentanHasta90) {
  SeccionesImpresion secciones;
  for (int k = 1; k <= 95; ++k) secciones.Agregar(k * 2);
  EXPECT_EQ(secciones.Cuenta(), 90);
  EXPECT_TRUE(secciones.EsNegrita(180));
  EXPECT_FALSE(secciones.EsNegrita(182));
  EXPECT_FALSE(secciones.EsNegrita(3));
  secciones.FijarCuenta(2);
  EXPECT_TRUE(secciones.EsNegrita(4));
  EXPECT_FALSE(secciones.EsNegrita(6));
  secciones.FijarCuenta(200);
  EXPECT_EQ(secciones.Cuenta(), 90);
  secciones.Vaciar();
  EXPECT_FALSE(secciones.EsNegrita(0));
  EXPECT_FALSE(secciones.EsNegrita(2));
}

}  // namespace
}  // namespace sendaro
