// The cut-off mark consultation beside the communities map.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include "data/texto.h"
#include "sections/degrees/mapa_comunidades.h"
#include "sections/degrees/qt/arriba_abajo.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/tform1.h"
#include "ui/piezas.h"
#include "ui/servicios.h"

namespace sendaro {

using namespace piezas;

void TForm1::CrearConsulta() {
  panelconsulta = Panel(Panelinicio, "panelconsulta", {40, 300, 380, 258});
  LabelConsejo = Etiqueta(panelconsulta, "LabelConsejo", {14, 10, 352, 26});
  MaskEdit1 = Lista<QLineEdit>(panelconsulta, "MaskEdit1", {120, 42, 34, 36});
  LabelComa = Etiqueta(panelconsulta, "LabelComa", {176, 42, 14, 36});
  MaskEdit2 = Lista<QLineEdit>(panelconsulta, "MaskEdit2", {192, 42, 34, 36});
  for (QLineEdit* e : {MaskEdit1, MaskEdit2}) {
    e->setInputMask(QStringLiteral("0"));
    e->setAlignment(Qt::AlignCenter);
  }
  UpDown1 = new ArribaAbajo(panelconsulta, MaskEdit1, 5, 9, 5);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setGeometry(154, 42, 18, 36);
  UpDown2 = new ArribaAbajo(panelconsulta, MaskEdit2, 0, 9, 0);
  UpDown2->setObjectName(QStringLiteral("UpDown2"));
  UpDown2->setGeometry(226, 42, 18, 36);
  listBachiL = Lista<QComboBox>(panelconsulta, "listBachiL", {14, 90, 352, 30});
  LabelDificultad = Etiqueta(panelconsulta, "LabelDificultad", {14, 134, 190, 26});
  LabelDificultad2 = Etiqueta(panelconsulta, "LabelDificultad2", {204, 134, 162, 26});
  TrackDif = Lista<QSlider>(panelconsulta, "TrackDif", {14, 166, 352, 32});
  TrackDif->setOrientation(Qt::Horizontal);
  TrackDif->setRange(1, 7);
  TrackDif->setValue(1);
  TrackDif->setPageStep(1);
  TrackDif->setTickPosition(QSlider::TicksBelow);
  TrackDif->setTickInterval(1);
  TrackDif->setCursor(Qt::PointingHandCursor);
  // The accepted range (position..7) is the part after the handle.
  TrackDif->setStyleSheet(QStringLiteral(
      "QSlider::groove:horizontal { height: 8px; background: #ffffff; border: 1px solid #8fbf74;"
      " border-radius: 4px; }"
      "QSlider::add-page:horizontal { background: #7cc05a; border-radius: 4px; }"
      "QSlider::sub-page:horizontal { background: #ffffff; border-radius: 4px; }"
      "QSlider::handle:horizontal { width: 14px; margin: -6px 0; border-radius: 7px;"
      " background: #23401a; }"));
  labelbaja = Etiqueta(panelconsulta, "labelbaja", {14, 200, 170, 22});
  LabelAlta = Etiqueta(panelconsulta, "LabelAlta", {196, 200, 170, 22});
  LabelAlta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  panelconsulta->hide();

  Panelcon2 = Panel(Panelinicio, "Panelcon2", {440, 56, 548, 544});
  PanelconsultaTit = Etiqueta(Panelcon2, "PanelconsultaTit", {2, 2, 544, 34});
  PanelconsultaTit->setIndent(10);
  Listcon = new ListaMarcada(Panelcon2, 16, QColor(0, 128, 0), Qt::white);
  Listcon->setObjectName(QStringLiteral("Listcon"));
  Listcon->setGeometry(2, 38, 544, 504);
  Panelcon2->hide();
}

void TForm1::MenuCarUni2Click() {
  for (QWidget* w : std::initializer_list<QWidget*>{
           MenuCarUni2, BotFP, PanelCarSel, PanelSel, PanelSelTit, ListSel, PanelCar, BotSelcar,
           ComSelCar, LabelSeleccion, BitRetroSelCar, PanelMenu}) {
    w->hide();
  }
  TimerParpadeo->stop();
  PanelSelTit->clear();
  ListSel->clear();
  ListSel->setCursor(Qt::ForbiddenCursor);
  MostrarAyuda(9);
  ModoConsulta = true;
  FichaDesdeConsulta = true;
  ModoFP = false;
  for (QWidget* w :
       std::initializer_list<QWidget*>{mapa, panelconsulta, RetroConsultas, Panelcon2, listBachiL})
    w->show();
  ListaActiva = true;
}

void TForm1::CerrarConsulta() {
  ModoConsulta = false;
  for (QWidget* w : std::initializer_list<QWidget*>{mapa, panelconsulta, BotImprimirCon,
                                                    RetroConsultas, Panelcon2})
    w->hide();
  PanelMapa->hide();
}

void TForm1::RetroConsultasClick() {
  MostrarAyuda(1);
  CerrarConsulta();
  FichaDesdeConsulta = false;
  servicios_.estado.ModoImpresion = false;
  AbrirMenu(PanelMenu);
  if (servicios_.estado.DesdeAsistente) {
    menui5Click();
  }
}

void TForm1::TrackDifChange(int posicion) {
  LabelDificultad->setText(T(652));
  LabelDificultad2->setText(T(652 + posicion));
  Consultar(false);
}

void TForm1::Consultar(bool imprimir) {
  const TablasDatos& t = servicios_.tablas;
  EntradaConsulta entrada;
  entrada.nota = NotaDeCampos(AWin(MaskEdit1->text()), AWin(MaskEdit2->text()));
  entrada.rama = listBachiL->currentIndex();
  entrada.dificultad = TrackDif->value();
  entrada.universidades = UniversidadesLista;
  const ResultadoConsulta r = sendaro::Consultar({t.carreras, t.universidades, t.datosCarreras},
                                                 entrada, servicios_.catalogo);
  switch (r.estado) {
    case EstadoConsulta::kNada:
      return;
    case EstadoConsulta::kFalta: {
      Listcon->show();
      QStringList filas;
      for (const std::string& f : r.filas) filas << DeWin(f);
      Listcon->Rellenar(filas);
      return;
    }
    case EstadoConsulta::kLista:
      break;
  }
  IndiceFilas = r.carreras;
  if (!imprimir) {
    Listcon->show();
    QStringList filas;
    for (const std::string& f : FilasEnPantalla(r, servicios_.catalogo)) {
      filas << RecortadoQt(DeWin(f));
    }
    Listcon->Rellenar(filas);
    BotImprimirCon->show();
    return;
  }
  CabeceraConsulta c;
  c.nombreCentro = servicios_.estado.NombreCentro;
  c.unidades = AWin(MaskEdit1->text());
  c.decimas = AWin(MaskEdit2->text());
  c.rama = AWin(listBachiL->currentText());
  c.comunidad = ComunidadInforme(t.comunidades, ComunidadSel);
  c.dificultad = AWin(LabelDificultad->text());
  c.dificultad2 = AWin(LabelDificultad2->text());
  Imprimir(InformeConsulta(c, r, servicios_.catalogo), kLineasNegritaConsulta, AWin(T(331)));
}

void TForm1::ListconDblClick() {
  const int fila = Listcon->currentRow();
  if (fila < 0 || fila >= static_cast<int>(IndiceFilas.size())) return;
  if (Listcon->item(fila)->text().startsWith(QLatin1Char('-'))) return;
  if (IndiceFilas[static_cast<std::size_t>(fila)] == 0) return;  // a notice row
  CerrarConsulta();
  PanelSel->show();
  ListSelDblClick();
}

void TForm1::mapaMouseMove(int x, int y) {
  PanelMapa->show();
  PanelMapa->raise();
  RegionMapa = ComunidadEn(servicios_.puntos, x, y);
  PanelMapa->setGeometry(x, y + 110, 115, PanelMapa->height());
  QString pista;
  if (EsComunidad(RegionMapa)) {
    pista = RecortadoQt(DeWin(Columnas(servicios_.tablas.comunidades[RegionMapa], 3, 60)));
    mapa->setCursor(Qt::PointingHandCursor);
  } else {
    mapa->setCursor(Qt::ArrowCursor);
  }
  mapa->setToolTip(pista);
  // The hint changes under the pointer: the label follows it.
  PanelMapa->setText(pista);
  PanelMapa->setVisible(!pista.isEmpty());
}

void TForm1::mapaClick() {
  if (!EsComunidad(RegionMapa)) return;
  ComunidadSel = RegionMapa;
  PanelMapa->hide();
  if (MapaClickFP()) return;  // the community choice for printing, or vocational centres
  if (!ModoConsulta) {
    ComunidadElegida();
    return;
  }
  PanelconsultaTit->setText(
      RecortadoQt(DeWin(Columnas(servicios_.tablas.comunidades[ComunidadSel], 3, 60))));
  ComunidadSel = ComunidadConsultada(ComunidadSel);
  UniversidadesLista = UniversidadesComunidad(servicios_.tablas.universidades, ComunidadSel);
  Consultar(false);
}

}  // namespace sendaro
