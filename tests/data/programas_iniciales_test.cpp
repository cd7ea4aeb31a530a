// Initial programmes: an area's rows, modules and details, the centres of a
// programme in a community, the centre search by province and locality, and
// both reports, on small tables read the way the screen reads them.
#include "data/programas_iniciales.h"

#include <gtest/gtest.h>

#include "data/impresion/lineas_prueba.h"
#include "data/lectores.h"

namespace sendaro {
namespace {

constexpr std::string_view kFpip =
    "26E4Administracion\r\n"  // 1: "E" and "4" have no programme
    "AA  Hosteleria\r\n"      // 2: a repeated character
    "0   Buscar centros\r\n"  // 3: the centre search
    " 2  Codigo con blanco\r\n"
    "\r\n\r\n\r\n\r\n\r\n"          // 5-9: blank areas
    "2-Administracion\r\n"          // 1
    "2Auxiliar de oficina\r\n"      // 2
    "6-Comercio\r\n"                // 3
    "6Auxiliar de comercio\r\n"     // 4
    "A-Hosteleria\r\n"              // 5
    "AAyudante de cocina\r\n"       // 6
    "2Auxiliar administrativo\r\n"  // 7
    "\r\n";                         // 8: a blank line is no programme

// A centre line: province, name and locality (44), phone (9), a blank, codes.
std::string Centro(char provincia, std::string nombre, std::string telefono, std::string codigos) {
  nombre.resize(44, ' ');
  telefono.resize(9, ' ');
  return std::string(1, provincia) + nombre + telefono + " " + codigos + "\r\n";
}

struct Tablas {
  Tablas() {
    AnalizarTabla(kFpip, "fpip", programas, 60);
    std::string modulos(10, '\n');  // programme 1, a heading: ten blank lines
    for (const char* m : {"  Modulo A", "  Modulo B", "  Modulo C", "  Modulo D", "  Modulo E",
                          "  Puesto 1", "  Puesto 2", "  Puesto 3", "  Puesto 4", "  Puesto 5"}) {
      modulos += std::string(m) + "\n";
    }
    AnalizarTabla(modulos, "IPmodulos", this->modulos, 60);
    AnalizarTabla("38Requisito uno\n39Estudia uno\n17Otro tema\n38Requisito dos\n", "INFORMA",
                  informa, 60);
    // Community 1: base 16, provinces "2E" and "36"; community 2: base 11
    // ("16"), no province lines.
    std::string comunidades = "16Comunidad Uno\n11Comunidad Dos\n";
    for (int c = 3; c <= 19; ++c) comunidades += "00\n";
    comunidades += "01Provincia Este                     Este (vista)\n";
    comunidades += "01Provincia Seis\n";
    AnalizarTabla(comunidades, "COMUNIDA", this->comunidades, 53);
    const std::string lu2 = Centro('E', "Villa Uno        IES Uno", "911111111", "0207") +
                            Centro('E', "Villa Uno        IES Dos", "", "0202") +
                            Centro('E', "Villa Dos        IES Tres", "933", "04") +
                            Centro('E', "Villa Dos        IES Nada", "", "99") +
                            Centro('E', "Villa Uno        IES Cuatro", "944", "0499") +
                            Centro('6', "Otra             IES Seis", "966", "04");
    AnalizarCentros(lu2, "LU2", centros2);
  }
  TablasProgramas Vista() const {
    return {programas, modulos, informa, comunidades, {&centros1, &centros2, &centros1, &centros1}};
  }

  TablaLinea programas, modulos, informa, comunidades{53};
  TablaCentros centros1, centros2;
  CatalogoTextos catalogo = [] {
    CatalogoTextos c;
    std::vector<std::string> lineas;
    for (int k = 1; k <= CatalogoTextos::kUltimaLinea; ++k)
      lineas.push_back("T" + std::to_string(k));
    c.Rellenar(lineas);
    return c;
  }();
};

TEST(Programas, FilasDeCadaAreaEnElOrdenDeSuCodigo) {
  const Tablas t;
  const TablasProgramas v = t.Vista();
  EXPECT_EQ(CuentaProgramas(v), 8);
  EXPECT_EQ(AreasPrograma(v)[0], "Administracion");
  EXPECT_TRUE(AreaBuscaCentros(v, 3));
  EXPECT_FALSE(AreaBuscaCentros(v, 1));
  EXPECT_FALSE(AreaBuscaCentros(v, 5));

  struct Caso {
    int area;
    std::vector<int> lineas;
  };
  const Caso casos[] = {
      {1, {1, 2, 7, 3, 4}},  // family "2" in file order, then family "6"
      {2, {5, 6, 5, 6}},     // "A" twice lists its programmes twice
      {4, {1, 2, 7}},        // the blank first character matches nothing
      {5, {}},               // a blank area lists nothing, not the blank line
      {10, {}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.area);
    EXPECT_EQ(ProgramasDeArea(v, c.area).lineas, c.lineas);
  }
  EXPECT_EQ(ProgramasDeArea(v, 1).filas,
            (std::vector<std::string>{"Administracion", "\x95 Auxiliar de oficina",
                                      "\x95 Auxiliar administrativo", "Comercio",
                                      "\x95 Auxiliar de comercio"}));
}

TEST(Programas, ModulosDescripcionYDetallesAcotados) {
  const Tablas t;
  const TablasProgramas v = t.Vista();
  EXPECT_EQ(ModulosPrograma(v, 2).front(), "  Modulo A");
  EXPECT_EQ(TrabajosPrograma(v, 2).back(), "  Puesto 5");
  // A block past the end of "IPmodulos" and programmes outside the list are blank.
  for (const int p : {7, 0, 9, 300}) {
    EXPECT_EQ(ModulosPrograma(v, p), std::vector<std::string>(5)) << p;
    EXPECT_EQ(TrabajosPrograma(v, p), std::vector<std::string>(5)) << p;
  }
  const auto descripcion = DescripcionPrograma(v, t.catalogo, 2);
  ASSERT_EQ(descripcion.size(), 6u);
  EXPECT_EQ(descripcion[0], "    T501");
  EXPECT_EQ(descripcion[5], "  Modulo E");
  EXPECT_TRUE(DescripcionPrograma(v, t.catalogo, 1).empty());  // a heading

  const auto requisitos = VistaDePrograma(v, t.catalogo, VistaPrograma::kRequisitos, 2);
  EXPECT_EQ(requisitos.titulo, "T29");
  EXPECT_EQ(requisitos.filas, (std::vector<std::string>{"Requisito uno", "Requisito dos"}));
  const auto estudia = VistaDePrograma(v, t.catalogo, VistaPrograma::kAsignaturas, 2);
  EXPECT_EQ(estudia.titulo, "T312");
  EXPECT_EQ(estudia.filas, (std::vector<std::string>{"T67", "Estudia uno"}));
  const auto trabajos = VistaDePrograma(v, t.catalogo, VistaPrograma::kTrabajos, 2);
  ASSERT_EQ(trabajos.filas.size(), 12u);
  EXPECT_EQ(trabajos.filas[0], "T67");
  EXPECT_EQ(trabajos.filas[6], "T199");
  EXPECT_EQ(trabajos.filas[11], "  Puesto 5");
}

TEST(Programas, CentrosDeUnProgramaPorProvincias) {
  const Tablas t;
  const TablasProgramas v = t.Vista();
  const ProvinciasComunidad p = Provincias(t.comunidades, 1);
  EXPECT_EQ(p.base, 16);
  EXPECT_EQ(p.nombres, (std::vector<std::string>{"Provincia Este", "Provincia Seis"}));
  EXPECT_EQ(p.vistas[0], "Provincia Este                     Este (vista)");
  // Without province lines the community is its own province.
  EXPECT_EQ(Provincias(t.comunidades, 2).nombres, (std::vector<std::string>{"Comunidad Dos"}));

  const FilaCentroIP cabecera{"- Provincia Este       ", ""};
  const FilaCentroIP uno{"Villa Uno        IES Uno", "911111111"};
  const FilaCentroIP dos{"Villa Uno        IES Dos", ""};
  const FilaCentroIP blanco{"", ""};
  // A centre carrying the programme twice is listed twice; a province
  // without any centre loses its heading.
  EXPECT_EQ(CentrosDePrograma(v, 2, 1),
            (std::vector<FilaCentroIP>{cabecera, uno, dos, dos, blanco}));
  const auto comercio = CentrosDePrograma(v, 4, 1);
  ASSERT_EQ(comercio.size(), 7u);
  EXPECT_EQ(comercio[4].texto, "- Provincia Seis       ");
  EXPECT_EQ(comercio[5].texto, "Otra             IES Seis");
  EXPECT_TRUE(CentrosDePrograma(v, 6, 1).empty());
  EXPECT_TRUE(CentrosDePrograma(v, 2, 2).empty());
  EXPECT_TRUE(CentrosDePrograma(v, 2, 0).empty());
}

TEST(Programas, BusquedaPorProvinciaYLocalidad) {
  const Tablas t;
  const TablasProgramas v = t.Vista();
  EXPECT_EQ(CodigoProvincia(34), "45");
  EXPECT_EQ(CodigoProvincia(35), "45");  // entry 35 reads as 34
  EXPECT_EQ(CodigoProvincia(36), "46");
  EXPECT_EQ(CodigoProvincia(65), "");

  const CentrosProvincia e = CentrosDeProvincia(v, "2E");
  EXPECT_EQ(e.grupo, 2);
  // "IES Nada" carries only an unknown programme: not a centre here. Only
  // neighbouring centres of one locality share it.
  EXPECT_EQ(e.centros, (std::vector<int>{1, 2, 3, 5}));
  EXPECT_EQ(e.localidades, (std::vector<std::string>{"Villa Uno", "Villa Dos", "Villa Uno"}));
  EXPECT_EQ(e.localidadDe, (std::vector<int>{1, 1, 2, 3}));
  EXPECT_EQ(CentrosDeProvincia(v, "5E").grupo, 0);

  const ListadoLugarIP l = ListadoDeProvincia(v, e, 2);
  EXPECT_EQ(l.primeraFila, 8);
  ASSERT_EQ(l.filas.size(), 14u);
  EXPECT_EQ(l.filas[0], (FilaCentroIP{"-Villa Uno        IES Uno", "911111111"}));
  EXPECT_EQ(l.filas[1].texto, "Auxiliar de oficina");
  EXPECT_EQ(l.filas[2].texto, "Auxiliar administrativo");
  EXPECT_EQ(l.filas[8].texto, "-Villa Dos        IES Tres");
  // The unknown number 99 of IES Cuatro adds no row.
  EXPECT_EQ(l.filas[11].texto, "-Villa Uno        IES Cuatro");
  EXPECT_EQ(l.filas[12].texto, "Auxiliar de comercio");
  EXPECT_EQ(l.filas[13].texto, "");
}

TEST(Programas, InformesDelProgramaYDelLugar) {
  const Tablas t;
  const TablasProgramas v = t.Vista();
  const auto filas = CentrosDePrograma(v, 2, 1);
  const InformeImpresion p = InformePrograma(v, t.catalogo, 2, "COMUNIDAD UNO", filas);
  EXPECT_EQ(p.titulo, "Auxiliar de oficina (T229)");
  ASSERT_EQ(p.lineas.size(), 27u);
  EXPECT_EQ(p.lineas[0], "** T29 **");
  EXPECT_EQ(p.lineas[1], "Requisito uno");
  EXPECT_EQ(p.lineas[4], "** T312 **");
  EXPECT_EQ(p.lineas[7], "** T312 **");
  EXPECT_EQ(p.lineas[13], "** T199 **");
  EXPECT_EQ(p.lineas[20], "T323");
  EXPECT_EQ(p.lineas[21], "***  COMUNIDAD UNO  ***");
  EXPECT_EQ(p.lineas[22], "- Provincia Este");
  EXPECT_EQ(p.lineas[23], "Villa Uno        IES Uno  911111111");
  EXPECT_EQ(p.negritas, (std::vector<int>{1, 5, 14, 21, 22}));

  const InformeImpresion l = InformeLugar(
      t.catalogo, "Provincia Este  ", ListadoDeProvincia(v, CentrosDeProvincia(v, "2E"), 1).filas);
  EXPECT_EQ(l.titulo, "T289: Provincia Este - T229");
  std::string centro = "-Villa Uno        IES Uno";
  centro.resize(44, ' ');
  EXPECT_EQ(l.lineas[0], centro + "911111111");
  EXPECT_EQ(l.lineas[1], "Auxiliar de oficina");
  EXPECT_TRUE(l.negritas.empty());
  // A programme keeps its whole name; a centre too, its phone after a blank.
  const InformeImpresion largas =
      InformeLugar(t.catalogo, "X", {{std::string(50, 'p'), ""}, {std::string(50, 'c'), "123"}});
  EXPECT_EQ(largas.lineas[0], std::string(50, 'p'));
  EXPECT_EQ(largas.lineas[1], std::string(50, 'c') + " 123");
}

// Centres and programmes longer than a report line keep every word, on both
// printouts.
TEST(Programas, InformesNoPierdenPalabras) {
  const Tablas t;
  const TablasProgramas v = t.Vista();
  const std::vector<FilaCentroIP> filas = {
      {"-La Almunia de Do\xF1"
       "a Godina IES Miguel Servet",
       "976000129"},
      {"Operaciones auxiliares de montaje de instalaciones electrot\xE9"
       "cnicas y de "
       "telecomunicaciones en edificios",
       ""},
      {"-Centro Integrado de Formaci\xF3n Profesional de la Comarca del Bajo Arag\xF3n",
       "978000001"},
  };
  std::vector<std::string> entrada;
  for (const FilaCentroIP& f : filas) entrada.push_back(f.texto + " " + f.telefono);
  const InformeImpresion lugar = InformeLugar(t.catalogo, "X", filas);
  EXPECT_EQ(prueba::Palabras(lugar.lineas), prueba::Palabras(entrada));
  EXPECT_LE(prueba::LargoMayor(lugar.lineas), 60u);
  EXPECT_EQ(lugar.lineas[0],
            "-La Almunia de Do\xF1"
            "a Godina IES Miguel Servet 976000129");

  const InformeImpresion programa = InformePrograma(v, t.catalogo, 2, "UNO", filas);
  const std::vector<std::string> centros(programa.lineas.end() - 5, programa.lineas.end());
  EXPECT_EQ(prueba::Palabras(centros), prueba::Palabras(entrada));
  EXPECT_LE(prueba::LargoMayor(programa.lineas), 60u);
}

}  // namespace
}  // namespace sendaro
