#include "app/linea_ordenes.h"

#include <climits>
#include <string_view>

namespace sendaro {

namespace {
constexpr std::string_view kOpcionDatos = "--datos";
}

LineaOrdenes AnalizarLineaOrdenes(const std::vector<std::string>& argumentos) {
  LineaOrdenes linea;
  for (std::size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& arg = argumentos[i];
    if (arg == kOpcionDatos) {
      if (i + 1 >= argumentos.size()) {
        linea.error = "Falta la carpeta tras --datos";
        return linea;
      }
      linea.datos = argumentos[++i];
    } else if (arg.rfind(std::string(kOpcionDatos) + "=", 0) == 0) {
      linea.datos = arg.substr(kOpcionDatos.size() + 1);
    } else {
      linea.posicionales.push_back(arg);
    }
  }
  if (linea.datos && linea.datos->empty()) linea.error = "La carpeta de --datos está vacía";
  return linea;
}

std::optional<int> NumeroEntero(const std::string& texto) {
  std::size_t i = 0;
  bool negativo = false;
  if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
    negativo = texto[i] == '-';
    ++i;
  }
  if (i == texto.size()) return std::nullopt;
  long long valor = 0;
  for (; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c < '0' || c > '9') return std::nullopt;
    if (valor <= INT_MAX) valor = valor * 10 + (c - '0');
  }
  if (negativo) valor = -valor;
  if (valor > INT_MAX) return INT_MAX;
  if (valor < INT_MIN) return INT_MIN;
  return static_cast<int>(valor);
}

std::string SubcarpetaIdioma(int codigo) {
  switch (codigo) {
    case 1:
      return "catVal";
    case 2:
      return "galego";
    case 3:
      return "euskera";
    default:
      return {};
  }
}

Preferencias AplicarLineaOrdenes(Preferencias p, const std::vector<std::string>& posicionales) {
  if (posicionales.empty() || posicionales[0].empty()) return p;

  const char letra = posicionales[0][0];
  if (std::string_view("IFCNAP").find(letra) != std::string_view::npos) p.LetraTema = letra;

  if (posicionales.size() > 1) {
    if (posicionales[1] == "S") p.ConAnimacion = true;
    if (posicionales[1] == "N") p.ConAnimacion = false;
  }

  if (posicionales.size() > 2) {
    if (const auto idioma = NumeroEntero(posicionales[2])) {
      if (*idioma >= 1 && *idioma <= 3) p.subcarpeta = SubcarpetaIdioma(*idioma);
      if (*idioma < 1) p.subcarpeta.clear();
    }
  }
  return p;
}

}  // namespace sendaro
