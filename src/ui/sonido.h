// Sound routines shared by every screen. Each takes an on/off argument and
// does nothing when it is off; with no audio output the whole layer stays
// off silently and nothing waits.
#pragma once

#include <QByteArray>
#include <filesystem>
#include <memory>

class QBuffer;
class QMediaPlayer;
class QAudioOutput;
class QSoundEffect;

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
};

class SonidoQt : public Sonido {
 public:
  SonidoQt();
  ~SonidoQt() override;

  bool Iniciar(const std::filesystem::path& carpeta) override;
  void FijarMotor(const QByteArray& datos) override;
  void SonidoTecla(bool activo) override;
  void SonidoMotor(bool activo) override;
  void MotorEnBucle(bool activo) override;

  bool Activo() const { return activo_; }

 private:
  bool activo_ = false;
  std::unique_ptr<QSoundEffect> tecla_;
  std::unique_ptr<QSoundEffect> motor_;
  std::unique_ptr<QAudioOutput> salidaBucle_;
  std::unique_ptr<QMediaPlayer> bucle_;
  std::unique_ptr<QBuffer> bufferBucle_;
  QByteArray datosMotor_;
};

// Bytes of "motor.wav" kept in memory for the loop.
inline constexpr qsizetype kBytesMotor = 40000;

}  // namespace sendaro
