// The new degrees: the category filter, a degree's views and printout, the
// universities of a community, and the diagram's steps.
#include "sections/degrees/carreras_nuevas.h"

#include <gtest/gtest.h>

#include "sections/degrees/registros_prueba.h"

namespace sendaro {
namespace {

// New degrees 1 "Historia" (category 1), 2 "Fisica" (2), 3 "Enfermeria"
// (3), 4 "Odontologia" (3). Universities 1 Sevilla and 2 Granada in
// community 1, 3 Oviedo in community 3, 4 Cadiz (1) with no new degree.
struct Nuevas {
  Nuevas() {
    const char* nombres[] = {"Historia", "Fisica", "Enfermeria", "Odontologia"};
    const int categorias[] = {1, 2, 3, 3};
    for (int d = 1; d <= 4; ++d) {
      nuevas.Fijar(d, nombres[d - 1]);
      datos.categorias[static_cast<std::size_t>(d)] = categorias[d - 1];
    }
    nuevas.FijarCuenta(4);
    const char* unis[] = {"Universidad de Sevilla", "Universidad de Granada",
                          "Universidad de Oviedo", "Universidad de Cadiz"};
    const int comunidades[] = {1, 1, 3, 1};
    for (int u = 1; u <= 4; ++u) {
      universidades.nombres.Fijar(u, unis[u - 1]);
      universidades.comunidades[static_cast<std::size_t>(u)] = comunidades[u - 1];
    }
    universidades.cuenta = 4;
    for (int r = 1; r <= 40; ++r) requisitos.Fijar(r, "Requisito " + std::to_string(r));
    requisitos.Fijar(36, " Prueba de acceso");
    requisitos.FijarCuenta(40);
    for (int s = 1; s <= 20; ++s) salidas.Fijar(s, "Salida " + std::to_string(s));
    salidas.Fijar(16, " con sangria");
    salidas.FijarCuenta(20);

    std::string car = prueba::RegistrosVacios(registros::kDatcarn);
    const auto& d = registros::kDatcarn;
    prueba::PonerLista(car, d, registros::kRegistroUniversidades, 3, 0, {2, 3, 2});
    prueba::PonerLista(car, d, registros::kRegistroNotas, 3, 0, {85, 10, 91});
    prueba::PonerLista(car, d, registros::kRegistroUniversidades, 1, 0, {3});
    prueba::PonerLista(car, d, registros::kRegistroNotas, 1, 0, {50});
    prueba::PonerLista(car, d, registros::kRegistroRequisitos, 3, 0, {35, 36, 12, 99});
    prueba::PonerLista(car, d, registros::kRegistroSalidas, 3, 0, {14, 15, 16, 30});
    EXPECT_TRUE(datos.nuevas.Analizar(car));

    const std::vector<std::string> bloque = {"Estudia los cuidados", "  y la salud",
                                             "        solo sangria", "", "Practicas"};
    for (int k = 0; k < static_cast<int>(bloque.size()); ++k)
      descripciones.Fijar(3, k + 1, bloque[k]);
    descripciones.Fijar(4, 1, "del bloque siguiente");
    descripciones.FijarCuenta(4);
    std::vector<std::string> textos;
    for (int k = 1; k <= CatalogoTextos::kUltimaLinea; ++k)
      textos.push_back("T" + std::to_string(k));
    catalogo.Rellenar(textos);
  }
  FuentesNuevas Fuentes() const {
    return {nuevas, descripciones, universidades, requisitos, salidas, datos, catalogo};
  }

  TablaLinea nuevas, requisitos, salidas;
  TablaBloques descripciones{bloques::kAsignacarn};
  TablaUniversidades universidades;
  DatosCarreras datos;
  CatalogoTextos catalogo;
};

TEST(CarrerasNuevas, FiltroDeCategoria) {
  const Nuevas n;
  const FilasLista todas = ListaNuevas(n.Fuentes(), 0);
  EXPECT_EQ(todas.carreras, (std::vector<int>{1, 2, 3, 4}));
  const FilasLista salud = ListaNuevas(n.Fuentes(), 3);
  EXPECT_EQ(salud.filas, (std::vector<std::string>{"Enfermeria", "Odontologia"}));
  EXPECT_EQ(salud.carreras, (std::vector<int>{3, 4}));
  EXPECT_TRUE(ListaNuevas(n.Fuentes(), 5).filas.empty());
}

TEST(CarrerasNuevas, UniversidadesDeUnaComunidadYSusGrados) {
  const Nuevas n;
  // Cadiz teaches no new degree; Sevilla neither.
  EXPECT_EQ(UniversidadesConNuevas(n.Fuentes(), 1), (std::vector<int>{2}));
  EXPECT_EQ(UniversidadesConNuevas(n.Fuentes(), 3), (std::vector<int>{3}));
  EXPECT_TRUE(UniversidadesConNuevas(n.Fuentes(), 9).empty());
  const FilasLista granada = NuevasDeUniversidad(n.Fuentes(), 2);
  EXPECT_EQ(granada.filas,
            (std::vector<std::string>{"Enfermeria" + std::string(35, ' ') + " 8,5",
                                      "Enfermeria" + std::string(35, ' ') + " 9,1"}));
  EXPECT_EQ(granada.carreras, (std::vector<int>{3, 3}));
}

TEST(CarrerasNuevas, VistasDeUnGrado) {
  const Nuevas n;
  const std::vector<std::string> esperado = {
      std::string(17, ' ') + "T593",
      "- T276" + std::string(23, ' ') + "T296",
      "Universidad de Granada" + std::string(13, ' ') + " 8,5",
      "Universidad de Oviedo" + std::string(14, ' ') + "  - ",
      "Universidad de Granada" + std::string(13, ' ') + " 9,1",
      "",
      "-     T312",
      "\x95 Estudia los cuidados",
      "  y la salud",
      "\x95 Practicas"};
  EXPECT_EQ(VistaUniversidadesNueva(n.Fuentes(), 3), esperado);

  // Code 35 without a bullet, 36 begins with a blank, 99 does not exist.
  EXPECT_EQ(VistaRequisitosNueva(n.Fuentes(), 3),
            (std::vector<std::string>{"     T277", "", "Requisito 35", " Prueba de acceso",
                                      "Requisito 12"}));
  // Outlets up to 14 are not listed; 30 does not exist.
  EXPECT_EQ(VistaSalidasNueva(n.Fuentes(), 3),
            (std::vector<std::string>{"     T278", "", "\x95  Salida 15", " con sangria"}));
  EXPECT_TRUE(VistaUniversidadesNueva(n.Fuentes(), 5).empty());
}

TEST(CarrerasNuevas, InformeConCuatroCabecerasEnNegrita) {
  const Nuevas n;
  const InformeNueva inf = InformeCarreraNueva(n.Fuentes(), 3);
  EXPECT_EQ(inf.titulo, "T522:  Enfermeria");
  ASSERT_EQ(inf.lineas.size(), 1u + 10u + 1u + 5u + 1u + 4u);
  EXPECT_EQ(inf.negritas, (std::vector<int>{3, 8, 13, 19}));
  for (const int linea : inf.negritas) {
    const std::string& l = inf.lineas[static_cast<std::size_t>(linea - 1)];
    EXPECT_TRUE(l.find("T276") != std::string::npos || l.find("T312") != std::string::npos ||
                l.find("T277") != std::string::npos || l.find("T278") != std::string::npos)
        << linea << ": " << l;
  }
}

TEST(CarrerasNuevas, PasosDelDiagrama) {
  // Steps 0..2 move their panel once and stop.
  for (int paso = 0; paso <= 2; ++paso) {
    Cubierta c{10, 200};
    EXPECT_TRUE(AvanzarCubierta(PasoDelDiagrama(paso), c)) << paso;
    EXPECT_EQ(c.izquierda, 11);
    EXPECT_EQ(c.ancho, 199);
  }
  // Step 7 shrinks 3 pixels a tick and stops at width 0, never below.
  Cubierta c{0, 7};
  const PasoDiagrama& siete = PasoDelDiagrama(7);
  EXPECT_EQ(siete.panel, 6);
  EXPECT_EQ(siete.aCero, std::vector<int>{5});
  EXPECT_FALSE(AvanzarCubierta(siete, c));
  EXPECT_FALSE(AvanzarCubierta(siete, c));
  EXPECT_TRUE(AvanzarCubierta(siete, c));
  EXPECT_EQ(c.ancho, 0);
  EXPECT_EQ(c.izquierda, 7);
  EXPECT_EQ(PasoDelDiagrama(4).aCero, (std::vector<int>{1, 2}));
  EXPECT_EQ(PasoDelDiagrama(8).textos, (std::vector<int>{548, 549}));
  // The last step only closes the last panel.
  EXPECT_EQ(PasoDelDiagrama(9).panel, 0);
  EXPECT_TRUE(PasoDelDiagrama(9).textos.empty());
}

}  // namespace
}  // namespace sendaro
