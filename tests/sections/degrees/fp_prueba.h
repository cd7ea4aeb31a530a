// A small higher vocational world built in memory: families and titles of
// "FP", their requirements, degrees and descriptions, two communities and a
// handful of centres in "LU1", written as the record files hold them.
//
// "FP": 1 -Sanidad, 2 Higiene Bucodental, 3 Dietetica, 4 -|Informatica LOE,
// 5 Desarrollo Web, 6 -Ádministracion (accented initial), 7 Secretariado,
// 8 -Comercio, 9 Marketing.
// Requirements (REQFP codes): 2 {8, 1}, 3 {12}, 5 {9}, 7 {31}, 9 none.
// Degrees ("carreFP"): 2 {1, 2}, 3 {2}, 5 {3, 5}, 7 {4}; degree 6 none.
// Community 1 ("Comunidad Uno", entries 27 and 28 of the province table,
// "17" and "1A"): provinces "Provincia A" and "Provincia B". Community 2 has
// no province lines and uses entry 13 ("1J", a wide province).
// "LU1" centres (province, town, teaches): 1 '7' Huesca {2, 3}, 2 '7' Huesca
// {9}, 3 '7' Jaca {2, 7}, 4 '7' Jaca {3}, 5 'A' Teruel {7}, 6 'J' Zaragoza
// {5}, 7 '7' Sabinanigo {} ; datFPL also names a centre 99 that does not exist.
#pragma once

#include <string>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/lectores.h"
#include "data/lectores_fijos.h"
#include "sections/degrees/centros_fp.h"
#include "sections/degrees/titulos_fp.h"

namespace sendaro::prueba {

inline std::string LineaCentro(char provincia, std::string pueblo, std::string nombre,
                               std::string telefono, bool ancha = false) {
  std::string l(1, provincia);
  if (ancha) {
    pueblo += " " + nombre;
    pueblo.resize(44, ' ');
    l += pueblo;
  } else {
    pueblo.resize(17, ' ');
    nombre.resize(27, ' ');
    l += pueblo + nombre;
  }
  return l + telefono;
}

class MundoFP {
 public:
  MundoFP() {
    const std::vector<std::string> fp = {"-Sanidad",      "Higiene Bucodental", "Dietetica",
                                         "-|Informatica LOE", "Desarrollo Web",
                                         "-\xC1" "dministracion", "Secretariado", "-Comercio",
                                         "Marketing"};
    int familia = 0;
    for (int i = 0; i < static_cast<int>(fp.size()); ++i) {
      std::string l = fp[static_cast<std::size_t>(i)];
      l.resize(60, ' ');
      titulos.Fijar(i + 1, l);
      if (l[0] == '-') {
        ++familia;
        familias.Fijar(familia, l.substr(1));
        lineasFamilia[static_cast<std::size_t>(familia)] = i + 1;
      }
    }
    titulos.FijarCuenta(static_cast<int>(fp.size()));
    familias.FijarCuenta(familia);

    for (int r = 1; r <= 31; ++r) requisitos.Fijar(r, " - Requisito " + std::to_string(r));
    requisitos.Fijar(1, "Centros y ciclos");
    const char* ramas[] = {"Salud", "Tecnologia", "Humanidades", "Artes"};
    for (int b = 0; b < 4; ++b) requisitos.Fijar(8 + b, std::string(" - Bachillerato de ") + ramas[b]);
    requisitos.Fijar(12, " - Cualquier modalidad");
    requisitos.FijarCuenta(31);
    const char* grados[] = {"Odontologia", "Nutricion", "Informatica", "Administracion",
                            "Informatica", "Zoologia"};
    for (int d = 0; d < 6; ++d) carreras.Fijar(d + 1, grados[d]);
    carreras.FijarCuenta(6);

    std::string fpr(static_cast<std::size_t>(registros::kDatFPR.BytesTotales()), '\0');
    auto lista = [&](const registros::TramoRegistro& tramo, int t, std::vector<int> v) {
      const auto base = static_cast<std::size_t>(tramo.inicio + tramo.bytesPorTitulo * (t - 1));
      fpr[base] = static_cast<char>(v.size());
      for (std::size_t i = 0; i < v.size(); ++i) fpr[base + 1 + i] = static_cast<char>(v[i]);
    };
    lista(registros::kFPRRequisitos, 2, {8, 1});
    lista(registros::kFPRRequisitos, 3, {12});
    lista(registros::kFPRRequisitos, 5, {9});
    lista(registros::kFPRRequisitos, 7, {31});
    lista(registros::kFPRCarreras, 2, {1, 2});
    lista(registros::kFPRCarreras, 3, {2});
    lista(registros::kFPRCarreras, 5, {3, 5});
    lista(registros::kFPRCarreras, 7, {4, 40});  // 40: no such degree
    datos.titulosFP.Analizar(fpr);

    std::vector<std::string> comunidadesLineas(19);
    for (int c = 1; c <= 19; ++c)
      comunidadesLineas[static_cast<std::size_t>(c - 1)] = "64Comunidad " + std::to_string(c);
    comunidadesLineas[0] = "27Comunidad Uno";
    comunidadesLineas[1] = "13Comunidad Dos";
    comunidadesLineas.push_back(" 1Provincia A");
    comunidadesLineas.push_back(" 1Provincia B");
    for (int l = 0; l < static_cast<int>(comunidadesLineas.size()); ++l)
      comunidades.Fijar(l + 1, comunidadesLineas[static_cast<std::size_t>(l)]);
    comunidades.FijarCuenta(static_cast<int>(comunidadesLineas.size()));

    TablaCentros& lu1 = centros[0];
    const std::vector<std::string> lineas = {
        LineaCentro('7', "Huesca", "IES Uno", "974000001"),
        LineaCentro('7', "Huesca", "IES Dos", "974000002"),
        LineaCentro('7', "Jaca", "IES Tres", "974000003"),
        LineaCentro('7', "Jaca", "IES Cuatro", "974000004"),
        LineaCentro('A', "Teruel", "IES Cinco", "978000005"),
        LineaCentro('J', "Zaragoza Delicias", "IES Seis", "976000006", true),
        LineaCentro('7', "Sabinanigo", "IES Siete", "974000007")};
    for (int c = 0; c < static_cast<int>(lineas.size()); ++c)
      lu1.lineas.Fijar(c + 1, lineas[static_cast<std::size_t>(c)]);
    lu1.lineas.FijarCuenta(static_cast<int>(lineas.size()));
    Ensenan(2, {1, 3});
    Ensenan(3, {1, 4, 99});
    Ensenan(5, {6});
    Ensenan(7, {3, 5});
    Ensenan(9, {2});

    for (int t = 1; t <= 9; ++t) {
      for (int l = 1; l <= 25; ++l) descripciones.Fijar(t, l, std::string());
    }
    for (int l = 1; l <= 9; ++l)
      descripciones.Fijar(2, l, "Linea " + std::to_string(l) + " de higiene");
    descripciones.FijarCuenta(9);

    std::vector<std::string> textos;
    for (int k = 1; k <= CatalogoTextos::kUltimaLinea; ++k) textos.push_back("T" + std::to_string(k));
    catalogo.Rellenar(textos);
    indice.Construir(titulos, centros, datos);
  }

  // Title t is taught at these centres of "LU1" (datFPL record 1).
  void Ensenan(int t, std::vector<int> lista) {
    datos.centrosFP.Fijar(1, t, 0, static_cast<std::uint16_t>(lista.size()));
    for (std::size_t i = 0; i < lista.size(); ++i)
      datos.centrosFP.Fijar(1, t, static_cast<int>(i) + 1, static_cast<std::uint16_t>(lista[i]));
  }

  FuentesFP Fuentes() const {
    return {titulos,     familias,    lineasFamilia, carreras, requisitos,
            descripciones, comunidades, centros,      datos,    catalogo};
  }

  TablaLinea titulos;
  TablaLinea familias;
  NumerosLinea lineasFamilia{};
  TablaLinea carreras;
  TablaLinea requisitos;
  TablaBloques descripciones{bloques::kAsignafp};
  TablaLinea comunidades;
  std::array<TablaCentros, 4> centros;
  DatosCarreras datos;
  CatalogoTextos catalogo;
  IndiceCentrosFP indice;
};

}  // namespace sendaro::prueba
