// Helpers of the data tests: a temporary installation folder and an Avisador
// that records the messages.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "data/entorno.h"

namespace sendaro::prueba {

class AvisadorGrabador : public Avisador {
 public:
  void Aviso(const std::string& texto) override { avisos.push_back(texto); }
  std::vector<std::string> avisos;
};

// A fresh folder under the system's temporary folder, removed at the end.
class CarpetaTemporal {
 public:
  CarpetaTemporal() {
    static std::atomic<int> contador{0};
    ruta_ = std::filesystem::temp_directory_path() /
            ("sendaro-datos-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    std::filesystem::remove_all(ruta_);
    std::filesystem::create_directories(ruta_);
  }
  ~CarpetaTemporal() {
    std::error_code error;
    std::filesystem::remove_all(ruta_, error);
  }
  CarpetaTemporal(const CarpetaTemporal&) = delete;
  CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

  const std::filesystem::path& Ruta() const { return ruta_; }

  // Writes the bytes as they are (subfolders of the name are created).
  void Escribir(std::string_view nombre, std::string_view bytes) const {
    const auto destino = ruta_ / std::string(nombre);
    std::filesystem::create_directories(destino.parent_path());
    std::ofstream salida(destino, std::ios::binary);
    salida.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  // Writes the lines, each ended by CR LF.
  void EscribirLineas(std::string_view nombre, const std::vector<std::string>& lineas) const {
    std::string bytes;
    for (const auto& linea : lineas) bytes += linea + "\r\n";
    Escribir(nombre, bytes);
  }

 private:
  std::filesystem::path ruta_;
};

// An Entorno on a temporary folder that records its messages.
struct EntornoDePrueba {
  CarpetaTemporal carpeta;
  AvisadorGrabador avisador;
  Entorno entorno;

  EntornoDePrueba() {
    entorno.instalacion = Instalacion(carpeta.Ruta());
    entorno.avisador = &avisador;
  }
};

}  // namespace sendaro::prueba
