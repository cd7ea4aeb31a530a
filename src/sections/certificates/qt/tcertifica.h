// The professional certificates screen: the nine families, the areas of the
// chosen family, the certificates of the area under the pointer and the
// details of a chosen certificate; it prints the certificates of an area and
// opens the public employment service's web site. Lists and the report come
// from data/certificados.h.
#pragma once

#include <QUrl>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "data/certificados.h"
#include "ui/navegacion.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace sendaro {

struct Servicios;
class Impresora;
class ListaIconos;
class Mosaico;

class TCertifica : public QWidget {
  Q_OBJECT

 public:
  explicit TCertifica(Servicios& servicios, QWidget* padre = nullptr);
  ~TCertifica() override;
  // Start-up: a missing file shows the reader's message and stops start-up.
  static void Preparar(Servicios& servicios);
  void Entrar(entrada::Certificados accion);

  Mosaico* Fondo;
  Mosaico* TilIzq;
  Mosaico* TilDer;
  QFrame* PanelSelTit0;
  QLabel* LabelTit1;
  ListaIconos* ListSelFp;
  QFrame* PanelSelTit1;
  QLabel* LabelTit2;
  ListaIconos* ListTitFP;
  QFrame* PanelSelTit2;
  QLabel* LabelTit3;
  ListaIconos* ListFPExpli;
  QFrame* PanelResul;
  QLabel* LabelTitulo;
  QLabel* LabelReq;
  QLabel* LabelRequisitos;
  QLabel* LabelHor;
  QLabel* LabelHoras;
  QLabel* LabelDes;
  QPushButton* BotRetrocederFP;
  QPushButton* BotImprimir;
  QPushButton* BotInternet;
  QFrame* PanelAyuda;
  QLabel* chica;
  std::array<QLabel*, 7> LabelAyu{};  // LabelAyu1..LabelAyu7
  QTimer* TimerAyuda;
  QTimer* TimerAyu;

  // Row maps: area row -> heading line, certificate row -> certificate line.
  std::vector<int> FilasAreas;
  std::vector<int> FilasCertificados;
  int FamiliaSel = -1;  // clicked family row
  int AreaSel = 0;      // heading line of the area whose certificates are listed

  // The address BotInternet opens, and how (tests replace it).
  static const QUrl kDireccionEmpleo;
  std::function<bool(const QUrl&)> AbrirDireccion;

  void FijarImpresora(std::unique_ptr<Impresora> impresora);
  // The last area printout as built (tests read it).
  const InformeImpresion& UltimoInforme() const { return ultimoInforme_; }

 public slots:
  void ListSelFpElegida(int fila);
  void ListTitFPSobre(int fila);
  void ListTitFPElegida(int fila);
  void ListFPExpliElegida(int fila);
  void BotImprimirClick();
  void BotInternetClick();
  void BotRetrocederFPClick();
  void TimerAyudaTimer();
  void TimerAyuTimer();

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  QString T(int n) const;
  TablasCertificados Tablas() const;
  void MostrarCertificados(int filaArea);
  // Certificate c as chosen through its family and area.
  void MostrarCertificado(int c);
  void Salir();

  Servicios& servicios_;
  std::unique_ptr<Impresora> impresora_;
  int pasoAyuda_ = 0;
  InformeImpresion ultimoInforme_;
};

}  // namespace sendaro
