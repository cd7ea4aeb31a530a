#include "data/mapas.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/ayuda_pruebas.h"

namespace sendaro {
namespace {

using prueba::EntornoDePrueba;

// A "puntos3" record with chosen integers: column x (1..281), integer k of
// the column (may run past 636 into the next columns), low byte v; the high
// bytes get noise that must be ignored.
class RecordPuntos {
 public:
  RecordPuntos() : bytes_(714864, '\0') {}
  RecordPuntos& Poner(int x, int k, int v) {
    const std::size_t i = (static_cast<std::size_t>(x - 1) * 636 + static_cast<std::size_t>(k)) * 4;
    bytes_.at(i) = static_cast<char>(v);
    bytes_.at(i + 1) = '\x7f';
    bytes_.at(i + 3) = '\x01';
    return *this;
  }
  TablaPuntos Tabla() const {
    auto datos = std::make_unique<DatosPuntos>();
    EXPECT_TRUE(AnalizarPuntos(bytes_, *datos));
    return TablaPuntos(*datos);
  }

 private:
  std::string bytes_;
};

struct CasoRegion {
  Mapa mapa;
  int x, y;
  int esperado;
  const char* que;
};

TEST(RegionEn, LeeCadaTablaEnSuSitioDelRegistro) {
  const TablaPuntos t = RecordPuntos()
                            .Poner(1, 0, 7)          // communities, column 1 row 1
                            .Poner(281, 195, 19)     // communities, last column, row 196
                            .Poner(5, 196, 3)        // integer 196: no table's
                            .Poner(10, 220, 41)      // comarcas, row 1
                            .Poner(10, 439, 37)      // comarcas, row 220
                            .Poner(20, 440, 28)      // zones, row 1
                            .Poner(20, 635, 12)      // zones, row 196
                            .Poner(21, 0, 9)         // next column's first integer: zone row 197
                            .Poner(21, 23, 4)        // zone row 220 of column 20
                            .Tabla();
  const CasoRegion casos[] = {
      {Mapa::kComunidades, 1, 1, 7, "first pixel of the table"},
      {Mapa::kComunidades, 281, 196, 19, "last pixel of the table"},
      {Mapa::kComunidades, 0, 1, 0, "column 0"},
      {Mapa::kComunidades, 1, 0, 0, "row 0"},
      {Mapa::kComunidades, 282, 196, 0, "column 282"},
      {Mapa::kComunidades, 281, 197, 0, "row 197 is beyond the communities"},
      {Mapa::kComunidades, -3, -3, 0, "negative"},
      {Mapa::kComarcas, 10, 1, 41, "comarca row 1"},
      {Mapa::kComarcas, 10, 220, 37, "comarca row 220"},
      {Mapa::kComarcas, 10, 221, 0, "comarca row 221"},
      {Mapa::kComarcas, 10, 0, 0, "comarca row 0"},
      {Mapa::kComarcas, 5, 1, 0, "integer 196 is not a comarca"},
      {Mapa::kZonas, 20, 1, 28, "zone row 1"},
      {Mapa::kZonas, 20, 196, 12, "zone row 196"},
      {Mapa::kZonas, 20, 197, 9, "zone row 197 is the next column's community row 1"},
      {Mapa::kZonas, 20, 220, 4, "zone row 220 is the next column's community row 24"},
      {Mapa::kZonas, 20, 221, 0, "zone row 221"},
      {Mapa::kZonas, 0, 1, 0, "zone column 0"},
  };
  for (const auto& c : casos) EXPECT_EQ(RegionEn(t, c.mapa, c.x, c.y), c.esperado) << c.que;
  // The communities table sees the shared integers as its own rows 1 and 24.
  EXPECT_EQ(RegionEn(t, Mapa::kComunidades, 21, 1), 9);
  EXPECT_EQ(RegionEn(t, Mapa::kComunidades, 21, 24), 4);
}

TEST(RegionEn, LaColumna281DeLasZonasAcabaEnElFinDelRegistro) {
  // Column 281's zone rows 197..220 lie past the end of the record: 0, even
  // when every byte of the record is set.
  RecordPuntos r;
  for (int x = 1; x <= 281; ++x)
    for (int k = 0; k < 636; ++k) r.Poner(x, k, 5);
  const TablaPuntos t = r.Tabla();
  EXPECT_EQ(RegionEn(t, Mapa::kZonas, 281, 196), 5);
  for (int y = 197; y <= 220; ++y) EXPECT_EQ(RegionEn(t, Mapa::kZonas, 281, y), 0) << y;
  EXPECT_EQ(RegionEn(t, Mapa::kZonas, 280, 197), 5);
  EXPECT_EQ(RegionEn(t, Mapa::kZonas, 280, 220), 5);
}

TEST(RegionEnRectangulos, PrimerRectanguloConLosBordesDeLaTabla) {
  struct Caso {
    int x, y, esperado;
  };
  const Caso casos[] = {
      {69, 218, 1},   // left edge is inside
      {69, 217, 1},   // top - 1 is inside
      {69, 216, 0},   // above that is not
      {131, 220, 0},  // right edge is outside
      {130, 235, 1},  // last pixel before right and bottom
      {100, 236, 0},  // bottom edge is outside
      {41, 120, 11},
      {133, 139, 17},
      {78, 251, 18},
      {143, 261, 19},
      {0, 0, 0},
      // 17 ends above row 140, 12 starts at row 141 (its top - 1).
      {130, 139, 17},
      {130, 140, 0},
      {130, 141, 12},
  };
  for (const auto& c : casos) EXPECT_EQ(RegionEnRectangulos(c.x, c.y), c.esperado) << c.x << "," << c.y;
}

TablaLinea Comunidades() {
  TablaLinea t(TablaLinea::kLimiteNormal);
  const char* lineas[] = {" 1Andaluc\xED" "a", "11Arag\xF3n", "15Asturias (Principado de)"};
  int n = 0;
  for (const char* l : lineas) {
    std::string s(l);
    s.resize(53, ' ');
    t.Fijar(++n, s);
  }
  for (int i = 4; i <= 19; ++i) {
    std::string s = "99Comunidad " + std::to_string(i);
    s.resize(53, ' ');
    t.Fijar(i, s);
  }
  t.FijarCuenta(19);
  return t;
}

std::unique_ptr<TablaZonas> Zonas(EntornoDePrueba& prueba) {
  auto z = std::make_unique<TablaZonas>();
  const std::string bytes =
      "81 1Centro\r\n"
      "81 1Chamber\xED\r\n"
      "82 2Arganzuela\r\n"
      "8C12Alcobendas\r\n"
      "8C12S. Sebasti\xE1n de los Reyes\r\n"
      "8C12Tres Cantos\r\n"
      "8C12Colmenar Viejo\r\n"
      "82 2Retiro\r\n"
      "8S28Buitrago del Lozoya\r\n";
  AnalizarZonas(prueba.entorno, bytes, *z, 25);
  return z;
}

TEST(NombreZona, MiembrosUnidosConGuion) {
  EntornoDePrueba prueba;
  const auto z = Zonas(prueba);
  EXPECT_EQ(NombreZona(*z, 1), "Centro - Chamber\xED");
  // Members in line order, the line in between does not matter.
  EXPECT_EQ(NombreZona(*z, 2), "Arganzuela - Retiro");
  // Three members joined; a fourth is not a member.
  EXPECT_EQ(NombreZona(*z, 12), "Alcobendas - S. Sebasti\xE1n de los Reyes - Tres Cantos");
  EXPECT_EQ(NombreZona(*z, 28), "Buitrago del Lozoya");
  EXPECT_EQ(NombreZona(*z, 3), "");
  EXPECT_EQ(NombreZona(*z, 29), "");
}

std::unique_ptr<TablaComarcas> Comarcas(EntornoDePrueba& prueba) {
  auto c = std::make_unique<TablaComarcas>();
  std::string bytes;
  for (int linea = 1; linea <= 41; ++linea) {
    const std::string n = (linea < 10 ? "0" : "") + std::to_string(linea);
    bytes += "5A" + n + (linea == 37 ? std::string("Barcelon\xE8s") : "Comarca " + n) + "\r\n";
  }
  for (const char* s : {"Ciutat Vella", "Eixample", "Sants-Montju\xEF" "c", "Gr\xE0" "cia", "------", "Sant Mart\xED"})
    bytes += std::string("5a") + s + "\r\n";
  AnalizarComarcas(prueba.entorno, bytes, *c, 20);
  return c;
}

TEST(EtiquetaMapa, NombraLaRegionBajoElPunteroOQuedaVacia) {
  EntornoDePrueba prueba;
  const TablaLinea comunidades = Comunidades();
  const auto comarcas = Comarcas(prueba);
  const auto zonas = Zonas(prueba);
  const NombresMapas nombres{&comunidades, comarcas.get(), zonas.get()};
  const TablaPuntos t = RecordPuntos()
                            .Poner(50, 59, 3)          // communities (50, 60): Asturias
                            .Poner(51, 59, 20)         // communities (51, 60): out of range
                            .Poner(60, 220 + 9, 37)    // comarcas (60, 10)
                            .Poner(61, 220 + 9, 42)    // comarcas (61, 10): a sub-area is not on the map
                            .Poner(70, 440 + 4, 12)    // zones (70, 5)
                            .Poner(71, 440 + 4, 29)    // zones (71, 5): out of range
                            .Tabla();
  EstadoMapas estado;
  EXPECT_EQ(estado.regionMapa, 1);

  struct Caso {
    Mapa mapa;
    int x, y;
    int region;
    const char* texto;
    int ancho;
  };
  const Caso casos[] = {
      {Mapa::kComunidades, 50, 60, 3, "Asturias (Principado de)", 115},
      {Mapa::kComunidades, 51, 60, 20, "", 115},
      {Mapa::kComunidades, 0, 60, 0, "", 115},
      {Mapa::kComarcas, 60, 10, 37, "Barcelon\xE8s", 115},
      {Mapa::kComarcas, 61, 10, 42, "", 115},
      {Mapa::kZonas, 70, 5, 12, "Alcobendas - S. Sebasti\xE1n de los Reyes - Tres Cantos", 250},
      {Mapa::kZonas, 71, 5, 29, "", 0},
      {Mapa::kZonas, 70, 0, 0, "", 0},
  };
  for (const auto& c : casos) {
    const EtiquetaMapa e = MoverSobreMapa(estado, t, c.mapa, c.x, c.y, nombres);
    EXPECT_EQ(estado.regionMapa, c.region) << c.x << "," << c.y;
    EXPECT_EQ(e.texto, c.texto) << c.x << "," << c.y;
    EXPECT_EQ(e.mano, *c.texto != '\0') << c.x << "," << c.y;
    EXPECT_EQ(e.ancho, c.ancho) << c.x << "," << c.y;
    EXPECT_EQ(e.izquierda, c.x);
    EXPECT_EQ(e.arriba, c.y + 110);
  }

  // The rectangle variant adds the screen's offset to the pointer for the
  // lookup but places the label at the pointer.
  const EtiquetaMapa r = MoverSobreRectangulos(estado, 36, 30, 5, 90, nombres);
  EXPECT_EQ(estado.regionMapa, 11);
  EXPECT_EQ(r.texto, "Comunidad 11");
  EXPECT_EQ(r.izquierda, 36);
  EXPECT_EQ(r.arriba, 140);
}

TEST(ClickComunidades, CadaModoEnSuOrdenYCeutaMelillaComoAndalucia) {
  struct Caso {
    const char* que;
    ModosComunidad modos;
    int region;
    AccionMapa accion;
    int comunidad;
    int titulo;
    int ayuda;
  };
  ModosComunidad impresion;
  impresion.eleccionImpresion = true;
  impresion.consulta = true;
  ModosComunidad consulta;
  consulta.consulta = true;
  consulta.fp = true;
  ModosComunidad fp;
  fp.fp = true;
  fp.artes = true;
  ModosComunidad artes;
  artes.artes = true;
  artes.grados = true;
  ModosComunidad grados;
  grados.grados = true;
  grados.dobles = true;
  ModosComunidad dobles;
  dobles.dobles = true;
  const Caso casos[] = {
      {"printing choice first", impresion, 18, AccionMapa::kEleccionImpresion, 18, 0, 0},
      {"consultation of Ceuta", consulta, 18, AccionMapa::kConsulta, 1, 18, 0},
      {"consultation of Melilla", consulta, 19, AccionMapa::kConsulta, 1, 19, 0},
      {"consultation of Madrid", consulta, 13, AccionMapa::kConsulta, 13, 13, 0},
      {"vocational keeps Melilla", fp, 19, AccionMapa::kProvinciasFP, 19, 0, 0},
      {"arts before new degrees", artes, 18, AccionMapa::kArtes, 1, 0, 15},
      {"new degrees before doubles", grados, 9, AccionMapa::kGradosNuevos, 9, 0, 15},
      {"doubles", dobles, 19, AccionMapa::kDobles, 1, 0, 15},
      {"universities", {}, 5, AccionMapa::kUniversidades, 5, 0, 15},
  };
  for (const auto& c : casos) {
    EstadoMapas estado;
    estado.regionMapa = c.region;
    const ClickMapa click = ClickComunidades(estado, c.modos);
    EXPECT_EQ(click.accion, c.accion) << c.que;
    EXPECT_EQ(click.comunidad, c.comunidad) << c.que;
    EXPECT_EQ(estado.comunidadSel, c.comunidad) << c.que;
    EXPECT_EQ(click.comunidadTitulo, c.titulo) << c.que;
    EXPECT_EQ(click.temaAyuda, c.ayuda) << c.que;
    EXPECT_TRUE(click.ocultarEtiqueta) << c.que;
    EXPECT_EQ(estado.regionMapa, c.region) << c.que << ": the click does not change RegionMapa";
  }
}

TEST(ClickMapas, FueraDeRegionNoHaceNadaYNoCambiaLaSeleccion) {
  struct Caso {
    int region;
    bool comunidad, comarca, zona;  // whether each map acts on it
  };
  const Caso casos[] = {
      {0, false, false, false},  {1, true, true, true},     {17, true, true, true},
      {20, false, true, true},   {28, false, true, true},   {29, false, true, false},
      {41, false, true, false},  {42, false, false, false}, {255, false, false, false},
  };
  for (const auto& c : casos) {
    EstadoMapas estado;
    estado.regionMapa = c.region;
    estado.comunidadSel = 4;
    estado.comarcaSel = 5;
    estado.zonaSel = 6;
    EXPECT_EQ(ClickComunidades(estado, {}).accion != AccionMapa::kNada, c.comunidad) << c.region;
    EXPECT_EQ(estado.comunidadSel, c.comunidad ? c.region : 4) << c.region;
    EXPECT_EQ(ClickComarcas(estado).accion != AccionMapa::kNada, c.comarca) << c.region;
    EXPECT_EQ(estado.comarcaSel, c.comarca ? c.region : 5) << c.region;
    EXPECT_EQ(ClickZonas(estado).accion != AccionMapa::kNada, c.zona) << c.region;
    EXPECT_EQ(estado.zonaSel, c.zona ? c.region : 6) << c.region;
  }
}

TEST(ClickMapas, ComarcasBarcelonaYZonas) {
  EstadoMapas estado;
  estado.regionMapa = 37;
  ClickMapa c = ClickComarcas(estado);
  EXPECT_EQ(c.accion, AccionMapa::kListaBarcelona);
  EXPECT_EQ(estado.comarcaSel, 37);
  EXPECT_TRUE(c.ocultarEtiqueta);

  estado.regionMapa = 41;
  c = ClickComarcas(estado);
  EXPECT_EQ(c.accion, AccionMapa::kCentrosComarca);
  EXPECT_EQ(c.comarca, 41);

  // Row 4 is inert; rows around it pick entries 42 + row.
  estado.comarcaSel = 37;
  estado.regionMapa = 37;
  c = ClickBarcelona(estado, 4);
  EXPECT_EQ(c.accion, AccionMapa::kNada);
  EXPECT_EQ(estado.comarcaSel, 37);
  EXPECT_EQ(estado.regionMapa, 37);
  struct Fila {
    int fila, entrada;
  };
  for (const Fila f : {Fila{0, 42}, Fila{3, 45}, Fila{5, 47}}) {
    c = ClickBarcelona(estado, f.fila);
    EXPECT_EQ(c.accion, AccionMapa::kCentrosComarca) << f.fila;
    EXPECT_EQ(c.comarca, f.entrada);
    EXPECT_EQ(estado.comarcaSel, f.entrada);
    EXPECT_EQ(estado.regionMapa, f.entrada);
  }
  EXPECT_EQ(ClickBarcelona(estado, -1).accion, AccionMapa::kNada);

  estado.regionMapa = 28;
  c = ClickZonas(estado);
  EXPECT_EQ(c.accion, AccionMapa::kCentrosZona);
  EXPECT_EQ(estado.zonaSel, 28);
  EXPECT_TRUE(c.ocultarEtiqueta);
}

TEST(SubareasBarcelona, EntradasDesdeLa42EnOrden) {
  EntornoDePrueba prueba;
  const auto comarcas = Comarcas(prueba);
  const std::vector<std::string> esperado = {"Ciutat Vella", "Eixample", "Sants-Montju\xEF" "c",
                                             "Gr\xE0" "cia",       "------",   "Sant Mart\xED"};
  EXPECT_EQ(SubareasBarcelona(*comarcas), esperado);
  EXPECT_EQ(NombreComarca(*comarcas, 42 + 5), "Sant Mart\xED");
}

TEST(UniversidadesDeComunidad, LineasDeLaComunidadEnOrden) {
  auto u = std::make_unique<TablaUniversidades>();
  const std::string bytes =
      " 1Universidad de Sevilla\r\n"
      "13Universidad Complutense\r\n"
      " 1Universidad de Granada\r\n"
      "18Centro de Ceuta\r\n";
  AnalizarUniversidades(bytes, "LUGAR", *u);
  EXPECT_EQ(UniversidadesDeComunidad(*u, 1), (std::vector<int>{1, 3}));
  EXPECT_EQ(UniversidadesDeComunidad(*u, 13), (std::vector<int>{2}));
  // In the consultation a click on Ceuta lists community 1's universities.
  EstadoMapas estado;
  estado.regionMapa = 18;
  ModosComunidad consulta;
  consulta.consulta = true;
  const ClickMapa c = ClickComunidades(estado, consulta);
  EXPECT_EQ(UniversidadesDeComunidad(*u, c.comunidad), (std::vector<int>{1, 3}));
  EXPECT_EQ(c.comunidadTitulo, 18);
}

}  // namespace
}  // namespace sendaro
