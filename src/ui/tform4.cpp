#include "ui/tform4.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "ui/accesible.h"
#include "ui/dialogos.h"
#include "ui/servicios.h"
#include "ui/ventana_principal.h"

namespace sendaro {

TForm4* Servicios::Dialogo() {
  if (dialogo == nullptr) dialogo = new TForm4(*this, &ventana);
  return dialogo;
}

TForm4::TForm4(Servicios& servicios, QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      servicios_(servicios) {
  setObjectName(QStringLiteral("TForm4"));
  setModal(true);
  setFixedSize(382, 144);
  setWindowTitle(servicios.Nombre());
  setAutoFillBackground(true);
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, ColorQ(ColorListas));
  setPalette(paleta);

  QFont negrita(QStringLiteral("Times New Roman"));
  negrita.setPixelSize(15);
  negrita.setBold(true);

  LabelNombre = new QLabel(this);
  LabelNombre->setObjectName(QStringLiteral("LabelNombre"));
  LabelNombre->setGeometry(16, 12, 350, 22);
  LabelNombre->setFont(negrita);
  LabelNombre->setAlignment(Qt::AlignCenter);

  LabelNombre2 = new QLabel(this);
  LabelNombre2->setObjectName(QStringLiteral("LabelNombre2"));
  LabelNombre2->setGeometry(16, 38, 350, 22);
  LabelNombre2->setFont(negrita);
  LabelNombre2->setAlignment(Qt::AlignCenter);
  LabelNombre2->hide();

  EditNombre = new QLineEdit(this);
  EditNombre->setObjectName(QStringLiteral("EditNombre"));
  EditNombre->setGeometry(40, 64, 302, 24);
  EditNombre->hide();

  ShadowSi = new QPushButton(servicios.Texto(141), this);
  ShadowSi->setObjectName(QStringLiteral("ShadowSi"));
  ShadowSi->setGeometry(72, 102, 110, 30);
  ShadowSi->setDefault(true);
  ShadowSi->setCursor(Qt::PointingHandCursor);
  connect(ShadowSi, &QPushButton::clicked, this, &QDialog::accept);

  ShadowNo = new QPushButton(servicios.Texto(140), this);
  ShadowNo->setObjectName(QStringLiteral("ShadowNo"));
  ShadowNo->setGeometry(200, 102, 110, 30);
  ShadowNo->setAutoDefault(false);
  ShadowNo->setCursor(Qt::PointingHandCursor);
  connect(ShadowNo, &QPushButton::clicked, this, &QDialog::reject);

  PanelImprimir = new QWidget(this);
  PanelImprimir->setObjectName(QStringLiteral("PanelImprimir"));
  PanelImprimir->setGeometry(0, 0, 382, 144);
  PanelImprimir->setAutoFillBackground(true);
  PanelImprimir->setPalette(paleta);
  PanelImprimir->hide();

  Radio1 = new QRadioButton(servicios.Texto(586), PanelImprimir);
  Radio1->setObjectName(QStringLiteral("Radio1"));
  Radio1->setGeometry(40, 16, 320, 24);
  Radio1->setChecked(true);
  Radio1->hide();

  Radio2 = new QRadioButton(servicios.Texto(586) + QStringLiteral(" + ") + servicios.Texto(428),
                            PanelImprimir);
  Radio2->setObjectName(QStringLiteral("Radio2"));
  Radio2->setGeometry(40, 48, 320, 24);
  Radio2->hide();

  botImprimir = new QPushButton(servicios.Texto(36), PanelImprimir);
  botImprimir->setObjectName(QStringLiteral("botImprimir"));
  botImprimir->setGeometry(72, 102, 110, 30);
  botImprimir->setAutoDefault(false);
  connect(botImprimir, &QPushButton::clicked, this, &QDialog::accept);

  botcerImp = new QPushButton(servicios.Texto(13), PanelImprimir);
  botcerImp->setObjectName(QStringLiteral("botcerImp"));
  botcerImp->setGeometry(200, 102, 110, 30);
  botcerImp->setAutoDefault(false);
  connect(botcerImp, &QPushButton::clicked, this, &QDialog::reject);

  NombrarAccesibles(this);
}

bool TForm4::Mostrar() {
  // Texts set by the caller become the accessible names too.
  NombrarAccesibles(this);
  if (!EditNombre->isHidden()) EditNombre->setFocus();
  return servicios_.dialogos.Ejecutar(*this) == QDialog::Accepted;
}

bool TForm4::Preguntar(const QString& pregunta) {
  LabelNombre->setText(pregunta);
  EditNombre->hide();
  return Mostrar();
}

void TForm4::Avisar(const QString& linea1, const QString& linea2) {
  ShadowNo->hide();
  LabelNombre->setText(linea1);
  LabelNombre2->setText(linea2);
  LabelNombre2->show();
  EditNombre->hide();
  Mostrar();
}

std::optional<QString> TForm4::PedirNombre(const QString& peticion, const QString& inicial) {
  EditNombre->setText(inicial);
  for (;;) {
    LabelNombre->setText(peticion);
    EditNombre->show();
    if (!Mostrar()) return std::nullopt;
    if (!EditNombre->text().trimmed().isEmpty()) return EditNombre->text();
  }
}

std::optional<int> TForm4::ElegirImpresion() {
  PanelImprimir->show();
  Radio1->show();
  Radio2->show();
  const bool si = Mostrar();
  PanelImprimir->hide();
  Radio1->hide();
  Radio2->hide();
  if (!si) return std::nullopt;
  return Radio2->isChecked() ? 2 : 1;
}

void TForm4::done(int resultado) {
  EditNombre->hide();
  LabelNombre2->hide();
  ShadowNo->show();
  QDialog::done(resultado);
}

}  // namespace sendaro
