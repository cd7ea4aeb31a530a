// What the screens share: the program state, the catalogue, the pictures,
// the platform seams and the screens themselves (screens talk through these,
// never through arguments).
#pragma once

#include <QDialog>
#include <QImage>
#include <QPixmap>
#include <QString>

#include "app/estado.h"
#include "data/catalogo.h"
#include "data/registros.h"
#include "data/tablas_datos.h"
#include "hall/temas.h"
#include "ui/texto_qt.h"

namespace sendaro {

class Dialogos;
class Sonido;
class PantallaModos;
class VentanaPrincipal;
class Tform0;
class TForm4;

struct RecursosGraficos {
  QPixmap mapa, mapac, mapam;
  QPixmap Lateral, Suelo, MarcoDerecho, MarcoIzquierdo, Pared, Rotulo, heli;
  QImage CabeceraImpresion;  // print-header picture ("chica.bmp")
};

// Every screen, created once at start-up.
struct Pantallas {
  Tform0* Vestibulo = nullptr;
  QDialog* TForm6 = nullptr;
  QWidget* TForm1 = nullptr;
  QWidget* TForm2 = nullptr;
  QDialog* TForm5 = nullptr;
  QWidget* TForm3 = nullptr;
  TForm4* Dialogo = nullptr;
  QWidget* TFIniPro = nullptr;
  QWidget* TCertifica = nullptr;
  QWidget* Tprofe = nullptr;
  QWidget* TFormCat = nullptr;
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
  const Tema* tema = nullptr;
  Pantallas pantallas;
  // Set by a confirmed exit, which has asked the application to end.
  bool terminado = false;

  QString Texto(int n) const { return DeWin(catalogo.Texto(n)); }
  QString Nombre() const { return DeWin(estado.NombreCentro); }
  // Theme colours; the Inca theme's before a theme is chosen.
  const Tema& TemaActual() const { return tema != nullptr ? *tema : *BuscarTema('I'); }
};

}  // namespace sendaro
