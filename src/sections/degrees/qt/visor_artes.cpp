#include "sections/degrees/qt/visor_artes.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/informes.h"
#include "data/texto.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/pagina_grados.h"
#include "sections/degrees/qt/visor_ficha.h"
#include "sections/degrees/qt/visor_nuevas.h"
#include "ui/direccion_web.h"
#include "ui/piezas.h"
#include "ui/servicios.h"

namespace sendaro {

using namespace piezas;

namespace {

constexpr int kAltoLista = 430;

QStringList AQt(const std::vector<std::string>& filas) {
  QStringList lista;
  for (const std::string& f : filas) lista << RecortadoQt(DeWin(f));
  return lista;
}

}  // namespace

VisorArtes::VisorArtes(PaginaGrados& pagina) : QObject(&pagina), p_(pagina) {
  const int fila = kAltoLista + 6;
  BotArtesTit = Boton(p_.PanelSel, "BotArtesTit", {6, fila, 150, 32});
  BotArtesEsp = Boton(p_.PanelSel, "BotArtesEsp", {166, fila, 150, 32});
  BotArtesLug = Boton(p_.PanelSel, "BotArtesLug", {326, fila, 150, 32});
  for (QWidget* w : std::initializer_list<QWidget*>{BotArtesTit, BotArtesEsp, BotArtesLug})
    w->hide();
  const std::pair<QPushButton*, Arte> campos[] = {{p_.BotArtesPlas, Arte::kPlastica},
                                                  {p_.BotMusica, Arte::kMusica},
                                                  {p_.BotDanza, Arte::kDanza},
                                                  {p_.BotDramatico, Arte::kDramatico}};
  for (const auto& [boton, arte] : campos) {
    connect(boton, &QPushButton::clicked, this,
            [this, a = arte] { AbrirArte(static_cast<int>(a)); });
  }
  connect(BotArtesTit, &QPushButton::clicked, this, &VisorArtes::BotArtesTitClick);
  connect(BotArtesEsp, &QPushButton::clicked, this, &VisorArtes::BotArtesEspClick);
  connect(BotArtesLug, &QPushButton::clicked, this, &VisorArtes::BotArtesLugClick);
}

void VisorArtes::Preparar() {
  BotArtesTit->setText(p_.T(533));
  BotArtesEsp->setText(p_.T(534));
  BotArtesLug->setText(p_.T(535));
}

FuentesArte VisorArtes::FuentesA() const {
  return {static_cast<Arte>(ArteSel), lineasArte_, p_.servicios().tablas.comunidades};
}

void VisorArtes::AbrirArte(int campo) {
  ModoArtes = true;
  ArteSel = campo;
  p_.PanelMenu->hide();
  p_.PanelMenu4->hide();
  for (QWidget* w :
       std::initializer_list<QWidget*>{p_.PanelSel, p_.PanelSelTit, p_.ListSel, p_.BotRetroceder, p_.nuevas->BotImprimirN,
                                       BotArtesTit, BotArtesEsp, BotArtesLug, p_.PanelCarSel}) {
    w->show();
  }
  p_.PanelSelTit->clear();
  const Arte arte = static_cast<Arte>(campo);
  p_.PanelCarSel->setText(p_.T(TextoTituloArte(arte)));
  // A missing file has shown its message; the lists stay empty.
  LeerArte(p_.servicios().estado.entorno, arte, lineasArte_);
  p_.ListSel->setFont(LetraQt(QStringLiteral("Times New Roman"), p_.Letra(12)));
  p_.ListSel->Rellenar(AQt(TitulosArte(FuentesA())));
  p_.ListaActiva = false;
}

void VisorArtes::BotArtesTitClick() {
  p_.ListSel->setCursor(Qt::ForbiddenCursor);
  p_.ListSel->Rellenar(AQt(TitulosArte(FuentesA())));
  p_.ListaActiva = false;
}

void VisorArtes::BotArtesEspClick() {
  p_.ListSel->setCursor(Qt::ForbiddenCursor);
  p_.ListaActiva = false;
  const std::vector<std::string> especialidades = EspecialidadesArte(FuentesA());
  if (static_cast<Arte>(ArteSel) == Arte::kPlastica) {
    p_.mapa->hide();
    QFont letra = p_.ListComunidad->font();
    letra.setPointSize(11);
    p_.ListComunidad->setFont(letra);
    p_.ListComunidad->clear();
    p_.ListComunidad->addItems(AQt(especialidades));
    p_.ListComunidad->show();
    p_.ListComunidad->raise();
    return;
  }
  p_.ListSel->Rellenar(AQt(especialidades));
}

void VisorArtes::MostrarLugaresEspecialidad(int fila) {
  if (fila < 0 || fila >= kEspecialidadesPlastica) return;
  EspecialidadSel = fila;
  p_.PanelSelTit->setText(p_.ListComunidad->item(fila)->text());
  const std::vector<std::string> filas = LugaresPorEspecialidad(FuentesA(), fila);
  p_.ListaActiva = false;
  if (filas.empty()) return;
  p_.RevelarPanel(p_.PanelSel, 0);
  p_.ListSel->Rellenar(AQt(filas));
  p_.RevelarPanel(p_.PanelSel, 1);
}

void VisorArtes::BotArtesLugClick() {
  if (static_cast<Arte>(ArteSel) == Arte::kPlastica) {
    p_.ListComunidad->hide();
    p_.PanelMenu->hide();
    p_.mapa->show();
    p_.MostrarAyuda(31);
    for (QWidget* w :
         std::initializer_list<QWidget*>{p_.PanelSel, p_.PanelSelTit, p_.ListSel, p_.BotRetroceder})
      w->show();
    p_.ListSel->setCursor(Qt::ForbiddenCursor);
    return;
  }
  p_.ListSel->Rellenar(AQt(LugaresArte(FuentesA())));
  p_.ListaActiva = true;
  p_.ListSel->setCursor(Qt::PointingHandCursor);
}

bool VisorArtes::PorComunidad() const {
  return ModoArtes && static_cast<Arte>(ArteSel) == Arte::kPlastica;
}

void VisorArtes::LugaresArteComunidad() {
  p_.PanelSelTit->setText(
      RecortadoQt(DeWin(Columnas(p_.servicios().tablas.comunidades[p_.ComunidadSel], 3, 60))));
  p_.ListSel->clear();
  p_.ListSel->Rellenar(AQt(LugaresPorComunidad(FuentesA(), p_.ComunidadSel)));
}

void VisorArtes::ImprimirArteElegido() {
  const Arte arte = static_cast<Arte>(ArteSel);
  const InformeArte inf = ImprimirArte(FuentesA(), AWin(p_.T(TextoTituloArte(arte))));
  p_.ListSel->Rellenar(AQt(inf.lineas));
  BuffersCompartidos& b = Compartidos();
  b.LineasImpresion.Vaciar();
  for (std::size_t i = 0; i < inf.lineas.size(); ++i)
    b.LineasImpresion.Fijar(static_cast<int>(i), inf.lineas[i]);
  b.Secciones.Vaciar();
  for (const int n : inf.negritas) b.Secciones.Agregar(n);
  p_.servicios().estado.ModoImpresion = true;
  ImprimirVertical(
      p_.LaImpresora(), DatosCabeceraDe(p_.servicios().catalogo, p_.servicios().estado.NombreCentro),
      b.LineasImpresion, static_cast<int>(inf.lineas.size()) - 1, false, 12, b.Secciones);
  p_.servicios().estado.ModoImpresion = false;
}

void VisorArtes::Salir() {
  ModoArtes = false;
  ArteSel = 0;
  for (QWidget* w : std::initializer_list<QWidget*>{p_.nuevas->BotImprimirN, p_.BotRetroceder,
                                                    p_.ListComunidad, BotArtesTit, BotArtesEsp,
                                                    BotArtesLug}) {
    w->hide();
  }
  QFont f = p_.ListComunidad->font();
  f.setPointSize(10);
  p_.ListComunidad->setFont(f);
  p_.ficha->MenuCarClick(8);
  p_.ListSel->setCursor(Qt::ForbiddenCursor);
}

bool VisorArtes::AbrirFila() {
  if (!ModoArtes) return false;
  // In the arts only web addresses open.
  QListWidgetItem* fila = p_.ListSel->currentItem();
  if (fila != nullptr && EsDireccionArte(AWin(fila->text()))) {
    AbrirDireccionWeb(p_.servicios().dialogos, fila->text().trimmed());
  }
  return true;
}

}  // namespace sendaro
