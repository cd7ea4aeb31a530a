#include "sections/assistant/qt/tform5.h"

#include <QPushButton>

#include "ui/pantalla_provisional.h"
#include "ui/servicios.h"

namespace sendaro {

TForm5::TForm5(Servicios& servicios, QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("TForm5"));
  setModal(true);
  setFixedSize(1024, 768);
  Pagina = new PantallaProvisional(servicios, QStringLiteral("PaginaAsistente"), this);
  Pagina->setGeometry(0, 0, 1024, 768);
  setWindowTitle(Pagina->windowTitle());
  // The back button leaves the assistant and returns to the hall below it.
  Pagina->BotRetroceder->disconnect(Pagina);
  connect(Pagina->BotRetroceder, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm5::Entrar(entrada::Asistente /*accion*/) {}

}  // namespace sendaro
