#include "hall/qt/escena_vestibulo.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include "hall/qt/escena_qt.h"
#include "hall/qt/tform0.h"
#include "ui/salida.h"
#include "ui/servicios.h"

namespace sendaro {

namespace {

// The hall's view of its DXDraw surface. Both are children of the hall, so
// they go with it.
class EscenaAnimada final : public QObject, public EscenaVestibulo {
 public:
  EscenaAnimada(Tform0& hall, sendaro::DXDraw* superficie) : QObject(&hall), dx_(superficie) {
    setObjectName(QStringLiteral("EscenaAnimada"));
  }

  QWidget* Superficie() override { return dx_; }

  void Iniciar() override {
    if (!dx_) return;
    // Once the scene runs, the hall is captioned with the program's title.
    if (QWidget* hall = dx_->parentWidget()) {
      hall->setWindowTitle(QCoreApplication::applicationName());
      if (hall->window() != hall) hall->window()->setWindowTitle(hall->windowTitle());
    }
    dx_->show();
    dx_->DXDrawInitialize();
  }

  void Detener() override {
    if (dx_) dx_->DXDrawFinalize();
  }

  void ClicRueda() override {
    if (dx_) dx_->DXDrawClick();
  }

  QImage Todo() const override { return dx_ ? dx_->Todo() : QImage(); }

  std::optional<QRect> RectPuerta(int codigo) const override {
    if (!dx_) return std::nullopt;
    const std::optional<escena::Caja> c = dx_->Escena().CajaPuerta(codigo);
    if (!c) return std::nullopt;
    return QRect(c->x, c->y, c->ancho, c->alto);
  }

 private:
  QPointer<sendaro::DXDraw> dx_;
};

}  // namespace

std::future<ListasEscena> PrecargarEscena(const Servicios& servicios) {
  return std::async(std::launch::async, CargarListas,
                    servicios.estado.entorno.instalacion.Carpeta(), servicios.TemaActual());
}

bool MontarEscena(Tform0& hall, Servicios& servicios, ListasEscena listas, QString& error) {
  const EstadoPrograma& e = servicios.estado;
  const Tema& tema = servicios.TemaActual();
  escena::DatosEscena datos;
  const CatalogoTextos& catalogo = servicios.catalogo;
  datos.texto = [&catalogo](int n) -> std::string_view { return catalogo.Texto(n); };
  datos.nombreCentro = e.NombreCentro;
  datos.letraTema = tema.letra;
  datos.colorNombre = tema.ColorNombre;
  datos.colorAno = tema.ColorAno;
  datos.deltaLetra = e.TamanoLetraDelta;

  std::unique_ptr<sendaro::DXDraw> dx =
      sendaro::DXDraw::Crear(std::move(listas), std::move(datos), error, &hall);
  if (!dx) return false;
  sendaro::DXDraw* superficie = dx.release();  // owned by the hall from here on
  superficie->FijarSalidaSonido(&servicios.sonido);

  Tform0* h = &hall;
  Servicios* s = &servicios;
  superficie->FijarGanchos({
      .puerta = [h](int codigo) { h->PuertaPorCodigo(codigo); },
      .dejar = [h] { h->LabelDejarClick(); },
      .salir = [s] { return SalidaConfirmada(*s); },
      .ayuda = [h] { h->TimerAyuda->start(); },
  });
  hall.AdjuntarEscena(new EscenaAnimada(hall, superficie));
  return true;
}

}  // namespace sendaro
