// Test doubles for the program's seams and a small installation built in a
// temporary folder.
#pragma once

#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/dialogos.h"
#include "ui/pantalla_modos.h"
#include "ui/sonido.h"

namespace sendaro::prueba {

// Records every message, question and dialog; answers with the queued
// answers (No and Rejected when none are queued).
class DialogosPrueba : public Dialogos {
 public:
  using Respuesta = std::function<int(QDialog&)>;

  void Aviso(const QString& texto) override { avisos << texto; }
  bool PreguntaSiNo(const QString& texto) override;
  int Ejecutar(QDialog& dialogo) override;
  void Pitido() override { ++pitidos; }
  // Records the proposed name and answers with `rutaGuardar` (empty: cancel).
  QString NombreGuardar(const QString& nombre) override {
    nombresGuardar << nombre;
    return rutaGuardar;
  }

  // Answers the next dialog by pressing a key in it (Esc, Enter), or by
  // clicking the named button, after running `antes` on it.
  void ResponderConTecla(int tecla, std::function<void(QDialog&)> antes = {});
  void ResponderConBoton(const QString& boton, std::function<void(QDialog&)> antes = {});

  QStringList avisos;
  QStringList preguntas;
  std::deque<bool> respuestasPregunta;
  QStringList ejecutados;  // object names of the dialogs shown
  std::deque<Respuesta> respuestas;
  int pitidos = 0;
  bool AbrirWeb(const QUrl& direccion) override {
    webs << direccion.toString();
    return abreWeb;
  }
  QStringList webs;
  bool abreWeb = true;
  QStringList nombresGuardar;
  QString rutaGuardar;
};

class SonidoPrueba : public Sonido {
 public:
  bool Iniciar(const std::filesystem::path&) override {
    ++inicios;
    return false;
  }
  void FijarMotor(const QByteArray& datos) override { motor = datos; }
  void SonidoTecla(bool) override {}
  void SonidoMotor(bool activo) override { arranquesMotor += activo ? 1 : 0; }
  void MotorEnBucle(bool activo) override { enBucle = activo; }

  int inicios = 0;
  int arranquesMotor = 0;
  bool enBucle = false;  // the engine's sound is looping
  QByteArray motor;
};

class PantallaPrueba : public PantallaModos {
 public:
  ModoPantalla Actual() const override { return actual; }
  std::vector<ModoPantalla> Modos() const override { return modos; }
  bool Cambiar(const ModoPantalla& modo) override {
    cambios.push_back(modo);
    actual = modo;
    return true;
  }
  void Restaurar(const ModoPantalla& anterior) override {
    restauraciones.push_back(anterior);
    actual = anterior;
  }

  ModoPantalla actual{1024, 768, 32};
  std::vector<ModoPantalla> modos;
  std::vector<ModoPantalla> cambios;
  std::vector<ModoPantalla> restauraciones;
};

// A complete small installation: centre settings, Spanish and Galician
// catalogues, every picture, sound and data file start-up opens.
// Catalogue text n is "T<n>" ("G<n>" in galego/), except a few with real
// wording.
class InstalacionPrueba {
 public:
  InstalacionPrueba();
  std::filesystem::path Carpeta() const;
  QString Ruta(const QString& nombre) const;
  void Borrar(const QString& nombre);
  void Escribir(const QString& nombre, const QByteArray& contenido);
  void Ajustes(const std::string& nombre, int animacion, int idioma, char letra);

  static QString Texto(int n);  // Spanish catalogue text n as the program shows it

 private:
  QTemporaryDir dir_;
};

// Clicks the left button in the middle of a widget.
void Pulsar(QWidget* w);

// The last PDF (by name) printed into a folder, or "" when there is none.
QString UltimoPdf(const QString& carpeta);
// The text of a PDF as pdftotext lays it out ("" when it cannot be read).
QString TextoPdf(const QString& pdf);

}  // namespace sendaro::prueba
