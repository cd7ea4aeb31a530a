#include "hall/qt/tform0.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "data/union_textos.h"
#include "hall/puertas.h"
#include "hall/qt/etiqueta_puerta.h"
#include "hall/qt/vestibulo_estatico.h"
#include "ui/accesible.h"
#include "ui/dialogos.h"
#include "ui/foco_teclado.h"
#include "ui/globo_ayuda.h"
#include "ui/imagenes.h"
#include "ui/piezas.h"
#include "ui/salida.h"
#include "ui/servicios.h"
#include "ui/sonido.h"
#include "ui/ventana_principal.h"

namespace sendaro {

namespace {

// The search button: beside the static hall's exit button, and beside the
// scene's exit door in the animated hall.
constexpr QRect kLugarBuscar{731, 296, 129, 33};
constexpr QRect kLugarBuscarEscena{192, 727, 120, 34};

QFont Letra(const QString& familia, int pixeles, bool negrita) {
  QFont letra(familia);
  letra.setPixelSize(pixeles);
  letra.setBold(negrita);
  return letra;
}

void Colorear(QWidget* w, QPalette::ColorRole papel, QColor color) {
  QPalette paleta = w->palette();
  paleta.setColor(papel, color);
  w->setPalette(paleta);
}

QLabel* Rotulo(QWidget* padre, const QString& nombre, const QString& texto, QRect lugar,
               int pixeles, QColor color) {
  auto* etiqueta = new QLabel(texto, padre);
  etiqueta->setObjectName(nombre);
  etiqueta->setGeometry(lugar);
  etiqueta->setAlignment(Qt::AlignCenter);
  etiqueta->setFont(Letra(QStringLiteral("Comic Sans MS"), pixeles, true));
  Colorear(etiqueta, QPalette::WindowText, color);
  return etiqueta;
}

// The largest size up to `maximo` pixels at which the label's text fits it:
// every word (every line, when the label does not wrap) within its width and
// the whole text within its height.
void AjustarLetra(QLabel* etiqueta, int maximo, int minimo) {
  QFont letra = etiqueta->font();
  const int m = etiqueta->margin();
  const QRect caja = etiqueta->contentsRect().adjusted(m, m, -m, -m);
  const QStringList piezas =
      etiqueta->wordWrap()
          ? etiqueta->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)
          : etiqueta->text().split(QLatin1Char('\n'));
  const int forma = Qt::AlignCenter | (etiqueta->wordWrap() ? Qt::TextWordWrap : 0);
  for (int px = maximo; px >= minimo; --px) {
    letra.setPixelSize(px);
    const QFontMetrics medidas(letra);
    bool cabe = medidas.boundingRect(caja, forma, etiqueta->text()).height() <= caja.height();
    for (const QString& p : piezas) cabe = cabe && medidas.horizontalAdvance(p) <= caja.width();
    if (cabe || px == minimo) break;
  }
  etiqueta->setFont(letra);
}

// A picture with magenta as its clear colour.
QPixmap ConTransparencia(const std::optional<QPixmap>& imagen) {
  if (!imagen) return {};
  QImage im = imagen->toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < im.height(); ++y) {
    auto* fila = reinterpret_cast<QRgb*>(im.scanLine(y));
    for (int x = 0; x < im.width(); ++x) {
      if ((fila[x] & 0xFFFFFFu) == 0xFF00FFu) fila[x] = 0;
    }
  }
  return QPixmap::fromImage(im);
}

}  // namespace

Tform0::Tform0(Servicios& servicios, QWidget* padre)
    : QWidget(padre), PasoAyuda(servicios.estado.PasoAyuda), servicios_(servicios) {
  setObjectName(QStringLiteral("Tform0"));
  setWindowTitle(QStringLiteral("Sendaro Escolar"));
  resize(1024, 768);
  setFocusPolicy(Qt::StrongFocus);
  const Tema& tema = servicios.TemaActual();
  const RecursosGraficos& rec = servicios.recursos;
  const std::filesystem::path& carpeta = servicios.estado.entorno.instalacion.Carpeta();

  globos_ = new GestorGlobos(this, &servicios.estado.PausaAyuda);

  ImageTodo = new QLabel(this);
  ImageTodo->setObjectName(QStringLiteral("ImageTodo"));
  ImageTodo->setGeometry(0, 0, 1024, 768);
  ImageTodo->setScaledContents(true);
  ImageTodo->setMouseTracking(true);
  ImageTodo->installEventFilter(this);
  ImageTodo->hide();

  mosaico = new MuroVestibulo(this);
  mosaico->setObjectName(QStringLiteral("mosaico"));
  mosaico->setGeometry(0, 0, 1024, 768);
  mosaico->FijarTesela(rec.Pared);
  mosaico->setMouseTracking(true);
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
  TeclasPropias(*ImageDejar);  // the sign's label takes the keyboard

  CrearPuertas();
  ImageDejar->setToolTip(LabelDejar->Pista());
  ImageDejar->installEventFilter(this);

  // The wall shows a door only where a door label stands.
  std::vector<Recuadro> etiquetas;
  for (const auto& [codigo, e] : puertas_) etiquetas.push_back(ARecuadro(e->geometry()));
  mosaico->FijarCeldasSinPuerta(
      CeldasSinPuerta(rec.Pared.width(), rec.Pared.height(), kPuertaEnTesela, etiquetas));

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
  Sombra(*LabelCentro);
  Sombra(*LabelAno);
  LabelDejar->raise();

  // The static hall's speech bubble.
  const auto t = [&](int n) -> std::string_view { return servicios.catalogo.Texto(n); };
  const std::string_view nl = kSaltoLinea;
  Bocadillo1 = new QLabel(this);
  Bocadillo1->setObjectName(QStringLiteral("Bocadillo1"));
  Bocadillo1->setGeometry(336, 144, 195, 140);
  const QFont bocadillo = Letra(QStringLiteral("Comic Sans MS"), 15, true);
  LabelBocadillo1 = new QLabel(this);
  LabelBocadillo1->setObjectName(QStringLiteral("LabelBocadillo1"));
  LabelBocadillo1->setGeometry(360, 168, 160, 86);
  LabelBocadillo1->setText(DeWin(UnionTextos(t(264))
                                     .Y(nl, 26)
                                     .Y("Sendaro.", 34)
                                     .Y(nl, 35)
                                     .Y(t(175), 45)
                                     .Y(" ", 46)
                                     .Y("2008-2009", 55)
                                     .Y(".", 56)
                                     .Texto()));
  labelBocadillo2 = new QLabel(this);
  labelBocadillo2->setObjectName(QStringLiteral("labelBocadillo2"));
  labelBocadillo2->setGeometry(358, 168, 164, 86);
  labelBocadillo2->setText(DeWin(UnionTextos(t(16))
                                     .Y(nl, 33)
                                     .Y(t(265), 58)
                                     .Y(nl, 59)
                                     .Y(t(266), 89)
                                     .Y(nl, 90)
                                     .Y(t(267), 115)
                                     .Texto()));
  for (QLabel* l : {LabelBocadillo1, labelBocadillo2}) {
    l->setFont(bocadillo);
    l->setAlignment(Qt::AlignCenter);
    Colorear(l, QPalette::WindowText, QColor(40, 30, 30));
  }
  Bocadillo1->hide();
  LabelBocadillo1->hide();
  labelBocadillo2->hide();

  BotRetroce = new QPushButton(servicios.Texto(222), this);
  BotRetroce->setObjectName(QStringLiteral("BotRetroce"));
  BotRetroce->setGeometry(592, 296, 129, 33);
  BotRetroce->setCursor(Qt::PointingHandCursor);
  BotRetroce->setFocusPolicy(Qt::NoFocus);
  connect(BotRetroce, &QPushButton::clicked, this, [this] { BotRetroceClick(); });

  BotBuscar = new QPushButton(servicios.Texto(680), this);
  BotBuscar->setObjectName(QStringLiteral("BotBuscar"));
  BotBuscar->setGeometry(kLugarBuscar);
  BotBuscar->setCursor(Qt::PointingHandCursor);
  connect(BotBuscar, &QPushButton::clicked, this,
          [this] { servicios_.navegacion.AbrirEncima(entrada::Busqueda::kMostrar); });

  lienzo = new LienzoVestibulo(this);
  lienzo->setObjectName(QStringLiteral("lienzo"));
  lienzo->setGeometry(0, 0, 1024, 768);

  CrearAyudas();
  marcaEscena_ = new MarcaFoco(this);
  seguirMarca_ = piezas::Temporizador(this, "seguirMarca", 100);
  connect(seguirMarca_, &QTimer::timeout, this, &Tform0::MarcarPuertaEscena);

  servicios.recursos.FijarLectores(
      [carpeta] { return CargarTira(carpeta, kTiraFigura, kCuadrosFigura); },
      [carpeta] { return CargarTira(carpeta, kTiraIconos, kCuadrosIconos, kLadoIcono, kLadoIcono); });

  piloto = piezas::Temporizador(this, "piloto", kPeriodoPiloto);
  TimerTexto = piezas::Temporizador(this, "TimerTexto", kPeriodoTexto);
  TimerPuerta = piezas::Temporizador(this, "TimerPuerta", kPeriodoPuerta);
  TimerZoom = piezas::Temporizador(this, "TimerZoom", kPeriodoZoom);
  TimerAyuda = piezas::Temporizador(this, "TimerAyuda", kPeriodoAyuda);
  connect(piloto, &QTimer::timeout, this, &Tform0::pilotoTimer);
  connect(TimerTexto, &QTimer::timeout, this, &Tform0::TimerTextoTimer);
  connect(TimerPuerta, &QTimer::timeout, this, &Tform0::TimerPuertaTimer);
  connect(TimerZoom, &QTimer::timeout, this, &Tform0::TimerZoomTimer);
  connect(TimerAyuda, &QTimer::timeout, this, &Tform0::TimerAyudaTimer);

  NombrarAccesibles(this);
  if (servicios.estado.SinAnimacion) CompletarEstatico();
  // The guide walks in once, when the hall is created.
  piloto->start();
}

void Tform0::CompletarEstatico() {
  if (completo_) return;
  completo_ = true;
  const std::filesystem::path& carpeta = servicios_.estado.entorno.instalacion.Carpeta();
  ImageListPuerta = CargarTira(carpeta, kTiraPuerta, kCuadrosPuerta);
  Bocadillo1->setPixmap(ConTransparencia(CargarImagen(carpeta, kImagenBocadillo)));
  AjustarLetra(LabelBocadillo1, 15, 10);
  AjustarLetra(labelBocadillo2, 15, 10);
  for (const auto& [codigo, e] : puertas_) AjustarLetra(e, 15, 9);
  AjustarLetra(LabelDejar, 12, 9);
}

const QList<QPixmap>& Tform0::ImageList1() const { return servicios_.recursos.FiguraGuia(); }

Tform0::~Tform0() { escena_ = nullptr; }

void Tform0::CrearPuertas() {
  const Tema& tema = servicios_.TemaActual();
  const QFont puerta = Letra(QStringLiteral("Times New Roman"), 15, true);
  const auto puertas =
      PuertasVestibulo([&](int n) -> std::string_view { return servicios_.catalogo.Texto(n); });
  std::map<std::string_view, EtiquetaPuerta*> etiquetas;
  for (const PuertaVestibulo& p : puertas) {
    const bool dejar = p.codigo == 0;
    auto* e = dejar
                  ? new EtiquetaPuerta(this, ColorQ(tema.ColorAno), ColorQ(tema.ColorPuerta), true)
                  : new EtiquetaPuerta(this, Qt::black, ColorQ(tema.ColorPuerta), false);
    e->setObjectName(QString::fromLatin1(p.nombre.data(), static_cast<qsizetype>(p.nombre.size())));
    e->setGeometry(p.x, p.y, p.ancho, p.alto);
    e->setText(DeWin(p.texto));
    e->FijarPista(DeWin(p.pista));
    e->setFont(puerta);
    e->setMargin(dejar ? 0 : 2);
    etiquetas[p.nombre] = e;
    if (!dejar) puertas_[p.codigo] = e;
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

  // Hints off until the guide has walked in (or the door is clicked); the
  // assistant's door has none.
  LabelCarreras->MostrarPista(false);
  LabelCat->MostrarPista(false);
  LabelAsistente->MostrarPista(false);

  connect(LabelCarreras, &EtiquetaPuerta::Pulsada, this, &Tform0::LabelCarrerasClick);
  connect(LabelCat, &EtiquetaPuerta::Pulsada, this, &Tform0::LabelCatClick);
  connect(LabelFpS, &EtiquetaPuerta::Pulsada, this, &Tform0::LabelFpSClick);
  connect(LabelIti, &EtiquetaPuerta::Pulsada, this, &Tform0::LabelItiClick);
  connect(LabelFPM, &EtiquetaPuerta::Pulsada, this, &Tform0::LabelFPMClick);
  connect(LabelFPip, &EtiquetaPuerta::Pulsada, this, &Tform0::LabelFPipClick);
  connect(LabelProfe, &EtiquetaPuerta::Pulsada, this, &Tform0::LabelProfeClick);
  connect(LabelCuesB, &EtiquetaPuerta::Pulsada, this, &Tform0::LabelCuesBClick);
  connect(LabelCuesE, &EtiquetaPuerta::Pulsada, this, &Tform0::LabelCuesEClick);
  connect(LabelAsistente, &EtiquetaPuerta::Pulsada, this, &Tform0::LabelAsistenteClick);
  connect(LabelDejar, &EtiquetaPuerta::Pulsada, this, &Tform0::LabelDejarClick);

  // Reading order: row by row, left to right; the sign sits between the rows.
  for (const auto& [nombre, e] : etiquetas) ordenLectura_.push_back(e);
  std::sort(ordenLectura_.begin(), ordenLectura_.end(),
            [](const EtiquetaPuerta* a, const EtiquetaPuerta* b) {
              return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
            });
  for (std::size_t i = 1; i < ordenLectura_.size(); ++i) {
    setTabOrder(ordenLectura_[i - 1], ordenLectura_[i]);
  }
  for (EtiquetaPuerta* e : ordenLectura_) e->installEventFilter(this);
}

bool Tform0::PuertaDeTeclado(const EtiquetaPuerta* e) const {
  if (!Animado()) return true;
  for (const auto& [codigo, puerta] : puertas_) {
    if (puerta == e) return codigo >= 1 && codigo <= 9;
  }
  return false;
}

void Tform0::MoverFoco(bool adelante) {
  std::vector<EtiquetaPuerta*> orden;
  for (EtiquetaPuerta* e : ordenLectura_) {
    if (PuertaDeTeclado(e)) orden.push_back(e);
  }
  if (orden.empty()) return;
  const auto actual = std::find(orden.begin(), orden.end(), focusWidget());
  const auto n = static_cast<std::ptrdiff_t>(orden.size());
  std::ptrdiff_t i = actual - orden.begin();
  if (actual == orden.end()) {
    i = adelante ? 0 : n - 1;
  } else {
    i = (i + (adelante ? 1 : n - 1)) % n;
  }
  orden[static_cast<std::size_t>(i)]->setFocus(adelante ? Qt::TabFocusReason
                                                        : Qt::BacktabFocusReason);
}

void Tform0::MarcarPuertaEscena() {
  std::optional<QRect> caja;
  if (Animado() && isVisible()) {
    for (const auto& [codigo, puerta] : puertas_) {
      if (puerta->hasFocus()) caja = escena_->RectPuerta(codigo);
    }
  }
  if (!caja) {
    marcaEscena_->hide();
    seguirMarca_->stop();
    return;
  }
  marcaEscena_->Rodear(*caja);
  seguirMarca_->start();
}

void Tform0::CrearAyudas() {
  PanelAyuda = new QFrame(this);
  PanelAyuda->setObjectName(QStringLiteral("PanelAyuda"));
  PanelAyuda->setGeometry(296, 264, 289, 145);
  PanelAyuda->setFrameStyle(QFrame::Panel | QFrame::Raised);
  PanelAyuda->setAutoFillBackground(true);
  Colorear(PanelAyuda, QPalette::Window, ColorQ(ColorMenu));
  chica = new QLabel(PanelAyuda);
  chica->setObjectName(QStringLiteral("chica"));
  chica->setGeometry(2, 10, 56, 133);
  chica->setScaledContents(false);
  chica->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  QLabel** lineas[] = {&LabelAyu1, &LabelAyu2, &LabelAyu3, &LabelAyu4, &LabelAyu5};
  for (int i = 0; i < 5; ++i) {
    auto* l = new QLabel(PanelAyuda);
    l->setObjectName(QStringLiteral("LabelAyu%1").arg(i + 1));
    l->setGeometry(84, 8 + 23 * i, 200, 22);
    l->setFont(Letra(QStringLiteral("Times New Roman"), 15, true));
    *lineas[i] = l;
  }
  PanelAyuda->hide();
}

void Tform0::AdjuntarEscena(EscenaVestibulo* escena) {
  escena_ = escena;
  if (escena_ == nullptr) {
    DXDraw = nullptr;
    return;
  }
  piloto->stop();
  TimerTexto->stop();
  lienzo->Limpiar();
  figura_.reset();
  Bocadillo1->hide();
  LabelBocadillo1->hide();
  labelBocadillo2->hide();
  mosaico->hide();
  if (const QImage leida = escena_->Todo(); !leida.isNull()) {
    ImageTodo->setPixmap(QPixmap::fromImage(leida));
  } else if (auto todo = CargarImagen(servicios_.estado.entorno.instalacion.Carpeta(),
                                      servicios_.TemaActual().Todo)) {
    ImageTodo->setPixmap(*todo);
  }
  ImageTodo->show();
  BotRetroce->setText(servicios_.Texto(82));
  BotRetroce->hide();
  DXDraw = escena_->Superficie();
  if (DXDraw != nullptr) {
    DXDraw->setParent(this);
    TeclasPropias(*DXDraw);
    DXDraw->setAccessibleName(servicios_.Texto(textos_accesibles::kVestibulo));
    DXDraw->installEventFilter(this);
    DXDraw->setGeometry(rect());
    DXDraw->raise();
  }
  PanelAyuda->raise();
  BotRetroce->raise();
  BotBuscar->setGeometry(kLugarBuscarEscena);
  BotBuscar->raise();
  marcaEscena_->raise();
  NombrarAccesibles(this);
}

EtiquetaPuerta* Tform0::Puerta(int codigo) const {
  const auto it = puertas_.find(codigo);
  return it != puertas_.end() ? it->second : nullptr;
}

int Tform0::ContadorZoom() const { return zoom_ ? zoom_->Contador() : 0; }

bool Tform0::Abriendo() const { return apertura_.has_value() || zoom_.has_value(); }

void Tform0::Pulsada(int codigo, EtiquetaPuerta* etiqueta) {
  focoAlVolver_ = etiqueta->hasFocus() ? etiqueta : nullptr;
  PuertaSel = codigo;
  AbrirPuerta(etiqueta);
}

void Tform0::LabelCarrerasClick() {
  LabelCarreras->MostrarPista(true);
  LabelCat->MostrarPista(true);
  Pulsada(1, LabelCarreras);
}

void Tform0::LabelCatClick() {
  LabelCarreras->MostrarPista(true);
  LabelCat->MostrarPista(true);
  Pulsada(2, LabelCat);
}

void Tform0::LabelFpSClick() { Pulsada(3, LabelFpS); }

void Tform0::LabelItiClick() { Pulsada(4, LabelIti); }

void Tform0::LabelFPMClick() { Pulsada(5, LabelFPM); }

void Tform0::LabelFPipClick() { Pulsada(6, LabelFPip); }
void Tform0::LabelProfeClick() { Pulsada(7, LabelProfe); }
void Tform0::LabelCuesBClick() { Pulsada(8, LabelCuesB); }
void Tform0::LabelCuesEClick() { Pulsada(9, LabelCuesE); }
void Tform0::LabelAsistenteClick() { Pulsada(11, LabelAsistente); }

void Tform0::PuertaPorCodigo(int codigo) {
  switch (codigo) {
    case 1:
      LabelCarrerasClick();
      break;
    case 2:
      LabelCatClick();
      break;
    case 3:
      LabelFpSClick();
      break;
    case 4:
      LabelItiClick();
      break;
    case 5:
      LabelFPMClick();
      break;
    case 6:
      LabelFPipClick();
      break;
    case 7:
      LabelProfeClick();
      break;
    case 8:
      LabelCuesBClick();
      break;
    case 9:
      LabelCuesEClick();
      break;
    case 11:
      LabelAsistenteClick();
      break;
    default:
      break;
  }
}

void Tform0::AbrirPuerta(EtiquetaPuerta* etiqueta) {
  piloto->stop();
  // Another door clicked while one opens: the first door closes again and
  // the opening starts over at the new one.
  if (Abriendo()) DeshacerApertura();
  const QSize tesela = servicios_.recursos.Pared.size();
  abriendo_ = etiqueta;
  if (Animado()) {
    zoom_.emplace(PuertaSel, tesela.width(), tesela.height(), ZoomPuerta::kInmediato);
    TimerZoom->start();
    return;
  }
  CompletarEstatico();
  etiqueta->Normal();
  TimerTexto->stop();
  Bocadillo1->hide();
  LabelBocadillo1->hide();
  labelBocadillo2->hide();
  etiqueta->MostrarPista(false);
  apertura_.emplace(etiqueta->x(), PuertaSel);
  TimerPuerta->start();
}

void Tform0::pilotoTimer() {
  CompletarEstatico();
  if (pasoPiloto_.Terminado()) {
    piloto->stop();
    return;
  }
  if (figura_) lienzo->Borrar(*figura_);
  const PasoPiloto::Paso paso = pasoPiloto_.Avanzar();
  lienzo->Dibujar(paso.dibujar, ImageList1().value(paso.dibujar.cuadro));
  figura_ = paso.dibujar.Area();
  if (paso.fin) {
    piloto->stop();
    TimerTexto->start();
    LabelCarreras->MostrarPista(true);
    LabelCat->MostrarPista(true);
    Bocadillo1->show();
    LabelBocadillo1->show();
    labelBocadillo2->hide();
  }
}

void Tform0::TimerTextoTimer() {
  labelBocadillo2->show();
  LabelBocadillo1->hide();
  TimerTexto->stop();
}

void Tform0::TimerPuertaTimer() {
  if (!apertura_) {
    TimerPuerta->stop();
    return;
  }
  const AperturaPuerta::Paso paso = apertura_->Avanzar();
  if (paso.primero) {
    if (figura_) lienzo->Borrar(*figura_);
    figura_.reset();
    LabelBocadillo1->hide();
    labelBocadillo2->hide();
    piloto->stop();
  } else if (puerta_) {
    lienzo->Borrar(puerta_->Area());
  }
  lienzo->Dibujar(paso.dibujar, ImageListPuerta.value(paso.dibujar.cuadro));
  puerta_ = paso.dibujar;
  if (paso.fin) {
    TimerPuerta->stop();
    const QSize tesela = servicios_.recursos.Pared.size();
    zoom_.emplace(PuertaSel, tesela.width(), tesela.height(), ZoomPuerta::kDesdePuerta);
    TimerZoom->start();
  }
}

void Tform0::TimerZoomTimer() {
  if (!zoom_) {
    TimerZoom->stop();
    return;
  }
  const ZoomPuerta::Paso paso = zoom_->Avanzar();
  if (paso.estirar) {
    lienzo->Estirar(*paso.estirar, servicios_.recursos.Pared);
    zoomRect_ = paso.estirar;
    if (puerta_) lienzo->Dibujar(*puerta_, ImageListPuerta.value(kCuadrosPuerta - 1));
  }
  if (paso.abrir) {
    TimerZoom->stop();
    AccionPuerta();
  }
}

void Tform0::DeshacerApertura() {
  TimerPuerta->stop();
  TimerZoom->stop();
  if (zoomRect_) lienzo->Borrar(*zoomRect_);
  if (puerta_) lienzo->Borrar(puerta_->Area());
  zoomRect_.reset();
  puerta_.reset();
  apertura_.reset();
  zoom_.reset();
  if (abriendo_ != nullptr && abriendo_ != LabelAsistente) abriendo_->MostrarPista(true);
  abriendo_ = nullptr;
}

void Tform0::AccionPuerta() {
  // What was drawn for the opening goes with it: the hall is clean when it
  // is shown again.
  lienzo->Limpiar();
  puerta_.reset();
  zoomRect_.reset();
  apertura_.reset();
  zoom_.reset();
  EtiquetaPuerta* etiqueta = abriendo_;
  abriendo_ = nullptr;
  if (PuertaSel >= 1 && PuertaSel <= 9 && etiqueta != nullptr && etiqueta != LabelAsistente) {
    etiqueta->MostrarPista(true);
  }
  Navegacion& n = servicios_.navegacion;
  switch (PuertaSel) {
    case 1:
      n.Abrir(entrada::Carreras::kInformacion);
      break;
    case 2:
      n.Abrir(entrada::Catalogo::kMostrar);
      break;
    case 3:
      n.Abrir(entrada::Carreras::kFamiliasFP);
      break;
    case 4:
      n.Abrir(entrada::Itinerarios::kMapa);
      break;
    case 5:
      n.Abrir(entrada::GradoMedio::kDesdeVestibulo);
      break;
    case 6:
      n.Abrir(entrada::ProgramasIniciales::kProgramas);
      break;
    case 7:
      n.Abrir(entrada::Profesiones::kCuestionario);
      break;
    case 8:
      n.Abrir(entrada::Carreras::kCuestionario);
      break;
    case 9:
      n.Abrir(entrada::Itinerarios::kCuestionario);
      break;
    case 11:
      n.Abrir(entrada::Asistente::kInicio);
      break;
    default:
      break;
  }
}

void Tform0::LabelDejarClick() {
  focoAlVolver_ = LabelDejar->hasFocus() ? LabelDejar : nullptr;
  if (Animado()) escena_->Detener();
  PasoAyuda = 0;
  servicios_.navegacion.Abrir(entrada::Certificados::kMostrar);
}

void Tform0::BotRetroceClick() {
  if (!Animado()) {
    SalidaConfirmada(servicios_);
    return;
  }
  TimerAyuda->stop();
  PasoAyuda = 0;
  BotRetroce->hide();
  PanelAyuda->hide();
  escena_->Iniciar();
}

void Tform0::TimerAyudaTimer() {
  PanelAyuda->show();
  PanelAyuda->raise();
  BotRetroce->show();
  BotRetroce->raise();
  const PasoAyudaPanel paso = PasoDelPanelAyuda(PasoAyuda);
  PasoAyuda += 1;
  if (paso.fin) {
    TimerAyuda->stop();
    PasoAyuda = 0;
    return;
  }
  QLabel* lineas[] = {LabelAyu1, LabelAyu2, LabelAyu3, LabelAyu4, LabelAyu5};
  if (paso.etiqueta > 0) lineas[paso.etiqueta - 1]->setText(servicios_.Texto(paso.texto));
  servicios_.sonido.SonidoTecla(true);
  const QPixmap cuadro = ImageList1().value(paso.cuadro);
  chica->setPixmap(cuadro.isNull() ? cuadro
                                   : cuadro.scaled(chica->size(), Qt::KeepAspectRatio,
                                                   Qt::SmoothTransformation));
}

void Tform0::Entrar(entrada::Vestibulo /*accion*/) {}

void Tform0::PuertasNormales() {
  for (const auto& [codigo, e] : puertas_) e->Normal();
  LabelDejar->Normal();
}

void Tform0::keyPressEvent(QKeyEvent* evento) {
  switch (evento->key()) {
    case Qt::Key_Escape:
      SalidaConfirmada(servicios_);
      return;
    case Qt::Key_Right:
    case Qt::Key_Down:
      MoverFoco(true);
      return;
    case Qt::Key_Left:
    case Qt::Key_Up:
      MoverFoco(false);
      return;
    default:
      QWidget::keyPressEvent(evento);
  }
}

bool Tform0::focusNextPrevChild(bool adelante) {
  // Tab stays among the doors while the hall's own controls are away.
  if (PanelAyuda->isVisible()) return QWidget::focusNextPrevChild(adelante);
  MoverFoco(adelante);
  return true;
}

void Tform0::wheelEvent(QWheelEvent* evento) {
  if (Animado()) escena_->ClicRueda();
  evento->accept();
}

void Tform0::FormActivate() {
  if (servicios_.estado.FalloGrave()) {
    QTimer::singleShot(0, &servicios_.ventana, &QWidget::close);
    return;
  }
  if (focoAlVolver_ != nullptr) {
    focoAlVolver_->setFocus(Qt::OtherFocusReason);
  } else {
    setFocus();
  }
  if (Animado() && BotRetroce->isHidden()) escena_->Iniciar();
}

void Tform0::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  FormActivate();
}

void Tform0::hideEvent(QHideEvent* evento) {
  if (Animado()) escena_->Detener();
  QWidget::hideEvent(evento);
}

void Tform0::changeEvent(QEvent* evento) {
  if (evento->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) {
    FormActivate();
  }
  QWidget::changeEvent(evento);
}

bool Tform0::eventFilter(QObject* objeto, QEvent* evento) {
  if ((evento->type() == QEvent::FocusIn || evento->type() == QEvent::FocusOut) && Animado() &&
      qobject_cast<EtiquetaPuerta*>(objeto) != nullptr) {
    MarcarPuertaEscena();
  }
  if (objeto == ImageDejar && evento->type() == QEvent::MouseButtonRelease) {
    LabelDejarClick();
    return true;
  }
  if ((objeto == mosaico || objeto == ImageTodo) && evento->type() == QEvent::MouseMove) {
    PuertasNormales();
  }
  if ((objeto == mosaico || (DXDraw != nullptr && objeto == DXDraw)) &&
      evento->type() == QEvent::Paint && !pintado_) {
    pintado_ = true;
    // The wall covers the whole hall: once it has painted, let the paint
    // finish and reach the screen before anyone reacts to it. The static
    // hall's remaining parts are made then, while the student looks.
    QTimer::singleShot(0, this, [this] {
      emit PrimerPintado();
      CompletarEstatico();
    });
  }
  return QWidget::eventFilter(objeto, evento);
}

}  // namespace sendaro
