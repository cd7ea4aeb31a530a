// Small questionnaires, area files and texts for the study questionnaire's
// tests, written so that every mark can be worked out by hand.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/disposiciones.h"
#include "data/tabla_linea.h"

namespace sendaro::prueba {

// A "CUESTION" table: one line per question, "<class><type>Pregunta <i>".
inline TablaLinea Preguntas(const std::vector<std::pair<int, int>>& claseYTipo) {
  TablaLinea t(TablaLinea::kLimiteNormal);
  t.Fijar(0, "CUESTION");
  int i = 0;
  for (const auto& [clase, tipo] : claseYTipo) {
    ++i;
    t.Fijar(i, std::to_string(clase) + std::to_string(tipo) + "Pregunta " + std::to_string(i));
  }
  t.FijarCuenta(i);
  return t;
}

// n questions of the same class and type.
inline TablaLinea Preguntas(int n, int clase, int tipo) {
  return Preguntas(std::vector<std::pair<int, int>>(static_cast<std::size_t>(n), {clase, tipo}));
}

// Bytes of "datitine": record 1 the questions, record 2 the titles of each
// area (1..30); `cuenta` overrides an entry's count byte.
struct EntradaArea {
  int registro;
  int area;
  std::vector<int> numeros;
  int cuenta = -1;
};
inline std::string BytesAreas(const std::vector<EntradaArea>& entradas) {
  std::string bytes(static_cast<std::size_t>(registros::kDatitine.BytesTotales()), '\0');
  for (const EntradaArea& e : entradas) {
    const auto base = static_cast<std::size_t>((e.registro - 1) * 3030 + (e.area - 1) * 101);
    bytes[base] = static_cast<char>(e.cuenta >= 0 ? e.cuenta : static_cast<int>(e.numeros.size()));
    for (std::size_t k = 0; k < e.numeros.size(); ++k) {
      bytes[base + 1 + k] = static_cast<char>(e.numeros[k]);
    }
  }
  return bytes;
}
inline RegistrosFilas Areas(const std::vector<EntradaArea>& entradas) {
  RegistrosFilas r(registros::kDatitine);
  r.Analizar(BytesAreas(entradas));
  return r;
}

// "ITINERAR": areas 1..20 are "Area <k>", every other line "L<n>".
inline TablaLinea Itinerar() {
  TablaLinea t(TablaLinea::kLimiteNormal);
  t.Fijar(0, "ITINERAR");
  for (int n = 1; n <= 52; ++n) {
    t.Fijar(n, n <= 20 ? "Area " + std::to_string(n) : "L" + std::to_string(n));
  }
  t.FijarCuenta(52);
  return t;
}

// "TITULOS": line n is "Titulo <n>".
inline TablaLinea Titulos(int n) {
  TablaLinea t(TablaLinea::kLimiteNormal);
  t.Fijar(0, "TITULOS");
  for (int i = 1; i <= n; ++i) t.Fijar(i, "Titulo " + std::to_string(i));
  t.FijarCuenta(n);
  return t;
}

// Catalogue text n is "T<n>".
inline CatalogoTextos Catalogo() {
  std::vector<std::string> lineas;
  for (int n = 1; n <= CatalogoTextos::kUltimaLinea; ++n) lineas.push_back("T" + std::to_string(n));
  CatalogoTextos c;
  c.Rellenar(lineas);
  return c;
}

}  // namespace sendaro::prueba
