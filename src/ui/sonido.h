// Sound routines shared by every screen. Each takes an on/off argument and
// does nothing when it is off; with no audio output the whole layer stays
// off silently and nothing waits.
//
// The program itself does not link the multimedia libraries: `SonidoQt`
// loads the audio module (libsendaro_audio.so) when the sound layer starts,
// after the hall's first paint, so that loading them never holds start-up.
#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <memory>
#include <utility>

class QLibrary;

namespace sendaro {

class Sonido {
 public:
  virtual ~Sonido() = default;
  // Starts the layer on the installation's folder; false when there is no
  // audio output (the layer then stays off).
  virtual bool Iniciar(const std::filesystem::path& carpeta) = 0;
  // The memory copy of "motor.wav" that MotorEnBucle plays.
  virtual void FijarMotor(const QByteArray& datos) = 0;
  // Plays "tecla.wav" and waits until it has finished (at most a second).
  virtual void SonidoTecla(bool activo) = 0;
  // Starts "motor.wav" without waiting.
  virtual void SonidoMotor(bool activo) = 0;
  // On: loops the memory copy of "motor.wav"; off: stops it.
  virtual void MotorEnBucle(bool activo) = 0;
  // Plays a sound of the animated hall once, without waiting; `wav` is the
  // whole file, kept by name the first time it plays.
  virtual void Efecto(const QString& nombre, const QByteArray& wav) {
    (void)nombre;
    (void)wav;
  }
};

// The audio module's entry point: a new, not yet started sound layer.
using CrearSonidoModulo = Sonido* (*)();
inline constexpr char kEntradaModuloAudio[] = "sendaro_audio_crear";

class SonidoQt : public Sonido {
 public:
  SonidoQt();
  ~SonidoQt() override;

  // Loads the audio module and starts it; false (and silent from then on)
  // when the module cannot be loaded or there is no audio output.
  bool Iniciar(const std::filesystem::path& carpeta) override;
  void FijarMotor(const QByteArray& datos) override;
  void SonidoTecla(bool activo) override;
  void SonidoMotor(bool activo) override;
  void MotorEnBucle(bool activo) override;
  // Before the layer has started, the last sound asked for waits and plays
  // as it starts.
  void Efecto(const QString& nombre, const QByteArray& wav) override;

  bool Activo() const { return activo_; }
  // Whether the audio module was found and loaded.
  bool ModuloCargado() const { return modulo_ != nullptr; }

 private:
  bool iniciado_ = false;
  bool activo_ = false;
  std::unique_ptr<QLibrary> modulo_;
  std::unique_ptr<Sonido> real_;
  QByteArray datosMotor_;
  std::pair<QString, QByteArray> pendiente_;
};

// Bytes of "motor.wav" kept in memory for the loop.
inline constexpr qsizetype kBytesMotor = 40000;

}  // namespace sendaro
