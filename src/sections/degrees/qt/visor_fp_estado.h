// What the vocational titles browser keeps between clicks.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/mapas.h"
#include "sections/degrees/centros_fp.h"
#include "sections/degrees/qt/visor_fp.h"
#include "sections/degrees/titulos_fp.h"

namespace sendaro {

struct VisorFP::EstadoFP {
  IndiceCentrosFP indice;
  TablaPuntos puntos;
  EstadoMapas mapas;
  std::array<std::string, kRamasFP> ramas;

  // Families and the title pop-up.
  ListaFamiliasFP familias;
  std::vector<int> titulosEmergente;
  bool latch = false;  // the family highlight is frozen while the pop-up is open
  int primeraFila = 0;

  // The title card.
  EleccionComunidades eleccion;
  InformeLineas impresion;

  // Centres by place.
  bool rellenarRamas = true;
  bool latchPueblos = false;
  bool telefonos = false;
  bool dobleClic = false;
  ModoLugarFP modoMapa = ModoLugarFP::kProvincia;
  std::vector<ProvinciaFP> provincias;
  std::vector<PuebloFP> pueblos;
  LugarFP lugar;
  bool hayLugar = false;
  std::string nombreLugar;
  int pueblo = 0;
  RejaFP reja;
};

}  // namespace sendaro
