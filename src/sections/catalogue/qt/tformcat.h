// The titles catalogue: the professional families, and for the family
// clicked the five lists of its studies side by side (degrees, higher-grade
// titles, middle-grade titles, initial programmes, certificates); a click on
// a study shows its requirements and description in the text box beside its
// list. The family prints in two layouts chosen in the print options of the
// common dialog. Lists, details and the printout come from
// sections/catalogue/catalogo_titulos.h.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "sections/catalogue/catalogo_titulos.h"
#include "ui/navegacion.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;
class QTimer;

namespace sendaro {

struct Servicios;
class Impresora;
class Mosaico;

class TFormCat : public QWidget {
  Q_OBJECT

 public:
  explicit TFormCat(Servicios& servicios, QWidget* padre = nullptr);
  ~TFormCat() override;
  // Start-up: a missing file shows the reader's message and stops start-up.
  static void Preparar(Servicios& servicios);
  void Entrar(entrada::Catalogo accion);

  Mosaico* degradeMapa2;
  Mosaico* TilIzq;
  Mosaico* TilDer;
  QLabel* LabelFami;
  QListWidget* ListFam;
  std::array<QLabel*, kListasCatalogo> Label{};         // Label1..Label5
  std::array<QListWidget*, kListasCatalogo> ListCat{};  // ListCat1..ListCat5
  QTextEdit* ListSel;
  QPushButton* botcerrar;
  QLabel* LabelAyu0;
  QPushButton* BotRetroceder;
  QPushButton* BotImprimir;
  QTimer* TimerAyu;

  char CodigoFamiliaSel = ' ';
  int FamiliaSel = 0;  // line of "familias"
  // The five lists and their row maps as last built.
  std::array<FilasConLineas, kListasCatalogo> Listas;

  void FijarImpresora(std::unique_ptr<Impresora> impresora);
  const InformeImpresion& UltimoInforme() const { return ultimoInforme_; }

 public slots:
  void ListFamClick(int fila);
  void ListCatClick(int lista, int fila);  // lista 1..5
  void botcerrarClick();
  void BotImprimirClick();
  void BotRetrocederClick();
  void TimerAyuTimer();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;

 private:
  QString T(int n) const;
  TablasCatalogo Tablas() const;

  Servicios& servicios_;
  std::unique_ptr<Impresora> impresora_;
  InformeImpresion ultimoInforme_;
};

}  // namespace sendaro
