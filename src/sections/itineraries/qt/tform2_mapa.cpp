// The itinerary face of the itineraries screen: the map built step by step
// and painted from its current step, its nodes with their lists, sheets and
// more-information button, the game button, and the covered diagram that
// explains the school paths. What is drawn, listed and printed comes from
// the domain (mapa.h, diagrama.h); the handlers here show it.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include "data/impresion/impresion_texto.h"
#include "data/texto.h"
#include "sections/itineraries/qt/tform2.h"
#include "ui/accesible.h"
#include "ui/dialogos.h"
#include "ui/mosaico.h"
#include "ui/piezas.h"
#include "ui/servicios.h"
#include "ui/tform4.h"

namespace sendaro {

using namespace piezas;

namespace {

constexpr int kLadoNodo = 28;
const QColor kVerdeDinero(192, 220, 192);
const QColor kGranate(128, 0, 0);

// Node k's object name, in the order the nodes were made.
QByteArray NombreNodo(int k) {
  if (k == 1) return "b1";
  if (k == 2) return "B2";
  if (k <= 7) return "BitBtn" + QByteArray::number(k);
  if (k == 8) return "BitBtn2";
  if (k <= 45) return "BitBtn" + QByteArray::number(k - 1);
  static const char* const kUltimos[] = {"BitBtn48", "BitBtn45", "BitBtn46", "b48"};
  return kUltimos[k - 46];
}

// The node glyphs: a printer for a sheet, an "i" for notes, a book for
// subjects.
QIcon GlifoNodo(AccionNodoMapa accion) {
  QPixmap p(22, 22);
  p.fill(Qt::transparent);
  QPainter q(&p);
  q.setRenderHint(QPainter::Antialiasing);
  switch (accion) {
    case AccionNodoMapa::kHoja:
      q.setPen(QPen(QColor(40, 40, 40), 1.2));
      q.setBrush(Qt::white);
      q.drawRect(QRectF(6, 2, 10, 7));
      q.setBrush(QColor(90, 90, 110));
      q.drawRoundedRect(QRectF(2, 8, 18, 8), 2, 2);
      q.setBrush(Qt::white);
      q.drawRect(QRectF(6, 13, 10, 7));
      q.drawLine(QPointF(8, 16), QPointF(14, 16));
      break;
    case AccionNodoMapa::kNotas:
      q.setPen(QPen(QColor(0, 50, 120), 1.2));
      q.setBrush(QColor(60, 120, 210));
      q.drawEllipse(QRectF(1.5, 1.5, 19, 19));
      q.setPen(Qt::white);
      q.setFont(LetraQt(QStringLiteral("Times New Roman"), 11, true));
      q.drawText(QRect(0, 0, 22, 22), Qt::AlignCenter, QStringLiteral("i"));
      break;
    case AccionNodoMapa::kMaterias:
      q.setPen(QPen(QColor(60, 30, 10), 1.2));
      q.setBrush(QColor(200, 90, 40));
      q.drawRect(QRectF(4, 3, 14, 16));
      q.setBrush(QColor(255, 250, 235));
      q.drawRect(QRectF(6, 5, 10, 12));
      q.drawLine(QPointF(8, 8), QPointF(14, 8));
      q.drawLine(QPointF(8, 11), QPointF(14, 11));
      q.drawLine(QPointF(8, 14), QPointF(12, 14));
      break;
  }
  return QIcon(p);
}

// An arrow of the diagram: up for the covers that shrink, right for those
// that slide.
QPixmap DibujoFlecha(bool vertical) {
  QPixmap p(vertical ? QSize(18, 26) : QSize(26, 18));
  p.fill(Qt::transparent);
  QPainter q(&p);
  q.setRenderHint(QPainter::Antialiasing);
  q.setPen(QPen(QColor(90, 20, 0), 1));
  q.setBrush(QColor(230, 90, 20));
  if (vertical) {
    const QPointF puntos[] = {{9, 1}, {17, 11}, {12, 11}, {12, 25}, {6, 25}, {6, 11}, {1, 11}};
    q.drawPolygon(puntos, 7);
  } else {
    const QPointF puntos[] = {{25, 9}, {15, 17}, {15, 12}, {1, 12}, {1, 6}, {15, 6}, {15, 1}};
    q.drawPolygon(puntos, 7);
  }
  return p;
}

// An information mark (the bridge picture in green).
QPixmap DibujoInformacion(bool pasarela) {
  QPixmap p(20, 20);
  p.fill(Qt::transparent);
  QPainter q(&p);
  q.setRenderHint(QPainter::Antialiasing);
  q.setPen(QPen(pasarela ? QColor(0, 80, 0) : QColor(0, 40, 110), 1));
  q.setBrush(pasarela ? QColor(40, 150, 60) : QColor(40, 100, 200));
  q.drawEllipse(QRectF(1, 1, 18, 18));
  q.setPen(Qt::white);
  q.setFont(LetraQt(QStringLiteral("Times New Roman"), 10, true));
  q.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter,
             pasarela ? QStringLiteral("?") : QStringLiteral("i"));
  return p;
}

QColor ColorDe(ColorMapa c) {
  switch (c) {
    case ColorMapa::kNegro:
      return Qt::black;
    case ColorMapa::kBlancoPuro:
      return Qt::white;
    case ColorMapa::kImpresion:
      return ColorQ(ColorImpresion);
    case ColorMapa::kRojo:
      return Qt::red;
    case ColorMapa::kAzul:
      return Qt::blue;
  }
  return Qt::black;
}

QRect Rect(const RectMapa& r) { return {r.x, r.y, r.ancho, r.alto}; }
QRect Rect(const RectDiagrama& r) { return {r.x, r.y, r.ancho, r.alto}; }

}  // namespace

// ------------------------------------------------------------------ creation

void TForm2::CrearMapa() {
  for (int k = 1; k <= kNodosMapa; ++k) {
    const QByteArray nombre = NombreNodo(k);
    QPushButton* b = Boton(this, nombre.constData(), {0, 0, kLadoNodo, kLadoNodo});
    b->setIcon(GlifoNodo(NodoDelMapa(k).accion));
    b->setIconSize({22, 22});
    b->setFocusPolicy(Qt::TabFocus);  // the keyboard's way through the map
    b->hide();
    Nodos[static_cast<std::size_t>(k - 1)] = b;
  }
  List_Sel = Lista<QListWidget>(this, "List_Sel", {0, 0, 300, 150});
  List_Sel->setSelectionMode(QAbstractItemView::NoSelection);
  List_Sel->setFocusPolicy(Qt::TabFocus);
  List_Sel->viewport()->setCursor(Qt::ForbiddenCursor);
  // Lines longer than the list scroll rather than lose their ends.
  List_Sel->setTextElideMode(Qt::ElideNone);
  List_Sel->hide();
  BotCerrarV = Boton(this, "BotCerrarV", {0, 0, 62, 21});
  BotCerrarV->setFocusPolicy(Qt::TabFocus);
  BotCerrarV->hide();
  botContextual = Boton(this, "botContextual", {0, 0, 247, 28});
  botContextual->setFocusPolicy(Qt::TabFocus);
  botContextual->hide();

  TimerParpadeo = piezas::Temporizador(this, "TimerParpadeo", 200);
  TimerLista = piezas::Temporizador(this, "TimerLista", 5);
}

void TForm2::CrearDiagrama() {
  PanelExplica = new QFrame(this);
  PanelExplica->setObjectName(QStringLiteral("PanelExplica"));
  PanelExplica->setGeometry(295, 0, width() - 295, height());
  Pintar(PanelExplica, ColorQ(ColorFondo1));
  PanelExplica->hide();

  for (const PiezaDiagrama& caja : CajasDiagrama()) {
    auto* f = new QFrame(PanelExplica);
    f->setObjectName(QString::fromLatin1(caja.nombre));
    f->setGeometry(Rect(caja.rect));
    f->setStyleSheet(
        QStringLiteral("QFrame { background-color: yellow; border: 1px solid black;"
                       " border-radius: 9px; }"));
  }
  // Labels are captioned in PrepararMapa; here they only take their place.
  for (const EtiquetaDiagrama& e : EtiquetasDiagrama(servicios_.catalogo)) {
    QLabel* l = Etiqueta(PanelExplica, e.nombre, {e.x, e.y, 10, 10});
    QFont letra(QStringLiteral("Arial"));
    letra.setPixelSize(e.alto);
    letra.setBold(e.negrita);
    l->setFont(letra);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, kGranate);
    l->setPalette(p);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  for (const FlechaDiagrama& f : FlechasDiagrama()) {
    const QPixmap dibujo = DibujoFlecha(f.vertical);
    QLabel* l = Etiqueta(PanelExplica, f.nombre, {QPoint(f.x, f.y), dibujo.size()});
    l->setPixmap(dibujo);
    l->setCursor(Qt::PointingHandCursor);
    Flechas.push_back(l);
  }
  for (const PiezaDiagrama& a : AdornosDiagrama()) {
    QLabel* l = Etiqueta(PanelExplica, a.nombre, Rect(a.rect));
    l->setPixmap(a.rect.ancho == 20 ? DibujoInformacion(false) : DibujoFlecha(true));
  }
  for (const InformacionDiagrama& i : InformacionesDiagrama()) {
    QLabel* l = Etiqueta(PanelExplica, i.nombre, {i.x, i.y, 20, 20});
    l->setPixmap(DibujoInformacion(i.pasarela));
    l->setCursor(Qt::PointingHandCursor);
    Informaciones.push_back(l);
  }
  // For screen readers: the diagram, and its arrows and notes numbered in
  // the order Tab takes them.
  Describir(PanelExplica, T(textos_accesibles::kEsquema));
  for (std::size_t i = 0; i < Flechas.size(); ++i) {
    Describir(Flechas[i], T(textos_accesibles::kPasoEsquema) + QStringLiteral(" %1").arg(i + 1));
  }
  for (std::size_t i = 0; i < Informaciones.size(); ++i) {
    Describir(Informaciones[i],
              T(textos_accesibles::kMasInformacion) + QStringLiteral(" %1").arg(i + 1));
  }
  // The covers lie over everything of their rows, the arrows of the row
  // above included.
  for (std::size_t i = 0; i < Cubiertas.size(); ++i) {
    const PiezaDiagrama& c = sendaro::CubiertasDiagrama()[i];
    auto* f = new QFrame(PanelExplica);
    f->setObjectName(QString::fromLatin1(c.nombre));
    Pintar(f, kVerdeDinero);
    Cubiertas[i] = f;
  }
  ColocarCubiertas();

  LabelNota = Etiqueta(PanelExplica, "LabelNota", {129, 647, 420, 22});
  QFont letraNota(QStringLiteral("Arial"));
  letraNota.setPixelSize(17);
  LabelNota->setFont(letraNota);
  QPalette pNota = LabelNota->palette();
  pNota.setColor(QPalette::WindowText, kGranate);
  LabelNota->setPalette(pNota);

  PanelEx = Panel(PanelExplica, "PanelEx", {200, 240, 321, 233});
  ListBoxEx = Lista<QListWidget>(PanelEx, "ListBoxEx", {8, 16, 305, 185});
  ListBoxEx->setSelectionMode(QAbstractItemView::NoSelection);
  ListBoxEx->setFocusPolicy(Qt::TabFocus);
  BotCerrarEx = Boton(PanelEx, "BotCerrarEx", {120, 205, 80, 24});
  PanelEx->hide();

  Timergrado = piezas::Temporizador(this, "Timergrado", 10);
  TimerGradoDer = piezas::Temporizador(this, "TimerGradoDer", 10);
}

void TForm2::PrepararMapa() {
  const Tema& tema = servicios_.TemaActual();
  List_Sel->setStyleSheet(
      QStringLiteral(
          "QListWidget { background-color: %1; color: black; border: 2px solid #6b5b4b; }"
          "QListWidget::item { height: 20px; }")
          .arg(Rgb(ColorQ(ColorListas))));
  botContextual->setStyleSheet(QStringLiteral(
      "QPushButton#botContextual { background-color: yellow; color: navy; font-weight: bold;"
      " font-family: \"Times New Roman\"; font-size: 15px; border: 3px outset #d8d860; }"
      "QPushButton#botContextual:hover { color: maroon; }"));
  BotCerrarV->setText(T(13));
  botContextual->setText(T(43));
  BotCerrarEx->setText(T(13));
  BotCerrarV->setStyleSheet(QStringLiteral("font-size: 11pt;"));

  Pintar(PanelEx, ColorQ(tema.ColorTitulo));
  QFont letraEx(QStringLiteral("Arial"));
  letraEx.setPixelSize(13);
  ListBoxEx->setFont(letraEx);
  ListBoxEx->setStyleSheet(
      QStringLiteral("QListWidget { color: maroon; background-color: white; }"
                     "QListWidget::item { height: 16px; }"));
  for (const EtiquetaDiagrama& e : EtiquetasDiagrama(servicios_.catalogo)) {
    auto* l = PanelExplica->findChild<QLabel*>(QString::fromLatin1(e.nombre));
    if (l == nullptr) continue;
    l->setText(RecortadoQt(DeWin(e.texto)));
    l->adjustSize();
  }
  LabelNota->setText(DeWin(TextoNotaDiagrama(servicios_.catalogo)));
}

FuentesMapa TForm2::Fuentes() const {
  const TablasDatos& t = servicios_.tablas;
  return {t.lineasInforma, t.materias, t.carrerasItinerario, t.titulosFPS, servicios_.catalogo};
}

void TForm2::FranjaIzquierda() {
  PanelItiner->setGeometry(0, 0, payuda->x() + payuda->width() + 3, height());
  degradeIti->setGeometry(PanelItiner->rect());
}

// ------------------------------------------------------------------ the map

void TForm2::BotItinerariosClick() {
  ParpadeoNota = false;
  PanelExplica->hide();
  PanelMenu2->hide();
  botCuestio->hide();
  cues_->CuesActivo = false;
  mapa_.Entrar();
  FranjaIzquierda();
  OrdenarMenu();
  setFocus();
  AvanzarMapa();
}

bool TForm2::AvanzarSiConstruye() {
  if (!mapa_.MapaEnConstruccion) return false;
  AvanzarMapa();
  return true;
}

void TForm2::AvanzarMapa() {
  const AvanceMapa a = mapa_.Avanzar();
  const bool juego = (a.paso == 7 || a.completo) && !servicios_.estado.SinAnimacion;
  if (juego) {
    BotBachEsp->show();
    OrdenarMenu();
  }
  if (a.completo) {
    const CatalogoTextos& c = servicios_.catalogo;
    for (int k = 1; k <= kNodosMapa; ++k) {
      const NodoMapa& n = NodoDelMapa(k);
      QPushButton* b = Nodos[static_cast<std::size_t>(k - 1)];
      const PuntoMapa p = PuntoCelda(n.fila, n.columna);
      b->move(p.x, p.y);
      b->setToolTip(DeWin(PistaNodo(n, c)));
      b->setAccessibleName(b->toolTip());
      b->show();
      b->raise();
    }
    botCuestio->hide();
    BotItinerarios->show();
    OrdenarMenu();
  }
  if (a.ayuda != 0) MostrarAyuda(a.ayuda);
  // The map is painted from its state: the new step, or the whole map.
  update();
}

void TForm2::paintEvent(QPaintEvent* evento) {
  QWidget::paintEvent(evento);
  if (!PanelExplica->isHidden()) return;
  const std::vector<int> pasos = mapa_.PasosVisibles();
  if (pasos.empty()) return;
  QPainter p(this);
  const QColor fondoTexto = ColorQ(ColorImpresion);
  const int delta = servicios_.estado.TamanoLetraDelta;
  for (const int paso : pasos) {
    const DibujoMapa d = DibujoPasoMapa(paso, servicios_.catalogo);
    for (const RectanguloMapa& r : d.rectangulos) {
      p.fillRect(QRect(QPoint(r.x1, r.y1), QPoint(r.x2 - 1, r.y2 - 1)), ColorDe(r.color));
    }
    for (const LineaMapa& l : d.lineas) {
      // Every line sets its own pen, whatever the step drawn before it.
      QPen pluma(ColorDe(l.color), l.grosor);
      pluma.setCapStyle(Qt::FlatCap);
      p.setPen(pluma);
      p.drawLine(l.x1, l.y1, l.x2, l.y2);
    }
    for (const TextoMapa& t : d.textos) {
      const QFont letra = LetraQt(QStringLiteral("Times New Roman"), t.puntos + delta, true);
      p.setFont(letra);
      const QString texto = DeWin(t.texto);
      const QFontMetrics medidas(letra);
      const QRect caja(t.x, t.y, medidas.horizontalAdvance(texto), medidas.height());
      p.fillRect(caja, fondoTexto);
      p.setPen(ColorDe(t.color));
      p.drawText(caja, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, texto);
    }
  }
}

void TForm2::mousePressEvent(QMouseEvent* evento) {
  // A click on the window steps a build on, or closes an open list.
  if (!AvanzarSiConstruye() && !List_Sel->isHidden()) BotCerrarVMouseUp();
  QWidget::mousePressEvent(evento);
}

void TForm2::OcultarNodos() {
  for (QPushButton* b : Nodos) b->hide();
}

void TForm2::OcultarLista() {
  TimerLista->stop();
  List_Sel->hide();
  botContextual->hide();
  BotCerrarV->hide();
  if (!ParpadeoNota) TimerParpadeo->stop();
}

void TForm2::b48Click(int nodo) {
  switch (mapa_.Pulsar(nodo)) {
    case ClicNodo::kIgnorado:
      return;
    case ClicNodo::kCierraLista:
      OcultarLista();
      return;
    case ClicNodo::kActua:
      break;
  }
  const AccionNodo a = AccionDeNodo(Fuentes(), nodo);
  if (a.hoja != 0) {
    ImprimirModalidad(a.hoja);
    // No list was opened: the next node click acts at once.
    mapa_.CerrarLista();
    return;
  }
  mapa_.ListaDeNotas = a.notas;
  MostrarLista(nodo, a.lineas, a.alto);
}

void TForm2::MostrarLista(int nodo, const std::vector<std::string>& lineas, int alto) {
  OcultarLista();
  lineasLista_ = lineas;
  List_Sel->setFont(LetraQt(QStringLiteral("Times New Roman"), Letra(11), true));
  List_Sel->clear();
  for (const std::string& l : lineas) List_Sel->addItem(DeWin(l));
  const NodoMapa& n = NodoDelMapa(nodo);
  nodoLista_ = nodo;
  apertura_ = ColocarLista(n.fila, n.columna, alto, width(), height());
  pasoApertura_ = 0;
  List_Sel->setGeometry(Rect(apertura_.Paso(0)));
  List_Sel->show();
  List_Sel->raise();
  TimerLista->start();
}

void TForm2::TimerListaTimer() {
  ++pasoApertura_;
  if (pasoApertura_ <= apertura_.pasos) {
    List_Sel->setGeometry(Rect(apertura_.Paso(pasoApertura_)));
    return;
  }
  TimerLista->stop();
  QRect r = Rect(apertura_.final);
  const bool masInformacion =
      mapa_.ListaDeNotas && !servicios_.estado.DesdeAsistente && OfreceMasInformacion(nodoLista_);
  if (masInformacion && ListaAmpliada(nodoLista_)) r.setHeight(kAltoListaAmpliada);
  List_Sel->setGeometry(r);
  const int derecha = r.x() + r.width();
  const int abajo = r.y() + r.height();
  BotCerrarV->move(derecha - 66, abajo - 23);
  BotCerrarV->show();
  BotCerrarV->raise();
  if (masInformacion) {
    botContextual->setGeometry(r.x(), abajo, r.width() - 53, botContextual->height());
    botContextual->setText(T(43));
    botContextual->show();
    botContextual->raise();
    BotCerrarV->move(botContextual->x() + botContextual->width() + 3, abajo);
    if (!ParpadeoNota) cuentaParpadeo_ = 0;
    TimerParpadeo->start();
  }
}

void TForm2::BotCerrarVMouseUp() {
  OcultarLista();
  mapa_.CerrarLista();
}

void TForm2::TimerParpadeoTimer() {
  const TickParpadeo t = Parpadear(cuentaParpadeo_, ParpadeoNota);
  if (ParpadeoNota) {
    LabelNota->setText(t.visible ? DeWin(TextoNotaDiagrama(servicios_.catalogo)) : QString());
  } else {
    botContextual->setText(t.visible ? T(43) : QString());
  }
  if (t.fin) {
    TimerParpadeo->stop();
    ParpadeoNota = false;
  }
}

void TForm2::botContextualMouseUp() {
  const int nodo = mapa_.NodoElegido;
  Navegacion& n = servicios_.navegacion;
  switch (NodoDelMapa(nodo).mas) {
    case MasInformacion::kTitulos: {
      // The titles list is no notes list: it offers nothing more.
      mapa_.ListaDeNotas = false;
      MostrarLista(nodo, TitulosDeNodo(Fuentes(), nodo), 225);
      break;
    }
    case MasInformacion::kCertificados:
      n.AbrirEncima(entrada::Certificados::kMostrar);
      break;
    case MasInformacion::kProgramasIniciales:
      n.AbrirEncima(entrada::ProgramasIniciales::kProgramas);
      break;
    case MasInformacion::kGradoMedio:
      n.AbrirEncima(entrada::GradoMedio::kDesdeVestibulo);
      break;
    case MasInformacion::kNada:
      break;
  }
}

void TForm2::ImprimirModalidad(int hoja) {
  const std::vector<std::string> lineas =
      HojaModalidad(Fuentes(), hoja, servicios_.estado.NombreCentro);
  if (lineas.empty()) return;
  ImprimirTexto(
      *impresora_, [&lineas](int i) { return lineas[static_cast<std::size_t>(i - 1)]; },
      static_cast<int>(lineas.size()), TituloHoja(servicios_.catalogo, hoja));
}

void TForm2::BotBachEspClick() {
  if (!mapa_.PuedeJugar()) {
    if (servicios_.Dialogo() != nullptr) servicios_.Dialogo()->Avisar(T(227), T(228));
    return;
  }
  mapa_.ClicsNodos = 0;
  const QString carpeta =
      carpetaJuego_.isEmpty() ? QCoreApplication::applicationDirPath() : carpetaJuego_;
  const auto juego = BuscarJuego(carpeta.toStdString());
  const QString ruta = juego ? QString::fromStdString(juego->string()) : QString();
  const bool empezado =
      juego &&
      (lanzar_ ? lanzar_(ruta) : QProcess::startDetached(ruta, {}, QFileInfo(ruta).absolutePath()));
  if (!empezado) {
    servicios_.dialogos.Aviso(
        QStringLiteral("No se ha podido abrir el juego: no está en la carpeta del programa (%1).")
            .arg(QDir::toNativeSeparators(carpeta)));
  }
}

void TForm2::ReiniciarMapa() {
  mapa_.Reiniciar();
  OcultarLista();
  OcultarNodos();
  TimerParpadeo->stop();
  BotBachEsp->hide();
  PanelItiner->setGeometry(rect());
  degradeIti->setGeometry(PanelItiner->rect());
  PanelMenu->show();
  OrdenarMenu();
  update();
}

// -------------------------------------------------------------- the diagram

void TForm2::ColocarCubiertas() {
  for (std::size_t i = 0; i < Cubiertas.size(); ++i) {
    const RectDiagrama& r = cubiertas_.Cubierta(static_cast<int>(i));
    Cubiertas[i]->setGeometry(Rect(r));
    Cubiertas[i]->setVisible(r.ancho > 0 && r.alto > 0);
  }
}

void TForm2::BotExplicaClick() {
  ParpadeoNota = true;
  PanelMenu2->hide();
  botCuestio->hide();
  cues_->CuesActivo = false;
  // The diagram ends a map build: its nodes and any open list go.
  OcultarLista();
  OcultarNodos();
  mapa_.Reiniciar();
  FranjaIzquierda();
  PanelExplica->setGeometry(PanelItiner->width(), 0, width() - PanelItiner->width(), height());
  PanelExplica->show();
  PanelExplica->raise();
  TilDer->raise();
  ColocarCubiertas();
  TimerParpadeo->start();
  update();
}

void TForm2::PulsarFlecha(int flecha) {
  Timergrado->stop();
  TimerGradoDer->stop();
  cubiertas_.Pulsar(flecha);
  if (cubiertas_.TimerVertical()) Timergrado->start();
  if (cubiertas_.TimerHorizontal()) TimerGradoDer->start();
}

void TForm2::TimergradoTimer() {
  cubiertas_.TickVertical();
  if (!cubiertas_.TimerVertical()) Timergrado->stop();
  ColocarCubiertas();
}

void TForm2::TimerGradoDerTimer() {
  cubiertas_.TickHorizontal();
  if (!cubiertas_.TimerHorizontal()) TimerGradoDer->stop();
  ColocarCubiertas();
}

void TForm2::PulsarInformacion(int imagen) {
  const auto& informaciones = InformacionesDiagrama();
  if (imagen < 0 || imagen >= static_cast<int>(informaciones.size())) return;
  const InformacionDiagrama& i = informaciones[static_cast<std::size_t>(imagen)];
  if (i.pasarela) {
    servicios_.navegacion.Abrir(entrada::Pasarela::kMostrar);
    return;
  }
  ListBoxEx->clear();
  for (const std::string& l :
       ListaInformacion(i.nombre, servicios_.tablas.lineasInforma, servicios_.catalogo)) {
    ListBoxEx->addItem(DeWin(l));
  }
  PanelEx->show();
  PanelEx->raise();
}

void TForm2::BotCerrarExClick() { PanelEx->hide(); }

}  // namespace sendaro
