// Certificates by family and area, one certificate's details and the
// printout of an area, on small tables read the way the screen reads them.
#include "data/certificados.h"

#include <gtest/gtest.h>

#include "data/impresion/lineas_prueba.h"
#include "data/lectores.h"

namespace sendaro {
namespace {

// Nine families: 1 has areas "2" and "6" (and a blank), 2 repeats "A", 3 has
// an area character no heading carries, 4..9 are blank.
constexpr std::string_view kCertifica =
    "26 E    Administracion y comercio\r\n"
    "AA      Hosteleria\r\n"
    "X       Sin areas\r\n"
    "\r\n\r\n\r\n\r\n\r\n\r\n"
    "6- Comercio\r\n"              // 1
    "6Actividades de venta\r\n"    // 2
    "2- Administracion\r\n"        // 3
    "2Operaciones auxiliares\r\n"  // 4
    "2Gestion contable\r\n"        // 5
    "A- Hosteleria\r\n"            // 6
    "ACocina\r\n"                  // 7
    "6Almacen\r\n"                 // 8
    "\r\n";                        // 9: a blank line is no area and no certificate

// Requirement codes 1..9 (7 twice, 9 missing), then one detail line per
// certificate; the last certificates have short or no detail lines.
constexpr std::string_view kCertificaH =
    "1Sin requisitos academicos\r\n"
    "2Graduado en ESO\r\n"
    "3O certificado de nivel 2\r\n"
    "4O certificado de nivel 1\r\n"
    "7Primera del siete\r\n"
    "6Titulo de Bachiller\r\n"
    "7Segunda del siete con un texto bastante largo\r\n"
    "8Carne de conducir B\r\n"
    "\r\n"
    "\r\n"                                // 1 heading
    "21 590 Venta en tienda y caja.\r\n"  // 2
    "\r\n"                                // 3 heading
    "1  270 Copias y archivo.\r\n"        // 4
    "7 3880 Contabilidad completa.\r\n"   // 5
    "\r\n"                                // 6 heading
    "12\r\n"                              // 7: short line
    "245880 Compras y ventas, n\xF3minas sencillas, tesorer\xED"
    "a y archivo en las peque\xF1"
    "as empresas locales.\r\n";  // 8: a description to character 97; 9 none

struct Tablas {
  Tablas() {
    AnalizarTabla(kCertifica, "certifica", certifica, 60);
    AnalizarTablaBruta(kCertificaH, "certificaH", textos);
    std::vector<std::string> lineas;
    for (int k = 1; k <= CatalogoTextos::kUltimaLinea; ++k)
      lineas.push_back("T" + std::to_string(k));
    catalogo.Rellenar(lineas);
  }
  TablasCertificados Vista() const { return {certifica, textos}; }
  TablaLinea certifica;
  TablaLinea textos{TablaLinea::kLimiteDetalles, kCapacidadTabla90};
  CatalogoTextos catalogo;
};

TEST(Certificados, FamiliasYSusAreasEnOrdenDeFichero) {
  const Tablas t;
  const TablasCertificados v = t.Vista();
  EXPECT_EQ(CuentaCertificados(v), 9);
  EXPECT_EQ(NombreFamiliaCertificado(v, 1), "Administracion y comercio");
  EXPECT_EQ(FamiliasCertificado(v).size(), 9u);
  EXPECT_EQ(NombreFamiliaCertificado(v, 0), "");
  EXPECT_EQ(NombreFamiliaCertificado(v, 10), "");

  struct Caso {
    int familia;
    std::vector<int> lineas;
    std::vector<std::string> filas;
  };
  const Caso casos[] = {
      // File order, not the order of the family's characters.
      {1, {1, 3}, {"- Comercio", "- Administracion"}},
      // A repeated character lists its heading once per repetition.
      {2, {6, 6}, {"- Hosteleria", "- Hosteleria"}},
      // No heading carries the character; blank families match no blank line.
      {3, {}, {}},
      {4, {}, {}},
      {0, {}, {}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.familia);
    const FilasConLineas areas = AreasDeFamilia(v, c.familia);
    EXPECT_EQ(areas.lineas, c.lineas);
    EXPECT_EQ(areas.filas, c.filas);
  }
}

TEST(Certificados, CertificadosDeUnAreaSinSusCabeceras) {
  const Tablas t;
  const TablasCertificados v = t.Vista();
  const FilasConLineas comercio = CertificadosDeArea(v, 1);
  EXPECT_EQ(comercio.lineas, (std::vector<int>{2, 8}));
  EXPECT_EQ(comercio.filas, (std::vector<std::string>{"Actividades de venta", "Almacen"}));
  EXPECT_EQ(CertificadosDeArea(v, 3).lineas, (std::vector<int>{4, 5}));
  // The blank line 9 and lines past the list select nothing.
  EXPECT_TRUE(CertificadosDeArea(v, 9).lineas.empty());
  EXPECT_TRUE(CertificadosDeArea(v, 40).lineas.empty());
}

TEST(Certificados, DetalleConRequisitosPorCodigoEnOrden) {
  const Tablas t;
  const TablasCertificados v = t.Vista();
  const DetalleCertificado venta = Detalle(v, 2);
  EXPECT_EQ(venta.ocupacion, "Actividades de venta");
  // Codes "2", "1": code 2's text first, then code 1's.
  EXPECT_EQ(venta.requisitos,
            (std::vector<std::string>{"Graduado en ESO", "Sin requisitos academicos"}));
  EXPECT_EQ(venta.horas, "590");
  EXPECT_EQ(venta.descripcion, "Venta en tienda y caja.");

  // A code that two entries carry lists both, cut to 28 characters.
  EXPECT_EQ(RequisitosDe(v, 5),
            (std::vector<std::string>{"Primera del siete", "Segunda del siete con un tex",
                                      "O certificado de nivel 2"}));
  // Short and missing detail lines read as blanks.
  const DetalleCertificado corto = Detalle(v, 7);
  EXPECT_EQ(corto.requisitos,
            (std::vector<std::string>{"Sin requisitos academicos", "Graduado en ESO"}));
  EXPECT_EQ(corto.horas, "");
  EXPECT_EQ(corto.descripcion, "");
  EXPECT_TRUE(Detalle(v, 9).requisitos.empty());
}

TEST(Certificados, InformeDelArea) {
  const Tablas t;
  const TablasCertificados v = t.Vista();
  const InformeImpresion informe = InformeAreaCertificados(v, t.catalogo, 3, {4, 5});
  EXPECT_EQ(informe.titulo, "T580");
  const std::vector<std::string> esperado = {
      "T583:",
      "- Administracion",
      "",
      "Operaciones auxiliares",
      "Copias y archivo.",
      "T581",
      "       Sin requisitos academicos",
      "T582: 270",
      "",
      "Gestion contable",
      "Contabilidad completa.",
      "T581",
      // Only the later of the two entries with code 7, its characters 2-29.
      "       Segunda del siete con un tex",
      "       O certificado de nivel 2",
      "T582: 880",
      "",
  };
  EXPECT_EQ(informe.lineas, esperado);
  EXPECT_EQ(informe.negritas, (std::vector<int>{2, 4, 10}));
  // An area with no certificates prints nothing.
  EXPECT_TRUE(InformeAreaCertificados(v, t.catalogo, 3, {}).lineas.empty());
}

// A description that reaches character 97 is read, shown and printed whole:
// on paper it goes on as many lines as it takes.
TEST(Certificados, DescripcionHastaElCaracter97) {
  const Tablas t;
  const TablasCertificados v = t.Vista();
  const std::string descripcion =
      "Compras y ventas, n\xF3minas sencillas, tesorer\xED"
      "a y archivo en las peque\xF1"
      "as empresas locales.";
  ASSERT_EQ(descripcion.size(), 90u);
  EXPECT_EQ(Detalle(v, 8).descripcion, descripcion);
  const InformeImpresion informe = InformeAreaCertificados(v, t.catalogo, 1, {8});
  EXPECT_LE(prueba::LargoMayor(informe.lineas), 60u);
  const std::vector<std::string> impresas(informe.lineas.begin() + 4, informe.lineas.begin() + 6);
  EXPECT_EQ(prueba::Palabras(impresas), prueba::Palabras(std::string_view(descripcion)));
  EXPECT_EQ(impresas[1].substr(0, 2), "  ");
}

}  // namespace
}  // namespace sendaro
