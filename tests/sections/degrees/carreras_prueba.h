// A small degree catalogue built in memory for the degree screen's tests:
// degrees, universities, requirements, outlets, subjects, marks and links,
// written row by row as the record files hold them.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/lectores.h"
#include "data/lectores_fijos.h"
#include "data/tabla_linea.h"
#include "sections/degrees/consulta.h"
#include "sections/degrees/ficha_carrera.h"

namespace sendaro::prueba {

class CatalogoCarreras {
 public:
  // `degrees` are the degree lines 1..N; four trailing group lines follow.
  explicit CatalogoCarreras(std::vector<std::string> nombres) {
    for (int i = 0; i < static_cast<int>(nombres.size()); ++i)
      carreras.Fijar(i + 1, nombres[static_cast<std::size_t>(i)]);
    const int n = static_cast<int>(nombres.size());
    const char* grupos[] = {"Todas las diplomaturas", "Todas las licenciaturas",
                            "I T (todas las ingenierias tecnicas)", "Segundo ciclo"};
    for (int i = 0; i < 4; ++i) carreras.Fijar(n + 1 + i, grupos[i]);
    carreras.FijarCuenta(n + 4);
    carreras.Fijar(0, "T48");
    datos.numCarreras = n;
    for (int d = 1; d <= n; ++d) {
      datos.tipos[static_cast<std::size_t>(d)] = TipoCarrera(carreras[d]);
    }
    bytes_.assign(static_cast<std::size_t>(registros::kDatcar.BytesTotales()), '\0');
    for (int r = 1; r <= 30; ++r) requisitos.Fijar(r, "Requisito " + std::to_string(r));
    requisitos.Fijar(0, "T277");
    requisitos.FijarCuenta(30);
    for (int s = 1; s <= 10; ++s) salidas.Fijar(s, "Salida " + std::to_string(s));
    salidas.Fijar(0, "T278");
    salidas.FijarCuenta(10);
    std::vector<std::string> textos;
    for (int k = 1; k <= CatalogoTextos::kUltimaLinea; ++k)
      textos.push_back("T" + std::to_string(k));
    catalogo.Rellenar(textos);
  }

  // University u of community c.
  void Universidad(int u, const std::string& nombre, int comunidad) {
    universidades.nombres.Fijar(u, nombre);
    universidades.comunidades[static_cast<std::size_t>(u)] = comunidad;
    universidades.cuenta = std::max(universidades.cuenta, u);
    universidades.nombres.FijarCuenta(universidades.cuenta);
  }

  // Degree d is taught at these universities with these cut-offs.
  void Notas(int d, std::initializer_list<std::pair<int, int>> lista) {
    int i = 1;
    Fila(registros::kRegistroUniversidades, d, 0, static_cast<int>(lista.size()));
    Fila(registros::kRegistroNotas, d, 0, static_cast<int>(lista.size()));
    for (const auto& [u, nota] : lista) {
      Fila(registros::kRegistroUniversidades, d, i, u);
      Fila(registros::kRegistroNotas, d, i, nota);
      ++i;
    }
    Aplicar();
  }
  void Lista(int registro, int d, int inicio, std::initializer_list<int> lista) {
    Fila(registro, d, inicio, static_cast<int>(lista.size()));
    int i = 1;
    for (const int v : lista) Fila(registro, d, inicio + i++, v);
    Aplicar();
  }
  void Requisitos(int d, std::initializer_list<int> l) {
    Lista(registros::kRegistroRequisitos, d, 0, l);
  }
  void Salidas(int d, std::initializer_list<int> l) { Lista(registros::kRegistroSalidas, d, 0, l); }
  void Relacionadas(int d, std::initializer_list<int> l) {
    Lista(registros::kRegistroGruposYRelacionadas, d, registros::kInicioRelacionadas, l);
  }
  void Dificultad(int d, int nivel) { datos.dificultades[static_cast<std::size_t>(d)] = nivel; }
  // The stored lines of degree d's subjects block, from stored line 1.
  void Asignaturas(int d, std::vector<std::string> lineas) {
    for (int k = 0; k < static_cast<int>(lineas.size()); ++k) {
      std::string l = lineas[static_cast<std::size_t>(k)];
      l.resize(50, ' ');  // blank-filled, as the reader stores them
      asignaturas.Fijar(d, k + 1, l);
    }
    for (int k = static_cast<int>(lineas.size()) + 1; k <= 30; ++k)
      asignaturas.Fijar(d, k, std::string(50, ' '));
    asignaturas.FijarCuenta(std::max(asignaturas.Cuenta(), d));
  }

  FuentesFicha Ficha() const {
    return {carreras, universidades, requisitos, salidas, asignaturas, datos, catalogo};
  }
  FuentesConsulta Consulta() const { return {carreras, universidades, datos}; }

  TablaLinea carreras;
  TablaLinea requisitos;
  TablaLinea salidas;
  TablaUniversidades universidades;
  TablaBloques asignaturas{bloques::kAsignacar};
  DatosCarreras datos;
  CatalogoTextos catalogo;

 private:
  void Fila(int registro, int d, int k, int valor) {
    const auto& disp = registros::kDatcar;
    const auto pos = static_cast<std::size_t>((registro - 1) * disp.BytesPorRegistro() +
                                              (d - 1) * disp.enterosPorFila + k);
    bytes_[pos] = static_cast<char>(valor);
  }
  void Aplicar() { datos.carreras.Analizar(bytes_); }

  std::string bytes_;
};

}  // namespace sendaro::prueba
