#include "data/explicacion.h"

#include <cmath>
#include <cstdio>

#include "data/impresion/lineas_enteras.h"
#include "data/texto.h"

namespace sendaro {

std::string ConComa(double valor, int decimales) {
  char cifra[64];
  std::snprintf(cifra, sizeof cifra, "%.*f", decimales, valor);
  std::string t(cifra);
  for (char& c : t) {
    if (c == '.') c = ',';
  }
  return t;
}

std::string ConComaBreve(double valor) {
  std::string t = ConComa(valor, 2);
  const std::size_t coma = t.find(',');
  if (coma == std::string::npos) return t;
  while (t.back() == '0') t.pop_back();
  if (t.back() == ',') t.pop_back();
  return t;
}

std::string Enumerar(const std::vector<std::string>& partes, const CatalogoTextos& catalogo) {
  const std::string y = RecortarDerecha(catalogo.Texto(textos_explicacion::kY));
  std::string t;
  const std::size_t n = partes.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && i + 1 == n) {
      t.append(" ").append(y).append(" ");
    } else if (i > 0) {
      t.append(", ");
    }
    t.append(partes[i]);
  }
  return t;
}

std::string EnumerarNumeros(const std::vector<int>& numeros, const CatalogoTextos& catalogo) {
  std::vector<std::string> partes;
  partes.reserve(numeros.size());
  for (const int n : numeros) partes.push_back(std::to_string(n));
  return Enumerar(partes, catalogo);
}

std::string Plantilla(std::string_view texto, std::initializer_list<std::string_view> valores) {
  std::string t;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c == '%' && i + 1 < texto.size() && texto[i + 1] >= '1' && texto[i + 1] <= '9') {
      const auto k = static_cast<std::size_t>(texto[i + 1] - '1');
      if (k < valores.size()) t += *(valores.begin() + k);
      ++i;
      continue;
    }
    t.push_back(c);
  }
  return t;
}

std::string PrefijoResultado(std::string_view nombre, std::optional<double> valor) {
  std::string t = RecortarDerecha(nombre);
  if (valor) t.append(" ").append(ConComa(*valor));
  t.append(": ");
  return t;
}

LineasExplicacion InformeExplicaciones(const std::vector<ResultadoExplicado>& explicaciones,
                                       const CatalogoTextos& catalogo, int primeraLinea) {
  LineasExplicacion r;
  if (explicaciones.empty()) return r;
  r.lineas.emplace_back();
  r.lineas.push_back(RecortarDerecha(catalogo.Texto(textos_explicacion::kCabeceraInforme)));
  r.negritas.push_back(primeraLinea + 1);
  for (const ResultadoExplicado& e : explicaciones) {
    for (std::size_t i = 0; i < e.lineas.size(); ++i) {
      const std::string linea = (i == 0 ? std::string() : std::string(3, ' ')) + e.lineas[i];
      for (std::string& l : LineasEnteras(linea)) r.lineas.push_back(std::move(l));
    }
  }
  return r;
}

}  // namespace sendaro
