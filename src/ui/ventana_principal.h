// The program's one top-level window: a borderless 1024 x 768 window whose
// pages are the screens. Showing a screen raises its page; hiding the page
// on view goes back to the page shown before it.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

class QStackedWidget;

namespace sendaro {

class VentanaPrincipal : public QWidget {
  Q_OBJECT

 public:
  VentanaPrincipal();

  void Agregar(QWidget* pantalla);
  // The parent to create a page with: a page born inside the window is
  // styled once, not again when it is moved in.
  QWidget* Paginas() const;
  void Mostrar(QWidget* pantalla);
  void Ocultar(QWidget* pantalla);
  QWidget* Actual() const;
  // Whether the widget is one of the window's pages.
  bool Contiene(const QWidget* pantalla) const;

  // Asked when the window is closed; the close goes ahead only when it
  // returns true.
  std::function<bool()> AlCerrar;

 signals:
  void PaginaCambiada(QWidget* pantalla);

 protected:
  void closeEvent(QCloseEvent* evento) override;
  // Esc that no control of the page read: its back or close button.
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  QStackedWidget* paginas_;
  std::vector<QWidget*> anteriores_;
};

}  // namespace sendaro
