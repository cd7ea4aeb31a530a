#include "sections/degrees/qt/tform6.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "data/texto.h"
#include "ui/accesible.h"
#include "ui/servicios.h"
#include "ui/texto_qt.h"

namespace sendaro {

namespace {

QString Recortado(const std::string& texto) { return DeWin(RecortarDerecha(texto)); }

}  // namespace

TForm6::TForm6(Servicios& servicios, QWidget* padre) : QDialog(padre), servicios_(servicios) {
  setObjectName(QStringLiteral("TForm6"));
  setModal(true);
  setFixedSize(566, 378);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  // The dialog's title bar names the program and the centre.
  setWindowTitle(servicios.Texto(338).trimmed() + QStringLiteral("  ") + servicios.Nombre().trimmed());

  PanelFP = new QFrame(this);
  PanelFP->setObjectName(QStringLiteral("PanelFP"));
  PanelFP->setGeometry(rect());
  PanelFP->setFrameShape(QFrame::Panel);
  PanelFP->setFrameShadow(QFrame::Raised);

  LabelFP = new QLabel(PanelFP);
  LabelFP->setObjectName(QStringLiteral("LabelFP"));
  LabelFP->setGeometry(10, 6, 546, 52);
  LabelFP->setWordWrap(true);
  LabelFP->setAlignment(Qt::AlignCenter);
  LabelMal1 = new QLabel(PanelFP);
  LabelMal1->setObjectName(QStringLiteral("LabelMal1"));
  LabelMal1->setGeometry(10, 62, 268, 22);
  LabelMal2 = new QLabel(PanelFP);
  LabelMal2->setObjectName(QStringLiteral("LabelMal2"));
  LabelMal2->setGeometry(288, 62, 268, 22);
  ListCar = new QListWidget(PanelFP);
  ListCar->setObjectName(QStringLiteral("ListCar"));
  ListCar->setGeometry(10, 86, 268, 240);
  ListCar->setCursor(Qt::PointingHandCursor);
  ListFP = new QListWidget(PanelFP);
  ListFP->setObjectName(QStringLiteral("ListFP"));
  ListFP->setGeometry(288, 86, 268, 240);
  ListFP->setCursor(Qt::ForbiddenCursor);
  ListFP->setSelectionMode(QAbstractItemView::NoSelection);
  // Long names wrap inside the lists instead of running under a scrollbar.
  for (QListWidget* l : {ListCar, ListFP}) {
    l->setWordWrap(true);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setResizeMode(QListView::Adjust);
  }
  BotCerrar1 = new QPushButton(PanelFP);
  BotCerrar1->setObjectName(QStringLiteral("BotCerrar1"));
  BotCerrar1->setGeometry(208, 336, 150, 34);
  BotCerrar1->setCursor(Qt::PointingHandCursor);
  QFont letra(QStringLiteral("Times New Roman"));
  letra.setPointSize(10);
  for (QWidget* w : std::initializer_list<QWidget*>{ListCar, ListFP}) w->setFont(letra);
  letra.setPointSize(11);
  letra.setBold(true);
  for (QWidget* w : std::initializer_list<QWidget*>{LabelFP, LabelMal1, LabelMal2}) w->setFont(letra);

  connect(ListCar, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* i) { ListCarClick(ListCar->row(i)); });
  // The degree the keys move to shows its titles, as a click on it does.
  connect(ListCar, &QListWidget::currentRowChanged, this, &TForm6::ListCarClick);
  connect(BotCerrar1, &QPushButton::clicked, this, &TForm6::BotCerrar1Click);
  FormActivate();
  NombrarAccesibles(this);
}

void TForm6::Entrar(entrada::Pasarela /*accion*/) {}

void TForm6::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  FormActivate();
}

void TForm6::FormActivate() {
  if (const QWidget* vestibulo = servicios_.navegacion.Creada(Seccion::kVestibulo)) {
    const QPoint esquina = vestibulo->mapToGlobal(QPoint(0, 0));
    move(esquina.x() + 125, esquina.y() + 100);
  }
  const auto t = [this](int n) { return Recortado(servicios_.catalogo.Texto(n)); };
  LabelFP->setText(t(487) + QLatin1Char(' ') + t(488) + QLatin1Char('\n') + t(489));
  LabelMal1->setText(t(490));
  LabelMal2->setText(t(491));
  BotCerrar1->setText(t(13));
  const TablasDatos& tablas = servicios_.tablas;
  pasarela_ = ConstruirPasarela(tablas.titulosFP, tablas.carrerasFP, tablas.datosCarreras);
  ListCar->clear();
  for (const std::string& c : pasarela_.carreras) ListCar->addItem(DeWin(c));
  ListFP->clear();
}

void TForm6::ListCarClick(int fila) {
  if (fila < 0) return;
  ListFP->clear();
  for (const std::string& t : TitulosDeCarrera(pasarela_, servicios_.tablas.titulosFP, fila))
    ListFP->addItem(DeWin(t));
}

void TForm6::BotCerrar1Click() {
  accept();
  hide();
}

}  // namespace sendaro
