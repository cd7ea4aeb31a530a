#include "ui/ventana_principal.h"

#include <QCloseEvent>
#include <QStackedWidget>
#include <algorithm>

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

void VentanaPrincipal::Mostrar(QWidget* pantalla) {
  QWidget* actual = Actual();
  if (actual != pantalla) {
    std::erase(anteriores_, pantalla);
    if (actual != nullptr) anteriores_.push_back(actual);
    paginas_->setCurrentWidget(pantalla);
  }
  setWindowTitle(pantalla->windowTitle());
  pantalla->setFocus();
  emit PaginaCambiada(pantalla);
}

void VentanaPrincipal::Ocultar(QWidget* pantalla) {
  std::erase(anteriores_, pantalla);
  if (Actual() != pantalla || anteriores_.empty()) return;
  QWidget* anterior = anteriores_.back();
  anteriores_.pop_back();
  paginas_->setCurrentWidget(anterior);
  setWindowTitle(anterior->windowTitle());
  anterior->setFocus();
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

}  // namespace sendaro
