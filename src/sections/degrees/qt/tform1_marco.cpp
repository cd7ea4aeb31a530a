// The frame of the degrees screen: menus, help bubble, blinking name bar,
// back button, reveals, list printout and leaving.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/impresion_texto.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/tform1.h"
#include "ui/piezas.h"
#include "ui/revelado.h"
#include "ui/salida.h"
#include "ui/servicios.h"
#include "ui/sonido.h"

namespace sendaro {

using namespace piezas;

namespace {

constexpr int kAltoBoton = 46;
constexpr int kPasoBoton = 52;
constexpr int kAnchoMenu = 320;

QPushButton* BotonMenu(QFrame* panel, const char* nombre, int i) {
  return Boton(panel, nombre, {10, 8 + i * kPasoBoton, kAnchoMenu - 20, kAltoBoton});
}

QFrame* PanelMenuDe(QWidget* padre, const char* nombre, int x, int y, int botones) {
  return Panel(padre, nombre,
               {x, y, kAnchoMenu, 16 + botones * kPasoBoton - (kPasoBoton - kAltoBoton)});
}

}  // namespace

void TForm1::CrearMenus() {
  PanelMenu = PanelMenuDe(Panelinicio, "PanelMenu", 60, 130, 7);
  MenuCarUni1 = BotonMenu(PanelMenu, "MenuCarUni1", 0);
  menuCarUni3 = BotonMenu(PanelMenu, "menuCarUni3", 1);
  Menui3 = BotonMenu(PanelMenu, "Menui3", 2);
  menui2 = BotonMenu(PanelMenu, "menui2", 3);
  Menui4 = BotonMenu(PanelMenu, "Menui4", 4);
  menui6 = BotonMenu(PanelMenu, "menui6", 5);
  menui5 = BotonMenu(PanelMenu, "menui5", 6);
  PanelMenu->hide();
  for (QPushButton* b : {MenuCarUni1, menuCarUni3, Menui3, menui2, Menui4, menui6, menui5}) {
    b->installEventFilter(this);
  }

  PanelMenu2 = PanelMenuDe(Panelinicio, "PanelMenu2", 0, 0, 2);
  MenuCarUniDoble = BotonMenu(PanelMenu2, "MenuCarUniDoble", 0);
  MenuCarUniDoble2 = BotonMenu(PanelMenu2, "MenuCarUniDoble2", 1);
  PanelMenu3 = PanelMenuDe(Panelinicio, "PanelMenu3", 0, 0, 3);
  menunuevo0 = BotonMenu(PanelMenu3, "menunuevo0", 0);
  menunuevo1 = BotonMenu(PanelMenu3, "menunuevo1", 1);
  menunuevo2 = BotonMenu(PanelMenu3, "menunuevo2", 2);
  PanelMenu4 = PanelMenuDe(Panelinicio, "PanelMenu4", 0, 0, 4);
  BotArtesPlas = BotonMenu(PanelMenu4, "BotArtesPlas", 0);
  BotMusica = BotonMenu(PanelMenu4, "BotMusica", 1);
  BotDanza = BotonMenu(PanelMenu4, "BotDanza", 2);
  BotDramatico = BotonMenu(PanelMenu4, "BotDramatico", 3);
  for (QFrame* p : {PanelMenu2, PanelMenu3, PanelMenu4}) p->hide();

  PanelFP = Panel(Panelinicio, "PanelFP", {60, 130, kAnchoMenu, 200});
  PanelFP->hide();

  BotRetroceder = Boton(Panelinicio, "BotRetroceder", {470, 612, 160, 38});
  BotImprimir = Boton(Panelinicio, "BotImprimir", {640, 612, 160, 38});
  RetroConsultas = Boton(Panelinicio, "RetroConsultas", {440, 612, 160, 38});
  BotImprimirCon = Boton(Panelinicio, "BotImprimirCon", {610, 612, 160, 38});
  for (QWidget* w : {BotRetroceder, BotImprimir, RetroConsultas, BotImprimirCon}) w->hide();
}

void TForm1::CrearAyuda() {
  payuda = Panel(Panelinicio, "payuda", {40, 566, 400, 186});
  chica = Etiqueta(payuda, "chica", {8, 8, 90, 170});
  chica->setAlignment(Qt::AlignCenter);
  for (int k = 0; k < 8; ++k) {
    const QByteArray nombre = "LabelAyu" + QByteArray::number(k + 1);
    QLabel* l = Etiqueta(payuda, nombre.constData(), {104, 8 + k * 21, 290, 21});
    LabelAyu[static_cast<std::size_t>(k)] = l;
  }
  payuda->hide();
  TimerAyuda = piezas::Temporizador(this, "TimerAyuda", 200);
  TimerParpadeo = piezas::Temporizador(this, "TimerParpadeo", 200);
}

void TForm1::MenuSobre(QWidget* boton) {
  QFrame* abrir = boton == Menui3   ? PanelMenu3
                  : boton == menui2 ? PanelMenu2
                  : boton == Menui4 ? PanelMenu4
                                    : nullptr;
  for (QFrame* p : {PanelMenu2, PanelMenu3, PanelMenu4}) {
    if (p != abrir) p->hide();
  }
  if (abrir != nullptr) {
    abrir->show();
    abrir->raise();
  }
}

void TForm1::OcultarSubmenus() {
  for (QFrame* p : {PanelMenu2, PanelMenu3, PanelMenu4}) p->hide();
}

void TForm1::BotInformacionClick() {
  MostrarAyuda(1);
  PrimeraFilaLista = 0;
  AbrirMenu(PanelMenu);
}

void TForm1::MostrarAyuda(int tema) {
  for (QLabel* l : LabelAyu) {
    l->clear();
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
    l->setFont(LetraQt(QStringLiteral("Times New Roman"), Letra(12)));
  }
  if (const auto lineas = TemaAyuda(tema)) {
    lineasAyuda_ = *lineas;
    temaAyuda_ = tema;
  }
  pasoAyuda_.Reiniciar();
  // The hall's help panel starts over after a section's bubble.
  servicios_.estado.PasoAyuda = 0;
  TimerAyuda->start();
  payuda->show();
  payuda->raise();
}

void TForm1::TimerAyudaTimer() {
  const RevelarAyuda::Paso paso = pasoAyuda_.Avanzar();
  const auto k = static_cast<std::size_t>(paso.linea - 1);
  const int n = lineasAyuda_[k];
  LabelAyu[k]->setText(n != 0 ? T(n) : QString());
  if (!LabelAyu[k]->text().isEmpty()) servicios_.sonido.SonidoTecla(true);
  chica->setPixmap(servicios_.recursos.FiguraGuia().value(paso.linea - 1));
  if (paso.fin) TimerAyuda->stop();
}

void TForm1::TimerParpadeoTimer() {
  const Parpadeo::Paso paso = parpadeo_.Avanzar();
  PanelCarSel->setText(paso.mostrar ? nombreParpadeo_ : QString());
  if (paso.fin) TimerParpadeo->stop();
}

void TForm1::RevelarPanel(QWidget* panel, int paso) {
  if (paso == 0) {
    rollo_->Preparar(panel);
  } else {
    rollo_->Ejecutar();
  }
}

void TForm1::AbrirMenu(QWidget* panel) {
  circle_->Preparar(panel);
  circle_->Ejecutar();
}

EstadoRetroceso TForm1::EstadoActual() const {
  return {ModoArtes,        ModoGrados, ModoLista,
          ModoDobles,       ModoOtras,  !ListComunidad->isHidden(),
          !mapa->isHidden()};
}

void TForm1::BotRetrocederClick() {
  servicios_.estado.ModoImpresion = false;
  for (const PasoRetroceso paso : Retroceder(EstadoActual())) EjecutarRetroceso(paso);
}

void TForm1::EjecutarRetroceso(PasoRetroceso paso) {
  switch (paso) {
    case PasoRetroceso::kSalirArtes: {
      ModoArtes = false;
      ArteSel = 0;
      for (QWidget* w : std::initializer_list<QWidget*>{BotImprimirN, BotRetroceder, ListComunidad,
                                                        BotArtesTit, BotArtesEsp, BotArtesLug}) {
        w->hide();
      }
      QFont f = ListComunidad->font();
      f.setPointSize(10);
      ListComunidad->setFont(f);
      MenuCarClick(8);
      ListSel->setCursor(Qt::ArrowCursor);
      break;
    }
    case PasoRetroceso::kCerrarGrados:
      for (QWidget* w : std::initializer_list<QWidget*>{BotUni, BotReq, BotSal, BotImprimirN,
                                                        ComboNuevas, PanelSel, PanelSelTit, ListSel,
                                                        BotRetroceder, ListComunidad, mapa}) {
        w->hide();
      }
      ListSel->clear();
      PanelMenu->show();
      ModoGrados = false;
      break;
    case PasoRetroceso::kGradosAlMapa:
    case PasoRetroceso::kComunidadAlMapa:
      ListComunidad->hide();
      mapa->show();
      break;
    case PasoRetroceso::kCerrarResultado:
      for (QWidget* w : std::initializer_list<QWidget*>{LabelSeleccion, PanelSel, PanelSelTit,
                                                        ListSel, BotIntUni, BotImprimir}) {
        w->hide();
      }
      PanelSelTit->clear();
      ListSel->clear();
      ListSel->setCursor(Qt::ForbiddenCursor);
      ListaUniversidad = false;
      break;
    case PasoRetroceso::kMenuDesdeDobles:
      ModoDobles = false;
      for (QWidget* w :
           std::initializer_list<QWidget*>{mapa, ListComunidad, listSel2, BotRetroceder})
        w->hide();
      AbrirMenu(PanelMenu);
      break;
    case PasoRetroceso::kMenuDesdeOtras:
      ModoOtras = false;
      ListComunidad->hide();
      AbrirMenu(PanelMenu);
      ListSel->clear();
      BotRetroceder->hide();
      break;
    case PasoRetroceso::kMenuDesdeMapa:
      mapa->hide();
      BotRetroceder->hide();
      AbrirMenu(PanelMenu);
      MostrarAyuda(1);
      break;
  }
}

void TForm1::menui5Click() {
  PanelMenu->hide();
  OcultarSubmenus();
  servicios_.navegacion.Salir(*this);
}

bool TForm1::FormCloseQuery() { return SalidaConfirmada(servicios_); }

void TForm1::Imprimir(const std::vector<std::string>& lineas, int negritas,
                      const std::string& titulo) {
  BufferImpresion& buffer = Compartidos().LineasImpresion;
  buffer.Vaciar();
  for (std::size_t i = 0; i < lineas.size(); ++i) buffer.Fijar(static_cast<int>(i) + 1, lineas[i]);
  servicios_.estado.ModoImpresion = true;
  ImprimirLista(*impresora_, LineasDe(buffer), static_cast<int>(lineas.size()), negritas, titulo);
}

}  // namespace sendaro
