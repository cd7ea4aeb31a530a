// The printouts of the middle-grade screen: a title's report, previewed in
// the panel before the print dialog, with the choice of communities when
// the whole report is too long; and the places report of the grid on view.
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/impresora.h"
#include "data/impresion/informes.h"
#include "data/qt/impresora_qt.h"
#include "data/texto.h"
#include "sections/middle_grade/qt/tform3.h"
#include "ui/piezas.h"
#include "ui/servicios.h"

namespace sendaro {

using namespace piezas;

namespace {

std::string MayusculasWin(std::string_view texto) { return AWin(DeWin(texto).toUpper()); }

// Room between the map and the communities' choice panel.
constexpr int kHuecoMapa = 14;

}  // namespace

void TForm3::CrearInformes() {
  impresora_ = std::make_unique<ImpresoraQt>(this);
  // Right of the map (which ends at x 341 with the sample picture), so that
  // no island is under it.
  PanelImp = Panel(this, "PanelImp", {356, 180, 400, 380});
  LabelSelCom1 = Etiqueta(PanelImp, "LabelSelCom1", {12, 10, 376, 44});
  ListImp = Lista<QListWidget>(PanelImp, "ListImp", {12, 58, 376, 212});
  LabelSelCom2 = Etiqueta(PanelImp, "LabelSelCom2", {12, 274, 376, 44});
  BotAceptar = Boton(PanelImp, "BotAceptar", {130, 326, 140, 40});
  for (QLabel* l : {LabelSelCom1, LabelSelCom2}) {
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignCenter);
  }
  PanelImp->hide();
  connect(BotImprimir, &QPushButton::clicked, this, &TForm3::BotImprimirClick);
  connect(ListImp, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ListImpClick(ListImp->row(item)); });
  connect(BotAceptar, &QPushButton::clicked, this, &TForm3::BotAceptarClick);
}

void TForm3::FijarImpresora(std::unique_ptr<Impresora> impresora) {
  impresora_ = std::move(impresora);
}

void TForm3::BotImprimirClick() {
  EstadoPrograma& e = servicios_.estado;
  const TablasDatos& t = servicios_.tablas;
  e.ModoImpresion = true;
  InformeGM informe;
  if (e.ModoLugares) {
    if (VistaCataluna) nombreLugar_ = RecortadoQt(DeWin(NombreComarca(t.comarcas, ComarcaSel)));
    // Only a listing on view is printed.
    const bool listado = VistaCataluna || VistaMadrid || e.FaseLocalidades;
    if (!listado || filasLugar_.empty()) {
      e.ModoImpresion = false;
      return;
    }
    informe = InformeLugarGM(servicios_.catalogo, AWin(nombreLugar_), filasLugar_);
  } else {
    if (TituloGMSel <= 0) {
      e.ModoImpresion = false;
      return;
    }
    std::vector<int> comunidades;
    const bool aceptada = HayEleccionAceptada;
    if (aceptada) {
      comunidades = ComunidadesImp;
    } else {
      for (int c = 1; c <= kComunidades; ++c) comunidades.push_back(c);
    }
    const FuentesInformeGM fuentes{t.titulosGM, t.bloquesGM,         t.lineasInforma, t.comunidades,
                                   Lugares(),   servicios_.catalogo, MayusculasWin};
    informe = InformeTituloGM(fuentes, TituloGMSel, comunidades);
    HayEleccionAceptada = false;
    const bool todas = static_cast<int>(comunidades.size()) == kComunidades;
    if (InformeLargo(informe, todas)) {
      // A larger map picture pushes the panel further right.
      const int izquierda = std::max(PanelImp->x(), mapa->geometry().right() + kHuecoMapa);
      PanelImp->move(std::min(izquierda, width() - PanelImp->width()), PanelImp->y());
      PanelImp->show();
      PanelImp->raise();
      mapa->show();
      ComunidadesImp.clear();
      ListImp->clear();
      EligiendoComunidades = true;
      e.ModoImpresion = false;
      return;
    }
    // The preview in the panel, section lines in bold.
    reja->hide();
    listSelFP->clear();
    listSelFP->setFont(LetraQt(QStringLiteral("Courier New"), Letra(10)));
    listSelFP->setCursor(Qt::ArrowCursor);
    for (std::size_t k = 0; k < informe.lineas.size(); ++k) {
      auto* item = new QListWidgetItem(RecortadoQt(DeWin(informe.lineas[k])), listSelFP);
      const int linea = static_cast<int>(k) + 1;
      if (std::find(informe.negritas.begin(), informe.negritas.end(), linea) !=
          informe.negritas.end()) {
        QFont negrita = listSelFP->font();
        negrita.setBold(true);
        item->setFont(negrita);
      }
    }
    listSelFP->show();
    listSelFP->scrollToTop();
    EligiendoComunidades = false;
  }
  e.ModoImpresion = false;
  filaSobreFamilias_ = 0;
  Imprimir(informe);
}

void TForm3::Imprimir(const InformeGM& informe) {
  ultimoInforme_ = informe;
  BuffersCompartidos& b = Compartidos();
  b.LineasImpresion.Vaciar();
  b.LineasImpresion.Fijar(0, informe.titulo);
  for (std::size_t k = 0; k < informe.lineas.size(); ++k)
    b.LineasImpresion.Fijar(static_cast<int>(k) + 1, informe.lineas[k]);
  b.Secciones.Vaciar();
  for (const int n : informe.negritas) b.Secciones.Agregar(n);
  ImprimirTresColumnas(
      *impresora_, DatosCabeceraDe(servicios_.catalogo, servicios_.estado.NombreCentro),
      b.LineasImpresion, static_cast<int>(informe.lineas.size()), true, b.Secciones);
}

void TForm3::ElegirComunidad(int codigo) {
  if (std::find(ComunidadesImp.begin(), ComunidadesImp.end(), codigo) != ComunidadesImp.end())
    return;
  ComunidadesImp.push_back(codigo);
  ListImp->addItem(RecortadoQt(DeWin(Columnas(servicios_.tablas.comunidades[codigo], 3, 51))));
}

void TForm3::ListImpClick(int fila) {
  if (fila < 0 || static_cast<std::size_t>(fila) >= ComunidadesImp.size()) return;
  delete ListImp->takeItem(fila);
  ComunidadesImp.erase(ComunidadesImp.begin() + fila);
}

void TForm3::BotAceptarClick() {
  PanelImp->hide();
  ListImp->clear();
  HayEleccionAceptada = true;
  EligiendoComunidades = false;
  BotImprimirClick();
}

}  // namespace sendaro
