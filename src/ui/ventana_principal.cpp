#include "ui/ventana_principal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QStackedWidget>
#include <algorithm>

#include "ui/foco_teclado.h"

namespace sendaro {

VentanaPrincipal::VentanaPrincipal() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("VentanaPrincipal"));
  setFixedSize(1024, 768);
  paginas_ = new QStackedWidget(this);
  paginas_->setObjectName(QStringLiteral("paginas"));
  paginas_->setGeometry(0, 0, 1024, 768);
}

void VentanaPrincipal::Agregar(QWidget* pantalla) { paginas_->addWidget(pantalla); }

QWidget* VentanaPrincipal::Paginas() const { return paginas_; }

namespace {

// The page takes the keyboard unless a control of its own already has it
// (a screen that gives it back to the control last used).
void Enfocar(QWidget* pagina) {
  const QWidget* foco = QApplication::focusWidget();
  if (foco == nullptr || !pagina->isAncestorOf(foco)) pagina->setFocus();
}

}  // namespace

void VentanaPrincipal::Mostrar(QWidget* pantalla) {
  QWidget* actual = Actual();
  if (actual != pantalla) {
    std::erase(anteriores_, pantalla);
    if (actual != nullptr) anteriores_.push_back(actual);
    paginas_->setCurrentWidget(pantalla);
  }
  setWindowTitle(pantalla->windowTitle());
  Enfocar(pantalla);
  emit PaginaCambiada(pantalla);
}

void VentanaPrincipal::Ocultar(QWidget* pantalla) {
  std::erase(anteriores_, pantalla);
  if (Actual() != pantalla || anteriores_.empty()) return;
  QWidget* anterior = anteriores_.back();
  anteriores_.pop_back();
  paginas_->setCurrentWidget(anterior);
  setWindowTitle(anterior->windowTitle());
  Enfocar(anterior);
  emit PaginaCambiada(anterior);
}

QWidget* VentanaPrincipal::Actual() const { return paginas_->currentWidget(); }

bool VentanaPrincipal::Contiene(const QWidget* pantalla) const {
  return paginas_->indexOf(pantalla) >= 0;
}

void VentanaPrincipal::closeEvent(QCloseEvent* evento) {
  if (AlCerrar && !AlCerrar()) {
    evento->ignore();
    return;
  }
  evento->accept();
}

void VentanaPrincipal::keyPressEvent(QKeyEvent* evento) {
  if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier &&
      Actual() != nullptr && PulsarEsc(*Actual())) {
    return;
  }
  QWidget::keyPressEvent(evento);
}

}  // namespace sendaro
