// Arts studies: each field's file read when it is chosen, its titles,
// specialities and places (plastic arts by community on the map or by
// speciality), web addresses opened by double click, and the printout.
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/informes.h"
#include "data/texto.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/tform1.h"
#include "ui/direccion_web.h"
#include "ui/piezas.h"
#include "ui/servicios.h"

namespace sendaro {

using namespace piezas;

namespace {

QStringList AQt(const std::vector<std::string>& filas) {
  QStringList lista;
  for (const std::string& f : filas) lista << RecortadoQt(DeWin(f));
  return lista;
}

}  // namespace

void TForm1::ConectarArtes() {
  const std::pair<QPushButton*, Arte> campos[] = {{BotArtesPlas, Arte::kPlastica},
                                                  {BotMusica, Arte::kMusica},
                                                  {BotDanza, Arte::kDanza},
                                                  {BotDramatico, Arte::kDramatico}};
  for (const auto& [boton, arte] : campos) {
    connect(boton, &QPushButton::clicked, this,
            [this, a = arte] { AbrirArte(static_cast<int>(a)); });
  }
  connect(BotArtesTit, &QPushButton::clicked, this, &TForm1::BotArtesTitClick);
  connect(BotArtesEsp, &QPushButton::clicked, this, &TForm1::BotArtesEspClick);
  connect(BotArtesLug, &QPushButton::clicked, this, &TForm1::BotArtesLugClick);
}

FuentesArte TForm1::FuentesA() const {
  return {static_cast<Arte>(ArteSel), lineasArte_, servicios_.tablas.comunidades};
}

void TForm1::AbrirArte(int campo) {
  ModoArtes = true;
  ArteSel = campo;
  PanelMenu->hide();
  PanelMenu4->hide();
  for (QWidget* w :
       std::initializer_list<QWidget*>{PanelSel, PanelSelTit, ListSel, BotRetroceder, BotImprimirN,
                                       BotArtesTit, BotArtesEsp, BotArtesLug, PanelCarSel}) {
    w->show();
  }
  PanelSelTit->clear();
  const Arte arte = static_cast<Arte>(campo);
  PanelCarSel->setText(T(TextoTituloArte(arte)));
  // A missing file has shown its message; the lists stay empty.
  LeerArte(servicios_.estado.entorno, arte, lineasArte_);
  ListSel->setFont(LetraQt(QStringLiteral("Times New Roman"), Letra(12)));
  ListSel->Rellenar(AQt(TitulosArte(FuentesA())));
  ListaActiva = false;
}

void TForm1::BotArtesTitClick() {
  ListSel->setCursor(Qt::ForbiddenCursor);
  ListSel->Rellenar(AQt(TitulosArte(FuentesA())));
  ListaActiva = false;
}

void TForm1::BotArtesEspClick() {
  ListSel->setCursor(Qt::ForbiddenCursor);
  ListaActiva = false;
  const std::vector<std::string> especialidades = EspecialidadesArte(FuentesA());
  if (static_cast<Arte>(ArteSel) == Arte::kPlastica) {
    mapa->hide();
    QFont letra = ListComunidad->font();
    letra.setPointSize(11);
    ListComunidad->setFont(letra);
    ListComunidad->clear();
    ListComunidad->addItems(AQt(especialidades));
    ListComunidad->show();
    ListComunidad->raise();
    return;
  }
  ListSel->Rellenar(AQt(especialidades));
}

void TForm1::MostrarLugaresEspecialidad(int fila) {
  if (fila < 0 || fila >= kEspecialidadesPlastica) return;
  CarreraSel = fila;
  PanelSelTit->setText(ListComunidad->item(fila)->text());
  const std::vector<std::string> filas = LugaresPorEspecialidad(FuentesA(), fila);
  ListaActiva = false;
  if (filas.empty()) return;
  RevelarPanel(PanelSel, 0);
  ListSel->Rellenar(AQt(filas));
  RevelarPanel(PanelSel, 1);
}

void TForm1::BotArtesLugClick() {
  if (static_cast<Arte>(ArteSel) == Arte::kPlastica) {
    ListComunidad->hide();
    PanelMenu->hide();
    mapa->show();
    MostrarAyuda(31);
    for (QWidget* w :
         std::initializer_list<QWidget*>{PanelSel, PanelSelTit, ListSel, BotRetroceder})
      w->show();
    ListSel->setCursor(Qt::ForbiddenCursor);
    return;
  }
  ListSel->Rellenar(AQt(LugaresArte(FuentesA())));
  ListaActiva = true;
  ListSel->setCursor(Qt::PointingHandCursor);
}

void TForm1::LugaresArteComunidad() {
  PanelSelTit->setText(
      RecortadoQt(DeWin(Columnas(servicios_.tablas.comunidades[ComunidadSel], 3, 60))));
  ListSel->clear();
  ListSel->Rellenar(AQt(LugaresPorComunidad(FuentesA(), ComunidadSel)));
}

void TForm1::ImprimirArteElegido() {
  const Arte arte = static_cast<Arte>(ArteSel);
  const InformeArte inf = ImprimirArte(FuentesA(), AWin(T(TextoTituloArte(arte))));
  ListSel->Rellenar(AQt(inf.lineas));
  BuffersCompartidos& b = Compartidos();
  b.LineasImpresion.Vaciar();
  for (std::size_t i = 0; i < inf.lineas.size(); ++i)
    b.LineasImpresion.Fijar(static_cast<int>(i), inf.lineas[i]);
  b.Secciones.Vaciar();
  for (const int n : inf.negritas) b.Secciones.Agregar(n);
  servicios_.estado.ModoImpresion = true;
  ImprimirVertical(
      *impresora_, DatosCabeceraDe(servicios_.catalogo, servicios_.estado.NombreCentro),
      b.LineasImpresion, static_cast<int>(inf.lineas.size()) - 1, false, 12, b.Secciones);
  servicios_.estado.ModoImpresion = false;
}

bool TForm1::AbrirFilaArte() {
  if (!ModoArtes) return false;
  // In the arts only web addresses open.
  QListWidgetItem* fila = ListSel->currentItem();
  if (fila != nullptr && EsDireccionArte(AWin(fila->text()))) {
    AbrirDireccionWeb(servicios_.dialogos, fila->text().trimmed());
  }
  return true;
}

}  // namespace sendaro
