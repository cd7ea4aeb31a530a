// Places of study: the maps, the centres of the chosen title in a community
// (titles first), and places first: community, province or comarca or zone,
// town, and the centres there with the titles each teaches.
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

#include "data/impresion/impresora.h"
#include "data/texto.h"
#include "sections/middle_grade/qt/tform3.h"
#include "ui/piezas.h"
#include "ui/servicios.h"
#include "ui/sonido.h"
#include "ui/teclas_listas.h"

namespace sendaro {

using namespace piezas;

void TForm3::CrearLugares() {
  ListSelLugFP = Lista<QListWidget>(this, "ListSelLugFP", {60, 96, 330, 500});
  ListSelLugFP->setCursor(Qt::PointingHandCursor);
  ListSelLugFP->hide();
  puntos_ = TablaPuntos(servicios_.puntos);
  connect(ListSelLugFP, &QListWidget::itemClicked, this, [this] { ListSelLugFPClick(); });
  EnterPropio(*ListSelLugFP);  // the list reads Enter itself
  connect(ListSelLugFP, &QListWidget::itemActivated, this, [this] { ListSelLugFPClick(); });
  connect(listBarcelona, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { listBarcelonaClick(listBarcelona->row(item)); });
  connect(BotCerrar, &QPushButton::clicked, this, &TForm3::BotCerrarClick);
  connect(BotTelefono, &QPushButton::clicked, this, &TForm3::BotTelefonoClick);
  connect(botLug2, &QPushButton::clicked, this, &TForm3::botLug2Click);
  connect(reja, &QTableWidget::cellDoubleClicked, this, [this](int fila) { rejaDblClick(fila); });
  EnterPropio(*reja);  // the list reads Enter itself
  connect(reja, &QTableWidget::cellActivated, this, [this](int fila) { rejaDblClick(fila); });
}

FuentesLugares TForm3::Lugares() const {
  return {servicios_.tablas.titulosGM, centros_, servicios_.tablas.lugaresGM};
}

void TForm3::MapaMouseMove(Mapa cual, int x, int y) {
  QLabel* imagen = cual == Mapa::kComunidades ? mapa : cual == Mapa::kComarcas ? mapac : mapam;
  const int region = RegionEn(puntos_, cual, x, y);
  QString texto;
  int ancho = 115;
  const TablasDatos& t = servicios_.tablas;
  if (EsRegion(cual, region)) {
    if (cual == Mapa::kComunidades) {
      texto = RecortadoQt(DeWin(Columnas(t.comunidades[region], 3, 45)));
    } else if (cual == Mapa::kComarcas) {
      texto = RecortadoQt(DeWin(NombreComarca(t.comarcas, region)));
    } else {
      texto = RecortadoQt(DeWin(NombreZona(t.zonas, region)));
      ancho = 250;
    }
  }
  if (cual != Mapa::kComunidades)
    imagen->setCursor(texto.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
  const QPoint p = imagen->pos() + QPoint(x, y + 100);
  PanelMapa->setGeometry(p.x(), p.y(), ancho, PanelMapa->height());
  PanelMapa->setText(texto);
  PanelMapa->setVisible(!texto.isEmpty());
  PanelMapa->raise();
}

void TForm3::mapaClick(int region) {
  EstadoPrograma& e = servicios_.estado;
  MostrarSeleccion();
  if (!EsRegion(Mapa::kComunidades, region)) return;
  ComarcaSel = region;
  if (EligiendoComunidades) {
    ElegirComunidad(region);
    return;
  }
  e.ModoImpresion = false;
  PanelMapa->hide();
  Comunidad = ProvinciasComunidadGM(servicios_.tablas.comunidades, region);
  const int p = static_cast<int>(Comunidad.provincias.size());

  if (e.ModoTitulos) {
    PanelSelTit->setText(T(323));
    const std::vector<FilaCentro> filas = CentrosDelTituloGM(Lugares(), Comunidad, TituloGMSel);
    MostrarRejilla(filas, true, 0);
    if (e.ModoCuestionario) CentrosAlInforme(filas);
    return;
  }
  e.FaseLocalidades = false;
  for (QWidget* w : std::initializer_list<QWidget*>{mapa, mapac, mapam, listBarcelona, BotCerrar})
    w->hide();
  if (p == 1) {
    VistaCataluna = false;
    VistaMadrid = false;
    nombreLugar_ = RecortadoQt(DeWin(Comunidad.provincias[0].mostrar));
    ListSelLugFP->clear();
    ListSelLugFPClick();
    return;
  }
  ListSelLugFP->clear();
  for (const ProvinciaGM& pr : Comunidad.provincias)
    ListSelLugFP->addItem(RecortadoQt(DeWin(pr.mostrar)));
  VistaCataluna = region == kComunidadCataluna;
  VistaMadrid = region == kComunidadMadrid;
  ListSelLugFP->setVisible(!VistaCataluna && !VistaMadrid);
  mapac->setVisible(VistaCataluna);
  mapam->setVisible(VistaMadrid);
}

void TForm3::mapacClick(int region) {
  if (!EsRegion(Mapa::kComarcas, region)) return;
  ComarcaSel = region;
  PanelMapa->hide();
  if (region == kComarcaBarcelones) {
    listBarcelona->show();
    listBarcelona->raise();
    BotCerrar->show();
    BotCerrar->raise();
    return;
  }
  ListSelLugFPClick();
}

void TForm3::listBarcelonaClick(int fila) {
  if (fila < 0 || fila == kFilaSeparadorBarcelona) return;
  ComarcaSel = kPrimeraSubarea + fila;
  ListSelLugFPClick();
}

void TForm3::BotCerrarClick() {
  listBarcelona->hide();
  BotCerrar->hide();
}

void TForm3::mapamClick(int region) {
  if (!EsRegion(Mapa::kZonas, region)) return;
  PanelMapa->hide();
  ZonaSel = region;
  ListSelLugFPClick();
}

void TForm3::ListSelLugFPClick() {
  EstadoPrograma& e = servicios_.estado;
  for (QWidget* w :
       std::initializer_list<QWidget*>{PanelSelec, BotRetrocederFP, BotImprimir, BotTelefono}) {
    w->show();
  }
  const int p = static_cast<int>(Comunidad.provincias.size());
  const int fila =
      ListSelLugFP->currentItem() != nullptr && ListSelLugFP->currentItem()->isSelected()
          ? ListSelLugFP->currentRow()
          : -1;
  const int entrada = p < 2 || e.ModoImpresion ? 1 : fila + 1;
  const bool vista = VistaCataluna || VistaMadrid;
  if (entrada == 0 && !vista) return;

  std::string codigo;
  if (!e.FaseLocalidades) {
    codigo = std::string(EntradaProvincia(Comunidad.base + entrada - 1));
  } else {
    codigo = provinciaElegida_;
  }
  const int grupo = VistaCataluna ? 4 : VistaMadrid ? 2 : GrupoDeEntrada(codigo);
  if (grupo < 1 || grupo > 4) return;
  ListadoLugares(grupo, codigo);
}

void TForm3::ListadoLugares(int grupo, const std::string& entrada) {
  EstadoPrograma& e = servicios_.estado;
  const TablasDatos& t = servicios_.tablas;
  BusquedaLugar b;
  b.grupo = grupo;
  if (VistaCataluna) {
    b.vista = BusquedaLugar::Vista::kComarca;
    if (ComarcaSel >= 1 && ComarcaSel <= TablaComarcas::kCapacidad)
      b.codigo = t.comarcas.codigos[static_cast<std::size_t>(ComarcaSel)];
  } else if (VistaMadrid) {
    b.vista = BusquedaLugar::Vista::kZona;
    if (ZonaSel >= 1 && ZonaSel <= TablaZonas::kZonas &&
        t.zonas.numMiembros[static_cast<std::size_t>(ZonaSel)] > 0) {
      const int primero = t.zonas.miembros[static_cast<std::size_t>(ZonaSel)][0];
      if (primero >= 1 && primero <= TablaZonas::kCapacidad)
        b.codigo = t.zonas.codigos[static_cast<std::size_t>(primero)];
    }
    nombreLugar_ = QStringLiteral("Madrid");
  } else {
    b.provincia = entrada.size() >= 2 ? entrada[1] : 0;
  }
  const FuentesLugares f = Lugares();

  if (b.vista == BusquedaLugar::Vista::kProvincia && !e.FaseLocalidades) {
    candidatos_ = CentrosCandidatosGM(f, b);
    localidades_ = LocalidadesDe(f, grupo, candidatos_, ProvinciaAnchaGM(entrada));
    provinciaElegida_ = entrada;
    grupoElegido_ = grupo;
    const int p = static_cast<int>(Comunidad.provincias.size());
    if (p < 2) {
      nombreLugar_ = RecortadoQt(
          DeWin(Comunidad.provincias.empty() ? std::string() : Comunidad.provincias[0].mostrar));
    } else if (ListSelLugFP->currentItem() != nullptr) {
      nombreLugar_ = ListSelLugFP->currentItem()->text();
    }
    PanelCarSel->setText(nombreLugar_);
    PanelCarSel->show();
    reja->setRowCount(0);
    reja->show();
    filasLugar_.clear();
    ListSelLugFP->clear();
    for (const std::string& l : localidades_.nombres) ListSelLugFP->addItem(RecortadoQt(DeWin(l)));
    ListSelLugFP->show();
    e.FaseLocalidades = true;
    return;
  }

  int desde = -1;
  if (b.vista == BusquedaLugar::Vista::kProvincia) {
    const int localidad = ListSelLugFP->currentRow();
    if (localidad >= 0 && static_cast<std::size_t>(localidad) < localidades_.primeros.size())
      desde = localidades_.primeros[static_cast<std::size_t>(localidad)];
  } else {
    candidatos_ = CentrosCandidatosGM(f, b);
    if (VistaCataluna) nombreLugar_ = RecortadoQt(DeWin(NombreComarca(t.comarcas, ComarcaSel)));
  }
  const ListadoLugar l = CentrosDelLugarGM(f, grupo, candidatos_, desde);
  filasLugar_ = l.filas;
  FilaTitulo.clear();
  for (const FilaCentro& fila : l.filas) FilaTitulo.push_back(fila.titulo);
  PanelCarSel->setText(nombreLugar_);
  PanelCarSel->show();
  PanelSelTit->setText(T(294));
  PanelSelTit->show();
  MostrarRejilla(l.filas, VerTelefonos,
                 b.vista == BusquedaLugar::Vista::kProvincia ? l.primeraFila : 0);
  // An empty search shows an empty grid.
  if (l.filas.empty()) reja->setRowCount(0);
}

void TForm3::MostrarRejilla(const std::vector<FilaCentro>& filas, bool telefonos, int primera) {
  listSelFP->hide();
  reja->setRowCount(0);
  reja->show();
  reja->raise();
  PanelSelTit->show();
  if (filas.empty()) {
    if (servicios_.estado.ModoTitulos) {
      reja->setRowCount(1);
      reja->setItem(0, 0, new QTableWidgetItem(T(292)));
      reja->setItem(0, 1, new QTableWidgetItem());
    }
    return;
  }
  reja->setRowCount(static_cast<int>(filas.size()));
  for (std::size_t i = 0; i < filas.size(); ++i) {
    const int r = static_cast<int>(i);
    reja->setItem(r, 0, new QTableWidgetItem(RecortadoQt(DeWin(TextoRejilla(filas[i])))));
    reja->setItem(
        r, 1, new QTableWidgetItem(telefonos ? RecortadoQt(DeWin(filas[i].telefono)) : QString()));
  }
  // The scroll range follows the new rows at once, not at the next layout.
  reja->doItemsLayout();
  if (primera > 0 && primera < reja->rowCount()) {
    reja->scrollToItem(reja->item(primera, 0), QAbstractItemView::PositionAtTop);
  } else {
    reja->scrollToTop();
  }
}

void TForm3::BotTelefonoClick() {
  VerTelefonos = !VerTelefonos;
  ListSelLugFPClick();
}

void TForm3::rejaDblClick(int fila) {
  EstadoPrograma& e = servicios_.estado;
  if (!dobleClicReja_ || !e.ModoLugares) return;
  if (fila < 0 || static_cast<std::size_t>(fila) >= FilaTitulo.size()) return;
  const int titulo = FilaTitulo[static_cast<std::size_t>(fila)];
  if (titulo <= 0) return;
  e.FaseLocalidades = false;
  for (QWidget* w : std::initializer_list<QWidget*>{ListSelLugFP, BotImprimir, BotTelefono, reja,
                                                    PanelSelec, listSelFP, PanelSelTit, PanelCarSel,
                                                    mapa, mapac, mapam, listBarcelona, BotCerrar,
                                                    PanelMapa, ListFPExpli, BotRetrocederFP}) {
    w->hide();
  }
  reja->setRowCount(0);
  reja->setCursor(Qt::ArrowCursor);
  dobleClicReja_ = false;
  e.ModoTitulos = true;
  e.ModoLugares = false;
  AyudaPendiente = true;
  BorrarBocadillo();
  SinTitulos();
  SeguirRaton = true;
  ElegirTitulo(titulo);
}

void TForm3::botLug2Click() {
  EstadoPrograma& e = servicios_.estado;
  e.ModoTitulos = false;
  e.ModoLugares = true;
  e.FaseLocalidades = false;
  filasLugar_.clear();
  BorrarBocadillo();
  PararAnimaciones();
  MostrarMenu(false);
  PanelCarSel->clear();
  PanelSelTit->setText(T(294));
  reja->setRowCount(0);
  reja->setCursor(Qt::PointingHandCursor);
  listSelFP->hide();
  for (QWidget* w : std::initializer_list<QWidget*>{PanelSelec, mapa, PanelCarSel, PanelSelTit,
                                                    reja, BotRetrocederFP}) {
    w->show();
  }
  dobleClicReja_ = true;
}

void TForm3::RetrocederLugares() {
  EstadoPrograma& e = servicios_.estado;
  if (e.FaseLocalidades && Comunidad.provincias.size() > 1) {
    e.FaseLocalidades = false;
    reja->setRowCount(0);
    ListSelLugFP->clear();
    for (const ProvinciaGM& pr : Comunidad.provincias)
      ListSelLugFP->addItem(RecortadoQt(DeWin(pr.mostrar)));
    ListSelLugFPClick();
    return;
  }
  e.FaseLocalidades = false;
  if (!mapa->isHidden()) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             BotImprimir, BotTelefono, mapa, mapac, mapam, listBarcelona, BotCerrar, PanelMapa,
             ListSelLugFP, reja, ListFPExpli, PanelSelTit, PanelCarSel, BotRetrocederFP, PanelSelec,
             listSelFP}) {
      w->hide();
    }
    reja->setRowCount(0);
    reja->setCursor(Qt::ArrowCursor);
    dobleClicReja_ = false;
    MostrarMenu(true);
    return;
  }
  for (QWidget* w : std::initializer_list<QWidget*>{
           ListSelLugFP, BotImprimir, BotTelefono, mapac, mapam, listBarcelona, BotCerrar, reja,
           PanelSelec, listSelFP, PanelSelTit, PanelCarSel}) {
    w->hide();
  }
  reja->setRowCount(0);
  mapa->show();
}

}  // namespace sendaro
