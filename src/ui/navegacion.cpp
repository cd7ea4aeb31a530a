#include "ui/navegacion.h"

#include <QDialog>
#include <QWidget>
#include <cstring>

#include "ui/dialogos.h"
#include "ui/servicios.h"
#include "ui/ventana_principal.h"

namespace sendaro {

namespace {

std::size_t Indice(Seccion seccion) { return static_cast<std::size_t>(seccion); }

}  // namespace

Navegacion::Navegacion(Servicios& servicios) : servicios_(servicios) {}

Navegacion::~Navegacion() = default;

QString Navegacion::NombreClase(const char* completo) {
  const char* nombre = std::strrchr(completo, ':');
  return QString::fromLatin1(nombre != nullptr ? nombre + 1 : completo);
}

void Navegacion::Guardar(Seccion seccion, Registro registro) {
  registro.registrado = true;
  registros_[Indice(seccion)] = std::move(registro);
}

void Navegacion::Creada(Seccion seccion, QWidget& pantalla) {
  registros_[Indice(seccion)].pantalla = &pantalla;
  creadas_.push_back(registros_[Indice(seccion)].nombre);
}

Seccion Navegacion::SeccionDeTipo(std::type_index tipo) const {
  for (std::size_t i = 0; i < kSecciones; ++i) {
    if (registros_[i].registrado && registros_[i].tipo == tipo) return static_cast<Seccion>(i);
  }
  qFatal("Navegacion: a screen type that was never registered");
}

void Navegacion::Preparar(Seccion seccion, Servicios& servicios) const {
  const Registro& r = registros_[Indice(seccion)];
  if (r.preparar != nullptr) r.preparar(servicios);
}

const QString& Navegacion::Nombre(Seccion seccion) const {
  return registros_[Indice(seccion)].nombre;
}

QWidget* Navegacion::Creada(Seccion seccion) const { return registros_[Indice(seccion)].pantalla; }

QWidget& Navegacion::Pantalla(Seccion seccion) {
  Registro& r = registros_[Indice(seccion)];
  if (!r.registrado) qFatal("Navegacion: section %zu was never registered", Indice(seccion));
  if (r.pantalla == nullptr) {
    VentanaPrincipal& ventana = servicios_.ventana;
    // A page is born inside the window's pages, so it is styled once.
    QWidget* padre = r.forma == Forma::kPagina ? ventana.Paginas() : &ventana;
    QWidget* pantalla = r.crear(servicios_, padre);
    if (r.forma == Forma::kPagina) ventana.Agregar(pantalla);
    Creada(seccion, *pantalla);
  }
  return *r.pantalla;
}

void Navegacion::AbrirEntrada(const Entrada& entrada, bool encima) {
  const auto seccion = static_cast<Seccion>(entrada.index());
  Registro& r = registros_[Indice(seccion)];
  QWidget& pantalla = Pantalla(seccion);
  if (seccion == Seccion::kAsistente) servicios_.estado.DesdeAsistente = true;
  if (r.forma == Forma::kDialogo) {
    r.entrar(pantalla, entrada);
    servicios_.dialogos.Ejecutar(static_cast<QDialog&>(pantalla));
    return;
  }
  VentanaPrincipal& ventana = servicios_.ventana;
  QWidget* antes = ventana.Actual();
  if (encima) servicios_.estado.DesdeContexto = true;
  // The entry action sets the screen up before it shows (its showEvent sees it).
  r.entrar(pantalla, entrada);
  ventana.Mostrar(&pantalla);
  if (!encima && antes != nullptr && antes != &pantalla) ventana.Ocultar(antes);
}

void Navegacion::Mostrar(Seccion seccion) {
  QWidget& pantalla = Pantalla(seccion);
  if (registros_[Indice(seccion)].forma == Forma::kDialogo) {
    pantalla.show();
    return;
  }
  servicios_.ventana.Mostrar(&pantalla);
  pantalla.raise();
}

void Navegacion::Salir(QWidget& pantalla, Seccion destino) {
  EstadoPrograma& e = servicios_.estado;
  // The assistant itself ends the run of sections opened from it.
  if (&pantalla == Creada(Seccion::kAsistente)) {
    e.DesdeAsistente = false;
    Mostrar(Seccion::kVestibulo);
    Esconder(pantalla);
    return;
  }
  if (e.DesdeContexto) {
    e.DesdeContexto = false;
    Esconder(pantalla);
    return;
  }
  Mostrar(e.DesdeAsistente ? Seccion::kAsistente : destino);
  Esconder(pantalla);
}

void Navegacion::Esconder(QWidget& pantalla) {
  if (servicios_.ventana.Contiene(&pantalla)) {
    servicios_.ventana.Ocultar(&pantalla);
  } else {
    pantalla.hide();
  }
}

}  // namespace sendaro
