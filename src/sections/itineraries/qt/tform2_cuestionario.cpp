// The questionnaire face of the itineraries screen: the runs, the grid of
// questions, the results, the titles of an area, printing and saving.
#include <QDir>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>

#include "ui/servicios.h"
#include "ui/ventana_principal.h"
#include "data/impresion/buffers_impresion.h"
#include "data/impresion/impresion_texto.h"
#include "data/impresion/informes.h"
#include "data/texto.h"
#include "ui/panel_explicacion.h"
#include "ui/tform4.h"
#include "ui/piezas.h"
#include "sections/itineraries/qt/tform2.h"
#include "ui/dialogos.h"

namespace sendaro {

using namespace piezas;

namespace {

// A caption that changes with the state; screen readers follow it.
void Rotular(QPushButton* boton, const QString& texto) {
  boton->setText(texto);
  boton->setAccessibleName(texto);
}

QTableWidgetItem* Celda(const QString& texto) {
  auto* c = new QTableWidgetItem(texto);
  c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return c;
}

// The answer's words and stars, a little smaller than the question so that
// the longest answer fits its column.
QTableWidgetItem* CeldaRespuesta(const QString& texto, int puntos) {
  QTableWidgetItem* c = Celda(texto);
  c->setFont(LetraQt(QStringLiteral("Times New Roman"), puntos, true));
  return c;
}

// The questions' font: the grid's, half a point smaller at a time while the
// longest question would not fit the question column whole. The column's
// width counts the room of a vertical scroll bar, which a long list shows.
QFont LetraDePreguntas(const QTableWidget& rejilla, const QStringList& preguntas) {
  constexpr double kMinima = 8;
  const QStyle* estilo = rejilla.style();
  // Item views leave this margin at each side of a cell's text; a few more
  // pixels stand for the border the screen's style sheet draws.
  constexpr int kBorde = 6;
  const int margen = estilo->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &rejilla) + 1;
  const int ancho = rejilla.width() - 2 * rejilla.frameWidth() - kBorde -
                    estilo->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &rejilla) -
                    rejilla.columnWidth(1) - rejilla.columnWidth(2) - 2 * margen;
  QFont letra = rejilla.font();
  const auto cabe = [&] {
    const QFontMetrics medidas(letra);
    return std::all_of(preguntas.begin(), preguntas.end(),
                       [&](const QString& p) { return medidas.horizontalAdvance(p) <= ancho; });
  };
  while (!cabe() && letra.pointSizeF() > kMinima) letra.setPointSizeF(letra.pointSizeF() - 0.5);
  return letra;
}

}  // namespace

void TForm2::BotCuestio1Click() { Empezar(false); }

void TForm2::BotCuestio3Click() { Empezar(true); }

void TForm2::Empezar(bool dosEtapas) {
  // A run belongs to one student: no earlier name on its reports.
  servicios_.estado.CuesEncabezado.clear();
  cues_->Empezar(dosEtapas);
  botCuestio->setEnabled(false);
  for (QWidget* w : std::initializer_list<QWidget*>{BotItinerarios, BotExplica, PanelMenu2,
                                                    BitAcabarLogse, BotBachEsp}) {
    w->hide();
  }
  PanelItiner->show();
  OrdenarMenu();
  AbrirCuestionario();
}

void TForm2::BotCuestio2Click() {
  EstadoPrograma& e = servicios_.estado;
  e.CuesEncabezado.clear();
  e.ModoCuestionario = true;
  PanelMenu2->hide();
  TimerAyuda->stop();
  servicios_.navegacion.Abrir(entrada::GradoMedio::kCuestionario);
}

void TForm2::AbrirCuestionario() {
  PanelCuestio->show();
  PanelCuestio->raise();
  Gcuestio->show();
  Rotular(BotResCues, T(45));
  BotResCues->show();
  AcabarCues->show();
  BotContinuar->hide();
  for (QWidget* w : std::initializer_list<QWidget*>{ListresCues, PanelAbajoRes, PanelCar,
                                                    LabelAviso, ImpResul, grabar}) {
    w->hide();
  }
  if (cues_->PreguntarReinicio()) {
    TForm4* dialogo = servicios_.Dialogo();
    const bool deNuevo = dialogo != nullptr && dialogo->Preguntar(T(329));
    cues_->Reiniciar(deNuevo);
    if (deNuevo) servicios_.estado.CuesEncabezado.clear();
  }
  const AperturaCuestionario a = cues_->Abrir();
  MostrarAyuda(a.ayuda);
  Gcuestio->setRowCount(a.filas);
  QStringList preguntas;
  for (int i = a.desde; i <= a.hasta; ++i) preguntas << RecortadoQt(DeWin(cues_->Texto(i)));
  const QFont letra = LetraDePreguntas(*Gcuestio, preguntas);
  for (int i = a.desde; i <= a.hasta; ++i) {
    QTableWidgetItem* pregunta = Celda(preguntas[i - a.desde]);
    pregunta->setFont(letra);
    Gcuestio->setItem(i - 1, 0, pregunta);
    Gcuestio->setItem(i - 1, 1, Celda(QString()));
    Gcuestio->setItem(i - 1, 2, Celda(QString()));
  }
  if (a.filas > 0) {
    const int arriba = std::clamp(a.filaArriba, 1, a.filas) - 1;
    Gcuestio->setCurrentCell(arriba, 0);
    Gcuestio->scrollToItem(Gcuestio->item(arriba, 0), QAbstractItemView::PositionAtTop);
  }
  if (a.primeraCarga && !servicios_.estado.DesdeAsistente) Gcuestio->setFocus();
}

void TForm2::EscribirRespuesta(int fila, bool marcas) {
  const int tipo = cues_->Tipo(fila);
  const int respuesta = cues_->Respuesta(fila);
  const int texto = TextoRespuesta(tipo, respuesta);
  Gcuestio->setItem(fila - 1, 1,
                    CeldaRespuesta(texto != 0 ? T(texto).left(12) : QString(), Letra(13)));
  if (marcas) {
    const std::string_view m = MarcasRespuesta(tipo, respuesta);
    Gcuestio->setItem(
        fila - 1, 2,
        CeldaRespuesta(QString::fromLatin1(m.data(), static_cast<qsizetype>(m.size())), 15));
  }
}

void TForm2::GcuestioMouseDown(int fila) {
  if (cues_->Responder(fila)) EscribirRespuesta(fila, true);
}

void TForm2::GcuestioKeyPress() {
  const int fila = Gcuestio->currentRow() + 1;
  if (cues_->Responder(fila)) EscribirRespuesta(fila, false);
}

void TForm2::TerminarCuestionario() {
  botCuestio->show();
  botCuestio->setEnabled(true);
  BitAcabarLogse->show();
  for (QWidget* w : std::initializer_list<QWidget*>{BotContinuar, PanelCar, PanelCuestio,
                                                    ListresCues, PanelAbajoRes, BotResCues,
                                                    AcabarCues, ImpResul, grabar, LabelAviso,
                                                    PanelPorQue}) {
    w->hide();
  }
  PanelMenu->show();
  OrdenarMenu();
  PanelMenu2->show();
  PanelMenu2->raise();
  cues_->Terminar();
  if (servicios_.estado.DesdeAsistente && cues_->CuesAprobado) VolverAlVestibulo();
}

void TForm2::acabarCuesClick() {
  TerminarCuestionario();
  if (servicios_.estado.DesdeAsistente && servicios_.ventana.Actual() == this) {
    VolverAlVestibulo();
  }
}

void TForm2::BotContinuarClick() {
  BotContinuar->hide();
  if (cues_->Continuar()) {
    AbrirCuestionario();
    return;
  }
  TerminarCuestionario();
  EstadoPrograma& e = servicios_.estado;
  e.ModoCuestionario = true;
  e.CuesEncabezado.clear();
  TimerAyuda->stop();
  servicios_.navegacion.Abrir(entrada::GradoMedio::kCuestionario);
}

void TForm2::BotResCuesClick() {
  if (cues_->CuesResulVisibles) {
    VolverAlCuestionario();
  } else {
    MostrarResultado();
  }
}

void TForm2::MostrarLineas(const std::vector<std::string>& lineas, int tamano) {
  ListresCues->clear();
  ListresCues->setFont(LetraQt(QStringLiteral("Courier New"), Letra(tamano), true));
  for (const std::string& l : lineas) ListresCues->addItem(DeWin(l));
  ListresCues->scrollToTop();
}

void TForm2::MostrarResultado() {
  Cuestionario& c = *cues_;
  if (!c.CuesModoCorto) MostrarAyuda(32);
  c.CuesResulVisibles = true;
  for (QWidget* w :
       std::initializer_list<QWidget*>{PanelCar, PanelMenu, PanelMenu2, PanelCuestio, PanelPorQue}) {
    w->hide();
  }
  PanelAbajoRes->show();
  ListresCues->show();
  ListresCues->raise();
  Rotular(BotResCues, T(328));
  Rotular(ImpResul, T(273));

  const FuentesResultado f{servicios_.tablas.itinerarios, servicios_.catalogo};
  if (c.CuesModoCorto) {
    const ResultadoPrimeraEtapa r = PrimeraEtapa(c, areas_, f, c.CuesSegundaOportunidad);
    if (r.usaSegundaOportunidad) c.CuesSegundaOportunidad = false;
    c.CuesAprobado = r.aprobado;
    lineasResul_ = r.lineas;
    resultadoEntero_ = false;
    MostrarLineas(lineasResul_, 13);
    BotContinuar->move(AcabarCues->x() + AcabarCues->width() + 10, AcabarCues->y() - 4);
    BotContinuar->show();
    BotContinuar->raise();
    Gcuestio->hide();
    ImpResul->hide();
    grabar->hide();
    return;
  }
  grabar->show();
  ImpResul->show();
  resultado_ = ResultadoEntero(c, areas_, f);
  impreso_ = ResultadoConExplicaciones(resultado_, servicios_.catalogo);
  lineasResul_ = resultado_.lineas;
  resultadoEntero_ = true;
  MostrarLineas(lineasResul_, 11);
}

void TForm2::VolverAlCuestionario() {
  for (QWidget* w : std::initializer_list<QWidget*>{PanelCar, ListresCues, PanelAbajoRes,
                                                    LabelAviso, grabar, ImpResul, BotContinuar,
                                                    PanelPorQue}) {
    w->hide();
  }
  PanelCuestio->show();
  PanelCuestio->raise();
  Gcuestio->show();
  Rotular(BotResCues, T(45));
  cues_->CuesResulVisibles = false;
  resultadoEntero_ = false;
}

void TForm2::ListresCuesMouseMove(int linea, int y) {
  if (resultadoEntero_ && AreaDeLinea(resultado_, linea) != 0) {
    LabelAviso->move(LabelAviso->x(), y);
    LabelAviso->show();
    LabelAviso->raise();
  } else {
    LabelAviso->hide();
  }
}

void TForm2::ListresCuesClick(int linea) {
  if (!resultadoEntero_) return;
  if (const ResultadoExplicado* e = ExplicacionDeLinea(resultado_, linea)) {
    if (ListresCues->currentRow() != linea - 1) ListresCues->setCurrentRow(linea - 1);
    PanelPorQue->Mostrar(e);
  }
  const int area = AreaDeLinea(resultado_, linea);
  if (area == 0) return;
  MostrarAyuda(33);
  const FuentesResultado f{servicios_.tablas.itinerarios, servicios_.catalogo};
  lineasTitulos_ = LineasTitulosArea(area, areas_, servicios_.tablas.titulos, f);
  ListCar->clear();
  for (const std::string& l : lineasTitulos_) ListCar->addItem(DeWin(l));
  PanelCar->show();
  PanelCar->raise();
}

void TForm2::BotCerrarMouseUp() { PanelCar->hide(); }

void TForm2::BotImpTitMouseUp() {
  if (lineasTitulos_.empty()) return;
  const std::vector<std::string> lineas =
      ImpresionTitulos(servicios_.estado.NombreCentro, lineasTitulos_);
  const std::string titulo =
      RecortarDerecha(servicios_.catalogo.Texto(48)) + " - " +
      RecortarDerecha(lineasTitulos_.size() > 1 ? lineasTitulos_[1] : std::string());
  ImprimirTexto(
      *impresora_, [&lineas](int i) { return lineas[static_cast<std::size_t>(i - 1)]; },
      static_cast<int>(lineas.size()), titulo);
}

bool TForm2::PedirEncabezado() {
  EstadoPrograma& e = servicios_.estado;
  if (!e.CuesEncabezado.empty()) return true;
  TForm4* dialogo = servicios_.Dialogo();
  if (dialogo == nullptr) return false;
  const std::optional<QString> nombre = dialogo->PedirNombre(T(339));
  if (!nombre) return false;
  e.CuesEncabezado =
      EncabezadoAlumno(AWin(nombre->trimmed()), cues_->CuesCurso, servicios_.catalogo);
  return true;
}

void TForm2::LlenarInforme() {
  BuffersCompartidos& b = Compartidos();
  b.LineasImpresion.Vaciar();
  const std::vector<std::string> informe =
      InformeResultado(servicios_.estado.CuesEncabezado, impreso_.lineas);
  for (std::size_t i = 0; i < informe.size(); ++i) {
    b.LineasImpresion.Fijar(static_cast<int>(i), informe[i]);
  }
  b.Secciones.Vaciar();
  for (const int n : impreso_.negritas) b.Secciones.Agregar(n);
}

void TForm2::ImpResulClick() {
  if (!resultadoEntero_ || !PedirEncabezado()) return;
  LlenarInforme();
  BuffersCompartidos& b = Compartidos();
  ImprimirVertical(
      *impresora_, DatosCabeceraDe(servicios_.catalogo, servicios_.estado.NombreCentro),
      b.LineasImpresion, static_cast<int>(impreso_.lineas.size()) + 1, true, 12, b.Secciones);
}

void TForm2::grabarClick() {
  if (!resultadoEntero_ || !PedirEncabezado()) return;
  const QString ruta =
      servicios_.dialogos.NombreGuardar(DeWin(NombreGuardado(servicios_.estado.CuesEncabezado)));
  if (ruta.isEmpty()) return;
  LlenarInforme();
  PanelCar->hide();
  ListCar->clear();
  QString texto;
  const BufferImpresion& buffer = Compartidos().LineasImpresion;
  for (int i = 0; i <= static_cast<int>(impreso_.lineas.size()) + 1; ++i) {
    const QString linea = DeWin(buffer.Linea(i));
    ListCar->addItem(linea);
    texto += linea + QLatin1Char('\n');
  }
  // Written beside the target and renamed over it: a failed save leaves
  // the old file as it was.
  QSaveFile fichero(ruta);
  const bool escrito = fichero.open(QIODevice::WriteOnly | QIODevice::Text) &&
                       fichero.write(texto.toUtf8()) >= 0 && fichero.commit();
  if (!escrito) {
    servicios_.dialogos.Aviso(QStringLiteral("No se ha podido guardar %1: %2")
                                  .arg(QDir::toNativeSeparators(ruta), fichero.errorString()));
    return;
  }
  MostrarAyuda(20);
}

}  // namespace sendaro
