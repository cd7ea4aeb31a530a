// The sound layer on Qt Multimedia, built as a module of its own that the
// program loads once the hall is on screen (see ui/sonido.h).
#include <QAudioDevice>
#include <QAudioOutput>
#include <QBuffer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include "ui/sonido.h"

namespace sendaro {

namespace {

// The key click is short; a sound that never reports its end (a stuck audio
// server) must not freeze the screen.
constexpr int kEsperaMaximaTeclaMs = 1000;

class SonidoMultimedia final : public Sonido {
 public:
  ~SonidoMultimedia() override {
    if (bucle_) bucle_->stop();
    qDeleteAll(efectos_);
  }

  bool Iniciar(const std::filesystem::path& carpeta) override {
    activo_ = !QMediaDevices::audioOutputs().isEmpty();
    if (!activo_) return false;
    const QString dir = QFile::decodeName(carpeta.c_str());
    tecla_ = std::make_unique<QSoundEffect>();
    tecla_->setSource(QUrl::fromLocalFile(dir + QStringLiteral("/tecla.wav")));
    motor_ = std::make_unique<QSoundEffect>();
    motor_->setSource(QUrl::fromLocalFile(dir + QStringLiteral("/motor.wav")));
    return true;
  }

  void FijarMotor(const QByteArray& datos) override { datosMotor_ = datos; }

  void SonidoTecla(bool activo) override {
    if (!activo || !activo_ || !tecla_) return;
    tecla_->play();
    QEventLoop espera;
    QTimer tope;
    tope.setSingleShot(true);
    QObject::connect(&tope, &QTimer::timeout, &espera, &QEventLoop::quit);
    QObject::connect(tecla_.get(), &QSoundEffect::playingChanged, &espera, [&] {
      if (!tecla_->isPlaying()) espera.quit();
    });
    QObject::connect(tecla_.get(), &QSoundEffect::statusChanged, &espera, [&] {
      if (tecla_->status() == QSoundEffect::Error) espera.quit();
    });
    tope.start(kEsperaMaximaTeclaMs);
    espera.exec(QEventLoop::ExcludeUserInputEvents);
  }

  void SonidoMotor(bool activo) override {
    if (!activo || !activo_ || !motor_) return;
    motor_->play();
  }

  void MotorEnBucle(bool activo) override {
    if (!activo_) return;
    if (!activo) {
      if (bucle_) bucle_->stop();
      return;
    }
    if (datosMotor_.isEmpty()) return;
    if (!bucle_) {
      salidaBucle_ = std::make_unique<QAudioOutput>();
      bucle_ = std::make_unique<QMediaPlayer>();
      bucle_->setAudioOutput(salidaBucle_.get());
      bufferBucle_ = std::make_unique<QBuffer>(&datosMotor_);
      bufferBucle_->open(QIODevice::ReadOnly);
      bucle_->setSourceDevice(bufferBucle_.get(), QUrl(QStringLiteral("motor.wav")));
      bucle_->setLoops(QMediaPlayer::Infinite);
    }
    bucle_->play();
  }

  // A sound effect plays from a file: each one is written once to a
  // temporary folder of the program's own.
  void Efecto(const QString& nombre, const QByteArray& wav) override {
    if (!activo_ || wav.isEmpty()) return;
    QSoundEffect*& efecto = efectos_[nombre];
    if (efecto == nullptr) {
      if (!carpeta_) carpeta_ = std::make_unique<QTemporaryDir>();
      const QString ruta = carpeta_->filePath(nombre + QStringLiteral(".wav"));
      QFile f(ruta);
      if (!f.open(QIODevice::WriteOnly) || f.write(wav) < 0) {
        efectos_.remove(nombre);
        return;
      }
      f.close();
      efecto = new QSoundEffect(QMediaDevices::defaultAudioOutput());
      efecto->setSource(QUrl::fromLocalFile(ruta));
    }
    efecto->play();
  }

 private:
  bool activo_ = false;
  std::unique_ptr<QSoundEffect> tecla_;
  std::unique_ptr<QSoundEffect> motor_;
  std::unique_ptr<QAudioOutput> salidaBucle_;
  std::unique_ptr<QMediaPlayer> bucle_;
  std::unique_ptr<QBuffer> bufferBucle_;
  QByteArray datosMotor_;
  std::unique_ptr<QTemporaryDir> carpeta_;
  QHash<QString, QSoundEffect*> efectos_;
};

}  // namespace

}  // namespace sendaro

extern "C" Q_DECL_EXPORT sendaro::Sonido* sendaro_audio_crear() {
  return new sendaro::SonidoMultimedia();
}
