#include "sections/degrees/qt/visor_consulta.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include "data/texto.h"
#include "sections/degrees/consulta.h"
#include "sections/degrees/mapa_comunidades.h"
#include "sections/degrees/qt/arriba_abajo.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/pagina_grados.h"
#include "sections/degrees/qt/visor_ficha.h"
#include "sections/degrees/qt/visor_fp.h"
#include "ui/piezas.h"
#include "ui/servicios.h"

namespace sendaro {

using namespace piezas;

VisorConsulta::VisorConsulta(PaginaGrados& pagina) : QObject(&pagina), p_(pagina) {
  MenuCarUni2 = Boton(p_.PanelSel, "MenuCarUni2", {492 - 196, 430 + 6, 190, 32});
  MenuCarUni2->hide();
  RetroConsultas = Boton(p_.Panelinicio, "RetroConsultas", {440, 612, 160, 38});
  BotImprimirCon = Boton(p_.Panelinicio, "BotImprimirCon", {610, 612, 160, 38});
  RetroConsultas->hide();
  BotImprimirCon->hide();

  panelconsulta = Panel(p_.Panelinicio, "panelconsulta", {40, 300, 380, 258});
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

  Panelcon2 = Panel(p_.Panelinicio, "Panelcon2", {440, 56, 548, 544});
  PanelconsultaTit = Etiqueta(Panelcon2, "PanelconsultaTit", {2, 2, 544, 34});
  PanelconsultaTit->setIndent(10);
  Listcon = new ListaMarcada(Panelcon2, 16, QColor(0, 128, 0), Qt::white);
  Listcon->setObjectName(QStringLiteral("Listcon"));
  Listcon->setGeometry(2, 38, 544, 504);
  Panelcon2->hide();

  connect(MenuCarUni2, &QPushButton::clicked, this, &VisorConsulta::MenuCarUni2Click);
  connect(RetroConsultas, &QPushButton::clicked, this, &VisorConsulta::RetroConsultasClick);
  connect(BotImprimirCon, &QPushButton::clicked, this, [this] { Consultar(true); });
  connect(listBachiL, &QComboBox::currentIndexChanged, this, [this] { Consultar(false); });
  connect(MaskEdit1, &QLineEdit::textChanged, this, [this] { Consultar(false); });
  connect(MaskEdit2, &QLineEdit::textChanged, this, [this] { Consultar(false); });
  connect(TrackDif, &QSlider::valueChanged, this, &VisorConsulta::TrackDifChange);
  connect(Listcon, &ListaMarcada::Abrir, this, [this] { ListconDblClick(); });
}

void VisorConsulta::Preparar() {
  MenuCarUni2->setText(p_.T(307));
  RetroConsultas->setText(p_.T(82));
  BotImprimirCon->setText(p_.T(36));
  LabelComa->setText(QStringLiteral(","));
  LabelDificultad->setText(p_.T(651));
  LabelDificultad2->setText(p_.T(333));
  labelbaja->setText(p_.T(653));
  LabelAlta->setText(p_.T(659));

  const Tema& tema = p_.servicios().TemaActual();
  const QColor titulo = ColorQ(tema.ColorTitulo);
  const QColor textoTitulo = ColorQ(tema.ColorTextoTitulo);
  Pintar(PanelconsultaTit, titulo, textoTitulo);
  PintarCombo(listBachiL, titulo, textoTitulo);
  Pintar(panelconsulta, ColorQ(ColorMenu));
  PintarLista(Listcon, ColorQ(ColorListas), QColor(0, 0, 128));

  const QString times = QStringLiteral("Times New Roman");
  listBachiL->setFont(LetraQt(times, p_.Letra(12)));
  PanelconsultaTit->setFont(LetraQt(times, p_.Letra(12), true));
  for (QWidget* w :
       std::initializer_list<QWidget*>{LabelConsejo, LabelDificultad, LabelDificultad2}) {
    w->setFont(LetraQt(times, p_.Letra(11), true));
  }
  for (QLabel* w : {labelbaja, LabelAlta}) w->setFont(LetraQt(times, p_.Letra(10)));
  for (QWidget* w : std::initializer_list<QWidget*>{MaskEdit1, MaskEdit2, LabelComa})
    w->setFont(LetraQt(times, p_.Letra(14), true));
  Listcon->setFont(LetraQt(QStringLiteral("Courier New"), p_.Letra(10), true));

  const TablaLinea& requisitos = p_.servicios().tablas.requisitos;
  LabelConsejo->setText(RecortadoQt(DeWin(requisitos[11])));
  listBachiL->clear();
  for (int r = 19; r <= 23; ++r) listBachiL->addItem(RecortadoQt(DeWin(requisitos[r])));
  listBachiL->addItem(p_.T(333));
  listBachiL->setPlaceholderText(RecortadoQt(DeWin(requisitos[12])));
  listBachiL->setCurrentIndex(-1);
}

void VisorConsulta::MenuCarUni2Click() {
  p_.ficha->Cerrar();
  p_.PanelMenu->hide();
  p_.MostrarAyuda(9);
  ModoConsulta = true;
  FichaDesdeConsulta = true;
  p_.fp->ModoFP = false;
  for (QWidget* w : std::initializer_list<QWidget*>{p_.mapa, panelconsulta, RetroConsultas,
                                                    Panelcon2, listBachiL})
    w->show();
  p_.ListaActiva = true;
}

void VisorConsulta::CerrarConsulta() {
  ModoConsulta = false;
  for (QWidget* w : std::initializer_list<QWidget*>{p_.mapa, panelconsulta, BotImprimirCon,
                                                    RetroConsultas, Panelcon2})
    w->hide();
  p_.PanelMapa->hide();
}

void VisorConsulta::RetroConsultasClick() {
  p_.MostrarAyuda(1);
  CerrarConsulta();
  FichaDesdeConsulta = false;
  p_.servicios().estado.ModoImpresion = false;
  p_.AbrirMenu(p_.PanelMenu);
  if (p_.servicios().estado.DesdeAsistente) p_.Salir();
}

void VisorConsulta::TrackDifChange(int posicion) {
  LabelDificultad->setText(p_.T(652));
  LabelDificultad2->setText(p_.T(652 + posicion));
  Consultar(false);
}

void VisorConsulta::Consultar(bool imprimir) {
  Servicios& s = p_.servicios();
  const TablasDatos& t = s.tablas;
  EntradaConsulta entrada;
  entrada.nota = NotaDeCampos(AWin(MaskEdit1->text()), AWin(MaskEdit2->text()));
  entrada.rama = listBachiL->currentIndex();
  entrada.dificultad = TrackDif->value();
  entrada.universidades = UniversidadesLista;
  const ResultadoConsulta r =
      sendaro::Consultar({t.carreras, t.universidades, t.datosCarreras}, entrada, s.catalogo);
  switch (r.estado) {
    case EstadoConsulta::kNada:
      return;
    case EstadoConsulta::kFalta: {
      BotImprimirCon->hide();
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
    for (const std::string& f : FilasEnPantalla(r, s.catalogo)) filas << RecortadoQt(DeWin(f));
    Listcon->Rellenar(filas);
    BotImprimirCon->show();
    return;
  }
  CabeceraConsulta c;
  c.nombreCentro = s.estado.NombreCentro;
  c.unidades = AWin(MaskEdit1->text());
  c.decimas = AWin(MaskEdit2->text());
  c.rama = AWin(listBachiL->currentText());
  c.comunidad = ComunidadInforme(t.comunidades, p_.ComunidadSel);
  c.dificultad = AWin(LabelDificultad->text());
  c.dificultad2 = AWin(LabelDificultad2->text());
  p_.Imprimir(InformeConsulta(c, r, s.catalogo), kLineasNegritaConsulta, AWin(p_.T(331)));
}

int VisorConsulta::CarreraDeFila() const {
  const int fila = Listcon->currentRow();
  return fila >= 0 && fila < static_cast<int>(IndiceFilas.size())
             ? IndiceFilas[static_cast<std::size_t>(fila)]
             : 0;
}

void VisorConsulta::ListconDblClick() {
  const int fila = Listcon->currentRow();
  if (fila < 0 || fila >= static_cast<int>(IndiceFilas.size())) return;
  if (Listcon->item(fila)->text().startsWith(QLatin1Char('-'))) return;
  if (IndiceFilas[static_cast<std::size_t>(fila)] == 0) return;  // a notice row
  CerrarConsulta();
  p_.PanelSel->show();
  p_.ficha->ListSelDblClick();
}

void VisorConsulta::ComunidadElegida() {
  PanelconsultaTit->setText(p_.NombreComunidad(p_.ComunidadSel));
  p_.ComunidadSel = ComunidadConsultada(p_.ComunidadSel);
  UniversidadesLista = UniversidadesComunidad(p_.servicios().tablas.universidades, p_.ComunidadSel);
  Consultar(false);
}

}  // namespace sendaro
