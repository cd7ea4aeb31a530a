#include "app/linea_ordenes.h"

#include <climits>
#include <string_view>

namespace sendaro {

namespace {
constexpr std::string_view kOpcionDatos = "--datos";
}

std::string TextoAyuda(const std::filesystem::path& datos, const std::filesystem::path& ajustes) {
  return std::string(kUso) +
         "\n"
         "Sendaro: orientación académica y profesional para la ESO y el Bachillerato.\n"
         "\n"
         "  --datos CARPETA  carpeta de la instalación: ficheros de datos, imágenes y sonidos\n"
         "  TEMA             tema del vestíbulo, por su primera letra: I inca, F flores,\n"
         "                   C castillo, N nieve, A azteca, P prehistórico; otra letra deja\n"
         "                   el de los ajustes del centro\n"
         "  S|N              vestíbulo animado (S) o estático (N)\n"
         "  IDIOMA           1 catalán/valenciano, 2 gallego, 3 euskera, 0 castellano\n"
         "  -h, --help       muestra esta ayuda y termina\n"
         "  -V, --version    muestra la versión y termina\n"
         "\n"
         "Sin --datos, la instalación está en " +
         datos.string() +
         "\n"
         "y los ajustes del centro en " +
         ajustes.string() + "\n";
}

LineaOrdenes AnalizarLineaOrdenes(const std::vector<std::string>& argumentos) {
  LineaOrdenes linea;
  for (std::size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& arg = argumentos[i];
    if (arg == "-h" || arg == "--help") {
      linea.ayuda = true;
    } else if (arg == "-V" || arg == "--version") {
      linea.version = true;
    } else if (arg == kOpcionDatos) {
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
