// Arts studies: each field's file read when it is chosen, its titles,
// specialities and places (plastic arts by community on the map or by
// speciality), web addresses opened from the list, and the printout.
#pragma once

#include <QObject>

#include "data/tablas_datos.h"
#include "sections/degrees/artes.h"

class QPushButton;

namespace sendaro {

class PaginaGrados;

class VisorArtes : public QObject {
  Q_OBJECT

 public:
  explicit VisorArtes(PaginaGrados& pagina);

  QPushButton* BotArtesTit;
  QPushButton* BotArtesEsp;
  QPushButton* BotArtesLug;

  bool ModoArtes = false;
  int ArteSel = 0;  // the field: Arte as a number
  int EspecialidadSel = 0;

  void Preparar();

  void AbrirArte(int campo);
  void BotArtesTitClick();
  void BotArtesEspClick();
  void BotArtesLugClick();
  // Plastic arts: the places of a community chosen on the map, or of a
  // speciality chosen in the list beside it.
  bool PorComunidad() const;
  void LugaresArteComunidad();
  void MostrarLugaresEspecialidad(int fila);
  void ImprimirArteElegido();
  // In the arts the list opens only web addresses; false elsewhere.
  bool AbrirFila();
  // The back button leaves the arts.
  void Salir();

 private:
  FuentesArte FuentesA() const;

  PaginaGrados& p_;
  TablaLinea lineasArte_;  // the arts field's file
};

}  // namespace sendaro
