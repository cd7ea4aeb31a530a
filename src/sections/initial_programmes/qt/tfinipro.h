// The initial vocational programmes screen: the nine areas with their icons,
// the programmes of an area in a popup beside its row (with the modules of
// the programme under the pointer), a chosen programme's requirements, what
// is studied, modules and jobs, the centres that teach it in a community
// picked on the map, and the centre search by community, province and
// locality; both listings print. Lists and reports come from
// data/programas_iniciales.h.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "data/mapas.h"
#include "data/programas_iniciales.h"
#include "ui/navegacion.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;

namespace sendaro {

struct Servicios;
class Impresora;
class ListaIconos;
class Mosaico;

class TFIniPro : public QWidget {
  Q_OBJECT

 public:
  explicit TFIniPro(Servicios& servicios, QWidget* padre = nullptr);
  ~TFIniPro() override;
  // Start-up: a missing file shows the reader's message and stops start-up.
  static void Preparar(Servicios& servicios);
  void Entrar(entrada::ProgramasIniciales accion);

  Mosaico* Fondo;
  Mosaico* TilIzq;
  Mosaico* TilDer;
  QLabel* LabelFPIp1;
  QLabel* LabelAno;
  QFrame* PanelSelTit0;
  QLabel* LabelAyu0;
  ListaIconos* ListSelFp;
  ListaIconos* ListTitFP;
  QListWidget* ListFPExpli;
  QPushButton* BotLug;
  QPushButton* BotRequisitos;
  QPushButton* BotAsig;
  QPushButton* BotTra;
  QPushButton* BotImprimir;
  QPushButton* BotRetrocederFP;
  QLabel* PanelCarSel;
  QLabel* PanelSelTit;
  QListWidget* Listsel;
  QLabel* mapa;
  QLabel* PanelMapa;
  QListWidget* ListSelLugFP;
  QTableWidget* reja;
  QFrame* PanelAyuda;
  QLabel* chica;
  std::array<QLabel*, 7> LabelAyu{};  // LabelAyu1..LabelAyu7
  QTimer* TimerParpadeo;
  QTimer* TimerAyuda;
  QTimer* TimerAyu;

  // Row map of ListTitFP: row -> programme line.
  std::vector<int> FilasProgramas;
  int AreaSel = 0;  // clicked area row + 1
  int ProgramaSel = 0;
  bool ComunidadElegida = false;
  int ComunidadSel = 0;  // the last community clicked
  // The centre search: the clicked community's provinces, the province whose
  // localities are listed, and the place name.
  ProvinciasComunidad ProvinciasSel;
  CentrosProvincia ProvinciaSel;
  QString NombreLugar;
  // The rows of reja as listed.
  std::vector<FilaCentroIP> FilasReja;

  // The help step (0..15).
  int PasoAyuda() const { return pasoAyuda_; }
  void FijarImpresora(std::unique_ptr<Impresora> impresora);
  // The last report as built (tests read it).
  const InformeImpresion& UltimoInforme() const { return ultimoInforme_; }

 public slots:
  // The hall's door: the area list with the centre search button.
  void AbrirProgramas();
  void ListSelFpElegida(int fila);
  void ListTitFPSobre(int fila);
  void ListTitFPElegida(int fila);
  void BotRequisitosClick();
  void BotAsigClick();
  void BotTraClick();
  void BotLugClick();
  void ListSelLugFPClick();
  void BotImprimirClick();
  void BotRetrocederFPClick();
  void mapaMouseMove(int x, int y);
  void mapaClick();
  void TimerParpadeoTimer();
  void TimerAyudaTimer();
  void TimerAyuTimer();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;

 private:
  QString T(int n) const;
  TablasProgramas Tablas() const;
  void MostrarDetalle(VistaPrograma vista);
  void LlenarReja(const std::vector<FilaCentroIP>& filas);
  void Salir();
  // Programme p as chosen through its area, at its requirements.
  void MostrarPrograma(int p);

  Servicios& servicios_;
  std::unique_ptr<Impresora> impresora_;
  EstadoMapas estadoMapa_;
  TablaPuntos tablaMapa_;
  int pasoAyuda_ = 0;
  int parpadeo_ = 0;
  InformeImpresion ultimoInforme_;
};

}  // namespace sendaro
