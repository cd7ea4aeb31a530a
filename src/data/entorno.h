// What every reader needs: where the installation lives, how to tell the user
// about a problem, and the flag that stops start-up.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sendaro {

// Shows a plain modal message to the user. The Qt layer shows a message box;
// tests record the messages.
class Avisador {
 public:
  virtual ~Avisador() = default;
  virtual void Aviso(const std::string& texto) = 0;
};

// An installation's program folder and the language subfolder in use.
// Language subfolder names are "catVal", "galego" and "euskera".
class Instalacion {
 public:
  Instalacion() = default;
  explicit Instalacion(std::filesystem::path carpeta) : carpeta_(std::move(carpeta)) {}

  const std::filesystem::path& Carpeta() const { return carpeta_; }

  // Empty name: no language subfolder (Spanish).
  void FijarIdioma(std::string subcarpeta) { subcarpeta_ = std::move(subcarpeta); }
  bool HayIdioma() const { return !subcarpeta_.empty(); }
  // The prefix put before language-dependent file names: "galego/" or "".
  std::string RutaIdioma() const { return subcarpeta_.empty() ? std::string() : subcarpeta_ + "/"; }

  // Name as the user sees it in messages ("galego/textos" or "textos").
  std::string NombreConIdioma(std::string_view nombre) const {
    return RutaIdioma() + std::string(nombre);
  }

  // A file of the program folder, or of the language subfolder when one is in use.
  std::filesystem::path Ruta(std::string_view nombre) const {
    return carpeta_ / std::string(nombre);
  }
  std::filesystem::path RutaConIdioma(std::string_view nombre) const {
    return carpeta_ / NombreConIdioma(nombre);
  }

 private:
  std::filesystem::path carpeta_;
  std::string subcarpeta_;
};

// Reader context: the installation, the message sink and FalloGrave.
struct Entorno {
  Instalacion instalacion;
  Avisador* avisador = nullptr;
  bool FalloGrave = false;

  void Avisar(const std::string& texto) const {
    if (avisador != nullptr) avisador->Aviso(texto);
  }
};

}  // namespace sendaro
