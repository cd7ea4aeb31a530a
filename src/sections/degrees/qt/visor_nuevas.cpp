#include "sections/degrees/qt/visor_nuevas.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/informes.h"
#include "data/texto.h"
#include "sections/degrees/consulta.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/pagina_grados.h"
#include "sections/degrees/qt/visor_artes.h"
#include "sections/degrees/qt/visor_fp.h"
#include "ui/piezas.h"
#include "ui/servicios.h"

namespace sendaro {

using namespace piezas;

namespace {

constexpr int kTextoNoHay = 292;
constexpr int kAltoLista = 430;
constexpr int kAnchoGrado = 609;
constexpr int kAltoGrado = 489;

QStringList AQt(const std::vector<std::string>& filas) {
  QStringList lista;
  for (const std::string& f : filas) lista << RecortadoQt(DeWin(f));
  return lista;
}

// An arrow from one corner of its box to the opposite one.
QPixmap Flecha(QSize tam, QPointF desde, QPointF hasta, const QColor& color) {
  QPixmap p(tam);
  p.fill(Qt::transparent);
  QPainter pintor(&p);
  pintor.setRenderHint(QPainter::Antialiasing);
  QPen lapiz(color, 4, Qt::SolidLine, Qt::RoundCap);
  pintor.setPen(lapiz);
  pintor.drawLine(desde, hasta);
  const QLineF linea(hasta, desde);
  const double angulo = linea.angle();
  QLineF ala1 = QLineF::fromPolar(14, angulo + 28).translated(hasta);
  QLineF ala2 = QLineF::fromPolar(14, angulo - 28).translated(hasta);
  QPainterPath punta;
  punta.moveTo(hasta);
  punta.lineTo(ala1.p2());
  punta.lineTo(ala2.p2());
  punta.closeSubpath();
  pintor.fillPath(punta, color);
  return p;
}

// The words of `texto` in lines no wider than `ancho` pixels.
QString Renglones(const QString& texto, const QFontMetrics& m, int ancho) {
  QStringList lineas;
  QString linea;
  for (const QString& palabra : texto.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString mas = linea.isEmpty() ? palabra : linea + QLatin1Char(' ') + palabra;
    if (!linea.isEmpty() && m.horizontalAdvance(mas) > ancho) {
      lineas << linea;
      linea = palabra;
    } else {
      linea = mas;
    }
  }
  if (!linea.isEmpty()) lineas << linea;
  return lineas.join(QLatin1Char('\n'));
}

}  // namespace

VisorNuevas::VisorNuevas(PaginaGrados& pagina) : QObject(&pagina), p_(pagina) {
  const int fila = kAltoLista + 6;
  BotUni = Boton(p_.PanelSel, "BotUni", {6, fila, 150, 32});
  BotReq = Boton(p_.PanelSel, "BotReq", {166, fila, 150, 32});
  BotSal = Boton(p_.PanelSel, "BotSal", {326, fila, 150, 32});
  for (QWidget* w : std::initializer_list<QWidget*>{BotUni, BotReq, BotSal}) w->hide();
  ComboNuevas = Lista<QComboBox>(p_.Panelinicio, "ComboNuevas", {60, 54, 390, 30});
  ComboNuevas->hide();
  BotImprimirN = Boton(p_.Panelinicio, "BotImprimirN", {640, 612, 160, 38});
  BotImprimirN->hide();
  CrearDiagrama();

  connect(p_.menunuevo0, &QPushButton::clicked, this, &VisorNuevas::menunuevo0Click);
  connect(p_.menunuevo1, &QPushButton::clicked, this, &VisorNuevas::menunuevo1Click);
  connect(p_.menunuevo2, &QPushButton::clicked, this, &VisorNuevas::menunuevo2Click);
  connect(ComboNuevas, &QComboBox::activated, this, &VisorNuevas::ComboNuevasChange);
  connect(BotUni, &QPushButton::clicked, this, &VisorNuevas::BotUniClick);
  connect(BotReq, &QPushButton::clicked, this, &VisorNuevas::BotReqClick);
  connect(BotSal, &QPushButton::clicked, this, &VisorNuevas::BotSalClick);
  connect(BotImprimirN, &QPushButton::clicked, this, &VisorNuevas::BotImprimirNClick);
  connect(BotAvanza, &QPushButton::clicked, this, &VisorNuevas::BotAvanzaClick);
  connect(BotAcabarG, &QPushButton::clicked, this, &VisorNuevas::BotAcabarGClick);
  connect(Timergrado, &QTimer::timeout, this, &VisorNuevas::TimergradoTimer);
  connect(Timerfrase, &QTimer::timeout, this, &VisorNuevas::TimerfraseTimer);
}

void VisorNuevas::CrearDiagrama() {
  // The diagram: boxes, arrows and labels, with the covering panels above.
  PanelGrado = Panel(p_.Panelinicio, "PanelGrado", {392, 60, kAnchoGrado, kAltoGrado});
  PanelGrado->setFrameShape(QFrame::NoFrame);
  const QColor fondo(255, 250, 236);
  Pintar(PanelGrado, fondo);
  PanelGrado->setStyleSheet(QStringLiteral("QFrame#PanelGrado { background-color: %1;"
                                           " border: 2px solid #b89a7a; border-radius: 6px; }")
                                .arg(Rgb(fondo)));
  const QRect formas[] = {{15, 246, 245, 118}, {25, 326, 225, 30},  {280, 164, 175, 92},
                          {280, 40, 175, 70},  {556, 140, 40, 226}, {10, 372, 589, 34}};
  const QColor colores[] = {QColor(120, 170, 230), QColor(190, 215, 245), QColor(240, 190, 110),
                            QColor(220, 130, 120), QColor(120, 190, 120), QColor(200, 200, 235)};
  for (int i = 0; i < 6; ++i) {
    const QByteArray nombre = "Shape" + QByteArray::number(i + 1);
    QFrame* s = Panel(PanelGrado, nombre.constData(), formas[i]);
    s->setStyleSheet(QStringLiteral("QFrame#%1 { background-color: %2; border: 2px solid #5a4a3a;"
                                    " border-radius: 8px; }")
                         .arg(QString::fromLatin1(nombre), Rgb(colores[i])));
    Shape[static_cast<std::size_t>(i)] = s;
  }
  const QColor flecha(70, 60, 50);
  struct DefFlecha {
    QRect donde;
    QPointF desde, hasta;
  };
  const DefFlecha flechas[] = {
      {{190, 190, 86, 56}, {4, 52}, {82, 8}},     // ImageG2: grado -> master
      {{352, 110, 30, 54}, {15, 50}, {15, 6}},    // ImageG3: master -> doctorado
      {{262, 290, 292, 26}, {4, 13}, {286, 13}},  // ImageG4: grado -> trabajo
      {{458, 196, 96, 24}, {4, 12}, {90, 12}},    // ImageG5: master -> trabajo
      {{458, 70, 96, 74}, {4, 6}, {88, 68}},      // ImageG6: doctorado -> trabajo
      {{40, 190, 40, 54}, {20, 50}, {20, 6}},     // ImageG7: grado -> otras salidas
      {{240, 112, 36, 50}, {4, 46}, {30, 6}},     // ImageG8: not needed by this drawing
  };
  for (int i = 0; i < 7; ++i) {
    const QByteArray nombre = "ImageG" + QByteArray::number(i + 2);
    QLabel* l = Etiqueta(PanelGrado, nombre.constData(), flechas[i].donde);
    l->setPixmap(Flecha(flechas[i].donde.size(), flechas[i].desde, flechas[i].hasta, flecha));
    ImageG[static_cast<std::size_t>(i)] = l;
  }
  ImageG[6]->hide();
  const QRect etiquetas[] = {
      {10, 6, 589, 30},     // LabelG0 title
      {25, 252, 225, 28},   // LabelG1 Grado
      {25, 282, 110, 24},   // LabelG2 4 anos
      {290, 230, 160, 22},  // LabelG3 60 a 120 creditos
      {10, 410, 589, 30},   // LabelG4 EEES (under its band)
      {290, 170, 160, 28},  // LabelG5 Master
      {270, 268, 280, 22},  // LabelG6 professions
      {135, 282, 120, 24},  // LabelG7 240 creditos
      {290, 52, 160, 28},   // LabelG8 Doctorado
      {10, 164, 170, 24},   // LabelG9 other outlets
      {384, 126, 90, 22},   // LabelG10 Master (on the arrow to the doctorate)
      {290, 204, 160, 22},  // LabelG11 1 o 2 anos
      {25, 329, 225, 24},   // LabelG12 60 creditos a year
  };
  for (int i = 0; i < 13; ++i) {
    const QByteArray nombre = "LabelG" + QByteArray::number(i);
    QLabel* l = Etiqueta(PanelGrado, nombre.constData(), etiquetas[i]);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(LetraQt(QStringLiteral("Times New Roman"),
                       p_.Letra(i == 0 || i == 1 || i == 5 || i == 8 ? 13 : 11),
                       i == 0 || i == 1 || i == 5 || i == 8));
    LabelG[static_cast<std::size_t>(i)] = l;
  }
  LabelG[4]->setGeometry(10, 376, 589, 26);
  LabelGT = Etiqueta(PanelGrado, "LabelGT", {558, 146, 36, 214});
  LabelGT->setAlignment(Qt::AlignCenter);
  LabelGT->setFont(LetraQt(QStringLiteral("Times New Roman"), p_.Letra(12), true));
  LabelGTexto = Etiqueta(PanelGrado, "LabelGTexto", {6, 408, 0, 38});
  LabelGTexto->setFont(LetraQt(QStringLiteral("Times New Roman"), p_.Letra(11), true));
  LabelGTexto->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  // What each step uncovers.
  const QRect cubiertas[] = {
      {12, 240, 252, 130},   // PanelMueve1: the degree
      {8, 158, 178, 90},     // panelmueve2: other outlets
      {186, 150, 416, 220},  // Panelmueve3: work, and what lies over it
      {186, 150, 272, 112},  // Panelmueve4: the master
      {282, 196, 174, 58},   // Panelmueve5: the master's details
      {236, 36, 366, 114},   // Panelmueve6: the doctorate
      {8, 370, 594, 38},     // Panelmueve7: the European area
  };
  const char* nombres[] = {"PanelMueve1", "panelmueve2", "Panelmueve3", "Panelmueve4",
                           "Panelmueve5", "Panelmueve6", "Panelmueve7"};
  for (int i = 0; i < 7; ++i) {
    auto* c = new QFrame(PanelGrado);
    c->setObjectName(QString::fromLatin1(nombres[i]));
    c->setGeometry(cubiertas[i]);
    Pintar(c, fondo);
    Cubiertas[static_cast<std::size_t>(i)] = c;
  }
  // Covers lie over the drawing, the later steps' under the earlier ones.
  for (int i = 6; i >= 0; --i) Cubiertas[static_cast<std::size_t>(i)]->raise();
  LabelG[0]->raise();
  LabelGTexto->raise();
  BotAvanza = Boton(PanelGrado, "BotAvanza", {300, 448, 140, 34});
  BotAcabarG = Boton(PanelGrado, "BotAcabarG", {452, 448, 140, 34});
  BotAvanza->setText(QStringLiteral(">>"));
  PanelGrado->hide();

  Timergrado = piezas::Temporizador(this, "Timergrado", 10);
  Timerfrase = piezas::Temporizador(this, "Timerfrase", 10);
}

void VisorNuevas::Preparar() {
  for (const auto& [b, n] : {std::pair{BotUni, 276}, std::pair{BotReq, 277}, std::pair{BotSal, 278}})
    b->setText(p_.T(n));
  ComboNuevas->clear();
  for (const int n : {523, 515, 516, 517, 518, 519}) ComboNuevas->addItem(p_.T(n));
  ComboNuevas->setPlaceholderText(p_.T(40) + QStringLiteral(" - ") + p_.T(523));
  ComboNuevas->setCurrentIndex(-1);
  PintarCombo(ComboNuevas, ColorQ(p_.servicios().TemaActual().ColorTitulo),
              ColorQ(p_.servicios().TemaActual().ColorTextoTitulo));
  ComboNuevas->setFont(LetraQt(QStringLiteral("Times New Roman"), p_.Letra(12)));
  BotImprimirN->setText(p_.T(36));
  BotAcabarG->setText(p_.T(222));
  const std::pair<int, QString> textos[] = {
      {0, p_.T(502)},
      {1, p_.T(522)},
      {2, p_.T(670) + QLatin1Char(' ') + p_.T(664)},
      {3, p_.T(667) + QLatin1Char(' ') + p_.T(665)},
      {4, p_.T(552)},
      {5, p_.T(550)},
      {6, p_.T(466)},
      {7, p_.T(666) + QLatin1Char(' ') + p_.T(665)},
      {8, p_.T(551)},
      {9, p_.T(485)},
      {10, p_.T(550)},
      {11, p_.T(668) + QLatin1Char(' ') + p_.T(664)},
      {12, p_.T(669) + QLatin1Char(' ') + p_.T(665)},
  };
  for (const auto& [i, texto] : textos) LabelG[static_cast<std::size_t>(i)]->setText(texto);
  // Read downwards: one character a line.
  QStringList letras;
  for (const QChar c : p_.T(671)) letras << QString(c);
  LabelGT->setText(letras.join(QLatin1Char('\n')));
}

FuentesNuevas VisorNuevas::FuentesN() const {
  const TablasDatos& t = p_.servicios().tablas;
  return {t.carrerasNuevas, t.bloquesCarrerasNuevas, t.universidades,    t.requisitos,
          t.salidas,        t.datosCarreras,         p_.servicios().catalogo};
}

void VisorNuevas::MostrarNuevas(int categoria) {
  const FilasLista lista = ListaNuevas(FuentesN(), categoria);
  IndiceCarreras = lista.carreras;
  p_.ListComunidad->clear();
  p_.ListComunidad->addItems(AQt(lista.filas));
}

void VisorNuevas::menunuevo1Click() {
  p_.PanelMenu3->hide();
  p_.PanelMenu->hide();
  ModoGrados = true;
  ModoLista = true;
  for (QWidget* w :
       std::initializer_list<QWidget*>{p_.PanelSel, p_.PanelSelTit, p_.ListSel, p_.BotRetroceder, ComboNuevas})
    w->show();
  p_.ListSel->clear();
  p_.PanelSelTit->clear();
  ComboNuevas->setCurrentIndex(-1);
  MostrarNuevas(0);
  p_.ListComunidad->show();
  p_.ListComunidad->raise();
}

void VisorNuevas::ComboNuevasChange(int item) {
  MostrarNuevas(std::max(item, 0));
  // No degree is chosen in the new list.
  for (QWidget* w : std::initializer_list<QWidget*>{BotUni, BotReq, BotSal, BotImprimirN})
    w->hide();
  p_.ListSel->clear();
  p_.PanelSelTit->clear();
}

void VisorNuevas::MostrarNueva(int fila) {
  const int d = fila >= 0 && fila < static_cast<int>(IndiceCarreras.size())
                    ? IndiceCarreras[static_cast<std::size_t>(fila)]
                    : 0;
  if (d == 0) return;
  CarreraSel = d;
  for (QWidget* w : std::initializer_list<QWidget*>{BotUni, BotReq, BotSal, BotImprimirN})
    w->show();
  p_.PanelSelTit->setText(p_.ListComunidad->item(fila)->text());
  p_.PanelSelTit->show();
  BotUniClick();
}

void VisorNuevas::MostrarVistaNueva(const std::vector<std::string>& filas, const QString& letra,
                               int mas) {
  p_.ListSel->setFont(LetraQt(letra, p_.Letra(mas)));
  p_.fp->listSelFP->hide();
  p_.RevelarPanel(p_.PanelSel, 0);
  p_.ListSel->show();
  p_.ListSel->Rellenar(AQt(filas));
  p_.RevelarPanel(p_.PanelSel, 1);
  p_.ListaActiva = false;
}

void VisorNuevas::BotUniClick() {
  MostrarVistaNueva(VistaUniversidadesNueva(FuentesN(), CarreraSel), QStringLiteral("Courier New"),
                    10);
}

void VisorNuevas::BotReqClick() {
  MostrarVistaNueva(VistaRequisitosNueva(FuentesN(), CarreraSel), QStringLiteral("Times New Roman"),
                    10);
}

void VisorNuevas::BotSalClick() {
  MostrarVistaNueva(VistaSalidasNueva(FuentesN(), CarreraSel), QStringLiteral("Times New Roman"),
                    10);
}

void VisorNuevas::BotImprimirNClick() {
  if (p_.artes->ModoArtes) {
    p_.artes->ImprimirArteElegido();
    return;
  }
  const InformeNueva inf = InformeCarreraNueva(FuentesN(), CarreraSel);
  if (inf.lineas.empty()) return;
  // The whole document on screen, then on paper.
  std::vector<std::string> documento = {inf.titulo};
  documento.insert(documento.end(), inf.lineas.begin(), inf.lineas.end());
  p_.ListSel->Rellenar(AQt(documento));
  BuffersCompartidos& b = Compartidos();
  b.LineasImpresion.Vaciar();
  b.LineasImpresion.Fijar(0, inf.titulo);
  for (std::size_t i = 0; i < inf.lineas.size(); ++i)
    b.LineasImpresion.Fijar(static_cast<int>(i) + 1, inf.lineas[i]);
  b.Secciones.Vaciar();
  for (const int n : inf.negritas) b.Secciones.Agregar(n);
  ImprimirTresColumnas(p_.LaImpresora(),
                       DatosCabeceraDe(p_.servicios().catalogo, p_.servicios().estado.NombreCentro),
                       b.LineasImpresion, static_cast<int>(inf.lineas.size()), false, b.Secciones);
}

void VisorNuevas::ListComunidadClick(int fila) {
  if (ModoLista) {
    MostrarNueva(fila);
  } else {
    MostrarNuevasDeUniversidad(fila);
  }
}

void VisorNuevas::Cerrar() {
  for (QWidget* w : std::initializer_list<QWidget*>{
           BotUni, BotReq, BotSal, BotImprimirN, ComboNuevas, p_.PanelSel, p_.PanelSelTit,
           p_.ListSel, p_.BotRetroceder, p_.ListComunidad, p_.mapa}) {
    w->hide();
  }
  p_.ListSel->clear();
  p_.PanelMenu->show();
  ModoGrados = false;
}

void VisorNuevas::menunuevo2Click() {
  p_.PanelMenu3->hide();
  p_.PanelMenu->hide();
  ModoGrados = true;
  ModoLista = false;
  p_.fp->ModoFP = false;
  p_.mapa->show();
  p_.MostrarAyuda(31);
  for (QWidget* w : std::initializer_list<QWidget*>{p_.PanelSel, p_.PanelSelTit, p_.ListSel, p_.BotRetroceder})
    w->show();
  p_.ListSel->clear();
  p_.PanelSelTit->clear();
}

void VisorNuevas::NuevasDeComunidad() {
  UniversidadesLista = UniversidadesConNuevas(FuentesN(), p_.ComunidadSel);
  p_.ListComunidad->clear();
  if (UniversidadesLista.empty()) {
    // A notice row: it opens nothing.
    p_.ListComunidad->addItem(p_.T(kTextoNoHay));
    p_.ListaActiva = false;
  } else {
    p_.ListComunidad->addItems(
        AQt(NombresUniversidades(p_.servicios().tablas.universidades, UniversidadesLista)));
    p_.ListaActiva = true;
  }
  p_.mapa->hide();
  p_.PanelMapa->hide();
  p_.ListComunidad->show();
  p_.ListComunidad->raise();
}

void VisorNuevas::MostrarNuevasDeUniversidad(int fila) {
  if (fila < 0 || fila >= static_cast<int>(UniversidadesLista.size())) return;
  const int u = UniversidadesLista[static_cast<std::size_t>(fila)];
  p_.PanelSelTit->setText(p_.ListComunidad->item(fila)->text());
  p_.PanelSelTit->show();
  MostrarVistaNueva(NuevasDeUniversidad(FuentesN(), u).filas, QStringLiteral("Courier New"), 10);
}

void VisorNuevas::menunuevo0Click() {
  p_.PanelMenu3->hide();
  PanelGrado->show();
  PanelGrado->raise();
  BotAvanza->setEnabled(true);
  for (QPushButton* b : {p_.MenuCarUni1, p_.menuCarUni3, p_.Menui3, p_.menui2, p_.Menui4, p_.menui6, p_.menui5})
    b->setEnabled(false);
  LabelGTexto->resize(0, LabelGTexto->height());
  pasoGrado_ = 0;
  Timerfrase->stop();
  Timergrado->start();
}

void VisorNuevas::BotAvanzaClick() {
  Timergrado->start();
  ++pasoGrado_;
}

void VisorNuevas::TimergradoTimer() {
  const PasoDiagrama& paso = PasoDelDiagrama(pasoGrado_);
  for (const int n : paso.aCero) {
    QFrame* c = Cubiertas[static_cast<std::size_t>(n - 1)];
    c->resize(0, c->height());
  }
  if (paso.panel == 0) {
    Timergrado->stop();
    BotAvanza->setEnabled(false);
    return;
  }
  QFrame* c = Cubiertas[static_cast<std::size_t>(paso.panel - 1)];
  Cubierta cubierta{c->x(), c->width()};
  const bool fin = AvanzarCubierta(paso, cubierta);
  c->setGeometry(cubierta.izquierda, c->y(), cubierta.ancho, c->height());
  if (!fin) return;
  Timergrado->stop();
  QStringList textos;
  for (const int n : paso.textos) textos << p_.T(n);
  // Broken into lines for the whole width, so that widening the label
  // uncovers the text without moving it.
  LabelGTexto->setText(
      Renglones(textos.join(QLatin1Char(' ')), LabelGTexto->fontMetrics(), kAnchoFrase));
  LabelGTexto->resize(0, LabelGTexto->height());
  Timerfrase->start();
}

void VisorNuevas::TimerfraseTimer() {
  const int ancho = LabelGTexto->width() + kPasoFrase;
  LabelGTexto->resize(ancho, LabelGTexto->height());
  if (ancho > kAnchoFrase) Timerfrase->stop();
}

void VisorNuevas::BotAcabarGClick() {
  Timergrado->stop();
  Timerfrase->stop();
  PanelGrado->hide();
  for (QPushButton* b : {p_.MenuCarUni1, p_.menuCarUni3, p_.Menui3, p_.menui2, p_.Menui4, p_.menui6, p_.menui5})
    b->setEnabled(true);
  BotAvanza->setEnabled(true);
}

}  // namespace sendaro
