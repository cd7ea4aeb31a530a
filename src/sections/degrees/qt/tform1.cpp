#include "sections/degrees/qt/tform1.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusTipEvent>
#include <algorithm>

#include "data/carreras/datos_carreras.h"
#include "data/impresion/impresora.h"
#include "data/texto.h"
#include "sections/degrees/consulta.h"
#include "sections/degrees/mapa_comunidades.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/pagina_grados.h"
#include "sections/degrees/qt/visor_artes.h"
#include "sections/degrees/qt/visor_consulta.h"
#include "sections/degrees/qt/visor_cuestionario.h"
#include "sections/degrees/qt/visor_ficha.h"
#include "sections/degrees/qt/visor_fp.h"
#include "sections/degrees/qt/visor_nuevas.h"
#include "sections/degrees/qt/visor_universidades.h"
#include "ui/accesible.h"
#include "ui/foco_teclado.h"
#include "ui/mapa_teclado.h"
#include "ui/mosaico.h"
#include "ui/piezas.h"
#include "ui/salida.h"
#include "ui/servicios.h"
#include "ui/teclas_listas.h"

namespace sendaro {

using namespace piezas;

namespace {

constexpr int kAnchoEtiquetaMapa = 115;  // the map's name label at its narrowest

}  // namespace

TForm1::TForm1(Servicios& servicios, QWidget* padre) : QWidget(padre), servicios_(servicios) {
  setObjectName(QStringLiteral("TForm1"));
  resize(1024, 768);
  // The browsers are made in the order their panels lie on the page, the
  // later ones above.
  pagina_ = new PaginaGrados(servicios, this);
  PaginaGrados& p = *pagina_;
  p.ficha = ficha_ = new VisorFicha(p);
  p.consulta = consulta_ = new VisorConsulta(p);
  p.universidades = universidades_ = new VisorUniversidades(p);
  p.nuevas = nuevas_ = new VisorNuevas(p);
  p.artes = artes_ = new VisorArtes(p);
  p.cuestionario = cuestionario_ = new VisorCuestionario(p);
  p.CrearAyuda();
  p.fp = fp_ = new VisorFP(p);
  // Every button of the page shows the hand.
  for (QPushButton* b : findChildren<QPushButton*>()) b->setCursor(Qt::PointingHandCursor);

  p.Preparar();
  ficha_->Preparar();
  consulta_->Preparar();
  universidades_->Preparar();
  nuevas_->Preparar();
  artes_->Preparar();
  fp_->Preparar();

  const QString nombre = servicios.Nombre().trimmed();
  p.LabelAno->setText(p.T(175) + QLatin1Char('\n') + QStringLiteral("2008-2009"));
  p.LabelAno2->setText(nombre);
  QFont letraNombre = p.LabelAno2->font();
  letraNombre.setPointSize(TamanoNombreCentro(servicios.estado.NombreCentro));
  p.LabelAno2->setFont(letraNombre);
  p.PanelSelTit->clear();
  Conectar();
  NombrarAccesibles(this);
  fp_->NombrarAccesos();
}

TForm1::~TForm1() = default;

void TForm1::Preparar(Servicios& servicios) {
  EstadoPrograma& e = servicios.estado;
  CargarTablasCarreras(e.entorno, servicios.catalogo, servicios.tablas);
  CargarDatosFijos(e.entorno, servicios.catalogo, servicios.tablas);
}

void TForm1::Entrar(entrada::Carreras accion) {
  switch (accion) {
    case entrada::Carreras::kInformacion:
      BotInformacionClick();
      break;
    case entrada::Carreras::kFamiliasFP:
      fp_->EntrarFP();
      break;
    case entrada::Carreras::kCuestionario:
      botSendaroClick();
      break;
    case entrada::Carreras::kElegido:
      AbrirElegido();
      break;
  }
}

void TForm1::AbrirElegido() {
  const auto destino = servicios_.navegacion.TomarDestino();
  if (destino && destino->clase == ClaseBusqueda::kTituloSuperior) {
    fp_->AbrirTitulo(destino->linea);
    return;
  }
  BotInformacionClick();
  if (!destino) return;
  if (destino->clase == ClaseBusqueda::kUniversidad) {
    AbrirUniversidad(destino->linea);
  } else if (destino->clase == ClaseBusqueda::kCarrera) {
    ficha_->AbrirCarrera(destino->linea);
  }
}

void TForm1::AbrirUniversidad(int u) {
  const TablaUniversidades& universidades = servicios_.tablas.universidades;
  if (u < 1 || u > universidades.cuenta) return;
  universidades_->menuCarUni3Click();
  pagina_->ComunidadSel = universidades.comunidades[static_cast<std::size_t>(u)];
  ComunidadElegida();
  const std::vector<int>& lista = universidades_->UniversidadesLista;
  const auto fila = std::find(lista.begin(), lista.end(), u);
  if (fila == lista.end()) return;
  pagina_->ListComunidad->setCurrentRow(static_cast<int>(fila - lista.begin()));
  ListComunidadClick();
}

void TForm1::FijarImpresora(std::unique_ptr<Impresora> impresora) {
  pagina_->FijarImpresora(std::move(impresora));
}

bool TForm1::FormCloseQuery() { return SalidaConfirmada(servicios_); }

void TForm1::Conectar() {
  PaginaGrados& p = *pagina_;
  p.degradeini->installEventFilter(this);
  p.mapa->installEventFilter(this);
  new MapaTeclado(
      p.mapa, [this](int x, int y) { return ComunidadEn(servicios_.puntos, x, y); },
      servicios_.Texto(textos_accesibles::kMapaComunidades), p.PanelMapa);
  for (QPushButton* b : {p.MenuCarUni1, p.menuCarUni3, p.Menui3, p.menui2, p.Menui4, p.menui6,
                         p.menui5}) {
    b->installEventFilter(this);
  }
  connect(p.MenuCarUni1, &QPushButton::clicked, ficha_, &VisorFicha::MenuCarUni1Click);
  connect(p.menui5, &QPushButton::clicked, &p, &PaginaGrados::Salir);
  BotonEsc(*p.menui5);  // the menu's way out
  connect(p.BotRetroceder, &QPushButton::clicked, this, &TForm1::BotRetrocederClick);
  connect(p.BotImprimir, &QPushButton::clicked, this, &TForm1::BotImprimirClick);
  connect(p.ListSel, &ListaMarcada::Abrir, this, &TForm1::ListSelAbrir);
  connect(p.ListComunidad, &QListWidget::itemClicked, this, &TForm1::ListComunidadClick);
  EnterPropio(*p.ListComunidad);  // the list reads Enter itself
  connect(p.ListComunidad, &QListWidget::itemActivated, this, &TForm1::ListComunidadClick);
  connect(cuestionario_, &VisorCuestionario::Volver, this, &TForm1::VolverDelCuestionario);
}

void TForm1::BotInformacionClick() {
  pagina_->MostrarAyuda(1);
  ficha_->PrimeraFilaLista = 0;
  pagina_->AbrirMenu(pagina_->PanelMenu);
}

void TForm1::botSendaroClick() {
  PaginaGrados& p = *pagina_;
  VisorCuestionario& c = *cuestionario_;
  p.Panelinicio->hide();
  c.Panelcon->setGeometry(rect());
  c.Panelcon->show();
  c.Panelcon->raise();
  c.degradecon->show();
  // The help bubble goes with the page on view.
  p.payuda->setParent(c.Panelcon);
  c.Empezar();
}

void TForm1::VolverDelCuestionario() {
  PaginaGrados& p = *pagina_;
  p.payuda->setParent(p.Panelinicio);
  p.payuda->hide();
  p.Panelinicio->show();
  cuestionario_->Panelcon->hide();
  p.Salir();
}

void TForm1::ListSelAbrir() {
  if (artes_->AbrirFila()) return;
  ficha_->ListSelDblClick();
}

void TForm1::mapaMouseMove(int x, int y) {
  PaginaGrados& p = *pagina_;
  p.PanelMapa->show();
  p.PanelMapa->raise();
  p.RegionMapa = ComunidadEn(servicios_.puntos, x, y);
  QString pista;
  if (EsComunidad(p.RegionMapa)) {
    pista = p.NombreComunidad(p.RegionMapa);
    p.mapa->setCursor(Qt::PointingHandCursor);
  } else {
    p.mapa->setCursor(Qt::ArrowCursor);
  }
  p.mapa->setToolTip(pista);
  // The label is as wide as the name it shows.
  const int ancho = p.PanelMapa->fontMetrics().horizontalAdvance(pista) + 2 * p.PanelMapa->frameWidth() +
                    2 * p.PanelMapa->margin() + 10;
  p.PanelMapa->setGeometry(x, y + 110, std::max(kAnchoEtiquetaMapa, ancho), p.PanelMapa->height());
  // The hint changes under the pointer: the label follows it.
  p.PanelMapa->setText(pista);
  p.PanelMapa->setVisible(!pista.isEmpty());
}

void TForm1::mapaClick() {
  PaginaGrados& p = *pagina_;
  if (!EsComunidad(p.RegionMapa)) return;
  p.ComunidadSel = p.RegionMapa;
  p.PanelMapa->hide();
  if (fp_->MapaClick()) return;  // the community choice for printing, or vocational centres
  if (consulta_->ModoConsulta) {
    consulta_->ComunidadElegida();
  } else {
    ComunidadElegida();
  }
}

void TForm1::ComunidadElegida() {
  PaginaGrados& p = *pagina_;
  p.MostrarAyuda(15);
  p.ComunidadSel = ComunidadConsultada(p.ComunidadSel);
  if (artes_->PorComunidad()) {
    artes_->LugaresArteComunidad();
  } else if (nuevas_->ModoGrados) {
    nuevas_->NuevasDeComunidad();
  } else {
    universidades_->ComunidadElegida();
  }
}

void TForm1::ListComunidadClick() {
  const int fila = pagina_->ListComunidad->currentRow();
  if (fila < 0) return;
  if (artes_->ModoArtes) {
    artes_->MostrarLugaresEspecialidad(fila);
  } else if (nuevas_->ModoGrados) {
    nuevas_->ListComunidadClick(fila);
  } else {
    universidades_->ListComunidadClick(fila);
  }
}

void TForm1::BotImprimirClick() {
  // The vocational centres print their own way.
  if (fp_->ModoLugaresFP) {
    fp_->BotImprimirFPClick();
  } else {
    universidades_->BotImprimirClick();
  }
}

EstadoRetroceso TForm1::EstadoActual() const {
  return {artes_->ModoArtes,
          nuevas_->ModoGrados,
          nuevas_->ModoGrados ? nuevas_->ModoLista : universidades_->ModoLista,
          universidades_->ModoDobles,
          universidades_->ModoOtras,
          !pagina_->ListComunidad->isHidden(),
          !pagina_->mapa->isHidden()};
}

void TForm1::BotRetrocederClick() {
  servicios_.estado.ModoImpresion = false;
  for (const PasoRetroceso paso : Retroceder(EstadoActual())) EjecutarRetroceso(paso);
}

void TForm1::EjecutarRetroceso(PasoRetroceso paso) {
  PaginaGrados& p = *pagina_;
  switch (paso) {
    case PasoRetroceso::kSalirArtes:
      artes_->Salir();
      break;
    case PasoRetroceso::kCerrarGrados:
      nuevas_->Cerrar();
      break;
    case PasoRetroceso::kGradosAlMapa:
    case PasoRetroceso::kComunidadAlMapa:
      p.ListComunidad->hide();
      p.mapa->show();
      break;
    case PasoRetroceso::kCerrarResultado:
      universidades_->CerrarResultado();
      break;
    case PasoRetroceso::kMenuDesdeDobles:
      universidades_->SalirDobles();
      break;
    case PasoRetroceso::kMenuDesdeOtras:
      universidades_->SalirOtras();
      break;
    case PasoRetroceso::kMenuDesdeMapa:
      p.mapa->hide();
      p.BotRetroceder->hide();
      p.AbrirMenu(p.PanelMenu);
      p.MostrarAyuda(1);
      break;
  }
}

bool TForm1::event(QEvent* evento) {
  // The application's hint goes to the floating map label.
  if (evento->type() == QEvent::StatusTip) {
    pagina_->PanelMapa->setText(static_cast<QStatusTipEvent*>(evento)->tip());
    return true;
  }
  return QWidget::event(evento);
}

bool TForm1::eventFilter(QObject* objeto, QEvent* evento) {
  PaginaGrados& p = *pagina_;
  const QEvent::Type tipo = evento->type();
  if (objeto == p.mapa) {
    if (tipo == QEvent::MouseMove) {
      const QPoint punto = static_cast<QMouseEvent*>(evento)->position().toPoint();
      mapaMouseMove(punto.x(), punto.y());
    } else if (tipo == QEvent::MouseButtonRelease) {
      mapaClick();
    }
    return false;
  }
  if (objeto == p.degradeini && tipo == QEvent::MouseMove) {
    p.PanelMapa->hide();
    p.OcultarSubmenus();
    return false;
  }
  if (tipo == QEvent::Enter) {
    if (auto* w = qobject_cast<QWidget*>(objeto); w != nullptr && w->parentWidget() == p.PanelMenu) {
      p.MenuSobre(w);
    }
  }
  return QWidget::eventFilter(objeto, evento);
}

}  // namespace sendaro
