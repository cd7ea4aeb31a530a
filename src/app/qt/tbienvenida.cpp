#include "app/qt/tbienvenida.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include "data/temas.h"
#include "ui/accesible.h"
#include "ui/dialogos.h"
#include "ui/texto_qt.h"

namespace sendaro {

TBienvenida::TBienvenida(const QImage& chica, Dialogos& dialogos)
    : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("TBienvenida"));
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setFixedSize(334, 147);
  setAutoFillBackground(true);
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, ColorQ(ColorListas));
  setPalette(paleta);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(8, 8, 80, 104);
  Image1->setAlignment(Qt::AlignCenter);
  if (!chica.isNull()) {
    Image1->setPixmap(QPixmap::fromImage(
        chica.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  } else {
    dialogos.Aviso(QStringLiteral("Faltan ficheros (chica.bmp). Vuelva a instalar Sendaro"));
  }

  Label1 = new QLabel(QStringLiteral("Sendaro 2.008/09"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(92, 4, 236, 112);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setWordWrap(true);
  QFont letra(QStringLiteral("Comic Sans MS"));
  letra.setPixelSize(48);
  letra.setBold(true);
  Label1->setFont(letra);
  Label1->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setGeometry(8, 122, 318, 17);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(5);
  ProgressBar1->setTextVisible(false);

  NombrarAccesibles(this);
  if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
    move(pantalla->geometry().center() - rect().center());
  }
}

void TBienvenida::FijarProgreso(int valor) {
  ProgressBar1->setValue(valor);
  // Only the bar changes: it alone is painted and sent to the screen, at
  // most once a frame; in between the new value waits for the next paint.
  if (!isVisible()) return;
  if (!pintado_.isValid() || pintado_.elapsed() >= kMsPorCuadro) {
    ProgressBar1->repaint();
    pintado_.start();
  }
}

}  // namespace sendaro
