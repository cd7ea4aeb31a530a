// What the screens share: the program state, the catalogue, the pictures,
// the platform seams, the common dialog and the navigation between screens
// (screens talk through these, never through arguments).
#pragma once

#include <QDialog>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>
#include <functional>
#include <optional>

#include "data/busqueda.h"
#include "data/catalogo.h"
#include "data/estado.h"
#include "data/registros.h"
#include "data/tablas_datos.h"
#include "data/temas.h"
#include "ui/navegacion.h"
#include "ui/texto_qt.h"

namespace sendaro {

class Dialogos;
class Sonido;
class PantallaModos;
class VentanaPrincipal;
class TForm4;

struct RecursosGraficos {
  QPixmap mapa, mapac, mapam;
  QPixmap Lateral, Suelo, MarcoDerecho, MarcoIzquierdo, Pared, Rotulo, heli;
  QImage CabeceraImpresion;   // print-header picture ("chica.bmp")
  // The guide's frames (the hall's strip), for the help bubbles, and the
  // hall's icon list, drawn beside the rows of several lists: read when
  // first asked for, by the readers the hall sets.
  const QList<QPixmap>& FiguraGuia() const { return figura_.Lista(); }
  const QList<QPixmap>& Iconos() const { return iconos_.Lista(); }
  void FijarLectores(std::function<QList<QPixmap>()> figura,
                     std::function<QList<QPixmap>()> iconos) {
    figura_ = TiraDiferida{std::move(figura), std::nullopt};
    iconos_ = TiraDiferida{std::move(iconos), std::nullopt};
  }

 private:
  struct TiraDiferida {
    std::function<QList<QPixmap>()> leer;
    mutable std::optional<QList<QPixmap>> lista;
    const QList<QPixmap>& Lista() const {
      if (!lista) lista = leer ? leer() : QList<QPixmap>();
      return *lista;
    }
  };
  TiraDiferida figura_, iconos_;
};

struct Servicios {
  EstadoPrograma& estado;
  CatalogoTextos& catalogo;
  RecursosGraficos& recursos;
  TablasDatos& tablas;
  DatosPuntos& puntos;  // the region tables of "puntos3"
  Dialogos& dialogos;
  Sonido& sonido;
  PantallaModos& pantalla;
  VentanaPrincipal& ventana;
  Navegacion& navegacion;
  const Tema* tema = nullptr;
  // The common question, name and print-options dialog: made when first
  // needed, through Dialogo().
  TForm4* dialogo = nullptr;
  // Set by a confirmed exit, which has asked the application to end.
  bool terminado = false;
  // The search index, built on its own thread once the hall has painted.
  IndiceEnFondo* busqueda = nullptr;

  // The common dialog, made the first time it is asked for.
  TForm4* Dialogo();
  QString Texto(int n) const { return DeWin(catalogo.Texto(n)); }
  QString Nombre() const { return DeWin(estado.NombreCentro); }
  // Theme colours; the Inca theme's before a theme is chosen.
  const Tema& TemaActual() const { return tema != nullptr ? *tema : *BuscarTema('I'); }
};

}  // namespace sendaro
