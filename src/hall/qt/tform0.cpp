#include "hall/qt/tform0.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "app/qt/salida.h"
#include "app/qt/servicios.h"
#include "app/qt/ventana_principal.h"
#include "hall/puertas.h"
#include "hall/qt/etiqueta_puerta.h"
#include "ui/accesible.h"
#include "ui/dialogos.h"
#include "ui/mosaico.h"

namespace sendaro {

namespace {

QLabel* Rotulo(QWidget* padre, const QString& nombre, const QString& texto, QRect lugar,
               int pixeles, QColor color) {
  auto* etiqueta = new QLabel(texto, padre);
  etiqueta->setObjectName(nombre);
  etiqueta->setGeometry(lugar);
  etiqueta->setAlignment(Qt::AlignCenter);
  QFont letra(QStringLiteral("Comic Sans MS"));
  letra.setPixelSize(pixeles);
  letra.setBold(true);
  etiqueta->setFont(letra);
  QPalette paleta = etiqueta->palette();
  paleta.setColor(QPalette::WindowText, color);
  etiqueta->setPalette(paleta);
  return etiqueta;
}

}  // namespace

Tform0::Tform0(Servicios& servicios, QWidget* padre) : QWidget(padre), servicios_(servicios) {
  setObjectName(QStringLiteral("Tform0"));
  setWindowTitle(QStringLiteral("Sendaro Escolar"));
  resize(1024, 768);
  setFocusPolicy(Qt::StrongFocus);
  const Tema& tema = servicios.TemaActual();
  const RecursosGraficos& rec = servicios.recursos;

  mosaico = new Mosaico(this);
  mosaico->setObjectName(QStringLiteral("mosaico"));
  mosaico->setGeometry(0, 0, 1024, 768);
  mosaico->FijarTesela(rec.Pared);
  mosaico->installEventFilter(this);

  Imagefaraon = new QLabel(this);
  Imagefaraon->setObjectName(QStringLiteral("Imagefaraon"));
  Imagefaraon->move(37, 483);
  if (!rec.Lateral.isNull()) {
    Imagefaraon->setPixmap(rec.Lateral);
    Imagefaraon->resize(rec.Lateral.size());
  }

  ImageDejar = new QLabel(this);
  ImageDejar->setObjectName(QStringLiteral("ImageDejar"));
  ImageDejar->setGeometry(913, 288, 97, 57);
  ImageDejar->setScaledContents(true);
  ImageDejar->setPixmap(rec.Rotulo);
  ImageDejar->setCursor(Qt::PointingHandCursor);

  QFont puerta(QStringLiteral("Times New Roman"));
  puerta.setPixelSize(14);
  puerta.setBold(true);
  const auto puertas =
      PuertasVestibulo([&](int n) -> std::string_view { return servicios.catalogo.Texto(n); });
  std::map<std::string_view, EtiquetaPuerta*> etiquetas;
  for (const PuertaVestibulo& p : puertas) {
    const bool dejar = p.codigo == 0;
    auto* e = dejar
                  ? new EtiquetaPuerta(this, ColorQ(tema.ColorAno), ColorQ(tema.ColorPuerta), true)
                  : new EtiquetaPuerta(this, Qt::black, ColorQ(tema.ColorPuerta), false);
    e->setObjectName(QString::fromLatin1(p.nombre.data(), static_cast<qsizetype>(p.nombre.size())));
    e->setGeometry(p.x, p.y, p.ancho, p.alto);
    e->setText(DeWin(p.texto));
    e->setToolTip(DeWin(p.pista));
    e->setFont(puerta);
    const int codigo = p.codigo;
    connect(e, &EtiquetaPuerta::Pulsada, this, [this, codigo] {
      if (codigo == 0) {
        LabelDejarClick();
      } else {
        PuertaSel = codigo;
        AbrirPuerta(codigo);
      }
    });
    etiquetas[p.nombre] = e;
  }
  LabelCarreras = etiquetas.at("LabelCarreras");
  LabelCat = etiquetas.at("LabelCat");
  LabelFpS = etiquetas.at("LabelFpS");
  LabelIti = etiquetas.at("LabelIti");
  LabelFPM = etiquetas.at("LabelFPM");
  LabelFPip = etiquetas.at("LabelFPip");
  LabelProfe = etiquetas.at("LabelProfe");
  LabelCuesB = etiquetas.at("LabelCuesB");
  LabelCuesE = etiquetas.at("LabelCuesE");
  LabelAsistente = etiquetas.at("LabelAsistente");
  LabelDejar = etiquetas.at("LabelDejar");
  // The sign is smaller than a door: a smaller font keeps its two lines inside.
  QFont letrero = puerta;
  letrero.setPixelSize(11);
  LabelDejar->setFont(letrero);
  ImageDejar->setToolTip(LabelDejar->toolTip());
  ImageDejar->installEventFilter(this);

  // The shadowed titles: black below, the theme's colour 2 pixels up and left.
  const QString nombre = servicios.Nombre();
  LabelCentro =
      Rotulo(this, QStringLiteral("LabelCentro"), nombre, {136, 624, 705, 26}, 21, Qt::black);
  LabelCentro2 = Rotulo(this, QStringLiteral("LabelCentro2"), nombre, {134, 622, 705, 26}, 21,
                        ColorQ(tema.ColorAno));
  LabelAno = Rotulo(this, QStringLiteral("LabelAno"), QStringLiteral("2009"), {440, 648, 89, 33},
                    27, Qt::black);
  Labelano2 = Rotulo(this, QStringLiteral("Labelano2"), QStringLiteral("2009"), {438, 646, 89, 33},
                     27, ColorQ(tema.ColorAno));
  LabelDejar->raise();

  NombrarAccesibles(this);
}

void Tform0::AbrirPuerta(int codigo) {
  EstadoPrograma& e = servicios_.estado;
  const Pantallas& p = servicios_.pantallas;
  switch (codigo) {
    case 1:
    case 3:
    case 8:
      Abrir(p.TForm1);
      break;
    case 2:
      Abrir(p.TFormCat);
      break;
    case 4:
    case 9:
      Abrir(p.TForm2);
      break;
    case 5:
      if (e.PrimeraVisita) e.ModoCuestionario = false;
      Abrir(p.TForm3);
      break;
    case 6:
      e.ModoTitulos = true;
      e.ModoLugares = false;
      Abrir(p.TFIniPro);
      break;
    case 7:
      Abrir(p.Tprofe);
      break;
    case 11:
      if (p.TForm5 != nullptr) {
        e.DesdeAsistente = true;
        servicios_.dialogos.Ejecutar(*p.TForm5);
      }
      break;
    default:
      break;
  }
}

void Tform0::LabelDejarClick() { Abrir(servicios_.pantallas.TCertifica); }

void Tform0::Abrir(QWidget* pantalla) {
  if (pantalla == nullptr) return;
  servicios_.ventana.Mostrar(pantalla);
  servicios_.ventana.Ocultar(this);
}

void Tform0::keyPressEvent(QKeyEvent* evento) {
  if (evento->key() == Qt::Key_Escape) {
    SalidaConfirmada(servicios_);
    return;
  }
  QWidget::keyPressEvent(evento);
}

void Tform0::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  setFocus();
}

bool Tform0::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == ImageDejar && evento->type() == QEvent::MouseButtonRelease) {
    LabelDejarClick();
    return true;
  }
  if (objeto == mosaico && evento->type() == QEvent::Paint && !pintado_) {
    pintado_ = true;
    // The wall covers the whole hall: once it has painted, let the paint
    // finish and reach the screen before anyone reacts to it.
    QTimer::singleShot(0, this, &Tform0::PrimerPintado);
  }
  return QWidget::eventFilter(objeto, evento);
}

}  // namespace sendaro
