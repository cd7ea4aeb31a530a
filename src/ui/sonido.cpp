#include "ui/sonido.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QBuffer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace sendaro {

namespace {
// The key click is short; a sound that never reports its end (a stuck audio
// server) must not freeze the screen.
constexpr int kEsperaMaximaTeclaMs = 1000;
}  // namespace

SonidoQt::SonidoQt() = default;
SonidoQt::~SonidoQt() {
  if (bucle_) bucle_->stop();
}

bool SonidoQt::Iniciar(const std::filesystem::path& carpeta) {
  activo_ = !QMediaDevices::audioOutputs().isEmpty();
  if (!activo_) return false;
  const QString dir = QFile::decodeName(carpeta.c_str());
  tecla_ = std::make_unique<QSoundEffect>();
  tecla_->setSource(QUrl::fromLocalFile(dir + QStringLiteral("/tecla.wav")));
  motor_ = std::make_unique<QSoundEffect>();
  motor_->setSource(QUrl::fromLocalFile(dir + QStringLiteral("/motor.wav")));
  return true;
}

void SonidoQt::FijarMotor(const QByteArray& datos) { datosMotor_ = datos; }

void SonidoQt::SonidoTecla(bool activo) {
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

void SonidoQt::SonidoMotor(bool activo) {
  if (!activo || !activo_ || !motor_) return;
  motor_->play();
}

void SonidoQt::MotorEnBucle(bool activo) {
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

}  // namespace sendaro
