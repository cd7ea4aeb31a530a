#include "sections/initial_programmes/qt/tfinipro.h"

#include "data/tablas_datos.h"
#include "ui/servicios.h"

namespace sendaro {

TFIniPro::TFIniPro(Servicios& servicios, QWidget* padre)
    : PantallaProvisional(servicios, QStringLiteral("TFIniPro"), padre) {}

void TFIniPro::Preparar(Servicios& servicios) {
  CargarTablasIniciales(servicios.estado.entorno, servicios.tablas);
}

void TFIniPro::Entrar(entrada::ProgramasIniciales /*accion*/) {
  EstadoPrograma& e = servicios_.estado;
  e.ModoTitulos = true;
  e.ModoLugares = false;
  MostrarSiHay("ListSelFp", true);
  MostrarSiHay("BotLug", true);
  MostrarSiHay("BotRetrocederFP", true);
}

}  // namespace sendaro
