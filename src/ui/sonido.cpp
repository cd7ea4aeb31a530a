#include "ui/sonido.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include "data/instalado.h"

#ifndef SENDARO_MODULO_AUDIO_COMPILADO
#define SENDARO_MODULO_AUDIO_COMPILADO ""
#endif

namespace sendaro {

namespace {

// The module beside the program first (the build tree), then where the
// installation puts it, <prefijo>/lib/sendaro, then where the build put it
// (for the tests, whose executables live elsewhere).
QStringList LugaresModulo() {
  const QString nombre = QStringLiteral("libsendaro_audio.so");
  const std::filesystem::path instalado = RutasDesde(CarpetaPrograma()).modulos;
  QStringList lugares{QDir(QCoreApplication::applicationDirPath()).filePath(nombre),
                      QDir(QFile::decodeName(instalado.c_str())).filePath(nombre)};
  if (*SENDARO_MODULO_AUDIO_COMPILADO != '\0') {
    lugares << QFile::decodeName(SENDARO_MODULO_AUDIO_COMPILADO);
  }
  return lugares;
}

}  // namespace

SonidoQt::SonidoQt() = default;

SonidoQt::~SonidoQt() {
  // The layer's objects go before the module that holds their code; the
  // module itself stays loaded until the program ends.
  real_.reset();
}

bool SonidoQt::Iniciar(const std::filesystem::path& carpeta) {
  if (iniciado_) return activo_;
  iniciado_ = true;
  for (const QString& lugar : LugaresModulo()) {
    if (!QFileInfo::exists(lugar)) continue;
    auto modulo = std::make_unique<QLibrary>(lugar);
    const auto crear = reinterpret_cast<CrearSonidoModulo>(modulo->resolve(kEntradaModuloAudio));
    if (crear == nullptr) continue;
    real_.reset(crear());
    modulo_ = std::move(modulo);
    break;
  }
  if (!real_ || !real_->Iniciar(carpeta)) {
    real_.reset();
    return false;
  }
  activo_ = true;
  real_->FijarMotor(datosMotor_);
  if (!pendiente_.first.isEmpty()) {
    auto [nombre, wav] = std::exchange(pendiente_, {});
    real_->Efecto(nombre, wav);
  }
  return true;
}

void SonidoQt::FijarMotor(const QByteArray& datos) {
  datosMotor_ = datos;
  if (real_) real_->FijarMotor(datos);
}

void SonidoQt::SonidoTecla(bool activo) {
  if (activo && real_) real_->SonidoTecla(true);
}

void SonidoQt::SonidoMotor(bool activo) {
  if (activo && real_) real_->SonidoMotor(true);
}

void SonidoQt::MotorEnBucle(bool activo) {
  if (real_) real_->MotorEnBucle(activo);
}

void SonidoQt::Efecto(const QString& nombre, const QByteArray& wav) {
  if (real_) {
    real_->Efecto(nombre, wav);
  } else if (!iniciado_) {
    pendiente_ = {nombre, wav};
  }
}

}  // namespace sendaro
