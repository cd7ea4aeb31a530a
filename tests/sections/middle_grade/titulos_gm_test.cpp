// The middle-grade titles browser: families in list order, titles of a
// family, a title's details and where the titles pop-up opens.
#include "sections/middle_grade/titulos_gm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/disposiciones.h"
#include "data/lectores.h"

namespace sendaro {
namespace {

// "FP2" as the readers leave it: the lines, then the family lines.
struct FP2 {
  explicit FP2(const std::vector<std::string>& lineas) {
    std::string bytes;
    for (const std::string& l : lineas) bytes += l + "\r\n";
    AnalizarTabla(bytes, "FP2", titulos, 60);
    AnalizarFamilias(bytes, "FP2", familias, 60, inicios);
    gm = FamiliasGM(titulos, familias, inicios);
  }
  TablaLinea titulos;
  TablaLinea familias;
  NumerosLinea inicios{};
  FamiliasGM gm;
};

FP2 Muestra() {
  return FP2({"-Sanidad", "Farmacia", "Emergencias", "-|Agraria", "Jardineria", "-Administracion",
              "Gestion", "-|Energia", "-\xC1mbito"});
}

TEST(FamiliasGM, InicioYTitulosDeCadaFamilia) {
  const FP2 d = Muestra();
  ASSERT_EQ(d.gm.Cuenta(), 5);
  EXPECT_EQ(d.gm.Inicio(1), 1);
  EXPECT_EQ(d.gm.Inicio(6), 10);  // one past the last line
  EXPECT_EQ(d.gm.NumTitulos(1), 2);
  EXPECT_EQ(d.gm.NumTitulos(4), 0);  // a family without titles
  EXPECT_EQ(d.gm.LineaTitulo(2, 1), 5);
  EXPECT_EQ(d.gm.LineaTitulo(2, 2), 0);
  EXPECT_EQ(d.gm.FamiliaDeLinea(7), 3);
  EXPECT_EQ(d.gm.FamiliaDeLinea(99), 0);

  const FilasGM t = TitulosDeFamiliaGM(d.gm, d.titulos, 1);
  EXPECT_EQ(t.filas, (std::vector<std::string>{"Farmacia", "Emergencias"}));
  EXPECT_EQ(t.numeros, (std::vector<int>{2, 3}));
  EXPECT_TRUE(TitulosDeFamiliaGM(d.gm, d.titulos, 4).filas.empty());
  EXPECT_TRUE(TitulosDeFamiliaGM(d.gm, d.titulos, 0).filas.empty());
}

TEST(FamiliasGM, OrdenAlfabeticoConLasMarcadasSinMarcaDetras) {
  const FP2 d = Muestra();
  const FilasGM l = ListaFamiliasGM(d.gm);
  // An accented initial sorts as its letter; the marked names ("|") come
  // after the others and lose their marker.
  EXPECT_EQ(l.filas, (std::vector<std::string>{"< Administracion", "< \xC1mbito", "< Sanidad",
                                               "< Agraria", "< Energia"}));
  EXPECT_EQ(l.numeros, (std::vector<int>{3, 5, 1, 2, 4}));
}

TEST(FamiliasGM, CabeceraMasAllaDeLasLineasLeidasSeDeja) {
  TablaLinea titulos;
  titulos.Fijar(1, "-Uno");
  titulos.Fijar(2, "Titulo");
  titulos.FijarCuenta(2);
  TablaLinea familias;
  familias.Fijar(1, "Uno");
  familias.Fijar(2, "Dos");
  familias.FijarCuenta(2);
  NumerosLinea inicios{};
  inicios[1] = 1;
  inicios[2] = 1200;  // beyond the table
  const FamiliasGM gm(titulos, familias, inicios);
  EXPECT_EQ(gm.Cuenta(), 1);
  EXPECT_EQ(gm.NumTitulos(1), 1);
}

TEST(DetallesGM, BloqueYRequisitos) {
  TablaBloques bloques(bloques::kAsignagm);
  for (int l = 1; l <= 25; ++l) bloques.Fijar(2, l, "linea " + std::to_string(l) + "   ");
  bloques.FijarCuenta(2);
  CatalogoTextos catalogo;
  std::vector<std::string> textos(672);
  textos[270] = "Descripcion del ciclo";
  catalogo.Rellenar(textos);

  const auto descripcion = DescripcionTituloGM(bloques, catalogo, 2);
  ASSERT_EQ(descripcion.size(), 6u);
  EXPECT_EQ(descripcion[0], "    Descripcion del ciclo");
  EXPECT_EQ(descripcion[5], "linea 5");
  const auto puestos = PuestosGM(bloques, 2);
  EXPECT_EQ(puestos.front(), "linea 1");
  EXPECT_EQ(puestos.size(), 5u);
  const auto asignaturas = AsignaturasGM(bloques, 2);
  ASSERT_EQ(asignaturas.size(), 20u);
  EXPECT_EQ(asignaturas.front(), "linea 6");
  EXPECT_EQ(asignaturas.back(), "linea 25");
  // A line without a block gives empty rows, never a read past the table.
  EXPECT_EQ(PuestosGM(bloques, 5000), std::vector<std::string>(5));

  TablaLinea informa;
  informa.Fijar(1, "16Otra cosa");
  informa.Fijar(2, "17Con el titulo de ESO.   ");
  informa.Fijar(3, "1");
  informa.Fijar(4, "17");
  informa.Fijar(5, "71Al reves");
  informa.FijarCuenta(5);
  EXPECT_EQ(RequisitosGM(informa), (std::vector<std::string>{"Con el titulo de ESO.", ""}));
}

struct CasoPopup {
  const char* que;
  EntradaPopup entrada;
  int arriba;
  int alto;
};

TEST(PopupTitulos, SeAbreHaciaAbajoOArribaYCabeEnLaPagina) {
  // Families list at page top 130, 500 high, rows of 20 px.
  auto e = [](int titulos, int y, int debajo = 0) {
    EntradaPopup p;
    p.titulos = titulos;
    p.altoFila = 20;
    p.yRaton = y;
    p.arribaLista = 130;
    p.altoLista = 500;
    p.altoDebajo = debajo;
    return p;
  };
  const std::vector<CasoPopup> casos = {
      {"mitad de arriba: desde la fila pulsada", e(3, 45), 130 + 40, 64},
      {"mitad de abajo: la ultima fila a su altura", e(3, 405), 130 + 400 - 40 - 5, 64},
      {"familia sin titulos", e(0, 45), 170, 4},
      {"sin sitio para la descripcion: sube", e(10, 240, 300), 768 - 301 - 204, 204},
      {"mas larga que la pagina: se acorta", e(60, 10, 120), 30, 768 - 121 - 30},
      {"hacia arriba pasada la pagina: bajo la etiqueta", e(40, 300), 30, 737},
  };
  for (const CasoPopup& c : casos) {
    const SalidaPopup s = ColocarPopupTitulos(c.entrada);
    EXPECT_EQ(s.arriba, c.arriba) << c.que;
    EXPECT_EQ(s.alto, c.alto) << c.que;
    EXPECT_GE(s.arriba, 30) << c.que;
    EXPECT_LE(s.arriba + s.alto + 1 + c.entrada.altoDebajo, 768) << c.que;
  }
}

}  // namespace
}  // namespace sendaro
