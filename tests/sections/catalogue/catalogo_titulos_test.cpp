// The titles catalogue: the five lists of a family through the family index
// and the family characters, the detail of a study of each list, and the
// printout in its two layouts.
#include "sections/catalogue/catalogo_titulos.h"

#include <gtest/gtest.h>

#include "data/lectores.h"
#include "sections/degrees/carreras_prueba.h"

namespace sendaro {
namespace {

struct Tablas {
  Tablas() : grados({"Medicina", "Derecho", "Bellas Artes"}) {
    grados.Requisitos(1, {1, 34, 2});  // 34 and above are no requirement lines
    grados.Salidas(1, {1, 14, 3});     // nor 14 and above outlet lines
    grados.Dificultad(1, 3);
    grados.Dificultad(2, 9);  // outside 1..7
    AnalizarTabla("2Administracion\n5Artes\n6Comercio\n Sin codigo\n", "familias", familias, 60);
    // Degrees in columns 1-2, higher titles 3-4, middle titles 5-6. Line 4
    // names studies past the end of every list; line 5 is blank.
    AnalizarTabla("222 6 \n6   2 \n5262  \n2 2 2 \n", "indices", indices, 6);
    AnalizarTabla("Gestion administrativa\nComercio internacional\nFinanzas\n", "FP", titulosFP,
                  60);
    AnalizarTabla("ReqFP 1\nReqFP 2\nReqFP 3\nReqFP 4\nReqFP 5\n", "REQFP", requisitosFP, 60);
    std::string fpr(static_cast<std::size_t>(registros::kDatFPR.BytesTotales()), '\0');
    auto requisitos = [&fpr](int t, std::initializer_list<int> codigos) {
      const auto base =
          static_cast<std::size_t>((t - 1) * registros::kFPRRequisitos.bytesPorTitulo);
      fpr[base] = static_cast<char>(codigos.size());
      std::size_t i = 1;
      for (const int c : codigos) fpr[base + i++] = static_cast<char>(c);
    };
    requisitos(1, {1, 2, 3, 4});  // prints only the first
    requisitos(3, {1, 2, 5});     // prints none
    grados.datos.titulosFP.Analizar(fpr);
    for (int k = 1; k <= 5; ++k) {
      bloquesFP.Fijar(1, k, k == 3 ? "" : "Descripcion FP " + std::to_string(k));
      bloquesGM.Fijar(2, k, "Descripcion GM " + std::to_string(k));
    }
    bloquesFP.FijarCuenta(3);
    bloquesGM.FijarCuenta(2);
    AnalizarTabla("Ventas\nAdministrativo\n", "FP2", titulosGM, 60);
    AnalizarTabla("17Requisito GM\n38Requisito IP\n39Estudia IP\n", "INFORMA", informa, 60);
    AnalizarTabla(
        std::string(9, '\n') + "2-Administracion\n2Auxiliar de oficina\n6Auxiliar de comercio\n",
        "fpip", programas, 60);
    AnalizarTabla(std::string(10, '\n') + "  Modulo A\n     sin texto\n  Modulo C\n\n\n",
                  "IPmodulos", modulos, 60);
    AnalizarTabla(std::string(9, '\n') + "2- Administracion\n2Operaciones auxiliares\n",
                  "certifica", certificados, 60);
    AnalizarTablaBruta(
        "1Sin requisitos\n2Graduado en ESO\n\n\n\n\n\n\n\n\n21 270 Copias y archivo.\n",
        "certificaH", textos);
  }
  TablasCatalogo Vista() const {
    return {familias,
            indices,
            grados.carreras,
            grados.datos,
            grados.requisitos,
            grados.salidas,
            titulosFP,
            requisitosFP,
            bloquesFP,
            titulosGM,
            bloquesGM,
            informa,
            {programas, modulos, informa, comunidades, {&centros, &centros, &centros, &centros}},
            {certificados, textos}};
  }

  prueba::CatalogoCarreras grados;
  TablaLinea familias, indices, titulosFP, requisitosFP, titulosGM, informa, programas, modulos,
      certificados, comunidades;
  TablaLinea textos{TablaLinea::kLimite90, kCapacidadTabla90};
  TablaBloques bloquesFP{bloques::kAsignafp};
  TablaBloques bloquesGM{bloques::kAsignagm};
  TablaCentros centros;
};

TEST(CatalogoTitulos, LasCincoListasDeCadaFamilia) {
  const Tablas t;
  const TablasCatalogo v = t.Vista();
  const CatalogoTextos& c = t.grados.catalogo;
  EXPECT_EQ(FamiliasCatalogo(v),
            (std::vector<std::string>{"Administracion", "Artes", "Comercio", "Sin codigo"}));
  struct Caso {
    int familia;
    std::array<std::vector<int>, kListasCatalogo> lineas;
  };
  const Caso casos[] = {
      // "22" lists degree 1 once; index line 4 names nothing past each list.
      {1, {{{1, 3}, {1, 3}, {2}, {2}, {2}}}},
      // The arts family: one fixed row in lists 2 and 3.
      {2, {{{3}, {columnas::kTituloArtesFP}, {columnas::kTituloArtesFP2}, {}, {}}}},
      {3, {{{2}, {3}, {1}, {3}, {}}}},
      // A blank code lists nothing, not even the blank index characters.
      {4, {{{}, {}, {}, {}, {}}}},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.familia);
    const auto listas = ListasDeFamilia(v, c, CodigoFamilia(v, caso.familia));
    for (std::size_t k = 0; k < listas.size(); ++k) {
      EXPECT_EQ(listas[k].lineas, caso.lineas[k]) << "lista " << k + 1;
      EXPECT_EQ(listas[k].filas.size(), listas[k].lineas.size());
    }
  }
  const auto administracion = ListasDeFamilia(v, c, '2');
  EXPECT_EQ(administracion[0].filas[0], "Medicina");
  EXPECT_EQ(administracion[3].filas[0], "Auxiliar de oficina");
  EXPECT_EQ(administracion[4].filas[0], "Operaciones auxiliares");
  const auto artes = ListasDeFamilia(v, c, '5');
  EXPECT_EQ(artes[1].filas, std::vector<std::string>{"T176"});
  EXPECT_EQ(artes[2].filas, std::vector<std::string>{"T177"});
}

std::vector<std::string> Textos(const std::vector<RenglonDetalle>& d) {
  std::vector<std::string> t;
  for (const RenglonDetalle& r : d) t.push_back((r.encabezado ? "#" : "") + r.texto);
  return t;
}

TEST(CatalogoTitulos, DetalleDeCadaLista) {
  const Tablas t;
  const TablasCatalogo v = t.Vista();
  const CatalogoTextos& c = t.grados.catalogo;
  using V = std::vector<std::string>;
  EXPECT_EQ(Textos(DetalleCatalogo(v, c, '2', 1, 1)),
            (V{"#T277", "Requisito 1", "Requisito 2", "#T311", "Salida 1", "Salida 3", "#T651",
               "    T655"}));
  // A difficulty outside 1..7 shows nothing.
  EXPECT_EQ(Textos(DetalleCatalogo(v, c, '2', 1, 2)).back(), "    ");
  EXPECT_EQ(Textos(DetalleCatalogo(v, c, '2', 2, 1)),
            (V{"#T277", "ReqFP 1", "ReqFP 2", "ReqFP 3", "ReqFP 4", "", "#T271", "Descripcion FP 1",
               "Descripcion FP 2", "", "Descripcion FP 4", "Descripcion FP 5"}));
  // The arts family's rows show no description.
  EXPECT_EQ(Textos(DetalleCatalogo(v, c, '5', 2, 1)),
            (V{"#T277", "ReqFP 1", "ReqFP 2", "ReqFP 3", "ReqFP 4"}));
  EXPECT_EQ(Textos(DetalleCatalogo(v, c, '5', 3, 2)), (V{"#T277", "Requisito GM"}));
  EXPECT_EQ(Textos(DetalleCatalogo(v, c, '2', 3, 2)).front(), "#T271");
  // Module lines that begin with five blanks are left out.
  EXPECT_EQ(Textos(DetalleCatalogo(v, c, '2', 4, 2)),
            (V{"#T67", "  Modulo A", "  Modulo C", "", "Estudia IP", "", "#T29", "Requisito IP"}));
  EXPECT_EQ(
      Textos(DetalleCatalogo(v, c, '2', 5, 2)),
      (V{"#T29", "Graduado en ESO", "Sin requisitos", "#T582", "270", "", "Copias y archivo."}));
  // Lines outside their lists show nothing.
  for (const int lista : {1, 2, 3, 4, 5}) {
    EXPECT_TRUE(DetalleCatalogo(v, c, '2', lista, 999).empty()) << lista;
    EXPECT_TRUE(DetalleCatalogo(v, c, '2', lista, 0).empty()) << lista;
  }
}

TEST(CatalogoTitulos, InformeSoloTitulos) {
  const Tablas t;
  const TablasCatalogo v = t.Vista();
  const CatalogoTextos& c = t.grados.catalogo;
  const std::array<std::string, kListasCatalogo> rotulos = {"Carreras", "Superior", "Medio", "PCPI",
                                                            "Certificados"};
  const InformeImpresion i =
      InformeCatalogo(v, c, 3, ListasDeFamilia(v, c, '6'), false, rotulos, rotulos);
  EXPECT_EQ(i.titulo, "T103: Comercio");
  EXPECT_EQ(i.lineas,
            (std::vector<std::string>{"", "Carreras", " -Derecho", "", "Superior", " -Finanzas", "",
                                      "Medio", " -Ventas", "", "PCPI", " -Auxiliar de comercio"}));
  EXPECT_EQ(i.negritas, (std::vector<int>{2, 5, 8, 11}));
  // A family without studies prints only its title.
  EXPECT_TRUE(
      InformeCatalogo(v, c, 4, ListasDeFamilia(v, c, ' '), true, rotulos, rotulos).lineas.empty());
}

TEST(CatalogoTitulos, InformeConRequisitosYDescripciones) {
  const Tablas t;
  const TablasCatalogo v = t.Vista();
  const CatalogoTextos& c = t.grados.catalogo;
  const std::array<std::string, kListasCatalogo> rotulos = {"Carreras", "Superior", "Medio", "PCPI",
                                                            "Certificados"};
  const std::array<std::string, kListasCatalogo> mayusculas = {"CARRERAS", "SUPERIOR", "MEDIO",
                                                               "PCPI", "CERTIFICADOS"};
  const InformeImpresion i =
      InformeCatalogo(v, c, 1, ListasDeFamilia(v, c, '2'), true, mayusculas, rotulos);
  const std::vector<std::string> esperado = {
      "",
      "CARRERAS",
      "",
      " -Medicina",
      "    Requisito 1",
      "    Requisito 2",
      "",
      "    Salida 1",
      "    Salida 3",
      "    T651:  T655",
      "",
      " -Bellas Artes",
      "",
      "    T651:  ",
      "",
      "SUPERIOR",
      // Four codes: only the first prints.
      "",
      " -Gestion administrativa",
      "    T277",
      "    ReqFP 1",
      "    T271",
      "    Descripcion FP 1",
      "    Descripcion FP 2",
      "    Descripcion FP 4",
      "    Descripcion FP 5",
      // Three codes: none prints.
      "",
      " -Finanzas",
      "    T277",
      "    T271",
      "",
      "MEDIO",
      "",
      " -Administrativo",
      "    T271",
      "    Descripcion GM 1",
      "    Descripcion GM 2",
      "    Descripcion GM 3",
      "    Descripcion GM 4",
      "    Descripcion GM 5",
      "",
      "  T277 Medio",
      "      Requisito GM",
      "",
      "PCPI",
      "",
      " -Auxiliar de oficina",
      "    T67",
      "      Modulo A",
      "      Modulo C",
      "",
      "Estudia IP",
      "",
      "  T277 PCPI",
      "Requisito IP",
      "",
      "CERTIFICADOS",
      "",
      " -Operaciones auxiliares",
      "    T29",
      "    Graduado en ESO",
      "    Sin requisitos",
      "    T582: 270",
      "    Copias y archivo.",
  };
  EXPECT_EQ(i.lineas, esperado);
  EXPECT_EQ(i.negritas, (std::vector<int>{2, 4, 12, 16, 18, 27, 31, 33, 44, 46, 56, 58}));

  // The arts family: the middle-grade section ends after its one row.
  const InformeImpresion artes =
      InformeCatalogo(v, c, 2, ListasDeFamilia(v, c, '5'), true, mayusculas, rotulos);
  const std::vector<std::string> cola(artes.lineas.end() - 6, artes.lineas.end());
  EXPECT_EQ(cola, (std::vector<std::string>{"", " -T176", "", "MEDIO", "", " -T177"}));
}

}  // namespace
}  // namespace sendaro
