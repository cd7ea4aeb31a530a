// The new degrees: the list with its category filter, a degree's views and
// printout, the universities of a community that teach them, and the
// animated diagram that explains them.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "sections/degrees/carreras_nuevas.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace sendaro {

class PaginaGrados;

class VisorNuevas : public QObject {
  Q_OBJECT

 public:
  explicit VisorNuevas(PaginaGrados& pagina);

  QComboBox* ComboNuevas;
  QPushButton* BotUni;
  QPushButton* BotReq;
  QPushButton* BotSal;
  QPushButton* BotImprimirN;  // also prints an arts field
  // The diagram.
  QFrame* PanelGrado;
  std::array<QFrame*, 6> Shape{};    // Shape1..Shape6
  std::array<QLabel*, 7> ImageG{};   // ImageG2..ImageG8
  std::array<QLabel*, 13> LabelG{};  // LabelG0..LabelG12
  QLabel* LabelGT;
  QLabel* LabelGTexto;
  // PanelMueve1, panelmueve2, Panelmueve3..Panelmueve7
  std::array<QFrame*, 7> Cubiertas{};
  QPushButton* BotAvanza;
  QPushButton* BotAcabarG;
  QTimer* Timergrado;
  QTimer* Timerfrase;
  int PasoGrado() const { return pasoGrado_; }

  bool ModoGrados = false;
  bool ModoLista = false;  // the whole list (true) or a community's universities
  int CarreraSel = 0;
  std::vector<int> IndiceCarreras;      // row -> new degree
  std::vector<int> UniversidadesLista;  // row -> university

  void Preparar();

  void menunuevo0Click();
  void menunuevo1Click();
  void menunuevo2Click();
  void ComboNuevasChange(int item);
  void BotUniClick();
  void BotReqClick();
  void BotSalClick();
  void BotImprimirNClick();
  void BotAvanzaClick();
  void BotAcabarGClick();
  void TimergradoTimer();
  void TimerfraseTimer();
  // The community chosen on the map, and a row of the list beside it.
  void NuevasDeComunidad();
  void ListComunidadClick(int fila);
  // The back button leaves the browser.
  void Cerrar();

 private:
  void CrearDiagrama();
  FuentesNuevas FuentesN() const;
  void MostrarNuevas(int categoria);
  void MostrarNueva(int fila);
  void MostrarVistaNueva(const std::vector<std::string>& filas, const QString& letra, int mas);
  void MostrarNuevasDeUniversidad(int fila);

  PaginaGrados& p_;
  int pasoGrado_ = 0;
};

}  // namespace sendaro
