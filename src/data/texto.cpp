#include "data/texto.h"

#include <fstream>
#include <system_error>

namespace sendaro {

std::string RecortarDerecha(std::string_view texto) {
  const auto fin = texto.find_last_not_of(' ');
  if (fin == std::string_view::npos) return std::string();
  return std::string(texto.substr(0, fin + 1));
}

bool EsBlanco(std::string_view texto) {
  return texto.find_first_not_of(' ') == std::string_view::npos;
}

std::string RellenarCon(int n, char caracter) {
  if (n < 2) return std::string();
  return std::string(static_cast<std::size_t>(n - 1), caracter);
}

std::string AplicarAncho(std::string_view linea, int ancho) {
  if (ancho <= 0) return std::string();
  const auto w = static_cast<std::size_t>(ancho);
  std::string resultado(linea.substr(0, w));
  // Extending by ancho - 1 blanks and cutting at ancho pads a non-empty line
  // to ancho and an empty one to ancho - 1.
  const std::size_t objetivo = linea.empty() ? w - 1 : w;
  if (resultado.size() < objetivo) resultado.append(objetivo - resultado.size(), ' ');
  return resultado;
}

std::string_view Cortar(std::string_view texto, int n) {
  if (n <= 0) return std::string_view();
  return texto.substr(0, static_cast<std::size_t>(n));
}

std::string_view Columnas(std::string_view linea, int columna, int ancho) {
  if (columna < 1 || ancho <= 0) return std::string_view();
  const auto inicio = static_cast<std::size_t>(columna - 1);
  if (inicio >= linea.size()) return std::string_view();
  return linea.substr(inicio, static_cast<std::size_t>(ancho));
}

std::optional<int> NumeroDecimal(std::string_view campo) {
  std::size_t i = 0;
  while (i < campo.size() && campo[i] == ' ') ++i;
  const std::size_t inicio = i;
  int valor = 0;
  for (; i < campo.size(); ++i) {
    const char c = campo[i];
    if (c < '0' || c > '9' || i - inicio >= 9) return std::nullopt;
    valor = valor * 10 + (c - '0');
  }
  if (i == inicio) return std::nullopt;
  return valor;
}

std::vector<std::string_view> DividirLineas(std::string_view bytes) {
  std::vector<std::string_view> lineas;
  std::size_t inicio = 0;
  while (inicio < bytes.size()) {
    const std::size_t lf = bytes.find('\n', inicio);
    if (lf == std::string_view::npos) {
      lineas.push_back(bytes.substr(inicio));
      break;
    }
    std::size_t fin = lf;
    if (fin > inicio && bytes[fin - 1] == '\r') --fin;
    lineas.push_back(bytes.substr(inicio, fin - inicio));
    inicio = lf + 1;
  }
  return lineas;
}

std::optional<std::string> LeerFicheroCompleto(const std::filesystem::path& ruta) {
  std::error_code error;
  if (std::filesystem::is_directory(ruta, error)) return std::nullopt;
  std::ifstream entrada(ruta, std::ios::binary);
  if (!entrada) return std::nullopt;
  // One read of the whole file: the record files are large and are read at start-up.
  std::string contenido;
  entrada.seekg(0, std::ios::end);
  const std::streamoff tamano = entrada.tellg();
  entrada.seekg(0, std::ios::beg);
  if (tamano > 0) {
    contenido.resize(static_cast<std::size_t>(tamano));
    entrada.read(contenido.data(), static_cast<std::streamsize>(tamano));
    contenido.resize(static_cast<std::size_t>(entrada.gcount()));
  }
  if (entrada.bad()) return std::nullopt;
  return contenido;
}

bool ExisteFichero(const std::filesystem::path& ruta) {
  std::error_code error;
  if (std::filesystem::is_directory(ruta, error)) return false;
  std::ifstream entrada(ruta, std::ios::binary);
  return static_cast<bool>(entrada);
}

std::string MensajeFaltanFicheros(std::string_view nombre) {
  return "Faltan ficheros (" + std::string(nombre) + "). Vuelva a instalar el programa";
}

std::optional<std::string> AbrirFicheroDatos(Entorno& entorno, std::string_view nombre) {
  auto bytes = LeerFicheroCompleto(entorno.instalacion.Ruta(nombre));
  if (!bytes) {
    entorno.Avisar(MensajeFaltanFicheros(nombre));
    entorno.FalloGrave = true;
  }
  return bytes;
}

}  // namespace sendaro
