// The search: one field, and as the student types, every degree, title,
// programme, certificate, profession, university, centre and town whose name
// has words beginning with the typed words, grouped by kind. Choosing a row
// (click, Enter) opens its section at that item, over the search, so that
// leaving the section comes back here with the text and results kept.
//
// Keys: Up/Down move in the results (also from the field), Enter opens the
// current row (the first result when none is current), Esc goes back.
#pragma once

#include <QWidget>

#include "ui/navegacion.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTimer;

namespace sendaro {

struct Servicios;
class IndiceBusqueda;

class TBusqueda : public QWidget {
  Q_OBJECT

 public:
  TBusqueda(Servicios& servicios, QWidget* padre = nullptr);

  void Entrar(entrada::Busqueda accion);

  QLabel* LabelBuscar;
  QLineEdit* EditBuscar;
  QLabel* LabelEstado;
  QListWidget* ListResultados;
  QPushButton* BotVolver;
  QTimer* TimerIndice;  // while the index is being built

  // Fills the results for the text in the field.
  void Actualizar();
  // Opens the row's item; headings and the "more" rows do nothing.
  void Elegir(int fila);
  void BotVolverClick();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;

 private:
  QString T(int n) const;
  const IndiceBusqueda* Indice() const;
  // The next row that opens something, from `fila` in direction `paso`.
  int FilaElegible(int fila, int paso) const;
  void Mover(int paso);

  Servicios& servicios_;
  // Opened over another page: coming back from a result restores that.
  bool encima_ = false;
};

}  // namespace sendaro
